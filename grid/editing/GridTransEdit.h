#pragma once
// The editors of header cells: TGridTransEdit (a text box) and
// TGridTransCombo (a combo box). The grid's fixed-cell editing places one
// over the header cell and sets Col and Row; leaving it ends the edit, which
// writes the text back once OnCellValidate accepts it.

#include <string>

#include "toolkit/forms/std/ComboBox.h"
#include "toolkit/forms/std/Edit.h"

class TExtStringGrid;

// Ends a header edit for either editor; true when it ended, false when
// validation refused the text (the editor then stays, focused, on the cell).
bool StopHeaderEdit(TExtStringGrid* Grid, TWinControl* Editor, int Col, int Row);
TExtStringGrid* HeaderEditorGridOf(TComponent* AOwner);
// Each change of either editor's text reaches the grid's OnEditChange.
void HeaderEditorChanged(TExtStringGrid* Grid, TWinControl* Editor);

// A header editor on a text control of the toolkit. Col is a real column index.
template <typename Base>
class TGridHeaderEditor : public Base {
public:
  explicit TGridHeaderEditor(TComponent* AOwner) : Base(AOwner), FGrid(HeaderEditorGridOf(AOwner)) {
    this->SetVisible(false);
  }
  int Col() const { return FCol; }
  void SetCol(int Value) { FCol = Value; }
  int Row() const { return FRow; }
  void SetRow(int Value) { FRow = Value; }
  bool StopEdit() { return StopHeaderEdit(FGrid, this, FCol, FRow); }

protected:
  // Hiding the editor at the end of an edit moves the focus away again; that
  // exit must not validate and write a second time.
  void DoExit() override {
    Base::DoExit();
    if (this->Visible()) StopEdit();
  }
  void Change() override {
    Base::Change();
    HeaderEditorChanged(FGrid, this);
  }
  // Enter neither beeps nor presses a default button.
  void KeyPress(char& Key) override {
    if (Key == '\r') Key = 0;
    Base::KeyPress(Key);
  }

private:
  TExtStringGrid* FGrid;
  int FCol = 0;
  int FRow = 0;
};

class TGridTransEdit : public TGridHeaderEditor<TCustomEdit> {
public:
  using TGridHeaderEditor::TGridHeaderEditor;
  std::string ClassName() const override { return "TGridTransEdit"; }
};

class TGridTransCombo : public TGridHeaderEditor<TCustomComboBox> {
public:
  using TGridHeaderEditor::TGridHeaderEditor;
  std::string ClassName() const override { return "TGridTransCombo"; }
};
