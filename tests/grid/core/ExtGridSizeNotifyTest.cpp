// The grid's size and change notifications: registered notifiers told of
// changed cells, the stretch that takes a resize (OnGridResize), the fixed
// cell highlight reset, the footer canvas, the group borders, copying from
// another grid, loading, scaling, the footer height and word wrap reaching
// the editor, and numbers read from cells.

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "grid/core/CellGraphic.h"
#include "grid/editing/ExtInplaceEdit.h"
#include "tests/grid/core/GridCoreFixture.h"
#include "toolkit/forms/std/Containers.h"
#include "toolkit/graphics/GraphicsObjects.h"

namespace {

class TLoadableGrid : public TExtStringGrid {
public:
  explicit TLoadableGrid(TComponent* AOwner) : TExtStringGrid(AOwner) {}
  using TExtStringGrid::Loaded;
};

class TRecordingNotifier : public TGridChangeNotifier {
public:
  explicit TRecordingNotifier(TComponent* AOwner) : TGridChangeNotifier(AOwner) {}
  std::vector<TRect> Told;
  void CellsChanged(const TRect& R) override { Told.push_back(R); }
};

TEST_F(ExtGridTest, RegisteredNotifiersAreToldOfChangedCellsInOrder) {
  std::vector<std::string> order;
  grid->OnCellsChanged = [&](TObject*, const TRect&) { order.push_back("event"); };
  auto* a = new TRecordingNotifier(nullptr);
  std::unique_ptr<TRecordingNotifier> b = std::make_unique<TRecordingNotifier>(nullptr);
  grid->RegisterNotifier(a);
  grid->RegisterNotifier(b.get());
  grid->RegisterNotifier(a);  // listed once
  grid->CellsChanged(TRect{1, 2, 3, 4});
  ASSERT_EQ(a->Told.size(), 1u);
  EXPECT_EQ(a->Told[0], (TRect{1, 2, 3, 4}));
  EXPECT_EQ(b->Told.size(), 1u);
  EXPECT_EQ(order, (std::vector<std::string>{"event"}));

  grid->UnRegisterNotifier(b.get());
  grid->UnRegisterNotifier(b.get());  // not listed: nothing happens
  grid->RemoveRows(1, 1);
  EXPECT_EQ(a->Told.size(), 2u);
  EXPECT_EQ(b->Told.size(), 1u);
  delete a;  // a freed notifier leaves the list
  grid->CellsChanged(TRect{0, 0, 1, 1});
  EXPECT_EQ(b->Told.size(), 1u);
}

TEST_F(ExtGridTest, ResizeScalesTheRecordedWidthsWithTheGrid) {
  grid->SetColCount(4);
  for (int c = 0; c < 4; ++c) grid->SetColWidths(c, 50 + c);
  grid->SetBounds(0, 0, 400, 200);
  grid->InitOrigColSizes();
  grid->ColumnSize()->SetSynchWithGrid(true);
  grid->SetBounds(0, 0, 800, 200);
  Driver.Pump();
  for (int c = 0; c < 4; ++c) EXPECT_EQ(grid->ColWidths(c), 2 * (50 + c)) << c;
}

TEST_F(ExtGridTest, TheFooterCanvasIsTheFloatingFootersPanel) {
  EXPECT_EQ(grid->FooterCanvas(), nullptr);
  grid->FloatingFooter()->SetVisible(true);
  Driver.Pump();
  EXPECT_NE(grid->FooterCanvas(), nullptr);
}

TEST_F(ExtGridTest, DefaultRowHeightSetsTheFloatingFootersHeight) {
  grid->FloatingFooter()->SetVisible(true);
  grid->SetDefaultRowHeight(30);
  EXPECT_EQ(grid->FloatingFooter()->Height(), 30);
}

TEST_F(ExtGridTest, GroupHeadersAreUnderlinedAndSummaryRowsLinedAbove) {
  grid->SetRowCount(8);
  grid->AddNode(2, 3);
  grid->MarkSummaryRow(5);
  grid->Grouping()->SetHeaderUnderline(true);
  grid->Grouping()->SetHeaderLineColor(clRed);
  grid->Grouping()->SetHeaderLineWidth(3);
  grid->Grouping()->SetSummaryLine(true);
  grid->Grouping()->SetSummaryLineColor(clGreen);
  grid->Grouping()->SetSummaryLineWidth(1);
  TPen pen;
  TCellBorders borders;
  grid->GetCellBorder(2, 2, &pen, borders);
  EXPECT_EQ(borders, (TCellBorders{cbBottom}));
  EXPECT_EQ(pen.Color(), clRed);
  EXPECT_EQ(pen.Width(), 3);
  borders = {};
  grid->GetCellBorder(0, 2, &pen, borders);  // the node column has none
  EXPECT_TRUE(borders.Empty());
  grid->GetCellBorder(1, 5, &pen, borders);
  EXPECT_EQ(borders, (TCellBorders{cbTop}));
  EXPECT_EQ(pen.Color(), clGreen);
  borders = {};
  grid->GetCellBorder(1, 4, &pen, borders);
  EXPECT_TRUE(borders.Empty());
  grid->OnGetCellBorder = [](TObject*, int, int, TPen*, TCellBorders& b) { b = {}; };  // the event decides last
  grid->GetCellBorder(1, 5, &pen, borders);
  EXPECT_TRUE(borders.Empty());
}

TEST_F(ExtGridTest, AssignCopiesTheLayoutSettings) {
  auto* src = new TExtStringGrid(form);
  src->SetAlign(alBottom);
  src->SetAnchorHint(true);
  src->FilterDropDown()->SetWidth(222);
  src->Filter()->Add()->SetCondition("A*");
  src->CellNode()->SetNodeColor(clRed);
  src->SortSettings()->SetColumn(3);
  src->SetFixedColWidth(40);
  grid->Assign(src);
  EXPECT_EQ(grid->Align(), alBottom);
  EXPECT_TRUE(grid->AnchorHint());
  EXPECT_EQ(grid->FilterDropDown()->Width(), 222);
  ASSERT_EQ(grid->Filter()->Count(), 1);
  EXPECT_EQ(grid->Filter()->Items(0)->Condition(), "A*");
  EXPECT_EQ(grid->CellNode()->NodeColor(), clRed);
  EXPECT_EQ(grid->SortSettings()->Column(), 3);
  EXPECT_EQ(grid->FixedColWidth(), 40);
}

TEST_F(ExtGridTest, ScalingTheHeaderFontsThereAndBackKeepsTheirSize) {
  grid->FixedFont()->SetSize(9);
  grid->ActiveCellFont()->SetSize(9);
  grid->ChangeScale(120, 96);
  EXPECT_EQ(grid->FixedFont()->Size(), 11);
  grid->ChangeScale(96, 120);
  EXPECT_EQ(grid->FixedFont()->Size(), 9);
  EXPECT_EQ(grid->ActiveCellFont()->Size(), 9);
}

TEST_F(ExtGridTest, ACellControlFollowsItsCellAndHidesOutOfView) {
  grid->SetRowCount(40);
  grid->SetBounds(0, 0, 400, 200);
  auto* panel = new TPanel(form);
  grid->SetCellControls(2, 3, panel);
  grid->SetColWidths(1, 100);
  TRect r = grid->CellRect(2, 3);
  EXPECT_EQ(panel->Left(), r.Left - 1);
  EXPECT_EQ(panel->Top(), r.Top - 1);
  grid->SetTopRow(20);
  EXPECT_FALSE(panel->Visible());
  grid->SetTopRow(1);
  EXPECT_TRUE(panel->Visible());
  EXPECT_EQ(panel->Top(), grid->CellRect(2, 3).Top - 1);
}

TEST_F(ExtGridTest, UpdatingCellControlsRepaintsTheVisibleOnes) {
  grid->SetRowCount(40);
  grid->SetBounds(0, 0, 400, 200);
  auto* shown = new TPanel(form);
  shown->SetName("ShownPanel");
  auto* away = new TPanel(form);
  away->SetName("AwayPanel");
  grid->SetCellControls(2, 3, shown);
  grid->SetCellControls(2, 30, away);
  Driver.Pump();
  Driver.ClearPaints();
  grid->CellControlsUpdate(false);
  Driver.Pump();
  const std::vector<std::string> painted = Driver.PaintedNames();
  EXPECT_NE(std::find(painted.begin(), painted.end(), "ShownPanel"), painted.end());
  EXPECT_EQ(std::find(painted.begin(), painted.end(), "AwayPanel"), painted.end());
}

class LoadedGridTest : public FormsTest {};

TEST_F(LoadedGridTest, LoadingAutoSizesTheColumnsWhenAsked) {
  auto* form = new TForm(Application);
  form->Show();
  auto* grid = new TLoadableGrid(form);
  grid->SetParent(form);
  grid->SetAutoSize(true);
  grid->SetCells(1, 1, std::string(40, 'W'));
  int before = grid->ColWidths(1);
  grid->Loaded();
  EXPECT_GT(grid->ColWidths(1), before);
}

struct TNumberCase {
  const char* Text;
  bool Valid;
  double Value;
};

TEST_F(ExtGridTest, FloatsAndIntsRefuseTextsThatAreNoNumbers) {
  const TNumberCase floats[] = {
      {"", true, 0},          {"-", true, 0},      {"12.5", true, 12.5},  {" -3 ", true, -3},  {"(4)", true, -4},
      {"1e3", true, 1000},    {"$ 7", true, 7},    {"nan", false, 0},     {"inf", false, 0},   {"0x10", false, 0},
      {"12abc", false, 0},    {"abc", false, 0},   {"1.2.3", false, 0},
  };
  for (const TNumberCase& c : floats) {
    SCOPED_TRACE(c.Text);
    grid->SetCells(1, 1, c.Text);
    if (c.Valid) {
      EXPECT_DOUBLE_EQ(grid->Floats(1, 1), c.Value);
      EXPECT_DOUBLE_EQ(grid->AllFloats(1, 1), c.Value);
    } else {
      EXPECT_THROW(grid->Floats(1, 1), EExtGridError);
      EXPECT_THROW(grid->AllFloats(1, 1), EExtGridError);
    }
  }
  const TNumberCase ints[] = {{"", true, 0}, {"-", true, 0}, {"42", true, 42}, {"-7", true, -7},
                              {"0x10", false, 0}, {"$10", false, 0}, {"4.5", false, 0}, {"nan", false, 0}};
  for (const TNumberCase& c : ints) {
    SCOPED_TRACE(c.Text);
    grid->SetCells(1, 1, c.Text);
    if (c.Valid) EXPECT_EQ(grid->Ints(1, 1), static_cast<int>(c.Value));
    else EXPECT_THROW(grid->Ints(1, 1), EExtGridError);
  }
  try {
    grid->SetCells(1, 1, "nan");
    grid->Floats(1, 1);
  } catch (const EExtGridError& e) {
    EXPECT_STREQ(e.what(), "Cell does not contain a float value");
  }
}

}  // namespace
