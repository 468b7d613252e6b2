#pragma once
// TPrinter: printing through a canvas, page by page. The standard printer
// writes a PDF file (A4 at 300 dots per inch unless told otherwise); the
// recording printer keeps every page as a bitmap for tests. Printer() is the
// printer in force, which a test may replace.

#include <memory>
#include <string>
#include <vector>

#include "toolkit/graphics/Bitmap.h"
#include "toolkit/graphics/Canvas.h"
#include "toolkit/rtl/Exceptions.h"

QUELIX_EXCEPTION(EPrinter, Exception)

enum TPrinterOrientation { poPortrait, poLandscape };

class TPrinter {
public:
  // A printer of paper widthMm x heightMm (portrait) at dotsPerInch.
  explicit TPrinter(int dotsPerInch = 300, double paperWidthMm = 210, double paperHeightMm = 297);
  virtual ~TPrinter();
  TPrinter(const TPrinter&) = delete;
  TPrinter& operator=(const TPrinter&) = delete;

  const std::string& Title() const { return title_; }
  void SetTitle(const std::string& v) { title_ = v; }
  TPrinterOrientation Orientation() const { return orientation_; }
  // Raises EPrinter while printing.
  void SetOrientation(TPrinterOrientation v);
  // Where the standard printer writes its PDF file.
  const std::string& OutputFileName() const { return fileName_; }
  void SetOutputFileName(const std::string& v) { fileName_ = v; }

  // The printable page in device dots, following the orientation.
  int PageWidth() const;
  int PageHeight() const;
  int DotsPerInch() const { return dpi_; }
  bool Printing() const { return printing_; }
  bool Aborted() const { return aborted_; }
  // 1 on the first page; 0 when not printing.
  int PageNumber() const { return pageNumber_; }
  // The printer names there are (one: this printer).
  std::vector<std::string> Printers() const { return {PrinterName()}; }

  // BeginDoc while printing, or NewPage/EndDoc while not, raise EPrinter.
  void BeginDoc();
  void NewPage();
  // Completes the document; the output appears only now.
  void EndDoc();
  // Stops printing and drops the document (does nothing when not printing).
  void Abort();

  // The page's canvas: device dots, GetDeviceCaps answering for the printer.
  TCanvas* Canvas() { return &canvas_; }

protected:
  virtual std::string PrinterName() const { return "PDF"; }
  // The surface of a new document's first page.
  virtual cairo_surface_t* StartDocument();
  // Ends the current page; returns the surface of the next one.
  virtual cairo_surface_t* NextPage();
  virtual void FinishDocument();
  virtual void DropDocument();

private:
  void Bind(cairo_surface_t* surface);
  TDeviceCaps Caps() const;

  std::string title_;
  std::string fileName_;
  TPrinterOrientation orientation_ = poPortrait;
  int dpi_;
  int paperWidth_;   // dots, portrait
  int paperHeight_;
  bool printing_ = false;
  bool aborted_ = false;
  int pageNumber_ = 0;
  TCanvas canvas_;
  struct TPdfJob;
  std::unique_ptr<TPdfJob> job_;
};

// Keeps every page as a white bitmap of the page's size, for tests. A low
// resolution keeps the pages small.
class TRecordingPrinter : public TPrinter {
public:
  explicit TRecordingPrinter(int dotsPerInch = 300, double paperWidthMm = 210, double paperHeightMm = 297);
  // Pages of the last (or current) document.
  int PageCount() const { return int(pages_.size()); }
  TBitmap* Page(int index) const;
  // Documents completed with EndDoc.
  int DocumentsPrinted() const { return documents_; }

protected:
  std::string PrinterName() const override { return "Recorder"; }
  cairo_surface_t* StartDocument() override;
  cairo_surface_t* NextPage() override;
  void FinishDocument() override { ++documents_; }
  void DropDocument() override { pages_.clear(); }

private:
  cairo_surface_t* AddPage();
  std::vector<std::unique_ptr<TBitmap>> pages_;
  int documents_ = 0;
};

// The printer in force; the standard PDF printer unless one was installed.
TPrinter* Printer();
// Installs a printer (tests install a TRecordingPrinter) and returns the one
// it replaces; nullptr goes back to the standard printer.
std::unique_ptr<TPrinter> SetPrinter(std::unique_ptr<TPrinter> printer);
