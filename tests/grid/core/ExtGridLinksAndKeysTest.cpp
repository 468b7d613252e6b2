// Anchors in HTML cells (hover, enter and exit, clicks that follow them),
// the clipboard keys, the selection listener, rows inserted and deleted by
// key under a filter, and the grid's resource cursors.

#include "InputFixture.h"

#include "grid/core/GridCursors.h"
#include "platform/display/DisplayHost.h"
#include "toolkit/forms/WindowManager.h"

namespace {

// ---- anchors ----

class AnchorTest : public InputTest {
protected:
  void SetUp() override {
    InputTest::SetUp();
    grid->SetCells(2, 3, "<a href=\"https://example.org/x\">go</a>");
    grid->SetCells(3, 5, "<a href=\"cell://R6C1\">jump</a>");
    grid->OnAnchorEnter = [&](TObject*, int ARow, int ACol, const std::string& A) {
      events.push_back("enter " + A + " " + std::to_string(ACol) + "," + std::to_string(ARow));
    };
    grid->OnAnchorExit = [&](TObject*, int, int, const std::string& A) { events.push_back("exit " + A); };
  }
  // A point on the first letter of the cell's text.
  TPoint OnText(int c, int r) {
    TRect rc = grid->CellRect(c, r);
    return {rc.Left + 5, rc.Top + 8};
  }
  std::vector<std::string> events;
};

TEST_F(AnchorTest, HoveringAnAnchorShowsTheLinkCursorAndFiresEnterAndExitOnce) {
  TPoint p = OnText(2, 3);
  Driver.MouseMove(grid, p.X, p.Y);
  Driver.MouseMove(grid, p.X + 1, p.Y);
  EXPECT_EQ(grid->Cursor(), crHandPoint);
  Driver.MouseMove(grid, p.X, p.Y + 14);  // below the text line, same cell
  EXPECT_EQ(grid->Cursor(), crDefault);
  Driver.MouseMove(grid, p.X, p.Y);
  Driver.MouseMove(grid, 5, 5);
  EXPECT_EQ(events, (std::vector<std::string>{"enter https://example.org/x 2,3", "exit https://example.org/x",
                                              "enter https://example.org/x 2,3", "exit https://example.org/x"}));
}

TEST_F(AnchorTest, APressOnAnAnchorFollowsIt) {
  std::string clicked;
  grid->OnAnchorClick = [&](TObject*, int, int, const std::string& A, bool&) { clicked = A; };
  TPoint p = OnText(2, 3);
  Driver.Click(grid, p.X, p.Y);
  EXPECT_EQ(clicked, "https://example.org/x");
  EXPECT_EQ(Driver.LinksOpened(), (std::vector<std::string>{"https://example.org/x"}));
  // A cell reference moves the cursor; a press beside the anchor is a plain click.
  p = OnText(3, 5);
  Driver.Click(grid, p.X, p.Y);
  EXPECT_EQ(Cursor(), (TGridCoord{1, 6}));
  TRect rc = grid->CellRect(3, 5);
  Driver.Click(grid, rc.Right - 4, rc.Bottom - 4);
  EXPECT_EQ(Cursor(), (TGridCoord{3, 5}));
  EXPECT_EQ(Driver.LinksOpened().size(), 1u);
}

TEST_F(AnchorTest, AReferenceOutsideTheGridOrAnUnsafeLinkGoesNowhere) {
  grid->SetCells(1, 2, "<a href=\"cell://R60C1\">far</a>");
  grid->SetCells(1, 4, "<a href=\"file:///etc/passwd\">file</a>");
  Go(2, 2);
  TPoint p = OnText(1, 2);
  Driver.Click(grid, p.X, p.Y);
  EXPECT_EQ(Cursor(), (TGridCoord{2, 2}));
  Driver.ExpectMessage("", mrOk);
  p = OnText(1, 4);
  Driver.Click(grid, p.X, p.Y);
  EXPECT_TRUE(Driver.LinksOpened().empty());
  EXPECT_TRUE(Driver.ScriptDone());
}

// ---- clipboard keys ----

struct TClipCase {
  uint16_t Key;
  TShiftState Shift;
  const char* Operation;  // "" when the key is no clipboard key
};

TEST_F(InputTest, ClipboardKeysCallTheirOperationUnlessTheEventRefuses) {
  grid->Navigation()->SetAllowClipboardShortCuts(true);
  grid->Navigation()->SetAllowDeleteRow(true);
  const TClipCase cases[] = {
      {'C', {ssCtrl}, "copy"},       {VK_INSERT, {ssCtrl}, "copy"},   {'X', {ssCtrl}, "cut"},
      {VK_DELETE, {ssShift}, "cut"}, {'V', {ssCtrl}, "paste"},        {VK_INSERT, {ssShift}, "paste"},
      {'C', {}, ""},                 {VK_DELETE, {ssCtrl}, ""},
  };
  for (const TClipCase& c : cases) {
    SCOPED_TRACE(c.Operation);
    grid->Clipboard.clear();
    int rows = grid->RowCount();
    Key(c.Key, c.Shift);
    EXPECT_EQ(grid->Clipboard, *c.Operation ? std::vector<std::string>{c.Operation} : std::vector<std::string>{});
    if (c.Key == VK_DELETE && c.Shift.Contains(ssShift)) {
      EXPECT_EQ(grid->RowCount(), rows);  // no row deleted
    }
  }
  int asked = 0;
  grid->OnClipboardCopy = [&](TObject*, bool& Allow) {
    ++asked;
    Allow = false;
  };
  grid->Clipboard.clear();
  Key('C', {ssCtrl});
  EXPECT_EQ(asked, 1);
  EXPECT_TRUE(grid->Clipboard.empty());
  grid->Navigation()->SetAllowClipboardShortCuts(false);
  Key('V', {ssCtrl});
  EXPECT_TRUE(grid->Clipboard.empty());
}

// ---- the selection listener ----

class TSelListener : public ITExtStringGridSelect {
public:
  std::vector<TGridCoord> Cells;
  void CellSelected(int ACol, int ARow) override { Cells.push_back({ACol, ARow}); }
};

TEST_F(InputTest, TheSelectionListenerHearsOfEachSelectedCellUntilItUnregisters) {
  TSelListener first, second;
  grid->RegisterSelListener(&first);
  ClickCell(3, 4);
  Key(VK_DOWN);
  EXPECT_EQ(first.Cells, (std::vector<TGridCoord>{{3, 4}, {3, 5}}));
  // Only the listener given is removed.
  grid->UnRegisterSelListener(&second);
  EXPECT_EQ(grid->SelListener(), &first);
  grid->RegisterSelListener(&second);
  Key(VK_RIGHT);
  EXPECT_EQ(first.Cells.size(), 2u);
  EXPECT_EQ(second.Cells, (std::vector<TGridCoord>{{4, 5}}));
  grid->UnRegisterSelListener(&second);
  Key(VK_LEFT);
  EXPECT_EQ(second.Cells.size(), 1u);
}

// ---- rows by key under a filter ----

TEST_F(InputTest, RowsInsertedAndDeletedByKeyLandAtTheirRealPlaceAndTheFilterStays) {
  const char* texts[] = {"a", "b", "a", "b", "a", "b", "a"};
  for (int r = 1; r <= 7; ++r) grid->SetCells(1, r, texts[r - 1]);
  grid->OnCustomFilter = [&](TObject*, int ARow, bool& Accept) { Accept = grid->Cells(1, ARow) != "b"; };
  grid->SetFilterActive(true);
  ASSERT_EQ(grid->RowCount(), 5);
  grid->Navigation()->SetAllowInsertRow(true);
  grid->Navigation()->SetAllowDeleteRow(true);
  Go(1, 3);  // the "a" of real row 5
  ASSERT_EQ(grid->RealRowIndex(3), 5);
  Key(VK_INSERT);
  EXPECT_TRUE(grid->FilterActive());
  EXPECT_EQ(grid->AllRowCount(), 9);
  EXPECT_EQ(grid->AllCells(1, 5), "");
  EXPECT_EQ(grid->AllCells(1, 6), "a");
  EXPECT_EQ(grid->AllCells(1, 4), "b");
  EXPECT_EQ(grid->RowCount(), 6);
  // Deleting the row shown at 4 (real 6, an "a") takes that row, not the
  // hidden one at displayed index 4 of the unfiltered grid.
  Go(1, 4);
  ASSERT_EQ(grid->RealRowIndex(4), 6);
  Key(VK_DELETE);
  EXPECT_TRUE(grid->FilterActive());
  EXPECT_EQ(grid->AllRowCount(), 8);
  std::string all;
  for (int r = 1; r < grid->AllRowCount(); ++r) all += grid->AllCells(1, r).empty() ? "-" : grid->AllCells(1, r);
  EXPECT_EQ(all, "abab-ba");
}

// ---- resource cursors ----

struct TCursorCase {
  TCursor Number;
  int HotX, HotY;
};

class GridCursorsTest : public FormsTest {};

TEST_F(GridCursorsTest, EveryGridCursorIsAResourceWithItsHotSpot) {
  const TCursorCase cases[] = {{8000, 16, 16}, {8001, 16, 16}, {8002, 16, 16}, {8003, 16, 16}, {8004, 16, 16},
                               {8005, 16, 16}, {8006, 16, 16}, {8007, 16, 16}, {8008, 16, 16}, {8010, 26, 16},
                               {8011, 13, 26}, {8012, 16, 16}, {8014, 16, 16}};
  for (const TCursorCase& c : cases) {
    SCOPED_TRACE(c.Number);
    EXPECT_EQ(GridResourceCursor(c.Number, crArrow), c.Number);
    const platform::CursorShape* shape = CursorShapeOf(Screen->Cursors(c.Number));
    ASSERT_NE(shape, nullptr);
    EXPECT_EQ(shape->Width, 32);
    EXPECT_EQ(shape->HotX, c.HotX);
    EXPECT_EQ(shape->HotY, c.HotY);
  }
}

}  // namespace
