// Rules for what a cell shows: number formats from settings, balloon texts.

#include <gtest/gtest.h>

#include "grid/output/BalloonText.h"
#include "grid/output/CellFormat.h"
#include "toolkit/rtl/SysUtils.h"

namespace {

struct TFormatCase {
  const char* Format;
  TNumberFormatKind Kind;
};

class NumberFormats : public ::testing::TestWithParam<TFormatCase> {};

TEST_P(NumberFormats, OneNumericConversion) {
  EXPECT_EQ(NumberFormatKind(GetParam().Format), GetParam().Kind) << GetParam().Format;
}

INSTANTIATE_TEST_SUITE_P(
    Formats, NumberFormats,
    ::testing::Values(TFormatCase{"%.2f", nfkFloat}, TFormatCase{"%d", nfkInteger}, TFormatCase{"%5d pcs", nfkInteger},
                      TFormatCase{"%-8.3e", nfkFloat}, TFormatCase{"%0:n", nfkFloat}, TFormatCase{"%x", nfkInteger},
                      TFormatCase{"%.1f%%", nfkFloat}, TFormatCase{"100%%", nfkNone}, TFormatCase{"", nfkNone},
                      TFormatCase{"%s", nfkNone}, TFormatCase{"%d %d", nfkNone}, TFormatCase{"%*d", nfkNone},
                      TFormatCase{"%n%s", nfkNone}, TFormatCase{"%", nfkNone}, TFormatCase{"%.2", nfkNone},
                      TFormatCase{"%p", nfkNone}));

TEST(NumberFormats, AppliedOrTextKept) {
  TFormatSettings saved = FormatSettings;
  FormatSettings.DecimalSeparator = ',';
  std::string text = "2";
  EXPECT_TRUE(ApplyNumberFormat("%.3f", 2, 2.0, text));
  EXPECT_EQ(text, "2,000");
  text = "7.9";
  EXPECT_TRUE(ApplyNumberFormat("%d pcs", 7, 7.9, text));
  EXPECT_EQ(text, "7 pcs");
  for (const char* bad : {"%s", "%d%d", "%n %s", "%.2f %d"}) {
    text = "12";
    EXPECT_FALSE(ApplyNumberFormat(bad, 12, 12.0, text)) << bad;
    EXPECT_EQ(text, "12");
  }
  FormatSettings = saved;
}

TEST(BalloonTexts, CutAndCleaned) {
  EXPECT_EQ(BalloonText("\r\n\tfirst\tsecond"), "first second");
  const std::string longText(3000, 'a');
  const std::string shown = BalloonText(longText);
  EXPECT_EQ(shown.size(), 2048u);
  EXPECT_EQ(shown.substr(2045), "...");
  EXPECT_EQ(BalloonText(std::string(2048, 'b')), std::string(2048, 'b'));
  EXPECT_EQ(BalloonTitle(""), " ");
  const std::string title = BalloonTitle(std::string(120, 't'));
  EXPECT_EQ(title, std::string(97, 't') + "...");
  EXPECT_EQ(BalloonTitle(std::string(100, 't')).size(), 100u);
  // The limits count characters, and a cut keeps each character whole.
  const std::string e = "\xC3\xA9";
  const std::string accented = std::string(96, 'x') + e + e + e;  // 99 characters
  EXPECT_EQ(BalloonTitle(accented), accented);
  EXPECT_EQ(BalloonTitle(accented + e + e), std::string(96, 'x') + e + "...");
  std::string wide;
  for (int i = 0; i < 2048; ++i) wide += e;
  EXPECT_EQ(BalloonText(wide), wide);
  EXPECT_EQ(BalloonText(wide + "x"), wide.substr(0, 2045 * 2) + "...");
}

}  // namespace
