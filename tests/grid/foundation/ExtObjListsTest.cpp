#include "grid/foundation/ExtObj.h"

#include <gtest/gtest.h>

#include "toolkit/rtl/Exceptions.h"

namespace {

// Counts the change reports and checks that they carry the list's cell.
struct TChangeCounter {
  int Count = 0;
  void Attach(TIntList& l, int col, int row) {
    l.OnChange = [this, &l, col, row](TObject* Sender, int ACol, int ARow) {
      EXPECT_EQ(Sender, &l);
      EXPECT_EQ(ACol, col);
      EXPECT_EQ(ARow, row);
      ++Count;
    };
  }
};

TEST(TIntList, ChangesAreReportedWithTheCell) {
  TIntList l(4, 7);
  TChangeCounter changes;
  changes.Attach(l, 4, 7);
  l.Add(3);
  l.Add(-1);
  l.Add(12);
  EXPECT_EQ(changes.Count, 3);
  EXPECT_EQ(l.StrValue(), "3,-1,12");
  l.Insert(0, 99);
  EXPECT_EQ(changes.Count, 3);  // Insert is silent
  l.SetInteger(0, 98);
  EXPECT_EQ(changes.Count, 4);
  l.DeleteValue(1000);
  EXPECT_EQ(changes.Count, 4);  // absent: nothing deleted, nothing reported
  l.DeleteValue(-1);
  EXPECT_EQ(changes.Count, 5);
  EXPECT_EQ(l.StrValue(), "98,3,12");
  EXPECT_TRUE(l.HasValue(12));
  EXPECT_FALSE(l.HasValue(-1));
  l.Delete(0);
  EXPECT_EQ(changes.Count, 6);
  EXPECT_EQ(l.GetInteger(0), 3);
}

TEST(TIntList, StrValueReadsCommaText) {
  TIntList l(0, 0);
  EXPECT_EQ(l.StrValue(), "");
  l.Add(1);
  TChangeCounter changes;
  changes.Attach(l, 0, 0);
  l.SetStrValue("4, 5");
  EXPECT_EQ(l.StrValue(), "4,5");
  EXPECT_EQ(changes.Count, 2);
  l.SetStrValue("\"7\" -2");
  EXPECT_EQ(l.StrValue(), "7,-2");
  EXPECT_THROW(l.SetStrValue("1,x,3"), EConvertError);
  EXPECT_EQ(l.StrValue(), "1");  // the integers before the bad item stay
}

TEST(TIntList, BadIndexRaisesTheListError) {
  TIntList l(0, 0);
  l.Add(1);
  EXPECT_THROW(l.GetInteger(1), EListError);
  EXPECT_THROW(l.SetInteger(-1, 0), EListError);
  EXPECT_THROW(l.Delete(5), EListError);
  EXPECT_THROW(l.Insert(3, 0), EListError);
}

TEST(TSortIndexList, DirectionBitAndColumns) {
  TSortIndexList s;
  s.AddIndex(2, true);
  s.AddIndex(5, false);
  EXPECT_EQ(s.FindIndex(5), 1);
  EXPECT_EQ(s.FindIndex(7), -1);
  EXPECT_TRUE(s.GetSortDirections(0));
  EXPECT_FALSE(s.GetSortDirections(1));
  EXPECT_EQ(s.GetSortColumns(1), 5);
  const int before = s.GetInteger(1);
  s.ToggleIndex(5);
  EXPECT_TRUE(s.GetSortDirections(1));
  s.ToggleIndex(5);
  EXPECT_EQ(s.GetInteger(1), before);
  s.ToggleIndex(9);  // absent: nothing
  s.SetSortColumns(1, 6);
  EXPECT_EQ(s.GetSortColumns(1), 6);
  EXPECT_FALSE(s.GetSortDirections(1));
  s.SetSortDirections(1, true);
  EXPECT_TRUE(s.GetSortDirections(1));
  EXPECT_EQ(s.GetSortColumns(1), 6);
}

struct TSortTextCase {
  const char* Load;
  const char* Saved;
};

TEST(TSortIndexList, TextFormTable) {
  const TSortTextCase cases[] = {
      {"u2;d5", "u2;d5"},
      {"U2", "d2"},           // only a lower-case u is ascending
      {";;u3;", "u3"},
      {"x", ""},              // a part shorter than two characters is skipped
      {"", ""},
      {"u70000", "u70000"},   // all column bits survive
      {"u 12", "u12"},
      {"u12x", "u12"},        // digits before the first bad character
      {"d-7x", "d7"},         // ... without the sign
      {"uabc", "u0"},
  };
  for (const auto& c : cases) {
    TSortIndexList s;
    s.AddIndex(1, true);
    s.LoadFromString(c.Load);
    EXPECT_EQ(s.SaveToString(), c.Saved) << c.Load;
  }
  TSortIndexList big;
  big.AddIndex(0x7FFFFFFF, false);
  EXPECT_EQ(big.SaveToString(), "d2147483647");
}

}  // namespace
