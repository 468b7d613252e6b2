// The print engine's layout: pass set-up, column widths and fitting, column
// strips, and the rows of each strip going down the pages.

#include "grid/printing/GridPrintPass.h"

#include <algorithm>
#include <cmath>

#include "grid/data/ExtGridDataTypes.h"
#include "toolkit/graphics/Canvas.h"
#include "toolkit/graphics/Printers.h"

TGridPrintPass::TGridPrintPass(TExtStringGrid& Grid, TCanvas* Canvas, TKind Kind, int PageTotal, bool SelectedOnly,
                               const TGridRect& Area, TRect PreviewRect, TPrinter* Printer)
    : grid_(Grid),
      settings_(*Grid.PrintSettings()),
      canvas_(Canvas),
      kind_(Kind),
      pageTotal_(PageTotal),
      selectedOnly_(SelectedOnly),
      area_(NormalizedGridRect(Area)),
      previewRect_(PreviewRect),
      printer_(Printer) {
  savedFont_.Assign(canvas_->Font());
  savedPen_.Assign(canvas_->Pen());
  savedBrush_.Assign(canvas_->Brush());
  savedMapMode_ = canvas_->GetMapMode();
  area_.Left = std::max(0, area_.Left);
  area_.Top = std::max(0, area_.Top);
  area_.Right = std::min(area_.Right, grid_.ColCount() - 1);
  area_.Bottom = std::min(area_.Bottom, grid_.RowCount() - 1);
}

// The canvas gets its tools back; the mapping mode is the caller's to restore.
TGridPrintPass::~TGridPrintPass() {
  grid_.PrintZoom = 1.0;
  if (!canvas_->HandleAllocated()) return;
  canvas_->Font()->Assign(&savedFont_);
  canvas_->Pen()->Assign(&savedPen_);
  canvas_->Brush()->Assign(&savedBrush_);
}

int TGridPrintPass::Scaled(int ScreenPixels) const { return int(std::lround(ScreenPixels * screenScale_)); }

void TGridPrintPass::SelectPrintFont(const TFont* Font) {
  canvas_->Font()->Assign(Font);
  canvas_->Font()->SetHeight(grid_.MapFontHeight(Font->Size()));
}

void TGridPrintPass::SetUp() {
  const int screenDpi = grid_.Canvas() ? grid_.Canvas()->GetDeviceCaps(LOGPIXELSX) : 0;
  const int targetDpi = canvas_->GetDeviceCaps(LOGPIXELSX);
  deviceRatio_ = screenDpi > 0 && targetDpi > 0 ? double(targetDpi) / screenDpi : 1.0;
  screenScale_ = 254.0 / (screenDpi > 0 ? screenDpi : 96);
  canvas_->SetMapMode(MM_LOMETRIC);
  grid_.PrintZoom = 1.0;
  fitFactor_ = 1.0;
  canvas_->Pen()->SetColor(clBlack);
  canvas_->Pen()->SetStyle(settings_.BorderStyle());
  canvas_->Pen()->SetWidth(settings_.Borders() == pbDouble ? 10 : 2);
  SelectPrintFont(settings_.HeaderFont());
  headerTextHeight_ = canvas_->TextHeight("gh");
  SelectPrintFont(settings_.FooterFont());
  footerTextHeight_ = canvas_->TextHeight("gh");
  SelectPrintFont(settings_.Font());
  cellMargin_ = std::min(canvas_->TextHeight("gh") >> 3, 8191);
  inset_ = canvas_->TextWidth("g") / 2;
  columnSpacing_ = settings_.UseFixedWidth() ? 0 : settings_.ColumnSpacing() + 20;
  PageSize();
  grid_.PrintPageRect = Rect(0, 0, pageWidth_, pageBottom_);
}

void TGridPrintPass::PageSize() {
  switch (kind_) {
    case pkPrint: {
      // The canvas's clip (its whole surface without one) is the page.
      const TRect clip = canvas_->ClipRect();
      pageWidth_ = std::abs(clip.Right - clip.Left);
      pageBottom_ = std::min(clip.Top, clip.Bottom);
      break;
    }
    case pkCountPrint:
      pageWidth_ = previewRect_.Width();
      pageBottom_ = -(previewRect_.Bottom + previewRect_.Top);
      break;
    default: {
      TPoint corners[2] = {previewRect_.TopLeft(), previewRect_.BottomRight()};
      canvas_->DPtoLP(corners, 2);
      previewRect_ = TRect(corners[0].X, corners[0].Y, corners[1].X, corners[1].Y);
      pageWidth_ = previewRect_.Right - previewRect_.Left;
      pageBottom_ = previewRect_.Bottom - previewRect_.Top;
      break;
    }
  }
}

bool TGridPrintPass::RowIncluded(int Row) const {
  if (!selectedOnly_) return true;
  if (Row < grid_.FixedRows() && settings_.FixedCellsAlways) return true;
  TMouseActions* m = grid_.MouseActions();
  if (m->DisjunctRowSelect()) return grid_.RowSelect(m->RowSelectPersistent() ? grid_.RealRowIndex(Row) : Row);
  const TGridRect s = grid_.Selection();
  return Row >= s.Top && Row <= s.Bottom;
}

bool TGridPrintPass::ColIncluded(int Col) const {
  if (!selectedOnly_) return true;
  TMouseActions* m = grid_.MouseActions();
  if (m->DisjunctRowSelect()) return true;
  if (Col < grid_.FixedCols() && settings_.FixedCellsAlways) return true;
  if (m->DisjunctColSelect()) return grid_.ColSelect(Col);
  const TGridRect s = grid_.Selection();
  return Col >= s.Left && Col <= s.Right;
}

// Columns are measured over the rows printed (and the fixed rows repeated);
// the fixed columns also when they are repeated on later strips.
void TGridPrintPass::CalcColumnWidths() {
  widths_.assign(size_t(grid_.ColCount()), 0);
  lefts_.assign(size_t(grid_.ColCount()) + 1, 0);
  std::vector<int> cols;
  const int fixedCols = settings_.RepeatFixedCols() ? std::min(grid_.FixedCols(), area_.Left) : 0;
  for (int c = 0; c < fixedCols; ++c) cols.push_back(c);
  for (int c = area_.Left; c <= area_.Right; ++c)
    if (ColIncluded(c)) cols.push_back(c);
  if (settings_.NoAutoSize()) {
    for (int c : cols) widths_[size_t(c)] = Scaled(grid_.ColWidths(c));
    return;
  }
  const bool repeatRows = settings_.RepeatFixedRows();
  for (int row = repeatRows ? 0 : area_.Top; row <= area_.Bottom; ++row) {
    if (row < area_.Top && row >= grid_.FixedRows()) row = area_.Top;
    if (!RowIncluded(row)) continue;
    for (int c : cols) {
      int& w = widths_[size_t(c)];
      if (settings_.UseFixedWidth()) w = std::max(w, settings_.FixedWidth());
      else if (!grid_.IsXMergedCell(grid_.RealColIndex(c), row)) w = std::max(w, MeasureCell(c, row).X);
    }
  }
}

void TGridPrintPass::FitColumns() {
  int sum = 0;
  for (int c = area_.Left; c <= area_.Right; ++c)
    if (ColIncluded(c)) sum += widths_[size_t(c)] + columnSpacing_;
  if (settings_.FitToPage() != fpNever) {
    const int spacing = (area_.Right - area_.Left + 1) * columnSpacing_;
    double f = 1.0;
    if (sum != spacing) f = double(pageWidth_ - settings_.RightSize() - settings_.LeftSize() - spacing) / (sum - spacing);
    switch (settings_.FitToPage()) {
      case fpShrink: f = std::min(f, 1.0); break;
      case fpGrow: f = std::max(f, 1.0); break;
      case fpCustom:
        if (f != 1.0 && grid_.OnFitToPage) {
          bool allow = true;
          grid_.OnFitToPage(&grid_, f, allow);
          if (!allow) f = 1.0;
        }
        break;
      default: break;
    }
    if (f != 1.0)
      for (int& w : widths_) w = int(w * f);
    fitFactor_ = f;
  }
  if (grid_.OnPrintSetColumnWidth)
    for (int c = area_.Left; c <= area_.Right; ++c) grid_.OnPrintSetColumnWidth(&grid_, c, widths_[size_t(c)]);
}

void TGridPrintPass::FormStrip(int FirstCol) {
  firstCol_ = FirstCol;
  ++stripNumber_;
  pageInStrip_ = 0;
  const int fixedCols = grid_.FixedCols();
  // A strip that starts among the fixed columns shows them itself.
  repeatFixedCols_ = fixedCols >= 1 && settings_.RepeatFixedCols() && FirstCol >= fixedCols &&
                     !(stripNumber_ == 1 && area_.Left <= fixedCols);
  fixedColsWidth_ = 0;
  if (repeatFixedCols_)
    for (int k = 0; k < fixedCols; ++k) fixedColsWidth_ += widths_[size_t(k)] + columnSpacing_;
  const int limit = pageWidth_ - settings_.RightSize();
  int used = fixedColsWidth_;
  lastCol_ = FirstCol;
  for (int c = FirstCol; c <= area_.Right; ++c) {
    const int add = ColIncluded(c) ? widths_[size_t(c)] + columnSpacing_ : 0;
    if (c > FirstCol && used + add > limit) break;
    used += add;
    lastCol_ = c;
  }
  if (lastCol_ < area_.Right) severalStrips_ = true;
  grid_.PrintPageWidth = used;
  PlaceStrip();
}

void TGridPrintPass::PlaceStrip() {
  const int fixedCols = repeatFixedCols_ ? grid_.FixedCols() : 0;
  const int start = settings_.Centered() ? 0 : settings_.LeftSize();
  lefts_[size_t(firstCol_)] = start;
  if (fixedCols > 0) lefts_[0] = start;
  for (int j = firstCol_; j <= lastCol_; ++j)
    lefts_[size_t(j) + 1] = lefts_[size_t(j)] + (ColIncluded(j) ? widths_[size_t(j)] + columnSpacing_ : 0);
  for (int k = 1; k < fixedCols; ++k) lefts_[size_t(k)] = lefts_[size_t(k) - 1] + widths_[size_t(k) - 1] + columnSpacing_;
  const int used = grid_.PrintPageWidth;
  const int offset = settings_.Centered() && used < pageWidth_ ? (pageWidth_ - used) / 2 : 0;
  for (int k = 0; k < fixedCols; ++k) lefts_[size_t(k)] += offset;
  for (int j = firstCol_; j <= lastCol_ + 1; ++j) lefts_[size_t(j)] += offset + fixedColsWidth_;
  grid_.PrintColStart = firstCol_;
  grid_.PrintColEnd = lastCol_;
  // The caller reads each printed column's width and left edge (the strip's and the repeated fixed ones).
  auto keep = [this](int c) {
    if (c < 0 || c >= TExtStringGrid::MaxPrintColumns) return;
    grid_.PrintColWidths[size_t(c)] = widths_[size_t(c)];
    grid_.PrintColOffsets[size_t(c)] = lefts_[size_t(c)];
  };
  for (int k = 0; k < fixedCols; ++k) keep(k);
  for (int j = firstCol_; j <= lastCol_; ++j) keep(j);
}

void TGridPrintPass::CalcBlocks(bool StripStart) {
  auto top = [](TPrintPosition p) { return p == ppTopLeft || p == ppTopRight || p == ppTopCenter; };
  auto bottom = [](TPrintPosition p) { return p == ppBottomLeft || p == ppBottomRight || p == ppBottomCenter; };
  TPrintSettings& s = settings_;
  const bool titleLines = s.TitleLines()->Count() > 0;
  const int extraLines = std::max(0, s.TitleLines()->Count() - 1);
  if (top(s.Time()) || top(s.Date()) || top(s.PageNr()) || top(s.Title())) {
    headerBlock_ = cellMargin_ + headerTextHeight_ + s.HeaderSize();
    const int html = StripStart && titleLines && top(s.Title()) ? HTMLTitleHeight() : 0;
    if (html != 0) headerBlock_ += html + s.HeaderSize();
    else if (titleLines && top(s.Title())) headerBlock_ += extraLines * headerTextHeight_;
  } else {
    headerBlock_ = s.HeaderSize();
  }
  if (bottom(s.Time()) || bottom(s.Date()) || bottom(s.PageNr()) || bottom(s.Title())) {
    footerBlock_ = 2 * cellMargin_ + 2 * footerTextHeight_ + s.FooterSize();
    if (titleLines && bottom(s.Title())) footerBlock_ += extraLines * footerTextHeight_;
  } else {
    footerBlock_ = cellMargin_ + footerTextHeight_ + s.FooterSize();
  }
}

int TGridPrintPass::Run() {
  SetUp();
  CalcColumnWidths();
  FitColumns();
  int next = area_.Left;
  while (next <= area_.Right && !cancelled_) {
    FormStrip(next);
    CalcBlocks(true);
    RunStrip();
    next = lastCol_ + 1;
    if (next <= area_.Right && !cancelled_) StartNextPage();
    ++pageIndex_;
  }
  return pageIndex_;
}

bool TGridPrintPass::RepeatsFixedRowsHere() const {
  return settings_.RepeatFixedRows() && grid_.FixedRows() > 0 && (pageInStrip_ > 0 || area_.Top >= grid_.FixedRows());
}

void TGridPrintPass::RunStrip() {
  if (Draws() && grid_.OnPrintPage) grid_.OnPrintPage(&grid_, canvas_, pageIndex_ + 1, pageWidth_, pageBottom_);
  int row = area_.Top;
  int y = 0;
  for (;;) {
    int step = 0;
    bordersDrawn_ = false;
    const bool ended = PrintPageRows(y, row, step);
    if (Draws()) {
      if (grid_.OnPrintPageDone)
        grid_.OnPrintPageDone(&grid_, canvas_, row, y, pageIndex_ + 1, pageWidth_, pageBottom_);
      if (grid_.OnPrintCancel) grid_.OnPrintCancel(&grid_, pageIndex_ + 1, cancelled_);
    }
    // Fast printing lays out nothing after the last page of the range.
    if (grid_.FastPrint && pageIndex_ + 1 >= grid_.PrintPageTo) cancelled_ = true;
    if (ended || cancelled_ || row > area_.Bottom) break;
    PageBorders(y);
    StartNextPage();
    ++pageIndex_;
    ++pageInStrip_;
    CalcBlocks(false);
  }
  if (!bordersDrawn_) PageBorders(y);
}

// The rows of one page; true when the strip's rows are used up. A row that
// does not fit on an empty page is printed there cut at the footer, so that
// every page takes at least one row and the output always ends.
bool TGridPrintPass::PrintPageRows(int& y, int& Row, int& Step) {
  bool rowOnPage = false;
  for (;; ++Step) {
    if (Row > area_.Bottom || cancelled_) return true;
    grid_.ExportNotification(area_.Top > grid_.FixedRows() || area_.Bottom < grid_.RowCount() - grid_.FixedFooters() - 1
                                 ? esExportSelRow
                                 : esExportNewRow,
                             Row);
    if (Step == 0) {
      y = -headerBlock_;
      y -= settings_.TitleSpacing() + HeaderFooter();
      if (Row > 0 && RepeatsFixedRowsHere()) {
        for (int r = 0; r < grid_.FixedRows(); ++r) y -= PrintRow(y, r);
        ++Step;
      }
    }
    const int limit = pageBottom_ + footerBlock_;
    if (RowIncluded(Row)) {
      if (limit < y - RowHeight(Row)) {
        y -= PrintRow(y, Row);
        ++Row;
        rowOnPage = true;
      } else if (!rowOnPage) {
        const int saved = canvas_->SaveDC();
        canvas_->IntersectClipRect(0, y, pageWidth_, limit);
        y -= PrintRow(y, Row);
        canvas_->RestoreDC(saved);
        y = std::max(y, limit);
        ++Row;
        rowOnPage = true;
      }
    } else {
      ++Row;
    }
    bool newPage = false;
    if (grid_.OnPrintNewPage) grid_.OnPrintNewPage(&grid_, Row, newPage);
    if (Row > area_.Bottom) return true;
    if (newPage || (rowOnPage && y - RowHeight(Row) < limit)) return false;
  }
}

int TGridPrintPass::PrintRow(int y, int Row) {
  if (repeatFixedCols_) PrintCells(y, 0, grid_.FixedCols() - 1, Row);
  return PrintCells(y, firstCol_, lastCol_, Row);
}

int TGridPrintPass::RowHeight(int Row) {
  if (settings_.NoAutoSizeRow()) return Scaled(grid_.RowHeights(Row)) - 4;
  if (settings_.UseFixedHeight()) return settings_.FixedHeight();
  if (Row == cachedRow_) return cachedHeight_;
  grid_.PrintZoom = fitFactor_;
  int height = 0;
  for (int c = area_.Left; c <= area_.Right; ++c) {
    if (grid_.IsYMergedCell(grid_.RealColIndex(c), Row)) continue;
    lastMeasuredHeight_ = MeasureCell(c, Row).Y;
    height = std::max(height, lastMeasuredHeight_);
  }
  grid_.PrintZoom = 1.0;
  if (height == 0) height = lastMeasuredHeight_;
  height += int(unsigned(height) / 8);
  if (grid_.OnPrintSetRowHeight) grid_.OnPrintSetRowHeight(&grid_, Row, height);
  cachedRow_ = Row;
  cachedHeight_ = height;
  return height;
}

void TGridPrintPass::PageBorders(int y) {
  bordersDrawn_ = true;
  if (!DrawsThisPage()) return;
  const TPrintBorders b = settings_.Borders();
  const int top = -headerBlock_ - settings_.TitleSpacing();
  const int bottom = y + cellMargin_ / 2;
  const int left = lefts_[size_t(repeatFixedCols_ ? 0 : firstCol_)];
  const int right = lefts_[size_t(lastCol_) + 1];
  TCanvas* c = canvas_;
  if (b == pbAround || b == pbAroundVertical || b == pbAroundHorizontal) {
    c->MoveTo(left, top);
    c->LineTo(right, top);
    c->LineTo(right, bottom);
    c->LineTo(left, bottom);
    c->LineTo(left, top);
  }
  if (b == pbDouble || b == pbHorizontal || b == pbAroundHorizontal) {
    c->MoveTo(left, bottom);
    c->LineTo(right, bottom);
  }
  if ((b == pbDouble || b == pbVertical || b == pbAroundVertical) && repeatFixedCols_) {
    for (int k = 0; k < grid_.FixedCols(); ++k) {
      c->MoveTo(lefts_[size_t(k)], top);
      c->LineTo(lefts_[size_t(k)], bottom);
    }
  }
}

void TGridPrintPass::StartNextPage() {
  const int next = pageIndex_ + 2;
  if (!Draws() || !PageInRange(next)) return;
  if (printer_ && pageIndex_ + 1 >= grid_.PrintPageFrom) printer_->NewPage();
  canvas_->SetMapMode(MM_LOMETRIC);
  if (grid_.OnPrintPage) grid_.OnPrintPage(&grid_, canvas_, next, pageWidth_, pageBottom_);
}
