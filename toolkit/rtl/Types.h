#pragma once
// Points, sizes and rectangles with the device-context convention: a
// rectangle covers Left..Right-1 and Top..Bottom-1.

#include <algorithm>

struct TPoint {
  int X = 0;
  int Y = 0;
  constexpr bool operator==(const TPoint&) const = default;
};

struct TSize {
  int cx = 0;
  int cy = 0;
  constexpr bool operator==(const TSize&) const = default;
};

struct TRect {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;

  constexpr int Width() const { return Right - Left; }
  constexpr int Height() const { return Bottom - Top; }
  constexpr TPoint TopLeft() const { return {Left, Top}; }
  constexpr TPoint BottomRight() const { return {Right, Bottom}; }
  constexpr bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
  constexpr bool Contains(TPoint p) const {
    return p.X >= Left && p.X < Right && p.Y >= Top && p.Y < Bottom;
  }
  constexpr bool operator==(const TRect&) const = default;
};

constexpr TPoint Point(int x, int y) { return {x, y}; }
constexpr TRect Rect(int l, int t, int r, int b) { return {l, t, r, b}; }
constexpr TRect Bounds(int l, int t, int w, int h) { return {l, t, l + w, t + h}; }

constexpr bool PtInRect(const TRect& r, TPoint p) { return r.Contains(p); }

inline void OffsetRect(TRect& r, int dx, int dy) {
  r.Left += dx; r.Right += dx; r.Top += dy; r.Bottom += dy;
}

inline void InflateRect(TRect& r, int dx, int dy) {
  r.Left -= dx; r.Right += dx; r.Top -= dy; r.Bottom += dy;
}

// False, with an empty result, when the rectangles do not overlap.
inline bool IntersectRect(TRect& out, const TRect& a, const TRect& b) {
  out = {std::max(a.Left, b.Left), std::max(a.Top, b.Top),
         std::min(a.Right, b.Right), std::min(a.Bottom, b.Bottom)};
  if (out.IsEmpty()) { out = {}; return false; }
  return true;
}

// The smallest rectangle holding both; an empty operand does not count.
inline bool UnionRect(TRect& out, const TRect& a, const TRect& b) {
  if (a.IsEmpty()) { out = b; return !b.IsEmpty(); }
  if (b.IsEmpty()) { out = a; return true; }
  out = {std::min(a.Left, b.Left), std::min(a.Top, b.Top),
         std::max(a.Right, b.Right), std::max(a.Bottom, b.Bottom)};
  return true;
}
