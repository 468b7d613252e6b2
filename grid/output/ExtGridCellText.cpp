// The default content of a cell: selection colours, the text with its
// alignment, wrapping, URL look and password mask, or HTML through the
// foundation's engine.

#include "grid/output/CellPaint.h"
#include "grid/foundation/EsgHTMLE.h"
#include "grid/foundation/ExtUtil.h"
#include "toolkit/graphics/Canvas.h"

namespace {

uint32_t AlignFlags(TAlignment HA, TVAlignment VA) {
  uint32_t f = 0;
  if (HA == taRightJustify) f |= DT_RIGHT;
  else if (HA == taCenter) f |= DT_CENTER;
  if (VA == vtaCenter) f |= DT_VCENTER;
  else if (VA == vtaBottom) f |= DT_BOTTOM;
  return f;
}

bool HasURL(const std::string& Text) {
  return Text.find("://") != std::string::npos || Text.find("mailto:") != std::string::npos;
}

}  // namespace

// The flags of the platform text routine for a plain cell text; a one-line
// text without word wrap is cut to its first line.
uint32_t TExtStringGrid::PlainTextFlags(std::string& Text, bool WordWrap, TAlignment HA, TVAlignment VA) const {
  uint32_t flags = AlignFlags(HA, VA);
  if (WordWrap || FMultilinecells) {
    flags |= DT_EDITCONTROL | DT_NOPREFIX | DT_EXPANDTABS | DT_WORDBREAK;
    if (WordWrap && !FMultilinecells && FEnhTextSize) flags |= DT_END_ELLIPSIS;
    return flags;
  }
  std::string first;
  CutFirstLine(Text, false, first);
  Text = first;
  flags |= DT_NOPREFIX | DT_EXPANDTABS | DT_SINGLELINE;
  if (FEnhTextSize) flags |= DT_END_ELLIPSIS;
  return flags;
}

void TExtStringGrid::paintCellText(TCellPaint& P) {
  TCanvas* c = P.Canvas;
  TColor urlColor = FURLColor;
  if (P.State.Contains(gdSelected) && !IsFixed(P.ACol, P.ARow) && FShowSelection) {
    if (FSelectionColor != clNone) c->Brush()->SetColor(FSelectionColor);
    if (FSelectionTextColor != clNone && Enabled()) {
      c->Font()->SetColor(FSelectionTextColor);
      urlColor = FSelectionTextColor;
    }
  }
  if (!P.Layout.ShowText) return;
  std::string text = GetFormattedCell(P.RCol, P.ARow);
  int kind = GetTextKind(text, FEnableHTML);
  if (kind == 3) {
    text = RawCellText(P.RCol, P.ARow);
    kind = GetTextKind(text, FEnableHTML);
  }
  bool password = false;
  IsPasswordCell(P.RCol, P.ARow, password);
  if (password) FillStringChars(text, FPasswordChar);
  if (text.empty()) return;

  TRect T = P.R;
  if (P.FixedFace) {
    T.Left += GridLineWidth();
    T.Top += GridLineWidth();
  }
  T.Left += FXYOffset.X;
  T.Top += FXYOffset.Y;
  if (!FXYOffsetTopLeftOnly) T.Right -= FXYOffset.X;
  const TCellGraphicLayout& g = P.Layout;
  if (g.Graphic) {
    if (g.HAlign == haBeforeText) T.Left += g.Width;
    else if (g.HAlign == haAfterText) T.Right -= g.Width;
    if (g.VAlign == vaAboveText) T.Top += g.Height;
    else if (g.VAlign == vaUnderText) T.Bottom -= g.Height;
  }

  c->Brush()->SetStyle(bsClear);
  if (kind == 1) {
    T.Left -= 1;
    THTMLTextCall call;
    call.LinkColor = urlColor;
    call.ShadowColor = TColor(0x808080);
    call.Pictures = nullptr;
    call.WrapWords = P.WordWrap;
    DrawHTMLText(c, text, T, call);
    P.TextWidth = call.MaxWidth + 2;
  } else {
    const bool url = FURLShow && HasURL(text);
    if (url) {
      if (!FURLFull) StripURLProtocol(text);
      TFontStyles st = c->Font()->Style();
      st.Include(fsUnderline);
      c->Font()->SetStyle(st);
      c->Font()->SetColor(urlColor);
    }
    const uint32_t flags = PlainTextFlags(text, P.WordWrap, P.HA, P.VA);
    if (g.Graphic) {
      TRect m = T;
      c->DrawText(text, m, flags | DT_CALCRECT);
      P.TextWidth = m.Width() + 2;
    }
    c->DrawText(text, T, flags);
    if (url) {
      TFontStyles st = c->Font()->Style();
      st.Exclude(fsUnderline);
      c->Font()->SetStyle(st);
    }
  }
  c->Brush()->SetStyle(bsSolid);
}
