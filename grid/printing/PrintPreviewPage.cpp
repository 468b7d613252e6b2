#include "grid/printing/PrintPreviewPage.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "grid/core/ExtGrid.h"
#include "grid/printing/PrintPaper.h"
#include "toolkit/graphics/Canvas.h"
#include "toolkit/graphics/Printers.h"
#include "toolkit/rtl/ScopeGuard.h"

namespace {

// Sheets are drawn at the printer's resolution up to this one, which keeps
// an A4 sheet at about 35 MB.
constexpr int kMaxSheetDotsPerInch = 300;

// Each pixel of To becomes the mean of the pixels of From it covers, so that
// thin lines and small print stay visible when the sheet is reduced; when To
// is the larger, each pixel takes the one it lies on.
void Resample(TBitmap& From, TBitmap& To) {
  const int sw = From.Width(), sh = From.Height(), dw = To.Width(), dh = To.Height();
  std::vector<int> xs(size_t(dw) + 1), ys(size_t(dh) + 1);
  for (int x = 0; x <= dw; ++x) xs[size_t(x)] = int(int64_t(x) * sw / dw);
  for (int y = 0; y <= dh; ++y) ys[size_t(y)] = int(int64_t(y) * sh / dh);
  std::vector<uint32_t> sums(size_t(dw) * 3);
  for (int y = 0; y < dh; ++y) {
    std::fill(sums.begin(), sums.end(), 0u);
    const int y0 = ys[size_t(y)], y1 = std::max(ys[size_t(y) + 1], y0 + 1);
    for (int sy = y0; sy < y1; ++sy) {
      const uint8_t* in = From.ScanLine(sy);
      for (int x = 0; x < dw; ++x) {
        const int x0 = xs[size_t(x)], x1 = std::max(xs[size_t(x) + 1], x0 + 1);
        for (int sx = x0; sx < x1; ++sx)
          for (int c = 0; c < 3; ++c) sums[size_t(x) * 3 + size_t(c)] += in[sx * 3 + c];
      }
    }
    uint8_t* out = To.ScanLine(y);
    for (int x = 0; x < dw; ++x) {
      const uint32_t x0 = uint32_t(xs[size_t(x)]), x1 = std::max(uint32_t(xs[size_t(x) + 1]), x0 + 1);
      const uint32_t n = (x1 - x0) * uint32_t(y1 - y0);
      for (int c = 0; c < 3; ++c) out[x * 3 + c] = uint8_t((sums[size_t(x) * 3 + size_t(c)] + n / 2) / n);
    }
  }
}

int SheetDotsPerInch() { return std::min(Printer()->DotsPerInch(), kMaxSheetDotsPerInch); }

}  // namespace

TPrintPreviewPage::TPrintPreviewPage(TComponent* AOwner, TExtStringGrid* Grid)
    : TGraphicControl(AOwner), grid_(Grid), sheet_(std::make_unique<TBitmap>(1, 1)),
      shown_(std::make_unique<TBitmap>(1, 1)) {}

TPrintPreviewPage::~TPrintPreviewPage() = default;

TSize TPrintPreviewPage::SheetSize(int DotsPerInch) const {
  const TRect paper = PrintPaperRect(*Printer(), *grid_->PrintSettings());
  return TSize{std::max(1, int(std::lround(paper.Width() * DotsPerInch / 254.0))),
               std::max(1, int(std::lround(paper.Height() * DotsPerInch / 254.0)))};
}

void TPrintPreviewPage::ShowPage(int Page, int DotsPerInch) {
  Page = std::max(1, Page);
  if (!drawn_ || Page != page_) {
    page_ = Page;
    pageCount_ = drawSheet();
    // The count comes with the drawing: a page past the end is drawn again as the last one.
    if (page_ > pageCount_ && pageCount_ > 0) {
      page_ = pageCount_;
      drawSheet();
    }
    drawn_ = true;
  }
  const TSize size = SheetSize(DotsPerInch);
  shown_ = std::make_unique<TBitmap>(size.cx, size.cy);
  shown_->SetPixelFormat(pf24bit);
  Resample(*sheet_, *shown_);
  SetBounds(Left(), Top(), size.cx, size.cy);
  Invalidate();
}

// The preview needs the page total to step through the pages, so the
// counting pass runs even when the grid prints fast; the grid's page range
// is left as it was.
int TPrintPreviewPage::drawSheet() {
  const int dpi = SheetDotsPerInch();
  const TSize size = SheetSize(dpi);
  sheet_ = std::make_unique<TBitmap>(size.cx, size.cy);
  sheet_->SetPixelFormat(pf24bit);
  TCanvas* c = sheet_->Canvas();
  TDeviceCaps caps = Printer()->Canvas()->DeviceCaps();
  caps.LogPixelsX = caps.LogPixelsY = dpi;
  caps.HorzRes = caps.PhysicalWidth = size.cx;
  caps.VertRes = caps.PhysicalHeight = size.cy;
  caps.PhysicalOffsetX = caps.PhysicalOffsetY = 0;
  c->SetDeviceCaps(caps);
  c->Font()->SetPixelsPerInch(dpi);
  const bool fast = grid_->FastPrint;
  const int from = grid_->PrintPageFrom, to = grid_->PrintPageTo;
  auto restore = MakeScopeGuard([&] {
    grid_->FastPrint = fast;
    grid_->PrintPageFrom = from;
    grid_->PrintPageTo = to;
  });
  grid_->FastPrint = false;
  grid_->SetPreviewPage(page_);
  grid_->PrintPreview(c, Rect(0, 0, size.cx, size.cy));
  return grid_->PrintNrOfPages;
}

void TPrintPreviewPage::Paint() { Canvas()->Draw(0, 0, shown_.get()); }
