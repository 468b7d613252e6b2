#pragma once
// The in-place editors with a button: TGridEditBtn (edEditBtn,
// edNumericEditBtn, edFloatEditBtn, edMaskEditBtn) and TGridUnitEditBtn (a
// number with a unit: edUnitEditBtn, edNumericUnitEditBtn,
// edFloatUnitEditBtn). Typed and pasted text follows the cell's kind, the
// button goes through the grid's ellipsis event, Enter, Tab, Esc and the
// vertical arrows end the edit.

#include <string>

#include "controls/ESGEdit.h"
#include "grid/foundation/ExtObj.h"

class TExtStringGrid;

// The text kind whose character and paste rules an editor kind with a button follows.
TEditorType ButtonEditorTextKind(TEditorType Kind);

class TGridEditBtn : public TEsgEditBtn {
public:
  // The owner must be a TExtStringGrid.
  explicit TGridEditBtn(TComponent* AOwner);
  std::string ClassName() const override { return "TGridEditBtn"; }
  void ReCreate() { RecreateWnd(); }
  bool StopEditAfterClick() const { return FStopEditAfterClick; }
  void SetStopEditAfterClick(bool Value) { FStopEditAfterClick = Value; }
  bool WorkMode = true;

protected:
  void DoExit() override;
  void Change() override;
  void KeyDown(uint16_t& Key, TShiftState Shift) override;
  void KeyUp(uint16_t& Key, TShiftState Shift) override;
  void KeyPress(char& Key) override;
  void WMChar(TWMKey& Message) override;
  void DblClick() override;
  void Dispatch(TMessage& Message) override;
  void CMWantSpecialKey(TCMWantSpecialKey& Message) override;

private:
  void buttonClicked();
  TExtStringGrid* FGrid;
  int FSelKeyDown = 0;
  bool FStopEditAfterClick = false;
};

class TGridUnitEditBtn : public TEsgUnitEditBtn {
public:
  explicit TGridUnitEditBtn(TComponent* AOwner);
  std::string ClassName() const override { return "TGridUnitEditBtn"; }
  void ReCreate() { RecreateWnd(); }

protected:
  void DoExit() override;
  void KeyDown(uint16_t& Key, TShiftState Shift) override;
  void WMChar(TWMKey& Message) override;
  void CMWantSpecialKey(TCMWantSpecialKey& Message) override;

private:
  TExtStringGrid* FGrid;
};
