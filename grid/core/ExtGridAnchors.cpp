// Links in the string grid's HTML cells: the anchor under the pointer is
// found by running the HTML engine in hit-test mode over the cell's text
// rectangle; hovering one shows the link cursor and fires the enter and exit
// events, and a press follows it (a "CELL://R<row>C<col>" anchor moves the
// cursor, web and mail links open through the platform after OnAnchorClick).

#include <algorithm>

#include "grid/core/ExtGrid.h"
#include "grid/foundation/EsgHTMLE.h"
#include "grid/foundation/ExtUtil.h"
#include "platform/shell/OpenLink.h"
#include "toolkit/forms/Dialogs.h"
#include "toolkit/forms/Forms.h"

bool TExtStringGrid::anchorAt(int X, int Y, int ACol, int ARow, std::string& Href, std::string& Title,
                              int* HoverIndex) {
  if (HoverIndex) *HoverIndex = -1;
  if (ACol < 0 || ARow < 0) return false;
  int realCol = RealColIndex(ACol);
  std::string text = GetCellEx(realCol, ARow);
  if (GetTextKind(text, EnableHTML()) != 1 || !HandleAllocated()) return false;
  // The text rectangle as the painter lays it out.
  TRect r = TCustomGrid::CellRect(ACol, ARow);
  r.Left += XYOffset().X + 1;
  r.Top += XYOffset().Y + 1;
  r.Right -= XYOffset().X;
  if (HasCheckBox(realCol, ARow)) r.Left += ControlLook()->CheckSize();
  bool fixed = ACol < TCustomGrid::FixedCols() || ARow < TCustomGrid::FixedRows();
  Canvas()->Font()->Assign(fixed ? FixedFont() : Font());
  THTMLTextCall call;
  call.HitTestOnly = true;
  call.HitX = X;
  call.HitY = Y;
  call.Images = GridImages();
  call.LinkColor = URLColor();
  if (!DrawHTMLText(Canvas(), text, r, call) || call.HitHref.empty()) return false;
  if (HoverIndex) *HoverIndex = call.HoverAnchorOut;
  Href = call.HitHref;
  Title = call.HitTitle;
  return true;
}

// Claims the pointer (the link cursor) while it is over an anchor.
bool TExtStringGrid::trackAnchor(int X, int Y, int ACol, int ARow) {
  std::string href, title;
  int link = -1;
  const bool onAnchor = anchorAt(X, Y, ACol, ARow, href, title, &link);
  if (URLUnderlineOnHover()) trackHoverLink(ACol, ARow, onAnchor ? link : -1);
  if (onAnchor) {
    std::string hint = title.empty() ? href : title;
    if (OnAnchorHint) OnAnchorHint(this, ARow, ACol, hint);
    if (hint != FLastAnchorHint && href != FAnchor) {
      FLastAnchorHint = hint;
      Application->CancelHint();
    }
    if (href != FAnchor) {
      FAnchor = href;
      if (OnAnchorEnter) OnAnchorEnter(this, ARow, ACol, href);
    }
    return true;
  }
  if (!FAnchor.empty()) {
    // The exit names the anchor left, so that a handler can pair it with its enter.
    std::string left = FAnchor;
    FAnchor.clear();
    FLastAnchorHint.clear();
    if (OnAnchorExit) OnAnchorExit(this, ARow, ACol, left);
  }
  return false;
}

// With URLUnderlineOnHover only the hovered link is underlined: a change of
// the hovered cell or link repaints the cells it concerns.
void TExtStringGrid::trackHoverLink(int ACol, int ARow, int HoverAnchor) {
  const TPoint cell = HoverAnchor >= 0 ? TPoint{ACol, ARow} : TPoint{-1, -1};
  if (cell == FHoverCell && HoverAnchor == FHoverlink) return;
  const TPoint old = FHoverCell;
  FHoverCell = cell;
  FHoverlink = HoverAnchor;
  if (old.X >= 0 && old.Y >= 0) RepaintCell(old.X, old.Y);
  if (cell.X >= 0 && !(cell == old)) RepaintCell(cell.X, cell.Y);
}

void TExtStringGrid::SetURLUnderlineOnHover(bool Value) {
  if (FURLUnderlineOnHover == Value) return;
  FURLUnderlineOnHover = Value;
  FHoverCell = {-1, -1};
  FHoverlink = -1;
  Invalidate();
}

// A press on an anchor of an HTML cell; true when it was one.
bool TExtStringGrid::clickAnchor(int X, int Y, int ACol, int ARow) {
  std::string href, title;
  if (!anchorAt(X, Y, ACol, ARow, href, title)) return false;
  followLink(href, ARow, ACol);
  return true;
}

// OnAnchorClick may take the link; a cell reference moves the cursor, web
// and mail links open through the platform, and a refused or failed open is
// reported.
void TExtStringGrid::followLink(const std::string& Link, int ARow, int ACol) {
  bool autoHandle = true;
  if (OnAnchorClick) OnAnchorClick(this, ARow, ACol, Link, autoHandle);
  if (!autoHandle) return;
  std::string upper = Link;
  std::transform(upper.begin(), upper.end(), upper.begin(), [](unsigned char c) { return std::toupper(c); });
  size_t cell = upper.find("CELL://");
  if (cell != std::string::npos) {
    TPoint target;
    if (!ParseRCReference(std::string_view(Link).substr(cell + 7), target)) return;
    if (target.X < 0 || target.X >= ColCount() || target.Y < 0 || target.Y >= RowCount()) return;
    MoveColRow(target.X, target.Y, true, true);
    ScrollInView(target.X, target.Y);
    return;
  }
  platform::LinkResult opened = platform::OpenLink(Link);
  if (!opened) ShowMessage("The link \"" + Link + "\" could not be opened: " + opened.failure);
}
