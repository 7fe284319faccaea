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

namespace {

// Weight 0 asks for the default weight, which is the normal one.
LONG EffectiveWeight(LONG weight) { return weight == FW_DONTCARE ? FW_NORMAL : weight; }

// Default, draft and proof quality all follow the system's smoothing.
bool FollowsSystemSmoothing(BYTE quality) {
  return quality == DEFAULT_QUALITY || quality == DRAFT_QUALITY || quality == PROOF_QUALITY;
}

}  // namespace

bool FontsLookAlike(HFONT a, HFONT b) {
  if (a == b) return true;
  LOGFONTW x{}, y{};
  if (!a || !b || !GetObjectW(a, sizeof x, &x) || !GetObjectW(b, sizeof y, &y)) return false;
  const bool sameQuality = x.lfQuality == y.lfQuality || (FollowsSystemSmoothing(x.lfQuality) &&
                                                          FollowsSystemSmoothing(y.lfQuality));
  return x.lfHeight == y.lfHeight && x.lfWidth == y.lfWidth && x.lfEscapement == y.lfEscapement &&
         x.lfOrientation == y.lfOrientation &&
         EffectiveWeight(x.lfWeight) == EffectiveWeight(y.lfWeight) && x.lfItalic == y.lfItalic &&
         x.lfUnderline == y.lfUnderline && x.lfStrikeOut == y.lfStrikeOut &&
         x.lfCharSet == y.lfCharSet && x.lfOutPrecision == y.lfOutPrecision &&
         x.lfClipPrecision == y.lfClipPrecision && sameQuality &&
         x.lfPitchAndFamily == y.lfPitchAndFamily && lstrcmpiW(x.lfFaceName, y.lfFaceName) == 0;
}

}  // namespace tk
