// The default content of a cell: selection colours, the filter button, the
// text with its alignment, wrapping, URL look and password mask, HTML
// through the foundation's engine, or rich text through the rich edit.

#include "grid/output/CellPaint.h"
#include "grid/foundation/EsgHTMLE.h"
#include "grid/foundation/ExtUtil.h"
#include "grid/foundation/ExtUtilGlyphs.h"
#include "toolkit/graphics/Canvas.h"
#include "toolkit/rtl/ScopeGuard.h"

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

void TExtStringGrid::DrawDefaultCellContent(TCellPaint& P) {
  TCanvas* c = P.Canvas;
  TColor urlColor = FURLColor;
  // A row picked whole (goRowSelect) shows the selection in its normal columns.
  const bool rowPicked = Options().Contains(goRowSelect) && P.RCol >= FixedCols() &&
                         P.RCol < AllColCount() - FFixedRightCols && RowSelect(selectionRow(P.ARow));
  if ((P.State.Contains(gdSelected) || rowPicked) && !IsFixed(P.ACol, P.ARow) && FShowSelection) {
    if (FSelectionColor != clNone) c->Brush()->SetColor(FSelectionColor);
    if (FSelectionTextColor != clNone && Enabled()) {
      c->Font()->SetColor(FSelectionTextColor);
      urlColor = FSelectionTextColor;
    }
  }
  if (!FBackGround.Bitmap()->Empty() || FBackGround.Display() >= bdGradientHorz) {
    TRect B = P.R;
    if (P.FixedFace) {
      B.Left += GridLineWidth();
      B.Top += GridLineWidth();
    }
    paintCellBackground(P, B);
  }
  if (FSelectionRectangle && !P.FixedFace) paintSelectionRectangle(P);
  if (P.FilterButton) {
    TRect B = P.R;
    if (P.FixedFace) {
      B.Left += GridLineWidth();
      B.Top += GridLineWidth();
    }
    paintFilterButton(P, B);
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
  if (password) {
    // The mask is plain text: no markup or rich text may show what it hides.
    FillStringChars(text, FPasswordChar);
    kind = 0;
  }
  if (text.empty()) return;

  TRect T = P.R;
  if (P.FixedFace) {
    T.Left += GridLineWidth();
    T.Top += GridLineWidth();
  }
  // A scrolled cell shows its text moved up, cut at the cell.
  const int savedDC = P.ScrollPos > 0 ? c->SaveDC() : 0;
  auto restore = MakeScopeGuard([&] {
    if (savedDC) c->RestoreDC(savedDC);
  });
  if (savedDC) {
    c->IntersectClipRect(P.R.Left, P.R.Top, P.R.Right, P.R.Bottom);
    T.Top -= P.ScrollPos;
  }
  T.Left += FXYOffset.X;
  T.Top += FXYOffset.Y;
  if (!FXYOffsetTopLeftOnly) T.Right -= FXYOffset.X;
  const TCellGraphicLayout& g = P.Layout;
  int graphicBefore = 0;
  if (g.Graphic) {
    if (g.HAlign == haBeforeText || (g.HAlign == haLeft && P.HA == taLeftJustify)) graphicBefore = g.Width;
    if (g.HAlign == haBeforeText) T.Left += g.Width;
    else if (g.HAlign == haAfterText) T.Right -= g.Width;
    if (g.VAlign == vaAboveText) T.Top += g.Height;
    else if (g.VAlign == vaUnderText) T.Bottom -= g.Height;
  }

  // The rows under a node start their text at their indent, clear of the tree lines.
  if (P.RCol == 0 && HasNodes() && !IsNode(P.ARow)) T.Left += GetRowIndent(P.ARow);

  const bool sortMark = ShowsSortIndicator(P.RCol, P.ARow, P.ACol);
  c->Brush()->SetStyle(bsClear);
  if (kind == 1) {
    if (P.FilterButton) T.Right -= 18;
    T.Left -= 1;
    if (sortMark) T.Right -= 10;
    THTMLTextCall call;
    call.LinkColor = urlColor;
    call.ShadowColor = TColor(0x808080);
    call.Images = CellImageList(P.RCol, P.ARow);
    call.Pictures = FPictureContainer;
    call.Window = reinterpret_cast<HWND>(Handle());
    call.BlinkVisible = !FEnableBlink || FGridBlink;
    // EnhTextSize cuts what does not fit with an ellipsis instead of wrapping.
    call.WrapWords = P.WordWrap && !FEnhTextSize;
    call.ButtonDown = FCtrlDown && FCtrlXY == TPoint{P.RCol, P.ARow};
    // Only the hovered link is underlined, and only while it is hovered.
    call.HoverOnly = FURLUnderlineOnHover;
    call.HoverAnchor = FHoverCell == TPoint{P.ACol, P.ARow} ? FHoverlink : -1;
    DrawHTMLText(c, text, T, call);
    P.TextWidth = call.MaxWidth + 2;
    if (sortMark) DrawSortIndicator(c, P.RCol, T.Right + 2, SortIndicatorY(T, P.VA));
  } else if (kind == 2) {
    c->Brush()->SetStyle(bsSolid);
    c->Pen()->SetColor(c->Brush()->Color());
    if (!(P.State.Contains(gdSelected) && !P.State.Contains(gdFocused) && FSelectionColor == clNone)) c->FillRect(T);
    c->Brush()->SetStyle(bsClear);
    DrawRichTextCell(P.RCol, P.ARow, c, T);
    c->Font()->SetColor(clBlack);
  } else {
    paintPlainText(P, text, T, urlColor, sortMark ? graphicBefore : -1);
  }
  c->Brush()->SetStyle(bsSolid);
}

// The frame around the selected block: each cell draws the edges it has on
// the block's border, and the bottom-right cell the resize square.
void TExtStringGrid::paintSelectionRectangle(TCellPaint& P) {
  TGridRect sel = Selection();
  if (IsMergedCell(P.ACol, P.ARow)) {
    const TPoint base = BaseCell(P.ACol, P.ARow);
    if (!sel.Contains(base.X, base.Y)) return;
    sel = {P.ACol, P.ARow, P.ACol, P.ARow};
  }
  if (!sel.Contains(P.ACol, P.ARow)) return;
  TCanvas* c = P.Canvas;
  const TRect& T = P.R;
  const int g = GridLineWidth();
  const bool left = P.ACol == sel.Left, right = P.ACol == sel.Right;
  const int spanRight = right ? T.Right - 1 : T.Right;
  c->Pen()->SetColor(FSelectionRectangleColor);
  c->Pen()->SetWidth(2);
  if (left) {
    c->MoveTo(T.Left - g + 1, T.Bottom);
    c->LineTo(T.Left - g + 1, T.Top - g);
  }
  if (right) {
    c->MoveTo(T.Right - 1, T.Bottom);
    c->LineTo(T.Right - 1, T.Top - g);
  }
  if (P.ARow == sel.Top) {
    c->MoveTo(T.Left - g, T.Top - g + 1);
    c->LineTo(spanRight, T.Top - g + 1);
  }
  if (P.ARow == sel.Bottom) {
    c->MoveTo(T.Left - g, T.Bottom - 1);
    c->LineTo(spanRight, T.Bottom - 1);
  }
  c->Pen()->SetWidth(1);
  if (FSelectionResizer && right && P.ARow == sel.Bottom) {
    const TColor brush = c->Brush()->Color();
    c->Brush()->SetColor(FSelectionRectangleColor);
    c->FillRect(TRect(T.Right - 4, T.Bottom - 4, T.Right, T.Bottom));
    c->Brush()->SetColor(brush);
  }
}

// The button of the filter row: the drop-down's glyph (its active glyph
// while the column is filtered) or the grid's own funnel, at the top right.
// Drawn over the cell's background so that a background picture never hides
// it.
void TExtStringGrid::paintFilterButton(TCellPaint& P, const TRect& T) {
  TBitmap* glyph = FFilter.HasFilter(P.RCol) ? FFilterDropDown.GlyphActive() : FFilterDropDown.Glyph();
  if (glyph->Empty()) DrawResourceBitmap(P.Canvas, FixedColor(), TRect(T.Right - 16, T.Top, T.Right, T.Top + 16), "ESGFILT");
  else DrawBitmapTransparent(P.Canvas, glyph, T.Right - 16, T.Top);
}

// Plain text with its URL look and error marker; SortOffset >= 0 draws the
// sort indicator beside the text, that far further right.
void TExtStringGrid::paintPlainText(TCellPaint& P, std::string& text, TRect T, TColor urlColor, int SortOffset) {
  TCanvas* c = P.Canvas;
  const bool sortColumn = SortOffset >= 0 && P.RCol == FSortSettings.Column();
  if (P.HA == taCenter && sortColumn) T.Left += 10;
  const bool url = FURLShow && HasURL(text);
  const TFontStyles style = c->Font()->Style();
  if (url) {
    if (!FURLFull) StripURLProtocol(text);
    TFontStyles st = style;
    st.Include(fsUnderline);
    c->Font()->SetStyle(st);
    c->Font()->SetColor(urlColor);
  }
  if (P.FilterButton) T.Right -= 16;
  const uint32_t flags = PlainTextFlags(text, P.WordWrap, P.HA, P.VA);
  if (P.Layout.Graphic) {
    TRect m = T;
    c->DrawText(text, m, flags | DT_CALCRECT);
    P.TextWidth = m.Width() + 2;
  }
  c->DrawText(text, T, flags);
  int errPos = 0, errLen = 0;
  GetMarker(P.RCol, P.ARow, errPos, errLen);
  if (errLen > 0) paintErrorMarker(P, text, T, flags, errPos, errLen);
  if (SortOffset >= 0) {
    TRect S = P.R;
    if (P.FilterButton) S.Right -= 16;
    const int q = std::max(0, std::min(S.Width() - 16, c->TextWidth(text)));
    const int x = P.HA == taRightJustify ? S.Right - q - 10
                  : P.HA == taCenter     ? S.Left + 8
                                         : S.Left + q + SortOffset + 10;
    DrawSortIndicator(c, P.RCol, x, SortIndicatorY(S, P.VA));
  }
  if (url) c->Font()->SetStyle(style);
}

// The wavy underline under the marked characters, where the text lies.
void TExtStringGrid::paintErrorMarker(TCellPaint& P, const std::string& text, const TRect& T, uint32_t flags,
                                      int ErrPos, int ErrLen) {
  TCanvas* c = P.Canvas;
  TRect m = T;
  c->DrawText(text, m, flags | DT_CALCRECT);
  TRect at = T;
  if (P.HA == taRightJustify) at.Left = T.Right - m.Width();
  else if (P.HA == taCenter) at.Left = T.Left + (T.Width() - m.Width()) / 2;
  if (flags & DT_VCENTER) at.Top = T.Top + (T.Height() - m.Height()) / 2;
  else if (flags & DT_BOTTOM) at.Top = T.Bottom - m.Height();
  TPen saved;
  saved.Assign(c->Pen());
  DrawErrorUnderline(this, c, text, at, c->TextHeight("hg"), ErrPos, ErrLen);
  c->Pen()->Assign(&saved);
}
