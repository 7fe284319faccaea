#pragma once

#include <string>

#include "toolkit/handles.h"

namespace tk {

// A font from its font text, at the screen's resolution; empty when the text is not understood.
FontHandle CreateFontFromText(const std::string& fontText);

// Whether two fonts draw text alike: the same face, size, weight, style and character set.
// The quality counts only where it asks for a rendering of its own (no or forced smoothing).
bool FontsLookAlike(HFONT a, HFONT b);

}  // namespace tk
