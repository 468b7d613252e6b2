#pragma once
// The events of the grid's printing, preview and page drawing. Sizes and
// positions are layout units of 0.1 mm with the y axis up: PageXSize is the
// page width, PageYSize the page bottom (negative).

#include <functional>
#include <string>

#include "toolkit/rtl/Types.h"

class TObject;
class TCanvas;

// After counting: the pages there are; the range chosen is printed.
using TPrintStartEvent = std::function<void(TObject* Sender, int NrOfPages, int& FromPage, int& ToPage)>;
// A page begins (drawing passes only).
using TPrintPageEvent = std::function<void(TObject* Sender, TCanvas* Canvas, int PageNr, int PageXSize,
                                           int PageYSize)>;
// After each row: NewPage = true ends the page there.
using TPrintNewPageEvent = std::function<void(TObject* Sender, int ARow, bool& NewPage)>;
// A page is about to end (drawing passes only); LastRow is the next row to print.
using TPrintPageDoneEvent = std::function<void(TObject* Sender, TCanvas* Canvas, int LastRow, int LastRowOffset,
                                               int LastPage, int PageXSize, int PageYSize)>;
using TPrintCancelEvent = std::function<void(TObject* Sender, int PageNr, bool& Cancel)>;
using TPrintColumnWidthEvent = std::function<void(TObject* Sender, int ACol, int& Width)>;
using TPrintRowHeightEvent = std::function<void(TObject* Sender, int ARow, int& Height)>;
using TFitToPageEvent = std::function<void(TObject* Sender, double& ScaleFactor, bool& Allow)>;
using TPrintGetPageNumEvent = std::function<void(TObject* Sender, int PageNum, int PageColNum,
                                                 std::string& PageNumString)>;
// The size a cell needs, on screen or (Printing) on paper.
using TCustomCellSizeEvent = std::function<void(TObject* Sender, TCanvas* Canvas, int ACol, int ARow, TPoint& ASize,
                                                bool Printing)>;
