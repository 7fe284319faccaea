#include "form_table.h"

#include <gtest/gtest.h>

#include <set>

#include "toolkit/text.h"

namespace wt {

namespace {

std::string Name(const wchar_t* text) { return tk::Narrow(text ? text : L""); }

// Class names compare without regard to the case of their letters, as Windows compares them.
std::string ClassName(const std::wstring& name) {
  std::string text = Name(name.c_str());
  for (char& c : text)
    if (c >= 'a' && c <= 'z') c = char(c - 'a' + 'A');
  return text;
}

void ExpectKind(const Kind& kind, const TemplateItem& item) {
  EXPECT_EQ(ClassName(item.className), ClassName(kind.className));
  if (kind.typeMask) {
    const DWORD type = item.style & kind.typeMask;
    EXPECT_TRUE(type == kind.type || type == kind.otherType) << "control type " << type;
  }
  EXPECT_EQ(item.style & kind.style, kind.style) << std::hex << "style " << item.style;
  EXPECT_EQ(item.style & kind.notStyle, 0u) << std::hex << "style " << item.style;
  EXPECT_EQ(item.exStyle & kind.exStyle, kind.exStyle) << std::hex << "ex style " << item.exStyle;
}

// Where the item's window is in its form's client area, against its template rectangle.
void ExpectPlaced(const Item& row, const tk::Form& live) {
  HWND window = GetDlgItem(live.hwnd(), row.id);
  ASSERT_NE(window, nullptr);
  // The dialog manager converts the corner and the size each on its own.
  RECT corner{row.x, row.y, 0, 0}, size{0, 0, row.cx, row.cy}, at{};
  MapDialogRect(live.hwnd(), &corner);
  MapDialogRect(live.hwnd(), &size);
  GetWindowRect(window, &at);
  MapWindowPoints(nullptr, live.hwnd(), reinterpret_cast<POINT*>(&at), 2);
  const Kept kept = row.kind.kept;
  EXPECT_EQ(at.top, corner.top);
  if (kept == Kept::kTop) return;
  EXPECT_EQ(at.left, corner.left);
  if (kept == Kept::kCorner) return;
  EXPECT_EQ(at.right - at.left, size.right);
  if (kept == Kept::kAll) EXPECT_EQ(at.bottom - at.top, size.bottom);
}

void ExpectItem(const Item& row, const DialogTemplate& dialog, const tk::Form* live) {
  SCOPED_TRACE(std::string("item ") + std::to_string(row.id) + " " + row.name);
  const TemplateItem* item = dialog.Item(row.id);
  ASSERT_NE(item, nullptr);
  ExpectKind(row.kind, *item);
  if (row.x != kNotGiven) {
    EXPECT_EQ(item->x, row.x);
    EXPECT_EQ(item->y, row.y);
    EXPECT_EQ(item->cx, row.cx);
    EXPECT_EQ(item->cy, row.cy);
  }
  if (row.caption) EXPECT_EQ(Name(item->caption.c_str()), Name(row.caption));
  if (!live) return;
  const tk::Control* control = live->FindControl(row.id);
  ASSERT_NE(control, nullptr);
  EXPECT_EQ(control->name(), row.name);
  if (row.x != kNotGiven) ExpectPlaced(row, *live);
}

void ExpectFrame(const FormTable& table, const DialogTemplate& dialog) {
  if (table.x != kNotGiven) EXPECT_EQ(dialog.x, table.x);
  if (table.y != kNotGiven) EXPECT_EQ(dialog.y, table.y);
  if (table.cx != kNotGiven) EXPECT_EQ(dialog.cx, table.cx);
  if (table.cy != kNotGiven) EXPECT_EQ(dialog.cy, table.cy);
  EXPECT_EQ(dialog.style & table.style, table.style) << std::hex << dialog.style;
  EXPECT_EQ(dialog.style & table.notStyle, 0u) << std::hex << dialog.style;
  EXPECT_EQ(dialog.exStyle & table.exStyle, table.exStyle) << std::hex << dialog.exStyle;
  if (table.caption) EXPECT_EQ(Name(dialog.caption.c_str()), Name(table.caption));
  EXPECT_EQ(dialog.pointSize, table.pointSize);
  EXPECT_EQ(Name(dialog.typeface.c_str()), Name(table.typeface));
  if (table.weight) EXPECT_EQ(dialog.weight, table.weight);
  if (table.charSet) EXPECT_EQ(dialog.charSet, table.charSet);
}

}  // namespace

Kind With(Kind kind, DWORD style) {
  kind.style |= style;
  return kind;
}

void ExpectFormMatches(const FormTable& table, HMODULE shipped, const tk::Form* live) {
  SCOPED_TRACE(Name(table.templateName));
  const std::optional<DialogTemplate> dialog = LoadDialogTemplate(shipped, table.templateName);
  ASSERT_TRUE(dialog.has_value());
  const std::optional<DialogTemplate> own =
      LoadDialogTemplate(GetModuleHandleW(nullptr), table.templateName);
  ASSERT_TRUE(own.has_value());
  EXPECT_TRUE(own->bytes == dialog->bytes) << "the test program's template is not the shipped one";
  ExpectFrame(table, *dialog);
  std::set<int> ids, tableIds;
  for (const TemplateItem& item : dialog->items) ids.insert(item.id);
  for (const Item& row : table.items) tableIds.insert(row.id);
  EXPECT_EQ(ids, tableIds);
  if (live) {
    EXPECT_EQ(live->name(), table.formName);
    ASSERT_NE(live->hwnd(), nullptr);
  }
  for (const Item& row : table.items) ExpectItem(row, *dialog, live);
}

}  // namespace wt
