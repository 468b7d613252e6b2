#include "controls/DropDownColumnSizing.h"

#include <algorithm>
#include <cmath>
#include <numeric>

#include "toolkit/graphics/Bitmap.h"
#include "toolkit/graphics/Canvas.h"

std::vector<int> StretchedColumnWidths(const std::vector<int>& Widths, int Available) {
  const double total = 1.0 + std::accumulate(Widths.begin(), Widths.end(), 0.0);
  const double factor = Available / total;
  double carry = 0;
  std::vector<int> out;
  out.reserve(Widths.size());
  for (int w : Widths) {
    const double exact = w * factor;
    const double rounded = std::nearbyint(exact);
    carry += exact - rounded;
    int px = int(rounded);
    if (carry > 1) {
      carry -= 1;
      ++px;
    }
    out.push_back(px);
  }
  return out;
}

int WholeRowsHeight(int Height, int Chrome, int RowHeight, int Extra) {
  if (RowHeight <= 0) return Height;
  const int rows = (Height - Chrome) / RowHeight;
  return Chrome + rows * RowHeight + Extra;
}

namespace {

// Text extent in Font: single line, or wrapped at words within Width.
TRect MeasureText(const TFont* Font, const std::string& Text, int Width, bool Wrap) {
  TBitmap scratch;
  scratch.SetSize(1, 1);
  scratch.Canvas()->Font()->Assign(Font);
  TRect r(0, 0, Wrap ? Width : 1000, 500);
  scratch.Canvas()->DrawText(Text, r, DT_CALCRECT | DT_NOPREFIX | (Wrap ? DT_WORDBREAK : DT_SINGLELINE));
  return r;
}

}  // namespace

int CellContentWidth(const TFont* Font, const std::string& Text, int ImageWidth) {
  int need = ImageWidth > 0 ? ImageWidth + 4 : 0;
  if (!Text.empty()) need += MeasureText(Font, Text, 0, false).Width() + 6;
  return need;
}

int CellContentHeight(const TFont* Font, const std::string& Text, int Width, int ImageHeight) {
  int need = ImageHeight > 0 ? ImageHeight + 6 : 0;
  if (!Text.empty()) need = std::max(need, MeasureText(Font, Text, Width, true).Height() + 6);
  return need;
}
