#include <algorithm>
#include <chrono>

#include "toolkit/forms/WinApi.h"
#include "toolkit/forms/std/ControlPaint.h"
#include "toolkit/forms/std/DateTimePicker.h"
#include "toolkit/graphics/Canvas.h"
#include "toolkit/rtl/SysUtils.h"

namespace {

double DayOf(int y, int m, int d) {
  TDateTimeParts p;
  p.Year = y;
  p.Month = m;
  p.Day = d;
  p.Hour = 0;
  return JoinDateTime(p);
}

}  // namespace

TMonthCalendar::TMonthCalendar(TComponent* AOwner) : TCustomControl(AOwner) {
  SetControlStyle({csCaptureMouse, csDoubleClicks});
  SetTabStop(true);
  SetColor(clWindow);
  auto now = std::chrono::floor<std::chrono::days>(std::chrono::system_clock::now());
  std::chrono::year_month_day ymd{now};
  SetDate(DayOf(static_cast<int>(ymd.year()), static_cast<int>(static_cast<unsigned>(ymd.month())),
                static_cast<int>(static_cast<unsigned>(ymd.day()))));
  TRect r = MinReqRect();
  SetBounds(0, 0, r.Width(), r.Height());
}

void TMonthCalendar::SetDate(double v) {
  v = static_cast<double>(static_cast<long long>(v));
  if (min_ != 0 && v < min_) v = min_;
  if (max_ != 0 && v > max_) v = max_;
  date_ = v;
  TDateTimeParts p = SplitDateTime(v);
  year_ = p.Year;
  month_ = p.Month;
  Invalidate();
}

void TMonthCalendar::ShowMonth(int Year, int Month) {
  while (Month < 1) { Month += 12; --Year; }
  while (Month > 12) { Month -= 12; ++Year; }
  year_ = std::clamp(Year, 1, 9999);
  month_ = Month;
  Invalidate();
}

int TMonthCalendar::cellWidth() {
  Canvas()->Font()->Assign(Font());
  return Canvas()->TextWidth("Wed") + 8;
}

int TMonthCalendar::cellHeight() {
  Canvas()->Font()->Assign(Font());
  return Canvas()->TextHeight("0") + 4;
}

TRect TMonthCalendar::MinReqRect() { return Rect(0, 0, 7 * cellWidth() + 8, 8 * cellHeight() + 10); }

// The column of the 1st of the shown month, Sunday first.
int TMonthCalendar::firstColumn() const {
  using namespace std::chrono;
  return static_cast<int>(weekday{sys_days{year{year_} / month{static_cast<unsigned>(month_)} / 1}}.c_encoding());
}

TRect TMonthCalendar::DayRect(int Day) {
  int cell = Day - 1 + firstColumn();
  int cw = cellWidth(), ch = cellHeight();
  int x = 4 + (cell % 7) * cw, y = 6 + 2 * ch + (cell / 7) * ch;
  return Rect(x, y, x + cw, y + ch);
}

TRect TMonthCalendar::PrevButtonRect() { return Rect(4, 3, 4 + cellHeight(), 3 + cellHeight()); }

TRect TMonthCalendar::NextButtonRect() {
  int right = 4 + 7 * cellWidth();
  return Rect(right - cellHeight(), 3, right, 3 + cellHeight());
}

void TMonthCalendar::Paint() {
  TCanvas* c = Canvas();
  TRect r = ClientRect();
  c->Font()->Assign(Font());
  c->Brush()->SetStyle(bsSolid);
  c->Brush()->SetColor(Color());
  c->FillRect(r);
  c->Pen()->SetColor(clBtnShadow);
  c->Brush()->SetStyle(bsClear);
  c->Rectangle(r);
  int cw = cellWidth(), ch = cellHeight();
  // Header: month and year between the two arrows.
  c->Brush()->SetStyle(bsSolid);
  c->Brush()->SetColor(clBtnFace);
  c->FillRect(Rect(1, 1, r.Right - 1, 4 + ch + 2));
  DrawArrowGlyph(c, PrevButtonRect(), adLeft, clBtnText);
  DrawArrowGlyph(c, NextButtonRect(), adRight, clBtnText);
  TRect title = Rect(4, 3, 4 + 7 * cw, 3 + ch);
  c->Brush()->SetStyle(bsClear);
  c->Font()->SetColor(clBtnText);
  c->DrawText(FormatSettings.LongMonthNames[month_ - 1] + " " + std::to_string(year_), title,
              DT_SINGLELINE | DT_CENTER | DT_VCENTER | DT_NOPREFIX);
  for (int d = 0; d < 7; ++d) {
    TRect cell = Rect(4 + d * cw, 6 + ch, 4 + (d + 1) * cw, 6 + 2 * ch);
    c->Font()->SetColor(clHotLight);
    c->DrawText(FormatSettings.ShortDayNames[d], cell, DT_SINGLELINE | DT_CENTER | DT_VCENTER | DT_NOPREFIX);
  }
  c->Pen()->SetColor(clBtnShadow);
  c->MoveTo(4, 6 + 2 * ch - 1);
  c->LineTo(4 + 7 * cw, 6 + 2 * ch - 1);
  TDateTimeParts sel = SplitDateTime(date_);
  for (int day = 1; day <= DaysInMonthOf(year_, month_); ++day) {
    TRect cell = DayRect(day);
    bool chosen = sel.Year == year_ && sel.Month == month_ && sel.Day == day;
    double value = DayOf(year_, month_, day);
    bool outside = (min_ != 0 && value < min_) || (max_ != 0 && value > max_);
    if (chosen) {
      c->Brush()->SetStyle(bsSolid);
      c->Brush()->SetColor(clHighlight);
      c->FillRect(cell);
    }
    c->Brush()->SetStyle(bsClear);
    c->Font()->SetColor(chosen ? clHighlightText : outside || !Enabled() ? clGrayText : Font()->Color());
    c->DrawText(std::to_string(day), cell, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
  }
}

void TMonthCalendar::userDate(double v) {
  SetDate(v);
  Click();
}

void TMonthCalendar::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TCustomControl::MouseDown(Button, Shift, X, Y);
  if (Button != mbLeft) return;
  if (PtInRect(PrevButtonRect(), {X, Y})) { PrevMonth(); return; }
  if (PtInRect(NextButtonRect(), {X, Y})) { NextMonth(); return; }
  for (int day = 1; day <= DaysInMonthOf(year_, month_); ++day) {
    if (!PtInRect(DayRect(day), {X, Y})) continue;
    double v = DayOf(year_, month_, day);
    if ((min_ != 0 && v < min_) || (max_ != 0 && v > max_)) return;
    userDate(v);
    dayPressed_ = true;
    return;
  }
}

// The choice is final when the button comes up on the day (a drop-down closes then).
void TMonthCalendar::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TCustomControl::MouseUp(Button, Shift, X, Y);
  bool pressed = dayPressed_;
  dayPressed_ = false;
  if (Button == mbLeft && pressed && OnDayChosen) OnDayChosen(date_);
}

void TMonthCalendar::KeyDown(uint16_t& Key, TShiftState Shift) {
  TCustomControl::KeyDown(Key, Shift);
  TDateTimeParts p = SplitDateTime(date_);
  double next = date_;
  switch (Key) {
    case VK_LEFT: next = date_ - 1; break;
    case VK_RIGHT: next = date_ + 1; break;
    case VK_UP: next = date_ - 7; break;
    case VK_DOWN: next = date_ + 7; break;
    case VK_PRIOR: case VK_NEXT: {
      int m = p.Month + (Key == VK_NEXT ? 1 : -1), y = p.Year;
      if (m < 1) { m = 12; --y; }
      if (m > 12) { m = 1; ++y; }
      next = DayOf(y, m, std::min(p.Day, DaysInMonthOf(y, m)));
      break;
    }
    case VK_RETURN:
      if (OnDayChosen) OnDayChosen(date_);
      Key = 0;
      return;
    default: return;
  }
  SetDate(next);
  Click();
  Key = 0;
}

void TMonthCalendar::WMGetDlgCode(TWMGetDlgCode& Message) {
  TCustomControl::WMGetDlgCode(Message);
  Message.Result |= DLGC_WANTARROWS;
}

void TMonthCalendar::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case MCM_GETMINREQRECT:
      if (Message.LParam != 0) *reinterpret_cast<TRect*>(Message.LParam) = MinReqRect();
      Message.Result = 1;
      return;
    case MCM_GETCURSEL:
    case MCM_SETCURSEL: {
      auto* st = reinterpret_cast<TSystemTime*>(Message.LParam);
      if (st == nullptr) { Message.Result = 0; return; }
      if (Message.Msg == MCM_GETCURSEL) {
        TDateTimeParts p = SplitDateTime(date_);
        *st = TSystemTime{static_cast<uint16_t>(p.Year), static_cast<uint16_t>(p.Month), 0,
                          static_cast<uint16_t>(p.Day), 0, 0, 0, 0};
      } else {
        SetDate(DayOf(st->wYear, std::clamp<int>(st->wMonth, 1, 12), std::max<int>(1, st->wDay)));
      }
      Message.Result = 1;
      return;
    }
    case CM_FONTCHANGED:
    case CM_PARENTFONTCHANGED: {
      // The calendar never gets smaller than a whole month in its font.
      TCustomControl::Dispatch(Message);
      TRect need = MinReqRect();
      if (Width() < need.Width() || Height() < need.Height())
        SetBounds(Left(), Top(), std::max(Width(), need.Width()), std::max(Height(), need.Height()));
      Invalidate();
      return;
    }
    default: TCustomControl::Dispatch(Message);
  }
}
