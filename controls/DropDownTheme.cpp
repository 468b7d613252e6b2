#include "controls/DropDownTheme.h"

#include "grid/foundation/ExtXPVS.h"

bool DropDownThemed() {
  TThemeBinding& b = ATXPVSBinding();
  BindThemeLibrary(b);
  return b.Loaded && b.IsThemeActive && b.OpenThemeData && b.DrawThemeBackground && b.CloseThemeData &&
         b.IsThemeActive();
}

void DrawDropDownThemePart(TCanvas* Canvas, HWND Window, const char* ThemeClass, int Part, int State,
                           const TRect& Rect) {
  if (!DropDownThemed()) return;
  TThemeBinding& b = ATXPVSBinding();
  if (HTHEME theme = b.OpenThemeData(Window, ThemeClass)) {
    b.DrawThemeBackground(theme, Canvas, Part, State, &Rect, nullptr);
    b.CloseThemeData(theme);
  }
}
