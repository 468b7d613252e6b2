#pragma once
// TGridSpin: the in-place editor of the spin kinds (integer, float, time
// and date spin). Page Up/Down, Home and End set the value within the
// limits; Enter, Tab, Esc, Up and Down end the edit; the spin button fires
// the grid's spin-click event of the current kind.

#include <string>

#include "controls/EsgSpin.h"

class TExtStringGrid;

class TGridSpin : public TEsgSpinEdit {
public:
  // The owner must be a TExtStringGrid.
  explicit TGridSpin(TComponent* AOwner);
  std::string ClassName() const override { return "TGridSpin"; }
  void ReCreate() { RecreateWnd(); }
  void UpClick(TObject* Sender) override;
  void DownClick(TObject* Sender) override;
  // The text the cell gets: an integer spin writes its value (empty only with AllowEmptyValue).
  std::string CellValue() const;

protected:
  void DoExit() override;
  void Change() override;
  void KeyDown(uint16_t& Key, TShiftState Shift) override;
  void KeyPress(char& Key) override;
  void WMChar(TWMKey& Message) override;
  void CMWantSpecialKey(TCMWantSpecialKey& Message) override;
  // In a cell the arrows end the edit and the page keys set the value themselves.
  bool IsStepKey(uint16_t) const override { return false; }

private:
  void fireSpinClick(bool Up);
  void valueKey(uint16_t Key);
  // Validates the text as the cell's new value; false (the key consumed) when refused.
  bool validate(uint16_t& Key);
  TExtStringGrid* FGrid;
};
