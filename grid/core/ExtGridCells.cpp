// Cell text, objects and per-cell visual properties of the string grid,
// over the base grid's store. Columns are real; the All accessors take real
// rows and reach into hidden rows.

#include "grid/core/CellScrollBar.h"
#include "grid/core/ExtGrid.h"
#include "grid/foundation/EsgHTMLE.h"
#include "grid/foundation/ExtUtil.h"
#include "toolkit/rtl/Encoding.h"

// ---- text by real row ----

std::string TExtStringGrid::GetCellsEx(int ARealCol, int ARealRow) const {
  if (ARealCol < 0 || ARealRow < 0) return "";
  if (const TGridItem* item = HiddenRowItem(ARealRow)) {
    const TStrings* s = item->Items();
    std::string v = ARealCol < s->Count() ? s->Strings(ARealCol) : std::string();
    hiddenRowDisplText(ARealCol, ARealRow, v);
    return v;
  }
  return GetCellEx(ARealCol, RealToDisplRow(ARealRow));
}

void TExtStringGrid::SetCellsEx(int ARealCol, int ARealRow, const std::string& Value) {
  if (ARealCol < 0 || ARealRow < 0) throw EExtGridError("Cell index out of range");
  if (TGridItem* item = HiddenRowItem(ARealRow)) {
    TStrings* s = item->Items();
    while (s->Count() <= ARealCol) s->Add("");
    s->SetStrings(ARealCol, Value);
    return;
  }
  SetCellEx(ARealCol, RealToDisplRow(ARealRow), Value);
}

std::string TExtStringGrid::AllGridCells(int ARealCol, int ARealRow) const {
  if (ARealCol < 0 || ARealRow < 0) return "";
  if (const TGridItem* item = HiddenRowItem(ARealRow)) {
    const TStrings* s = item->Items();
    return ARealCol < s->Count() ? s->Strings(ARealCol) : std::string();
  }
  return GetGridCell(ARealCol, RealToDisplRow(ARealRow));
}

void TExtStringGrid::SetAllGridCells(int ARealCol, int ARealRow, const std::string& Value) {
  if (ARealCol < 0 || ARealRow < 0) throw EExtGridError("Cell index out of range");
  if (TGridItem* item = HiddenRowItem(ARealRow)) {
    // Columns the row's list does not reach yet are added empty, as AllCells does.
    TStrings* s = item->Items();
    while (s->Count() <= ARealCol) s->Add("");
    s->SetStrings(ARealCol, Value);
    return;
  }
  int row = RealToDisplRow(ARealRow);
  SetGridCell(ARealCol, row, Value);
  if (!IsHiddenColumn(ARealCol)) InvalidateCell(RealToDisplColumn(ARealCol), row);
}

std::u16string TExtStringGrid::AllWideCells(int ARealCol, int ARealRow) const {
  return Utf8ToUtf16(AllCells(ARealCol, ARealRow));
}

void TExtStringGrid::SetAllWideCells(int ARealCol, int ARealRow, const std::u16string& Value) {
  SetAllCells(ARealCol, ARealRow, Utf16ToUtf8(Value));
}

std::u16string TExtStringGrid::WideCells(int ARealCol, int ARow) const { return Utf8ToUtf16(Cells(ARealCol, ARow)); }

void TExtStringGrid::SetWideCells(int ARealCol, int ARow, const std::u16string& Value) {
  SetCells(ARealCol, ARow, Utf16ToUtf8(Value));
}

std::string TExtStringGrid::StrippedCells(int ARealCol, int ARow) const {
  return StripHTMLTags(Cells(ARealCol, ARow));
}

namespace {
// Where the column that stood at OrigCol before any column move is now.
int movedColumn(const TIntList& Order, int OrigCol) {
  for (int i = 0; i < Order.Count(); ++i)
    if (Order.GetInteger(i) == OrigCol) return i;
  return OrigCol;
}
}  // namespace

std::string TExtStringGrid::OriginalCells(int AOrigCol, int ARow) const {
  return Cells(movedColumn(FColumnOrder, AOrigCol), ARow);
}

void TExtStringGrid::SetOriginalCells(int AOrigCol, int ARow, const std::string& Value) {
  SetCells(movedColumn(FColumnOrder, AOrigCol), ARow, Value);
}

int TExtStringGrid::LinesInCell(int ARealCol, int ARow) const { return CountLines(Cells(ARealCol, ARow), true); }

// ---- the current cell ----

std::string TExtStringGrid::GetCurrentCell() const {
  TPoint b = BaseCell(RealCol(), Row());
  return GetGridCell(b.X, b.Y);
}

void TExtStringGrid::SetCurrentCell(const std::string& Value) {
  TPoint b = BaseCell(RealCol(), Row());
  SetCells(b.X, b.Y, Value);
}

std::u16string TExtStringGrid::GetCurrentWideCell() const { return Utf8ToUtf16(GetCurrentCell()); }

void TExtStringGrid::SetCurrentWideCell(const std::u16string& Value) { SetCurrentCell(Utf16ToUtf8(Value)); }

std::string TExtStringGrid::GetCurrentCellText() const {
  TPoint b = BaseCell(RealCol(), Row());
  return Cells(b.X, b.Y);
}

void TExtStringGrid::SetCurrentEditText(const std::string& Value) {
  if (IsBaseCell(RealCol(), Row())) {
    TBaseGrid::SetEditText(Col(), Row(), Value);
    return;
  }
  TPoint b = BaseCell(RealCol(), Row());
  TBaseGrid::SetEditText(b.X, b.Y, Value);
}

// ---- objects ----

uintptr_t TExtStringGrid::AllObjects(int ARealCol, int ARealRow) const {
  if (ARealCol < 0 || ARealRow < 0) return 0;
  if (const TGridItem* item = HiddenRowItem(ARealRow)) {
    const TStrings* s = item->Items();
    if (ARealCol >= s->Count()) return 0;
    TObject* o = s->Objects(ARealCol);
    if (auto* props = dynamic_cast<TCellProperties*>(o)) return props->CellObject;
    return reinterpret_cast<uintptr_t>(o);
  }
  return GetObjectEx(ARealCol, RealToDisplRow(ARealRow));
}

void TExtStringGrid::SetAllObjects(int ARealCol, int ARealRow, uintptr_t Value) {
  if (ARealCol < 0 || ARealRow < 0) throw EExtGridError("Cell index out of range");
  if (TGridItem* item = HiddenRowItem(ARealRow)) {
    TStrings* s = item->Items();
    while (s->Count() <= ARealCol) s->Add("");
    if (auto* props = dynamic_cast<TCellProperties*>(s->Objects(ARealCol)))
      props->CellObject = Value;
    else
      s->SetObjects(ARealCol, reinterpret_cast<TObject*>(Value));
    return;
  }
  SetObjectEx(ARealCol, RealToDisplRow(ARealRow), Value);
}

TObject* TExtStringGrid::GetRawObjectEx(int ARealCol, int ARealRow) const {
  if (ARealCol < 0 || ARealRow < 0) return nullptr;
  if (const TGridItem* item = HiddenRowItem(ARealRow)) {
    const TStrings* s = item->Items();
    return ARealCol < s->Count() ? s->Objects(ARealCol) : nullptr;
  }
  return GetGridObject(ARealCol, RealToDisplRow(ARealRow));
}

TControl* TExtStringGrid::CellControls(int ARealCol, int ARow) const {
  TCellProperties* p = GetGridObject(ARealCol, ARow);
  return p ? p->Control : nullptr;
}

void TExtStringGrid::SetCellControls(int ARealCol, int ARow, TControl* Value) {
  TCellProperties* p = GetGridObject(ARealCol, ARow);
  bool had = p && p->Control;
  int realRow = RealRowIndex(ARow);
  if (!Value) {
    if (!had) return;
    int i = FControlList.ControlIndex(ARealCol, realRow);
    if (i >= 0) FControlList.RemoveControl(i);
    --FNumCellControls;
    p->Control = nullptr;
    return;
  }
  int i = FControlList.ControlIndex(ARealCol, realRow);
  if (i >= 0) FControlList.RemoveControl(i);
  if (!had) ++FNumCellControls;
  FControlList.AddControl(ARealCol, realRow, Value);
  p = GetCellProperties(ARealCol, ARow);
  p->Control = Value;
  Value->SetParent(this);
  TRect r = CellRect(DisplColIndex(ARealCol), ARow);
  Value->SetBounds(r.Left - 1, r.Top - 1, r.Right - r.Left + 1, r.Bottom - r.Top + 1);
}

// Controls of hidden rows and columns, and of normal cells scrolled out of
// view, are hidden; those in view sit over their cell with one pixel of
// overlap. Controls in fixed cells stay where they were placed.
void TExtStringGrid::CellControlsUpdate(bool RebuildList) {
  if (!HandleAllocated()) return;
  if (RebuildList) {
    while (FControlList.Count() > 0) FControlList.RemoveControl(FControlList.Count() - 1);
    for (int c = 0; c < AllColCount(); ++c)
      for (int r = 0; r < RowCount(); ++r)
        if (TCellProperties* p = GetGridObject(c, r); p && p->Control) FControlList.AddControl(c, RealRowIndex(r), p->Control);
  }
  keepCellScrollBarOnItsCell();
  if (FNumCellControls == 0) return;
  const int fc = TCustomGrid::FixedCols(), fr = TCustomGrid::FixedRows();
  for (int i = 0; i < FControlList.Count(); ++i) {
    TControlItem* item = FControlList.GetControl(i);
    if (!item->Control) continue;
    if (IsHiddenColumn(item->X) || IsHiddenRow(item->Y)) {
      item->Control->SetVisible(false);
      continue;
    }
    const int col = DisplColIndex(item->X), row = RealToDisplRow(item->Y);
    if (col < fc || row < fr) continue;
    const bool inView = col >= LeftCol() && col <= LeftCol() + VisibleColCount() && row >= TopRow() &&
                        row <= TopRow() + VisibleRowCount();
    const TRect r = inView ? CellRect(col, row) : TRect{};
    if (r.IsEmpty()) {
      item->Control->SetVisible(false);
      continue;
    }
    item->Control->SetBounds(r.Left - 1, r.Top - 1, r.Right - r.Left + 1, r.Bottom - r.Top + 1);
    item->Control->SetVisible(true);
    refreshCellControl(item->Control);
  }
}

// A control left where it was still repaints, and a width nudged there and
// back lets it lay its content out again.
void TExtStringGrid::refreshCellControl(TControl* Control) {
  if (!Control->Visible()) return;
  Control->Invalidate();
  const int w = Control->Width();
  Control->SetWidth(w + 1);
  Control->SetWidth(w);
}

// After scrolling or sizing, the bar of a scroll-bar cell stays on its cell;
// out of view it collapses to no height, and comes back with its cell.
void TExtStringGrid::keepCellScrollBarOnItsCell() {
  if (!FScrollBar || !FScrollBar->Visible() || FScrollCol < 0 || FScrollRow < 0) return;
  const int col = DisplColIndex(FScrollCol), row = FScrollRow;
  const bool inView = !IsHiddenColumn(FScrollCol) && col >= LeftCol() && row >= TopRow() &&
                      col < LeftCol() + VisibleColCount() && row < TopRow() + VisibleRowCount();
  if (!inView) {
    FScrollBar->SetHeight(0);
    return;
  }
  PlaceCellScrollBar(FScrollBar, CellRect(col, row), GridLineWidth());
}

// ---- per-cell visual properties ----

namespace {
// Writes into the cell's properties (made on first use) and repaints the cell.
template <typename Apply>
void writeProps(TExtStringGrid* G, int ARealCol, int ARow, Apply A) {
  if (TCellProperties* p = G->GetCellProperties(ARealCol, ARow)) {
    A(*p);
    G->RepaintCell(ARealCol, ARow);
  }
}
}  // namespace

TColor TExtStringGrid::Colors(int ARealCol, int ARow) const {
  const TCellProperties* p = GetGridObject(ARealCol, ARow);
  return p ? p->BrushColor() : clNone;
}

void TExtStringGrid::SetColors(int ARealCol, int ARow, TColor Value) {
  if (TCellProperties* p = GetCellProperties(ARealCol, ARow)) p->SetBrushColor(Value);
}

TColor TExtStringGrid::ColorsTo(int ARealCol, int ARow) const {
  const TCellProperties* p = GetGridObject(ARealCol, ARow);
  return p ? p->BrushColorTo() : clNone;
}

void TExtStringGrid::SetColorsTo(int ARealCol, int ARow, TColor Value) {
  if (TCellProperties* p = GetCellProperties(ARealCol, ARow)) p->SetBrushColorTo(Value);
}

TCellGradientDirection TExtStringGrid::Gradients(int ARealCol, int ARow) const {
  const TCellProperties* p = GetGridObject(ARealCol, ARow);
  return p ? p->GradientDirection : GradientVertical;
}

void TExtStringGrid::SetGradients(int ARealCol, int ARow, TCellGradientDirection Value) {
  writeProps(this, ARealCol, ARow, [&](TCellProperties& p) { p.GradientDirection = Value; });
}

TColor TExtStringGrid::FontColors(int ARealCol, int ARow) const {
  const TCellProperties* p = GetGridObject(ARealCol, ARow);
  return p ? p->FontColor : clNone;
}

void TExtStringGrid::SetFontColors(int ARealCol, int ARow, TColor Value) {
  writeProps(this, ARealCol, ARow, [&](TCellProperties& p) { p.FontColor = Value; });
}

TFontStyles TExtStringGrid::FontStyles(int ARealCol, int ARow) const {
  const TCellProperties* p = GetGridObject(ARealCol, ARow);
  return p ? p->FontStyle : TFontStyles{};
}

void TExtStringGrid::SetFontStyles(int ARealCol, int ARow, TFontStyles Value) {
  writeProps(this, ARealCol, ARow, [&](TCellProperties& p) { p.FontStyle = Value; });
}

int TExtStringGrid::FontSizes(int ARealCol, int ARow) const {
  const TCellProperties* p = GetGridObject(ARealCol, ARow);
  return p ? p->FontSize : 0;
}

void TExtStringGrid::SetFontSizes(int ARealCol, int ARow, int Value) {
  writeProps(this, ARealCol, ARow, [&](TCellProperties& p) { p.FontSize = Value; });
}

std::string TExtStringGrid::FontNames(int ARealCol, int ARow) const {
  const TCellProperties* p = GetGridObject(ARealCol, ARow);
  return p ? p->FontName : std::string();
}

void TExtStringGrid::SetFontNames(int ARealCol, int ARow, const std::string& Value) {
  writeProps(this, ARealCol, ARow, [&](TCellProperties& p) { p.FontName = Value; });
}

TFont* TExtStringGrid::GetCellFont(int ARealCol, int ARow) {
  FCellFont->Assign(Font());
  if (const TCellProperties* p = GetGridObject(ARealCol, ARow)) {
    if (!p->FontName.empty()) FCellFont->SetName(p->FontName);
    if (p->FontSize != 0) FCellFont->SetSize(p->FontSize);
    FCellFont->SetStyle(p->FontStyle);
    if (p->FontColor != clNone) FCellFont->SetColor(p->FontColor);
  }
  return FCellFont.get();
}

void TExtStringGrid::SetCellFont(int ARealCol, int ARow, const TFont* Value) {
  TCellProperties* p = GetCellProperties(ARealCol, ARow);
  if (!p || !Value) return;
  p->FontName = Value->Name();
  p->FontSize = Value->Size();
  p->FontStyle = Value->Style();
  p->FontColor = Value->Color();
  repaintUnlessUpdating();
}

TAlignment TExtStringGrid::Alignments(int ARealCol, int ARow) const {
  const TCellProperties* p = GetGridObject(ARealCol, ARow);
  return p ? p->Alignment() : taLeftJustify;
}

void TExtStringGrid::SetAlignments(int ARealCol, int ARow, TAlignment Value) {
  writeProps(this, ARealCol, ARow, [&](TCellProperties& p) { p.SetAlignment(Value); });
}

bool TExtStringGrid::WordWraps(int ARealCol, int ARow) {
  TCellProperties* p = GetCellProperties(ARealCol, ARow);
  return p ? p->WordWrap() : FWordWrapEx;
}

void TExtStringGrid::SetWordWraps(int ARealCol, int ARow, bool Value) {
  if (TCellProperties* p = GetCellProperties(ARealCol, ARow)) p->SetWordWrap(Value);
}

bool TExtStringGrid::ReadOnly(int ARealCol, int ARow) const {
  const TCellProperties* p = GetGridObject(ARealCol, ARow);
  return p && p->ReadOnly;
}

void TExtStringGrid::SetReadOnly(int ARealCol, int ARow, bool Value) {
  writeProps(this, ARealCol, ARow, [&](TCellProperties& p) { p.ReadOnly = Value; });
}

// ---- row-wide colours: clNone clears that colour only, nothing else ----

namespace {
// Sets one colour of every normal cell of a row; clNone only clears it in
// cells that have properties, so nothing else of them is lost.
template <typename Apply>
void setRowColour(TExtStringGrid* G, int ARow, TColor Value, Apply A) {
  for (int c = G->FixedCols(); c < G->AllColCount(); ++c) {
    TCellProperties* p = Value == clNone ? G->GetGridObject(c, ARow) : G->GetCellProperties(c, ARow);
    if (p) A(*p);
  }
  G->InvalidateRow(ARow);
}
}  // namespace

void TExtStringGrid::SetRowColor(int ARow, TColor Value) {
  setRowColour(this, ARow, Value, [&](TCellProperties& p) { p.SetBrushColor(Value); });
}

void TExtStringGrid::SetRowColorTo(int ARow, TColor Value) {
  setRowColour(this, ARow, Value, [&](TCellProperties& p) { p.SetBrushColorTo(Value); });
}

void TExtStringGrid::SetRowFontColor(int ARow, TColor Value) {
  setRowColour(this, ARow, Value, [&](TCellProperties& p) { p.FontColor = Value; });
}

// ---- column widths by real column ----

int TExtStringGrid::AllColWidths(int ARealCol) const {
  if (ARealCol < 0) return 0;
  if (IsHiddenColumn(ARealCol))
    return ARealCol < static_cast<int>(FAllColWidths.size()) ? FAllColWidths[ARealCol] : 0;
  return ColWidths(RealToDisplColumn(ARealCol));
}

void TExtStringGrid::SetAllColWidths(int ARealCol, int Value) {
  if (ARealCol < 0) throw EExtGridError("Column index out of range");
  ensureColumnMaps(ARealCol);
  FAllColWidths[ARealCol] = Value;
  if (!IsHiddenColumn(ARealCol)) SetColWidths(RealToDisplColumn(ARealCol), Value);
}

void TExtStringGrid::SetCursor(TCursor Value) {
  TBaseGrid::SetCursor(Value);
  FOldCursor = Value;
}

void TExtStringGrid::CellValueChanged(int ACol, int ARow) { TBaseGrid::CellValueChanged(ACol, ARow); }
