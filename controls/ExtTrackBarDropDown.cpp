#include "controls/ExtTrackBarDropDown.h"

#include "controls/ExtDropDownForm.h"
#include "toolkit/forms/WinApi.h"
#include "toolkit/forms/std/RangeControls.h"
#include "toolkit/rtl/SysUtils.h"

TExtTrackBarDropDown::TExtTrackBarDropDown(TComponent* AOwner) : TExtCustomDropDown(AOwner) {
  CreateDropDownForm();
  SetEditorEnabled(false);
  SetDropDownEnabled(true);
  SetEditType(etNumeric);
  DropDownHeader()->SetVisible(false);
  DropDownFooter()->SetVisible(false);
  SetForceShadow(true);
}

void TExtTrackBarDropDown::CreateDropDownForm() {
  TExtCustomDropDown::CreateDropDownForm();
  if (FTrackBar != nullptr || FDropDownForm == nullptr) return;
  FTrackBar = new TTrackBar(this);
  FTrackBar->SetParent(FDropDownForm);
  FTrackBar->SetBounds(0, 0, FTrackBar->Width(), 40);
  FTrackBar->OnChange = [this](TObject*) { TrackChanged(); };
}

void TExtTrackBarDropDown::BeforeDropDown() {
  TExtCustomDropDown::BeforeDropDown();
  FDropDownForm->SetCancelOnDeActivate(false);
  if (FTrackBar != nullptr) {
    FTrackBar->SetMin(FMin);
    FTrackBar->SetMax(FMax);
    FTrackBar->SetPosition(FPosition);
    FTrackBar->SetPageSize(FPageSize);
    FTrackBar->SetFrequency(FFrequency);
    FTrackBar->SetWidth(Width());
  }
  SetControl(FTrackBar);
}

void TExtTrackBarDropDown::SetMax(int Value) {
  FMax = Value;
  if (FTrackBar) {
    FTrackBar->SetMax(Value);
    FMax = FTrackBar->Max();
  }
}

void TExtTrackBarDropDown::SetMin(int Value) {
  FMin = Value;
  if (FTrackBar) {
    FTrackBar->SetMin(Value);
    FMin = FTrackBar->Min();
  }
}

void TExtTrackBarDropDown::SetFrequency(int Value) {
  FFrequency = Value;
  if (FTrackBar) FTrackBar->SetFrequency(Value);
}

void TExtTrackBarDropDown::SetPosition(int Value) {
  FPosition = Value;
  if (FTrackBar) {
    FTrackBar->SetPosition(Value);
    FPosition = FTrackBar->Position();
  }
}

void TExtTrackBarDropDown::SetPageSize(int Value) {
  FPageSize = Value;
  if (FTrackBar) FTrackBar->SetPageSize(Value);
}

void TExtTrackBarDropDown::TrackChanged() {
  FPosition = FTrackBar->Position();
  SetTextDirect(IntToStr(FPosition));
  if (OnTrackChange) OnTrackChange(this);
}

// A text that is no integer keeps the position (and raises nothing).
void TExtTrackBarDropDown::EditChanged() {
  TExtCustomDropDown::EditChanged();
  int v = 0;
  if (TryStrToInt(Text(), v) && v != FPosition) SetPosition(v);
}

void TExtTrackBarDropDown::WMKeyDown(TWMKey& Message) {
  const uint16_t key = uint16_t(Message.CharCode);
  TExtCustomDropDown::WMKeyDown(Message);
  if (EditorEnabled() || GetKeyState(VK_MENU) < 0) return;
  if (key == VK_UP && FPosition - FFrequency >= FMin) SetPosition(FPosition - FFrequency);
  if (key == VK_DOWN && FPosition + FFrequency <= FMax) SetPosition(FPosition + FFrequency);
}

void TExtTrackBarDropDown::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TExtCustomDropDown::MouseDown(Button, Shift, X, Y);
  if (!DropDownEnabled() || EditorEnabled()) return;
  FLastX = X;
  FDropDownEnabledDrag = true;
}

// A page size of 0 or less makes a drag change nothing.
void TExtTrackBarDropDown::MouseMove(TShiftState Shift, int X, int Y) {
  TExtCustomDropDown::MouseMove(Shift, X, Y);
  if (!dragging()) return;
  if (FPageSize > 0) {
    const int step = (X - FLastX) / FPageSize;
    if (step != 0) SetPosition(FPosition + step);
  }
  FLastX = X;
}

void TExtTrackBarDropDown::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TExtCustomDropDown::MouseUp(Button, Shift, X, Y);
  FDropDownEnabledDrag = false;
}
