#include <gtest/gtest.h>

#include <cmath>

#include "toolkit/rtl/Exceptions.h"
#include "toolkit/rtl/SysUtils.h"

namespace {

class Conversions : public testing::Test {
protected:
  void SetUp() override { ResetFormatSettings(); }
  void TearDown() override { ResetFormatSettings(); }
};

struct IntCase {
  const char* text;
  bool ok;
  int value;
};

class StrToIntTable : public testing::TestWithParam<IntCase> {};

}  // namespace

TEST_P(StrToIntTable, ParsesOrRefuses) {
  const IntCase& c = GetParam();
  int v = 12345;
  EXPECT_EQ(TryStrToInt(c.text, v), c.ok) << c.text;
  if (c.ok) {
    EXPECT_EQ(v, c.value) << c.text;
    EXPECT_EQ(StrToInt(c.text), c.value);
  } else {
    EXPECT_EQ(v, 12345) << "a failed parse leaves the value alone";
    EXPECT_THROW(StrToInt(c.text), EConvertError);
    EXPECT_EQ(StrToIntDef(c.text, -7), -7);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StrToIntTable,
    testing::Values(IntCase{"0", true, 0}, IntCase{"42", true, 42}, IntCase{"-42", true, -42},
                    IntCase{"+7", true, 7}, IntCase{"  12", true, 12}, IntCase{"\t5", true, 5},
                    IntCase{"12 ", false, 0}, IntCase{"12a", false, 0}, IntCase{"", false, 0},
                    IntCase{" ", false, 0}, IntCase{"-", false, 0}, IntCase{"1.0", false, 0},
                    IntCase{"2147483647", true, 2147483647}, IntCase{"-2147483648", true, INT32_MIN},
                    IntCase{"2147483648", false, 0}, IntCase{"-2147483649", false, 0},
                    IntCase{"99999999999999999999", false, 0},
                    IntCase{"$FF", true, 255}, IntCase{"$ff", true, 255}, IntCase{"0x1F", true, 31},
                    IntCase{"0X1f", true, 31}, IntCase{"x10", true, 16}, IntCase{"X10", true, 16},
                    IntCase{"-$10", true, -16}, IntCase{"$FFFFFFFF", true, -1},
                    IntCase{"$80000000", true, INT32_MIN}, IntCase{"$7FFFFFFF", true, INT32_MAX},
                    IntCase{"$100000000", false, 0}, IntCase{"$123456789", false, 0},
                    IntCase{"$", false, 0}, IntCase{"0x", false, 0}, IntCase{"$FG", false, 0},
                    IntCase{"$ 1", false, 0}, IntCase{"1,000", false, 0}));

TEST(StrToInt, ErrorMessageQuotesTheText) {
  try {
    StrToInt("abc");
    FAIL();
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), "'abc' is not a valid integer value");
  }
}

TEST(StrToInt64, SixtyFourBits) {
  EXPECT_EQ(StrToInt64("9223372036854775807"), INT64_MAX);
  EXPECT_EQ(StrToInt64("-9223372036854775808"), INT64_MIN);
  EXPECT_THROW(StrToInt64("9223372036854775808"), EConvertError);
  EXPECT_EQ(StrToInt64("$FFFFFFFF"), 4294967295LL);  // 64-bit pattern: not -1
  EXPECT_EQ(StrToInt64("$FFFFFFFFFFFFFFFF"), -1);
  EXPECT_EQ(StrToInt64Def("$1FFFFFFFFFFFFFFFF", 3), 3);
}

TEST(IntToStrAndHex, Forms) {
  EXPECT_EQ(IntToStr(-5), "-5");
  EXPECT_EQ(IntToStr(int64_t{1} << 40), "1099511627776");
  EXPECT_EQ(IntToHex(255, 4), "00FF");
  EXPECT_EQ(IntToHex(-1, 2), "FFFFFFFF");
  EXPECT_EQ(IntToHex(int64_t{-1}, 2), "FFFFFFFFFFFFFFFF");
  EXPECT_EQ(IntToHex(0, 0), "0");
  EXPECT_EQ(BoolToStr(true), "-1");
  EXPECT_EQ(BoolToStr(false, true), "False");
  EXPECT_TRUE(StrToBool("TRUE"));
  EXPECT_FALSE(StrToBool("0"));
  EXPECT_THROW(StrToBool("maybe"), EConvertError);
}

TEST_F(Conversions, StrToFloatFollowsTheDecimalSeparator) {
  EXPECT_DOUBLE_EQ(StrToFloat("1.5"), 1.5);
  EXPECT_DOUBLE_EQ(StrToFloat(" -2.5e3 "), -2500);
  EXPECT_DOUBLE_EQ(StrToFloat(".5"), 0.5);
  EXPECT_DOUBLE_EQ(StrToFloat("5."), 5);
  EXPECT_DOUBLE_EQ(StrToFloat("1E-400"), 0);
  double v = 9;
  for (const char* bad : {"", ".", "1,5", "1.5.2", "1e", "e5", "1e+", "abc", "1 000", "1e400", "nan", "inf"}) {
    EXPECT_FALSE(TryStrToFloat(bad, v)) << bad;
  }
  EXPECT_EQ(v, 9);
  EXPECT_THROW(StrToFloat("x"), EConvertError);
  EXPECT_EQ(StrToFloatDef("x", 2.5), 2.5);
  FormatSettings.DecimalSeparator = ',';
  FormatSettings.ThousandSeparator = '.';
  EXPECT_DOUBLE_EQ(StrToFloat("1,5"), 1.5);
  EXPECT_FALSE(TryStrToFloat("1.5", v));
  TFormatSettings invariant;
  EXPECT_DOUBLE_EQ(StrToFloat("1.5", invariant), 1.5);
}

struct FloatCase {
  double value;
  const char* text;
};

class FloatToStrTable : public testing::TestWithParam<FloatCase> {};

TEST_P(FloatToStrTable, GeneralForm) {
  ResetFormatSettings();
  EXPECT_EQ(FloatToStr(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Cases, FloatToStrTable,
                         testing::Values(FloatCase{0, "0"}, FloatCase{1, "1"}, FloatCase{-1.5, "-1.5"},
                                         FloatCase{0.1, "0.1"}, FloatCase{1.0 / 3, "0.333333333333333"},
                                         FloatCase{2.0 / 3, "0.666666666666667"}, FloatCase{1e15, "1E15"},
                                         FloatCase{123456789012345.0, "123456789012345"},
                                         FloatCase{1e20, "1E20"}, FloatCase{1.5e20, "1.5E20"},
                                         FloatCase{0.0001, "0.0001"}, FloatCase{0.00001, "1E-5"},
                                         FloatCase{-0.0, "0"}, FloatCase{12.5, "12.5"},
                                         FloatCase{NAN, "NAN"}, FloatCase{-INFINITY, "-INF"}));

TEST_F(Conversions, FloatToStrUsesTheDecimalSeparator) {
  FormatSettings.DecimalSeparator = ',';
  EXPECT_EQ(FloatToStr(1.25), "1,25");
  EXPECT_EQ(FloatToStrF(1234.5, ffNumber, 15, 2), "1,234,50");  // thousands ',' left as set
  FormatSettings.ThousandSeparator = '.';
  EXPECT_EQ(FloatToStrF(1234567.891, ffNumber, 15, 2), "1.234.567,89");
}

TEST_F(Conversions, FloatToStrFForms) {
  EXPECT_EQ(FloatToStrF(3.14159, ffFixed, 15, 2), "3.14");
  EXPECT_EQ(FloatToStrF(2.5, ffFixed, 15, 0), "3");    // half away from zero
  EXPECT_EQ(FloatToStrF(-2.5, ffFixed, 15, 0), "-3");
  EXPECT_EQ(FloatToStrF(-0.001, ffFixed, 15, 2), "0.00");  // no minus on a zero
  EXPECT_EQ(FloatToStrF(12345, ffExponent, 4, 2), "1.235E+04");
  EXPECT_EQ(FloatToStrF(0.00012, ffExponent, 3, 3), "1.20E-004");
  EXPECT_EQ(FloatToStrF(1234.5, ffCurrency, 15, 2), "$1,234.50");
  EXPECT_EQ(FloatToStrF(-3, ffCurrency, 15, 2), "-$3.00");
}

struct PictureCase {
  const char* picture;
  double value;
  const char* text;
};

class FormatFloatTable : public testing::TestWithParam<PictureCase> {};

TEST_P(FormatFloatTable, Renders) {
  ResetFormatSettings();
  const auto& c = GetParam();
  EXPECT_EQ(FormatFloat(c.picture, c.value), c.text) << c.picture << " " << c.value;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FormatFloatTable,
    testing::Values(PictureCase{"0.00", 3.14159, "3.14"}, PictureCase{"0.00", 0.125, "0.13"},
                    PictureCase{"0.00", 2.675, "2.67"},  // 2.675 is just below in binary
                    PictureCase{"#.##", 0.5, ".5"}, PictureCase{"#.##", 1, "1"},
                    PictureCase{"0.##", 1.5, "1.5"}, PictureCase{"000", 7, "007"},
                    PictureCase{"#", 0, ""}, PictureCase{"#,##0", 1234567, "1,234,567"},
                    PictureCase{"#,##0.00", -1234.5, "-1,234.50"}, PictureCase{"0", 1234.5, "1235"},
                    PictureCase{"0.0", -0.04, "0.0"}, PictureCase{"$#,##0.00", 12, "$12.00"},
                    PictureCase{"0.00E+00", 12345, "1.23E+04"}, PictureCase{"0.00E-00", 12345, "1.23E04"},
                    PictureCase{"0.0E+0", 0.00012, "1.2E-4"}, PictureCase{"0.00e+00", 0, "0.00e+00"},
                    PictureCase{"0.0;(0.0)", -2.5, "(2.5)"}, PictureCase{"0.0;(0.0);zero", 0, "zero"},
                    PictureCase{"0.0;;zero", -1, "-1.0"}, PictureCase{"0 'kg'", 5, "5 kg"},
                    PictureCase{"\"a;b\" 0", 5, "a;b 5"}, PictureCase{"", 0.5, "0.5"},
                    PictureCase{"0.000", 1e-10, "0.000"}, PictureCase{"0", 1e20, "100000000000000000000"}));

TEST_F(Conversions, FormatFloatFollowsTheSeparators) {
  FormatSettings.DecimalSeparator = ',';
  FormatSettings.ThousandSeparator = '.';
  EXPECT_EQ(FormatFloat("#,##0.00", 1234.5), "1.234,50");
}

struct FormatCase {
  const char* fmt;
  std::vector<TFormatArg> args;
  const char* text;
};

class FormatTable : public testing::TestWithParam<FormatCase> {};

TEST_P(FormatTable, Formats) {
  ResetFormatSettings();
  EXPECT_EQ(FormatArgs(GetParam().fmt, GetParam().args), GetParam().text) << GetParam().fmt;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FormatTable,
    testing::Values(FormatCase{"%d items", {3}, "3 items"}, FormatCase{"%5d|", {42}, "   42|"},
                    FormatCase{"%-5d|", {42}, "42   |"}, FormatCase{"%.4d", {-42}, "-0042"},
                    FormatCase{"%*d", {4, 7}, "   7"}, FormatCase{"%s=%s", {"a", std::string("b")}, "a=b"},
                    FormatCase{"%.2s", {"abc"}, "ab"}, FormatCase{"%-4s|", {"ab"}, "ab  |"},
                    FormatCase{"%f", {1.5}, "1.50"}, FormatCase{"%.3f", {2.0 / 3}, "0.667"},
                    FormatCase{"%.0f", {2.5}, "3"}, FormatCase{"%g", {0.1}, "0.1"},
                    FormatCase{"%e", {1234.5}, "1.23450000000000E+003"},
                    FormatCase{"%.3e", {1234.5}, "1.23E+003"}, FormatCase{"%n", {1234567.0}, "1,234,567.00"},
                    FormatCase{"%x", {255}, "FF"}, FormatCase{"%.4x", {255}, "00FF"},
                    FormatCase{"%x", {-1}, "FFFFFFFF"}, FormatCase{"%u", {-1}, "4294967295"},
                    FormatCase{"%u", {7u}, "7"}, FormatCase{"100%%", {}, "100%"},
                    FormatCase{"%1:s %0:s", {"a", "b"}, "b a"}, FormatCase{"%D", {5}, "5"},
                    FormatCase{"%s", {'c'}, "c"}, FormatCase{"%d", {int64_t{1} << 40}, "1099511627776"}));

TEST(Format, RefusesWhatItDoesNotKnow) {
  for (const char* f : {"%p", "%m", "%c", "%", "%5", "%ls", "%hd", "%n%"}) {
    EXPECT_THROW(FormatArgs(f, {1.0, 1.0}), EConvertError) << f;
  }
  EXPECT_THROW(Format("%d", "text"), EConvertError);
  EXPECT_THROW(Format("%s", 5), EConvertError);
  EXPECT_THROW(Format("%f", 5), EConvertError);
  EXPECT_THROW(Format("%d %d", 5), EConvertError);
  try {
    Format("%d and %d", 1);
    FAIL();
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), "No argument for format '%d and %d'");
  }
}

TEST_F(Conversions, FormatFollowsTheDecimalSeparator) {
  FormatSettings.DecimalSeparator = ',';
  EXPECT_EQ(Format("%.1f", 2.25), "2,3");
  EXPECT_EQ(Format("%s: %d", "n", 1), "n: 1");
}
