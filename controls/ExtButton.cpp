#include "controls/ExtButton.h"

#include "controls/ExtDropDown.h"
#include "controls/ExtDropDownAppearance.h"
#include "controls/ExtDropDownUtil.h"
#include "toolkit/forms/Forms.h"
#include "toolkit/graphics/Canvas.h"
#include "toolkit/graphics/ImgList.h"

TExtButton::TExtButton(TComponent* AOwner) : TCustomControl(AOwner) {
  SetBounds(0, 0, 23, 22);
  SetControlStyle(TControlStyle{csCaptureMouse, csClickEvents, csDoubleClicks});
  SetParentFont(true);
  Font()->SetName("Tahoma");
  SetShowHint(false);
  SetDoubleBuffered(true);
}

void TExtButton::Notification(TComponent* AComponent, TOperation Operation) {
  TCustomControl::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == Images) Images = nullptr;
}

void TExtButton::Loaded() {
  TCustomControl::Loaded();
  if (InitialDown != Down) SetDown(InitialDown);
}

void TExtButton::Paint() {
  if (!Enabled()) {
    State = absDisabled;
    Dragging = false;
  } else if (State == absDisabled) {
    State = Down && GroupIndex != 0 ? absExclusive : absUp;
  }
  if (Style == tasCheck && Down) State = absDown;
  DrawButton(Canvas());
}

void TExtButton::DrawButton(TCanvas* ACanvas) {
  if (Appearance == nullptr) return;
  const TExtButtonAppearance& a = *Appearance;
  TColor from, to, border;
  if (!Enabled()) from = a.ColorDisabled(), to = a.ColorDisabledTo(), border = a.BorderColorDisabled();
  else if (MouseDownInControl && MouseInControl) from = to = a.ColorDown(), border = a.BorderColorDown();
  else if (Down) from = to = a.ColorChecked(), border = a.BorderColorChecked();
  else if (MouseInControl || Focused()) from = to = a.ColorHot(), border = a.BorderColorHot();
  else from = a.Color(), to = a.ColorTo(), border = a.BorderColor();
  const TRect r = ClientRect();
  DrawGradientBox(ACanvas, r, from, to, border, 1, a.Gradient());
  ACanvas->Brush()->SetStyle(bsClear);
  ACanvas->Font()->Assign(a.Font());
  DrawImageText(ACanvas, r, Caption(), ImageIndex, Images);
}

void TExtButton::SizeToContent() {
  if (Appearance == nullptr) return;
  TSize s;
  Canvas()->Font()->Assign(Appearance->Font());
  GetTextSize(Canvas(), Caption(), s);
  if (Images != nullptr && ImageIndex >= 0) {
    s.cx = std::max(s.cx, Images->Width());
    s.cy = std::max(s.cy, Images->Height());
  }
  SetBounds(Left(), Top(), s.cx + 8, s.cy + 4);
}

void TExtButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TCustomControl::MouseDown(Button, Shift, X, Y);
  if (Button != mbLeft || !Enabled()) return;
  MouseDownInControl = true;
  if (!Down) {
    State = absDown;
    Invalidate();
  }
  if (Style == tasCheck) {
    State = absDown;
    Repaint();
  }
  Dragging = true;
}

void TExtButton::MouseMove(TShiftState Shift, int X, int Y) {
  TCustomControl::MouseMove(Shift, X, Y);
  if (!Dragging) return;
  TExtButtonState s = inside(X, Y) ? (Down ? absExclusive : absDown) : (Down ? absExclusive : absUp);
  if (Style == tasCheck && Down) s = absDown;
  if (s != State) {
    State = s;
    Invalidate();
  }
}

void TExtButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  MouseDownInControl = false;
  Invalidate();
  if (!Dragging) {
    TCustomControl::MouseUp(Button, Shift, X, Y);
    return;
  }
  Dragging = false;
  const bool in = inside(X, Y);
  if (GroupIndex != 0) {
    if (in) SetDown(!Down);
    else State = Down ? absExclusive : absUp;
    Repaint();
  } else {
    State = absUp;
    MouseInControl = in;
    if (Style == tasCheck) {
      SetDown(!Down);
      State = absUp;
    }
    Invalidate();
  }
  TCustomControl::MouseUp(Button, Shift, X, Y);
}

void TExtButton::SetDown(bool Value) {
  if (ComponentState().Contains(csLoading)) InitialDown = Value;
  if (GroupIndex == 0 && Style == tasButton) Value = false;
  if (Style == tasCheck) {
    Down = Value;
    State = Value ? absDown : absUp;
    Repaint();
    return;
  }
  if (Value == Down || (Down && !AllowAllUp)) return;
  Down = Value;
  if (Value) {
    if (State == absUp) Invalidate();
    State = absExclusive;
  } else {
    State = absUp;
    Repaint();
  }
  if (Value && GroupIndex != 0 && Parent() != nullptr) {
    TMessage m{CM_EXTBUTTONPRESSED, WPARAM(GroupIndex), reinterpret_cast<LPARAM>(this), 0};
    Parent()->Broadcast(m);
  }
}

void TExtButton::groupPressed(TMessage& Message) {
  auto* sender = reinterpret_cast<TExtButton*>(Message.LParam);
  if (int(Message.WParam) != GroupIndex || sender == this || sender == nullptr) return;
  if (sender->Down && Down) {
    Down = false;
    State = absUp;
    Invalidate();
  }
  AllowAllUp = sender->AllowAllUp;
}

void TExtButton::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case CM_EXTBUTTONPRESSED: groupPressed(Message); return;
    case CM_MOUSEENTER:
      TCustomControl::Dispatch(Message);
      MouseInControl = true;
      if (Enabled()) Invalidate();
      return;
    case CM_MOUSELEAVE:
      TCustomControl::Dispatch(Message);
      MouseInControl = false;
      if (Enabled()) Invalidate();
      return;
    case WM_ERASEBKGND: Message.Result = 1; return;
    case WM_KEYDOWN:
      if (Message.WParam == VK_RETURN || Message.WParam == VK_SPACE) {
        if (!Down) State = absDown, Invalidate();
        InternalClick = true;
        Click();
        InternalClick = false;
      }
      break;
    case CM_ENABLEDCHANGED:
    case CM_FOCUSCHANGED:
      TCustomControl::Dispatch(Message);
      Invalidate();
      return;
    default: break;
  }
  TCustomControl::Dispatch(Message);
}

void TExtButton::Click() {
  if (TCustomForm* form = GetParentForm(this)) form->SetModalResult(ModalResult);
  if (ExtDropDown != nullptr) {
    // The stored results: 1 OK, 6 Yes, 12 All, 14 Yes to all accept; 2 Cancel,
    // 3 Abort, 5 Ignore, 7 No, 13 No to all cancel; the others close nothing.
    switch (int(ModalResult)) {
      case 1: case 6: case 12: case 14: ExtDropDown->HideDropDown(false); break;
      case 2: case 3: case 5: case 7: case 13: ExtDropDown->HideDropDown(true); break;
      default: break;
    }
  }
  if (!InternalClick) TCustomControl::Click();
}
