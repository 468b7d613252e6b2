// The grid drop-down: its popup grid, selection, lookup, completion and relays.

#include "grid/dropdown/ExtCustomGridDropDown.h"

#include "tests/controls/DropDownFixture.h"
#include "tests/controls/ShotProbes.h"

namespace {

class GridDropDown : public DropDownFixture<TExtGridDropDown> {
protected:
  void fill(std::initializer_list<std::vector<std::string>> rows, std::initializer_list<const char*> headers) {
    for (const char* h : headers) dd->Columns()->Add()->SetHeader(h);
    for (const auto& r : rows) {
      auto* it = dd->Items()->Add();
      for (const auto& t : r) it->Text()->Add(t);
    }
    dd->EndUpdate();
    dd->OnSelect = [this](TObject*) { ++selects; };
  }
  void letters() { fill({{"Alpha"}, {"Beta"}, {"Alpine"}}, {"Name"}); }
  int selects = 0;
};

TEST_F(GridDropDown, NewControlHasNoColumnsAndItsVersion) {
  EXPECT_EQ(dd->Columns()->Count(), 0);
  EXPECT_EQ(dd->Version(), "6.0.1.1");
  EXPECT_EQ(dd->LineColor(), TColor(0xF1EDEB));
  EXPECT_EQ(dd->FixedLineColor(), TColor(0xD1BBA4));
  EXPECT_EQ(dd->HeaderFont()->Color(), TColor(0x723708));
  EXPECT_EQ(dd->Navigation()->HomeEndKey(), heFirstLastRow);
}

TEST_F(GridDropDown, ItemIndexShowsTheLookupEntry) {
  fill({{"a", "1"}, {"b", "2"}, {"c"}}, {"X", "Y"});
  dd->SetLookupColumn(1);
  dd->SetItemIndex(3);
  EXPECT_EQ(dd->ItemIndex(), -1);
  dd->SetItemIndex(1);
  EXPECT_EQ(dd->Text(), "2");
  dd->SetItemIndex(2);
  EXPECT_EQ(dd->Text(), "");
  dd->SetItemIndex(-7);
  EXPECT_EQ(dd->ItemIndex(), -1);
}

TEST_F(GridDropDown, PopupGridIsFilledFromTheItems) {
  fill({{"A", "1"}, {"B", "2"}, {"C"}}, {"X", "Y"});
  dd->ShowDropDown();
  auto* g = dd->Grid();
  ASSERT_TRUE(dd->DroppedDown());
  const char* expected[4][2] = {{"X", "Y"}, {"A", "1"}, {"B", "2"}, {"C", ""}};
  for (int r = 0; r < 4; ++r)
    for (int c = 0; c < 2; ++c) EXPECT_EQ(g->Cells(c, r), expected[r][c]) << c << "," << r;
  for (int k = 0; k < 3; ++k) EXPECT_EQ(dd->ItemOfRow(k + 1), k);
  EXPECT_EQ(g->RowHeights(0), 25);
  EXPECT_TRUE(g->Focused());
}

TEST_F(GridDropDown, PopupShowsWholeRows) {
  letters();
  dd->SetDropDownAutoWidth(false);
  dd->ShowDropDown();
  EXPECT_EQ(popup()->Height(), 185);
}

TEST_F(GridDropDown, ColumnsStretchOverThePopup) {
  fill({{"a", "b"}}, {"X", "Y"});
  dd->SetDropDownAutoWidth(false);
  dd->SetAutoSizeColumns(false);
  dd->SetDropDownWidth(200);
  dd->ShowDropDown();
  EXPECT_EQ(dd->Grid()->ColWidths(0), 99);
  EXPECT_EQ(dd->Grid()->ColWidths(1), 99);
  EXPECT_EQ(dd->Columns()->Items(0)->Width(), 80);
}

TEST_F(GridDropDown, ClickOnADataRowSelectsAndCloses) {
  letters();
  dd->ShowDropDown();
  auto* g = dd->Grid();
  const TRect header = g->CellRect(0, 0);
  Driver.Click(g, header.Left + 4, header.Top + 4);
  EXPECT_TRUE(dd->DroppedDown());
  const TRect r2 = g->CellRect(0, 2);
  Driver.Click(g, r2.Left + 4, r2.Top + 4);
  EXPECT_FALSE(dd->DroppedDown());
  EXPECT_EQ(dd->ItemIndex(), 1);
  EXPECT_EQ(dd->Text(), "Beta");
  EXPECT_EQ(selects, 1);
}

TEST_F(GridDropDown, WheelMovesTheGridButNotTheValue) {
  letters();
  dd->SetItemIndex(0);
  dd->ShowDropDown();
  auto* g = dd->Grid();
  Driver.Wheel(g, -120, 5, 40);
  EXPECT_GT(g->Row(), 1);
  EXPECT_EQ(dd->ItemIndex(), 0);
  Driver.PressKey(VK_ESCAPE);
  EXPECT_FALSE(dd->DroppedDown());
  EXPECT_EQ(dd->ItemIndex(), 0);
  EXPECT_EQ(dd->Text(), "Alpha");
}

TEST_F(GridDropDown, ReturnRightAfterOpeningKeepsTheCurrentItem) {
  letters();
  dd->SetItemIndex(2);
  dd->ShowDropDown();
  Driver.PressKey(VK_RETURN);
  EXPECT_FALSE(dd->DroppedDown());
  EXPECT_EQ(dd->ItemIndex(), 2);
  EXPECT_EQ(dd->Text(), "Alpine");
}

TEST_F(GridDropDown, AltUpInTheGridClosesThePopup) {
  letters();
  dd->ShowDropDown();
  Driver.PressKey(VK_UP, {ssAlt});
  EXPECT_FALSE(dd->DroppedDown());
}

TEST_F(GridDropDown, ClosedNavigationKeys) {
  for (int i = 0; i < 25; ++i) dd->Items()->Add()->Text()->Add("i" + std::to_string(i));
  dd->Columns()->Add();
  dd->EndUpdate();
  dd->SetStyle(dsDropDownList);
  struct Case {
    int From;
    uint16_t Key;
    int To;
  } cases[] = {{20, VK_NEXT, 24}, {5, VK_PRIOR, 0}, {-1, VK_PRIOR, 0}, {3, VK_END, 24},
               {3, VK_HOME, 0},   {0, VK_UP, 0},    {24, VK_DOWN, 24}, {-1, VK_DOWN, 0}};
  for (const Case& c : cases) {
    dd->SetItemIndex(c.From);
    Driver.PressKey(c.Key);
    EXPECT_EQ(dd->ItemIndex(), c.To) << c.From << " key " << c.Key;
  }
  dd->SetStyle(dsDropDown);
  dd->SetItemIndex(3);
  Driver.PressKey(VK_END);
  EXPECT_EQ(dd->ItemIndex(), 3);
}

TEST_F(GridDropDown, FindLookupText) {
  letters();
  struct Case {
    const char* S;
    bool CaseSensitive;
    bool Found;
    const char* Text;
    int Row;
  } cases[] = {{"al", false, true, "Alpha", 0},  {"ALPI", false, true, "Alpine", 2}, {"", false, false, "", -1},
               {"be", true, false, "", -1},      {"Be", true, true, "Beta", 1},      {"x", false, false, "", -1}};
  for (const Case& c : cases) {
    dd->SetCaseSensitive(c.CaseSensitive);
    std::string found = "junk";
    int row = 99;
    EXPECT_EQ(dd->FindLookupText(c.S, found, row), c.Found) << c.S;
    EXPECT_EQ(found, c.Text) << c.S;
    EXPECT_EQ(row, c.Row) << c.S;
    EXPECT_EQ(dd->FindLookupRow(c.S), c.Row) << c.S;
  }
}

TEST_F(GridDropDown, AnItemWithoutTheLookupTextIsNoMatch) {
  fill({{"only"}, {"x", "yes"}}, {"A", "B"});
  dd->SetLookupColumn(1);
  std::string found;
  int row = -1;
  EXPECT_TRUE(dd->FindLookupText("y", found, row));
  EXPECT_EQ(row, 1);
  EXPECT_FALSE(dd->FindLookupText("o", found, row));
}

TEST_F(GridDropDown, CompletionWhileTyping) {
  letters();
  struct Case {
    bool MatchCase;
    const char* Typed;
    const char* WhileDown;
    const char* AfterUp;
    int SelStart, SelLength, Index;
  } cases[] = {{false, "a", "alpha", "Alpha", 1, 4, 0},
               {true, "a", "a", "a", 1, 0, -1},
               {false, "alpi", "Alpine", "Alpine", 4, 2, 2},
               {false, "z", "z", "z", 1, 0, -1}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Typed);
    dd->SetItemIndex(-1);
    dd->SetText("");
    dd->SetMatchCase(c.MatchCase);
    // Completion alone: no incremental search on the characters.
    dd->SetLookupMethod(lmNone);
    const std::string typed = c.Typed;
    for (size_t i = 0; i + 1 < typed.size(); ++i) Driver.Type(std::string(1, typed[i]));
    const char last = typed.back();
    Driver.KeyDown(uint16_t(UpperCase(std::string(1, last))[0]));
    EXPECT_EQ(dd->Text(), c.WhileDown);
    Driver.KeyUp(uint16_t(UpperCase(std::string(1, last))[0]));
    EXPECT_EQ(dd->Text(), c.AfterUp);
    EXPECT_EQ(dd->SelStart(), c.SelStart);
    EXPECT_EQ(dd->SelLength(), c.SelLength);
    EXPECT_EQ(dd->ItemIndex(), c.Index);
  }
}

TEST_F(GridDropDown, TypingInTheMiddleCutsAtTheCaret) {
  letters();
  dd->SetText("xyzw");
  dd->SetSelStart(2);
  dd->SetSelLength(0);
  Driver.Type("q");
  EXPECT_EQ(dd->Text(), "xyq");
}

TEST_F(GridDropDown, TheSearchOnACharacterShowsTheFoundText) {
  letters();
  Driver.Type("a");
  EXPECT_EQ(dd->Text(), "Alpha");
  EXPECT_EQ(dd->SelStart(), 1);
  EXPECT_EQ(dd->SelLength(), 4);
  EXPECT_EQ(dd->ItemIndex(), 0);
}

TEST_F(GridDropDown, ItemsAddedLaterCompleteAfterEndUpdate) {
  letters();
  dd->SetLookupMethod(lmNone);
  dd->Items()->Add()->Text()->Add("Gamma");
  Driver.Type("g");
  EXPECT_EQ(dd->Text(), "g");
  dd->SetText("");
  dd->EndUpdate();
  Driver.Type("g");
  EXPECT_EQ(dd->Text(), "Gamma");
}

TEST_F(GridDropDown, IncrementalSearchInThePopup) {
  struct Step {
    char Key;
    int Row;
    const char* Entry;
  };
  struct Case {
    TDropDownStyle Style;
    TLookupMethod Method;
    std::vector<Step> Steps;
  } cases[] = {
      {dsDropDownList, lmLookup, {{'b', 2, "b"}, {'e', 2, "be"}, {'x', 2, ""}, {'a', 1, "a"}}},
      {dsDropDown, lmLookup, {{'a', 1, "a"}, {'l', 1, "al"}, {'p', 1, "alp"}, {'i', 3, "alpi"}, {'z', 3, ""}}},
      {dsDropDown, lmNone, {{'b', 1, ""}, {'e', 1, ""}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.Style << "/" << c.Method);
    dd->Items()->Clear();
    dd->Columns()->Clear();
    letters();
    dd->SetStyle(c.Style);
    dd->SetLookupMethod(c.Method);
    dd->SetItemIndex(-1);
    dd->ShowDropDown();
    ASSERT_TRUE(dd->Grid()->Focused());
    for (const Step& s : c.Steps) {
      Driver.Type(std::string(1, s.Key));
      EXPECT_EQ(dd->Grid()->Row(), s.Row) << s.Key;
      EXPECT_EQ(dd->LookupEntry(), s.Entry) << s.Key;
    }
    dd->HideDropDown(true);
    // Focus entry starts the next search afresh.
    Driver.Focus(other);
    Driver.Focus(dd);
  }
}

TEST_F(GridDropDown, NarrowDownFiltersTheGrid) {
  letters();
  dd->SetLookupMethod(lmNarrowDown);
  dd->ShowDropDown();
  auto* g = dd->Grid();
  Driver.Type("l");
  EXPECT_EQ(g->RowCount(), 3);
  EXPECT_EQ(g->Row(), 1);
  Driver.Type("p");
  EXPECT_EQ(g->RowCount(), 3);
  Driver.Type("i");
  EXPECT_EQ(g->RowCount(), 2);
  EXPECT_EQ(g->Cells(0, 1), "Alpine");
}

TEST_F(GridDropDown, SortingKeepsTheItemAndHidesTheSortEvents) {
  fill({{"c"}, {"a"}, {"b"}}, {"Name"});
  int sortEvents = 0;
  dd->OnGridCanSort = [&](TObject*, int, bool&) { ++sortEvents; };
  dd->OnGridClickSort = [&](TObject*, int) { ++sortEvents; };
  dd->SetSorting(gsSingleColumn);
  dd->SetItemIndex(0);
  dd->ShowDropDown();
  auto* g = dd->Grid();
  ASSERT_TRUE(g->OnCanSort);
  bool doSort = true;
  g->OnCanSort(g, 0, doSort);
  g->SortSettings()->SetColumn(0);
  g->QSort();
  g->OnClickSort(g, 0);
  EXPECT_EQ(g->Cells(0, 3), "c");
  EXPECT_EQ(g->Row(), 3);
  EXPECT_EQ(dd->ItemOfRow(3), 0);
  EXPECT_EQ(sortEvents, 0);
}

TEST_F(GridDropDown, EventsAreRelayedWithTheGridAsSender) {
  fill({{"a", "b"}}, {"X", "Y"});
  dd->Columns()->Items(1)->SetAlignment(taRightJustify);
  dd->Columns()->Items(1)->SetColor(TColor(0x00FF00));
  TObject* sender = nullptr;
  int calls = 0;
  dd->OnGridAnchorEnter = [&](TObject* s, int, int, const std::string&) { sender = s, ++calls; };
  dd->OnGridTopLeftChanged = [&](TObject* s) { sender = s, ++calls; };
  dd->OnGridGetFloatFormat = [&](TObject*, int, int, bool&, std::string& f) {
    EXPECT_EQ(f, "");
    ++calls;
  };
  dd->ShowDropDown();
  auto* g = dd->Grid();
  g->OnAnchorEnter(g, 1, 0, "x");
  EXPECT_EQ(sender, g);
  g->OnTopLeftChanged(g);
  EXPECT_EQ(sender, dd);
  bool isFloat = true;
  std::string format = "%.2f";
  g->OnGetFloatFormat(g, 0, 1, isFloat, format);
  EXPECT_EQ(calls, 3);
  TAlignment h = taLeftJustify;
  TVAlignment v = vtaTop;
  g->OnGetAlignment(g, 1, 1, h, v);
  EXPECT_EQ(h, taRightJustify);
  TBrush brush;
  TFont font;
  g->OnGetCellColor(g, 1, 1, {}, &brush, &font);
  EXPECT_EQ(brush.Color(), TColor(0x00FF00));
  EXPECT_FALSE(g->OnCustomCellDraw);
  bool blocked = false;
  dd->OnGridEllipsClick = [&](TObject*, int, int, std::string&) { blocked = popup()->BlockActivate(); };
  dd->HideDropDown(true);
  dd->ShowDropDown();
  std::string value;
  g->OnEllipsClick(g, 0, 1, value);
  EXPECT_TRUE(blocked);
  EXPECT_FALSE(popup()->BlockActivate());
}

TEST_F(GridDropDown, Screenshot) {
  fill({{"Alpha", "first"}, {"Beta", "second"}, {"Gamma", "third"}, {"Delta", "fourth"}}, {"Name", "Place"});
  dd->SetItemIndex(1);
  dd->ShowDropDown();
  Driver.Pump();
  const TPixelImage shown = Shot(Driver, popup(), "grid-dropdown.png");
  EXPECT_GT(ColouredOf(shown), 100) << "the chosen row";
  EXPECT_GT(InkOf(shown), 100) << "the cells' texts";
}

}  // namespace
