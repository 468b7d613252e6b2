#include "toolkit/graphics/Printers.h"

#include <cmath>
#include <utility>

#include "platform/kernel/AtomicFile.h"
#include "platform/printing/PdfPrintJob.h"

struct TPrinter::TPdfJob {
  platform::PdfPrintJob Job;
};

namespace {

int MmToDots(double mm, int dpi) { return int(std::lround(mm * dpi / 25.4)); }

std::unique_ptr<TPrinter>& CurrentPrinter() {
  static std::unique_ptr<TPrinter> printer;
  return printer;
}

}  // namespace

TPrinter::TPrinter(int dotsPerInch, double paperWidthMm, double paperHeightMm)
    : dpi_(dotsPerInch > 0 ? dotsPerInch : 300),
      paperWidth_(MmToDots(paperWidthMm, dpi_)),
      paperHeight_(MmToDots(paperHeightMm, dpi_)) {
  canvas_.SetDeviceCaps(Caps());
}

TPrinter::~TPrinter() {
  // A printer going away mid-document drops it rather than leave half a file.
  canvas_.SetSurface(nullptr);
  job_.reset();
}

void TPrinter::SetOrientation(TPrinterOrientation v) {
  if (printing_) throw EPrinter("Cannot change the orientation while printing");
  orientation_ = v;
  canvas_.SetDeviceCaps(Caps());
}

int TPrinter::PageWidth() const { return orientation_ == poPortrait ? paperWidth_ : paperHeight_; }
int TPrinter::PageHeight() const { return orientation_ == poPortrait ? paperHeight_ : paperWidth_; }

TDeviceCaps TPrinter::Caps() const {
  TDeviceCaps caps;
  caps.Technology = DT_RASPRINTER;
  caps.LogPixelsX = caps.LogPixelsY = dpi_;
  caps.HorzRes = caps.PhysicalWidth = PageWidth();
  caps.VertRes = caps.PhysicalHeight = PageHeight();
  return caps;
}

void TPrinter::Bind(cairo_surface_t* surface) {
  canvas_.SetSurface(surface);
  canvas_.ResetState();
  canvas_.SetDeviceCaps(Caps());
}

void TPrinter::BeginDoc() {
  if (printing_) throw EPrinter("Printing in progress");
  canvas_.Font()->SetPixelsPerInch(dpi_);
  Bind(StartDocument());
  printing_ = true;
  aborted_ = false;
  pageNumber_ = 1;
}

void TPrinter::NewPage() {
  if (!printing_) throw EPrinter("Printer is not currently printing");
  canvas_.SetSurface(nullptr);
  Bind(NextPage());
  ++pageNumber_;
}

void TPrinter::EndDoc() {
  if (!printing_) throw EPrinter("Printer is not currently printing");
  canvas_.SetSurface(nullptr);
  printing_ = false;
  pageNumber_ = 0;
  FinishDocument();
}

void TPrinter::Abort() {
  if (!printing_) return;
  canvas_.SetSurface(nullptr);
  printing_ = false;
  aborted_ = true;
  pageNumber_ = 0;
  DropDocument();
}

cairo_surface_t* TPrinter::StartDocument() {
  if (fileName_.empty()) throw EPrinter("No output file chosen for the printer");
  job_.reset(new TPdfJob{platform::PdfPrintJob(fileName_, PageWidth(), PageHeight(), dpi_, title_)});
  return job_->Job.Surface();
}

cairo_surface_t* TPrinter::NextPage() {
  job_->Job.NewPage();
  return job_->Job.Surface();
}

void TPrinter::FinishDocument() {
  std::unique_ptr<TPdfJob> job = std::move(job_);
  try {
    job->Job.Finish();
  } catch (const platform::FileWriteError& e) {
    throw EPrinter(e.what());
  }
}

void TPrinter::DropDocument() { job_.reset(); }

// ---- recording printer

TRecordingPrinter::TRecordingPrinter(int dotsPerInch, double paperWidthMm, double paperHeightMm)
    : TPrinter(dotsPerInch, paperWidthMm, paperHeightMm) {}

TBitmap* TRecordingPrinter::Page(int index) const {
  if (index < 0 || index >= PageCount()) throw EPrinter("No printed page " + std::to_string(index));
  return pages_[size_t(index)].get();
}

cairo_surface_t* TRecordingPrinter::AddPage() {
  auto page = std::make_unique<TBitmap>(PageWidth(), PageHeight());
  page->Canvas()->Brush()->SetColor(clWhite);
  page->Canvas()->FillRect(Rect(0, 0, PageWidth(), PageHeight()));
  cairo_surface_t* s = page->Surface();
  pages_.push_back(std::move(page));
  return s;
}

cairo_surface_t* TRecordingPrinter::StartDocument() {
  pages_.clear();
  return AddPage();
}

cairo_surface_t* TRecordingPrinter::NextPage() { return AddPage(); }

// ---- the printer in force

TPrinter* Printer() {
  std::unique_ptr<TPrinter>& p = CurrentPrinter();
  if (!p) p = std::make_unique<TPrinter>();
  return p.get();
}

std::unique_ptr<TPrinter> SetPrinter(std::unique_ptr<TPrinter> printer) {
  std::unique_ptr<TPrinter> old = std::move(CurrentPrinter());
  CurrentPrinter() = std::move(printer);
  return old;
}
