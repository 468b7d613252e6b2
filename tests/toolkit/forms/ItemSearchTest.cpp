#include "toolkit/forms/models/ItemSearch.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct Items {
  std::vector<std::string> v;
  int Count() const { return static_cast<int>(v.size()); }
  TItemAccessor At() const { return [this](int i) { return v[i]; }; }
};

TEST(ItemSearch, SortedInsertIgnoresCaseAndGoesAfterEquals) {
  Items items{{"alpha", "Beta", "delta"}};
  EXPECT_EQ(SortedInsertIndex(items.Count(), items.At(), "charlie"), 2);
  EXPECT_EQ(SortedInsertIndex(items.Count(), items.At(), "BETA"), 2);
  EXPECT_EQ(SortedInsertIndex(items.Count(), items.At(), "Aardvark"), 0);
  EXPECT_EQ(SortedInsertIndex(items.Count(), items.At(), "zulu"), 3);
  EXPECT_EQ(SortedInsertIndex(0, items.At(), "x"), 0);
}

TEST(ItemSearch, ItemIndexOutOfRangeMeansNone) {
  struct { int value, count, expected; } cases[] = {{0, 3, 0}, {2, 3, 2}, {3, 3, -1}, {-5, 3, -1}, {0, 0, -1}};
  for (auto c : cases) EXPECT_EQ(NormalizeItemIndex(c.value, c.count), c.expected) << c.value;
}

TEST(ItemSearch, PrefixAndExactSearch) {
  Items items{{"Apple", "apricot", "Banana"}};
  EXPECT_EQ(FindItemPrefix(items.Count(), items.At(), "ap"), 0);
  EXPECT_EQ(FindItemPrefix(items.Count(), items.At(), "ap", 1), 1);
  EXPECT_EQ(FindItemPrefix(items.Count(), items.At(), "ap", 2), 0);  // wraps
  EXPECT_EQ(FindItemPrefix(items.Count(), items.At(), "c"), -1);
  EXPECT_EQ(FindItemExact(items.Count(), items.At(), "BANANA"), 2);
  EXPECT_EQ(FindItemExact(items.Count(), items.At(), "Ban"), -1);
}

TEST(ItemSearch, TypeAheadBuildsAPrefixAndCyclesOnRepeats) {
  Items items{{"Bus", "CAN", "Cable", "Config", "Device"}};
  TTypeAhead t;
  int cur = -1;
  cur = t.KeyPress('c', 0, items.Count(), items.At(), cur);
  EXPECT_EQ(cur, 1);
  cur = t.KeyPress('o', 100, items.Count(), items.At(), cur);
  EXPECT_EQ(cur, 3);
  // After a pause the buffer starts again; repeated letters cycle.
  cur = t.KeyPress('c', 5000, items.Count(), items.At(), cur);
  EXPECT_EQ(cur, 3);
  cur = t.KeyPress('c', 5100, items.Count(), items.At(), cur);
  EXPECT_EQ(cur, 1);
  cur = t.KeyPress('c', 5200, items.Count(), items.At(), cur);
  EXPECT_EQ(cur, 2);
  EXPECT_EQ(t.KeyPress('x', 9000, items.Count(), items.At(), cur), -1);
}

TEST(ItemSearch, AutoCompleteSelectsTheAddedPart) {
  Items items{{"Profibus", "J1939"}};
  TAutoComplete a = AutoCompleteText(items.Count(), items.At(), "pro");
  EXPECT_TRUE(a.Found);
  EXPECT_EQ(a.Text, "profibus");
  EXPECT_EQ(a.SelStart, 3);
  EXPECT_EQ(a.SelLength, 5);
  EXPECT_FALSE(AutoCompleteText(items.Count(), items.At(), "x").Found);
  EXPECT_FALSE(AutoCompleteText(items.Count(), items.At(), "").Found);
}

}  // namespace
