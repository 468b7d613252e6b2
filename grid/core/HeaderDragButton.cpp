#include "grid/core/HeaderDragButton.h"

#include "toolkit/graphics/Canvas.h"
#include "toolkit/forms/WinApi.h"

THeaderDragButton::THeaderDragButton(TWinControl* AOwner) : TCustomControl(AOwner) {
  SetColor(clBtnFace);
  SetParent(AOwner);
  SetVisible(false);
}

void THeaderDragButton::SetCaption(const std::string& Value) {
  if (Value == FCaption) return;
  FCaption = Value;
  Invalidate();
}

void THeaderDragButton::CreateParams(TCreateParams& Params) {
  TCustomControl::CreateParams(Params);
  Params.Style = WS_POPUP | WS_DISABLED;
  Params.ExStyle = WS_EX_TOPMOST | WS_EX_TOOLWINDOW;
}

void THeaderDragButton::Paint() {
  TCanvas* c = Canvas();
  TRect r = ClientRect();
  c->Brush()->SetStyle(bsSolid);
  c->Brush()->SetColor(Color());
  c->FillRect(r);
  c->DrawEdge(r, EDGE_RAISED, BF_RECT);
  r.Left += 4;
  r.Right -= 4;
  c->Brush()->SetStyle(bsClear);
  c->DrawText(FCaption, r, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS);
}
