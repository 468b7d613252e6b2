// The hint of the cell under the pointer: an anchor's hint, the cell's text
// (always, or only when it does not fit), a comment, or what OnGridHint
// makes of it; HTML and wide texts go to the HTML hint window.

#include "grid/core/ExtGrid.h"
#include "grid/foundation/EsgHTMLE.h"
#include "grid/foundation/ExtUtil.h"
#include "grid/output/HTMLHintWindow.h"
#include "toolkit/forms/Forms.h"
#include "toolkit/rtl/Encoding.h"

void TExtStringGrid::CMHintShow(TCMHintShow& Message) {
  if (Message.HintInfo) GetCellHint(Message.HintInfo->HintStr, *Message.HintInfo);
  Message.Result = 0;
}

void TExtStringGrid::GetCellHint(std::string& HintStr, THintInfo& HintInfo) {
  TPoint cursor = HintInfo.CursorPos;
  int acol = -1, arow = -1;
  MouseToCell(cursor.X, cursor.Y, acol, arow);
  if (ControlLook()->HintMaxWidth() > 0) HintInfo.HintMaxWidth = ControlLook()->HintMaxWidth();
  HintFontName = Font()->Name();
  HintInfo.HintColor = HintColor();
  TPoint pos{cursor.X, cursor.Y + 20};
  if (acol >= 0 && arow >= 0) {
    TPoint b = BaseCell(RealColIndex(acol), arow);
    acol = DisplColIndex(b.X);
    arow = b.Y;
    FLastHintPos = {acol, arow};
    cellHint(HintStr, HintInfo, acol, arow, pos);
  }
  bool footerRow = FloatingFooter()->Visible() && arow == RowCount() - 1;
  if (!footerRow) {
    std::u16string wide;
    QueryGridHint(acol, arow, HintStr, wide);
  }
  int kind = GetTextKind(HintStr, true);
  if ((kind == 1 || kind == 5) && UseInternalHintClass()) {
    HintInfo.HintWindowClass = THTMLHintWindow::Class();
    FHintResources.Images = GridImages();
    HintInfo.HintData = &FHintResources;
  }
  HintInfo.HintPos = ClientToScreen(pos);
}

// The cell's part of the hint; Pos is in client coordinates.
void TExtStringGrid::cellHint(std::string& HintStr, THintInfo& HintInfo, int ACol, int ARow, TPoint& Pos) {
  int realCol = RealColIndex(ACol);
  TRect cellR = CellRect(ACol, ARow);
  // Leaving the cell ends its hint; the next cell shows its own.
  HintInfo.CursorRect = cellR;
  std::string comment;
  if (IsComment(realCol, ARow, comment)) {
    Pos = {cellR.Right, cellR.Top};
    HintStr = comment;
  } else {
    Pos = {HintInfo.CursorPos.X, cellR.Bottom + 6};
  }
  std::string text = GetCellEx(realCol, ARow);
  int kind = GetTextKind(text, EnableHTML());
  bool wide = kind == 5, html = kind == 1;
  std::string href, title;
  if (html && AnchorHint() && anchorAt(HintInfo.CursorPos.X, HintInfo.CursorPos.Y, ACol, ARow, href, title)) {
    std::string hint = title.empty() ? href : title;
    if (OnAnchorHint) OnAnchorHint(this, ARow, ACol, hint);
    FLastAnchorHint = hint;
    HintStr = hint;
    Pos = {HintInfo.CursorPos.X + 8, HintInfo.CursorPos.Y - 16};
  }
  bool normal = ACol >= TCustomGrid::FixedCols() && ARow >= TCustomGrid::FixedRows() &&
                ACol < ColCount() - FFixedRightCols && ARow < RowCount() - FixedFooters();
  if (HintShowCells() && normal) {
    Pos.Y = cellR.Top;
    HintStr = wide ? Utf16ToUtf8(DecodeWideText(text)) : HTMLHint() ? text : StripHTMLTags(text);
  }
  if (HintShowLargeText()) {
    TPoint size = cellTextExtent(ACol, ARow, false);
    if (size.X > cellR.Width() || size.Y > cellR.Height()) {
      if (HintShowLargeTextPos() == hpCell) Pos = cellR.TopLeft();
      HintStr = wide || HTMLHint() || !html ? text : StripHTMLTags(text);
    }
  }
}

// A hint shown for one cell is taken back when the pointer reaches another.
void TExtStringGrid::cancelCellHint(int ACol, int ARow) {
  if (FLastHintPos.X < 0) return;
  int c = ACol, r = ARow;
  if (c >= 0 && r >= 0) {
    TPoint b = BaseCell(RealColIndex(c), r);
    c = DisplColIndex(b.X);
    r = b.Y;
  }
  if (c == FLastHintPos.X && r == FLastHintPos.Y) return;
  Application->CancelHint();
  FLastHintPos = {-1, -1};
}
