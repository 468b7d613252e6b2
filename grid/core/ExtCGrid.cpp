// The column grid: items follow the columns, and each per-cell hook puts the
// column's settings in before the grid's own hook and the application's
// event.

#include "grid/core/ExtCGrid.h"

#include <cstdio>

#include "grid/foundation/ExtUtil.h"
#include "toolkit/forms/std/Menus.h"
#include "toolkit/rtl/SysUtils.h"

TExtColumnGrid::TExtColumnGrid(TComponent* AOwner) : TExtStringGrid(AOwner) {
  FColumns = CreateColumns();
  FColumns->NoRecursiveUpdate = true;
  MatchColumnsToColCount();
  FColumns->NoRecursiveUpdate = false;
  FGroupColumn = std::make_unique<TGridColumnItem>(nullptr);
}

TExtColumnGrid::~TExtColumnGrid() {
  FDestroyingGrid = true;
  // Items must not reach back into a grid that is going away.
  FColumns->NoRecursiveUpdate = true;
  FColumns.reset();
}

std::unique_ptr<TGridColumnCollection> TExtColumnGrid::CreateColumns() {
  return std::make_unique<TGridColumnCollection>(this);
}

std::string TExtColumnGrid::GetVersionString() const {
  int v = GetVersionNr();
  char buf[64];
  std::snprintf(buf, sizeof buf, "%d.%d.%d.%d Aug, 2012", (v >> 24) & 0xFF, (v >> 16) & 0xFF, (v >> 8) & 0xFF,
                v & 0xFF);
  return buf;
}

TGridColumnItem* TExtColumnGrid::GetColumnByName(const std::string& AValue) const {
  for (int i = 0; i < FColumns->Count(); ++i)
    if (FColumns->Items(i)->Name() == AValue) return FColumns->Items(i);
  return nullptr;
}

TGridColumnItem* TExtColumnGrid::columnOf(int ARealCol) const {
  if (!FColumns || ARealCol < 0 || ARealCol >= FColumns->Count()) return nullptr;
  return FColumns->Items(ARealCol);
}

bool TExtColumnGrid::isNormalCell(int ARealCol, int ARow) const {
  return ARealCol >= FixedCols() && ARealCol < AllColCount() - FixedRightCols() && ARow >= FixedRows() &&
         ARow < RowCount() - FixedFooters();
}

void TExtColumnGrid::SetColCount(int Value) {
  TExtStringGrid::SetColCount(Value);
  bool was = FColumns->NoRecursiveUpdate;
  FColumns->NoRecursiveUpdate = true;
  MatchColumnsToColCount();
  FColumns->NoRecursiveUpdate = was;
}

void TExtColumnGrid::MatchColumnsToColCount() {
  int want = AllColCount();
  // A column added after loading counts its own index as its place then.
  while (FColumns->Count() < want) {
    TGridColumnItem* item = FColumns->Add();
    item->DefIdx = item->Index();
  }
  while (FColumns->Count() > want) FColumns->Delete(FColumns->Count() - 1);
}

void TExtColumnGrid::CollectColumnHeaders() {
  if (FixedRows() <= 0) return;
  bool was = FColumns->NoRecursiveUpdate;
  FColumns->NoRecursiveUpdate = true;
  TStringList* headers = ColumnHeaders();
  headers->BeginUpdate();
  headers->Clear();
  for (int i = 0; i < FColumns->Count(); ++i) {
    TGridColumnItem* item = FColumns->Items(i);
    if (item->FHeader.empty() && !Cells(i, 0).empty()) item->FHeader = Cells(i, 0);
    headers->Add(item->FHeader);
  }
  headers->EndUpdate();
  FColumns->NoRecursiveUpdate = was;
}

void TExtColumnGrid::UpdateColumnHeaders() {
  if (!FColumns) return;
  TStringList* headers = ColumnHeaders();
  for (int i = 0; i < headers->Count() && i < FColumns->Count(); ++i) FColumns->Items(i)->FHeader = headers->Strings(i);
}

void TExtColumnGrid::CellsLoaded() {
  TExtStringGrid::CellsLoaded();
  bool was = FColumns->NoRecursiveUpdate;
  FColumns->NoRecursiveUpdate = true;
  MatchColumnsToColCount();
  FColumns->NoRecursiveUpdate = was;
}

// The columns' order of loading is noted before the grid's loading applies a
// stored order, which is given against it.
void TExtColumnGrid::Loaded() {
  FColumns->SetOrganization();
  TExtStringGrid::Loaded();
}

void TExtColumnGrid::Notification(TComponent* AComponent, TOperation Operation) {
  TExtStringGrid::Notification(AComponent, Operation);
  if (Operation != opRemove || !FColumns) return;
  for (int i = 0; i < FColumns->Count(); ++i) {
    TGridColumnItem* item = FColumns->Items(i);
    if (reinterpret_cast<TComponent*>(item->EditLink()) == AComponent) item->SetEditLink(nullptr);
    if (item->ColumnPopup() == AComponent) item->SetColumnPopup(nullptr);
  }
}

// The item travels with its column.
void TExtColumnGrid::ColumnMoved(int FromIndex, int ToIndex) {
  int f = RealColIndex(FromIndex), t = RealColIndex(ToIndex);
  TExtStringGrid::ColumnMoved(FromIndex, ToIndex);
  if (f < FColumns->Count() && t < FColumns->Count() && f != t) {
    FColumns->NoRecursiveUpdate = true;
    FColumnMoving = true;
    FColumns->BeginUpdate();
    TCollectionItem* moved = FColumns->Items(f);
    moved->SetIndex(t);
    FColumns->EndUpdate();
    FColumnMoving = false;
    FColumns->NoRecursiveUpdate = false;
  }
  if (OnAfterColumnMoved) OnAfterColumnMoved(this, f, t);
}

void TExtColumnGrid::ColWidthsChanged() {
  TExtStringGrid::ColWidthsChanged();
  if (!FColumns || ComponentState().Contains(csLoading) || FDestroyingGrid) return;
  for (int d = 0; d < ColCount(); ++d)
    if (TGridColumnItem* item = columnOf(RealColIndex(d))) item->FWidth = ColWidths(d);
}

void TExtColumnGrid::ChangeScale(int M, int D) {
  TExtStringGrid::ChangeScale(M, D);
  if (M == D || D == 0) return;
  for (int i = 0; i < ColCount() && i < FColumns->Count(); ++i) {
    TGridColumnItem* item = FColumns->Items(i);
    item->Font()->SetSize(item->Font()->Size() * M / D);
    item->HeaderFont()->SetSize(item->HeaderFont()->Size() * M / D);
  }
}

std::string TExtColumnGrid::GetEditMask(int ACol, int ARow) {
  std::string mask;
  if (TGridColumnItem* item = columnOf(RealColIndex(ACol)); item && ACol >= FixedCols()) mask = item->EditMask();
  std::string own = TExtStringGrid::GetEditMask(ACol, ARow);
  return own.empty() ? mask : own;
}

int TExtColumnGrid::GetEditLimit() {
  int limit = TExtStringGrid::GetEditLimit();
  if (TGridColumnItem* item = columnOf(RealCol()); item && Col() >= FixedCols()) return item->EditLength();
  return limit;
}

void TExtColumnGrid::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TExtStringGrid::MouseDown(Button, Shift, X, Y);
  int c = 0, r = 0;
  MouseToCell(X, Y, c, r);
  TGridColumnItem* item = c >= 0 ? columnOf(RealColIndex(c)) : nullptr;
  if (!item || !item->ColumnPopup() || r < 0) return;
  TColumnPopupType t = item->ColumnPopupType();
  bool left = Button == mbLeft, right = Button == mbRight;
  bool forButton = (left && (t == cpFixedCellsLClick || t == cpNormalCellsLClick || t == cpAllCellsLClick)) ||
                   (right && (t == cpFixedCellsRClick || t == cpNormalCellsRClick || t == cpAllCellsRClick));
  if (!forButton) return;
  if (OnColumnPopup) OnColumnPopup(this, c, r, item->ColumnPopup());
  bool fixedRow = r < FixedRows();
  bool all = t == cpAllCellsLClick || t == cpAllCellsRClick;
  bool fixedKind = t == cpFixedCellsLClick || t == cpFixedCellsRClick;
  if (all || (fixedRow && fixedKind) || (!fixedRow && !fixedKind)) {
    TRect rc = CellRect(c, r);
    TPoint p = ClientToScreen(TPoint{rc.Left, rc.Bottom});
    item->ColumnPopup()->Popup(p.X, p.Y);
  }
}

// ---- structure edits ----

void TExtColumnGrid::InsertCols(int ARealCol, int CCount) {
  TExtStringGrid::InsertCols(ARealCol, CCount);
  FColumns->NoRecursiveUpdate = true;
  for (int i = 0; i < CCount; ++i) FColumns->Insert(std::min(ARealCol, FColumns->Count()));
  FColumns->NoRecursiveUpdate = false;
}

void TExtColumnGrid::RemoveCols(int ARealCol, int CCount) {
  TExtStringGrid::RemoveCols(ARealCol, CCount);
  FColumns->NoRecursiveUpdate = true;
  for (int i = 0; i < CCount && ARealCol < FColumns->Count(); ++i) FColumns->Delete(ARealCol);
  FColumns->NoRecursiveUpdate = false;
}

void TExtColumnGrid::Group(int ARealCol) {
  if (TGridColumnItem* item = columnOf(ARealCol)) {
    FGroupColumn->Assign(item);
    FGroupedCol = ARealCol;
  }
  TExtStringGrid::Group(ARealCol);
}

void TExtColumnGrid::UnGroup() {
  int col = FGroupedCol;
  TExtStringGrid::UnGroup();
  FGroupedCol = -1;
  if (TGridColumnItem* item = columnOf(col)) item->Assign(FGroupColumn.get());
}
