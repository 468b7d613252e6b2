#pragma once
// Controls that show or choose a number in a range: TScrollBar, TTrackBar,
// TProgressBar and TUpDown.

#include <functional>

#include "toolkit/forms/Controls.h"
#include "toolkit/forms/std/InnerScrollBar.h"

enum TScrollBarKind { sbHorizontal, sbVertical };
enum TScrollCode { scLineUp, scLineDown, scPageUp, scPageDown, scPosition, scTrack, scTop, scBottom, scEndScroll };
using TScrollEvent = std::function<void(TObject* Sender, TScrollCode ScrollCode, int& ScrollPos)>;

class TScrollBar : public TCustomControl {
public:
  explicit TScrollBar(TComponent* AOwner);
  std::string ClassName() const override { return "TScrollBar"; }
  TScrollBarKind Kind() const { return kind_; }
  void SetKind(TScrollBarKind v);
  int Min() const { return min_; }
  int Max() const { return max_; }
  void SetMin(int v) { SetParams(position_, v, max_); }
  void SetMax(int v) { SetParams(position_, min_, v); }
  int Position() const { return position_; }
  void SetPosition(int v) { SetParams(v, min_, max_); }
  // Clamps the position into the range; fires OnChange when it moved.
  void SetParams(int APosition, int AMin, int AMax);
  int PageSize() const { return pageSize_; }
  void SetPageSize(int v);
  int SmallChange() const { return smallChange_; }
  void SetSmallChange(int v) { smallChange_ = v; }
  int LargeChange() const { return largeChange_; }
  void SetLargeChange(int v) { largeChange_ = v; }
  TScrollEvent OnScroll;
  TNotifyEvent OnChange;
  void Dispatch(TMessage& Message) override;

protected:
  void Paint() override;
  void BoundsChanged() override;
  void KeyDown(uint16_t& Key, TShiftState Shift) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void WMGetDlgCode(TWMGetDlgCode& Message) override;
  // A scroll step as the user made it: OnScroll may change the position.
  void Scroll(TScrollCode Code, int Pos);

private:
  void sync();
  TScrollBarKind kind_ = sbHorizontal;
  int min_ = 0, max_ = 100, position_ = 0, pageSize_ = 0;
  int smallChange_ = 1, largeChange_ = 1;
  TInnerScrollBar bar_;
};

enum TTrackBarOrientation { trHorizontal, trVertical };
enum TTickStyle { tsNone, tsAuto, tsManual };
enum TTickMark { tmBottomRight, tmTopLeft, tmBoth };

class TTrackBar : public TCustomControl {
public:
  explicit TTrackBar(TComponent* AOwner);
  std::string ClassName() const override { return "TTrackBar"; }
  int Min() const { return min_; }
  void SetMin(int v);
  int Max() const { return max_; }
  void SetMax(int v);
  int Position() const { return position_; }
  // Clamped into Min..Max; OnChange fires when it moved.
  void SetPosition(int v);
  int Frequency() const { return frequency_; }
  void SetFrequency(int v) { frequency_ = v; Invalidate(); }
  int PageSize() const { return pageSize_; }
  void SetPageSize(int v) { pageSize_ = v; }
  int LineSize() const { return lineSize_; }
  void SetLineSize(int v) { lineSize_ = v; }
  TTrackBarOrientation Orientation() const { return orientation_; }
  void SetOrientation(TTrackBarOrientation v);
  TTickStyle TickStyle() const { return tickStyle_; }
  void SetTickStyle(TTickStyle v) { tickStyle_ = v; Invalidate(); }
  TTickMark TickMarks() const { return tickMarks_; }
  void SetTickMarks(TTickMark v) { tickMarks_ = v; Invalidate(); }
  TNotifyEvent OnChange;
  // The thumb's rectangle and the value a client point stands for.
  TRect ThumbRect();
  int ValueAt(TPoint p);

protected:
  void Paint() override;
  void KeyDown(uint16_t& Key, TShiftState Shift) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void WMGetDlgCode(TWMGetDlgCode& Message) override;
  void WMSetFocus(TWMSetFocus& Message) override;
  void WMKillFocus(TWMKillFocus& Message) override;

private:
  TRect channel();
  int min_ = 0, max_ = 10, position_ = 0, frequency_ = 1, pageSize_ = 2, lineSize_ = 1;
  TTrackBarOrientation orientation_ = trHorizontal;
  TTickStyle tickStyle_ = tsAuto;
  TTickMark tickMarks_ = tmBottomRight;
  bool dragging_ = false;
  bool focused_ = false;
};

enum TProgressBarOrientation { pbHorizontal, pbVertical };
enum TProgressBarState { pbsNormal, pbsError, pbsPaused };

class TProgressBar : public TCustomControl {
public:
  explicit TProgressBar(TComponent* AOwner);
  std::string ClassName() const override { return "TProgressBar"; }
  int Min() const { return min_; }
  void SetMin(int v) { min_ = v; SetPosition(position_); }
  int Max() const { return max_; }
  void SetMax(int v) { max_ = v; SetPosition(position_); }
  int Position() const { return position_; }
  void SetPosition(int v);
  int Step() const { return step_; }
  void SetStep(int v) { step_ = v; }
  void StepIt() { SetPosition(position_ + step_ > max_ ? min_ : position_ + step_); }
  void StepBy(int Delta) { SetPosition(position_ + Delta); }
  TProgressBarOrientation Orientation() const { return orientation_; }
  void SetOrientation(TProgressBarOrientation v) { orientation_ = v; Invalidate(); }
  bool Smooth() const { return smooth_; }
  void SetSmooth(bool v) { smooth_ = v; Invalidate(); }
  TProgressBarState State() const { return state_; }
  void SetState(TProgressBarState v) { state_ = v; Invalidate(); }

protected:
  void Paint() override;

private:
  int min_ = 0, max_ = 100, position_ = 0, step_ = 10;
  TProgressBarOrientation orientation_ = pbHorizontal;
  bool smooth_ = false;
  TProgressBarState state_ = pbsNormal;
};

enum TUDOrientation { udHorizontal, udVertical };
enum TUDAlignButton { udLeft, udRight };
enum TUDBtnType { btNext, btPrev };
using TUDClickEvent = std::function<void(TObject* Sender, TUDBtnType Button)>;
using TUDChangingEvent = std::function<void(TObject* Sender, bool& AllowChange)>;

class TUpDown : public TCustomControl {
public:
  explicit TUpDown(TComponent* AOwner);
  ~TUpDown() override;
  std::string ClassName() const override { return "TUpDown"; }
  TWinControl* Associate() const { return associate_; }
  // The associated control shows the position as its text and gets the
  // up-down placed beside it.
  void SetAssociate(TWinControl* v);
  int Min() const { return min_; }
  void SetMin(int v) { min_ = v; SetPosition(position_); }
  int Max() const { return max_; }
  void SetMax(int v) { max_ = v; SetPosition(position_); }
  int Position() const { return position_; }
  void SetPosition(int v);
  int Increment() const { return increment_; }
  void SetIncrement(int v) { increment_ = v; }
  bool Wrap() const { return wrap_; }
  void SetWrap(bool v) { wrap_ = v; }
  bool Thousands() const { return thousands_; }
  void SetThousands(bool v) { thousands_ = v; updateAssociate(); }
  bool ArrowKeys() const { return arrowKeys_; }
  void SetArrowKeys(bool v) { arrowKeys_ = v; }
  TUDOrientation Orientation() const { return orientation_; }
  void SetOrientation(TUDOrientation v) { orientation_ = v; Invalidate(); }
  TUDAlignButton AlignButton() const { return alignButton_; }
  void SetAlignButton(TUDAlignButton v) { alignButton_ = v; placeBeside(); }
  // One step up (btNext) or down (btPrev), as a click on that button.
  void StepBy(TUDBtnType Button);
  TUDClickEvent OnClick;
  TUDChangingEvent OnChanging;
  void Notification(TComponent* AComponent, TOperation Operation) override;

protected:
  void Paint() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

private:
  void updateAssociate();
  void placeBeside();
  std::string formatted(int v) const;
  TWinControl* associate_ = nullptr;
  std::function<void(TObject*, uint16_t&, TShiftState)> savedKeyDown_;
  int min_ = 0, max_ = 100, position_ = 0, increment_ = 1;
  bool wrap_ = false;
  bool thousands_ = true;
  bool arrowKeys_ = true;
  TUDOrientation orientation_ = udVertical;
  TUDAlignButton alignButton_ = udRight;
  int pressed_ = -1;
};
