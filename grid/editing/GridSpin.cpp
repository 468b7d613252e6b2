#include "grid/editing/GridSpin.h"

#include "grid/core/ExtGrid.h"
#include "grid/editing/GridWrapperSupport.h"
#include "toolkit/forms/WinApi.h"
#include "toolkit/rtl/SysUtils.h"

TGridSpin::TGridSpin(TComponent* AOwner) : TEsgSpinEdit(AOwner), FGrid(EditorGridOf(AOwner)) {
  SetMaxValue(100);
  SetMinValue(0);
  SetIncrement(1);
}

std::string TGridSpin::CellValue() const {
  if (SpinType() != sptNormal) return Text();
  if (Trim(Text()).empty() && AllowEmptyValue()) return "";
  return IntToStr(Value());
}

void TGridSpin::fireSpinClick(bool Up) {
  int c = FGrid->Col(), r = FGrid->Row();
  switch (SpinType()) {
    case sptNormal:
      if (FGrid->OnSpinClick) FGrid->OnSpinClick(FGrid, c, r, Value(), Up);
      break;
    case sptFloat:
      if (FGrid->OnFloatSpinClick) FGrid->OnFloatSpinClick(FGrid, c, r, FloatValue(), Up);
      break;
    case sptDate:
      if (FGrid->OnDateSpinClick) FGrid->OnDateSpinClick(FGrid, c, r, DateValue(), Up);
      break;
    case sptTime:
      if (FGrid->OnTimeSpinClick) FGrid->OnTimeSpinClick(FGrid, c, r, TimeValue(), Up);
      break;
  }
}

void TGridSpin::UpClick(TObject* Sender) {
  TEsgSpinEdit::UpClick(Sender);
  fireSpinClick(true);
}

void TGridSpin::DownClick(TObject* Sender) {
  TEsgSpinEdit::DownClick(Sender);
  fireSpinClick(false);
}

// The value goes back clamped: leaving the field clamps first, then the cell is written.
void TGridSpin::DoExit() {
  TEsgSpinEdit::DoExit();
  FGrid->HideInplaceEdit();
}

void TGridSpin::Change() {
  TEsgSpinEdit::Change();
  NotifyEditChange(FGrid, Text());
}

void TGridSpin::CMWantSpecialKey(TCMWantSpecialKey& Message) {
  if (!ClaimEditorKey(FGrid, Message, true)) TEsgSpinEdit::CMWantSpecialKey(Message);
}

// Page keys step only while the result stays within the limits; Home and End go to them.
void TGridSpin::valueKey(uint16_t Key) {
  bool isFloat = SpinType() == sptFloat;
  if (SpinType() != sptNormal && !isFloat) return;
  if (isFloat) {
    double v = FloatValue(), inc = IncrementFloat();
    if (Key == VK_PRIOR && v + inc <= MaxFloatValue()) SetFloatValue(v + inc);
    if (Key == VK_NEXT && v - inc >= MinFloatValue()) SetFloatValue(v - inc);
    if (Key == VK_END) SetFloatValue(MinFloatValue());
    if (Key == VK_HOME) SetFloatValue(MaxFloatValue());
    return;
  }
  int v = Value(), inc = Increment();
  if (Key == VK_PRIOR && v + inc <= MaxValue()) SetValue(v + inc);
  if (Key == VK_NEXT && v - inc >= MinValue()) SetValue(v - inc);
  if (Key == VK_END) SetValue(MinValue());
  if (Key == VK_HOME) SetValue(MaxValue());
}

bool TGridSpin::validate(uint16_t& Key) {
  FGrid->SetCurrentCell(Text());
  if (FGrid->ValidateCell(Text())) {
    SetText(FGrid->GetCurrentCell());
    return true;
  }
  SetText(FGrid->GetCurrentCell());
  SetSelStart(static_cast<int>(Text().size()));
  Key = 0;
  FGrid->FNoAutoAdvance = true;
  Invalidate();
  return false;
}

void TGridSpin::KeyDown(uint16_t& Key, TShiftState Shift) {
  bool valueKeyDown = Key == VK_PRIOR || Key == VK_NEXT || Key == VK_HOME || Key == VK_END;
  if (valueKeyDown) {
    valueKey(Key);
    bool up = Key == VK_PRIOR || Key == VK_HOME;
    if (FGrid->OnSpinClick) FGrid->OnSpinClick(FGrid, FGrid->Col(), FGrid->Row(), Value(), up);
  }
  bool ending = Key == VK_TAB || Key == VK_RETURN || Key == VK_ESCAPE || Key == VK_UP || Key == VK_DOWN;
  if (!ending) {
    TEsgSpinEdit::KeyDown(Key, Shift);
    return;
  }
  if (Key == VK_ESCAPE) {
    FGrid->CancelSpecialEdit();
    SetText(FGrid->OriginalCellValue());
    if (SpinType() == sptNormal) SetValue(Value());
    if (SpinType() == sptFloat) SetFloatValue(FloatValue());
  } else if (!validate(Key)) {
    return;
  }
  if (TabOutOfEditor(FGrid, Key, Shift)) return;
  uint16_t key = Key;
  FGrid->DoneInplaceEdit(key, Shift);
  const TNavigation* nav = FGrid->Navigation();
  if (key == VK_RETURN && nav->AdvanceOnEnter() && nav->AdvanceAutoEdit()) FGrid->ShowInplaceEdit();
  Key = 0;
  TEsgSpinEdit::KeyDown(Key, Shift);
}

void TGridSpin::KeyPress(char& Key) {
  if (Key == 27 || Key == '\r') return;
  TEsgSpinEdit::KeyPress(Key);
}

void TGridSpin::WMChar(TWMKey& Message) {
  if (Message.CharCode == '\t' || Message.CharCode == '\r') {
    Message.Result = 0;
    return;
  }
  TEsgSpinEdit::WMChar(Message);
}
