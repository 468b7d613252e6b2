#include "grid/editing/GridDatePicker.h"

#include "grid/core/ExtGrid.h"
#include "grid/editing/GridWrapperSupport.h"
#include "toolkit/forms/WinApi.h"
#include "toolkit/graphics/Canvas.h"
#include "toolkit/rtl/DateUtils.h"

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

// ---- date or time ----

TGridDatePicker::TGridDatePicker(TComponent* AOwner) : TEsgDateTimePicker(AOwner), FGrid(EditorGridOf(AOwner)) {}

std::string TGridDatePicker::CellText() const {
  return Kind() == dtkTime ? TimeToStr(Time()) : DateToStr(Date());
}

void TGridDatePicker::WndProc(TMessage& Message) {
  if (Message.Msg == DTPShiftFocusMessage()) ShiftFocus();
  TEsgDateTimePicker::WndProc(Message);
}

void TGridDatePicker::DoExit() {
  FGrid->HideInplaceEdit();
  TEsgDateTimePicker::DoExit();
}

void TGridDatePicker::CMWantSpecialKey(TCMWantSpecialKey& Message) {
  if (!ClaimEditorKey(FGrid, Message, true)) TEsgDateTimePicker::CMWantSpecialKey(Message);
}

void TGridDatePicker::KeyPress(char& Key) {
  bool digit = isDigit(Key);
  if (digit) {
    DecodeDate(DateTime(), Fy, Fm, Fd);
    DecodeTime(DateTime(), Fth, Ftm, Fts, Ftms);
  }
  char key = Key;
  TEsgDateTimePicker::KeyPress(Key);
  if (digit && HandleAllocated()) PostMessage(Handle(), DTPShiftFocusMessage(), 0, 0);
  if (FGrid->OnKeyPress) FGrid->OnKeyPress(FGrid, key);
}

void TGridDatePicker::ShiftFocus() {
  auto next = [this] {
    if (HandleAllocated()) PostMessage(Handle(), WM_KEYDOWN, VK_RIGHT, 0);
  };
  if (Kind() == dtkTime) {
    uint16_t h = 0, m = 0, s = 0, ms = 0;
    DecodeTime(DateTime(), h, m, s, ms);
    if (h != Fth || m != Ftm || s != Fts) next();
    return;
  }
  uint16_t y = 0, m = 0, d = 0;
  DecodeDate(DateTime(), y, m, d);
  bool day = d != Fd, month = m != Fm, year = y != Fy;
  if (Format().empty()) {
    if (day || month) next();
    return;
  }
  char c = Format().back();
  bool last = (day && (c == 'd' || c == 'D')) || (month && (c == 'M' || c == 'm')) || (year && (c == 'y' || c == 'Y'));
  if (!last && (day || month || year)) next();
}

bool TGridDatePicker::validate(uint16_t& Key) {
  std::string text = CellText();
  FGrid->SetCurrentCell(text);
  if (FGrid->ValidateCell(text)) return true;
  double v = 0;
  if (Kind() == dtkTime ? TryStrToTime(FGrid->FNewCellText, v) : TryStrToDate(FGrid->FNewCellText, v)) {
    if (Kind() == dtkTime) SetTime(v);
    else SetDate(v);
  }
  Invalidate();
  Key = 0;
  return false;
}

void TGridDatePicker::KeyDown(uint16_t& Key, TShiftState Shift) {
  bool ending = Key == VK_TAB || Key == VK_RETURN || Key == VK_ESCAPE || Key == VK_PRIOR || Key == VK_NEXT ||
                Key == VK_END;
  if (!ending) {
    TEsgDateTimePicker::KeyDown(Key, Shift);
    return;
  }
  if (Key == VK_ESCAPE) {
    FGrid->CancelSpecialEdit();
  } else if (Key == VK_RETURN) {
    // The field being typed is taken before the value is read.
    Perform(WM_KEYDOWN, VK_RIGHT, 0);
    Perform(WM_KEYUP, VK_RIGHT, 0);
    if (!validate(Key)) {
      FGrid->FNoAutoAdvance = true;
      return;
    }
  } else if (Key == VK_TAB && FGrid->TabValidates()) {
    if (!validate(Key)) return;
    if (TabOutOfEditor(FGrid, Key, Shift)) return;
    FGrid->tabOn();
  }
  if (!DroppedDown()) FGrid->DoneInplaceEdit(Key, Shift);
  Key = 0;
}

// A frame in the window colour covers the picker's own border inside the cell.
void TGridDatePicker::Paint() {
  TEsgDateTimePicker::Paint();
  TCanvas* c = Canvas();
  c->Brush()->SetStyle(bsClear);
  c->Pen()->SetColor(clWindow);
  TRect r(0, 0, Width(), Height());
  c->Rectangle(r);
  InflateRect(r, -1, -1);
  c->Rectangle(r);
}

// ---- date and time ----

TGridDateTimePicker::TGridDateTimePicker(TComponent* AOwner)
    : TExtDateTimePicker(AOwner), FGrid(EditorGridOf(AOwner)) {}

std::string TGridDateTimePicker::CellText() const { return DateTimeToStr(DateTime()); }

void TGridDateTimePicker::DoExit() {
  // The focus may only move into the embedded time part.
  if (TimePicker() && TimePicker()->Focused()) {
    TExtDateTimePicker::DoExit();
    return;
  }
  FGrid->HideInplaceEdit();
  TExtDateTimePicker::DoExit();
}

void TGridDateTimePicker::CMWantSpecialKey(TCMWantSpecialKey& Message) {
  if (!ClaimEditorKey(FGrid, Message, false)) TExtDateTimePicker::CMWantSpecialKey(Message);
}

void TGridDateTimePicker::KeyDown(uint16_t& Key, TShiftState Shift) {
  if (Key == VK_ESCAPE) {
    // Date and time both go back.
    SetDateTime(FGrid->FOriginalDateTime);
    FGrid->CancelSpecialEdit();
    FGrid->HideInplaceEdit();
    FGrid->SetFocus();
    Key = 0;
    return;
  }
  if (Key == VK_RETURN) {
    FGrid->HideInplaceEdit();
    FGrid->SetFocus();
    Key = 0;
    if (FGrid->Navigation()->AdvanceOnEnter())
      FGrid->AdvanceToNextCell(FGrid->Col(), FGrid->Row(), false, true, true, false, true);
    return;
  }
  if (Key == VK_TAB && FGrid->TabValidates()) {
    FGrid->HideInplaceEdit();
    FGrid->SetFocus();
    FGrid->SetCurrentCell(CellText());
    FGrid->TabAdvance(Shift.Contains(ssShift));
    Key = 0;
    return;
  }
  TExtDateTimePicker::KeyDown(Key, Shift);
}
