#pragma once
// The in-place date editors: TGridDatePicker (edDateEdit, edDateEditUpDown,
// edTimeEdit) moves from one field to the next while digits are typed and
// ends the edit with Enter, Tab, Esc, Page Up/Down and End;
// TGridDateTimePicker (edDateTimeEdit) edits date and time together.

#include <cstdint>
#include <string>

#include "controls/ExtDateTimePicker.h"

class TExtStringGrid;

class TGridDatePicker : public TEsgDateTimePicker {
public:
  explicit TGridDatePicker(TComponent* AOwner);
  std::string ClassName() const override { return "TGridDatePicker"; }
  void ReCreate() { RecreateWnd(); }
  // The value as the cell gets it: the date or the time in the locale's format.
  std::string CellText() const;
  // Moves to the next field when the digit just typed changed the field.
  virtual void ShiftFocus();
  void WndProc(TMessage& Message) override;
  bool Weeknumbers = false;
  bool ShowToday = true;
  bool ShowTodayCircle = true;

protected:
  void DoExit() override;
  void KeyDown(uint16_t& Key, TShiftState Shift) override;
  void KeyPress(char& Key) override;
  void Paint() override;
  void CMWantSpecialKey(TCMWantSpecialKey& Message) override;

private:
  // Validates the shown value as the cell's new text; false (the key consumed) when refused.
  bool validate(uint16_t& Key);
  TExtStringGrid* FGrid;
  uint16_t Fy = 0, Fm = 0, Fd = 0, Fth = 0, Ftm = 0, Fts = 0, Ftms = 0;
};

class TGridDateTimePicker : public TExtDateTimePicker {
public:
  explicit TGridDateTimePicker(TComponent* AOwner);
  std::string ClassName() const override { return "TGridDateTimePicker"; }
  void ReCreate() { RecreateWnd(); }
  std::string CellText() const;

protected:
  void DoExit() override;
  void KeyDown(uint16_t& Key, TShiftState Shift) override;
  void CMWantSpecialKey(TCMWantSpecialKey& Message) override;

private:
  TExtStringGrid* FGrid;
};
