// The check-box and button editors of the grid: made on first use, placed
// over the cell, captioned with its text and focused; between edits hidden
// and disabled. Neither writes a value back: the check box's state is the
// application's to read, the button reports its clicks.

#include "grid/core/ExtGrid.h"
#include "grid/editing/GridEditorControls.h"

TGridCheckBox* TExtStringGrid::CheckEditor() {
  if (!EditCheck) EditCheck = MakeHiddenEditor<TGridCheckBox>(this);
  return EditCheck;
}

TGridButton* TExtStringGrid::ButtonEditor() {
  if (!GridButton) {
    GridButton = MakeHiddenEditor<TGridButton>(this);
    GridButton->OnClick = [this](TObject* Sender) { GridButtonClick(Sender); };
  }
  return GridButton;
}

void TExtStringGrid::GridButtonClick(TObject*) {
  if (OnButtonClick) OnButtonClick(this, Col(), Row());
}

void TExtStringGrid::showCheckEditor(const TSpecialEditorFrame& F) {
  TGridCheckBox* c = CheckEditor();
  c->ReCreate();
  c->SetBounds(F.Rect.Left, F.Rect.Top, F.Width, F.Height);
  c->SetCaption(GetEditText(DisplColIndex(F.RealCol), F.Row));
  c->SetEnabled(true);
  c->SetChecked(false);
  c->SetVisible(true);
  c->SetColor(F.Color);
  if (c->CanFocus()) c->SetFocus();
  EditMode = true;
}

void TExtStringGrid::showButtonEditor(const TSpecialEditorFrame& F) {
  TGridButton* b = ButtonEditor();
  b->ReCreate();
  // The button covers the grid lines around the cell.
  b->SetBounds(F.Rect.Left - 1, F.Rect.Top - 1, F.Width + 2, F.Height + 2);
  b->SetCaption(GetEditText(DisplColIndex(F.RealCol), F.Row));
  b->SetVisible(true);
  b->SetEnabled(true);
  if (b->CanFocus()) b->SetFocus();
  EditMode = true;
  EditCtrl = b;
}

void TExtStringGrid::hideEditorControl(TWinControl* Control) {
  if (!Control) return;
  Control->SetEnabled(false);
  Control->SetVisible(false);
  EditMode = false;
}
