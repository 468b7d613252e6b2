#pragma once
// A scroll bar drawn and driven inside a control: the list box, the memo,
// the scroll box and TScrollBar itself share it. It keeps the Windows rules:
// with a page size the position runs from Min to Max - Page + 1.

#include <functional>

#include "toolkit/rtl/Types.h"

class TCanvas;

class TInnerScrollBar {
public:
  enum TPart { spNone, spLineUp, spPageUp, spThumb, spPageDown, spLineDown };
  static constexpr int DefaultThickness = 17;

  bool Vertical = true;
  TRect Bounds;          // client coordinates of the owner
  bool Visible = true;
  bool Enabled = true;

  int Min() const { return min_; }
  int Max() const { return max_; }
  int Page() const { return page_; }
  int Position() const { return pos_; }
  // The highest position the thumb can reach.
  int MaxPosition() const;
  void SetRange(int min, int max);
  void SetPage(int page);
  // Clamped to Min..MaxPosition; returns the position taken.
  int SetPosition(int pos);

  TPart HitTest(TPoint p) const;
  TRect PartRect(TPart part) const;
  void Paint(TCanvas* Canvas) const;

  // Mouse handling; Scroll receives SB_ codes and the position they lead to.
  // Returns true when the bar took the press.
  bool MouseDown(TPoint p);
  void MouseMove(TPoint p);
  void MouseUp(TPoint p);
  bool Tracking() const { return dragging_ || pressed_ != spNone; }
  std::function<void(int Code, int Pos)> Scroll;

private:
  int arrowSize() const;
  int trackStart() const;
  int trackLength() const;
  int thumbLength() const;
  int thumbStart() const;
  int min_ = 0, max_ = 100, page_ = 0, pos_ = 0;
  TPart pressed_ = spNone;
  bool dragging_ = false;
  int dragOffset_ = 0;
};
