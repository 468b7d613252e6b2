// The component styles' looks of the table drop-downs.

#include "controls/ColGridStyle.h"

#include <iterator>

namespace {

constexpr TColor Keep = clDefault, None = clNone;

struct TColGridStyle {
  TColor Header, HeaderTo;
  TSelectionColorStyle Selection;
  TColor Font;  // Keep: the header font keeps its colour
  TColor Line;
  bool System;  // a selected row in the system's highlight colours
};

// By TQGSStyle.
const TColGridStyle Styles[] = {
    /* tsOffice2003Blue */ {0xD68759, 0x933803, scOffice2007, 0xFFFFFF, 0x962D00, false},
    /* tsOffice2003Silver */ {0xBDA4A5, 0x957475, scOffice2007, Keep, 0x947C7C, false},
    /* tsOffice2003Olive */ {0x82C0AF, 0x447A63, scOffice2007, Keep, 0x588060, false},
    /* tsOffice2003Classic */ {0x808080, 0x808080, scOffice2007, Keep, 0x808080, false},
    /* tsOffice2007Luna */ {0xFFEFE3, 0xFFD2AF, scOffice2007, 0x723708, 0xFFD2AF, false},
    /* tsOffice2007Obsidian */ {0xF2F1F0, 0xC9C2BD, scOffice2007, 0x433C37, 0x5C534C, false},
    /* tsWindowsXP */ {clBtnFace, clBtnFace, scCustom, 0, 0xC0C0C0, true},
    /* tsWhidbey */ {0xEBEEEF, 0x7E9898, scOffice2007, 0xFFFFFF, 0x962D00, false},
    /* tsCustom */ {},
    /* tsOffice2007Silver */ {0xF8F7F6, 0xE8E0DB, scOffice2007, 0x8B4215, 0x74706F, false},
    /* tsWindowsVista */ {0xFFFDF9, 0xFFFAF0, scWindowsVista, 0, 0xFCF2DA, false},
    /* tsWindows7 */ {0xFDFBFA, 0xFDF3EB, scWindows7, 0, 0xFBD6B8, false},
    /* tsTerminal */ {clBtnFace, clBtnFace, scCustom, 0, 0x808080, true},
    /* tsOffice2010Blue */ {0xEDDBCD, None, scCustom, 0x5B391E, 0xEEDDCF, false},
    /* tsOffice2010Silver */ {0xEDE9E5, None, scCustom, 0x5B391E, 0xEEDDCF, false},
    /* tsOffice2010Black */ {0x828282, None, scCustom, 0xD7D7D6, 0xEEDDCF, false},
};

}  // namespace

void ApplyColGridStyle(TExtCustomDropDown& D, TColGridLook& Look, TColor& SelectionTextColor, TQGSStyle AStyle) {
  if (AStyle == tsCustom || size_t(AStyle) >= std::size(Styles)) return;
  const TColGridStyle& s = Styles[AStyle];
  // The selection colour style sets line colours of its own; the style's lines win.
  D.SetSelectionColorStyleValue(s.Selection);
  Look.SetHeaderColor(s.Header);
  Look.SetHeaderColorTo(s.HeaderTo);
  if (s.Font != Keep) Look.HeaderFont()->SetColor(s.Font);
  Look.SetLineColor(s.Line);
  Look.SetFixedLineColor(AStyle == tsWindowsXP ? TColor(0) : s.Line);
  if (s.System) {
    D.SetSelectionColor(clHighlight);
    D.SetSelectionColorTo(clHighlight);
    SelectionTextColor = clHighlightText;
    return;
  }
  if (AStyle >= tsOffice2010Blue) {
    D.SetSelectionColor(TColor(0x6CD0FF));
    D.SetSelectionColorTo(TColor(0x6CD0FF));
  }
  SelectionTextColor = TColor(0);
}

void TakeSelectionStyleLines(TColGridLook& Look, TSelectionColorStyle Style) {
  if (Style == scOffice2007) {
    Look.SetLineColor(TColor(0xF1EDEB));
    Look.SetFixedLineColor(TColor(0xD1BBA4));
  } else if (Style == scWindowsVista || Style == scWindows7) {
    Look.SetLineColor(TColor(0xECECF0));
    Look.SetFixedLineColor(TColor(0xD4D2D1));
  }
}
