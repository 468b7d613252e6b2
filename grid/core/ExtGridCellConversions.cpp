// Operations of the string grid that serve one setting each: the columns
// whose equal cells merge, rich text between cells and a rich edit, and the
// column metrics the print engine keeps.

#include "grid/core/ExtGrid.h"
#include "toolkit/forms/std/RichEdit.h"

// ---- merged columns ----

void TExtStringGrid::SplitMergedColumns() {
  for (int c = 0; c < ColCount(); ++c) SplitColumnCells(c);
}

void TExtStringGrid::MergeListedColumns() {
  for (int i = 0; i < FMergedColumns.Count(); ++i) MergeColumnCells(FMergedColumns.GetInteger(i), i == 0);
}

void TExtStringGrid::MergedColumnsChanged() {
  SplitMergedColumns();
  MergeListedColumns();
}

// ---- rich text ----

// The cell holds the rich text's source; an empty cell empties the edit.
void TExtStringGrid::CellToRich(int ACol, int ARow, TRichEdit* Richeditor) {
  const std::string text = Cells(ACol, ARow);
  if (text.empty()) Richeditor->Clear();
  else Richeditor->LoadRichText(text);
}

std::string TExtStringGrid::RichToString(TRichEdit* Richeditor) {
  if (FDestroyingGrid) return {};
  return Richeditor->SaveRichText();
}

void TExtStringGrid::RichToCell(int ACol, int ARow, TRichEdit* Richeditor) {
  SetCells(ACol, ARow, RichToString(Richeditor));
}

void TExtStringGrid::DoRichEditSelectionChange() {
  if (OnRichEditSelectionChange) OnRichEditSelectionChange(this);
}

// ---- print column metrics ----

int TExtStringGrid::GetPrintColWidth(int ACol) const {
  if (ACol < 0 || ACol >= MaxPrintColumns) throw EExtGridError("Columns is not in valid range");
  return PrintColWidths[static_cast<size_t>(ACol)];
}

int TExtStringGrid::GetPrintColOffset(int ACol) const {
  if (ACol < 0 || ACol >= MaxPrintColumns) throw EExtGridError("Columns is not in valid range");
  return PrintColOffsets[static_cast<size_t>(ACol)];
}
