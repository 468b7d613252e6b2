#include <gtest/gtest.h>

#include "grid/core/ExtGridCellSelection.h"
#include "toolkit/rtl/Exceptions.h"

namespace {
std::vector<TGridCoord> Listed(const TSelectedCellList& L) { return L.Cells(); }
}  // namespace

TEST(SelectedCellList, TogglePicksAndDropsCellsInPickOrder) {
  TSelectedCellList l;
  l.Add(2, 3);                       // plain click on C3
  EXPECT_TRUE(l.Toggle(4, 5));       // Ctrl+click on E5
  EXPECT_FALSE(l.Toggle(2, 3));      // Ctrl+click on C3 again
  EXPECT_EQ(Listed(l), (std::vector<TGridCoord>{{4, 5}}));
  EXPECT_FALSE(l.Contains(2, 3));
  EXPECT_TRUE(l.Contains(4, 5));
}

TEST(SelectedCellList, KeepsColumnsAndRowsBeyondSixteenBits) {
  TSelectedCellList l;
  l.Add(70000, 3);
  l.Add(3, 70000);
  EXPECT_TRUE(l.Contains(70000, 3));
  EXPECT_TRUE(l.Contains(3, 70000));
  EXPECT_FALSE(l.Contains(70000 & 0xFFFF, 3));
  EXPECT_EQ(l.Items(1), (TGridCoord{3, 70000}));
}

TEST(SelectedCellList, ShiftAddsDuplicatesThatRemoveOneAtATime) {
  TSelectedCellList l;
  l.Add(1, 1);
  l.Add(1, 1);
  EXPECT_FALSE(l.AddUnique(1, 1));
  EXPECT_EQ(l.Count(), 2);
  EXPECT_TRUE(l.Remove(1, 1));
  EXPECT_TRUE(l.Contains(1, 1));
  EXPECT_TRUE(l.Remove(1, 1));
  EXPECT_FALSE(l.Contains(1, 1));
  EXPECT_FALSE(l.Remove(1, 1));
}

TEST(SelectedCellList, BadIndexRaisesAndClearEmpties) {
  TSelectedCellList l;
  l.Add(0, 0);
  EXPECT_THROW(l.Items(1), EListError);
  EXPECT_THROW(l.Items(-1), EListError);
  l.Clear();
  EXPECT_TRUE(l.Empty());
  EXPECT_FALSE(l.Contains(0, 0));
}
