// What a user sees while dragging over a grid: the picture of the dragged
// cells or the header button at the pointer, the arrows at the drop
// position, the grid scrolling at its edges; and the drops that bring a
// hidden column back from a list or open a dropped file by its kind.

#include "OleDragFixture.h"
#include "grid/core/HeaderDragButton.h"
#include "grid/exchange/GridDragImage.h"
#include "grid/foundation/ExtObjIndicators.h"
#include "toolkit/forms/std/ListBox.h"

namespace {

using OleDragFeedbackTest = OleDragTest;

TEST_F(OleDragFeedbackTest, TheDraggedCellsFollowThePointerTranslucentAndGoWithTheDrag) {
  Put(grid, 0, 0, {{"a", "b"}, {"c", "d"}});
  grid->SelectCells(0, 0, 1, 1);
  std::vector<TPoint> imageAt;
  host.BeforeStep = [&](const platform::DragInput&) {
    if (TForm* image = grid->OleDragImage()) imageAt.push_back({image->Left(), image->Top()});
  };
  host.Move(350, 40);
  host.Move(360, 50);
  ReleaseAt(CellCenter(other, 3, 3), true);
  SetCursorPos(20, 10);
  // What the target side sees of the picture while the drag runs.
  std::string kind;
  bool translucent = false;
  TPoint size;
  other->OnOleDragOver = [&](TObject*, int, int, bool&) {
    TForm* image = grid->OleDragImage();
    if (!image) return;  // the release ends the picture before the target hears of it
    kind = image->ClassName();
    translucent = image->AlphaBlend() && image->AlphaBlendValue() == 192;
    size = {image->Width(), image->Height()};
  };
  grid->StartOleDrag(0, 0);
  // Each step finds the picture where the previous one left the pointer, 4 pixels off.
  ASSERT_EQ(imageAt.size(), 4u);
  EXPECT_EQ(imageAt[0], (TPoint{24, 14}));
  EXPECT_EQ(imageAt[1], (TPoint{354, 44}));
  EXPECT_EQ(imageAt[2], (TPoint{364, 54}));
  EXPECT_EQ(kind, "TNoActiveForm");
  EXPECT_TRUE(translucent);
  const TRect tl = grid->CellRect(0, 0), br = grid->CellRect(1, 1);
  EXPECT_EQ(size, (TPoint{br.Right - tl.Left + 1, br.Bottom - tl.Top + 1}));
  EXPECT_EQ(grid->OleDragImage(), nullptr);
  EXPECT_EQ(other->Cells(3, 3), "a");
}

TEST_F(OleDragFeedbackTest, ThePictureShowsTheCellsAsTheGridDrawsThem) {
  grid->SetFixedRows(1);
  grid->SetFixedCols(1);
  Put(grid, 0, 0, {{"", "Name", "Size"}, {"1", "alpha", "12"}, {"2", "beta", "7"}});
  grid->SetColor(clWhite);
  std::unique_ptr<TForm> image = grid->SelectionToForm(TGridRect{0, 0, 2, 2});
  image->Show();
  Driver.Pump();
  Driver.Screenshot(image.get(), "ole-drag-image.png");
  const TRect br = grid->CellRect(2, 2);
  EXPECT_EQ(image->Width(), br.Right + 1);
  EXPECT_EQ(image->Height(), br.Bottom + 1);
  // Cells out of view are left out: the picture never grows past the grid.
  grid->SetRowCount(200);
  image = grid->SelectionToForm(TGridRect{1, 1, 2, 199});
  EXPECT_LE(image->Height(), grid->ClientHeight());
}

TEST_F(OleDragFeedbackTest, WithoutCellPicturesAColumnDragCarriesItsHeaderButton) {
  grid->SetFixedRows(1);
  Put(grid, 0, 0, {{"First", "Second"}});
  grid->DragDropSettings()->SetShowCells(false);
  grid->DragDropSettings()->SetOleColumnDragDrop(true);
  std::vector<TRect> buttonAt;
  std::string caption;
  host.BeforeStep = [&](const platform::DragInput&) {
    THeaderDragButton* b = grid->HeaderDragButton();
    if (b && b->Visible()) {
      buttonAt.push_back(Bounds(b->Left(), b->Top(), b->Width(), b->Height()));
      caption = b->Caption();
    }
  };
  host.Move(100, 200);
  host.Escape(100, 200);
  SetCursorPos(70, 10);
  grid->StartOleDrag(1, 0);
  ASSERT_EQ(buttonAt.size(), 2u);
  const int h = grid->RowHeights(0);
  EXPECT_EQ(buttonAt[0], Bounds(70, 10 - h, grid->ColWidths(1), h));  // bottom-left corner at the pointer
  EXPECT_EQ(buttonAt[1], Bounds(100, 200 - h, grid->ColWidths(1), h));
  EXPECT_EQ(caption, "Second");
  EXPECT_EQ(grid->OleDragImage(), nullptr);
  EXPECT_FALSE(grid->HeaderDragButton()->Visible());
}

class OleDropIndicatorTest : public OleDragTest {
protected:
  void SetUp() override {
    OleDragTest::SetUp();
    RegisterDropFormats();
    target = new TGridDropTarget(other);
    keep = ComPtr<TGridDropTarget>(target);
  }
  bool Over(TPoint P, TDropFormats Formats = {dfText}) {
    bool allow = true;
    target->DragMouseMove(POINTL{P.X, P.Y}, allow, Formats);
    return allow;
  }
  bool Shown(TArrowDirection D) {
    TArrowWindow* a = other->MoveArrow(D);
    return a && a->Visible();
  }
  TPoint ArrowAt(TArrowDirection D) {
    TArrowWindow* a = other->MoveArrow(D);
    return {a->Left(), a->Top()};
  }
  TPoint Corner(int ACol, int ARow) {
    const TRect r = other->CellRect(ACol, ARow);
    return other->ClientToScreen({r.Left, r.Top});
  }
  TGridDropTarget* target = nullptr;
  ComPtr<TGridDropTarget> keep;
};

TEST_F(OleDropIndicatorTest, AnArrowPointsAtTheRowCellsLandIn) {
  ASSERT_TRUE(Over(CellCenter(other, 2, 5)));
  ASSERT_TRUE(Shown(arrRight));
  EXPECT_EQ(ArrowAt(arrRight), (TPoint{Corner(2, 5).X - 10, Corner(2, 5).Y - 5}));
  EXPECT_FALSE(Shown(arrDown));
  target->DragMouseLeave();
  EXPECT_FALSE(Shown(arrRight));

  // Whole rows: the arrow stands at the first column wherever the pointer is.
  other->DragDropSettings()->SetOleEntireRows(true);
  Over(CellCenter(other, 3, 2));
  EXPECT_EQ(ArrowAt(arrRight), (TPoint{Corner(0, 2).X - 10, Corner(0, 2).Y - 5}));

  // Appending: below the last row the arrow marks the row after it.
  other->DragDropSettings()->SetOleAppendRows(true);
  other->SetRowCount(3);
  const TRect last = other->CellRect(1, 2);
  ASSERT_TRUE(Over(other->ClientToScreen({last.Left + 5, last.Bottom + 20})));
  EXPECT_EQ(ArrowAt(arrRight), (TPoint{Corner(0, 2).X - 10, other->ClientToScreen({0, last.Bottom + 1}).Y - 5}));
}

TEST_F(OleDropIndicatorTest, AColumnDropIsMarkedAboveAndBelowItsHeader) {
  other->SetFixedRows(1);
  ASSERT_TRUE(Over(CellCenter(other, 2, 0), {dfCol}));
  ASSERT_TRUE(Shown(arrDown));
  ASSERT_TRUE(Shown(arrUp));
  const TRect r = other->CellRect(2, 0);
  EXPECT_EQ(ArrowAt(arrDown), (TPoint{Corner(2, 0).X - 5, Corner(2, 0).Y - 8}));
  EXPECT_EQ(ArrowAt(arrUp), (TPoint{Corner(2, 0).X - 5, other->ClientToScreen({0, r.Bottom}).Y}));
  EXPECT_FALSE(Shown(arrRight));
  // A column is refused below the header: no arrows.
  EXPECT_FALSE(Over(CellCenter(other, 2, 3), {dfCol}));
  EXPECT_FALSE(Shown(arrDown));
  EXPECT_FALSE(Shown(arrUp));
}

TEST_F(OleDropIndicatorTest, ARefusedPlaceOrDropLeavesNoArrows) {
  other->OnOleDragOver = [](TObject*, int, int, bool& Allow) { Allow = false; };
  EXPECT_FALSE(Over(CellCenter(other, 1, 1)));
  EXPECT_FALSE(Shown(arrRight));
  other->OnOleDragOver = nullptr;
  ASSERT_TRUE(Over(CellCenter(other, 1, 1)));
  ASSERT_TRUE(Shown(arrRight));
  other->OnOleDrop = [](TObject*, int, int, const std::string&, bool& Allow) { Allow = false; };
  const TPoint p = CellCenter(other, 1, 1);
  target->DropText(POINTL{p.X, p.Y}, "x");
  EXPECT_EQ(other->Cells(1, 1), "");
  EXPECT_FALSE(Shown(arrRight));
}

TEST_F(OleDropIndicatorTest, DraggingCellsAtTheEdgesScrollsTheGrid) {
  other->SetFixedRows(1);
  other->SetFixedCols(1);
  other->SetRowCount(60);
  other->SetColCount(30);
  Driver.Pump();
  const int top = other->TopRow();
  // The partly shown row below the last full one, at the bottom edge, scrolls down by one.
  const TPoint bottomEdge = other->ClientToScreen({80, other->ClientHeight() - 2});
  const TPoint rightEdge = other->ClientToScreen({other->ClientWidth() - 2, 40});
  Over(bottomEdge);
  EXPECT_EQ(other->TopRow(), top + 1);
  // Over the header the grid scrolls back up.
  Over(CellCenter(other, 1, 0));
  EXPECT_EQ(other->TopRow(), top);
  // Sideways once per timer tick at most.
  const int left = other->LeftCol();
  const int ticks = other->TimerTicks();
  if (ticks % 2 != 0) Driver.Advance(500);
  Over(rightEdge);
  EXPECT_EQ(other->LeftCol(), left + 1);
  Over(rightEdge);
  EXPECT_EQ(other->LeftCol(), left + 1);
  Driver.Advance(500);
  Over(rightEdge);
  EXPECT_EQ(other->LeftCol(), left + 2);
  // A column being dragged never scrolls the rows.
  other->SetTopRow(5);
  Over(CellCenter(other, 1, 0), {dfCol});
  EXPECT_EQ(other->TopRow(), 5);
}

TEST_F(OleDragFeedbackTest, AHiddenColumnDraggedFromItsListComesBackWhereItIsDropped) {
  grid->SetFixedRows(1);
  grid->SetColCount(4);
  Put(grid, 0, 0, {{"A", "B", "C", "D"}, {"a", "b", "c", "d"}});
  grid->HideColumn(1);
  auto* list = new TListBox(form);
  list->SetParent(form);
  list->Items()->Add("B");
  int dropped = -1;
  grid->OnOleDropCol = [&](TObject*, int, int, int Col) { dropped = Col; };
  // The list starts a column drag of its item; the grid is the target.
  grid->OleColumnDragStart(1, 0, list);
  const auto dragColumn = [&](int ToDisplay) {
    auto* source = new TESGDropSource;
    ComPtr<TESGDropSource> keepSource(source);
    ReleaseAt(CellCenter(grid, ToDisplay, 0), false);
    DWORD effect = 0;
    StartColumnDrag(source, 1, DROPEFFECT_MOVE, effect);
  };
  dragColumn(2);  // onto "D"
  EXPECT_EQ(Row(grid, 0), (std::vector<std::string>{"A", "C", "B", "D"}));
  EXPECT_EQ(Row(grid, 1), (std::vector<std::string>{"a", "c", "b", "d"}));
  EXPECT_EQ(list->Items()->Count(), 0);
  EXPECT_EQ(dropped, 1);
  // The pending pick is used once: the next column drop only reports.
  dragColumn(0);
  EXPECT_EQ(Row(grid, 0), (std::vector<std::string>{"A", "C", "B", "D"}));

  // After columns were moved, the column is found by where it first stood.
  grid->HideColumn(grid->RealColIndex(1));  // "C", first at index 2
  list->Items()->Add("C");
  grid->OleColumnDragStart(2, 0, list);
  dragColumn(0);
  EXPECT_EQ(Row(grid, 0), (std::vector<std::string>{"C", "A", "B", "D"}));
  EXPECT_EQ(list->Items()->Count(), 0);
}

TEST_F(OleDragFeedbackTest, ADroppedFileIsOpenedByItsExtension) {
  Write("data.csv", "1,2\r\n3,4\r\n");
  Write("note.csv.txt", "1,2\r\n");
  grid->SetColCount(2);
  grid->SetRowCount(2);
  Put(grid, 0, 0, {{"x", "y"}, {"z", "w"}});
  grid->SaveToXLS(Path("book.xls.xlsx"));
  std::vector<std::string> asked;
  other->OnOleDrop = [&](TObject*, int ARow, int ACol, const std::string& Data, bool&) {
    EXPECT_EQ(ARow, -1);
    EXPECT_EQ(ACol, -1);
    asked.push_back(Data);
  };
  DropFiles(other, 0, 0, {Path("note.csv.txt")});
  EXPECT_TRUE(asked.empty());
  EXPECT_EQ(other->Cells(0, 0), "");
  DropFiles(other, 0, 0, {Path("data.csv")});
  EXPECT_EQ(other->Cells(1, 1), "4");
  DropFiles(other, 0, 0, {Path("book.xls.xlsx")});
  EXPECT_EQ(other->Cells(0, 0), "x");
  EXPECT_EQ(other->Cells(1, 1), "w");
  EXPECT_EQ(asked, (std::vector<std::string>{Path("data.csv"), Path("book.xls.xlsx")}));
  // The file event may refuse before anything is asked or read.
  other->OnOleDropFile = [](TObject*, int, int, const std::string&, bool& Allow) { Allow = false; };
  DropFiles(other, 0, 0, {Path("data.csv")});
  EXPECT_EQ(other->Cells(0, 0), "x");
}

// A dropped file that cannot be read is reported, and the grid keeps what it had.
TEST_F(OleDragFeedbackTest, ADroppedFileThatCannotBeReadIsReported) {
  Write("broken.xlsx", "not a workbook");
  other->SetCells(0, 0, "kept");
  for (const char* name : {"broken.xlsx", "gone.csv"}) {
    SCOPED_TRACE(name);
    const size_t shown = Driver.MessageBoxes().size();
    Driver.ExpectMessage("", mrOk);
    DropFiles(other, 0, 0, {Path(name)});
    EXPECT_TRUE(Driver.ScriptDone());
    ASSERT_EQ(Driver.MessageBoxes().size(), shown + 1);
    EXPECT_FALSE(Driver.MessageBoxes().back().Text.empty());
    EXPECT_EQ(other->Cells(0, 0), "kept");
  }
}

// Text, rich text and another grid's cells whose drop fails (a handler that
// refuses by raising, a damaged cell block) are reported the same way, and
// the grid keeps what it had.
TEST_F(OleDragFeedbackTest, EveryKindOfDropThatFailsIsReported) {
  const struct {
    const char* Kind;
    uint32_t Format;
    std::string Block;
  } drops[] = {
      {"text", CF_UNICODETEXT, platform::MakeUnicodeTextBlock("a\tb")},
      {"rich text", CF_RTF, std::string("{\\rtf1 a}") + '\0'},
      {"grid cells", CF_GRIDCELLS, "damaged cell block"},
  };
  other->DragDropSettings()->SetOleDropRTF(true);
  other->OnOleDrop = [](TObject*, int, int, const std::string&, bool&) { throw Exception("refused by the handler"); };
  other->SetCells(0, 0, "kept");
  for (const auto& d : drops) {
    SCOPED_TRACE(d.Kind);
    const size_t shown = Driver.MessageBoxes().size();
    Driver.ExpectMessage("", mrOk);
    DropBlock(other, 0, 0, d.Format, d.Block);
    EXPECT_TRUE(Driver.ScriptDone());
    ASSERT_EQ(Driver.MessageBoxes().size(), shown + 1);
    EXPECT_FALSE(Driver.MessageBoxes().back().Text.empty());
    EXPECT_EQ(other->Cells(0, 0), "kept");
    EXPECT_EQ(other->Cells(1, 0), "");
  }
}

}  // namespace
