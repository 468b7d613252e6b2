#include "toolkit/rtl/ScopeGuard.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

TEST(ScopeGuard, CleansUpOnReturnAndOnExceptionButNotWhenDismissed) {
  int level = 0;
  auto leave = [&](bool fail, bool dismiss) {
    ++level;
    auto done = MakeScopeGuard([&] { --level; });
    if (dismiss) done.Dismiss();
    if (fail) throw std::runtime_error("fail");
  };
  leave(false, false);
  EXPECT_EQ(level, 0);
  EXPECT_THROW(leave(true, false), std::runtime_error);
  EXPECT_EQ(level, 0);
  leave(false, true);
  EXPECT_EQ(level, 1);
}

// A clean-up may run event handlers: its error reaches the caller after a
// normal exit, while during unwinding the first error is the one kept.
TEST(ScopeGuard, TheFirstErrorIsTheOneTheCallerHears) {
  auto failingCleanUp = [](bool bodyFails) {
    auto done = MakeScopeGuard([] { throw std::logic_error("clean-up"); });
    if (bodyFails) throw std::runtime_error("body");
  };
  EXPECT_THROW(failingCleanUp(false), std::logic_error);
  EXPECT_THROW(failingCleanUp(true), std::runtime_error);
}

}  // namespace
