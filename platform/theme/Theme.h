#pragma once
// The theme painter: a stand-in for the desktop theme library. Callers open
// theme data for a window class ("button", "combobox", "spin", "header",
// "progress", "scrollbar", "edit", "tab"), draw one part in one state and
// close it again. It draws its own flat, light look with Cairo on any
// cairo_t, so the platform layer needs no toolkit canvas.

#include <cstdint>
#include <string>

#include "platform/kernel/HResult.h"
#include "platform/theme/ThemeParts.h"

typedef struct _cairo cairo_t;

using HTHEME = uintptr_t;  // 0: no theme data

// Layout-compatible with the toolkit's TRect: right and bottom are excluded.
struct TThemeRect {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;
};

struct TThemeSize {
  int cx = 0;
  int cy = 0;
};

// The theme classes the painter knows.
enum class TThemeClass { None, Button, ComboBox, Spin, Header, Progress, ScrollBar, Edit, Tab };

// Whether visual styles are on is a fact of the platform; a test chooses it.
// On by default.
void SetThemeActive(bool active);
bool IsThemeActive();
bool IsAppThemed();

// classList holds one or more class names separated by ';', matched without
// regard to case; the first known one is used. Returns 0 for an unknown class
// or while themes are off. The window is not used by this painter.
HTHEME OpenThemeData(void* window, const std::string& classList);
HRESULT CloseThemeData(HTHEME theme);
// The class behind an open handle; None for 0 or a closed handle.
TThemeClass ThemeClassOf(HTHEME theme);
// Number of handles open now (a leak check for tests).
int OpenThemeCount();

// Draws part/state into rect, limited to clip when given. Unknown parts or
// states draw nothing and answer E_INVALIDARG.
HRESULT DrawThemeBackground(HTHEME theme, cairo_t* cr, int part, int state, const TThemeRect* rect,
                            const TThemeRect* clip);
// Text (UTF-8) in the state's colour; flags are DT_ flags (left/center/right,
// top/vcenter/bottom, single line, no prefix, end ellipsis).
HRESULT DrawThemeText(HTHEME theme, cairo_t* cr, int part, int state, const std::string& text,
                      uint32_t flags, const TThemeRect* rect);
HRESULT GetThemePartSize(HTHEME theme, int part, int state, const TThemeRect* rect, THEMESIZE kind,
                         TThemeSize* size);
// The area inside the part's border where content goes.
HRESULT GetThemeBackgroundContentRect(HTHEME theme, int part, int state, const TThemeRect* bounds,
                                      TThemeRect* content);
// Theme file, colour scheme and size names; E_FAIL while themes are off.
HRESULT GetCurrentThemeName(std::string* fileName, std::string* colorName, std::string* sizeName);
