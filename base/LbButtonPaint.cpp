// TLbButton painting: the six looks, the colour presets, the hot-track blend,
// the glyph strip and the caption placement. Each paint builds the whole face
// in an off-screen bitmap and copies it in one operation, so nothing flickers.
#include <algorithm>
#include <cmath>

#include "base/LbButton.h"
#include "toolkit/forms/Forms.h"

namespace {

constexpr TColor Transparent_Key = clFuchsia;

uint8_t Mix(uint8_t a, uint8_t b, double s) { return uint8_t(std::lround(a * (1.0 - s) + b * s)); }

bool Is_Transparent_Style(TLbButtonStyle s) { return s == bsModern || s == bsShape || s == bsQuicken; }

void Line(TCanvas* C, TColor Color, std::initializer_list<TPoint> Points) {
  C->Pen()->SetColor(Color);
  auto p = Points.begin();
  C->MoveTo(p->X, p->Y);
  for (++p; p != Points.end(); ++p) C->LineTo(p->X, p->Y);
}

// Removes whole UTF-8 characters from the end until the text fits Width.
std::string Cut_To_Width(TCanvas* C, std::string Text, int Width) {
  while (!Text.empty() && C->TextWidth(Text) > Width) {
    size_t n = Text.size() - 1;
    while (n > 0 && (uint8_t(Text[n]) & 0xC0) == 0x80) --n;
    Text.erase(n);
  }
  return Text;
}

}  // namespace

TLbColorPreset GetColorStyleColors(TLbColorStyle Style) {
  switch (Style) {
    case lcsGold: return {0x00C0C0, 0x00FFFF, 0x008080, clNone, 0x00DFDF, clBlack, false, bsModern};
    case lcsChrome: return {0xC0C0C0, 0xFFFFFF, 0x808080, clNone, clNone, clBlack, false, bsModern};
    case lcsBlue: return {0xFF8000, 0xFFFF00, 0xFF0000, clNone, clNone, clBlack, false, bsModern};
    case lcsRed: return {0x0000FF, 0xC0C0FF, 0x0000C0, clNone, clNone, clBlack, false, bsModern};
    case lcsUltraFlat1: return {clBtnFace, 0xB59284, 0xB59284, 0xB59284, 0xDED3D6, clBlack, true, bsNormal};
    case lcsUltraFlat2: return {clBtnFace, 0x000000, 0x000000, 0x24DABC, 0x8CF6E4, clBlack, true, bsNormal};
    case lcsUltraFlatXP: return {0xD1D8DB, 0xB59284, 0xB59285, 0xB59285, 0xD2BDB6, clBlack, true, bsNormal};
    case lcsAqua: return {0xECCE94, 0xFCE6D4, 0x000000, clNone, clNone, clBlack, false, bsModern};
    case lcsQuicken: return {0x603000, 0xC0C0C0, 0xC0C0C0, 0xAD6529, 0xCEAE9C, 0xFFFFFF, false, bsQuicken};
    case lcsDefault:
    case lcsCustom: break;
  }
  return {clBtnFace, 0xFFFFFF, 0x808080, clNone, clNone, clBlack, false, bsNormal};
}

TColor BlendHotTrackColor(TColor Color, TColor HotTrackColor, int Step) {
  TColor a = ColorToRGB(Color), b = ColorToRGB(HotTrackColor);
  double s = Step / 8.0;
  return RGB(Mix(GetRValue(a), GetRValue(b), s), Mix(GetGValue(a), GetGValue(b), s),
             Mix(GetBValue(a), GetBValue(b), s));
}

void FillGradientBands(TCanvas* Canvas, TColor Start, TColor End, int Left, int Top, int Right, int Bottom) {
  TColor a = ColorToRGB(Start), b = ColorToRGB(End);
  auto channel = [](int from, int to, int i) { return uint8_t(std::lround(from + i * (to - from) / 31.0)); };
  int span = Bottom - Top;
  Canvas->Brush()->SetStyle(bsSolid);
  for (int i = 0; i < 32; ++i) {
    int y0 = Top + i * span / 31;
    int y1 = std::min(Bottom, y0 + span / 31 + 1);
    Canvas->Brush()->SetColor(RGB(channel(GetRValue(a), GetRValue(b), i), channel(GetGValue(a), GetGValue(b), i),
                                  channel(GetBValue(a), GetBValue(b), i)));
    Canvas->FillRect(TRect(Left, y0, Right, y1));
  }
}

void DrawGlyphCell(TCanvas* Canvas, TBitmap* Strip, int NumGlyphs, int Index, int X, int Y) {
  if (Strip == nullptr || NumGlyphs <= 0) return;
  int cw = Strip->Width() / NumGlyphs, h = Strip->Height();
  if (cw <= 0 || h <= 0) return;
  int k = (Index >= 0 && (Index + 1) * cw <= Strip->Width()) ? Index : 0;
  TColor key = Strip->Canvas()->Pixels(k * cw, h - 1);
  Canvas->TransparentBlt(X, Y, cw, h, Strip->Canvas(), k * cw, 0, cw, h, key);
}

TColor TLbButton::FaceFor(bool Pressed) const {
  TColor face = ColorToRGB(Color());
  if (Enabled() && FHotTrackColor != clNone) face = BlendHotTrackColor(Color(), FHotTrackColor, FHotTrackStep);
  if (Pressed && Enabled() && FColorWhenDown != clNone) face = ColorToRGB(FColorWhenDown);
  return face;
}

TColor TLbButton::FaceColor() const { return FaceFor(bDown); }

// Cells: 0 normal, 1 disabled, 2 pressed, 3 hot; pressed wins over hot.
int TLbButton::GlyphIndexFor(bool Hot, bool Pressed) const {
  if (!Enabled()) return 1;
  if (Pressed && FNumGlyphs > 2) return 2;
  if (Hot && FNumGlyphs > 3) return 3;
  return 0;
}

int TLbButton::GlyphIndex() const { return GlyphIndexFor(bCursorOnButton || Focused(), bDown); }

void TLbButton::Paint() {
  if (!Visible() || bDestroying) return;
  int W = Width(), H = Height();
  if (W <= 0 || H <= 0) return;
  TBitmap face(W, H);
  TCanvas* C = face.Canvas();
  bool hot = bCursorOnButton || Focused();
  TFont work;
  work.Assign(hot && FUseHTFont ? FHTFont.get() : Font());
  bool transparent = Is_Transparent_Style(FStyle);
  if (transparent) {
    C->Brush()->SetColor(Transparent_Key);
    C->FillRect(TRect(0, 0, W, H));
  }
  if (FStyle == bsOld && Focused()) {
    TColor light = FLightColor;
    if (bDown) FLightColor = FShadowColor;
    TBitmap inner(W - 2, H - 2);
    PaintButtonFace(inner.Canvas(), W - 2, H - 2, hot, bDown, &work);
    FLightColor = light;
    C->Draw(1, 1, &inner);
    C->Pen()->SetColor(clBlack);
    C->Brush()->SetStyle(bsClear);
    C->Rectangle(0, 0, W, H);
  } else {
    PaintButtonFace(C, W, H, hot, bDown, &work);
  }
  if (transparent)
    Canvas()->TransparentBlt(0, 0, W, H, C, 0, 0, W, H, Transparent_Key);
  else
    Canvas()->Draw(0, 0, &face);
  if (Focused() && Enabled() && FStyle != bsShape) Canvas()->DrawFocusRect(TRect(4, 4, W - 4, H - 4));
}

void TLbButton::PaintButtonFace(TCanvas* C, int W, int H, bool Hot, bool Pressed, TFont* WorkFont) {
  bool enabled = Enabled();
  if (!enabled) Pressed = false;
  int o = Pressed && FStyle != bsEncarta ? 1 : 0;
  TColor face = FaceFor(Pressed);
  TColor light = ColorToRGB(FLightColor), shadow = ColorToRGB(FShadowColor);

  C->Brush()->SetStyle(bsSolid);
  switch (FStyle) {
    case bsShape: C->Brush()->SetColor(Transparent_Key); C->FillRect(TRect(0, 0, W, H)); break;
    case bsNormal:
    case bsEncarta:
    case bsOld: C->Brush()->SetColor(face); C->FillRect(TRect(0, 0, W, H)); break;
    case bsModern:
      FillGradientBands(C, light, face, 2, 2, W - 2, H / 4 + o);
      FillGradientBands(C, face, light, 2, H / 4 + o, W - 2, H - 1);
      break;
    case bsQuicken: break;
  }

  C->Pen()->SetWidth(1);
  C->Pen()->SetStyle(psSolid);
  bool framed = (enabled && (!FFlat || Hot || Pressed)) || (!enabled && !FFlat);
  switch (FStyle) {
    case bsNormal:
    case bsEncarta:
      if (framed) {
        Line(C, Pressed ? shadow : light, {{0, H - 1}, {0, 0}, {W - 1, 0}});
        Line(C, Pressed ? light : shadow, {{W - 1, 0}, {W - 1, H - 1}, {0, H - 1}});
      }
      break;
    case bsOld:
      if (!framed) break;
      if (!Pressed) {
        Line(C, shadow, {{W - 2, 0}, {W - 2, H - 2}, {0, H - 2}});
        Line(C, light, {{0, H - 1}, {0, 0}, {W - 1, 0}});
        Line(C, cl3DDkShadow, {{W - 1, 0}, {W - 1, H - 1}, {-1, H - 1}});
      } else {
        Line(C, shadow, {{1, H - 3}, {1, 1}, {W - 2, 1}});
        Line(C, cl3DDkShadow, {{0, H - 1}, {0, 0}, {W - 1, 0}});
        Line(C, light, {{W - 1, 0}, {W - 1, H - 1}, {-1, H - 1}});
      }
      break;
    case bsModern:
      C->Brush()->SetStyle(bsClear);
      C->Pen()->SetColor(Pressed ? shadow : face);
      C->Rectangle(1, 1, W - 1, H - 1);
      C->Pen()->SetColor(shadow);
      C->RoundRect(0, 0, W, H, 6, 6);
      break;
    case bsQuicken:
      C->Brush()->SetColor(face);
      C->Pen()->SetStyle(psClear);
      C->RoundRect(0, 1, W, H, 4, 4);
      C->Pen()->SetStyle(psSolid);
      Line(C, shadow, {{4, 0}, {W - 5, 0}});
      Line(C, shadow, {{4, H - 1}, {W - 5, H - 1}});
      break;
    case bsShape: break;
  }

  C->Font()->Assign(WorkFont);
  if (FStyle == bsEncarta && Pressed) C->Font()->SetStyle(C->Font()->Style() + TFontStyles{fsBold});
  DrawCaptionAndGlyph(C, W, H, o, Hot, Pressed);
  if (PopupMenu() != nullptr) DrawDropDownArrow(C, W, H);
}

void TLbButton::DrawCaptionAndGlyph(TCanvas* C, int W, int H, int o, bool Hot, bool Pressed) {
  bool enabled = Enabled();
  int index = GlyphIndexFor(Hot, Pressed);
  int cw = FNumGlyphs > 0 ? FGlyph->Width() / FNumGlyphs : 0;
  int gh = FGlyph->Height();
  uint32_t align = FAlignment == taLeftJustify ? DT_LEFT : FAlignment == taRightJustify ? DT_RIGHT : DT_CENTER;
  uint32_t format = DT_WORDBREAK | align;

  bool sideways = FLayout == blGlyphLeft || FLayout == blGlyphRight;
  int v = std::max(0, (FStyle != bsShape && sideways && cw > 0) ? W - cw - 12 : W - 8);
  std::string caption = FWordWrap ? Caption() : Cut_To_Width(C, Caption(), v);
  TRect measure(0, 0, v, 0);
  C->DrawText(caption, measure, format | DT_CALCRECT);
  int th = caption.empty() ? 0 : measure.Height(), tw = caption.empty() ? 0 : measure.Width();
  C->Brush()->SetStyle(bsClear);

  if (FStyle == bsShape) {
    DrawGlyphCell(C, FGlyph.get(), FNumGlyphs, index, (W - cw) / 2, (H - gh) / 2);
    TRect r(o, (H - th) / 2 + o, W, H);
    C->DrawText(caption, r, DT_WORDBREAK | DT_CENTER);
    return;
  }
  int textLeft = o + 4, textTop = 0, glyphLeft = o + 4, glyphTop = 0;
  if (sideways) {
    textTop = (H - th) / 2 + o;
    glyphTop = (H - gh) / 2 + o;
    int t4 = caption.empty() ? 0 : tw + 4;
    if (FLayout == blGlyphLeft) {
      if (cw > 0) textLeft += cw + 4;
      if (!FWordWrap)
        glyphLeft = FAlignment == taLeftJustify    ? o + 4
                    : FAlignment == taRightJustify ? W - 4 - cw - t4 + o
                                                   : (W - cw) / 2 + o - t4 / 2;
    } else {
      glyphLeft = o + 4 + t4;
      if (!FWordWrap)
        glyphLeft = FAlignment == taLeftJustify    ? o + 4 + t4
                    : FAlignment == taRightJustify ? W - 4 - cw + o
                                                   : (W - cw) / 2 + o + t4 / 2;
    }
  } else {
    int block = th + (gh > 0 ? gh + 4 : 0);
    glyphLeft = FAlignment == taLeftJustify    ? o + 4
                : FAlignment == taRightJustify ? W - cw - 4 + o
                                               : (W - cw) / 2 + o;
    if (FLayout == blGlyphTop) {
      glyphTop = (H - block) / 2 + o;
      textTop = (H - block) / 2 + gh + o;
    } else {
      textTop = (H - block) / 2 + o;
      glyphTop = (H - block) / 2 + th + o;
    }
  }
  if (!enabled) C->Font()->SetColor(clGray);
  TRect r(textLeft, textTop, textLeft + v, textTop + th);
  C->DrawText(caption, r, format);
  DrawGlyphCell(C, FGlyph.get(), FNumGlyphs, index, glyphLeft, glyphTop);
}

// The 5 by 3 arrow of a button with a drop-down menu.
void TLbButton::DrawDropDownArrow(TCanvas* C, int W, int H) {
  int x = W - 11, y = H / 2 - 1;
  C->Pen()->SetColor(ColorToRGB(Font()->Color()));
  for (int row = 0; row < 3; ++row) {
    C->MoveTo(x + row, y + row);
    C->LineTo(x + 5 - row, y + row);
  }
}
