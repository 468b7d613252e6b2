// Columns whose equal cells merge, and rich text between cells and a rich edit.

#include "tests/grid/core/GridCoreFixture.h"
#include "toolkit/forms/std/RichEdit.h"

TEST_F(ExtGridTest, ListedColumnsMergeTheirRunsAndAChangeMergesAgain) {
  grid->SetRowCount(6);
  const char* texts[] = {"A", "A", "B", "B", "B"};
  for (int r = 1; r <= 5; ++r) {
    grid->SetCells(1, r, texts[r - 1]);
    grid->SetCells(2, r, texts[r - 1]);
  }
  grid->MergedColumns()->Add(1);
  EXPECT_EQ(grid->CellSpan(1, 1).Y, 1) << "adding a column merges it";
  EXPECT_EQ(grid->CellSpan(1, 3).Y, 2);
  EXPECT_FALSE(grid->IsMergedCell(2, 1));
  grid->SplitMergedColumns();
  grid->SetCells(1, 2, "C");  // the run of A is broken
  grid->MergedColumns()->Add(2);  // the change splits and merges every listed column again
  EXPECT_FALSE(grid->IsMergedCell(1, 1));
  EXPECT_EQ(grid->CellSpan(2, 1).Y, 1);
  grid->SplitMergedColumns();
  EXPECT_FALSE(grid->IsMergedCell(2, 3));
  grid->MergeListedColumns();
  EXPECT_EQ(grid->CellSpan(2, 3).Y, 2);
}

TEST_F(ExtGridTest, RichTextTravelsBetweenACellAndARichEdit) {
  auto* rich = new TRichEdit(form);
  rich->SetParent(form);
  rich->SetText("Hello");
  grid->RichToCell(1, 1, rich);
  const std::string rtf = grid->Cells(1, 1);
  EXPECT_EQ(rtf.substr(0, 5), "{\\rtf");
  EXPECT_EQ(grid->RichToString(rich), rtf);
  rich->SetText("other");
  grid->CellToRich(1, 1, rich);
  EXPECT_EQ(rich->Text(), "Hello");
  grid->CellToRich(2, 2, rich);  // an empty cell empties the edit
  EXPECT_EQ(rich->Text(), "");
  int told = 0;
  grid->OnRichEditSelectionChange = [&](TObject* Sender) { told += Sender == grid; };
  grid->DoRichEditSelectionChange();
  EXPECT_EQ(told, 1);
}
