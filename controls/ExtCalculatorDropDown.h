#pragma once
// A drop-down editor for a floating-point number whose popup is a pocket
// calculator. The edit is the calculator's display: every result is written
// into it and every operand is read back from it; the keys work from the
// keyboard too, with the popup open or closed.

#include <memory>
#include <optional>

#include "controls/CalculatorPanel.h"
#include "controls/ExtDropDown.h"

class TExtCalculatorDropdown : public TExtCustomDropDown {
public:
  explicit TExtCalculatorDropdown(TComponent* AOwner);
  std::string ClassName() const override { return "TExtCalculatorDropdown"; }
  TButtonAppearance* CalcButtonAppearance() const { return FCalcButtonAppearance.get(); }
  void SetCalcButtonAppearance(const TButtonAppearance* Value) { FCalcButtonAppearance->Assign(Value); }
  bool ShowThousandSeparator() const { return FShowThousandSeparator; }
  void SetShowThousandSeparator(bool Value);
  double Value();
  void SetValue(double Value);
  void SetComponentStyle(TQGSStyle AStyle) override;
  void CalcResult() { equals(); }
  TCustomButtonPanel* Keypad() const { return FKeypad; }
  // A completed keypad click.
  void KeyClick(int Index);

  void PopupKeyPress(char& Key) override;
  void PopupKeyDown(uint16_t& Key, TShiftState Shift) override;

protected:
  void CreateDropDownForm() override;
  void BeforeDropDown() override;
  void KeyPress(char& Key) override;
  void WMKeyDown(TWMKey& Message) override;
  // Called first by each keypad click and popup key; does nothing here.
  virtual void BeforeKey() {}

private:
  std::optional<double> parse() const;
  void setText(const std::string& s) { DoSetText(s); }
  void show(double v) { SetFloatValue(v); }
  bool atMaxLength() const;
  bool compute();
  void operation(int Op);
  void equals();
  void percent();
  void clearAll(bool ResetValue);
  bool popupShowing() const;

  std::unique_ptr<TButtonAppearance> FCalcButtonAppearance;
  bool FShowThousandSeparator = false;
  TCustomButtonPanel* FKeypad = nullptr;
  double Prevval = 0;
  int Prevop = -1;
  bool Newval = false;
  int Decim = 0;
  bool CalcClosed = true;
  double MVal = 0;
};
