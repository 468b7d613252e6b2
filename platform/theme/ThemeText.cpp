// Theme text: Pango text in the colour of the part's state.

#include <cairo.h>
#include <pango/pangocairo.h>

#include "platform/theme/Theme.h"
#include "platform/theme/ThemeShapes.h"

namespace {

// Text flags with their conventional values (the toolkit's DT_ constants).
constexpr uint32_t kCenter = 0x1, kRight = 0x2, kVCenter = 0x4, kBottom = 0x8, kSingleLine = 0x20;
constexpr uint32_t kNoPrefix = 0x800, kEndEllipsis = 0x8000, kHidePrefix = 0x100000;

bool Disabled(TThemeClass cls, int part, int state) {
  switch (cls) {
    case TThemeClass::Button:
      if (part == BP_PUSHBUTTON || part == BP_USERBUTTON) return state == PBS_DISABLED;
      if (part == BP_GROUPBOX) return state == GBS_DISABLED;
      return state % 4 == 0;
    case TThemeClass::ComboBox:
    case TThemeClass::Spin: return state == 4;
    case TThemeClass::Edit: return state == ETS_DISABLED;
    case TThemeClass::Tab: return state == TIS_DISABLED;
    default: return false;
  }
}

// "&x" marks a mnemonic; "&&" is a literal ampersand. Returns the text to show.
std::string StripPrefix(const std::string& text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '&' && i + 1 < text.size()) ++i;
    out += text[i];
  }
  return out;
}

}  // namespace

HRESULT DrawThemeText(HTHEME theme, cairo_t* cr, int part, int state, const std::string& text,
                      uint32_t flags, const TThemeRect* rect) {
  const TThemeClass cls = ThemeClassOf(theme);
  if (cls == TThemeClass::None) return E_HANDLE;
  if (!cr || !rect) return E_INVALIDARG;
  const std::string shown = (flags & kNoPrefix) ? text : StripPrefix(text);
  (void)kHidePrefix;  // mnemonics are never underlined by this look
  const int w = rect->Right - rect->Left, h = rect->Bottom - rect->Top;
  cairo_save(cr);
  cairo_rectangle(cr, rect->Left, rect->Top, w, h);
  cairo_clip(cr);
  PangoLayout* layout = pango_cairo_create_layout(cr);
  PangoFontDescription* font = pango_font_description_from_string("DejaVu Sans 8");
  pango_layout_set_font_description(layout, font);
  pango_font_description_free(font);
  pango_layout_set_text(layout, shown.c_str(), int(shown.size()));
  pango_layout_set_width(layout, w * PANGO_SCALE);
  if (flags & kEndEllipsis) pango_layout_set_ellipsize(layout, PANGO_ELLIPSIZE_END);
  if (!(flags & kSingleLine)) pango_layout_set_wrap(layout, PANGO_WRAP_WORD_CHAR);
  pango_layout_set_alignment(layout, (flags & kCenter)  ? PANGO_ALIGN_CENTER
                                     : (flags & kRight) ? PANGO_ALIGN_RIGHT
                                                        : PANGO_ALIGN_LEFT);
  int textW = 0, textH = 0;
  pango_layout_get_pixel_size(layout, &textW, &textH);
  int y = rect->Top;
  if (flags & kSingleLine) {
    if (flags & kVCenter) y += (h - textH) / 2;
    else if (flags & kBottom) y += h - textH;
  }
  const themedraw::TRgb c = Disabled(cls, part, state) ? themedraw::kGrayText : themedraw::kText;
  cairo_set_source_rgb(cr, c.R, c.G, c.B);
  cairo_move_to(cr, rect->Left, y);
  pango_cairo_show_layout(cr, layout);
  g_object_unref(layout);
  cairo_restore(cr);
  return S_OK;
}
