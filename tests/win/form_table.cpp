#include "form_table.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <sstream>
#include <vector>

#include "dialog_template.h"
#include "toolkit/font_text.h"
#include "toolkit/text.h"

namespace wt {

namespace {

// Which of an item's template place and size its window keeps once the form runs: an icon
// picture takes its icon's size, a drop-down's height is that of its open list, a list box
// keeps a whole number of lines, the moving icon slides along its row.
enum class Kept { kAll, kNoHeight, kCorner, kTop };

// A kind of item: its class, its control type (style & typeMask is one of `types`), and the
// style bits that it must have and must not have.
struct Kind {
  std::string className;
  DWORD typeMask = 0;
  std::set<DWORD> types;
  DWORD style = 0, notStyle = 0, exStyle = 0;
  Kept kept = Kept::kAll;
};

const std::map<std::string, Kind> kKinds = {
    {"group box", {"BUTTON", BS_TYPEMASK, {BS_GROUPBOX}}},
    {"option button", {"BUTTON", BS_TYPEMASK, {BS_RADIOBUTTON, BS_AUTORADIOBUTTON}}},
    {"automatic option button", {"BUTTON", BS_TYPEMASK, {BS_AUTORADIOBUTTON}}},
    {"check box", {"BUTTON", BS_TYPEMASK, {BS_CHECKBOX, BS_AUTOCHECKBOX}}},
    {"automatic check box", {"BUTTON", BS_TYPEMASK, {BS_AUTOCHECKBOX}}},
    {"push button", {"BUTTON", BS_TYPEMASK, {BS_PUSHBUTTON, BS_DEFPUSHBUTTON}}},
    {"picture button", {"BUTTON", BS_TYPEMASK, {BS_PUSHBUTTON}}},
    {"default button", {"BUTTON", BS_TYPEMASK, {BS_DEFPUSHBUTTON}}},
    {"label", {"STATIC", SS_TYPEMASK, {SS_LEFT}}},
    {"text box", {"EDIT", 0, {}, ES_AUTOHSCROLL, ES_MULTILINE}},
    {"editable drop-down", {"COMBOBOX", 3, {CBS_DROPDOWN}, 0, 0, 0, Kept::kNoHeight}},
    {"drop-down list", {"COMBOBOX", 3, {CBS_DROPDOWNLIST}, 0, 0, 0, Kept::kNoHeight}},
    {"slider", {"MSCTLS_TRACKBAR32", 0, {}, 0x0010 /* no ticks */, 0x0002 /* vertical */}},
    {"grid", {"VOLTRANEGRID"}},
    {"tab control", {"SYSTABCONTROL32"}},
    {"icon picture", {"STATIC", SS_TYPEMASK, {SS_ICON}, 0, 0, 0, Kept::kCorner}},
    {"moving icon picture", {"STATIC", SS_TYPEMASK, {SS_ICON}, 0, 0, 0, Kept::kTop}},
    {"bitmap picture", {"STATIC", SS_TYPEMASK, {SS_BITMAP}}},
    {"vertical scroll bar", {"SCROLLBAR", 0, {}, SBS_VERT}},
    {"video without play bar", {"MCIWNDCLASS", 0, {}, 0x0002}},
    {"list box",
     {"LISTBOX",
      0,
      {},
      WS_BORDER | WS_VSCROLL,
      LBS_MULTIPLESEL | LBS_EXTENDEDSEL,
      0,
      Kept::kNoHeight}},
};

// What a quality after the kind adds: style bits it sets (or, with `absent`, clears). A sunken
// label has its own style bit; other items a sunken edge.
struct Quality {
  DWORD style = 0;
  bool absent = false, sunken = false;
};
const std::map<std::string, Quality> kQualities = {
    {"starts a group", {WS_GROUP}},
    {"tab stop", {WS_TABSTOP}},
    {"no tab stop", {WS_TABSTOP, true}},
    {"disabled", {WS_DISABLED}},
    {"multi-line", {BS_MULTILINE}},
    {"notifies clicks", {SS_NOTIFY}},
    {"sunken", {0, false, true}},
    {"scroll bar", {WS_VSCROLL}},
    {"several rows", {0x0200 /* TCS_MULTILINE */}},
    {"focus on click", {0x1000 /* TCS_FOCUSONBUTTONDOWN */}},
};

struct Frame {
  DWORD style, notStyle, exStyle;
};
const std::map<std::string, Frame> kFrames = {
    {"captioned", {WS_CAPTION | WS_SYSMENU, 0, 0}},
    {"page", {DS_CONTROL | WS_CHILD, 0, WS_EX_CONTROLPARENT}},
    {"pop-up", {WS_POPUP, WS_CAPTION | WS_BORDER | WS_DLGFRAME | WS_THICKFRAME, 0}},
    {"framed pop-up", {WS_POPUP | WS_DLGFRAME, WS_BORDER, 0}},
};

struct Row {
  int id = 0;
  std::string name, kind, caption;
  std::vector<std::string> qualities;
  bool placed = false, captioned = false;
  int x = 0, y = 0, cx = 0, cy = 0;
};

struct Table {
  std::string formName, frame, caption, font;
  bool sized = false, at = false, captioned = false;
  int x = 0, y = 0, cx = 0, cy = 0;
  std::vector<Row> rows;
};

std::string Trim(const std::string& text) {
  const size_t first = text.find_first_not_of(' '), last = text.find_last_not_of(' ');
  return first == std::string::npos ? std::string() : text.substr(first, last - first + 1);
}

std::vector<std::string> Split(const std::string& text, char separator) {
  std::vector<std::string> parts;
  std::stringstream in(text);
  for (std::string part; std::getline(in, part, separator);) parts.push_back(Trim(part));
  return parts;
}

// "TEXT" in quotes, or "-" for none given.
bool Quoted(const std::string& text, std::string& inside) {
  if (text.size() < 2 || text.front() != '"') return false;
  inside = text.substr(1, text.size() - 2);
  return true;
}

Row ParseRow(const std::string& line) {
  const std::vector<std::string> cells = Split(line, '|');
  Row row;
  EXPECT_EQ(cells.size(), 5u) << line;
  if (cells.size() != 5) return row;
  row.id = std::stoi(cells[0]);
  row.name = cells[1];
  std::vector<std::string> kind = Split(cells[2], ',');
  row.kind = kind[0];
  row.qualities.assign(kind.begin() + 1, kind.end());
  row.placed =
      std::sscanf(cells[3].c_str(), "%d,%d; %d x %d", &row.x, &row.y, &row.cx, &row.cy) == 4;
  row.captioned = Quoted(cells[4], row.caption);
  return row;
}

std::map<std::string, Table> ParseTables(const std::string& text) {
  std::map<std::string, Table> tables;
  Table* table = nullptr;
  for (const std::string& line : Split(text, '\n')) {
    if (line.empty() || line[0] == '#') continue;
    std::istringstream in(line);
    std::string word, rest;
    in >> word;
    std::getline(in, rest);
    rest = Trim(rest);
    if (word == "form") {
      const size_t blank = rest.find(' ');
      table = &tables[rest.substr(0, blank)];
      table->formName = rest.substr(blank + 1);
    } else if (!table) {
      ADD_FAILURE() << "no form before: " << line;
    } else if (word == "size") {
      table->sized = std::sscanf(rest.c_str(), "%d x %d", &table->cx, &table->cy) == 2;
    } else if (word == "at") {
      table->at = std::sscanf(rest.c_str(), "%d %d", &table->x, &table->y) == 2;
    } else if (word == "frame") {
      table->frame = rest;
    } else if (word == "caption") {
      table->captioned = Quoted(rest, table->caption);
    } else if (word == "font") {
      table->font = rest;
    } else {
      table->rows.push_back(ParseRow(line));
    }
  }
  return tables;
}

// The tables as the test program carries them.
const std::map<std::string, Table>& Tables() {
  static const std::map<std::string, Table> tables = [] {
    HRSRC found = FindResourceW(nullptr, L"FORM_TABLES", MAKEINTRESOURCEW(10));  // RT_RCDATA
    HGLOBAL data = found ? LoadResource(nullptr, found) : nullptr;
    if (!data) return std::map<std::string, Table>();
    return ParseTables(
        std::string(static_cast<const char*>(LockResource(data)), SizeofResource(nullptr, found)));
  }();
  return tables;
}

std::string Upper(const std::wstring& text) {
  std::string name = tk::Narrow(text);
  for (char& c : name)
    if (c >= 'a' && c <= 'z') c = char(c - 'a' + 'A');
  return name;
}

void ExpectFrame(const Table& table, const DialogTemplate& dialog) {
  if (table.sized) {
    EXPECT_EQ(dialog.cx, table.cx);
    EXPECT_EQ(dialog.cy, table.cy);
  }
  if (table.at) {
    EXPECT_EQ(dialog.x, table.x);
    EXPECT_EQ(dialog.y, table.y);
  }
  ASSERT_EQ(kFrames.count(table.frame), 1u) << table.frame;
  const Frame& frame = kFrames.at(table.frame);
  EXPECT_EQ(dialog.style & frame.style, frame.style) << std::hex << dialog.style;
  EXPECT_EQ(dialog.style & frame.notStyle, 0u) << std::hex << dialog.style;
  EXPECT_EQ(dialog.exStyle & frame.exStyle, frame.exStyle) << std::hex << dialog.exStyle;
  if (table.captioned) { EXPECT_EQ(tk::Narrow(dialog.caption), table.caption); }
  const std::optional<tk::FontText> font = tk::ParseFontText(table.font);
  ASSERT_TRUE(font.has_value()) << table.font;
  EXPECT_EQ(dialog.pointSize, font->points);
  EXPECT_EQ(tk::Narrow(dialog.typeface), font->face);
  EXPECT_EQ(dialog.weight >= FW_BOLD, font->bold) << dialog.weight;
  if (font->charSet != DEFAULT_CHARSET) { EXPECT_EQ(dialog.charSet, font->charSet); }
}

void ExpectKind(const Row& row, const TemplateItem& item) {
  ASSERT_EQ(kKinds.count(row.kind), 1u) << row.kind;
  Kind kind = kKinds.at(row.kind);
  for (const std::string& name : row.qualities) {
    ASSERT_EQ(kQualities.count(name), 1u) << name;
    const Quality& quality = kQualities.at(name);
    (quality.absent ? kind.notStyle : kind.style) |= quality.style;
    if (quality.sunken && kind.className == "STATIC") kind.style |= SS_SUNKEN;
    if (quality.sunken && kind.className != "STATIC") kind.exStyle |= WS_EX_CLIENTEDGE;
  }
  EXPECT_EQ(Upper(item.className), kind.className);
  if (kind.typeMask) { EXPECT_EQ(kind.types.count(item.style & kind.typeMask), 1u) << item.style; }
  EXPECT_EQ(item.style & kind.style, kind.style) << std::hex << "style " << item.style;
  EXPECT_EQ(item.style & kind.notStyle, 0u) << std::hex << "style " << item.style;
  EXPECT_EQ(item.exStyle & kind.exStyle, kind.exStyle) << std::hex << "ex style " << item.exStyle;
}

// Where the item's window is in its form's client area, against its template rectangle; the
// dialog manager converts the corner and the size each on its own.
void ExpectPlaced(const Row& row, const tk::Form& live) {
  HWND window = GetDlgItem(live.hwnd(), row.id);
  ASSERT_NE(window, nullptr);
  RECT corner{row.x, row.y, 0, 0}, size{0, 0, row.cx, row.cy}, at{};
  MapDialogRect(live.hwnd(), &corner);
  MapDialogRect(live.hwnd(), &size);
  GetWindowRect(window, &at);
  MapWindowPoints(nullptr, live.hwnd(), reinterpret_cast<POINT*>(&at), 2);
  const Kept kept = kKinds.at(row.kind).kept;
  EXPECT_EQ(at.top, corner.top);
  if (kept == Kept::kTop) return;
  EXPECT_EQ(at.left, corner.left);
  if (kept == Kept::kCorner) return;
  EXPECT_EQ(at.right - at.left, size.right);
  if (kept == Kept::kAll) { EXPECT_EQ(at.bottom - at.top, size.bottom); }
}

void ExpectItem(const Row& row, const DialogTemplate& dialog, const tk::Form* live) {
  SCOPED_TRACE("item " + std::to_string(row.id) + " " + row.name);
  const TemplateItem* item = dialog.Item(row.id);
  ASSERT_NE(item, nullptr);
  ExpectKind(row, *item);
  if (row.placed) {
    EXPECT_EQ(item->x, row.x);
    EXPECT_EQ(item->y, row.y);
    EXPECT_EQ(item->cx, row.cx);
    EXPECT_EQ(item->cy, row.cy);
  }
  if (row.captioned) { EXPECT_EQ(tk::Narrow(item->caption), row.caption); }
  if (!live) return;
  const tk::Control* control = live->FindControl(row.id);
  ASSERT_NE(control, nullptr);
  EXPECT_EQ(control->name(), row.name);
  if (row.placed) ExpectPlaced(row, *live);
}

}  // namespace

void ExpectFormMatches(const wchar_t* templateName, HMODULE shipped, const tk::Form* live) {
  SCOPED_TRACE(tk::Narrow(templateName));
  const auto found = Tables().find(tk::Narrow(templateName));
  ASSERT_NE(found, Tables().end()) << "no table";
  const Table& table = found->second;
  const std::optional<DialogTemplate> dialog = LoadDialogTemplate(shipped, templateName);
  const std::optional<DialogTemplate> own = LoadDialogTemplate(nullptr, templateName);
  ASSERT_TRUE(dialog && own);
  EXPECT_TRUE(own->bytes == dialog->bytes) << "the test program's template is not the shipped one";
  ExpectFrame(table, *dialog);
  std::set<int> ids, tableIds;
  for (const TemplateItem& item : dialog->items) ids.insert(item.id);
  for (const Row& row : table.rows) tableIds.insert(row.id);
  EXPECT_EQ(ids, tableIds);
  if (live) { EXPECT_EQ(live->name(), table.formName); }
  for (const Row& row : table.rows) ExpectItem(row, *dialog, live);
}

}  // namespace wt
