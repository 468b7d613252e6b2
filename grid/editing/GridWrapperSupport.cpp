#include "grid/editing/GridWrapperSupport.h"

#include "grid/core/ExtGrid.h"
#include "toolkit/forms/WinApi.h"
#include "toolkit/forms/std/Edit.h"
#include "toolkit/rtl/Exceptions.h"

TExtStringGrid* EditorGridOf(TComponent* AOwner) {
  auto* grid = dynamic_cast<TExtStringGrid*>(AOwner);
  if (!grid) throw EInvalidOperation("A grid editor belongs to a string grid");
  return grid;
}

bool ClaimEditorKey(TExtStringGrid* Grid, TCMWantSpecialKey& Message, bool GoTabsOnly) {
  uint32_t key = Message.CharCode;
  bool claimed = key == VK_RETURN || key == VK_ESCAPE;
  if (key == VK_TAB) claimed = GoTabsOnly ? Grid->Options().Contains(goTabs) : Grid->TabValidates();
  if (claimed) Message.Result = 1;
  return claimed;
}

void NotifyEditChange(TExtStringGrid* Grid, const std::string& Text) {
  if (Grid->OnEditChange) Grid->OnEditChange(Grid, Grid->Col(), Grid->Row(), Text);
}

bool TabOutOfEditor(TExtStringGrid* Grid, uint16_t& Key, TShiftState Shift) {
  if (Key != VK_TAB || !Grid->Options().Contains(goTabs)) return false;
  Grid->HideInplaceEdit();
  Grid->SetFocus();
  Grid->TabAdvance(Shift.Contains(ssShift));
  Key = 0;
  return true;
}

void PlaceCaretAtMouse(TExtStringGrid* Grid, TCustomEdit* Edit) {
  if (!Grid->LButFlg) return;
  TPoint p;
  GetCursorPos(p);
  p = Edit->ScreenToClient(p);
  if (p.X < 0 || p.X > Edit->Width() || p.Y < 0 || p.Y > Edit->Height()) return;
  LRESULT at = Edit->Perform(EM_CHARFROMPOS, 0, MakeLParam(p.X, p.Y));
  if (at != -1) {
    Edit->SetSelStart(static_cast<int>(at & 0xFFFF));
    Edit->SetSelLength(0);
  }
  Grid->LButFlg = false;
}

namespace {

void walkTo(TExtStringGrid* Grid, const std::string& Text, bool Forward) {
  const int col = Grid->Col(), row = Grid->Row();
  const int next = Forward ? col + Grid->CellSpan(Grid->RealColIndex(col), row).X + 1 : col - 1;
  if (Grid->HasClickableControl(Grid->RealColIndex(next), row)) {
    if (Grid->ValidateCell(Text)) {
      Grid->HideInplaceEdit();
      Grid->SetCol(next);
    }
    return;
  }
  Grid->SetFocus();
  const TAdvanceDirection saved = Grid->Navigation()->AdvanceDirection();
  Grid->Navigation()->SetAdvanceDirection(adLeftRight);
  Grid->AdvanceToNextCell(col, row, true, true, Forward, false, true);
  Grid->Navigation()->SetAdvanceDirection(saved);
  if (Grid->Navigation()->CursorWalkAlwaysEdit()) Grid->TCustomGrid::ShowEditor();
}

}  // namespace

bool WalkOutOfEditor(TExtStringGrid* Grid, const std::string& Text, uint16_t& Key, TShiftState Shift, bool AtStart,
                     bool AtEnd) {
  const bool plain = !Shift.Contains(ssShift) && !Shift.Contains(ssAlt) && !Shift.Contains(ssCtrl);
  if (!Grid->Navigation()->CursorWalkEditor() || !plain) return false;
  const int col = Grid->Col();
  const bool left = Key == VK_LEFT && AtStart && col > Grid->FixedCols();
  const bool right = Key == VK_RIGHT && AtEnd && col < Grid->ColCount() - Grid->FixedRightCols() - 1;
  if (!left && !right) return false;
  Key = 0;
  walkTo(Grid, Text, right);
  return true;
}
