// The base grid's paint frame: every cell's background, hover and active
// row colours, the selection face and the grid lines, then the content
// painter on the inner rectangle. Merged ranges are painted whole, once per
// pass through their non-base cells.

#include <algorithm>

#include "grid/foundation/BaseGrid.h"
#include "grid/foundation/EsgHTMLE.h"
#include "grid/foundation/ExtUtil.h"
#include "toolkit/graphics/Canvas.h"
#include "toolkit/rtl/Encoding.h"

namespace {
// The faces of the selection styles: focused Vista, Win7, Office 2007, then
// the grey of an unfocused grid. Colours are written 0xRRGGBB.
struct TSelectionFace {
  uint32_t Face, FaceTo, Mirror, MirrorTo, UpperLine, LowerLine, Frame, Corner;
};
constexpr uint32_t kNone = 0xFFFFFFFF;
constexpr TSelectionFace kFaces[] = {
    {0xF1F8FD, 0xD5EFFC, kNone, kNone, 0xF6FBFD, 0xE7F5FD, 0x99DEFD, 0xCBEDFC},
    {0xDCEBFC, 0xC1DBFC, kNone, kNone, 0xEBF4FD, 0xDBEAFD, 0x7DA2CE, 0xAEC5E0},
    {0xFDFFD7, 0xFCD458, 0xFCD458, 0xFCF1B3, 0xFFFEF4, 0xFFF8CA, 0xD3D78D, 0xDFD9C3},
    {0xF8F8F8, 0xE5E5E5, kNone, kNone, 0xFAFAFB, 0xF0F0F0, 0xD9D9D9, 0xEFEFEF},
};

TColor faceColor(uint32_t RRGGBB) {
  if (RRGGBB == kNone) return clNone;
  return RGB((RRGGBB >> 16) & 0xFF, (RRGGBB >> 8) & 0xFF, RRGGBB & 0xFF);
}

// The text a cell shows: wide cell text is decoded first.
std::string displayText(const std::string& Text) {
  if (Text.size() >= 2 && Text[0] == '|' && Text[1] == '\\') return Utf16ToUtf8(DecodeWideText(Text));
  return Text;
}
}  // namespace

void TBaseGrid::Paint() {
  TStringGrid::Paint();
  focusWholeRange();
  ++FPaintID;
}

// The base control draws the focus rectangle round the current cell alone;
// in a merged range it belongs round the whole range. The rectangle is
// drawn by inversion, so drawing it again over the cell takes it away.
void TBaseGrid::focusWholeRange() {
  bool editorShown = InplaceEditor() && InplaceEditor()->Visible();
  if (!GridFocused() || Options().Contains(goRowSelect) || editorShown || Col() < FixedCols() ||
      Row() < FixedRows() || CellSpan(Col(), Row()) == TPoint{0, 0})
    return;
  TRect single = TStringGrid::CellRect(Col(), Row());
  TRect whole = CellRect(Col(), Row());
  if (single.IsEmpty() || single == whole) return;
  Canvas()->DrawFocusRect(single);
  Canvas()->DrawFocusRect(whole);
}

void TBaseGrid::DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) {
  paintFrame(Canvas(), ACol, ARow, ARect, AState, true);
}

void TBaseGrid::PaintCell(TCanvas* ACanvas, int ACol, int ARow, TRect ARect, TGridDrawState AState) {
  paintFrame(ACanvas, ACol, ARow, ARect, AState, true);
}

void TBaseGrid::PaintCellExt(TCanvas* ACanvas, int ACol, int ARow, TRect ARect, TGridDrawState AState) {
  paintFrame(ACanvas, ACol, ARow, ARect, AState, false);
}

void TBaseGrid::GetVisualProperties(int ACol, int ARow, TGridDrawState& AState, bool Print, bool Select,
                                    bool Remap, TBrush* ABrush, TColor& AColorTo, TColor& AMirrorColor,
                                    TColor& AMirrorColorTo, TFont* AFont, TAlignment& HA, TVAlignment& VA,
                                    bool& WW, TCellGradientDirection& GD) {
  (void)ACol, (void)ARow, (void)AState, (void)Print, (void)Select, (void)Remap, (void)ABrush, (void)AColorTo;
  (void)AMirrorColor, (void)AMirrorColorTo, (void)AFont, (void)HA, (void)VA, (void)WW, (void)GD;
}

// What a grid that does not override GetVisualProperties paints with: the
// cell defaults, and the base string grid's look of fixed and selected cells.
void TBaseGrid::defaultVisualProperties(int ACol, int ARow, TGridDrawState AState, bool Select, TBrush* ABrush,
                                        TColor& AColorTo, TColor& AMirrorColor, TColor& AMirrorColorTo,
                                        TFont* AFont, TAlignment& HA, TVAlignment& VA, bool& WW,
                                        TCellGradientDirection& GD) {
  GetCellDefaults(ACol, ARow, AFont, ABrush, AColorTo, AMirrorColor, AMirrorColorTo, HA, VA, WW, GD);
  if (AState.Contains(gdFixed)) {
    ABrush->SetColor(FixedColor());
  } else if (Select && AState.Contains(gdSelected) && FSelectionStyle == ssDefault) {
    ABrush->SetColor(clHighlight);
    AFont->SetColor(clHighlightText);
  }
}

void TBaseGrid::paintFrame(TCanvas* ACanvas, int ACol, int ARow, TRect ARect, TGridDrawState AState, bool Full) {
  if (ARow == RowCount() - 1 && FHideLastRow) {
    ACanvas->Brush()->SetStyle(bsSolid);
    ACanvas->Brush()->SetColor(Color());
    ACanvas->Pen()->SetColor(Color());
    ACanvas->Rectangle(ARect);
    return;
  }
  int bc = ACol, br = ARow;
  if (!ResolveBaseCell(ACol, ARow, bc, br)) {
    TCellProperties* base = GetGridObject(bc, br);
    if (base && base->FPaintID != FPaintID) {
      base->FPaintID = FPaintID;
      PaintCell(ACanvas, bc, br, ARect, AState);
    }
    return;
  }
  if (Full && IsFixed(ACol, ARow)) {
    AState.Include(gdFixed);
    AState.Exclude(gdSelected);
  }
  TRect R = Full ? CellRect(ACol, ARow) : ARect;

  // A range scrolled partly under the fixed cells must not paint over them.
  // Only a full paint works in the grid's client coordinates.
  int fw = ACol >= FixedCols() ? colOffset(0, FixedCols()) : 0;
  int fh = ARow >= FixedRows() ? rowOffset(0, FixedRows()) : 0;
  bool clip = Full && ((FixedCols() > 0 && ACol >= FixedCols() && R.Left < fw) ||
              (FixedRows() > 0 && ARow >= FixedRows() && R.Top < fh));
  int saved = 0;
  if (clip) {
    saved = ACanvas->SaveDC();
    ACanvas->IntersectClipRect(fw, fh, Width(), Height());
  }

  ACanvas->Pen()->SetWidth(1);
  ACanvas->Font()->Assign(Font());
  TColor colorTo = clNone, mirror = clNone, mirrorTo = clNone;
  TAlignment ha = taLeftJustify;
  TVAlignment va = vtaTop;
  bool ww = FWordWrap;
  TCellGradientDirection gd = GradientVertical;
  TBrush* brush = ACanvas->Brush();
  defaultVisualProperties(ACol, ARow, AState, true, brush, colorTo, mirror, mirrorTo, ACanvas->Font(), ha, va, ww,
                          gd);
  GetVisualProperties(ACol, ARow, AState, false, true, true, brush, colorTo, mirror, mirrorTo, ACanvas->Font(), ha,
                      va, ww, gd);
  ACanvas->Pen()->SetColor(brush->Color());

  bool selected = AState.Contains(gdSelected), fixed = AState.Contains(gdFixed);
  if (ARow == FHoverRowIdx && FHoverRow && !(selected && !FHoverRowCells.Contains(hcSelected)) &&
      !(fixed && !FHoverRowCells.Contains(hcFixed))) {
    brush->SetColor(FHoverRowColor);
    colorTo = FHoverRowColorTo;
    mirror = clNone;
    mirrorTo = clNone;
    gd = GradientVertical;
  }
  if ((FActiveRowShow && ARow == Row() && (ACol != Col() || !FShowSel) && ACol >= FixedCols()) ||
      (!Full && selected)) {
    brush->SetColor(FActiveRowColor);
    colorTo = FActiveRowColorTo;
    mirror = FActiveRowMirrorColor;
    mirrorTo = FActiveRowMirrorColorTo;
    ACanvas->Pen()->SetColor(brush->Color());
  }

  brush->SetStyle(bsSolid);
  if (selected && FSelectionStyle != ssDefault && FShowSel) {
    paintSelectionFace(ACanvas, ACol, R);
  } else if (!(UsesAppStyles() && (fixed || selected))) {
    if (mirrorTo == clNone)
      GradientFillRect(ACanvas, brush->Color(), colorTo, 64, R, gd == GradientHorizontal);
    else
      DrawCellBackground(ACanvas, R, brush->Color(), colorTo, mirror, mirrorTo, true, clNone, false, true);
  }

  // Lines inside the cell, along its right and bottom edges.
  int h = 1;
  if (fixed) {
    ACanvas->Pen()->SetColor(FGridFixedLineColor);
    ACanvas->Pen()->SetWidth(1);
  } else {
    if (FGridLineWidth > 0) ACanvas->Pen()->SetColor(FGridLineColor);
    ACanvas->Pen()->SetWidth(std::max(FGridLineWidth, 1));
    h = (FGridLineWidth + 1) / 2;
  }
  const TGridOptions& o = Options();
  bool lineWanted = fixed || FGridLineWidth > 0;
  if (lineWanted && (ACol != 0 || !HasNodes()) &&
      ((o.Contains(goHorzLine) && !fixed) || (o.Contains(goFixedHorzLine) && fixed))) {
    ACanvas->MoveTo(R.Left - h + 1, R.Bottom - h);
    ACanvas->LineTo(R.Right - h + 1, R.Bottom - h);
  }
  if (lineWanted && ((o.Contains(goVertLine) && !fixed) || (o.Contains(goFixedVertLine) && fixed))) {
    int x = UseRightToLeftAlignment() ? R.Right - h + 1 : R.Right - h;
    ACanvas->MoveTo(x, R.Bottom - h);
    ACanvas->LineTo(x, R.Top - h);
  }

  TRect inner = R;
  if (fixed) {
    inner.Right -= 1;
    inner.Bottom -= 2;
  } else {
    inner.Left += FGridLineWidth;
    inner.Top += FGridLineWidth;
    inner.Right -= FGridLineWidth;
    inner.Bottom -= FGridLineWidth;
  }
  if (Full) DrawCellContent(ACanvas, ACol, ARow, inner, AState);

  if (clip) ACanvas->RestoreDC(saved);
  ACanvas->Brush()->SetStyle(bsSolid);
  ACanvas->Pen()->SetStyle(psSolid);
}

void TBaseGrid::paintSelectionFace(TCanvas* ACanvas, int ACol, const TRect& R) {
  TGridRect sel = NormalizedGridRect(baseSelection());
  int kind = 0;
  if (sel.Right > sel.Left) {
    if (ACol == sel.Left) kind = 1;
    else if (ACol == sel.Right) kind = 2;
    else if (ACol > sel.Left && ACol < sel.Right) kind = 3;
  }
  TRect S = R;
  if (!Options().Contains(goHorzLine)) ++S.Bottom;
  if (!Options().Contains(goVertLine)) ++S.Right;
  if (UseRightToLeftAlignment()) {
    ++S.Right;
    ++S.Bottom;
  }
  bool focused = GridFocused() || Options().Contains(goDrawFocusSelected);
  const TSelectionFace& f = kFaces[focused ? static_cast<int>(FSelectionStyle) - 1 : 3];
  DrawRoundedGradientFace(ACanvas, faceColor(f.Face), faceColor(f.FaceTo), faceColor(f.Mirror),
                          faceColor(f.MirrorTo), faceColor(f.UpperLine), faceColor(f.LowerLine), faceColor(f.Frame),
                          faceColor(f.Corner), Color(), S, kind);
}

// One line, centred both ways; HTML text through the HTML renderer.
void TBaseGrid::DrawCellContent(TCanvas* ACanvas, int ACol, int ARow, TRect ARect, TGridDrawState AState) {
  (void)AState;
  std::string text = displayText(Cells(ACol, ARow));
  if (text.empty()) return;
  ACanvas->Brush()->SetStyle(bsClear);
  if (GetTextKind(text, true) == 1) {
    THTMLTextCall measure;
    measure.MeasureOnly = true;
    measure.WrapWords = false;
    DrawHTMLText(ACanvas, text, ARect, measure);
    TRect r = ARect;
    r.Left += std::max(0, (ARect.Width() - measure.MaxWidth) / 2);
    r.Top += std::max(0, (ARect.Height() - measure.TotalHeight) / 2);
    THTMLTextCall draw;
    draw.WrapWords = false;
    DrawHTMLText(ACanvas, text, r, draw);
  } else {
    TRect r = ARect;
    ACanvas->DrawText(text, r, DT_SINGLELINE | DT_CENTER | DT_VCENTER | DT_NOPREFIX);
  }
  ACanvas->Brush()->SetStyle(bsSolid);
}
