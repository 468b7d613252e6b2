// The honeycomb of 127 hexagonal colour cells.

#include "controls/ExtColorPanels.h"

#include "toolkit/forms/Forms.h"
#include "toolkit/graphics/Canvas.h"
#include "toolkit/rtl/SysUtils.h"

namespace {

constexpr int RowCells[13] = {7, 8, 9, 10, 11, 12, 13, 12, 11, 10, 9, 8, 7};

// Row by row as RGB (0xRRGGBB), left to right.
constexpr uint32_t CubeColors[TExtColorCubePanel::CellCount] = {
    0x003366, 0x336699, 0x3366CC, 0x003399, 0x000099, 0x0000CC, 0x000066,
    0x006666, 0x006699, 0x0099CC, 0x0066CC, 0x0033CC, 0x0000FF, 0x3333FF, 0x333399,
    0x008080, 0x009999, 0x33CCCC, 0x00CCFF, 0x0099FF, 0x0066FF, 0x3366FF, 0x3333CC, 0x666699,
    0x339966, 0x00CC99, 0x00FFCC, 0x00FFFF, 0x33CCFF, 0x3399FF, 0x6699FF, 0x6666FF, 0x6600FF, 0x6600CC,
    0x339933, 0x00CC66, 0x00FF99, 0x66FFCC, 0x66FFFF, 0x66CCFF, 0x99CCFF, 0x9999FF, 0x9966FF, 0x9933FF,
    0x9900FF,
    0x006600, 0x00CC00, 0x00FF00, 0x66FF99, 0x99FFCC, 0xCCFFFF, 0xCCECFF, 0xCCCCFF, 0xCC99FF, 0xCC66FF,
    0xCC00FF, 0x9900CC,
    0x003300, 0x008000, 0x33CC33, 0x66FF66, 0x99FF99, 0xCCFFCC, 0xFFFFFF, 0xFFCCFF, 0xFF99FF, 0xFF66FF,
    0xFF00FF, 0xCC00CC, 0x660066,
    0x336600, 0x009900, 0x66FF33, 0x99FF66, 0xCCFF99, 0xFFFFCC, 0xFFCCCC, 0xFF99CC, 0xFF66CC, 0xFF33CC,
    0xCC0099, 0x800080,
    0x333300, 0x669900, 0x99FF33, 0xCCFF66, 0xFFFF99, 0xFFCC99, 0xFF9999, 0xFF6699, 0xFF3399, 0xCC3399,
    0x990099,
    0x666633, 0x99CC00, 0xCCFF33, 0xFFFF66, 0xFFCC66, 0xFF9966, 0xFF7C80, 0xFF0066, 0xD60093, 0x993366,
    0x808000, 0xCCCC00, 0xFFFF00, 0xFFCC00, 0xFF9933, 0xFF6600, 0xFF5050, 0xCC0066, 0x660033,
    0x996633, 0xCC9900, 0xFF9900, 0xCC6600, 0xFF3300, 0xFF0000, 0xCC0000, 0x990033,
    0x663300, 0x996600, 0xCC3300, 0x993300, 0x990000, 0x800000, 0xA50021,
};

void Hexagon(TCanvas* C, TPoint Center, int W, int Q) {
  const int ox = Center.X - W, oy = Center.Y - 2 * Q;
  C->Polygon({{ox, oy + Q}, {ox + W, oy}, {ox + 2 * W, oy + Q}, {ox + 2 * W, oy + 3 * Q}, {ox + W, oy + 4 * Q},
              {ox, oy + 3 * Q}});
}

}  // namespace

TExtColorCubePanel::TExtColorCubePanel(TComponent* AOwner) : TExtCustomColorSelectorPanel(AOwner) {
  SetColorArray();
  SetShowRGBHint(true);
}

void TExtColorCubePanel::SetColorArray() {
  FCubeSize = {6, 3};
  int i = 0;
  for (int n = 1; n <= 13; ++n) {
    const int x0 = n <= 7 ? 55 - 6 * (n - 1) : (n - 7) * 6 + 19;
    for (int k = 0; k < RowCells[n - 1]; ++k, ++i) {
      const uint32_t rgb = CubeColors[i];
      FCubeCells[i] = {{x0 + k * 2 * FCubeSize.X, 20 + 10 * (n - 1)},
                       RGB(uint8_t(rgb >> 16), uint8_t(rgb >> 8), uint8_t(rgb))};
    }
  }
}

void TExtColorCubePanel::ResetCube() {
  FHotIndex = -1;
  SetHeight(160);
  SetWidth(182);
}

void TExtColorCubePanel::SetSelectedColor(TColor Value) {
  FSelectedColor = Value;
  FSelectedIndex = -1;
  for (int i = 1; i <= CellCount; ++i)
    if (Cell(i).Color == Value) {
      FSelectedIndex = i;
      break;
    }
}

void TExtColorCubePanel::SetShowRGBHint(bool Value) {
  FShowRGBHint = Value;
  SetShowHint(Value);
}

int TExtColorCubePanel::HitTest(int X, int Y) const {
  const int r2 = FCubeSize.X * FCubeSize.X;
  for (int i = 1; i <= CellCount; ++i) {
    const TPoint c = Cell(i).Center;
    if ((c.X - X) * (c.X - X) + (c.Y - Y) * (c.Y - Y) <= r2) return i;
  }
  return -1;
}

// Outside a paint the canvas has no surface: the cell is painted with the
// next paint of the panel.
void TExtColorCubePanel::drawCell(int Index) {
  if (Index < 1 || Index > CellCount) return;
  TCanvas* c = Canvas();
  if (c->Surface() == nullptr) {
    Invalidate();
    return;
  }
  const TCubeCell& cell = Cell(Index);
  c->Pen()->SetColor(cell.Color);
  c->Brush()->SetStyle(bsSolid);
  c->Brush()->SetColor(cell.Color);
  Hexagon(c, cell.Center, FCubeSize.X, FCubeSize.Y);
  const bool hot = Index == FHotIndex, selected = Index == FSelectedIndex;
  if (!hot && !selected) return;
  c->Brush()->SetStyle(bsClear);
  c->Pen()->SetColor(selected ? clBlack : TColor(0x0000FF));
  Hexagon(c, cell.Center, 5, 3);
  c->Pen()->SetColor(clWhite);
  Hexagon(c, cell.Center, 4, 2);
}

void TExtColorCubePanel::Paint() {
  TExtCustomColorSelectorPanel::Paint();
  for (int i = 1; i <= CellCount; ++i) drawCell(i);
}

void TExtColorCubePanel::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TExtCustomColorSelectorPanel::MouseDown(Button, Shift, X, Y);
  const int hit = HitTest(X, Y);
  if (hit < 0) return;
  const int old = FSelectedIndex;
  FSelectedIndex = -1;
  if (old > 0) drawCell(old);
  FSelectedColor = Cell(hit).Color;
  FSelectedIndex = hit;
  drawCell(hit);
  if (OnSelect) OnSelect(this);
}

void TExtColorCubePanel::MouseMove(TShiftState Shift, int X, int Y) {
  TExtCustomColorSelectorPanel::MouseMove(Shift, X, Y);
  const int hit = HitTest(X, Y);
  if (hit < 0) {
    if (FShowRGBHint) {
      SetHint("");
      if (Application) Application->CancelHint();
    }
    return;
  }
  if (hit == FHotIndex) return;
  const int old = FHotIndex;
  FHotIndex = hit;
  drawCell(old);
  drawCell(hit);
  if (FShowRGBHint) {
    const TColor c = Cell(hit).Color;
    SetHint(Format("Red: %d,  Green: %d,  Blue: %d", int(GetRValue(c)), int(GetGValue(c)), int(GetBValue(c))));
    if (Application) Application->CancelHint();
  }
}

void TExtColorCubePanel::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TExtCustomColorSelectorPanel::MouseUp(Button, Shift, X, Y);
  shouldHide();
}
