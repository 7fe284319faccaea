// Each form's table (form_tables.txt, embedded in the test program as the resource
// FORM_TABLES) held against the dialog template that a program carries, and against the
// running form: its controls' names, and where the dialog manager put each item.
#pragma once

#include <windows.h>

#include "toolkit/form.h"

namespace wt {

// The template of that name in the shipped program `shipped`, the same bytes in the test
// program (whose forms the test runs), and the running form `live` (none: the template alone).
void ExpectFormMatches(const wchar_t* templateName, HMODULE shipped, const tk::Form* live);

}  // namespace wt
