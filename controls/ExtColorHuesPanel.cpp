// The spectrum panel: the spectrum picture, the colour under the mouse and
// the chosen colour in two swatches below it.

#include "controls/ExtColorPanels.h"

#include "toolkit/forms/Forms.h"
#include "toolkit/forms/std/GraphicControls.h"
#include "toolkit/graphics/Bitmap.h"
#include "toolkit/graphics/Canvas.h"
#include "toolkit/graphics/Picture.h"

namespace {
constexpr TCursor crSpectrumPointer = 54;
}

TExtColorSpectrumPanel::TExtColorSpectrumPanel(TComponent* AOwner) : TExtCustomColorSelectorPanel(AOwner) {
  FSpectrumImage = new TImage(this);
  FSpectrumImage->SetParent(this);
  FSpectrumImage->SetBounds(0, 0, 128, 128);
  TBitmap spectrum;
  spectrum.LoadFromResourceName("QGS_SPECTRUM");
  FSpectrumImage->Picture()->Assign(&spectrum);
  FSpectrumImage->OnMouseMove = [this](TObject*, TShiftState, int X, int Y) { imageMouseMove(X, Y); };
  FSpectrumImage->OnMouseDown = [this](TObject*, TMouseButton, TShiftState, int, int) { imageMouseDown(); };
  FSpectrumImage->OnMouseUp = [this](TObject*, TMouseButton, TShiftState, int, int) { shouldHide(); };
  if (Screen != nullptr) {
    if (Screen->Cursors(crSpectrumPointer) == nullptr)
      Screen->SetCursors(crSpectrumPointer, LoadCursorFromResource("QGS_POINTER"));
    FSpectrumImage->SetCursor(crSpectrumPointer);
  }
}

void TExtColorSpectrumPanel::SetComponentsPosition() {
  SetHeight(174);
  SetWidth(150);
  TImage* im = FSpectrumImage;
  im->SetLeft((Width() - im->Width()) / 2);
  im->SetTop(10);
  const int L = im->Left(), T = im->Top(), W = im->Width(), H = im->Height();
  FSelectedRect = TRect(L - 1, T + H + 8, L + W / 2 - 2, T + H + 28);
  FHotRect = TRect(FSelectedRect.Right + 4, FSelectedRect.Top, L + W + 1, FSelectedRect.Bottom);
  FHotColor = clNone;
  Invalidate();
}

void TExtColorSpectrumPanel::drawSwatch(const TRect& R, TColor C) {
  TCanvas* c = Canvas();
  if (c->Surface() == nullptr) {
    Invalidate();
    return;
  }
  c->Pen()->SetColor(TColor(0x808080));
  c->Brush()->SetStyle(bsClear);
  c->Rectangle(R.Left - 1, R.Top - 1, R.Right + 1, R.Bottom + 1);
  c->Pen()->SetColor(clWhite);
  c->Brush()->SetStyle(bsSolid);
  c->Brush()->SetColor(C);
  c->Rectangle(R);
}

void TExtColorSpectrumPanel::Paint() {
  TExtCustomColorSelectorPanel::Paint();
  TCanvas* c = Canvas();
  const TImage* im = FSpectrumImage;
  const int L = im->Left(), T = im->Top(), W = im->Width(), H = im->Height();
  c->Brush()->SetStyle(bsClear);
  c->Pen()->SetColor(clWhite);
  c->Rectangle(L - 1, T - 1, L + W + 1, T + H + 1);
  c->Pen()->SetColor(TColor(0x808080));
  c->Rectangle(L - 2, T - 2, L + W + 2, T + H + 2);
  drawSwatch(FSelectedRect, FSelectedColor);
  drawSwatch(FHotRect, FHotColor);
}

// The colour shown at that point of the picture, read from the picture itself
// (the panel's surface shows the same pixel).
void TExtColorSpectrumPanel::imageMouseMove(int X, int Y) {
  TGraphic* g = FSpectrumImage->Picture()->Graphic();
  auto* bmp = dynamic_cast<TBitmap*>(g);
  FHotColor = bmp != nullptr ? bmp->Canvas()->Pixels(X, Y) : Canvas()->Pixels(FSpectrumImage->Left() + X,
                                                                               FSpectrumImage->Top() + Y);
  drawSwatch(FHotRect, FHotColor);
}

void TExtColorSpectrumPanel::imageMouseDown() {
  FSelectedColor = FHotColor;
  drawSwatch(FSelectedRect, FSelectedColor);
  if (OnSelect) OnSelect(this);
}

void TExtColorSpectrumPanel::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TExtCustomColorSelectorPanel::MouseUp(Button, Shift, X, Y);
  shouldHide();
}
