// The clipboard's rich-text, cell-block and HTML formats, and the smart fill
// of a selection after a paste.

#include "grid/core/GridCoreFixture.h"
#include "platform/clipboard/Clipboard.h"
#include "platform/clipboard/DataBlocks.h"
#include "toolkit/rtl/DateUtils.h"
#include "toolkit/rtl/SysUtils.h"

#include <filesystem>
#include <set>

namespace {

class TFormatsGrid : public TExtStringGrid {
public:
  explicit TFormatsGrid(TComponent* AOwner) : TExtStringGrid(AOwner) {}
  bool IsEditable(int ARealCol, int ARow) override {
    return !ReadOnlyCols.count(ARealCol) && TExtStringGrid::IsEditable(ARealCol, ARow);
  }
  void ImportNotification(int AState, int) override {
    if (AState == isImportStart) ++Starts;
    if (AState == isImportDone) ++Dones;
  }
  void MarkPastedRows(const TPoint& ClipTopLeft, const TRect& Area, TClipOperation Operation) override {
    Marked.push_back({ClipTopLeft, Area, Operation});
  }
  struct TMark {
    TPoint TopLeft;
    TRect Area;
    TClipOperation Op;
  };
  std::set<int> ReadOnlyCols;
  std::vector<TMark> Marked;
  int Starts = 0, Dones = 0;
};

class ClipboardFormatsTest : public GridCoreTestOf<TFormatsGrid> {
protected:
  void SetUp() override {
    GridCoreTestOf<TFormatsGrid>::SetUp();
    platform::TheClipboard().Reset();
    grid->SetFixedCols(0);
    grid->SetFixedRows(0);
    grid->SetColCount(6);
    grid->SetRowCount(10);
    grid->SetOptions(grid->Options() + TGridOptions{goEditing});
    saved = FormatSettings;
  }
  void TearDown() override {
    FormatSettings = saved;
    platform::TheClipboard().Reset();
  }
  std::vector<std::string> Column(int ACol, int From, int To) {
    std::vector<std::string> v;
    for (int r = From; r <= To; ++r) v.push_back(grid->Cells(ACol, r));
    return v;
  }
  std::vector<std::string> Row(int ARow, int From, int To) {
    std::vector<std::string> v;
    for (int c = From; c <= To; ++c) v.push_back(grid->Cells(c, ARow));
    return v;
  }
  void PasteInto(const std::string& Text, int L, int T, int R, int B) {
    platform::TheClipboard().SetText(Text);
    grid->SelectCells(L, T, R, B);
    grid->PasteSelectionFromClipboard();
  }
  TFormatSettings saved;
};

TEST_F(ClipboardFormatsTest, RichTextTravelsAsEightBitBytes) {
  grid->Navigation()->SetAllowRTFClipboard(true);
  const std::string rtf = "{\\rtf1 caf\\'e9 \\b bold}";
  grid->SetCells(0, 0, rtf);
  grid->SelectCells(0, 0, 0, 0);
  grid->CopySelectionToClipboard();
  const auto block = platform::TheClipboard().GetData(RegisterClipboardFormat("Rich Text Format"));
  ASSERT_TRUE(block.has_value());
  EXPECT_EQ(*block, rtf + '\0');
  EXPECT_EQ(platform::TheClipboard().Text(), "caf\xC3\xA9 bold");  // its plain text goes along

  grid->SelectCells(2, 2, 2, 2);
  grid->PasteSelectionFromClipboard();
  EXPECT_EQ(grid->Cells(2, 2), rtf);
  grid->SetCells(0, 1, "plain");
  grid->SelectCells(0, 1, 0, 1);
  grid->CopySelectionToClipboard();  // a cell without rich text offers none
  EXPECT_FALSE(platform::TheClipboard().HasFormat(RegisterClipboardFormat("Rich Text Format")));
}

TEST_F(ClipboardFormatsTest, TheCellFormatCarriesPropertiesAndGrowsTheGridFirst) {
  grid->Navigation()->SetAllowFmtClipboard(true);
  grid->SetCells(0, 0, "a");
  grid->SetCells(1, 1, "b");
  grid->GetCellProperties(1, 1)->SetBrushColor(clAqua);
  grid->SelectCells(0, 0, 1, 1);
  grid->CopySelectionToClipboard();
  EXPECT_TRUE(platform::TheClipboard().HasFormat(RegisterClipboardFormat("TExtStringGrid Cells")));
  grid->Marked.clear();
  grid->SelectCells(5, 9, 5, 9);
  grid->PasteSelectionFromClipboard();
  EXPECT_EQ(grid->ColCount(), 7);
  EXPECT_EQ(grid->RowCount(), 11);
  EXPECT_EQ(grid->Cells(5, 9), "a");
  EXPECT_EQ(grid->Cells(6, 10), "b");
  EXPECT_EQ(grid->GetCellProperties(6, 10)->BrushColor(), clAqua);
  ASSERT_FALSE(grid->Marked.empty());
  EXPECT_EQ(grid->Marked.front().Area, (TRect{5, 9, 6, 10}));
  EXPECT_EQ(grid->Marked.front().TopLeft, (TPoint{0, 0}));  // a paste into the grid the cells came from
}

TEST_F(ClipboardFormatsTest, AMalformedCellBlockChangesNothingAndStillEndsTheImport) {
  grid->Navigation()->SetAllowFmtClipboard(true);
  grid->SetCells(0, 0, "keep");
  platform::Clipboard& cb = platform::TheClipboard();
  ASSERT_TRUE(cb.Open());
  cb.Empty();
  cb.SetData(RegisterClipboardFormat("TExtStringGrid Cells"), std::string("TPF0\x0BTGridPropIO\0\x08", 18));
  cb.Close();
  grid->SelectCells(0, 0, 0, 0);
  EXPECT_THROW(grid->PasteSelectionFromClipboard(), EExtGridError);
  EXPECT_THROW(grid->PasteFromClipboard(), EExtGridError);
  EXPECT_EQ(grid->Cells(0, 0), "keep");
  EXPECT_EQ(grid->ColCount(), 6);
  EXPECT_EQ(grid->Starts, 2);
  EXPECT_EQ(grid->Dones, 2);
}

TEST_F(ClipboardFormatsTest, HtmlCopyOffersATableAndTheText) {
  grid->SetColCount(2);
  grid->SetRowCount(2);
  grid->SetCells(0, 0, "a<b");
  grid->SetCells(1, 0, "<b>bold</b>");
  grid->SetCells(0, 1, "x");
  grid->CopyToClipBoardAsHTML();
  const std::string fragment = platform::TheClipboard().HtmlFragment();
  EXPECT_NE(fragment.find(">a&lt;b</td>"), std::string::npos) << fragment;
  EXPECT_NE(fragment.find("><b>bold</b></td>"), std::string::npos) << fragment;
  EXPECT_EQ(platform::TheClipboard().Text(), "a<b\t<b>bold</b>\r\nx\t\r\n");
}

// The pictures of the copied HTML live in one temporary folder: the next
// copy replaces it, and a copy without pictures leaves none.
TEST_F(ClipboardFormatsTest, HtmlCopiesLeaveNoTemporaryFoldersBehind) {
  namespace fs = std::filesystem;
  auto folders = [] {
    int n = 0;
    for (const auto& e : fs::directory_iterator(fs::temp_directory_path()))
      n += e.path().filename().string().rfind("gridclip-", 0) == 0;
    return n;
  };
  const int before = folders();
  grid->SetColCount(1);
  grid->SetRowCount(1);
  grid->SetCells(0, 0, "pic");
  grid->HTMLSettings()->SetExportImages(true);
  for (int i = 0; i < 3; ++i) grid->CopyToClipBoardAsHTML();
  EXPECT_EQ(folders(), before);
  grid->CreateBitmap(0, 0, false, haLeft, vaTop)->SetSize(4, 3);
  for (int i = 0; i < 3; ++i) grid->CopyToClipBoardAsHTML();
  EXPECT_EQ(folders(), before + 1);
  const std::string fragment = platform::TheClipboard().HtmlFragment();
  const size_t src = fragment.find("file://");
  ASSERT_NE(src, std::string::npos) << fragment;
  EXPECT_TRUE(fs::exists(fragment.substr(src + 7, fragment.find('"', src) - src - 7)));
  grid->RemoveBitmap(0, 0);
  grid->CopyToClipBoardAsHTML();
  EXPECT_EQ(folders(), before);
}

// The header's offsets, as other programs read them: numbers after the
// names, counted in bytes from the start of the block.
long CFHTMLOffset(const std::string& Block, const std::string& Name) {
  const size_t at = Block.find(Name + ":");
  return at == std::string::npos ? -1 : std::stol(Block.substr(at + Name.size() + 1, 10));
}

TEST_F(ClipboardFormatsTest, HtmlCopyIsTheExportDocumentInAValidHtmlFormatBlock) {
  grid->SetColCount(2);
  grid->SetRowCount(2);
  grid->SetCells(0, 0, "caf\xC3\xA9");
  grid->SetCells(1, 1, "1 < 2");
  grid->HTMLSettings()->SetXHTML(true);  // the clipboard carries HTML all the same
  grid->CopyToClipBoardAsHTML();
  const std::string block = platform::TheClipboard().GetData(platform::HtmlClipboardFormat()).value_or("");
  ASSERT_EQ(block.rfind("Version:", 0), 0u) << block;
  const long startHtml = CFHTMLOffset(block, "StartHTML"), endHtml = CFHTMLOffset(block, "EndHTML");
  const long startFragment = CFHTMLOffset(block, "StartFragment"), endFragment = CFHTMLOffset(block, "EndFragment");
  ASSERT_TRUE(startHtml > 0 && startHtml <= startFragment && startFragment <= endFragment && endFragment <= endHtml);
  EXPECT_EQ(endHtml, static_cast<long>(block.size()));
  EXPECT_EQ(block.substr(startHtml, 6), "<html>");
  EXPECT_EQ(block.substr(startFragment - 20, 20), "<!--StartFragment-->");
  EXPECT_EQ(block.substr(endFragment, 18), "<!--EndFragment-->");
  const std::string fragment = block.substr(startFragment, endFragment - startFragment);
  EXPECT_EQ(fragment, grid->HTMLClipboardDocument());
  EXPECT_EQ(fragment.find("<?xml"), std::string::npos) << fragment;
  EXPECT_NE(fragment.find("<style>"), std::string::npos) << fragment;
  EXPECT_NE(fragment.find(">caf&#233;</td>"), std::string::npos) << fragment;
  EXPECT_NE(fragment.find(">1 &lt; 2</td>"), std::string::npos) << fragment;
}

TEST_F(ClipboardFormatsTest, OneValueFillsTheWholeSelection) {
  grid->Navigation()->SetAllowSmartClipboard(true);
  PasteInto("5", 1, 1, 4, 1);
  EXPECT_EQ(Row(1, 1, 4), (std::vector<std::string>(4, "5")));
  grid->SetCells(0, 5, "");
  PasteInto("7", 0, 5, 0, 5);  // a selection of one cell has nothing more to fill
  EXPECT_EQ(grid->Cells(0, 6), "");
}

TEST_F(ClipboardFormatsTest, WithoutSmartFillOnlyThePasteHappens) {
  grid->Navigation()->SetAllowSmartClipboard(false);
  PasteInto("5", 1, 1, 4, 1);
  EXPECT_EQ(Row(1, 1, 4), (std::vector<std::string>{"5", "", "", ""}));
  EXPECT_EQ(grid->Starts, grid->Dones);
}

class SmartFillTest : public ClipboardFormatsTest {
protected:
  void SetUp() override {
    ClipboardFormatsTest::SetUp();
    grid->Navigation()->SetAllowSmartClipboard(true);
  }
};

TEST_F(SmartFillTest, TwoNumbersStartASeries) {
  PasteInto("1\r\n3\r\n", 0, 0, 0, 5);
  EXPECT_EQ(Column(0, 0, 5), (std::vector<std::string>{"1", "3", "5", "7", "9", "11"}));
  FormatSettings.DecimalSeparator = '.';
  grid->SetFloatFormat("%.2f");
  PasteInto("1.5\t2", 0, 7, 3, 7);
  EXPECT_EQ(Row(7, 0, 3), (std::vector<std::string>{"1.50", "2.00", "2.50", "3.00"}));
}

TEST_F(SmartFillTest, DatesStepByMonthsDaysOrTheirDistance) {
  FormatSettings.DateSeparator = '/';
  FormatSettings.ShortDateFormat = "dd/mm/yyyy";
  const auto d = [](int y, int m, int dd) { return DateToStr(EncodeDate(y, m, dd)); };
  PasteInto(d(2024, 1, 15) + "\r\n" + d(2024, 2, 15) + "\r\n", 1, 0, 1, 3);
  EXPECT_EQ(Column(1, 0, 3), (std::vector<std::string>{d(2024, 1, 15), d(2024, 2, 15), d(2024, 3, 15), d(2024, 4, 15)}));
  PasteInto(d(2024, 3, 1) + "\r\n" + d(2024, 3, 3) + "\r\n", 2, 0, 2, 3);
  EXPECT_EQ(Column(2, 0, 3), (std::vector<std::string>{d(2024, 3, 1), d(2024, 3, 3), d(2024, 3, 5), d(2024, 3, 7)}));
  PasteInto(d(2023, 1, 31) + "\r\n" + d(2023, 2, 28) + "\r\n", 3, 0, 3, 2);
  EXPECT_EQ(grid->Cells(3, 2), d(2023, 3, 28));
}

TEST_F(SmartFillTest, TextsRepeatWithThePeriodOfWhatWasPasted) {
  PasteInto("a\r\nb\r\nc\r\n", 0, 0, 0, 7);
  EXPECT_EQ(Column(0, 0, 7), (std::vector<std::string>{"a", "b", "c", "a", "b", "c", "a", "b"}));
  PasteInto("a\r\nb\r\nc", 1, 0, 1, 7);  // the same without a final line end
  EXPECT_EQ(Column(1, 0, 7), (std::vector<std::string>{"a", "b", "c", "a", "b", "c", "a", "b"}));
  PasteInto("x\ty\tz", 0, 9, 5, 9);
  EXPECT_EQ(Row(9, 0, 5), (std::vector<std::string>{"x", "y", "z", "x", "y", "z"}));
}

TEST_F(SmartFillTest, ALineOrAColumnIsPastedAgainOverTheSelection) {
  PasteInto("x\ty\r\n", 0, 0, 1, 2);
  for (int r = 0; r <= 2; ++r) EXPECT_EQ(Row(r, 0, 1), (std::vector<std::string>{"x", "y"})) << r;
  PasteInto("p\r\nq\r\n", 3, 4, 5, 5);
  for (int c = 3; c <= 5; ++c) EXPECT_EQ(Column(c, 4, 5), (std::vector<std::string>{"p", "q"})) << c;
  EXPECT_EQ(grid->Selection(), (TGridRect{3, 4, 5, 5}));
}

TEST_F(SmartFillTest, APasteThatFillsTheSelectionEndsThereWithPairedNotifications) {
  PasteInto("1\t2\r\n3\t4\r\n", 0, 0, 1, 1);
  EXPECT_EQ(Row(2, 0, 1), (std::vector<std::string>{"", ""}));
  EXPECT_EQ(grid->Starts, 1);
  EXPECT_EQ(grid->Dones, 1);
}

TEST_F(SmartFillTest, ReadOnlyCellsAreSkippedByEveryFill) {
  grid->ReadOnlyCols = {2};
  PasteInto("9", 0, 0, 3, 0);
  EXPECT_EQ(Row(0, 0, 3), (std::vector<std::string>{"9", "9", "", "9"}));
  grid->Navigation()->SetAllowClipboardAlways(true);
  PasteInto("8", 0, 1, 3, 1);
  EXPECT_EQ(Row(1, 0, 3), (std::vector<std::string>(4, "8")));
}

}  // namespace
