// Cell checking through the grid's CellChecker: each cell of a range, its
// earlier error marks taken off, is corrected and marked by the checker and
// written back when that changed it.

#include "controls/esgcheck.h"
#include "grid/core/ExtGrid.h"
#include "toolkit/rtl/ScopeGuard.h"

void TExtStringGrid::SetCellChecker(TExtStringGridCheck* Value) {
  FCellChecker = Value;
  if (Value) Value->FreeNotification(this);
}

bool TExtStringGrid::CheckCell(int ARealCol, int ARow) {
  if (!FCellChecker) return true;
  std::string stored = GetCellEx(ARealCol, ARow);
  std::string s = UnMarkText(stored);
  if (FCellChecker->GotoCell()) MoveColRow(DisplColIndex(ARealCol), ARow, true, true);
  std::string t = s;
  if (FCellChecker->UseCorrect()) t = FCellChecker->Correct(ARealCol, ARow, s);
  if (FCellChecker->UseMarkError()) t = FCellChecker->MarkError(ARealCol, ARow, s);
  // Writing also takes off the marks of an earlier check that found nothing now.
  if (t != stored) SetCellEx(ARealCol, ARow, t);
  return t == s;
}

bool TExtStringGrid::checkRealCells(const std::vector<int>& RealCols, int FromRow, int ToRow) {
  if (!FCellChecker) return true;
  FCellChecker->StartCheck();
  int row = Row(), col = Col();
  // The cursor comes back and the checker hears the end, however the check ends.
  auto back = MakeScopeGuard([this, row, col] {
    FCellChecker->StopCheck();
    if (FCellChecker->GotoCell()) {
      SetRow(row);
      SetCol(col);
    }
  });
  bool ok = true;
  for (int r = FromRow; r <= ToRow; ++r)
    for (int c : RealCols) ok = CheckCell(c, r) && ok;
  return ok;
}

bool TExtStringGrid::CheckCells(int FromCol, int FromRow, int ToCol, int ToRow) {
  std::vector<int> cols;
  for (int d = FromCol; d <= ToCol; ++d) cols.push_back(RealColIndex(d));
  return checkRealCells(cols, FromRow, ToRow);
}

bool TExtStringGrid::CheckCol(bool DoFixed, int ARealCol) {
  return checkRealCells({ARealCol}, firstRangeRow(DoFixed), lastRangeRow(DoFixed));
}

bool TExtStringGrid::CheckRow(bool DoFixed, int ARow) { return checkRealCells(realColsOf(DoFixed, false), ARow, ARow); }

bool TExtStringGrid::CheckGrid(bool DoFixed) {
  return checkRealCells(realColsOf(DoFixed, false), firstRangeRow(DoFixed), lastRangeRow(DoFixed));
}
