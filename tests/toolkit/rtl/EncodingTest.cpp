#include "toolkit/rtl/Encoding.h"

#include <gtest/gtest.h>

namespace {

struct Utf8Case {
  const char* bytes;
  bool valid;
};

class Utf8Validity : public testing::TestWithParam<Utf8Case> {};

}  // namespace

TEST_P(Utf8Validity, Checks) { EXPECT_EQ(IsValidUtf8(GetParam().bytes), GetParam().valid) << GetParam().bytes; }

INSTANTIATE_TEST_SUITE_P(Cases, Utf8Validity,
                         testing::Values(Utf8Case{"plain", true}, Utf8Case{"", true},
                                         Utf8Case{"caf\xC3\xA9", true}, Utf8Case{"\xE2\x82\xAC", true},
                                         Utf8Case{"\xF0\x9F\x98\x80", true}, Utf8Case{"\xEF\xBF\xBD", true},
                                         Utf8Case{"caf\xE9", false},           // Windows-1252 é
                                         Utf8Case{"\xC3", false},              // cut short
                                         Utf8Case{"\xC0\xAF", false},          // overlong
                                         Utf8Case{"\xE0\x80\xAF", false},      // overlong
                                         Utf8Case{"\xED\xA0\x80", false},      // surrogate
                                         Utf8Case{"\xF4\x90\x80\x80", false},  // past U+10FFFF
                                         Utf8Case{"\x80", false}, Utf8Case{"\xFF", false}));

TEST(Encoding, Utf16RoundTripWithSurrogatePairs) {
  std::string s = "A\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80";
  std::u16string u = Utf8ToUtf16(s);
  EXPECT_EQ(u, (std::u16string{u'A', 0x00E9, 0x20AC, 0xD83D, 0xDE00}));
  EXPECT_EQ(Utf16ToUtf8(u), s);
  EXPECT_EQ(Utf16ToUtf8(std::u16string{0xD800, u'x'}), "\xEF\xBF\xBDx");  // a lone surrogate
  EXPECT_EQ(Utf8ToUtf16("a\xFF"), (std::u16string{u'a', 0xFFFD}));
}

TEST(Encoding, Windows1252BothWays) {
  EXPECT_EQ(Windows1252ToUtf8("caf\xE9 \x80 \x9F \x81"), "caf\xC3\xA9 \xE2\x82\xAC \xC5\xB8 \xC2\x81");
  EXPECT_EQ(Utf8ToWindows1252("caf\xC3\xA9 \xE2\x82\xAC \xC5\xB8"), "caf\xE9 \x80 \x9F");
  EXPECT_EQ(Utf8ToWindows1252("\xE4\xB8\xAD \xF0\x9F\x98\x80"), "? ?");  // lossy
}

namespace {

struct DecodeCase {
  std::string bytes;
  std::string text;
  TTextEncoding detected;
};

class DecodeTextRule : public testing::TestWithParam<DecodeCase> {};

}  // namespace

TEST_P(DecodeTextRule, PicksTheEncoding) {
  TTextEncoding e = TTextEncoding::Utf8;
  EXPECT_EQ(DecodeText(GetParam().bytes, &e), GetParam().text);
  EXPECT_EQ(e, GetParam().detected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DecodeTextRule,
    testing::Values(DecodeCase{"caf\xC3\xA9", "caf\xC3\xA9", TTextEncoding::Utf8},
                    DecodeCase{"\xEF\xBB\xBF" "ab", "ab", TTextEncoding::Utf8Bom},
                    DecodeCase{"caf\xE9", "caf\xC3\xA9", TTextEncoding::Windows1252},
                    DecodeCase{std::string("\xFF\xFE" "a\0\xE9\0", 6), "a\xC3\xA9", TTextEncoding::Utf16LE},
                    DecodeCase{std::string("\xFE\xFF\0a\0\xE9", 6), "a\xC3\xA9", TTextEncoding::Utf16BE},
                    DecodeCase{std::string("\xFF\xFE" "a\0b", 5), "a\xEF\xBF\xBD", TTextEncoding::Utf16LE},
                    DecodeCase{"", "", TTextEncoding::Utf8}));

TEST(Encoding, EncodeTextWritesMarks) {
  EXPECT_EQ(EncodeText("a", TTextEncoding::Utf8Bom), "\xEF\xBB\xBF" "a");
  EXPECT_EQ(EncodeText("a", TTextEncoding::Utf16LE), std::string("\xFF\xFE" "a\0", 4));
  EXPECT_EQ(EncodeText("a", TTextEncoding::Utf16BE), std::string("\xFE\xFF\0a", 4));
  for (auto e : {TTextEncoding::Utf8, TTextEncoding::Utf8Bom, TTextEncoding::Utf16LE, TTextEncoding::Utf16BE,
                 TTextEncoding::Windows1252}) {
    EXPECT_EQ(DecodeText(EncodeText("caf\xC3\xA9", e)), "caf\xC3\xA9");
  }
}
