// Paste into a selection, and the spreadsheet-like fill of the rest of it:
// one value is copied over the selection; two values in one row or column
// start a series (dates and times, decimal numbers, integers); more texts
// repeat with the period of what was pasted; a single pasted line or column
// is pasted again on every further row or column.
//
// The fill counts only the values that were pasted (the empty remainder after
// a final line end is none), so a period of k repeats the k pasted values
// starting right after them. The import notifications are always paired.

#include "grid/core/ExtGrid.h"
#include "grid/foundation/ExtUtil.h"
#include "toolkit/rtl/DateUtils.h"
#include "toolkit/rtl/ScopeGuard.h"
#include "toolkit/rtl/SysUtils.h"

#include <algorithm>

namespace {

bool IsDateLike(const std::string& Text) { return HasTwoDateSeparators(Text); }
bool IsTimeLike(const std::string& Text) { return Text.find(FormatSettings.TimeSeparator) != std::string::npos; }

}  // namespace

void TExtStringGrid::PasteSelectionFromClipboard() {
  ImportNotification(isImportStart, -1);
  FPasteAll = false;
  const TGridRect sel = SelectionWithMergedCells();
  {
    auto done = MakeScopeGuard([&] { ImportNotification(isImportDone, -1); });
    int rows = 0, cols = 0;
    const int n = PasteClipboardFormats(Options().Contains(goRowSelect) ? FixedCols() : sel.Left, sel.Top, rows, cols);
    if (Navigation()->AllowSmartClipboard()) SmartPasteFill(sel, n, rows, cols);
  }
  CellsChanged(TRect{DisplToRealColumn(sel.Left), sel.Top, DisplToRealColumn(sel.Right), sel.Bottom});
  AllFootersChanged();
}

void TExtStringGrid::smartPut(int ACol, int ARow, const std::string& Value, bool Events) {
  std::string value = Value;
  bool allow = true;
  if (Events && OnClipboardBeforePasteCell) OnClipboardBeforePasteCell(this, ACol, ARow, value, allow);
  if (!allow) return;
  PasteIntoCell(ACol, ARow, value);
  if (Events && OnClipboardAfterPasteCell) OnClipboardAfterPasteCell(this, ACol, ARow, value);
}

void TExtStringGrid::SmartPasteFill(const TGridRect& Sel, int N, int Rows, int Cols) {
  const int cells = (Sel.Bottom - Sel.Top + 1) * (Sel.Right - Sel.Left + 1);
  if (N <= 0 || N >= cells) return;  // nothing pasted, or the paste filled the selection
  BeforePasteBlock();
  auto after = MakeScopeGuard([&] { AfterPasteBlock(); });
  const bool singleCol = Sel.Left == Sel.Right, singleRow = Sel.Top == Sel.Bottom;
  if (N == 1) {
    copyFill(Sel);
  } else if (singleCol || singleRow) {
    if (!seriesFill(Sel, singleCol)) repeatFill(Sel, N, singleCol);
  } else {
    if (Rows == 1) repeatPaste(Sel, true);
    if (Cols == 1) repeatPaste(Sel, false);
  }
}

void TExtStringGrid::copyFill(const TGridRect& Sel) {
  const int realLeft = DisplToRealColumn(Sel.Left);
  std::string value = Cells(realLeft, Sel.Top);
  if (HasCheckBox(realLeft, Sel.Top)) {
    bool state = false;
    GetCheckBoxState(realLeft, Sel.Top, state);
    value = state ? CheckTrue() : CheckFalse();
  }
  for (int c = Sel.Left; c <= Sel.Right; ++c)
    for (int r = Sel.Top; r <= Sel.Bottom; ++r) {
      if (!IsEditable(DisplToRealColumn(c), r) && !Navigation()->AllowClipboardAlways()) continue;
      const bool topLeft = c == Sel.Left && r == Sel.Top;
      smartPut(c, r, value, !topLeft);
      if (!topLeft) MarkPastedRows(FClipTopLeft, TRect{c, r, c, r}, coCopy);
    }
}

bool TExtStringGrid::seriesFill(const TGridRect& Sel, bool SingleCol) {
  const std::string first = Cells(DisplToRealColumn(Sel.Left), Sel.Top);
  const std::string second = SingleCol ? Cells(DisplToRealColumn(Sel.Left), Sel.Top + 1)
                                       : Cells(DisplToRealColumn(Sel.Left + 1), Sel.Top);
  // The value of the k-th cell of the selection, in its order (columns, then rows within each).
  std::function<std::string(int)> valueAt;
  const auto isStamp = [](const std::string& t) { return IsDateLike(t) || IsTimeLike(t); };
  if (isStamp(first) && isStamp(second)) {
    TDateTime d1 = 0, d2 = 0;
    if (!TryStrToDateTime(first, d1) || !TryStrToDateTime(second, d2)) return true;  // no fill, no message
    uint16_t y1, m1, dd1, y2, m2, dd2;
    DecodeDate(d1, y1, m1, dd1);
    DecodeDate(d2, y2, m2, dd2);
    const bool forward = y2 >= y1 && m2 >= m1 && dd2 >= dd1;
    const bool asDate = first.find(FormatSettings.DateSeparator) != std::string::npos;
    TDateTime current = d1;
    valueAt = [=](int) mutable {
      const std::string text = asDate ? DateToStr(current) : TimeToStr(current);
      current = forward ? AddDateStep(static_cast<uint16_t>(y2 - y1), static_cast<uint16_t>(m2 - m1),
                                      static_cast<uint16_t>(dd2 - dd1), current, d2 - d1)
                        : current + (d2 - d1);
      return text;
    };
  } else if (first.find(FormatSettings.DecimalSeparator) != std::string::npos ||
             second.find(FormatSettings.DecimalSeparator) != std::string::npos) {
    double a = 0, b = 0;
    if (!TryStrToFloat(first, a) || !TryStrToFloat(second, b)) return true;
    const std::string format = FloatFormat();
    valueAt = [=](int k) { return Format(format, a + k * (b - a)); };
  } else {
    int64_t a = 0, b = 0;
    if (!TryStrToInt64(first, a) || !TryStrToInt64(second, b)) return false;
    valueAt = [=](int k) { return std::to_string(a + k * (b - a)); };
  }
  int k = 0;
  for (int c = Sel.Left; c <= Sel.Right; ++c)
    for (int r = Sel.Top; r <= Sel.Bottom; ++r, ++k) {
      const std::string value = valueAt(k);  // every cell advances the series, written or not
      if (IsEditable(DisplToRealColumn(c), r)) smartPut(c, r, value, c != Sel.Left || r != Sel.Top);
    }
  return true;
}

void TExtStringGrid::repeatFill(const TGridRect& Sel, int N, bool SingleCol) {
  const int last = SingleCol ? Sel.Bottom : Sel.Right;
  const int start = (SingleCol ? Sel.Top : Sel.Left) + N;
  for (int i = start; i <= last; ++i) {
    const int c = SingleCol ? Sel.Left : i, r = SingleCol ? i : Sel.Top;
    const int sc = SingleCol ? c : c - N, sr = SingleCol ? r - N : r;
    if (IsEditable(DisplToRealColumn(c), r)) smartPut(c, r, Cells(DisplToRealColumn(sc), sr), true);
  }
  if (start <= last)
    MarkPastedRows(TPoint{Sel.Left, Sel.Top}, TRect{Sel.Left, Sel.Top, Sel.Right, Sel.Bottom}, coCopy);
}

void TExtStringGrid::repeatPaste(const TGridRect& Sel, bool ByRows) {
  for (int i = (ByRows ? Sel.Top : Sel.Left) + 1; i <= (ByRows ? Sel.Bottom : Sel.Right); ++i) {
    int rows = 0, cols = 0;
    if (ByRows) PasteClipboardFormats(Sel.Left, i, rows, cols);
    else PasteClipboardFormats(i, Sel.Top, rows, cols);
  }
  SetSelection(Sel);
}
