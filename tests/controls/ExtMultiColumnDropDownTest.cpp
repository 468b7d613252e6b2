// The multi-column drop-down and its popup table.

#include "controls/ExtMultiColumnDropDown.h"

#include "controls/DropDownColumnSizing.h"
#include "tests/controls/DropDownFixture.h"
#include "tests/controls/ShotProbes.h"

namespace {

TEST(DropDownColumnSizing, StretchCarriesTheRoundingError) {
  struct Case {
    std::vector<int> Widths;
    int Available;
    std::vector<int> Expected;
  } cases[] = {{{80, 80}, 200, {99, 99}},
               {{80, 80, 80}, 152, {50, 50, 51}},
               {{80, 80, 80}, 300, {100, 100, 100}},
               {{}, 100, {}},
               {{50, 150}, 201, {50, 150}}};
  for (const Case& c : cases) EXPECT_EQ(StretchedColumnWidths(c.Widths, c.Available), c.Expected);
}

TEST(DropDownColumnSizing, WholeRows) {
  EXPECT_EQ(WholeRowsHeight(200, 27, 22, 0), 181);
  EXPECT_EQ(WholeRowsHeight(200, 27, 22, 4), 185);
  EXPECT_EQ(WholeRowsHeight(200, 27, 0, 4), 200);
  EXPECT_EQ(WholeRowsHeight(20, 27, 22, 0), 27);
}

class MultiColumn : public DropDownFixture<TExtMultiColumnDropDown> {
protected:
  void fill(std::initializer_list<std::vector<std::string>> rows, int columns = 2) {
    for (int c = 0; c < columns; ++c) {
      auto* col = dd->Columns()->Add();
      col->SetHeader("H" + std::to_string(c));
    }
    for (const auto& r : rows) {
      auto* it = dd->Items()->Add();
      for (const auto& t : r) it->Text()->Add(t);
    }
    dd->EndUpdate();
    dd->OnSelect = [this](TObject*) { ++selects; };
  }
  int selects = 0;
};

TEST_F(MultiColumn, ItemIndexShowsTheLookupColumn) {
  EXPECT_EQ(dd->ItemIndex(), -1);
  EXPECT_EQ(dd->Text(), "");
  fill({{"a", "one"}, {"b", "two"}, {"c", "three"}});
  dd->SetLookupColumn(1);
  dd->SetItemIndex(2);
  EXPECT_EQ(dd->Text(), "three");
  dd->SetItemIndex(5);
  EXPECT_EQ(dd->ItemIndex(), 2);
  EXPECT_EQ(dd->Text(), "three");
  dd->SetItemIndex(-1);
  EXPECT_EQ(dd->Text(), "");
  EXPECT_EQ(selects, 0);
}

TEST_F(MultiColumn, ItemWithoutTheLookupTextIsSkipped) {
  fill({{"only"}, {"x", "y"}});
  dd->SetLookupColumn(1);
  dd->EndUpdate();
  dd->SetItemIndex(0);
  EXPECT_EQ(dd->Text(), "");
  EXPECT_EQ(dd->GetItemIndex(""), -1);
  EXPECT_EQ(dd->GetItemIndex("y"), 1);
}

TEST_F(MultiColumn, CompletionWhileTyping) {
  fill({{"Apple"}, {"Banana"}}, 1);
  struct Step {
    const char* Type;
    const char* Text;
    int SelStart, SelLength, Index;
  } steps[] = {{"a", "apple", 1, 4, 0}, {"x", "ax", 2, 0, 0}};
  for (const Step& s : steps) {
    Driver.Type(s.Type);
    EXPECT_EQ(dd->Text(), s.Text) << s.Type;
    EXPECT_EQ(dd->SelStart(), s.SelStart) << s.Type;
    EXPECT_EQ(dd->SelLength(), s.SelLength) << s.Type;
    EXPECT_EQ(dd->ItemIndex(), s.Index) << s.Type;
  }
  EXPECT_EQ(selects, 0);
}

TEST_F(MultiColumn, TypingCompletesOnlyOnceTheLookupListIsBuilt) {
  dd->Columns()->Add();
  dd->Items()->Add()->Text()->Add("Apple");
  Driver.Type("a");
  EXPECT_EQ(dd->Text(), "a");
  dd->EndUpdate();
  Driver.Type("p");
  EXPECT_EQ(dd->Text(), "apple");
}

TEST_F(MultiColumn, EscapeOnAnUnknownTextEmptiesIt) {
  fill({{"Apple"}}, 1);
  Driver.Type("z");
  EXPECT_EQ(dd->Text(), "z");
  Driver.PressKey(VK_ESCAPE);
  EXPECT_EQ(dd->Text(), "");
  EXPECT_EQ(dd->ItemIndex(), -1);
}

TEST_F(MultiColumn, TypeAheadInTheOpenPopup) {
  fill({{"apple"}, {"Apricot"}, {"cherry"}}, 1);
  dd->ShowDropDown();
  ASSERT_TRUE(dd->DroppedDown());
  ASSERT_TRUE(dd->Grid()->Focused());
  struct Step {
    char Key;
    const char* Text;
    int SelStart, Index, Row;
  } steps[] = {{'A', "apple", 1, 0, 1}, {'P', "apple", 2, 0, 1}, {'R', "Apricot", 3, 1, 2},
               {'Z', "Apricot", 3, 1, 2}, {'c', "cherry", 1, 2, 3}};
  for (const Step& s : steps) {
    SCOPED_TRACE(s.Key);
    Driver.Type(std::string(1, s.Key));
    EXPECT_EQ(dd->Text(), s.Text);
    EXPECT_EQ(dd->SelStart(), s.SelStart);
    EXPECT_EQ(dd->ItemIndex(), s.Index);
    EXPECT_EQ(dd->Grid()->Row(), s.Row);
  }
}

TEST_F(MultiColumn, PopupFillsTheGridAndShowsWholeRows) {
  fill({{"a", "1"}, {"b", "2"}, {"c", "3"}});
  dd->ShowDropDown();
  auto* g = dd->Grid();
  EXPECT_EQ(g->RowCount(), 4);
  EXPECT_EQ(g->ColCount(), 2);
  EXPECT_EQ(g->Row(), 1);
  EXPECT_EQ(g->RowHeights(0), 25);
  EXPECT_EQ(g->RowHeights(1), 22);
  EXPECT_EQ(popup()->Height(), 181);
}

TEST_F(MultiColumn, ReturnAndClicksConfirmWheelDoesNot) {
  fill({{"a"}, {"b"}, {"c"}}, 1);
  dd->ShowDropDown();
  auto* g = dd->Grid();
  Driver.PressKey(VK_DOWN);
  EXPECT_EQ(g->Row(), 2);
  Driver.PressKey(VK_RETURN);
  EXPECT_FALSE(dd->DroppedDown());
  EXPECT_EQ(dd->ItemIndex(), 1);
  EXPECT_EQ(dd->Text(), "b");
  EXPECT_GE(selects, 1);
  dd->ShowDropDown();
  const TRect header = g->CellRect(0, 0);
  Driver.Click(g, header.Left + 5, header.Top + 5);
  EXPECT_TRUE(dd->DroppedDown());
  const TRect third = g->CellRect(0, 3);
  Driver.Click(g, third.Left + 5, third.Top + 5);
  EXPECT_FALSE(dd->DroppedDown());
  EXPECT_EQ(dd->ItemIndex(), 2);
}

TEST_F(MultiColumn, EscapeInThePopupRestoresTheItem) {
  fill({{"a"}, {"b"}, {"c"}}, 1);
  dd->SetItemIndex(0);
  dd->ShowDropDown();
  Driver.PressKey(VK_DOWN);
  Driver.PressKey(VK_ESCAPE);
  EXPECT_FALSE(dd->DroppedDown());
  EXPECT_EQ(dd->ItemIndex(), 0);
  EXPECT_EQ(dd->Text(), "a");
}

TEST_F(MultiColumn, ColumnsStretchOverThePopup) {
  fill({{"a", "1", "x"}}, 3);
  dd->SetDropDownAutoWidth(false);
  dd->SetDropDownWidth(300);
  dd->ShowDropDown();
  auto* g = dd->Grid();
  for (int c = 0; c < 3; ++c) {
    EXPECT_EQ(g->ColWidths(c), 100);
    EXPECT_EQ(dd->Columns()->Items(c)->Width(), 80);
  }
}

TEST_F(MultiColumn, ClosedKeysStepThroughTheItems) {
  std::vector<std::vector<std::string>> rows;
  for (int i = 0; i < 25; ++i) dd->Items()->Add()->Text()->Add("i" + std::to_string(i));
  dd->Columns()->Add();
  dd->EndUpdate();
  struct Case {
    int From;
    uint16_t Key;
    int To;
  } cases[] = {{20, VK_NEXT, 24}, {5, VK_PRIOR, 0}, {15, VK_PRIOR, 5}, {-1, VK_NEXT, 0},
               {3, VK_DOWN, 4},   {3, VK_UP, 2},    {24, VK_DOWN, 24}, {0, VK_UP, 0}};
  for (const Case& c : cases) {
    dd->SetItemIndex(c.From);
    Driver.PressKey(c.Key);
    EXPECT_EQ(dd->ItemIndex(), c.To) << c.From << " key " << c.Key;
  }
}

TEST_F(MultiColumn, Screenshot) {
  fill({{"Alpha", "first letter"}, {"Beta", "second letter"}, {"Gamma", "third letter"}});
  dd->SetItemIndex(1);
  dd->ShowDropDown();
  Driver.Pump();
  const TPixelImage shown = Shot(Driver, popup(), "multicolumn-dropdown.png");
  EXPECT_GT(ColouredOf(shown), 100) << "the chosen row";
  EXPECT_GT(InkOf(shown), 100) << "the cells' texts";
}

}  // namespace
