#include "controls/ExtWatchAppearance.h"

#include <algorithm>

#include "toolkit/rtl/Math.h"

namespace {

void resetFont(TFont& Font, int Size) {
  TFont fresh;
  fresh.SetName("Tahoma");
  fresh.SetSize(Size);
  Font.Assign(&fresh);
}

}  // namespace

TWatchAppearance::TWatchAppearance()
    : FAMPMFont(std::make_unique<TFont>()), FHourFont(std::make_unique<TFont>()),
      FPicture(std::make_unique<TPicture>()) {
  Reset();
}

TWatchAppearance::~TWatchAppearance() { FPicture->OnChange = nullptr; }

void TWatchAppearance::Reset() {
  resetFont(*FAMPMFont, 10);
  resetFont(*FHourFont, 8);
  FPicture = std::make_unique<TPicture>();
  FPicture->OnChange = [this](TObject*) { changed(); };
  FAMPMBorderColor = TColor(0);
  FAMPMColor = TColor(0xFFFFFF);
  FAMPMFrame = apRect;
  FBorderColor = TColor(0);
  FBorderWidth = 4;
  FBackgroundColor = TColor(0xFFFFFF);
  FBackgroundColorTo = clNone;
  FBackgroundGradient = wgVertical;
  FCenterPointBorderColor = clNone;
  FCenterPointOuterBorderColor = clNone;
  FCenterPointColor = TColor(0);
  FCenterPointSize = 4;
  FHourColor = TColor(0);
  FHourMarkLength = 0;
  FHourMarkWidth = 1;
  FHourMarkStyle = hmsLine;
  FHourPointer = TColor(0);
  FHourPointerShadow = clBtnShadow;
  FHourPointerSize = 4;
  FMinuteColor = TColor(0x808080);
  FMinutePointer = TColor(0);
  FMinutePointerShadow = clBtnShadow;
  FMinutePointerSize = 3;
  FMinuteMarkLength = 0;
  FMinuteMarkWidth = 1;
  FPointerStyle = psLine;
  FSecondPointer = TColor(0x0000FF);
  FSecondPointerSize = 1;
  FShape = wsCircle;
  FSize = 0;
  FTickMarks = tmAll;
}

void TWatchAppearance::SetAMPMFont(const TFont* Value) {
  FAMPMFont->Assign(Value);
  changed();
}

void TWatchAppearance::SetHourFont(const TFont* Value) {
  FHourFont->Assign(Value);
  changed();
}

void TWatchAppearance::SetPicture(const TPicture* Value) {
  FPicture->Assign(Value);
  changed();
}

void TWatchAppearance::Assign(const TPersistent* Source) {
  auto* s = dynamic_cast<const TWatchAppearance*>(Source);
  if (s == nullptr) {
    TPersistent::Assign(Source);
    return;
  }
  FSize = s->FSize, FHourPointer = s->FHourPointer, FBackgroundColor = s->FBackgroundColor;
  FMinutePointerShadow = s->FMinutePointerShadow, FBackgroundColorTo = s->FBackgroundColorTo;
  FHourPointerShadow = s->FHourPointerShadow, FSecondPointer = s->FSecondPointer, FBorderColor = s->FBorderColor;
  FMinutePointer = s->FMinutePointer;
  FHourFont->Assign(s->FHourFont.get());
  FAMPMFont->Assign(s->FAMPMFont.get());
  FPicture->Assign(s->FPicture.get());
  FAMPMFrame = s->FAMPMFrame, FShape = s->FShape, FPointerStyle = s->FPointerStyle;
  FHourPointerSize = s->FHourPointerSize, FSecondPointerSize = s->FSecondPointerSize;
  FMinutePointerSize = s->FMinutePointerSize, FHourColor = s->FHourColor, FMinuteColor = s->FMinuteColor;
  FCenterPointSize = s->FCenterPointSize, FCenterPointColor = s->FCenterPointColor;
  FCenterPointBorderColor = s->FCenterPointBorderColor, FBackgroundGradient = s->FBackgroundGradient;
  FHourMarkLength = s->FHourMarkLength, FHourMarkWidth = s->FHourMarkWidth;
  FMinuteMarkLength = s->FMinuteMarkLength, FMinuteMarkWidth = s->FMinuteMarkWidth;
  FBorderWidth = s->FBorderWidth, FAMPMColor = s->FAMPMColor, FAMPMBorderColor = s->FAMPMBorderColor;
  SetCenterPointOuterBorderColor(s->FCenterPointOuterBorderColor);
  SetTickMarks(s->FTickMarks);
  SetHourMarkStyle(s->FHourMarkStyle);
}

// ---- settings

void TWatchSettings::Assign(const TPersistent* Source) {
  auto* s = dynamic_cast<const TWatchSettings*>(Source);
  if (s == nullptr) {
    TPersistent::Assign(Source);
    return;
  }
  FSecond = s->FSecond;
  FTimeOffset = s->FTimeOffset;
  SetAuto(s->FAuto);
}

void TWatchSettings::SetAuto(bool Value) {
  if (Value == FAuto) return;
  FAuto = Value;
  changed();
}

void TWatchSettings::SetTimeOffset(int Value) {
  if (Value == FTimeOffset) return;
  FTimeOffset = Value;
  changed();
}

void TWatchSettings::SetSecond(bool Value) {
  if (Value == FSecond) return;
  FSecond = Value;
  changed();
}

// ---- component styles

namespace {

struct TWatchTones {
  TQGSStyle Style;
  TColor AMPMBorder, AMPM, Background, BackgroundTo, Border, Main, CenterBorder, Center, Shadows, Second;
};

constexpr TWatchTones kTones[] = {
    {tsOffice2003Blue, TColor(0x962D00), TColor(0xD68759), TColor(0xFFD2AF), TColor(0xFFD2AF), TColor(0xD68759),
     TColor(0xD68759), TColor(0xD68759), TColor(0xD68759), TColor(0xFFFFFF), TColor(0xFFFFFF)},
    {tsOffice2003Silver, TColor(0x962D00), TColor(0xBDA4A5), TColor(0xE6D8D8), TColor(0xE6D8D8), TColor(0xBDA4A5),
     TColor(0xBDA4A5), TColor(0xBDA4A5), TColor(0xBDA4A5), TColor(0xFFFFFF), TColor(0xFFFFFF)},
    {tsOffice2003Olive, TColor(0x962D00), TColor(0x82C0AF), TColor(0xB9EAE1), TColor(0xB9EAE1), TColor(0x82C0AF),
     TColor(0x82C0AF), TColor(0x82C0AF), TColor(0x82C0AF), TColor(0xFFFFFF), TColor(0xFFFFFF)},
    {tsOffice2003Classic, TColor(0x962D00), TColor(0x808080), TColor(0xF2F2F2), TColor(0xF2F2F2), TColor(0x808080),
     TColor(0x808080), TColor(0x808080), TColor(0x808080), TColor(0xFFFFFF), TColor(0x808080)},
    {tsOffice2007Luna, TColor(0xF0DED0), TColor(0xF0DED0), TColor(0xFFEFE3), TColor(0xFFEFE3), TColor(0xF0DED0),
     TColor(0x723708), TColor(0xFFEFE3), TColor(0xFFEFE3), TColor(0xFFFFFF), TColor(0x723708)},
    {tsOffice2007Obsidian, TColor(0xF2F1F0), TColor(0x5C534C), TColor(0x5C534C), TColor(0x5C534C),
     TColor(0xF2F1F0), TColor(0xF2F1F0), TColor(0xFFEFE3), TColor(0xFFEFE3), TColor(0xFFFFFF), TColor(0xF2F1F0)},
    {tsWindowsXP, TColor(0), clBtnFace, clBtnFace, clBtnFace, TColor(0), TColor(0), TColor(0), TColor(0),
     TColor(0xFFFFFF), TColor(0)},
    {tsWhidbey, TColor(0x7E9898), TColor(0xF5F9FA), TColor(0xF5F9FA), TColor(0xF5F9FA), TColor(0x7E9898),
     TColor(0x7E9898), TColor(0x7E9898), TColor(0x7E9898), TColor(0xFFFFFF), TColor(0x7E9898)},
    {tsOffice2007Silver, TColor(0xE8E0DB), TColor(0xF8F4F1), TColor(0xF8F4F1), TColor(0xF8F4F1), TColor(0xE8E0DB),
     TColor(0x74706F), TColor(0xE8E0DB), TColor(0x74706F), TColor(0xFFFFFF), TColor(0x74706F)},
    {tsWindowsVista, TColor(0xFEDF9A), TColor(0xFFFDF9), TColor(0xFFFDF9), TColor(0xFFFAF0), TColor(0xFEDF9A),
     TColor(0xFEDF9A), TColor(0xFEDF9A), TColor(0xFEDF9A), TColor(0xFFFFFF), TColor(0xFEDF9A)},
    {tsWindows7, TColor(0xFBD6B8), TColor(0xFDFBFA), TColor(0xFDFBFA), TColor(0xFDF3EB), TColor(0xFBD6B8),
     TColor(0xFBD6B8), TColor(0xFBD6B8), TColor(0xFBD6B8), TColor(0xFFFFFF), TColor(0xFBD6B8)},
    {tsTerminal, TColor(0x808080), clBtnFace, clBtnFace, clBtnFace, TColor(0x808080), TColor(0x808080),
     TColor(0x808080), TColor(0x808080), TColor(0xFFFFFF), TColor(0x808080)},
    {tsOffice2010Blue, TColor(0xC7B29F), TColor(0xF0DAC7), TColor(0xFDF6EF), TColor(0xFDF6EF), TColor(0xC7B29F),
     TColor(0xC7B29F), TColor(0xC7B29F), TColor(0xC7B29F), TColor(0xFFFFFF), TColor(0xC7B29F)},
    {tsOffice2010Silver, TColor(0xD2CDC8), TColor(0xEDE5E0), TColor(0xFFFFFF), TColor(0xFFFFFF), TColor(0xD2CDC8),
     TColor(0xD2CDC8), TColor(0xD2CDC8), TColor(0xD2CDC8), TColor(0xC0C0C0), TColor(0xD2CDC8)},
    {tsOffice2010Black, TColor(0x6D6D6D), TColor(0x919191), TColor(0xBFBFBF), TColor(0xBFBFBF), TColor(0x6D6D6D),
     TColor(0x6D6D6D), TColor(0x6D6D6D), TColor(0x6D6D6D), TColor(0xFFFFFF), TColor(0x6D6D6D)},
};

}  // namespace

void ApplyWatchComponentStyle(TWatchAppearance& a, TQGSStyle AStyle) {
  a.SetCenterPointOuterBorderColor(TColor(0));
  a.HourFont()->SetColor(TColor(0));
  a.AMPMFont()->SetColor(TColor(0));
  const TWatchTones* t = nullptr;
  for (const TWatchTones& tones : kTones)
    if (tones.Style == AStyle) t = &tones;
  if (t == nullptr) return;  // tsCustom
  const bool obsidian = AStyle == tsOffice2007Obsidian;
  if (obsidian) a.AMPMFont()->SetColor(TColor(0xF2F1F0));
  a.SetAMPMBorderColor(t->AMPMBorder);
  a.SetAMPMColor(t->AMPM);
  a.SetBackgroundColor(t->Background);
  a.SetBackgroundColorTo(t->BackgroundTo);
  a.SetBorderColor(t->Border);
  a.SetCenterPointBorderColor(t->CenterBorder);
  a.SetCenterPointColor(t->Center);
  a.SetHourColor(t->Main);
  a.SetMinuteColor(t->Main);
  a.SetHourPointerShadow(t->Shadows);
  a.SetHourPointer(t->Main);
  a.SetMinutePointerShadow(t->Shadows);
  a.SetMinutePointer(t->Main);
  a.SetSecondPointer(t->Second);
  if (obsidian) a.HourFont()->SetColor(TColor(0xF2F1F0));
}

// ---- the watch's own styles

namespace {

// A style's font: colour when given (clNone keeps it), name, size when > 0, bold or regular.
void styleFont(TFont* Font, TColor Color, const char* Name, int Size, bool Bold) {
  if (Color != clNone) Font->SetColor(Color);
  Font->SetName(Name);
  if (Size > 0) Font->SetSize(Size);
  Font->SetStyle(Bold ? TFontStyles{fsBold} : TFontStyles{});
}

void hands(TWatchAppearance& a, TPointerStyle Style, TColor Hour, TColor HourShadow, int HourSize, TColor Minute,
           TColor MinuteShadow, int MinuteSize) {
  a.SetPointerStyle(Style);
  a.SetHourPointer(Hour);
  a.SetHourPointerShadow(HourShadow);
  if (HourSize > 0) a.SetHourPointerSize(uint8_t(HourSize));
  a.SetMinutePointer(Minute);
  a.SetMinutePointerShadow(MinuteShadow);
  if (MinuteSize > 0) a.SetMinutePointerSize(uint8_t(MinuteSize));
}

void face(TWatchAppearance& a, TColor Background, TColor BackgroundTo, TWatchGradient Gradient) {
  a.SetBackgroundColor(Background);
  a.SetBackgroundColorTo(BackgroundTo);
  a.SetBackgroundGradient(Gradient);
}

void centre(TWatchAppearance& a, TColor Color, TColor Border, TColor Outer, int Size) {
  a.SetCenterPointColor(Color);
  a.SetCenterPointBorderColor(Border);
  a.SetCenterPointOuterBorderColor(Outer);
  if (Size > 0) a.SetCenterPointSize(uint8_t(Size));
}

// Double quarter marks of the given length and width in one colour for marks.
void quarterMarks(TWatchAppearance& a, TTickMarks Ticks, int Length, int Width, TColor Color) {
  a.SetTickMarks(Ticks);
  a.SetHourMarkLength(uint8_t(Length));
  a.SetHourMarkWidth(uint8_t(Width));
  a.SetHourMarkStyle(hmsQuartDblLine);
  a.SetHourColor(Color);
  a.SetMinuteColor(Color);
}

const TColor kBlack = TColor(0);

// Lengths that follow the watch size fit their byte: a huge watch gets 255, not a wrapped value.
uint8_t byteLength(double Length) { return uint8_t(std::min<int64_t>(255, Round(Length))); }

}  // namespace

TWatchStyleSwitches ApplyWatchStyle(TWatchAppearance& a, TWatchStyle Style, int m) {
  auto onChange = std::move(a.OnChange);
  a.OnChange = nullptr;
  a.Reset();
  a.OnChange = std::move(onChange);
  const TColor none = clNone;
  TWatchStyleSwitches sw;
  switch (Style) {
    case TWatchStyle::wsClassic:
      a.SetHourMarkLength(8);
      a.SetMinuteMarkLength(4);
      hands(a, psLine, kBlack, clBtnShadow, 5, kBlack, clBtnShadow, 0);
      styleFont(a.HourFont(), none, "Comic Sans MS", 10, true);
      styleFont(a.AMPMFont(), none, "MS Sans Serif", 0, false);
      sw = {1, 1, true};
      break;
    case TWatchStyle::wsTower:
      face(a, TColor(0xB1F0FE), TColor(0x5BCCE8), wgDiagonalForward);
      a.SetShape(wsRect);
      a.SetBorderWidth(1);
      a.SetTickMarks(tmHours);
      hands(a, psPointer, kBlack, clBtnShadow, 5, kBlack, clBtnShadow, 0);
      a.SetSecondPointer(TColor(0x002BD5));
      a.SetCenterPointColor(TColor(0x002BD5));
      a.SetCenterPointSize(6);
      styleFont(a.HourFont(), clWindowText, "Century", 0, true);
      styleFont(a.AMPMFont(), none, "MS Sans Serif", 0, false);
      a.SetAMPMFrame(apRect);
      a.SetAMPMColor(TColor(0xB1F0FE));
      sw.ShowNumbers = 0;
      break;
    case TWatchStyle::wsFluorescent:
      face(a, kBlack, kBlack, wgVertical);
      a.SetShape(wsRoundRect);
      a.SetBorderColor(TColor(0xFF3E3E));
      quarterMarks(a, tmHours, 10, 2, TColor(0xFF3E3E));
      hands(a, psLine, TColor(0xFF3E3E), clBtnShadow, 2, TColor(0xFF3E3E), clBtnShadow, 2);
      centre(a, TColor(0xFF3E3E), kBlack, kBlack, 20);
      styleFont(a.HourFont(), clWindowText, "MS Sans Serif", 8, false);
      styleFont(a.AMPMFont(), clWindowText, "MS Sans Serif", 10, false);
      a.SetAMPMFrame(apRoundRect);
      sw = {0, 0, false};
      break;
    case TWatchStyle::wsEmerald:
      face(a, TColor(0x3AE800), kBlack, wgDiagonalForward);
      a.SetShape(wsRect);
      a.SetBorderColor(TColor(0x3AE800));
      a.SetTickMarks(tmHours);
      a.SetHourMarkStyle(hmsQuartDblLine);
      a.SetHourColor(TColor(0x3AE800));
      hands(a, psPointer, TColor(0x40FF00), clBtnShadow, 5, TColor(0x40FF00), clBtnShadow, 0);
      a.SetSecondPointer(TColor(0x00FFFF));
      centre(a, TColor(0x38E100), TColor(0x40FF00), kBlack, 16);
      styleFont(a.HourFont(), TColor(0x3AE800), "MS Sans Serif", 0, false);
      styleFont(a.AMPMFont(), TColor(0xA00000), "MS Sans Serif", 0, false);
      a.SetAMPMFrame(apRoundRect);
      a.SetAMPMColor(none);
      sw = {0, 0, false};
      break;
    case TWatchStyle::wsBlueStar:
      face(a, TColor(0xFFD5D5), TColor(0xA00000), wgRadial);
      a.SetShape(wsRoundRect);
      a.SetBorderColor(TColor(0xFFD5D5));
      hands(a, psPointer, TColor(0xA00000), clBtnShadow, 5, TColor(0xA00000), clBtnShadow, 0);
      styleFont(a.HourFont(), TColor(0xFFD5D5), "MS Sans Serif", 8, false);
      styleFont(a.AMPMFont(), TColor(0xA00000), "MS Sans Serif", 10, false);
      a.SetAMPMFrame(apRoundRect);
      a.SetAMPMColor(none);
      a.SetAMPMBorderColor(none);
      sw = {1, 1, false};
      break;
    case TWatchStyle::wsFuchsia:
      face(a, kBlack, kBlack, wgVertical);
      a.SetShape(wsRect);
      a.SetBorderColor(TColor(0xFFD0FF));
      quarterMarks(a, tmQuartHours, 10, 2, TColor(0xFFD0FF));
      hands(a, psLine, TColor(0xFFD0FF), clBtnShadow, 2, TColor(0xFFD0FF), clBtnShadow, 2);
      a.SetSecondPointer(TColor(0xDD68DD));
      centre(a, a.CenterPointColor(), TColor(0xDD68DD), kBlack, 20);
      styleFont(a.HourFont(), clWindowText, "MS Sans Serif", 8, false);
      styleFont(a.AMPMFont(), clWindowText, "MS Sans Serif", 10, false);
      a.SetAMPMFrame(apRoundRect);
      sw = {0, 0, false};
      break;
    case TWatchStyle::wsBlack:
      face(a, TColor(0x202020), none, wgVertical);
      a.SetBorderColor(kBlack);
      a.SetMinuteMarkLength(4);
      a.SetHourColor(TColor(0x585858));
      a.SetMinuteColor(TColor(0x585858));
      hands(a, psLine, TColor(0xFFFFFF), clBtnShadow, 5, TColor(0xFFFFFF), clBtnShadow, 0);
      centre(a, TColor(0xFFFFFF), TColor(0xFFFFFF), TColor(0xFFFFFF), 0);
      styleFont(a.HourFont(), TColor(0xFFFFFF), "Century Gothic", 11, false);
      styleFont(a.AMPMFont(), none, "MS Sans Serif", 0, false);
      sw = {0, 1, false};
      break;
    case TWatchStyle::wsBlackWhite:
      face(a, TColor(0xFFFFFF), none, wgVertical);
      a.SetBorderColor(kBlack);
      a.SetBorderWidth(8);
      a.SetTickMarks(tmQuartHours);
      a.SetMinuteMarkLength(4);
      a.SetHourColor(TColor(0x585858));
      hands(a, psPointer, kBlack, clBtnShadow, 5, kBlack, clBtnShadow, 0);
      a.SetSecondPointer(TColor(0x000080));
      centre(a, kBlack, kBlack, kBlack, 8);
      styleFont(a.HourFont(), kBlack, "Century Gothic", 14, true);
      sw = {0, 1, false};
      break;
    case TWatchStyle::wsGray:
      face(a, TColor(0xD1D1D1), TColor(0x6C6C6C), wgRadial);
      a.SetBorderColor(TColor(0x454545));
      a.SetHourColor(kBlack);
      a.SetMinuteColor(TColor(0x808080));
      hands(a, psLine, TColor(0x4E4E4E), none, 1, TColor(0x4E4E4E), none, 1);
      a.SetSecondPointer(TColor(0x0000FF));
      centre(a, kBlack, TColor(0x454545), none, 0);
      styleFont(a.HourFont(), none, "Comic Sans MS", 8, false);
      a.AMPMFont()->SetName("MS Sans Serif");
      a.AMPMFont()->SetSize(10);
      sw = {1, 1, false};
      break;
    case TWatchStyle::wsSuperNova:
      a.SetBackgroundColorTo(TColor(0xD1D3D3));
      a.SetBorderColor(none);
      a.SetHourMarkLength(byteLength(m / 4.5));
      a.SetMinuteMarkLength(byteLength(m / 3));
      a.SetMinuteColor(TColor(0x808080));
      hands(a, psLine, kBlack, clBtnShadow, 0, kBlack, a.MinutePointerShadow(), 0);
      a.SetCenterPointSize(10);
      a.SetCenterPointOuterBorderColor(kBlack);
      sw = {0, 0, false};
      break;
    case TWatchStyle::wsSports:
      face(a, kBlack, none, wgVertical);
      a.SetBorderColor(kBlack);
      a.SetBorderWidth(1);
      a.SetTickMarks(tmQuartHours);
      a.SetHourColor(TColor(0xABB0B1));
      a.SetMinuteColor(TColor(0x808080));
      a.SetMinuteMarkLength(1);
      hands(a, psLine, TColor(0x0000FF), none, 2, TColor(0x00FFFF), none, 2);
      a.SetSecondPointer(TColor(0x188BFE));
      centre(a, TColor(0x191919), TColor(0xFF0000), kBlack, 0);
      a.SetCenterPointSize(byteLength(m / 3.6));
      styleFont(a.HourFont(), TColor(0x797979), "Times New Roman", 9, false);
      sw = {0, 1, false};
      break;
    case TWatchStyle::wsSmooth:
      face(a, TColor(0xFFFFFF), TColor(0xABB0B1), wgVertical);
      a.SetBorderColor(TColor(0x585858));
      a.SetBorderWidth(1);
      a.SetTickMarks(tmQuartHours);
      a.SetHourColor(TColor(0xABB0B1));
      a.SetMinuteColor(TColor(0x808080));
      a.SetMinuteMarkLength(1);
      hands(a, psLine, TColor(0x4A4A4A), TColor(0xB2B2B2), 2, TColor(0x4A4A4A), TColor(0xB2B2B2), 2);
      a.SetSecondPointer(TColor(0x4A4A4A));
      centre(a, TColor(0xFFFFFF), kBlack, TColor(0x4A4A4A), 6);
      styleFont(a.HourFont(), TColor(0x797979), "Times New Roman", 9, false);
      sw = {0, 1, false};
      break;
  }
  return sw;
}
