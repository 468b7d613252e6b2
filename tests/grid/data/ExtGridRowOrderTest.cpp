// Interleavings of sorting, filtering, hiding, inserting, removing and moving rows,
// checked against a small model of the row order.

#include <algorithm>

#include "grid/core/GridCoreFixture.h"

namespace {

// The normal rows in real order: an id, a value and what hid the row.
struct TModelRow {
  std::string Id;
  int Value = 0;
  int HiddenBy = -1;  // -1 shown, 0 hidden by the program, n > 0 filter level n
};

class TRowModel {
public:
  std::vector<TModelRow> Rows;
  int Level = 0;

  std::vector<int> Shown() const {
    std::vector<int> v;
    for (int i = 0; i < static_cast<int>(Rows.size()); ++i)
      if (Rows[i].HiddenBy < 0) v.push_back(i);
    return v;
  }
  std::vector<std::string> ShownIds() const {
    std::vector<std::string> v;
    for (int i : Shown()) v.push_back(Rows[i].Id);
    return v;
  }
  // The shown rows take the sorted order among their own places.
  void Sort(bool Descending) {
    std::vector<int> places = Shown();
    std::vector<TModelRow> shown;
    for (int i : places) shown.push_back(Rows[i]);
    std::stable_sort(shown.begin(), shown.end(), [&](const TModelRow& a, const TModelRow& b) {
      return Descending ? a.Value > b.Value : a.Value < b.Value;
    });
    for (size_t k = 0; k < places.size(); ++k) Rows[places[k]] = shown[k];
  }
  void Filter(int Below) {
    ++Level;
    for (auto& r : Rows)
      if (r.HiddenBy < 0 && r.Value >= Below) r.HiddenBy = Level;
  }
  void Unfilter() {
    for (auto& r : Rows)
      if (r.HiddenBy == Level) r.HiddenBy = -1;
    --Level;
  }
  void Insert(int Shown, TModelRow Row) { Rows.insert(Rows.begin() + this->Shown()[Shown], std::move(Row)); }
  void Remove(int Shown) { Rows.erase(Rows.begin() + this->Shown()[Shown]); }
  void Hide(int Shown) { Rows[this->Shown()[Shown]].HiddenBy = 0; }
  // The shown row From moves to shown place To; hidden rows keep their places.
  void Move(int From, int To) {
    std::vector<int> places = this->Shown();
    std::vector<TModelRow> shown;
    for (int i : places) shown.push_back(Rows[i]);
    TModelRow r = shown[From];
    shown.erase(shown.begin() + From);
    shown.insert(shown.begin() + To, r);
    for (size_t k = 0; k < places.size(); ++k) Rows[places[k]] = shown[k];
  }
};

class ExtGridRowOrder : public ExtGridTest {
protected:
  void SetUp() override {
    ExtGridTest::SetUp();
    model = TRowModel{};
    inserted = 0;
    const int values[] = {42, 7, 93, 15, 60, 3, 77, 28, 51, 88};
    grid->SetColCount(2);
    grid->SetRowCount(11);
    grid->SetFixedRows(1);
    for (int i = 0; i < 10; ++i) {
      TModelRow r{"r" + std::to_string(i), values[i]};
      model.Rows.push_back(r);
      put(i + 1, r);
    }
    grid->SortSettings()->SetColumn(1);
  }
  void put(int ARow, const TModelRow& r) {
    grid->SetCells(0, ARow, r.Id);
    grid->SetCells(1, ARow, std::to_string(r.Value));
  }
  std::vector<std::string> gridIds() {
    std::vector<std::string> v;
    for (int r = grid->FixedRows(); r < grid->RowCount(); ++r) v.push_back(grid->Cells(0, r));
    return v;
  }
  // One step: s+ s- sort, f<n> filter values below n, u undo a filter,
  // i<k> insert before the k-th shown row, r<k> remove it, h<k> hide it,
  // m<k><j> move the k-th shown row to shown place j.
  void step(const std::string& op) {
    const int n = op[0] != 's' && op[0] != 'm' && op.size() > 1 ? std::stoi(op.substr(1)) : 0;
    switch (op[0]) {
      case 's':
        grid->Sort(1, op[1] == '-' ? sdDescending : sdAscending);
        model.Sort(op[1] == '-');
        break;
      case 'f': {
        grid->Filter()->Clear();
        grid->Filter()->ColumnFilter(1)->SetCondition("<" + std::to_string(n));
        grid->ApplyFilter();
        model.Filter(n);
        break;
      }
      case 'u':
        grid->RemoveLastFilter();
        model.Unfilter();
        break;
      case 'i': {
        TModelRow r{"n" + std::to_string(++inserted), 100 + inserted};
        grid->InsertRows(grid->FixedRows() + n, 1);
        put(grid->FixedRows() + n, r);
        model.Insert(n, r);
        break;
      }
      case 'r':
        grid->RemoveRows(grid->FixedRows() + n, 1);
        model.Remove(n);
        break;
      case 'h':
        grid->HideRow(grid->RealRowIndex(grid->FixedRows() + n));
        model.Hide(n);
        break;
      case 'm': {
        const int from = op[1] - '0', to = op[2] - '0';
        grid->MoveRow(grid->FixedRows() + from, grid->FixedRows() + to);
        model.Move(from, to);
        break;
      }
    }
  }
  TRowModel model;
  int inserted = 0;
};

TEST_F(ExtGridRowOrder, InterleavedStructureEditsKeepTheModelsOrder) {
  const std::vector<std::vector<std::string>> scripts = {
      {"s+", "s-", "s+"},
      {"f50", "s+", "u"},
      {"s+", "f60", "s-", "u", "s+"},
      {"h2", "s+", "i1", "s-", "r0"},
      {"f80", "i2", "r1", "s+", "u", "s-"},
      {"f80", "f40", "s-", "u", "i0", "u", "s+"},
      {"h0", "h3", "f70", "s+", "r2", "u", "i4", "s-"},
      {"i0", "i5", "s+", "f100", "r3", "h1", "s-", "u"},
      {"m05", "s+", "m30", "h2", "m14", "i2", "r0"},
      {"f60", "m20", "u", "m06", "s-", "h3", "m52"},
  };
  for (size_t k = 0; k < scripts.size(); ++k) {
    SetUp();
    for (const std::string& op : scripts[k]) {
      step(op);
      ASSERT_EQ(gridIds(), model.ShownIds()) << "script " << k << " after " << op;
    }
    ASSERT_EQ(grid->AllRowCount() - grid->FixedRows(), static_cast<int>(model.Rows.size())) << "script " << k;
    for (int i = 0; i < static_cast<int>(model.Rows.size()); ++i)
      ASSERT_EQ(grid->AllCells(0, grid->FixedRows() + i), model.Rows[i].Id) << "script " << k << " real row " << i;
  }
}

TEST_F(ExtGridRowOrder, UnsortRestoresTheOrderBeforeTheSorts) {
  std::vector<std::string> before = gridIds();
  grid->Sort(1, sdAscending);
  grid->Sort(0, sdDescending);
  EXPECT_NE(gridIds(), before);
  grid->QUnSort();
  EXPECT_EQ(gridIds(), before);
}

TEST_F(ExtGridRowOrder, RowHeightsAndTheCurrentRowTravelWithTheirRows) {
  grid->SetRowHeights(3, 40);  // r2 (93)
  grid->Navigation()->SetMoveRowOnSort(true);
  grid->SetRow(2);  // r1 (7)
  grid->Sort(1, sdAscending);
  const std::vector<std::string> sorted = gridIds();
  const int r2 = static_cast<int>(std::find(sorted.begin(), sorted.end(), "r2") - sorted.begin()) + 1;
  EXPECT_EQ(grid->RowHeights(r2), 40);
  EXPECT_EQ(grid->RowHeights(3), grid->DefaultRowHeight());
  EXPECT_EQ(grid->Cells(0, grid->Row()), "r1");
}

TEST_F(ExtGridRowOrder, FixedAndFooterRowsKeepTheirPlaces) {
  grid->SetCells(0, 0, "head");
  grid->SetFixedFooters(1);
  grid->SetCells(0, 10, "foot");
  grid->SetCells(1, 10, "0");
  grid->Sort(1, sdAscending);
  EXPECT_EQ(grid->Cells(0, 0), "head");
  EXPECT_EQ(grid->Cells(0, 10), "foot");
}

TEST_F(ExtGridRowOrder, SortStringLoadsOnlyAfterItIsChecked) {
  TSortSettings* s = grid->SortSettings();
  EXPECT_THROW(s->LoadFromString("x"), Exception);
  EXPECT_FALSE(s->Show());
  s->LoadFromString("dz");  // no column: only Show and the direction
  EXPECT_TRUE(s->Show());
  EXPECT_EQ(s->Direction(), sdDescending);
  s->LoadFromString("d1");
  EXPECT_TRUE(s->Show());
  EXPECT_EQ(s->SaveToString(), "d1");
  EXPECT_EQ(grid->Cells(1, 1), "93");
  s->LoadFromString("i;u0");
  EXPECT_EQ(s->SaveToString(), "i;u0");
  EXPECT_EQ(grid->Cells(0, 1), "r0");
}

TEST_F(ExtGridRowOrder, SortRowMustBeAFixedRow) {
  EXPECT_NO_THROW(grid->SortSettings()->SetRow(0));
  EXPECT_THROW(grid->SortSettings()->SetRow(1), Exception);
}

TEST_F(ExtGridRowOrder, AnIndexedSortWithoutIndexesChangesNothing) {
  std::vector<std::string> before = gridIds();
  EXPECT_THROW(grid->QSortIndexed(), EExtGridError);
  EXPECT_EQ(gridIds(), before);
}

TEST_F(ExtGridRowOrder, AnExceptionFromACompareEventLeavesTheRowsAsTheyWere) {
  std::vector<std::string> before = gridIds();
  grid->OnGetFormat = [](TObject*, int, TSortStyle& style, std::string&, std::string&) { style = ssCustom; };
  grid->OnCustomCompare = [](TObject*, const std::string&, const std::string&, int&) { throw Exception("stop"); };
  EXPECT_THROW(grid->Sort(1, sdAscending), Exception);
  EXPECT_EQ(gridIds(), before);
  EXPECT_EQ(grid->RowCount(), 11);
}

}  // namespace
