// Copy, cut and paste through every clipboard format the grid offers: text
// for everyone, the top-left cell's rich text, the grid's own cell block
// (text, properties and graphics) and, on request, an HTML table.
//
// Rich text travels as 8-bit bytes with a terminating zero, as other
// programs expect of that format. A pasted cell block is decoded and
// checked whole before the grid grows or changes.

#include "grid/core/ExtGrid.h"
#include "grid/exchange/GridCellStream.h"
#include "grid/foundation/EsgHTMLE.h"
#include "grid/foundation/ExtUtil.h"
#include "platform/clipboard/Clipboard.h"
#include "toolkit/rtl/Encoding.h"
#include "toolkit/rtl/ScopeGuard.h"

#include <algorithm>

namespace {

uint32_t CellsFormat() { return RegisterClipboardFormat("TExtStringGrid Cells"); }
uint32_t RichTextFormat() { return RegisterClipboardFormat("Rich Text Format"); }

// Adds a block to what the clipboard holds (the text went first and emptied it).
void AddClipboardBlock(uint32_t Format, std::string Block) {
  platform::Clipboard& cb = platform::TheClipboard();
  if (!cb.Open()) return;
  auto close = MakeScopeGuard([&] { cb.Close(); });
  cb.SetData(Format, std::move(Block));
}

// Up to the terminating zero; bytes that are not UTF-8 are Windows-1252.
std::string RichTextFromBlock(const std::string& Block) {
  const std::string bytes = Block.substr(0, Block.find('\0'));
  return IsValidUtf8(bytes) ? bytes : Windows1252ToUtf8(bytes);
}

}  // namespace

bool TExtStringGrid::AllowFMTClipboard() { return Navigation()->AllowFmtClipboard(); }

TGridRect TExtStringGrid::SelectionWithMergedCells() {
  const TGridRect sel = Selection();
  const TGridRect tl = FullCell(sel.Left, sel.Top), br = FullCell(sel.Right, sel.Bottom);
  const TGridRect wide{std::min(sel.Left, tl.Left), std::min(sel.Top, tl.Top), std::max(sel.Right, br.Right),
                       std::max(sel.Bottom, br.Bottom)};
  if (wide.Left != sel.Left || wide.Top != sel.Top || wide.Right != sel.Right || wide.Bottom != sel.Bottom)
    SetSelection(wide);
  return wide;
}

void TExtStringGrid::SelectionToRTF(int ACol, int ARow) {
  const std::string text = GetCellEx(DisplToRealColumn(ACol), ARow);
  if (text.find("{\\") == std::string::npos) return;
  AddClipboardBlock(RichTextFormat(), text + '\0');
}

void TExtStringGrid::SelectionToBinStream(const TGridRect& R) { AddClipboardBlock(CellsFormat(), cellBlock(R)); }

void TExtStringGrid::SelectionToClipboard(const TGridRect& R, bool OnlySelected) {
  platform::TheClipboard().SetText(SelectionToText(R, OnlySelected));
  if (Navigation()->AllowRTFClipboard()) SelectionToRTF(R.Left, R.Top);
  if (AllowFMTClipboard()) SelectionToBinStream(R);
}

void TExtStringGrid::CopySelectionToClipboard() {
  const TGridRect sel = SelectionWithMergedCells();
  if (MouseActions()->DisjunctRowSelect() && !AllowFMTClipboard())
    SelectionToClipboard({FixedCols(), SaveStartRow(), ColCount() - FixedRightCols() - 1, SaveEndRow()}, true);
  else if (MouseActions()->DisjunctColSelect() && !AllowFMTClipboard())
    SelectionToClipboard({SaveStartCol(), SaveStartRow(), SaveEndCol(), SaveEndRow()}, true);
  else
    SelectionToClipboard(sel, false);
  FClipLastOp = coCopy;
}

void TExtStringGrid::CopyToClipBoard() {
  SelectionToClipboard({SaveStartCol(), SaveStartRow(), SaveEndCol(), SaveEndRow()}, false);
  FClipLastOp = coCopy;
}

void TExtStringGrid::clearForCut(const TGridRect& R) {
  for (int r = R.Top; r <= R.Bottom; ++r) {
    for (int c = R.Left; c <= R.Right; ++c) {
      const int real = DisplToRealColumn(c);
      if (IsEditable(real, r) || Navigation()->AllowClipboardAlways()) SetCellEx(real, r, "");
    }
    if (FShowModified.Enabled()) SetRowModified(r, true);
  }
}

void TExtStringGrid::CutToClipboard() {
  CopyToClipBoard();
  const TGridRect range{SaveStartCol(), SaveStartRow(), SaveEndCol(), SaveEndRow()};
  clearForCut(range);
  CellsChanged(TRect{DisplToRealColumn(range.Left), range.Top, DisplToRealColumn(range.Right), range.Bottom});
  FClipLastOp = coCut;
}

void TExtStringGrid::CutSelectionToClipboard() {
  CopySelectionToClipboard();
  const TGridRect sel = Selection();
  if (MouseActions()->DisjunctRowSelect()) {
    for (int r = FixedRows(); r < RowCount(); ++r) {
      if (!RowSelect(r)) continue;
      ClearRows(r, 1);
      if (FShowModified.Enabled()) SetRowModified(r, true);
    }
  } else if (MouseActions()->DisjunctColSelect()) {
    for (int c = FixedCols(); c < ColCount(); ++c)
      if (ColSelect(c)) ClearCols(c, 1);
  } else {
    clearForCut(sel);
    if (AllowFMTClipboard())
      for (int c = sel.Left; c <= sel.Right; ++c) {
        const int real = DisplToRealColumn(c);
        FreeCellPropertiesRange(real, sel.Top, real, sel.Bottom);
      }
  }
  if (OnCellsChanged) OnCellsChanged(this, TRect{sel.Left, sel.Top, sel.Right, sel.Bottom});
  if (NumHiddenColumns() > 0) Invalidate();
  FClipLastOp = coCut;
}

TGridRect TExtStringGrid::PasteCellBlock(int ACol, int ARow, const std::string& Block, int& Rows, int& Cols) {
  TGridCellBlock block(Block);
  BeforePasteBlock();
  auto after = MakeScopeGuard([&] { AfterPasteBlock(); });
  const TGridStreamHeader& h = block.Header;
  const bool insert = Navigation()->ClipboardPasteAction() == paInsert;
  if (Navigation()->AllowClipboardRowGrow() || Navigation()->AllowClipboardColGrow() || insert) {
    if (Navigation()->AllowClipboardColGrow() && ACol + h.ColCount >= ColCount()) SetColCount(ACol + h.ColCount);
    if (Navigation()->AllowClipboardRowGrow() && ARow + h.RowCount >= RowCount()) SetRowCount(ARow + h.RowCount);
    if (insert && h.RowCount > 0) InsertRows(ARow, h.RowCount);
    Rows = RowCount();
    Cols = ColCount();
  }
  // A pasted block is always a rectangle at the target cell: a copy of a
  // whole grid never clears the grid it is pasted into.
  block.Header.FullGrid = false;
  placeCellBlock({ACol, ARow}, block);
  const TGridRect area{ACol, ARow, ACol + h.ColCount - 1, ARow + h.RowCount - 1};
  const bool sameGrid = h.ID != 0 && h.ID == cellStreamID();
  MarkPastedRows(sameGrid ? FClipTopLeft : TPoint{-1, -1}, TRect{area.Left, area.Top, area.Right, area.Bottom},
                 FClipLastOp);
  return area;
}

int TExtStringGrid::PasteClipboardFormats(int ACol, int ARow, int& Rows, int& Cols) {
  Rows = Cols = 0;
  platform::Clipboard& cb = platform::TheClipboard();
  if (AllowFMTClipboard() && cb.HasFormat(CellsFormat())) {
    const TGridRect area = PasteCellBlock(ACol, ARow, cb.GetData(CellsFormat()).value_or(""), Rows, Cols);
    return (area.Right - area.Left + 1) * (area.Bottom - area.Top + 1);
  }
  if (Navigation()->AllowRTFClipboard() && cb.HasFormat(RichTextFormat())) {
    const int real = DisplToRealColumn(ACol);
    if (ACol < ColCount() && ARow < RowCount() && IsEditable(real, ARow))
      PasteIntoCell(ACol, ARow, RichTextFromBlock(cb.GetData(RichTextFormat()).value_or("")));
    Rows = Cols = 1;
    return 0;
  }
  return ParseTextToCells(ACol, ARow, Rows, Cols, cb.Text());
}

void TExtStringGrid::PasteFromClipboard() {
  ImportNotification(isImportStart, -1);
  FPasteAll = true;
  {
    // The done notification pairs the start one, also when a block is refused.
    auto done = MakeScopeGuard([&] {
      FPasteAll = false;
      ImportNotification(isImportDone, -1);
    });
    int rows = 0, cols = 0;
    PasteClipboardFormats(SaveStartCol(), SaveStartRow(), rows, cols);
  }
  AllFootersChanged();
}

void TExtStringGrid::CopyToClipBoardAsHTML() {
  // The HTML export's document as the clipboard's HTML, with the plain text
  // of the same cells for programs that take text only.
  const TGridRect range{SaveStartCol(), SaveStartRow(), SaveEndCol(), SaveEndRow()};
  platform::TheClipboard().SetHtml(HTMLClipboardDocument(), SelectionToText(range, false));
}
