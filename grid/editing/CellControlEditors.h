#pragma once
// The editors of form controls drawn inside HTML cells: an edit for EDIT,
// PASSWORD and MASK controls and a combo for COMBO controls, placed over the
// control's rectangle. Enter ends the edit; Tab ends it and goes on to the
// cell's next editable control (or advances with Navigation.AdvanceAuto).

#include <string>

#include "controls/EsgCombo.h"
#include "toolkit/forms/std/MaskEdit.h"

class TExtStringGrid;

class TControlEdit : public TMaskEdit {
public:
  // The owner must be a TExtStringGrid.
  explicit TControlEdit(TComponent* AOwner);
  std::string ClassName() const override { return "TControlEdit"; }

protected:
  void KeyPress(char& Key) override;
  void CMWantSpecialKey(TCMWantSpecialKey& Message) override;

private:
  TExtStringGrid* FGrid;
};

class TControlCombo : public TEsgComboBox {
public:
  explicit TControlCombo(TComponent* AOwner);
  std::string ClassName() const override { return "TControlCombo"; }

protected:
  void KeyPress(char& Key) override;
  void CMWantSpecialKey(TCMWantSpecialKey& Message) override;

private:
  TExtStringGrid* FGrid;
};

// Enter and Tab of either editor: the edit ends (its exit writes the value
// back), then Tab moves on.
void EndCellControlKey(TExtStringGrid* Grid, TWinControl* Editor, char& Key);
