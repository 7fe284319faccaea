#include "setup/keyboard_tab.h"

#include "config/list_views.h"
#include "config/setup_keys.h"
#include "config/setup_section.h"
#include "setup/keyboard_tab_ids.h"
#include "toolkit/text.h"

namespace {

constexpr const char* kStatusFont = "10.MS Sans Serif.Bold.CharSet=204";
constexpr const wchar_t* kHeadings[] = {L"Действие", L"Клавиша 1", L"Клавиша 2"};
// Column 0 holds the activity's caption; the key columns share the rest of the width.
constexpr int kCaptionShare = 40;  // per cent of the grid's width

// The model fills the key grid through this view.
class KeyGrid : public kz::KeyGridView {
 public:
  explicit KeyGrid(tk::Grid& grid) : grid_(grid) {}
  void SetCellText(int row, int column, const std::u16string& text) override {
    grid_.SetCellText(row, column, std::wstring(text.begin(), text.end()));
  }
  void SetRowCount(int rows) override { grid_.SetRowCount(rows); }
  void SetCurrentColumn(int column) override { grid_.SetCurrentColumn(column); }

 private:
  tk::Grid& grid_;
};

void FillKeys(tk::Grid& grid) {
  KeyGrid view(grid);
  KzSetupSection::FillKeyGrid(view);
}

}  // namespace

KeyboardTab::KeyboardTab() : SetupPage(L"ID_KeyboardTab") { tk::Grid::RegisterClass(); }

void KeyboardTab::Register() {
  SetFont("8.MS Sans Serif");
  SetName("KeyboardTab");
  Bind(TK_ITEM(grid_Activities));
  Bind(TK_ITEM(label_Help));
  Bind(TK_ITEM(label_IsAssigned));
  Bind(TK_ITEM(cb_DefaultKeys));
  label_IsAssigned.SetFontText(kStatusFont);
  grid_Activities.SetColumnCount(3);
  RegisterGridHandlers();
  RegisterButtonHandlers();
  label_Help.On<tk::Event::Create>([this] {
    label_Help.SetText(kKeyboardHelp);
    return true;
  });
  On<tk::Event::Destroy>([this] {
    keyObserver_.reset();
    altRelease_.reset();
    return false;
  });
  keyObserver_ = std::make_unique<tk::KeyObserver>([this](const MSG& msg) { ObserveKey(msg); });
  altRelease_ =
      std::make_unique<tk::KeyFilter>([this](const MSG& msg) { return TakeAltRelease(msg); });
  waitingForKey_ = false;
}

void KeyboardTab::RegisterGridHandlers() {
  tk::Grid& grid = grid_Activities;
  grid.On<tk::Event::Create>([this] {
    FillGrid();
    gridPatch_.AddGrid(grid_Activities);
    return true;
  });
  grid.On<tk::Event::DoubleClick>([this] {
    if (grid_Activities.CurrentColumn() != 0) BeginKeyChange();
    return true;
  });
  // Alt+Enter and Alt+Space are the dialog's system keys, not the player's Enter or Space.
  grid.On<tk::Event::KeyDown>([this](tk::KeyArgs& key) {
    if (grid_Activities.CurrentColumn() == 0 || key.WasDown() || key.AltHeld()) return false;
    if (key.key != VK_RETURN && key.key != VK_SPACE) return false;
    BeginKeyChange();
    return true;
  });
  grid.On<tk::Event::Select>([this](tk::NoticeArgs& selected) {
    if (selected.column == 0) grid_Activities.SetCurrentColumn(1);
    label_IsAssigned.SetText(L"");
    gridPatch_.RememberSelection(grid_Activities);
    return true;
  });
  grid.On<tk::Event::GotFocus>([this] {
    gridPatch_.RestoreSelection(grid_Activities);
    return true;
  });
  grid.On<tk::Event::LostFocus>([this] {
    gridPatch_.HideSelection(grid_Activities);
    return true;
  });
}

void KeyboardTab::RegisterButtonHandlers() {
  cb_DefaultKeys.On<tk::Event::Click>([this] {
    KzSetupSection::SetDefaults("KeyDefinitions", nullptr);
    tk::Filling::Scope filling(filling_);
    FillKeys(grid_Activities);
    return true;
  });
  // The look of the button that Enter would press; the dialog takes it back when the focus
  // moves on.
  cb_DefaultKeys.On<tk::Event::GotFocus>([this] {
    cb_DefaultKeys.Send(BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
    return true;
  });
  cb_DefaultKeys.On<tk::Event::LostFocus>([this] {
    cb_DefaultKeys.Send(BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
    return true;
  });
}

void KeyboardTab::FillGrid() {
  tk::Grid& grid = grid_Activities;
  for (int c = 0; c < 3; ++c) grid.SetColumnHeading(c, kHeadings[c]);
  RECT client{};
  GetClientRect(grid.hwnd(), &client);
  const int scrollBar =
      (GetWindowLongW(grid.hwnd(), GWL_STYLE) & WS_VSCROLL) ? 0 : GetSystemMetrics(SM_CXVSCROLL);
  const int room = client.right - scrollBar;
  grid.SetColumnWidth(0, room * kCaptionShare / 100);
  grid.SetColumnWidth(1, (room - grid.ColumnWidth(0)) / 2);
  FillKeys(grid);
}

void KeyboardTab::BeginKeyChange() {
  gridPatch_.SetActive(false);
  waitingForKey_ = true;
  label_IsAssigned.SetText(kChangeKey);
  grid_Activities.Enable(false);
}

void KeyboardTab::EndKeyChange() {
  StopWaiting();
  grid_Activities.Focus();
}

void KeyboardTab::StopWaiting() {
  gridPatch_.SetActive(true);
  waitingForKey_ = false;
  grid_Activities.Enable(true);
}

// Another page's tab hides this page: the wait ends as F8 ends it, but the grid, hidden with
// the page, does not take the focus from the page the player went to.
void KeyboardTab::ShownOrHidden(bool shown) {
  if (shown || !waitingForKey_) return;
  StopWaiting();
  label_IsAssigned.SetText(L"");
}

// Only looks: the key goes on to its window whatever the page makes of it. A page out of sight
// takes no key: the dialog has closed around it, and the key answers the save question.
void KeyboardTab::ObserveKey(const MSG& msg) {
  if (!waitingForKey_ || !IsWindowVisible(hwnd())) return;
  if (msg.wParam == VK_F8) {
    EndKeyChange();
    label_IsAssigned.SetText(L"");
    return;
  }
  if (msg.wParam == VK_MENU) altReleaseToTake_ = true;
  ApplyKey(UINT(msg.wParam), msg.lParam);
}

// The release of an Alt that was the awaited key would put the dialog into its menu, where the
// player's next keys would go. A key pressed meanwhile keeps the menu shut by itself.
bool KeyboardTab::TakeAltRelease(const MSG& msg) {
  if (!altReleaseToTake_) return false;
  const bool release = msg.message == WM_KEYUP || msg.message == WM_SYSKEYUP;
  if (msg.wParam != VK_MENU) {
    if (!release) altReleaseToTake_ = false;
    return false;
  }
  if (release) altReleaseToTake_ = false;
  return release;
}

void KeyboardTab::ApplyKey(UINT virtualKey, LPARAM keyData) {
  const int row = grid_Activities.CurrentRow();
  const int column = grid_Activities.CurrentColumn();
  KzSetupEntry* entry = KzSetupSection::GetKeyDefinitionsRow(row);
  EndKeyChange();
  const KzKeyPair key = KzSetupKeys::KeyFromKeystroke(int(virtualKey), uint32_t(keyData));
  if (!key.applicable) {
    label_IsAssigned.SetText(kKeyNotApplicable);
    return;
  }
  if (KzSetupSection::IsKeyUsed(key.shortName.c_str())) {
    label_IsAssigned.SetText(kKeyTaken);
    return;
  }
  label_IsAssigned.SetText(L"");
  if (!entry || (column != 1 && column != 2)) return;
  SetEntryText(column == 1 ? entry->text1 : entry->text2, key.shortName);
  grid_Activities.SetCellText(row, column, tk::FromCp1251(key.displayName));
}
