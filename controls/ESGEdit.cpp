// TExtSpeedButton, TEsgEditButton, TEsgEditBtn and TEsgUnitEditBtn: the
// button's looks, the holder's release relay, the edit's keys and layout,
// and the unit edit's menu, value splitting and unit text.

#include "controls/ESGEdit.h"

#include "controls/EditorButtons.h"
#include "toolkit/forms/WinApi.h"
#include "toolkit/forms/std/ControlPaint.h"
#include "toolkit/forms/std/Menus.h"
#include "toolkit/graphics/Canvas.h"
#include "toolkit/rtl/SysUtils.h"

// ---- the push button ----

void TExtSpeedButton::CMMouseEnter(TCMControlMsg& Message) {
  TSpeedButton::CMMouseEnter(Message);
  FHot = true;
  Invalidate();
}

void TExtSpeedButton::CMMouseLeave(TCMControlMsg& Message) {
  TSpeedButton::CMMouseLeave(Message);
  FHot = false;
  Invalidate();
}

void TExtSpeedButton::Paint() {
  TCanvas* c = Canvas();
  c->Font()->Assign(Font());
  TRect r(0, 0, Width(), Height());
  TButtonState state = State();
  bool down = state == bsDown;
  bool pressed = down || state == bsExclusive;
  auto* colors = dynamic_cast<const TButtonColors*>(Owner());
  if (colors && colors->ButtonColor() != clNone) {
    // Once coloured the button stays flat, also after the colour is cleared.
    FFlat = true;
    c->Brush()->SetColor(colors->ButtonFace(pressed, FHot));
    c->FillRect(ClientRect());
  } else if (FIsWinXP && DrawThemed(c, "button", 1, pressed ? 3 : FHot ? 2 : 1, r)) {
  } else if (FFlat) {
    c->DrawEdge(r, pressed ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT | BF_MIDDLE);
    InflateRect(r, -1, -1);
  } else {
    c->DrawFrameControl(r, DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_ADJUSTRECT | (pressed ? DFCS_PUSHED : 0));
  }
  TBitmap* g = Glyph();
  if (g && !g->Empty()) {
    int x = g->Width() < Width() ? (Width() - g->Width()) / 2 : 0;
    int y = g->Height() < Height() ? (Height() - g->Height()) / 2 : 0;
    if (down) ++x, ++y;
    g->SetTransparent(true);
    c->Draw(x, y, g);
  }
  c->Font()->SetColor(clBlack);
  c->Brush()->SetStyle(bsClear);
  if (down) OffsetRect(r, 1, 1);
  std::string caption = Caption();
  c->DrawText(caption, r, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
}

// ---- the holder ----

TEsgEditButton::TEsgEditButton(TComponent* AOwner) : TCustomControl(AOwner) {
  TControlStyle s = ControlStyle();
  s.Exclude(csAcceptsControls);
  s.Exclude(csSetCaption);
  s.Include(csOpaque);
  SetControlStyle(s);
  SetTabStop(false);
  FButton = new TExtSpeedButton(this);
  FButton->SetParent(this);
  FButton->OnMouseUp = [this](TObject*, TMouseButton Button, TShiftState, int, int) { released(Button); };
  SetBounds(0, 0, 20, 25);
}

void TEsgEditButton::fitButton(int W, int H) {
  if (!ComponentState().Contains(csLoading)) FButton->SetBounds(0, 0, W, H);
}

void TEsgEditButton::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  fitButton(AWidth, AHeight);
  TCustomControl::SetBounds(ALeft, ATop, AWidth, AHeight);
}

void TEsgEditButton::Loaded() {
  TCustomControl::Loaded();
  fitButton(Width(), Height());
}

void TEsgEditButton::WMSize(TWMSize& Message) {
  TCustomControl::WMSize(Message);
  fitButton(Width(), Height());
  Message.Result = 0;
}

void TEsgEditButton::ButtonColorsChanged() { FButton->Invalidate(); }

void TEsgEditButton::SetFocusControl(TWinControl* Value) {
  FFocusControl = Value;
  if (Value) Value->FreeNotification(this);
}

void TEsgEditButton::Notification(TComponent* AComponent, TOperation Operation) {
  TCustomControl::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FFocusControl) FFocusControl = nullptr;
}

// A left release anywhere clicks: the press was on the button.
void TEsgEditButton::released(TMouseButton Button) {
  if (Button != mbLeft) return;
  if (OnClick) OnClick(this);
  auto takes = [](TWinControl* c) { return c && c->TabStop() && c->CanFocus() && !c->Focused(); };
  if (takes(FFocusControl)) FFocusControl->SetFocus();
  else if (takes(this)) SetFocus();
}

// ---- the edit with button ----

TEsgEditBtn::TEsgEditBtn(TComponent* AOwner) : TCustomMaskEdit(AOwner), FButton(nullptr) {
  FButton = new TEsgEditButton(this);
  FButton->SetBounds(0, 0, 18, 18);
  FButton->SetParent(this);
  FButton->SetFocusControl(this);
  FButton->OnClick = [this](TObject* Sender) { ClickButton(Sender); };
}

void TEsgEditBtn::SetButtonWidth(int Value) {
  FButtonWidth = Value;
  FButton->SetBounds(FButton->Left(), FButton->Top(), Value, FButton->Height());
  layout();
}

void TEsgEditBtn::SetIsWinXP(bool Value) {
  FIsWinXP = Value;
  FButton->Button()->SetIsWinXP(Value);
}

void TEsgEditBtn::SetRightAlign(bool Value) {
  if (Value == FRightAlign) return;
  FRightAlign = Value;
  SetAlignment(Value ? taRightJustify : taLeftJustify);
  if (HandleAllocated()) RecreateWnd();
}

void TEsgEditBtn::ClickButton(TObject* Sender) {
  if (OnClickBtn) OnClickBtn(Sender);
}

void TEsgEditBtn::KeyDown(uint16_t& Key, TShiftState Shift) {
  TCustomMaskEdit::KeyDown(Key, Shift);
  bool alt = Shift.Contains(ssAlt) || GetKeyState(VK_LMENU) < 0 || GetKeyState(VK_RMENU) < 0;
  if (Key == VK_F4 && !Shift.Contains(ssCtrl) && !alt) ClickButton(this);
}

// Without EditorEnabled nothing typed reaches the text, control characters included.
void TEsgEditBtn::WMChar(TWMKey& Message) {
  if (FEditorEnabled) TCustomMaskEdit::WMChar(Message);
}

void TEsgEditBtn::Dispatch(TMessage& Message) {
  if ((Message.Msg == WM_PASTE || Message.Msg == WM_CUT) && (!FEditorEnabled || ReadOnly())) return;
  TCustomMaskEdit::Dispatch(Message);
}

void TEsgEditBtn::DoEnter() {
  if (AutoSelect() && !(GetKeyState(VK_LBUTTON) < 0)) SelectAll();
  TCustomMaskEdit::DoEnter();
}

void TEsgEditBtn::CreateWnd() {
  TCustomMaskEdit::CreateWnd();
  setFormatRect();
}

void TEsgEditBtn::WMSize(TWMSize& Message) {
  TCustomMaskEdit::WMSize(Message);
  layout();
}

void TEsgEditBtn::BoundsChanged() {
  TCustomMaskEdit::BoundsChanged();
  layout();
}

void TEsgEditBtn::layout() {
  if (!FButton) return;
  int min = EditMinHeight(Font(), false);
  if (Height() < min) {
    SetBounds(Left(), Top(), Width(), min);
    return;
  }
  TRect b = InnerButtonRect(ClientRect(), FButton->Width(), BorderStyle() == bsSingle);
  FButton->SetBounds(b.Left, b.Top, b.Width(), b.Height());
  setFormatRect();
}

void TEsgEditBtn::setFormatRect() {
  if (!HandleAllocated()) return;
  // The unit's text stands between the value and the button.
  int reserve = FButton->Width() + FUnitSize + (FUnitSize > 0 ? 5 : 2);
  TRect r = InnerTextRect(ClientRect(), reserve, BorderStyle() == bsSingle);
  Perform(EM_SETRECTNP, 0, reinterpret_cast<LPARAM>(&r));
}

// ---- the unit edit ----

TEsgUnitEditBtn::TEsgUnitEditBtn(TComponent* AOwner) : TEsgEditBtn(AOwner) {
  FUnitSize = 20;
  SetRightAlign(true);
}

void TEsgUnitEditBtn::SetUnitID(const std::string& Value) {
  FUnitID = Value;
  Invalidate();
}

void TEsgUnitEditBtn::SetUnitSpace(int Value) {
  FUnitSize = Value;
  setFormatRect();
  Invalidate();
}

void TEsgUnitEditBtn::SetTextAndUnit(const std::string& Value) {
  for (int i = 0; i < FUnits.Count(); ++i) {
    const std::string& u = FUnits.Strings(i);
    // A unit counts only when its first occurrence is the value's end.
    size_t p = u.empty() ? std::string::npos : Value.find(u);
    if (p == std::string::npos || p + u.size() != Value.size()) continue;
    SetText(Value.substr(0, p));
    SetUnitID(u);
    return;
  }
}

void TEsgUnitEditBtn::ClickButton(TObject*) {
  if (OnClickBtn) OnClickBtn(this);
  TPopupMenu menu(nullptr);
  for (int i = 0; i < FUnits.Count(); ++i) {
    auto* item = new TMenuItem(nullptr);  // the menu's items own it
    item->SetCaption(FUnits.Strings(i));
    int id = i + 1;
    item->OnClick = [this, id](TObject*) { Perform(WM_COMMAND, MakeWParam(id, 0), 0); };
    menu.Items()->Add(item);
  }
  TPoint p = ClientOrigin();
  menu.Popup(p.X + ClientWidth() - 15, p.Y + ClientHeight());
}

void TEsgUnitEditBtn::ChooseUnit(int CommandID) {
  if (CommandID < 1 || CommandID > FUnits.Count()) return;
  const std::string& chosen = FUnits.Strings(CommandID - 1);
  bool changed = chosen != FUnitID;
  SetUnitID(chosen);
  if (changed && OnUnitChanged) OnUnitChanged(this, FUnitID);
}

void TEsgUnitEditBtn::WMCommand(TWMCommand& Message) {
  if (Message.NotifyCode != EN_CHANGE) ChooseUnit(Message.ItemID);
}

void TEsgUnitEditBtn::Paint() {
  TEsgEditBtn::Paint();
  TCanvas* c = Canvas();
  c->Font()->Assign(Font());
  c->Brush()->SetStyle(bsClear);
  int x = Button()->Left() - 3;
  TRect r(x - UnitSpace(), FormatRect().Top, x, ClientHeight());
  std::string unit = FUnitID;
  c->DrawText(unit, r, DT_EDITCONTROL);
}
