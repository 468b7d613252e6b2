// Cell graphics: where a graphic goes in its cell, the dispatch by kind and
// the check-type graphics.

#include <algorithm>

#include "grid/output/CellPaint.h"
#include "grid/output/CheckPainter.h"
#include "toolkit/graphics/Bitmap.h"
#include "toolkit/graphics/Icon.h"
#include "toolkit/graphics/ImgList.h"
#include "toolkit/graphics/Picture.h"

namespace {

bool IsCheckType(TCellType t) {
  return t == ctCheckBox || t == ctDataCheckBox || t == ctVirtCheckBox || t == ctRowCheckBox ||
         t == ctRadioButton || t == ctTriStateCheckBox;
}

TPoint ImageSize(const TImageList* Images) {
  return Images ? TPoint{Images->Width(), Images->Height()} : TPoint{0, 0};
}

// The kinds whose box keeps the whole cell (they lay themselves out).
bool FillsCell(TCellType t) {
  return t == ctNode || t == ctProgress || t == ctRangeIndicator || t == ctXPProgress;
}

}  // namespace

TPoint TExtStringGrid::CellGraphicExtent(const TCellGraphic& G, int ARealCol, int ARow) {
  const int check = FControlLook.CheckSize();
  switch (G.CellType) {
    case ctBitmap:
      if (TBitmap* b = G.Bitmap()) return {b->Width(), b->Height()};
      return {0, 0};
    case ctIcon:
      if (TIcon* i = G.Icon()) return {i->Width(), i->Height()};
      return {0, 0};
    case ctImageList:
    case ctDataImage:
      return ImageSize(CellImageList(ARealCol, ARow));
    case ctImages: {
      const TPoint one = ImageSize(CellImageList(ARealCol, ARow));
      const int n = G.IntList() ? G.IntList()->Count() : 0;
      return G.CellBoolean ? TPoint{n * one.X, one.Y} : TPoint{one.X, n * one.Y};
    }
    case ctCheckBox:
    case ctTriStateCheckBox:
    case ctDataCheckBox:
    case ctVirtCheckBox:
    case ctRowCheckBox:
      return {check, check};
    case ctPicture:
    case ctFilePicture: {
      const int dc = DisplColIndex(ARealCol);
      return G.GetPictureSize(dc >= 0 && dc < ColCount() ? ColWidths(dc) : 0, RowHeights(ARow), false);
    }
    case ctButton:
    case ctBitButton:
      return {G.CellIndex & 0xFFFF, (G.CellIndex >> 16) & 0xFFFF};
    case ctProgressPie: return {20, 20};
    case ctInterface:
      if (auto* o = dynamic_cast<IInterfacedCell*>(G.CellBitmap)) return {o->Width(), o->Height()};
      return {0, 0};
    case ctRadioButton: return {FControlLook.RadioSize() + 4, FControlLook.RadioSize() + 4};
    case ctShape: return {RowHeights(ARow) - 2 * FXYOffset.Y, RowHeights(ARow) - 2 * FXYOffset.Y};
    case ctRating: return {G.CellAngle * 18, 16};
    default: return {0, 0};
  }
}

namespace {

bool SideAligned(const TCellGraphic& G) { return G.CellHAlign == haBeforeText || G.CellHAlign == haAfterText; }
bool Stacked(const TCellGraphic& G) { return G.CellVAlign == vaUnderText || G.CellVAlign == vaAboveText; }

}  // namespace

// What auto-sizing measures: a graphic beside the text counts its width, one
// above or below it its height; without text both count.
TPoint TExtStringGrid::CalcCellGraphicSize(int ARealCol, int ARow, int HeightReduction) {
  TCellGraphic* g = GetCellGraphic(ARealCol, ARow);
  if (!g) return {0, 0};
  const bool text = !Cells(ARealCol, ARow).empty();
  const int dc = DisplColIndex(ARealCol);
  const TPoint cell{dc >= 0 && dc < ColCount() ? ColWidths(dc) : 0, RowHeights(ARow)};
  const TPoint natural = CellGraphicExtent(*g, ARealCol, ARow);
  TCanvas* canvas = Canvas();
  TPoint size{0, 0};
  bool fullWidth = true;
  switch (g->CellType) {
    case ctBitmap:
    case ctImageList:
    case ctDataImage:
      size = {SideAligned(*g) || !text ? natural.X : 0, Stacked(*g) || !text ? natural.Y : 0};
      break;
    case ctIcon: size = {SideAligned(*g) || !text ? natural.X : 0, natural.Y}; break;
    case ctCheckBox:
    case ctDataCheckBox:
    case ctVirtCheckBox:
    case ctRowCheckBox:
    case ctTriStateCheckBox: size = {FControlLook.CheckSize(), FControlLook.CheckSize()}; break;
    case ctRadioButton: size = {FControlLook.RadioSize(), FControlLook.RadioSize()}; break;
    case ctRadio: size = radioGroupExtent(*g, ARealCol, ARow); break;
    case ctPicture:
    case ctFilePicture:
      size = g->GetPictureSize(cell.X - CellHorzMargin() - 1, cell.Y - CellVertMargin() - HeightReduction - 1, text);
      break;
    case ctButton:
    case ctBitButton: {
      const int captionWidth = canvas->TextWidth(g->CellText) + 4;
      size = natural;
      if (text) {
        if (g->CellHAlign == haCenter || Stacked(*g)) size.X = 0;
        else if (g->CellHAlign == haFull) size.X = captionWidth;
        if (!Stacked(*g)) size.Y = 0;
      } else if (g->CellHAlign == haFull) {
        canvas->Font()->Assign(Font());
        size.X = canvas->TextWidth(g->CellText) + 4;
        fullWidth = g->CellText.empty();
      }
      break;
    }
    case ctRating:
      size = natural;
      fullWidth = false;
      break;
    case ctProgressPie: size = natural; break;
    case ctInterface:
      size = natural.X == 0 || natural.Y == 0 ? cell : natural;
      break;
    default: break;
  }
  if (g->CellVAlign == vaFull) size.Y = cell.Y;
  if (g->CellHAlign == haFull && fullWidth) size.X = cell.X;
  return size;
}

// Radio buttons side by side or one below the other, each with its text.
TPoint TExtStringGrid::radioGroupExtent(const TCellGraphic& G, int ARealCol, int ARow) {
  TStrings* items = GetRadioStrings(ARealCol, ARow);
  const int count = items ? items->Count() : 0;
  TCanvas* canvas = Canvas();
  const int lineHeight = canvas->TextHeight("gh");
  int wide = 0, widest = 12;
  for (int i = 0; i < count; ++i) {
    const int w = canvas->TextWidth(items->Strings(i)) + 12;
    wide += w;
    widest = std::max(widest, w);
  }
  if (G.CellBoolean) return {wide, lineHeight};
  return {widest, std::max(16, lineHeight) * count};
}

TCellGraphicLayout TExtStringGrid::GetCellGraphicLayout(int ARealCol, int ARow) {
  TCellGraphicLayout L;
  L.Graphic = GetCellGraphic(ARealCol, ARow);
  if (!L.Graphic) return L;
  L.HAlign = L.Graphic->CellHAlign;
  L.VAlign = L.Graphic->CellVAlign;
  const TPoint size = CellGraphicExtent(*L.Graphic, ARealCol, ARow);
  L.Width = size.X;
  L.Height = size.Y;
  switch (L.Graphic->CellType) {
    case ctDataImage:
    case ctDataCheckBox:
    case ctVirtCheckBox:
    case ctRowCheckBox:
    case ctRotated:
    case ctRadio:
    case ctProgress:
    case ctRangeIndicator:
    case ctXPProgress:
    case ctRating:
      L.ShowText = false;
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

void TExtStringGrid::DrawCellGraphic(TCellPaint& P, TRect R) {
  TCellGraphic* g = P.Layout.Graphic;
  if (!FillsCell(g->CellType)) InflateRect(R, 1 - FXYOffset.X, 1 - FXYOffset.Y);
  if (IsCheckType(g->CellType)) return paintCheckGraphic(P, R);
  const TRect box = PlaceGraphicBox(R, P.Layout.Width, P.Layout.Height, g->CellHAlign, g->CellVAlign, P.HA,
                                    P.TextWidth);
  switch (g->CellType) {
    case ctBitmap:
    case ctIcon:
    case ctImageList:
    case ctDataImage:
    case ctImages:
    case ctPicture:
    case ctFilePicture:
    case ctInterface:
      return paintPictureGraphic(P, R, box);
    case ctRotated: return paintRotatedGraphic(P, R, box);
    case ctRadio: return paintRadioGroupGraphic(P, R);
    case ctNode: return paintNodeGraphic(P, R);
    case ctButton:
    case ctBitButton:
    case ctExpand:
      return paintButtonGraphic(P, R, box);
    default:
      return paintIndicatorGraphic(P, R, box);
  }
}

void TExtStringGrid::paintCheckGraphic(TCellPaint& P, const TRect& R) {
  TCellGraphic* g = P.Layout.Graphic;
  const int W = P.Layout.Width, H = P.Layout.Height;
  TCellVAlign va = g->CellVAlign;
  if (P.VA != FVAlignment) va = P.VA == vtaTop ? vaTop : P.VA == vtaCenter ? vaCenter : vaBottom;
  const bool withText = g->CellType == ctCheckBox || g->CellType == ctRadioButton ||
                        g->CellType == ctTriStateCheckBox;
  TRect box = PlaceGraphicBox(R, W, H, haLeft, va, P.HA, P.TextWidth);
  box.Left = PlaceCheckLeft(R, W, P.HA, P.TextWidth, withText);
  box.Right = box.Left + W;
  bool enabled = true;
  CanEditCell(P.RCol, P.ARow, enabled);
  const TCellControlStyle style = FControlLook.ControlStyle();
  switch (g->CellType) {
    case ctCheckBox:
    case ctRowCheckBox:
      DrawCheckBox(P.Canvas, box, g->CellBoolean, enabled, g->CellAngle > 0, style);
      break;
    case ctTriStateCheckBox:
      // The state alone decides: an angle left over from an earlier use of
      // the graphic does not gray the box.
      DrawCheckBox(P.Canvas, box, g->CellCheckBoxState == cbChecked, enabled, g->CellCheckBoxState == cbGrayed,
                   style);
      break;
    case ctDataCheckBox:
    case ctVirtCheckBox: {
      std::string checkTrue = FCheckTrue;
      GetCheckTrue(P.RCol, P.ARow, checkTrue);
      DrawCheckBox(P.Canvas, box, Cells(P.RCol, P.ARow) == checkTrue, enabled, false, style);
      break;
    }
    case ctRadioButton: {
      const int rs = FControlLook.RadioSize();
      TRect rb(box.Left + FXYOffset.X, box.Top, box.Left + FXYOffset.X + rs, box.Top + rs);
      TRadioGroupPaint one;
      one.Count = 1;
      one.Index = g->CellBoolean ? 0 : -2;
      one.Disabled = !enabled;
      DrawRadioButtons(P.Canvas, rb, one, style, FControlLook, ThemesActive());
      break;
    }
    default:
      break;
  }
}

void TExtStringGrid::paintRadioGroupGraphic(TCellPaint& P, const TRect& R) {
  TCellGraphic* g = P.Layout.Graphic;
  TRadioGroupPaint group;
  group.Items = GetRadioStrings(P.RCol, P.ARow);
  group.Count = group.Items ? group.Items->Count() : 0;
  group.Index = g->CellIndex;
  group.Horizontal = g->CellBoolean;
  bool enabled = true;
  CanEditCell(P.RCol, P.ARow, enabled);
  group.Disabled = !enabled;
  if (FShowSelection && P.State.Contains(gdSelected) && FSelectionTextColor != clNone) group.TextColor = FSelectionTextColor;
  DrawRadioButtons(P.Canvas, R, group, FControlLook.ControlStyle(), FControlLook, ThemesActive());
}
