#pragma once
// The lists the filter drop-down opens: a plain list (one value) and a
// check list (several values). Both hide when the user clicks elsewhere.

#include <functional>

#include "toolkit/forms/std/CheckListBox.h"
#include "toolkit/forms/std/ListBox.h"

using TDropSelectEvent = std::function<void(TObject* Sender, int ItemIndex)>;

class TDropList : public TListBox {
public:
  explicit TDropList(TComponent* AOwner) : TListBox(AOwner) {}
  std::string ClassName() const override { return "TDropList"; }
  // Enter or a release on an entry: the list hides, then OnSelect.
  TDropSelectEvent OnSelect;
  // The click elsewhere that closes the list.
  std::function<void()> OnCancel;

protected:
  void KeyDown(uint16_t& Key, TShiftState Shift) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void WMKillFocus(TWMKillFocus& Message) override;

private:
  void choose();
};

class TDropCheckList : public TCheckListBox {
public:
  explicit TDropCheckList(TComponent* AOwner);
  std::string ClassName() const override { return "TDropCheckList"; }
  // A check mark changed (ItemIndex -1); the list stays open.
  TDropSelectEvent OnSelect;
  std::function<void()> OnCancel;

protected:
  void KeyDown(uint16_t& Key, TShiftState Shift) override;
  void WMKillFocus(TWMKillFocus& Message) override;
};
