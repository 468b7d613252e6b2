// A spin column's minimum, maximum and step reach the spin editor of its cells.

#include <gtest/gtest.h>

#include "grid/editing/GridSpin.h"
#include "tests/grid/editing/GridEditFixture.h"

namespace {

using ColumnSpinLimits = GridEditTest;

TEST_F(ColumnSpinLimits, PageAndEndKeysStayWithinTheColumnsLimits) {
  TGridColumnItem* c = grid->Columns()->Items(TextCol);
  c->SetEditor(edSpinEdit);
  c->SetSpinMin(2);
  c->SetSpinMax(20);
  c->SetSpinStep(5);
  grid->SetCells(TextCol, 1, "10");
  GoTo(TextCol, 1);
  Driver.PressKey(VK_F2);
  TGridSpin* s = grid->SpinEdit();
  ASSERT_TRUE(s->Visible());
  EXPECT_EQ(s->MinValue(), 2);
  EXPECT_EQ(s->MaxValue(), 20);
  EXPECT_EQ(s->Increment(), 5);
  struct Step {
    uint16_t key;
    int value;
  };
  const Step steps[] = {{VK_PRIOR, 15}, {VK_PRIOR, 20}, {VK_PRIOR, 20}, {VK_NEXT, 15}, {VK_END, 2}, {VK_NEXT, 2},
                        {VK_HOME, 20}};
  for (const Step& st : steps) {
    Driver.PressKey(st.key);
    EXPECT_EQ(s->Value(), st.value) << "key " << st.key;
  }
  Driver.PressKey(VK_RETURN);
  EXPECT_EQ(grid->Cells(TextCol, 1), "20");
}

}  // namespace
