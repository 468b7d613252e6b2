// Cell graphics that act: push buttons, bitmap buttons, expand buttons and
// the outline node's expand/contract glyph.

#include <cmath>

#include "grid/output/CellPaint.h"
#include "grid/foundation/ExtUtilGlyphs.h"
#include "toolkit/graphics/Bitmap.h"
#include "toolkit/graphics/Canvas.h"

namespace {

TColor ToneText(const TColorTones& t, uint8_t state) {
  switch (state) {
    case 1: return t.Hover.TextColor;
    case 2: return t.Selected.TextColor;
    case 3: return t.Disabled.TextColor;
    default: return t.Background.TextColor;
  }
}

void Chevron(TCanvas* c, const TRect& R, bool Up) {
  c->Pen()->SetColor(clBlack);
  c->Pen()->SetWidth(1);
  const int s = Up ? 1 : -1, y = Up ? R.Top + 8 : R.Top + 5;
  c->MoveTo(R.Right - 10, y);
  c->LineTo(R.Right - 7, y - 3 * s);
  c->LineTo(R.Right - 3, y + s);
}

bool VarIsTrue(const TCellVar& v) {
  if (const int* i = std::get_if<int>(&v)) return *i != 0;
  if (const double* d = std::get_if<double>(&v)) return *d != 0;
  if (const std::string* s = std::get_if<std::string>(&v)) return !s->empty() && *s != "0" && *s != "False";
  return false;
}

}  // namespace

uint8_t TExtStringGrid::CellButtonStyle() const {
  uint8_t style = FControlLook.FlatButton() ? 2 : ThemesActive() ? 0 : 1;
  if (FFlat && FTones.Background.BrushColor != clNone) style = 3;
  return style;
}

void TExtStringGrid::paintButtonGraphic(TCellPaint& P, const TRect& R, TRect box) {
  TCellGraphic* g = P.Layout.Graphic;
  TCanvas* c = P.Canvas;
  const TRect cell = CellRect(P.ACol, P.ARow);
  g->CellValue = double((uint32_t(std::max(0, box.Top - cell.Top)) << 16) | uint32_t(std::max(0, box.Left - cell.Left)));
  bool enabled = true;
  if (!FControlLook.NoDisabledButtonLook()) CanEditCell(P.RCol, P.ARow, enabled);
  const uint8_t style = CellButtonStyle();
  uint8_t state = g->CellBoolean ? 2 : (FMouseDown && Colclicked == P.ACol && Rowclicked == P.ARow) ? 1 : 0;
  if (!enabled && g->CellType != ctExpand) state = 3;
  if (g->CellType == ctExpand) box = TRect(R.Right - 13, R.Top, R.Right, R.Top + 13);
  const TColor oldBrush = c->Brush()->Color();
  c->Brush()->SetColor(clBtnFace);
  DrawPushButton(c, reinterpret_cast<HWND>(Handle()), box, style, state, FTones);
  if (state == 2) OffsetRect(box, 1, 1);
  if (g->CellType == ctExpand) {
    Chevron(c, R, VarIsTrue(g->CellVar));
    c->Brush()->SetColor(oldBrush);
    return;
  }
  TBitmap* glyph = g->CellType == ctBitButton ? g->Bitmap() : nullptr;
  if (glyph && !glyph->Empty()) {
    const int dx = box.Width() - glyph->Width();
    int dy = box.Height() - glyph->Height();
    dy = dy < 1 ? 3 : dy / 2;
    if (!g->CellText.empty() || dx < 1) {
      DrawTransparentBitmap(c, glyph, clBtnFace, TRect(box.Left + 3, box.Top + dy, box.Left + 3 + glyph->Width(),
                                                      box.Top + dy + glyph->Height()));
      box.Left += glyph->Width() + 4;
    } else {
      const int x = box.Left + dx / 2;
      DrawTransparentBitmap(c, glyph, clBtnFace,
                            TRect(x, box.Top + dy, x + glyph->Width(), box.Top + dy + glyph->Height()));
    }
  }
  if (!g->CellText.empty()) {
    const TColor oldFont = c->Font()->Color();
    if (style == 3) c->Font()->SetColor(ToneText(FTones, state));
    uint32_t flags = DT_CENTER | DT_VCENTER | DT_END_ELLIPSIS;
    flags |= g->CellText.find('\r') != std::string::npos ? DT_WORDBREAK : DT_SINGLELINE;
    c->Brush()->SetStyle(bsClear);
    TRect t(box.Left + 1, box.Top, box.Right, box.Bottom);
    c->DrawText(g->CellText, t, flags);
    c->Brush()->SetStyle(bsSolid);
    c->Font()->SetColor(oldFont);
  }
  c->Brush()->SetColor(oldBrush);
}

// The expand/contract glyph of an outline node row; the grid keeps no node
// levels yet, so the glyph sits at the cell's left.
void TExtStringGrid::paintNodeGraphic(TCellPaint& P, const TRect& R) {
  TCellGraphic* g = P.Layout.Graphic;
  TCanvas* c = P.Canvas;
  const int NI = FCellNode.NodeIndent();
  const int X0 = GetRowIndent(P.ARow);
  int left = X0 - NI / 2 - 4;
  if (left < R.Left) left = R.Left;
  TColor back = P.BrushColor != clNone ? P.BrushColor : FixedCols() >= 1 ? FixedColor() : Color();
  if (FShowSelection && P.State.Contains(gdSelected)) back = FSelectionColor;
  const int h = R.Height();
  const bool contracted = g->CellBoolean;
  switch (FCellNode.NodeType()) {
    case cnLeaf: {
      const int top = R.Top + (h - 12) / 2;
      DrawResourceBitmap(c, back, TRect(left, top, left + 16, top + 16), contracted ? "ESGLEAFCLOSE" : "ESGLEAFOPEN");
      return;
    }
    case cnXP: {
      const int top = R.Top + (h - 10) / 2;
      DrawResourceBitmap(c, back, TRect(left + 4, top, left + 13, top + 9), contracted ? "XPNODEC" : "XPNODEO");
      return;
    }
    case cnGlyph: {
      TBitmap* glyph = contracted ? FCellNode.ContractGlyph() : FCellNode.ExpandGlyph();
      if (FCellNode.ContractGlyph() && !FCellNode.ContractGlyph()->Empty() && FCellNode.ExpandGlyph() &&
          !FCellNode.ExpandGlyph()->Empty()) {
        const int top = R.Top + (h - glyph->Height()) / 2;
        DrawTransparentBitmap(c, glyph, back, TRect(left, top, left + glyph->Width(), top + glyph->Height()));
        return;
      }
      break;
    }
    default: break;
  }
  if (FCellNode.NodeType() == cn3D) {
    c->Brush()->SetColor(FCellNode.Color());
    c->FillRect(TRect(left, R.Top, R.Right, R.Bottom));
  }
  const int top = R.Top + (h - 8) / 2;
  TRect box(left + 4, top, left + 12, top + 8);
  c->Brush()->SetColor(FCellNode.Color());
  c->FillRect(box);
  if (FCellNode.NodeType() != cnFlat) {
    c->DrawEdge(box, contracted ? BDR_RAISEDINNER : BDR_SUNKENOUTER, BF_RECT | BF_SOFT);
    return;
  }
  c->Pen()->SetColor(FCellNode.NodeColor());
  c->Brush()->SetStyle(bsClear);
  const int l = box.Left, t = box.Top;
  c->Rectangle(l, t, l + 9, t + 9);
  c->Brush()->SetStyle(bsSolid);
  c->MoveTo(l + 2, t + 4);
  c->LineTo(l + 7, t + 4);
  if (contracted) {
    c->MoveTo(l + 4, t + 2);
    c->LineTo(l + 4, t + 7);
  }
}
