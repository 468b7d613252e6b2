// The "button", "combobox" and "spin" classes.

#include <cairo.h>

#include <algorithm>

#include "platform/theme/ThemePainters.h"
#include "platform/theme/ThemeShapes.h"

using namespace themedraw;

namespace {

constexpr int kGlyph = 13;  // side of check boxes and radio buttons

TLook LookOf(int state) { return TLook((state - 1) % 4); }

// The glyph square, centred vertically at the left of r (like a check box beside its caption).
TThemeRect GlyphBox(const TThemeRect& r) {
  const int side = std::min({kGlyph, r.Right - r.Left, r.Bottom - r.Top});
  const int top = r.Top + (r.Bottom - r.Top - side) / 2;
  return {r.Left, top, r.Left + side, top + side};
}

TRgb CheckedFill(TLook look) {
  switch (look) {
    case lkHot: return Hex(0x1975C5);
    case lkPressed: return kAccentDark;
    case lkDisabled: return Hex(0xCCCCCC);
    case lkNormal: break;
  }
  return kAccent;
}

TRgb BoxFill(TLook look) {
  switch (look) {
    case lkHot: return Hex(0xEAF3FC);
    case lkPressed: return Hex(0xC4DDF5);
    case lkDisabled: return Hex(0xF5F5F5);
    case lkNormal: break;
  }
  return kWhite;
}

void CheckBox(cairo_t* cr, const TThemeRect& r, int state) {
  const TThemeRect box = GlyphBox(r);
  const TLook look = LookOf(state);
  const int kind = (state - 1) / 4;  // 0 unchecked, 1 checked, 2 mixed
  if (kind == 1) {
    Fill(cr, box, CheckedFill(look));
    Tick(cr, box, kWhite);
    return;
  }
  Fill(cr, box, BoxFill(look));
  Frame(cr, box, ButtonPalette(look).Border);
  if (kind == 2) Fill(cr, Inflate(box, -3, -3), look == lkDisabled ? kGrayText : kAccent);
}

void RadioButton(cairo_t* cr, const TThemeRect& r, int state) {
  const TThemeRect box = GlyphBox(r);
  const TLook look = LookOf(state);
  const bool checked = state > 4;
  Disc(cr, box, checked ? CheckedFill(look) : ButtonPalette(look).Border);
  Disc(cr, Inflate(box, -1, -1), BoxFill(look));
  if (checked) Disc(cr, Inflate(box, -4, -4), CheckedFill(look));
}

void PushButton(cairo_t* cr, const TThemeRect& r, int state) {
  const bool defaulted = state == PBS_DEFAULTED;
  Face(cr, r, ButtonPalette(defaulted ? lkNormal : LookOf(state)));
  if (defaulted) {
    Frame(cr, r, kAccent);
    Frame(cr, Inflate(r, -1, -1), kAccent);
  }
}

void DropDownButton(cairo_t* cr, const TThemeRect& r, int state) {
  const TLook look = LookOf(state);
  if (look == lkHot || look == lkPressed) Face(cr, r, ButtonPalette(look));
  Arrow(cr, r, dirDown, 4, look == lkDisabled ? kGrayText : Hex(0x404040));
}

void ComboBorder(cairo_t* cr, const TThemeRect& r, int state, bool readOnly) {
  const TLook look = LookOf(state);
  if (readOnly) Face(cr, r, ButtonPalette(look));
  else Fill(cr, r, look == lkDisabled ? Hex(0xF5F5F5) : kWhite);
  Frame(cr, r, look == lkHot ? kAccent : ButtonPalette(look).Border);
}

TDirection SpinDirection(int part) {
  switch (part) {
    case SPNP_UP: return dirUp;
    case SPNP_DOWN: return dirDown;
    case SPNP_UPHORZ: return dirRight;
    default: return dirLeft;
  }
}

}  // namespace

bool PaintButtonClass(cairo_t* cr, int part, int state, const TThemeRect& r) {
  switch (part) {
    case BP_PUSHBUTTON:
      if (state < 1 || state > 5) return false;
      PushButton(cr, r, state);
      return true;
    case BP_RADIOBUTTON:
      if (state < 1 || state > 8) return false;
      RadioButton(cr, r, state);
      return true;
    case BP_CHECKBOX:
      if (state < 1 || state > 12) return false;
      CheckBox(cr, r, state);
      return true;
    case BP_GROUPBOX:
      if (state < 1 || state > 2) return false;
      Frame(cr, r, Hex(0xDCDCDC));
      return true;
    case BP_USERBUTTON:
      if (state < 1 || state > 4) return false;
      Face(cr, r, ButtonPalette(LookOf(state)));
      return true;
  }
  return false;
}

bool PaintComboBoxClass(cairo_t* cr, int part, int state, const TThemeRect& r) {
  if (state < 1 || state > 4) return false;
  switch (part) {
    case CP_DROPDOWNBUTTON:
    case CP_DROPDOWNBUTTONRIGHT:
    case CP_DROPDOWNBUTTONLEFT:
      DropDownButton(cr, r, state);
      return true;
    case CP_BACKGROUND:
    case CP_BORDER:
      ComboBorder(cr, r, state, false);
      return true;
    case CP_READONLY:
      ComboBorder(cr, r, state, true);
      return true;
    case CP_TRANSPARENTBACKGROUND:
      return true;
  }
  return false;
}

bool PaintSpinClass(cairo_t* cr, int part, int state, const TThemeRect& r) {
  if (part < SPNP_UP || part > SPNP_DOWNHORZ || state < 1 || state > 4) return false;
  const TLook look = LookOf(state);
  Face(cr, r, ButtonPalette(look));
  Arrow(cr, r, SpinDirection(part), 3, ButtonPalette(look).Mark);
  return true;
}
