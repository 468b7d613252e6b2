#include "grid/output/CellGraphicLayout.h"

#include <algorithm>

namespace {

int HorizontalLeft(const TRect& R, int W, TCellHAlign HA, TAlignment TextHA, int TW) {
  int left = R.Left + 1;
  switch (HA) {
    case haRight: return R.Right - W - 1;
    case haCenter: return W < R.Width() ? R.Left + (R.Width() - W) / 2 : R.Left + 1;
    case haFull: return R.Left;
    case haBeforeText:
      if (TextHA == taRightJustify) left = R.Right - TW - W;
      else if (TextHA == taCenter) left = R.Left + (R.Width() - TW - W) / 2;
      return left < R.Left ? R.Left + 1 : left;
    case haAfterText:
      if (TextHA == taLeftJustify) return R.Left + TW;
      if (TextHA == taRightJustify) return R.Right - W - 1;
      return std::max(R.Left, R.Left + TW + (R.Width() - TW - W) / 2);
    default: return left;
  }
}

}  // namespace

TRect PlaceGraphicBox(const TRect& R, int W, int H, TCellHAlign HA, TCellVAlign VA, TAlignment TextHA,
                      int TextWidth) {
  TRect box;
  box.Left = HorizontalLeft(R, W, HA, TextHA, TextWidth);
  box.Right = HA == haFull ? R.Right : box.Left + W;
  switch (VA) {
    case vaBottom: box.Top = R.Bottom - H - 1; break;
    case vaCenter: box.Top = H < R.Height() ? R.Top + (R.Height() - H) / 2 : R.Top + 1; break;
    case vaUnderText: box.Top = R.Bottom - H; break;
    case vaFull: box.Top = R.Top; break;
    default: box.Top = R.Top + 1; break;
  }
  box.Bottom = VA == vaUnderText || VA == vaFull ? R.Bottom : box.Top + H;
  return box;
}

int PlaceCheckLeft(const TRect& R, int W, TAlignment TextHA, int TextWidth, bool WithText) {
  int left = R.Left + 1;
  if (TextHA == taRightJustify) left = R.Right - W - 1 - (WithText ? TextWidth : 0);
  else if (TextHA == taCenter)
    left = WithText && TextWidth > 0 ? R.Left + std::max(0, R.Width() - TextWidth) / 2 - W
                                     : R.Left + std::max(0, R.Width() - W) / 2;
  return left < R.Left ? R.Left + 1 : left;
}
