// TCustomGrid: construction, counts, fixed counts, sizes and options.

#include "toolkit/forms/WinApi.h"
#include "toolkit/graphics/Canvas.h"
#include "toolkit/grids/Grids.h"

TGridRect NormalizedGridRect(const TGridRect& R) {
  return {std::min(R.Left, R.Right), std::min(R.Top, R.Bottom), std::max(R.Left, R.Right),
          std::max(R.Top, R.Bottom)};
}

TCustomGrid::TCustomGrid(TComponent* AOwner) : TCustomControl(AOwner) {
  // The grid fires Click itself, at the end of every cursor move.
  SetControlStyle({csCaptureMouse, csOpaque, csDoubleClicks});
  SetBounds(0, 0, 320, 120);
  SetTabStop(true);
  SetColor(clWindow);
  FTopLeft = {FFixedCols, FFixedRows};
  FCurrent = FTopLeft;
  FAnchor = FCurrent;
  Canvas()->Font()->Assign(Font());
}

TCustomGrid::~TCustomGrid() = default;

void TCustomGrid::CreateParams(TCreateParams& Params) {
  TCustomControl::CreateParams(Params);
  if (FBorderStyle == bsSingle) Params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TCustomGrid::CreateWnd() {
  TCustomControl::CreateWnd();
  UpdateScrollRange();
}

void TCustomGrid::Loaded() {
  TCustomControl::Loaded();
  UpdateScrollRange();
}

void TCustomGrid::Notification(TComponent* AComponent, TOperation Operation) {
  TCustomControl::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FInplaceEdit) {
    FInplaceEdit = nullptr;
    FInplaceCol = FInplaceRow = -1;
  }
}

void TCustomGrid::checkCoord(int ACol, int ARow) const {
  if (ACol < 0 || ARow < 0 || ACol >= FColCount || ARow >= FRowCount)
    throw EInvalidGridOperation("Grid index out of range");
}

// ---- counts ----

void TCustomGrid::SetColCount(int v) {
  if (v < 1) v = 1;
  if (v <= FFixedCols) SetFixedCols(v - 1);
  if (v != FColCount) changeSize(v, FRowCount);
}

void TCustomGrid::SetRowCount(int v) {
  if (v < 1) v = 1;
  if (v <= FFixedRows) SetFixedRows(v - 1);
  if (v != FRowCount) changeSize(FColCount, v);
}

// The cursor, anchor and top-left corner stay inside the new counts.
void TCustomGrid::changeSize(int NewColCount, int NewRowCount) {
  int oldCols = FColCount, oldRows = FRowCount;
  bool editorOut = FInplaceCol >= NewColCount || FInplaceRow >= NewRowCount;
  if (editorOut) HideEdit();
  FColCount = NewColCount;
  FRowCount = NewRowCount;
  auto clampCoord = [](TGridCoord& c, int cols, int rows) {
    c.X = std::min(c.X, cols - 1);
    c.Y = std::min(c.Y, rows - 1);
  };
  clampCoord(FCurrent, FColCount, FRowCount);
  clampCoord(FAnchor, FColCount, FRowCount);
  clampCoord(FTopLeft, FColCount, FRowCount);
  if (FOptions.Contains(goRowSelect)) FAnchor.X = FColCount - 1;
  Invalidate();
  UpdateScrollRange();
  SizeChanged(oldCols, oldRows);
  if (editorOut) UpdateEdit();
}

void TCustomGrid::SetFixedCols(int v) {
  setFixed(v, FColCount, FFixedCols, "Fixed column count must be less than column count");
}

void TCustomGrid::SetFixedRows(int v) {
  setFixed(v, FRowCount, FFixedRows, "Fixed row count must be less than row count");
}

// A new fixed count puts the cursor, anchor and top-left on the first normal cell.
void TCustomGrid::setFixed(int v, int Count, int& Field, const char* TooMany) {
  if (v < 0) throw EInvalidGridOperation("Grid index out of range");
  if (v >= Count) throw EInvalidGridOperation(TooMany);
  Field = v;
  HideEdit();
  FTopLeft = {FFixedCols, FFixedRows};
  FCurrent = FTopLeft;
  FAnchor = FCurrent;
  if (FOptions.Contains(goRowSelect)) FAnchor.X = FColCount - 1;
  Invalidate();
  UpdateScrollRange();
}

// ---- sizes ----

void TCustomGrid::SetDefaultColWidth(int v) {
  FDefaultColWidth = v;
  colWidths_.clear();
  minColWidth_ = 0x7fffffff;
  Invalidate();
  ColWidthsChanged();
}

void TCustomGrid::SetDefaultRowHeight(int v) {
  FDefaultRowHeight = v;
  rowHeights_.clear();
  minRowHeight_ = 0x7fffffff;
  Invalidate();
  RowHeightsChanged();
}

// Beyond the count a size reads as the default, though a stored one waits there.
int TCustomGrid::ColWidths(int Index) const {
  if (Index >= FColCount) return FDefaultColWidth;
  return storedSize(colWidths_, Index, FDefaultColWidth);
}

int TCustomGrid::RowHeights(int Index) const {
  if (Index >= FRowCount) return FDefaultRowHeight;
  return storedSize(rowHeights_, Index, FDefaultRowHeight);
}

int TCustomGrid::storedSize(const std::vector<int>& Sizes, int Index, int Default) {
  if (Index >= 0 && Index < static_cast<int>(Sizes.size()) && Sizes[Index] >= 0) return Sizes[Index];
  return Default;
}

// A width set beyond the count is kept for when the column appears.
void TCustomGrid::SetColWidths(int Index, int Value) {
  if (Index < 0) throw EInvalidGridOperation("Grid index out of range");
  if (Value < 0) Value = 0;
  if (Value == storedSize(colWidths_, Index, FDefaultColWidth)) return;
  if (Index >= static_cast<int>(colWidths_.size())) colWidths_.resize(Index + 1, -1);
  colWidths_[Index] = Value;
  minColWidth_ = std::min(minColWidth_, Value);
  Invalidate();
  ColWidthsChanged();
}

void TCustomGrid::SetRowHeights(int Index, int Value) {
  if (Index < 0) throw EInvalidGridOperation("Grid index out of range");
  if (Value < 0) Value = 0;
  if (Value == storedSize(rowHeights_, Index, FDefaultRowHeight)) return;
  if (Index >= static_cast<int>(rowHeights_.size())) rowHeights_.resize(Index + 1, -1);
  rowHeights_[Index] = Value;
  minRowHeight_ = std::min(minRowHeight_, Value);
  Invalidate();
  RowHeightsChanged();
}

void TCustomGrid::ColWidthsChanged() {
  UpdateScrollRange();
  UpdateEdit();
}

void TCustomGrid::RowHeightsChanged() {
  UpdateScrollRange();
  UpdateEdit();
}

void TCustomGrid::SetGridLineWidth(int v) {
  if (v < 0) v = 0;
  if (v == FGridLineWidth) return;
  FGridLineWidth = v;
  Invalidate();
  UpdateScrollRange();
  UpdateEdit();
}

int TCustomGrid::GridWidth() const {
  TGridDrawInfo info;
  CalcDrawInfo(info);
  int w = 0;
  for (int i = 0; i < FColCount; ++i) w += ColWidths(i) + info.Horz.LineAfter(i);
  return w;
}

int TCustomGrid::GridHeight() const {
  TGridDrawInfo info;
  CalcDrawInfo(info);
  int h = 0;
  for (int i = 0; i < FRowCount; ++i) h += RowHeights(i) + info.Vert.LineAfter(i);
  return h;
}

// ---- options and look ----

void TCustomGrid::SetOptions(TGridOptions v) {
  if (v.Contains(goRowSelect)) v.Exclude(goAlwaysShowEditor);
  if (v == FOptions) return;
  TGridOptions old = FOptions;
  FOptions = v;
  if (!FEditorMode) {
    if (v.Contains(goAlwaysShowEditor)) ShowEditor();
    else HideEditor();
  }
  if (v.Contains(goRowSelect)) MoveCurrent(FCurrent.X, FCurrent.Y, true, false);
  // Only the line options change the geometry.
  const TGridOptions lines{goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine};
  if (!((old * lines) == (v * lines))) UpdateScrollRange();
  Invalidate();
}

void TCustomGrid::SetScrollBars(TScrollStyle v) {
  if (v == FScrollBars) return;
  FScrollBars = v;
  UpdateScrollRange();
}

void TCustomGrid::SetBorderStyle(TBorderStyle v) {
  if (v == FBorderStyle) return;
  FBorderStyle = v;
  uint32_t ex = ExStyle() & ~WS_EX_CLIENTEDGE;
  if (v == bsSingle) ex |= WS_EX_CLIENTEDGE;
  SetExStyle(ex);
  UpdateScrollRange();
}

void TCustomGrid::SetFixedColor(TColor v) {
  if (v == FFixedColor) return;
  FFixedColor = v;
  Invalidate();
}

void TCustomGrid::Invalidate() { TCustomControl::Invalidate(); }

void TCustomGrid::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  TCustomControl::SetBounds(ALeft, ATop, AWidth, AHeight);
}

void TCustomGrid::Resize() { TCustomControl::Resize(); }

void TCustomGrid::ChangeScale(int M, int D) {
  TCustomControl::ChangeScale(M, D);
  if (M == D || D == 0) return;
  auto scale = [M, D](int v) { return (v * M + D / 2) / D; };
  FDefaultColWidth = scale(FDefaultColWidth);
  FDefaultRowHeight = scale(FDefaultRowHeight);
  for (int& w : colWidths_)
    if (w >= 0) w = scale(w);
  for (int& h : rowHeights_)
    if (h >= 0) h = scale(h);
  recalcMinExtents();
  Invalidate();
  UpdateScrollRange();
}

// Copies the layout and settings of another grid; no events fire.
void TCustomGrid::Assign(const TPersistent* Source) {
  auto* g = dynamic_cast<const TCustomGrid*>(Source);
  if (!g) {
    TCustomControl::Assign(Source);
    return;
  }
  FOptions = g->FOptions;
  FDefaultColWidth = g->FDefaultColWidth;
  FDefaultRowHeight = g->FDefaultRowHeight;
  FGridLineWidth = g->FGridLineWidth;
  FFixedColor = g->FFixedColor;
  colWidths_ = g->colWidths_;
  rowHeights_ = g->rowHeights_;
  recalcMinExtents();
  FFixedCols = 0;
  FFixedRows = 0;
  changeSize(g->FColCount, g->FRowCount);
  SetFixedCols(g->FFixedCols);
  SetFixedRows(g->FFixedRows);
}
