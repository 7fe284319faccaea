#include "config/cp1251.h"

#include <gtest/gtest.h>

namespace {

using namespace kz;

TEST(Cp1251Test, RussianLettersAndTheUpperHalf) {
  EXPECT_EQ(Cp1251ToUtf8("\xC2\xEF\xE5\xF0\xE5\xE4"), "Вперед");
  EXPECT_EQ(Utf8ToCp1251("Вперед"), "\xC2\xEF\xE5\xF0\xE5\xE4");
  EXPECT_EQ(Utf8ToCp1251("Ёё№€"), "\xA8\xB8\xB9\x88");
  EXPECT_EQ(Cp1251ToUtf16("\xFF\xC0\xA8"), u"яАЁ");
  EXPECT_EQ(Utf16ToCp1251(u"Прицел"), Utf8ToCp1251("Прицел"));
}

TEST(Cp1251Test, EveryByteSurvivesBothRoundTrips) {
  std::string all;
  for (int b = 1; b < 256; ++b) all += char(b);
  EXPECT_EQ(Utf8ToCp1251(Cp1251ToUtf8(all)), all);
  EXPECT_EQ(Utf16ToCp1251(Cp1251ToUtf16(all)), all);
  // Each of the 128 upper bytes is a different character.
  std::u16string upper = Cp1251ToUtf16(all.substr(127));
  std::sort(upper.begin(), upper.end());
  EXPECT_EQ(std::unique(upper.begin(), upper.end()), upper.end());
}

TEST(Cp1251Test, CharactersOutsideTheCodePageAndMalformedUtf8BecomeQuestionMarks) {
  EXPECT_EQ(Utf8ToCp1251("a\xE4\xB8\xAD"
                         "b"),
            "a?b");                                  // a CJK character
  EXPECT_EQ(Utf8ToCp1251("\xF0\x9F\x98\x80"), "?");  // outside the BMP
  EXPECT_EQ(Utf16ToCp1251(u"\xD83D\xDE00"), "?");    // the same as a surrogate pair
  EXPECT_EQ(Utf16ToCp1251(u"x\xD800y"), "x?y");      // a lone surrogate
  // Malformed UTF-8 is replaced, not skipped over.
  EXPECT_EQ(Utf8ToCp1251("\xC3"), "?");            // cut short
  EXPECT_EQ(Utf8ToCp1251("\xC0\xAF"), "??");       // overlong
  EXPECT_EQ(Utf8ToCp1251("\xED\xA0\x80z"), "?z");  // an encoded surrogate
  EXPECT_EQ(Utf8ToCp1251("\xD0q"), "?q");          // continuation missing: q is kept
}

TEST(Cp1251Test, FileNamesPassBetweenUtf8AndUtf16) {
  const std::string name = "C:\\Игры\\voltrane 😀.cfg";
  EXPECT_EQ(Utf8ToUtf16(name), u"C:\\Игры\\voltrane 😀.cfg");
  EXPECT_EQ(Utf16ToUtf8(Utf8ToUtf16(name)), name);
  EXPECT_EQ(Utf8ToUtf16("\xFF"), u"\xFFFD");
}

}  // namespace
