#pragma once
// A drop-down editor for multi-line text: the popup holds a memo, the edit
// shows the text (editable) or its first line shortened with "..." (not
// editable). Closing the popup keeps the memo's changes unless cancelled.

#include <memory>

#include "controls/ExtDropDown.h"
#include "toolkit/forms/std/Edit.h"
#include "toolkit/rtl/StringList.h"

class TMemo;
class TPopupMenu;
class TStringList;

class TExtMemoDropDown : public TExtCustomDropDown {
public:
  explicit TExtMemoDropDown(TComponent* AOwner);
  ~TExtMemoDropDown() override;
  std::string ClassName() const override { return "TExtMemoDropDown"; }
  bool AutoDrop() const { return FAutoDrop; }
  void SetAutoDrop(bool Value) { FAutoDrop = Value; }
  TStringList* MemoText() const { return FMemoText.get(); }
  void SetMemoText(const TStrings* Value);
  TPopupMenu* MemoPopup() const { return FMemoPopup; }
  void SetMemoPopup(TPopupMenu* Value) { FMemoPopup = Value; }
  TScrollStyle MemoScrollBars() const { return FMemoScrollBars; }
  void SetMemoScrollBars(TScrollStyle Value) { FMemoScrollBars = Value; }
  bool MemoReadOnly() const { return FMemoReadOnly; }
  void SetMemoReadOnly(bool Value);
  TMemo* Memo() const { return FMemo; }
  TNotifyEvent OnMemoChange;

  void DoHideDropDown(bool Cancel) override;
  void AfterHideDropDown() override;
  void ControlKeyDown(uint16_t& Key, TShiftState Shift) override;
  void ControlKeyUp(uint16_t& Key, TShiftState Shift) override;
  void ControlKeyPress(char& Key) override;

protected:
  void CreateDropDownForm() override;
  void BeforeDropDown() override;
  void EditChanged() override;
  void DoEnter() override;

private:
  void UpdateEditText();
  std::unique_ptr<TStringList> FMemoText;
  TMemo* FMemo = nullptr;
  bool FAutoDrop = false;
  TPopupMenu* FMemoPopup = nullptr;
  TScrollStyle FMemoScrollBars = ssNone;
  bool FMemoReadOnly = false;
  bool FInternal = false;
};
