// Cell graphics that show a value or a mark: progress bars (plain, themed and
// by level), range indicators, progress pies, comments, shapes and ratings.

#include <algorithm>
#include <cmath>

#include "grid/output/CellPaint.h"
#include "grid/foundation/ExtXPVS.h"
#include "platform/theme/ThemeParts.h"
#include "toolkit/graphics/Canvas.h"

namespace {

int ClampPercent(int X) { return X < 0 ? 0 : X > 100 ? 100 : X; }

void Themed(TCanvas* c, HWND window, int part, const TRect& r) {
  TThemeBinding& b = ExtXPVSBinding();
  if (!b.OpenThemeData || !b.DrawThemeBackground || !b.CloseThemeData) return;
  if (HTHEME theme = b.OpenThemeData(window, "Progress")) {
    b.DrawThemeBackground(theme, c, part, 1, &r, nullptr);
    b.CloseThemeData(theme);
  }
}

}  // namespace

int LevelProgressPercent(int Value, int Min, int Max) {
  if (Max == Min) return 0;
  const double share = (double(Value) - Min) / (double(Max) - Min);
  return ClampPercent(int(std::nearbyint(std::clamp(share, 0.0, 1.0) * 100.0)));
}

TLevelProgressAppearance TExtStringGrid::LevelProgressLook(TFont* AFont, TColor CellBrush) {
  const TGridProgressAppearance& a = FProgressAppearance;
  TLevelProgressAppearance L;
  L.Level0Color = a.Level0Color();
  L.Level0ColorTo = a.Level0ColorTo();
  L.Level1Color = a.Level1Color();
  L.Level1ColorTo = a.Level1ColorTo();
  L.Level2Color = a.Level2Color();
  L.Level2ColorTo = a.Level2ColorTo();
  L.Level3Color = a.Level3Color();
  L.Level3ColorTo = a.Level3ColorTo();
  L.Level1Perc = a.Level1Perc();
  L.Level2Perc = a.Level2Perc();
  L.ShowBorder = a.ShowBorder();
  L.BorderColor = a.BorderColor();
  L.Stacked = a.Stacked();
  L.ShowPercentage = a.ShowPercentage();
  L.CompletionSmooth = a.CompletionSmooth();
  L.ShowGradient = a.ShowGradient();
  L.Font = AFont;
  L.CompleteFontColor = a.CompleteFontColor();
  L.Steps = a.Steps();
  L.UnCompleteColor = a.UnCompleteColor() == clNone ? CellBrush : a.UnCompleteColor();
  return L;
}

void TExtStringGrid::paintIndicatorGraphic(TCellPaint& P, TRect R, const TRect& box) {
  TCellGraphic* g = P.Layout.Graphic;
  TCanvas* c = P.Canvas;
  const int mx = FControlLook.ProgressMarginX(), my = FControlLook.ProgressMarginY();
  switch (g->CellType) {
    case ctProgress: {
      const TCellControlStyle style = FControlLook.ControlStyle();
      if ((style == csWinXP || style == csTheme) && ThemesActive() && FControlLook.ProgressXP()) {
        HWND window = reinterpret_cast<HWND>(Handle());
        InflateRect(R, -mx, -my);
        Themed(c, window, PP_BAR, R);
        InflateRect(R, -2, -2);
        const int w = int(std::nearbyint(ClampPercent(int(Floats(P.RCol, P.ARow))) * R.Width() / 100.0));
        if (w > 0) Themed(c, window, PP_CHUNK, TRect(R.Left, R.Top, R.Left + w, R.Bottom));
        break;
      }
      InflateRect(R, -2, -2);
      const TColor fg = g->CellBitmapColor, bk = g->CellIconColor;
      // A plain progress cell draws the remaining part in the complements.
      const TColor fgText = g->CellBoolean ? TColor(g->CellIndex) : TColor(~ColorToRGB(fg) & 0xFFFFFF);
      const TColor bkText = g->CellBoolean ? TColor(g->CellAngle) : TColor(~ColorToRGB(bk) & 0xFFFFFF);
      DrawProgressBar(c, R, fg, fgText, bk, bkText, Floats(P.RCol, P.ARow), mx, my, g->CellErrFrom, g->CellErrLen,
                      g->CellText, FControlLook.ProgressBorderColor(), false);
      break;
    }
    case ctXPProgress: {
      InflateRect(R, -mx, -my);
      --R.Right;
      --R.Bottom;
      const int percent = LevelProgressPercent(Ints(P.RCol, P.ARow), g->CellErrFrom, g->CellErrLen);
      DrawLevelProgressBar(c, R, percent, LevelProgressLook(Font(), P.BrushColor));
      break;
    }
    case ctRangeIndicator:
      InflateRect(R, -mx, -my);
      DrawSignedBar(c, R, Ints(P.RCol, P.ARow), g->CellIndex, g->CellBoolean, g->CellBitmapColor, g->CellIconColor);
      break;
    case ctProgressPie:
      DrawProgressPie(c, TRect(box.Left, box.Top, box.Left + 20, box.Top + 20), g->CellBitmapColor, g->CellAngle,
                      false);
      break;
    case ctComment: paintCommentMark(P, R); break;
    case ctShape:
      DrawCellShape(c, box.Left, box.Top, box.Width() - 1, box.Height() - 1, uint8_t(g->CellAngle),
                    TColor(g->CellIndex), g->CellBitmapColor);
      break;
    case ctRating: paintRating(P, box); break;
    default: break;
  }
}

// A small triangle in the cell's top-right corner.
void TExtStringGrid::paintCommentMark(TCellPaint& P, const TRect& R) {
  if (FControlLook.CommentColor() == clNone) return;
  TCellGraphic* g = P.Layout.Graphic;
  TCanvas* c = P.Canvas;
  const TColor colour = g->CellIndex != int(clNone) ? TColor(g->CellIndex) : FControlLook.CommentColor();
  c->Pen()->SetColor(colour);
  c->Brush()->SetColor(colour);
  c->Brush()->SetStyle(bsSolid);
  const int x = R.Right + FXYOffset.X, y = R.Top - FXYOffset.Y;
  c->Polygon({TPoint{x - 8, y + 1}, TPoint{x - 3, y + 1}, TPoint{x - 3, y + 6}});
  c->Brush()->SetColor(Color());
}

// Stars in half steps of the cell's value: full, half over empty, empty.
void TExtStringGrid::paintRating(TCellPaint& P, const TRect& box) {
  TCellGraphic* g = P.Layout.Graphic;
  const double v = std::trunc(Floats(P.RCol, P.ARow) * 2) / 2;
  const TColor full = TColor(g->CellIndex), empty = g->CellBitmapColor;
  for (int i = 0; i < g->CellAngle; ++i) {
    const int x = box.Left + 18 * i;
    if (i + 1 > v) {
      DrawCellShape(P.Canvas, x, box.Top, 16, 16, csStar, empty, empty);
      if (i < v) DrawCellShape(P.Canvas, x, box.Top, 16, 16, csHalfStar, full, full);
    } else {
      DrawCellShape(P.Canvas, x, box.Top, 16, 16, csStar, full, full);
    }
  }
}
