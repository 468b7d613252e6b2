// Cell graphics: where a graphic goes in its cell and how the check-type
// graphics are drawn.

#include "grid/output/CellPaint.h"
#include "grid/output/CheckPainter.h"
#include "toolkit/graphics/Canvas.h"

namespace {

bool IsCheckType(TCellType t) {
  return t == ctCheckBox || t == ctDataCheckBox || t == ctVirtCheckBox || t == ctRowCheckBox ||
         t == ctRadioButton || t == ctTriStateCheckBox;
}

}  // namespace

TCellGraphicLayout TExtStringGrid::GetCellGraphicLayout(int ARealCol, int ARow) {
  TCellGraphicLayout L;
  L.Graphic = GetCellGraphic(ARealCol, ARow);
  if (!L.Graphic) return L;
  L.HAlign = L.Graphic->CellHAlign;
  L.VAlign = L.Graphic->CellVAlign;
  const int check = FControlLook.CheckSize();
  switch (L.Graphic->CellType) {
    case ctCheckBox:
    case ctTriStateCheckBox:
      L.Width = L.Height = check;
      break;
    case ctDataCheckBox:
    case ctVirtCheckBox:
    case ctRowCheckBox:
      L.Width = L.Height = check;
      L.ShowText = false;
      break;
    case ctRotated:
    case ctRadio:
    case ctProgress:
    case ctRangeIndicator:
    case ctXPProgress:
    case ctDataImage:
    case ctRating:
      L.ShowText = false;
      break;
    case ctRadioButton:
      L.Width = L.Height = FControlLook.RadioSize() + 4;
      break;
    case ctProgressPie:
      L.Width = L.Height = 20;
      break;
    case ctShape:
      L.Width = L.Height = RowHeights(ARow) - 2 * FXYOffset.Y;
      break;
    default:
      break;
  }
  return L;
}

void TExtStringGrid::DrawCheckBox(TCanvas* ACanvas, const TRect& R, bool Checked, bool Enabled, bool Grayed,
                                  TCellControlStyle Style) {
  PaintCheckBox(ACanvas, R, Checked, Enabled, Grayed, Style, FControlLook, ThemesActive());
}

void TExtStringGrid::paintCellGraphic(TCellPaint& P, TRect R) {
  TCellGraphic* g = P.Layout.Graphic;
  if (!IsCheckType(g->CellType)) return;
  InflateRect(R, 1 - FXYOffset.X, 1 - FXYOffset.Y);
  const int W = P.Layout.Width, H = P.Layout.Height;
  const int TW = P.TextWidth;
  TCellVAlign va = g->CellVAlign;
  if (P.VA != FVAlignment) va = P.VA == vtaTop ? vaTop : P.VA == vtaCenter ? vaCenter : vaBottom;
  int top;
  switch (va) {
    case vaBottom: top = R.Bottom - H - 1; break;
    case vaCenter: top = H < R.Height() ? R.Top + (R.Height() - H) / 2 : R.Top + 1; break;
    case vaUnderText: top = R.Bottom - H; break;
    case vaFull: top = R.Top; break;
    default: top = R.Top + 1; break;
  }
  const bool withText = g->CellType == ctCheckBox || g->CellType == ctRadioButton ||
                        g->CellType == ctTriStateCheckBox;
  int left;
  switch (P.HA) {
    case taRightJustify: left = R.Right - W - 1 - (withText ? TW : 0); break;
    case taCenter:
      left = withText && TW > 0 ? R.Left + std::max(0, R.Width() - TW) / 2 - W
                                : R.Left + std::max(0, R.Width() - W) / 2;
      break;
    default: left = R.Left + 1; break;
  }
  if (left < R.Left) left = R.Left + 1;
  TRect box(left, top, left + W, top + H);
  bool enabled = true;
  CanEditCell(P.RCol, P.ARow, enabled);
  switch (g->CellType) {
    case ctCheckBox:
    case ctRowCheckBox:
    case ctTriStateCheckBox:
      DrawCheckBox(P.Canvas, box, g->CellBoolean, enabled, g->CellAngle > 0, FControlLook.ControlStyle());
      break;
    case ctDataCheckBox:
    case ctVirtCheckBox: {
      std::string checkTrue = FCheckTrue;
      GetCheckTrue(P.RCol, P.ARow, checkTrue);
      DrawCheckBox(P.Canvas, box, Cells(P.RCol, P.ARow) == checkTrue, enabled, false, FControlLook.ControlStyle());
      break;
    }
    case ctRadioButton: {
      const int rs = FControlLook.RadioSize();
      TRect rb(box.Left + FXYOffset.X, box.Top, box.Left + FXYOffset.X + rs, box.Top + rs);
      TRadioGroupPaint one;
      one.Count = 1;
      one.Index = g->CellBoolean ? 0 : -2;
      one.Disabled = !enabled;
      PaintRadioButtons(P.Canvas, rb, one, FControlLook.ControlStyle(), FControlLook, ThemesActive());
      break;
    }
    default:
      break;
  }
}
