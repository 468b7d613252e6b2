// The "header", "progress", "scrollbar", "edit" and "tab" classes.

#include <cairo.h>

#include "platform/theme/ThemePainters.h"
#include "platform/theme/ThemeShapes.h"

using namespace themedraw;

namespace {

constexpr TRgb kLine = Hex(0xE5E5E5);
constexpr TRgb kTrack = Hex(0xF0F0F0);
constexpr TRgb kTabBorder = Hex(0xD9D9D9);

bool InRange(int v, int lo, int hi) { return v >= lo && v <= hi; }

void HeaderItem(cairo_t* cr, const TThemeRect& r, int state) {
  const int look = (state - 1) % 3;
  Fill(cr, r, look == 1 ? Hex(0xD9EBF9) : look == 2 ? Hex(0xBCDCF4) : kWhite);
  Fill(cr, {r.Left, r.Bottom - 1, r.Right, r.Bottom}, kLine);
  Fill(cr, {r.Right - 1, r.Top, r.Right, r.Bottom}, kLine);
}

TRgb FillColor(int state) {
  switch (state) {
    case PBFS_ERROR: return Hex(0xDA3B01);
    case PBFS_PAUSED: return Hex(0xD8A800);
    default: return Hex(0x06B025);
  }
}

TRgb ThumbColor(int look) {
  switch (look) {
    case 1: return Hex(0xA6A6A6);
    case 2: return Hex(0x606060);
    default: return Hex(0xC2C2C2);
  }
}

void ArrowButton(cairo_t* cr, const TThemeRect& r, int state) {
  static const TDirection kDirections[4] = {dirUp, dirDown, dirLeft, dirRight};
  const int look = (state - 1) % 4;
  Fill(cr, r, look == 1 ? Hex(0xDADADA) : look == 2 ? Hex(0x606060) : kTrack);
  const TRgb mark = look == 2 ? kWhite : look == 3 ? Hex(0xBFBFBF) : Hex(0x606060);
  Arrow(cr, r, kDirections[(state - 1) / 4], 3, mark);
}

void Thumb(cairo_t* cr, const TThemeRect& r, int state, bool horizontal) {
  Fill(cr, r, kTrack);
  if (state == SCRBS_DISABLED) return;
  Fill(cr, horizontal ? Inflate(r, 0, -3) : Inflate(r, -3, 0), ThumbColor(state - 1));
}

void Gripper(cairo_t* cr, const TThemeRect& r, bool horizontal) {
  const int cx = (r.Left + r.Right) / 2, cy = (r.Top + r.Bottom) / 2;
  for (int i = -2; i <= 2; i += 2) {
    if (horizontal) Fill(cr, {cx + i, cy - 3, cx + i + 1, cy + 3}, Hex(0x808080));
    else Fill(cr, {cx - 3, cy + i, cx + 3, cy + i + 1}, Hex(0x808080));
  }
}

void EditBox(cairo_t* cr, const TThemeRect& r, int state) {
  const bool grey = state == ETS_DISABLED || state == ETS_READONLY;
  Fill(cr, r, grey ? Hex(0xF0F0F0) : kWhite);
  const TRgb border = state == ETS_DISABLED ? Hex(0xCCCCCC)
                      : state == ETS_HOT    ? Hex(0x1B1B1B)
                      : state == ETS_FOCUSED || state == ETS_SELECTED ? kAccent
                                                                      : Hex(0x7A7A7A);
  Frame(cr, r, border);
  if (state == ETS_FOCUSED) Fill(cr, {r.Left + 1, r.Bottom - 2, r.Right - 1, r.Bottom - 1}, kAccent);
}

void TabItem(cairo_t* cr, const TThemeRect& r, int state) {
  const TRgb face = state == TIS_SELECTED   ? kWhite
                    : state == TIS_HOT      ? Hex(0xDCEBFA)
                    : state == TIS_DISABLED ? Hex(0xF9F9F9)
                                            : kTrack;
  Fill(cr, r, face);
  Fill(cr, {r.Left, r.Top, r.Right, r.Top + 1}, kTabBorder);
  Fill(cr, {r.Left, r.Top, r.Left + 1, r.Bottom}, kTabBorder);
  Fill(cr, {r.Right - 1, r.Top, r.Right, r.Bottom}, kTabBorder);
  if (state == TIS_SELECTED) Fill(cr, {r.Left + 1, r.Top, r.Right - 1, r.Top + 2}, kAccent);
  else Fill(cr, {r.Left, r.Bottom - 1, r.Right, r.Bottom}, kTabBorder);
  if (state == TIS_FOCUSED) Frame(cr, Inflate(r, -2, -2), Hex(0x808080));
}

}  // namespace

bool PaintHeaderClass(cairo_t* cr, int part, int state, const TThemeRect& r) {
  if (InRange(part, HP_HEADERITEM, HP_HEADERITEMRIGHT) && InRange(state, 1, 6)) {
    HeaderItem(cr, r, state);
    return true;
  }
  if (part == HP_HEADERSORTARROW && InRange(state, HSAS_SORTEDUP, HSAS_SORTEDDOWN)) {
    Arrow(cr, r, state == HSAS_SORTEDUP ? dirUp : dirDown, 4, Hex(0x6D6D6D));
    return true;
  }
  return false;
}

bool PaintProgressClass(cairo_t* cr, int part, int state, const TThemeRect& r) {
  if (part == PP_BAR || part == PP_BARVERT) {
    if (!InRange(state, 1, 2)) return false;
    Fill(cr, r, Hex(0xE6E6E6));
    Frame(cr, r, Hex(0xBCBCBC));
    return true;
  }
  if (InRange(part, PP_CHUNK, PP_FILLVERT)) {
    if (!InRange(state, 1, 4)) return false;
    Fill(cr, r, FillColor(part >= PP_FILL ? state : PBFS_NORMAL));
    return true;
  }
  return false;
}

bool PaintScrollBarClass(cairo_t* cr, int part, int state, const TThemeRect& r) {
  if (part == SBP_ARROWBTN) {
    if (!InRange(state, 1, 16)) return false;
    ArrowButton(cr, r, state);
    return true;
  }
  if (!InRange(state, 1, 4)) return false;
  switch (part) {
    case SBP_THUMBBTNHORZ: Thumb(cr, r, state, true); return true;
    case SBP_THUMBBTNVERT: Thumb(cr, r, state, false); return true;
    case SBP_LOWERTRACKHORZ:
    case SBP_UPPERTRACKHORZ:
    case SBP_LOWERTRACKVERT:
    case SBP_UPPERTRACKVERT: Fill(cr, r, state == SCRBS_PRESSED ? Hex(0xDADADA) : kTrack); return true;
    case SBP_GRIPPERHORZ: Gripper(cr, r, true); return true;
    case SBP_GRIPPERVERT: Gripper(cr, r, false); return true;
    case SBP_SIZEBOX: Fill(cr, r, kTrack); return true;
  }
  return false;
}

bool PaintEditClass(cairo_t* cr, int part, int state, const TThemeRect& r) {
  if ((part == EP_EDITTEXT || part == EP_BACKGROUND) && InRange(state, 1, 7)) {
    EditBox(cr, r, state);
    return true;
  }
  if (part == EP_CARET) {
    Fill(cr, r, kText);
    return true;
  }
  return false;
}

bool PaintTabClass(cairo_t* cr, int part, int state, const TThemeRect& r) {
  if (InRange(part, TABP_TABITEM, TABP_TOPTABITEMBOTHEDGE) && InRange(state, 1, 5)) {
    TabItem(cr, r, state);
    return true;
  }
  if (part == TABP_PANE) {
    Fill(cr, r, kWhite);
    Frame(cr, r, kTabBorder);
    return true;
  }
  if (part == TABP_BODY) {
    Fill(cr, r, kWhite);
    return true;
  }
  return false;
}
