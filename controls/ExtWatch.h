#pragma once
// An analog clock face whose hours and minutes are set by clicking the dial
// and with keys, with eased hand movement and a rolling AM/PM box; it can
// also run by itself from the system clock. The time picker drop-down shows
// one in its popup.
//
// Face, marks, numbers and the AM/PM box are drawn into a cached bitmap on a
// full paint; time changes and the running clock repaint only the hands over
// that cache. Marks, numbers, box, hands and centre point go through
// TWatchCanvas, so their geometry can be recorded.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "controls/ExtWatchAppearance.h"
#include "toolkit/forms/Controls.h"
#include "toolkit/rtl/DateUtils.h"

class TBitmap;
class TTimer;

// The drawing operations the watch uses for everything but the background.
class TWatchCanvas {
public:
  virtual ~TWatchCanvas() = default;
  virtual void SetPen(TColor Color, int Width) = 0;
  // clNone: a clear brush.
  virtual void SetBrush(TColor Color) = 0;
  virtual void SetFont(const TFont* Font) = 0;
  virtual void Line(TPoint From, TPoint To) = 0;
  virtual void Polygon(const std::vector<TPoint>& Points) = 0;
  virtual void Ellipse(const TRect& R) = 0;
  virtual void Rectangle(const TRect& R) = 0;
  virtual void RoundRect(const TRect& R, int Corner) = 0;
  // Text with its top-left corner at (X, Y).
  virtual void Text(int X, int Y, const std::string& S) = 0;
  // One line of text centred both ways in R.
  virtual void CentredText(const TRect& R, const std::string& S) = 0;
  virtual TSize TextExtent(const std::string& S) = 0;
};

// A TWatchCanvas on a toolkit canvas.
class TCanvasWatchCanvas : public TWatchCanvas {
public:
  explicit TCanvasWatchCanvas(TCanvas* Canvas) : FCanvas(Canvas) {}
  void SetPen(TColor Color, int Width) override;
  void SetBrush(TColor Color) override;
  void SetFont(const TFont* Font) override;
  void Line(TPoint From, TPoint To) override;
  void Polygon(const std::vector<TPoint>& Points) override;
  void Ellipse(const TRect& R) override;
  void Rectangle(const TRect& R) override;
  void RoundRect(const TRect& R, int Corner) override;
  void Text(int X, int Y, const std::string& S) override;
  void CentredText(const TRect& R, const std::string& S) override;
  TSize TextExtent(const std::string& S) override;

private:
  TCanvas* FCanvas;
};

// Where the face lies in the client area.
struct TWatchGeometry {
  TRect Face;
  TPoint Centre;
  double R = 0, Rout = 0;  // face radius; radius the marks end at
};

class TExtWatch : public TCustomControl {
public:
  explicit TExtWatch(TComponent* AOwner);
  ~TExtWatch() override;
  std::string ClassName() const override { return "TExtWatch"; }

  bool Animation() const { return FAnimation; }
  void SetAnimation(bool Value) { FAnimation = Value; }
  // The caller keeps it at 1 or more.
  int AnimationFactor() const { return FAnimationFactor; }
  void SetAnimationFactor(int Value) { FAnimationFactor = Value; }
  TWatchAppearance* Appearance() const { return FAppearance.get(); }
  void SetAppearance(const TWatchAppearance* Value) { FAppearance->Assign(Value); }
  TWatchSettings* Settings() const { return FSettings.get(); }
  void SetSettings(const TWatchSettings* Value) { FSettings->Assign(Value); }
  TDateTime Time() const { return FTime; }
  void SetTime(TDateTime Value);
  bool ShowAMPM() const { return FShowAMPM; }
  void SetShowAMPM(bool Value);
  bool ShowNumbers() const { return FShowNumbers; }
  void SetShowNumbers(bool Value);
  TWatchStyle Style() const { return FStyle; }
  void SetStyle(TWatchStyle Value);
  // The shown time is before noon.
  bool AM() const { return FAM; }
  TNotifyEvent OnChange;

  // 0 to 23; moves the hour hand (eased with Animation).
  void SetHour(uint8_t Value);
  // Raises "Invalid time" for 60 or more.
  void SetMinute(uint8_t Value);
  void SetComponentStyle(TQGSStyle AStyle) { ApplyWatchComponentStyle(*FAppearance, AStyle); }
  // The keys the time picker relays: A, P, Page Up/Down, Home, End, Left, Right.
  void WatchKeyDown(uint16_t Key);
  // The system clock plus the offset in Auto mode, else Time.
  TDateTime CurrentTime() const;

  // ---- geometry and drawing (public for the drop-down and for tests)
  TWatchGeometry Geometry() const;
  // (-1, -1, -1, -1) without the AM/PM box.
  TRect AMPMRect(TWatchCanvas& Canvas) const;
  TRect AMPMRect();
  void DrawMarks(TWatchCanvas& Canvas) const;
  void DrawNumbers(TWatchCanvas& Canvas) const;
  void DrawAMPM(TWatchCanvas& Canvas) const;
  // Hands and centre point for the current time.
  void DrawHands(TWatchCanvas& Canvas);
  int MinuteAtPos(int X, int Y) const;
  int HourAtPos(int X, int Y) const;

protected:
  void Paint() override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void BoundsChanged() override;
  void Dispatch(TMessage& Message) override;
  void WMSetCursor(TWMSetCursor& Message) override;

private:
  void setTimeValue(TDateTime Value);
  void setAM(bool Value);
  void repaintHands();
  void invalidateFace();
  void animationStep();
  void settingsChanged();
  void rollAMPM();
  void drawBackground(TCanvas* Canvas) const;
  void drawCentrePoint(TWatchCanvas& Canvas) const;
  void drawRollFrame(TCanvas* Canvas);
  bool idleState() const;
  void fireChange();
  void setHourAtOnce(uint8_t Value);

  std::unique_ptr<TWatchAppearance> FAppearance;
  std::unique_ptr<TWatchSettings> FSettings;
  std::unique_ptr<TBitmap> FBKGCache;
  TTimer* FWatchTimer = nullptr;
  TTimer* FAnimationTimer = nullptr;
  TDateTime FTime = 0;
  bool FAnimation = true;
  int FAnimationFactor = 10;
  bool FShowAMPM = true, FShowNumbers = true;
  bool FHourAnimating = false;
  uint8_t FCurrentHourTo = 0, FCurrentMinuteTo = 0, FMinuteFrom = 0;
  bool FInternalCall = false;
  bool FAM = true;
  bool FInternalSet = false;
  // Set while an animation step moves a hand: only its arrival fires OnChange.
  bool FAnimationStep = false;
  TWatchStyle FStyle = TWatchStyle::wsClassic;
  bool FCacheValid = false;
  bool FPainting = false;
  // While the AM/PM box rolls: the strip and the offset into it.
  std::unique_ptr<TBitmap> FRollStrip;
  int FRollOffset = 0;
};
