#include "grid/data/GridCalc.h"

#include <gtest/gtest.h>

namespace {

TEST(GridCalc, AggregatesOverTheCountedValues) {
  TCalcAggregate a;
  for (double v : {1.0, 2.5, -4.0, 8.5}) a.Add(v);
  EXPECT_EQ(a.Count(), 4);
  EXPECT_DOUBLE_EQ(a.Sum(), 8.0);
  EXPECT_DOUBLE_EQ(a.Avg(), 2.0);
  EXPECT_DOUBLE_EQ(a.Min(), -4.0);
  EXPECT_DOUBLE_EQ(a.Max(), 8.5);
  EXPECT_NEAR(a.StdDev(), std::sqrt((1 + 0.25 + 36 + 42.25) / 4.0), 1e-12);
}

TEST(GridCalc, AnEmptyRangeAnswersZero) {
  TCalcAggregate a;
  EXPECT_EQ(a.Avg(), 0);
  EXPECT_EQ(a.Min(), 0);
  EXPECT_EQ(a.Max(), 0);
  EXPECT_EQ(a.StdDev(), 0);
}

TEST(GridCalc, DeviationOfLargeCloseValuesDoesNotCancel) {
  TCalcAggregate a;
  for (double v : {1e9 + 1, 1e9 + 2, 1e9 + 3}) a.Add(v);
  EXPECT_NEAR(a.StdDev(), std::sqrt(2.0 / 3.0), 1e-6);
}

TEST(GridCalc, DistinctIgnoresCaseAndCountsTheEmptyText) {
  TDistinctTexts d;
  for (const char* s : {"Apple", "apple", "Pear", ""}) d.Add(s);
  EXPECT_EQ(d.Count(), 3);
}

}  // namespace
