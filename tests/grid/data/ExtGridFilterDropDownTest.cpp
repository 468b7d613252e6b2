// The filter drop-down: the entries a column offers, choosing one, checking
// several, and "(All)".

#include "grid/core/GridCoreFixture.h"
#include "grid/data/FilterDropList.h"

namespace {

class ExtGridFilterDropDown : public ExtGridTest {
protected:
  void SetUp() override {
    ExtGridTest::SetUp();
    grid->SetColCount(3);
    grid->SetRowCount(7);
    grid->SetFixedRows(1);
    grid->SetFixedCols(1);
    const char* cities[] = {"New York", "Boston", "new york", "Paris", "Boston", "Rome"};
    const char* kinds[] = {"a", "b", "a", "b", "a", "b"};
    for (int r = 1; r <= 6; ++r) {
      grid->SetCells(1, r, cities[r - 1]);
      grid->SetCells(2, r, kinds[r - 1]);
    }
    grid->SetFilterDropDownAuto(true);
  }
  std::vector<std::string> entries() {
    std::vector<std::string> v;
    for (int i = 0; i < grid->FilterList()->Count(); ++i) v.push_back(grid->FilterList()->Strings(i));
    return v;
  }
  std::string shown(int ACol) {
    std::string s;
    for (int r = 1; r < grid->RowCount(); ++r) s += grid->Cells(ACol, r) + ";";
    return s;
  }
};

TEST_F(ExtGridFilterDropDown, DistinctValuesIgnoringCaseAfterAll) {
  ASSERT_TRUE(grid->GetColumnFilterValues(1));
  EXPECT_EQ(entries(), (std::vector<std::string>{"(All)", "Boston", "New York=\"New York\"", "Paris", "Rome"}));
  grid->SetFilterDropDownAuto(false);
  EXPECT_FALSE(grid->GetColumnFilterValues(1));
}

TEST_F(ExtGridFilterDropDown, HiddenRowsOfferTheirValuesUnlessIncremental) {
  grid->HideRow(6);  // Rome
  grid->GetColumnFilterValues(1);
  EXPECT_EQ(entries().back(), "Rome");
  grid->SetFilterIncremental(true);
  grid->GetColumnFilterValues(1);
  EXPECT_EQ(entries().back(), "Paris");
}

TEST_F(ExtGridFilterDropDown, AChoiceFiltersAndAllShowsEverythingAgain) {
  ASSERT_TRUE(grid->ShowFilterDropDown(1));
  EXPECT_TRUE(grid->FilterDropList()->Visible());
  EXPECT_EQ(grid->FilterDropList()->Items()->Strings(2), "New York");
  grid->FilterSelect(1, 2);
  EXPECT_EQ(shown(1), "New York;new york;");
  EXPECT_EQ(grid->FilterColumn(), -1);
  grid->FilterSelect(1, 0);
  EXPECT_EQ(shown(1), "New York;Boston;new york;Paris;Boston;Rome;");
  EXPECT_FALSE(grid->Filter()->HasFilter(1));
}

// The list takes the settings' font; Assign copies all but AutoSize.
TEST_F(ExtGridFilterDropDown, TheListTakesTheFontOfItsSettings) {
  TFont f;
  f.SetName("DejaVu Serif");
  f.SetSize(14);
  grid->FilterDropDown()->SetFont(&f);
  ASSERT_TRUE(grid->ShowFilterDropDown(1));
  EXPECT_EQ(grid->FilterDropList()->Font()->Name(), "DejaVu Serif");
  EXPECT_EQ(grid->FilterDropList()->Font()->Size(), 14);
  TFilterDropDown copy;
  grid->FilterDropDown()->SetAutoSize(true);
  grid->FilterDropDown()->SetWidth(90);
  copy.Assign(grid->FilterDropDown());
  EXPECT_EQ(copy.Font()->Name(), "DejaVu Serif");
  EXPECT_EQ(copy.Width(), 90);
  EXPECT_FALSE(copy.AutoSize());
}

TEST_F(ExtGridFilterDropDown, AChoiceReplacesOnlyItsColumnsCondition) {
  grid->FilterSelect(2, 1);  // kind a (entries: (All), a, b)
  grid->FilterSelect(1, 1);  // Boston
  EXPECT_EQ(shown(1), "Boston;");
  grid->FilterSelect(1, 3);  // Paris: replaces Boston, keeps kind a
  EXPECT_EQ(shown(1), "");
  grid->FilterSelect(2, 2);  // kind b
  EXPECT_EQ(shown(1), "Paris;");
}

TEST_F(ExtGridFilterDropDown, CheckedValuesAreAlternativesOfOneColumn) {
  grid->SetFilterDropDownCheck(true);
  grid->FilterSelect(2, 2);  // kind b on the other column
  ASSERT_TRUE(grid->ShowFilterDropDown(1));
  TDropCheckList* list = grid->FilterDropCheckList();
  list->SetChecked(1, true);  // Boston
  list->SetChecked(3, true);  // Paris
  grid->FilterCheckSelect(1, -1);
  EXPECT_EQ(shown(1), "Boston;Paris;");
  EXPECT_TRUE(grid->Filter()->HasFilter(2));
  // Read left to right: Boston, OR Paris, AND kind b.
  TFilter* f = grid->Filter();
  ASSERT_EQ(f->Count(), 3);
  EXPECT_EQ(f->Items(0)->Operation(), foNONE);
  EXPECT_EQ(f->Items(1)->Operation(), foOR);
  EXPECT_EQ(f->Items(2)->Column(), 2);
  EXPECT_EQ(f->Items(2)->Operation(), foAND);
}

TEST_F(ExtGridFilterDropDown, FilterRowHidesOneRowThatFails) {
  grid->Filter()->ColumnFilter(2)->SetCondition("a");
  grid->FilterRow(3);  // new york, kind a: stays
  grid->FilterRow(2);  // Boston, kind b
  EXPECT_EQ(shown(1), "New York;new york;Paris;Boston;Rome;");
  EXPECT_TRUE(grid->IsHiddenRow(2));
}

TEST_F(ExtGridFilterDropDown, TheFilterRowMustBeFixed) {
  grid->SetFilterDropDownRow(3);
  EXPECT_EQ(grid->FilterDropDownRow(), 0);
}

}  // namespace
