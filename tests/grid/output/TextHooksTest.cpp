// The cell text and row hooks: export and import texts, automatic row
// insertion and removal, and the selection change.

#include <gtest/gtest.h>

#include "grid/core/ExtGrid.h"
#include "toolkit/forms/Forms.h"
#include "toolkit/testing/TestDriver.h"

namespace {

// The hooks are for descendants; the test grid opens them.
class THookGrid : public TExtStringGrid {
public:
  using TExtStringGrid::TExtStringGrid;
  using TExtStringGrid::DoAutoDeleteRow;
  using TExtStringGrid::DoAutoInsertRow;
  using TExtStringGrid::DoSelectionChanged;
};

class TextHooks : public FormsTest {
protected:
  void SetUp() override {
    form = new TForm(Application);
    form->Show();
    grid = new THookGrid(form);
    grid->SetParent(form);
    Driver.Pump();
  }
  TForm* form = nullptr;
  THookGrid* grid = nullptr;
};

TEST_F(TextHooks, ExportTextOfCheckBoxesMarkupAndHandler) {
  grid->AddCheckBox(1, 1, true, false);
  grid->AddCheckBox(1, 2, false, false);
  grid->SetCheckTrue("yes");
  grid->SetCheckFalse("no");
  EXPECT_EQ(grid->ExportCellText(1, 1), "yes");
  EXPECT_EQ(grid->ExportCellText(1, 2), "no");
  grid->AddCheckBox(2, 1, false, true);
  grid->SetCells(2, 1, "Y");
  EXPECT_EQ(grid->ExportCellText(2, 1), "Y");  // a data check box writes its own text
  grid->SetCells(3, 1, "<b>Bold</b> text");
  EXPECT_EQ(grid->ExportCellText(3, 1), "<b>Bold</b> text");
  grid->SaveWithHTML = false;
  EXPECT_EQ(grid->ExportCellText(3, 1), "Bold text");
  grid->OnSaveCell = [](TObject*, int ACol, int ARow, std::string& Value) {
    Value += "@" + std::to_string(ACol) + std::to_string(ARow);
  };
  EXPECT_EQ(grid->ExportCellText(3, 1), "Bold text@31");
}

TEST_F(TextHooks, ImportTextPassesTheHandlerThenTheStore) {
  grid->OnLoadCell = [](TObject*, int, int, std::string& Value) { Value = "[" + Value + "]"; };
  grid->ImportCellText(2, 2, "abc");
  EXPECT_EQ(grid->Cells(2, 2), "[abc]");
  EXPECT_EQ(grid->RawCellText(2, 2), "[abc]");
}

TEST_F(TextHooks, AutoDeleteOfTheOnlyNormalRowEmptiesIt) {
  grid->SetRowCount(2);
  grid->SetCells(1, 1, "kept?");
  int told = -1;
  grid->OnAutoDeleteRow = [&](TObject*, int ARow) { told = ARow; };
  grid->DoAutoDeleteRow(1);
  EXPECT_EQ(grid->RowCount(), 2);
  EXPECT_EQ(grid->Cells(1, 1), "");
  EXPECT_EQ(told, 1);
  grid->SetFixedRowAlways(true);
  grid->DoAutoDeleteRow(1);
  EXPECT_EQ(grid->RowCount(), 1);
  grid->SetFixedRowAlways(false);
  grid->SetRowCount(4);
  grid->SetCells(1, 2, "moves up");
  grid->DoAutoInsertRow(2);
  EXPECT_EQ(grid->RowCount(), 5);
  EXPECT_EQ(grid->Cells(1, 3), "moves up");
}

TEST_F(TextHooks, SelectionChangeReachesTheEvent) {
  TRect told;
  grid->OnSelectionChanged = [&](TObject*, int L, int T, int R, int B) { told = TRect(L, T, R, B); };
  grid->SetLook(glVista);
  grid->DoSelectionChanged(1, 1, 2, 3);
  EXPECT_EQ(told, TRect(1, 1, 2, 3));
}

}  // namespace
