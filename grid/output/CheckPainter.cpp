#include "grid/output/CheckPainter.h"

#include <algorithm>
#include <cmath>

#include "grid/foundation/ExtUtilGlyphs.h"
#include "grid/foundation/ExtXPVS.h"
#include "platform/theme/ThemeParts.h"
#include "toolkit/graphics/Bitmap.h"
#include "toolkit/graphics/Canvas.h"
#include "toolkit/graphics/Resources.h"
#include "toolkit/rtl/StringList.h"

namespace {

// Glyphs carry their transparent colour in the corner pixels.
void DrawGlyph(TCanvas* c, TBitmap* glyph, int x, int y) {
  if (!glyph || glyph->Empty()) return;
  glyph->SetTransparent(true);
  c->Draw(x, y, glyph);
}

void DrawResourceGlyph(TCanvas* c, const std::string& name, int x, int y) {
  if (name.empty() || !FindResourceOrNull(name, rkBitmap)) return;
  TBitmap bmp;
  bmp.LoadFromResourceName(name);
  DrawGlyph(c, &bmp, x, y);
}

void Themed(TCanvas* c, int part, int state, const TRect& r) {
  TThemeBinding& b = ExtXPVSBinding();
  if (!b.OpenThemeData || !b.DrawThemeBackground || !b.CloseThemeData) return;
  if (HTHEME theme = b.OpenThemeData(nullptr, "button")) {
    b.DrawThemeBackground(theme, c, part, state, &r, nullptr);
    b.CloseThemeData(theme);
  }
}

void BorlandBox(TCanvas* c, const TRect& r, bool checked, bool enabled, const TControlLook& look) {
  c->Brush()->SetStyle(bsSolid);
  c->Brush()->SetColor(enabled ? clBtnFace : clBtnShadow);
  c->Pen()->SetColor(clBtnFace);
  c->Pen()->SetWidth(1);
  c->Rectangle(r);
  const int L = r.Left, T = r.Top, R = r.Right, B = r.Bottom;
  c->Pen()->SetColor(clBtnHighlight);
  c->MoveTo(L, B - 1);
  c->LineTo(L, T);
  c->LineTo(R - 1, T);
  c->Pen()->SetColor(clBtnShadow);
  c->LineTo(R - 1, B - 1);
  c->LineTo(L, B - 1);
  if (!checked) return;
  const int C = look.CheckSize() / 2;
  // The disabled face is the shadow grey: a grey tick would vanish in it.
  c->Pen()->SetColor(enabled ? look.Color() : clBtnFace);
  c->MoveTo(L + 2, T + C);
  c->LineTo(L + 2, B - 2);
  c->MoveTo(L + 3, T - 1 + C);
  c->LineTo(L + 3, B - 3);
  c->MoveTo(L + 2, B - 2);
  c->LineTo(R - 2, T + 2);
  c->MoveTo(L + 3, B - 2);
  c->LineTo(R - 1, T + 2);
}

void BorlandDiamond(TCanvas* c, int L, int T, bool on, const TControlLook& look) {
  const TColor keep = c->Brush()->Color();
  c->Brush()->SetStyle(bsSolid);
  c->Brush()->SetColor(clBtnFace);
  c->Pen()->SetColor(clBtnFace);
  c->Polygon({TPoint(L + 2, T + 8), TPoint(L + 8, T + 2), TPoint(L + 14, T + 8), TPoint(L + 8, T + 14)});
  c->Pen()->SetColor(on ? TColor(0x808080) : clWhite);
  c->MoveTo(L + 8, T + 14);
  c->LineTo(L + 2, T + 8);
  c->LineTo(L + 8, T + 2);
  c->Pen()->SetColor(on ? clWhite : TColor(0x808080));
  c->LineTo(L + 14, T + 8);
  c->LineTo(L + 8, T + 14);
  if (on) {
    c->Pen()->SetColor(look.Color());
    c->Brush()->SetColor(look.Color());
    c->Polygon({TPoint(L + 6, T + 8), TPoint(L + 8, T + 6), TPoint(L + 10, T + 8), TPoint(L + 8, T + 10)});
  }
  c->Brush()->SetColor(keep);
}

bool ItemOn(const TRadioGroupPaint& g, int i, const std::string& text) {
  return g.Index == -1 ? text == g.CellText : i == g.Index + 1;
}

int Rounded(double v) { return int(std::nearbyint(v)); }

}  // namespace

std::string CheckBoxGlyphName(TCellControlStyle Style, bool Checked, bool Enabled) {
  int first;
  switch (Style) {
    case csWinXP: first = 5; break;
    case csQGS: first = 1; break;
    default: return {};
  }
  // checked enabled, unchecked enabled, checked disabled, unchecked disabled
  const int n = first + (Checked ? 0 : 1) + (Enabled ? 0 : 2);
  return "ESGCHK0" + std::to_string(n);
}

std::string RadioGlyphName(TCellControlStyle Style, bool On, bool Enabled) {
  int first;
  switch (Style) {
    case csWinXP: first = 5; break;
    case csQGS: first = 1; break;
    default: return {};
  }
  return "ESGRAD0" + std::to_string(first + (On ? 0 : 1) + (Enabled ? 0 : 2));
}

TCellControlStyle EffectiveControlStyle(TCellControlStyle Style, bool ThemesActive) {
  return Style == csTheme && !ThemesActive ? csClassic : Style;
}

void PaintCheckBox(TCanvas* c, const TRect& R, bool Checked, bool Enabled, bool Grayed, TCellControlStyle Style,
                   const TControlLook& Look, bool ThemesActive) {
  if (Look.NoDisabledCheckRadioLook() || Look.CheckAlwaysActive()) Enabled = true;
  const int size = Look.CheckSize();
  switch (EffectiveControlStyle(Style, ThemesActive)) {
    case csWinXP:
    case csQGS:
      DrawResourceGlyph(c, CheckBoxGlyphName(Style, Checked && !Grayed, Enabled), R.Left, R.Top);
      break;
    case csGlyph:
      DrawGlyph(c, Checked ? Look.CheckedGlyph() : Look.UnCheckedGlyph(), R.Left, R.Top);
      break;
    case csBorland:
      BorlandBox(c, R, Checked, Enabled, Look);
      break;
    case csTheme: {
      const int base = Grayed ? CBS_MIXEDNORMAL : Checked ? CBS_CHECKEDNORMAL : CBS_UNCHECKEDNORMAL;
      Themed(c, BP_CHECKBOX, base + (Enabled ? 0 : 3), TRect(R.Left, R.Top, R.Left + size, R.Top + size));
      break;
    }
    case csClassic:
    case csFlat: {
      const int x = R.Left + (R.Width() - size) / 2, y = R.Top + (R.Height() - size) / 2;
      TRect box(x, y, x + size, y + size);
      uint32_t state = DFCS_BUTTONCHECK;
      if (Checked) state |= DFCS_CHECKED;
      if (Grayed) state |= DFCS_BUTTON3STATE | DFCS_CHECKED;
      if (Style == csFlat) state |= DFCS_FLAT;
      if (!Enabled) state |= DFCS_INACTIVE;
      c->DrawFrameControl(box, DFC_BUTTON, state);
      break;
    }
  }
}

void DrawRadioButtons(TCanvas* c, const TRect& R, const TRadioGroupPaint& g, TCellControlStyle Style,
                       const TControlLook& Look, bool ThemesActive) {
  if (g.Count <= 0) return;
  const bool disabled = g.Disabled && !Look.NoDisabledCheckRadioLook() && !Look.RadioAlwaysActive();
  const int q = g.Upward ? -1 : 1;
  const TCellControlStyle style = EffectiveControlStyle(Style, ThemesActive);
  const int radio = Look.RadioSize();
  const int saved = c->SetBkMode(TRANSPARENT);
  const TColor fontColor = c->Font()->Color();
  if (g.TextColor != clNone) c->Font()->SetColor(g.TextColor);
  int H = c->TextHeight("gh");
  int offset = 0;
  for (int i = 1; i <= g.Count; ++i) {
    const std::string text = g.Items && g.Items->Count() >= i ? g.Items->Strings(i - 1) : std::string();
    const bool on = ItemOn(g, i, text);
    int left, top;
    TPoint textAt;
    if (style == csClassic || style == csFlat) {
      const int S = style == csFlat ? Rounded(g.Scale * (radio + 2)) : Rounded(g.Scale * radio);
      if (g.Horizontal) {
        left = (i - 1) * radio + offset + R.Left + 2;
        top = R.Top + (R.Height() - radio) / 2;
        textAt = {left + Rounded(g.Scale * radio), top - 2};
      } else {
        top = R.Top + H * (i - 1) * q + 2;
        left = text.empty() ? R.Left + (R.Width() - Rounded(g.Scale * radio)) / 2 : R.Left + 2;
        textAt = {left + Rounded(g.Scale * (radio + 4)), top - 2};
      }
      TRect box(left, top, left + S, top + S);
      uint32_t state = DFCS_BUTTONRADIO;
      if (on) state |= DFCS_CHECKED;
      if (style == csFlat) state |= DFCS_FLAT;
      if (disabled) state |= DFCS_INACTIVE;
      c->DrawFrameControl(box, DFC_BUTTON, state);
    } else {
      // 16-pixel pitch for the drawn, themed and glyph styles.
      const bool glyphs = style == csWinXP || style == csQGS || style == csGlyph;
      if (g.Horizontal) {
        left = offset + R.Left + i * 16 - 14;
        top = R.Top + (R.Height() - 16) / 2;
        textAt = glyphs ? TPoint(left + 16, top + 1) : TPoint(left + 16, top - 2);
      } else {
        H = std::max(16, H);
        top = R.Top + H * (i - 1) * q + 2;
        left = text.empty() ? R.Left + (R.Width() - 16) / 2 : R.Left + 2;
        textAt = glyphs ? TPoint(R.Left + 18, top + 1) : TPoint(R.Left + 20, R.Top + H * (i - 1) * q);
      }
      if (style == csBorland) {
        BorlandDiamond(c, left, top, on, Look);
      } else if (style == csTheme) {
        const int base = on ? RBS_CHECKEDNORMAL : RBS_UNCHECKEDNORMAL;
        Themed(c, BP_RADIOBUTTON, base + (disabled ? 3 : 0), TRect(left, top, left + 16, top + 16));
      } else if (style == csGlyph) {
        DrawGlyph(c, on ? Look.RadioOnGlyph() : Look.RadioOffGlyph(), left, top);
      } else {
        DrawResourceGlyph(c, RadioGlyphName(style, on, !disabled), left, top);
      }
    }
    if (!text.empty()) {
      c->TextOut(textAt.X, textAt.Y, text);
      if (g.Horizontal) offset += c->TextWidth(text);
    }
  }
  c->Font()->SetColor(fontColor);
  c->SetBkMode(saved);
}
