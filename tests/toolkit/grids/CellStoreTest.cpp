// The string grid's cell store: texts and objects of a row kept apart, and
// room reserved for a row before it is filled.

#include "toolkit/grids/CellStore.h"

#include <gtest/gtest.h>

#include "toolkit/rtl/Classes.h"

namespace {

// Texts and objects of one row live in two arrays; every way of changing
// a cell keeps the other kind of the same cell and of its neighbours.
TEST(CellStore, TextsAndObjectsOfARowStayPairedThroughChangesAndMoves) {
  TObject a, b;
  TCellStore s;
  s.SetText(3, 0, "three");
  s.SetObject(1, 0, &a);
  s.SetObject(5, 0, &b);
  EXPECT_EQ(s.FilledCount(), 3u);
  s.MoveColumn(5, 0);  // b and the cells from 0 to 4 shift right by one
  EXPECT_EQ(s.Object(0, 0), &b);
  EXPECT_EQ(s.Object(2, 0), &a);
  EXPECT_EQ(s.TextRef(4, 0), "three");
  EXPECT_EQ(s.TextRef(0, 0), "");
  s.MoveColumn(9, 8);  // both beyond the row: nothing moves
  EXPECT_EQ(s.TextRef(4, 0), "three");
  s.SetText(4, 0, "");
  EXPECT_EQ(s.Object(2, 0), &a);
  s.SetObject(0, 0, nullptr);
  s.SetObject(2, 0, nullptr);
  EXPECT_EQ(s.FilledCount(), 0u);
  EXPECT_EQ(s.TakeRow(0), nullptr);  // an emptied row goes whole
}

// Reserving room for a row that does not exist yet makes no row; the row
// made by the next write holds its texts as any other.
TEST(CellStore, ReservingARowMakesNoRowUntilACellIsWritten) {
  TCellStore s;
  s.ReserveRow(2, 10);
  EXPECT_EQ(s.TakeRow(2), nullptr);
  EXPECT_EQ(s.FilledCount(), 0u);
  s.SetText(9, 2, "last");
  s.SetText(0, 2, "first");
  s.ReserveRow(2, 20);  // an existing row keeps its texts
  EXPECT_EQ(s.TextRef(9, 2), "last");
  EXPECT_EQ(s.TextRef(0, 2), "first");
  s.SetText(1, 5, "other row");
  EXPECT_EQ(s.FilledCount(), 3u);
}

}  // namespace
