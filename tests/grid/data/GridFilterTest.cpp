#include "grid/data/GridFilter.h"

#include <gtest/gtest.h>

#include <map>

#include "toolkit/rtl/SysUtils.h"

namespace {

class GridFilterConditions : public ::testing::Test {
protected:
  void SetUp() override { ResetFormatSettings(); }
  TFilter filter{nullptr};
};

// One row: column -> text; fcRow reads all cells, one per line.
bool AcceptsRow(const TFilter& f, const std::map<int, std::string>& row) {
  return f.Accepts([&](const TFilterData& d) {
    if (d.Data() == fcRow) {
      std::string all;
      for (const auto& [c, t] : row) all += t + "\n";
      return all;
    }
    auto it = row.find(d.Column());
    return it == row.end() ? std::string() : it->second;
  });
}

TEST_F(GridFilterConditions, OneConditionTable) {
  struct Case {
    TFilterCells Data;
    TFilterMethod Method;
    const char* Condition;
    const char* Prefix;
    const char* Suffix;
    bool CaseSensitive;
    const char* Text;
    bool Match;
  } cases[] = {
      {fcVirtual, fmExpression, "", "", "", true, "anything", true},
      {fcVirtual, fmExpression, "*ta*", "", "", true, "delta", true},
      {fcVirtual, fmExpression, "*ta*", "", "", true, "DELTA", false},
      {fcVirtual, fmExpression, "*ta*", "", "", false, "DELTA", true},
      {fcVirtual, fmExpression, "12", "", "kg", true, "12kg", true},
      {fcVirtual, fmExpression, "*of 12", "", "kg", true, "5kg of 12kg", false},  // suffix not at its first place
      {fcVirtual, fmExpression, "=5", "$", "", true, "$5", true},
      {fcVirtual, fmLiteral, "a*", "", "", true, "a*", true},
      {fcVirtual, fmLiteral, "a*", "", "", true, "ab", false},
      {fcVirtual, fmContains, "a*b", "", "", false, "xA*By", true},
      {fcVirtual, fmContains, "<1", "", "", true, "0", false},
      {fcVirtual, fmExpression, "abc", "", "", true, "  abc\t", true},  // trimmed first
      {fcRow, fmExpression, "ab", "", "", true, "xAB\ny\n", true},
      {fcRow, fmExpression, "a*", "", "", true, "abc\n", false},  // a plain substring
  };
  for (const auto& c : cases) {
    TFilterData* d = filter.Add();
    d->SetData(c.Data);
    d->SetMethod(c.Method);
    d->SetCondition(c.Condition);
    d->SetPrefix(c.Prefix);
    d->SetSuffix(c.Suffix);
    d->SetCaseSensitive(c.CaseSensitive);
    EXPECT_EQ(d->Matches(c.Text), c.Match) << c.Condition << " / " << c.Text;
  }
}

TEST_F(GridFilterConditions, AddGivesTheFirstItemNoneAndLaterOnesAnd) {
  EXPECT_EQ(filter.Add()->Operation(), foNONE);
  EXPECT_EQ(filter.Add()->Operation(), foAND);
  EXPECT_EQ(filter.Insert(0)->Operation(), foSHORT);
  EXPECT_EQ(filter.Count(), 3);
}

TEST_F(GridFilterConditions, ColumnFilterFindsOrMakesAndRemoveTakesEveryItemOfTheColumn) {
  TFilterData* a = filter.ColumnFilter(2);
  EXPECT_EQ(filter.ColumnFilter(2), a);
  filter.Add()->SetColumn(3);
  filter.Add()->SetColumn(2);
  int removed = -1;
  filter.OnColumnRemoved = [&](int c) { removed = c; };
  filter.RemoveColumnFilter(2);
  EXPECT_EQ(filter.Count(), 1);
  EXPECT_FALSE(filter.HasFilter(2));
  EXPECT_TRUE(filter.HasFilter(3));
  EXPECT_EQ(removed, 2);
}

TEST_F(GridFilterConditions, AssignCopiesTheMethod) {
  TFilterData* a = filter.Add();
  a->SetMethod(fmLiteral);
  a->SetCondition("x");
  a->SetColumn(4);
  TFilterData* b = filter.Add();
  b->Assign(a);
  EXPECT_EQ(b->Method(), fmLiteral);
  EXPECT_EQ(b->Condition(), "x");
  EXPECT_EQ(b->Column(), 4);
}

// x (column 3), AND a, OR b (column 1) selects (x and a) or b: an OR never
// binds to the condition before it first, whatever its column.
TEST_F(GridFilterConditions, ConditionsOfOneColumnJoinLeftToRightLikeAnyOther) {
  TFilterData* x = filter.Add();
  x->SetColumn(3);
  x->SetCondition("x");
  TFilterData* a = filter.Add();
  a->SetColumn(1);
  a->SetCondition("a");
  TFilterData* b = filter.Add();
  b->SetColumn(1);
  b->SetCondition("b");
  b->SetOperation(foOR);
  EXPECT_TRUE(AcceptsRow(filter, {{1, "a"}, {3, "x"}}));
  EXPECT_TRUE(AcceptsRow(filter, {{1, "b"}, {3, "x"}}));
  EXPECT_TRUE(AcceptsRow(filter, {{1, "b"}, {3, "y"}}));
  EXPECT_FALSE(AcceptsRow(filter, {{1, "a"}, {3, "y"}}));
  EXPECT_FALSE(AcceptsRow(filter, {{1, "c"}, {3, "x"}}));
}

TEST_F(GridFilterConditions, OperationsJoinLeftToRight) {
  struct Case {
    TFilterOperation First, Second;
    bool A, B;  // whether the row meets condition 1 and 2
    bool Accepted;
  } cases[] = {
      {foNONE, foAND, true, false, false}, {foNONE, foAND, true, true, true},
      {foNONE, foOR, false, true, true},   {foNONE, foXOR, true, true, false},
      {foNONE, foXOR, false, true, true},  {foOR, foAND, false, true, true},  // a leading OR accepts all
  };
  for (const auto& c : cases) {
    TFilter f(nullptr);
    TFilterData* one = f.Add();
    one->SetColumn(0);
    one->SetCondition("1");
    one->SetOperation(c.First);
    TFilterData* two = f.Add();
    two->SetColumn(1);
    two->SetCondition("1");
    two->SetOperation(c.Second);
    EXPECT_EQ(AcceptsRow(f, {{0, c.A ? "1" : "0"}, {1, c.B ? "1" : "0"}}), c.Accepted)
        << c.First << c.Second << c.A << c.B;
  }
}

TEST_F(GridFilterConditions, AFailingShortConditionStopsTheEvaluation) {
  TFilterData* one = filter.Add();
  one->SetOperation(foSHORT);
  one->SetColumn(0);
  one->SetCondition("1");
  TFilterData* two = filter.Add();
  two->SetOperation(foOR);
  two->SetColumn(1);
  two->SetCondition("1");
  int asked = 0;
  bool accepted = filter.Accepts([&](const TFilterData& d) {
    ++asked;
    return std::string(d.Column() == 0 ? "0" : "1");
  });
  EXPECT_FALSE(accepted);
  EXPECT_EQ(asked, 1);
}

}  // namespace
