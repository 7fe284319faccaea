// Looks shared by the Mouse and Joystick pages: grid headings sized to their texts, and the
// reset button that takes the default-button look while it has the focus.
#pragma once

#include <span>
#include <string>

#include "toolkit/button.h"
#include "toolkit/grid.h"

// The width in pixels that the widest of the texts takes in the font, with the cell margins.
int FittingWidth(HWND window, HFONT font, std::span<const wchar_t* const> texts);
// A grid of one column: its heading, and row headings as wide as the widest of them.
void HeadOneColumnGrid(tk::Grid& grid, const wchar_t* heading, std::span<const wchar_t* const> rows,
                       HFONT font);
// The look of the button that Enter would press while the button has the focus; the dialog
// takes it back when the focus moves on.
void ShowAsDefaultWhileFocused(tk::Button& button);
