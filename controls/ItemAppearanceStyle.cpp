// The drop-down base's component styles for the cells of an item selector.

#include "controls/ExtDropDown.h"
#include "controls/ExtItemSelector.h"

namespace {

constexpr TColor N = clNone;

struct TCellStyle {
  TColor Hot, HotTo, MirrorHot, MirrorHotTo, Selected, SelectedTo, MirrorSelected, MirrorSelectedTo;
  TColor Border, Top, Bottom, Edge;
};

constexpr TCellStyle Office2003{0xEBFDFF, 0xACECFF, 0x59DAFF, 0xA4E9FF, 0xAAD9FF, 0x6EBBFF,
                                0x42AEFE, 0x7AE1FE, 0x42AEFE, N,        N,        N};
constexpr TCellStyle Office2007{0xEBFDFF, 0xACECFF, 0x59DAFF, 0xA4E9FF, 0xAAD9FF, 0x6EBBFF,
                                0x42AEFE, 0x7AE1FE, 0x42AEFE, 0xF4FEFF, 0xCAF8FF, 0xC3D9DF};
constexpr TCellStyle Office2010{0xD9F9FD, 0x8AE3FD, 0x8AE3FD, 0xD9F9FD, 0x7BEEFF, 0x6CD0FF,
                                0x6CD0FF, 0x7BEEFF, 0x308AC2, N,        N,        N};

TCellStyle CellStyleOf(TQGSStyle s) {
  switch (s) {
    case tsOffice2003Blue:
    case tsOffice2003Silver:
    case tsOffice2003Olive:
    case tsWhidbey: return Office2003;
    case tsOffice2007Luna:
    case tsOffice2007Obsidian:
    case tsOffice2007Silver: return Office2007;
    case tsOffice2003Classic: return {0xD2BDB6, 0xD2BDB6, N, N, 0xB59285, 0xB59285, N, N, 0x808080, N, N, N};
    case tsWindowsXP: return {0xEFD3C6, 0xEFD3C6, N, N, clHighlight, N, N, N, clHighlight, N, N, N};
    case tsWindowsVista:
      return {0xFFFDF9, 0xFFFAF0, N, N, 0xFEF9F0, 0xFDF0D7, N, N, 0xFEDF9A, 0xFDFBF6, 0xFDF5E7, 0xFCEDCB};
    case tsWindows7:
      return {0xFDFBFA, 0xFDF3EB, N, N, 0xFCEBDC, 0xFCDBC1, N, N, 0xCEA27D, 0xFDF4EB, 0xFDEADB, 0xE0C5AE};
    case tsTerminal: return {0xC0C0C0, 0xC0C0C0, N, N, clHighlight, N, N, N, 0x808080, N, N, N};
    case tsOffice2010Blue:
    case tsOffice2010Silver:
    case tsOffice2010Black:
    case tsCustom: return Office2010;
  }
  return Office2010;
}

}  // namespace

void TExtCustomDropDown::SetItemAppearanceStyle(TItemAppearance* Appearance, TQGSStyle AStyle) {
  if (Appearance == nullptr || AStyle == tsCustom) return;
  TItemAppearance& a = *Appearance;
  a.BorderColorHot = a.BorderColorSelected = clNone;
  a.ColorSelectedText = a.ColorHotText = TColor(0);
  const TCellStyle c = CellStyleOf(AStyle);
  a.ColorHot = c.Hot, a.ColorHotTo = c.HotTo, a.ColorMirrorHot = c.MirrorHot, a.ColorMirrorHotTo = c.MirrorHotTo;
  a.ColorSelected = c.Selected, a.ColorSelectedTo = c.SelectedTo;
  a.ColorMirrorSelected = c.MirrorSelected, a.ColorMirrorSelectedTo = c.MirrorSelectedTo;
  a.BorderColor = c.Border, a.BorderColorTop = c.Top, a.BorderColorBottom = c.Bottom, a.EdgeColor = c.Edge;
  if (AStyle == tsWindowsXP || AStyle == tsTerminal) a.ColorSelectedText = clHighlightText;
}
