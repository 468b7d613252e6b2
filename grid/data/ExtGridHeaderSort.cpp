// The sort a click on a header starts: the first click on a column sorts it
// in the initial direction, each further click inverts it; with UndoSort
// the click that would come back to the initial direction restores the
// unsorted order. With IndexShow the clicks build a multi-column sort, the
// index key adding a column (or turning an added one round).

#include "grid/core/ExtGrid.h"
#include "platform/kernel/Clock.h"
#include "toolkit/forms/WinApi.h"
#include "toolkit/rtl/ScopeGuard.h"

void TExtStringGrid::SortByHeader(int ACol) {
  if (!FSortSettings.Show() || RowCount() <= 2) return;
  bool doSort = !IsIgnoredColumn(ACol);
  if (OnCanSort) OnCanSort(this, ACol, doSort);
  if (!doSort) {
    RepaintCell(ACol, FSortSettings.Row());
    return;
  }
  HideInplaceEdit();
  if (FSortRowXRef.Count() != RowCount()) InitSortXRef();
  const uint32_t start = GetTickCount();
  const int leftCol = LeftCol();
  const bool keepScroll = FNavigation.KeepHorizScroll() && Options().Contains(goRowSelect);
  {
    TGridUpdateLock lock(*this);
    // Merged columns merge rows of equal values: they merge again in the new order.
    const bool remerge = FSortSettings.AutoColumnMerge();
    if (remerge) SplitMergedColumns();
    auto merge = MakeScopeGuard([this, remerge] {
      if (remerge) MergeListedColumns();
    });
    if (FSortSettings.IndexShow()) {
      const int key = FSortSettings.IndexSortKey() == ikCtrl ? VK_CONTROL : VK_SHIFT;
      const bool asc = FSortSettings.InitSortDirection() == sdAscending;
      const int at = FSortIndexes.FindIndex(ACol);
      if (GetKeyState(key) < 0) {
        if (at < 0)
          FSortIndexes.AddIndex(ACol, asc);
        else
          FSortIndexes.ToggleIndex(ACol);
      } else if (FSortIndexes.Count() == 1 && at == 0) {
        FSortIndexes.ToggleIndex(ACol);
      } else {
        FSortIndexes.Clear();
        FSortIndexes.AddIndex(ACol, asc);
      }
      QSortIndexed();
      FSortSettings.SetColumn(FSortIndexes.Count() > 0 ? FSortIndexes.GetSortColumns(0) : -1);
    } else {
      bool undo = false;
      if (FSortSettings.Column() == ACol) {
        undo = FSortSettings.Direction() != FSortSettings.InitSortDirection() && FSortSettings.UndoSort();
        FSortSettings.ToggleDirection();
      } else {
        FSortSettings.SetDirection(FSortSettings.InitSortDirection());
        FSortSettings.SetColumn(ACol);
      }
      if (FNumNodes > 0) {
        QSortGroup();
      } else if (undo) {
        QUnSort();
        FSortSettings.SetColumn(-1);
      } else {
        QSort();
      }
    }
    if (keepScroll) SetLeftCol(leftCol);
  }
  FSortTime = static_cast<int>(GetTickCount() - start);
  // The controls kept in cells moved with their rows.
  if (FNumCellControls > 0) CellControlsUpdate(true);
  DoClickSort(FSortSettings.Column());
}
