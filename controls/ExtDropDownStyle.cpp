// The drop-down edit base: component styles, colour tones and selection colours.

#include "controls/ExtDropDown.h"
#include "grid/foundation/ExtUtil.h"

namespace {

constexpr TColor N = clNone;
constexpr TColor Keep = TColor(0x7FFFFFFF);  // the style leaves the value as it is

struct TPopupStyle {
  TColor Color, ColorTo, BorderColor;
  TColor HeaderColor, HeaderColorTo, HeaderFont, HeaderBorder;
  TColor FooterColor, FooterColorTo, FooterBorder;  // Keep: as the header
};

// Indexed by TQGSStyle; tsCustom (8) is never read.
const TPopupStyle PopupStyles[16] = {
    {0xFFFFFF, N, Keep, 0xFCE1CB, 0xE0A57D, 0x000000, 0x000000, Keep, Keep, 0x962D00},
    {0xFFFFFF, N, Keep, 0xECE2E1, 0xB39698, 0x000000, 0x947C7C, Keep, Keep, Keep},
    {0xFFFFFF, N, N, 0xCFF0EA, 0x8CC0B1, 0x000000, 0x588060, Keep, Keep, Keep},
    {0xF2F2F2, 0xF2F2F2, N, 0x808080, 0x808080, 0xFFFFFF, 0x808080, Keep, Keep, Keep},
    {0xF3E5DA, 0xF0DED0, N, 0xFFEFE3, 0xFFD2AF, 0x723708, 0xFFD2AF, Keep, Keep, Keep},
    {0xFFFFFF, N, N, 0xF2F1F0, 0xC9C2BD, 0x433C37, 0x5C534C, Keep, Keep, Keep},
    {0xFFFFFF, N, Keep, 0xFFFFFF, clBtnFace, 0x000000, 0x808080, Keep, Keep, Keep},
    {0xF5F9FA, 0xF5F9FA, N, 0xEBEEEF, 0x7E9898, 0xFFFFFF, 0x962D00, Keep, Keep, Keep},
    {},
    {0xF8F4F1, 0xF0E8E3, N, 0xF8F7F6, 0xE8E0DB, 0x8B4215, 0x74706F, Keep, Keep, Keep},
    {0xFFFFFF, 0xFFFFFF, 0x979797, 0xFFFDF9, 0xFFFAF0, 0x000000, 0xFCF2DA, 0xFFFAF0, 0xFFFDF9, Keep},
    {0xFFFFFF, 0xFFFFFF, 0x979797, 0xFDFBFA, 0xFDF3EB, 0x000000, 0xFBD6B8, Keep, Keep, Keep},
    {0xFFFFFF, 0xFFFFFF, 0x808080, clBtnFace, clBtnFace, 0x000000, N, Keep, Keep, Keep},
    {0xFFFFFF, 0xF1EFED, 0xEDEDEC, 0xFDF6EF, 0xF0DAC7, 0x5B391E, 0xC7B29F, Keep, Keep, Keep},
    {0xFFFFFF, 0xF1EFED, 0xEDEDEC, 0xFFFFFF, 0xEDE5E0, 0x5B391E, 0xD2CDC8, Keep, Keep, Keep},
    {0xFFFFFF, 0xF1EFED, 0xEDEDEC, 0xBFBFBF, 0x919191, 0xD7D7D6, 0x6D6D6D, Keep, Keep, Keep},
};

// The fourteen button colours in the order they are written.
struct TButtonStyle14 {
  TColor Color, ColorTo, BorderColor, ColorHot, ColorHotTo, BorderColorHot, ColorDown, ColorDownTo,
      BorderColorDown, ColorDisabled, ColorDisabledTo, ColorChecked, ColorCheckedTo, BorderColorChecked;
};

TButtonStyle14 Office(TColor c, TColor to) {
  return {c,        to,       N,        0xEBFDFF, 0xACECFF, 0x99CEDB, 0xAAD9FF,
          0x6EBBFF, 0x42AEFE, 0xF2F2F2, 0xB6B6B6, 0x76AFF1, 0x4190F3, 0x45667B};
}

TButtonStyle14 Office2010(TColor c, TColor to, TColor border) {
  return {c, to, border, 0x8AE3FD, N, 0x58CAF1, 0x6CD0FF, N, 0x308AC2, 0xF2F2F2, 0xB6B6B6, 0x45E1FE, N, 0x4FA0CE};
}

TButtonStyle14 ButtonStyleOf(TQGSStyle s) {
  switch (s) {
    case tsOffice2003Blue: return Office(0xFCE1CB, 0xE0A57D);
    case tsOffice2003Silver: return Office(0xECE2E1, 0xB39698);
    case tsOffice2003Olive: return Office(0xCFF0EA, 0x8CC0B1);
    case tsOffice2007Luna: return Office(0xFFEFE3, 0xFFDDC4);
    case tsOffice2007Obsidian: return Office(0xF2F1F0, 0xC9C2BD);
    case tsWhidbey: return Office(0xFFFFFF, 0xDFEDF0);
    case tsOffice2007Silver: return Office(0xF9F8F8, 0xE4E2DF);
    case tsOffice2010Blue: return Office2010(0xFDF6EF, 0xF0DAC7, 0xC7B29F);
    case tsOffice2010Silver: return Office2010(0xFFFFFF, 0xEDE5E0, 0xD2CDC8);
    case tsOffice2010Black: return Office2010(0xBFBFBF, 0x919191, 0xD7D7D6);
    case tsOffice2003Classic:
      return {0xFFFFFF, 0xC9D1D5, N,        0xD2BDB6, 0xD2BDB6, 0x808080, 0xB59285,
              0xB59285, 0x808080, 0xD8D5D4, 0xD8D5D4, 0xD8D5D4, 0xD8D5D4, 0x808080};
    case tsWindowsXP:
      return {0xFFFFFF,          clBtnFace,         N,           0xEFD3C6, 0xEFD3C6, clHighlight, clInactiveCaption,
              clInactiveCaption, clHighlight,       0xB6B6B6,    0xB6B6B6, 0xB9D8DC, 0xB9D8DC,    0x000000};
    // The checked border is the eight-digit value as stored.
    case tsWindowsVista:
      return {0xFFFDF9, 0xFFFAF0, 0xFCF2DA, 0xFEF9F0, 0xFFFAF0, 0xFCF2DA, 0xFEF9F0,
              0xFDF0D7, 0xFEDF9A, 0xFFFFFF, 0xFFFFFF, 0xFEF9F0, 0xFDF0D7, TColor(0x0FEDF9AB)};
    case tsWindows7:
      return {0xFDFBFA, 0xFDF3EB, 0xFBD6B8, 0xFDFBFA, 0xFDF3EB, 0xFBD6B8, 0xFCEBDC,
              0xFCDBC1, 0xCEA27D, 0xFFFFFF, 0xFFFFFF, 0xFEF9F0, 0xFCDBC1, 0xCEA27D};
    case tsTerminal:
      return {clBtnFace,   clBtnFace, N,         0xC0C0C0,  0xC0C0C0,  0x808080, clHighlight,
              clHighlight, 0x808080,  clBtnFace, clBtnFace, clBtnFace, clBtnFace, clHighlight};
    default: return {};
  }
}

template <class A>
void StyleStrip(A& a, TColor color, TColor colorTo, TColor font, TColor border) {
  a.SetColor(color);
  a.SetColorTo(colorTo);
  a.Font()->SetColor(font);
  a.SetBorderColor(border);
}

TColor Or(TColor v, TColor header) { return v == Keep ? header : v; }

}  // namespace

void TExtCustomDropDown::SetComponentStyle(TQGSStyle AStyle) {
  FQGSStyle = AStyle;
  if (AStyle == tsCustom) return;
  const TPopupStyle& p = PopupStyles[AStyle];
  SetDropDownColor(p.Color);
  FDropDownColorTo = p.ColorTo;
  if (p.BorderColor != Keep) FDropDownBorderColor = p.BorderColor;
  StyleStrip(*FDropDownHeader, p.HeaderColor, p.HeaderColorTo, p.HeaderFont, p.HeaderBorder);
  StyleStrip(*FDropDownFooter, Or(p.FooterColor, p.HeaderColor), Or(p.FooterColorTo, p.HeaderColorTo), p.HeaderFont,
             Or(p.FooterBorder, p.HeaderBorder));
  const TButtonStyle14 b = ButtonStyleOf(AStyle);
  TExtButtonAppearance& a = *FButtonAppearance;
  a.SetColor(b.Color);
  a.SetColorTo(b.ColorTo);
  a.SetBorderColor(b.BorderColor);
  a.SetColorHot(b.ColorHot);
  a.SetColorHotTo(b.ColorHotTo);
  a.SetBorderColorHot(b.BorderColorHot);
  a.SetColorDown(b.ColorDown);
  a.SetColorDownTo(b.ColorDownTo);
  a.SetBorderColorDown(b.BorderColorDown);
  a.SetColorDisabled(b.ColorDisabled);
  a.SetColorDisabledTo(b.ColorDisabledTo);
  a.SetColorChecked(b.ColorChecked);
  a.SetColorCheckedTo(b.ColorCheckedTo);
  a.SetBorderColorChecked(b.BorderColorChecked);
}

void TExtCustomDropDown::SetColorTones(const TColorTones& ATones) {
  FButton->ButtonColor = ATones.Background.BrushColor;
  FButton->ButtonColorHot = ATones.Hover.BrushColor;
  FButton->ButtonColorDown = ATones.Selected.BrushColor;
  FButton->ButtonBorderColor = ATones.Background.BorderColor;
  SetBorderColor(ATones.Background.BorderColor);
}

void TExtCustomDropDown::SetSelectionColorStyle(TSelectionColorStyle Value) {
  FSelectionColorStyle = Value;
  switch (Value) {
    case scOffice2007: FSelectionColor = TColor(0xD7FFFD), FSelectionColorTo = TColor(0x58D4FC); break;
    case scWindowsVista: FSelectionColor = TColor(0xFDF8F1), FSelectionColorTo = TColor(0xFCEFD5); break;
    case scWindows7: FSelectionColor = TColor(0xFCEBDC), FSelectionColorTo = TColor(0xFCDBC1); break;
    case scCustom: break;
  }
}

void TExtCustomDropDown::DrawSelectionBackground(TCanvas* Canvas, const TRect& Rect, TColor CornerColor,
                                                 int CornerKind) {
  struct Face {
    TColor MirrorFrom, MirrorTo, Upper, Lower, Outer, Corner;
  };
  static const Face faces[] = {{},
                               {0x58D4FC, 0xB3F1FC, 0xF4FEFF, 0xCAF8FF, 0x8DD7D3, 0xC3D9DF},
                               {N, N, 0xFDFBF6, 0xFDF5E7, 0xFDDE99, 0xFCEDCB},
                               {N, N, 0xFDF4EB, 0xFDEADB, 0xCEA27D, 0xE0C5AE}};
  if (FSelectionColorStyle == scCustom) {
    Canvas->Brush()->SetStyle(bsSolid);
    Canvas->Brush()->SetColor(FSelectionColor);
    Canvas->Pen()->SetColor(FSelectionColor);
    Canvas->Rectangle(Rect);
    return;
  }
  const Face& f = faces[FSelectionColorStyle];
  DrawRoundedGradientFace(Canvas, FSelectionColor, FSelectionColorTo, f.MirrorFrom, f.MirrorTo, f.Upper, f.Lower,
                          f.Outer, f.Corner, CornerColor, Rect, CornerKind);
}

void TExtCustomDropDown::DrawGradientRect(TCanvas* Canvas, TColor FromColor, TColor ToColor, int Steps,
                                          const TRect& Rect, TGradientDirection Direction) {
  DrawGradient(Canvas, FromColor, ToColor, Steps, Rect, Direction == gdHorizontal);
}
