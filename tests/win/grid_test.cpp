// The grid control on its own window, and the selection keeper that the setup pages put on it:
// scrolling, clicks on headings and cells, the order of key handling, and what the keeper
// saves and restores.
#include <gmock/gmock.h>

#include <windows.h>

#include "setup/grid_patch.h"
#include "toolkit/grid.h"
#include "win_harness.h"

using ::testing::ElementsAre;

namespace {

using Cell = std::pair<int, int>;
Cell CurrentCell(const tk::Grid& grid) { return {grid.CurrentRow(), grid.CurrentColumn()}; }

class GridTest : public ::testing::Test {
 protected:
  void SetUp() override {
    parent_ = CreateWindowExW(0, L"Static", L"", WS_POPUP | WS_VISIBLE, 0, 0, 320, 240, nullptr,
                              nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_TRUE(parent_);
    ASSERT_TRUE(grid.Create(tk::Grid::kClassName, parent_, 101, RECT{0, 0, 300, 200},
                            WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP, "grid_Test"));
    grid.SetColumnCount(3);
    for (int row = 0; row < 50; ++row)
      for (int c = 0; c < 3; ++c)
        grid.SetCellText(row, c, std::to_wstring(row) + L"." + std::to_wstring(c));
    grid.On<tk::Event::Select>([this](tk::NoticeArgs& a) {
      log.push_back("select " + std::to_string(grid.CurrentRow()) + "," + std::to_string(a.column));
      return true;
    });
    grid.On<tk::Event::DoubleClick>([this] {
      log.push_back("double click");
      return true;
    });
  }
  void TearDown() override {
    grid.Detach();
    DestroyWindow(parent_);
  }

  void Click(int x, int y, UINT message = WM_LBUTTONDOWN) {
    SendMessageW(grid.hwnd(), message, MK_LBUTTON, MAKELPARAM(x, y));
  }
  void ClickCell(int row, int column, UINT message = WM_LBUTTONDOWN) {
    const RECT r = grid.CellRect(row, column);
    Click((r.left + r.right) / 2, (r.top + r.bottom) / 2, message);
  }
  void Key(WORD key) { SendMessageW(grid.hwnd(), WM_KEYDOWN, key, 1); }
  SCROLLINFO ScrollInfo() {
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_ALL;
    GetScrollInfo(grid.hwnd(), SB_VERT, &info);
    return info;
  }

  RECT UpdateRect() {
    RECT dirty{};
    GetUpdateRect(grid.hwnd(), &dirty, FALSE);
    return dirty;
  }

  tk::Grid grid;
  std::vector<std::string> log;
  HWND parent_ = nullptr;
};

// A change on screen repaints its cell; a grid filled while hidden (as the setup pages fill
// theirs) is painted whole when it is shown, so that no cell keeps an old text.
TEST_F(GridTest, ChangesRepaintTheirCellOnScreenAndAGridFilledHiddenPaintsWholeWhenShown) {
  UpdateWindow(grid.hwnd());
  EXPECT_FALSE(GetUpdateRect(grid.hwnd(), nullptr, FALSE));
  grid.SetCellText(1, 1, L"changed");
  EXPECT_TRUE(wt::SameRect(UpdateRect(), grid.CellRect(1, 1)));
  UpdateWindow(grid.hwnd());

  ShowWindow(parent_, SW_HIDE);
  grid.SetColumnHeading(0, L"hidden");
  for (int row = 0; row < 50; ++row) grid.SetCellText(row, 2, L"filled while hidden");
  ShowWindow(parent_, SW_SHOWNA);
  EXPECT_TRUE(wt::SameRect(UpdateRect(), wt::ClientRect(grid.hwnd())));
  EXPECT_EQ(grid.CellText(49, 2), L"filled while hidden");
  EXPECT_EQ(grid.ColumnHeading(0), L"hidden");
}

TEST_F(GridTest, ScrollsToTheCurrentRowAndByItsScrollBarAndWheel) {
  const int page = grid.VisibleRows();
  ASSERT_GT(page, 3);
  ASSERT_LT(page, 50);
  EXPECT_EQ(grid.RowCount(), 50);
  EXPECT_EQ(ScrollInfo().nMax, 49);
  EXPECT_EQ(int(ScrollInfo().nPage), page);

  grid.SetCurrentRow(49);  // from code: shown, no event
  EXPECT_EQ(grid.TopRow(), 50 - page);
  EXPECT_EQ(ScrollInfo().nPos, 50 - page);
  grid.SetCurrentRow(120);
  EXPECT_EQ(grid.CurrentRow(), 49);
  grid.SetCurrentRow(-7);
  EXPECT_EQ(grid.CurrentRow(), -1);
  EXPECT_EQ(grid.TopRow(), 50 - page);  // hiding the cell does not scroll

  SendMessageW(grid.hwnd(), WM_VSCROLL, SB_TOP, 0);
  EXPECT_EQ(grid.TopRow(), 0);
  SendMessageW(grid.hwnd(), WM_VSCROLL, SB_PAGEDOWN, 0);
  SendMessageW(grid.hwnd(), WM_VSCROLL, SB_LINEDOWN, 0);
  EXPECT_EQ(grid.TopRow(), page + 1);
  SendMessageW(grid.hwnd(), WM_MOUSEWHEEL, MAKEWPARAM(0, WORD(-WHEEL_DELTA)), 0);
  EXPECT_EQ(grid.TopRow(), page + 4);
  SendMessageW(grid.hwnd(), WM_VSCROLL, SB_BOTTOM, 0);
  EXPECT_EQ(grid.TopRow(), 50 - page);
  EXPECT_TRUE(log.empty());
}

TEST_F(GridTest, ClicksSelectCellsButNotHeadingsAndHandledKeysAreNotNavigated) {
  grid.SetRowHeadingWidth(30);
  grid.SetRowHeading(0, L"A");
  Click(40, 2);                            // the column headings
  Click(10, grid.CellRect(1, 0).top + 2);  // a row heading
  EXPECT_TRUE(log.empty());
  ClickCell(2, 1);
  EXPECT_TRUE(grid.HasFocus());
  ClickCell(3, 2, WM_LBUTTONDBLCLK);
  grid.On<tk::Event::KeyDown>([](tk::KeyArgs& key) { return key.key == VK_DOWN; });
  Key(VK_DOWN);  // taken by the handler
  Key(VK_UP);
  Key(VK_END);
  Key(VK_RIGHT);  // already in the last column: no move, no event
  grid.SetCurrentRow(-1);
  Key(VK_LEFT);  // no current cell: the move starts at row 0
  EXPECT_THAT(log, ElementsAre("select 2,1", "select 3,2", "double click", "select 2,2",
                               "select 49,2", "select 0,1"));
}

TEST_F(GridTest, AKeyThatNeitherAHandlerNorTheGridTakesIsRaisedOnce) {
  std::vector<UINT> keys;
  grid.On<tk::Event::KeyDown>([&](tk::KeyArgs& key) {
    keys.push_back(key.key);
    return false;
  });
  Key('A');
  Key(VK_F5);
  EXPECT_THAT(keys, ElementsAre(UINT('A'), UINT(VK_F5)));
}

TEST_F(GridTest, TheKeeperHidesAndRestoresEachGridsOwnCellUnlessSuspended) {
  tk::Grid other;
  ASSERT_TRUE(other.Create(tk::Grid::kClassName, GetParent(grid.hwnd()), 102, RECT{0, 0, 50, 50}));
  other.SetColumnCount(2);
  other.SetRowCount(5);
  grid.SetCurrentRow(3);
  grid.SetCurrentColumn(2);
  KzGridPatch patch;
  patch.AddGrid(grid);
  patch.AddGrid(other);  // a new grid: row 0, column 0
  EXPECT_EQ(grid.CurrentRow(), -1);
  EXPECT_EQ(other.CurrentRow(), -1);

  patch.RestoreSelection(grid);
  EXPECT_EQ(CurrentCell(grid), Cell(3, 2));
  EXPECT_EQ(other.CurrentRow(), -1);

  // A hidden row leaves the saved row; the column is always saved.
  grid.SetCurrentRow(-1);
  grid.SetCurrentColumn(1);
  patch.RememberSelection(grid);
  patch.RestoreSelection(grid);
  EXPECT_EQ(CurrentCell(grid), Cell(3, 1));
  grid.SetCurrentRow(9);
  patch.HideSelection(grid);
  EXPECT_EQ(grid.CurrentRow(), -1);
  patch.RestoreSelection(grid);
  EXPECT_EQ(CurrentCell(grid), Cell(9, 1));

  // Suspended, nothing is saved, hidden or restored.
  patch.SetActive(false);
  grid.SetCurrentRow(20);
  patch.HideSelection(grid);
  patch.RememberSelection(grid);
  EXPECT_EQ(grid.CurrentRow(), 20);
  grid.SetCurrentRow(-1);
  patch.RestoreSelection(grid);
  EXPECT_EQ(grid.CurrentRow(), -1);
  patch.SetActive(true);
  patch.RestoreSelection(grid);
  EXPECT_EQ(grid.CurrentRow(), 9);

  patch.RestoreSelection(other);
  EXPECT_EQ(CurrentCell(other), Cell(0, 0));
  EXPECT_EQ(patch.Records().size(), 2u);
}

}  // namespace
