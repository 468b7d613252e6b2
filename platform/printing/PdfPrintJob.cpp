#include "platform/printing/PdfPrintJob.h"

#include <cairo-pdf.h>
#include <cairo.h>

#include "platform/kernel/AtomicFile.h"

namespace platform {

int PdfPrintJob::Collect(void* self, const unsigned char* data, unsigned int length) {
  static_cast<PdfPrintJob*>(self)->bytes_.append(reinterpret_cast<const char*>(data), length);
  return CAIRO_STATUS_SUCCESS;
}

PdfPrintJob::PdfPrintJob(std::filesystem::path target, int widthDots, int heightDots, int dotsPerInch,
                         const std::string& title)
    : target_(std::move(target)) {
  const double pointsPerDot = 72.0 / dotsPerInch;
  surface_ = cairo_pdf_surface_create_for_stream(
      reinterpret_cast<cairo_write_func_t>(&PdfPrintJob::Collect), this, widthDots * pointsPerDot,
      heightDots * pointsPerDot);
  cairo_surface_set_device_scale(surface_, pointsPerDot, pointsPerDot);
  if (!title.empty()) cairo_pdf_surface_set_metadata(surface_, CAIRO_PDF_METADATA_TITLE, title.c_str());
}

PdfPrintJob::~PdfPrintJob() { Abort(); }

void PdfPrintJob::NewPage() {
  if (surface_) cairo_surface_show_page(surface_);
}

void PdfPrintJob::Finish() {
  if (!surface_) return;
  cairo_surface_finish(surface_);
  const cairo_status_t status = cairo_surface_status(surface_);
  cairo_surface_destroy(surface_);
  surface_ = nullptr;
  if (status != CAIRO_STATUS_SUCCESS)
    throw FileWriteError("Cannot make the PDF file " + target_.string() + ": " + cairo_status_to_string(status));
  WriteFileAtomic(target_, bytes_);
  bytes_.clear();
}

void PdfPrintJob::Abort() {
  if (!surface_) return;
  // Finishing flushes into bytes_, which are then dropped unwritten.
  cairo_surface_finish(surface_);
  cairo_surface_destroy(surface_);
  surface_ = nullptr;
  bytes_.clear();
}

}  // namespace platform
