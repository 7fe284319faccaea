#include "toolkit/font_text.h"

#include <gtest/gtest.h>

namespace {

TEST(FontTextTest, ReadsSizeFaceAndOptions) {
  auto font = tk::ParseFontText("10.MS Sans Serif.Bold.CharSet=204");
  ASSERT_TRUE(font);
  EXPECT_EQ(font->points, 10);
  EXPECT_EQ(font->face, "MS Sans Serif");
  EXPECT_TRUE(font->bold);
  EXPECT_FALSE(font->italic);
  EXPECT_EQ(font->charSet, 204);

  auto plain = tk::ParseFontText("8.MS Sans Serif");
  ASSERT_TRUE(plain);
  EXPECT_FALSE(plain->bold);
  EXPECT_EQ(plain->charSet, 1);  // the default character set

  auto courier = tk::ParseFontText("12.Courier.CharSet=204");
  ASSERT_TRUE(courier);
  EXPECT_EQ(courier->face, "Courier");
  EXPECT_EQ(courier->points, 12);
}

TEST(FontTextTest, RefusesWhatItDoesNotUnderstand) {
  for (const char* text : {"", "MS Sans Serif", "10", "10.", "x.Arial", "0.Arial", "10.Arial.Heavy",
                           "10.Arial.CharSet=", "10.Arial.CharSet=300", "10.Arial.CharSet=2x"})
    EXPECT_FALSE(tk::ParseFontText(text)) << text;
}

}  // namespace
