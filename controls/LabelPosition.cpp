#include "controls/LabelPosition.h"

TPoint LabelOrigin(TLabelPosition Position, const TRect& Control, int TextWidth, TPoint LabelSize, int Margin) {
  int L = Control.Left, T = Control.Top, W = Control.Width(), H = Control.Height();
  int lw = LabelSize.X, lh = LabelSize.Y, m = Margin, w = TextWidth;
  switch (Position) {
    case lpLeftTop: return {L - w - m, T};
    case lpLeftCenter: return {L - w - m, T + (H - lh) / 2};
    case lpLeftBottom: return {L - w - m, T + H - lh};
    case lpTopLeft: return {L, T - lh - m};
    case lpBottomLeft: return {L, T + H + m};
    case lpLeftTopLeft: return {L - m, T};
    case lpLeftCenterLeft: return {L - m, T + (H - lh) / 2};
    case lpLeftBottomLeft: return {L - m, T + H - lh};
    case lpTopCenter: return {L + (W - lw) / 2, T - lh - m};
    case lpBottomCenter: return {L + (W - lw) / 2, T + H + m};
    case lpRightTop: return {L + W + m, T};
    case lpRightCenter: return {L + W + m, T + (H - lh) / 2};
    case lpRighBottom: return {L + W + m, T + H - lh};
  }
  return {L, T};
}
