#pragma once
// A column grid shaped like the configuration tables: a fixed numbering
// column, a text column, a drop-down list column and a Y/N check column,
// on a shown form, editing on.

#include <gtest/gtest.h>

#include "grid/core/ExtCGrid.h"
#include "grid/editing/ExtInplaceEdit.h"
#include "grid/editing/GridCombo.h"
#include "toolkit/forms/Forms.h"
#include "toolkit/testing/TestDriver.h"

class GridEditTest : public FormsTest {
protected:
  enum { TextCol = 1, ListCol = 2, CheckCol = 3 };
  void SetUp() override {
    form = new TForm(Application);
    form->SetBounds(10, 10, 520, 300);
    form->Show();
    grid = new TExtColumnGrid(form);
    grid->SetParent(form);
    grid->SetBounds(0, 0, 500, 260);
    grid->SetBorderStyle(bsNone);
    grid->SetScrollBars(ssNone);
    grid->SetColCount(4);
    grid->SetRowCount(6);
    TGridOptions o = grid->Options();
    o.Include(goEditing);
    grid->SetOptions(o);
    grid->Columns()->Items(TextCol)->SetHeader("Name");
    grid->Columns()->Items(TextCol)->SetWidth(120);
    TGridColumnItem* list = grid->Columns()->Items(ListCol);
    list->SetHeader("Kind");
    list->SetWidth(100);
    list->SetEditor(edComboList);
    for (const char* s : {"Byte", "Word", "Long"}) list->ComboItems()->Add(s);
    TGridColumnItem* check = grid->Columns()->Items(CheckCol);
    check->SetHeader("On");
    check->SetEditor(edDataCheckBox);
    for (int r = 1; r < 6; ++r) {
      grid->SetCells(0, r, std::to_string(r));
      grid->SetCells(TextCol, r, "row" + std::to_string(r));
      grid->SetCells(ListCol, r, "Word");
      grid->SetCells(CheckCol, r, "N");
    }
    Driver.Focus(grid);
  }
  // The middle of a displayed cell, in grid client coordinates.
  TPoint Middle(int ADisplCol, int ARow) {
    TRect r = grid->CellRect(ADisplCol, ARow);
    return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
  }
  void GoTo(int ADisplCol, int ARow) {
    grid->SetCol(ADisplCol);
    grid->SetRow(ARow);
    Driver.Pump();
  }
  bool TextEditorShown() { return grid->NormalEdit() && grid->NormalEdit()->Visible(); }
  bool ComboShown() { return grid->EditCombo && grid->EditCombo->Visible(); }

  TForm* form = nullptr;
  TExtColumnGrid* grid = nullptr;
};
