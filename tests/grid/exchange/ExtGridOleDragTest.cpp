// Drags of cells and columns between grids and within one grid, through a
// scripted drag host.

#include "OleDragFixture.h"
#include "platform/clipboard/ClipboardFormats.h"
#include "platform/clipboard/DataBlocks.h"

namespace {

TEST_F(OleDragTest, ATextBlockLandsAtTheDropCellAndIsSelected) {
  Put(grid, 0, 0, {{"a", "b", "c"}, {"d", "e", "f"}});
  grid->SelectCells(0, 0, 2, 1);
  TGridRect dropped{};
  other->OnOleDropped = [&](TObject*, TGridRect& R) { dropped = R; };
  ReleaseAt(CellCenter(other, 2, 5), true);
  int stopEffect = -1;
  grid->OnOleDragStop = [&](TObject*, int e) { stopEffect = e; };
  grid->StartOleDrag(0, 0);
  EXPECT_EQ(Row(other, 5), (std::vector<std::string>{"", "", "a", "b", "c"}));
  EXPECT_EQ(Row(other, 6), (std::vector<std::string>{"", "", "d", "e", "f"}));
  EXPECT_EQ(other->Selection(), (TGridRect{2, 5, 4, 6}));
  EXPECT_EQ(dropped, (TGridRect{2, 5, 4, 6}));
  EXPECT_EQ(stopEffect, DROPEFFECT_COPY);
  EXPECT_EQ(grid->Cells(0, 0), "a");  // a copy leaves the source
}

TEST_F(OleDragTest, PlainCellsLandAsTextWhileRichTextDropsAreOn) {
  Put(grid, 0, 0, {{"a", "b"}});
  grid->SelectCells(0, 0, 1, 0);
  other->DragDropSettings()->SetOleDropRTF(true);
  ReleaseAt(CellCenter(other, 1, 2), true);
  grid->StartOleDrag(0, 0);
  EXPECT_EQ(Row(other, 2), (std::vector<std::string>{"", "a", "b", "", ""}));
}

TEST_F(OleDragTest, InsertRowsMakesRoomBeforeTheDropRow) {
  Put(grid, 0, 0, {{"x"}, {"y"}});
  other->SetCells(0, 5, "was five");
  other->DragDropSettings()->SetOleInsertRows(true);
  grid->SelectCells(0, 0, 0, 1);
  ReleaseAt(CellCenter(other, 0, 5), true);
  grid->StartOleDrag(0, 0);
  EXPECT_EQ(other->RowCount(), 10);
  EXPECT_EQ(other->Cells(0, 5), "x");
  EXPECT_EQ(other->Cells(0, 6), "y");
  EXPECT_EQ(other->Cells(0, 7), "was five");
}

TEST_F(OleDragTest, AMoveWithinTheGridClearsOnlySourceCellsOutsideTheDrop) {
  Put(grid, 1, 1, {{"a", "b"}, {"c", "d"}});
  grid->SelectCells(1, 1, 2, 2);
  ReleaseAt(CellCenter(grid, 2, 2), false);
  grid->StartOleDrag(1, 1);
  EXPECT_EQ(Row(grid, 1), (std::vector<std::string>{"", "", "", "", ""}));
  EXPECT_EQ(Row(grid, 2), (std::vector<std::string>{"", "", "a", "b", ""}));
  EXPECT_EQ(Row(grid, 3), (std::vector<std::string>{"", "", "c", "d", ""}));
}

TEST_F(OleDragTest, AMoveToAnotherGridClearsTheSourceUnlessCopyAlways) {
  Put(grid, 0, 0, {{"m"}});
  grid->SelectCells(0, 0, 0, 0);
  grid->DragDropSettings()->SetOleCopyAlways(true);
  ReleaseAt(CellCenter(other, 1, 1), false);
  grid->StartOleDrag(0, 0);
  EXPECT_EQ(grid->Cells(0, 0), "m");
  grid->DragDropSettings()->SetOleCopyAlways(false);
  ReleaseAt(CellCenter(other, 1, 2), false);
  grid->StartOleDrag(0, 0);
  EXPECT_EQ(grid->Cells(0, 0), "");
  EXPECT_EQ(other->Cells(1, 1), "m");
  EXPECT_EQ(other->Cells(1, 2), "m");
}

TEST_F(OleDragTest, ARefusedDropLeavesTheGridUnchanged) {
  Put(grid, 0, 0, {{"no"}});
  grid->SelectCells(0, 0, 0, 0);
  other->OnOleDrop = [](TObject*, int, int, const std::string&, bool& Allow) { Allow = false; };
  ReleaseAt(CellCenter(other, 1, 1), false);
  grid->StartOleDrag(0, 0);
  EXPECT_EQ(other->Cells(1, 1), "");
}

// A move whose drop places nothing (the handler refuses, or raises and is
// reported) answers no effect, so the moved cells stay where they were.
TEST_F(OleDragTest, AMoveThatIsRefusedOrFailsKeepsTheSourceCells) {
  const struct {
    const char* What;
    std::function<void(bool&)> Handler;
    bool Reported;
  } cases[] = {
      {"refused", [](bool& Allow) { Allow = false; }, false},
      {"raised", [](bool&) { throw Exception("refused by the handler"); }, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.What);
    Put(grid, 0, 0, {{"keep"}});
    grid->SelectCells(0, 0, 0, 0);
    other->OnOleDrop = [&c](TObject*, int, int, const std::string&, bool& Allow) { c.Handler(Allow); };
    if (c.Reported) Driver.ExpectMessage("", mrOk);
    ReleaseAt(CellCenter(other, 1, 1), false);
    grid->StartOleDrag(0, 0);
    EXPECT_TRUE(Driver.ScriptDone());
    EXPECT_EQ(grid->Cells(0, 0), "keep");
    EXPECT_EQ(other->Cells(1, 1), "");
  }
}

TEST_F(OleDragTest, TheCellFormatCarriesPropertiesBetweenGrids) {
  grid->Navigation()->SetAllowFmtClipboard(true);
  Put(grid, 0, 0, {{"p", "q"}});
  grid->GetCellProperties(1, 0)->SetBrushColor(clFuchsia);
  grid->SelectCells(0, 0, 1, 0);
  ReleaseAt(CellCenter(other, 2, 3), true);
  grid->StartOleDrag(0, 0);
  EXPECT_EQ(other->Cells(2, 3), "p");
  EXPECT_EQ(other->Cells(3, 3), "q");
  ASSERT_TRUE(other->HasCellProperties(3, 3));
  EXPECT_EQ(other->GetCellProperties(3, 3)->BrushColor(), clFuchsia);
}

TEST_F(OleDragTest, AColumnDroppedBeyondTheLastColumnMovesToTheEnd) {
  grid->SetFixedRows(1);
  grid->SetColCount(3);
  Put(grid, 0, 0, {{"A", "B", "C"}, {"a", "b", "c"}});
  grid->DragDropSettings()->SetOleColumnDragDrop(true);
  grid->DragDropSettings()->SetOleColumnReorder(true);
  int droppedCol = -1;
  grid->OnOleDropCol = [&](TObject*, int, int, int Col) { droppedCol = Col; };
  const TRect last = grid->CellRect(2, 0);
  ReleaseAt(grid->ClientToScreen({last.Right + 20, (last.Top + last.Bottom) / 2}), false);
  grid->StartOleDrag(0, 0);
  EXPECT_EQ(Row(grid, 0), (std::vector<std::string>{"B", "C", "A"}));
  EXPECT_EQ(Row(grid, 1), (std::vector<std::string>{"b", "c", "a"}));
  EXPECT_EQ(droppedCol, 0);
}

TEST_F(OleDragTest, OnlyADropOfOneCsvFileLoadsIt) {
  Write("data.csv", "1,2\r\n3,4\r\n");
  const auto dropFiles = [&](std::vector<std::string> files) {
    auto* data = new platform::SimpleDataObject;
    ComPtr<IDataObject> keep(data);
    data->Add(CF_HDROP, platform::MakeFileDropBlock(files));
    auto* source = new TGridDropSource(grid);
    ComPtr<IDropSource> keepSource(source);
    ReleaseAt(CellCenter(other, 0, 0), true);
    DWORD effect = 0;
    DoDragDrop(data, source, DROPEFFECT_COPY, &effect);
  };
  dropFiles({Path("data.csv"), Path("data.csv")});
  EXPECT_EQ(other->Cells(0, 0), "");
  dropFiles({Path("data.csv")});
  EXPECT_EQ(other->Cells(0, 0), "1");
  EXPECT_EQ(other->Cells(1, 1), "4");
}

TEST_F(OleDragTest, PressingAndMovingFourPixelsStartsTheDrag) {
  grid->DragDropSettings()->SetOleDropSource(true);
  Put(grid, 0, 0, {{"go"}});
  grid->SelectCells(0, 0, 0, 0);
  int starts = 0;
  grid->OnOleDragStart = [&](TObject*, int, int) { ++starts; };
  ReleaseAt(CellCenter(other, 3, 7), true);
  const TRect r = grid->CellRect(0, 0);
  Driver.MouseDown(grid, r.Left + 5, r.Top + 5);
  Driver.MouseMove(grid, r.Left + 7, r.Top + 5, {ssLeft});
  EXPECT_EQ(starts, 0);
  Driver.MouseMove(grid, r.Left + 9, r.Top + 5, {ssLeft});
  EXPECT_EQ(starts, 1);
  EXPECT_EQ(other->Cells(3, 7), "go");
  Driver.MouseUp(grid, r.Left + 9, r.Top + 5);
}

}  // namespace
