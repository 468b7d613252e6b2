#include "grid/foundation/ExtObjGridButton.h"

#include <cmath>

#include "grid/foundation/ExtXPVS.h"
#include "platform/theme/ThemeParts.h"
#include "toolkit/forms/Forms.h"
#include "toolkit/forms/std/Menus.h"
#include "toolkit/graphics/Bitmap.h"
#include "toolkit/graphics/Canvas.h"
#include "toolkit/graphics/codecs/PixelImage.h"

namespace {

TColor Hex(uint32_t rrggbb) { return RGB(uint8_t(rrggbb >> 16), uint8_t(rrggbb >> 8), uint8_t(rrggbb)); }

struct TLookColors {
  TColor Color, ColorTo, Hot, HotTo, Down, DownTo, Checked, CheckedTo, BorderDown, BorderHot;
  bool Rounded;
};

const TLookColors kLooks[7] = {
    {Hex(0xF1F1ED), Hex(0xEBEBDF), Hex(0xFCFCFA), Hex(0xEDECE5), Hex(0xE7E6E0), Hex(0xE1E0D8), Hex(0xFFFFFF), clNone,
     Hex(0x7A98AF), Hex(0xCECEC3), true},
    {clBtnFace, clNone, Hex(0xC1D2EE), clNone, Hex(0x98B5E2), clNone, Hex(0xE1E6E8), clNone, Hex(0x316AC5),
     Hex(0x316AC5), false},
    {Hex(0xDAEAFD), Hex(0x88AEE4), Hex(0xFFF4CC), Hex(0xFFD091), Hex(0xFE914E), Hex(0xFFD38E), Hex(0xFFD38E),
     Hex(0xFFAD55), Hex(0x000000), Hex(0x000000), false},
    {Hex(0xEAF0CF), Hex(0xB1C08C), Hex(0xFFF4CC), Hex(0xFFD091), Hex(0xFE914E), Hex(0xFFD38E), Hex(0xFFD38E),
     Hex(0xFFAD55), Hex(0x000000), Hex(0x000000), false},
    {Hex(0xE1E2EC), Hex(0x9896B3), Hex(0xFFF4CC), Hex(0xFFD091), Hex(0xFE914E), Hex(0xFFD38E), Hex(0xFFD38E),
     Hex(0xFFAD55), Hex(0x000000), Hex(0x000000), false},
    {clBtnFace, clNone, clBtnFace, clNone, Hex(0xD2D3D8), clNone, Hex(0xC7C7CA), clNone, clNone, clNone, false},
    {Hex(0xFFFFCA), Hex(0xFFFFA6), Hex(0xFDF0A8), Hex(0xFCE97C), Hex(0xFBE04D), Hex(0xFCE97A), Hex(0xF2E6B5),
     Hex(0xEDDD9C), Hex(0x808080), Hex(0x808080), false},
};

bool Empty(const TBitmap* b) { return !b || b->Width() == 0 || b->Height() == 0; }

void CopyInto(std::unique_ptr<TBitmap>& dest, const TBitmap* src) {
  dest = std::make_unique<TBitmap>();
  if (src) dest->Assign(src);
}

// The glyph drawn without the colour of its bottom-left pixel.
void DrawTransparentGlyph(TCanvas* c, TBitmap* glyph, int x, int y) {
  const int w = glyph->Width(), h = glyph->Height();
  const TColor key = glyph->Canvas()->Pixels(0, h - 1);
  c->TransparentBlt(x, y, w, h, glyph->Canvas(), 0, 0, w, h, key);
}

int Channel(int from, int to, int i) { return from + int(std::lround(i * (to - from) / 16.0)); }

}  // namespace

void DrawButtonGradient(TCanvas* c, TColor from, TColor to, TColor frameColor, const TRect& r) {
  const TColor a = ColorToRGB(from), b = ColorToRGB(to);
  const int band = r.Height() / 16;
  c->Brush()->SetStyle(bsSolid);
  for (int i = 0; i < 16; ++i) {
    const TColor col = RGB(uint8_t(Channel(GetRValue(a), GetRValue(b), i)), uint8_t(Channel(GetGValue(a), GetGValue(b), i)),
                           uint8_t(Channel(GetBValue(a), GetBValue(b), i)));
    c->Brush()->SetColor(col);
    const int top = r.Top + i * band;
    // The last band reaches the bottom so that a height not divisible by 16 leaves no gap.
    c->FillRect(TRect(r.Left, top, r.Right, i == 15 ? r.Bottom : top + band + 1));
  }
  if (frameColor != clNone) {
    c->Brush()->SetColor(frameColor);
    c->FrameRect(r);
  }
}

TGlyphCaptionPlace CalcGlyphCaptionLayout(const TRect& client, TSize glyph, TSize text, TButtonLayout layout,
                                          int margin, int spacing, bool rightToLeft) {
  if (rightToLeft) {
    if (layout == blGlyphLeft) layout = blGlyphRight;
    else if (layout == blGlyphRight) layout = blGlyphLeft;
  }
  const bool horizontal = layout == blGlyphLeft || layout == blGlyphRight;
  TPoint g, t;
  if (horizontal) {
    g.Y = (client.Height() - glyph.cy + 1) / 2;
    t.Y = (client.Height() - text.cy + 1) / 2;
  } else {
    g.X = (client.Width() - glyph.cx + 1) / 2;
    t.X = (client.Width() - text.cx + 1) / 2;
  }
  if (text.cx == 0 || glyph.cx == 0) spacing = 0;
  const int extent = horizontal ? client.Width() : client.Height();
  const int gExt = horizontal ? glyph.cx : glyph.cy;
  const int tExt = horizontal ? text.cx : text.cy;
  if (margin == -1) {
    if (spacing == -1) {
      margin = spacing = (extent - gExt - tExt) / 3;
    } else {
      margin = (extent - (gExt + spacing + tExt) + 1) / 2;
    }
  } else if (spacing == -1) {
    spacing = (extent - margin - gExt - tExt) / 2;
  }
  int gPos, tPos;
  if (layout == blGlyphLeft || layout == blGlyphTop) {
    gPos = margin;
    tPos = margin + gExt + spacing;
  } else {
    gPos = extent - margin - gExt;
    tPos = gPos - spacing - tExt;
  }
  if (horizontal) {
    g.X = gPos;
    t.X = tPos;
  } else {
    g.Y = gPos;
    t.Y = tPos;
  }
  TGlyphCaptionPlace place;
  place.Glyph = TPoint(g.X + client.Left, g.Y + client.Top);
  place.Text = TRect(t.X + client.Left, t.Y + client.Top, t.X + client.Left + text.cx, t.Y + client.Top + text.cy);
  return place;
}

TExtGridButton::TExtGridButton(TComponent* AOwner)
    : TGraphicControl(AOwner),
      FGlyph(std::make_unique<TBitmap>()),
      FGlyphDisabled(std::make_unique<TBitmap>()),
      FGlyphHot(std::make_unique<TBitmap>()),
      FGlyphDown(std::make_unique<TBitmap>()),
      FShade(std::make_unique<TBitmap>()) {
  SetBounds(Left(), Top(), 22, 23);
  SetColor(clBtnFace);
  TControlStyle style = ControlStyle();
  style.Include(csCaptureMouse);
  style.Include(csDoubleClicks);
  style.Exclude(csClickEvents);  // the button fires its click itself, on a release inside
  SetControlStyle(style);
}

TExtGridButton::~TExtGridButton() = default;

void TExtGridButton::SetGroupIndex(int v) {
  if (v == FGroupIndex) return;
  FGroupIndex = v;
  AnnounceGroup();
}

void TExtGridButton::SetAllowAllUp(bool v) {
  if (v == FAllowAllUp) return;
  FAllowAllUp = v;
  AnnounceGroup();
}

void TExtGridButton::SetGlyph(const TBitmap* v) {
  CopyInto(FGlyph, v);
  if (Empty(FGlyphDisabled.get()) && !Empty(FGlyph.get())) {
    TPixelImage img = FGlyph->GetPixelImage();
    for (uint32_t& p : img.Pixels) {
      const int r = (p >> 16) & 0xFF, g = (p >> 8) & 0xFF, b = p & 0xFF;
      const uint32_t grey = uint32_t(((r + g + b) / 3) / 2 + 96);
      p = (p & 0xFF000000u) | (grey << 16) | (grey << 8) | grey;
    }
    FGlyphDisabled = std::make_unique<TBitmap>();
    FGlyphDisabled->SetPixelImage(img);
  }
  Invalidate();
}

void TExtGridButton::SetGlyphDisabled(const TBitmap* v) { CopyInto(FGlyphDisabled, v); }
void TExtGridButton::SetGlyphHot(const TBitmap* v) { CopyInto(FGlyphHot, v); }
void TExtGridButton::SetGlyphDown(const TBitmap* v) { CopyInto(FGlyphDown, v); }

#define EXTGRIDBUTTON_SETTER(Name, Field, Type) \
  void TExtGridButton::Set##Name(Type v) {      \
    if (v == Field) return;                     \
    Field = v;                                  \
    Invalidate();                               \
  }
EXTGRIDBUTTON_SETTER(Layout, FLayout, TButtonLayout)
EXTGRIDBUTTON_SETTER(Spacing, FSpacing, int)
EXTGRIDBUTTON_SETTER(Flat, FFlat, bool)
EXTGRIDBUTTON_SETTER(ShowCaption, FShowCaption, bool)
EXTGRIDBUTTON_SETTER(Style, FStyle, TExtGridButtonStyle)
EXTGRIDBUTTON_SETTER(Rounded, FRounded, bool)
EXTGRIDBUTTON_SETTER(DropDownButton, FDropDownButton, bool)
#undef EXTGRIDBUTTON_SETTER

void TExtGridButton::SetMargin(int v) {
  if (v < -1 || v == FMargin) return;
  FMargin = v;
  Invalidate();
}

void TExtGridButton::SetShaded(bool v) {
  FShaded = v;
  if (v && !ComponentState().Contains(csLoading)) BuildShade();
}

// A grey silhouette of the glyph on its transparent colour.
void TExtGridButton::BuildShade() {
  FShade = std::make_unique<TBitmap>();
  if (Empty(FGlyph.get())) return;
  TPixelImage img = FGlyph->GetPixelImage();
  const uint32_t key = img.At(0, img.Height - 1);
  for (uint32_t& p : img.Pixels) p = (p == key) ? key : 0xFF808080u;
  FShade->SetPixelImage(img);
}

void TExtGridButton::SetAutoThemeAdapt(bool v) {
  FAutoThemeAdapt = v;
  if (v) ApplyThemeLook();
}

void TExtGridButton::SetDropDownMenu(TPopupMenu* v) {
  FDropDownMenu = v;
  if (v) v->FreeNotification(this);
}

void TExtGridButton::Notification(TComponent* AComponent, TOperation Operation) {
  TGraphicControl::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FDropDownMenu) FDropDownMenu = nullptr;
}

void TExtGridButton::SetLook(int v) {
  if (v < 0 || v > 6) return;
  const TLookColors& l = kLooks[v];
  SetColor(l.Color);
  ColorTo = l.ColorTo;
  ColorHot = l.Hot;
  ColorHotTo = l.HotTo;
  ColorDown = l.Down;
  ColorDownTo = l.DownTo;
  ColorChecked = l.Checked;
  ColorCheckedTo = l.CheckedTo;
  BorderDownColor = l.BorderDown;
  BorderHotColor = l.BorderHot;
  FRounded = l.Rounded;
  BorderColor = clNone;
  FFlat = true;
  FLook = v;
  Invalidate();
}

// The visual style's colour scheme picks a look; without styles, look 1.
void TExtGridButton::ApplyThemeLook() {
  int scheme = 0;
  TThemeBinding& b = ExtXPVSBinding();
  if (ThemedLookActive() && b.GetCurrentThemeName) {
    char file[255] = {}, color[255] = {}, size[255] = {};
    if (b.GetCurrentThemeName(file, 255, color, 255, size, 255) == S_OK) {
      const std::string name = color;
      scheme = name == "NormalColor" ? 1 : name == "HomeStead" ? 2 : name == "Metallic" ? 3 : 0;
    }
  }
  static const int kLookOfScheme[4] = {1, 2, 3, 4};
  SetLook(kLookOfScheme[scheme]);
}

void TExtGridButton::CMTextChanged(TMessage& Message) {
  TGraphicControl::CMTextChanged(Message);
  Invalidate();
}

void TExtGridButton::CMFontChanged(TMessage& Message) {
  TGraphicControl::CMFontChanged(Message);
  Invalidate();
}

void TExtGridButton::Dispatch(TMessage& Message) {
  if ((Message.Msg == WM_THEMECHANGED || Message.Msg == CM_SYSFONTCHANGED) && FAutoThemeAdapt) ApplyThemeLook();
  if (Message.Msg == CM_SYSCOLORCHANGE) Invalidate();
  // An accelerator of the caption clicks an enabled, visible button on a showing parent.
  if (Message.Msg == CM_DIALOGCHAR && Enabled() && IsControlVisible() && Parent() && Parent()->Showing() &&
      IsAccel(uint32_t(Message.WParam), Caption())) {
    Click();
    Message.Result = 1;
    return;
  }
  if (Message.Msg == CM_BUTTONPRESSED) {
    ButtonPressed(int(Message.WParam), reinterpret_cast<TExtGridButton*>(Message.LParam));
    return;
  }
  TGraphicControl::Dispatch(Message);
}

void TExtGridButton::SetDown(bool v) {
  if (FGroupIndex == 0 && FStyle == tasButton) v = false;
  if (FStyle == tasCheck) {
    FDown = v;
    Repaint();
    return;
  }
  if (v == FDown || (FDown && !FAllowAllUp)) return;
  FDown = v;
  if (v) {
    if (FState == bsUp) Invalidate();
    FState = bsExclusive;
  } else {
    FState = bsUp;
    Repaint();
  }
  if (v) AnnounceGroup();
}

void TExtGridButton::AnnounceGroup() {
  if (FGroupIndex == 0 || !Parent()) return;
  TMessage m;
  m.Msg = CM_BUTTONPRESSED;
  m.WParam = WPARAM(FGroupIndex);
  m.LParam = LPARAM(reinterpret_cast<intptr_t>(this));
  Parent()->Broadcast(m);
}

void TExtGridButton::ButtonPressed(int group, TExtGridButton* sender) {
  if (group != FGroupIndex || !sender || sender == this) return;
  if (sender->FDown && FDown) {
    FDown = false;
    FState = bsUp;
    Invalidate();
  }
  FAllowAllUp = sender->FAllowAllUp;
}

void TExtGridButton::Click() { TGraphicControl::Click(); }

void TExtGridButton::DblClick() {
  if (FDown) TGraphicControl::DblClick();
}

void TExtGridButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TGraphicControl::MouseDown(Button, Shift, X, Y);
  if (Button != mbLeft || !Enabled()) return;
  if (FDropDownButton && X > ClientWidth() - 12) {
    FState = bsUp;
    if (OnDropDown) OnDropDown(this);
    if (FDropDownMenu) {
      const TPoint p = ClientToScreen(TPoint(0, Height()));
      FDropDownMenu->Popup(p.X, p.Y);
    }
    return;
  }
  if (!FDown) {
    FState = bsDown;
    Invalidate();
  }
  if (FStyle == tasCheck) {
    FState = bsDown;
    Repaint();
  }
  FDragging = true;
}

void TExtGridButton::MouseMove(TShiftState Shift, int X, int Y) {
  TGraphicControl::MouseMove(Shift, X, Y);
  if (!FDragging) return;
  const bool inside = X >= 0 && X < ClientWidth() && Y >= 0 && Y <= ClientHeight();
  TButtonState s = inside ? (FDown ? bsExclusive : bsDown) : (FDown ? bsExclusive : bsUp);
  if (FStyle == tasCheck && FDown) s = bsDown;
  if (s != FState) {
    FState = s;
    Invalidate();
  }
}

void TExtGridButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TGraphicControl::MouseUp(Button, Shift, X, Y);
  if (!FDragging) return;
  FDragging = false;
  const bool inside = X >= 0 && X < ClientWidth() && Y >= 0 && Y <= ClientHeight();
  if (FGroupIndex == 0) {
    FState = bsUp;
    if (FStyle == tasCheck && inside) SetDown(!FDown);
    if (inside && !FDown) Invalidate();
  } else if (inside) {
    SetDown(!FDown);
    if (FDown) Invalidate();
  } else {
    if (FDown) FState = bsExclusive;
    Invalidate();
  }
  if (inside) Click();
}

void TExtGridButton::CMMouseEnter(TCMControlMsg& Message) {
  TGraphicControl::CMMouseEnter(Message);
  if (!FMouseInControl && Enabled() && !FDragging) {
    FMouseInControl = true;
    Invalidate();
  }
  if (OnMouseEnter) OnMouseEnter(this);
}

void TExtGridButton::CMMouseLeave(TCMControlMsg& Message) {
  TGraphicControl::CMMouseLeave(Message);
  if (FMouseInControl && Enabled() && !FDragging) {
    FMouseInControl = false;
    Invalidate();
  }
  if (OnMouseLeave) OnMouseLeave(this);
}

void TExtGridButton::CMEnabledChanged(TMessage& Message) {
  TGraphicControl::CMEnabledChanged(Message);
  Invalidate();
}

void TExtGridButton::PaintFace(TCanvas* c, TRect& r, bool hot) {
  const bool checked = FStyle == tasCheck && FDown;
  if (BorderDownColor == clNone || FRounded) r = TRect(r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1);
  c->Pen()->SetWidth(1);
  auto plain = [&](TColor face, TColor frame) {
    c->Brush()->SetStyle(bsSolid);
    c->Brush()->SetColor(face);
    c->Pen()->SetColor(frame == clNone ? face : frame);
    c->Rectangle(r);
  };
  if (!hot) {
    if (checked) {
      if (ColorCheckedTo == clNone) plain(ColorChecked, BorderDownColor);
      else DrawButtonGradient(c, ColorChecked, ColorCheckedTo, BorderDownColor == clNone ? ColorChecked : BorderDownColor, r);
    } else if (ColorTo == clNone) {
      c->Brush()->SetStyle(bsSolid);
      c->Brush()->SetColor(Color());
      c->FillRect(r);
    } else {
      DrawButtonGradient(c, Color(), ColorTo, FRounded ? clNone : (FDown ? BorderDownColor : BorderColor), r);
    }
    if (BorderColor != clNone) {
      c->Pen()->SetColor(BorderColor);
      c->Brush()->SetStyle(bsClear);
      if (FRounded)
        c->RoundRect(TRect(r.Left - 1, r.Top - 1, r.Right + 1, r.Bottom + 1), 8, 8);
      else
        c->Rectangle(r);
    }
  } else {
    TColor face = ColorHot, to = ColorHotTo, frame = BorderHotColor;
    if (FState == bsDown) {
      face = ColorDown;
      to = ColorDownTo;
      frame = BorderDownColor;
    } else if (checked) {
      face = ColorChecked;
      to = ColorCheckedTo;
      frame = BorderDownColor;
    }
    if (FRounded) frame = clNone;
    if (to == clNone) plain(face, frame);
    else DrawButtonGradient(c, face, to, frame, r);
    const TColor edge = FState == bsDown ? BorderDownColor : BorderHotColor;
    if (FRounded) {
      r = TRect(r.Left - 1, r.Top - 1, r.Right + 1, r.Bottom + 1);
      c->Pen()->SetColor(edge);
      c->Brush()->SetStyle(bsClear);
      c->RoundRect(r, 8, 8);
    }
    if (FDropDownButton) {
      c->Pen()->SetColor(edge);
      c->MoveTo(r.Right - 12, r.Top);
      c->LineTo(r.Right - 12, r.Bottom);
    }
  }
  r = TRect(r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1);
}

TBitmap* TExtGridButton::ChosenGlyph(bool hot) const {
  TBitmap* g = FGlyph.get();
  if (!Enabled()) return Empty(FGlyphDisabled.get()) ? g : FGlyphDisabled.get();
  if (hot && (FState == bsUp || FState == bsDisabled) && !Empty(FGlyphHot.get())) return FGlyphHot.get();
  if ((FState == bsDown || FState == bsExclusive) && !Empty(FGlyphDown.get())) return FGlyphDown.get();
  return g;
}

void TExtGridButton::PaintGlyphAndCaption(TCanvas* c, const TRect& r, TPoint offset, bool hot) {
  const std::string caption = FShowCaption ? Caption() : std::string();
  const TSize glyphSize = Empty(FGlyph.get()) ? TSize{0, 0} : TSize{FGlyph->Width(), FGlyph->Height()};
  TSize textSize{0, 0};
  if (!caption.empty()) {
    TRect calc(0, 0, r.Width(), 0);
    c->DrawText(caption, calc, DT_CALCRECT | DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    textSize = TSize{calc.Width(), calc.Height()};
  }
  TGlyphCaptionPlace place = CalcGlyphCaptionLayout(r, glyphSize, textSize, FLayout, FMargin, FSpacing, false);
  place.Glyph = TPoint(place.Glyph.X + offset.X, place.Glyph.Y + offset.Y);
  place.Text = TRect(place.Text.Left + offset.X, place.Text.Top + offset.Y, place.Text.Right + offset.X,
                     place.Text.Bottom + offset.Y);
  if (caption.empty()) place.Glyph = TPoint(0, 0);
  TBitmap* glyph = ChosenGlyph(hot);
  const bool shadeNow = hot && FShaded && Enabled() && FState != bsDown;
  if (!Empty(glyph)) {
    if (shadeNow && !Empty(FShade.get())) {
      const TPoint s = caption.empty() ? place.Glyph : TPoint(place.Glyph.X + 2, place.Glyph.Y + 2);
      DrawTransparentGlyph(c, FShade.get(), s.X, s.Y);
    }
    DrawTransparentGlyph(c, glyph, place.Glyph.X, place.Glyph.Y);
  }
  if (caption.empty()) return;
  TRect tr = place.Text;
  if (shadeNow && FFlat) tr = TRect(tr.Left + 1, tr.Top + 1, tr.Right + 1, tr.Bottom + 1);
  c->Brush()->SetStyle(bsClear);
  const uint32_t fmt = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
  if (!Enabled()) {
    TRect shifted(tr.Left + 1, tr.Top + 1, tr.Right + 1, tr.Bottom + 1);
    c->Font()->SetColor(SystemColor(20));
    c->DrawText(caption, shifted, fmt);
    c->Font()->SetColor(SystemColor(16));
  }
  c->DrawText(caption, tr, fmt);
}

void TExtGridButton::Paint() {
  TCanvas* c = Canvas();
  if (!Enabled()) {
    FState = bsDisabled;
    FDragging = false;
  } else if (FState == bsDisabled) {
    FState = (FDown && FGroupIndex != 0) ? bsExclusive : bsUp;
  }
  if (FStyle == tasCheck && FDown) FState = bsDown;
  TRect r = ClientRect();
  c->SetFont(Font());
  const bool hot = FMouseInControl && Enabled();
  if (FFlat) {
    PaintFace(c, r, hot);
  } else if (FAutoXPStyle && ThemedLookActive()) {
    TThemeBinding& b = ExtXPVSBinding();
    if (HTHEME theme = b.OpenThemeData(nullptr, "button")) {
      const int state = (FState == bsDown || FState == bsExclusive) ? PBS_PRESSED : hot ? PBS_HOT : PBS_NORMAL;
      b.DrawThemeBackground(theme, c, BP_PUSHBUTTON, state, &r, nullptr);
      b.CloseThemeData(theme);
    }
  } else {
    const bool pushed = FState == bsDown || FState == bsExclusive;
    c->DrawFrameControl(r, DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_ADJUSTRECT | (pushed ? DFCS_PUSHED : 0));
  }
  TPoint offset(0, 0);
  if (FState == bsDown || FState == bsExclusive) {
    if (FState == bsExclusive && (!FFlat || !hot)) {
      const TRect grown(r.Left - 1, r.Top - 1, r.Right + 1, r.Bottom + 1);
      const TColor frame = FDown ? BorderDownColor : BorderColor;
      if (ColorCheckedTo == clNone) {
        c->Brush()->SetStyle(bsSolid);
        c->Brush()->SetColor(ColorChecked);
        c->FillRect(grown);
        if (frame != clNone) {
          c->Brush()->SetColor(frame);
          c->FrameRect(grown);
        }
      } else {
        DrawButtonGradient(c, ColorChecked, ColorCheckedTo, frame, grown);
      }
    }
    if (!FFlat) offset = TPoint(1, 1);
  } else if (FFlat && hot && FShaded) {
    offset = TPoint(-1, -1);
  }
  if (FDropDownButton) {
    const int m = r.Top + r.Height() / 2 - 1;
    c->Brush()->SetStyle(bsSolid);
    c->Brush()->SetColor(c->Font()->Color());
    c->Pen()->SetColor(c->Font()->Color());
    c->Polygon({TPoint(r.Right - 8, m), TPoint(r.Right - 4, m), TPoint(r.Right - 6, m + 2)});
    r.Right -= 12;
  }
  PaintGlyphAndCaption(c, r, offset, hot);
}
