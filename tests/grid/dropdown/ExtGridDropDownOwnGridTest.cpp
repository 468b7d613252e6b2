// The grid drop-down without items: the caller fills the popup grid itself
// and the item index counts its data rows, below the fixed header row.

#include "grid/dropdown/ExtCustomGridDropDown.h"

#include "tests/controls/DropDownFixture.h"

namespace {

class OwnGridDropDown : public DropDownFixture<TExtGridDropDown> {
protected:
  void SetUp() override {
    DropDownFixture::SetUp();
    dd->SetUseItems(false);
    auto* g = dd->Grid();
    ASSERT_NE(g, nullptr);
    g->SetColCount(2);
    g->SetRowCount(4);
    g->SetFixedRows(1);
    const char* rows[][2] = {{"Name", "Size"}, {"Alpha", "1"}, {"Beta", "2"}, {"Gamma", "4"}};
    for (int r = 0; r < 4; ++r)
      for (int c = 0; c < 2; ++c) g->SetCells(c, r, rows[r][c]);
    dd->OnSelect = [this](TObject*) { ++selects; };
  }
  int selects = 0;
};

TEST_F(OwnGridDropDown, ItemIndexCountsTheDataRows) {
  struct {
    int Set;
    int Index;
    const char* Text;
  } steps[] = {
      {0, 0, "Alpha"}, {2, 2, "Gamma"},
      {3, 2, "Gamma"},  // the fourth data row does not exist: nothing changes
      {-5, -1, ""},     // any index below -1 is none
      {1, 1, "Beta"},
  };
  for (auto& s : steps) {
    dd->SetItemIndex(s.Set);
    EXPECT_EQ(dd->ItemIndex(), s.Index) << s.Set;
    EXPECT_EQ(dd->Text(), s.Text) << s.Set;
  }
  dd->SetLookupColumn(1);
  dd->SetItemIndex(2);
  EXPECT_EQ(dd->Text(), "4");
}

TEST_F(OwnGridDropDown, TheRowClickedIsTheItemBelowTheHeader) {
  dd->SetText("Beta");
  dd->ShowDropDown();
  ASSERT_TRUE(dd->DroppedDown());
  auto* g = dd->Grid();
  EXPECT_EQ(g->Row(), 2);  // the row of the edit's text
  const TRect r = g->CellRect(0, 3);
  Driver.Click(g, r.Left + 4, r.Top + 4);
  EXPECT_FALSE(dd->DroppedDown());
  EXPECT_EQ(dd->ItemIndex(), 2);
  EXPECT_EQ(dd->Text(), "Gamma");
  EXPECT_EQ(selects, 1);
}

TEST_F(OwnGridDropDown, EscapeInThePopupRestoresTheItem) {
  dd->SetItemIndex(0);
  dd->ShowDropDown();
  auto* g = dd->Grid();
  g->SetRow(3);
  Driver.PressKey(VK_ESCAPE);
  EXPECT_FALSE(dd->DroppedDown());
  EXPECT_EQ(dd->ItemIndex(), 0);
  EXPECT_EQ(dd->Text(), "Alpha");
}

}  // namespace
