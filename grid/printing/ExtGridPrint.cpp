// The grid's printing operations: to the printer (count, then print), a
// preview page onto a canvas (count, then draw), and the first page onto any
// canvas; each runs the print engine's passes over a rectangle of cells.

#include <climits>
#include <cmath>

#include "grid/data/ExtGridDataTypes.h"
#include "grid/printing/GridPrintPass.h"
#include "grid/printing/PrintPaper.h"
#include "toolkit/graphics/Printers.h"
#include "toolkit/rtl/ScopeGuard.h"

namespace {

TGridRect WholeGrid(const TExtStringGrid& G) { return TGridRect{0, 0, G.ColCount() - 1, G.RowCount() - 1}; }

// The canvas's mapping mode comes back whatever happens in between.
class TMapModeKeeper {
public:
  explicit TMapModeKeeper(TCanvas* Canvas) : canvas_(Canvas), mode_(Canvas->GetMapMode()) {}
  ~TMapModeKeeper() {
    if (canvas_->HandleAllocated()) canvas_->SetMapMode(mode_);
  }
  TMapModeKeeper(const TMapModeKeeper&) = delete;
  TMapModeKeeper& operator=(const TMapModeKeeper&) = delete;

private:
  TCanvas* canvas_;
  int mode_;
};

}  // namespace

int TExtStringGrid::MapFontHeight(int pointsize) const {
  return -int(std::trunc(pointsize * 254.0 / 72.0 * PrintZoom));
}

int TExtStringGrid::MapFontSize(int Height) const { return int(std::trunc(Height * 72.0 / 254.0)); }

void TExtStringGrid::PrintPageNumber(int PageNum, int PageColNum, std::string& Text) {
  if (OnPrintGetPageNum) OnPrintGetPageNum(this, PageNum, PageColNum, Text);
}

// Counts the pages, lets OnPrintStart choose the range, and prints it. The
// printer's document is begun only once the range is known, so a cancelled
// job leaves no file; the export-done notification comes either way.
static void PrintPages(TExtStringGrid& G, const TGridRect& Area, bool SelectedOnly) {
  G.ExportNotification(esExportStart, -1);
  auto done = MakeScopeGuard([&] { G.ExportNotification(esExportDone, -1); });
  TPrinter* printer = Printer();
  TPrintSettings& s = *G.PrintSettings();
  if (!s.UseDefaultOrientation()) printer->SetOrientation(s.Orientation());
  const int dpi = printer->DotsPerInch();
  const TRect paper = PrintPaperRect(*printer, s);
  printer->SetTitle(s.JobName());
  int pages = INT_MAX;
  if (!G.FastPrint) {
    // Counting measures on the printer's canvas without a document.
    TBitmap measure(1, 1);
    measure.Canvas()->SetDeviceCaps(printer->Canvas()->DeviceCaps());
    measure.Canvas()->Font()->SetPixelsPerInch(dpi);
    TMapModeKeeper keep(measure.Canvas());
    pages = TGridPrintPass(G, measure.Canvas(), TGridPrintPass::pkCountPrint, -1, SelectedOnly, Area, paper, nullptr)
                .Run();
  }
  G.PrintPageFrom = 1;
  G.PrintPageTo = pages;
  G.PrintNrOfPages = pages;
  if (G.OnPrintStart) {
    G.OnPrintStart(&G, pages, G.PrintPageFrom, G.PrintPageTo);
    if (G.PrintPageFrom <= 0 || G.PrintPageTo <= 0 || G.PrintPageFrom > G.PrintPageTo) return;
  }
  G.PrintNrOfPages = G.PrintPageTo;
  printer->BeginDoc();
  auto abort = MakeScopeGuard([&] { printer->Abort(); });
  {
    TMapModeKeeper keep(printer->Canvas());
    TGridPrintPass(G, printer->Canvas(), TGridPrintPass::pkPrint, pages, SelectedOnly, Area, paper, printer).Run();
  }
  abort.Dismiss();
  printer->EndDoc();
}

void TExtStringGrid::Print() { PrintPages(*this, WholeGrid(*this), false); }
void TExtStringGrid::PrintRect(const TGridRect& Gridrect) { PrintPages(*this, Gridrect, false); }
void TExtStringGrid::PrintSelection() { PrintPages(*this, Selection(), false); }
void TExtStringGrid::PrintSelectedRows() { PrintPages(*this, WholeGrid(*this), true); }
void TExtStringGrid::PrintSelectedCols() { PrintPages(*this, WholeGrid(*this), true); }

// Draws the page chosen through PreviewPage(); OnPrintStart may refuse it.
static void PreviewPages(TExtStringGrid& G, TCanvas* Canvas, const TRect& Displayrect, const TGridRect& Area,
                         bool SelectedOnly) {
  G.ExportNotification(esExportStart, -1);
  auto done = MakeScopeGuard([&] {
    G.ExportNotification(esExportDone, -1);
    G.IsPrintPreview = false;
  });
  TMapModeKeeper keep(Canvas);
  int pages = 1;
  if (!G.FastPrint) {
    pages = TGridPrintPass(G, Canvas, TGridPrintPass::pkCountPreview, -1, SelectedOnly, Area, Displayrect, nullptr)
                .Run();
    G.PrintNrOfPages = pages;
  }
  G.IsPrintPreview = true;
  int from = 1, to = pages;
  if (G.OnPrintStart) G.OnPrintStart(&G, pages, from, to);
  if (from <= 0 || to <= 0 || to < from) return;
  TGridPrintPass(G, Canvas, TGridPrintPass::pkPreview, pages, SelectedOnly, Area, Displayrect, nullptr).Run();
}

void TExtStringGrid::PrintPreview(TCanvas* Canvas, TRect Displayrect) {
  PreviewPages(*this, Canvas, Displayrect, WholeGrid(*this), false);
}
void TExtStringGrid::PrintPreviewRect(TCanvas* Canvas, TRect Displayrect, const TGridRect& Gridrect) {
  PreviewPages(*this, Canvas, Displayrect, Gridrect, false);
}
void TExtStringGrid::PrintPreviewSelection(TCanvas* Canvas, TRect Displayrect) {
  PreviewPages(*this, Canvas, Displayrect, Selection(), false);
}
void TExtStringGrid::PrintPreviewSelectedRows(TCanvas* Canvas, TRect Displayrect) {
  PreviewPages(*this, Canvas, Displayrect, WholeGrid(*this), true);
}
void TExtStringGrid::PrintPreviewSelectedCols(TCanvas* Canvas, TRect Displayrect) {
  PreviewPages(*this, Canvas, Displayrect, WholeGrid(*this), true);
}

void TExtStringGrid::PrintDraw(TCanvas* Canvas, TRect DrawRect) { PrintDrawRect(Canvas, DrawRect, WholeGrid(*this)); }

void TExtStringGrid::PrintDrawRect(TCanvas* Canvas, TRect DrawRect, const TGridRect& Gridrect) {
  PrintPageFrom = PrintPageTo = 1;
  PrintNrOfPages = 1;
  TMapModeKeeper keep(Canvas);
  TGridPrintPass(*this, Canvas, TGridPrintPass::pkPrint, 1, false, Gridrect, DrawRect, nullptr).Run();
}
