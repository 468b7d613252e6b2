#include "grid/foundation/ExtUtilGlyphs.h"

#include "grid/foundation/ExtXPVS.h"
#include "platform/kernel/Modules.h"
#include "platform/theme/ThemeParts.h"
#include "toolkit/graphics/Bitmap.h"
#include "toolkit/graphics/Canvas.h"
#include "toolkit/graphics/Resources.h"

namespace {

const TColorTone& ToneOf(const TColorTones& t, uint8_t state) {
  switch (state) {
    case 1: return t.Hover;
    case 2: return t.Selected;
    case 3: return t.Disabled;
    default: return t.Background;
  }
}

void Themed(TCanvas* c, HWND window, const char* cls, int part, int state, const TRect& r) {
  TThemeBinding& b = ExtXPVSBinding();
  if (!b.OpenThemeData || !b.DrawThemeBackground || !b.CloseThemeData) return;
  if (HTHEME theme = b.OpenThemeData(window, cls)) {
    b.DrawThemeBackground(theme, c, part, state, &r, nullptr);
    b.CloseThemeData(theme);
  }
}

void Triangle(TCanvas* c, TPoint a, TPoint b, TPoint d, TColor color) {
  c->Pen()->SetColor(color);
  c->Brush()->SetStyle(bsSolid);
  c->Brush()->SetColor(color);
  c->Polygon({a, b, d});
}

void FilledBox(TCanvas* c, const TRect& r, TColor brush, TColor pen) {
  c->Brush()->SetStyle(bsSolid);
  c->Brush()->SetColor(brush);
  c->Pen()->SetColor(pen);
  c->Rectangle(r);
}

uint32_t LookFlags(uint8_t kind, uint8_t state) {
  uint32_t f = kind == 2 ? DFCS_FLAT : 0;
  if (state == 3) f |= DFCS_INACTIVE;
  return f;
}

template <class Proc>
Proc User32Entry(const char* name) {
  HMODULE user32 = GetModuleHandle("USER32.DLL");
  return user32 ? GetProcAddressAs<Proc>(user32, name) : Proc{};
}

}  // namespace

void DrawComboButton(TCanvas* c, HWND window, const TRect& rect, uint8_t kind, uint8_t state, const TColorTones& tones) {
  TRect b(rect.Right - 17 - 2, rect.Top + 1, rect.Right - 2, rect.Bottom - 1);
  if (kind == 0) {
    Themed(c, window, "combobox", 1, state == 3 ? 4 : 1, b);
  } else if (kind == 1 || kind == 2) {
    c->DrawFrameControl(b, DFC_SCROLL, DFCS_SCROLLCOMBOBOX | LookFlags(kind, state));
  } else {
    b.Left += 3;
    const TColorTone& tone = ToneOf(tones, state);
    FilledBox(c, b, tone.BrushColor, tone.BrushColor);
    c->Pen()->SetColor(tones.Background.BorderColor);
    c->MoveTo(b.Left + 1, b.Top);
    c->LineTo(b.Left + 1, b.Bottom);
    Triangle(c, TPoint(b.Left + 5, b.Top + 8), TPoint(b.Left + 11, b.Top + 8), TPoint(b.Left + 8, b.Top + 11),
             tones.Background.TextColor);
  }
}

void DrawPushButton(TCanvas* c, HWND window, const TRect& rect, uint8_t kind, uint8_t state, const TColorTones& tones) {
  if (kind == 0) {
    static const int kStates[4] = {1, 2, 3, 4};
    Themed(c, window, "button", 1, kStates[state & 3], rect);
  } else if (kind == 1 || kind == 2) {
    uint32_t f = DFCS_BUTTONPUSH | LookFlags(kind, state);
    if (state == 1) f |= DFCS_HOT;
    if (state == 2) f |= DFCS_PUSHED;
    TRect r = rect;
    c->DrawFrameControl(r, DFC_BUTTON, f);
  } else {
    const TColorTone& tone = ToneOf(tones, state);
    FilledBox(c, rect, tone.BrushColor, tone.BorderColor);
  }
}

void DrawSpinButtons(TCanvas* c, HWND window, const TRect& rect, uint8_t kind, uint8_t state, const TColorTones& tones) {
  TRect col(rect.Right - 15 - 1, rect.Top - 1, rect.Right - 1, rect.Bottom - 1);
  const int mid = col.Top + col.Height() / 2;
  TRect up(col.Left, col.Top, col.Right, mid);
  TRect down(col.Left, mid + 1, col.Right, col.Bottom);
  if (kind == 0) {
    down.Top = mid;
    Themed(c, window, "spin", 1, state == 3 ? 4 : 1, up);
    Themed(c, window, "spin", 2, state == 3 ? 4 : 1, down);
  } else if (kind == 1 || kind == 2) {
    c->DrawFrameControl(up, DFC_SCROLL, DFCS_SCROLLUP | LookFlags(kind, state));
    c->DrawFrameControl(down, DFC_SCROLL, DFCS_SCROLLDOWN | LookFlags(kind, state));
  } else {
    const TColor brush = ToneOf(tones, state).BrushColor;
    FilledBox(c, up, brush, brush);
    FilledBox(c, down, brush, brush);
    Triangle(c, TPoint(up.Left + 5, up.Top + 5), TPoint(up.Left + 9, up.Top + 5), TPoint(up.Left + 7, up.Top + 3),
             clBlack);
    Triangle(c, TPoint(down.Left + 5, down.Top + 1), TPoint(down.Left + 9, down.Top + 1),
             TPoint(down.Left + 7, down.Top + 3), clBlack);
  }
}

void DrawSmallDownArrow(TCanvas* c, int X, int Y, TColor Color) {
  Triangle(c, TPoint(X - 3, Y), TPoint(X + 3, Y), TPoint(X, Y + 3), Color);
}

void DrawBitmapTransparent(TCanvas* c, TBitmap* b, int x, int y) {
  if (!b || b->Empty()) return;
  c->TransparentBlt(x, y, b->Width(), b->Height(), b->Canvas(), 0, 0, b->Width(), b->Height(), b->TransparentColor());
}

void DrawTransparentBitmap(TCanvas* c, TBitmap* bitmap, TColor backColor, const TRect& rect) {
  if (!bitmap || bitmap->Width() == 0 || bitmap->Height() == 0) return;
  const int w = bitmap->Width(), h = bitmap->Height();
  TBitmap copy(w, h);
  copy.Canvas()->Brush()->SetColor(backColor);
  const TColor key = bitmap->Canvas()->Pixels(0, 0);
  copy.Canvas()->BrushCopy(TRect(0, 0, w, h), bitmap, TRect(0, 0, w, h), key);
  c->CopyRect(TRect(rect.Left, rect.Top, rect.Left + w, rect.Top + h), copy.Canvas(), TRect(0, 0, w, h));
}

void DrawResourceBitmap(TCanvas* c, TColor backColor, const TRect& rect, const std::string& name) {
  if (!FindResourceOrNull(name, rkBitmap)) return;
  TBitmap bmp;
  bmp.LoadFromResourceName(name);
  DrawTransparentBitmap(c, &bmp, backColor, rect);
}

void DrawErrorUnderline(TWinControl*, TCanvas* c, const std::string& text, const TRect& rect, int offset, int from,
                        int length) {
  const int n = int(text.size());
  auto x0f = [&](int i) { return c->TextWidth(text.substr(0, size_t(i))); };
  const int startX = (from >= 0 && from < n) ? x0f(from) : x0f(n) + 4;
  const int last = from + length - 1;
  const int endX = (from + length <= n && last >= 0) ? x0f(last) : x0f(n) + 4;
  const int y = 0;
  c->Pen()->SetColor(clRed);
  c->Pen()->SetWidth(2);
  c->MoveTo(rect.Left + startX, rect.Top + y + offset + 3);
  int d = 0, x = startX;
  for (; x <= endX; x += 3) {
    c->LineTo(rect.Left + x + 3, rect.Top + y + offset + d);
    d = d == 0 ? 3 : 0;
  }
  c->LineTo(rect.Left + x + 3, rect.Top + y + offset + d);
  c->Pen()->SetWidth(1);
}

bool CallUpdateLayeredWindow(HWND hWnd, void* hdcDst, const TPoint* pptDst, const TSize* psize, void* hdcSrc,
                             const TPoint* pptSrc, TColor crKey, const TBlendFunction* pblend, uint32_t dwFlags) {
  using TProc = int (*)(HWND, void*, const TPoint*, const TSize*, void*, const TPoint*, TColor,
                        const TBlendFunction*, uint32_t);
  auto proc = User32Entry<TProc>("UpdateLayeredWindow");
  return proc && proc(hWnd, hdcDst, pptDst, psize, hdcSrc, pptSrc, crKey, pblend, dwFlags) != 0;
}

bool CallSetLayeredWindowAttributes(HWND hWnd, TColor crKey, uint8_t bAlpha, uint32_t dwFlags) {
  using TProc = int (*)(HWND, TColor, uint8_t, uint32_t);
  auto proc = User32Entry<TProc>("SetLayeredWindowAttributes");
  return proc && proc(hWnd, crKey, bAlpha, dwFlags) != 0;
}
