// Copy, cut and paste of cells as spreadsheet text.

#include "grid/core/GridCoreFixture.h"
#include "platform/clipboard/Clipboard.h"

#include <set>

namespace {

class TClipGrid : public TExtStringGrid {
public:
  explicit TClipGrid(TComponent* AOwner) : TExtStringGrid(AOwner) {}
  bool IsEditable(int ARealCol, int ARow) override {
    return !ReadOnlyCols.count(ARealCol) && TExtStringGrid::IsEditable(ARealCol, ARow);
  }
  void ImportNotification(int AState, int ARow) override {
    (void)ARow;
    if (AState == isImportStart) ++Starts;
    if (AState == isImportDone) ++Dones;
  }
  std::set<int> ReadOnlyCols;
  int Starts = 0, Dones = 0;
};

class ExtGridClipboardTest : public GridCoreTestOf<TClipGrid> {
protected:
  void SetUp() override {
    GridCoreTestOf<TClipGrid>::SetUp();
    platform::TheClipboard().Reset();
    grid->SetColCount(5);
    grid->SetRowCount(5);
    grid->SetOptions(grid->Options() + TGridOptions{goEditing});
  }
  void TearDown() override { platform::TheClipboard().Reset(); }
  int Paste(int ACol, int ARow, const std::string& Text) {
    int lines = 0, fields = 0;
    return grid->ParseTextToCells(ACol, ARow, lines, fields, Text);
  }
};

TEST_F(ExtGridClipboardTest, CopiesTheSelectionAsTabSeparatedLines) {
  grid->SetCells(1, 1, "a");
  grid->SetCells(2, 1, "b");
  grid->SetCells(1, 2, "c");
  grid->SetCells(2, 2, "d");
  grid->SelectCells(1, 1, 2, 2);
  grid->CopySelectionToClipboard();
  EXPECT_EQ(platform::TheClipboard().Text(), "a\tb\r\nc\td\r\n");
  grid->SelectCells(1, 1, 2, 1);
  EXPECT_EQ(grid->GetSelectionAsText(), "a\tb");
  EXPECT_EQ(grid->ClipLastOp(), coCopy);
}

TEST_F(ExtGridClipboardTest, AwkwardTextsRoundTripThroughTheClipboard) {
  const std::string texts[] = {"x\r\ny", "tab\there", "\"quoted\" start", "inner \"quote\"", "a\nb"};
  for (int i = 0; i < 4; ++i) grid->SetCells(1, 1 + i, texts[i]);
  grid->SetCells(2, 1, texts[4]);
  grid->SelectCells(1, 1, 2, 4);
  grid->CopySelectionToClipboard();
  EXPECT_EQ(platform::TheClipboard().Text().substr(0, 14), "\"x\r\ny\"\t\"a\nb\"\r\n");
  grid->SelectCells(3, 1, 3, 1);
  grid->PasteSelectionFromClipboard();
  for (int i = 0; i < 4; ++i) EXPECT_EQ(grid->Cells(3, 1 + i), texts[i]) << i;
  EXPECT_EQ(grid->Cells(4, 1), texts[4]);
}

TEST_F(ExtGridClipboardTest, PasteWritesFieldsAndCountsOnlyRealOnes) {
  EXPECT_EQ(Paste(1, 1, "1\t2\r\n3\t4\r\n"), 4);
  EXPECT_EQ(DisplayedRow(1), (std::vector<std::string>{"", "1", "2", "", ""}));
  EXPECT_EQ(DisplayedRow(2), (std::vector<std::string>{"", "3", "4", "", ""}));
}

TEST_F(ExtGridClipboardTest, ReadOnlyColumnsAreSkippedUnlessClipboardAlways) {
  grid->ReadOnlyCols = {2};
  Paste(1, 1, "a\tb\tc");
  EXPECT_EQ(DisplayedRow(1), (std::vector<std::string>{"", "a", "", "c", ""}));
  grid->Navigation()->SetAllowClipboardAlways(true);
  Paste(1, 1, "a\tb\tc");
  EXPECT_EQ(DisplayedRow(1), (std::vector<std::string>{"", "a", "b", "c", ""}));
}

TEST_F(ExtGridClipboardTest, GrowSettingsDecideWhetherTheGridGrows) {
  grid->Navigation()->SetAllowClipboardRowGrow(false);
  grid->Navigation()->SetAllowClipboardColGrow(false);
  Paste(3, 4, "a\tb\tc\r\nd\r\n");
  EXPECT_EQ(grid->RowCount(), 5);
  EXPECT_EQ(grid->ColCount(), 5);
  EXPECT_EQ(DisplayedRow(4), (std::vector<std::string>{"", "", "", "a", "b"}));
  grid->Navigation()->SetAllowClipboardRowGrow(true);
  grid->Navigation()->SetAllowClipboardColGrow(true);
  Paste(3, 4, "a\tb\tc\r\nd\r\n");
  EXPECT_EQ(grid->RowCount(), 6);
  EXPECT_EQ(grid->ColCount(), 6);
  EXPECT_EQ(grid->Cells(5, 4), "c");
  EXPECT_EQ(grid->Cells(3, 5), "d");
}

TEST_F(ExtGridClipboardTest, InsertModeInsertsARowBeforeEachLine) {
  for (int r = 0; r < 5; ++r) grid->SetCells(0, r, "r" + std::to_string(r));
  grid->Navigation()->SetClipboardPasteAction(paInsert);
  Paste(1, 1, "a\r\nb\r\nc\r\n");
  EXPECT_EQ(grid->RowCount(), 8);
  EXPECT_EQ(grid->Cells(1, 1), "a");
  EXPECT_EQ(grid->Cells(1, 3), "c");
  EXPECT_EQ(grid->Cells(0, 4), "r1");
}

TEST_F(ExtGridClipboardTest, CutClearsOnlyEditableCells) {
  grid->ReadOnlyCols = {1};
  grid->SetCells(1, 1, "keep");
  grid->SetCells(2, 1, "gone");
  grid->SelectCells(1, 1, 2, 1);
  grid->CutSelectionToClipboard();
  EXPECT_EQ(platform::TheClipboard().Text(), "keep\tgone");
  EXPECT_EQ(grid->Cells(1, 1), "keep");
  EXPECT_EQ(grid->Cells(2, 1), "");
  EXPECT_EQ(grid->ClipLastOp(), coCut);
}

TEST_F(ExtGridClipboardTest, PasteNotificationsArePaired) {
  platform::TheClipboard().SetText("1\t2");
  grid->SelectCells(1, 1, 1, 1);
  grid->PasteSelectionFromClipboard();
  grid->PasteFromClipboard();
  EXPECT_EQ(grid->Starts, 2);
  EXPECT_EQ(grid->Dones, 2);
}

TEST_F(ExtGridClipboardTest, NothingIsPastedIntoAGridThatCannotBeEdited) {
  grid->SetOptions(grid->Options() - TGridOptions{goEditing});
  EXPECT_EQ(Paste(1, 1, "a"), 0);
  EXPECT_EQ(grid->Cells(1, 1), "");
}

TEST_F(ExtGridClipboardTest, SelectionAsTextStoresRawAndGrows) {
  grid->ReadOnlyCols = {4};
  grid->SelectCells(3, 4, 3, 4);
  grid->SetSelectionAsText("a\tb\tc\r\n\"d\r\ne\"\r\n");
  EXPECT_EQ(grid->Cells(4, 4), "b");
  EXPECT_EQ(grid->Cells(5, 4), "c");
  EXPECT_EQ(grid->Cells(3, 5), "d\r\ne");
  int cols = 0, rows = 0;
  TExtStringGrid::TextGridSize("a\tb\tc\r\nd\r\n", cols, rows);
  EXPECT_EQ(cols, 3);
  EXPECT_EQ(rows, 2);
}

}  // namespace
