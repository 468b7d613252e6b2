// Cell objects of the string grid: one object per cell, ownership, the
// operations that act only on their own kind, check boxes, radio buttons and
// groups, and the typed views of cell text.

#include <string>

#include "grid/core/CellGraphic.h"
#include "grid/core/ExtCGrid.h"
#include "grid/core/ExtGrid.h"
#include "grid/foundation/BaseGrid.h"
#include "toolkit/graphics/Picture.h"
#include "toolkit/rtl/Exceptions.h"
#include "tests/grid/core/GridCoreFixture.h"

namespace {

class CellObjectsTest : public ExtGridTest {};

TEST_F(CellObjectsTest, DataCheckBoxKeepsAKnownTextAndWritesAnUnknownOne) {
  grid->SetCells(1, 1, "N");
  grid->AddCheckBox(1, 1, true, true);
  EXPECT_EQ(grid->Cells(1, 1), "N");
  EXPECT_FALSE(grid->IsChecked(1, 1));
  grid->AddCheckBox(2, 1, true, true);
  EXPECT_EQ(grid->Cells(2, 1), "Y");
  grid->SetCells(2, 1, "y");
  EXPECT_FALSE(grid->IsChecked(2, 1));  // exact comparison
}

TEST_F(CellObjectsTest, AddingOutsideTheGridIsRefused) {
  int cols = grid->ColCount(), rows = grid->RowCount();
  for (auto [c, r] : {std::pair{-1, 1}, {1, -1}, {cols, 1}, {1, rows}})
    EXPECT_THROW(grid->AddCheckBox(c, r, true, false), Exception) << c << "," << r;
  EXPECT_THROW(grid->AddRadioButton(-1, 0, true), Exception);
}

TEST_F(CellObjectsTest, ThreeStateBoxCyclesAndReportsFalse) {
  grid->AddCheckBox(1, 1, cbUnchecked);
  std::vector<bool> reported;
  grid->OnCheckBoxChange = [&](TObject*, int, int, bool s) { reported.push_back(s); };
  TCheckBoxState s = cbChecked;
  for (TCheckBoxState expected : {cbGrayed, cbChecked, cbUnchecked}) {
    grid->ToggleCheckBox(1, 1);
    ASSERT_TRUE(grid->GetCheckBoxState(1, 1, s));
    EXPECT_EQ(s, expected);
  }
  EXPECT_EQ(reported, (std::vector<bool>{false, false, false}));
  grid->SetCheckBoxState(1, 1, cbGrayed);
  bool b = false;
  EXPECT_TRUE(grid->GetCheckBoxState(1, 1, b));  // the Boolean reading always answers
  EXPECT_TRUE(b);
}

// A group of rows 2..4 under node row 1 and a loose row 5; column 1 holds
// the boxes, a three-state one on the node.
class GroupCheckTest : public CellObjectsTest {
protected:
  void SetUp() override {
    CellObjectsTest::SetUp();
    grid->SetRowCount(7);
    grid->AddNode(1, 4);
    grid->AddCheckBox(1, 1, cbUnchecked);
    for (int r = 2; r <= 5; ++r) grid->AddCheckBox(1, r, false, false);
    grid->Grouping()->SetAutoCheckGroup(true);
  }
  TCheckBoxState nodeState() {
    TCheckBoxState s = cbGrayed;
    EXPECT_TRUE(grid->GetCheckBoxState(1, 1, s));
    return s;
  }
  std::string rows() {
    std::string s;
    for (int r = 2; r <= 5; ++r) s += grid->IsChecked(1, r) ? '1' : '0';
    return s;
  }
};

TEST_F(GroupCheckTest, NodeBoxChecksItsRowsAndShowsTheirStates) {
  grid->ToggleCheckBox(1, 1);
  EXPECT_EQ(nodeState(), cbChecked);
  EXPECT_EQ(rows(), "1110");  // row 5 is outside the group
  grid->ToggleCheckBox(1, 3);
  EXPECT_EQ(nodeState(), cbGrayed);
  grid->ToggleCheckBox(1, 3);
  EXPECT_EQ(nodeState(), cbChecked);
  grid->ToggleCheckBox(1, 1);  // a checked node unchecks all
  EXPECT_EQ(rows(), "0000");
  grid->ToggleCheckBox(1, 2);
  EXPECT_EQ(nodeState(), cbGrayed);
  grid->ToggleCheckBox(1, 1);  // grayed goes to checked, never grayed by a click
  EXPECT_EQ(nodeState(), cbChecked);
  EXPECT_EQ(rows(), "1110");
  grid->ToggleCheckBox(1, 5);  // a loose row leaves the node alone
  EXPECT_EQ(nodeState(), cbChecked);
}

TEST_F(GroupCheckTest, ContractedNodeChecksItsHiddenRowsAndNoOthers) {
  grid->ContractNode(1);
  ASSERT_EQ(grid->RowCount(), 4);
  grid->ToggleCheckBox(1, 1);
  grid->ExpandNode(1);
  EXPECT_EQ(rows(), "1110");
}

TEST_F(GroupCheckTest, AHiddenRowsBoxIsReachedByItsRealRow) {
  grid->ContractNode(1);  // real rows 2..4 hidden; real row 5 shows as row 2
  EXPECT_TRUE(grid->SetCheckBoxState(1, 3, true));
  bool b = false;
  EXPECT_TRUE(grid->GetCheckBoxState(1, 3, b));
  EXPECT_TRUE(b);
  EXPECT_TRUE(grid->GetCheckBoxState(1, 5, b));
  EXPECT_FALSE(b);  // the row now shown where the hidden one stood is untouched
  grid->ExpandNode(1);
  EXPECT_EQ(rows(), "0100");
}

TEST_F(GroupCheckTest, WithoutAutoCheckTheNodeBoxCyclesAlone) {
  grid->Grouping()->SetAutoCheckGroup(false);
  grid->ToggleCheckBox(1, 1);
  EXPECT_EQ(nodeState(), cbGrayed);
  EXPECT_EQ(rows(), "0000");
}

// A check-box column leaves summary rows bare and gives node rows a
// three-state box, so checking a node goes on to check its rows.
TEST_F(CellObjectsTest, CheckBoxColumnSkipsSummariesAndGivesNodesThreeStateBoxes) {
  grid->SetRowCount(7);
  grid->AddNode(1, 3);
  grid->MarkSummaryRow(4);
  grid->AddCheckBoxColumn(2, false, false);
  EXPECT_FALSE(grid->HasCheckBox(2, 0)) << "the fixed row";
  EXPECT_EQ(grid->GetCellType(2, 1), ctTriStateCheckBox);
  EXPECT_EQ(grid->GetCellType(2, 2), ctCheckBox);
  EXPECT_FALSE(grid->HasCheckBox(2, 4));
  EXPECT_EQ(grid->GetCellType(2, 5), ctCheckBox);
  grid->Grouping()->SetAutoCheckGroup(true);
  grid->ToggleCheckBox(2, 1);
  EXPECT_TRUE(grid->IsChecked(2, 2));
  EXPECT_TRUE(grid->IsChecked(2, 3));
  EXPECT_FALSE(grid->IsChecked(2, 5));
}

TEST_F(CellObjectsTest, OnlyTextBackedBoxesRecordUndo) {
  DIreViziDidiVura undo(form);
  grid->SetUndoRedo(&undo);
  grid->AddCheckBox(1, 1, false, false);
  grid->ToggleCheckBox(1, 1);
  EXPECT_EQ(undo.Items().Count(), 0);
  grid->AddCheckBox(2, 1, false, true);
  grid->ToggleCheckBox(2, 1);
  ASSERT_EQ(undo.Items().Count(), 1);
  EXPECT_EQ(undo.Items().Items(0).OrigValue, "N");
  EXPECT_EQ(undo.Items().Items(0).Value, "Y");
  grid->SetUndoRedo(nullptr);
}

TEST_F(CellObjectsTest, CreatedObjectsGoWithTheCellAddedOnesStay) {
  TPicture* created = grid->CreatePicture(1, 1, false, noStretch, 0, haLeft, vaTop);
  EXPECT_EQ(grid->GetPicture(1, 1), created);
  grid->RemovePicture(1, 1);  // freed with the graphic (the sanitizer sees a leak otherwise)
  EXPECT_FALSE(grid->HasPicture(1, 1));
  TPicture mine;
  grid->AddPicture(1, 1, &mine, false, noStretch, 0, haLeft, vaTop);
  grid->RemovePicture(1, 1);
  EXPECT_EQ(mine.Width(), 0);  // still alive and the caller's
}

TEST_F(CellObjectsTest, OneObjectPerCellAndOperationsKeepToTheirKind) {
  grid->AddCheckBox(1, 1, true, false);
  grid->AddComment(1, 1, "note");
  EXPECT_FALSE(grid->HasCheckBox(1, 1));
  EXPECT_EQ(grid->GetComment(1, 1), "note");

  grid->AddButton(2, 1, 40, 18, "Go", haLeft, vaTop);
  grid->SetComment(2, 1, "x");
  EXPECT_TRUE(grid->HasButton(2, 1));
  EXPECT_EQ(grid->GetComment(2, 1), "");

  grid->AddCheckBox(3, 1, true, false);
  grid->SetButtonText(3, 1, "B");
  grid->PushButton(3, 1, false);
  grid->SetRotated(3, 1, 90);
  EXPECT_EQ(grid->GetCellType(3, 1), ctCheckBox);
  EXPECT_TRUE(grid->IsChecked(3, 1));
  EXPECT_FALSE(grid->SetRadioIdx(3, 1, 2));

  grid->AddProgress(4, 1, clRed, clWhite);
  grid->AddMarker(4, 1, 1, 2);  // markers go on empty and text cells only
  int from = -1, len = -1;
  grid->GetMarker(4, 1, from, len);
  EXPECT_EQ(from, 0);
  EXPECT_EQ(grid->GetCellGraphic(4, 1)->CellErrLen, 100);
  grid->AddMarker(4, 2, 1, 2);
  grid->GetMarker(4, 2, from, len);
  EXPECT_EQ(from, 1);
  EXPECT_EQ(len, 2);
}

// A bar keeps its colours, text colours, range and format; with
// AutoNumAlign its number is right-justified.
TEST_F(CellObjectsTest, ProgressBarsKeepTheirLookAndRange) {
  grid->SetAutoNumAlign(true);
  grid->AddProgressFormatted(1, 1, clRed, clWhite, clSilver, clBlack, "%d%%", 10, 50);
  TCellGraphic* g = grid->GetCellGraphic(1, 1);
  ASSERT_TRUE(g);
  EXPECT_EQ(g->CellType, ctProgress);
  EXPECT_EQ(g->CellBitmapColor, clRed);
  EXPECT_EQ(g->CellIconColor, clSilver);
  EXPECT_EQ(TColor(g->CellIndex), clWhite);
  EXPECT_EQ(TColor(g->CellAngle), clBlack);
  EXPECT_TRUE(g->CellBoolean);
  EXPECT_EQ(g->CellErrFrom, 10);
  EXPECT_EQ(g->CellErrLen, 50);
  EXPECT_EQ(g->CellText, "%d%%");
  EXPECT_EQ(grid->Alignments(1, 1), taRightJustify);
  grid->AddProgressEx(2, 1, clRed, clWhite, clSilver, clBlack);
  EXPECT_EQ(grid->GetCellGraphic(2, 1)->CellErrLen, 100);
  EXPECT_EQ(grid->GetCellGraphic(2, 1)->CellText, "");
  grid->AddProgress(3, 1, clRed, clSilver);
  EXPECT_FALSE(grid->GetCellGraphic(3, 1)->CellBoolean);
  grid->RemoveMarker(1, 1);  // a bar's range is no marker
  EXPECT_EQ(grid->GetCellGraphic(1, 1)->CellErrLen, 50);
  grid->RemoveProgress(1, 1);
  EXPECT_FALSE(grid->HasProgress(1, 1));
}

TEST_F(CellObjectsTest, MarkersCommentsAndScrollBarsComeAndGoByKind) {
  grid->AddMarker(1, 2, 3, 4);
  EXPECT_EQ(grid->GetCellType(1, 2), ctEmpty);
  grid->RemoveMarker(1, 2);
  EXPECT_EQ(grid->GetCellGraphic(1, 2), nullptr) << "the marker's own graphic goes";
  grid->AddMarker(1, 2, 3, 4);
  grid->AddMarker(2, 3, 1, 1);
  grid->RemoveAllMarkers();
  int from = -1, len = -1;
  grid->GetMarker(2, 3, from, len);
  EXPECT_EQ(from + len, 0);

  grid->AddComment(0, 0, "fixed");
  grid->AddComment(3, 4, "normal");
  grid->AddButton(2, 4, 40, 18, "Go", haLeft, vaTop);
  grid->RemoveAllComments();
  EXPECT_EQ(grid->GetComment(0, 0), "");
  EXPECT_EQ(grid->GetComment(3, 4), "");
  EXPECT_TRUE(grid->HasButton(2, 4));

  grid->AddScrollBar(1, 5, false);
  EXPECT_TRUE(grid->HasScrollBar(1, 5));
  EXPECT_FALSE(grid->HasAutoRangeScrollBar(1, 5));
  grid->SetScrollProp(1, 5, TScrollProp{10, 200});
  grid->SetScrollPosition(1, 5, 7);
  EXPECT_EQ(grid->GetScrollProp(1, 5).Range, 200);
  EXPECT_EQ(grid->GetScrollPosition(1, 5), 7);
  grid->AddScrollBar(2, 5, true);
  EXPECT_TRUE(grid->HasAutoRangeScrollBar(2, 5));
}

TEST_F(CellObjectsTest, NoObjectAnswers) {
  EXPECT_EQ(grid->GetShapeColor(1, 1), clNone);
  EXPECT_EQ(grid->GetScrollPosition(1, 1), -1);
  TScrollProp p = grid->GetScrollProp(1, 1);
  EXPECT_EQ(p.PageSize, -1);
  EXPECT_EQ(p.Range, -1);
  grid->SetCells(1, 2, "text");
  grid->RemoveDataImage(1, 2);  // not a data image: the text stays
  EXPECT_EQ(grid->Cells(1, 2), "text");
}

TEST_F(CellObjectsTest, BalloonAttachesToACheckBox) {
  grid->AddCheckBox(1, 1, false, false);
  grid->AddBalloon(1, 1, "T", "Body", biInfo);
  std::string t, b;
  TBalloonIcon icon = biNone;
  EXPECT_TRUE(grid->IsBalloon(1, 1, t, b, icon));
  EXPECT_EQ(b, "Body");
  EXPECT_FALSE(grid->HasBalloon(1, 1));
  grid->RemoveBalloon(1, 1);
  EXPECT_TRUE(grid->HasCheckBox(1, 1));
  EXPECT_FALSE(grid->IsBalloon(1, 1, t, b, icon));
}

TEST_F(CellObjectsTest, RadioGroupAdvances) {
  TStrings* options = grid->CreateRadio(1, 1, 0, 2);
  for (const char* s : {"A", "B", "C"}) options->Add(s);
  grid->AdvanceRadioGroup(1, 1, false);
  EXPECT_EQ(grid->Cells(1, 1), "A");
  int idx = -1;
  ASSERT_TRUE(grid->GetRadioIdx(1, 1, idx));
  EXPECT_EQ(idx, 0);

  TStrings* byText = grid->CreateRadio(2, 1, 0, -2);
  for (const char* s : {"A", "B", "C"}) byText->Add(s);
  grid->SetCells(2, 1, "B");
  grid->AdvanceRadioGroup(2, 1, false);
  EXPECT_EQ(grid->Cells(2, 1), "C");
  grid->GetRadioIdx(2, 1, idx);
  EXPECT_EQ(idx, -2);

  grid->CreateRadio(3, 1, 0, 0);  // no options: nothing to advance to
  grid->SetCells(3, 1, "keep");
  grid->AdvanceRadioGroup(3, 1, false);
  EXPECT_EQ(grid->Cells(3, 1), "keep");

  EXPECT_TRUE(grid->SetRadioIdx(1, 1, -1));
  EXPECT_EQ(grid->Cells(1, 1), "");
}

TEST_F(CellObjectsTest, RadioButtonsAreExclusiveWhenClicked) {
  grid->SetRowCount(4);
  grid->AddRadioButtonColumn(1);
  grid->ClickRadioButton(1, 1, false);
  grid->ClickRadioButton(1, 3, false);
  EXPECT_EQ(grid->GetRadioButtonColumnIndex(1), 3);
  EXPECT_FALSE(grid->IsRadioButtonChecked(1, 1));
  grid->SetRadioButtonColumnIndex(1, 5);
  EXPECT_EQ(grid->GetRadioButtonColumnIndex(1), -1);
}

TEST_F(CellObjectsTest, TypedValues) {
  grid->SetCells(1, 1, "<b>42</b> ");
  EXPECT_EQ(grid->Ints(1, 1), 42);
  grid->SetCells(1, 1, "-");
  EXPECT_EQ(grid->Ints(1, 1), 0);
  grid->SetCells(1, 1, "4.5");
  EXPECT_THROW(grid->Ints(1, 1), EExtGridError);
  grid->SetFloats(1, 2, 3.14159);
  EXPECT_EQ(grid->Cells(1, 2), "3.14");
  grid->SetCells(2, 3, "12a");
  try {
    grid->CellToReal(2, 3);
    FAIL() << "no error";
  } catch (const EExtGridError& e) {
    EXPECT_EQ(std::string(e.what()), "Error at position: 3 in Cell [2, 3].");
  }
  grid->SetCells(2, 3, "");
  EXPECT_EQ(grid->CellToReal(2, 3), 0);
}

TEST_F(CellObjectsTest, SharedVirtualCheckBoxIsNeverChangedAsACellsOwn) {
  delete grid;
  auto* cg = new TExtColumnGrid(form);
  cg->SetParent(form);
  cg->Columns()->Items(1)->SetEditor(edDataCheckBox);
  TCellGraphic* shared = cg->GetCellGraphic(1, 1);
  ASSERT_NE(shared, nullptr);
  EXPECT_FALSE(cg->SetRadioIdx(1, 1, 3));
  cg->PushButton(1, 1, true);
  EXPECT_FALSE(shared->CellBoolean);
  EXPECT_FALSE(cg->RemoveCellGraphic(1, 1));
  grid = nullptr;
}

}  // namespace
