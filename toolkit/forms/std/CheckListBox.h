#pragma once
// TCheckListBox: a list box with a check box in front of every item.

#include <vector>

#include "toolkit/forms/std/Button.h"
#include "toolkit/forms/std/ListBox.h"

class TCheckListBox : public TCustomListBox {
public:
  explicit TCheckListBox(TComponent* AOwner);
  std::string ClassName() const override { return "TCheckListBox"; }
  bool Checked(int Index) const { return State(Index) == cbChecked; }
  void SetChecked(int Index, bool v) { SetState(Index, v ? cbChecked : cbUnchecked); }
  TCheckBoxState State(int Index) const;
  void SetState(int Index, TCheckBoxState v);
  bool ItemEnabled(int Index) const;
  void SetItemEnabled(int Index, bool v);
  bool AllowGrayed() const { return allowGrayed_; }
  void SetAllowGrayed(bool v) { allowGrayed_ = v; }
  TNotifyEvent OnClickCheck;

protected:
  void DrawItem(int Index, TRect Rect, TOwnerDrawState State) override;
  int ItemIndent() override { return 16; }
  void ItemClicked(int Index, TPoint Pos) override;
  void KeyPress(char& Key) override;

private:
  void toggle(int Index);
  void fit() const;
  mutable std::vector<TCheckBoxState> states_;
  mutable std::vector<bool> enabled_;
  bool allowGrayed_ = false;
};
