#include "setup/choose_activity_dialog.h"

#include "config/list_views.h"
#include "config/setup_section.h"
#include "setup/choose_activity_dialog_ids.h"
#include "toolkit/text.h"

namespace {

constexpr int kWindowIconResource = 100;
constexpr int kPictureResource = 101;

tk::IconHandle LoadIconResource(int number, int size) {
  return tk::IconHandle(static_cast<HICON>(
      LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(number), IMAGE_ICON, size, size, 0)));
}

// The model fills the chooser's list through this view: the item's value is its entry.
class ListView : public kz::ActivityList {
 public:
  explicit ListView(tk::ListBox& list) : list_(list) {}
  void AddItem(const std::u16string& text, KzSetupEntry* entry) override {
    list_.AddItem(std::wstring(text.begin(), text.end()), reinterpret_cast<LPARAM>(entry));
  }
  void SelectItem(int index) override { list_.Select(index); }

 private:
  tk::ListBox& list_;
};

}  // namespace

bool ChooseActivityDialog::chosenFlag = false;
KzSetupEntry* ChooseActivityDialog::chosenEntry = nullptr;

ChooseActivityDialog::ChooseActivityDialog() : tk::Form(L"ID_ChooseActivityDialog") {}

// The flag is cleared before the dialog opens: a dialog that fails to open would otherwise
// leave the previous run's choice for ApplyChoice to store in this row.
void ChooseActivityDialog::RunChooser(HWND owner) {
  chosenFlag = false;
  RunModal(owner);
}

void ChooseActivityDialog::Register() {
  SetFont("8.MS Sans Serif");
  SetName("ChooseActivityDialog");
  Bind(TK_ITEM(lb_ChooseActivity));
  Bind(TK_ITEM(cb_OK));
  Bind(TK_ITEM(cb_Cancel));
  Bind(TK_ITEM(pictb_ChooseActivity));
  Bind(TK_ITEM(label_ChooseActivity));
  if (!windowIcon_) windowIcon_ = LoadIconResource(kWindowIconResource, 0);
  if (!picture_) picture_ = LoadIconResource(kPictureResource, 0);
  SendMessageW(hwnd(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(windowIcon_.get()));
  SendMessageW(hwnd(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(windowIcon_.get()));
  SendMessageW(hwnd(), DM_SETDEFID, IDC_cb_OK, 0);
  pictb_ChooseActivity.SetIcon(picture_.get());
  lb_ChooseActivity.On<tk::Event::Create>([this] {
    chosenFlag = false;
    ListView view(lb_ChooseActivity);
    KzSetupSection::FillActivityList(view);
    return true;
  });
  lb_ChooseActivity.On<tk::Event::DoubleClick>([this] {
    Accept();
    return true;
  });
  cb_OK.On<tk::Event::Click>([this] {
    Accept();
    return true;
  });
  cb_Cancel.On<tk::Event::Click>([this] {
    EndModal(0);
    return true;
  });
}

void ChooseActivityDialog::Accept() {
  const int index = lb_ChooseActivity.Selected();
  chosenFlag = true;
  chosenEntry =
      index > 0 ? reinterpret_cast<KzSetupEntry*>(lb_ChooseActivity.ItemValue(index)) : nullptr;
  EndModal(1);
}

// The row indexes the key list: a row outside it (none current, or a grid longer than its
// list) stores nothing.
void ChooseActivityDialog::ApplyChoice(tk::Grid& grid, ControlsKeyList keys, int column) {
  if (!chosenFlag) return;
  const int row = grid.CurrentRow();
  if (row < 0 || size_t(row) >= keys.size()) return;
  KzSetupEntry* entry = KzSetupSection::GetControlsEntry(keys[size_t(row)]);
  if (!entry) return;
  SetEntryText(entry->text1, chosenEntry ? chosenEntry->name : "");
  grid.SetCellText(row, column,
                   chosenEntry ? tk::FromCp1251(chosenEntry->caption) : std::wstring());
}

void ChooseActivityDialog::FillControlsColumn(tk::Grid& grid, ControlsKeyList keys, int column) {
  for (size_t i = 0; i < keys.size(); ++i)
    grid.SetCellText(int(i), column, ActivityCaptionOf(keys[i]));
}

std::wstring ChooseActivityDialog::ActivityCaptionOf(const char* key) {
  const KzSetupEntry* entry = KzSetupSection::GetControlsEntry(key);
  if (!entry || !entry->text1[0]) return {};
  if (const KzSetupEntry* activity = KzSetupSection::GetKeyDefinitonsEntry(entry->text1))
    return tk::FromCp1251(activity->caption);
  return L"<" + tk::FromCp1251(entry->text1) + L">";
}
