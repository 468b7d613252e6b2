#include "toolkit/forms/std/DateTimePicker.h"

#include <chrono>
#include <cmath>
#include <ctime>

#include "toolkit/forms/Forms.h"
#include "toolkit/forms/WinApi.h"
#include "toolkit/forms/std/ControlPaint.h"
#include "toolkit/graphics/Canvas.h"
#include "toolkit/rtl/SysUtils.h"

namespace {
constexpr int kButtonWidth = 17;
constexpr int kCheckSize = 13;
}  // namespace

TDateTimePicker::TDateTimePicker(TComponent* AOwner) : TCustomControl(AOwner) {
  SetControlStyle({csCaptureMouse, csClickEvents, csDoubleClicks, csFixedHeight});
  SetBounds(0, 0, 186, 21);
  SetTabStop(true);
  SetColor(clWindow);
  applyFormat();
  TDateTimeParts now;
  auto t = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
  std::tm tm{};
  localtime_r(&t, &tm);
  now.Year = tm.tm_year + 1900;
  now.Month = tm.tm_mon + 1;
  now.Day = tm.tm_mday;
  now.Hour = tm.tm_hour;
  now.Minute = tm.tm_min;
  now.Second = tm.tm_sec;
  fields_.SetDateTime(JoinDateTime(now));
}

TDateTimePicker::~TDateTimePicker() {
  delete popup_;  // its calendar calls back into the picker
}

void TDateTimePicker::applyFormat() {
  std::string f = format_;
  if (f.empty()) {
    f = kind_ == dtkTime ? FormatSettings.LongTimeFormat
        : dateFormat_ == dfLong ? FormatSettings.LongDateFormat : FormatSettings.ShortDateFormat;
    f = PickerFormatFromLocale(f);
  }
  double keep = fields_.DateTime();
  fields_.SetFormat(f);
  fields_.SetDateTime(keep);
  Invalidate();
}

void TDateTimePicker::SetKind(TDateTimeKind v) { kind_ = v; applyFormat(); }
void TDateTimePicker::SetFormat(const std::string& v) { format_ = v; applyFormat(); }
void TDateTimePicker::SetDateFormat(TDTDateFormat v) { dateFormat_ = v; applyFormat(); }

void TDateTimePicker::SetDateTime(double v) {
  fields_.SetDateTime(v);
  if (calendar_ != nullptr) calendar_->SetDate(v);
  Invalidate();
}

double TDateTimePicker::Date() const { return std::floor(fields_.DateTime()); }
double TDateTimePicker::Time() const { return fields_.DateTime() - std::floor(fields_.DateTime()); }
void TDateTimePicker::SetDate(double v) { SetDateTime(std::floor(v) + Time()); }
void TDateTimePicker::SetTime(double v) { SetDateTime(Date() + (v - std::floor(v))); }

void TDateTimePicker::Change() { if (OnChange) OnChange(this); }

// WM_NOTIFY to the parent, reflected back as CN_NOTIFY; without a parent
// window the control reacts itself.
void TDateTimePicker::notify(int code) {
  NMHDR h;
  h.hwndFrom = HandleAllocated() ? Handle() : nullptr;
  h.code = code;
  reflected_ = false;
  if (Parent() != nullptr && Parent()->HandleAllocated() && HandleAllocated())
    SendMessage(Parent()->Handle(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&h));
  if (reflected_) return;
  TMessage m{CN_NOTIFY, 0, reinterpret_cast<LPARAM>(&h), 0};
  Dispatch(m);
}

void TDateTimePicker::userChanged(double before) {
  Invalidate();
  if (fields_.DateTime() != before) notify(DTN_DATETIMECHANGE);
}

void TDateTimePicker::SetDroppedDown(bool v) {
  if (v == dropped_ || (v && (kind_ != dtkDate || dateMode_ != dmComboBox))) return;
  if (v) {
    if (popup_ == nullptr) {
      popup_ = new TForm(this);
      popup_->SetPopup(true, GetParentForm(this));
      popup_->SetBorderStyle(bsNone);
      calendar_ = new TMonthCalendar(popup_);
      calendar_->SetParent(popup_);
      calendar_->SetTabStop(false);
      calendar_->OnDayChosen = [this](double d) {
        double before = fields_.DateTime();
        SetDate(d);
        SetDroppedDown(false);
        userChanged(before);
      };
    }
    calendar_->SetMinDate(MinDate());
    calendar_->SetMaxDate(MaxDate());
    calendar_->SetDate(fields_.DateTime());
    TRect need = calendar_->MinReqRect();
    calendar_->SetBounds(0, 0, need.Width(), need.Height());
    TPoint at = ClientToScreen({Width() - need.Width(), Height()});
    if (at.X < 0) at.X = 0;
    popup_->SetBounds(at.X, at.Y, need.Width(), need.Height());
    dropped_ = true;
    notify(DTN_DROPDOWN);
    popup_->Show();
  } else {
    dropped_ = false;
    if (popup_ != nullptr) popup_->Hide();
    notify(DTN_CLOSEUP);
  }
  Invalidate();
}

TRect TDateTimePicker::ButtonRect() const {
  TRect r = ClientRect();
  InflateRect(r, -2, -2);
  return Rect(r.Right - kButtonWidth, r.Top, r.Right, r.Bottom);
}

TRect TDateTimePicker::CheckRect() const {
  if (!showCheckbox_) return {};
  return Bounds(4, (Height() - kCheckSize) / 2, kCheckSize, kCheckSize);
}

int TDateTimePicker::TextLeft() const { return showCheckbox_ ? 4 + kCheckSize + 4 : 4; }

void TDateTimePicker::Paint() {
  TCanvas* c = Canvas();
  TRect r = ClientRect();
  c->Font()->Assign(Font());
  c->Brush()->SetStyle(bsSolid);
  c->Brush()->SetColor(Color());
  c->FillRect(r);
  DrawFieldFrame(c, r, Enabled(), focused_);
  c->Brush()->SetColor(Enabled() ? Color() : clBtnFace);
  c->FillRect(r);
  TRect button = ButtonRect();
  if (kind_ == dtkDate && dateMode_ == dmComboBox) {
    DrawComboButton(c, button, dropped_, Enabled());
  } else {
    TRect up = Rect(button.Left, button.Top, button.Right, (button.Top + button.Bottom) / 2);
    TRect down = Rect(button.Left, up.Bottom, button.Right, button.Bottom);
    DrawScrollArrow(c, up, adUp, false, Enabled());
    DrawScrollArrow(c, down, adDown, false, Enabled());
  }
  if (showCheckbox_) DrawCheckGlyph(c, CheckRect(), checked_ ? cpsChecked : cpsUnchecked, false, false, Enabled());
  bool active = Enabled() && (!showCheckbox_ || checked_);
  int h = c->TextHeight("0");
  int y = (Height() - h) / 2;
  int x = TextLeft();
  for (int i = 0; i < static_cast<int>(fields_.Fields().size()); ++i) {
    std::string part = fields_.FieldText(i);
    int w = c->TextWidth(part);
    bool current = focused_ && i == fields_.CurrentField();
    if (current) {
      c->Brush()->SetStyle(bsSolid);
      c->Brush()->SetColor(clHighlight);
      c->FillRect(Rect(x, y, x + w, y + h));
    }
    c->Brush()->SetStyle(bsClear);
    c->Font()->SetColor(current ? clHighlightText : active ? Font()->Color() : clGrayText);
    c->TextOut(x, y, part);
    x += w;
  }
}

void TDateTimePicker::KeyDown(uint16_t& Key, TShiftState Shift) {
  TCustomControl::KeyDown(Key, Shift);
  if (Key == 0) return;
  bool alt = Shift.Contains(ssAlt);
  if ((Key == VK_F4 && !alt) || (Key == VK_DOWN && alt)) {
    SetDroppedDown(!dropped_);
    Key = 0;
    return;
  }
  if (dropped_) {
    if (Key == VK_ESCAPE) SetDroppedDown(false);
    else if (calendar_ != nullptr) calendar_->Perform(WM_KEYDOWN, Key, 0);
    Key = 0;
    return;
  }
  double before = fields_.DateTime();
  switch (Key) {
    case VK_LEFT: fields_.PrevField(); break;
    case VK_RIGHT: fields_.NextField(); break;
    case VK_UP: fields_.Step(1); break;
    case VK_DOWN: fields_.Step(-1); break;
    case VK_HOME: fields_.SetCurrentField(0); break;
    default: return;
  }
  Key = 0;
  userChanged(before);
}

void TDateTimePicker::KeyPress(char& Key) {
  TCustomControl::KeyPress(Key);
  if (static_cast<unsigned char>(Key) < 32) return;
  if (showCheckbox_ && Key == ' ') {
    checked_ = !checked_;
    Invalidate();
    notify(DTN_DATETIMECHANGE);
    return;
  }
  double before = fields_.DateTime();
  if (!fields_.TypeChar(Key)) {
    // A character the fields refuse may still be text the program can read.
    if (OnUserInput) {
      double value = fields_.DateTime();
      bool allow = false;
      OnUserInput(this, std::string(1, Key), value, allow);
      if (allow) fields_.SetDateTime(value);
    } else {
      MessageBeep(0);
    }
  }
  userChanged(before);
}

void TDateTimePicker::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TCustomControl::MouseDown(Button, Shift, X, Y);
  if (Button != mbLeft) return;
  if (!focused_ && CanFocus()) SetFocus();
  if (PtInRect(CheckRect(), {X, Y})) {
    checked_ = !checked_;
    Invalidate();
    notify(DTN_DATETIMECHANGE);
    return;
  }
  if (PtInRect(ButtonRect(), {X, Y})) {
    if (kind_ == dtkDate && dateMode_ == dmComboBox) {
      SetDroppedDown(!dropped_);
    } else {
      double before = fields_.DateTime();
      fields_.Step(Y < (ButtonRect().Top + ButtonRect().Bottom) / 2 ? 1 : -1);
      userChanged(before);
    }
    return;
  }
  // A click on the text chooses the field under it.
  Canvas()->Font()->Assign(Font());
  int x = TextLeft();
  for (int i = 0; i < static_cast<int>(fields_.Fields().size()); ++i) {
    int w = Canvas()->TextWidth(fields_.FieldText(i));
    if (X < x + w) { fields_.SetCurrentField(i); break; }
    x += w;
  }
  Invalidate();
}

void TDateTimePicker::WMGetDlgCode(TWMGetDlgCode& Message) {
  TCustomControl::WMGetDlgCode(Message);
  Message.Result |= DLGC_WANTARROWS | DLGC_WANTCHARS;
  if (dropped_) Message.Result |= DLGC_WANTALLKEYS;
}

void TDateTimePicker::WMSetFocus(TWMSetFocus& Message) {
  focused_ = true;
  TCustomControl::WMSetFocus(Message);
  Invalidate();
}

void TDateTimePicker::WMKillFocus(TWMKillFocus& Message) {
  focused_ = false;
  double before = fields_.DateTime();
  fields_.CommitTyping();
  TCustomControl::WMKillFocus(Message);
  SetDroppedDown(false);
  userChanged(before);
}

void TDateTimePicker::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case CN_NOTIFY: {
      reflected_ = true;
      auto* h = reinterpret_cast<NMHDR*>(Message.LParam);
      if (h == nullptr) return;
      if (h->code == DTN_DATETIMECHANGE) Change();
      else if (h->code == DTN_DROPDOWN && OnDropDown) OnDropDown(this);
      else if (h->code == DTN_CLOSEUP && OnCloseUp) OnCloseUp(this);
      return;
    }
    case DTM_GETMONTHCAL:
      Message.Result = dropped_ && calendar_ != nullptr ? static_cast<LRESULT>(FromHWND(calendar_->Handle())) : 0;
      return;
    case DTM_GETSYSTEMTIME: {
      auto* st = reinterpret_cast<TSystemTime*>(Message.LParam);
      if (showCheckbox_ && !checked_) { Message.Result = GDT_NONE; return; }
      if (st != nullptr) {
        TDateTimeParts p = SplitDateTime(fields_.DateTime());
        *st = TSystemTime{static_cast<uint16_t>(p.Year), static_cast<uint16_t>(p.Month), 0,
                          static_cast<uint16_t>(p.Day), static_cast<uint16_t>(p.Hour),
                          static_cast<uint16_t>(p.Minute), static_cast<uint16_t>(p.Second),
                          static_cast<uint16_t>(p.MilliSecond)};
      }
      Message.Result = GDT_VALID;
      return;
    }
    case DTM_SETSYSTEMTIME: {
      if (Message.WParam == GDT_NONE) { checked_ = false; Invalidate(); Message.Result = showCheckbox_; return; }
      auto* st = reinterpret_cast<const TSystemTime*>(Message.LParam);
      if (st == nullptr || st->wMonth < 1 || st->wMonth > 12 || st->wDay < 1 || st->wDay > 31 || st->wHour > 23 ||
          st->wMinute > 59 || st->wSecond > 59) {
        Message.Result = 0;
        return;
      }
      TDateTimeParts p;
      p.Year = st->wYear; p.Month = st->wMonth; p.Day = st->wDay;
      p.Hour = st->wHour; p.Minute = st->wMinute; p.Second = st->wSecond; p.MilliSecond = st->wMilliseconds % 1000;
      checked_ = true;
      SetDateTime(JoinDateTime(p));
      Message.Result = 1;
      return;
    }
    case DTM_SETFORMAT:
      SetFormat(Message.LParam != 0 ? reinterpret_cast<const char*>(Message.LParam) : "");
      Message.Result = 1;
      return;
    default: TCustomControl::Dispatch(Message);
  }
}
