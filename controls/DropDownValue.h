#pragma once
// The typed value of a drop-down edit, kept apart from any window: the edit
// text is Prefix + value + Suffix, and this class filters typed characters,
// keeps the caret out of the prefix and suffix, formats numbers (precision,
// thousand separators), reads and writes the value and validates pastes. It
// works on the edit's text model; the control hands it keys and characters
// and lets it decide.

#include <functional>
#include <string>

#include "toolkit/forms/models/TextEditModel.h"

enum TDropDownEditType {
  etString, etNumeric, etFloat, etUppercase, etMixedCase, etLowerCase, etPassword, etMoney, etRange, etHex,
  etAlphaNumeric, etValidChars
};

class TDropDownValue {
public:
  explicit TDropDownValue(TTextEditModel& Edit);

  // ---- settings (the control's protected properties store into these)
  TDropDownEditType EditType = etString;
  int Precision = 0;
  int LengthLimit = 0;
  std::string Prefix, Suffix;
  bool Signed = false;
  bool AllowNumericNullValue = false;
  bool ExcelStyleDecimalSeparator = false;
  std::string ValidChars;
  bool AutoThousandSeparator = true;
  bool EditorEnabled = true;
  bool Loading = false;

  // Set while the next change notification of the edit is to be swallowed.
  bool BlockChange = false;
  // The value last written through SetText; a cancelled popup restores it.
  std::string OldText;

  // The edit's own handling of a character it accepts (insert, delete);
  // the masked edit of a member may replace it.
  std::function<void(char Key)> InheritedChar;
  // The control's change notification (OnChange), fired through NotifyChanged.
  std::function<void()> OnChange;
  std::function<void(const std::string& Value, bool& Allow)> OnPaste;

  // ---- the value
  std::string Value() const;
  int ValueStart() const { return int(Prefix.size()); }
  int ValueEnd() const { return ValueStart() + int(Value().size()); }
  // Formats the text for the edit type, frames it and remembers it.
  void SetText(std::string Text);
  // Writes the edit text as it stands (no prefix, suffix or formatting).
  void SetTextDirect(const std::string& Text);
  double FloatValue() const;
  void SetFloatValue(double Value);
  void SetIntValue(int Value);
  void SetEditType(TDropDownEditType Value);
  void SetPrecision(int Value);
  bool Modified() const { return modified_; }
  void SetModified(bool Value);

  // ---- the caret and the selection inside the value
  void SelectAll();
  void SelectBeforeDecimal();
  void SelectAfterDecimal();

  // ---- input
  // A typed character after the control's own rules (Return, Escape, the
  // clipboard keys). Keypad tells the numeric keypad's decimal key.
  void TypeChar(char Key, bool ControlHeld, bool Keypad);
  // Key-down rules before the edit's own handling; true swallows the key.
  bool KeyDown(uint16_t Key, bool ShiftHeld);
  // After the edit's own key-down handling.
  void AfterKeyDown(uint16_t Key);
  // After a left-button release: the selection stays inside the value.
  void MouseUp();
  void FocusLost();
  // The selected part of the value (what copy and cut hand on).
  std::string SelectedValue() const;
  void Paste(const std::string& Clip);
  // Rewrites a money value with its thousand separators, keeping the caret's
  // distance from the end.
  void ThousandRewrite();

  // The edit's change notification passes here; a blocked one is swallowed once.
  void NotifyChanged();

private:
  void typeChar(char Key, bool ControlHeld, bool Keypad);
  void typeFloat(char Key);
  void typeMoney(char Key);
  void typeNumeric(char Key, bool ControlHeld);
  void typeRange(char Key);
  bool separatorPlacementOk(char Key) const;
  bool decimalsFull() const;
  void toggleSign();
  void inherited(char Key);
  void placeCaret(int Pos) { E.MoveCaretTo(Pos, false); }
  std::string integerPart(const std::string& V) const;
  bool selectionHas(char Ch) const;

  TTextEditModel& E;
  bool modified_ = false;
  int reported_ = 0;
};

// Text to number with the thousand separators removed; 0 when it is none.
double DropDownTextToFloat(const std::string& Text);
