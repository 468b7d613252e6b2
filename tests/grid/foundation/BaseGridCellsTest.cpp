// The base grid's cells: merged-range redirect, display hooks, cell objects
// beside the text, owned property records and cell graphics, and cells
// outside the grid.

#include "BaseGridFixture.h"

namespace {

// Notes its destruction, to see who frees a cell graphic.
class TGraphicProbe : public TObject {
public:
  explicit TGraphicProbe(bool* Freed) : freed_(Freed) {}
  ~TGraphicProbe() override { *freed_ = true; }

private:
  bool* freed_;
};

class BaseGridCells : public BaseGridTest {};

TEST_F(BaseGridCells, EveryCellOfA3x2RangeReadsAndWritesTheBaseText) {
  grid->SetCells(1, 1, "base");
  grid->SetGridCell(3, 2, "own");
  grid->MergeCells(1, 1, 3, 2);
  for (int c = 1; c <= 3; ++c)
    for (int r = 1; r <= 2; ++r) EXPECT_EQ(grid->Cells(c, r), "base") << c << "," << r;
  EXPECT_EQ(grid->Cells(4, 1), "");

  Driver.Pump();
  Driver.ClearPaints();
  grid->ValueChanges = 0;
  grid->SetCells(3, 2, "new");
  EXPECT_EQ(grid->GetGridCell(1, 1), "new");
  EXPECT_EQ(grid->GetGridCell(3, 2), "own");  // the written cell's own text stays
  EXPECT_EQ(grid->ValueChanges, 1);
  Driver.Pump();
  // The whole range is repainted.
  EXPECT_TRUE(Repainted(grid->CellRect(1, 1)));

  grid->SplitCells(2, 2);
  EXPECT_EQ(grid->Cells(3, 2), "own");
}

TEST_F(BaseGridCells, WritingAnUnmergedCellRepaintsIt) {
  Driver.Pump();
  Driver.ClearPaints();
  grid->SetCells(2, 3, "x");
  Driver.Pump();
  EXPECT_FALSE(Driver.PaintedNames().empty());
  EXPECT_EQ(grid->ValueChanges, 0);  // the change hook is for cells with records
}

struct HookCase {
  int NormalRowCount;
  int Row;
  bool Hooked;
};

class BaseGridHooks : public BaseGridTest, public ::testing::WithParamInterface<HookCase> {};

TEST_P(BaseGridHooks, DisplayTextHookAppliesBelowTheNormalRowCount) {
  const HookCase& k = GetParam();
  grid->SetRowCount(12);
  grid->FNormalRowCount = k.NormalRowCount;
  grid->SetGridCell(1, k.Row, "raw");
  grid->OnGetDisplText = [](TObject*, int, int, std::string& v) { v = "shown " + v; };
  EXPECT_EQ(grid->Cells(1, k.Row), k.Hooked ? "shown raw" : "raw");
}

INSTANTIATE_TEST_SUITE_P(Rows, BaseGridHooks,
                         ::testing::Values(HookCase{0, 0, false}, HookCase{0, 5, false}, HookCase{10, 0, true},
                                           HookCase{10, 9, true}, HookCase{10, 10, false}));

TEST_F(BaseGridCells, HooksGetTheBaseCellOfARange) {
  grid->FNormalRowCount = 8;
  grid->MergeCells(1, 1, 2, 2);
  std::vector<std::pair<int, int>> asked;
  grid->OnGetDisplText = [&](TObject*, int c, int r, std::string&) { asked.push_back({c, r}); };
  grid->Cells(2, 2);
  ASSERT_EQ(asked.size(), 1u);
  EXPECT_EQ(asked[0], std::make_pair(1, 1));
}

TEST_F(BaseGridCells, AWideHandlerGivesWideTextEvenForPlainText) {
  grid->FNormalRowCount = 8;
  grid->SetCells(1, 1, "AB");
  grid->OnGetDisplWideText = [](TObject*, int, int, std::u16string&) {};
  EXPECT_EQ(grid->Cells(1, 1), std::string("|\\\0A\0B", 6));
  grid->OnGetDisplWideText = [](TObject*, int, int, std::u16string& v) { v += u"\u00e9"; };
  EXPECT_EQ(grid->Cells(1, 1), std::string("|\\\0A\0B\0\xe9", 8));
}

TEST_F(BaseGridCells, ObjectsLiveBesideTheTextAndTouchItNot) {
  grid->FNormalRowCount = 8;
  int hooked = 0;
  // A hook that blanks the cell must not make the object's store erase the raw text.
  grid->OnGetDisplText = [&](TObject*, int, int, std::string& v) {
    ++hooked;
    v.clear();
  };
  grid->SetGridCell(2, 2, "kept");
  grid->SetObjectEx(2, 2, 42);
  EXPECT_EQ(grid->GetGridCell(2, 2), "kept");
  EXPECT_EQ(grid->GetObjectEx(2, 2), 42u);
  grid->SetObjectEx(2, 2, 43);  // a cell that has its record already
  EXPECT_EQ(grid->ValueChanges, 0);
  EXPECT_EQ(grid->GetObjectEx(2, 2), 43u);
  // The framework's Objects go to the same place, never into the raw slot.
  TObject user;
  grid->SetObjects(3, 3, &user);
  EXPECT_EQ(grid->Objects(3, 3), &user);
  EXPECT_EQ(grid->GetGridObject(3, 3), grid->GetCellProperties(3, 3));
}

TEST_F(BaseGridCells, AForeignObjectInTheRawSlotIsNoRecord) {
  TObject foreign;
  grid->Rows(2)->PutObject(3, &foreign);  // the framework's row view writes the raw slot
  grid->SetGridCell(3, 2, "text");
  EXPECT_FALSE(grid->HasCellProperties(3, 2));
  EXPECT_EQ(grid->GetGridObject(3, 2), nullptr);
  EXPECT_EQ(grid->Cells(3, 2), "text");
  EXPECT_FALSE(grid->IsMergedCell(3, 2));
  grid->FreeCellProperties(3, 2);  // leaves the foreign object alone
  EXPECT_EQ(grid->Rows(2)->GetObject(3), nullptr);
}

TEST_F(BaseGridCells, ANewRecordTakesTheCellDefaults) {
  grid->SetWordWrap(false);
  grid->Font()->SetName("DejaVu Serif");
  TCellProperties* p = grid->GetCellProperties(1, 2);
  ASSERT_NE(p, nullptr);
  EXPECT_EQ(p->OwnerCol, 1);
  EXPECT_EQ(p->OwnerRow, 2);
  EXPECT_FALSE(p->WordWrap());
  EXPECT_EQ(p->FontName, "DejaVu Serif");
  EXPECT_EQ(p->BrushColor(), grid->Color());
  EXPECT_EQ(p->BrushColorTo(), clNone);
  EXPECT_EQ(p->Alignment(), taLeftJustify);
  EXPECT_EQ(p->VAlignment(), vtaTop);
  EXPECT_TRUE(p->IsBaseCell);
  EXPECT_EQ(p->CellSpanX, -1);
  EXPECT_EQ(grid->GetCellProperties(1, 2), p);  // made once
  EXPECT_TRUE(grid->HasCellProperties(1, 2));
}

TEST_F(BaseGridCells, AssignCopiesTheListedFieldsOnly) {
  TCellProperties* a = grid->GetCellProperties(1, 1);
  TCellProperties* b = grid->GetCellProperties(2, 2);
  a->CellObject = 7;
  a->FontSize = 14;
  a->SetBrushColor(clRed);
  a->SetBrushColorTo(clBlue);
  a->GradientDirection = GradientHorizontal;
  b->Assign(a);
  EXPECT_EQ(b->CellObject, 7u);
  EXPECT_EQ(b->FontSize, 14);
  EXPECT_EQ(b->BrushColor(), clRed);
  EXPECT_EQ(b->BrushColorTo(), grid->GetCellProperties(3, 3)->BrushColorTo());  // untouched
  EXPECT_EQ(b->GradientDirection, GradientVertical);
  EXPECT_EQ(b->OwnerGrid(), grid);
  TFont other;
  EXPECT_THROW(b->Assign(&other), EConvertError);
}

TEST_F(BaseGridCells, SettingNoRecordLeavesTheCellUnmerged) {
  grid->MergeCells(1, 1, 2, 1);
  grid->SetCellProperties(1, 1, nullptr);
  EXPECT_FALSE(grid->HasCellProperties(1, 1));
  EXPECT_FALSE(grid->IsMergedCell(1, 1));
  EXPECT_EQ(grid->BaseCell(1, 1), (TPoint{1, 1}));
}

struct ReleaseCase {
  const char* Name;
  std::function<void(TBaseGrid*)> Release;
};

TEST_F(BaseGridCells, EveryReleaseFreesTheRecordsOwnedGraphicAndSparesAForeignOne) {
  const std::vector<ReleaseCase> cases = {
      {"FreeCellProperties", [](TBaseGrid* g) { g->FreeCellProperties(2, 2); }},
      {"FreeCellPropertiesRange", [](TBaseGrid* g) { g->FreeCellPropertiesRange(0, 0, 5, 5); }},
      {"SetCellProperties", [](TBaseGrid* g) { g->SetCellProperties(2, 2, nullptr); }},
      {"ClearCell", [](TBaseGrid* g) { g->ClearCell(2, 2); }},
      {"ClearRowCells", [](TBaseGrid* g) { g->ClearRowCells(2); }},
      {"ClearColumnCells", [](TBaseGrid* g) { g->ClearColumnCells(2); }},
  };
  for (const ReleaseCase& k : cases) {
    bool ownedFreed = false, foreignFreed = false;
    TGraphicProbe foreign(&foreignFreed);
    grid->SetCells(2, 2, "text");
    grid->SetGraphicObjectEx(2, 2, new TGraphicProbe(&ownedFreed), true);
    grid->SetGraphicObjectEx(3, 2, &foreign);
    k.Release(grid);
    EXPECT_TRUE(ownedFreed) << k.Name;
    EXPECT_FALSE(grid->HasCellProperties(2, 2)) << k.Name;
    EXPECT_EQ(grid->GetGraphicObjectEx(2, 2), nullptr) << k.Name;
    grid->FreeCellProperties(3, 2);
    EXPECT_FALSE(foreignFreed) << k.Name;
  }
}

TEST_F(BaseGridCells, TheGridFreesRecordsAndOwnedGraphicsAlsoBeyondItsCounts) {
  bool freed = false;
  auto* g = new TBaseGrid(nullptr);
  g->SetRowCount(10);
  g->SetGraphicObjectEx(1, 8, new TGraphicProbe(&freed), true);
  g->SetRowCount(5);  // the record stays in the store
  EXPECT_FALSE(g->HasCellProperties(1, 8));
  g->SetRowCount(10);
  EXPECT_TRUE(g->HasCellProperties(1, 8));  // and comes back with the row
  g->SetRowCount(5);
  delete g;
  EXPECT_TRUE(freed);
}

TEST_F(BaseGridCells, ReplacingAnOwnedGraphicFreesTheOldOne) {
  bool first = false, second = false;
  grid->SetGraphicObjectEx(1, 1, new TGraphicProbe(&first), true);
  grid->SetGraphicObjectEx(1, 1, new TGraphicProbe(&second), true);
  EXPECT_TRUE(first);
  EXPECT_FALSE(second);
  grid->FreeCellProperties(1, 1);
  EXPECT_TRUE(second);
}

TEST_F(BaseGridCells, OutsideTheGridRecordOperationsDoNothing) {
  const std::vector<TPoint> outside = {{-1, 0}, {0, -1}, {6, 0}, {0, 8}, {100, 100}};
  for (TPoint p : outside) {
    EXPECT_EQ(grid->GetCellProperties(p.X, p.Y), nullptr);
    grid->SetObjectEx(p.X, p.Y, 5);
    EXPECT_EQ(grid->GetObjectEx(p.X, p.Y), 0u);
    bool freed = false;
    grid->SetGraphicObjectEx(p.X, p.Y, new TGraphicProbe(&freed), true);
    EXPECT_TRUE(freed);  // nothing could hold it
    EXPECT_FALSE(grid->HasCellProperties(p.X, p.Y));
    EXPECT_FALSE(grid->IsMergedCell(p.X, p.Y));
    grid->SplitCells(p.X, p.Y);
  }
  EXPECT_EQ(grid->FMergeCount, 0);
  // Cells passes outside coordinates to the raw store.
  grid->SetCells(9, 9, "far");
  EXPECT_EQ(grid->Cells(9, 9), "far");
}

TEST_F(BaseGridCells, HideLastRowReportsChangesOfTheLastRow) {
  grid->FHideLastRow = true;
  grid->SetCells(1, 6, "a");
  EXPECT_EQ(grid->LastRowChanges, 0);
  grid->SetCells(1, 7, "b");
  EXPECT_EQ(grid->LastRowChanges, 1);
}

TEST_F(BaseGridCells, CellRectCoversAMergedRangeAndIsEmptyOutOfView) {
  grid->MergeCells(1, 1, 3, 2);
  EXPECT_EQ(grid->CellRect(2, 2), (TRect{64, 24, 256, 72}));
  EXPECT_EQ(grid->CellSize(3, 1), (TPoint{192, 48}));
  EXPECT_EQ(grid->CellRect(4, 3), (TRect{256, 72, 320, 96}));
  grid->SetRowCount(40);
  EXPECT_TRUE(grid->CellRect(4, 30).IsEmpty());
  EXPECT_EQ(grid->UnclippedCellRect(4, 30), (TRect{256, 720, 320, 744}));
  grid->SetTopRow(2);
  // The range's top row is scrolled away: its rectangle reaches above the first scrolled row.
  EXPECT_EQ(grid->CellRect(1, 2), (TRect{64, 0, 256, 48}));
}

}  // namespace
