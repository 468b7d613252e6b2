// TDrawGrid (events for drawing, editing, selecting and moving) and
// TStringGrid (texts and objects in a sparse store, Rows and Cols views).

#include "toolkit/graphics/Canvas.h"
#include "toolkit/grids/Grids.h"
#include "toolkit/rtl/ScopeGuard.h"

// ---- TDrawGrid ----

bool TDrawGrid::SelectCell(int ACol, int ARow) {
  bool can = true;
  if (OnSelectCell) OnSelectCell(this, ACol, ARow, can);
  return can;
}

void TDrawGrid::DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) {
  if (OnDrawCell) OnDrawCell(this, ACol, ARow, ARect, AState);
}

std::string TDrawGrid::GetEditText(int ACol, int ARow) {
  std::string value;
  if (OnGetEditText) OnGetEditText(this, ACol, ARow, value);
  return value;
}

void TDrawGrid::SetEditText(int ACol, int ARow, const std::string& Value) {
  if (OnSetEditText) OnSetEditText(this, ACol, ARow, Value);
}

std::string TDrawGrid::GetEditMask(int ACol, int ARow) {
  std::string value;
  if (OnGetEditMask) OnGetEditMask(this, ACol, ARow, value);
  return value;
}

void TDrawGrid::ColumnMoved(int FromIndex, int ToIndex) {
  if (OnColumnMoved) OnColumnMoved(this, FromIndex, ToIndex);
}

void TDrawGrid::RowMoved(int FromIndex, int ToIndex) {
  if (OnRowMoved) OnRowMoved(this, FromIndex, ToIndex);
}

// ---- TStringGrid ----

TStringGrid::TStringGrid(TComponent* AOwner) : TDrawGrid(AOwner) {}

TStringGrid::~TStringGrid() = default;

void TStringGrid::SetCells(int ACol, int ARow, const std::string& Value) {
  FStore.SetText(ACol, ARow, Value);
  CellChanged(ACol, ARow);
}

void TStringGrid::SetObjects(int ACol, int ARow, TObject* Value) { FStore.SetObject(ACol, ARow, Value); }

void TStringGrid::CellChanged(int ACol, int ARow) {
  InvalidateCell(ACol, ARow);
  if (FEditUpdate == 0 && FEditorMode && ACol == FCurrent.X && ARow == FCurrent.Y) InvalidateEditor();
}

std::string TStringGrid::GetEditText(int ACol, int ARow) {
  std::string value = rawCell(ACol, ARow);
  if (OnGetEditText) OnGetEditText(this, ACol, ARow, value);
  return value;
}

// The editor's own text comes back: the cell is written without reloading the editor.
void TStringGrid::SetEditText(int ACol, int ARow, const std::string& Value) {
  {
    ++FEditUpdate;
    auto done = MakeScopeGuard([&] { --FEditUpdate; });
    if (Value != rawCell(ACol, ARow)) SetCells(ACol, ARow, Value);
  }
  TDrawGrid::SetEditText(ACol, ARow, Value);
}

void TStringGrid::DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) {
  if (FDefaultDrawing) Canvas()->TextRect(ARect, ARect.Left + 2, ARect.Top + 2, rawCell(ACol, ARow));
  TDrawGrid::DrawCell(ACol, ARow, ARect, AState);
}

TStrings* TStringGrid::Rows(int ARow) {
  auto& v = rows_[ARow];
  if (!v) v = std::make_unique<TStringGridStrings>(this, ARow, true);
  return v.get();
}

TStrings* TStringGrid::Cols(int ACol) {
  auto& v = cols_[ACol];
  if (!v) v = std::make_unique<TStringGridStrings>(this, ACol, false);
  return v.get();
}

void TStringGrid::DeleteRow(int ARow) {
  MoveRow(ARow, RowCount() - 1);
  SetRowCount(RowCount() - 1);
}

void TStringGrid::DeleteColumn(int ACol) {
  MoveColumn(ACol, ColCount() - 1);
  SetColCount(ColCount() - 1);
}

// ---- TStringGridStrings ----

void TStringGridStrings::cellOf(int Index, int& C, int& R) const {
  if (Index < 0 || Index >= Count()) IndexError(Index);
  C = isRow_ ? Index : index_;
  R = isRow_ ? index_ : Index;
}

int TStringGridStrings::Count() const { return isRow_ ? grid_->baseColCount() : grid_->baseRowCount(); }

std::string TStringGridStrings::Get(int Index) const {
  int c = 0, r = 0;
  cellOf(Index, c, r);
  return grid_->rawCell(c, r);
}

void TStringGridStrings::Put(int Index, const std::string& S) {
  int c = 0, r = 0;
  cellOf(Index, c, r);
  grid_->TStringGrid::SetCells(c, r, S);
}

TObject* TStringGridStrings::GetObject(int Index) const {
  int c = 0, r = 0;
  cellOf(Index, c, r);
  return grid_->rawObject(c, r);
}

void TStringGridStrings::PutObject(int Index, TObject* AObject) {
  int c = 0, r = 0;
  cellOf(Index, c, r);
  grid_->rawSetObject(c, r, AObject);
}

void TStringGridStrings::Clear() {
  for (int i = 0; i < Count(); ++i) {
    Put(i, "");
    PutObject(i, nullptr);
  }
}

void TStringGridStrings::Delete(int) { throw EInvalidGridOperation("Cannot insert or delete rows from grid"); }

void TStringGridStrings::Insert(int, const std::string&) {
  throw EInvalidGridOperation("Cannot insert or delete rows from grid");
}

// Fills the first empty entry; -1 when the line is full.
int TStringGridStrings::Add(const std::string& S) { return AddObject(S, nullptr); }

int TStringGridStrings::AddObject(const std::string& S, TObject* AObject) {
  for (int i = 0; i < Count(); ++i) {
    if (!Get(i).empty() || GetObject(i) != nullptr) continue;
    Put(i, S);
    PutObject(i, AObject);
    return i;
  }
  return -1;
}

void TStringGridStrings::Assign(const TPersistent* Source) {
  auto* src = dynamic_cast<const TStrings*>(Source);
  if (!src) {
    TStrings::Assign(Source);
    return;
  }
  int n = std::min(Count(), src->Count());
  for (int i = 0; i < n; ++i) {
    std::string s = src->Get(i);
    TObject* o = src->GetObject(i);
    Put(i, s);
    PutObject(i, o);
  }
}
