// Check boxes in cells: adding and removing them, reading and setting their
// state, and the toggle of a click or the Space key. A data check box (and
// the column grid's virtual one) keeps its state in the cell text, compared
// exactly with the cell's check-true text.

#include "grid/core/ExtGrid.h"

#include "grid/foundation/ExtObj.h"
#include "toolkit/rtl/Exceptions.h"

namespace {

TCellVAlign cellVAlign(TVAlignment v) {
  switch (v) {
    case vtaCenter: return vaCenter;
    case vtaBottom: return vaBottom;
    default: return vaTop;
  }
}

}  // namespace

std::string TExtStringGrid::CellCheckTrue(int ARealCol, int ARow) {
  std::string v;
  GetCheckTrue(ARealCol, ARow, v);
  return v;
}

std::string TExtStringGrid::CellCheckFalse(int ARealCol, int ARow) {
  std::string v;
  GetCheckFalse(ARealCol, ARow, v);
  return v;
}

void TExtStringGrid::checkAddIndexes(int ARealCol, int ARow) const {
  // Negative indexes are refused as well: a cell object outside the grid could never be reached.
  if (ARealCol < 0 || ARow < 0 || ARealCol >= ColCount() + NumHiddenColumns() || ARow >= RowCount() + NumHiddenRows())
    throw Exception("Invalid cell");
}

TCellVAlign TExtStringGrid::ControlVAlign() const { return cellVAlign(FVAlignment); }

void TExtStringGrid::AddCheckBox(int ARealCol, int ARow, bool State, bool Data) {
  checkAddIndexes(ARealCol, ARow);
  CreateCellGraphic(ARealCol, ARow)->SetCheckBox(State, Data, true, haBeforeText, ControlVAlign());
  if (!Data) return;
  std::string text = Cells(ARealCol, ARow);
  if (text != FCheckTrue && text != FCheckFalse) SetCells(ARealCol, ARow, State ? FCheckTrue : FCheckFalse);
}

void TExtStringGrid::AddCheckBox(int ARealCol, int ARow, TCheckBoxState State) {
  checkAddIndexes(ARealCol, ARow);
  CreateCellGraphic(ARealCol, ARow)->SetCheckBox(State, true, haBeforeText, ControlVAlign());
}

// The rows the column operations reach: from the header with CheckAllCheck.
int TExtStringGrid::firstCheckRow() { return FMouseActions.CheckAllCheck() ? 0 : FixedRows(); }

// A summary row gets no box; a node row a three-state one that shows its rows.
void TExtStringGrid::AddCheckBoxColumn(int ARealCol, bool DefaultState, bool DataCheckBox) {
  for (int r = firstCheckRow(); r < RowCount(); ++r) {
    if (IsSummary(r)) continue;
    if (IsNode(r)) AddCheckBox(ARealCol, r, cbUnchecked);
    else AddCheckBox(ARealCol, r, DefaultState, DataCheckBox);
  }
}

void TExtStringGrid::AddTriStateCheckBoxColumn(int ARealCol, TCheckBoxState State) {
  for (int r = firstCheckRow(); r < RowCount(); ++r) AddCheckBox(ARealCol, r, State);
}

void TExtStringGrid::RemoveCheckBoxColumn(int ARealCol) {
  for (int r = firstCheckRow(); r < RowCount(); ++r)
    if (HasCheckBox(ARealCol, r)) RemoveCheckBox(ARealCol, r);
}

void TExtStringGrid::RemoveCheckBox(int ARealCol, int ARow) {
  TCellGraphic* g = OwnCellGraphic(ARealCol, ARow);
  if (!g || !TCellTypes{ctCheckBox, ctDataCheckBox, ctTriStateCheckBox}.Contains(g->CellType)) return;
  RemoveCellGraphic(ARealCol, ARow);  // an attached balloon goes with the graphic
}

bool TExtStringGrid::HasCheckBox(int ARealCol, int ARow) {
  return IsCellTypeInSet(ARealCol, ARow, {ctCheckBox, ctDataCheckBox, ctVirtCheckBox, ctRowCheckBox, ctTriStateCheckBox});
}

bool TExtStringGrid::HasDataCheckBox(int ARealCol, int ARow) {
  return IsCellTypeInSet(ARealCol, ARow, {ctDataCheckBox, ctVirtCheckBox, ctRowCheckBox});
}

// The graphic of a cell addressed by its real row: with hidden rows the
// cell's own object where the row lives, else the cell's graphic (which
// still yields the shared row and virtual check boxes).
// A hidden row keeps its cell objects in its item, either bare or inside the
// cell's properties; its displayed index names another row, so it is never
// looked up by that.
TCellGraphic* TExtStringGrid::checkGraphicOfRealRow(int ARealCol, int ARealRow, bool& Own) {
  Own = false;
  if (IsHiddenRow(ARealRow)) {
    TObject* raw = GetRawObjectEx(ARealCol, ARealRow);
    if (auto* props = dynamic_cast<TCellProperties*>(raw)) raw = props->GraphicObject();
    auto* g = dynamic_cast<TCellGraphic*>(raw);
    Own = g != nullptr;
    return g;
  }
  return GetCellGraphic(ARealCol, RealToDisplRow(ARealRow));
}

bool TExtStringGrid::textChecked(int ARealCol, int ARealRow) {
  int row = NumHiddenRows() > 0 ? RealToDisplRow(ARealRow) : ARealRow;
  return AllCells(ARealCol, ARealRow) == CellCheckTrue(ARealCol, row);
}

bool TExtStringGrid::GetCheckBoxState(int ARealCol, int ARealRow, TCheckBoxState& State) {
  bool own = false;
  TCellGraphic* g = checkGraphicOfRealRow(ARealCol, ARealRow, own);
  if (!g) return false;
  if (g->CellType == ctTriStateCheckBox) {
    State = g->CellCheckBoxState;
    return true;
  }
  bool b = false;
  if (g->CellType == ctRowCheckBox && NumHiddenRows() > 0 && !own && ARealCol == 0) {
    State = BoolToCheckBoxState(g->CellBoolean);
    return true;
  }
  if (!GetCheckBoxState(ARealCol, ARealRow, b)) return false;
  State = BoolToCheckBoxState(b);
  return true;
}

// A three-state box reads as checked only when checked; grayed reads as
// checked too, so that the Boolean answer is always set.
bool TExtStringGrid::GetCheckBoxState(int ARealCol, int ARealRow, bool& State) {
  bool own = false;
  TCellGraphic* g = checkGraphicOfRealRow(ARealCol, ARealRow, own);
  if (!g) return false;
  switch (g->CellType) {
    case ctCheckBox: State = g->CellBoolean; return true;
    case ctDataCheckBox:
    case ctVirtCheckBox: State = textChecked(ARealCol, ARealRow); return true;
    case ctTriStateCheckBox: State = g->CellCheckBoxState != cbUnchecked; return true;
    case ctRowCheckBox:
      if (ARealCol != 0) return false;
      State = g->CellBoolean;
      return true;
    default: return false;
  }
}

bool TExtStringGrid::IsChecked(int ARealCol, int ARealRow) {
  bool b = false;
  return GetCheckBoxState(ARealCol, ARealRow, b) && b;
}

bool TExtStringGrid::SetCheckBoxState(int ARealCol, int ARealRow, bool State) {
  bool own = false;
  TCellGraphic* g = checkGraphicOfRealRow(ARealCol, ARealRow, own);
  if (!g) return false;
  int row = NumHiddenRows() > 0 ? RealToDisplRow(ARealRow) : ARealRow;
  switch (g->CellType) {
    case ctCheckBox:
      g->CellBoolean = State;
      RepaintCell(DisplColIndex(ARealCol), row);
      return true;
    case ctDataCheckBox:
    case ctVirtCheckBox:
      SetAllCells(ARealCol, ARealRow, State ? CellCheckTrue(ARealCol, row) : CellCheckFalse(ARealCol, row));
      return true;
    case ctRowCheckBox:
      if (ARealCol != 0) return false;
      SetRowSelect(ARealRow, State);
      return true;
    default: return false;
  }
}

bool TExtStringGrid::SetCheckBoxState(int ARealCol, int ARealRow, TCheckBoxState State) {
  bool own = false;
  TCellGraphic* g = checkGraphicOfRealRow(ARealCol, ARealRow, own);
  if (!g || g->CellType != ctTriStateCheckBox) return false;
  g->CellCheckBoxState = State;
  RepaintCell(DisplColIndex(ARealCol), NumHiddenRows() > 0 ? RealToDisplRow(ARealRow) : ARealRow);
  return true;
}

bool TExtStringGrid::ToggleCheckBox(int ARealCol, int ARow) { return ClickCheckBox(ARealCol, ARow, false); }

bool TExtStringGrid::ToggleCheck(int ARealCol, int ARow, bool FromEdit) {
  (void)FromEdit;
  if (!ClickCheckBox(ARealCol, ARow, true)) return false;
  bool state = false;
  GetCheckBoxState(ARealCol, RealRowIndex(ARow), state);
  DoCheckBoxClick(ARealCol, ARow, state);
  return true;
}

void TExtStringGrid::CheckAll(int ARealCol) {
  for (int r = FixedRows(); r < RowCount(); ++r) ChangeCheckBoxState(ARealCol, r, true);
  if (NumHiddenColumns() > 0) InvalidateCol(DisplColIndex(ARealCol));
}

void TExtStringGrid::UnCheckAll(int ARealCol) {
  for (int r = FixedRows(); r < RowCount(); ++r) ChangeCheckBoxState(ARealCol, r, false);
}

bool TExtStringGrid::ChangeCheckBoxState(int ARealCol, int ARow, bool State) {
  TCellGraphic* g = GetCellGraphic(ARealCol, ARow);
  if (!g) return false;
  switch (g->CellType) {
    case ctCheckBox:
      if (State == g->CellBoolean) return true;
      g->CellBoolean = State;
      DoCheckBoxChange(ARealCol, ARow, State);
      RepaintCell(DisplColIndex(ARealCol), ARow);
      return true;
    case ctDataCheckBox:
    case ctVirtCheckBox: {
      bool was = Cells(ARealCol, ARow) == CellCheckTrue(ARealCol, ARow);
      SetCells(ARealCol, ARow, State ? CellCheckTrue(ARealCol, ARow) : CellCheckFalse(ARealCol, ARow));
      if (State != was) DoCheckBoxChange(ARealCol, ARow, State);
      return true;
    }
    case ctRowCheckBox:
      if (ARealCol != 0) return false;
      if (State != RowSelect(RealRowIndex(ARow))) {
        SetRowSelect(RealRowIndex(ARow), State);
        DoCheckBoxChange(ARealCol, ARow, State);
      }
      return true;
    default: return false;
  }
}

bool TExtStringGrid::ClickCheckBox(int ARealCol, int ARow, bool AskCanEdit) {
  TCellGraphic* g = GetCellGraphic(ARealCol, ARow);
  if (!g) return false;
  if (!TCellTypes{ctCheckBox, ctDataCheckBox, ctVirtCheckBox, ctRowCheckBox, ctTriStateCheckBox}.Contains(
          g->CellType))
    return false;
  if (AskCanEdit && !FControlLook.CheckAlwaysActive()) {
    bool canEdit = true;
    CanEditCell(ARealCol, ARow, canEdit);
    if (!canEdit) return false;
  }
  int node = checkGroupNode(ARow);
  bool state = false;
  bool textKind = false;
  switch (g->CellType) {
    case ctCheckBox:
      g->CellBoolean = !g->CellBoolean;
      state = g->CellBoolean;
      break;
    case ctTriStateCheckBox:
      if (node == ARow) {
        // A node's box shows its rows: a click checks them all or none, never grays.
        g->CellCheckBoxState = g->CellCheckBoxState == cbChecked ? cbUnchecked : cbChecked;
        state = g->CellCheckBoxState == cbChecked;
        break;
      }
      g->CellCheckBoxState = g->CellCheckBoxState == cbUnchecked ? cbGrayed
                             : g->CellCheckBoxState == cbGrayed  ? cbChecked
                                                                 : cbUnchecked;
      break;
    case ctRowCheckBox:
      if (ARealCol != 0) return false;
      state = clickRowCheckBox(g, ARow);
      break;
    default: {
      textKind = true;
      std::string t = CellCheckTrue(ARealCol, ARow), f = CellCheckFalse(ARealCol, ARow);
      state = Cells(ARealCol, ARow) != t;
      SetCells(ARealCol, ARow, state ? t : f);
      break;
    }
  }
  RepaintCell(DisplColIndex(ARealCol), ARow);
  DoCheckBoxChange(ARealCol, ARow, state);
  if (node >= 0) checkGroup(ARealCol, ARow, node, state);
  if (textKind && UndoRedo())
    UndoRedo()->RegisterChange(ARealCol, ARow, state ? CellCheckFalse(ARealCol, ARow) : CellCheckTrue(ARealCol, ARow),
                               state ? CellCheckTrue(ARealCol, ARow) : CellCheckFalse(ARealCol, ARow));
  return true;
}

// The node row a click on ARow reaches with AutoCheckGroup: the row itself
// when it is a node, else the node that owns it; -1 for none.
int TExtStringGrid::checkGroupNode(int ARow) {
  if (!FGrouping.AutoCheckGroup()) return -1;
  return IsNode(ARow) ? ARow : GetParentRow(ARow);
}

// The rows of a group are reached by their real rows, those hidden by a
// contracted node included.
void TExtStringGrid::checkGroup(int ARealCol, int ARow, int ANode, bool State) {
  int nodeReal = RealRowIndex(ANode);
  TCellGraphic* n = nodeAtReal(nodeReal);
  if (!n) return;
  int last = nodeEndReal(nodeReal, n);
  if (ANode == ARow) {
    for (int r = nodeReal + 1; r <= last; ++r) SetCheckBoxState(ARealCol, r, State);
    return;
  }
  bool all = true, none = true;
  for (int r = nodeReal + 1; r <= last; ++r) {
    bool b = false;
    if (!GetCheckBoxState(ARealCol, r, b)) continue;
    all = all && b;
    none = none && !b;
  }
  SetCheckBoxState(ARealCol, nodeReal, all ? cbChecked : none ? cbUnchecked : cbGrayed);
}

void TExtStringGrid::DoCheckBoxChange(int ARealCol, int ARow, bool State) {
  if (OnCheckBoxChange) OnCheckBoxChange(this, ARealCol, ARow, State);
}

bool TExtStringGrid::IsInCheckBox(int ARealCol, int ARow, int XPos, int YPos) {
  TCellGraphic* g = GetCellGraphic(ARealCol, ARow);
  if (!g || !TCellTypes{ctCheckBox, ctDataCheckBox, ctVirtCheckBox, ctRowCheckBox, ctRadioButton,
                        ctTriStateCheckBox}.Contains(g->CellType))
    return false;
  if (!FMouseActions.PreciseCheckBoxCheck()) return true;
  int s = FControlLook.CheckSize();
  TRect r = CellRect(DisplColIndex(ARealCol), ARow);
  int top = g->CellVAlign == vaBottom   ? r.Bottom - s - 2
            : g->CellVAlign == vaCenter ? r.Top + (r.Height() - s) / 2
                                        : r.Top + 2;
  TAlignment ha = taLeftJustify;
  TVAlignment va = vtaTop;
  GetCellAlignment(ARealCol, ARow, ha, va);
  int left = r.Left + 2;
  if (ha == taRightJustify) {
    left = r.Right - s - 2;
    if (!Cells(ARealCol, ARow).empty()) left -= Canvas()->TextWidth(Cells(ARealCol, ARow));
  } else if (ha == taCenter) {
    left = r.Left + (r.Width() - s) / 2;
  }
  return XPos >= left && XPos < left + s && YPos >= top && YPos < top + s;
}

// A row check box selects its row (the header's all normal rows); it
// keeps its state in the row selection and writes nothing into the cell.
bool TExtStringGrid::clickRowCheckBox(TCellGraphic* G, int ARow) {
  if (ARow >= FixedRows()) {
    bool state = !RowSelect(RealRowIndex(ARow));
    SetRowSelect(RealRowIndex(ARow), state);
    return state;
  }
  bool state = !G->CellBoolean;
  for (int r = FixedRows(); r < RowCount(); ++r) SetRowSelect(RealRowIndex(r), state);
  Invalidate();
  return state;
}
