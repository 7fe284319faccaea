#include "dialog_template.h"

namespace wt {

namespace {

// Reads the little-endian fields of a template in order, each at its own alignment.
class Reader {
 public:
  explicit Reader(const std::string& bytes) : bytes_(bytes) {}
  bool ok() const { return ok_; }
  WORD Word() { return WORD(Get(2)); }
  DWORD Dword() { return DWORD(Get(4)); }
  short Short() { return short(Word()); }
  BYTE Byte() { return BYTE(Get(1)); }
  void AlignTo(size_t n) { at_ = (at_ + n - 1) / n * n; }
  std::wstring String() {
    std::wstring text;
    for (WORD c = Word(); ok_ && c; c = Word()) text += wchar_t(c);
    return text;
  }
  // A name or a number: 0 is none, 0xFFFF an ordinal, anything else the first character.
  std::wstring NameOrOrdinal(bool classOrdinals) {
    const WORD first = Word();
    if (first == 0) return {};
    if (first == 0xFFFF) {
      const WORD ordinal = Word();
      const wchar_t* classes[] = {L"Button",  L"Edit",      L"Static",
                                  L"ListBox", L"ScrollBar", L"ComboBox"};
      if (classOrdinals && ordinal >= 0x80 && ordinal <= 0x85) return classes[ordinal - 0x80];
      return L"#" + std::to_wstring(ordinal);
    }
    return wchar_t(first) + String();
  }
  void Skip(size_t n) { at_ += n; }

 private:
  unsigned long long Get(size_t n) {
    if (at_ + n > bytes_.size()) {
      ok_ = false;
      return 0;
    }
    unsigned long long value = 0;
    for (size_t i = 0; i < n; ++i) value |= (unsigned long long)(BYTE(bytes_[at_ + i])) << (8 * i);
    at_ += n;
    return value;
  }
  const std::string& bytes_;
  size_t at_ = 0;
  bool ok_ = true;
};

TemplateItem ReadItem(Reader& in) {
  TemplateItem item;
  in.AlignTo(4);
  in.Dword();  // help id
  item.exStyle = in.Dword();
  item.style = in.Dword();
  item.x = in.Short(), item.y = in.Short(), item.cx = in.Short(), item.cy = in.Short();
  item.id = int(in.Dword());
  item.className = in.NameOrOrdinal(true);
  item.caption = in.NameOrOrdinal(false);
  in.Skip(in.Word());  // creation data
  return item;
}

}  // namespace

const TemplateItem* DialogTemplate::Item(int id) const {
  for (const TemplateItem& item : items)
    if (item.id == id) return &item;
  return nullptr;
}

std::optional<DialogTemplate> LoadDialogTemplate(HMODULE module, const wchar_t* name) {
  HRSRC found = FindResourceW(module, name, MAKEINTRESOURCEW(5));  // RT_DIALOG
  HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
  if (!loaded) return std::nullopt;
  DialogTemplate dialog;
  dialog.bytes.assign(static_cast<const char*>(LockResource(loaded)),
                      SizeofResource(module, found));
  Reader in(dialog.bytes);
  if (in.Word() != 1 || in.Word() != 0xFFFF) return std::nullopt;  // DLGTEMPLATEEX only
  in.Dword();                                                      // help id
  dialog.exStyle = in.Dword();
  dialog.style = in.Dword();
  const WORD count = in.Word();
  dialog.x = in.Short(), dialog.y = in.Short(), dialog.cx = in.Short(), dialog.cy = in.Short();
  in.NameOrOrdinal(false);  // menu
  in.NameOrOrdinal(false);  // class
  dialog.caption = in.String();
  if (dialog.style & (DS_SETFONT | DS_SHELLFONT)) {
    dialog.pointSize = in.Word();
    dialog.weight = in.Word();
    in.Byte();  // italic
    dialog.charSet = in.Byte();
    dialog.typeface = in.String();
  }
  for (WORD i = 0; i < count && in.ok(); ++i) dialog.items.push_back(ReadItem(in));
  if (!in.ok()) return std::nullopt;
  return dialog;
}

}  // namespace wt
