#pragma once
// A print job that becomes a PDF file: pages are drawn on one Cairo PDF
// surface whose user unit is a printer dot, and the file appears only when the
// job finishes, written whole (temporary file, flush, rename). An aborted or
// failed job leaves the target as it was.

#include <filesystem>
#include <string>

typedef struct _cairo_surface cairo_surface_t;

namespace platform {

class PdfPrintJob {
public:
  // A page of widthDots x heightDots printer dots at dotsPerInch.
  PdfPrintJob(std::filesystem::path target, int widthDots, int heightDots, int dotsPerInch,
              const std::string& title);
  ~PdfPrintJob();
  PdfPrintJob(const PdfPrintJob&) = delete;
  PdfPrintJob& operator=(const PdfPrintJob&) = delete;

  // The surface to draw on; its user unit is one printer dot.
  cairo_surface_t* Surface() const { return surface_; }
  // Ends the current page and starts the next.
  void NewPage();
  // Ends the last page and writes the file; raises platform::FileWriteError
  // (AtomicFile.h) when the PDF cannot be made or written.
  void Finish();
  // Drops the job; nothing is written.
  void Abort();
  bool Finished() const { return surface_ == nullptr; }

private:
  static int Collect(void* self, const unsigned char* data, unsigned int length);
  std::filesystem::path target_;
  std::string bytes_;
  cairo_surface_t* surface_ = nullptr;
};

}  // namespace platform
