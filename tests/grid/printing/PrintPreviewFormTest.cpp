// The print preview form driven like a user: stepping through the pages with
// the buttons and keys, the buttons that have nothing to do at the first and
// last page, zooming and fitting, and printing from the preview.

#include <filesystem>

#include "grid/printing/PrintPreviewForm.h"
#include "grid/printing/PrintPreviewPage.h"
#include "tests/grid/printing/GridPrintFixture.h"
#include "tests/grid/printing/PdfTools.h"
#include "toolkit/forms/ExtCtrls.h"
#include "toolkit/forms/std/Button.h"
#include "toolkit/forms/std/PageControl.h"

class PrintPreviewFormTest : public GridPrintTest {
protected:
  void SetUp() override {
    GridPrintTest::SetUp();
    Fill(2, 60);
    grid->SetDefaultRowHeight(20);
    grid->PrintSettings()->SetNoAutoSizeRow(true);
    grid->PrintSettings()->SetPageNr(ppBottomCenter);
    grid->PrintSettings()->SetTitle(ppTopCenter);
    grid->PrintSettings()->SetTitleText("Stock list");
  }
  TPrintPreviewForm* Open() {
    preview = new TPrintPreviewForm(Application, grid);
    preview->Show();
    Driver.Pump();
    return preview;
  }
  void Press(TButton* Button) { Driver.Click(Button, Button->Width() / 2, Button->Height() / 2); }
  // The rows the preview draws while Action runs.
  std::vector<int> RowsDrawnBy(const std::function<void()>& Action) {
    std::vector<int> rows;
    grid->OnCustomCellDraw = [&](TObject*, TCanvas*, int ACol, int ARow, TGridDrawState, TRect, bool) {
      if (ACol == 0) rows.push_back(ARow);
    };
    Action();
    grid->OnCustomCellDraw = nullptr;
    return rows;
  }
  // Which of First, Previous, Next, Last can be pressed.
  std::vector<bool> Steps() const {
    return {preview->FirstButton->Enabled(), preview->PriorButton->Enabled(), preview->NextButton->Enabled(),
            preview->LastButton->Enabled()};
  }

  TPrintPreviewForm* preview = nullptr;
};

TEST_F(PrintPreviewFormTest, ButtonsStepThroughThePagesThatPrint) {
  Open();
  std::vector<int> first = RowsDrawnBy([&] {
    preview->PageView->Reload();
    preview->SetPage(1);
  });
  const int pages = preview->PageCount();
  ASSERT_GE(pages, 3);
  EXPECT_EQ(preview->Page(), 1);
  EXPECT_EQ(preview->PageLabel->Caption(), "Page 1 of " + std::to_string(pages));
  EXPECT_EQ(Steps(), (std::vector<bool>{false, false, true, true}));
  ASSERT_FALSE(first.empty());
  EXPECT_EQ(first.front(), 0);
  const int perPage = first.back() + 1;

  std::vector<int> second = RowsDrawnBy([&] { Press(preview->NextButton); });
  EXPECT_EQ(preview->Page(), 2);
  EXPECT_EQ(preview->PageLabel->Caption(), "Page 2 of " + std::to_string(pages));
  EXPECT_EQ(Steps(), (std::vector<bool>{true, true, true, true}));
  ASSERT_FALSE(second.empty());
  EXPECT_EQ(second.front(), perPage);

  std::vector<int> last = RowsDrawnBy([&] { Press(preview->LastButton); });
  EXPECT_EQ(preview->Page(), pages);
  EXPECT_EQ(Steps(), (std::vector<bool>{true, true, false, false}));
  ASSERT_FALSE(last.empty());
  EXPECT_EQ(last.back(), 59);
  // A disabled button does nothing.
  Press(preview->NextButton);
  EXPECT_EQ(preview->Page(), pages);

  Press(preview->PriorButton);
  EXPECT_EQ(preview->Page(), pages - 1);
  Press(preview->FirstButton);
  EXPECT_EQ(preview->Page(), 1);
  EXPECT_EQ(Steps(), (std::vector<bool>{false, false, true, true}));
  Press(preview->PriorButton);
  EXPECT_EQ(preview->Page(), 1);

  // The preview shows as many pages as the printer gets.
  grid->Print();
  EXPECT_EQ(recorder->PageCount(), pages);
}

TEST_F(PrintPreviewFormTest, PageKeysStepThroughThePages) {
  Open();
  const int pages = preview->PageCount();
  Driver.Focus(preview->CloseButton);
  struct Case {
    uint16_t Key;
    int Page;
  };
  for (Case c : {Case{VK_NEXT, 2}, Case{VK_END, pages}, Case{VK_NEXT, pages}, Case{VK_PRIOR, pages - 1},
                 Case{VK_HOME, 1}, Case{VK_PRIOR, 1}}) {
    Driver.PressKey(c.Key);
    EXPECT_EQ(preview->Page(), c.Page) << "key " << c.Key;
  }
}

TEST_F(PrintPreviewFormTest, OnePageOnlyLeavesNothingToStepTo) {
  Fill(2, 3);
  Open();
  EXPECT_EQ(preview->PageCount(), 1);
  EXPECT_EQ(preview->PageLabel->Caption(), "Page 1 of 1");
  EXPECT_EQ(Steps(), (std::vector<bool>{false, false, false, false}));
}

TEST_F(PrintPreviewFormTest, ZoomGrowsAndShrinksThePageAndFitShowsItWhole) {
  Open();
  Press(preview->NextButton);
  const int pages = preview->PageCount();
  const TSize at100 = preview->PageView->SheetSize(96);
  const TRect box = preview->PageBox->ClientRect();
  // Fitting shows the whole sheet.
  EXPECT_TRUE(preview->Fitting());
  EXPECT_LE(preview->PageView->Width(), box.Width());
  EXPECT_LE(preview->PageView->Height(), box.Height());
  EXPECT_GE(preview->PageView->Left(), 0);
  EXPECT_GE(preview->PageView->Top(), 0);

  preview->SetZoom(100);
  EXPECT_EQ(preview->PageView->Width(), at100.cx);
  Press(preview->ZoomInButton);
  EXPECT_EQ(preview->Zoom(), 125);
  EXPECT_NEAR(preview->PageView->Width(), at100.cx * 125 / 100, 2);
  while (preview->ZoomInButton->Enabled()) Press(preview->ZoomInButton);
  EXPECT_EQ(preview->Zoom(), TPrintPreviewForm::MaxZoom);
  EXPECT_NEAR(preview->PageView->Width(), at100.cx * 2, 2);
  EXPECT_TRUE(preview->PageBox->HorzScrollBar()->IsScrollBarVisible());
  EXPECT_TRUE(preview->ZoomOutButton->Enabled());
  EXPECT_EQ(preview->ZoomLabel->Caption(), "200%");

  Press(preview->ZoomOutButton);
  EXPECT_EQ(preview->Zoom(), 150);
  while (preview->ZoomOutButton->Enabled()) Press(preview->ZoomOutButton);
  EXPECT_EQ(preview->Zoom(), TPrintPreviewForm::MinZoom);
  EXPECT_TRUE(preview->ZoomInButton->Enabled());
  EXPECT_FALSE(preview->Fitting());
  // Zooming keeps the page and the count.
  EXPECT_EQ(preview->Page(), 2);
  EXPECT_EQ(preview->PageCount(), pages);

  Press(preview->FitButton);
  EXPECT_TRUE(preview->Fitting());
  EXPECT_LE(preview->PageView->Height(), box.Height());
  EXPECT_LE(preview->PageView->Width(), box.Width());
  EXPECT_GT(preview->PageView->Width(), box.Width() * 9 / 10);
  EXPECT_EQ(preview->Page(), 2);
}

TEST_F(PrintPreviewFormTest, AFittedPageFollowsTheWindowsSize) {
  Open();
  const int before = preview->PageView->Height();
  preview->SetClientSize(preview->ClientWidth(), preview->ClientHeight() / 2);
  Driver.Pump();
  EXPECT_LT(preview->PageView->Height(), before);
  EXPECT_LE(preview->PageView->Height(), preview->PageBox->ClientHeight());
}

TEST_F(PrintPreviewFormTest, ThePageShownIsDrawn) {
  grid->SetColor(clWhite);
  Open();
  TPrintPreviewPage* page = preview->PageView;
  int dark = 0;
  for (int y = 0; y < page->Height(); y += 2)
    for (int x = 0; x < page->Width(); x += 2) dark += Driver.PixelAt(page, x, y) == clBlack;
  EXPECT_GT(dark, 20) << "cell texts, title and page number";
  EXPECT_EQ(Driver.PixelAt(page, 1, 1), clWhite) << "the paper";
  EXPECT_EQ(Driver.PixelAt(preview->PageBox, 5, 5), clGray) << "around the paper";
  EXPECT_FALSE(Driver.Screenshot(preview, "print-preview.png").empty());
}

TEST_F(PrintPreviewFormTest, PrintWritesTheChosenPdfFileWithThePagesShown) {
  SetPrinter(std::make_unique<TPrinter>());
  Open();
  const int pages = preview->PageCount();
  Driver.CancelSaveDialog();
  Press(preview->PrintButton);
  EXPECT_TRUE(std::filesystem::is_empty(folder));

  Driver.AnswerSaveDialog(Path("preview.pdf"));
  Press(preview->PrintButton);
  ASSERT_TRUE(std::filesystem::exists(Path("preview.pdf")));
  const std::string info = RunTool({"pdfinfo", Path("preview.pdf")});
  const size_t at = info.find("Pages:");
  ASSERT_NE(at, std::string::npos) << info;
  EXPECT_EQ(std::stoi(info.substr(at + 6)), pages);
  // The file was for this print; the printer is as it was set up.
  EXPECT_EQ(Printer()->OutputFileName(), "");
  EXPECT_EQ(preview->PageCount(), pages);
  EXPECT_TRUE(Driver.ScriptDone());
}

TEST_F(PrintPreviewFormTest, APrinterWithItsFileSetPrintsWithoutAsking) {
  SetPrinter(std::make_unique<TPrinter>());
  Printer()->SetOutputFileName(Path("set.pdf"));
  Open();
  Press(preview->PrintButton);
  EXPECT_TRUE(Driver.FileDialogs().empty());
  EXPECT_TRUE(std::filesystem::exists(Path("set.pdf")));
}
