#include "grid/editing/GridWrapperSupport.h"

#include "grid/core/ExtGrid.h"
#include "toolkit/rtl/Exceptions.h"

TExtStringGrid* EditorGridOf(TComponent* AOwner) {
  auto* grid = dynamic_cast<TExtStringGrid*>(AOwner);
  if (!grid) throw EInvalidOperation("A grid editor belongs to a string grid");
  return grid;
}

bool EditorClaimsKey(TExtStringGrid* Grid, uint32_t Key, bool GoTabsOnly) {
  if (Key == VK_RETURN || Key == VK_ESCAPE) return true;
  if (Key != VK_TAB) return false;
  return GoTabsOnly ? Grid->Options().Contains(goTabs) : Grid->TabValidates();
}

void NotifyEditChange(TExtStringGrid* Grid, const std::string& Text) {
  if (Grid->OnEditChange) Grid->OnEditChange(Grid, Grid->Col(), Grid->Row(), Text);
}
