// Cells read and written as integers and floating-point numbers, and the
// values of form controls embedded in HTML cell text.

#include <cstdlib>

#include "grid/core/ExtGrid.h"
#include "grid/foundation/EsgHTMLE.h"
#include "grid/foundation/ExtUtil.h"
#include "toolkit/rtl/SysUtils.h"

namespace {

bool blankNumber(const std::string& s) { return s.empty() || s == "-"; }

int intOf(const std::string& Text) {
  std::string s = Trim(Text);
  if (blankNumber(s)) return 0;
  int v = 0;
  if (!TryStrToInt(s, v)) throw EExtGridError("Cell does not contain integer value");
  return v;
}

// The normalised number text: where parsing stops (0 when all of it parsed).
double floatOf(const std::string& Text, size_t& StopPos) {
  std::string s = NormalizeFloatText(Text);
  StopPos = 0;
  if (blankNumber(s)) return 0;
  char* end = nullptr;
  double v = std::strtod(s.c_str(), &end);
  if (end != s.c_str() + s.size()) StopPos = static_cast<size_t>(end - s.c_str()) + 1;
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

double TExtStringGrid::Floats(int ARealCol, int ARow) {
  size_t stop = 0;
  double v = floatOf(StrippedCells(ARealCol, ARow), stop);
  if (stop) throw EExtGridError("Cell does not contain a float value");
  return v;
}

void TExtStringGrid::SetFloats(int ARealCol, int ARow, double Value) {
  bool isFloat = true;
  std::string fmt;
  GetFloatFormat(ARealCol, ARow, isFloat, fmt);
  SetCells(ARealCol, ARow, Format(fmt, Value));
}

double TExtStringGrid::AllFloats(int ARealCol, int ARealRow) {
  size_t stop = 0;
  double v = floatOf(AllCells(ARealCol, ARealRow), stop);
  if (stop) throw EExtGridError("Cell does not contain a float value");
  return v;
}

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
