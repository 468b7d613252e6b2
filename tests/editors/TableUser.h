#pragma once
// What a user does in a table editor's grid, through injected mouse and keys
// only: go to a cell, type into it, pick an item of a drop-down column, tick
// a Y/N box, and enter a whole row the way its columns take it.

#include <gtest/gtest.h>

#include <string>

#include "editors/UTableEditor.h"
#include "grid/editing/ExtInplaceEdit.h"
#include "grid/editing/GridCombo.h"
#include "tests/editors/TableCells.h"
#include "toolkit/testing/TestDriver.h"

class TTableUser {
public:
  TTableUser(TTestDriver& Driver, TFTableEditor* Form) : driver_(Driver), form_(Form), grid_(Form->sga) {}

  // Clicks the cell; one out of view is reached with the arrow keys from
  // the top left cell shown, as a user scrolls to it.
  void Go_To(int RealCol, int Row) {
    int col = grid_->DisplColIndex(RealCol);
    if (Shown(col, Row)) return Click_Middle(col, Row);
    Click_Middle(grid_->LeftCol(), grid_->TopRow());
    while (grid_->Row() != Row) driver_.PressKey(grid_->Row() < Row ? VK_DOWN : VK_UP);
    while (grid_->Col() != col) driver_.PressKey(grid_->Col() < col ? VK_RIGHT : VK_LEFT);
  }
  // Types Text into the cell; Enter ends the edit unless Leave_Open.
  void Type_Cell(int RealCol, int Row, const std::string& Text, bool Leave_Open = false) {
    Go_To(RealCol, Row);
    driver_.Type(Text);
    if (!Leave_Open) driver_.PressKey(VK_RETURN);
  }
  // Opens the cell's drop-down list (F2, then a click on its button) and
  // clicks Item; Enter ends the edit unless Leave_Open.
  void Pick(int RealCol, int Row, const std::string& Item, bool Leave_Open = false) {
    Go_To(RealCol, Row);
    driver_.PressKey(VK_F2);
    TGridCombo* combo = grid_->EditCombo;
    ASSERT_TRUE(combo && combo->Visible()) << "no drop-down list at " << RealCol << "," << Row;
    driver_.Click(combo, combo->Width() - 5, combo->Height() / 2);
    ASSERT_TRUE(combo->DroppedDown());
    int index = combo->Items()->IndexOf(Item);
    ASSERT_GE(index, 0) << Item;
    TRect item = combo->ListControl()->ItemRect(index);
    driver_.Click(combo->ListControl(), item.Left + 5, (item.Top + item.Bottom) / 2);
    ASSERT_EQ(combo->Text(), Item);
    if (!Leave_Open) driver_.PressKey(VK_RETURN);
  }
  // A click on the box in the middle of the cell, or Space on a cell out of view.
  void Tick(int RealCol, int Row) {
    int col = grid_->DisplColIndex(RealCol);
    if (Shown(col, Row)) return Click_Middle(col, Row);
    Go_To(RealCol, Row);
    driver_.PressKey(VK_SPACE);
  }
  // Enters the data columns of Row (column 1 on): text typed, items
  // picked, "Y" ticked by a click, "N" ticked by a click and unticked by
  // Space; empty texts and constant columns are left alone.
  void Enter_Row(int Row, const TRowTexts& Texts) {
    const TTableLayout& layout = form_->Layout();
    for (size_t i = 0; i < Texts.size(); ++i) {
      int c = int(i) + 1;
      const TTableColumn& col = layout.Columns[size_t(c)];
      const std::string& t = Texts[i];
      if (t.empty() || col.Constant) continue;
      switch (col.Kind) {
        case tcText: Type_Cell(c, Row, t); break;
        case tcList: Pick(c, Row, t); break;
        case tcCheck:
          Tick(c, Row);
          if (t == "N") driver_.PressKey(VK_SPACE);
          break;
      }
    }
  }
  void Enter_Rows(const std::vector<TRowTexts>& Rows) {
    for (size_t r = 0; r < Rows.size(); ++r) Enter_Row(int(r) + 1, Rows[r]);
  }

private:
  bool Shown(int DisplCol, int Row) const {
    return Row >= grid_->TopRow() && Row < grid_->TopRow() + grid_->VisibleRowCount() &&
           DisplCol >= grid_->LeftCol() && DisplCol < grid_->LeftCol() + grid_->VisibleColCount();
  }
  void Click_Middle(int DisplCol, int Row) {
    TRect r = grid_->CellRect(DisplCol, Row);
    driver_.Click(grid_, (r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
  }

  TTestDriver& driver_;
  TFTableEditor* form_;
  TExtColumnGrid* grid_;
};
