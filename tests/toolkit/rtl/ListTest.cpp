#include "toolkit/rtl/List.h"

#include <gtest/gtest.h>

#include "toolkit/rtl/Exceptions.h"

namespace {
int a = 1, b = 2, c = 3;
}

TEST(List, AddInsertDeleteIndexOf) {
  TList l;
  EXPECT_EQ(l.Add(&a), 0);
  EXPECT_EQ(l.Add(&c), 1);
  l.Insert(1, &b);
  l.Insert(3, nullptr);  // Insert at Count appends
  EXPECT_EQ(l.Count(), 4);
  EXPECT_EQ(l.IndexOf(&b), 1);
  EXPECT_EQ(l.Remove(&b), 1);
  EXPECT_EQ(l.Remove(&b), -1);
  l.Pack();
  EXPECT_EQ(l.Count(), 2);
  EXPECT_EQ(l.Last(), &c);
}

TEST(List, IndexErrorsCarryTheIndex) {
  TList l;
  l.Add(&a);
  try {
    l.Items(5);
    FAIL();
  } catch (const EListError& e) {
    EXPECT_EQ(e.Message(), "List index out of bounds (5)");
  }
  EXPECT_THROW(l.Delete(-1), EListError);
  EXPECT_THROW(l.Insert(2, &b), EListError);
  EXPECT_THROW(l.Exchange(0, 1), EListError);
  EXPECT_THROW(l.SetCount(-1), EListError);
}

TEST(List, ExchangeMoveSort) {
  TList l;
  l.Add(&c);
  l.Add(&a);
  l.Add(&b);
  l.Exchange(0, 2);  // b a c
  EXPECT_EQ(l[0], &b);
  l.Move(0, 2);      // a c b
  EXPECT_EQ(l[0], &a);
  EXPECT_EQ(l[2], &b);
  l.Sort([](void* x, void* y) { return *static_cast<int*>(x) - *static_cast<int*>(y); });
  EXPECT_EQ(l[0], &a);
  EXPECT_EQ(l[1], &b);
  EXPECT_EQ(l[2], &c);
}
