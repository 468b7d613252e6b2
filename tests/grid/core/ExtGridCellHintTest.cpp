// The hint of the cell under the pointer: the text of every cell or only of
// texts that do not fit, comments, anchors, the application's say, and the
// HTML hint window for HTML texts.

#include <string>

#include "grid/output/HTMLHintWindow.h"
#include "tests/grid/core/InputFixture.h"

namespace {

class CellHintTest : public InputTest {
protected:
  // The hint the grid gives with the pointer at (dx, dy) in cell (c, r).
  THintInfo HintAt(int c, int r, int dx = 10, int dy = 10) {
    THintInfo info;
    info.HintControl = grid;
    TRect rc = grid->CellRect(c, r);
    info.CursorPos = {rc.Left + dx, rc.Top + dy};
    info.HintStr = "control hint";
    grid->Perform(CM_HINTSHOW, 0, reinterpret_cast<LPARAM>(&info));
    return info;
  }
};

TEST_F(CellHintTest, CellsHintTheirTextWithoutTags) {
  grid->SetCells(2, 3, "<b>bold</b> text");
  EXPECT_EQ(HintAt(2, 3).HintStr, "control hint");  // off: the control's own hint
  grid->SetHintShowCells(true);
  grid->SetHintColor(clYellow);
  THintInfo info = HintAt(2, 3);
  EXPECT_EQ(info.HintStr, "bold text");
  EXPECT_EQ(info.HintColor, clYellow);
  EXPECT_EQ(info.HintPos, grid->ClientToScreen(TPoint{grid->CellRect(2, 3).Left + 10, grid->CellRect(2, 3).Top}));
  EXPECT_EQ(info.CursorRect, grid->CellRect(2, 3));  // another cell shows its own hint
  grid->SetHTMLHint(true);
  info = HintAt(2, 3);
  EXPECT_EQ(info.HintStr, "<b>bold</b> text");
  EXPECT_TRUE(static_cast<bool>(info.HintWindowClass));
  EXPECT_EQ(HintAt(2, 0).HintStr, "control hint");  // headers are not normal cells
}

TEST_F(CellHintTest, LargeTextIsHintedOnlyWhenItDoesNotFit) {
  grid->SetHintShowLargeText(true);
  grid->SetCells(2, 3, "short");
  grid->SetCells(3, 3, std::string(40, 'w'));
  EXPECT_EQ(HintAt(2, 3).HintStr, "control hint");
  THintInfo info = HintAt(3, 3);
  EXPECT_EQ(info.HintStr, std::string(40, 'w'));
  EXPECT_EQ(info.HintPos, grid->ClientToScreen(grid->CellRect(3, 3).TopLeft()));
}

TEST_F(CellHintTest, CommentsAnchorsAndTheApplication) {
  grid->AddComment(2, 3, "note");
  THintInfo info = HintAt(2, 3);
  EXPECT_EQ(info.HintStr, "note");
  EXPECT_EQ(info.HintPos, grid->ClientToScreen(TPoint{grid->CellRect(2, 3).Right, grid->CellRect(2, 3).Top}));

  grid->SetAnchorHint(true);
  grid->SetCells(3, 3, "<a href=\"https://a.example\">go</a>");
  grid->OnAnchorHint = [](TObject*, int, int, std::string& a) { a = "to " + a; };
  EXPECT_EQ(HintAt(3, 3, 4, 12).HintStr, "to https://a.example");

  grid->OnGridHint = [](TObject*, int r, int c, std::string& h) { h = std::to_string(c) + "," + std::to_string(r); };
  EXPECT_EQ(HintAt(4, 5).HintStr, "4,5");
}

}  // namespace
