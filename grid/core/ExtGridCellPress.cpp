// Presses on the objects a cell holds, before the base grid sees them: node
// glyphs, radio-group options, ratings, cell buttons and expand buttons; the
// release of a pushed button; and the hover look of the button under the
// pointer.

#include <algorithm>
#include <cmath>

#include "grid/core/ExtGrid.h"
#include "toolkit/graphics/Canvas.h"
#include "toolkit/forms/WinApi.h"

namespace {
TShiftState keyboardShift() {
  TShiftState s;
  if (GetKeyState(VK_SHIFT) < 0) s.Include(ssShift);
  if (GetKeyState(VK_CONTROL) < 0) s.Include(ssCtrl);
  if (GetKeyState(VK_MENU) < 0) s.Include(ssAlt);
  return s;
}
}  // namespace

// ACol is displayed, the cell the base cell of a merged range. True when the
// press was taken here and ends.
bool TExtStringGrid::pressCellObject(int X, int Y, int ACol, int ARow) {
  int fr = TCustomGrid::FixedRows();
  int rc = RealColIndex(ACol);
  TRect cellR = CellRect(ACol, ARow);
  if (ACol == 0 && IsNode(ARow) && IsNodeGlyphHit(ARow, X)) {
    if (ARow < fr && MouseActions()->NodeAllExpandContract()) {
      TCellGraphic* g = GetCellGraphic(0, ARow);
      if (g->CellBoolean) ExpandAll();
      else ContractAll();
      g->CellBoolean = !g->CellBoolean;
    } else if (ARow >= fr) {
      if (OnMouseDown) OnMouseDown(this, mbLeft, keyboardShift(), X, Y);
      if (OnClickCell) OnClickCell(this, ARow, ACol);
      ToggleNodeByUser(ARow);
      if (MouseActions()->MoveRowOnNodeClick() && ARow < RowCount()) SetRow(ARow);
      return true;
    }
  }
  if (IsRadio(rc, ARow) && (IsEditable(rc, ARow) || ControlLook()->RadioAlwaysActive())) {
    HideInplaceEdit();
    ClickRadioGroup(rc, ARow, X - cellR.Left, Y - cellR.Top);
    if (CanFocus()) SetFocus();
    return true;
  }
  if (ACol == 0 && ARow >= fr && NumNodes() > 0 && !MouseActions()->RowSelect() &&
      !Options().Contains(goRowSizing)) {
    // The outline column belongs to the glyphs: it never moves the cursor.
    if (OnMouseDown) OnMouseDown(this, mbLeft, keyboardShift(), X, Y);
    if (OnClickCell) OnClickCell(this, ARow, ACol);
    return true;
  }
  if (HasRating(rc, ARow) && IsEditable(rc, ARow)) {
    HideInplaceEdit();
    // Half a star per 9 pixels.
    double rate = std::trunc((X - cellR.Left) / 9.0) / 2.0;
    if (DoRatingChange(rc, ARow, rate)) {
      SetFloats(rc, ARow, rate);
      RepaintCell(ACol, ARow);
    }
    return true;
  }
  return pressCellButton(X, Y, ACol, ARow);
}

// A cell button or expand button is pushed and holds the mouse until the release.
bool TExtStringGrid::pressCellButton(int X, int Y, int ACol, int ARow) {
  int rc = RealColIndex(ACol);
  bool button = HasButton(rc, ARow), expand = HasExpand(rc, ARow);
  if (!button && !expand) return false;
  TPoint at{X, Y};
  if (button) {
    HideInplaceEdit();
    if (!IsFixed(ACol, ARow)) {
      bool old = FForceSel;
      FForceSel = true;
      SelectCell(ACol, ARow);
      FForceSel = old;
    }
  }
  if (!(button && CellButtonRect(ACol, ARow).Contains(at)) && !(expand && ExpandButtonRect(ACol, ARow).Contains(at)))
    return false;
  if (button) PushButton(ACol, ARow, true);
  FPushedCellButton = {ACol, ARow};
  SetMouseCapture(true);
  if (OnClickCell) OnClickCell(this, ARow, ACol);
  return true;
}

// With FixedAsButtons, a fixed cell (outside a node glyph) is held down as a
// button: drawn sunken until the release, which clicks it over the same cell.
void TExtStringGrid::pressFixedAsButton(int X, int ACol, int ARow, bool Fixed) {
  const TGridOptions& o = Options();
  if (!Fixed || !FFixedAsButtons || !o.Contains(goFixedVertLine) || !o.Contains(goFixedHorzLine) || !Ctl3D()) return;
  if (IsNode(ARow) && IsNodeGlyphHit(ARow, X)) return;
  FPushedFixedCell = CellRect(ACol, ARow);
  FPushedCellButton = {ACol, ARow};
  FFixedCellPushed = true;
  RepaintCell(ACol, ARow);
}

// The pushed button comes up whatever the release; it clicks only when the
// release lands on it and the cell may be edited (or the look ignores that).
void TExtStringGrid::releaseCellButton(int X, int Y, int ACol, int ARow) {
  if (FPushedCellButton.X == -1) return;
  TPoint p = FPushedCellButton;
  const bool fixedButton = FFixedCellPushed;
  FPushedCellButton = {-1, -1};
  FFixedCellPushed = false;
  if (MouseCapture()) SetMouseCapture(false);
  if (fixedButton) RepaintCell(p.X, p.Y);
  if (!IsNode(p.Y)) PushButton(p.X, p.Y, false);
  bool valid = ACol >= 0 && ARow >= 0;
  bool fixed = p.X < TCustomGrid::FixedCols() || p.Y < TCustomGrid::FixedRows();
  bool enabled = Options().Contains(goEditing);
  if (valid && !ControlLook()->NoDisabledButtonLook()) enabled = IsCellEditable(RealColIndex(ACol), ARow);
  if (!(enabled || ControlLook()->NoDisabledButtonLook() || fixed) || !valid) return;
  TPoint b = BaseCell(RealColIndex(ACol), ARow);
  int bcol = DisplColIndex(b.X);
  TPoint at{X, Y};
  // A fixed cell pressed as a button clicks when released anywhere over it;
  // released over another cell it only comes up, as a button does.
  const bool overFixedButton = fixedButton && bcol == p.X && b.Y == p.Y;
  if ((HasButton(b.X, b.Y) && CellButtonRect(bcol, b.Y).Contains(at)) || overFixedButton) DoButtonClick(p.X, p.Y);
  if (HasExpand(b.X, b.Y) && (ExpandButtonRect(bcol, b.Y).Contains(at) || overFixedButton))
    DoExpandClick(p.X, p.Y, ToggleExpand(RealColIndex(p.X), p.Y));
}

// A release over a button is the button's alone.
bool TExtStringGrid::onCellButton(int X, int Y, int ACol, int ARow) {
  if (ACol < 0 || ARow < 0) return false;
  int rc = RealColIndex(ACol);
  TPoint at{X, Y};
  return (HasButton(rc, ARow) && CellButtonRect(ACol, ARow).Contains(at)) ||
         (HasExpand(rc, ARow) && ExpandButtonRect(ACol, ARow).Contains(at));
}

// The options lie side by side (CellBoolean) or one under another; an
// option is hit strictly inside its span.
void TExtStringGrid::ClickRadioGroup(int ARealCol, int ARow, int XOfs, int YOfs) {
  TPoint b = BaseCell(ARealCol, ARow);
  TCellGraphic* g = OwnCellGraphic(b.X, b.Y);
  if (!g || g->CellType != ctRadio) return;
  TCanvas* c = Canvas();
  c->Font()->Assign(Font());
  int dcol = DisplColIndex(b.X);
  if (!IsFixed(dcol, b.Y)) MoveColRow(dcol, b.Y, true, true);
  TCellControlStyle style = ControlLook()->ControlStyle();
  int gap = style == csClassic || style == csFlat ? ControlLook()->RadioSize() : 16;
  TStrings* options = g->Strings();
  int count = options ? options->Count() : 0;
  int hit = -1, end = 0;
  for (int i = 0; i < count && hit < 0; ++i) {
    int start = end;
    end += g->CellBoolean ? c->TextWidth(options->Strings(i)) + gap : std::max(gap, c->TextHeight("gh"));
    int ofs = g->CellBoolean ? XOfs : YOfs;
    if (start < ofs && ofs < end) hit = i;
  }
  if (hit < 0) return;
  if (g->CellIndex < 0) {
    SetCells(b.X, b.Y, options->Strings(hit));
  } else {
    g->CellIndex = hit;
    SetCells(b.X, b.Y, Cells(b.X, b.Y));  // the cell-changed notifications run
  }
  // A group driven by its text alone (index -2 or below) keeps its index.
  if (g->CellIndex >= -1) SetRadioIdx(b.X, b.Y, hit);
  if (OnRadioClick) OnRadioClick(this, dcol, b.Y, hit);
}

// The button (or expand glyph) under the pointer is drawn hot.
void TExtStringGrid::hoverCellButton(int X, int Y, int ACol, int ARow) {
  TPoint cell{-1, -1};
  if (onCellButton(X, Y, ACol, ARow)) cell = {ACol, ARow};
  if (cell == FHoverButton) return;
  TPoint old = FHoverButton;
  FHoverButton = cell;
  if (old.X >= 0 && old.Y >= 0 && old.X < ColCount() && old.Y < RowCount()) RepaintCell(old.X, old.Y);
  if (cell.X >= 0) RepaintCell(cell.X, cell.Y);
}
