// The two hooks a formula-entering descendant builds on: a left click on a
// cell, and the in-place editor telling whether its text starts with "=".

#include "grid/core/GridCoreFixture.h"

#include <vector>

namespace {

class FormulaGrid : public TExtStringGrid {
public:
  using TExtStringGrid::TExtStringGrid;
  int Clicks = 0;
  std::vector<bool> Modes;

protected:
  void FormulaCellClick() override { ++Clicks; }
  void FormulaModeChanged(bool Active) override { Modes.push_back(Active); }
};

using FormulaHooks = GridCoreTestOf<FormulaGrid>;

TEST_F(FormulaHooks, LeftClicksAndTheEditorsLeadingEqualsSignReachTheHooks) {
  grid->SetBounds(0, 0, 400, 200);
  grid->SetColCount(3);
  grid->SetRowCount(4);
  grid->SetOptions(grid->Options() + TGridOptions{goEditing});
  Driver.Focus(grid);
  const TRect cell = grid->CellRect(1, 1);
  Driver.RightClick(grid, cell.Left + 5, cell.Top + 5);
  EXPECT_EQ(grid->Clicks, 0);
  Driver.Click(grid, cell.Left + 5, cell.Top + 5);
  EXPECT_EQ(grid->Clicks, 1);

  Driver.Type("=1");
  ASSERT_FALSE(grid->Modes.empty());
  EXPECT_TRUE(grid->Modes.back());
  Driver.KeyDown(VK_HOME);
  Driver.KeyDown(VK_DELETE);
  ASSERT_FALSE(grid->Modes.empty());
  EXPECT_FALSE(grid->Modes.back());
}

}  // namespace
