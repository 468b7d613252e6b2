#pragma once
// TPageControl with its TTabSheet pages, and TScrollBox, a container that
// scrolls its children with two scroll bars.

#include <functional>
#include <vector>

#include "toolkit/forms/Controls.h"
#include "toolkit/forms/std/InnerScrollBar.h"

class TPageControl;

class TTabSheet : public TCustomControl {
public:
  explicit TTabSheet(TComponent* AOwner);
  ~TTabSheet() override;
  std::string ClassName() const override { return "TTabSheet"; }
  TPageControl* PageControl() const { return pageControl_; }
  void SetPageControl(TPageControl* v);
  int PageIndex() const;
  void SetPageIndex(int v);
  // The index among the visible tabs; -1 when the tab is hidden.
  int TabIndex() const;
  bool TabVisible() const { return tabVisible_; }
  void SetTabVisible(bool v);
  void Dispatch(TMessage& Message) override;

protected:
  void Paint() override;

private:
  friend class TPageControl;
  TPageControl* pageControl_ = nullptr;
  bool tabVisible_ = true;
};

using TTabChangingEvent = std::function<void(TObject* Sender, bool& AllowChange)>;

class TPageControl : public TCustomControl {
public:
  explicit TPageControl(TComponent* AOwner);
  ~TPageControl() override;
  std::string ClassName() const override { return "TPageControl"; }
  int PageCount() const { return static_cast<int>(pages_.size()); }
  TTabSheet* Pages(int Index) const { return pages_.at(Index); }
  TTabSheet* ActivePage() const { return active_; }
  void SetActivePage(TTabSheet* v);
  int ActivePageIndex() const;
  void SetActivePageIndex(int v);
  // The next visible page after (or before) Current, wrapping round.
  TTabSheet* FindNextPage(TTabSheet* Current, bool GoForward, bool CheckTabVisible) const;
  void SelectNextPage(bool GoForward);
  TRect TabRect(int PageIndex);
  // The page whose tab is under a client point (nullptr for none).
  TTabSheet* PageAt(TPoint p);
  TRect PageRect() const;
  TTabChangingEvent OnChanging;
  TNotifyEvent OnChange;
  void Dispatch(TMessage& Message) override;

protected:
  void Paint() override;
  void BoundsChanged() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void KeyDown(uint16_t& Key, TShiftState Shift) override;
  void WMGetDlgCode(TWMGetDlgCode& Message) override;
  void WMSetFocus(TWMSetFocus& Message) override;
  void WMKillFocus(TWMKillFocus& Message) override;
  void CMDialogKey(TCMDialogKey& Message) override;

private:
  friend class TTabSheet;
  void insertPage(TTabSheet* p);
  void removePage(TTabSheet* p);
  void layoutPages();
  // A change made by the user: OnChanging may refuse it.
  void userSelect(TTabSheet* p);
  int tabHeight();
  std::vector<TTabSheet*> pages_;
  TTabSheet* active_ = nullptr;
  bool focused_ = false;
};

// A scroll bar of a scrolling container.
class TControlScrollBar {
public:
  int Position() const { return position_; }
  int Range() const { return range_; }
  int Margin() const { return margin_; }
  bool Visible() const { return visible_; }
  int Increment() const { return increment_; }
  bool Tracking() const { return tracking_; }
  void SetPosition(int v);
  void SetRange(int v) { range_ = std::max(0, v); changed(); }
  void SetMargin(int v) { margin_ = v; changed(); }
  void SetVisible(bool v) { visible_ = v; changed(); }
  void SetIncrement(int v) { increment_ = v; }
  void SetTracking(bool v) { tracking_ = v; }
  // Whether the bar is shown now: visible and the range exceeds the view.
  bool IsScrollBarVisible() const;

private:
  friend class TScrollBox;
  void changed() { if (OnChanged) OnChanged(); }
  int position_ = 0, range_ = 0, margin_ = 0, increment_ = 8, view_ = 0;
  bool visible_ = true, tracking_ = false;
  std::function<void()> OnChanged;
  std::function<void(int)> PositionRequested;
};

class TScrollBox : public TCustomControl {
public:
  explicit TScrollBox(TComponent* AOwner);
  std::string ClassName() const override { return "TScrollBox"; }
  TControlScrollBar* HorzScrollBar() { return &horz_; }
  TControlScrollBar* VertScrollBar() { return &vert_; }
  bool AutoScroll() const { return autoScroll_; }
  void SetAutoScroll(bool v) { autoScroll_ = v; UpdateScrollBars(); }
  TBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TBorderStyle v) { borderStyle_ = v; Invalidate(); }
  void ScrollInView(TControl* AControl);
  // Moves the children; the range comes from them with AutoScroll.
  void UpdateScrollBars();
  TRect ViewRect() const;
  void Dispatch(TMessage& Message) override;

protected:
  void Paint() override;
  void BoundsChanged() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  bool DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) override;

private:
  void scrollTo(TControlScrollBar& bar, int pos);
  void handleScroll(TControlScrollBar& bar, int code, int pos);
  TControlScrollBar horz_, vert_;
  TInnerScrollBar hbar_, vbar_;
  bool autoScroll_ = true;
  bool updating_ = false;
  TBorderStyle borderStyle_ = bsSingle;
};
