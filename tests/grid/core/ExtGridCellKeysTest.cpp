// The keyboard and the mouse on what cells hold and around them: cell
// buttons, check boxes and radios pressed by key, the modified-row mark,
// node rows opened by the arrows, the search footer at the grid's end, the
// clipboard keys after OnKeyDown, typing into a range-selecting grid, focus
// coming back to an always-editing grid, and the smaller key options.

#include <string>
#include <vector>

#include "grid/core/CellGraphic.h"
#include "grid/data/SearchPanel.h"
#include "grid/editing/ExtInplaceEdit.h"
#include "tests/grid/core/InputFixture.h"
#include "toolkit/forms/std/Edit.h"
#include "toolkit/rtl/SysUtils.h"

namespace {

class CellKeysTest : public InputTest {
protected:
  // A point of the cell (c, r) where a press hits its check box or radio.
  TPoint BoxPoint(int c, int r) {
    TRect rc = grid->CellRect(c, r);
    for (int y = rc.Top; y < rc.Bottom; ++y)
      for (int x = rc.Left; x < rc.Right; ++x)
        if (grid->IsInCheckBox(c, r, x, y)) return {x, y};
    ADD_FAILURE() << "no box in the cell";
    return {rc.Left, rc.Top};
  }
  bool EditorShown() { return grid->InplaceEditor() && grid->InplaceEditor()->Visible(); }
};

TEST_F(CellKeysTest, SpaceAndEnterPressACellButtonOnlyWhereTheCellMayBeEdited) {
  grid->AddButton(2, 2, 30, 16, "Go", haLeft, vaTop);
  int clicks = 0;
  grid->OnButtonClick = [&](TObject*, int c, int r) {
    EXPECT_EQ(c, 2);
    EXPECT_EQ(r, 2);
    ++clicks;
  };
  Go(2, 2);
  Key(VK_SPACE);
  Key(VK_RETURN);
  EXPECT_EQ(clicks, 0);  // no editing: the button stays up
  Options({goEditing});
  Key(VK_SPACE);
  EXPECT_EQ(clicks, 1);
  Key(VK_RETURN);
  EXPECT_EQ(clicks, 2);
  EXPECT_FALSE(EditorShown());
}

TEST_F(CellKeysTest, ToggledCheckBoxesAndRadiosMarkTheirRowModified) {
  Options({goEditing});
  grid->ShowModified()->SetEnabled(true);
  grid->AddCheckBox(2, 2, false, false);
  grid->AddCheckBox(2, 4, false, false);
  grid->AddRadioButton(3, 5, false);
  Go(2, 2);
  Key(VK_SPACE);
  EXPECT_TRUE(grid->IsChecked(2, 2));
  EXPECT_TRUE(grid->RowModified(2));
  TPoint p = BoxPoint(2, 4);
  Driver.Click(grid, p.X, p.Y);
  EXPECT_TRUE(grid->IsChecked(2, 4));
  EXPECT_TRUE(grid->RowModified(4));
  Driver.Advance(1000);
  p = BoxPoint(3, 5);
  Driver.Click(grid, p.X, p.Y);
  EXPECT_TRUE(grid->GetCellGraphic(3, 5)->CellBoolean);
  EXPECT_TRUE(grid->RowModified(5));
  EXPECT_FALSE(grid->RowModified(3));

  grid->ShowModified()->SetEnabled(false);
  grid->AddCheckBox(2, 6, false, false);
  Go(2, 6);
  Key(VK_SPACE);
  EXPECT_TRUE(grid->IsChecked(2, 6));
  EXPECT_FALSE(grid->RowModified(6));
}

TEST_F(CellKeysTest, SpaceAdvancesARadioGroupAndReportsTheIndex) {
  Options({goEditing});
  TStrings* options = grid->CreateRadio(2, 3, 1, 0);
  options->Add("A");
  options->Add("B");
  std::vector<int> picked;
  grid->OnRadioClick = [&](TObject*, int, int, int i) { picked.push_back(i); };
  Go(2, 3);
  Key(VK_SPACE);
  Key(VK_SPACE);
  EXPECT_EQ(picked, (std::vector<int>{1, 0}));
}

TEST_F(CellKeysTest, RightAndLeftOpenAndCloseANodeRow) {
  grid->SetRowCount(8);
  grid->AddNode(2, 3);  // rows 3 and 4 are its children
  grid->MergeCells(1, 2, 4, 1);
  Go(1, 2);
  int rows = grid->RowCount();
  Key(VK_LEFT);
  EXPECT_EQ(grid->RowCount(), rows - 2);
  EXPECT_EQ(Cursor(), (TGridCoord{1, 2}));
  Key(VK_RIGHT);
  EXPECT_EQ(grid->RowCount(), rows);
}

TEST_F(CellKeysTest, CtrlFGivesTheSearchFooterItsFocus) {
  grid->SearchFooter()->SetVisible(true);
  Driver.Pump();
  Key('F', {ssCtrl});
  EXPECT_TRUE(grid->GetSearchPanel()->EditControl->Focused());
}

TEST_F(CellKeysTest, TheLastRowStaysAboveAVisibleSearchFooter) {
  grid->SetRowCount(12);
  grid->SearchFooter()->SetVisible(true);
  Driver.Pump();
  std::vector<uint16_t> keys;
  grid->OnKeyDown = [&](TObject*, uint16_t& k, TShiftState) { keys.push_back(k); };
  Go(2, 11);
  Key(VK_DOWN);
  EXPECT_EQ(Cursor(), (TGridCoord{2, 11}));
  int panel = grid->GetSearchPanel()->Height();
  EXPECT_LE(grid->CellRect(2, 11).Bottom, grid->ClientHeight() - panel + 2);
  Go(4, 11);
  Key(VK_RIGHT);
  Go(1, 11);
  Key(VK_LEFT);
  EXPECT_EQ(Cursor(), (TGridCoord{1, 11}));
  EXPECT_EQ(keys, (std::vector<uint16_t>{VK_DOWN, VK_RIGHT, VK_LEFT}));  // each told once
  EXPECT_LE(grid->CellRect(1, 11).Bottom, grid->ClientHeight() - panel + 2);
}

TEST_F(CellKeysTest, OnKeyDownMayTakeAClipboardKey) {
  grid->Navigation()->SetAllowClipboardShortCuts(true);
  grid->OnKeyDown = [&](TObject*, uint16_t& k, TShiftState) {
    if (k == 'C') k = 0;
  };
  Key('C', {ssCtrl});
  EXPECT_TRUE(grid->Clipboard.empty());
  Key('X', {ssCtrl});
  EXPECT_EQ(grid->Clipboard, (std::vector<std::string>{"cut"}));
}

TEST_F(CellKeysTest, RangeSelectAndEditByMouse) {
  grid->MouseActions()->SetRangeSelectAndEdit(true);
  Options({goRangeSelect});
  ClickCell(2, 2);
  EXPECT_FALSE(EditorShown());  // the first press selects
  Driver.Advance(1000);
  ClickCell(2, 2);
  EXPECT_TRUE(EditorShown());  // a press on the selected cell edits
  Key(VK_ESCAPE);
  Driver.Advance(1000);
  ClickCell(3, 3);
  ClickCell(4, 5, {ssShift});  // a press outside extends the range, editing off
  EXPECT_FALSE(grid->Options().Contains(goEditing));
  EXPECT_EQ(grid->Selection(), (TGridRect{3, 3, 4, 5}));
}

TEST_F(CellKeysTest, AlwaysEditReopensTheEditorWhenTheFocusComesBack) {
  Options({goEditing});
  grid->Navigation()->SetAlwaysEdit(true);
  auto* other = new TEdit(form);
  other->SetParent(form);
  other->SetBounds(400, 10, 100, 24);
  Go(2, 2);
  Driver.Pump();
  Driver.Focus(other);
  EXPECT_FALSE(EditorShown());
  Driver.Focus(grid);
  EXPECT_TRUE(EditorShown());

  grid->SetRowCount(40);
  Driver.Focus(other);
  grid->SetTopRow(20);  // the current cell out of view
  Driver.Focus(grid);
  EXPECT_FALSE(EditorShown());
}

TEST_F(CellKeysTest, ShiftHomeAndEndSelectToTheEndsOfTheRow) {
  Options({goRangeSelect});
  grid->SetFixedRightCols(1);
  Go(2, 3);
  Key(VK_HOME, {ssShift});
  EXPECT_EQ(grid->Selection(), (TGridRect{1, 3, 2, 3}));
  Go(2, 3);
  Key(VK_END, {ssShift});
  EXPECT_EQ(grid->Selection(), (TGridRect{2, 3, 3, 3}));  // the fixed right column stays out
}

TEST_F(CellKeysTest, CtrlUpAndDownMoveTheSelectedRows) {
  grid->Navigation()->SetCursorMoveRows(true);
  for (int r = 1; r < 8; ++r) grid->SetCells(1, r, std::to_string(r));
  Go(1, 3);
  Key(VK_DOWN, {ssCtrl});
  EXPECT_EQ(grid->Cells(1, 4), "3");
  EXPECT_EQ(grid->Cells(1, 3), "4");
  Key(VK_UP, {ssCtrl});
  EXPECT_EQ(grid->Cells(1, 3), "3");
  grid->Navigation()->SetCursorMoveRows(false);
  Key(VK_DOWN, {ssCtrl});
  EXPECT_EQ(grid->Cells(1, 3), "3");
}

TEST_F(CellKeysTest, TheKeypadDecimalKeyTypesTheLocaleSeparator) {
  TFormatSettings saved = FormatSettings;
  FormatSettings.DecimalSeparator = ',';
  Options({goEditing});
  grid->SetExcelStyleDecimalSeparator(true);
  Go(2, 2);
  Key(VK_DECIMAL);
  ASSERT_TRUE(EditorShown());
  EXPECT_EQ(grid->InplaceEditor()->Text(), ",");
  Key(VK_ESCAPE);
  Go(3, 3);
  Driver.Type(".");  // the main keyboard's point stays a point
  EXPECT_EQ(grid->InplaceEditor()->Text(), ".");
  Key(VK_ESCAPE);
  FormatSettings = saved;
}

TEST_F(CellKeysTest, BlinkingTurnsWithTheGridTimer) {
  grid->SetCells(2, 2, "<blink>x</blink>");
  bool phase = grid->GridBlink();
  Driver.Advance(500);
  EXPECT_EQ(grid->GridBlink(), phase);  // off: no phase change
  grid->SetEnableBlink(true);
  Driver.Advance(500);
  EXPECT_NE(grid->GridBlink(), phase);
  Driver.Advance(500);
  EXPECT_EQ(grid->GridBlink(), phase);
}

struct TRadioGroupCase {
  int XOfs;
  int Expected;  // -1: no option hit
};

// Options "A" and "B" side by side; each spans its text width plus the gap.
TEST_F(CellKeysTest, ClickRadioGroupHitsTheOptionStrictlyInsideItsSpan) {
  Options({goEditing});
  TStrings* options = grid->CreateRadio(2, 3, 1, 0);
  options->Add("A");
  options->Add("B");
  grid->SetCells(2, 3, "");
  grid->Canvas()->Font()->Assign(grid->Font());
  int gap = grid->ControlLook()->ControlStyle() == csClassic || grid->ControlLook()->ControlStyle() == csFlat
                ? grid->ControlLook()->RadioSize()
                : 16;
  int endA = grid->Canvas()->TextWidth("A") + gap;
  const TRadioGroupCase cases[] = {{1, 0}, {endA - 1, 0}, {endA, -1}, {endA + 1, 1}};
  for (const TRadioGroupCase& c : cases) {
    SCOPED_TRACE(c.XOfs);
    grid->SetRadioIdx(2, 3, 5);
    int reported = -2;
    grid->OnRadioClick = [&](TObject*, int, int, int i) { reported = i; };
    grid->ClickRadioGroup(2, 3, c.XOfs, 5);
    int idx = -1;
    grid->GetRadioIdx(2, 3, idx);
    EXPECT_EQ(idx, c.Expected == -1 ? 5 : c.Expected);
    EXPECT_EQ(reported, c.Expected == -1 ? -2 : c.Expected);
  }
}

// The headers light the current cell's column and row: moving the cursor
// repaints the headers it leaves and the ones it reaches.
TEST_F(CellKeysTest, TheActiveCellHeadersFollowTheCursor) {
  grid->SetActiveCellShow(true);
  grid->SetActiveCellColor(clRed);
  grid->SetActiveCellColorTo(clRed);
  Go(2, 2);
  auto rowHeaderLit = [&](int r) { return Driver.PixelAt(grid, 5, 24 * r + 12) == clRed; };
  auto colHeaderLit = [&](int c) { return Driver.PixelAt(grid, 64 * c + 5, 12) == clRed; };
  EXPECT_TRUE(rowHeaderLit(2));
  EXPECT_TRUE(colHeaderLit(2));
  Key(VK_DOWN);
  Key(VK_RIGHT);
  EXPECT_FALSE(rowHeaderLit(2));
  EXPECT_FALSE(colHeaderLit(2));
  EXPECT_TRUE(rowHeaderLit(3));
  EXPECT_TRUE(colHeaderLit(3));
}

// A header sort moves the rows; the controls kept in their cells go with them.
TEST_F(CellKeysTest, ACellControlStaysOverItsCellThroughAHeaderSort) {
  grid->RealSorts = true;
  grid->SortSettings()->SetShow(true);
  for (int r = 1; r < 8; ++r) grid->SetCells(1, r, std::string(1, char('h' - r)));
  auto* edit = new TEdit(form);
  grid->SetCellControls(2, 1, edit);  // beside "g", which sorts last
  grid->CellControlsUpdate(false);
  ClickCell(1, 0);
  ASSERT_EQ(grid->Cells(1, 7), "g");
  EXPECT_EQ(grid->CellControls(2, 7), edit);
  const TRect r = grid->CellRect(2, 7);
  EXPECT_EQ(edit->Top(), r.Top - 1);
  EXPECT_TRUE(edit->Visible());
}

}  // namespace
