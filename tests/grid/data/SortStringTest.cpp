#include "grid/data/SortString.h"

#include <gtest/gtest.h>

#include "toolkit/rtl/Exceptions.h"

namespace {

TEST(SortString, ReadsEveryForm) {
  struct Case {
    const char* Text;
    bool Indexed;
    TSortDirection Direction;
    int Column;
    const char* IndexText;
  } cases[] = {
      {"u2", false, sdAscending, 2, ""},
      {"d3", false, sdDescending, 3, ""},
      {"u-1", false, sdAscending, -1, ""},
      {"i;u1;d4", true, sdAscending, -1, "u1;d4"},
      {"i;", true, sdAscending, -1, ""},
  };
  for (const auto& c : cases) {
    auto spec = ParseSortSpecifier(c.Text);
    ASSERT_TRUE(spec) << c.Text;
    EXPECT_EQ(spec->Indexed, c.Indexed) << c.Text;
    EXPECT_EQ(spec->Direction, c.Direction) << c.Text;
    EXPECT_EQ(spec->Column, c.Column) << c.Text;
    EXPECT_EQ(spec->IndexText, c.IndexText) << c.Text;
  }
  EXPECT_FALSE(ParseSortSpecifier(""));
}

TEST(SortString, RejectsWhatIsNoSortString) {
  for (const char* bad : {"u", "dx", "x3", "u3x", "d-2"})
    EXPECT_THROW(ParseSortSpecifier(bad), Exception) << bad;
}

}  // namespace
