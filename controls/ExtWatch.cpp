// The analog watch's time, clicks, keys, eased hand movement and AM/PM roll.

#include "controls/ExtWatch.h"

#include <cmath>
#include <cstdlib>
#include <numbers>

#include "platform/kernel/Clock.h"
#include "toolkit/forms/Messages.h"
#include "toolkit/forms/WinApi.h"
#include "toolkit/forms/Timer.h"
#include "toolkit/graphics/Bitmap.h"
#include "toolkit/graphics/Canvas.h"
#include "toolkit/rtl/DateUtils.h"
#include "toolkit/rtl/Exceptions.h"
#include "toolkit/rtl/Math.h"
#include "toolkit/rtl/SysUtils.h"

namespace {

struct THMS {
  uint16_t h = 0, m = 0, s = 0, ms = 0;
};

THMS decode(TDateTime T) {
  THMS t;
  DecodeTime(T, t.h, t.m, t.s, t.ms);
  return t;
}

// Sets a flag for the lifetime of the guard.
class TFlagGuard {
public:
  explicit TFlagGuard(bool& Flag) : flag_(Flag), old_(Flag) { flag_ = true; }
  ~TFlagGuard() { flag_ = old_; }
  TFlagGuard(const TFlagGuard&) = delete;
  TFlagGuard& operator=(const TFlagGuard&) = delete;

private:
  bool& flag_;
  bool old_;
};

}  // namespace

TExtWatch::TExtWatch(TComponent* AOwner)
    : TCustomControl(AOwner),
      FAppearance(std::make_unique<TWatchAppearance>()),
      FSettings(std::make_unique<TWatchSettings>()),
      FBKGCache(std::make_unique<TBitmap>()) {
  FAppearance->OnChange = [this](TObject*) { invalidateFace(); };
  FSettings->OnChange = [this](TObject*) { settingsChanged(); };
  FWatchTimer = new TTimer(this);
  FWatchTimer->SetEnabled(FSettings->Auto());
  FWatchTimer->SetInterval(100);
  FWatchTimer->SetOnTimer([this](TObject*) { repaintHands(); });
  // One millisecond runs at the toolkit's shortest interval.
  FAnimationTimer = new TTimer(this);
  FAnimationTimer->SetEnabled(false);
  FAnimationTimer->SetInterval(1);
  FAnimationTimer->SetOnTimer([this](TObject*) { animationStep(); });
  SetBounds(Left(), Top(), 180, 180);
}

TExtWatch::~TExtWatch() {
  FAppearance->OnChange = nullptr;
  FSettings->OnChange = nullptr;
}

// ---- properties

void TExtWatch::SetTime(TDateTime Value) {
  if (Value == FTime) return;
  setTimeValue(Value);
  repaintHands();
}

void TExtWatch::setTimeValue(TDateTime Value) {
  if (Value == FTime) return;
  FTime = Value;
  TFlagGuard internal(FInternalSet);
  setAM(decode(Value).h < 12);
}

void TExtWatch::SetShowAMPM(bool Value) {
  if (Value == FShowAMPM) return;
  FShowAMPM = Value;
  invalidateFace();
}

void TExtWatch::SetShowNumbers(bool Value) {
  if (Value == FShowNumbers) return;
  FShowNumbers = Value;
  invalidateFace();
}

void TExtWatch::SetStyle(TWatchStyle Value) {
  if (Value == FStyle) return;
  FStyle = Value;
  const TWatchStyleSwitches sw = ApplyWatchStyle(*FAppearance, Value, std::min(Width(), Height()));
  if (sw.ShowAMPM >= 0) SetShowAMPM(sw.ShowAMPM == 1);
  if (sw.ShowNumbers >= 0) SetShowNumbers(sw.ShowNumbers == 1);
  if (sw.ClassicAnimation) {
    FAnimation = true;
    FAnimationFactor = 10;
  }
  invalidateFace();
}

TDateTime TExtWatch::CurrentTime() const {
  if (FSettings->Auto()) return Now() + FSettings->TimeOffset() / 1440.0;
  return FTime;
}

void TExtWatch::invalidateFace() {
  FCacheValid = false;
  Invalidate();
}

void TExtWatch::repaintHands() { Invalidate(); }

void TExtWatch::BoundsChanged() {
  TCustomControl::BoundsChanged();
  FCacheValid = false;
}

void TExtWatch::fireChange() {
  if (OnChange) OnChange(this);
}

bool TExtWatch::idleState() const {
  return ComponentState().Contains(csLoading) || ComponentState().Contains(csDesigning);
}

// ---- hour and minute

void TExtWatch::SetHour(uint8_t Value) {
  const THMS t = decode(CurrentTime());
  if (Value == t.h) return;
  if (FAnimation && !FInternalCall && !idleState()) {
    FCurrentHourTo = Value;
    FHourAnimating = true;
    FAnimationTimer->SetEnabled(true);
    return;
  }
  setTimeValue(EncodeTime(Value, t.m, t.s, t.ms));
  repaintHands();
  // A moving hand reports once, when it arrives; a direct change at once.
  if (!FAnimationStep || Value == FCurrentHourTo) fireChange();
}

void TExtWatch::setHourAtOnce(uint8_t Value) {
  TFlagGuard internal(FInternalCall);
  SetHour(Value);
}

void TExtWatch::SetMinute(uint8_t Value) {
  THMS t = decode(CurrentTime());
  if (Value >= 60) throw Exception("Invalid time");
  if (Value == t.m) return;
  if (FAnimation && !FInternalCall && !idleState()) {
    FCurrentMinuteTo = Value;
    FHourAnimating = false;
    FMinuteFrom = uint8_t(t.m);
    FAnimationTimer->SetEnabled(true);
    return;
  }
  if (!FAnimation) FMinuteFrom = uint8_t(t.m);
  // Passing 12 clockwise carries into the next hour.
  if (Value == 0 && FMinuteFrom > 30) {
    t.h = t.h == 23 ? 0 : t.h + 1;
    FMinuteFrom = 0;
  }
  setTimeValue(EncodeTime(t.h, Value, t.s, t.ms));
  repaintHands();
  if (!FAnimationStep || Value == FCurrentMinuteTo) fireChange();
}

void TExtWatch::animationStep() {
  if (!FAnimation || idleState()) return;
  const THMS t = decode(CurrentTime());
  TFlagGuard internal(FInternalCall), stepping(FAnimationStep);
  if (FHourAnimating) {
    const int step = std::max<int>(1, int(Round(std::abs(FCurrentHourTo - t.h) / double(FAnimationFactor))));
    if (t.h != FCurrentHourTo) {
      SetHour(uint8_t(t.h < FCurrentHourTo ? std::min<int>(t.h + step, FCurrentHourTo)
                                           : std::max<int>(t.h - step, FCurrentHourTo)));
    } else {
      SetHour(FCurrentHourTo);
      FAnimationTimer->SetEnabled(false);
    }
    return;
  }
  const bool carry = FCurrentMinuteTo == 0 && t.m > 30;
  const int distance = carry ? 60 - t.m : std::abs(FCurrentMinuteTo - t.m);
  const int step = std::max<int>(1, int(Round(distance / double(FAnimationFactor))));
  if (t.m == FCurrentMinuteTo) {
    SetMinute(FCurrentMinuteTo);
    FAnimationTimer->SetEnabled(false);
    return;
  }
  int m = t.m;
  if (t.m >= FCurrentMinuteTo && !carry) m = std::max<int>(m - step, FCurrentMinuteTo);
  else m = carry ? m + step : std::min<int>(m + step, FCurrentMinuteTo);
  if (m >= 60) m = 0;
  SetMinute(uint8_t(m));
}

// ---- AM flag and its roll

void TExtWatch::setAM(bool Value) {
  if (Value == FAM) return;
  FAM = Value;
  FCacheValid = false;
  // Painting never paints again from inside itself.
  if (!FPainting && FAnimation && FShowAMPM && FAppearance->AMPMColor() != clNone && !FInternalSet &&
      HandleAllocated())
    rollAMPM();
  Invalidate();
}

void TExtWatch::rollAMPM() {
  const TWatchAppearance& a = *FAppearance;
  TRect inner = AMPMRect();
  InflateRect(inner, -1, -1);
  const int w = inner.Width(), bh = inner.Height();
  if (w <= 0 || bh <= 0) return;
  FRollStrip = std::make_unique<TBitmap>();
  FRollStrip->SetSize(w, 2 * bh);
  TCanvasWatchCanvas strip(FRollStrip->Canvas());
  strip.SetBrush(a.AMPMColor());
  strip.SetPen(a.AMPMColor(), 1);
  strip.Rectangle(Rect(0, 0, w, 2 * bh));
  strip.SetBrush(clNone);
  strip.SetFont(a.AMPMFont());
  strip.CentredText(Rect(0, 0, w, bh), "AM");
  strip.CentredText(Rect(0, bh, w, 2 * bh), "PM");
  FRollOffset = FAM ? bh : 0;
  for (int frame = 0; frame < bh; ++frame) {
    Repaint();
    FRollOffset += FAM ? -1 : 1;
    ::Sleep(10);
  }
  FRollStrip.reset();
}

// ---- mouse

int TExtWatch::MinuteAtPos(int X, int Y) const {
  const TPoint c = Geometry().Centre;
  const int dx = std::max(1, std::abs(c.X - X)), dy = std::max(1, std::abs(c.Y - Y));
  const int q = int(Round(std::atan(double(dy) / dx) * 180 / std::numbers::pi / 6));
  int minute = 0;
  if (X >= c.X && Y >= c.Y) minute = q + 15;
  else if (X <= c.X && Y >= c.Y) minute = 45 - q;
  else if (X <= c.X && Y <= c.Y) minute = q + 45;
  else minute = 15 - q;
  return minute < 0 || minute > 59 ? 0 : minute;
}

int TExtWatch::HourAtPos(int X, int Y) const {
  const int k = int(Round(MinuteAtPos(X, Y) / 5.0));
  if (k == 0 || k == 12) return FAM ? 0 : 12;
  return FAM ? k : k + 12;
}

void TExtWatch::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TCustomControl::MouseUp(Button, Shift, X, Y);
  if (FSettings->Auto()) return;
  const TWatchGeometry g = Geometry();
  const double rx = g.Face.Width() / 2.0, ry = g.Face.Height() / 2.0;
  const double ex = (X - (g.Face.Left + rx)) / rx, ey = (Y - (g.Face.Top + ry)) / ry;
  if (ex * ex + ey * ey > 1) {
    SetMinute(uint8_t(MinuteAtPos(X, Y)));
    return;
  }
  if (AMPMRect().Contains({X, Y})) {
    if (FAnimation) setAM(!FAM);
    const int h = decode(CurrentTime()).h;
    FCurrentHourTo = uint8_t(h < 12 ? h + 12 : h - 12);
    setHourAtOnce(FCurrentHourTo);
    return;
  }
  SetHour(uint8_t(HourAtPos(X, Y)));
}

// ---- keys

void TExtWatch::WatchKeyDown(uint16_t Key) {
  if (FSettings->Auto()) return;
  const THMS t = decode(CurrentTime());
  switch (Key) {
    case 'A':
      if (t.h >= 12) SetHour(uint8_t(t.h - 12));
      break;
    case 'P':
      if (t.h < 12) SetHour(uint8_t(t.h + 12));
      break;
    case VK_PRIOR:
      if (t.h <= 22) SetHour(uint8_t(t.h + 1));
      else setHourAtOnce(0);
      break;
    case VK_NEXT:
      if (t.h > 0) SetHour(uint8_t(t.h - 1));
      else setHourAtOnce(23);
      break;
    case VK_HOME: setHourAtOnce(12); break;
    case VK_END: SetMinute(0); break;
    case VK_LEFT:
      if (t.m > 0) SetMinute(uint8_t(t.m - 1));
      else {
        SetTime(EncodeTime(t.h == 0 ? 23 : t.h - 1, 59, t.s, t.ms));
        fireChange();
      }
      break;
    case VK_RIGHT: SetMinute(uint8_t(t.m < 59 ? t.m + 1 : 0)); break;
    default: break;
  }
}

// ---- settings, messages

void TExtWatch::settingsChanged() {
  FWatchTimer->SetEnabled(FSettings->Auto());
  if (FSettings->Auto()) {
    SetTime(Now());
    TFlagGuard internal(FInternalSet);
    setAM(decode(Now()).h < 12);
  }
  invalidateFace();
}

void TExtWatch::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case WM_GETDLGCODE: Message.Result = TabStop() ? DLGC_WANTARROWS | DLGC_WANTALLKEYS : 0; return;
    default: TCustomControl::Dispatch(Message);
  }
}

void TExtWatch::WMSetCursor(TWMSetCursor& Message) {
  if (!ComponentState().Contains(csDesigning)) {
    TPoint p;
    GetCursorPos(p);
    SetCursor(AMPMRect().Contains(ScreenToClient(p)) ? crHandPoint : crDefault);
  }
  TCustomControl::WMSetCursor(Message);
}
