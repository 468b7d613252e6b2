#include "toolkit/rtl/BlockVector.h"

#include <gtest/gtest.h>

#include <random>

// Many inserts and erases at random places must leave the same sequence as
// a plain vector; enough of them to split and drop blocks many times.
TEST(BlockVector, MatchesAPlainVectorUnderRandomEdits) {
  std::mt19937 rng(7);
  TBlockVector<int> bv;
  std::vector<int> ref;
  for (int step = 0; step < 20000; ++step) {
    bool insert = ref.empty() || rng() % 3 != 0;
    if (insert) {
      size_t at = rng() % (ref.size() + 1);
      bv.insert(at, step);
      ref.insert(ref.begin() + static_cast<std::ptrdiff_t>(at), step);
    } else {
      size_t at = rng() % ref.size();
      bv.erase(at);
      ref.erase(ref.begin() + static_cast<std::ptrdiff_t>(at));
    }
    if (step % 997 == 0) {
      ASSERT_EQ(bv.size(), ref.size());
      for (size_t i = 0; i < ref.size(); ++i) ASSERT_EQ(bv[i], ref[i]) << "step " << step << " index " << i;
    }
  }
  std::vector<int> all = bv.takeAll();
  EXPECT_EQ(all, ref);
  EXPECT_TRUE(bv.empty());
  bv.assign(std::move(all));
  EXPECT_EQ(bv.size(), ref.size());
  EXPECT_EQ(bv[ref.size() - 1], ref.back());
  while (!bv.empty()) bv.erase(0);  // drains every block
  bv.insert(0, 5);
  EXPECT_EQ(bv[0], 5);
}
