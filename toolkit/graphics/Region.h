#pragma once
// Regions: sets of pixels kept as non-overlapping rectangles (on
// cairo_region_t). A TRegion is a value: copy it, pass it, let it go; the
// Create...Rgn functions return one instead of a handle to delete.

#include <vector>

#include "toolkit/rtl/Types.h"

typedef struct _cairo_region cairo_region_t;

// CombineRgn modes.
constexpr int RGN_AND = 1;
constexpr int RGN_OR = 2;
constexpr int RGN_XOR = 3;
constexpr int RGN_DIFF = 4;
constexpr int RGN_COPY = 5;

// Region complexity, as CombineRgn, GetRgnBox and OffsetRgn answer it.
constexpr int RGN_ERROR = 0;
constexpr int NULLREGION = 1;
constexpr int SIMPLEREGION = 2;
constexpr int COMPLEXREGION = 3;

// Polygon fill modes.
constexpr int ALTERNATE = 1;
constexpr int WINDING = 2;

class TRegion {
public:
  TRegion();
  explicit TRegion(const TRect& r);
  TRegion(const TRegion& o);
  TRegion(TRegion&& o) noexcept;
  TRegion& operator=(const TRegion& o);
  TRegion& operator=(TRegion&& o) noexcept;
  ~TRegion();

  bool IsEmpty() const;
  // NULLREGION, SIMPLEREGION or COMPLEXREGION.
  int Complexity() const;
  TRect Box() const;
  bool Contains(TPoint p) const;
  // True when some pixel of r is in the region.
  bool Overlaps(const TRect& r) const;
  int RectCount() const;
  TRect RectAt(int i) const;
  std::vector<TRect> Rects() const;

  void Offset(int dx, int dy);
  void Union(const TRegion& o);
  void Intersect(const TRegion& o);
  void Subtract(const TRegion& o);
  void Xor(const TRegion& o);
  void UnionRect(const TRect& r);
  void IntersectRect(const TRect& r);
  void SubtractRect(const TRect& r);

  bool operator==(const TRegion& o) const;

  // The region as cairo knows it; still owned by this object.
  cairo_region_t* Native() const { return region_; }

private:
  cairo_region_t* region_;
};

using HRGN = TRegion;

TRegion CreateRectRgn(int left, int top, int right, int bottom);
TRegion CreateRectRgnIndirect(const TRect& r);
// Corners rounded by ellipses widthEllipse x heightEllipse.
TRegion CreateRoundRectRgn(int left, int top, int right, int bottom, int widthEllipse, int heightEllipse);
TRegion CreateEllipticRgn(int left, int top, int right, int bottom);
TRegion CreateEllipticRgnIndirect(const TRect& r);
// fillMode ALTERNATE (even-odd) or WINDING.
TRegion CreatePolygonRgn(const TPoint* points, int count, int fillMode);

// dest = a op b (b is ignored for RGN_COPY); answers the complexity of dest.
int CombineRgn(TRegion& dest, const TRegion& a, const TRegion& b, int mode);
bool PtInRegion(const TRegion& r, int x, int y);
bool RectInRegion(const TRegion& r, const TRect& rect);
int GetRgnBox(const TRegion& r, TRect& box);
int OffsetRgn(TRegion& r, int dx, int dy);
bool EqualRgn(const TRegion& a, const TRegion& b);
void SetRectRgn(TRegion& r, int left, int top, int right, int bottom);
