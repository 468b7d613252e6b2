// Pictures of the controls embedded in HTML text (edit, password, mask,
// combo, check, radio, button), their room on the line and their hit test.
#include <algorithm>

#include "grid/foundation/EsgHTMLE.h"
#include "grid/foundation/EsgHTMLEInternal.h"
#include "grid/foundation/ExtXPVS.h"

namespace htmle {

namespace {

struct TControlTag {
  std::string Type, ID, Value, Width, Height, Prop, MaxLen;
};

struct TControlPlace {
  int X, Bottom, H, W, CtlH;
};

// One part of one theme class, opened and closed around the drawing.
void DrawThemed(TCallState& s, const char* cls, int part, int state, const TRect& r) {
  TThemeBinding& b = ExtXPVSBinding();
  HTHEME theme = b.OpenThemeData(s.Io->Window, cls);
  if (!theme) return;
  b.DrawThemeBackground(theme, s.Canvas, part, state, &r, nullptr);
  b.CloseThemeData(theme);
}

bool PointOver(const TCallState& s, const TControlPlace& at, int ctlH) {
  const int hx = s.Io->HitX, hy = s.Io->HitY;
  return at.X - 2 < hx && hx < at.X + at.W - 2 && at.Bottom - ctlH - 2 < hy && hy < at.Bottom - 2;
}

void DrawValueText(TCanvas* c, std::string text, TRect r, uint32_t extra) {
  const TBrushStyle style = c->Brush()->Style();
  c->Brush()->SetStyle(bsClear);
  c->DrawText(text, r, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | extra);
  c->Brush()->SetStyle(style);
}

void DrawEditFrame(TCallState& s, const TControlPlace& at) {
  TCanvas* c = s.Canvas;
  const TColor keepPen = c->Pen()->Color(), keepBrush = BrushColorOf(c);
  c->Pen()->SetColor(s.Themed ? RGB(127, 157, 185) : RGB(128, 128, 128));
  SetBrushColorOf(c, clWhite);
  c->Rectangle(at.X, at.Bottom - at.H + 4, at.X + at.W, at.Bottom + 2);
  c->Pen()->SetColor(keepPen);
  SetBrushColorOf(c, keepBrush);
}

void DrawControl(TCallState& s, const TControlTag& t, const TControlPlace& at) {
  TCanvas* c = s.Canvas;
  const bool ticked = UpperAZ(t.Value) == "TRUE";
  const TRect text(at.X + 2, at.Bottom - at.H + 4, at.X + at.W, at.Bottom);
  if (t.Type == "EDIT" || t.Type == "MASK") {
    DrawEditFrame(s, at);
    DrawValueText(c, t.Value, text, 0);
  } else if (t.Type == "PASSWORD") {
    DrawEditFrame(s, at);
    DrawValueText(c, std::string(t.Value.size(), '*'), text, 0);
  } else if (t.Type == "COMBO") {
    DrawEditFrame(s, at);
    DrawValueText(c, t.Value, TRect(at.X + 4, at.Bottom - at.H + 4, at.X + at.W - 18, at.Bottom), 0);
    TRect btn(at.X + at.W - 18, at.Bottom - at.H + 5, at.X + at.W - 1, at.Bottom + 1);
    if (s.Themed)
      DrawThemed(s, "combobox", 1, PointOver(s, at, at.CtlH) ? 2 : 1, btn);
    else
      c->DrawFrameControl(btn, DFC_SCROLL, DFCS_SCROLLCOMBOBOX);
  } else if (t.Type == "CHECK") {
    TRect box(at.X + 2, at.Bottom - 15, at.X + 15, at.Bottom);
    if (s.Themed)
      DrawThemed(s, "button", 3, ticked ? 5 : 1, box);
    else
      c->DrawFrameControl(box, DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_FLAT | (ticked ? DFCS_CHECKED : 0));
  } else if (t.Type == "RADIO") {
    TRect box(at.X + 2, at.Bottom - 14, at.X + 14, at.Bottom);
    if (s.Themed)
      DrawThemed(s, "button", 2, ticked ? 5 : 1, box);
    else
      c->DrawFrameControl(box, DFC_BUTTON, DFCS_BUTTONRADIO | DFCS_FLAT | (ticked ? DFCS_CHECKED : 0));
  } else if (t.Type == "BUTTON") {
    TRect r(at.X + 2, at.Bottom - s.CtlHeightAttr, at.X + at.W - 2, at.Bottom);
    const bool over = PointOver(s, at, 24);
    const bool pushed = over && s.Io->ButtonDown;
    if (s.Themed)
      DrawThemed(s, "button", 1, pushed ? 3 : (over ? 2 : 1), r);
    else
      c->DrawFrameControl(r, DFC_BUTTON, DFCS_BUTTONPUSH | (pushed ? DFCS_PUSHED : 0));
    DrawValueText(c, t.Value, TRect(r.Left + 2, r.Top + 2, r.Right - 2, r.Bottom - 2), DT_CENTER);
  }
}

}  // namespace

void HandleControl(TCallState& s, TPassState& p, const std::string& tag) {
  THTMLTextCall& io = *s.Io;
  TControlTag t;
  const size_t at = FindNoCase(tag, "<CONTROL");
  ParseControlTag(at == std::string::npos ? tag : tag.substr(at + 8), t.Type, t.ID, t.Value, t.Width, t.Height,
                  t.Prop, t.MaxLen);
  bool valid = false;
  const int heightAttr = ParseHTMLNumberIn(t.Height, 0, kMaxMarkupExtent, &valid);
  s.CtlHeightAttr = valid ? heightAttr : 25;
  if (t.Width.empty()) return;
  const int width = ParseHTMLNumberIn(t.Width, 0, kMaxMarkupExtent, &valid);
  if (valid) {
    s.CtlWidth = width;
    s.CtlHeight = GhHeight(s.Canvas) + 10;
  }
  const bool small = t.Type == "CHECK" || t.Type == "RADIO";
  p.Height = small ? 16 : 23;
  if (s.CtlHeightAttr > 25) p.Height = s.CtlHeightAttr - 2;
  if (p.Drawing) DrawControl(s, t, TControlPlace{p.Dr.Left, p.Dr.Bottom, p.Height, s.CtlWidth, s.CtlHeight});
  if (t.Type == "BUTTON" || t.Type == "COMBO") s.CtlHeight = 25;
  if (small) s.CtlWidth = s.CtlHeight = 16;

  const int rel = io.HitX - p.Line.Left;
  const bool overPoint = rel > p.Width && rel < p.Width + s.CtlWidth && io.HitY > p.Dr.Top &&
                         io.HitY < p.Dr.Top + s.CtlHeight;
  // An empty ControlID names no control.
  const bool asked = io.HitTestOnly && !t.ID.empty() && t.ID == io.ControlID;
  if (overPoint || asked) {
    p.HitCtl = true;
    io.HitHref = "ctrl";
    const int left = p.Line.Left + p.Width;
    io.ControlRect = TRect(left, p.Dr.Top, left + s.CtlWidth, p.Dr.Top + s.CtlHeight);
    io.ControlValue = t.Value;
    io.ControlID = t.ID;
    io.ControlType = t.Type;
  }
  TakeRoom(p, s.CtlWidth, s.CtlHeight);
}

}  // namespace htmle
