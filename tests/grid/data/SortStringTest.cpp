#include "grid/data/SortString.h"

#include <gtest/gtest.h>

#include "toolkit/rtl/Exceptions.h"

namespace {

TEST(SortString, ReadsEveryForm) {
  struct Case {
    const char* Text;
    bool Indexed;
    TSortDirection Direction;
    std::optional<int> Column;
    const char* IndexText;
  } cases[] = {
      {"u2", false, sdAscending, 2, ""},
      {"d3", false, sdDescending, 3, ""},
      {"u-1", false, sdAscending, -1, ""},
      {"i;u1;d4", true, sdAscending, std::nullopt, "u1;d4"},
      {"i;", true, sdAscending, std::nullopt, ""},
      // No column after the letter: the direction holds, the column is left.
      {"dx", false, sdDescending, std::nullopt, ""},
      {"u3x", false, sdAscending, std::nullopt, ""},
      {"d-2", false, sdDescending, std::nullopt, ""},
      {"x3", false, sdDescending, 3, ""},
  };
  for (const auto& c : cases) {
    auto parsed = ParseSortSpecifier(c.Text);
    ASSERT_TRUE(parsed) << c.Text;
    EXPECT_EQ(parsed->Indexed, c.Indexed) << c.Text;
    EXPECT_EQ(parsed->Direction, c.Direction) << c.Text;
    EXPECT_EQ(parsed->Column, c.Column) << c.Text;
    EXPECT_EQ(parsed->IndexText, c.IndexText) << c.Text;
  }
  EXPECT_FALSE(ParseSortSpecifier(""));
}

TEST(SortString, RejectsASingleCharacter) {
  for (const char* bad : {"u", "d", "x"}) EXPECT_THROW(ParseSortSpecifier(bad), Exception) << bad;
}

}  // namespace
