#pragma once

#include <string>

#include "toolkit/handles.h"

namespace tk {

// A font from its font text, at the screen's resolution; empty when the text is not understood.
FontHandle CreateFontFromText(const std::string& fontText);

}  // namespace tk
