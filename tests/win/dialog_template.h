// A dialog template as a program carries it in its resources (DLGTEMPLATEEX), read back item
// by item: what the dialog manager builds a form from.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace wt {

struct TemplateItem {
  int id = 0;
  std::wstring className;  // the predefined classes by name ("Button", "Static", ...)
  std::wstring caption;
  DWORD style = 0;
  DWORD exStyle = 0;
  short x = 0, y = 0, cx = 0, cy = 0;
};

struct DialogTemplate {
  DWORD style = 0;
  DWORD exStyle = 0;
  short x = 0, y = 0, cx = 0, cy = 0;
  std::wstring caption;
  int pointSize = 0;
  int weight = 0;
  int charSet = 0;
  std::wstring typeface;
  std::vector<TemplateItem> items;
  std::string bytes;  // the resource as stored

  const TemplateItem* Item(int id) const;
};

// The template of that name in the module's resources; none when it is missing or not an
// extended template.
std::optional<DialogTemplate> LoadDialogTemplate(HMODULE module, const wchar_t* name);

}  // namespace wt
