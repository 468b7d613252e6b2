// Cells read and written as integers and floating-point numbers, and the
// values of form controls embedded in HTML cell text.

#include <cstdlib>

#include "grid/core/ExtGrid.h"
#include "grid/foundation/EsgHTMLE.h"
#include "grid/foundation/ExtUtil.h"
#include "toolkit/rtl/SysUtils.h"

namespace {

bool blankNumber(const std::string& s) { return s.empty() || s == "-"; }

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// An optional sign and decimal digits only: no hexadecimal forms.
bool decimalIntegerText(const std::string& s) {
  size_t i = s[0] == '-' || s[0] == '+' ? 1 : 0;
  if (i == s.size()) return false;
  for (; i < s.size(); ++i)
    if (!isDigit(s[i])) return false;
  return true;
}

int intOf(const std::string& Text) {
  std::string s = Trim(Text);
  if (blankNumber(s)) return 0;
  int v = 0;
  if (!decimalIntegerText(s) || !TryStrToInt(s, v)) throw EExtGridError("Cell does not contain integer value");
  return v;
}

// After the leading characters that NormalizeFloatText drops (a currency
// sign, a sign, an opening parenthesis) only number characters follow, with
// at least one digit: "nan", "inf" and "0x10" are no numbers.
bool wholeNumberText(const std::string& Trimmed) {
  std::string_view t = Trimmed;
  if (t.size() >= 2 && t.front() == '(' && t.back() == ')') t = t.substr(0, t.size() - 1);
  while (t.size() >= 2 && !IsFloatChar(t.front())) t.remove_prefix(1);
  bool digit = false;
  for (char c : t) {
    if (c != LocaleThousandSeparator() && c != LocaleDecimalSeparator() && !IsNumericTextChar(c)) return false;
    digit = digit || isDigit(c);
  }
  return digit;
}

// The cell's number; Valid is false when the text is no number.
double floatOf(const std::string& Text, bool& Valid) {
  Valid = true;
  std::string trimmed = Trim(Text);
  if (blankNumber(trimmed)) return 0;
  std::string s = NormalizeFloatText(trimmed);
  if (!wholeNumberText(trimmed) || blankNumber(s)) {
    Valid = false;
    return 0;
  }
  char* end = nullptr;
  double v = std::strtod(s.c_str(), &end);
  Valid = end == s.c_str() + s.size();
  return v;
}

double floatOrRaise(const std::string& Text) {
  bool valid = true;
  double v = floatOf(Text, valid);
  if (!valid) throw EExtGridError("Cell does not contain a float value");
  return v;
}

}  // namespace

int TExtStringGrid::Ints(int ARealCol, int ARow) { return intOf(StrippedCells(ARealCol, ARow)); }

void TExtStringGrid::SetInts(int ARealCol, int ARow, int Value) {
  SetCells(ARealCol, ARow, std::to_string(Value));
  if (NumHiddenColumns() > 0) RepaintCell(DisplColIndex(ARealCol), ARow);
}

int TExtStringGrid::AllInts(int ARealCol, int ARealRow) { return intOf(AllCells(ARealCol, ARealRow)); }
void TExtStringGrid::SetAllInts(int ARealCol, int ARealRow, int Value) {
  SetAllCells(ARealCol, ARealRow, std::to_string(Value));
}

double TExtStringGrid::Floats(int ARealCol, int ARow) { return floatOrRaise(StrippedCells(ARealCol, ARow)); }

void TExtStringGrid::SetFloats(int ARealCol, int ARow, double Value) {
  bool isFloat = true;
  std::string fmt;
  GetFloatFormat(ARealCol, ARow, isFloat, fmt);
  SetCells(ARealCol, ARow, Format(fmt, Value));
}

double TExtStringGrid::AllFloats(int ARealCol, int ARealRow) { return floatOrRaise(AllCells(ARealCol, ARealRow)); }

void TExtStringGrid::SetAllFloats(int ARealCol, int ARealRow, double Value) {
  SetAllCells(ARealCol, ARealRow, Format(FFloatFormat, Value));
}

// Parsed as written (only the separators mapped), so the position of the
// first character that is no part of a number can be named.
double TExtStringGrid::CellToReal(int ARealCol, int ARow) {
  std::string s = Trim(Cells(ARealCol, ARow));
  if (s.empty()) return 0;
  std::string plain;
  for (char ch : s) {
    if (ch == FormatSettings.ThousandSeparator) continue;
    plain += ch == FormatSettings.DecimalSeparator ? '.' : ch;
  }
  char* end = nullptr;
  double v = std::strtod(plain.c_str(), &end);
  size_t stop = end == plain.c_str() + plain.size() ? 0 : static_cast<size_t>(end - plain.c_str()) + 1;
  if (stop)
    throw EExtGridError("Error at position: " + std::to_string(stop) + " in Cell [" + std::to_string(ARealCol) + ", " +
                        std::to_string(ARow) + "].");
  return v;
}

std::string TExtStringGrid::ControlValues(int ARealCol, int ARow, const std::string& ID) {
  std::string v;
  return GetControlValue(Cells(ARealCol, ARow), ID, v) ? v : std::string();
}

void TExtStringGrid::SetControlValues(int ARealCol, int ARow, const std::string& ID, const std::string& Value) {
  std::string text = Cells(ARealCol, ARow);
  if (SetControlValue(text, ID, Value)) SetCells(ARealCol, ARow, text);
}
