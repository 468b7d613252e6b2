#pragma once
// The grid's drop-down cell editors: each drop-down control bound to one
// grid. They share which keys end the edit and hand control back to the
// grid (Enter, Tab, Esc, the vertical and page keys), what leaving the
// control does and the change notification; they differ only in the few
// points of TGridDropDownRules.

#include <cstdint>
#include <functional>
#include <string>

#include "controls/ExtCalculatorDropDown.h"
#include "controls/ExtColorPickerDropDown.h"
#include "controls/ExtDetailDropDown.h"
#include "controls/ExtImagePickerDropDown.h"
#include "controls/ExtMemoDropDown.h"
#include "controls/ExtMultiColumnDropDown.h"
#include "controls/ExtTimePickerDropDown.h"
#include "controls/ExtTrackBarDropDown.h"
#include "grid/editing/GridEditorControls.h"
#include "grid/editing/GridWrapperSupport.h"

class TExtStringGrid;

// A drop-down editor as a grid makes it on first use: hidden, with the
// grid's style and tones. (A template over the grid so that this header
// needs no more of it than its name.)
template <typename T, typename Grid>
T* MakeDropDownEditor(Grid* G) {
  T* d = MakeHiddenEditor<T>(G);
  d->SetComponentStyle(G->Style());
  d->SetColorTones(G->ColorTones());
  return d;
}

// Where one drop-down editor departs from the common key handling.
struct TGridDropDownRules {
  // Restored and settled texts go through the formatting Text setter
  // (prefix, suffix, number format) instead of being put in as they stand.
  bool FormattedText = false;
  // A click that started the edit puts the caret where it fell.
  bool CaretAtMouse = false;
  // Enter and Escape are always the editor's own; otherwise the drop-down
  // base decides (it claims them while the popup is open).
  bool ClaimsEnterEscape = false;
  // The colour picker: Home ends the edit too, while the popup is open only
  // Tab, Enter and Esc do, and only Enter is validated.
  bool ColourKeys = false;
};

// The common behaviour, written once for all drop-down editors.
class TGridDropDownBinding {
public:
  using TPutText = std::function<void(const std::string&)>;
  TGridDropDownBinding(TExtCustomDropDown* Edit, TExtStringGrid* Grid, TGridDropDownRules Rules);
  TExtStringGrid* Grid() const { return FGrid; }
  const TGridDropDownRules& Rules() const { return FRules; }
  // What the editor does at the binding's request.
  struct TEditorSteps {
    // Writes a text as the editor writes texts.
    TPutText Put;
    // Runs before Enter is validated.
    std::function<void()> Settle;
    // The cell text the editor's value stands for, validated and written
    // into the cell when the edit ends by a key.
    std::function<std::string()> CellText;
  };
  // The ending keys; false when the key is not one of them and goes to the
  // control's own key handling.
  bool KeyDown(uint16_t& Key, TShiftState Shift, const TEditorSteps& Steps);
  // The grid's OnKeyPress; Enter, Tab and Esc never reach the edit as characters.
  void KeyPress(char& Key);
  // After the control's own answer: Tab when the grid validates it, Enter
  // and Escape as the rules say.
  void ClaimKey(TCMWantSpecialKey& Message);
  void FocusGained();

private:
  bool endsEdit(uint16_t Key, TShiftState Shift) const;
  bool validates(uint16_t Key) const;
  // Refused: the settled text goes back and the key is consumed.
  bool settle(uint16_t& Key, const TEditorSteps& Steps, bool SelectAll);
  TExtCustomDropDown* FEdit;
  TExtStringGrid* FGrid;
  TGridDropDownRules FRules;
};

// A drop-down control as a cell editor of the grid that owns it.
template <class Base>
class TGridDropDownEditor : public Base {
public:
  // The owner must be a TExtStringGrid.
  TGridDropDownEditor(TComponent* AOwner, TGridDropDownRules Rules)
      : Base(AOwner), FBinding(this, EditorGridOf(AOwner), Rules) {}
  // Off while Backspace or Delete is being handled, on after any other key.
  bool WorkMode = true;
  // Writes a text the way this editor writes cell texts back into itself.
  void PutText(const std::string& S) {
    if (FBinding.Rules().FormattedText) Base::SetText(S);
    else Base::SetTextDirect(S);
  }

protected:
  // The grid whose cells this editor edits.
  TExtStringGrid* OwnerGrid() const { return FBinding.Grid(); }
  // Runs before Enter is validated.
  virtual void SettleValue() {}
  // The cell text the value stands for: the edit's own text.
  virtual std::string CellText() { return Base::Text(); }
  void DoExit() override {
    FBinding.Grid()->HideInplaceEdit();
    Base::DoExit();
  }
  void EditChanged() override {
    Base::EditChanged();
    NotifyEditChange(FBinding.Grid(), Base::Text());
  }
  void KeyPress(char& Key) override {
    FBinding.KeyPress(Key);
    Base::KeyPress(Key);
  }
  void KeyDown(uint16_t& Key, TShiftState Shift) override {
    WorkMode = Key != VK_BACK && Key != VK_DELETE;
    const TGridDropDownBinding::TEditorSteps steps{[this](const std::string& S) { PutText(S); },
                                                  [this] { SettleValue(); }, [this] { return CellText(); }};
    if (!FBinding.KeyDown(Key, Shift, steps)) Base::KeyDown(Key, Shift);
  }
  void CMWantSpecialKey(TCMWantSpecialKey& Message) override {
    Base::CMWantSpecialKey(Message);
    FBinding.ClaimKey(Message);
  }
  void WMSetFocus(TWMSetFocus& Message) override {
    Base::WMSetFocus(Message);
    FBinding.FocusGained();
  }

private:
  TGridDropDownBinding FBinding;
};

// ---- the editors of the drop-down kinds ----

class TGridTrackbarDropDown : public TGridDropDownEditor<TExtTrackBarDropDown> {
public:
  explicit TGridTrackbarDropDown(TComponent* AOwner);
  std::string ClassName() const override { return "TGridTrackbarDropDown"; }
  // The track bar's change notification of the grid: nothing to do.
  void DoChange() {}
};

class TGridMemoDropDown : public TGridDropDownEditor<TExtMemoDropDown> {
public:
  explicit TGridMemoDropDown(TComponent* AOwner);
  std::string ClassName() const override { return "TGridMemoDropDown"; }
};

class TGridCalculatorDropDown : public TGridDropDownEditor<TExtCalculatorDropdown> {
public:
  explicit TGridCalculatorDropDown(TComponent* AOwner);
  std::string ClassName() const override { return "TGridCalculatorDropDown"; }

protected:
  // A pending operation is completed, so that Enter stores the result.
  void SettleValue() override { CalcResult(); }
};

class TGridTimepickerDropDown : public TGridDropDownEditor<TExtTimePickerDropDown> {
public:
  explicit TGridTimepickerDropDown(TComponent* AOwner);
  std::string ClassName() const override { return "TGridTimepickerDropDown"; }
};

class TGridDetailPickerDropDown : public TGridDropDownEditor<TExtDetailDropDown> {
public:
  explicit TGridDetailPickerDropDown(TComponent* AOwner);
  std::string ClassName() const override { return "TGridDetailPickerDropDown"; }
};

class TGridGridDropDown : public TGridDropDownEditor<TExtMultiColumnDropDown> {
public:
  explicit TGridGridDropDown(TComponent* AOwner);
  std::string ClassName() const override { return "TGridGridDropDown"; }
};

class TGridColorDropDown : public TGridDropDownEditor<TExtColorPickerDropDown> {
public:
  explicit TGridColorDropDown(TComponent* AOwner);
  std::string ClassName() const override { return "TGridColorDropDown"; }
};

class TGridImageDropDown : public TGridDropDownEditor<TExtImagePickerDropDown> {
public:
  explicit TGridImageDropDown(TComponent* AOwner);
  std::string ClassName() const override { return "TGridImageDropDown"; }

protected:
  // The picked image is no text: a data-image cell stands for its index,
  // any other cell keeps its own text (the caption shown is not written).
  std::string CellText() override;
};
