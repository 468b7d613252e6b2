#pragma once
// Tables of row-rule cases for the table editors: the rows of a table, the
// first row expected to fail (0 when the table passes) and its message.

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "base/ULanguage.h"
#include "editors/UTableCheck.h"
#include "tests/editors/TableCells.h"

struct TRuleCase {
  const char* Name;
  std::vector<TRowTexts> Rows;
  int Row;      // failing row, 0 when the table passes
  int Message;  // string index or Msg_ value
};

inline void PrintTo(const TRuleCase& c, std::ostream* os) { *os << c.Name; }

class RulesTest : public ::testing::TestWithParam<TRuleCase> {
protected:
  void SetUp() override { Load_Default_Lang(); }
  void TearDown() override { Lang_Strings.clear(); }
};

// The rules of one editor run over the case's rows.
template <TTableLayout (*Layout)(), TTableCheck (*Check)(const TTableCells&)>
class EditorRules : public RulesTest {
protected:
  void Expect_Case() {
    const TRuleCase& c = GetParam();
    TTableCheck r = Check(Make_Cells(Layout(), c.Rows));
    EXPECT_EQ(r.Row, c.Row) << r.Text;
    EXPECT_EQ(r.Message, c.Message) << r.Text;
  }
};

// Row with column Col (from 1) replaced by Text.
inline TRowTexts With(TRowTexts Row, int Col, std::string Text) {
  Row[size_t(Col - 1)] = std::move(Text);
  return Row;
}

inline std::vector<TRowTexts> Times(const TRowTexts& Row, int Count) {
  return std::vector<TRowTexts>(size_t(Count), Row);
}
