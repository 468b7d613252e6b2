// Column definitions and order kept outside the column grid: the stream of
// column settings, the "CP" keys of an INI file, and refusing what is not
// theirs without touching the columns. Also the filter list a column's own
// Filter entries make.

#include <unistd.h>

#include <filesystem>

#include "grid/core/GridCoreFixture.h"
#include "grid/data/FilterDropList.h"
#include "toolkit/rtl/Exceptions.h"
#include "toolkit/rtl/IniFiles.h"
#include "toolkit/rtl/ObjectStream.h"
#include "toolkit/rtl/Streams.h"

namespace {

class ExtCGridIOTest : public ExtCGridTest {
protected:
  void SetUp() override {
    ExtCGridTest::SetUp();
    for (int i = 0; i < 5; ++i) grid->Columns()->Items(i)->SetName("c" + std::to_string(i));
  }
  void TearDown() override {
    std::filesystem::remove(ini);
    ExtCGridTest::TearDown();
  }
  std::vector<std::string> names() {
    std::vector<std::string> v;
    for (int i = 0; i < grid->Columns()->Count(); ++i) v.push_back(grid->Columns()->Items(i)->Name());
    return v;
  }
  std::string saved() {
    TMemoryStream s;
    grid->SaveColumnsToStream(&s);
    return std::string(reinterpret_cast<const char*>(s.Memory()), static_cast<size_t>(s.Size()));
  }
  void load(const std::string& Bytes) {
    TStringStream s(Bytes);
    grid->LoadColumnsFromStream(&s);
  }
  std::filesystem::path ini =
      std::filesystem::temp_directory_path() / ("colpos-" + std::to_string(getpid()) + ".ini");
};

TEST_F(ExtCGridIOTest, ColumnSettingsRoundTripThroughAStream) {
  TGridColumnItem* c = grid->Columns()->Items(2);
  c->SetHeader("Speed");
  c->SetEditor(edComboList);
  c->ComboItems()->Add("slow");
  c->ComboItems()->Add("fast");
  c->SetCheckTrue("");
  c->SetCheckFalse("off");
  c->SetAlignment(taCenter);
  c->SetBorders(TCellBorders{cbLeft, cbBottom});
  c->BorderPen()->SetColor(clRed);
  c->Font()->SetStyle(TFontStyles{fsBold});
  c->Font()->SetName("DejaVu Serif");
  c->Filter()->Add("Low=<10");
  c->SetReadOnly(true);
  c->SetSortStyle(ssNumeric);
  c->SetWidth(91);
  c->SetTag(-7);
  const std::string bytes = saved();

  grid->Columns()->Items(2)->Assign(grid->Columns()->Items(0));
  grid->SetColCount(7);
  load(bytes);
  EXPECT_EQ(grid->ColCount(), 7) << "loading leaves the column count";
  ASSERT_EQ(grid->Columns()->Count(), 5);
  c = grid->Columns()->Items(2);
  EXPECT_EQ(c->Name(), "c2");
  EXPECT_EQ(c->Header(), "Speed");
  EXPECT_EQ(c->Editor(), edComboList);
  EXPECT_EQ(c->ComboItems()->Text(), "slow\r\nfast\r\n");
  EXPECT_EQ(c->CheckTrue(), "") << "an empty text is not the default Y";
  EXPECT_EQ(c->CheckFalse(), "off");
  EXPECT_EQ(c->Alignment(), taCenter);
  EXPECT_EQ(c->Borders(), (TCellBorders{cbLeft, cbBottom}));
  EXPECT_EQ(c->BorderPen()->Color(), clRed);
  EXPECT_EQ(c->Font()->Style(), TFontStyles{fsBold});
  EXPECT_EQ(c->Font()->Name(), "DejaVu Serif");
  EXPECT_EQ(c->Filter()->Strings(0), "Low=<10");
  EXPECT_TRUE(c->ReadOnly());
  EXPECT_EQ(c->SortStyle(), ssNumeric);
  EXPECT_EQ(c->StoredWidth(), 91);
  EXPECT_EQ(c->Tag(), -7);
  EXPECT_EQ(grid->Columns()->Items(3)->CheckTrue(), "Y");
}

TEST_F(ExtCGridIOTest, WhatFollowsTheColumnsInTheStreamStaysToBeRead) {
  TMemoryStream s;
  grid->SaveColumnsToStream(&s);
  s.WriteString("tail");
  s.SetPosition(0);
  grid->LoadColumnsFromStream(&s);
  char rest[4];
  s.ReadBuffer(rest, 4);
  EXPECT_EQ(std::string(rest, 4), "tail");
}

TEST_F(ExtCGridIOTest, TruncatedOrForeignStreamsAreRefusedAndChangeNothing) {
  grid->Columns()->Items(1)->SetHeader("Before");
  const std::string good = saved();
  std::string foreign;
  {
    TObjectWriter w(foreign);
    w.BeginObject("TGridPropIO");
    w.WriteInteger("ColCount", 3);
    w.EndObject();
  }
  std::string wrongValue;
  {
    TObjectWriter w(wrongValue);
    w.BeginObject("TExtColumnGridIO");
    w.BeginCollection("Items");
    w.BeginItem();
    w.WriteString("Editor", "edComboList");  // a text where an identifier belongs
    w.EndItem();
    w.EndCollection();
    w.EndObject();
  }
  const struct {
    const char* What;
    std::string Bytes;
  } cases[] = {
      {"empty", ""},
      {"cut in the middle", good.substr(0, good.size() / 2)},
      {"cut before the end", good.substr(0, good.size() - 1)},
      {"another object", foreign},
      {"a value of the wrong kind", wrongValue},
      {"no object at all", "Header=Speed"},
  };
  grid->Columns()->Items(1)->SetHeader("Now");
  for (const auto& c : cases) {
    EXPECT_THROW(load(c.Bytes), EReadError) << c.What;
    EXPECT_EQ(grid->Columns()->Count(), 5) << c.What;
    EXPECT_EQ(grid->Columns()->Items(1)->Header(), "Now") << c.What;
  }
}

TEST_F(ExtCGridIOTest, ColumnPositionsRoundTripThroughCPKeys) {
  grid->MoveColumn(1, 3);  // c0 c2 c3 c1 c4
  grid->SaveColumnPositions(ini.string(), "Cols");
  {
    TMemIniFile f(ini.string());
    EXPECT_EQ(f.ReadInteger("Cols", "CP0", -1), 0);
    EXPECT_EQ(f.ReadInteger("Cols", "CP1", -1), 2);
    EXPECT_EQ(f.ReadInteger("Cols", "CP3", -1), 1);
  }
  grid->MoveColumn(3, 1);
  grid->MoveColumn(4, 0);  // c4 c0 c1 c2 c3
  grid->LoadColumnPositions(ini.string(), "Cols");
  EXPECT_EQ(names(), (std::vector<std::string>{"c0", "c2", "c3", "c1", "c4"}));
  for (int i = 0; i < 5; ++i) EXPECT_EQ(grid->Columns()->Items(i)->DefIdx, std::stoi(names()[i].substr(1)));
}

TEST_F(ExtCGridIOTest, IncompleteOrForeignPositionsChangeNothing) {
  grid->MoveColumn(1, 3);
  const std::vector<std::string> before = names();
  {
    TMemIniFile f(ini.string());
    for (int i = 0; i < 4; ++i) f.WriteInteger("Cols", "CP" + std::to_string(i), i);  // CP4 missing
    f.WriteInteger("Bad", "CP0", 0);
    for (int i = 1; i < 5; ++i) f.WriteInteger("Bad", "CP" + std::to_string(i), 1);  // not a permutation
    f.UpdateFile();
  }
  grid->LoadColumnPositions(ini.string(), "Cols");
  EXPECT_EQ(names(), before);
  EXPECT_THROW(grid->LoadColumnPositions(ini.string(), "Bad"), EConvertError);
  EXPECT_EQ(names(), before);
}

// Loading a column grid that keeps its layout in an INI file puts the columns
// at the stored CP places, counted from the order they were loaded in.
TEST_F(ExtCGridIOTest, LoadingShowsTheColumnsAtTheirStoredCPPlaces) {
  {
    TMemIniFile f(ini.string());
    const int stored[] = {3, 0, 1, 2};
    for (int i = 0; i < 4; ++i) f.WriteInteger("Grid", "CP" + std::to_string(i), stored[i]);
    f.UpdateFile();
  }
  auto* g = new TExtColumnGrid(form);
  g->BeginLoading();
  g->SetColCount(4);
  for (int i = 0; i < 4; ++i) g->Columns()->Items(i)->SetName("c" + std::to_string(i));
  g->ColumnSize()->SetLocation(clIniFile);
  g->ColumnSize()->SetKey(ini.string());
  g->ColumnSize()->SetSection("Grid");
  g->ColumnSize()->SetSave(true);
  g->EndLoading();
  std::vector<std::string> shown;
  for (int i = 0; i < g->Columns()->Count(); ++i) shown.push_back(g->Columns()->Items(i)->Name());
  EXPECT_EQ(shown, (std::vector<std::string>{"c3", "c0", "c1", "c2"}));
  EXPECT_EQ(g->Columns()->Items(0)->DefIdx, 3) << "each column keeps its index of loading";
  g->ColumnSize()->SetSave(false);
  delete g;
}

TEST_F(ExtCGridIOTest, AnIniFileColumnSizeStoreKeepsThePositionsUnderCP) {
  grid->ColumnSize()->SetLocation(clIniFile);
  grid->ColumnSize()->SetKey(ini.string());
  grid->ColumnSize()->SetSection("Grid");
  grid->MoveColumn(4, 1);  // c0 c4 c1 c2 c3
  grid->SaveColPositions();
  {
    TMemIniFile f(ini.string());
    EXPECT_EQ(f.ReadInteger("Grid", "CP1", -1), 4);
    EXPECT_EQ(f.ReadInteger("Grid", "Pos0", -1), -1) << "the string grid's keys are not written";
  }
  grid->MoveColumn(1, 4);
  grid->LoadColPositions();
  EXPECT_EQ(names(), (std::vector<std::string>{"c0", "c4", "c1", "c2", "c3"}));
}

class ExtCGridFilterTest : public ExtCGridTest {
protected:
  void SetUp() override {
    ExtCGridTest::SetUp();
    grid->SetColCount(3);
    grid->SetRowCount(6);
    const char* values[] = {"5", "12", "30", "abc", "ABC"};
    for (int r = 1; r <= 5; ++r) grid->SetCells(1, r, values[r - 1]);
    grid->SetFilterDropDownAuto(true);
    item = grid->Columns()->Items(1);
    item->SetHeader("Value");
    item->Filter()->Add("Small=<10");
    item->Filter()->Add("Large=>=10");
    item->Filter()->Add("abc");
  }
  std::string shown() {
    std::string s;
    for (int r = 1; r < grid->RowCount(); ++r) s += grid->Cells(1, r) + ";";
    return s;
  }
  TGridColumnItem* item = nullptr;
};

TEST_F(ExtCGridFilterTest, TheColumnsEntriesReplaceItsValuesByName) {
  ASSERT_TRUE(grid->ShowFilterDropDown(1));
  EXPECT_EQ(grid->FilterList()->Text(), "Small\r\nLarge\r\nabc\r\n");
  EXPECT_EQ(grid->FilterDropList()->Items()->Text(), "Small\r\nLarge\r\nabc\r\n");
  ASSERT_TRUE(grid->GetColumnFilterValues(2)) << "a column without entries offers its values";
  EXPECT_EQ(grid->FilterList()->Strings(0), "(All)");
}

TEST_F(ExtCGridFilterTest, AChoiceAppliesItsConditionAndNamesTheHeader) {
  std::string friendly, given;
  grid->OnFilterSelect = [&](TObject*, int, int, const std::string& Name, std::string& Condition) {
    friendly = Name;
    given = Condition;
  };
  grid->FilterSelect(1, 1);
  EXPECT_EQ(friendly, "Large");
  EXPECT_EQ(given, ">=10");
  EXPECT_EQ(shown(), "12;30;abc;ABC;") << "texts compare with the condition's number as texts";
  EXPECT_EQ(item->Header(), "Value") << "AutoFilterDisplay is off";
  EXPECT_EQ(grid->FilterColumn(), -1);

  grid->SetAutoFilterDisplay(true);
  grid->FilterSelect(1, 0);
  EXPECT_EQ(shown(), "5;");
  EXPECT_EQ(item->Header(), "Small");
  EXPECT_EQ(grid->Cells(1, 0), "Small");
}

TEST_F(ExtCGridFilterTest, TheColumnsCaseRuleHolds) {
  grid->FilterSelect(1, 2);  // "abc": a whole entry is name and condition
  EXPECT_EQ(shown(), "abc;ABC;");
  item->SetFilterCaseSensitive(true);
  grid->FilterSelect(1, 2);
  EXPECT_EQ(shown(), "abc;");
}

}  // namespace
