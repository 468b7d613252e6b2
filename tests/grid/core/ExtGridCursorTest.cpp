// The cursor hook decides the shape for one mouse position: the grid shows
// it there and leaves no screen-wide cursor behind.

#include "tests/grid/core/GridCoreFixture.h"

TEST_F(ExtGridTest, CellCursorIsShownOnlyOverItsCell) {
  for (int c = 0; c < grid->ColCount(); ++c) grid->SetColWidths(c, 50);
  grid->HideColumn(1);
  int askedCol = -1;
  grid->OnGetCellCursor = [&](TObject*, int ACol, int, int, int, TCursor& ACursor) {
    askedCol = ACol;
    if (ACol == 2) ACursor = crHandPoint;
  };
  const std::string hand = CursorName(Screen->Cursors(crHandPoint));
  // Displayed column 1 is real column 2 once real column 1 is hidden.
  Driver.MouseMove(grid, 75, 35);
  EXPECT_EQ(askedCol, 2);
  ASSERT_FALSE(Driver.CursorsSet().empty());
  EXPECT_EQ(Driver.CursorsSet().back(), hand);
  EXPECT_EQ(Screen->Cursor(), crDefault);
  Driver.MouseMove(grid, 125, 35);
  EXPECT_EQ(askedCol, 3);
  EXPECT_NE(Driver.CursorsSet().back(), hand);
  EXPECT_EQ(Screen->Cursor(), crDefault);
}
