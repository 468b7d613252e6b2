// Focus and the mouse cursor of the string grid: the editor reopens when
// the focus comes back to an always-editing grid, a picked range joins the
// disjunct rows when the focus leaves, merged current cells repaint, and the
// pointer shows what a press would start.

#include "grid/core/ExtGrid.h"
#include "grid/core/GridCursors.h"
#include "grid/editing/ExtRichEdit.h"
#include "toolkit/forms/Forms.h"
#include "toolkit/forms/WinApi.h"
#include "toolkit/rtl/ScopeGuard.h"


bool TExtStringGrid::currentCellVisible() const {
  return LeftCol() <= Col() && Col() < LeftCol() + VisibleColCount() && TopRow() <= Row() &&
         Row() < TopRow() + VisibleRowCount();
}

void TExtStringGrid::WMSetFocus(TWMSetFocus& Message) {
  if (InvokedFocusChange) return;
  TBaseGrid::WMSetFocus(Message);
  int realCol = RealColIndex(Col());
  if (HasClickableControl(realCol, Row())) return;
  if (TExtRichEdit* rich = InplaceRichEdit(false); rich && rich->Visible()) HideInplaceEdit();
  if (alwaysEditOnFocus(Message, realCol)) {
    ShowInplaceEdit();
    Message.Result = 0;
    return;
  }
  repaintMergedCurrent();
}

// The editor of an always-editing grid comes back with the focus, unless
// the focus comes from that editor or a move is running. Before the text
// editor exists, a combo cell opens only where a press would not open it.
bool TExtStringGrid::alwaysEditOnFocus(const TWMSetFocus& Message, int ARealCol) {
  if (!Navigation()->AlwaysEdit()) return false;
  TInplaceEdit* editor = InplaceEditor();
  bool fromEditor = editor && editor->HandleAllocated() && Message.FocusedWnd == editor->Handle();
  bool moving = FGridState == gsRowMoving || FGridState == gsColMoving;
  if (fromEditor || moving || EditControl != edNormal) return false;
  bool canEdit = true;
  CanEditCell(ARealCol, Row(), canEdit);
  if (!canEdit || !currentCellVisible()) return false;
  if (editor || !HasCombo(ARealCol, Row())) return true;
  return !MouseActions()->DirectEdit() && !ControlLook()->DropDownAlwaysVisible();
}

void TExtStringGrid::WMKillFocus(TWMKillFocus& Message) {
  if (FBlockKill) {
    Message.Result = 1;
    return;
  }
  TBaseGrid::WMKillFocus(Message);
  repaintMergedCurrent();
  // A pressed embedded button pops back up.
  if (FCtrlDown) {
    FCtrlDown = false;
    RepaintCell(DisplColIndex(FCtrlXY.X), FCtrlXY.Y);
  }
}

void TExtStringGrid::repaintMergedCurrent() {
  if (IsMergedCell(RealColIndex(Col()), Row())) RepaintCell(RealColIndex(Col()), Row());
}

void TExtStringGrid::DoEnter() {
  if (FBlockFocus) return;
  auto remember = MakeScopeGuard([this] { RememberCurrentCell(Col(), Row()); });
  TBaseGrid::DoEnter();
  if (Options().Contains(goEditing) || MouseActions()->RangeSelectAndEdit()) SelectCell(Col(), Row());
}

void TExtStringGrid::DoExit() {
  if (FBlockKill) return;
  if (FSelChange && MouseActions()->DisjunctRowSelect()) SelectionToRowSelect(false);
  FSelChange = false;
  TBaseGrid::DoExit();
}

// The shape shows through the control's own cursor for this message only.
void TExtStringGrid::showCursor(TWMSetCursor& Message, TCursor Shape) {
  TCursor own = TBaseGrid::Cursor();
  FCursorOverride = true;
  auto back = MakeScopeGuard([&] {
    TControl::SetCursor(own);
    FCursorOverride = false;
  });
  TControl::SetCursor(Shape);
  TCustomControl::WMSetCursor(Message);
}

// A cursor shown for one WM_SETCURSOR is no change of the control's cursor.
void TExtStringGrid::CMCursorChanged(TMessage& Message) {
  if (!FCursorOverride) TBaseGrid::CMCursorChanged(Message);
}

void TExtStringGrid::WMSetCursor(TWMSetCursor& Message) {
  bool sizing = FGridState == gsRowSizing || FGridState == gsColSizing;
  if (FSizeFixedR || FSizingFixedR) return showCursor(Message, crVSplit);
  if (FSizeFixed || FSizingFixed) return showCursor(Message, crHSplit);
  if (FMouseSelectMode == msColumn && !sizing) return showCursor(Message, GridResourceCursor(8011, crArrow));
  if (FMouseSelectMode == msRow && !sizing) return showCursor(Message, GridResourceCursor(8010, crArrow));
  if ((FMouseSelectMode == msAll || FMouseSelectMode == msResize) && !sizing)
    return showCursor(Message, GridResourceCursor(8012, crCross));
  if (FCellSelectorMode) return showCursor(Message, GridResourceCursor(8014, crCross));
  TPoint p;
  GetCursorPos(p);
  p = ScreenToClient(p);
  int c = -1, r = -1;
  MouseToCell(p.X, p.Y, c, r);
  if (c >= 0 && r >= 0 && !sizing) {
    TCursor shape = TBaseGrid::Cursor();
    GetCellCursor(RealColIndex(c), r, p.X, p.Y, shape);
    if (shape != TBaseGrid::Cursor()) return showCursor(Message, shape);
  }
  TBaseGrid::WMSetCursor(Message);
}
