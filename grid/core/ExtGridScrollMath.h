#pragma once
// The arithmetic behind the string grid's scroll bars: running totals of
// column widths or row heights (summed once per change, not once per paint),
// proportional thumbs, the cell reached by a thumb position, and the steps
// of a scroll-bar cell. Every division is guarded: an empty or zero-sized
// grid gives "no change" instead of a fault.

#include <cstdint>
#include <functional>
#include <vector>

// Prefix sums of an extent (width or height, plus a line) per index. Built on
// the first query after Invalidate; queries are then O(1).
class TExtentTotals {
public:
  using TExtentFunc = std::function<int(int Index)>;
  void Invalidate() { valid_ = false; }
  bool Valid() const { return valid_; }
  // Sums Extent(i) for i in 0..Count-1 once.
  void Rebuild(int Count, const TExtentFunc& Extent);
  int Count() const { return static_cast<int>(prefix_.size()) - 1; }
  // Sum over From..To-1 (clamped to the indexes known); 0 for an empty range.
  int64_t Sum(int From, int To) const;

private:
  std::vector<int64_t> prefix_{0};
  bool valid_ = false;
};

// What a proportional thumb becomes; Apply false means "leave the bar".
struct TProportionalThumb {
  bool Apply = false;
  int Max = 0;
  int Page = 0;
  int Pos = 0;
};

// Fixed: the fixed cells' extent with their lines (plus the first line);
// Total: the normal cells' extent with lines; Before: the normal cells
// scrolled out before the first visible one; Extent: the control's width.
TProportionalThumb HorzProportionalThumb(int64_t Fixed, int64_t Total, int64_t Before, int Extent, int CurrentPos);
// The same for rows and the control's height.
TProportionalThumb VertProportionalThumb(int64_t Fixed, int64_t Total, int64_t Before, int Extent);

// The column (row) a thumb position 0..127 reaches, for the scroll hint.
int ThumbPosToCell(int Pos, int Count, int Visible, int Fixed);

// A flat bar's proportional position back on the framework's 0..127 scale.
int FlatThumbToGridPos(int Pos, int Visible, int Count);

// The position of a scroll-bar cell after a scroll code; every step,
// the page steps included, stays within Min..Max.
int ScrollCellPosition(int Code, int Pos, int Min, int Max, int TrackPos);
