// What each drop does to the grid under the pointer.

#include "grid/exchange/GridDragDrop.h"

#include "grid/core/ExtGrid.h"
#include "grid/exchange/OfficeAddress.h"
#include "grid/foundation/ExtObjIndicators.h"
#include "grid/core/HeaderDragButton.h"
#include "grid/foundation/ExtUtil.h"
#include "toolkit/forms/Forms.h"
#include "toolkit/forms/std/ListBox.h"

#include <algorithm>

TGridDropRecord& LastGridDrop() {
  static TGridDropRecord record;
  return record;
}

void TGridDropTarget::dropCell(POINTL pt, bool IsColumn, int& ACol, int& ARow, bool& Append) const {
  Grid->ScreenToCell(TPoint{pt.x, pt.y}, ACol, ARow);
  Append = false;
  TDragDropSettings* s = Grid->DragDropSettings();
  if (ARow >= 0 || IsColumn || !s->OleEntireRows() || !s->OleAppendRows() || Grid->RowCount() == 0) return;
  const TPoint client = Grid->ScreenToClient(TPoint{pt.x, pt.y});
  const TRect last = Grid->CellRect(Grid->LeftCol(), Grid->RowCount() - 1);
  if (!last.IsEmpty() && client.Y >= last.Bottom) {
    ACol = Grid->FixedCols();
    ARow = Grid->RowCount() - 1;
    Append = true;
  }
}

void TGridDropTarget::DragMouseMove(POINTL pt, bool& Allow, TDropFormats Formats) {
  const bool isColumn = Formats.Contains(dfCol);
  int col = -1, row = -1;
  bool append = false;
  dropCell(pt, isColumn, col, row, append);
  bool cell = col >= 0 && row >= 0;
  if (!isColumn) {
    scrollTowards(pt, col, row);
    dropCell(pt, isColumn, col, row, append);  // the cell under the pointer after scrolling
    cell = col >= 0 && row >= 0;
    if (cell && row < Grid->FixedRows() && !(Grid->RowCount() == 1 && Grid->FixedRowAlways())) cell = false;
  } else if (!cell) {
    const TPoint client = Grid->ScreenToClient(TPoint{pt.x, pt.y});
    const TRect lastCol = Grid->CellRect(Grid->ColCount() - 1, 0);
    if (client.X >= lastCol.Right && client.Y >= 0) {  // beyond the last column: drop at the end
      col = Grid->ColCount();
      row = 0;
      cell = true;
    }
  } else {
    cell = row < Grid->FixedRows() && col >= Grid->FixedCols();
  }
  Allow = cell || Formats.Contains(dfFile) || Formats.Contains(dfGridCells);
  if (Grid->OnOleDragOver) Grid->OnOleDragOver(Grid, row, col, Allow);
  Allow = Allow && (cell || Formats.Contains(dfFile));

  Grid->hideOleIndicators(false);
  if (!Allow || !cell) return;
  if (isColumn) {
    showColumnArrows(col);
  } else {
    if (row == 0 && Grid->FixedRowAlways()) {
      row = 1;
      append = false;
    }
    showRowArrow(Grid->DragDropSettings()->OleEntireRows() ? Grid->FixedCols() : col, row, append);
  }
}

void TGridDropTarget::DragMouseLeave() { Grid->hideOleIndicators(false); }

void TGridDropTarget::scrollTowards(POINTL pt, int ACol, int ARow) {
  const int fixedRows = Grid->FixedRows(), fixedCols = Grid->FixedCols();
  const TPoint client = Grid->ScreenToClient(TPoint{pt.x, pt.y});
  if ((ARow >= 0 && ARow < fixedRows && Grid->TopRow() > fixedRows) ||
      (fixedRows == 0 && client.Y >= 0 && client.Y < 8 && Grid->TopRow() > 0)) {
    Grid->SetTopRow(Grid->TopRow() - 1);
  } else if (ARow >= 0 && ARow == Grid->TopRow() + Grid->VisibleRowCount() &&
             Grid->TopRow() + Grid->VisibleRowCount() < Grid->RowCount()) {
    Grid->SetTopRow(Grid->TopRow() + 1);
  }
  // Sideways only every other time the pointer moves between two ticks of
  // the grid's timer: columns are wider than rows are high.
  if (Grid->FTimerTicks % 2 != 0) return;
  ++Grid->FTimerTicks;
  if (ACol >= 0 && ACol < fixedCols && Grid->LeftCol() > fixedCols) {
    Grid->SetLeftCol(Grid->LeftCol() - 1);
  } else if (ACol >= 0 && ACol == Grid->LeftCol() + Grid->VisibleColCount() &&
             Grid->LeftCol() + Grid->VisibleColCount() < Grid->ColCount()) {
    Grid->SetLeftCol(Grid->LeftCol() + 1);
  }
}

void TGridDropTarget::showColumnArrows(int ACol) {
  Grid->ensureMoveControls();
  // Beyond the last column the arrows stand at its right border.
  const bool end = ACol >= Grid->ColCount();
  const TRect r = Grid->CellRect(end ? Grid->ColCount() - 1 : ACol, 0);
  const TPoint tl = Grid->ClientToScreen(TPoint{end ? r.Right : r.Left, r.Top});
  const TPoint bl = Grid->ClientToScreen(TPoint{end ? r.Right : r.Left, r.Bottom});
  Grid->FArwD->SetBounds(tl.X - 5, tl.Y - 8, 10, 9);
  Grid->FArwU->SetBounds(bl.X - 5, bl.Y, 11, 10);
  Grid->FArwD->Show();
  Grid->FArwU->Show();
}

void TGridDropTarget::showRowArrow(int ACol, int ARow, bool Append) {
  const TRect r = Grid->CellRect(ACol, ARow);
  if (r.IsEmpty()) return;  // the cell is out of view
  Grid->ensureMoveControls();
  const TPoint tl = Grid->ClientToScreen(TPoint{r.Left, Append ? r.Bottom + 1 : r.Top});
  Grid->FArwR->SetBounds(tl.X - 10, tl.Y - 5, 9, 11);
  Grid->FArwR->Show();
}

void TGridDropTarget::DropText(POINTL pt, const std::string& s) {
  TDragDropSettings* settings = Grid->DragDropSettings();
  int col = -1, row = -1;
  bool append = false;
  dropCell(pt, false, col, row, append);
  int blockCols = 0, blockRows = 0;
  TExtStringGrid::TextGridSize(s, blockCols, blockRows);
  blockRows = std::max(blockRows, 1);
  if (Grid->Options().Contains(goRowSelect)) col = settings->OleEntireRows() ? 0 : Grid->FixedCols();
  bool allow = true;
  if (Grid->OnOleDrop) Grid->OnOleDrop(Grid, row, col, s, allow);
  TGridRect dropped = Grid->Selection();
  if (allow && col >= 0 && row >= 0) {
    if (row == 0 && Grid->FixedRowAlways() && Grid->RowCount() == 1) row = 1;
    TGridDropRecord record{Grid, {}, -1, 0};
    if (append) {
      row = Grid->RowCount();
      Grid->SetRowCount(Grid->RowCount() + blockRows);
    } else if (settings->OleInsertRows()) {
      const int top = Grid->TopRow();
      Grid->InsertRows(row, blockRows);
      record.InsertedAt = row;
      record.InsertedCount = blockRows;
      if (top > Grid->FixedRows()) Grid->SetTopRow(top + 1);  // what was in view stays in view
    }
    col = std::max(col, Grid->FixedCols());
    int lines = 0, fields = 0;
    Grid->ParseTextToCells(col, row, lines, fields, s);
    const int right = Grid->Options().Contains(goRowSelect) ? col + blockCols - Grid->FixedCols() : col + blockCols - 1;
    dropped = TGridRect{col, row, std::min(right, Grid->ColCount() - 1), std::min(row + blockRows - 1, Grid->RowCount() - 1)};
    Grid->SetSelection(dropped);
    record.Cells = dropped;
    LastGridDrop() = record;
  } else {
    RefuseDrop();
  }
  Grid->hideOleIndicators(true);
  if (Grid->OnOleDropped) Grid->OnOleDropped(Grid, dropped);
}

void TGridDropTarget::DropStream(POINTL pt, std::unique_ptr<TMemoryStream> ms) {
  int col = -1, row = -1;
  bool append = false;
  dropCell(pt, false, col, row, append);
  if (col >= 0 && row >= 0) {
    const std::string bytes(reinterpret_cast<const char*>(ms->Memory()), static_cast<size_t>(ms->Size()));
    int rows = 0, cols = 0;
    const TGridRect area = Grid->PasteCellBlock(col, row, bytes, rows, cols);
    const TGridRect placed{area.Left, area.Top, std::min(area.Right, Grid->ColCount() - 1),
                           std::min(area.Bottom, Grid->RowCount() - 1)};
    Grid->SetSelection(placed);
    LastGridDrop() = TGridDropRecord{Grid, placed, -1, 0};
  } else {
    RefuseDrop();
  }
  Grid->hideOleIndicators(true);
  TGridRect sel = Grid->Selection();
  if (Grid->OnOleDropped) Grid->OnOleDropped(Grid, sel);
}

void TGridDropTarget::DropRTF(POINTL pt, const std::string& s) {
  int col = -1, row = -1;
  bool append = false;
  dropCell(pt, false, col, row, append);
  bool allow = true;
  if (Grid->OnOleDrop) Grid->OnOleDrop(Grid, row, col, s, allow);
  placeDroppedText(allow, col, row, s);
}

void TGridDropTarget::DropURL(POINTL pt, const std::string& s) {
  int col = -1, row = -1;
  bool append = false;
  dropCell(pt, false, col, row, append);
  bool allow = true;
  if (Grid->OnOleDropURL) Grid->OnOleDropURL(Grid, row, col, s, allow);
  placeDroppedText(allow, col, row, s);
}

void TGridDropTarget::placeDroppedText(bool Allow, int ACol, int ARow, const std::string& S) {
  if (Allow && ACol >= 0 && ARow >= 0) Grid->SetCells(Grid->RealColIndex(ACol), ARow, S);
  else RefuseDrop();
  Grid->hideOleIndicators(true);
}

void TGridDropTarget::DropFiles(POINTL pt, const std::vector<std::string>& files) {
  Grid->hideOleIndicators(true);
  if (files.size() != 1) return;
  int col = -1, row = -1;
  bool append = false;
  dropCell(pt, false, col, row, append);
  const std::string& file = files.front();
  bool allow = true;
  if (Grid->OnOleDropFile) Grid->OnOleDropFile(Grid, row, col, file, allow);
  if (!allow) return;
  // The extension decides, not a ".CSV" somewhere else in the name.
  const TDroppedFileKind kind = DroppedFileKind(file);
  if (kind == dfOther) return;
  if (Grid->OnOleDrop) Grid->OnOleDrop(Grid, -1, -1, file, allow);
  if (!allow) return;
  // A file that cannot be read is reported by the drop target.
  if (kind == dfCSV) Grid->LoadFromCSV(file, -1);
  else Grid->LoadFromXLS(file);
}

bool TGridDropTarget::dropListedColumn(int Pos) {
  TExtStringGrid::TOleColumnListDrag& pending = Grid->FOleColumnList;
  if (pending.Col < 0) return false;
  const TExtStringGrid::TOleColumnListDrag listed = pending;
  pending = {};
  if (listed.List && listed.Index >= 0 && listed.Index < listed.List->Items()->Count())
    listed.List->Items()->Delete(listed.Index);
  // The column order list knows where the column first stood; its real
  // index now is its place in that list.
  const TIntList* order = Grid->ColumnOrder();
  int real = listed.Col;
  if (order->Count() > 0) {
    real = -1;
    for (int i = 0; i < order->Count(); ++i)
      if (order->GetInteger(i) == listed.Col) real = i;
  }
  if (real < 0 || !Grid->IsHiddenColumn(real)) return true;
  Grid->UnHideColumn(real);
  const int from = Grid->DisplColIndex(real);
  const int to = std::min(Pos, Grid->ColCount() - 1);
  const bool enhanced = Grid->EnhRowColMove();
  Grid->SetEnhRowColMove(true);
  if (from != to) Grid->MoveColumn(from, to);
  Grid->SetEnhRowColMove(enhanced);
  return true;
}

void TGridDropTarget::DropCol(POINTL pt, int Col) {
  int col = -1, row = -1;
  bool append = false;
  dropCell(pt, true, col, row, append);
  if (col < 0) col = Grid->ColCount();
  Grid->hideOleIndicators(true);
  if (!dropListedColumn(col) && Grid->DragDropSettings()->OleColumnReorder()) {
    col = std::min(col, Grid->ColCount() - 1);
    if (Col != col && Col >= 0 && Col < Grid->ColCount()) Grid->MoveColumn(Col, col);
  }
  if (Grid->OnOleDropCol) Grid->OnOleDropCol(Grid, row, col, Col);
}

void TGridDropSource::QueryDrag() {
  TPoint at;
  GetCursorPos(at);
  if (Grid->DragDropSettings()->ShowCells()) {
    if (TForm* image = Grid->OleDragImage()) image->SetBounds(at.X + 4, at.Y + 4, image->Width(), image->Height());
  } else if (THeaderDragButton* button = Grid->HeaderDragButton(); button && button->Visible()) {
    button->SetBounds(at.X, at.Y - button->Height(), button->Width(), button->Height());
  }
}

void TGridDropSource::DragFinished() {
  TESGDropSource::DragFinished();
  Grid->FOleDragImage.reset();
}
