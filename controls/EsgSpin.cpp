// TExtTimerSpeedButton, TEsgSpinButton and TEsgSpinEdit: the repeating
// arrows, the spin button that holds them, and the spin editor's values,
// stepping, character filter and layout.

#include "controls/EsgSpin.h"

#include <algorithm>

#include "controls/EditorButtons.h"
#include "controls/SpinRules.h"
#include "toolkit/forms/WinApi.h"
#include "toolkit/forms/std/ControlPaint.h"
#include "toolkit/graphics/Canvas.h"
#include "toolkit/rtl/DateUtils.h"
#include "toolkit/rtl/SysUtils.h"

// ---- the repeating arrow ----

TExtTimerSpeedButton::TExtTimerSpeedButton(TComponent* AOwner) : TSpeedButton(AOwner) {}

void TExtTimerSpeedButton::invalidateParent() {
  if (Parent()) Parent()->Invalidate();
}

void TExtTimerSpeedButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TSpeedButton::MouseDown(Button, Shift, X, Y);
  if (FTimeBtnState.Contains(tbAllowTimer)) {
    if (!FRepeatTimer) FRepeatTimer = new TTimer(this);
    FRepeatTimer->SetOnTimer([this](TObject* Sender) { timerExpired(Sender); });
    FRepeatTimer->SetInterval(RepeatInterval(kSpinRepeatDelay));
    FRepeatTimer->SetEnabled(true);
  }
  invalidateParent();
}

void TExtTimerSpeedButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TSpeedButton::MouseUp(Button, Shift, X, Y);
  if (FRepeatTimer) FRepeatTimer->SetEnabled(false);
  invalidateParent();
}

void TExtTimerSpeedButton::timerExpired(TObject*) {
  FRepeatTimer->SetInterval(RepeatInterval(kSpinRepeatRate));
  if (State() != bsDown || !MouseCapture()) return;
  try {
    Click();
  } catch (...) {
    // A failing step must not go on repeating while the error is shown.
    FRepeatTimer->SetEnabled(false);
    throw;
  }
}

void TExtTimerSpeedButton::CMMouseEnter(TCMControlMsg& Message) {
  TSpeedButton::CMMouseEnter(Message);
  FHasMouse = true;
  Invalidate();
}

void TExtTimerSpeedButton::CMMouseLeave(TCMControlMsg& Message) {
  TSpeedButton::CMMouseLeave(Message);
  FHasMouse = false;
  Invalidate();
}

void TExtTimerSpeedButton::Paint() {
  TCanvas* c = Canvas();
  TRect r = ClientRect();
  bool down = State() == bsDown;
  auto* colors = dynamic_cast<const TButtonColors*>(Owner());
  if (colors && colors->ButtonColor() != clNone) {
    PaintColouredArrowButton(c, r, colors->ButtonFace(down, FHasMouse), FButtonDirection);
    return;
  }
  if (FIsWinXP && PaintThemedSpinArrow(c, r, FButtonDirection, down, FHasMouse, Enabled())) return;
  if (FButtonDirection == bdLeft || FButtonDirection == bdRight) {
    DrawScrollArrow(c, r, FButtonDirection == bdLeft ? adLeft : adRight, down, Enabled());
    return;
  }
  TSpeedButton::Paint();
}

// ---- the spin button ----

TEsgSpinButton::TEsgSpinButton(TComponent* AOwner) : TCustomControl(AOwner) {
  TControlStyle s = ControlStyle();
  s.Exclude(csAcceptsControls);
  s.Exclude(csSetCaption);
  s.Include(csOpaque);
  SetControlStyle(s);
  SetButtonBorderColor(0);
  SetTabStop(false);
  auto make = [this](TButtonDirection d) {
    auto* b = new TExtTimerSpeedButton(this);
    b->SetParent(this);
    b->SetTimeBtnState(TTimeBtnState{tbAllowTimer});
    b->SetButtonDirection(d);
    b->OnClick = [this, b](TObject*) { clicked(b); };
    b->OnMouseDown = [this, b](TObject*, TMouseButton Button, TShiftState, int, int) {
      if (Button == mbLeft) pressed(b);
    };
    return b;
  };
  FUpButton = make(bdUp);
  FDownButton = make(bdDown);
  SetUpGlyph(nullptr);
  SetDownGlyph(nullptr);
  FFocusedButton = FUpButton;
  SetBounds(0, 0, 15, 25);
}

void TEsgSpinButton::adjustSize(int& W, int& H) {
  if (ComponentState().Contains(csLoading) || !FUpButton) return;
  if (FDirection == spVertical) {
    W = std::max(W, 15);
    int up = H / 2;
    FUpButton->SetBounds(0, 0, W, up);
    FDownButton->SetBounds(0, up - 1, W, H - up + 1);
  } else {
    W = std::max(W, 20);
    FDownButton->SetBounds(0, 0, W / 2, H);
    FUpButton->SetBounds(W / 2 + 1, 0, W / 2, H);
  }
}

void TEsgSpinButton::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  int w = AWidth, h = AHeight;
  adjustSize(w, h);
  TCustomControl::SetBounds(ALeft, ATop, w, h);
}

void TEsgSpinButton::Loaded() {
  TCustomControl::Loaded();
  int w = Width(), h = Height();
  adjustSize(w, h);
  if (w != Width() || h != Height()) SetBounds(Left(), Top(), w, h);
}

void TEsgSpinButton::WMSize(TWMSize& Message) {
  TCustomControl::WMSize(Message);
  int w = Width(), h = Height();
  adjustSize(w, h);
  if (w != Width() || h != Height()) SetBounds(Left(), Top(), w, h);
  Message.Result = 0;
}

void TEsgSpinButton::SetDirection(TSpinDirection Value) {
  if (Value == FDirection) return;
  FDirection = Value;
  bool horizontal = Value == spHorizontal;
  FUpButton->SetButtonDirection(horizontal ? bdRight : bdUp);
  FDownButton->SetButtonDirection(horizontal ? bdLeft : bdDown);
  if (HandleAllocated()) RecreateWnd();
  SetBounds(Left(), Top(), horizontal ? 20 : 15, Height());
}

void TEsgSpinButton::SetFocusControl(TWinControl* Value) {
  FFocusControl = Value;
  if (Value) Value->FreeNotification(this);
}

void TEsgSpinButton::Notification(TComponent* AComponent, TOperation Operation) {
  TCustomControl::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FFocusControl) FFocusControl = nullptr;
}

namespace {

// A bitmap of the caller's, or the built-in arrow with one glyph.
void setArrowGlyph(TExtTimerSpeedButton* Button, const TBitmap* Value, const char* Resource) {
  if (Value) {
    Button->SetGlyph(Value);
    return;
  }
  TBitmap b;
  b.LoadFromResourceName(Resource);
  Button->SetGlyph(&b);
  Button->SetNumGlyphs(1);
  Button->Invalidate();
}

}  // namespace

void TEsgSpinButton::SetUpGlyph(const TBitmap* Value) { setArrowGlyph(FUpButton, Value, "EsgSpinUp"); }
void TEsgSpinButton::SetDownGlyph(const TBitmap* Value) { setArrowGlyph(FDownButton, Value, "EsgSpinDown"); }

void TEsgSpinButton::SetIsWinXP(bool Value) {
  FIsWinXP = Value;
  FUpButton->SetIsWinXP(Value);
  FDownButton->SetIsWinXP(Value);
}

void TEsgSpinButton::Paint() {
  Canvas()->Brush()->SetColor(clBtnFace);
  Canvas()->FillRect(ClientRect());
}

void TEsgSpinButton::pressed(TExtTimerSpeedButton* Button) {
  if (TabStop() && CanFocus() && Button != FFocusedButton) {
    FFocusedButton->SetTimeBtnState(FFocusedButton->TimeBtnState() - TTimeBtnState{tbFocusRect});
    FFocusedButton = Button;
    if (Focused()) {
      setFocusMark(true);
      Invalidate();
    }
  }
  if (FFocusControl && FFocusControl->TabStop() && FFocusControl->CanFocus() && !FFocusControl->Focused())
    FFocusControl->SetFocus();
  else if (TabStop() && CanFocus() && !Focused())
    SetFocus();
}

void TEsgSpinButton::clicked(TExtTimerSpeedButton* Button) {
  if (Button == FUpButton) {
    if (OnUpClick) OnUpClick(this);
  } else if (OnDownClick) {
    OnDownClick(this);
  }
}

void TEsgSpinButton::WMGetDlgCode(TWMGetDlgCode& Message) { Message.Result = DLGC_WANTARROWS; }

void TEsgSpinButton::KeyDown(uint16_t& Key, TShiftState Shift) {
  TCustomControl::KeyDown(Key, Shift);
  if (Key == VK_UP || Key == VK_DOWN) {
    setFocusMark(false);
    FFocusedButton = Key == VK_UP ? FUpButton : FDownButton;
    setFocusMark(true);
  }
  if (Key == VK_SPACE || Key == VK_UP || Key == VK_DOWN) FFocusedButton->Click();
}

void TEsgSpinButton::setFocusMark(bool On) {
  TTimeBtnState s = FFocusedButton->TimeBtnState();
  if (On) s.Include(tbFocusRect);
  else s.Exclude(tbFocusRect);
  FFocusedButton->SetTimeBtnState(s);
  FFocusedButton->Invalidate();
}

void TEsgSpinButton::WMSetFocus(TWMSetFocus& Message) {
  TCustomControl::WMSetFocus(Message);
  setFocusMark(true);
}

void TEsgSpinButton::WMKillFocus(TWMKillFocus& Message) {
  TCustomControl::WMKillFocus(Message);
  setFocusMark(false);
}

// ---- the spin edit ----

TEsgSpinEdit::TEsgSpinEdit(TComponent* AOwner) : TCustomMaskEdit(AOwner) {
  FButton = new TEsgSpinButton(this);
  FButton->SetBounds(0, 0, 15, 17);
  FButton->SetParent(this);
  FButton->SetFocusControl(this);
  FButton->OnUpClick = [this](TObject* Sender) { UpClick(Sender); };
  FButton->OnDownClick = [this](TObject* Sender) { DownClick(Sender); };
  SetText("0");
  TControlStyle s = ControlStyle();
  s.Exclude(csSetCaption);
  SetControlStyle(s);
}

TEsgSpinEdit::~TEsgSpinEdit() { FButton = nullptr; }

void TEsgSpinEdit::SetIsWinXP(bool Value) {
  FIsWinXP = Value;
  FButton->SetIsWinXP(Value);
}

// ---- values ----

int TEsgSpinEdit::Value() const {
  std::string t = Trim(Text());
  if (t.empty()) return 0;
  int v = 0;
  return TryStrToInt(t, v) ? v : FMinValue;
}

void TEsgSpinEdit::SetValue(int Value) {
  SetText(IntToStr(ClampSpinValue(Value, FMinValue, FMaxValue)));
  if (!FEditorEnabled) SelectAll();
}

double TEsgSpinEdit::FloatValue() const {
  double v = 0;
  // A text that is no number reads as the float bound, never as the integer one.
  return TryStrToFloat(Text(), v) ? v : FMinFloatValue;
}

void TEsgSpinEdit::SetFloatValue(double Value) {
  SetText(SpinFloatText(ClampSpinValue(Value, FMinFloatValue, FMaxFloatValue), FPrecision));
}

double TEsgSpinEdit::DateValue() const {
  std::string t = Text();
  if (t.empty() || t == "0") return Now();
  double d = 0;
  return TryStrToDate(t, d) ? d : FMinDateValue;
}

void TEsgSpinEdit::SetDateValue(double Value) {
  FDateValue = Value;
  if (ComponentState().Contains(csLoading)) return;
  FDateValue = ClampSpinValue(Value, FMinDateValue, FMaxDateValue);
  int caret = SelStart();
  SetText(DateToStr(FDateValue));
  SetSelStart(caret);
}

double TEsgSpinEdit::TimeValue() const {
  double t = 0;
  return TryStrToTime(Text(), t) ? t : 0;
}

std::string TEsgSpinEdit::timeText(double Value) const {
  return FShowSeconds ? TimeToStr(Value) : FormatDateTime("h:nn", Value);
}

void TEsgSpinEdit::SetTimeValue(double Value) {
  FTimeValue = Value;
  if (ComponentState().Contains(csLoading)) return;
  FTimeValue = ClampSpinValue(Value, FMinDateValue, FMaxDateValue);
  int caret = SelStart();
  SetText(timeText(FTimeValue));
  SetSelStart(caret);
}

void TEsgSpinEdit::SetSpinType(TEsgSpinType Value) {
  FSpinType = Value;
  switch (Value) {
    case sptNormal: SetValue(this->Value()); break;
    case sptFloat: SetFloatValue(FloatValue()); break;
    case sptDate: SetDateValue(DateValue()); break;
    case sptTime: SetTimeValue(TimeValue()); break;
  }
}

void TEsgSpinEdit::SetPrecision(int Value) {
  FPrecision = Value;
  if (FSpinType == sptFloat) SetFloatValue(FloatValue());
}

void TEsgSpinEdit::clampText() {
  switch (FSpinType) {
    case sptNormal: {
      int v = Value();
      if (ClampSpinValue(v, FMinValue, FMaxValue) != v) SetValue(v);
      break;
    }
    case sptFloat: {
      double v = FloatValue();
      if (ClampSpinValue(v, FMinFloatValue, FMaxFloatValue) != v) SetFloatValue(v);
      break;
    }
    case sptDate: {
      double v = DateValue();
      if (ClampSpinValue(v, FMinDateValue, FMaxDateValue) != v) SetDateValue(v);
      break;
    }
    case sptTime: {
      double v = TimeValue();
      if (ClampSpinValue(v, FMinDateValue, FMaxDateValue) != v) SetTimeValue(v);
      break;
    }
  }
}

void TEsgSpinEdit::Loaded() {
  TCustomMaskEdit::Loaded();
  if (FSpinType == sptDate) SetText(DateToStr(FDateValue));
  if (FSpinType == sptTime) SetText(timeText(FTimeValue));
  SetSpinType(FSpinType);
}

// ---- stepping ----

void TEsgSpinEdit::IncrementValue(bool Page) { step(1, Page); }
void TEsgSpinEdit::DecrementValue(bool Page) { step(-1, Page); }
void TEsgSpinEdit::UpClick(TObject*) { IncrementValue(false); }
void TEsgSpinEdit::DownClick(TObject*) { DecrementValue(false); }

void TEsgSpinEdit::step(int Sign, bool Page) {
  if (ReadOnly()) {
    MessageBeep(0);
    return;
  }
  switch (FSpinType) {
    case sptNormal: SetValue(Value() + Sign * FIncrement); break;
    case sptFloat: SetFloatValue(FloatValue() + Sign * (Page ? FIncrementFloatPage : FIncrementFloat)); break;
    case sptDate: stepDate(Sign); break;
    case sptTime: stepTime(Sign); break;
  }
}

void TEsgSpinEdit::stepDate(int Sign) {
  FUsDates = MonthBeforeDay(FormatSettings.ShortDateFormat);
  TDateField field = DateFieldAt(Text(), SelStart(), FormatSettings.DateSeparator, FUsDates);
  double d = 0;
  if (StepDate(DateValue(), field, Sign, d)) SetDateValue(d);
}

void TEsgSpinEdit::stepTime(int Sign) {
  TTimeField field = TimeFieldAt(Text(), SelStart(), FormatSettings.TimeSeparator, FShowSeconds);
  double t = 0;
  if (StepTime(TimeValue(), field, Sign, {FIncrementHours, FIncrementMinutes, FIncrementSeconds}, t))
    SetTimeValue(t);
}

// ---- keys and characters ----

bool TEsgSpinEdit::IsValidChar(char& Key) {
  TSpinCharContext x;
  x.Kind = FSpinType;
  std::string text = Text();
  x.Text = text;
  x.SelStart = SelStart();
  x.SelLength = SelLength();
  x.Precision = FPrecision;
  x.EditorEnabled = FEditorEnabled;
  return SpinCharAllowed(x, Key, FormatSettings);
}

bool TEsgSpinEdit::IsStepKey(uint16_t Key) const {
  return Key == VK_PRIOR || Key == VK_NEXT || Key == VK_UP || Key == VK_DOWN;
}

void TEsgSpinEdit::WMKeyDown(TWMKey& Message) {
  uint16_t key = static_cast<uint16_t>(Message.CharCode);
  FKeypadDecimal = key == VK_DECIMAL;
  if (!IsStepKey(key)) {
    TCustomMaskEdit::WMKeyDown(Message);
    return;
  }
  bool page = key == VK_PRIOR || key == VK_NEXT;
  if (key == VK_PRIOR || key == VK_UP) IncrementValue(page);
  else DecrementValue(page);
  Message.Result = 0;
}

void TEsgSpinEdit::WMChar(TWMKey& Message) {
  // The keypad's decimal key types the locale's separator, the main keyboard's "." stays.
  bool keypad = FKeypadDecimal || (Message.KeyData & (1 << 22)) != 0;
  if (FExcelStyleDecimalSeparator && Message.CharCode == '.' && keypad)
    Message.CharCode = static_cast<unsigned char>(FormatSettings.DecimalSeparator);
  TCustomMaskEdit::WMChar(Message);
}

void TEsgSpinEdit::KeyDown(uint16_t& Key, TShiftState Shift) {
  if (Key == VK_RETURN && FReturnIsTab) {
    Key = VK_TAB;
    if (HandleAllocated()) PostMessage(Handle(), WM_KEYDOWN, VK_TAB, 0);
  }
  if (Key == VK_DELETE && !FEditorEnabled) Key = 0;
  TCustomMaskEdit::KeyDown(Key, Shift);
}

void TEsgSpinEdit::KeyPress(char& Key) {
  if (!IsValidChar(Key)) {
    Key = 0;
    MessageBeep(0);
  }
  if (Key != 0) TCustomMaskEdit::KeyPress(Key);
}

void TEsgSpinEdit::Dispatch(TMessage& Message) {
  if ((Message.Msg == WM_PASTE || Message.Msg == WM_CUT) && (!FEditorEnabled || ReadOnly())) return;
  TCustomMaskEdit::Dispatch(Message);
}

void TEsgSpinEdit::DoEnter() {
  if (AutoSelect() && (!(GetKeyState(VK_LBUTTON) < 0) || !FEditorEnabled)) SelectAll();
  TCustomMaskEdit::DoEnter();
}

void TEsgSpinEdit::DoExit() {
  TCustomMaskEdit::DoExit();
  clampText();
}

// ---- look and layout ----

void TEsgSpinEdit::SetDirection(TSpinDirection Value) {
  if (Value == FDirection) return;
  FDirection = Value;
  FButton->SetDirection(Value);
  layout();
}

void TEsgSpinEdit::SetEditAlign(TEditAlign Value) {
  FEditAlign = Value;
  SetAlignment(Value == eaRight ? taRightJustify : Value == eaCenter ? taCenter : taLeftJustify);
  if (HandleAllocated()) RecreateWnd();
}

void TEsgSpinEdit::SetSpinFlat(bool Value) {
  FButton->UpButton()->SetFlat(Value);
  FButton->DownButton()->SetFlat(Value);
  FSpinFlat = Value;
}

void TEsgSpinEdit::SetSpinTransparent(bool Value) {
  FButton->UpButton()->SetTransparent(Value);
  FButton->DownButton()->SetTransparent(Value);
  FSpinTransparent = Value;
  layout();
}

void TEsgSpinEdit::CreateParams(TCreateParams& Params) {
  TCustomMaskEdit::CreateParams(Params);
  Params.Style |= WS_CLIPCHILDREN;
}

void TEsgSpinEdit::CreateWnd() {
  TCustomMaskEdit::CreateWnd();
  setFormatRect();
}

void TEsgSpinEdit::WMSize(TWMSize& Message) {
  TCustomMaskEdit::WMSize(Message);
  layout();
}

void TEsgSpinEdit::BoundsChanged() {
  TCustomMaskEdit::BoundsChanged();
  layout();
}

void TEsgSpinEdit::layout() {
  if (!FButton) return;
  int min = EditMinHeight(Font(), BorderStyle() == bsSingle);
  if (Height() < min) {
    SetBounds(Left(), Top(), Width(), min);
    return;
  }
  bool single = BorderStyle() == bsSingle;
  TRect b = InnerButtonRect(ClientRect(), FButton->Width(), single);
  FButton->SetBounds(b.Left, b.Top, b.Width(), b.Height());
  setFormatRect();
}

void TEsgSpinEdit::setFormatRect() {
  if (!HandleAllocated() || !FButton) return;
  TRect r = InnerTextRect(ClientRect(), FButton->Width() + 2, BorderStyle() == bsSingle);
  Perform(EM_SETRECTNP, 0, reinterpret_cast<LPARAM>(&r));
}
