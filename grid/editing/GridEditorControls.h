#pragma once
// The grid's wrappers of the framework's check box and button as cell
// editors: each binds its control to one grid and decides which keys end
// the edit and hand control back to the grid, and what leaving the control
// does.

#include <string>

#include "toolkit/forms/std/Button.h"

class TExtStringGrid;

// An editor control of a grid as the grid keeps it between edits: its
// child, hidden and disabled.
template <typename T>
T* MakeHiddenEditor(TWinControl* Grid) {
  T* c = new T(Grid);
  c->SetVisible(false);
  c->SetEnabled(false);
  c->SetParent(Grid);
  return c;
}

// The editor of edCheckBox cells: a check box captioned with the cell text.
class TGridCheckBox : public TCheckBox {
public:
  // The owner must be a TExtStringGrid.
  explicit TGridCheckBox(TComponent* AOwner);
  std::string ClassName() const override { return "TGridCheckBox"; }
  void ReCreate() { RecreateWnd(); }

protected:
  void DoExit() override;
  void KeyDown(uint16_t& Key, TShiftState Shift) override;
  void CMWantSpecialKey(TCMWantSpecialKey& Message) override;

private:
  TExtStringGrid* FGrid;
};

// The editor of edButton cells: a button over the cell, captioned with the
// cell text. Its click goes through the grid's ellipsis relay (which may
// change the caption and so the cell) and fires the grid's OnButtonClick.
class TGridButton : public TButton {
public:
  explicit TGridButton(TComponent* AOwner);
  std::string ClassName() const override { return "TGridButton"; }
  void ReCreate() { RecreateWnd(); }

protected:
  void DoExit() override;
  void KeyDown(uint16_t& Key, TShiftState Shift) override;
  void KeyUp(uint16_t& Key, TShiftState Shift) override;
  void WMLButtonUp(TWMMouse& Message) override;
  void CMWantSpecialKey(TCMWantSpecialKey& Message) override;

private:
  // The caption through OnEllipsClick; the result becomes the caption and the cell text.
  void exchangeCaption();
  // Hidden, disabled, the grid's edit mode off, the focus back to the grid.
  void close();

  TExtStringGrid* FGrid;
};
