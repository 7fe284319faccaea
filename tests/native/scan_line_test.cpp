#include "config/scan_line.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Token {
  int kind;
  std::string text;
  int32_t value;
  bool operator==(const Token&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Token& t) {
  return out << "{" << t.kind << ", \"" << t.text << "\", " << t.value << "}";
}

// Every token of the line up to and including the first end token.
std::vector<Token> Tokens(const std::string& line, int hexMode = 0) {
  KzScanLine scan(line.c_str(), hexMode);
  std::vector<Token> tokens;
  for (int i = 0; i < 300; ++i) {
    const int kind = scan.NextToken();
    tokens.push_back({kind, scan.TokenText(), scan.Value()});
    if (kind == kTokEnd) break;
  }
  return tokens;
}

TEST(ScanLineTest, KeyLineTokens) {
  EXPECT_EQ(Tokens("ScreenWidth = 640\r\n"),
            (std::vector<Token>{{0, "ScreenWidth", 0xCEED}, {2, "", 0}, {5, "", 640}, {7, "", 0}}));
  EXPECT_EQ(Tokens("Fire=\"LCtrl\" \"RCtrl\", [Misc]"), (std::vector<Token>{{0, "Fire", 0xE},
                                                                            {2, "", 0},
                                                                            {6, "LCtrl", 0},
                                                                            {6, "RCtrl", 0},
                                                                            {3, "", 0},
                                                                            {1, "Misc", 0},
                                                                            {7, "", 0}}));
}

TEST(ScanLineTest, NumberFormsAndTheirWrapAtThirtyTwoBits) {
  EXPECT_EQ(Tokens("0x320")[0], (Token{4, "", 800}));
  EXPECT_EQ(Tokens("0XfF")[0], (Token{4, "", 255}));
  EXPECT_EQ(Tokens("0x")[0], (Token{4, "", 0}));
  // A zero without "x" is the whole number: "0800" is 0, then 800.
  EXPECT_EQ(Tokens("0800"), (std::vector<Token>{{4, "", 0}, {5, "", 800}, {7, "", 0}}));
  EXPECT_EQ(Tokens("1e3"), (std::vector<Token>{{5, "", 1}, {0, "e3", 3}, {7, "", 0}}));
  EXPECT_EQ(Tokens("-1"), (std::vector<Token>{{8, "", 0}, {5, "", 1}, {7, "", 0}}));
  EXPECT_EQ(Tokens("+.5/"),
            (std::vector<Token>{{8, "", 0}, {8, "", 0}, {5, "", 5}, {8, "", 0}, {7, "", 0}}));
  // The arithmetic wraps at 32 bits.
  EXPECT_EQ(Tokens("4294967297")[0].value, 1);
  EXPECT_EQ(Tokens("2147483648")[0].value, INT32_MIN);
  EXPECT_EQ(Tokens("0x1FFFFFFFF")[0].value, -1);
}

// The first letter never counts.
TEST(ScanLineTest, IdentifiersCarryTheirDigitValues) {
  EXPECT_EQ(Tokens("A220 I5 _x9 ScreenMode"), (std::vector<Token>{{0, "A220", 0x220},
                                                                  {0, "I5", 5},
                                                                  {0, "_x9", 9},
                                                                  {0, "ScreenMode", 0xCEEDE},
                                                                  {7, "", 0}}));
  KzScanLine scan("A220 I5 ScreenMode", 0);
  for (int32_t decimal : {220, 5, 0}) {
    EXPECT_EQ(scan.NextToken(), kTokIdentifier);
    EXPECT_EQ(scan.DecimalValue(), decimal);
  }
}

TEST(ScanLineTest, HexModeReadsWordsAndNumbersAsHex) {
  // H is no hexadecimal digit.
  EXPECT_EQ(Tokens("A220 220 D1 H5", 1),
            (std::vector<Token>{
                {4, "", 0xA220}, {4, "", 0x220}, {4, "", 0xD1}, {0, "H5", 5}, {7, "", 0}}));
}

TEST(ScanLineTest, UnterminatedTextsAndUpperBytesAreErrorsAndFFEndsTheLine) {
  EXPECT_EQ(Tokens("\"abc"), (std::vector<Token>{{8, "abc", 0}, {7, "", 0}}));
  EXPECT_EQ(Tokens("[Misc"), (std::vector<Token>{{8, "Misc", 0}, {7, "", 0}}));
  EXPECT_EQ(Tokens("[ Screen Setup ]")[0], (Token{1, " Screen Setup ", 0}));
  EXPECT_EQ(Tokens("\"a;b\"")[0], (Token{6, "a;b", 0}));  // ";" inside quotes is text
  EXPECT_EQ(Tokens("\"\"")[0], (Token{6, "", 0}));
  // The byte FF ends the line, even inside a text.
  EXPECT_EQ(Tokens("Key\xFFName = 1"), (std::vector<Token>{{0, "Key", 0xE}, {7, "", 0}}));
  EXPECT_EQ(Tokens("\"ab\xFF"
                   "c\""),
            (std::vector<Token>{{8, "ab", 0}, {7, "", 0}}));
  // Other upper bytes are single error tokens.
  EXPECT_EQ(Tokens("\xC0\xFE"), (std::vector<Token>{{8, "", 0}, {8, "", 0}, {7, "", 0}}));
}

TEST(ScanLineTest, CommentsAndTheEndRepeat) {
  KzScanLine scan("  \t; ScreenWidth = 1", 0);
  EXPECT_EQ(scan.NextToken(), kTokEnd);
  EXPECT_EQ(scan.NextToken(), kTokEnd);
  KzScanLine empty("", 0);
  EXPECT_EQ(empty.NextToken(), kTokEnd);
}

TEST(ScanLineTest, AtMost259CharactersAreCopied) {
  std::string line(259, 'a');
  line += "b";
  KzScanLine scan(line.c_str(), 0);
  EXPECT_EQ(scan.NextToken(), kTokIdentifier);
  EXPECT_EQ(std::string(scan.TokenText()), std::string(259, 'a'));
}

TEST(ScanLineTest, TextEqualsFoldsOnlyAsciiLetters) {
  KzScanLine scan("BlasterAddress \"\xC0\"", 0);
  scan.NextToken();
  EXPECT_TRUE(scan.TextEquals("blasteraddress", false));
  EXPECT_FALSE(scan.TextEquals("blasteraddress", true));
  EXPECT_TRUE(scan.TextEquals("BlasterAddress", true));
  scan.NextToken();
  EXPECT_FALSE(scan.TextEquals("\xE0", false));  // "А" and "а" differ
}

}  // namespace
