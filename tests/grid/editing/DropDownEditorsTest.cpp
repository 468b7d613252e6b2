// The drop-down kinds open their own drop-down control in the cell: the
// value shown, typing, Enter and Esc, the colour picker's colours, the list
// lookups and the popup opened at once, through the driver.

#include <gtest/gtest.h>

#include "controls/ExtDropDownForm.h"
#include "grid/dropdown/GridExtGridDropDown.h"
#include "grid/editing/GridDropDowns.h"
#include "tests/grid/editing/GridEditFixture.h"

namespace {

class DropDownEditorsTest : public GridEditTest {
protected:
  void SetUp() override {
    GridEditTest::SetUp();
    grid->SetDefaultRowHeight(24);
    grid->Columns()->Items(TextCol)->SetWidth(160);
    fillList(grid->GridDropDown());
    fillList(grid->ExtGridDropDown());
    for (const char* c : {"Alpha", "Beta", "Gamma"}) grid->DetailPickerDropDown()->Items()->Add()->SetCaption(c);
  }
  // Two columns, the first looked up: Byte, Word, Long.
  template <class DropDown>
  static void fillList(DropDown* D) {
    D->Columns()->Add()->SetHeader("Type");
    D->Columns()->Add()->SetHeader("Size");
    const char* rows[][2] = {{"Byte", "1"}, {"Word", "2"}, {"Long", "4"}};
    for (auto& r : rows) {
      auto* it = D->Items()->Add();
      it->Text()->Add(r[0]);
      it->Text()->Add(r[1]);
    }
  }
  TExtCustomDropDown* Shown() {
    auto* d = dynamic_cast<TExtCustomDropDown*>(grid->EditCtrl);
    return d && d->Visible() ? d : nullptr;
  }
  // Typing replaces what the editor selects; a masked edit is typed over from its start.
  static void SelectForTyping(TExtCustomDropDown* D) {
    if (D->EditMask().empty()) D->SelectAll();
    else D->SetSelStart(0);
  }
  void Open(TEditorType Kind, const std::string& Cell, int Row = 2) {
    grid->Columns()->Items(TextCol)->SetEditor(Kind);
    grid->SetCells(TextCol, Row, Cell);
    GoTo(TextCol, Row);
    Driver.PressKey(VK_F2);
  }

  struct Case {
    TEditorType Kind;
    const char* ClassName;
    const char* Cell;     // the cell before the edit
    const char* Shown;    // the editor's text once open
    const char* Typed;    // typed over the editor's selection
    const char* After;    // the cell after Enter
    // The cell after the typed text started the edit and Enter ended it:
    // the memo keeps its lines and takes the typing at its start.
    const char* Started;
  };
  static const std::vector<Case>& Cases() {
    static const std::vector<Case> cases = {
        {edTrackbarDropDown, "TGridTrackbarDropDown", "4", "4", "7", "7", "7"},
        {edMemoDropDown, "TGridMemoDropDown", "abc", "abc", "xyz", "xyz\r\n", "xyzabc\r\n"},
        {edCalculatorDropDown, "TGridCalculatorDropDown", "12.5", "12.50", "3", "3.00", "3.00"},
        {edTimePickerDropDown, "TGridTimepickerDropDown", "10:20:30", "10:20:30", "112233", "11:22:33", "11:22:33"},
        {edDetailDropDown, "TGridDetailPickerDropDown", "Beta", "Beta", "Gamma", "Gamma", "Gamma"},
        {edGridDropDown, "TGridGridDropDown", "Word", "Word", "Long", "Long", "Long"},
        {edExtGridDropDown, "TGridExtGridDropDown", "Word", "Word", "Long", "Long", "Long"},
    };
    return cases;
  }
};

TEST_F(DropDownEditorsTest, EachKindOpensItsControlAndEnterStoresItsValue) {
  for (const Case& c : Cases()) {
    SCOPED_TRACE(EnumToName(c.Kind));
    Open(c.Kind, c.Cell);
    EXPECT_FALSE(TextEditorShown());
    TExtCustomDropDown* d = Shown();
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->ClassName(), c.ClassName);
    EXPECT_TRUE(d->Focused());
    EXPECT_EQ(d->Text(), c.Shown);
    EXPECT_EQ(grid->EditControl, c.Kind);
    SelectForTyping(d);
    Driver.Type(c.Typed);
    Driver.PressKey(VK_RETURN);
    EXPECT_EQ(Shown(), nullptr);
    EXPECT_FALSE(d->Visible());
    EXPECT_FALSE(d->Enabled());
    EXPECT_EQ(grid->Cells(TextCol, 2), c.After);
    EXPECT_FALSE(grid->EditMode);
    EXPECT_TRUE(grid->Focused());
  }
}

TEST_F(DropDownEditorsTest, EscLeavesTheCellAsItWas) {
  for (const Case& c : Cases()) {
    SCOPED_TRACE(EnumToName(c.Kind));
    Open(c.Kind, c.Cell, 3);
    TExtCustomDropDown* d = Shown();
    ASSERT_NE(d, nullptr);
    SelectForTyping(d);
    Driver.Type(c.Typed);
    Driver.PressKey(VK_ESCAPE);
    EXPECT_FALSE(d->Visible());
    EXPECT_EQ(grid->Cells(TextCol, 3), c.Cell);
    EXPECT_FALSE(grid->EditMode);
  }
}

TEST_F(DropDownEditorsTest, ATypedCharacterOpensTheEditorWithIt) {
  for (const Case& c : Cases()) {
    SCOPED_TRACE(EnumToName(c.Kind));
    grid->Columns()->Items(TextCol)->SetEditor(c.Kind);
    grid->SetCells(TextCol, 4, c.Cell);
    GoTo(TextCol, 4);
    Driver.Type(c.Typed);
    TExtCustomDropDown* d = Shown();
    ASSERT_NE(d, nullptr);
    Driver.PressKey(VK_RETURN);
    EXPECT_EQ(grid->Cells(TextCol, 4), c.Started);
  }
}

// The colour picker shows the cell's colour (a shape cell's fill colour)
// and gives the cell the chosen colour and its caption.
TEST_F(DropDownEditorsTest, TheColourPickerTakesAndGivesTheCellsColour) {
  grid->AddShape(TextCol, 1, csCircle, clRed, clBlack, haLeft, vaTop);
  grid->SetColors(TextCol, 2, clLime);
  const TColor background = grid->Colors(TextCol, 1);
  struct {
    int Row;
    TColor Before;
  } cells[] = {{1, clRed}, {2, clLime}};
  for (auto& c : cells) {
    SCOPED_TRACE(c.Row);
    grid->Columns()->Items(TextCol)->SetEditor(edColorPickerDropDown);
    GoTo(TextCol, c.Row);
    Driver.PressKey(VK_F2);
    TGridColorDropDown* p = grid->ColorPickerDropDown();
    ASSERT_EQ(Shown(), p);
    EXPECT_EQ(p->SelectedColor(), c.Before);
    p->SetSelectedColor(clBlue);
    Driver.PressKey(VK_RETURN);
    EXPECT_EQ(grid->Cells(TextCol, c.Row), "Blue");
    EXPECT_FALSE(p->Visible());
  }
  EXPECT_EQ(grid->GetShapeColor(TextCol, 1), clBlue);
  EXPECT_EQ(grid->Colors(TextCol, 1), background);  // a shape cell keeps its background
  EXPECT_EQ(grid->Colors(TextCol, 2), clBlue);
}

TEST_F(DropDownEditorsTest, OnColorSelectedDecidesColourAndText) {
  grid->Columns()->Items(TextCol)->SetEditor(edColorPickerDropDown);
  std::vector<std::string> calls;
  grid->OnColorSelected = [&](TObject*, int c, int r, TColor& C, std::string& S) {
    calls.push_back(std::to_string(c) + "," + std::to_string(r) + " " + S);
    C = clYellow;
    S = "sun";
  };
  std::vector<TColor> selects;
  grid->OnColorSelect = [&](TObject*, int, int, TColor C, const std::string&) { selects.push_back(C); };
  GoTo(TextCol, 3);
  Driver.PressKey(VK_F2);
  grid->ColorPickerDropDown()->SetSelectedColor(clNavy);
  Driver.PressKey(VK_RETURN);
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0], "1,3 Navy");
  EXPECT_EQ(selects, std::vector<TColor>{clNavy});
  EXPECT_EQ(grid->Colors(TextCol, 3), clYellow);
  EXPECT_EQ(grid->Cells(TextCol, 3), "sun");
  // Esc: neither the colour nor the text changes, and the handler is not asked.
  Driver.PressKey(VK_F2);
  grid->ColorPickerDropDown()->SetSelectedColor(clRed);
  Driver.PressKey(VK_ESCAPE);
  EXPECT_EQ(calls.size(), 1u);
  EXPECT_EQ(grid->Colors(TextCol, 3), clYellow);
  EXPECT_EQ(grid->Cells(TextCol, 3), "sun");
}

// A cell colour that is no item of the list selects none: the stored text is not the last item's caption.
TEST_F(DropDownEditorsTest, AColourOutsideTheListSelectsNoItem) {
  grid->Columns()->Items(TextCol)->SetEditor(edColorPickerDropDown);
  GoTo(TextCol, 1);
  Driver.PressKey(VK_F2);
  grid->ColorPickerDropDown()->SetSelectedColor(clRed);
  Driver.PressKey(VK_RETURN);
  grid->SetColors(TextCol, 2, TColor(0x123456));
  GoTo(TextCol, 2);
  Driver.PressKey(VK_F2);
  EXPECT_EQ(grid->ColorPickerDropDown()->ItemIndex(), -1);
  Driver.PressKey(VK_RETURN);
  EXPECT_EQ(grid->Cells(TextCol, 2), "");
  EXPECT_EQ(grid->Colors(TextCol, 2), TColor(0x123456));
}

// The list drop-downs select the item of the cell text: the multi-column
// one by the whole text, the grid drop-down by its start in any case.
TEST_F(DropDownEditorsTest, TheListDropDownsSelectTheCellsItem) {
  struct {
    TEditorType Kind;
    const char* Cell;
    int Item;
  } cases[] = {
      {edGridDropDown, "Long", 2},   {edGridDropDown, "Lo", -1},    {edGridDropDown, "", 0},
      {edExtGridDropDown, "Long", 2}, {edExtGridDropDown, "wo", 1}, {edExtGridDropDown, "Int", -1},
      {edExtGridDropDown, "", 0},
  };
  for (auto& c : cases) {
    SCOPED_TRACE(std::string(EnumToName(c.Kind)) + " " + c.Cell);
    Open(c.Kind, c.Cell);
    int item = c.Kind == edGridDropDown ? grid->GridDropDown()->ItemIndex() : grid->ExtGridDropDown()->ItemIndex();
    EXPECT_EQ(item, c.Item);
    EXPECT_EQ(Shown()->Text(), c.Cell);  // the text stays the cell's
    Driver.PressKey(VK_ESCAPE);
  }
  EXPECT_TRUE(grid->ExtGridDropDown()->HostedGrid()->FixedRowAlways());
  // The detail list selects the item whose caption the cell text is, exactly.
  for (auto [cell, item] : {std::pair<const char*, int>{"Gamma", 2}, {"gamma", -1}}) {
    grid->DetailPickerDropDown()->SetItemIndex(-1);
    Open(edDetailDropDown, cell);
    EXPECT_EQ(grid->DetailPickerDropDown()->ItemIndex(), item) << cell;
    Driver.PressKey(VK_ESCAPE);
  }
}

TEST_F(DropDownEditorsTest, DirectComboDropOpensThePopupAtOnce) {
  grid->MouseActions()->SetDirectComboDrop(true);
  for (TEditorType kind : {edCalculatorDropDown, edColorPickerDropDown, edTrackbarDropDown}) {
    SCOPED_TRACE(EnumToName(kind));
    Open(kind, "5");
    TExtCustomDropDown* d = Shown();
    ASSERT_NE(d, nullptr);
    EXPECT_TRUE(d->DroppedDown());
    d->HideDropDown(true);
    Driver.PressKey(VK_ESCAPE);
    EXPECT_FALSE(d->Visible());
  }
  grid->MouseActions()->SetDirectComboDrop(false);
  Open(edCalculatorDropDown, "5");
  EXPECT_FALSE(Shown()->DroppedDown());
}

TEST_F(DropDownEditorsTest, TheEditorTakesTheGridsPopupLookAndButtonRelays) {
  grid->ControlLook()->DropDownHeader()->SetCaption("Pick one");
  grid->ControlLook()->DropDownFooter()->SetCaption("Footnote");
  std::vector<std::string> clicks;
  grid->OnDropDownHeaderButtonClick = [&](TObject* S, int c, int r, int b) {
    clicks.push_back(std::string(S == grid ? "grid" : "?") + " header " + std::to_string(c) + "," +
                     std::to_string(r) + " " + std::to_string(b));
  };
  grid->OnDropDownFooterButtonClick = [&](TObject*, int c, int r, int b) {
    clicks.push_back("footer " + std::to_string(c) + "," + std::to_string(r) + " " + std::to_string(b));
  };
  Open(edMemoDropDown, "text");
  TExtCustomDropDown* d = Shown();
  ASSERT_NE(d, nullptr);
  EXPECT_EQ(d->DropDownHeader()->Caption(), "Pick one");
  EXPECT_EQ(d->DropDownFooter()->Caption(), "Footnote");
  d->OnDropDownHeaderButtonClick(d, 1);
  d->OnDropDownFooterButtonClick(d, 0);
  EXPECT_EQ(clicks, (std::vector<std::string>{"grid header 1,2 1", "footer 1,2 0"}));
  Driver.PressKey(VK_ESCAPE);
}

TEST_F(DropDownEditorsTest, TheGridsStyleReachesEveryDropDownEditorMade) {
  Open(edCalculatorDropDown, "1");
  Driver.PressKey(VK_ESCAPE);
  Open(edColorPickerDropDown, "");
  Driver.PressKey(VK_ESCAPE);
  grid->SetComponentStyle(tsOffice2007Obsidian);
  ASSERT_EQ(grid->DropDownEditors().size(), 5u);  // the fixture filled the three list drop-downs
  for (TExtCustomDropDown* d : grid->DropDownEditors()) EXPECT_EQ(d->GetComponentStyle(), tsOffice2007Obsidian);
  // An editor made afterwards starts with the grid's style.
  EXPECT_EQ(grid->MemoDropDown()->GetComponentStyle(), tsOffice2007Obsidian);
}

TEST_F(DropDownEditorsTest, TypingReportsEachChangeAndTheMemoWritesItsCellAtOnce) {
  std::vector<std::string> changes;
  grid->OnEditChange = [&](TObject*, int, int, const std::string& v) { changes.push_back(v); };
  Open(edMemoDropDown, "ab");
  Driver.PressKey(VK_END);  // the memo's caret starts at the front; End moves it in a closed drop-down
  EXPECT_TRUE(Shown());
  Driver.Type("c");
  EXPECT_EQ(changes.back(), "abc");
  EXPECT_EQ(grid->Cells(TextCol, 2), "abc\r\n");
  Driver.PressKey(VK_ESCAPE);
  EXPECT_EQ(grid->Cells(TextCol, 2), "ab");
}

TEST_F(DropDownEditorsTest, EnterCompletesAPendingCalculation) {
  Open(edCalculatorDropDown, "");
  Driver.Type("2+3");
  Driver.PressKey(VK_RETURN);
  EXPECT_EQ(grid->Cells(TextCol, 2), "5.00");
}

TEST_F(DropDownEditorsTest, ARefusedValueKeepsTheEditorOpenWithTheSettledText) {
  grid->OnCellValidate = [](TObject*, int, int, std::string& Value, bool& Valid) {
    Valid = Value != "9";
    if (!Valid) Value = "8";
  };
  Open(edTrackbarDropDown, "4");
  TExtCustomDropDown* d = Shown();
  d->SelectAll();
  Driver.Type("9");
  Driver.PressKey(VK_RETURN);
  EXPECT_TRUE(d->Visible());
  EXPECT_EQ(d->Text(), "8");
  EXPECT_EQ(grid->Row(), 2);
  Driver.PressKey(VK_RETURN);
  EXPECT_EQ(grid->Cells(TextCol, 2), "8");
}

// Alt+Down opens the popup and Up or Down then stay in the list drop-down;
// with the popup closed Down ends the edit and the cursor moves.
TEST_F(DropDownEditorsTest, AltDownOpensThePopupAndDownEndsTheEdit) {
  Open(edCalculatorDropDown, "1");
  TExtCustomDropDown* d = Shown();
  Driver.PressKey(VK_DOWN, TShiftState{ssAlt});
  EXPECT_TRUE(d->Visible());
  EXPECT_TRUE(d->DroppedDown());
  d->HideDropDown(true);
  Driver.PressKey(VK_DOWN);
  EXPECT_FALSE(d->Visible());
  EXPECT_EQ(grid->Row(), 3);
  EXPECT_EQ(grid->Cells(TextCol, 2), "1.00");
}

// With goTabs, Tab validates the text, ends the edit and moves to the next cell.
TEST_F(DropDownEditorsTest, TabStoresAndMovesOnWithGoTabs) {
  TGridOptions o = grid->Options();
  o.Include(goTabs);
  grid->SetOptions(o);
  Open(edCalculatorDropDown, "1");
  TExtCustomDropDown* d = Shown();
  d->SelectAll();
  Driver.Type("6");
  Driver.PressKey(VK_TAB);
  EXPECT_FALSE(d->Visible());
  EXPECT_EQ(grid->Cells(TextCol, 2), "6");  // only Enter completes the calculation and its format
  EXPECT_EQ(grid->Col(), ListCol);
}

TEST_F(DropDownEditorsTest, ScreenshotsOfOpenDropDowns) {
  grid->MouseActions()->SetDirectComboDrop(true);
  grid->ColorPickerDropDown()->SetColorSelectionStyle(csDiscrete);
  for (TEditorType kind : {edCalculatorDropDown, edColorPickerDropDown}) {
    Open(kind, "12");
    ASSERT_NE(Shown(), nullptr);
    // The cell with its editor, and the popup, a window of its own.
    EXPECT_NE(Driver.Screenshot(form, std::string("grid_") + EnumToName(kind) + ".png"), "");
    EXPECT_NE(Driver.Screenshot(Shown()->DropDownForm(), std::string("grid_popup_") + EnumToName(kind) + ".png"), "");
    Shown()->HideDropDown(true);
    Driver.PressKey(VK_ESCAPE);
  }
}

}  // namespace
