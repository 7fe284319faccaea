// A form's table (its template's size, frame and font; each item's number, name, kind, place,
// size and caption) checked against the template that a program carries and against the
// running form, whose controls give the names and whose windows show where the dialog manager
// put the items.
#pragma once

#include <windows.h>

#include <vector>

#include "dialog_template.h"
#include "toolkit/form.h"

namespace wt {

// Which of an item's template place and size its window keeps once the form runs: an icon
// picture takes its icon's size, a drop-down's height is that of its open list, the animated
// icon moves along its row.
enum class Kept { kAll, kNoHeight, kCorner, kTop };

// What an item is: its class, its control type (style & typeMask: `type` or `otherType`), the
// style bits that it must have and those that it must not.
struct Kind {
  const wchar_t* className;
  DWORD typeMask = 0;
  DWORD type = 0, otherType = 0;
  DWORD style = 0, notStyle = 0, exStyle = 0;
  Kept kept = Kept::kAll;
};
Kind With(Kind kind, DWORD style);

constexpr short kNotGiven = -1;

struct Item {
  int id;
  const char* name;
  Kind kind;
  short x, y, cx, cy;      // dialog units; kNotGiven where the form places the item itself
  const wchar_t* caption;  // null where the form sets the text when it opens
};

struct FormTable {
  const wchar_t* templateName;
  const char* formName;
  short x = kNotGiven, y = kNotGiven, cx = kNotGiven, cy = kNotGiven;  // where given
  DWORD style = 0, notStyle = 0, exStyle = 0;
  const wchar_t* caption = nullptr;  // where given
  int pointSize = 8;
  const wchar_t* typeface = L"MS Sans Serif";
  int weight = 0, charSet = 0;  // where the font text gives them
  std::vector<Item> items;
};

// The template from the shipped program, the same bytes in the test program (whose forms the
// test runs), and the running form `live` (null for the template alone).
void ExpectFormMatches(const FormTable& table, HMODULE shipped, const tk::Form* live);

}  // namespace wt
