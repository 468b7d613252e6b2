#pragma once
// TExtInplaceEdit: the string grid's text editor for the plain text kinds.
// On top of the framework grid's editor it filters typed characters and
// pasted text per editor kind, validates on Enter, Tab and the arrow keys
// that leave the text, walks to the neighbour cell at the ends of the text,
// completes from the grid's look-up list, and fires the grid's clipboard,
// change and editing-done events.

#include <string>

#include "toolkit/grids/Grids.h"

class TExtStringGrid;

class TExtInplaceEdit : public TInplaceEdit {
public:
  explicit TExtInplaceEdit(TExtStringGrid* AGrid);
  std::string ClassName() const override { return "TExtInplaceEdit"; }

  TExtStringGrid* ExtGrid() const { return FGrid; }
  // Right-justified text; each change rebuilds the window.
  bool VAlign() const { return FValign; }
  void SetVAlign(bool Value);
  bool WordWrapping() const { return FWordWrap; }
  void SetWordWrap(bool Value);
  int LengthLimit() const { return FLengthLimit; }
  void SetLengthLimit(int Value);
  // Look-up completion from the grid's LookupItems.
  void DoChange();

  void UpdateContents() override;
  void WndProc(TMessage& Message) override;

protected:
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void BoundsChanged() override;
  void KeyDown(uint16_t& Key, TShiftState Shift) override;
  void KeyUp(uint16_t& Key, TShiftState Shift) override;
  void KeyPress(char& Key) override;
  void Change() override;
  void WMGetDlgCode(TWMGetDlgCode& Message) override;

private:
  // Message handlers in the order the window procedure meets them.
  void setFocus(TMessage& Message);
  void killFocus(TMessage& Message);
  bool keyDownMessage(TMessage& Message);
  void keyUpMessage(TMessage& Message);
  bool charMessage(TMessage& Message);
  void paste();
  bool clipboardAllowed(bool Cut);
  // Puts the validated text back after a refusal and lets the user go on.
  void refused(const std::string& OldCellText, bool Repaint);
  // Writes the text into the current cell and validates it; true when taken.
  bool validateWalk(const std::string& S);
  void walk(bool Forward, uint16_t& Key);
  bool caretOnFirstLine();
  bool caretOnLastLine();
  void growWhileTyping();

  TExtStringGrid* FGrid;
  int FSelKeyDown = 0;
  int FOldSelStart = 0;
  int FLengthLimit = 0;
  bool FValign = false;
  bool FWordWrap = false;
  bool GotKey = false;
  bool FGotFocus = false;
  bool Workmode = true;
  int FColE = -1;
  int FRowE = -1;
  bool FAltBack = false;
  bool FEnterRefused = false;
};
