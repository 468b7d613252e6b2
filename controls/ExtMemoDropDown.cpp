#include "controls/ExtMemoDropDown.h"

#include "controls/ExtDropDownForm.h"
#include "toolkit/forms/WinApi.h"
#include "toolkit/forms/std/Memo.h"
#include "toolkit/graphics/Bitmap.h"
#include "toolkit/graphics/Canvas.h"
#include "toolkit/rtl/StringList.h"

TExtMemoDropDown::TExtMemoDropDown(TComponent* AOwner)
    : TExtCustomDropDown(AOwner), FMemoText(std::make_unique<TStringList>()) {
  FMemoText->OnChange = [this](TObject*) { UpdateEditText(); };
  CreateDropDownForm();
}

TExtMemoDropDown::~TExtMemoDropDown() { FMemoText->OnChange = nullptr; }

void TExtMemoDropDown::SetMemoText(const TStrings* Value) {
  FMemoText->Assign(Value);
  if (FMemo) FMemo->Lines()->Assign(Value);
}

void TExtMemoDropDown::SetMemoReadOnly(bool Value) {
  FMemoReadOnly = Value;
  if (DroppedDown() && FMemo) FMemo->SetReadOnly(Value);
}

void TExtMemoDropDown::CreateDropDownForm() {
  TExtCustomDropDown::CreateDropDownForm();
  if (FDropDownForm == nullptr) return;
  if (FMemo == nullptr) {
    FMemo = new TMemo(this);
    FMemo->SetParent(FDropDownForm);
    FMemo->SetHeight(100);
    FMemo->SetBorderStyle(bsNone);
    FMemo->SetTabStop(true);
    FMemo->OnChange = [this](TObject*) {
      if (OnMemoChange) OnMemoChange(this);
    };
  }
  SetControl(FMemo);
  SetFocusControl(FMemo);
}

void TExtMemoDropDown::BeforeDropDown() {
  TExtCustomDropDown::BeforeDropDown();
  FDropDownForm->SetCancelOnDeActivate(false);
  if (FMemo == nullptr) return;
  FMemo->SetText(FMemoText->Text());
  FMemo->SetPopupMenu(FMemoPopup);
  FMemo->SetMaxLength(MaxLength());
  FMemo->SetScrollBars(FMemoScrollBars);
  FMemo->SetReadOnly(FMemoReadOnly);
}

void TExtMemoDropDown::DoHideDropDown(bool Cancel) {
  const bool autoDrop = FAutoDrop;
  FAutoDrop = false;
  if (Cancel && FMemo) FMemo->Lines()->Assign(FMemoText.get());
  TExtCustomDropDown::DoHideDropDown(Cancel);
  FAutoDrop = autoDrop;
}

void TExtMemoDropDown::AfterHideDropDown() {
  TExtCustomDropDown::AfterHideDropDown();
  if (FMemo) FMemoText->SetText(FMemo->Text());
  UpdateEditText();
  SetSelStart(0);
  SetSelLength(0);
}

void TExtMemoDropDown::ControlKeyDown(uint16_t& Key, TShiftState Shift) {
  if ((Key == 65 || Key == 97) && Shift.Contains(ssCtrl) && FMemo) FMemo->SelectAll();
  if (Shift.Contains(ssAlt) || GetKeyState(VK_MENU) < 0 || Key == VK_ESCAPE || Key == VK_F4)
    TExtCustomDropDown::ControlKeyDown(Key, Shift);
}

void TExtMemoDropDown::ControlKeyUp(uint16_t& Key, TShiftState Shift) {
  if (Shift.Contains(ssAlt) || Key == VK_ESCAPE || Key == VK_F4) TExtCustomDropDown::ControlKeyUp(Key, Shift);
}

void TExtMemoDropDown::ControlKeyPress(char& Key) {
  if (GetKeyState(VK_MENU) < 0 || Key == 27) TExtCustomDropDown::ControlKeyPress(Key);
}

void TExtMemoDropDown::DoEnter() {
  TExtCustomDropDown::DoEnter();
  if (FAutoDrop) ShowDropDown();
}

void TExtMemoDropDown::EditChanged() {
  if (!FInternal) {
    auto hook = std::move(FMemoText->OnChange);
    FMemoText->OnChange = nullptr;
    FMemoText->SetText(Text());
    FMemoText->OnChange = std::move(hook);
  }
  TExtCustomDropDown::EditChanged();
}

void TExtMemoDropDown::UpdateEditText() {
  std::string s;
  if (FMemoText->Count() == 0 || EditorEnabled()) {
    s = FMemoText->Text();
  } else {
    s = FMemoText->Strings(0);
    const int avail = EditRectWidth();
    TBitmap scratch;
    scratch.SetSize(1, 1);
    TCanvas* c = scratch.Canvas();
    c->Font()->Assign(Font());
    TSize size;
    GetTextSize(c, s, size);
    if (size.cx < avail) {
      if (FMemoText->Count() > 1) s += "...";
    } else {
      std::string cut;
      EllipsisText(c, s, avail, cut, true);
      s = cut;
    }
  }
  FInternal = true;
  SetTextDirect(s);
  FInternal = false;
}
