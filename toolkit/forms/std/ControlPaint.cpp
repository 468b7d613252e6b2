#include "toolkit/forms/std/ControlPaint.h"

#include "platform/theme/Theme.h"
#include "toolkit/graphics/ThemePainting.h"

namespace {

void FillSolid(TCanvas* c, const TRect& r, TColor color) {
  c->Brush()->SetStyle(bsSolid);
  c->Brush()->SetColor(color);
  c->FillRect(r);
}

}  // namespace

bool DrawThemed(TCanvas* Canvas, const char* ThemeClass, int Part, int State, const TRect& R) {
  if (!IsThemeActive()) return false;
  HTHEME theme = OpenThemeData(nullptr, ThemeClass);
  if (theme == 0) return false;
  bool drawn = DrawThemeBackground(theme, Canvas, Part, State, &R, nullptr) == S_OK;
  CloseThemeData(theme);
  return drawn;
}

void DrawFieldFrame(TCanvas* Canvas, TRect& R, bool Enabled, bool Focused, bool ReadOnly) {
  int state = !Enabled ? ETS_DISABLED : ReadOnly ? ETS_READONLY : Focused ? ETS_FOCUSED : ETS_NORMAL;
  if (!DrawThemed(Canvas, "edit", EP_EDITTEXT, state, R)) {
    TRect edge = R;
    Canvas->DrawEdge(edge, EDGE_SUNKEN, BF_RECT);
  }
  InflateRect(R, -2, -2);
}

void DrawPushButtonFace(TCanvas* Canvas, const TRect& R, TButtonPaintState State, bool Focused) {
  static const int kStates[] = {PBS_NORMAL, PBS_HOT, PBS_PRESSED, PBS_DISABLED, PBS_DEFAULTED};
  if (!DrawThemed(Canvas, "button", BP_PUSHBUTTON, kStates[State], R)) {
    TRect r = R;
    FillSolid(Canvas, r, clBtnFace);
    if (State == bpsDefault) {
      Canvas->Brush()->SetColor(clWindowFrame);
      Canvas->FrameRect(r);
      InflateRect(r, -1, -1);
    }
    Canvas->DrawEdge(r, State == bpsPressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
  }
  if (Focused) {
    TRect f = R;
    InflateRect(f, -4, -4);
    DrawFocusFrame(Canvas, f);
  }
}

void DrawCheckGlyph(TCanvas* Canvas, const TRect& R, TCheckPaintState Check, bool Radio, bool Pressed, bool Enabled) {
  int base = Check == cpsChecked ? 4 : Check == cpsMixed ? 8 : 0;
  int state = base + (!Enabled ? 4 : Pressed ? 3 : 1);
  if (Radio && Check == cpsMixed) state = Enabled ? RBS_UNCHECKEDNORMAL : RBS_UNCHECKEDDISABLED;
  if (DrawThemed(Canvas, "button", Radio ? BP_RADIOBUTTON : BP_CHECKBOX, state, R)) return;
  uint32_t flags = Radio ? DFCS_BUTTONRADIO : (Check == cpsMixed ? DFCS_BUTTON3STATE : DFCS_BUTTONCHECK);
  if (Check != cpsUnchecked) flags |= DFCS_CHECKED;
  if (Pressed) flags |= DFCS_PUSHED;
  if (!Enabled) flags |= DFCS_INACTIVE;
  TRect r = R;
  Canvas->DrawFrameControl(r, DFC_BUTTON, flags);
}

void DrawComboButton(TCanvas* Canvas, const TRect& R, bool Pressed, bool Enabled) {
  int state = !Enabled ? CBXS_DISABLED : Pressed ? CBXS_PRESSED : CBXS_NORMAL;
  if (DrawThemed(Canvas, "combobox", CP_DROPDOWNBUTTONRIGHT, state, R)) return;
  DrawScrollArrow(Canvas, R, adDown, Pressed, Enabled);
}

void DrawScrollArrow(TCanvas* Canvas, const TRect& R, TArrowGlyphDirection Dir, bool Pressed, bool Enabled) {
  static const int kBase[] = {ABS_UPNORMAL, ABS_DOWNNORMAL, ABS_LEFTNORMAL, ABS_RIGHTNORMAL};
  int state = kBase[Dir] + (!Enabled ? 3 : Pressed ? 2 : 0);
  if (DrawThemed(Canvas, "scrollbar", SBP_ARROWBTN, state, R)) return;
  TRect r = R;
  FillSolid(Canvas, r, clBtnFace);
  Canvas->DrawEdge(r, Pressed ? BDR_SUNKENOUTER : EDGE_RAISED, BF_RECT);
  TRect glyph = R;
  if (Pressed) OffsetRect(glyph, 1, 1);
  DrawArrowGlyph(Canvas, glyph, Dir, Enabled ? clBtnText : clGrayText);
}

void DrawArrowGlyph(TCanvas* Canvas, const TRect& R, TArrowGlyphDirection Dir, TColor Color) {
  int cx = (R.Left + R.Right) / 2, cy = (R.Top + R.Bottom) / 2;
  int n = std::max(2, std::min(R.Width(), R.Height()) / 4);
  Canvas->Pen()->SetColor(Color);
  Canvas->Brush()->SetColor(Color);
  Canvas->Brush()->SetStyle(bsSolid);
  std::vector<TPoint> p;
  switch (Dir) {
    case adDown: p = {{cx - n, cy - n / 2}, {cx + n, cy - n / 2}, {cx, cy + n / 2 + 1}}; break;
    case adUp: p = {{cx - n, cy + n / 2}, {cx + n, cy + n / 2}, {cx, cy - n / 2 - 1}}; break;
    case adRight: p = {{cx - n / 2, cy - n}, {cx - n / 2, cy + n}, {cx + n / 2 + 1, cy}}; break;
    case adLeft: p = {{cx + n / 2, cy - n}, {cx + n / 2, cy + n}, {cx - n / 2 - 1, cy}}; break;
  }
  Canvas->Polygon(p);
}

void DrawCaption(TCanvas* Canvas, const std::string& Text, TRect R, uint32_t Flags, bool Enabled) {
  Canvas->Brush()->SetStyle(bsClear);
  if (Enabled) {
    Canvas->DrawText(Text, R, Flags);
    return;
  }
  TColor keep = Canvas->Font()->Color();
  TRect shadow = R;
  OffsetRect(shadow, 1, 1);
  Canvas->Font()->SetColor(clBtnHighlight);
  Canvas->DrawText(Text, shadow, Flags);
  Canvas->Font()->SetColor(clBtnShadow);
  Canvas->DrawText(Text, R, Flags);
  Canvas->Font()->SetColor(keep);
}

void DrawFocusFrame(TCanvas* Canvas, const TRect& R) {
  Canvas->Brush()->SetStyle(bsSolid);
  Canvas->Brush()->SetColor(clWhite);
  Canvas->Font()->SetColor(clBlack);
  Canvas->DrawFocusRect(R);
}
