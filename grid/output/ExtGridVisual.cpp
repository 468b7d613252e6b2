// The colour decision of a cell: brush, gradient and font by the cell's
// properties, bands, fixed areas, look, selection and the colour hooks.

#include "grid/core/ExtGrid.h"
#include "grid/foundation/ExtUtil.h"
#include "toolkit/rtl/SysUtils.h"

namespace {

bool ExplicitlyColoured(TCellType Type) { return Type == ctNone || Type == ctRotated || Type == ctEmpty; }

void TakeCellFont(const TCellProperties& p, TFont* AFont) {
  if (p.FontColor != clNone) AFont->SetColor(p.FontColor);
  if (!p.FontStyle.Empty()) AFont->SetStyle(p.FontStyle);
  if (p.FontSize != 0) AFont->SetSize(p.FontSize);
  if (!p.FontName.empty()) AFont->SetName(p.FontName);
}

}  // namespace

void TExtStringGrid::GetFontProperties(int ADisplCol, int ARealCol, int ARow, TGridDrawState& AState, TFont* AFont,
                                       TBrush* ABrush) {
  const bool fixed = IsFixed(ADisplCol, ARow) || ADisplCol < FixedCols() || ARow < FixedRows();
  AFont->Assign(fixed ? &FFixedFont : Font());
  if (const TCellProperties* p = GetGridObject(ARealCol, ARow)) TakeCellFont(*p, AFont);
  GetCellColor(ARealCol, ARow, AState, ABrush, AFont);
}

void TExtStringGrid::GetVisualProperties(int ACol, int ARow, TGridDrawState& AState, bool Print, bool Select,
                                         bool Remap, TBrush* ABrush, TColor& AColorTo, TColor& AMirrorColor,
                                         TColor& AMirrorColorTo, TFont* AFont, TAlignment& HA, TVAlignment& VA,
                                         bool& WW, TCellGradientDirection& GD) {
  const int RCol = Remap ? RealColIndex(ACol) : ACol;
  const bool normal = ACol >= FixedCols() && ARow >= FixedRows();
  const bool useDisplayFont = !Print || FPrintSettings.UseDisplayFont();
  if (normal) AFont->Assign(useDisplayFont ? Font() : FPrintSettings.Font());
  else AFont->Assign(useDisplayFont ? &FFixedFont : FPrintSettings.FixedFont());

  TColor brush = clNone;
  AColorTo = AMirrorColor = AMirrorColorTo = clNone;
  bool explicitColour = false;
  if (const TCellProperties* p = GetGridObject(RCol, ARow)) {
    brush = p->BrushColor();
    explicitColour = brush != clNone && ExplicitlyColoured(GetCellType(RCol, ARow));
    TakeCellFont(*p, AFont);
    WW = p->WordWrap();
    AColorTo = p->BrushColorTo();
    GD = p->GradientDirection;
  }
  if (AState.Contains(gdSelected)) GD = GradientVertical;

  if (brush == clNone) {
    brush = Color();
    const bool bandsApply = FBands.Active() && (!Print || Print == FBands.Print());
    if (bandsApply && ACol < ColCount() + NumHiddenColumns() - FixedRightCols() &&
        ARow < RowCount() - FixedFooters() && FBands.TotalLength() > 0 && ARow >= FixedRows())
      brush = (ARow - FixedRows()) % FBands.TotalLength() < FBands.PrimaryLength() ? FBands.PrimaryColor()
                                                                                   : FBands.SecondaryColor();
    if (ACol < FixedCols() || ARow < FixedRows() || ACol >= ColCount() - FixedRightCols() ||
        ARow >= RowCount() - FixedFooters())
      brush = FixedColor();
  }

  const bool fixedLook = IsFixed(ACol, ARow) || ACol < FixedCols() || ARow < FixedRows();
  if (fixedLook && !Print && !explicitColour) {
    brush = FixedColor();
    AFont->Assign(&FFixedFont);
    AState.Include(gdFixed);
  }
  if (fixedLook && !explicitColour && FLook > glClassic) {
    brush = FFixedFaces.From;
    AColorTo = FFixedFaces.To;
    AMirrorColor = FFixedFaces.MirrorFrom;
    AMirrorColorTo = FFixedFaces.MirrorTo;
  }
  ABrush->SetColor(brush);

  if (Print) GetCellPrintColor(RCol, ARow, AState, ABrush, AFont);
  else GetCellColor(RCol, ARow, AState, ABrush, AFont);
  if (OnGetCellGradient) {
    TColor c = ABrush->Color();
    OnGetCellGradient(this, ARow, RCol, c, AColorTo, AMirrorColor, AMirrorColorTo, GD);
    ABrush->SetColor(c);
  }

  const TColor keptBrush = ABrush->Color(), keptFont = AFont->Color();

  const bool selectable = Select && !Print && FShowSelection && !fixedLook;
  const bool disjunct = FMouseActions.DisjunctRowSelect() || FMouseActions.DisjunctColSelect();
  if (!Print) applyDisjunctSelection(ACol, ARow, fixedLook, Select, AState, ABrush, AColorTo, AMirrorColor,
                                     AMirrorColorTo, AFont, keptBrush, keptFont);
  // The frame marks the selected cells (not the focused one unless
  // goDrawFocusSelected); a content call keeps its state for the text step.
  if ((selectable && !disjunct && AState.Contains(gdSelected)) ||
      (FShowSelection && AState.Contains(gdSelected) && FMouseDown)) {
    ABrush->SetColor(ABrush->Color() == Color() ? FSelectionColor : MixSelectionColor(ABrush->Color()));
    takeSelectionColors(AState, AColorTo, AMirrorColor, AMirrorColorTo, AFont);
  }
  if (UseDisabledFont && ((FUseEnabledRows && !RowEnabled(selectionRow(ARow))) || !Enabled()))
    AFont->SetColor(FDisabledFontColor);
  // Picked rows apart from the current one are told from it by a lighter face.
  if (AState.Contains(gdSelected) && ARow != Row() && FMouseActions.DisjunctRowSelect() &&
      FSelectionColorTo == clNone)
    ABrush->SetColor(ChangeColorPercent(ABrush->Color(), 7));
  GetCellWordWrap(RCol, ARow, WW);
  GetCellAlignment(RCol, ARow, HA, VA);
}

void TExtStringGrid::GetCellAlignment(int ARealCol, int ARow, TAlignment& HA, TVAlignment& VA) {
  HA = FDefaultAlignment;
  VA = FVAlignment;
  std::string text = Cells(ARealCol, ARow);
  const bool formula = GetTextKind(text, false) == 3;
  if (FAutoNumAlign) {
    if (formula) text = RawCellText(ARealCol, ARow);
    const int kind = GetNumberTextKind(Trim(text));
    if (kind == 0 || kind == 1 || kind == 5) HA = taRightJustify;
  }
  if (const TCellProperties* p = GetGridObject(ARealCol, ARow); p && !formula) HA = p->Alignment();
  GetCellAlign(ARealCol, ARow, VA, HA);
}

int TExtStringGrid::selectionRow(int ARow) {
  const bool byReal = (FMouseActions.DisjunctRowSelect() && FMouseActions.RowSelectPersistent()) || FUseEnabledRows;
  return byReal ? RealRowIndex(ARow) : ARow;
}

void TExtStringGrid::takeSelectionColors(TGridDrawState& AState, TColor& AColorTo, TColor& AMirrorColor,
                                         TColor& AMirrorColorTo, TFont* AFont) {
  AColorTo = FSelectionColorTo;
  AMirrorColor = FSelectionMirrorColor;
  AMirrorColorTo = FSelectionMirrorColorTo;
  if (FSelectionTextColor != clNone) AFont->SetColor(FSelectionTextColor);
  AState.Include(gdSelected);
}

// Picked rows and columns are selected by their flags: with the button up
// exactly the flagged ones; while the button is down a drag over unflagged
// ones keeps the frame's selection. Picked cells follow their list, and the
// current cell outside it shows no selection.
void TExtStringGrid::applyDisjunctSelection(int ACol, int ARow, bool FixedLook, bool Select, TGridDrawState& AState,
                                            TBrush* ABrush, TColor& AColorTo, TColor& AMirrorColor,
                                            TColor& AMirrorColorTo, TFont* AFont, TColor KeptBrush,
                                            TColor KeptFont) {
  const bool normal = ACol >= FixedCols() && ARow >= FixedRows();
  const bool asked = normal && !FixedLook && Select && FShowSelection;
  auto select = [&](bool on) {
    if (!on) {
      AState.Exclude(gdSelected);
      return;
    }
    ABrush->SetColor(FSelectionColor);
    AState = TGridDrawState();
    takeSelectionColors(AState, AColorTo, AMirrorColor, AMirrorColorTo, AFont);
  };
  if (asked && FMouseActions.DisjunctRowSelect()) {
    const bool flagged = RowSelect(selectionRow(ARow));
    if (!FMouseDown) select(flagged);
    else if (flagged) select(ARow != Row());
    else if (AState.Contains(gdSelected)) select(true);
  } else if (asked && FMouseActions.DisjunctColSelect()) {
    const bool flagged = ColSelect(ACol);
    select((flagged && (!FMouseDown || ACol != Col())) || (FMouseDown && !flagged && AState.Contains(gdSelected)));
  }
  if (!FMouseActions.DisjunctCellSelect() || !FShowSelection) return;
  if (FPickedCells.Contains(ACol, ARow)) {
    ABrush->SetColor(FSelectionColor);
    takeSelectionColors(AState, AColorTo, AMirrorColor, AMirrorColorTo, AFont);
  } else if (ACol == Col() && ARow == Row()) {
    AState.Exclude(gdSelected);
    ABrush->SetColor(KeptBrush);
    AFont->SetColor(KeptFont);
  }
}

TColor TExtStringGrid::MixSelectionColor(TColor Cell) const {
  if (!FSelectionColorMixer) return FSelectionColor;
  return BlendColors(FSelectionColor, Cell, FSelectionColorMixerFactor);
}
