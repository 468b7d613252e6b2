// The grid's two layers of colour presets: the look (how fixed cells are
// drawn, with the selection and fixed colours that go with it) and the
// component style (the colour scheme of an Office or Windows version), plus
// flat colour tones, the small XP schemes and following the desktop's
// Office theme.

#include "controls/ExtDropDown.h"
#include "grid/core/ExtGrid.h"
#include "grid/foundation/ExtUtil.h"

namespace {

constexpr TColor C(uint32_t BGR) { return static_cast<TColor>(BGR); }

// One row of the style table: the look it switches to (glCustom: left as
// it is), the fixed-face colours, the active cell, the selection and the
// grid lines. clNone in MirrorFrom/MirrorTo writes clNone; Keep leaves the
// value alone.
constexpr TColor Keep = static_cast<TColor>(0x1FFFFFFE);

}  // namespace

struct TGridStyleColors {
  TQGSStyle Style;
  TGridLook Look;
  TColor From, To, MirrorFrom, MirrorTo;
  TColor Active, ActiveTo;
  TColor Selection, SelectionTo, SelectionText;
  TColor GridLine, FixedLine;
};

namespace {

const TGridStyleColors kStyles[] = {
    {tsOffice2003Blue, glXP, C(0xFCE1CB), C(0xE0A57D), clNone, clNone, C(0x94E6FB), C(0x1595EE), C(0x94E6FB),
     C(0x1595EE), clBlack, C(0xC0C0C0), C(0x808080)},
    {tsOffice2003Silver, glXP, C(0xECE2E1), C(0xB39698), clNone, clNone, C(0x94E6FB), C(0x1595EE), C(0x94E6FB),
     C(0x1595EE), clBlack, C(0xC0C0C0), C(0x808080)},
    {tsOffice2003Olive, glXP, C(0xCFF0EA), C(0x8CC0B1), clNone, clNone, C(0x94E6FB), C(0x1595EE), C(0x94E6FB),
     C(0x1595EE), clBlack, C(0xC0C0C0), C(0x808080)},
    {tsOffice2003Classic, glXP, C(0xFFFFFF), C(0xCCD4D8), clNone, clNone, C(0xD8D5D4), C(0xD8D5D4), clHighlight,
     clNone, clHighlightText, C(0xC0C0C0), C(0x808080)},
    {tsOffice2007Luna, glOffice2007, C(0xFBF9F6), C(0xE8DBD2), clNone, clNone, C(0x9DD8F9), C(0x5EC1F1),
     C(0x5EC1F1), clNone, clBlack, C(0xF1EDEB), C(0xD1BBA4)},
    {tsOffice2007Obsidian, glOffice2007, C(0xF7F7F7), C(0xDEDEDE), clNone, clNone, C(0x9DD8F9), C(0x5EC1F1),
     C(0x5EC1F1), clNone, clBlack, C(0xE5D7D0), C(0x808080)},
    {tsWindowsXP, glXP, clBtnFace, clBtnFace, clNone, clNone, clBtnFace, clBtnFace, clHighlight, clNone,
     clHighlightText, C(0xC0C0C0), C(0x808080)},
    {tsWhidbey, glCustom, C(0xFFFFFF), clBtnFace, clNone, clNone, C(0x94E6FB), C(0x1595EE), clHighlight, clNone,
     clHighlightText, C(0xC0C0C0), C(0x808080)},
    {tsOffice2007Silver, glOffice2007, C(0xF3F3F1), C(0xCAC9C8), Keep, Keep, C(0x99CCFF), C(0x699CFF),
     C(0x95C7F5), clNone, clBlack, C(0xE5D7D0), C(0x808080)},
    {tsWindowsVista, glVista, C(0xFFFFFF), C(0xFFFFFF), C(0xFAF8F7), C(0xF4F2F1), C(0xFDF8F1), C(0xFCEFD5),
     C(0xEACAB6), clNone, clBlack, C(0xECECF0), C(0xD4D2D1)},
    {tsWindows7, glWin7, C(0xFDFCFA), C(0xFAF0E6), C(0xF4E6DC), C(0xF7E9DD), C(0xFCEBDC), C(0xFCDBC1),
     C(0xEACAB6), clNone, clBlack, C(0xECECF0), C(0xD4D2D1)},
    {tsOffice2010Blue, glOffice2007, C(0xF5E7DA), C(0xF5E7DA), C(0xF5E7DA), C(0xF5E7DA), C(0x5BD5FF),
     C(0x71EFFF), C(0xFFDBB7), clNone, clBlack, C(0xC0C0C0), C(0xC7B0A0)},
    {tsOffice2010Silver, glOffice2007, C(0xE8E3DF), C(0xE8E3DF), C(0xE8E3DF), C(0xE8E3DF), C(0x5BD5FF),
     C(0x71EFFF), C(0xFFDBB7), clNone, clBlack, C(0xC0C0C0), C(0xBAB5B1)},
    {tsOffice2010Black, glOffice2007, C(0x6A6A6A), C(0x6A6A6A), C(0x6A6A6A), C(0x6A6A6A), C(0x5BD5FF),
     C(0x71EFFF), C(0xFFDBB7), clNone, clBlack, C(0xC0C0C0), C(0x444444)},
};

const TGridStyleColors* StyleRow(TQGSStyle Style) {
  for (const TGridStyleColors& r : kStyles)
    if (r.Style == Style) return &r;
  return nullptr;
}

struct TFaceSet {
  TColor From, To, MirrorFrom, MirrorTo, Border;
};

using TFaceSetter = void (TControlLook::*)(TColor);
constexpr TFaceSetter kHoverSetters[] = {
    &TControlLook::SetFixedGradientHoverFrom, &TControlLook::SetFixedGradientHoverTo,
    &TControlLook::SetFixedGradientHoverMirrorFrom, &TControlLook::SetFixedGradientHoverMirrorTo,
    &TControlLook::SetFixedGradientHoverBorder};
constexpr TFaceSetter kDownSetters[] = {
    &TControlLook::SetFixedGradientDownFrom, &TControlLook::SetFixedGradientDownTo,
    &TControlLook::SetFixedGradientDownMirrorFrom, &TControlLook::SetFixedGradientDownMirrorTo,
    &TControlLook::SetFixedGradientDownBorder};

// The hover or pressed face of the control look; a Keep border stays.
void SetFaces(TControlLook* L, const TFaceSetter (&Setters)[5], const TFaceSet& F) {
  const TColor values[] = {F.From, F.To, F.MirrorFrom, F.MirrorTo, F.Border};
  const TColor* value = values;
  for (TFaceSetter set : Setters) {
    if (*value != Keep) (L->*set)(*value);
    ++value;
  }
}

void SetHover(TControlLook* L, const TFaceSet& F) { SetFaces(L, kHoverSetters, F); }
void SetDown(TControlLook* L, const TFaceSet& F) { SetFaces(L, kDownSetters, F); }

const char* const kLookNames[] = {"glStandard", "glSoft", "glClassic", "glQGS", "glXP",
                                  "glListView", "glVista", "glWin7", "glOffice2007"};
const char* const kLookDisplayNames[] = {"Standard", "Soft", "Classic", "QGS", "Windows XP",
                                         "ListView", "Windows Vista", "Windows 7", "Office2007"};

// Where the grid learns the desktop's Office theme. This platform has no
// Office, so the theme is unknown; tests put one in.
TOfficeTheme NoOfficeTheme() { return otUnknown; }

}  // namespace

std::function<TOfficeTheme()> TExtStringGrid::OfficeThemeSource = NoOfficeTheme;

void TExtStringGrid::LookToString(TGridLook Look, std::string& Text) {
  if (Look >= glStandard && Look < glCustom) Text = kLookNames[Look];
}

void TExtStringGrid::LookToDisplayName(TGridLook Look, std::string& Text) {
  if (Look >= glStandard && Look < glCustom) Text = kLookDisplayNames[Look];
}

void TExtStringGrid::SetLook(TGridLook Value) {
  if (Value == FLook) return;
  FLook = Value;
  const bool loading = ComponentState().Contains(csLoading);
  if (Value != glCustom) {
    FControlLook.SetFixedGradientMirrorFrom(clNone);
    FControlLook.SetFixedGradientMirrorTo(clNone);
    FControlLook.SetFixedGradientFrom(clNone);
    FControlLook.SetFixedGradientTo(clNone);
    FFixedFaces.From = FFixedFaces.To = FFixedFaces.MirrorFrom = FFixedFaces.MirrorTo = clNone;
    FSortSettings.SetHeaderColor(clNone);
  }
  switch (Value) {
    case glVista:
      SetStyle(tsWindowsVista);
      FStyle = tsWindowsVista;
      SetSelectionStyle(ssVista);
      break;
    case glWin7:
      SetStyle(tsWindows7);
      FStyle = tsWindows7;
      SetSelectionStyle(ssWin7);
      break;
    case glOffice2007:
      SetStyle(tsOffice2007Luna);
      FStyle = tsOffice2007Luna;
      SetSelectionStyle(ssOffice2007);
      break;
    case glCustom: break;
    default: applyPlainLook(Value, loading); break;
  }
  SetScrollType(ssNormal);
  SetBorderStyle(bsSingle);
  SetBorderColor(C(0xB99D7F));
  Invalidate();
  if (!loading) AllFootersChanged();
}

// The looks that keep the XP colour scheme of the editors: plain faces for
// the classic ones, the white-to-grey gradient and its hover and pressed
// faces for glQGS and glXP.
void TExtStringGrid::applyPlainLook(TGridLook Value, bool Loading) {
  if (!ComponentState().Contains(csDesigning)) SetEditorsComponentStyle(tsWindowsXP);
  SetSelectionStyle(ssDefault);
  const bool classic = Value == glStandard || Value == glSoft || Value == glClassic;
  if (!Loading) {
    TColor from = C(0xFFFFFF), to = clBtnFace;
    if (classic) {
      SetFixedColor(clBtnFace);
      from = clBtnFace;
      to = clNone;
    }
    FControlLook.SetFixedGradientFrom(from);
    FControlLook.SetFixedGradientTo(to);
  }
  FControlLook.SetFixedGradientMirrorFrom(clNone);
  FControlLook.SetFixedGradientMirrorTo(clNone);
  FFixedFaces.MirrorFrom = FFixedFaces.MirrorTo = clNone;
  SetGridFixedLineColor(C(0x808080));
  SetGridLineColor(C(0xC0C0C0));
  if (classic || Value == glListView) {
    SetActiveCellColor(C(0x808080));
    SetActiveCellColorTo(clNone);
    SetSelectionColor(clHighlight);
    SetSelectionTextColor(clHighlightText);
    FSearchFooter->SetColor(clBtnFace);
    FSearchFooter->SetColorTo(clBtnFace);
    return;
  }
  SetActiveCellColor(C(0xEACAB6));
  SetActiveCellColorTo(clNone);
  SetSelectionColor(C(0xEACAB6));
  SetSelectionColorTo(clNone);
  SetSelectionTextColor(clBlack);
  FSearchFooter->SetColor(QGSGradientFrom());
  FSearchFooter->SetColorTo(QGSGradientTo());
  FControlLook.SetFixedGradientFrom(C(0xFFFFFF));
  FControlLook.SetFixedGradientTo(Value == glXP ? clBtnFace : C(0xC0C0C0));
  SetHover(&FControlLook, {C(0xCFD0D1), C(0xBEC6C8), C(0xBEC6C8), C(0xABBCBF), Keep});
  SetDown(&FControlLook, {C(0x868788), C(0x737C7E), C(0x737C7E), C(0x627376), Keep});
}

void TExtStringGrid::SetStyle(TQGSStyle AStyle) {
  SetSelectionColor(clHighlight);
  SetSelectionColorTo(clNone);
  SetSelectionTextColor(clHighlightText);
  SetSelectionStyle(ssDefault);
  FSortSettings.SetHeaderColor(clNone);
  FSortSettings.SetHeaderColorTo(clNone);
  FSortSettings.SetHeaderMirrorColor(clNone);
  FSortSettings.SetHeaderMirrorColorTo(clNone);
  FControlLook.Init();
  if (AStyle == tsTerminal) SetLook(glStandard);
  if (const TGridStyleColors* row = StyleRow(AStyle)) applyStyleRow(*row);
  Invalidate();
}

// The colours of one style: its look first (which does its own work only
// when the look changes), then the faces, the active cell, the selection,
// the lines and what is particular to the style; the search footer last.
void TExtStringGrid::applyStyleRow(const TGridStyleColors& S) {
  if (S.Look != glCustom) SetLook(S.Look);
  if (S.Style == tsWindowsXP) SetLook(glXP);
  FFixedFaces.From = ColorToRGB(S.From);
  FFixedFaces.To = ColorToRGB(S.To);
  if (S.MirrorFrom != Keep) FFixedFaces.MirrorFrom = S.MirrorFrom == clNone ? clNone : ColorToRGB(S.MirrorFrom);
  if (S.MirrorTo != Keep) FFixedFaces.MirrorTo = S.MirrorTo == clNone ? clNone : ColorToRGB(S.MirrorTo);
  SetActiveCellColor(S.Active);
  SetActiveCellColorTo(S.ActiveTo);
  SetSelectionColor(S.Selection);
  SetSelectionColorTo(S.SelectionTo);
  SetSelectionTextColor(S.SelectionText);
  SetGridLineColor(S.GridLine);
  SetGridFixedLineColor(S.FixedLine);
  switch (S.Style) {
    case tsOffice2003Blue: case tsOffice2003Silver: case tsOffice2003Olive: case tsOffice2007Obsidian:
    case tsOffice2007Silver:
      FControlLook.SetFixedGradientFrom(S.From);
      FControlLook.SetFixedGradientTo(S.To);
      break;
    case tsOffice2007Luna:
      FControlLook.SetFixedGradientFrom(S.From);
      FControlLook.SetFixedGradientTo(S.To);
      SetHover(&FControlLook, {C(0xE4E2DF), C(0xDBD3CD), C(0xDBD3CD), C(0xD2C5BC), C(0xB79F87)});
      SetDown(&FControlLook, {C(0xE4C19D), C(0xE4C19D), C(0xE4C19D), C(0xE4C19D), C(0xE4C19D)});
      if (FLook == glOffice2007) SetSelectionStyle(ssOffice2007);
      break;
    case tsOffice2003Classic: case tsWindowsXP: case tsWhidbey:
      FControlLook.SetFixedGradientFrom(clNone);
      FControlLook.SetFixedGradientTo(clNone);
      break;
    case tsWindowsVista: applyVistaFaces(); break;
    case tsWindows7: applyWin7Faces(); break;
    default: applyOffice2010Faces(S); break;
  }
  applyStyleFooter(S);
}

void TExtStringGrid::applyStyleFooter(const TGridStyleColors& S) {
  switch (S.Style) {
    case tsOffice2003Classic:
      FSearchFooter->SetColor(C(0xFFFFFF));
      FSearchFooter->SetColorTo(C(0xD8D5D4));
      break;
    case tsWhidbey:
      FSearchFooter->SetColor(C(0xEBEEEF));
      FSearchFooter->SetColorTo(C(0x7E9898));
      break;
    default: break;
  }
  FSearchFooter->SetColor(QGSGradientFrom());
  FSearchFooter->SetColorTo(QGSGradientMirrorTo());
}

// The face colours and the look's mirrors taken over from the grid's.
void TExtStringGrid::copyFacesToLook() {
  FControlLook.SetFixedGradientFrom(FFixedFaces.From);
  FControlLook.SetFixedGradientTo(FFixedFaces.To);
  FControlLook.SetFixedGradientMirrorFrom(FFixedFaces.MirrorFrom);
  FControlLook.SetFixedGradientMirrorTo(FFixedFaces.MirrorTo);
}

// The sort header colours shared by the Vista and Windows 7 styles; the
// control look's own face is cleared, the grid keeps the forwarded one.
void TExtStringGrid::applyVistaHeaders(TGridSelectionStyle Selection) {
  FSortSettings.SetHeaderColor(C(0xFCF9F2));
  FSortSettings.SetHeaderColorTo(C(0xFCF9F2));
  FSortSettings.SetHeaderMirrorColor(C(0xF9F1E1));
  FSortSettings.SetHeaderMirrorColorTo(C(0xF6ECD8));
  FControlLook.SetFixedGradientFrom(clNone);
  FControlLook.SetFixedGradientTo(clNone);
  SetSelectionStyle(Selection);
}

void TExtStringGrid::applyVistaFaces() {
  FFixedFaces.HoverFrom = FFixedFaces.HoverTo = C(0xFFF7E3);
  FFixedFaces.HoverMirrorFrom = C(0xFFEDBD);
  FFixedFaces.HoverMirrorTo = C(0xFBE7B7);
  FFixedFaces.HoverBorder = C(0xE3C993);
  copyFacesToLook();
  const TFixedFaceColors f = FFixedFaces;
  SetHover(&FControlLook, {f.HoverFrom, f.HoverTo, f.HoverMirrorFrom, f.HoverMirrorTo, f.HoverBorder});
  SetDown(&FControlLook, {C(0xF9E4BC), C(0xF9E4BC), C(0xF7D68D), C(0xF5D18A), C(0xAE904F)});
  applyVistaHeaders(ssVista);
}

void TExtStringGrid::applyWin7Faces() {
  FFixedFaces.HoverFrom = C(0xFDF8F3);
  FFixedFaces.HoverTo = C(0xF9F3EF);
  FFixedFaces.HoverMirrorFrom = FFixedFaces.HoverMirrorTo = clNone;
  FFixedFaces.HoverBorder = C(0xEEE8E3);
  copyFacesToLook();
  SetHover(&FControlLook, {C(0xFEFBF8), C(0xFAF2ED), C(0xF4E4D7), C(0xE8D2C1), Keep});
  SetDown(&FControlLook, {C(0xF1E8DD), C(0xF1E4D8), C(0xECDBCF), C(0xEDDCCF), C(0xD5BCAA)});
  applyVistaHeaders(ssWin7);
}

void TExtStringGrid::applyOffice2010Faces(const TGridStyleColors& S) {
  const TColor header = S.Style == tsOffice2010Blue     ? C(0xD6CEC7)
                        : S.Style == tsOffice2010Silver ? C(0xAAAAAA)
                                                        : C(0xBABABA);
  FFixedFaces.HoverFrom = FFixedFaces.HoverTo = FFixedFaces.HoverMirrorFrom = FFixedFaces.HoverMirrorTo = clNone;
  FFixedFaces.HoverBorder = clNone;
  FControlLook.SetFixedGradientFrom(S.From);
  FControlLook.SetFixedGradientTo(S.To);
  SetHover(&FControlLook, {C(0x6BDFFF), C(0xAFEFFF), C(0xAFEFFF), C(0xE6FCFF), C(0x3ABFE8)});
  SetDown(&FControlLook, {C(0x5BD5FF), C(0x64E0FF), C(0x64E0FF), C(0x71EFFF), C(0x308AC2)});
  FSortSettings.SetHeaderColor(header);
  FSortSettings.SetHeaderColorTo(header);
  FSortSettings.SetHeaderMirrorColor(header);
  FSortSettings.SetHeaderMirrorColorTo(header);
  SetActiveCellColor(C(0x5BD5FF));
  SetActiveCellColorTo(C(0x71EFFF));
  FControlLook.SetFixedGradientFrom(clNone);
  FControlLook.SetFixedGradientTo(clNone);
  SetSelectionStyle(ssDefault);
}

// The style is remembered after it is applied: the look it switches to
// would otherwise leave its own style behind.
void TExtStringGrid::SetComponentStyle(TQGSStyle AStyle) {
  SetStyle(AStyle);
  FStyle = AStyle;
  if (!ComponentState().Contains(csDesigning)) SetEditorsComponentStyle(AStyle);
  if (AStyle != tsCustom && FScrollType == ssMetro) SetScrollType(ssNormal);
}

// Editors made later take the grid's style when they are made.
void TExtStringGrid::SetEditorsComponentStyle(TQGSStyle AStyle) {
  for (TExtCustomDropDown* d : DropDownEditors()) d->SetComponentStyle(AStyle);
}

void TExtStringGrid::SetColorTones(const TColorTones& ATones) {
  FTones = ATones;
  SetLook(glClassic);
  SetFlat(true);
  SetScrollType(ssMetro);
  SetFixedColor(ATones.Foreground.BrushColor);
  FFixedFont.SetColor(ATones.Foreground.TextColor);
  FFixedFont.SetName(GetDefaultFontName());
  Font()->SetName(GetDefaultFontName());
  SetColor(ATones.Background.BrushColor);
  Font()->SetColor(ATones.Background.TextColor);
  SetSelectionColor(ATones.Selected.BrushColor);
  SetSelectionTextColor(ATones.Selected.TextColor);
  SetSelectionColorTo(clNone);
  SetGridLineColor(C(0xE6E6E6));
  SetGridFixedLineColor(ChangeColorPercent(ATones.Foreground.BrushColor, -20));
  SetBorderStyle(bsNone);
  FControlLook.SetControlStyle(csGlyph);
  const std::pair<const char*, void (TControlLook::*)(const TBitmap*)> glyphs[] = {
      {"metrocheckon", &TControlLook::SetCheckedGlyph},
      {"metrocheckoff", &TControlLook::SetUnCheckedGlyph},
      {"metroradiooff", &TControlLook::SetRadioOffGlyph},
      {"metroradioon", &TControlLook::SetRadioOnGlyph}};
  for (const auto& [name, set] : glyphs) {
    TBitmap glyph;
    glyph.LoadFromResourceName(name);
    (FControlLook.*set)(&glyph);
  }
  FControlLook.SetFlatButton(true);
  FFloatingFooter.SetColor(ATones.Foreground.BrushColor);
  FSearchFooter->SetColor(ATones.Foreground.BrushColor);
  FSearchFooter->SetColorTo(ATones.Foreground.BrushColor);
  FCellNode.SetNodeType(cnFlat);
  toneEditors();
  for (TExtCustomDropDown* d : DropDownEditors()) d->SetColorTones(ATones);
}

void TExtStringGrid::SetTheme(TXPColorScheme Scheme) {
  struct TScheme {
    TColor From, To, MirrorFrom, MirrorTo, FooterFrom, FooterTo;
  };
  TScheme s{};
  switch (Scheme) {
    case xpBlue: s = {C(0xFCE1CB), C(0xE0A57D), clNone, clNone, C(0xFCE1CB), C(0xE0A57D)}; break;
    case xpGreen: s = {C(0xCFF0EA), C(0x8CC0B1), clNone, clNone, C(0xCFF0EA), C(0x8CC0B1)}; break;
    case xpGray: s = {C(0xECE2E1), C(0xB39698), clNone, clNone, C(0xECE2E1), C(0xB39698)}; break;
    case vistaAero: s = {C(0xFFFFFF), C(0xFFFFFF), C(0xFAF8F7), C(0xF4F2F1), C(0xECE2E1), C(0xB39698)}; break;
    default:
      FActiveCellColor = C(0xFFFFFF);
      FActiveCellColorTo = C(0xFFD9B3);
      FFixedFaces.From = C(0xFFFFFF);
      FFixedFaces.To = ColorToRGB(clBtnFace);
      FFixedFaces.MirrorFrom = FFixedFaces.MirrorTo = clNone;
      FControlLook.SetFixedGradientFrom(clNone);
      FControlLook.SetFixedGradientTo(clNone);
      FSearchFooter->SetColor(C(0xFFFFFF));
      FSearchFooter->SetColorTo(C(0xFFD9B3));
      return;
  }
  FFixedFaces.From = s.From;
  FFixedFaces.To = s.To;
  FFixedFaces.MirrorFrom = s.MirrorFrom;
  FFixedFaces.MirrorTo = s.MirrorTo;
  FActiveCellColor = C(0x94E6FB);
  FActiveCellColorTo = C(0x1595EE);
  FControlLook.SetFixedGradientFrom(s.From);
  FControlLook.SetFixedGradientTo(FFixedFaces.To);
  FSearchFooter->SetColor(s.FooterFrom);
  FSearchFooter->SetColorTo(s.FooterTo);
}

void TExtStringGrid::AdaptToOfficeTheme() {
  if (ComponentState().Contains(csDesigning)) return;
  const TOfficeTheme theme = OfficeThemeSource ? OfficeThemeSource() : otUnknown;
  if (theme == FOfficeTheme) return;
  static const TQGSStyle kStyleOfTheme[] = {tsOffice2003Blue,   tsOffice2003Silver,   tsOffice2003Olive,
                                            tsOffice2003Classic, tsOffice2007Luna,     tsOffice2007Silver,
                                            tsOffice2007Obsidian, tsOffice2010Blue,    tsOffice2010Silver,
                                            tsOffice2010Black};
  if (theme >= ot2003Blue && theme < otUnknown) SetComponentStyle(kStyleOfTheme[theme]);
  FOfficeTheme = theme;
}
