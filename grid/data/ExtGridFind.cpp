// Finding cells by text, replacing text in the cells found, and the
// incremental row lookup of typing over a sorted column.
//
// A search walks its region once, from the cell after the start cell to
// the end of the region (backwards: to its start); it never wraps around,
// so FindNext after the last match answers (-1, -1) and a replacement whose
// new text contains the old one cannot run for ever.

#include <algorithm>

#include "grid/core/ExtGrid.h"
#include "grid/foundation/EsgHTMLE.h"
#include "grid/foundation/ExtUtil.h"
#include "toolkit/rtl/ScopeGuard.h"
#include "toolkit/rtl/SysUtils.h"
#include "toolkit/rtl/Encoding.h"

namespace {
const TPoint kNoCell{-1, -1};

// The scan region and the walk over it, row by row or column by column.
struct TFindWalk {
  int Left, Top, Right, Bottom;
  bool RowWise, Backward;

  bool Inside(TPoint P) const { return P.X >= Left && P.X <= Right && P.Y >= Top && P.Y <= Bottom; }
  TPoint First() const { return Backward ? TPoint{Right, Bottom} : TPoint{Left, Top}; }
  // The next cell of the walk; false past its end.
  bool Step(TPoint& P) const {
    const int d = Backward ? -1 : 1;
    int& inner = RowWise ? P.X : P.Y;
    int& outer = RowWise ? P.Y : P.X;
    const int innerFirst = RowWise ? (Backward ? Right : Left) : (Backward ? Bottom : Top);
    inner += d;
    if (inner >= (RowWise ? Left : Top) && inner <= (RowWise ? Right : Bottom)) return true;
    inner = innerFirst;
    outer += d;
    return outer >= (RowWise ? Top : Left) && outer <= (RowWise ? Bottom : Right);
  }
};

// Every occurrence of Old in Text, compared as written or, when IgnoreCase,
// upper-cased (the locale's letters where their upper-case forms take as
// many bytes, ASCII letters otherwise).
std::string ReplaceAll(const std::string& Text, const std::string& Old, const std::string& New, bool IgnoreCase) {
  std::string hay = Text, needle = Old;
  if (IgnoreCase) {
    hay = AnsiUpperCase(Text);
    needle = AnsiUpperCase(Old);
    if (hay.size() != Text.size() || needle.size() != Old.size()) {
      hay = UpperCase(Text);
      needle = UpperCase(Old);
    }
  }
  std::string out;
  size_t from = 0;
  for (size_t p = hay.find(needle); p != std::string::npos; p = hay.find(needle, from)) {
    out.append(Text, from, p - from);
    out += New;
    from = p + needle.size();
  }
  out.append(Text, from, std::string::npos);
  return out;
}
}  // namespace

bool TExtStringGrid::cellMatchesSearch(int ACol, int ARow) const {
  const TFindParams& f = FFindParams;
  const int c = f.Contains(fnIncludeHiddenColumns) ? ACol : RealColIndex(ACol);
  std::string t = f.Contains(fnIncludeHiddenRows) ? GetCellsEx(c, ARow) : Cells(c, ARow);
  if (f.Contains(fnIgnoreHTMLTags)) t = StripHTMLTags(t);
  if (!f.Contains(fnMatchCase)) t = AnsiUpperCase(t);
  if (FSearchCache == "\"\"") return t.empty();
  if (f.Contains(fnMatchRegular)) {
    try {
      return MatchFilterCondition(FSearchCache, t, f.Contains(fnMatchCase));
    } catch (const std::exception&) {
      return false;
    }
  }
  const size_t p = t.find(FSearchCache);
  const bool found = f.Contains(fnMatchStart) ? p == 0 : p != std::string::npos;
  return found && (!f.Contains(fnMatchFull) || t == FSearchCache);
}

TPoint TExtStringGrid::findCell(TPoint StartCell, const std::string& S, TFindParams Params) {
  FFindParams = Params;
  FFindBusy = true;
  auto done = MakeScopeGuard([this] { FFindBusy = false; });
  FSearchText = S;
  FSearchCache = Params.Contains(fnMatchCase) ? S : AnsiUpperCase(S);
  if (ColCount() == 0 || ColCount() == FixedCols() || RowCount() == 0 || AllRowCount() == FixedRows()) return kNoCell;

  TFindWalk w{FixedCols(), FixedRows(), ColCount() - FixedRightCols() - 1, RowCount() - FixedFooters() - 1,
              Params.Contains(fnDirectionLeftRight), Params.Contains(fnBackward)};
  if (Params.Contains(fnIncludeFixed)) w = {0, 0, ColCount() - 1, RowCount() - 1, w.RowWise, w.Backward};
  if (Params.Contains(fnSelectedCells)) {
    TGridRect s = Selection();
    w.Left = s.Left, w.Top = s.Top, w.Right = s.Right, w.Bottom = s.Bottom;
  }
  if (Params.Contains(fnIncludeHiddenColumns)) w.Right += NumHiddenColumns();
  if (Params.Contains(fnIncludeHiddenRows)) w.Bottom += NumHiddenRows();
  // The restrictions narrow the region itself, so that the walk ends
  // within the one row or column instead of coming back to its start.
  const int row = Params.Contains(fnIncludeHiddenRows) ? RealRow() : Row();
  const int col = Params.Contains(fnIncludeHiddenColumns) ? RealCol() : Col();
  if (Params.Contains(fnFindInPresetRow))
    w.Top = w.Bottom = FindRow;
  else if (Params.Contains(fnFindInCurrentRow))
    w.Top = w.Bottom = row;
  if (Params.Contains(fnFindInPresetCol))
    w.Left = w.Right = FindCol;
  else if (Params.Contains(fnFindInCurrentCol))
    w.Left = w.Right = col;
  if (w.Left > w.Right || w.Top > w.Bottom) return kNoCell;

  TPoint p = StartCell;
  if (p.X == -1 && p.Y == -1)
    p = w.First();
  else if (!w.Inside(p))
    p = w.First();
  else if (!w.Step(p))
    return kNoCell;
  do {
    ExportNotification(esExportNewRow, p.Y);
    const int real = Params.Contains(fnIncludeHiddenColumns) ? p.X : RealColIndex(p.X);
    if (IsIgnoredColumn(real)) continue;
    if (cellMatchesSearch(p.X, p.Y)) {
      SearchCell = p;
      if (Params.Contains(fnAutoGoto)) gotoFoundCell(p);
      return p;
    }
  } while (w.Step(p));
  return kNoCell;
}

void TExtStringGrid::gotoFoundCell(TPoint Cell) {
  int y = Cell.Y;
  if (FFindParams.Contains(fnIncludeHiddenRows)) {
    if (IsHiddenRow(y)) ExpandNodesOver(y);
    if (IsHiddenRow(y)) return;
    y = DisplRowIndex(y);
  }
  int x = Cell.X;
  if (FFindParams.Contains(fnIncludeHiddenColumns)) {
    if (IsHiddenColumn(x)) return;
    x = DisplColIndex(x);
  }
  if (FMouseActions.DisjunctRowSelect()) {
    ClearRowSelect();
    SetRowSelect(y, true);
    SetRow(y);
  } else {
    SetRow(y);
    SetCol(x);
  }
  ScrollInView(x, y);
}

// The notice at the end tells whether a cell was found (done) or not (fail).
TPoint TExtStringGrid::Find(TPoint StartCell, const std::string& S, TFindParams FindParams) {
  ExportNotification(esExportStart, -1);
  TPoint p = findCell(StartCell, S, FindParams);
  ExportNotification(p.X >= 0 ? esExportDone : esExportFail, -1);
  return p;
}

TPoint TExtStringGrid::FindWide(TPoint StartCell, const std::u16string& S, TFindParams FindParams) {
  return Find(StartCell, Utf16ToUtf8(S), FindParams);
}

TPoint TExtStringGrid::FindFirst(const std::string& S, TFindParams FindParams) {
  SearchCell = Find(kNoCell, S, FindParams);
  return SearchCell;
}

TPoint TExtStringGrid::FindNext() {
  SearchCell = Find(SearchCell, FSearchText, FFindParams);
  return SearchCell;
}

int TExtStringGrid::Replace(const std::string& OrigStr, const std::string& NewStr, TFindParams FindParams) {
  if (OrigStr.empty()) return 0;
  TGridUpdateLock lock(*this);
  int changed = 0;
  const bool hiddenRows = FindParams.Contains(fnIncludeHiddenRows);
  for (TPoint p = Find(kNoCell, OrigStr, FindParams); p.X >= 0; p = Find(p, OrigStr, FindParams)) {
    const int c = FindParams.Contains(fnIncludeHiddenColumns) ? p.X : RealColIndex(p.X);
    const std::string old = hiddenRows ? GetCellsEx(c, p.Y) : Cells(c, p.Y);
    const std::string now = ReplaceAll(old, OrigStr, NewStr, !FindParams.Contains(fnMatchCase));
    if (now == old) continue;
    if (hiddenRows)
      SetCellsEx(c, p.Y, now);
    else
      SetCells(c, p.Y, now);
    ++changed;
    const int row = hiddenRows ? DisplRowIndex(p.Y) : p.Y;
    if (FShowModified.Enabled() && !(hiddenRows && IsHiddenRow(p.Y))) SetRowModified(row, true);
  }
  return changed;
}

int TExtStringGrid::Search(const std::string& S) {
  if (RowCount() < 2) return -1;
  int col = FixedCols();
  if (FSortSettings.Show()) {
    if (FSortSettings.IndexShow())
      col = FSortIndexes.Count() > 0 ? FSortIndexes.GetSortColumns(0) : FixedCols();
    else
      col = FSortSettings.Column();
  }
  if (col < 0) return -1;
  for (int r = FixedRows(); r < RowCount(); ++r)
    if (AnsiUpperCase(StrippedCells(col, r).substr(0, S.size())) == S) return r;
  return -1;
}
