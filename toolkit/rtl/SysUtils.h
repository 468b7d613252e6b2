#pragma once
// String routines of the framework. A "character" is a byte and positions
// count from 1 (0 = not found), except for the Ansi* routines, which know
// UTF-8 and change or compare whole characters.

#include <array>
#include <concepts>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "toolkit/rtl/Sets.h"

int Pos(std::string_view SubStr, std::string_view S);
int PosEx(std::string_view SubStr, std::string_view S, int Offset = 1);
// Index below 1 counts from 1; a Count past the end stops there.
std::string Copy(std::string_view S, int Index, int Count);
void Delete(std::string& S, int Index, int Count);
// Index past the end appends; below 1 inserts at the start.
void Insert(std::string_view Source, std::string& S, int Index);

// Remove control characters and blanks (every byte up to ' ').
std::string Trim(std::string_view S);
std::string TrimLeft(std::string_view S);
std::string TrimRight(std::string_view S);

std::string UpperCase(std::string_view S);  // ASCII letters only
std::string LowerCase(std::string_view S);
std::string AnsiUpperCase(std::string_view S);  // Latin, Greek and Cyrillic letters too
std::string AnsiLowerCase(std::string_view S);

// Results are -1, 0 or 1. CompareStr: bytes; CompareText: ASCII case ignored.
int CompareStr(std::string_view S1, std::string_view S2);
int CompareText(std::string_view S1, std::string_view S2);
bool SameStr(std::string_view S1, std::string_view S2);
bool SameText(std::string_view S1, std::string_view S2);
// By character, case ignored (AnsiCompareText), or case deciding only between
// otherwise equal strings, lower case first (AnsiCompareStr): the order a person expects.
int AnsiCompareText(std::string_view S1, std::string_view S2);
int AnsiCompareStr(std::string_view S1, std::string_view S2);
bool AnsiSameText(std::string_view S1, std::string_view S2);
bool AnsiSameStr(std::string_view S1, std::string_view S2);
int AnsiPos(std::string_view SubStr, std::string_view S);
bool StartsText(std::string_view SubText, std::string_view Text);
bool EndsText(std::string_view SubText, std::string_view Text);

enum TReplaceFlag { rfReplaceAll, rfIgnoreCase };
using TReplaceFlags = TSet<TReplaceFlag>;
std::string StringReplace(std::string_view S, std::string_view OldPattern, std::string_view NewPattern,
                          TReplaceFlags Flags);

std::string QuotedStr(std::string_view S);  // 'it''s'
std::string AnsiQuotedStr(std::string_view S, char Quote);
// The text between Quote characters with doubled quotes undone; S unchanged
// when it does not start with Quote. A missing closing quote takes the rest.
std::string AnsiDequotedStr(std::string_view S, char Quote);
// Reads a quoted string starting at S[Pos] (0-based) and moves Pos past it;
// "" without moving when S[Pos] is not Quote.
std::string AnsiExtractQuotedStr(std::string_view S, size_t& Pos, char Quote);
std::string StringOfChar(char Ch, int Count);

// ---- locale settings ----

// What number and date conversions follow. The defaults (ResetFormatSettings)
// are a fixed English setup so that nothing depends on the machine: decimal
// '.', thousands ',', dates day first "dd/mm/yyyy" with '/', 24-hour times
// "hh:nn:ss" with ':'.
struct TFormatSettings {
  char DecimalSeparator = '.';
  char ThousandSeparator = ',';
  char DateSeparator = '/';
  char TimeSeparator = ':';
  char ListSeparator = ',';
  std::string ShortDateFormat = "dd/mm/yyyy";
  std::string LongDateFormat = "dddd, d mmmm yyyy";
  std::string ShortTimeFormat = "hh:nn";
  std::string LongTimeFormat = "hh:nn:ss";
  std::string TimeAMString = "AM";
  std::string TimePMString = "PM";
  std::string CurrencyString = "$";
  uint8_t CurrencyFormat = 0;  // 0 "$1", 1 "1$", 2 "$ 1", 3 "1 $"
  uint8_t NegCurrFormat = 1;   // 1 "-$1"; the other forms are not used here
  uint8_t CurrencyDecimals = 2;
  uint16_t TwoDigitYearCenturyWindow = 50;
  std::array<std::string, 12> ShortMonthNames{"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                              "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  std::array<std::string, 12> LongMonthNames{"January", "February", "March",     "April",   "May",      "June",
                                             "July",    "August",   "September", "October", "November", "December"};
  std::array<std::string, 7> ShortDayNames{"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
  std::array<std::string, 7> LongDayNames{"Sunday",   "Monday", "Tuesday", "Wednesday",
                                          "Thursday", "Friday", "Saturday"};
};

extern TFormatSettings FormatSettings;
// Puts FormatSettings back to the defaults above (tests call it in SetUp).
void ResetFormatSettings();

// ---- integers ----

template <std::integral T>
std::string IntToStr(T Value) { return std::to_string(Value); }
// Upper-case hexadecimal, at least Digits long. Negative values show their
// two's complement pattern in the width of their type ("FFFFFFFF" for an int -1).
std::string IntToHex(uint64_t Value, int Digits);
template <std::integral T>
std::string IntToHex(T Value, int Digits) {
  if constexpr (sizeof(T) <= 4) return IntToHex(static_cast<uint64_t>(static_cast<uint32_t>(Value)), Digits);
  else return IntToHex(static_cast<uint64_t>(Value), Digits);
}

// Leading blanks, an optional sign, then decimal digits or hexadecimal ones
// after "$", "x", "X", "0x" or "0X"; nothing may follow. Up to 8 hexadecimal
// digits are a 32-bit pattern ("$FFFFFFFF" is -1); decimal must fit 32 bits.
bool TryStrToInt(std::string_view S, int& Value);
int StrToInt(std::string_view S);  // raises EConvertError
int StrToIntDef(std::string_view S, int Default);
// The same rules with 64 bits (16 hexadecimal digits).
bool TryStrToInt64(std::string_view S, int64_t& Value);
int64_t StrToInt64(std::string_view S);
int64_t StrToInt64Def(std::string_view S, int64_t Default);
// The same as TryStrToInt64; OutOfRange tells a number too large for 64 bits
// (false is returned) from a text that is no number at all.
bool TryStrToInt64(std::string_view S, int64_t& Value, bool& OutOfRange);
bool StrToBool(std::string_view S);  // "true"/"false" any case, or an integer (0 false)
bool TryStrToBool(std::string_view S, bool& Value);
std::string BoolToStr(bool B, bool UseBoolStrs = false);  // "-1"/"0", or "True"/"False"

// ---- floating point ----

enum TFloatFormat { ffGeneral, ffExponent, ffFixed, ffNumber, ffCurrency };

// Blanks around the number, sign, digits with the DecimalSeparator, optional
// exponent. Thousand separators are not accepted.
bool TryStrToFloat(std::string_view S, double& Value, const TFormatSettings& FS = FormatSettings);
double StrToFloat(std::string_view S, const TFormatSettings& FS = FormatSettings);
double StrToFloatDef(std::string_view S, double Default, const TFormatSettings& FS = FormatSettings);
// Shortest general form with 15 significant digits: "0.1", "1E20", "1.5E-5".
std::string FloatToStr(double Value, const TFormatSettings& FS = FormatSettings);
std::string FloatToStrF(double Value, TFloatFormat Format, int Precision, int Digits,
                        const TFormatSettings& FS = FormatSettings);
// The picture language: 0 # . , E+ E- e+ e-, quoted text, and up to three
// sections "positive;negative;zero". Rounds half away from zero.
std::string FormatFloat(std::string_view Format, double Value, const TFormatSettings& FS = FormatSettings);

// ---- Format ----

// One argument of Format: an integer, a floating-point number or a string.
class TFormatArg {
public:
  enum Kind { Int, UInt, Float, String };
  template <std::integral T>
  TFormatArg(T v) {  // NOLINT: implicit by design, like an array of const
    if constexpr (std::same_as<T, char>) {
      kind_ = String;
      s_ = std::string(1, v);
    } else if constexpr (std::is_signed_v<T>) {
      kind_ = Int;
      i_ = v;
    } else {
      kind_ = UInt;
      u_ = v;
    }
  }
  TFormatArg(double v) : kind_(Float), d_(v) {}
  TFormatArg(float v) : kind_(Float), d_(v) {}
  TFormatArg(const char* v) : kind_(String), s_(v ? v : "") {}
  TFormatArg(std::string v) : kind_(String), s_(std::move(v)) {}
  TFormatArg(std::string_view v) : kind_(String), s_(v) {}

  Kind GetKind() const { return kind_; }
  int64_t AsInt() const { return i_; }
  uint64_t AsUInt() const { return u_; }
  double AsFloat() const { return d_; }
  const std::string& AsString() const { return s_; }

private:
  Kind kind_;
  int64_t i_ = 0;
  uint64_t u_ = 0;
  double d_ = 0;
  std::string s_;
};

// "%" ["index:"] ["-"] [width] ["." precision] type, width and precision
// may be "*"; types d u x s f g e n (either case) and "%%". Anything else, a
// missing argument or an argument of the wrong kind raises EConvertError.
std::string FormatArgs(std::string_view Fmt, const std::vector<TFormatArg>& Args,
                       const TFormatSettings& FS = FormatSettings);
template <typename... A>
std::string Format(std::string_view Fmt, const A&... Args) {
  return FormatArgs(Fmt, std::vector<TFormatArg>{TFormatArg(Args)...});
}
