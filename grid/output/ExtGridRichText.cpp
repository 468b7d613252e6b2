// Rich-text cells: the cell's RTF is loaded into the grid's hidden rich edit,
// which formats it onto the canvas inside the cell's inner margin, on screen
// and on paper alike.

#include <cmath>

#include "grid/core/ExtGrid.h"
#include "grid/editing/ExtRichEdit.h"
#include "toolkit/graphics/Canvas.h"

namespace {

int Twips(int Pixels, int PixelsPerInch) { return int(std::lround(Pixels * 1440.0 / PixelsPerInch)); }

}  // namespace

// The selection as a rich-text cell sees it: inside the selection but not
// the focused current cell that is drawn unselected, or a flagged row or
// column of the disjunct selections.
bool TExtStringGrid::RichCellSelected(int ACol, int ARow) {
  const int displ = DisplColIndex(ACol);
  if (MouseActions()->DisjunctRowSelect())
    return RowSelect(MouseActions()->RowSelectPersistent() ? RealRowIndex(ARow) : ARow);
  if (MouseActions()->DisjunctColSelect()) return ColSelect(displ);
  const bool focusedPlain = displ == Col() && ARow == Row() && Focused() && !Options().Contains(goDrawFocusSelected);
  return Selection().Contains(displ, ARow) && !focusedPlain;
}

void TExtStringGrid::DrawRichTextCell(int ACol, int ARow, TCanvas* ACanvas, const TRect& Rect) {
  const bool screen = ACanvas->GetMapMode() == MM_TEXT && !IsPrintPreview;
  renderRichText(ACol, ARow, ACanvas, Rect, screen && !FSelectionRTFKeep && RichCellSelected(ACol, ARow));
}

void TExtStringGrid::renderRichText(int ACol, int ARow, TCanvas* ACanvas, const TRect& Rect, bool Selected) {
  if (ComponentState().Contains(csDesigning)) return;
  TExtRichEdit* rich = RichEdit();
  rich->LoadRichText(Cells(ACol, ARow));
  if (Selected && FSelectionTextColor != clNone) {
    rich->SelectAll();
    rich->SelAttributes()->SetColor(FSelectionTextColor);
  }
  int ppiX = ACanvas->GetDeviceCaps(LOGPIXELSX), ppiY = ACanvas->GetDeviceCaps(LOGPIXELSY);
  if (ppiX <= 0) ppiX = 96;
  if (ppiY <= 0) ppiY = 96;
  const int margin = ppiX * FXYOffset.X / 96;
  TFormatRange range;
  range.hdc = range.hdcTarget = ACanvas;
  range.rc = TRect(Twips(Rect.Left + margin, ppiX), Twips(Rect.Top + margin, ppiY),
                   Twips(Rect.Right - margin, ppiX), Twips(Rect.Bottom - margin, ppiY));
  range.rcPage = range.rc;
  range.chrg = {0, -1};
  rich->Perform(EM_FORMATRANGE, 1, reinterpret_cast<LPARAM>(&range));
  rich->Perform(EM_FORMATRANGE, 0, 0);
}
