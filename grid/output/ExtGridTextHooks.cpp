// The decisions the grid routes through overridable hooks: which text of a
// cell is raw, exported or imported, what a selection change repaints, and
// how one row is inserted or removed automatically.

#include "grid/core/ExtGrid.h"
#include "grid/foundation/EsgHTMLE.h"
#include "grid/foundation/ExtUtil.h"

void TExtStringGrid::GetCellRawText(int ACol, int ARow, std::string& Text) { Text = Cells(ACol, ARow); }

// The text the file writers and the clipboard take: formatted or stored,
// the check text of an empty check box, markup kept or removed, then the
// handler's word.
void TExtStringGrid::GetCellExportText(int ACol, int ARow, std::string& Text) {
  Text = SaveVirtCells ? GetFormattedCell(ACol, ARow) : GetGridCell(ACol, ARow);
  if (Text.empty()) exportCheckText(ACol, ARow, Text);
  switch (GetTextKind(Text, true)) {
    case 1:
      if (!SaveWithHTML) Text = StripHTMLTags(Text);
      break;
    case 2:
      if (SaveWithRTF) {
        std::erase(Text, '\r');
        std::erase(Text, '\n');
      } else {
        Text = RichTextToPlain(Text);
      }
      break;
    default: break;
  }
  if (OnSaveCell) OnSaveCell(this, ACol, ARow, Text);
}

// An empty check-box cell exports its state as the check texts.
void TExtStringGrid::exportCheckText(int ACol, int ARow, std::string& Text) {
  TCellGraphic* g = GetCellGraphic(ACol, ARow);
  if (!g) return;
  bool checked = false;
  if (g->CellType == ctCheckBox) {
    GetCheckBoxState(ACol, RealRowIndex(ARow), checked);
  } else if (g->CellType == ctTriStateCheckBox) {
    TCheckBoxState state = cbUnchecked;
    checked = GetCheckBoxState(ACol, RealRowIndex(ARow), state) && state == cbChecked;
  } else {
    return;
  }
  if (checked) GetCheckTrue(ACol, ARow, Text);
  else GetCheckFalse(ACol, ARow, Text);
}

void TExtStringGrid::SetCellImportText(int ACol, int ARow, const std::string& Text) {
  std::string value = Text;
  if (OnLoadCell) OnLoadCell(this, ACol, ARow, value);
  SetGridCell(ACol, ARow, value);
}

// The looks whose selection style frames the whole selection repaint it.
void TExtStringGrid::DoSelectionChanged(int ALeft, int ATop, int ARight, int ABottom) {
  if (FLook == glVista || FLook == glWin7 || FLook == glOffice2007) {
    for (int r = std::max(0, ATop); r <= ABottom && r < RowCount(); ++r)
      for (int c = std::max(0, ALeft); c <= ARight && c < ColCount(); ++c) RepaintCell(c, r);
  }
  FSelectionChangedFlag = true;
  SelectionChanged(ALeft, ATop, ARight, ABottom);
}

void TExtStringGrid::EditorCaretChanged(const std::string& Text, TPoint CaretPoint, int CaretIndex) {
  (void)Text;
  (void)CaretPoint;
  (void)CaretIndex;
}

// ARow is a real row: with hidden rows before it, the row structure edits
// take its displayed place, so the new row lands where it was asked for.
void TExtStringGrid::DoAutoInsertRow(int ARow) {
  if (NumNodes() > 0 && GetParentRow(DisplRowIndex(ARow)) != -1) InsertChildRow(ARow, 0);
  else InsertNormalRow(ARow);
}

// The last normal row is emptied rather than removed unless the grid may
// stand without normal rows.
void TExtStringGrid::DoAutoDeleteRow(int ARow) {
  if (NumNodes() > 0 && GetParentRow(DisplRowIndex(ARow)) != -1) RemoveChildRow(ARow);
  else if (NumNodes() == 0 && RowCount() - FixedRows() - FixedFooters() == 1 && !FixedRowAlways())
    ClearRows(DisplRowIndex(ARow), 1);
  else RemoveNormalRow(ARow);
  if (OnAutoDeleteRow) OnAutoDeleteRow(this, ARow);
}

void TExtStringGrid::DoFixedEdit(int ACol, int ARow, TGridFixedCellEditor& AEditor, TStrings* Values) {
  if (OnFixedEdit) OnFixedEdit(this, ACol, ARow, AEditor, Values);
}

void TExtStringGrid::SetSyncGrid(const TSyncGrid* Value) { FSyncGrid.Assign(Value); }
