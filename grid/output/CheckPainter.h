#pragma once
// Check boxes and radio buttons inside grid cells, in every control style:
// glyph resources (csWinXP, csQGS), the look's own glyphs (csGlyph), the
// drawn csBorland box and diamond, the theme (csTheme, classic when themes
// are off) and the classic frame control (csClassic, csFlat).

#include <string>

#include "grid/output/ControlLook.h"
#include "toolkit/rtl/Types.h"

class TCanvas;
class TStrings;

// The resource glyph a style draws a box (radio button) with; empty for the
// styles that draw without one. A grayed box shows the unchecked glyph.
std::string CheckBoxGlyphName(TCellControlStyle Style, bool Checked, bool Enabled);
std::string RadioGlyphName(TCellControlStyle Style, bool On, bool Enabled);
// csTheme needs active themes; otherwise it is drawn classic.
TCellControlStyle EffectiveControlStyle(TCellControlStyle Style, bool ThemesActive);

// One box in R (its top-left for the glyph styles; centred for the frame
// control). Enabled is forced by the look's NoDisabledCheckRadioLook and
// CheckAlwaysActive.
void PaintCheckBox(TCanvas* Canvas, const TRect& R, bool Checked, bool Enabled, bool Grayed,
                   TCellControlStyle Style, const TControlLook& Look, bool ThemesActive);

struct TRadioGroupPaint {
  int Count = 0;
  int Index = -1;          // the item that is on; -1: the item whose text is CellText
  bool Horizontal = false;
  bool Disabled = false;
  const TStrings* Items = nullptr;
  std::string CellText;
  TColor TextColor = clNone;  // item texts' colour when set (a selected cell)
  double Scale = 1.0;
  bool Upward = false;
};

void DrawRadioButtons(TCanvas* Canvas, const TRect& R, const TRadioGroupPaint& Group, TCellControlStyle Style,
                       const TControlLook& Look, bool ThemesActive);
