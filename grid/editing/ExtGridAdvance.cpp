// Enter on the grid and the advance after an edit: which cell comes next,
// appending a row or a column at the end, skipping read-only cells and
// OnAutoAdvance, and opening the editor on the new cell.

#include "grid/core/ExtGrid.h"
#include "grid/editing/EditFilters.h"
#include "toolkit/forms/WinApi.h"

void TExtStringGrid::KeyPress(char& Key) {
  if (Key == 27) {
    if (Options().Contains(goEditing) && FEditing) RestoreEditCell();
    if (OnKeyPress) OnKeyPress(this, Key);
    return;
  }
  int rc = RealColIndex(Col());
  bool advance = FNavigation.AdvanceOnEnter();
  if (Key == '\r' && !advance && !IsEditable(rc, Row())) {
    if (OnKeyPress) OnKeyPress(this, Key);
    Key = 0;
    return;
  }
  bool clickable = HasClickableControl(rc, Row());
  if (Key == '\r' && (!Focused() || clickable)) {
    AdvanceToNextCell(Col(), Row(), false, false, true, false, EditMode);
    if (!FNavigation.AdvanceAutoEdit()) {
      if (OnKeyPress) OnKeyPress(this, Key);
      Key = 0;
      return;
    }
    if (clickable) {
      if (OnKeyPress) OnKeyPress(this, Key);
      if (advance) ShowInplaceEdit();
      return;
    }
  }
  TBaseGrid::KeyPress(Key);
}

// Where the cursor goes from (ACol, ARow); false when it stays.
bool TExtStringGrid::nextAdvanceCell(int& ACol, int& ARow, bool Forward) {
  TAdvanceDirection dir = FNavigation.AdvanceDirection();
  int span = std::max(0, CellSpan(RealColIndex(ACol), ARow).X);
  int first = FixedCols() > 0 || FNumNodes == 0 ? FixedCols() : 1;
  int lastCol = ColCount() - 1 - FixedRightCols(), lastRow = RowCount() - 1 - FixedFooters();
  if (!Forward) {
    if (dir == adLeftRight) {
      if (ACol > first) --ACol;
      else {
        ACol = lastCol;
        ARow = ARow > FixedRows() ? ARow - 1 : lastRow;
      }
    } else if (dir == adTopBottom) {
      if (ARow > FixedRows()) --ARow;
      else {
        ARow = lastRow;
        ACol = ACol > first ? ACol - 1 : lastCol;
      }
    }
    return true;
  }
  if (dir == adLeftRight || dir == adLeftRightInRow) {
    if (ACol + span < ColCount() - 1 - FixedRightCols()) {
      ACol += span + 1;
    } else if (dir == adLeftRightInRow) {
      if (FNavigation.AdvanceOnEnterLoop()) ACol = first;
    } else if (ARow == lastRow) {
      if (FNavigation.AdvanceInsert()) {
        bool canAdd = true;
        DoCanAddRow(canAdd);
        ACol = first;
        if (canAdd) {
          AddRow();
          ++ARow;
          if (OnAutoAddRow) OnAutoAddRow(this, RowCount() - 1 - FixedFooters());
          bool anyEditable = false;
          for (int c = FixedCols(); c < ColCount() && !anyEditable; ++c) anyEditable = IsEditable(RealColIndex(c), ARow);
          if (!anyEditable) return false;
        }
      } else if (FNavigation.AdvanceOnEnterLoop()) {
        ARow = FixedRows();
        ACol = first;
      }
    } else {
      ++ARow;
      ACol = first;
    }
  } else if (ARow != lastRow) {
    ++ARow;
  } else if (dir == adTopBottomInCol) {
    ARow = FixedRows();
  } else {
    if (ACol != lastCol) {
      ARow = FixedRows();
      ACol = ACol + 1 >= ColCount() ? first : ACol + 1;
    } else if (FNavigation.AdvanceInsert()) {
      SetColCount(ColCount() + 1);
      ACol += span + 1;
      ARow = FixedRows();
      if (OnAutoInsertCol) OnAutoInsertCol(this, ColCount() - 1 - FixedRightCols());
    } else {
      ARow = FixedRows();
      ACol = first;
    }
    Invalidate();
  }
  return true;
}

void TExtStringGrid::AdvanceToNextCell(int ACol, int ARow, bool Force, bool AutoEdit, bool Forward, bool Recursion,
                                       bool ShowEditor) {
  if (!FNavigation.AdvanceOnEnter() && !Force) return;
  if (FMouseActions.RangeSelectAndEdit() && !Options().Contains(goEditing)) {
    TGridOptions o = Options();
    o.Include(goEditing);
    SetOptions(o);
  }
  if (!Recursion) {
    FAECol = ACol;
    FAERow = ARow;
  }
  int oldCol = ACol, oldRow = ARow;
  FStartEditChar = 0;
  if (!nextAdvanceCell(ACol, ARow, Forward)) return;
  int rc = RealColIndex(ACol);
  bool canEdit = true;
  CanEditCell(rc, ARow, canEdit);
  if (canEdit) {
    bool allow = true;
    if (OnAutoAdvance) OnAutoAdvance(this, FAERow, FAECol, ARow, ACol, allow);
    if (allow && OnCellChanging) OnCellChanging(this, FAERow, FAECol, ARow, ACol, allow);
    FDisableChange = true;
    if (allow) {
      SetCol(ACol);
      SetRow(ARow);
    } else {
      SelectCell(oldCol, oldRow);
    }
    FDisableChange = false;
  } else if (FNavigation.AdvanceSkipReadOnlyCells()) {
    AdvanceToNextCell(ACol, ARow, Force, AutoEdit, Forward, true, ShowEditor);
    return;
  } else {
    SetCol(ACol);
    SetRow(ARow);
  }
  if (!ShowEditor) return;
  rc = RealColIndex(Col());
  bool clickable = HasClickableControl(rc, Row());
  if ((AutoEdit && FNavigation.AdvanceAutoEdit()) || clickable) {
    if (!IsEditable(rc, Row())) return;
    TCustomGrid::ShowEditor();
    if (clickable) openClickableAfterAdvance(oldCol, oldRow);
  }
}

// A check box or button reached by Enter reacts as to a click on it.
void TExtStringGrid::openClickableAfterAdvance(int OldCol, int OldRow) {
  int newCol = Col(), newRow = Row();
  if (!HasClickableControl(RealColIndex(OldCol), OldRow)) {
    clickCellAt(newCol, newRow);
    if (FNavigation.AdvanceDirection() != adLeftRight) HideEditor();
  }
  FDisableChange = false;
  bool allow = true;
  if (OnCellChanging) OnCellChanging(this, OldRow, OldCol, Row(), Col(), allow);
  TEditorType kind = FDefaultEditor;
  GetCellEditor(RealColIndex(OldCol), OldRow, kind);
  if (!IsNormalTextEditor(kind)) HideEditor();
}
