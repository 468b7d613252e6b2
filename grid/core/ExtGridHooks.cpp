// The per-cell query hooks: the grid's own answer first, then the event
// (fired only when set), so the application has the last word. The column
// grid overrides them to put its column settings in first.

#include "grid/core/ExtGrid.h"
#include "grid/foundation/ExtUtil.h"
#include "toolkit/forms/Forms.h"

void TExtStringGrid::GetCellCursor(int ACol, int ARow, int X, int Y, TCursor& ACursor) {
  if (OnGetCellCursor) OnGetCellCursor(this, ACol, ARow, X, Y, ACursor);
}

void TExtStringGrid::QueryGridHint(int ADisplCol, int ARow, std::string& AHint, std::u16string& AWideHint) {
  if (OnGridHint) OnGridHint(this, ARow, ADisplCol, AHint);
  if (OnGridWideHint) {
    OnGridWideHint(this, ARow, ADisplCol, AWideHint);
    if (!AWideHint.empty()) AHint = EncodeWideText(AWideHint);
  }
}

namespace {
// Cell kinds whose own brush colour paints the cell.
bool paintsOwnBrush(TCellType t) {
  return t == ctIcon || t == ctNone || t == ctImageList || t == ctEmpty || t == ctImages || t == ctComment;
}
}  // namespace

void TExtStringGrid::GetCellColor(int ACol, int ARow, TGridDrawState AState, TBrush* ABrush, TFont* AFont) {
  int fc = TCustomGrid::FixedCols(), fr = TCustomGrid::FixedRows();
  int d = RealToDisplColumn(ACol);
  bool rowHeader = fc > 0 && d == fc - 1 && ARow == Row();
  bool colHeader = fr > 0 && ARow == fr - 1 && d == Col();
  if (FActiveCellShow && (rowHeader || colHeader)) {
    AFont->Assign(&FActiveCellFont);
    ABrush->SetColor(FActiveCellColor);
  }
  if (const TCellProperties* p = GetGridObject(ACol, ARow)) {
    if (p->BrushColor() != clNone && paintsOwnBrush(GetCellType(ACol, ARow))) ABrush->SetColor(p->BrushColor());
    if (p->FontColor != clNone) AFont->SetColor(p->FontColor);
    if (!p->FontStyle.Empty()) AFont->SetStyle(p->FontStyle);
    if (p->FontSize != 0) AFont->SetSize(p->FontSize);
    if (!p->FontName.empty()) AFont->SetName(p->FontName);
  }
  if (OnGetCellColor) OnGetCellColor(this, ARow, ACol, AState, ABrush, AFont);
}

void TExtStringGrid::GetCellPrintColor(int ACol, int ARow, TGridDrawState AState, TBrush* ABrush, TFont* AFont) {
  if (OnGetCellPrintColor) OnGetCellPrintColor(this, ARow, ACol, AState, ABrush, AFont);
}

// Group headers are underlined and summary rows get a line above them,
// except in the node column; the event has the last word.
void TExtStringGrid::GetCellBorder(int ACol, int ARow, TPen* APen, TCellBorders& Borders) {
  if (ACol > 0 && FGrouping.HeaderUnderline() && IsNode(ARow)) {
    Borders = TCellBorders{cbBottom};
    APen->SetColor(FGrouping.HeaderLineColor());
    APen->SetWidth(FGrouping.HeaderLineWidth());
  }
  if (ACol > 0 && FGrouping.SummaryLine() && IsSummary(ARow)) {
    Borders = TCellBorders{cbTop};
    APen->SetColor(FGrouping.SummaryLineColor());
    APen->SetWidth(FGrouping.SummaryLineWidth());
  }
  if (OnGetCellBorder) OnGetCellBorder(this, ARow, ACol, APen, Borders);
}

void TExtStringGrid::GetCellPrintBorder(int ACol, int ARow, TPen* APen, TCellBorders& Borders) {
  if (OnGetCellPrintBorder) OnGetCellPrintBorder(this, ARow, ACol, APen, Borders);
}

void TExtStringGrid::GetCellAlign(int ACol, int ARow, TVAlignment& VAlign, TAlignment& HAlign) {
  if (ACol == 0 && FMouseActions.HotmailRowSelect()) HAlign = taCenter;
  if (OnGetAlignment) OnGetAlignment(this, ARow, ACol, HAlign, VAlign);
}

void TExtStringGrid::GetCellFormat(int ACol, TSortStyle& AStyle, std::string& aPrefix, std::string& aSuffix) {
  if (OnGetFormat) OnGetFormat(this, ACol, AStyle, aPrefix, aSuffix);
}

void TExtStringGrid::QueryCellEditor(int ACol, int ARow, TEditorType& AEditor) {
  if (OnGetEditorType) OnGetEditorType(this, ACol, ARow, AEditor);
}

void TExtStringGrid::GetCellEditor(int ACol, int ARow, TEditorType& AEditor) {
  if (OnGetEditorType) OnGetEditorType(this, ACol, ARow, AEditor);
}

bool TExtStringGrid::HasNoEditor(int ACol, int ARow) {
  if (!OnGetEditorType) return false;
  TEditorType e = edNormal;
  OnGetEditorType(this, ACol, ARow, e);
  return e == edNone;
}

void TExtStringGrid::IsFixedCell(int ADisplCol, int ARow, bool& IsFixed) {
  IsFixed = IsFixed || (FFixedRowAlways && ARow <= FFixedRowsMin && RowCount() == FFixedRowsMin) ||
            (FFixedColAlways && ADisplCol < FFixedColsMin && ColCount() == FFixedColsMin) ||
            ADisplCol < TCustomGrid::FixedCols() || ARow < TCustomGrid::FixedRows();
  if (!IsFixed && OnIsFixedCell) OnIsFixedCell(this, ARow, ADisplCol, IsFixed);
}

bool TExtStringGrid::IsFixed(int ADisplCol, int ARow) const {
  bool f = false;
  const_cast<TExtStringGrid*>(this)->IsFixedCell(ADisplCol, ARow, f);
  return f;
}

void TExtStringGrid::CanEditCell(int ACol, int ARow, bool& CanEdit) {
  TPoint b = BaseCell(ACol, ARow);
  if (const TCellProperties* p = GetGridObject(b.X, b.Y); p && CanEdit) {
    CanEdit = !p->ReadOnly;
    if (!Options().Contains(goEditing) && !FEditDisable && !FMouseActions.RangeSelectAndEdit()) CanEdit = false;
  }
  // A column beyond the counts is never editable.
  if (b.X < 0 || b.X >= AllColCount()) {
    CanEdit = false;
    return;
  }
  DoCanEditCell(b.X, b.Y, CanEdit);
}

void TExtStringGrid::IsPasswordCell(int ACol, int ARow, bool& IsPassword) {
  if (OnIsPasswordCell) OnIsPasswordCell(this, ARow, ACol, IsPassword);
}

void TExtStringGrid::GetCellWordWrap(int ACol, int ARow, bool& WordWrap) {
  if (OnGetWordWrap) OnGetWordWrap(this, ACol, ARow, WordWrap);
}

bool TExtStringGrid::HasCombo(int ACol, int ARow) {
  if (OnHasComboBox) {
    bool has = false;
    OnHasComboBox(this, ACol, ARow, has);
    return has;
  }
  if (!FControlLook.DropDownAlwaysVisible()) return false;
  TEditorType e = FDefaultEditor;
  GetCellEditor(ACol, ARow, e);
  return e == edComboEdit || e == edComboList;
}

bool TExtStringGrid::HasSpinEdit(int ACol, int ARow) {
  if (ACol < FixedCols() || ARow < FixedRows()) return false;
  if (OnHasSpinEdit) {
    bool has = false;
    OnHasSpinEdit(this, ACol, ARow, has);
    return has;
  }
  if (!FControlLook.SpinButtonsAlwaysVisible()) return false;
  TEditorType e = FDefaultEditor;
  QueryCellEditor(ACol, ARow, e);
  return e == edSpinEdit || e == edFloatSpinEdit || e == edTimeSpinEdit || e == edDateSpinEdit;
}

void TExtStringGrid::GetCheckTrue(int ACol, int ARow, std::string& Value) {
  Value = FCheckTrue;
  if (OnGetCheckTrue) OnGetCheckTrue(this, ACol, ARow, Value);
}

void TExtStringGrid::GetCheckFalse(int ACol, int ARow, std::string& Value) {
  Value = FCheckFalse;
  if (OnGetCheckFalse) OnGetCheckFalse(this, ACol, ARow, Value);
}

// ---- relays ----

void TExtStringGrid::DoCanEditCell(int ACol, int ARow, bool& CanEdit) {
  if (OnCanEditCell) OnCanEditCell(this, ARow, ACol, CanEdit);
}

void TExtStringGrid::DoSearchFooterAction(const std::string& Value, int ACol, int ARow, int SearchAction) {
  if (OnSearchFooterAction) OnSearchFooterAction(this, Value, ACol, ARow, SearchAction);
}

void TExtStringGrid::DoButtonClick(int ACol, int ARow) {
  if (OnButtonClick) OnButtonClick(this, ACol, ARow);
}

void TExtStringGrid::DoExpandClick(int ACol, int ARow, bool Expanded) {
  if (OnExpandClick) OnExpandClick(this, ACol, ARow, Expanded);
  SetRowHeights(ARow, GetExpandHeight(ACol, ARow, Expanded));
}

void TExtStringGrid::DoComboCloseUp(int ARow, int ACol) {
  if (OnComboCloseUp) OnComboCloseUp(this, ARow, ACol);
}

void TExtStringGrid::DoComboDropDown(int ARow, int ACol) {
  if (OnComboDropDown) OnComboDropDown(this, ARow, ACol);
}

void TExtStringGrid::DoCheckBoxClick(int ACol, int ARow, bool State) {
  if (OnCheckBoxClick) OnCheckBoxClick(this, ACol, ARow, State);
}

void TExtStringGrid::DoStartBlockFocus() {
  if (OnStartBlockFocus) OnStartBlockFocus(this);
}

void TExtStringGrid::DoEndBlockFocus() {
  if (OnEndBlockFocus) OnEndBlockFocus(this);
}

void TExtStringGrid::DoEllipsClick(int ACol, int ARow, std::string& S) {
  if (OnEllipsClick) OnEllipsClick(this, ACol, ARow, S);
}

void TExtStringGrid::UpdateColumnSize(int ACol, int& NewWidth) {
  if (OnUpdateColumnSize) OnUpdateColumnSize(this, ACol, NewWidth);
}

void TExtStringGrid::UpdateAutoColumnSize(int ACol, int& NewWidth) {
  if (OnUpdateColumnSize) OnUpdateColumnSize(this, ACol, NewWidth);
}

void TExtStringGrid::UpdateColumnHeaders() {}

void TExtStringGrid::CellsLoaded() { CalcFooter(-1); }

// ---- defaults of new cell properties ----

void TExtStringGrid::GetCellDefaults(int ACol, int ARow, TFont* AFont, TBrush* ABrush, TColor& ColorTo,
                                     TColor& MirrorColor, TColor& MirrorColorTo, TAlignment& HA, TVAlignment& VA,
                                     bool& WW, TCellGradientDirection& GD) {
  TGridDrawState state;
  GetVisualProperties(ACol, ARow, state, false, false, false, ABrush, ColorTo, MirrorColor, MirrorColorTo, AFont,
                      HA, VA, WW, GD);
  bool gradientBack =
      FBackGround.Display() == bdGradientHorz || FBackGround.Display() == bdGradientVert;
  if (IsFixed(RealToDisplColumn(ACol), ARow) || FBands.Active() || gradientBack || state.Contains(gdSelected)) {
    ABrush->SetColor(clNone);
    ColorTo = clNone;
  }
}
