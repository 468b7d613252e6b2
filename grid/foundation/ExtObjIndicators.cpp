#include "grid/foundation/ExtObjIndicators.h"

#include "toolkit/graphics/Canvas.h"
#include "toolkit/graphics/Region.h"

std::array<TPoint, 7> TArrowWindow::ArrowPoints(TArrowDirection d) {
  switch (d) {
    case arrUp: return {TPoint(5, 0), TPoint(10, 5), TPoint(7, 5), TPoint(7, 9), TPoint(3, 9), TPoint(3, 5), TPoint(0, 5)};
    case arrDown: return {TPoint(3, 0), TPoint(7, 0), TPoint(7, 4), TPoint(9, 4), TPoint(5, 8), TPoint(1, 4), TPoint(3, 4)};
    case arrLeft: return {TPoint(0, 3), TPoint(0, 7), TPoint(4, 7), TPoint(4, 10), TPoint(8, 5), TPoint(4, 0), TPoint(4, 3)};
    case arrRight: return {TPoint(0, 5), TPoint(4, 10), TPoint(4, 7), TPoint(8, 7), TPoint(8, 3), TPoint(4, 3), TPoint(4, 0)};
  }
  return {};
}

TArrowWindow::TArrowWindow(TWinControl* AOwner, TArrowDirection Direction) : TCustomControl(AOwner), FDir(Direction) {
  SetColor(RGB(0, 255, 0));
  SetParent(AOwner);
  SetVisible(false);
}

void TArrowWindow::CreateParams(TCreateParams& Params) {
  TCustomControl::CreateParams(Params);
  Params.Style = WS_POPUP;
}

void TArrowWindow::CreateWnd() {
  TCustomControl::CreateWnd();
  FArrow = ArrowPoints(FDir);
  const TRegion region = CreatePolygonRgn(FArrow.data(), int(FArrow.size()), WINDING);
  SetWindowRgn(region.Rects());
}

void TArrowWindow::Paint() {
  Canvas()->Brush()->SetStyle(bsSolid);
  Canvas()->Brush()->SetColor(Color());
  Canvas()->Pen()->SetColor(Color());
  Canvas()->Rectangle(ClientRect());
}

TGridFocusWindow::TGridFocusWindow(TComponent* AOwner) : TCustomControl(AOwner) {
  SetBounds(Left(), Top(), 0, 0);
  SetColor(RGB(255, 0, 0));
}

void TGridFocusWindow::CreateParams(TCreateParams& Params) {
  TCustomControl::CreateParams(Params);
  Params.Style = WS_POPUP | WS_DISABLED;
  Params.ExStyle = WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE;
}

void TGridFocusWindow::SetImage(const TGridAlphaMask& Image) {
  // A mask copies the pixels both masks have: the size comes first.
  FImage.SetPixelFormat(pf32bit);
  FImage.SetSize(Image.Width(), Image.Height());
  FImage.Assign(&Image);
  Invalidate();
}

void TGridFocusWindow::Paint() {
  Canvas()->Brush()->SetStyle(bsSolid);
  Canvas()->Brush()->SetColor(Color());
  Canvas()->FillRect(ClientRect());
  if (FImage.Width() > 0 && FImage.Height() > 0) Canvas()->Draw(0, 0, &FImage);
}
