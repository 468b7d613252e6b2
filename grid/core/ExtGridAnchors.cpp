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

// The HTML engine's hit test over the cell's text rectangle, laid out as
// the painter lays it; true when the point is on an anchor or a control.
bool TExtStringGrid::htmlHitAt(int X, int Y, int ACol, int ARow, THTMLTextCall& Call) {
  if (ACol < 0 || ARow < 0) return false;
  int realCol = RealColIndex(ACol);
  std::string text = GetCellEx(realCol, ARow);
  if (GetTextKind(text, EnableHTML()) != 1 || !HandleAllocated()) return false;
  TRect r = TCustomGrid::CellRect(ACol, ARow);
  r.Left += XYOffset().X + 1;
  r.Top += XYOffset().Y + 1;
  r.Right -= XYOffset().X;
  if (HasCheckBox(realCol, ARow)) r.Left += ControlLook()->CheckSize();
  bool fixed = ACol < TCustomGrid::FixedCols() || ARow < TCustomGrid::FixedRows();
  Canvas()->Font()->Assign(fixed ? FixedFont() : Font());
  Call.HitTestOnly = true;
  Call.HitX = X;
  Call.HitY = Y;
  Call.Images = CellImageList(realCol, ARow);
  Call.Pictures = PictureContainer();
  Call.LinkColor = URLColor();
  return DrawHTMLText(Canvas(), text, r, Call) && !Call.HitHref.empty();
}

// An embedded control is no anchor: it neither shows the link cursor nor
// opens as a link.
bool TExtStringGrid::anchorAt(int X, int Y, int ACol, int ARow, std::string& Href, std::string& Title,
                              int* HoverIndex) {
  if (HoverIndex) *HoverIndex = -1;
  THTMLTextCall call;
  if (!htmlHitAt(X, Y, ACol, ARow, call) || !call.ControlID.empty()) return false;
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

// A press on an anchor or an embedded control of an HTML cell; true when it
// was one. A cell holding controls takes every press: the text editor never
// opens over its controls.
bool TExtStringGrid::clickAnchor(int X, int Y, int ACol, int ARow, int PCol, int PRow) {
  THTMLTextCall call;
  if (htmlHitAt(X, Y, ACol, ARow, call)) {
    if (call.ControlID.empty()) followLink(call.HitHref, ARow, ACol);
    else clickCellControl(call, ACol, ARow, PCol, PRow);
    return true;
  }
  if (!cellHoldsControls(ACol, ARow)) return false;
  if (OnClickCell) OnClickCell(this, PRow, PCol);
  HideInplaceEdit();
  SetSelection({ACol, ARow, ACol, ARow});
  return true;
}

// A BUTTON is drawn pressed until the release, a CHECK toggles and a RADIO
// is chosen in the cell text; an EDIT, MASK or COMBO opens its editor. A cell
// that may not be edited only reports the press to OnAnchorClick.
void TExtStringGrid::clickCellControl(const THTMLTextCall& Call, int ACol, int ARow, int PCol, int PRow) {
  int realCol = RealColIndex(ACol);
  bool canEdit = (Options().Contains(goEditing) || FEditDisable) && !ReadOnly(RealColIndex(PCol), PRow);
  DoCanEditCell(PCol, PRow, canEdit);
  if (!canEdit) {
    bool autoHandle = true;
    if (OnAnchorClick) OnAnchorClick(this, ARow, ACol, Call.HitHref, autoHandle);
    return;
  }
  if (FCtrlEditing) EndCellControlEdit(this);
  std::string text = GetCellEx(realCol, ARow);
  if (Call.ControlType == "BUTTON") {
    FCtrlXY = {realCol, ARow};
    FCtrlDown = true;
    RepaintCell(ACol, ARow);
  } else if (Call.ControlType == "CHECK") {
    if (SetControlValue(text, Call.ControlID, Call.ControlValue == "TRUE" ? "FALSE" : "TRUE"))
      SetCellEx(realCol, ARow, text);
  } else if (Call.ControlType == "RADIO") {
    text = ClearRadioControls(text);
    if (SetControlValue(text, Call.ControlID, "TRUE")) SetCellEx(realCol, ARow, text);
  }
  if (OnControlClick) OnControlClick(this, ARow, ACol, Call.ControlID, Call.ControlType, Call.ControlValue);
  ShowCellControl(text, Call.ControlType, Call.ControlID, Call.ControlValue, Call.ControlRect, ACol, realCol, ARow);
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
