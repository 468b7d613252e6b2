// The base grid's cells: TCellProperties, the cell store with its display
// hooks and merged-range redirect, the property records' ownership, cell
// geometry, the grid's properties and its link to the undo list.

#include <algorithm>

#include "grid/foundation/BaseGrid.h"
#include "toolkit/grids/RowRenumber.h"
#include "grid/foundation/ExtUtil.h"
#include "toolkit/forms/WinApi.h"

// ---- TCellProperties ----

TCellProperties::TCellProperties(TBaseGrid* AOwner, int ACol, int ARow)
    : OwnerCol(ACol), OwnerRow(ARow), FOwnerGrid(AOwner) {
  if (FOwnerGrid) {
    FWordWrap = FOwnerGrid->WordWrap();
    FOwnerGrid->FHasCellProps = true;
  }
}

TCellProperties::~TCellProperties() {
  if (FOwnsGraphic) delete FGraphicObject;
}

void TCellProperties::Assign(const TPersistent* Source) {
  auto* s = dynamic_cast<const TCellProperties*>(Source);
  if (!s) {
    TPersistent::Assign(Source);
    return;
  }
  IsBaseCell = s->IsBaseCell;
  CellSpanX = s->CellSpanX;
  CellSpanY = s->CellSpanY;
  OwnerRow = s->OwnerRow;
  OwnerCol = s->OwnerCol;
  CellObject = s->CellObject;
  FAlignment = s->FAlignment;
  BorderColor = s->BorderColor;
  BorderWidth = s->BorderWidth;
  FBrushColor = s->FBrushColor;
  BrushStyle = s->BrushStyle;
  FontColor = s->FontColor;
  FontStyle = s->FontStyle;
  FontName = s->FontName;
  FontSize = s->FontSize;
  ReadOnly = s->ReadOnly;
  Editor = s->Editor;
  FVAlignment = s->FVAlignment;
  FWordWrap = s->FWordWrap;
  NodeLevel = s->NodeLevel;
  Control = s->Control;
}

TPoint TCellProperties::GetBaseCell(int ACol, int ARow) const {
  if (!IsBaseCell && CellSpanX != -1 && CellSpanY != -1) return {ACol - CellSpanX, ARow - CellSpanY};
  return {ACol, ARow};
}

void TCellProperties::repaint() {
  if (FOwnerGrid) FOwnerGrid->RepaintCell(OwnerCol, OwnerRow);
}

void TCellProperties::SetBrushColor(TColor Value) {
  FBrushColor = Value;
  repaint();
}

void TCellProperties::SetBrushColorTo(TColor Value) {
  FBrushColorTo = Value;
  repaint();
}

void TCellProperties::SetVAlignment(TVAlignment Value) {
  FVAlignment = Value;
  repaint();
}

void TCellProperties::SetWordWrap(bool Value) {
  FWordWrap = Value;
  repaint();
}

void TCellProperties::SetGraphicObject(TObject* Value, bool Owned) {
  if (Value == FGraphicObject) {
    FOwnsGraphic = Owned && Value;
    return;
  }
  if (FOwnsGraphic) delete FGraphicObject;
  FGraphicObject = Value;
  FOwnsGraphic = Owned && Value;
}

// ---- construction ----

TBaseGrid::TBaseGrid(TComponent* AOwner)
    : TStringGrid(AOwner), FGridLineColor(RGB(192, 192, 192)), FGridFixedLineColor(RGB(128, 128, 128)) {
  SetGridLineWidth(1);
  SetDefaultDrawing(false);
}

TBaseGrid::~TBaseGrid() {
  FDestroying = true;
  // Records the store keeps beyond the counts are the grid's too.
  for (TObject* p : FOwnedProps) delete static_cast<TCellProperties*>(p);
  FOwnedProps.clear();
  FStore.Clear();
}

// ---- records and their ownership ----

bool TBaseGrid::insideGrid(int ACol, int ARow) const {
  return ACol >= 0 && ARow >= 0 && ACol < TotalColCount() && ARow < RowCount();
}

// The slot's record when it is one of ours; anything else written there
// through the framework's raw views is not taken for a record.
TCellProperties* TBaseGrid::propsAt(int ACol, int ARow) const {
  TObject* o = rawObject(ACol, ARow);
  if (!o || !FOwnedProps.count(o)) return nullptr;
  return static_cast<TCellProperties*>(o);
}

TCellProperties* TBaseGrid::GetGridObject(int ACol, int ARow) const { return propsAt(ACol, ARow); }

bool TBaseGrid::HasCellProperties(int ACol, int ARow) const {
  return insideGrid(ACol, ARow) && propsAt(ACol, ARow) != nullptr;
}

void TBaseGrid::freeProps(TCellProperties* Props) {
  if (!Props) return;
  FOwnedProps.erase(Props);
  delete Props;
}

void TBaseGrid::DeleteStoredRows(const std::vector<int>& Rows) {
  if (FHasCellProps)
    for (int r : Rows)
      for (int c = 0; c < TotalColCount(); ++c) emptySlot(c, r);
  TStringGrid::DeleteStoredRows(Rows);
  if (FUndoRedo && FUndoRedo->Grid() == this)
    FUndoRedo->RowsRenumbered([&](int r) { return RowIsAmong(r, Rows) ? -1 : RowAfterDelete(r, Rows); });
}

// Undo never writes into rows that were inserted or reappear after a cut.
void TBaseGrid::InsertStoredRows(const std::vector<int>& NewRows) {
  TStringGrid::InsertStoredRows(NewRows);
  if (FUndoRedo && FUndoRedo->Grid() == this)
    FUndoRedo->RowsRenumbered([&](int r) { return RowAfterInsert(r, NewRows); });
}

void TBaseGrid::SizeChanged(int OldColCount, int OldRowCount) {
  TStringGrid::SizeChanged(OldColCount, OldRowCount);
  const int rows = RowCount();
  if (FUndoRedo && FUndoRedo->Grid() == this && rows < OldRowCount)
    FUndoRedo->RowsRenumbered([rows](int r) { return r < rows ? r : -1; });
}

void TBaseGrid::emptySlot(int ACol, int ARow) {
  TCellProperties* p = propsAt(ACol, ARow);
  rawSetObject(ACol, ARow, nullptr);
  freeProps(p);
}

TCellProperties* TBaseGrid::GetCellProperties(int ACol, int ARow) {
  if (!insideGrid(ACol, ARow)) return nullptr;
  if (TCellProperties* p = propsAt(ACol, ARow)) return p;
  auto* p = new TCellProperties(this, ACol, ARow);
  FOwnedProps.insert(p);
  rawSetObject(ACol, ARow, p);
  // One font and brush serve every new record: a million records would
  // otherwise build a million font objects.
  if (!FDefaultsFont) {
    FDefaultsFont = std::make_unique<TFont>();
    FDefaultsBrush = std::make_unique<TBrush>();
  }
  TFont& font = *FDefaultsFont;
  TBrush& brush = *FDefaultsBrush;
  font.Assign(Font());
  brush.SetColor(Color());
  TColor colorTo = clNone, mirror = clNone, mirrorTo = clNone;
  TAlignment ha = taLeftJustify;
  TVAlignment va = vtaTop;
  bool ww = FWordWrap;
  TCellGradientDirection gd = GradientVertical;
  GetCellDefaults(ACol, ARow, &font, &brush, colorTo, mirror, mirrorTo, ha, va, ww, gd);
  p->CalcType = acNONE;
  p->FAlignment = ha;
  p->FVAlignment = va;
  p->FWordWrap = ww;
  p->FontName = font.Name();
  p->FontSize = font.Size();
  p->FontStyle = font.Style();
  p->FontColor = font.Color();
  p->FBrushColor = brush.Color();
  p->FBrushColorTo = colorTo;
  p->GradientDirection = gd;
  return p;
}

void TBaseGrid::SetCellProperties(int ACol, int ARow, TCellProperties* Value) {
  if (!insideGrid(ACol, ARow)) {
    // Nothing takes the record outside the grid, so it goes at once.
    if (Value && !FOwnedProps.count(Value)) delete Value;
    return;
  }
  if (propsAt(ACol, ARow) == Value) return;
  emptySlot(ACol, ARow);
  if (!Value) return;
  FOwnedProps.insert(Value);
  FHasCellProps = true;
  rawSetObject(ACol, ARow, Value);
}

void TBaseGrid::FreeCellProperties(int ACol, int ARow) { emptySlot(ACol, ARow); }

void TBaseGrid::FreeCellPropertiesRange(int FromCol, int FromRow, int ToCol, int ToRow) {
  if (!FHasCellProps) return;
  for (int c = FromCol; c <= ToCol; ++c)
    for (int r = FromRow; r <= ToRow; ++r) emptySlot(c, r);
}

void TBaseGrid::ClearColumnCells(int ACol) {
  for (int r = 0; r < RowCount(); ++r) {
    emptySlot(ACol, r);
    SetCells(ACol, r, "");
  }
}

void TBaseGrid::ClearRowCells(int ARow) {
  for (int c = 0; c < TotalColCount(); ++c) {
    emptySlot(c, ARow);
    SetCells(c, ARow, "");
  }
}

void TBaseGrid::ClearCell(int ACol, int ARow) {
  SetCells(ACol, ARow, "");
  emptySlot(ACol, ARow);
}

// ---- cell objects ----

uintptr_t TBaseGrid::GetObjectEx(int ACol, int ARow) const {
  TCellProperties* p = insideGrid(ACol, ARow) ? propsAt(ACol, ARow) : nullptr;
  return p ? p->CellObject : 0;
}

void TBaseGrid::SetObjectEx(int ACol, int ARow, uintptr_t Value) {
  if (TCellProperties* p = GetCellProperties(ACol, ARow)) p->CellObject = Value;
}

TObject* TBaseGrid::GetGraphicObjectEx(int ACol, int ARow) const {
  TCellProperties* p = insideGrid(ACol, ARow) ? propsAt(ACol, ARow) : nullptr;
  return GraphicObjectOf(p);
}

void TBaseGrid::SetGraphicObjectEx(int ACol, int ARow, TObject* Value, bool Owned) {
  if (FDestroying || ComponentState().Contains(csDestroying)) return;
  TCellProperties* p = GetCellProperties(ACol, ARow);
  if (p) p->SetGraphicObject(Value, Owned);
  else if (Owned) delete Value;  // outside the grid nothing can hold it
}

// ---- cell text ----

std::string TBaseGrid::GetCellEx(int ACol, int ARow) const {
  int bc = ACol, br = ARow;
  if (TCellProperties* p = insideGrid(ACol, ARow) ? propsAt(ACol, ARow) : nullptr) {
    TPoint b = p->GetBaseCell(ACol, ARow);
    bc = b.X;
    br = b.Y;
  }
  std::string value = rawCell(bc, br);
  if (br >= FNormalRowCount) return value;
  GetDisplText(bc, br, value);
  if (OnGetDisplWideText) {
    std::u16string w = DecodeWideText(value);
    GetDisplWideText(bc, br, w);
    value = EncodeWideText(w);
  }
  return value;
}

void TBaseGrid::SetCellEx(int ACol, int ARow, const std::string& Value) {
  if (TCellProperties* p = insideGrid(ACol, ARow) ? propsAt(ACol, ARow) : nullptr) {
    TPoint b = p->GetBaseCell(ACol, ARow);
    rawSetCell(b.X, b.Y, Value);
    CellValueChanged(b.X, b.Y);
    if (Parent()) RepaintCell(ACol, ARow);
    // The editor may show the base cell of the range.
    if (b.X != ACol || b.Y != ARow) TStringGrid::CellChanged(b.X, b.Y);
  } else {
    // Repaints the cell and reloads an editor that shows it.
    TStringGrid::SetCells(ACol, ARow, Value);
  }
  if (FHideLastRow && ARow == RowCount() - 1) LastRowChanged();
}

void TBaseGrid::GetDisplText(int ACol, int ARow, std::string& Value) const {
  if (OnGetDisplText) OnGetDisplText(const_cast<TBaseGrid*>(this), ACol, ARow, Value);
}

void TBaseGrid::GetDisplWideText(int ACol, int ARow, std::u16string& Value) const {
  if (OnGetDisplWideText) OnGetDisplWideText(const_cast<TBaseGrid*>(this), ACol, ARow, Value);
}

void TBaseGrid::GetCellDefaults(int ACol, int ARow, TFont* AFont, TBrush* ABrush, TColor& ColorTo,
                                TColor& MirrorColor, TColor& MirrorColorTo, TAlignment& HA, TVAlignment& VA,
                                bool& WW, TCellGradientDirection& GD) {
  (void)ACol;
  (void)ARow;
  if (AFont) AFont->Assign(Font());
  if (ABrush) ABrush->SetColor(Color());
  ColorTo = clNone;
  MirrorColor = clNone;
  MirrorColorTo = clNone;
  HA = taLeftJustify;
  VA = vtaTop;
  WW = FWordWrap;
  GD = GradientVertical;
}

// ---- geometry ----

// Width of the columns From..To-1 (negative when To < From).
int TBaseGrid::colOffset(int From, int To) const {
  int sum = 0;
  for (int i = From; i < To; ++i) sum += ColWidths(i);
  for (int i = To; i < From; ++i) sum -= ColWidths(i);
  return sum;
}

int TBaseGrid::rowOffset(int From, int To) const {
  int sum = 0;
  for (int i = From; i < To; ++i) sum += RowHeights(i);
  for (int i = To; i < From; ++i) sum -= RowHeights(i);
  return sum;
}

// The grid draws its own lines inside the cells, so cells follow each other
// without gaps; scrolled cells are counted from the top-left scrolled cell,
// which keeps the cost to the distance from the view.
TRect TBaseGrid::UnclippedCellRect(int ACol, int ARow) const {
  int x = ACol < FixedCols() ? colOffset(0, ACol) : colOffset(0, FixedCols()) + colOffset(LeftCol(), ACol);
  int y = ARow < FixedRows() ? rowOffset(0, ARow) : rowOffset(0, FixedRows()) + rowOffset(TopRow(), ARow);
  return {x, y, x + ColWidths(ACol), y + RowHeights(ARow)};
}

// The cell's record and merged range are kept by real column; the layout
// is by displayed column.
TRect TBaseGrid::CellRect(int ADisplCol, int ARow) const {
  const int real = RealColIndex(ADisplCol);
  TCellProperties* p = insideGrid(real, ARow) ? propsAt(real, ARow) : nullptr;
  if (p && (p->CellSpanX != -1 || p->CellSpanY != -1)) {
    TGridRect full = FullCell(real, ARow);
    TRect r1 = UnclippedCellRect(DisplColIndex(full.Left), full.Top);
    if (r1.Width() == 0) ++r1.Right;
    TRect r2 = UnclippedCellRect(DisplColIndex(full.Right), full.Bottom);
    if (r2.Width() == 0) --r2.Left;
    return {std::min(r1.Left, r2.Left), std::min(r1.Top, r2.Top), std::max(r1.Right, r2.Right),
            std::max(r1.Bottom, r2.Bottom)};
  }
  if (p && p->Control) return UnclippedCellRect(ADisplCol, ARow);
  TRect r = TStringGrid::CellRect(ADisplCol, ARow);
  if (r.IsEmpty() && r.Left == 0 && r.Top == 0) return r;
  r.Right = r.Left + ColWidths(ADisplCol);
  r.Bottom = r.Top + RowHeights(ARow);
  return r;
}

TPoint TBaseGrid::CellSize(int ACol, int ARow) const {
  TCellProperties* p = insideGrid(ACol, ARow) ? propsAt(ACol, ARow) : nullptr;
  TRect r = UnclippedCellRect(ACol, ARow);
  if (p && (p->CellSpanX != -1 || p->CellSpanY != -1)) {
    TGridRect full = FullCell(ACol, ARow);
    TRect r1 = UnclippedCellRect(full.Left, full.Top), r2 = UnclippedCellRect(full.Right, full.Bottom);
    r = {std::min(r1.Left, r2.Left), std::min(r1.Top, r2.Top), std::max(r1.Right, r2.Right),
         std::max(r1.Bottom, r2.Bottom)};
  }
  return {r.Width(), r.Height()};
}

void TBaseGrid::RepaintCell(int ACol, int ARow) {
  if (!HandleAllocated()) return;
  // An unmerged cell out of view needs no layout to know it.
  const TCellProperties* p = insideGrid(ACol, ARow) ? propsAt(ACol, ARow) : nullptr;
  bool merged = p && (p->CellSpanX != -1 || p->CellSpanY != -1);
  if (!merged && !(p && p->Control) && !CellMayBeVisible(DisplColIndex(ACol), ARow)) return;
  TRect r = CellRect(DisplColIndex(ACol), ARow);
  if (r.IsEmpty()) return;
  ::InvalidateRect(Handle(), &r, true);
}

// ---- properties ----

void TBaseGrid::SetActiveRowShow(bool Value) {
  if (Value == FActiveRowShow) return;
  FActiveRowShow = Value;
  Invalidate();
}

namespace {
void setColor(TBaseGrid* Grid, TColor& Field, TColor Value) {
  if (Field == Value) return;
  Field = Value;
  Grid->Invalidate();
}
}  // namespace

void TBaseGrid::SetActiveRowColor(TColor Value) { setColor(this, FActiveRowColor, Value); }
void TBaseGrid::SetActiveRowColorTo(TColor Value) { setColor(this, FActiveRowColorTo, Value); }
void TBaseGrid::SetActiveRowMirrorColor(TColor Value) { setColor(this, FActiveRowMirrorColor, Value); }
void TBaseGrid::SetActiveRowMirrorColorTo(TColor Value) { setColor(this, FActiveRowMirrorColorTo, Value); }

void TBaseGrid::SetDefaultDrawing(bool Value) {
  FDefaultDrawing = Value;
  TStringGrid::SetDefaultDrawing(false);
}

void TBaseGrid::SetGridLineWidth(int Value) {
  FGridLineWidth = Value;
  TStringGrid::SetGridLineWidth(0);
  Invalidate();
}

void TBaseGrid::SetGridLineColor(TColor Value) {
  FGridLineColor = Value;
  Invalidate();
}

void TBaseGrid::SetGridFixedLineColor(TColor Value) {
  FGridFixedLineColor = Value;
  Invalidate();
}

void TBaseGrid::SetSelectionStyle(TGridSelectionStyle Value) {
  if (Value == FSelectionStyle) return;
  FSelectionStyle = Value;
  Invalidate();
}

void TBaseGrid::SetHideLastRow(bool Value) {
  if (Value == FHideLastRow) return;
  FHideLastRow = Value;
  Invalidate();
}

// ---- the undo list ----

void TBaseGrid::SetUndoRedo(DIreViziDidiVura* Value) {
  if (FUndoRedo == Value) return;
  // A list linked before keeps its link (and its removal notice) to this grid.
  FUndoRedo = Value;
  if (FUndoRedo) {
    FUndoRedo->FreeNotification(this);
    FUndoRedo->SetGrid(this);
  }
}

void TBaseGrid::Notification(TComponent* AComponent, TOperation Operation) {
  if (Operation == opRemove && AComponent && AComponent == FUndoRedo) FUndoRedo = nullptr;
  TStringGrid::Notification(AComponent, Operation);
}

void TBaseGrid::UndoFocusCell(int ACol, int ARow) {
  int c = DisplColIndex(ACol);
  if (c >= FixedCols() && c < ColCount()) SetCol(c);
  if (ARow >= FixedRows() && ARow < RowCount()) SetRow(ARow);
}
