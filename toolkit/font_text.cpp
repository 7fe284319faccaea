#include "toolkit/font_text.h"

#include <cstdlib>
#include <vector>

namespace tk {

namespace {

std::vector<std::string> SplitOnPoints(const std::string& text) {
  std::vector<std::string> parts(1);
  for (char c : text) {
    if (c == '.')
      parts.emplace_back();
    else
      parts.back() += c;
  }
  return parts;
}

bool ParseNumber(const std::string& text, int& out) {
  if (text.empty() || text.size() > 4) return false;
  for (char c : text)
    if (c < '0' || c > '9') return false;
  out = std::atoi(text.c_str());
  return true;
}

}  // namespace

std::optional<FontText> ParseFontText(const std::string& text) {
  std::vector<std::string> parts = SplitOnPoints(text);
  FontText font;
  if (parts.size() < 2 || !ParseNumber(parts[0], font.points) || font.points == 0 ||
      parts[1].empty())
    return std::nullopt;
  font.face = parts[1];
  const std::string charSetPrefix = "CharSet=";
  for (size_t i = 2; i < parts.size(); ++i) {
    const std::string& part = parts[i];
    if (part == "Bold")
      font.bold = true;
    else if (part == "Italic")
      font.italic = true;
    else if (part == "Underline")
      font.underline = true;
    else if (part.compare(0, charSetPrefix.size(), charSetPrefix) == 0) {
      if (!ParseNumber(part.substr(charSetPrefix.size()), font.charSet) || font.charSet > 255)
        return std::nullopt;
    } else {
      return std::nullopt;
    }
  }
  return font;
}

}  // namespace tk
