// The auto-tabbing picker and the date-and-time picker with label.

#include "controls/ExtDateTimePicker.h"

#include <cctype>

#include "toolkit/forms/WinApi.h"
#include "toolkit/graphics/Canvas.h"
#include "toolkit/rtl/DateUtils.h"
#include "toolkit/rtl/Math.h"

UINT DTPShiftFocusMessage() {
  static const UINT id = RegisterWindowMessage("DTPShiftFocus");
  return id;
}

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Milliseconds dropped.
double wholeSeconds(double Value) {
  uint16_t h = 0, m = 0, s = 0, ms = 0;
  DecodeTime(Value, h, m, s, ms);
  return static_cast<double>(static_cast<int64_t>(Value)) + EncodeTime(h, m, s, 0) * (Value < 0 ? -1 : 1);
}

}  // namespace

// ---- auto-tab ----

TCustomDateTimePicker::TCustomDateTimePicker(TComponent* AOwner) : TEsgDateTimePicker(AOwner) {
  SetCtl3D(false);
  SetBorderColor(clBlack);
}

void TCustomDateTimePicker::WndProc(TMessage& Message) {
  if (Message.Msg == DTPShiftFocusMessage()) ShiftFocus();
  TEsgDateTimePicker::WndProc(Message);
}

void TCustomDateTimePicker::RecordBeforeDigit() {
  if (TDateTimePicker::Kind() == dtkTime) DecodeTime(TDateTimePicker::DateTime(), Fh, Fm, Fs, Fms);
}

void TCustomDateTimePicker::KeyPress(char& Key) {
  bool digit = isDigit(Key) && FAutoTab;
  if (digit) RecordBeforeDigit();
  TEsgDateTimePicker::KeyPress(Key);
  if (digit && HandleAllocated()) PostMessage(Handle(), DTPShiftFocusMessage(), 0, 0);
}

void TCustomDateTimePicker::ShiftFocus() {
  if (TDateTimePicker::Kind() != dtkTime) return;
  uint16_t h = 0, m = 0, s = 0, ms = 0;
  DecodeTime(TDateTimePicker::DateTime(), h, m, s, ms);
  if ((h != Fh || m != Fm || s != Fs) && HandleAllocated()) PostMessage(Handle(), WM_KEYDOWN, VK_RIGHT, 0);
}

// ---- the picker with label ----

TExtDateTimePicker::TExtDateTimePicker(TComponent* AOwner) : TCustomDateTimePicker(AOwner), FLabel(this) {
  TEsgDateTimePicker::SetBorderStyle(bsSingle);
  SetCtl3D(true);
  FLabel.Font()->OnChange = [this](TObject*) { FLabel.Place(); };
}

TExtDateTimePicker::~TExtDateTimePicker() {
  if (FLabel.Label()) FLabel.Label()->SetParent(nullptr);
}

void TExtDateTimePicker::Notification(TComponent* AComponent, TOperation Operation) {
  TCustomDateTimePicker::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  FLabel.Removed(AComponent);
  if (AComponent == FTimePicker) FTimePicker = nullptr;
}

void TExtDateTimePicker::SetKind(TExtDateTimeKind Value) {
  if (Value == FKind) return;
  FKind = Value;
  TDateTimePicker::SetKind(Value == dkTime ? dtkTime : dtkDate);
  if (Value == dkDateTime) createTimePicker();
  layoutTimePicker();
}

void TExtDateTimePicker::CreateWnd() {
  TCustomDateTimePicker::CreateWnd();
  TExtDateTimeKind k = FKind;
  FKind = dkDate;
  SetKind(k);
}

void TExtDateTimePicker::createTimePicker() {
  if (FTimePicker || FKind != dkDateTime) return;
  FTimePicker = new TCustomDateTimePicker(this);
  FTimePicker->SetParent(this);
  FTimePicker->SetBounds(0, 0, 90, 17);
  FTimePicker->SetVisible(false);
  FTimePicker->SetEnabled(Enabled());
  FTimePicker->TDateTimePicker::SetKind(dtkTime);
  FTimePicker->SetAutoTab(AutoTab());
  FTimePicker->OnChange = [this](TObject*) {
    Change();
    if (OnTimeChange) OnTimeChange(this);
  };
  FTimePicker->OnClick = [this](TObject*) {
    if (OnClick) OnClick(this);
  };
  FTimePicker->OnKeyDown = [this](TObject*, uint16_t& Key, TShiftState Shift) {
    if (OnKeyDown) OnKeyDown(this, Key, Shift);
  };
}

void TExtDateTimePicker::layoutTimePicker() {
  if (!FTimePicker) return;
  FTimePicker->SetColor(Color());
  FTimePicker->SetEnabled(Enabled() && (Checked() || !ShowCheckbox()));
  FTimePicker->SetVisible(FKind == dkDateTime);
  if (!FTimePicker->Visible() && !ComponentState().Contains(csLoading)) {
    TCustomDateTimePicker* t = FTimePicker;
    FTimePicker = nullptr;
    delete t;
    return;
  }
  FTimePicker->TDateTimePicker::SetDateTime(TDateTimePicker::DateTime());
  FTimePicker->SetFormat(FTimeFormat);
  FTimePicker->Font()->Assign(Font());
  Canvas()->Font()->Assign(Font());
  int a = Canvas()->TextWidth(FTimePicker->DisplayText()) + 31;
  // Inside the right part, left of the drop button.
  FTimePicker->SetBounds(ButtonRect().Left - a - 2, 1, a, Height() - 2);
}

double TExtDateTimePicker::DateTime() const {
  if (!FTimePicker) return TDateTimePicker::DateTime();
  return static_cast<double>(static_cast<int64_t>(TDateTimePicker::Date())) + Frac(FTimePicker->TDateTimePicker::Time());
}

void TExtDateTimePicker::SetDateTime(double Value) {
  double v = wholeSeconds(Value);
  TDateTimePicker::SetDateTime(v);
  createTimePicker();
  if (FTimePicker) FTimePicker->TDateTimePicker::SetDateTime(v);
}

void TExtDateTimePicker::SetDate(double Value) {
  double time = Frac(DateTime());
  SetDateTime(static_cast<double>(static_cast<int64_t>(Value)) + time);
}

double TExtDateTimePicker::Time() const {
  if (FKind == dkDateTime && FTimePicker) return FTimePicker->TDateTimePicker::Time();
  return TDateTimePicker::Time();
}

void TExtDateTimePicker::SetTime(double Value) {
  TDateTimePicker::SetTime(Value);
  if (FTimePicker) FTimePicker->TDateTimePicker::SetTime(Value);
  layoutTimePicker();
}

void TExtDateTimePicker::SetTimeFormat(const std::string& Value) {
  if (FTimePicker) FTimePicker->SetFormat(Value);
  if (FKind == dkTime) SetFormat(Value);
  FTimeFormat = Value;
  layoutTimePicker();
}

void TExtDateTimePicker::SetAutoTab(bool Value) {
  TCustomDateTimePicker::SetAutoTab(Value);
  if (FTimePicker) FTimePicker->SetAutoTab(Value);
}

void TExtDateTimePicker::SetBorderStyle(TBorderStyle Value) {
  TCustomDateTimePicker::SetBorderStyle(Value);
  layoutTimePicker();
}

void TExtDateTimePicker::SetChecked(bool Value) {
  TDateTimePicker::SetChecked(Value);
  followCheck();
}

void TExtDateTimePicker::followCheck() {
  if (FTimePicker) FTimePicker->SetEnabled(Enabled() && (Checked() || !ShowCheckbox()));
}

// Every change notification reaches the toolkit's handling; the time part follows the check box.
void TExtDateTimePicker::Change() {
  followCheck();
  TCustomDateTimePicker::Change();
}

void TExtDateTimePicker::Paint() {
  TCustomDateTimePicker::Paint();
  if (!FFirstRun) return;
  FFirstRun = false;
  layoutTimePicker();
}

void TExtDateTimePicker::Loaded() {
  TCustomDateTimePicker::Loaded();
  createTimePicker();
  layoutTimePicker();
  FLabel.UseControlFont = ParentFont();
  FLabel.ControlEnabledChanged(Enabled());
  FLabel.Place();
}

void TExtDateTimePicker::SetParent(TWinControl* AParent) {
  TCustomDateTimePicker::SetParent(AParent);
  FLabel.Place();
}

void TExtDateTimePicker::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  TCustomDateTimePicker::SetBounds(ALeft, ATop, AWidth, AHeight);
  if (ComponentState().Contains(csDestroying)) return;
  if (FLabel.Label() && Parent()) FLabel.Place();
  layoutTimePicker();
}

void TExtDateTimePicker::SetEnabled(bool v) {
  TCustomDateTimePicker::SetEnabled(v);
  followCheck();
  FLabel.ControlEnabledChanged(v);
}

void TExtDateTimePicker::CMVisibleChanged(TMessage& Message) {
  TCustomDateTimePicker::CMVisibleChanged(Message);
  FLabel.ControlVisibleChanged(Visible());
}

void TExtDateTimePicker::CMColorChanged(TMessage& Message) {
  TCustomDateTimePicker::CMColorChanged(Message);
  layoutTimePicker();
}

void TExtDateTimePicker::WMSetFocus(TWMSetFocus& Message) {
  TCustomDateTimePicker::WMSetFocus(Message);
  if (FFocusLabel && !ComponentState().Contains(csLoading)) FLabel.SetBold(true);
}

void TExtDateTimePicker::WMKillFocus(TWMKillFocus& Message) {
  TCustomDateTimePicker::WMKillFocus(Message);
  if (FFocusLabel && !ComponentState().Contains(csLoading)) FLabel.SetBold(false);
}

void TExtDateTimePicker::RecordBeforeDigit() {
  TCustomDateTimePicker::RecordBeforeDigit();
  DecodeDate(TDateTimePicker::DateTime(), Fy, Fmo, Fd);
}

void TExtDateTimePicker::ShiftFocus() {
  if (FKind == dkTime) {
    TCustomDateTimePicker::ShiftFocus();
    return;
  }
  uint16_t y = 0, m = 0, d = 0;
  DecodeDate(TDateTimePicker::DateTime(), y, m, d);
  bool dayChanged = d != Fd, monthChanged = m != Fmo, yearChanged = y != Fy;
  auto toTime = [this] {
    if (FTimePicker && FTimePicker->CanFocus()) FTimePicker->SetFocus();
  };
  auto next = [this] {
    if (HandleAllocated()) PostMessage(Handle(), WM_KEYDOWN, VK_RIGHT, 0);
  };
  // With no Format of its own the last field is the short date format's.
  std::string f = Format().empty() ? FormatSettings.ShortDateFormat : Format();
  char last = f.empty() ? 0 : static_cast<char>(std::tolower(static_cast<unsigned char>(f.back())));
  bool lastEdited = (last == 'd' && dayChanged) || (last == 'm' && monthChanged) || (last == 'y' && yearChanged);
  if (lastEdited) toTime();
  else if (dayChanged || monthChanged || yearChanged) next();
}
