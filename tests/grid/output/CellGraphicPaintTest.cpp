// Cell graphics of every kind: placement in the cell, what each kind shows
// (pixel probes), the sort indicator and the error marker, and a picture of
// all kinds to look at.

#include <gtest/gtest.h>

#include "grid/output/CellGraphicLayout.h"
#include "grid/output/CellPaintFixture.h"
#include "toolkit/graphics/ImgList.h"

namespace {

struct TBoxCase {
  const char* What;
  TCellHAlign HA;
  TCellVAlign VA;
  TAlignment Text;
  int TextWidth;
  TRect Box;
};

TEST(CellGraphicPlacement, BoxFollowsTheGraphicAndTextAlignment) {
  const TRect R(10, 20, 110, 60);  // 100 x 40
  const std::vector<TBoxCase> cases = {
      {"left top", haLeft, vaTop, taLeftJustify, 0, TRect(11, 21, 27, 37)},
      {"right bottom", haRight, vaBottom, taLeftJustify, 0, TRect(93, 43, 109, 59)},
      {"centre centre", haCenter, vaCenter, taLeftJustify, 0, TRect(52, 32, 68, 48)},
      {"full", haFull, vaFull, taLeftJustify, 0, TRect(10, 20, 110, 60)},
      {"before right-justified text", haBeforeText, vaTop, taRightJustify, 30, TRect(64, 21, 80, 37)},
      {"before centred text", haBeforeText, vaTop, taCenter, 30, TRect(37, 21, 53, 37)},
      {"after left-justified text", haAfterText, vaUnderText, taLeftJustify, 30, TRect(40, 44, 56, 60)},
      {"after centred text", haAfterText, vaTop, taCenter, 30, TRect(67, 21, 83, 37)},
      {"before wide text stays inside", haBeforeText, vaTop, taRightJustify, 200, TRect(11, 21, 27, 37)},
  };
  for (const TBoxCase& k : cases) {
    const TRect b = PlaceGraphicBox(R, 16, 16, k.HA, k.VA, k.Text, k.TextWidth);
    EXPECT_EQ(b, k.Box) << k.What;
  }
}

TEST(CellGraphicPlacement, CheckBoxLeavesRoomForItsText) {
  const TRect R(0, 0, 100, 20);
  EXPECT_EQ(PlaceCheckLeft(R, 16, taLeftJustify, 40, true), 1);
  EXPECT_EQ(PlaceCheckLeft(R, 16, taRightJustify, 40, true), 100 - 16 - 1 - 40);
  EXPECT_EQ(PlaceCheckLeft(R, 16, taRightJustify, 40, false), 100 - 16 - 1);
  EXPECT_EQ(PlaceCheckLeft(R, 16, taCenter, 0, false), 42);
  EXPECT_EQ(PlaceCheckLeft(R, 16, taCenter, 40, true), 30 - 16);
}

TEST(CellGraphicPlacement, LevelProgressPercentOfTheRange) {
  EXPECT_EQ(LevelProgressPercent(50, 0, 100), 50);
  EXPECT_EQ(LevelProgressPercent(15, 10, 20), 50);
  EXPECT_EQ(LevelProgressPercent(7, 7, 7), 0);  // an empty range never divides
  EXPECT_EQ(LevelProgressPercent(0, 5, 5), 0);
  EXPECT_EQ(LevelProgressPercent(-20, 0, 100), 0);    // below the range: empty
  EXPECT_EQ(LevelProgressPercent(140, 0, 100), 100);  // above: full
  EXPECT_EQ(LevelProgressPercent(25, 100, 0), 75);    // a falling range
}

TEST_F(GraphicPaint, RatingShowsHalfStepsOfTheValue) {
  grid->AddRating(1, 1, 5, clRed, clSilver);
  auto stars = [&](const char* v) {
    grid->SetCells(1, 1, v);
    return CellPixels(1, 1);
  };
  const auto twoAndHalf = stars("2.5");
  EXPECT_EQ(stars("2.7"), twoAndHalf);  // half steps: 2.7 shows as 2.5
  EXPECT_NE(stars("3"), twoAndHalf);
  EXPECT_NE(stars("2"), twoAndHalf);
  stars("2.5");
  const TRect cell = grid->CellRect(1, 1);
  // Two full stars, a half, two empty: red ink lies in the first 3 slots only.
  EXPECT_GT(Count(TRect(cell.Left, cell.Top, cell.Left + 40, cell.Bottom), clRed), 0);
  EXPECT_EQ(Count(TRect(cell.Left + 58, cell.Top, cell.Right, cell.Bottom), clRed), 0);
}

TEST_F(GraphicPaint, LevelProgressBarEmptyFullAndDegenerate) {
  grid->AddExtProgress(1, 1, 0, 100);
  auto bar = [&](const char* v) {
    grid->SetCells(1, 1, v);
    return CellPixels(1, 1);
  };
  const auto empty = bar("0");
  EXPECT_EQ(bar("-20"), empty);
  const auto full = bar("100");
  EXPECT_NE(full, empty);
  EXPECT_EQ(bar("140"), full);
  EXPECT_NE(bar("50"), full);
  // Minimum equal to maximum: drawn empty, no division.
  grid->AddExtProgress(1, 1, 30, 30);
  grid->ProgressAppearance()->SetShowPercentage(false);
  const auto degenerate = bar("30");
  grid->AddExtProgress(1, 1, 0, 100);
  EXPECT_EQ(bar("0"), degenerate);
}

TEST_F(GraphicPaint, PlainProgressFillsByValue) {
  Driver.SetThemesActive(false);
  grid->AddProgress(1, 1, clLime, clWhite);
  grid->SetCells(1, 1, "0");
  Snap();
  const TRect cell = grid->CellRect(1, 1);
  const int none = Count(cell, clLime);
  grid->SetCells(1, 1, "50");
  Snap();
  const int half = Count(cell, clLime);
  grid->SetCells(1, 1, "100");
  Snap();
  const int all = Count(cell, clLime);
  EXPECT_LT(none, half);
  EXPECT_LT(half, all);
}

TEST_F(GraphicPaint, CommentMarkNeedsAColour) {
  grid->ControlLook()->SetCommentColor(clRed);
  grid->AddComment(1, 1, "note");
  Snap();
  const TRect cell = grid->CellRect(1, 1);
  const TRect corner(cell.Right - 10, cell.Top, cell.Right, cell.Top + 8);
  EXPECT_GT(Count(corner, clRed), 0);
  grid->ControlLook()->SetCommentColor(clNone);
  grid->Invalidate();
  Snap();
  EXPECT_EQ(Count(corner, clRed), 0);
}

TEST_F(GraphicPaint, ErrorMarkerUnderlinesTheMarkedCharacters) {
  grid->SetCells(1, 2, "abcdefgh");
  Snap();
  const TRect cell = grid->CellRect(1, 2);
  EXPECT_EQ(Count(cell, clRed), 0);
  grid->AddMarker(1, 2, 2, 3);
  Snap();
  EXPECT_GT(Count(cell, clRed), 0);
}

TEST_F(GraphicPaint, SortIndicatorOnTheSortedHeaderOnly) {
  for (int c = 1; c < 4; ++c) grid->SetCells(c, 0, "Head");
  const auto before1 = CellPixels(1, 0), before2 = CellPixels(2, 0);
  grid->SortSettings()->SetColumn(1);
  grid->SortSettings()->SetShow(true);
  grid->Invalidate();
  EXPECT_NE(CellPixels(1, 0), before1);
  EXPECT_EQ(CellPixels(2, 0), before2);
  EXPECT_TRUE(grid->IsSortIndicatorCell(1, 0));
  EXPECT_FALSE(grid->IsSortIndicatorCell(1, 1));
  grid->SetRowCount(2);  // one normal row: nothing to sort, no indicator
  EXPECT_FALSE(grid->IsSortIndicatorCell(1, 0));
}

TEST_F(GraphicPaint, ButtonRecordsWhereItWasDrawn) {
  grid->AddButton(1, 1, 60, 20, "Go", haRight, vaTop);
  Snap();
  const TRect b = grid->CellButtonRect(1, 1);
  const TRect cell = grid->CellRect(1, 1);
  EXPECT_EQ(b.Width(), 60);
  EXPECT_GT(b.Left, cell.Left + 60);  // right-aligned
  EXPECT_LE(b.Right, cell.Right);
  EXPECT_GT(DarkPixels(bmp.Canvas(), b), 0);  // caption ink inside the button
}

TEST_F(GraphicPaint, EveryKindPicture) {
  TStringList radios;
  radios.Add("A");
  radios.Add("B");
  grid->SetCells(1, 0, "Kind");
  grid->SetCells(2, 0, "Graphic");
  grid->SortSettings()->SetColumn(2);
  grid->SortSettings()->SetShow(true);
  const char* names[] = {"check", "radio group", "rotated", "progress", "XP progress", "range", "pie",
                         "comment", "button", "shape", "rating"};
  for (int r = 1; r < 12; ++r) grid->SetCells(1, r, names[r - 1]);
  grid->AddCheckBox(2, 1, true, false);
  grid->SetCells(2, 1, "with text");
  grid->AddRadio(2, 2, 1, 1, &radios);
  grid->AddRotated(2, 3, 30, "rotated");
  grid->AddProgress(2, 4, clLime, clWhite);
  grid->SetCells(2, 4, "40");
  grid->AddExtProgress(2, 5, 0, 100);
  grid->SetCells(2, 5, "80");
  grid->AddRangeIndicator(2, 6, 100, clRed, clGreen, true);
  grid->SetCells(2, 6, "-40");
  grid->AddProgressPie(2, 7, clBlue, 60);
  grid->AddComment(2, 8, "note");
  grid->SetCells(2, 8, "commented");
  grid->AddButton(2, 9, 60, 22, "Press", haLeft, vaTop);
  grid->AddShape(2, 10, csDiamond, clYellow, clBlack, haLeft, vaTop);
  grid->AddRating(2, 11, 5, clRed, clSilver);
  grid->SetCells(2, 11, "3.5");
  grid->SetCells(3, 2, "marked text");
  grid->AddMarker(3, 2, 0, 6);
  grid->SetCells(3, 3, "http://example.org");
  grid->SetURLShow(true);
  Driver.Pump();
  Driver.Screenshot(form, "grid_every_graphic_kind.png");
  EXPECT_GT(DarkPixels(form->Canvas(), grid->CellRect(2, 3)), 0);
}

// A grid whose third column draws its images from a list of its own.
class ColumnImagesGrid : public TExtStringGrid {
public:
  using TExtStringGrid::TExtStringGrid;
  TImageList* Own = nullptr;

protected:
  TImageList* CellImageList(int ACol, int ARow) override {
    return ACol == 2 ? Own : TExtStringGrid::CellImageList(ACol, ARow);
  }
};

class CellImageListPaint : public GraphicPaint {
protected:
  TExtStringGrid* MakeGrid() override { return columnGrid = new ColumnImagesGrid(form); }
  TImageList* Filled(int Size, TColor Colour) {
    auto* list = new TImageList(form, Size, Size);
    TBitmap b;
    b.SetSize(Size, Size);
    b.Canvas()->Brush()->SetColor(Colour);
    b.Canvas()->FillRect(Rect(0, 0, Size, Size));
    list->Add(&b);
    return list;
  }
  ColumnImagesGrid* columnGrid = nullptr;
};

// Image cells are drawn and measured from the cell's image list, which a
// descendant grid may choose per cell; other cells keep GridImages.
TEST_F(CellImageListPaint, ImageCellsDrawAndMeasureFromTheCellsList) {
  grid->SetGridImages(Filled(16, clBlue));
  columnGrid->Own = Filled(24, clRed);
  grid->AddImageIdx(1, 1, 0, haLeft, vaTop);
  grid->AddImageIdx(2, 1, 0, haLeft, vaTop);
  EXPECT_EQ(grid->GetCellGraphicLayout(1, 1).Width, 16);
  EXPECT_EQ(grid->GetCellGraphicLayout(2, 1).Width, 24);
  Snap();
  EXPECT_GT(Count(grid->CellRect(1, 1), clBlue), 0);
  EXPECT_EQ(Count(grid->CellRect(1, 1), clRed), 0);
  EXPECT_GE(Count(grid->CellRect(2, 1), clRed), 22 * 22);
  EXPECT_EQ(Count(grid->CellRect(2, 1), clBlue), 0);
}

}  // namespace
