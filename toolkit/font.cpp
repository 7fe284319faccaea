#include "toolkit/font.h"

#include "toolkit/font_text.h"
#include "toolkit/text.h"

namespace tk {

FontHandle CreateFontFromText(const std::string& fontText) {
  std::optional<FontText> font = ParseFontText(fontText);
  if (!font) return FontHandle();
  HDC screen = GetDC(nullptr);
  const int height = -MulDiv(font->points, GetDeviceCaps(screen, LOGPIXELSY), 72);
  ReleaseDC(nullptr, screen);
  LOGFONTW lf{};
  lf.lfHeight = height;
  lf.lfWeight = font->bold ? FW_BOLD : FW_NORMAL;
  lf.lfItalic = font->italic;
  lf.lfUnderline = font->underline;
  lf.lfCharSet = BYTE(font->charSet);
  lf.lfQuality = DEFAULT_QUALITY;
  std::wstring face = Widen(font->face);
  lstrcpynW(lf.lfFaceName, face.c_str(), LF_FACESIZE);
  return FontHandle(CreateFontIndirectW(&lf));
}

}  // namespace tk
