// Column layouts kept between runs: state strings and the ColumnSize store.

#include "grid/core/ColumnLayout.h"
#include "grid/core/GridCoreFixture.h"
#include "platform/registry/Registry.h"
#include "platform/support/TempFolder.h"
#include "toolkit/rtl/FileUtils.h"
#include "toolkit/rtl/IniFiles.h"
#include "toolkit/rtl/ScopeGuard.h"

namespace {

class ExtGridColumnLayoutTest : public ExtGridTest {
protected:
  void SetUp() override {
    ExtGridTest::SetUp();
    grid->SetFixedCols(0);
    Columns(3);
  }
  void Columns(int N) {
    grid->SetColCount(N);
    for (int c = 0; c < N; ++c) grid->SetCells(c, 0, "c" + std::to_string(c));
  }
  std::vector<std::string> Shown() { return DisplayedRow(0); }
  std::vector<int> Widths() {
    std::vector<int> w;
    for (int d = 0; d < grid->ColCount(); ++d) w.push_back(grid->ColWidths(d));
    return w;
  }
  std::vector<int> Order() {
    std::vector<int> o;
    for (int i = 0; i < grid->ColumnOrder()->Count(); ++i) o.push_back(grid->ColumnOrder()->GetInteger(i));
    return o;
  }
};

TEST_F(ExtGridColumnLayoutTest, StateStringNamesAllColumnsWithTheHiddenOnes) {
  Columns(5);
  for (int c = 0; c < 5; ++c) grid->SetColWidths(c, 64);
  grid->HideColumn(2);
  EXPECT_EQ(grid->ColumnStatesToString(), "5#64,64,64,64,64#0,1,2,3,4#1,1,0,1,1");
}

TEST_F(ExtGridColumnLayoutTest, AppliedStringArrangesSizesAndRecordsTheOrder) {
  grid->StringToColumnStates("3#50,60,70#2,0,1#1,1,1");
  EXPECT_EQ(Shown(), (std::vector<std::string>{"c2", "c0", "c1"}));
  EXPECT_EQ(Widths(), (std::vector<int>{50, 60, 70}));
  EXPECT_EQ(Order(), (std::vector<int>{2, 0, 1}));
}

TEST_F(ExtGridColumnLayoutTest, AnEmptyOrderKeepsTheOrderAndStillAppliesTheRest) {
  grid->StringToColumnStates("3#50,60,70##1,0,1");
  EXPECT_EQ(Shown(), (std::vector<std::string>{"c0", "c2"}));
  EXPECT_EQ(Widths(), (std::vector<int>{50, 70}));
  EXPECT_EQ(grid->ColumnStatesToString(), "3#50,60,70#0,1,2#1,0,1") << "the hidden column keeps its width";
}

TEST_F(ExtGridColumnLayoutTest, ALayoutAppliesTheSameFromAnyArrangement) {
  Columns(4);
  const std::string layout = "4#10,20,30,40#3,1,0,2#1,1,0,1";
  grid->StringToColumnStates(layout);
  EXPECT_EQ(grid->ColumnStatesToString(), layout);
  const std::vector<std::string> shown = Shown();
  EXPECT_EQ(shown, (std::vector<std::string>{"c3", "c1", "c2"}));
  grid->StringToColumnStates(layout);
  EXPECT_EQ(Shown(), shown) << "applied again over a moved arrangement";
  EXPECT_EQ(grid->ColumnStatesToString(), layout);
}

TEST_F(ExtGridColumnLayoutTest, ABadLayoutRaisesAndChangesNothing) {
  grid->StringToColumnStates("3#50,60,70#1,0,2#1,1,1");
  const std::string before = grid->ColumnStatesToString();
  const char* bad[] = {
      "3#50,60#0,1,2#1,1,1",        // too few widths
      "3#50,-1,70#0,1,2#1,1,1",     // negative width
      "3#50,60,70#0,0,1#1,1,1",     // not a permutation
      "3#50,60,70#0,1,3#1,1,1",     // index out of range
      "3#a,60,70#0,1,2#1,1,1",      // not a number
      "3#50,60,70#0,1,2#1,2,1",     // not a flag
      "0###",                       // no columns
      "3#50,60,70#0,1,2",           // a field missing
      "99999999#1#0#1",             // absurd count
  };
  for (const char* s : bad) {
    EXPECT_THROW(grid->StringToColumnStates(s), EConvertError) << s;
    EXPECT_EQ(grid->ColumnStatesToString(), before) << s;
    EXPECT_EQ(Shown(), (std::vector<std::string>{"c1", "c0", "c2"})) << s;
  }
  grid->StringToColumnStates("no layout");
  EXPECT_EQ(grid->ColumnStatesToString(), before);
}

TEST_F(ExtGridColumnLayoutTest, RanksTurnGappedIndexesIntoAPermutation) {
  EXPECT_EQ(Ranks({7, 2, 5}), (std::vector<int>{2, 0, 1}));
  EXPECT_EQ(InversePermutation({2, 0, 1}), (std::vector<int>{1, 2, 0}));
  EXPECT_TRUE(IsPermutation({1, 0}));
  EXPECT_FALSE(IsPermutation({1, 1}));
}

class ExtGridColumnStoreTest : public ExtGridColumnLayoutTest {
protected:
  void SetUp() override {
    ExtGridColumnLayoutTest::SetUp();
    grid->ColumnSize()->SetLocation(clIniFile);
    grid->ColumnSize()->SetKey(ini.string());
    grid->ColumnSize()->SetSection("Grid");
  }
  void TearDown() override {
    std::filesystem::remove(ini);
    ExtGridColumnLayoutTest::TearDown();
  }
  // A three-column grid of this store in the middle of loading.
  TExtStringGrid* LoadingGrid(bool Save) {
    auto* g = new TExtStringGrid(form);
    g->BeginLoading();
    g->SetFixedCols(0);
    g->SetColCount(3);
    for (int c = 0; c < 3; ++c) g->SetCells(c, 0, "c" + std::to_string(c));
    g->ColumnSize()->SetLocation(clIniFile);
    g->ColumnSize()->SetKey(ini.string());
    g->ColumnSize()->SetSection("Grid");
    g->ColumnSize()->SetSave(Save);
    return g;
  }
  std::filesystem::path ini = std::filesystem::temp_directory_path() / ("columns-" + std::to_string(getpid()) + ".ini");
};

TEST_F(ExtGridColumnStoreTest, WidthsAndPositionsRoundTripThroughAnIniFile) {
  for (int c = 0; c < 3; ++c) grid->SetColWidths(c, 30 + c);
  grid->StringToColumnStates("3#30,31,32#1,2,0#1,1,1");
  grid->SaveColSizes();
  grid->SaveColPositions();
  {
    TIniFile f(ini.string());
    EXPECT_EQ(f.ReadInteger("Grid", "Col0", -1), 30);
    EXPECT_EQ(f.ReadInteger("Grid", "Pos0", -1), 1);
    EXPECT_EQ(f.ReadInteger("Grid", "Pos2", -1), 0);
  }
  grid->StringToColumnStates("3#64,64,64#0,1,2#1,1,1");
  grid->LoadColPositions();
  grid->LoadColSizes();
  EXPECT_EQ(Shown(), (std::vector<std::string>{"c1", "c2", "c0"}));
  EXPECT_EQ(Widths(), (std::vector<int>{30, 31, 32})) << "widths by display position";
  EXPECT_EQ(Order(), (std::vector<int>{1, 2, 0}));
}

TEST_F(ExtGridColumnStoreTest, NothingHappensWithoutAKeyOrStoredPositions) {
  grid->ColumnSize()->SetKey("");
  grid->SaveColSizes();
  EXPECT_FALSE(std::filesystem::exists(ini));
  grid->ColumnSize()->SetKey(ini.string());
  grid->LoadColPositions();
  EXPECT_EQ(Shown(), (std::vector<std::string>{"c0", "c1", "c2"}));
}

TEST_F(ExtGridColumnStoreTest, ABadStoredOrderRaisesAndChangesNothing) {
  WriteFileAtomic(ini.string(), "[Grid]\r\nPos0=1\r\nPos1=1\r\nPos2=0\r\n");
  EXPECT_THROW(grid->LoadColPositions(), EConvertError);
  EXPECT_EQ(Shown(), (std::vector<std::string>{"c0", "c1", "c2"}));
  WriteFileAtomic(ini.string(), "[Grid]\r\nCol0=10\r\nCol1=-5\r\n");
  const std::vector<int> widths = Widths();
  EXPECT_THROW(grid->LoadColSizes(), EConvertError);
  EXPECT_EQ(Widths(), widths);
}

TEST_F(ExtGridColumnLayoutTest, WidthsRoundTripThroughTheRegistry) {
  testsupport::TempFolder folder;
  platform::SetRegistryFile(folder / "registry.xml");
  auto restore = MakeScopeGuard([] { platform::SetRegistryFile({}); });
  grid->ColumnSize()->SetLocation(clRegistry);
  grid->ColumnSize()->SetKey("Software\\Quelix\\Test");
  grid->ColumnSize()->SetSection("Columns");
  for (int c = 0; c < 3; ++c) grid->SetColWidths(c, 40 + c);
  grid->SaveColSizes();
  for (int c = 0; c < 3; ++c) grid->SetColWidths(c, 64);
  grid->LoadColSizes();
  EXPECT_EQ(Widths(), (std::vector<int>{40, 41, 42}));
}

// With Save on, a grid stores its widths when it goes and the next grid of
// the same store shows them as soon as its window is made.
TEST_F(ExtGridColumnStoreTest, SavedWidthsFollowTheGridFromOneRunToTheNext) {
  const auto makeGrid = [&] {
    auto* g = new TExtStringGrid(form);
    g->SetFixedCols(0);
    g->SetColCount(3);
    g->ColumnSize()->SetLocation(clIniFile);
    g->ColumnSize()->SetKey(ini.string());
    g->ColumnSize()->SetSection("Grid");
    g->ColumnSize()->SetSave(true);
    return g;
  };
  TExtStringGrid* first = makeGrid();
  for (int c = 0; c < 3; ++c) first->SetColWidths(c, 20 + c);
  delete first;
  {
    TIniFile f(ini.string());
    EXPECT_EQ(f.ReadInteger("Grid", "Col2", -1), 22);
  }
  TExtStringGrid* next = makeGrid();
  EXPECT_EQ(next->ColWidths(1), 64) << "nothing is read before the window is made";
  next->SetParent(form);
  next->HandleNeeded();
  EXPECT_EQ(next->ColWidths(0), 20);
  EXPECT_EQ(next->ColWidths(2), 22);

  // Without Save nothing is written when the grid goes.
  next->ColumnSize()->SetSave(false);
  next->SetColWidths(0, 50);
  delete next;
  TIniFile f(ini.string());
  EXPECT_EQ(f.ReadInteger("Grid", "Col0", -1), 20);
}

// A grid that keeps its layout shows, once loaded, the order and the widths
// its store holds; without Save the store is not read.
TEST_F(ExtGridColumnStoreTest, LoadingShowsTheStoredOrderWithItsWidths) {
  WriteFileAtomic(ini.string(), "[Grid]\r\nPos0=2\r\nPos1=0\r\nPos2=1\r\nCol0=30\r\nCol1=31\r\nCol2=32\r\n");
  for (const bool save : {true, false}) {
    TExtStringGrid* g = LoadingGrid(save);
    g->EndLoading();
    std::vector<std::string> shown;
    std::vector<int> widths;
    for (int d = 0; d < g->ColCount(); ++d) {
      shown.push_back(g->Cells(g->RealColIndex(d), 0));
      widths.push_back(g->ColWidths(d));
    }
    if (save) {
      EXPECT_EQ(shown, (std::vector<std::string>{"c2", "c0", "c1"}));
      EXPECT_EQ(widths, (std::vector<int>{30, 31, 32})) << "widths by display position";
      ASSERT_EQ(g->ColumnOrder()->Count(), 3);
      EXPECT_EQ(g->ColumnOrder()->GetInteger(0), 2);
    } else {
      EXPECT_EQ(shown, (std::vector<std::string>{"c0", "c1", "c2"}));
      EXPECT_EQ(widths, (std::vector<int>{64, 64, 64}));
    }
    g->ColumnSize()->SetSave(false);
    delete g;
  }
}

// A bad stored order is reported; the widths still come back.
TEST_F(ExtGridColumnStoreTest, LoadingReportsABadStoredOrderAndKeepsTheColumns) {
  WriteFileAtomic(ini.string(), "[Grid]\r\nPos0=1\r\nPos1=1\r\nPos2=0\r\nCol0=30\r\n");
  TExtStringGrid* g = LoadingGrid(true);
  Driver.ExpectMessage("", mrOk);
  g->EndLoading();
  ASSERT_EQ(Driver.MessageBoxes().size(), 1u);
  EXPECT_NE(Driver.MessageBoxes()[0].Text.find("does not name every column once"), std::string::npos);
  EXPECT_EQ(g->Cells(g->RealColIndex(0), 0), "c0");
  EXPECT_EQ(g->ColWidths(0), 30);
  g->ColumnSize()->SetSave(false);
  delete g;
}

TEST_F(ExtGridColumnStoreTest, AnUnreadableStoreIsReportedAndTheGridStillShows) {
  WriteFileAtomic(ini.string(), "[Grid]\r\nCol0=-3\r\n");
  auto* g = new TExtStringGrid(form);
  g->ColumnSize()->SetLocation(clIniFile);
  g->ColumnSize()->SetKey(ini.string());
  g->ColumnSize()->SetSection("Grid");
  g->ColumnSize()->SetSave(true);
  Driver.ExpectMessage("", mrOk);
  g->SetParent(form);
  g->HandleNeeded();
  EXPECT_TRUE(g->HandleAllocated());
  EXPECT_EQ(g->ColWidths(0), 64);
  ASSERT_EQ(Driver.MessageBoxes().size(), 1u);
  EXPECT_NE(Driver.MessageBoxes()[0].Text.find("negative"), std::string::npos);
  g->ColumnSize()->SetSave(false);
}

}  // namespace
