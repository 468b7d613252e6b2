// Pixel probes of the base grid's paint frame: lines drawn inside the cells,
// fixed and normal faces, merged ranges painted whole, the hidden last row,
// active and hover rows, selection faces and the plain single-cell paint.

#include "BaseGridFixture.h"
#include "grid/PixelProbes.h"

namespace {

// Counts the content painter's calls per cell.
class TCountingGrid : public TTestBaseGrid {
public:
  explicit TCountingGrid(TComponent* AOwner) : TTestBaseGrid(AOwner) {}
  std::map<std::pair<int, int>, int> Content;
  void DrawCellContent(TCanvas* ACanvas, int ACol, int ARow, TRect ARect, TGridDrawState AState) override {
    ++Content[{ACol, ARow}];
    TTestBaseGrid::DrawCellContent(ACanvas, ACol, ARow, ARect, AState);
  }
};

class BaseGridPaint : public BaseGridTestOf<TCountingGrid> {
protected:
  TColor Rgb(TColor c) { return ColorToRGB(c); }
  // Dark pixels (text) inside a rectangle of the last snapshot.
  int Ink(const TRect& r) { return DarkPixels(bmp.Canvas(), r); }
  const TColor kLine = RGB(192, 192, 192);
  const TColor kFixedLine = RGB(128, 128, 128);
};

struct ProbeCase {
  const char* What;
  int X, Y;
  bool Fixed;  // expected: the fixed face or line, else the normal ones
  bool Line;
};

TEST_F(BaseGridPaint, LinesLieInsideTheCellsAlongTheirRightAndBottomEdges) {
  Snap();
  // Cell (2, 2) is (128, 48, 192, 72); fixed cell (0, 2) is (0, 48, 64, 72).
  const std::vector<ProbeCase> cases = {
      {"normal inside", 160, 60, false, false}, {"normal right edge", 191, 60, false, true},
      {"normal bottom edge", 160, 71, false, true}, {"normal left edge", 128, 60, false, false},
      {"fixed inside", 30, 60, true, false},    {"fixed right edge", 63, 60, true, true},
      {"fixed bottom edge", 30, 71, true, true},
  };
  for (const ProbeCase& k : cases) {
    TColor want = k.Line ? (k.Fixed ? kFixedLine : kLine) : Rgb(k.Fixed ? clBtnFace : clWindow);
    EXPECT_EQ(Pixel(k.X, k.Y), want) << k.What;
  }
}

TEST_F(BaseGridPaint, WideLinesAreCentredInsideTheCellAndFixedLinesStayThin) {
  grid->SetGridLineWidth(3);
  Snap();
  EXPECT_EQ(Pixel(190, 60), kLine);
  EXPECT_EQ(Pixel(186, 60), Rgb(clWindow));
  EXPECT_EQ(Pixel(63, 60), kFixedLine);
  EXPECT_EQ(Pixel(61, 60), Rgb(clBtnFace));
}

TEST_F(BaseGridPaint, AMergedRangeIsOneFaceWithoutInnerLines) {
  grid->SetCells(1, 1, "M");
  grid->MergeCells(1, 1, 3, 2);  // (64, 24) .. (256, 72)
  Driver.Pump();
  grid->Content.clear();
  Snap();
  EXPECT_EQ(Pixel(127, 30), Rgb(clWindow));  // where column 1 would end
  EXPECT_EQ(Pixel(80, 47), Rgb(clWindow));   // where row 1 would end
  EXPECT_EQ(Pixel(255, 30), kLine);
  EXPECT_EQ(Pixel(80, 71), kLine);
  // The text is centred in the whole range, not in the base cell.
  EXPECT_EQ(Ink({64, 24, 140, 72}), 0);
  EXPECT_GT(Ink({140, 24, 180, 72}), 0);
  // Painted at most twice per pass: reached directly and through one non-base cell.
  int n = grid->Content[std::make_pair(1, 1)];
  EXPECT_GE(n, 1);
  EXPECT_LE(n, 2);
  EXPECT_EQ(grid->Content.count(std::make_pair(2, 1)), 0u);
}

TEST_F(BaseGridPaint, ARangeScrolledUnderTheFixedRowDoesNotPaintOverIt) {
  grid->SetRowCount(30);
  grid->SetCells(2, 1, "M");
  grid->MergeCells(2, 1, 1, 3);  // rows 1..3
  grid->SetTopRow(2);            // row 1 scrolled away
  Snap();
  EXPECT_EQ(Pixel(150, 10), Rgb(clBtnFace));  // the fixed header cell of column 2
  EXPECT_EQ(Pixel(150, 30), Rgb(clWindow));   // the rest of the range
  EXPECT_EQ(Pixel(150, 71), kLine);           // its bottom, row 3 ending at 72
}

TEST_F(BaseGridPaint, TheFocusRectangleGoesRoundTheWholeRange) {
  grid->MergeCells(1, 1, 3, 1);  // (64, 24) .. (256, 48)
  FocusGrid();
  grid->SetCol(2);               // a non-base cell is current
  Snap();
  int dots = 0;
  for (int x = 70; x < 250; ++x) dots += Pixel(x, 24) == Rgb(clBlack);
  EXPECT_GT(dots, 40);  // every other pixel of the top edge
  int inside = 0;       // where the non-base cell's own rectangle would be
  for (int y = 26; y < 46; ++y) inside += Pixel(128, y) != Rgb(clWindow) || Pixel(191, y) != Rgb(clWindow);
  EXPECT_EQ(inside, 0);
}

TEST_F(BaseGridPaint, TheHiddenLastRowIsPlainGridColour) {
  grid->FHideLastRow = true;
  grid->SetCells(2, 7, "hidden");
  Snap();  // row 7: y 168 .. 192
  EXPECT_EQ(Pixel(191, 180), Rgb(clWindow));
  EXPECT_EQ(Pixel(160, 191), Rgb(clWindow));
  EXPECT_EQ(Pixel(30, 180), Rgb(clWindow));  // the fixed cell too
  EXPECT_EQ(Ink({128, 168, 192, 192}), 0);
}

TEST_F(BaseGridPaint, TheActiveRowColoursTheCurrentRowButTheCurrentCell) {
  grid->SetActiveRowShow(true);
  grid->SetActiveRowColor(clYellow);
  grid->SetRow(2);
  Snap();  // current cell (1, 2)
  EXPECT_EQ(Pixel(160, 60), Rgb(clYellow));
  EXPECT_NE(Pixel(96, 60), Rgb(clYellow));
  EXPECT_EQ(Pixel(30, 60), Rgb(clBtnFace));
  grid->FShowSel = false;
  Snap();
  EXPECT_EQ(Pixel(96, 60), Rgb(clYellow));
}

TEST_F(BaseGridPaint, TheHoverRowSparesFixedCellsByDefault) {
  grid->SetHoverRow(true);
  grid->SetHoverRowColor(clLime);
  grid->FHoverRowIdx = 3;
  Snap();  // row 3: y 72 .. 96
  EXPECT_EQ(Pixel(160, 84), Rgb(clLime));
  EXPECT_EQ(Pixel(30, 84), Rgb(clBtnFace));
  grid->SetHoverRowCells({hcNormal, hcSelected, hcFixed});
  Snap();
  EXPECT_EQ(Pixel(30, 84), Rgb(clLime));
}

TEST_F(BaseGridPaint, AnUnfocusedSelectionFaceIsGreyInEveryStyle) {
  grid->SetSelection({1, 1, 3, 1});
  for (TGridSelectionStyle style : {ssVista, ssWin7, ssOffice2007}) {
    grid->SetSelectionStyle(style);
    Snap();
    TColor c = Pixel(160, 36);  // the middle of (2, 1)
    int r = c & 0xFF, g = (c >> 8) & 0xFF, b = (c >> 16) & 0xFF;
    EXPECT_TRUE(r == g && g == b && r >= 0xE5 && r <= 0xF8) << std::hex << c;
  }
  grid->SetSelectionStyle(ssDefault);
  Snap();
  EXPECT_EQ(Pixel(160, 36), Rgb(clHighlight));
}

TEST_F(BaseGridPaint, PaintCellExtUsesTheActiveRowColoursAndDrawsNoText) {
  grid->SetCells(2, 2, "XXXX");
  grid->SetActiveRowColor(clAqua);
  bmp.SetSize(64, 24);
  grid->PaintCellExt(bmp.Canvas(), 2, 2, TRect{0, 0, 64, 24}, TGridDrawState{gdSelected});
  EXPECT_EQ(Pixel(20, 10), Rgb(clAqua));
  EXPECT_EQ(Ink({0, 0, 62, 22}), 0);
  TBitmap full;
  full.SetSize(64, 24);
  grid->Content.clear();
  grid->PaintCell(full.Canvas(), 2, 2, TRect{0, 0, 64, 24}, TGridDrawState{});
  EXPECT_EQ((grid->Content[{2, 2}]), 1);
}

TEST_F(BaseGridPaint, WideCellTextIsDrawnDecoded) {
  grid->SetCells(2, 2, "AB");
  Snap();
  TBitmap plain;
  plain.Assign(&bmp);
  grid->SetCells(2, 2, std::string("|\\\0A\0B", 6));
  Snap();
  int differ = 0;
  for (int y = 48; y < 72; ++y)
    for (int x = 128; x < 192; ++x) differ += plain.Canvas()->Pixels(x, y) != bmp.Canvas()->Pixels(x, y);
  EXPECT_EQ(differ, 0);
  EXPECT_GT(Ink({128, 48, 192, 72}), 0);
}

TEST_F(BaseGridPaint, HtmlCellTextIsDrawnWithoutItsTags) {
  grid->SetCells(2, 2, "<i>AB</i>");
  grid->SetCells(2, 3, "[i]AB[/i]");  // as long, drawn as it is
  Snap();
  int html = Ink({128, 48, 192, 72}), plain = Ink({128, 72, 192, 96});
  EXPECT_GT(html, 0);
  EXPECT_LT(html * 2, plain);
}

TEST_F(BaseGridPaint, LeavingARangeRepaintsTheWholeRange) {
  grid->MergeCells(1, 1, 3, 2);  // (64, 24) .. (256, 72)
  FocusGrid();
  Driver.ClearPaints();
  grid->SetRow(4);
  Driver.Pump();
  EXPECT_TRUE(Repainted(TRect{64, 24, 256, 72}));
}

TEST_F(BaseGridPaint, EveryPaintStartsANewPass) {
  int before = grid->PaintID();
  Snap();
  EXPECT_EQ(grid->PaintID(), before + 1);
}

}  // namespace

namespace {

// A picture for a person to look at: ranges across columns, rows and both,
// one scrolled partly under the fixed row, with the current cell in a range.
TEST_F(BaseGridPaint, ScreenshotOfMergedRanges) {
  grid->SetBounds(10, 10, 460, 300);
  grid->SetRowCount(12);
  grid->SetColCount(7);
  for (int c = 1; c < 7; ++c) grid->SetCells(c, 0, "Col " + std::to_string(c));
  for (int r = 1; r < 12; ++r) grid->SetCells(0, r, std::to_string(r));
  for (int r = 1; r < 12; ++r)
    for (int c = 1; c < 7; ++c) grid->SetCells(c, r, std::to_string(c) + ":" + std::to_string(r));
  grid->SetCells(1, 1, "3 x 2");
  grid->MergeCells(1, 1, 3, 2);
  grid->SetCells(5, 1, "tall");
  grid->MergeCells(5, 1, 1, 4);
  grid->SetCells(2, 4, "wide");
  grid->MergeCells(2, 4, 2, 1);
  grid->SetSelectionStyle(ssVista);
  Driver.Focus(grid);
  grid->SetCol(3);
  grid->SetRow(4);
  Driver.Pump();
  EXPECT_EQ(grid->Col(), 3);  // a click or SetCol may land on a non-base cell
  std::string path = Driver.Screenshot(form, "base_grid_merged.png");
  EXPECT_FALSE(path.empty());
  // A merged range is drawn as one cell: the grid line between its columns
  // (rows) shows in an ordinary row (column) and not inside the range.
  const TColor white = ColorToRGB(clWindow);
  const TRect plain = grid->CellRect(1, 5), merged = grid->CellRect(1, 1);
  int lineX = -1;
  for (int x = plain.Right - 2; x <= plain.Right + 2 && lineX < 0; ++x)
    if (Driver.PixelAt(grid, x, (plain.Top + plain.Bottom) / 2) != white) lineX = x;
  ASSERT_GE(lineX, 0) << "no grid line after column 1 in row 5";
  EXPECT_EQ(Driver.PixelAt(grid, lineX, (merged.Top + merged.Bottom) / 2), white);
  const TRect beside = grid->CellRect(6, 1), tall = grid->CellRect(5, 1);
  int lineY = -1;
  for (int y = beside.Bottom - 2; y <= beside.Bottom + 2 && lineY < 0; ++y)
    if (Driver.PixelAt(grid, (beside.Left + beside.Right) / 2, y) != white) lineY = y;
  ASSERT_GE(lineY, 0) << "no grid line below row 1 in column 6";
  EXPECT_EQ(Driver.PixelAt(grid, tall.Left + 5, lineY), white);
}

}  // namespace
