#include "controls/EditorButtons.h"

#include <algorithm>

#include "toolkit/forms/WinApi.h"
#include "toolkit/forms/std/ControlPaint.h"
#include "toolkit/graphics/Bitmap.h"
#include "toolkit/graphics/GraphicsObjects.h"

namespace {

// The arrow's corners relative to the button's top-left corner.
std::vector<TPoint> arrowPoints(const TRect& R, TButtonDirection Direction) {
  auto at = [&](int x, int y) { return TPoint{R.Left + x, R.Top + y}; };
  switch (Direction) {
    case bdLeft: return {at(5, 5), at(3, 7), at(5, 9)};
    case bdRight: return {at(3, 5), at(5, 7), at(3, 9)};
    case bdUp: return {at(4, 4), at(8, 4), at(6, 2)};
    case bdDown: return {at(4, 2), at(8, 2), at(6, 4)};
  }
  return {};
}

int themePart(TButtonDirection Direction) {
  switch (Direction) {
    case bdLeft: return 4;
    case bdRight: return 3;
    case bdUp: return 1;
    case bdDown: return 2;
  }
  return 1;
}

int textHeight(const TFont* Font) {
  TBitmap b;
  b.SetSize(1, 1);
  if (Font) b.Canvas()->Font()->Assign(Font);
  return b.Canvas()->TextHeight("0");
}

}  // namespace

void PaintColouredArrowButton(TCanvas* Canvas, const TRect& R, TColor Face, TButtonDirection Direction) {
  Canvas->Brush()->SetColor(Face);
  Canvas->Pen()->SetColor(Face);
  Canvas->Rectangle(R);
  Canvas->Brush()->SetColor(clBlack);
  Canvas->Pen()->SetColor(clBlack);
  Canvas->Polygon(arrowPoints(R, Direction));
}

bool PaintThemedSpinArrow(TCanvas* Canvas, const TRect& R, TButtonDirection Direction, bool Down, bool Hot,
                          bool Enabled) {
  (void)Enabled;
  int state = Down ? 3 : Hot ? 2 : 1;
  return DrawThemed(Canvas, "spin", themePart(Direction), state, R);
}

int EditMinHeight(const TFont* Font, bool SingleBorder) {
  int h = textHeight(Font);
  int system = textHeight(nullptr);
  int min = h + std::min(h, system) / 4 + 2;
  if (SingleBorder) min += 4 * GetSystemMetrics(SM_CYBORDER);
  return min;
}

uint32_t RepeatInterval(uint32_t Ms) { return std::max<uint32_t>(Ms, kMinimumRepeatInterval); }

// The toolkit's edit draws its single border inside the client area.
TRect InnerButtonRect(const TRect& Client, int ButtonWidth, bool SingleBorder) {
  int b = SingleBorder ? 2 : 0;
  return TRect(Client.Right - b - ButtonWidth, Client.Top + b, Client.Right - b, Client.Bottom - b);
}

TRect InnerTextRect(const TRect& Client, int RightReserve, bool SingleBorder) {
  int b = SingleBorder ? 2 : 0;
  return TRect(Client.Left + b + 1, Client.Top + b, Client.Right - b - RightReserve, Client.Bottom - b);
}
