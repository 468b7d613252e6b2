// The grid's look file and its print settings in an INI section: round trips,
// the reading rules of each kind of value, and bad files.

#include "grid/core/GridCoreFixture.h"
#include "grid/data/SortSettings.h"
#include "toolkit/rtl/FileUtils.h"
#include "toolkit/rtl/IniFiles.h"

#include <cstdlib>
#include <filesystem>

#include <sys/stat.h>

class SettingsFilesTest : public ExtGridTest {
protected:
  void SetUp() override {
    ExtGridTest::SetUp();
    std::string pattern = (std::filesystem::temp_directory_path() / "gridsettings-XXXXXX").string();
    folder = mkdtemp(pattern.data());
    other = new TExtStringGrid(form);
    other->SetParent(form);
  }
  void TearDown() override {
    std::filesystem::remove_all(folder);
    ExtGridTest::TearDown();
  }
  std::string Path(const std::string& Name) const { return (folder / Name).string(); }
  // The look file of a fresh grid with Lines put in front (the first line of a name counts).
  void WriteLook(const std::string& Lines, const std::string& Drop = "") {
    TExtStringGrid fresh(nullptr);
    fresh.SaveVisualProps(Path("look.txt"));
    std::string text = ReadFileBytes(Path("look.txt"));
    if (!Drop.empty()) {
      const size_t at = text.find(Drop + "=");
      text.erase(at, text.find("\r\n", at) + 2 - at);
    }
    WriteFileAtomic(Path("look.txt"), Lines + text);
  }

  std::filesystem::path folder;
  TExtStringGrid* other = nullptr;
};

TEST_F(SettingsFilesTest, LookRoundTripsIntoAnotherGrid) {
  // A look brings its own colours: it comes first, so the settings below are the ones stored.
  grid->SetLook(glSoft);
  grid->SetColor(TColor(0x123456));
  grid->SetSelectionColor(clRed);
  grid->SetURLShow(true);
  grid->SetURLShowInText(true);
  grid->FixedFont()->SetStyle(TFontStyles{fsBold});
  grid->FixedFont()->SetSize(13);
  grid->FixedFont()->SetName("DejaVu Serif");
  grid->Font()->SetColor(clNavy);
  grid->Balloon()->SetTransparency(120);
  grid->Bands()->SetActive(true);
  grid->SortSettings()->SetIndexColor(clLime);
  grid->ControlLook()->SetControlStyle(csFlat);
  grid->ControlLook()->SetCheckSize(17);
  grid->Grouping()->SetSummaryLineWidth(3);
  grid->BackGround()->SetDisplay(bdGradientVert);
  grid->BackGround()->SetCells(bcAll);
  grid->SetGridLineColor(clGray);
  grid->SaveVisualProps(Path("look.txt"));

  const std::string text = ReadFileBytes(Path("look.txt"));
  EXPECT_EQ(text.substr(0, 6), "Color=");
  EXPECT_NE(text.find("\r\nFixedFont.Style=fsBold\r\n"), std::string::npos);
  EXPECT_NE(text.find("\r\nLook=glSoft\r\n"), std::string::npos);
  EXPECT_NE(text.find("\r\nSelectionColor=clRed\r\n"), std::string::npos);

  other->LoadVisualProps(Path("look.txt"));
  EXPECT_EQ(other->Color(), TColor(0x123456));
  EXPECT_EQ(other->SelectionColor(), clRed);
  EXPECT_TRUE(other->URLShow());
  EXPECT_TRUE(other->URLShowInText());
  EXPECT_TRUE(other->FixedFont()->Style() == TFontStyles{fsBold});
  EXPECT_EQ(other->FixedFont()->Size(), 13);
  EXPECT_EQ(other->FixedFont()->Name(), "DejaVu Serif");
  EXPECT_EQ(other->Font()->Color(), clNavy);
  EXPECT_EQ(other->Balloon()->Transparency(), 120);
  EXPECT_TRUE(other->Bands()->Active());
  EXPECT_EQ(other->SortSettings()->IndexColor(), clLime);
  EXPECT_EQ(other->ControlLook()->ControlStyle(), csFlat);
  EXPECT_EQ(other->ControlLook()->CheckSize(), 17);
  EXPECT_EQ(other->Look(), glSoft);
  EXPECT_EQ(other->Grouping()->SummaryLineWidth(), 3);
  EXPECT_EQ(other->BackGround()->Display(), bdGradientVert);
  EXPECT_EQ(other->BackGround()->Cells(), bcAll);
  EXPECT_EQ(other->GridLineColor(), clGray);
}

TEST_F(SettingsFilesTest, LookValuesReadByTheirKindsRules) {
  struct TCase {
    std::string Line;
    bool URLShow;
  } cases[] = {{"URLShow=True\r\n", true}, {"URLShow=TRUE\r\n", true}, {"urlshow=true\r\n", true},
               {"URLShow=yes\r\n", false}, {"URLShow=\r\n", false}};
  for (const TCase& c : cases) {
    other->SetURLShow(!c.URLShow);
    WriteLook(c.Line);
    other->LoadVisualProps(Path("look.txt"));
    EXPECT_EQ(other->URLShow(), c.URLShow) << c.Line;
  }
  WriteLook("ControlLook.ControlStyle=CSFLAT\r\nLook=nonsense\r\nColor=\r\n", "Look");
  other->SetLook(glVista);
  other->LoadVisualProps(Path("look.txt"));
  EXPECT_EQ(other->ControlLook()->ControlStyle(), csFlat);
  EXPECT_EQ(other->Look(), glVista);
  EXPECT_EQ(other->Color(), TColor(0x1FFFFFFF));
}

TEST_F(SettingsFilesTest, BadLookFileRaisesAndChangesNothing) {
  other->SetColor(clYellow);
  WriteLook("Color=clRed\r\n", "ControlLook.CheckSize");
  EXPECT_THROW(other->LoadVisualProps(Path("look.txt")), EConvertError);
  EXPECT_EQ(other->Color(), clYellow);

  WriteLook("Color=clRed\r\nSelectionColor=notacolour\r\n");
  EXPECT_THROW(other->LoadVisualProps(Path("look.txt")), EConvertError);
  EXPECT_EQ(other->Color(), clYellow);

  try {
    other->LoadVisualProps(Path("missing.txt"));
    FAIL();
  } catch (const Exception& e) {
    EXPECT_EQ(std::string(e.what()), "Cannot open file " + Path("missing.txt"));
  }
  try {
    other->SaveVisualProps(Path("no/such/folder/look.txt"));
    FAIL();
  } catch (const Exception& e) {
    EXPECT_EQ(std::string(e.what()), "Cannot Create " + Path("no/such/folder/look.txt"));
  }
}

TEST_F(SettingsFilesTest, PrintSettingsRoundTripThroughAnIniSection) {
  TPrintSettings* p = grid->PrintSettings();
  p->SetColumnSpacing(7);
  p->SetCentered(false);
  p->SetRepeatFixedRows(true);
  p->SetBorders(pbAroundVertical);
  p->SetBorderStyle(psDot);
  p->SetBorderColor(clRed);
  p->SetDate(ppBottomLeft);
  p->SetPageNr(ppTopRight);
  p->SetDateFormat("yyyy-mm-dd");
  p->SetTitleText("Stock \xC3\xA9t\xC3\xA9");
  p->SetLeftSize(55);
  p->SetFitToPage(fpShrink);
  p->Font()->SetName("DejaVu Sans");
  p->Font()->SetSize(12);
  p->Font()->SetStyle(TFontStyles{fsItalic, fsUnderline});
  p->HeaderFont()->SetColor(clBlue);
  p->SetPageNumSep("|");
  p->SetPagePrefix("Page");
  p->SetOrientation(poLandscape);
  p->TitleLines()->SetText("Sales\r\n2013");
  p->SetPrintGraphics(true);
  grid->SavePrintSettings(Path("print.ini"), "Grid1");

  TMemIniFile ini(Path("print.ini"));
  EXPECT_EQ(ini.ReadString("Grid1", "TitleLines", ""), "Sales\\n2013\\n");
  EXPECT_EQ(ini.ReadString("Grid1", "Centered", ""), "N");
  EXPECT_EQ(ini.ReadString("Grid1", "FontStyle", ""), "6");

  other->LoadPrintSettings(Path("print.ini"), "Grid1");
  TPrintSettings* q = other->PrintSettings();
  EXPECT_EQ(q->ColumnSpacing(), 7);
  EXPECT_FALSE(q->Centered());
  EXPECT_TRUE(q->RepeatFixedRows());
  EXPECT_EQ(q->Borders(), pbAroundVertical);
  EXPECT_EQ(q->BorderStyle(), psDot);
  EXPECT_EQ(q->BorderColor(), clRed);
  EXPECT_EQ(q->Date(), ppBottomLeft);
  EXPECT_EQ(q->PageNr(), ppTopRight);
  EXPECT_EQ(q->DateFormat(), "yyyy-mm-dd");
  EXPECT_EQ(q->TitleText(), "Stock \xC3\xA9t\xC3\xA9");
  EXPECT_EQ(q->LeftSize(), 55);
  EXPECT_EQ(q->FitToPage(), fpShrink);
  EXPECT_EQ(q->Font()->Name(), "DejaVu Sans");
  EXPECT_EQ(q->Font()->Size(), 12);
  EXPECT_TRUE(q->Font()->Style() == (TFontStyles{fsItalic, fsUnderline}));
  EXPECT_EQ(q->HeaderFont()->Color(), clBlue);
  EXPECT_EQ(q->PageNumSep(), "|");
  EXPECT_EQ(q->PagePrefix(), "Page");
  EXPECT_EQ(q->Orientation(), poLandscape);
  ASSERT_EQ(q->TitleLines()->Count(), 2);
  EXPECT_EQ(q->TitleLines()->Strings(0), "Sales");
  EXPECT_EQ(q->TitleLines()->Strings(1), "2013");
  EXPECT_TRUE(q->PrintGraphics());
}

TEST_F(SettingsFilesTest, MissingPrintKeysTakeTheirDefaultsAndStylesAreReplaced) {
  WriteFileAtomic(Path("print.ini"), "[G]\r\nCentered=y\r\nBorders=12\r\nDate=9\r\nFontStyle=1\r\n");
  TPrintSettings* q = other->PrintSettings();
  q->SetCentered(true);
  q->SetBorders(pbVertical);
  q->SetDate(ppTopLeft);
  q->Font()->SetStyle(TFontStyles{fsItalic});
  q->HeaderFont()->SetStyle(TFontStyles{fsBold});
  other->LoadPrintSettings(Path("print.ini"), "G");
  EXPECT_FALSE(q->Centered());
  EXPECT_EQ(q->Borders(), pbVertical);
  EXPECT_EQ(q->Date(), ppNone);
  EXPECT_EQ(q->ColumnSpacing(), 20);
  EXPECT_EQ(q->HeaderSize(), 100);
  EXPECT_EQ(q->Font()->Name(), "Arial");
  EXPECT_EQ(q->Font()->Size(), 10);
  // The stored style replaces the current one: bold only, and regular comes back.
  EXPECT_TRUE(q->Font()->Style() == TFontStyles{fsBold});
  EXPECT_TRUE(q->HeaderFont()->Style().Empty());
}

TEST_F(SettingsFilesTest, PrintSettingsWrittenInWindows1252ReadAsTextAndComeBackAsUtf8) {
  WriteFileAtomic(Path("print.ini"), "[G]\r\nTitleText=R\xE9sum\xE9\r\n");
  other->LoadPrintSettings(Path("print.ini"), "G");
  EXPECT_EQ(other->PrintSettings()->TitleText(), "R\xC3\xA9sum\xC3\xA9");
  EXPECT_EQ(ReadFileBytes(Path("print.ini")), "[G]\r\nTitleText=R\xE9sum\xE9\r\n") << "loading writes nothing";
  other->SavePrintSettings(Path("print.ini"), "G");
  EXPECT_NE(ReadFileBytes(Path("print.ini")).find("TitleText=R\xC3\xA9sum\xC3\xA9"), std::string::npos);
}

// Loading reads: whatever file stands at the path stays byte for byte as it
// was, and only a missing one is created (empty, ready to be edited).
TEST_F(SettingsFilesTest, LoadingPrintSettingsNeverChangesTheFile) {
  const std::string kept[] = {
      std::string("; the office printer\r\n[G]\r\nRowSpacing=7\r\n"),  // a comment before the first section
      std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR[G]\nRowSpacing=7\n\xff\xfe", 30),  // not an INI file at all
  };
  for (const std::string& bytes : kept) {
    WriteFileAtomic(Path("print.ini"), bytes);
    other->LoadPrintSettings(Path("print.ini"), "G");
    EXPECT_EQ(ReadFileBytes(Path("print.ini")), bytes);
  }

  other->LoadPrintSettings(Path("new.ini"), "G");
  EXPECT_TRUE(FileExists(Path("new.ini")));
  EXPECT_EQ(other->PrintSettings()->RowSpacing(), 20);
}

TEST_F(SettingsFilesTest, APrintSettingsPathThatIsNoFileIsRefusedAndKept) {
  ASSERT_EQ(mkfifo(Path("print.ini").c_str(), 0600), 0);
  std::filesystem::create_directory(Path("folder.ini"));
  for (const char* name : {"print.ini", "folder.ini"}) {
    EXPECT_THROW(other->LoadPrintSettings(Path(name), "G"), Exception) << name;
    EXPECT_THROW(other->SavePrintSettings(Path(name), "G"), Exception) << name;
  }
  EXPECT_TRUE(std::filesystem::is_fifo(Path("print.ini")));
  EXPECT_TRUE(std::filesystem::is_directory(Path("folder.ini")));
}

// A new grid prints with its display fonts, single borders, centred, dates as
// dd/mm/yyyy and "/" between page number and count. Copying settings leaves
// the target's own FixedCellsAlways and ExportImages alone.
TEST_F(SettingsFilesTest, PrintAndExportSettingsStartAtTheirDefaultsAndCopyTheirValues) {
  const TPrintSettings* p = grid->PrintSettings();
  EXPECT_EQ(p->DateFormat(), "dd/mm/yyyy");
  EXPECT_EQ(p->PageNumSep(), "/");
  EXPECT_EQ(p->Borders(), pbSingle);
  EXPECT_TRUE(p->Centered());
  EXPECT_TRUE(p->UseDisplayFont());
  EXPECT_EQ(grid->HTMLSettings()->Width(), 100);
  EXPECT_EQ(grid->HTMLSettings()->BorderSize(), 1);

  grid->PrintSettings()->SetTitleText("Sales");
  grid->PrintSettings()->SetFitToPage(fpShrink);
  grid->PrintSettings()->HeaderFont()->SetSize(17);
  grid->PrintSettings()->FixedCellsAlways = true;
  other->PrintSettings()->Assign(grid->PrintSettings());
  EXPECT_EQ(other->PrintSettings()->TitleText(), "Sales");
  EXPECT_EQ(other->PrintSettings()->FitToPage(), fpShrink);
  EXPECT_EQ(other->PrintSettings()->HeaderFont()->Size(), 17);
  EXPECT_NE(other->PrintSettings()->HeaderFont(), grid->PrintSettings()->HeaderFont()) << "fonts are copied, not shared";
  EXPECT_FALSE(other->PrintSettings()->FixedCellsAlways);

  grid->HTMLSettings()->SetSummary("Totals");
  grid->HTMLSettings()->SetExportImages(false);
  other->HTMLSettings()->Assign(grid->HTMLSettings());
  EXPECT_EQ(other->HTMLSettings()->Summary(), "Totals");
  EXPECT_TRUE(other->HTMLSettings()->ExportImages());
  other->HTMLSettings()->Assign(grid->PrintSettings());  // another class is ignored
  EXPECT_EQ(other->HTMLSettings()->Summary(), "Totals");
  EXPECT_THROW(other->PrintSettings()->Assign(grid->HTMLSettings()), EConvertError);
}
