#pragma once
// TGridCombo: the in-place editor of combo cells, a pick list (edComboList,
// the drop-down list columns of the configuration tables) or an editable
// combo (edComboEdit). It decides which keys end the edit and hand control
// back to the grid, completes typed text from the items, steps with the
// mouse wheel and fires the grid's combo events.

#include <string>

#include "controls/EsgCombo.h"

class TExtStringGrid;

class TGridCombo : public TEsgComboBox {
public:
  // The owner must be a TExtStringGrid.
  explicit TGridCombo(TComponent* AOwner);
  std::string ClassName() const override { return "TGridCombo"; }

  // Widens the dropped list to its widest item.
  void SizeDropDownWidth();
  // Look-up completion; runs after every key-up.
  void DoChange();
  bool WorkMode = true;

  TNotifyEvent OnReturnKey;


protected:
  void DoExit() override;
  void Change() override;
  void KeyDown(uint16_t& Key, TShiftState Shift) override;
  void KeyUp(uint16_t& Key, TShiftState Shift) override;
  void KeyPress(char& Key) override;
  bool DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) override;
  void CMWantSpecialKey(TCMWantSpecialKey& Message) override;
  void WMSetFocus(TWMSetFocus& Message) override;

private:
  bool isList() const { return Style() == csDropDownList || DroppedDown(); }
  void fireItemChange(bool EditChange);
  bool validateText(bool SelectAllOnRefusal);

  TExtStringGrid* FGrid;
};
