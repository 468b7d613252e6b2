// Drop-down list cells: the combo opens over the cell with the cell's item,
// Alt+Down drops the list, keys and the mouse choose, Enter and Esc end.

#include <string>
#include <vector>

#include "tests/grid/editing/GridEditFixture.h"

namespace {

TEST_F(GridEditTest, F2OpensTheComboOnTheCellsItem) {
  GoTo(ListCol, 2);
  Driver.PressKey(VK_F2);
  ASSERT_TRUE(ComboShown());
  EXPECT_FALSE(TextEditorShown());
  EXPECT_EQ(grid->EditCombo->Style(), csDropDownList);
  EXPECT_EQ(grid->EditCombo->Items()->Count(), 3);
  EXPECT_EQ(grid->EditCombo->ItemIndex(), 1);
  EXPECT_FALSE(grid->EditCombo->DroppedDown());
  TRect cell = grid->CellRect(ListCol, 2);
  EXPECT_EQ(grid->EditCombo->Left(), cell.Left);
  EXPECT_EQ(grid->EditCombo->Top(), cell.Top);
}

TEST_F(GridEditTest, ComboChosenByKeysIsWrittenBackWithTheDoneNotification) {
  std::vector<std::string> log;
  grid->OnComboChange = [&](TObject*, int c, int r, int i, const std::string& s) {
    log.push_back("change " + std::to_string(c) + "," + std::to_string(r) + " " + std::to_string(i) + " " + s);
  };
  grid->OnEditCellDone = [&](TObject*, int c, int r) {
    log.push_back("done " + std::to_string(c) + "," + std::to_string(r));
  };
  GoTo(ListCol, 3);
  Driver.PressKey(VK_F2);
  Driver.PressKey(VK_DOWN, {ssAlt});
  ASSERT_TRUE(grid->EditCombo->DroppedDown());
  Driver.PressKey(VK_DOWN);
  Driver.PressKey(VK_RETURN);
  EXPECT_FALSE(ComboShown());
  EXPECT_EQ(grid->Cells(ListCol, 3), "Long");
  EXPECT_EQ(log.back(), "done 2,3");
}

TEST_F(GridEditTest, ClosedPickListStepsWithUpAndDown) {
  std::vector<int> changes;
  grid->OnComboChange = [&](TObject*, int, int, int i, const std::string&) { changes.push_back(i); };
  GoTo(ListCol, 1);
  Driver.PressKey(VK_F2);
  Driver.PressKey(VK_UP);
  EXPECT_TRUE(ComboShown());
  EXPECT_EQ(grid->EditCombo->ItemIndex(), 0);
  Driver.PressKey(VK_RETURN);
  EXPECT_EQ(grid->Cells(ListCol, 1), "Byte");
}

TEST_F(GridEditTest, ComboChosenWithTheMouse) {
  GoTo(ListCol, 4);
  Driver.PressKey(VK_F2);
  TGridCombo* combo = grid->EditCombo;
  Driver.Click(combo, combo->Width() - 5, combo->Height() / 2);
  ASSERT_TRUE(combo->DroppedDown());
  TCustomListBox* list = combo->ListControl();
  ASSERT_NE(list, nullptr);
  TRect item = list->ItemRect(0);
  Driver.Click(list, item.Left + 5, (item.Top + item.Bottom) / 2);
  EXPECT_FALSE(combo->DroppedDown());
  EXPECT_EQ(combo->Text(), "Byte");
  Driver.PressKey(VK_RETURN);
  EXPECT_EQ(grid->Cells(ListCol, 4), "Byte");
}

TEST_F(GridEditTest, EscInTheComboKeepsTheCell) {
  GoTo(ListCol, 2);
  Driver.PressKey(VK_F2);
  Driver.PressKey(VK_DOWN);
  Driver.PressKey(VK_ESCAPE);
  EXPECT_FALSE(ComboShown());
  EXPECT_EQ(grid->Cells(ListCol, 2), "Word");
}

TEST_F(GridEditTest, ComboValueRefusedByValidationStaysForCorrection) {
  grid->OnCellValidate = [&](TObject*, int, int, std::string& v, bool& valid) { valid = v != "Long"; };
  GoTo(ListCol, 2);
  Driver.PressKey(VK_F2);
  Driver.PressKey(VK_DOWN);
  Driver.PressKey(VK_RETURN);
  EXPECT_TRUE(ComboShown());
  EXPECT_EQ(grid->Cells(ListCol, 2), "Word");
  Driver.PressKey(VK_UP);
  Driver.PressKey(VK_UP);
  Driver.PressKey(VK_RETURN);
  EXPECT_FALSE(ComboShown());
  EXPECT_EQ(grid->Cells(ListCol, 2), "Byte");
}

TEST_F(GridEditTest, CellTextNotInTheListPreselectsTheFirstItem) {
  grid->SetCells(ListCol, 5, "Nibble");
  std::vector<std::string> log;
  grid->OnComboChange = [&](TObject*, int, int, int i, const std::string& s) {
    log.push_back(std::to_string(i) + " " + s);
  };
  GoTo(ListCol, 5);
  Driver.PressKey(VK_F2);
  EXPECT_EQ(grid->EditCombo->ItemIndex(), 0);
  EXPECT_EQ(log, (std::vector<std::string>{"0 Byte"}));
}

TEST_F(GridEditTest, ComboStringApi) {
  grid->ClearComboString();
  grid->AddComboString("a");
  grid->AddComboString("b");
  EXPECT_EQ(grid->GetComboCount(), 2);
  EXPECT_TRUE(grid->RemoveComboString("a"));
  EXPECT_FALSE(grid->RemoveComboString("zz"));
  EXPECT_FALSE(grid->SetComboSelectionString("zz"));
  grid->Columns()->Items(TextCol)->SetEditor(edNormal);  // no reload from a column
  EXPECT_THROW(grid->SetComboIndex(TextCol, 1, 5), EListError);
  EXPECT_EQ(grid->Cells(TextCol, 1), "row1");
  grid->SetComboIndex(TextCol, 1, 0);
  EXPECT_EQ(grid->Cells(TextCol, 1), "b");
}

}  // namespace

namespace {

// Pictures for a person to look at: an open text editor and an open combo.
TEST_F(GridEditTest, ScreenshotsOfOpenEditors) {
  GoTo(TextCol, 2);
  Driver.Type("edited");
  EXPECT_NE(Driver.Screenshot(form, "grid_text_editor.png"), "");
  Driver.PressKey(VK_RETURN);
  GoTo(ListCol, 3);
  Driver.PressKey(VK_F2);
  Driver.PressKey(VK_DOWN, {ssAlt});
  EXPECT_NE(Driver.Screenshot(form, "grid_combo_closed_field.png"), "");
  ASSERT_TRUE(grid->EditCombo->DroppedDown());
  auto* popup = dynamic_cast<TWinControl*>(grid->EditCombo->ListControl()->Parent());
  ASSERT_NE(popup, nullptr);
  EXPECT_NE(Driver.Screenshot(popup, "grid_combo_list.png"), "");
}

}  // namespace
