// Drawing entry points and part metrics of the theme painter.

#include <cairo.h>

#include "platform/theme/Theme.h"
#include "platform/theme/ThemePainters.h"
#include "platform/theme/ThemeShapes.h"

namespace {

using TPainter = bool (*)(cairo_t*, int, int, const TThemeRect&);

TPainter PainterOf(TThemeClass cls) {
  switch (cls) {
    case TThemeClass::Button: return PaintButtonClass;
    case TThemeClass::ComboBox: return PaintComboBoxClass;
    case TThemeClass::Spin: return PaintSpinClass;
    case TThemeClass::Header: return PaintHeaderClass;
    case TThemeClass::Progress: return PaintProgressClass;
    case TThemeClass::ScrollBar: return PaintScrollBarClass;
    case TThemeClass::Edit: return PaintEditClass;
    case TThemeClass::Tab: return PaintTabClass;
    case TThemeClass::None: break;
  }
  return nullptr;
}

// The natural size of a part; {0, 0} for parts that take any size they are given.
TThemeSize NaturalSize(TThemeClass cls, int part) {
  switch (cls) {
    case TThemeClass::Button:
      if (part == BP_CHECKBOX || part == BP_RADIOBUTTON) return {13, 13};
      break;
    case TThemeClass::ComboBox:
      if (part == CP_DROPDOWNBUTTON || part == CP_DROPDOWNBUTTONRIGHT || part == CP_DROPDOWNBUTTONLEFT)
        return {17, 20};
      break;
    case TThemeClass::Spin: return part == SPNP_UP || part == SPNP_DOWN ? TThemeSize{15, 10} : TThemeSize{10, 15};
    case TThemeClass::Header:
      if (part == HP_HEADERSORTARROW) return {9, 5};
      return {0, 20};
    case TThemeClass::Progress:
      if (part == PP_CHUNK) return {8, 0};
      if (part == PP_CHUNKVERT) return {0, 8};
      break;
    case TThemeClass::ScrollBar:
      if (part == SBP_ARROWBTN || part == SBP_SIZEBOX) return {17, 17};
      if (part == SBP_THUMBBTNHORZ || part == SBP_THUMBBTNVERT) return {17, 17};
      if (part == SBP_GRIPPERHORZ || part == SBP_GRIPPERVERT) return {8, 8};
      break;
    case TThemeClass::Tab:
      if (part >= TABP_TABITEM && part <= TABP_TOPTABITEMBOTHEDGE) return {0, 21};
      break;
    default: break;
  }
  return {0, 0};
}

int BorderOf(TThemeClass cls, int part) {
  switch (cls) {
    case TThemeClass::Button: return part == BP_PUSHBUTTON ? 3 : 0;
    case TThemeClass::Edit: return 2;
    case TThemeClass::ComboBox: return part == CP_BORDER || part == CP_READONLY || part == CP_BACKGROUND ? 2 : 0;
    case TThemeClass::Header: return 3;
    case TThemeClass::Progress: return part == PP_BAR || part == PP_BARVERT ? 1 : 0;
    case TThemeClass::Tab: return part == TABP_PANE ? 2 : 3;
    default: return 0;
  }
}

}  // namespace

HRESULT DrawThemeBackground(HTHEME theme, cairo_t* cr, int part, int state, const TThemeRect* rect,
                            const TThemeRect* clip) {
  const TPainter paint = PainterOf(ThemeClassOf(theme));
  if (!paint) return E_HANDLE;
  if (!cr || !rect) return E_INVALIDARG;
  cairo_save(cr);
  if (clip) {
    cairo_rectangle(cr, clip->Left, clip->Top, clip->Right - clip->Left, clip->Bottom - clip->Top);
    cairo_clip(cr);
  }
  const bool known = paint(cr, part, state, *rect);
  cairo_restore(cr);
  return known ? S_OK : E_INVALIDARG;
}

HRESULT GetThemePartSize(HTHEME theme, int part, int, const TThemeRect* rect, THEMESIZE kind,
                         TThemeSize* size) {
  const TThemeClass cls = ThemeClassOf(theme);
  if (cls == TThemeClass::None) return E_HANDLE;
  if (!size) return E_INVALIDARG;
  TThemeSize s = NaturalSize(cls, part);
  // Stretchable dimensions take the rectangle's when drawing into one.
  if (kind == TS_DRAW && rect) {
    if (s.cx == 0) s.cx = rect->Right - rect->Left;
    if (s.cy == 0) s.cy = rect->Bottom - rect->Top;
  }
  *size = s;
  return S_OK;
}

HRESULT GetThemeBackgroundContentRect(HTHEME theme, int part, int, const TThemeRect* bounds,
                                      TThemeRect* content) {
  const TThemeClass cls = ThemeClassOf(theme);
  if (cls == TThemeClass::None) return E_HANDLE;
  if (!bounds || !content) return E_INVALIDARG;
  const int b = BorderOf(cls, part);
  *content = themedraw::Inflate(*bounds, -b, -b);
  if (content->Right < content->Left) content->Right = content->Left;
  if (content->Bottom < content->Top) content->Bottom = content->Top;
  return S_OK;
}
