#include "grid/editing/GridWrapperSupport.h"

#include "grid/core/ExtGrid.h"
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
