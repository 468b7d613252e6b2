#pragma once
// One pass of the grid's print engine: lays a rectangle of cells out on pages
// in layout units of 0.1 mm (the canvas in the metric mapping mode, y up, the
// page's top edge at y = 0), in column strips across and pages down, with the
// page header and footer. A counting pass only lays out; a drawing pass
// draws the pages of the grid's page range and lays out the others.

#include <string>
#include <vector>

#include "grid/core/ExtGrid.h"

class TPrinter;

class TGridPrintPass {
public:
  enum TKind { pkPreview = 0, pkPrint = 1, pkCountPrint = 2, pkCountPreview = 3 };

  // Area: display columns and rows. PreviewRect: the page of preview passes
  // (device units) and of the print counting pass (layout units). Printer:
  // the printer whose pages the pass turns, or null when drawing on a canvas.
  TGridPrintPass(TExtStringGrid& Grid, TCanvas* Canvas, TKind Kind, int PageTotal, bool SelectedOnly,
                 const TGridRect& Area, TRect PreviewRect, TPrinter* Printer);
  ~TGridPrintPass();
  TGridPrintPass(const TGridPrintPass&) = delete;
  TGridPrintPass& operator=(const TGridPrintPass&) = delete;

  // The number of pages laid out over all strips.
  int Run();

private:
  // ---- layout (GridPrintPass.cpp)
  void SetUp();
  void PageSize();
  void CalcColumnWidths();
  void FitColumns();
  void FormStrip(int FirstCol);
  void PlaceStrip();
  void CalcBlocks(bool StripStart);
  void RunStrip();
  bool PrintPageRows(int& y, int& Row, int& Step);
  int PrintRow(int y, int Row);
  int RowHeight(int Row);
  int Advance(int Row) { return 2 * cellMargin_ + RowHeight(Row) + settings_.RowSpacing(); }
  bool RowIncluded(int Row) const;
  bool ColIncluded(int Col) const;
  void PageBorders(int y);
  void StartNextPage();
  bool Draws() const { return kind_ == pkPreview || kind_ == pkPrint; }
  bool PageInRange(int PageNr) const { return PageNr >= grid_.PrintPageFrom && PageNr <= grid_.PrintPageTo; }
  bool DrawsThisPage() const { return Draws() && PageInRange(pageIndex_ + 1); }
  bool RepeatsFixedRowsHere() const;
  void SelectPrintFont(const TFont* Font);
  int Scaled(int ScreenPixels) const;

  // ---- cells (GridPrintCells.cpp)
  TPoint MeasureCell(int DisplCol, int Row);
  TPoint MeasureText(const std::string& Text, int DisplCol, int RealCol, int Row, bool WordWrap, int Angle);
  int PrintCells(int y, int First, int Last, int Row);
  void PrintCell(const TRect& R, int DisplCol, int Row, const TCellBorders& Borders, int PenWidth, int Advance);
  void PrintCellText(std::string Text, TRect R, int RealCol, int Row, TAlignment HA, TVAlignment VA, bool WordWrap,
                     int Advance);
  void PrintCellGraphic(TRect R, int DisplCol, int RealCol, int Row, TAlignment HA, TVAlignment VA, TRect& TextArea);
  void PrintCellBorders(TRect R, int DisplCol, int RealCol, int Row, int FirstCol, TCellBorders Borders,
                        const TPen& Pen, int Advance);
  std::string CellText(int RealCol, int Row);

  // ---- header and footer (GridPrintHeader.cpp)
  int HeaderFooter();
  int HTMLTitleHeight();
  std::string PageNumberText();
  void DrawPositionText(const std::string& Text, TPrintPosition Pos, int y);

  TExtStringGrid& grid_;
  TPrintSettings& settings_;
  TCanvas* canvas_;
  TKind kind_;
  int pageTotal_;
  bool selectedOnly_;
  TGridRect area_;
  TRect previewRect_;
  TPrinter* printer_;

  int pageIndex_ = 0;
  int stripNumber_ = 0;
  int pageInStrip_ = 0;
  bool severalStrips_ = false;
  bool cancelled_ = false;
  int pageWidth_ = 0, pageBottom_ = 0;
  int columnSpacing_ = 0;
  int cellMargin_ = 0;
  int inset_ = 0;
  int headerTextHeight_ = 0, footerTextHeight_ = 0;
  int headerBlock_ = 0, footerBlock_ = 0;
  int firstCol_ = 0, lastCol_ = 0;
  bool repeatFixedCols_ = false;
  int fixedColsWidth_ = 0;
  double screenScale_ = 1.0;
  double deviceRatio_ = 1.0;
  double fitFactor_ = 1.0;
  int cachedRow_ = -1, cachedHeight_ = 0;
  int lastMeasuredHeight_ = 0;
  bool bordersDrawn_ = false;
  // Print widths and left edges by display column; lefts_ has one more entry.
  std::vector<int> widths_, lefts_;
  // The canvas's tools and mapping mode when the pass began.
  TFont savedFont_;
  TPen savedPen_;
  TBrush savedBrush_;
  int savedMapMode_ = 0;
};
