#pragma once
// Column and row sizing shared by the table drop-downs.

#include <string>
#include <vector>

#include "toolkit/forms/WinApi.h"
#include "toolkit/grids/Grids.h"

// Widths stretched over Available pixels in proportion to Widths, as
// Available / (1 + the sum of Widths); the rounding error is carried from
// column to column so the columns fill the width.
std::vector<int> StretchedColumnWidths(const std::vector<int>& Widths, int Available);

// The popup grid's columns stretched over the popup's width, less a
// vertical scroll bar when not all data rows show; the columns' own widths
// stay. The grid scrolls vertically only.
template <class Columns>
void StretchGridColumns(TCustomGrid& G, const Columns& C, int PopupWidth) {
  G.SetScrollBars(ssVertical);
  if (C.Count() == 0) return;
  std::vector<int> widths;
  for (int i = 0; i < G.ColCount() && i < C.Count(); ++i) widths.push_back(C.Items(i)->Width());
  if (G.VisibleRowCount() < G.RowCount() - G.FixedRows()) PopupWidth -= GetSystemMetrics(SM_CXVSCROLL);
  const std::vector<int> px = StretchedColumnWidths(widths, PopupWidth);
  for (size_t i = 0; i < px.size(); ++i) G.SetColWidths(int(i), px[i]);
}

// The popup height made of whole rows: Chrome is what is not rows (strips,
// header row, borders) and Extra what is added after the rows. A row height
// of 0 leaves Height as it is.
int WholeRowsHeight(int Height, int Chrome, int RowHeight, int Extra);

class TFont;

// What a table cell needs across: ImageWidth + 4 when it shows an image (0
// for none), plus the single-line text width + 6 when it has text.
int CellContentWidth(const TFont* Font, const std::string& Text, int ImageWidth);
// What a word-wrapped table cell needs down: the larger of ImageHeight + 6
// (0 for no image) and the height of the text wrapped within Width + 6.
int CellContentHeight(const TFont* Font, const std::string& Text, int Width, int ImageHeight);
