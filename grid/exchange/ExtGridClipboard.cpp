// The grid's clipboard: the selection or the export range as TAB-separated
// text, and text blocks pasted into the cells.
//
// The text follows the spreadsheet convention so that a spreadsheet on the
// same display can take it and give it back: a field holding a TAB, CR or LF,
// or starting with a double quote, is quoted with inner quotes doubled, and
// the reader undoes the quoting before it splits lines and fields.

#include "grid/core/ExtGrid.h"
#include "grid/exchange/DelimitedText.h"
#include "platform/clipboard/Clipboard.h"

#include <algorithm>

namespace {

bool NeedsClipboardQuotes(std::string_view Text) {
  return Text.find_first_of("\t\r\n") != std::string_view::npos || (!Text.empty() && Text.front() == '"');
}

TDelimitedRows ClipboardRows(const std::string& Text) {
  return ParseDelimitedText(Text, TDelimitedSyntax{'\t', false, false});
}

}  // namespace

std::string TExtStringGrid::SelectionToText(const TGridRect& R, bool OnlySelected) {
  FClipTopLeft = TPoint{R.Left, R.Top};
  ExportNotification(esExportStart, -1);
  const bool disjunctRows = MouseActions()->DisjunctRowSelect();
  const bool disjunctCols = MouseActions()->DisjunctColSelect();
  std::string out;
  for (int r = R.Top; r <= R.Bottom; ++r) {
    ExportNotification(esExportNewRow, r);
    if (OnlySelected && disjunctRows && !disjunctCols && !RowSelect(r)) continue;
    for (int c = R.Left; c <= R.Right; ++c) {
      if (OnlySelected && disjunctCols && !ColSelect(c)) continue;
      const int real = DisplToRealColumn(c);
      std::string text = ExportCellText(real, r);
      if (!Navigation()->CopyHTMLTagsToClipboard() && text.find("</") != std::string::npos)
        text = StrippedCells(real, r);
      if (FExcelClipboardFormat) CRLFToLF(text);
      out += NeedsClipboardQuotes(text) ? QuoteField(text) : text;
      if (c != R.Right) out += '\t';
    }
    if (R.Bottom > R.Top) out += "\r\n";
  }
  ExportNotification(esExportDone, -1);
  return out;
}

std::string TExtStringGrid::GetSelectionAsText() { return SelectionToText(Selection(), false); }

void TExtStringGrid::SetSelectionAsText(const std::string& Value) {
  const TGridRect sel = Selection();
  const TDelimitedRows rows = ClipboardRows(Value);
  int maxCol = sel.Left, row = sel.Top;
  for (size_t i = 0; i < rows.size(); ++i, ++row) {
    if (row >= RowCount()) SetRowCount(row + 1);
    int c = sel.Left;
    for (const std::string& field : rows[i]) {
      if (c >= ColCount()) SetColCount(c + 1);
      SetGridCell(DisplToRealColumn(c), row, field);
      maxCol = std::max(maxCol, c++);
    }
  }
  if (!rows.empty())
    CellsChanged(TRect{DisplToRealColumn(sel.Left), sel.Top, DisplToRealColumn(maxCol), row - 1});
}

void TExtStringGrid::TextGridSize(const std::string& Text, int& Cols, int& Rows) {
  const TDelimitedRows rows = ClipboardRows(Text);
  Rows = static_cast<int>(rows.size());
  Cols = 0;
  for (const auto& r : rows) Cols = std::max(Cols, static_cast<int>(r.size()));
}

bool TExtStringGrid::pasteAllowed() {
  return Options().Contains(goEditing) || Navigation()->AllowClipboardAlways() ||
         MouseActions()->RangeSelectAndEdit();
}

void TExtStringGrid::pasteField(int ACol, int ARow, const std::string& Field) {
  const int real = DisplToRealColumn(ACol);
  if (!IsEditable(real, ARow) && !Navigation()->AllowClipboardAlways()) return;
  std::string value = Field;
  bool allow = true;
  if (OnClipboardBeforePasteCell) OnClipboardBeforePasteCell(this, ACol, ARow, value, allow);
  if (!allow) return;
  PasteIntoCell(ACol, ARow, value);
  if (OnClipboardAfterPasteCell) OnClipboardAfterPasteCell(this, ACol, ARow, value);
}

void TExtStringGrid::PasteIntoCell(int ACol, int ARow, const std::string& Value) {
  const int real = DisplToRealColumn(ACol);
  if (HasCheckBox(real, ARow)) SetCheckBoxState(real, ARow, Value == CheckTrue());
  else SetCellEx(real, ARow, Value);
  if (real != ACol) RepaintCell(ACol, ARow);
}

void TExtStringGrid::MarkPastedRows(const TPoint& ClipTopLeft, const TRect& Area, TClipOperation Operation) {
  (void)ClipTopLeft;
  (void)Operation;
  if (!FShowModified.Enabled()) return;
  for (int r = Area.Top; r <= Area.Bottom; ++r) SetRowModified(r, true);
}

int TExtStringGrid::ParseTextToCells(int ACol, int ARow, int& Lines, int& Fields, const std::string& Text) {
  Lines = Fields = 0;
  if (ACol < 0 || ARow < 0 || !pasteAllowed()) return 0;
  const TDelimitedRows rows = ClipboardRows(Text);
  const bool insert = Navigation()->ClipboardPasteAction() == paInsert;
  int count = 0, maxCol = ACol, row = ARow;
  for (size_t i = 0; i < rows.size(); ++i) {
    const int limit = FloatingFooter()->Visible() ? RowCount() - 1 : RowCount();
    if (!insert && row >= limit) {
      if (!Navigation()->AllowClipboardRowGrow()) break;
      SetRowCount(RowCount() + 1);
    }
    ImportNotification(FPasteAll ? isImportNewRow : isImportSelRow, row);
    if (insert) InsertRows(row, 1);
    int c = ACol;
    for (const std::string& field : rows[i]) {
      if (c >= ColCount() && Navigation()->AllowClipboardColGrow()) SetColCount(c + 1);
      if (c < ColCount()) pasteField(c, row, field);
      maxCol = std::max(maxCol, std::min(c, ColCount() - 1));
      ++c;
      ++count;
    }
    Lines = static_cast<int>(i) + 1;
    Fields = static_cast<int>(rows[i].size());
    ++row;
  }
  if (Lines > 0) {
    MarkPastedRows(FClipTopLeft, TRect{ACol, ARow, maxCol, row - 1}, FClipLastOp);
    CellsChanged(TRect{DisplToRealColumn(ACol), ARow, DisplToRealColumn(maxCol), row - 1});
  }
  return count;
}
