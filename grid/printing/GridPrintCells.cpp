// Printed cells: the size a cell needs on paper, and one row of cells drawn
// at a vertical position with background, text, graphic and borders. Colours,
// fonts, alignment and word wrap come from the grid's own cell decision; cell
// graphics are drawn by the grid's cell painter at screen size and stretched
// onto the paper.

#include <algorithm>
#include <cmath>

#include "grid/foundation/EsgHTMLE.h"
#include "grid/foundation/ExtUtil.h"
#include "grid/output/CellPaint.h"
#include "grid/output/RotatedText.h"
#include "grid/printing/DeviceUnits.h"
#include "grid/printing/GridPrintPass.h"
#include "toolkit/graphics/Bitmap.h"

namespace {

// The lines of a cell text as printed: split at line ends (the first line
// only without multi-line cells), link prefixes removed when links show short.
std::vector<std::string> PrintLines(std::string Text, bool MultiLine, bool StripURLs) {
  std::vector<std::string> lines;
  do {
    std::string line;
    CutFirstLine(Text, true, line);
    if (StripURLs) StripURLProtocol(line);
    lines.push_back(line);
  } while (MultiLine && !Text.empty());
  return lines;
}

bool IsCheckGraphic(TCellType t) {
  return t == ctCheckBox || t == ctDataCheckBox || t == ctVirtCheckBox || t == ctRowCheckBox || t == ctRadioButton;
}

}  // namespace

// The displayed text; a formula prints its raw text, a data control nothing.
std::string TGridPrintPass::CellText(int RealCol, int Row) {
  if (grid_.IsDataControlCell(RealCol, Row)) return {};
  std::string text = grid_.GetFormattedCell(RealCol, Row);
  if (GetTextKind(text, grid_.EnableHTML()) == 3) text = grid_.RawCellText(RealCol, Row);
  return text;
}

TPoint TGridPrintPass::MeasureCell(int DisplCol, int Row) {
  const int c = grid_.RealColIndex(DisplCol);
  std::string text = CellText(c, Row);
  // Rich text needs the room of its characters, not of its markup.
  if (GetTextKind(text, grid_.EnableHTML()) == 2) text = RichTextToPlain(text);
  TPoint graphic{0, 0};
  if (settings_.PrintGraphics()) {
    const TCellGraphicLayout g = grid_.GetCellGraphicLayout(c, Row);
    graphic = {Scaled(g.Width), Scaled(g.Height)};
  }
  TFont saved;
  saved.Assign(canvas_->Font());
  TBrush brush;
  TFont font;
  font.Assign(settings_.Font());
  TColor to, mirror, mirrorTo;
  TAlignment ha;
  TVAlignment va;
  bool wordWrap = grid_.WordWrap();
  TCellGradientDirection gd = GradientVertical;
  TGridDrawState state;
  grid_.GetVisualProperties(DisplCol, Row, state, true, false, true, &brush, to, mirror, mirrorTo, &font, ha, va,
                            wordWrap, gd);
  SelectPrintFont(&font);
  TPoint size;
  if (GetTextKind(text, grid_.EnableHTML()) == 1) {
    const int limit = settings_.NoAutoSize() ? Scaled(grid_.ColWidths(DisplCol) + 12) : 65535;
    TDeviceUnits device(canvas_, TRect(0, 0, limit, -65535));
    THTMLTextCall call;
    call.MeasureOnly = true;
    call.ImageScale = deviceRatio_;
    call.Images = grid_.GridImages();
    call.Pictures = grid_.PictureContainer();
    DrawHTMLText(canvas_, text, device.Rect(), call);
    size = {device.ToLayout(call.MaxWidth), device.ToLayout(call.TotalHeight)};
  } else {
    int angle = 0;
    const bool rotated = grid_.IsRotated(c, Row, angle);
    size = MeasureText(text.empty() ? "gh" : text, DisplCol, c, Row, wordWrap, rotated ? angle : 0);
    size.X += graphic.X;
  }
  canvas_->Font()->Assign(&saved);
  size = {std::max(size.X, graphic.X), std::max(size.Y, graphic.Y)};
  if (grid_.OnCustomCellSize) grid_.OnCustomCellSize(&grid_, canvas_, c, Row, size, true);
  return size;
}

TPoint TGridPrintPass::MeasureText(const std::string& Text, int DisplCol, int RealCol, int Row, bool WordWrap,
                                   int Angle) {
  if (WordWrap && settings_.NoAutoSize() && Angle == 0) {
    const int width = grid_.IsXMergedCell(RealCol, Row) ? 65535 : widths_[size_t(DisplCol)];
    TRect r(0, 0, width, -65535);
    const int h = canvas_->DrawText(Text, r, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
    return {width, h};
  }
  const std::vector<std::string> lines =
      PrintLines(Text, grid_.Multilinecells(), grid_.URLShow() && !grid_.URLFull());
  int widest = 0;
  for (const std::string& l : lines) widest = std::max(widest, canvas_->TextWidth(l));
  const int height = canvas_->TextHeight("gh") * int(lines.size());
  if (Angle == 0) return {widest, height};
  const double a = Angle * M_PI / 180.0;
  return {std::abs(int(std::lround(std::cos(a) * widest))) + std::abs(int(std::lround(std::sin(a) * height))),
          std::abs(int(std::lround(std::sin(a) * widest))) + std::abs(int(std::lround(std::cos(a) * height)))};
}

int TGridPrintPass::PrintCells(int y, int First, int Last, int Row) {
  grid_.PrintZoom = fitFactor_;
  const int advance = Advance(Row);
  if (!DrawsThisPage()) {
    grid_.PrintZoom = 1.0;
    return advance;
  }
  for (int t = First; t <= Last; ++t) {
    if (!ColIncluded(t)) continue;
    const int c = grid_.RealColIndex(t);
    const TPoint ext = grid_.CellExt(c, Row);
    int w = 0;
    for (int k = t; k <= t + ext.X && k < int(widths_.size()); ++k) w += widths_[size_t(k)] + columnSpacing_;
    int h = settings_.NoAutoSizeRow() && ext.Y > 0 ? 0 : advance;
    for (int r = settings_.NoAutoSizeRow() && ext.Y > 0 ? Row : Row + 1; r <= Row + ext.Y; ++r) {
      const int k = int((grid_.RowHeights(r) - 4) * screenScale_);
      h += k + k / 8 + 2 * cellMargin_ + settings_.RowSpacing();
    }
    const TRect R(lefts_[size_t(t)], y, lefts_[size_t(t)] + w, y - h);

    TCellBorders borders;
    switch (settings_.Borders()) {
      case pbSingle:
      case pbDouble: borders = TCellBorders{cbTop, cbLeft, cbRight, cbBottom}; break;
      case pbHorizontal:
      case pbAroundHorizontal: borders = TCellBorders{cbTop, cbBottom}; break;
      case pbVertical:
      case pbAroundVertical: borders = TCellBorders{cbLeft, cbRight}; break;
      default: break;
    }
    TPen pen;
    pen.Assign(canvas_->Pen());
    canvas_->Pen()->SetWidth(1);
    canvas_->Pen()->SetColor(settings_.BorderColor());
    grid_.GetCellPrintBorder(c, Row, canvas_->Pen(), borders);
    TPen cellPen;
    cellPen.Assign(canvas_->Pen());
    if (grid_.IsBaseCell(c, Row)) PrintCell(R, t, Row, borders, cellPen.Width(), advance);
    PrintCellBorders(R, t, c, Row, First, borders, cellPen, advance);
    canvas_->Pen()->Assign(&pen);
  }
  grid_.PrintZoom = 1.0;
  return advance;
}

void TGridPrintPass::PrintCell(const TRect& R, int DisplCol, int Row, const TCellBorders& Borders, int PenWidth,
                               int Advance) {
  const int c = grid_.RealColIndex(DisplCol);
  TFont savedFont;
  savedFont.Assign(canvas_->Font());
  TBrush savedBrush;
  savedBrush.Assign(canvas_->Brush());
  TFont font;
  font.Assign(settings_.Font());
  TBrush brush;
  brush.SetStyle(bsSolid);
  TColor to = clNone, mirror = clNone, mirrorTo = clNone;
  TAlignment ha = taLeftJustify;
  TVAlignment va = vtaTop;
  bool wordWrap = grid_.WordWrap();
  TCellGradientDirection gd = GradientVertical;
  TGridDrawState state;
  grid_.GetVisualProperties(DisplCol, Row, state, true, false, true, &brush, to, mirror, mirrorTo, &font, ha, va,
                            wordWrap, gd);
  canvas_->Brush()->Assign(&brush);
  SelectPrintFont(&font);

  TRect fill = R;
  if (!Borders.Contains(cbLeft)) fill.Left += 2 * PenWidth;
  if (!Borders.Contains(cbTop)) fill.Top -= 2 * PenWidth;
  if (canvas_->Brush()->Color() != clNone) {
    if (to == clNone) canvas_->FillRect(fill);
    else canvas_->GradientFill(fill, to, canvas_->Brush()->Color(), true);
  }

  TRect text(R);
  if (settings_.PrintGraphics() && grid_.GetCellGraphic(c, Row)) PrintCellGraphic(R, DisplCol, c, Row, ha, va, text);
  canvas_->Brush()->SetStyle(bsClear);
  if (grid_.GetCellGraphicLayout(c, Row).ShowText || !grid_.GetCellGraphic(c, Row))
    PrintCellText(CellText(c, Row), text, c, Row, ha, va, wordWrap, Advance);
  canvas_->Font()->Assign(&savedFont);
  canvas_->Brush()->Assign(&savedBrush);

  if (grid_.OnCustomCellDraw) {
    TDeviceUnits device(canvas_, TRect(text.Left, R.Top, text.Right, R.Top - Advance));
    grid_.OnCustomCellDraw(&grid_, canvas_, c, Row, TGridDrawState(), device.Rect(), true);
  }
}

void TGridPrintPass::PrintCellText(std::string Text, TRect R, int RealCol, int Row, TAlignment HA,
                                   TVAlignment VA, bool WordWrap, int Advance) {
  if (Text.empty()) return;
  TCanvas* cv = canvas_;
  const int stripRight = lefts_[size_t(lastCol_) + 1];
  if (R.Right > pageWidth_) R.Right = stripRight;
  const int kind = GetTextKind(Text, grid_.EnableHTML());
  if (kind == 1) {
    TRect box = R;
    box.Right -= inset_ + Scaled(2);
    box.Bottom -= int(std::lround(cellMargin_ * screenScale_));
    TDeviceUnits device(cv, box);
    THTMLTextCall call;
    call.ImageScale = deviceRatio_;
    call.LinkColor = grid_.URLColor();
    call.Images = grid_.GridImages();
    call.Pictures = grid_.PictureContainer();
    call.WrapWords = WordWrap;
    DrawHTMLText(cv, Text, device.Rect(), call);
    return;
  }
  if (kind == 2) {
    // Rich text keeps its fonts and colours on paper; selection never shows.
    TDeviceUnits device(cv, R);
    grid_.renderRichText(RealCol, Row, cv, device.Rect(), false);
    return;
  }
  if (WordWrap && settings_.NoAutoSize()) {
    int angle = 0;
    if (!grid_.IsRotated(RealCol, Row, angle)) {
      R.Left += Scaled(2);
      TRect box(HA == taRightJustify ? R.Left : R.Left + inset_, R.Top - cellMargin_,
                HA == taLeftJustify ? R.Right : R.Right - inset_, R.Bottom);
      uint32_t flags = DT_WORDBREAK | DT_EDITCONTROL | DT_EXTERNALLEADING | DT_NOPREFIX;
      flags |= HA == taRightJustify ? DT_RIGHT : HA == taCenter ? DT_CENTER : DT_LEFT;
      cv->DrawText(Text, box, flags);
      return;
    }
  }
  const std::vector<std::string> lines =
      PrintLines(Text, grid_.Multilinecells(), grid_.URLShow() && !grid_.URLFull());
  const TPoint ext = grid_.CellExt(RealCol, Row);
  int angle = 0;
  if (grid_.IsRotated(RealCol, Row, angle)) {
    // The rotated text's box is placed in the cell as the screen places it.
    TDeviceUnits device(cv, TRect(R.Left, R.Top + inset_, R.Right, R.Bottom - inset_));
    cv->Font()->SetOrientation(angle * 10);
    TRect at = device.Rect();
    LayoutRotatedText(at, HA, VA, angle, RotatedExtent(cv->TextWidth(lines[0]), cv->TextHeight("gh"), angle));
    const int saved = cv->SaveDC();
    cv->IntersectClipRect(device.Rect().Left, device.Rect().Top, device.Rect().Right, device.Rect().Bottom);
    cv->TextOut(at.Left, at.Top, lines[0]);
    cv->RestoreDC(saved);
    cv->Font()->SetOrientation(0);
    return;
  }
  if (lines.size() == 1) {
    TRect box(R.Left, R.Top - cellMargin_, R.Right, R.Top - Advance + settings_.RowSpacing());
    if (ext.Y > 0) box.Bottom = R.Bottom;
    uint32_t flags = DT_SINGLELINE | DT_NOPREFIX | DT_EDITCONTROL;
    if (grid_.EnhTextSize() && settings_.NoAutoSize()) flags |= DT_END_ELLIPSIS;
    if (HA == taRightJustify) {
      flags |= DT_RIGHT;
      box.Right -= inset_;
    } else if (HA == taCenter) {
      flags |= DT_CENTER;
      box.Left += inset_;
      box.Right -= inset_;
    } else {
      box.Left += inset_;
    }
    if (VA == vtaCenter) flags |= DT_VCENTER;
    else if (VA == vtaBottom) flags |= DT_BOTTOM;
    std::string line = lines[0];
    cv->DrawText(line, box, flags);
    return;
  }
  const int lineHeight = cv->TextHeight("gh") + settings_.RowSpacing();
  const int step = lineHeight + int(unsigned(lineHeight) / 8) - settings_.RowSpacing();
  const int total = step * int(lines.size());
  int offset = 0;
  if (ext.X == 0 && ext.Y == 0) {
    if (VA == vtaCenter) offset = (Advance - total) / 2;
    else if (VA == vtaBottom) offset = Advance - total;
  }
  const int saved = cv->SaveDC();
  cv->IntersectClipRect(R.Left, R.Top, R.Right, R.Bottom);
  int top = R.Top - cellMargin_ - std::max(0, offset);
  for (const std::string& l : lines) {
    const int w = cv->TextWidth(l);
    const int x = HA == taRightJustify ? R.Right - inset_ - w : HA == taCenter ? R.Left + (R.Width() - w) / 2
                                                                               : R.Left + inset_;
    cv->TextOut(x, top, l);
    top -= step;
  }
  cv->RestoreDC(saved);
}

// The graphic is painted by the grid's own cell painter onto a bitmap of its
// screen size, which is stretched onto its place in the cell. TextArea loses
// the part the graphic takes beside or above the text.
void TGridPrintPass::PrintCellGraphic(TRect R, int DisplCol, int RealCol, int Row, TAlignment HA, TVAlignment VA,
                                      TRect& TextArea) {
  TCellGraphicLayout layout = grid_.GetCellGraphicLayout(RealCol, Row);
  if (!layout.Graphic || layout.Width <= 0 || layout.Height <= 0) return;
  const TCellType type = layout.Graphic->CellType;
  const int w = std::min(Scaled(layout.Width), R.Width());
  const int h = std::min(Scaled(layout.Height), std::abs(R.Height()));
  TCellHAlign gh = layout.HAlign;
  if (IsCheckGraphic(type) && (!layout.ShowText || CellText(RealCol, Row).empty()))
    gh = HA == taRightJustify ? haRight : HA == taCenter ? haCenter : haLeft;
  TRect box(R.Left + Scaled(1), R.Top, R.Left + Scaled(1) + w, R.Top - h);
  switch (gh) {
    case haRight:
    case haAfterText:
      box.Left = R.Right - w;
      box.Right = R.Right;
      TextArea.Right = box.Left;
      break;
    case haCenter:
      box.Left = R.Left + (R.Width() - w) / 2;
      box.Right = box.Left + w;
      break;
    case haFull:
      box.Left = R.Left;
      box.Right = R.Right;
      break;
    default:
      TextArea.Left = box.Right;
      break;
  }
  switch (layout.VAlign) {
    case vaBottom:
    case vaUnderText:
      box.Bottom = R.Bottom;
      box.Top = R.Bottom + h;
      if (layout.VAlign == vaUnderText) TextArea.Bottom = box.Top;
      break;
    case vaCenter:
      box.Top = R.Top - (std::abs(R.Height()) - h) / 2;
      box.Bottom = box.Top - h;
      break;
    case vaFull:
      box.Top = R.Top;
      box.Bottom = R.Bottom;
      break;
    case vaAboveText:
      TextArea.Top = box.Bottom;
      break;
    default:
      break;
  }
  TBitmap picture(layout.Width, layout.Height);
  picture.Canvas()->Brush()->SetColor(canvas_->Brush()->Color() == clNone ? clWhite : canvas_->Brush()->Color());
  picture.Canvas()->FillRect(Rect(0, 0, layout.Width, layout.Height));
  TExtStringGrid::TCellPaint P;
  P.Canvas = picture.Canvas();
  P.ACol = DisplCol;
  P.RCol = RealCol;
  P.ARow = Row;
  P.R = Rect(0, 0, layout.Width, layout.Height);
  P.HA = HA;
  P.VA = VA;
  P.Layout = layout;
  P.Layout.HAlign = haLeft;
  P.Layout.VAlign = vaTop;
  grid_.DrawCellGraphic(P, P.R);
  TDeviceUnits device(canvas_, box);
  canvas_->StretchDraw(device.Rect(), &picture);
}

void TGridPrintPass::PrintCellBorders(TRect R, int DisplCol, int RealCol, int Row, int FirstCol,
                                      TCellBorders Borders, const TPen& Pen, int Advance) {
  const TPoint ext = grid_.CellExt(RealCol, Row);
  if (!grid_.IsBaseCell(RealCol, Row) || ext.X > 0 || ext.Y > 0) {
    const TPoint span = grid_.CellSpan(RealCol, Row);
    if (ext.X > 0) Borders.Exclude(cbRight);
    if (ext.Y > 0) Borders.Exclude(cbBottom);
    if (span.Y > 0 && ext.Y == 0 && !grid_.IsBaseCell(RealCol, Row)) Borders.Exclude(cbTop);
    if (span.X > 0 && ext.X == 0 && !grid_.IsBaseCell(RealCol, Row)) Borders.Exclude(cbLeft);
    if (!grid_.IsBaseCell(RealCol, Row) && ext.X > 0) Borders.Exclude(cbLeft);
    if (!grid_.IsBaseCell(RealCol, Row) && ext.Y > 0) Borders.Exclude(cbTop);
  }
  if (Borders.Empty()) return;
  TPen saved;
  saved.Assign(canvas_->Pen());
  canvas_->Pen()->Assign(&Pen);
  const int width = kind_ == pkPrint ? std::max(1, Scaled(Pen.Width())) : Pen.Width();
  canvas_->Pen()->SetWidth(width);
  // A cell reaching into the footer is cut to one row and loses its bottom line.
  if (R.Bottom < pageBottom_ + settings_.FooterSize()) {
    R.Bottom = R.Top - Advance;
    Borders.Exclude(cbBottom);
  }
  if (R.Right > pageWidth_) R.Right = lefts_[size_t(lastCol_) + 1];
  // Every left border but the first column's overlaps its neighbour's right one.
  const int left = DisplCol > FirstCol ? R.Left - width : R.Left;
  TCanvas* c = canvas_;
  if (Borders.Contains(cbLeft)) {
    c->MoveTo(left, R.Top);
    c->LineTo(left, R.Bottom);
  }
  if (Borders.Contains(cbRight)) {
    c->MoveTo(R.Right, R.Top);
    c->LineTo(R.Right, R.Bottom);
  }
  if (Borders.Contains(cbTop)) {
    c->MoveTo(R.Left, R.Top);
    c->LineTo(R.Right, R.Top);
  }
  if (Borders.Contains(cbBottom)) {
    c->MoveTo(R.Left, R.Bottom);
    c->LineTo(R.Right, R.Bottom);
  }
  canvas_->Pen()->Assign(&saved);
}
