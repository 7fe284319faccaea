// Fonts are given as text: size, a point, the face name, then optional ".Bold", ".Italic",
// ".Underline" and ".CharSet=N" parts: "10.MS Sans Serif.Bold.CharSet=204". Portable.
#pragma once

#include <optional>
#include <string>

namespace tk {

struct FontText {
  int points = 0;
  std::string face;
  bool bold = false;
  bool italic = false;
  bool underline = false;
  int charSet = 1;  // DEFAULT_CHARSET
};

// std::nullopt when the size or the face is missing or a part is not understood.
std::optional<FontText> ParseFontText(const std::string& text);

}  // namespace tk
