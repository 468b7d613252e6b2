// What each drop does to the grid under the pointer.

#include "grid/exchange/GridDragDrop.h"

#include "grid/core/ExtGrid.h"
#include "grid/foundation/ExtUtil.h"

#include <algorithm>

TGridDropRecord& LastGridDrop() {
  static TGridDropRecord record;
  return record;
}

namespace {

std::string UpperExtension(const std::string& FileName) {
  const size_t dot = FileName.find_last_of('.');
  const size_t slash = FileName.find_last_of("/\\");
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return {};
  std::string ext = FileName.substr(dot);
  for (char& ch : ext) ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
  return ext;
}

}  // namespace

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
      Grid->InsertRows(row, blockRows);
      record.InsertedAt = row;
      record.InsertedCount = blockRows;
    }
    col = std::max(col, Grid->FixedCols());
    int lines = 0, fields = 0;
    Grid->ParseTextToCells(col, row, lines, fields, s);
    const int right = Grid->Options().Contains(goRowSelect) ? col + blockCols - Grid->FixedCols() : col + blockCols - 1;
    dropped = TGridRect{col, row, std::min(right, Grid->ColCount() - 1), std::min(row + blockRows - 1, Grid->RowCount() - 1)};
    Grid->SetSelection(dropped);
    record.Cells = dropped;
    LastGridDrop() = record;
  }
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
  }
  TGridRect sel = Grid->Selection();
  if (Grid->OnOleDropped) Grid->OnOleDropped(Grid, sel);
}

void TGridDropTarget::DropRTF(POINTL pt, const std::string& s) {
  int col = -1, row = -1;
  bool append = false;
  dropCell(pt, false, col, row, append);
  bool allow = true;
  if (Grid->OnOleDrop) Grid->OnOleDrop(Grid, row, col, s, allow);
  if (allow && col >= 0 && row >= 0) Grid->SetCells(Grid->RealColIndex(col), row, s);
}

void TGridDropTarget::DropURL(POINTL pt, const std::string& s) {
  int col = -1, row = -1;
  bool append = false;
  dropCell(pt, false, col, row, append);
  bool allow = true;
  if (Grid->OnOleDropURL) Grid->OnOleDropURL(Grid, row, col, s, allow);
  if (allow && col >= 0 && row >= 0) Grid->SetCells(Grid->RealColIndex(col), row, s);
}

void TGridDropTarget::DropFiles(POINTL pt, const std::vector<std::string>& files) {
  if (files.size() != 1) return;
  int col = -1, row = -1;
  bool append = false;
  dropCell(pt, false, col, row, append);
  const std::string& file = files.front();
  bool allow = true;
  if (Grid->OnOleDropFile) Grid->OnOleDropFile(Grid, row, col, file, allow);
  if (!allow) return;
  // The extension decides, not a ".CSV" somewhere in a folder's name.
  if (UpperExtension(file) == ".CSV") {
    if (Grid->OnOleDrop) Grid->OnOleDrop(Grid, -1, -1, file, allow);
    if (allow) Grid->LoadFromCSV(file, -1);
  }
}

void TGridDropTarget::DropCol(POINTL pt, int Col) {
  int col = -1, row = -1;
  bool append = false;
  dropCell(pt, true, col, row, append);
  if (col < 0) col = Grid->ColCount();
  if (Grid->DragDropSettings()->OleColumnReorder()) {
    col = std::min(col, Grid->ColCount() - 1);
    if (Col != col && Col >= 0 && Col < Grid->ColCount()) Grid->MoveColumn(Col, col);
  }
  if (Grid->OnOleDropCol) Grid->OnOleDropCol(Grid, row, col, Col);
}
