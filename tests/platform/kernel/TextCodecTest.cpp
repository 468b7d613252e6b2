#include "platform/kernel/TextCodec.h"

#include <gtest/gtest.h>

namespace {

TEST(TextCodec, Utf16RoundTripIncludingSurrogatePairs) {
  std::string text = "A\xC3\xB6\xE2\x82\xAC\xF0\x9F\x98\x80";  // A ö € 😀
  std::u16string wide = platform::Utf8ToUtf16(text);
  EXPECT_EQ(wide, u"A\u00F6\u20AC\U0001F600");
  EXPECT_EQ(platform::Utf16ToUtf8(wide), text);
  EXPECT_EQ(platform::BytesToUtf16(platform::Utf16ToBytes(wide)), wide);
  EXPECT_EQ(platform::Utf16ToBytes(u"A\u20AC"), std::string("A\0\xAC\x20", 4));
}

TEST(TextCodec, MalformedInputBecomesReplacementCharacters) {
  EXPECT_EQ(platform::Utf8ToUtf16("a\xC3(\xF4\x90\x80\x80"), u"a\uFFFD(\uFFFD\uFFFD\uFFFD\uFFFD");
  EXPECT_EQ(platform::Utf16ToUtf8(std::u16string(1, char16_t(0xD800)) + u"x"), "\xEF\xBF\xBDx");
  EXPECT_EQ(platform::BytesToUtf16(std::string("a\0b", 3)), u"a");
}

TEST(TextCodec, CodePointsThatAreNotTextAreWrittenAsReplacement) {
  for (char32_t cp : {char32_t(0xD800), char32_t(0xDFFF), char32_t(0x110000)}) {
    std::string out;
    platform::AppendUtf8(out, cp);
    EXPECT_EQ(out, "\xEF\xBF\xBD") << std::hex << static_cast<uint32_t>(cp);
  }
}

TEST(TextCodec, Windows1252BothWays) {
  EXPECT_EQ(platform::Cp1252ToUtf8("\x80\xE9\x81"), "\xE2\x82\xAC\xC3\xA9\xC2\x81");
  EXPECT_EQ(platform::Utf8ToCp1252("\xE2\x82\xAC\xC3\xA9 \xE6\x97\xA5"), "\x80\xE9 ?");
  for (int b = 0; b < 256; ++b) {
    std::string one(1, static_cast<char>(b));
    EXPECT_EQ(platform::Utf8ToCp1252(platform::Cp1252ToUtf8(one)), one) << b;
  }
}

}  // namespace
