// Scroll-bar arithmetic of the string grid.

#include "grid/core/ExtGridScrollMath.h"

#include <algorithm>

#include "toolkit/forms/Messages.h"
#include "toolkit/rtl/Math.h"

void TExtentTotals::Rebuild(int Count, const TExtentFunc& Extent) {
  prefix_.assign(static_cast<size_t>(std::max(Count, 0)) + 1, 0);
  for (int i = 0; i < Count; ++i) prefix_[static_cast<size_t>(i) + 1] = prefix_[static_cast<size_t>(i)] + Extent(i);
  valid_ = true;
}

int64_t TExtentTotals::Sum(int From, int To) const {
  From = std::clamp(From, 0, Count());
  To = std::clamp(To, 0, Count());
  if (To <= From) return 0;
  return prefix_[static_cast<size_t>(To)] - prefix_[static_cast<size_t>(From)];
}

namespace {
// Max and page from the visible share e (0 <= e < 1): the thumb covers e of
// the track, so Page / (Max + 1) = e on the framework's 0..127 positions.
void thumbSize(float e, TProportionalThumb& T) {
  double m = (static_cast<double>(e) + 127.0) / (1.0 - static_cast<double>(e));
  T.Max = static_cast<int>(std::min(m, 1.0e6));
  T.Page = std::max(1, T.Max - 126);
}

int clampPos(double p, const TProportionalThumb& T) {
  double last = std::max(0, T.Max - T.Page + 1);
  return static_cast<int>(std::clamp(p, 0.0, last));
}
}  // namespace

TProportionalThumb HorzProportionalThumb(int64_t Fixed, int64_t Total, int64_t Before, int Extent,
                                         int CurrentPos) {
  TProportionalThumb t;
  if (Total <= 0) return t;
  float e = std::max(0.0f, static_cast<float>(Extent - Fixed) / static_cast<float>(Total));
  if (e >= 0.9999f) return t;
  if (Total + Fixed - Extent < 5) return t;
  thumbSize(e, t);
  double p = Extent < Total ? static_cast<double>(Before) / static_cast<double>(Total - Extent) * 128.0 : CurrentPos;
  t.Pos = clampPos(p, t);
  t.Apply = true;
  return t;
}

TProportionalThumb VertProportionalThumb(int64_t Fixed, int64_t Total, int64_t Before, int Extent) {
  TProportionalThumb t;
  if (Total <= 0) return t;
  float e = std::max(0.0f, static_cast<float>(Extent - Fixed) / static_cast<float>(Total));
  if (e >= 0.9999f) return t;
  thumbSize(e, t);
  double p = Extent < Total ? static_cast<double>(Before) / static_cast<double>(Total - Extent) * 128.0 : 127.0;
  t.Pos = clampPos(p, t);
  t.Apply = true;
  return t;
}

int ThumbPosToCell(int Pos, int Count, int Visible, int Fixed) {
  int range = std::max(0, Count - Visible - Fixed);
  return std::max(0, MulDiv(Pos, range, 127)) + Fixed;
}

int FlatThumbToGridPos(int Pos, int Visible, int Count) {
  if (Count <= 0) return Pos;
  int v = static_cast<int>(Round(Visible * 128.0 / Count));
  if (v == 128) return Pos;
  return static_cast<int>(Round(Pos * 127.0 / (128 - v)));
}

int ScrollCellPosition(int Code, int Pos, int Min, int Max, int TrackPos) {
  if (Max < Min) std::swap(Min, Max);
  switch (Code) {
    case SB_LINEUP: return std::clamp(Pos - 10, Min, Max);
    case SB_LINEDOWN: return std::clamp(Pos + 10, Min, Max);
    case SB_PAGEUP: return std::clamp(Pos - 100, Min, Max);
    case SB_PAGEDOWN: return std::clamp(Pos + 100, Min, Max);
    case SB_THUMBTRACK: return std::clamp(TrackPos, Min, Max);
    default: return Pos;
  }
}
