// The typed value of the drop-down edit, without a window: characters,
// caret rules around prefix and suffix, readers, writers and pastes.

#include <gtest/gtest.h>

#include "controls/DropDownValue.h"
#include "toolkit/forms/WinApi.h"
#include "toolkit/rtl/SysUtils.h"

namespace {

// "12|3" puts the caret after 2; "[12]3" selects 12 (caret at "]").
void Load(TTextEditModel& e, const std::string& marked) {
  std::string t;
  int anchor = -1, caret = -1;
  for (char c : marked) {
    if (c == '|') anchor = caret = int(t.size());
    else if (c == '[') anchor = int(t.size());
    else if (c == ']') caret = int(t.size());
    else t += c;
  }
  e.SetText(t);
  e.SetSel(anchor, caret);
}

std::string Marked(const TTextEditModel& e) {
  std::string t = e.Text();
  if (e.SelLength() == 0) return t.insert(size_t(e.Caret()), "|");
  t.insert(size_t(e.SelStart() + e.SelLength()), "]");
  return t.insert(size_t(e.SelStart()), "[");
}

struct Kind {
  Kind(TDropDownEditType type = etString, int precision = 0, bool isSigned = false, std::string prefix = {},
        std::string suffix = {}, int lengthLimit = 0, bool autoThousand = true)
      : Type(type), Precision(precision), Signed(isSigned), Prefix(std::move(prefix)), Suffix(std::move(suffix)),
        LengthLimit(lengthLimit), AutoThousand(autoThousand) {}
  TDropDownEditType Type;
  int Precision;
  bool Signed;
  std::string Prefix, Suffix;
  int LengthLimit;
  bool AutoThousand;
};

class ValueModel : public ::testing::Test {
protected:
  void SetUp() override { ResetFormatSettings(); }
  void Apply(const Kind& s) {
    V.EditType = s.Type;
    V.Precision = s.Precision;
    V.Signed = s.Signed;
    V.Prefix = s.Prefix;
    V.Suffix = s.Suffix;
    V.LengthLimit = s.LengthLimit;
    V.AutoThousandSeparator = s.AutoThousand;
    E.OnChange = [this] { V.NotifyChanged(); };
    V.OnChange = [this] { ++Changes; };
  }
  void Type(const std::string& keys) {
    for (char c : keys) V.TypeChar(c, false, false);
  }
  TTextEditModel E;
  TDropDownValue V{E};
  int Changes = 0;
};

struct CharCase {
  const char* Name;
  Kind S;
  const char* Before;
  const char* Keys;
  const char* After;
};

class TypedCharacters : public ValueModel, public ::testing::WithParamInterface<CharCase> {};

TEST_P(TypedCharacters, Pipeline) {
  const CharCase& c = GetParam();
  Apply(c.S);
  Load(E, c.Before);
  Type(c.Keys);
  EXPECT_EQ(Marked(E), c.After);
}

const Kind Num{etNumeric};
const Kind NumSigned{etNumeric, 0, true};
const Kind Float2{etFloat, 2};
const Kind Money2{etMoney, 2};
const Kind Money0{etMoney, 0};
const Kind MoneyPlain{etMoney, 0, false, "", "", 0, false};
const Kind Limit3{etFloat, 2, false, "", "", 3};

INSTANTIATE_TEST_SUITE_P(
    ByEditType, TypedCharacters,
    ::testing::Values(
        CharCase{"NumericDigits", Num, "|", "12a3", "123|"},
        CharCase{"NumericMinusUnsigned", Num, "12|", "-", "12|"},
        CharCase{"NumericMinusToggles", NumSigned, "12|", "-", "-12|"},
        CharCase{"NumericMinusTwice", NumSigned, "12|", "--", "12|"},
        CharCase{"NumericMinusOverAll", NumSigned, "[12]", "-", "-|"},
        CharCase{"FloatDigitOverwritesDecimal", Float2, "1.2|5", "7", "1.27|"},
        CharCase{"FloatDigitAtEndRefused", Float2, "1.25|", "7", "1.25|"},
        CharCase{"FloatSecondPointMovesCaret", Float2, "|1.25", ".", "1.|25"},
        CharCase{"FloatPointOnEmpty", Float2, "|", ".", "0.|"},
        CharCase{"FloatPointWithoutPrecision", Kind{etFloat}, "1|", ".", "1|"},
        CharCase{"FloatLetterRefused", Float2, "1|", "x", "1|"},
        CharCase{"MoneyThousands", Money0, "|", "1234", "1,234|"},
        CharCase{"MoneyNoAutoThousands", MoneyPlain, "|", "1234", "1234|"},
        CharCase{"MoneyPointOverAll", Money2, "[12.00]", ".", "0.|00"},
        CharCase{"LimitBeforePoint", Limit3, "12|3.4", "5", "12|3.4"},
        CharCase{"LimitAfterPoint", Limit3, "123.4|", "5", "123.45|"},
        CharCase{"RangeTyped", Kind{etRange}, "|", "1-3,5", "1-3,5|"},
        CharCase{"RangeDelimiterFirst", Kind{etRange}, "|", ",1", "1|"},
        CharCase{"RangeDoubleDelimiter", Kind{etRange}, "1|", "-,2", "1-2|"},
        CharCase{"Upper", Kind{etUppercase}, "|", "aB", "AB|"},
        CharCase{"Lower", Kind{etLowerCase}, "|", "aB", "ab|"},
        CharCase{"Mixed", Kind{etMixedCase}, "|", "hELLO wORLD", "Hello World|"},
        CharCase{"Hex", Kind{etHex}, "|", "1fG", "1f|"},
        CharCase{"AlphaNumeric", Kind{etAlphaNumeric}, "|", "a-1", "a1|"},
        CharCase{"BackspaceAtPrefix", Kind{etString, 0, false, "$"}, "$|12", "\b", "$|12"},
        CharCase{"BackspaceInValue", Kind{etString, 0, false, "$"}, "$1|2", "\b", "$|2"}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(ValueModel, ValidCharsOnlyTheListed) {
  Apply({etValidChars});
  V.ValidChars = "xy";
  Type("axbyc");
  EXPECT_EQ(E.Text(), "xy");
}

TEST_F(ValueModel, BackspaceOverWholeValueTellsTheChangeOnce) {
  Apply({etString});
  Load(E, "[abc]");
  Changes = 0;
  V.TypeChar(8, false, false);
  EXPECT_EQ(E.Text(), "");
  EXPECT_EQ(Changes, 1);
}

TEST_F(ValueModel, TypingOverWholeValueTellsTheChangeOnce) {
  Apply({etString});
  Load(E, "[abc]");
  Changes = 0;
  Type("x");
  EXPECT_EQ(E.Text(), "x");
  EXPECT_EQ(Changes, 1);
}

TEST_F(ValueModel, KeypadDecimalBecomesTheLocaleSeparator) {
  Apply({etFloat, 2});
  V.ExcelStyleDecimalSeparator = true;
  FormatSettings.DecimalSeparator = ',';
  FormatSettings.ThousandSeparator = '.';
  Load(E, "1|");
  V.TypeChar('.', false, true);
  EXPECT_EQ(E.Text(), "1,");
}

// ---- caret rules around prefix and suffix

struct CaretCase {
  const char* Name;
  const char* Before;
  uint16_t Key;
  bool Shift;
  bool Swallowed;
  const char* After;
};

class CaretRules : public ValueModel, public ::testing::WithParamInterface<CaretCase> {};

TEST_P(CaretRules, PrefixAndSuffix) {
  const CaretCase& c = GetParam();
  Apply({etString, 0, false, "$", " kg"});
  Load(E, c.Before);
  EXPECT_EQ(V.KeyDown(c.Key, c.Shift), c.Swallowed);
  EXPECT_EQ(Marked(E), c.After);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, CaretRules,
    ::testing::Values(CaretCase{"EndStopsBeforeSuffix", "$|12 kg", VK_END, false, true, "$12| kg"},
                      CaretCase{"ShiftEndSelectsToValueEnd", "$|12 kg", VK_END, true, true, "$[12] kg"},
                      CaretCase{"RightAtValueEnd", "$12| kg", VK_RIGHT, false, true, "$12| kg"},
                      CaretCase{"RightInside", "$1|2 kg", VK_RIGHT, false, false, "$1|2 kg"},
                      CaretCase{"HomeStopsAfterPrefix", "$12| kg", VK_HOME, false, true, "$|12 kg"},
                      CaretCase{"LeftAtValueStart", "$|12 kg", VK_LEFT, false, true, "$|12 kg"},
                      CaretCase{"DeleteAtValueEnd", "$12| kg", VK_DELETE, false, true, "$12| kg"}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(ValueModel, ClickIntoPrefixSelectsTheValue) {
  Apply({etString, 0, false, "$", " kg"});
  Load(E, "|$12 kg");
  V.MouseUp();
  EXPECT_EQ(Marked(E), "$[12] kg");
  Load(E, "$12 k|g");
  V.MouseUp();
  EXPECT_EQ(Marked(E), "$12| kg");
}

TEST_F(ValueModel, DeleteThatJoinsDecimalsBeyondTheLimitIsRefused) {
  Apply({etFloat, 2, false, "", "", 3});
  Load(E, "123|.4");
  EXPECT_TRUE(V.KeyDown(VK_DELETE, false));
}

// ---- readers and writers

struct ReadCase {
  const char* Name;
  TDropDownEditType Type;
  const char* Text;
  double Value;
};

class ValueReader : public ValueModel, public ::testing::WithParamInterface<ReadCase> {};

TEST_P(ValueReader, Reads) {
  Apply({GetParam().Type});
  E.SetText(GetParam().Text);
  EXPECT_DOUBLE_EQ(V.FloatValue(), GetParam().Value);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, ValueReader,
    ::testing::Values(ReadCase{"NumericError", etNumeric, "Error", 0}, ReadCase{"NumericMinus", etNumeric, "-", 0},
                      ReadCase{"FloatThousands", etFloat, "1,234.5", 1234.5},
                      ReadCase{"FloatNoNumber", etFloat, "abc", 0},
                      ReadCase{"MoneyTrailingPoint", etMoney, "1,234.", 1234},
                      ReadCase{"HexWraps", etHex, "1G", 16}, ReadCase{"HexUpper", etHex, "ff", 255},
                      ReadCase{"OtherTypes", etUppercase, "12", 0}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(ValueModel, PrefixAndSuffixAreStrippedOnlyWhenPresent) {
  Apply({etString, 0, false, "$", "kg"});
  E.SetText("$12kg");
  EXPECT_EQ(V.Value(), "12");
  E.SetText("12");
  EXPECT_EQ(V.Value(), "12");
}

TEST_F(ValueModel, Writers) {
  Apply({etMoney, 2});
  V.SetText("");
  EXPECT_EQ(E.Text(), "0.00");
  V.SetFloatValue(1234.5);
  EXPECT_EQ(E.Text(), "1,234.50");
  Apply({etFloat, 2, false, "$", " kg"});
  V.SetText("5");
  EXPECT_EQ(E.Text(), "$5.00 kg");
  EXPECT_EQ(V.OldText, "5.00");
  Apply({etHex});
  V.SetFloatValue(255.9);
  EXPECT_EQ(E.Text(), "FF");
  Apply({etNumeric});
  V.SetText("");
  EXPECT_EQ(E.Text(), "0");
}

TEST_F(ValueModel, EditTypeAndPrecisionCoerceTheValue) {
  Apply({etString});
  E.SetText("abc");
  V.SetEditType(etNumeric);
  EXPECT_EQ(E.Text(), "0");
  Apply({etFloat});
  E.SetText("1.5");
  V.SetPrecision(3);
  EXPECT_EQ(E.Text(), "1.500");
  Apply({etNumeric});
  V.SetPrecision(3);
  EXPECT_EQ(V.Precision, 0);
}

TEST_F(ValueModel, FocusLossNormalises) {
  Apply({etNumeric});
  E.SetText("");
  V.FocusLost();
  EXPECT_EQ(E.Text(), "0");
  Apply({etNumeric});
  V.AllowNumericNullValue = true;
  E.SetText("");
  V.FocusLost();
  EXPECT_EQ(E.Text(), "");
  Apply({etFloat, 2});
  E.SetText("3.1");
  V.FocusLost();
  EXPECT_EQ(E.Text(), "3.10");
}

// ---- pastes

struct PasteCase {
  const char* Name;
  Kind S;
  const char* Before;
  const char* Clip;
  const char* After;
};

class Pastes : public ValueModel, public ::testing::WithParamInterface<PasteCase> {};

TEST_P(Pastes, Validated) {
  Apply(GetParam().S);
  Load(E, GetParam().Before);
  V.Paste(GetParam().Clip);
  EXPECT_EQ(E.Text(), GetParam().After);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, Pastes,
    ::testing::Values(PasteCase{"NumericLetter", Num, "1|", "2a", "1"},
                      PasteCase{"NumericDigits", Num, "1|", "23", "123"},
                      PasteCase{"NumericMinusInside", NumSigned, "1|", "-2", "1"},
                      PasteCase{"NumericLeadingMinus", NumSigned, "|1", "-2", "-21"},
                      PasteCase{"NumericMinusUnsigned", Num, "|1", "-2", "1"},
                      PasteCase{"FloatDecimalWithoutPrecision", Kind{etFloat}, "|", "1.5", ""},
                      PasteCase{"FloatFormatted", Float2, "|", "1.5", "1.50"},
                      PasteCase{"HexNever", Kind{etHex}, "|", "FF", ""},
                      PasteCase{"RangeNever", Kind{etRange}, "|", "1-2", ""},
                      PasteCase{"Upper", Kind{etUppercase}, "a|", "bc", "ABC"},
                      PasteCase{"AlphaNumericRefused", Kind{etAlphaNumeric}, "|", "a b", ""}),
    [](const auto& info) { return std::string(info.param.Name); });

}  // namespace
