// The grid's edExtGridDropDown editor: made on first use like the other
// drop-down editors, its popup grid always showing its fixed row, and the
// row whose lookup text the cell holds selected when it opens.

#include "grid/dropdown/GridExtGridDropDown.h"

#include "grid/core/ExtGrid.h"

TGridExtGridDropDown::TGridExtGridDropDown(TComponent* AOwner) : TGridDropDownEditor(AOwner, {}) {}

TGridExtGridDropDown* TExtStringGrid::ExtGridDropDown() {
  if (!FEditExtGridPicker) FEditExtGridPicker = MakeDropDownEditor<TGridExtGridDropDown>(this);
  return FEditExtGridPicker;
}

TExtCustomDropDown* TExtStringGrid::extGridDropDownEditor() const { return FEditExtGridPicker; }

void TExtStringGrid::prepareExtGridDropDown() { FEditExtGridPicker->HostedGrid()->SetFixedRowAlways(true); }

void TExtStringGrid::showExtGridDropDownValue(const std::string& Text) {
  TGridExtGridDropDown* g = FEditExtGridPicker;
  g->BeginUpdate();
  g->EndUpdate();
  if (g->UseItems()) g->SetItemIndex(Text.empty() ? 0 : g->FindLookupRow(Text));
}
