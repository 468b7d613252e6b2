// Cell graphics that show pictures: bitmaps, icons, image-list images,
// pictures and file pictures, interfaced cell objects, and rotated text.

#include "grid/output/CellPaint.h"
#include "grid/output/RotatedText.h"
#include "grid/foundation/ExtUtilGlyphs.h"
#include "toolkit/graphics/Bitmap.h"
#include "toolkit/graphics/Canvas.h"
#include "toolkit/graphics/Icon.h"
#include "toolkit/graphics/ImgList.h"
#include "toolkit/graphics/Picture.h"

namespace {

// A transparent bitmap cell keys out the bitmap's own transparent colour.
void DrawBitmap(TCanvas* c, TBitmap* b, const TRect& box, bool Transparent) {
  if (!Transparent) return c->Draw(box.Left, box.Top, b);
  DrawBitmapTransparent(c, b, box.Left, box.Top);
}

// A picture stretched into the box or at its top-left; a transparent cell's
// bitmap keys out its transparent colour, as a bitmap cell does.
void paintPicture(TCanvas* c, TGraphic* Graphic, const TRect& box, bool Stretched, bool Transparent) {
  auto* b = Transparent ? dynamic_cast<TBitmap*>(Graphic) : nullptr;
  if (!b) {
    if (Stretched) c->StretchDraw(box, Graphic);
    else c->Draw(box.Left, box.Top, Graphic);
    return;
  }
  const TRect to = Stretched ? box : Bounds(box.Left, box.Top, b->Width(), b->Height());
  c->TransparentBlt(to.Left, to.Top, to.Width(), to.Height(), b->Canvas(), 0, 0, b->Width(), b->Height(),
                    b->TransparentColor());
}

}  // namespace

void TExtStringGrid::paintPictureGraphic(TCellPaint& P, const TRect& R, const TRect& box) {
  TCellGraphic* g = P.Layout.Graphic;
  TCanvas* c = P.Canvas;
  TImageList* images = CellImageList(P.RCol, P.ARow);
  switch (g->CellType) {
    case ctBitmap:
      if (TBitmap* b = g->Bitmap()) DrawBitmap(c, b, box, g->CellTransparent);
      break;
    case ctIcon:
      if (TIcon* i = g->Icon()) c->Draw(box.Left, box.Top, i);
      break;
    case ctImageList:
      if (images && g->CellIndex >= 0 && g->CellIndex < images->Count())
        images->Draw(c, box.Left, box.Top, g->CellIndex, true);
      break;
    case ctDataImage: {
      const int index = Ints(P.RCol, P.ARow) + g->CellIndex;
      if (images && index >= 0 && index < images->Count()) images->Draw(c, box.Left, box.Top, index, true);
      break;
    }
    case ctImages: {
      const TIntList* list = g->IntList();
      if (!images || !list) break;
      int x = box.Left, y = box.Top;
      for (int i = 0; i < list->Count(); ++i) {
        const int index = list->GetInteger(i);
        if (index >= 0 && index < images->Count()) images->Draw(c, x, y, index, true);
        (g->CellBoolean ? x : y) += g->CellBoolean ? images->Width() : images->Height();
      }
      break;
    }
    case ctPicture:
      if (TPicture* p = g->Picture(); p && p->Graphic()) paintPicture(c, p->Graphic(), box, g->CellAngle != 0,
                                                                     g->CellTransparent);
      break;
    case ctFilePicture:
      if (TFilePicture* f = g->FilePicture()) f->DrawPicture(c, box);
      break;
    case ctInterface:
      if (auto* o = dynamic_cast<IInterfacedCell*>(g->CellBitmap))
        o->Draw(c, TRect(R.Left - 1, R.Top - 1, R.Right, R.Bottom), P.RCol, P.ARow, P.State.Contains(gdSelected),
                this);
      break;
    default:
      break;
  }
}

// The origin at which rotated text starts so that its bounding box sits in
// the cell by the cell's alignment, measured in the canvas's current font.
TPoint TExtStringGrid::RotatedTextOrigin(TCanvas* ACanvas, TRect R, int Angle, const std::string& Text,
                                         TAlignment HA, TVAlignment VA) {
  const int w = ACanvas->TextWidth(Text), h = ACanvas->TextHeight(Text);
  InflateRect(R, -2, -2);
  LayoutRotatedText(R, HA, VA, Angle, RotatedExtent(w, h, Angle));
  return {R.Left, R.Top};
}

void TExtStringGrid::paintRotatedGraphic(TCellPaint& P, const TRect& R, const TRect& box) {
  TCanvas* c = P.Canvas;
  const std::string text = Cells(P.RCol, P.ARow);
  const TPoint origin = RotatedTextOrigin(c, R, P.Layout.Graphic->CellAngle, text, P.HA, P.VA);
  TFont saved;
  saved.Assign(c->Font());
  c->Font()->SetOrientation(P.Layout.Graphic->CellAngle * 10);
  const int align = c->SetTextAlign(TA_LEFT | TA_TOP);
  TRect clip = R;
  InflateRect(clip, -2, -2);
  c->Brush()->SetStyle(bsClear);
  c->TextRect(clip, origin.X, origin.Y, text);
  c->Brush()->SetStyle(bsSolid);
  c->SetTextAlign(align);
  c->Font()->Assign(&saved);
  if (ShowsSortIndicator(P.RCol, P.ARow, P.ACol)) DrawSortIndicator(c, P.RCol, box.Right - 10, box.Top + 8);
}
