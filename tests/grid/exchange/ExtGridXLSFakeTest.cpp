// The order of the spreadsheet server's calls and the addressing rules of the
// grid's workbook import and export, against a recording fake server.

#include "grid/exchange/ExchangeFixture.h"
#include "grid/exchange/RecordingOffice.h"
#include "toolkit/rtl/DateUtils.h"
#include "toolkit/rtl/StringList.h"

namespace {

using namespace fakeoffice;

class ExtGridXLSFakeTest : public ExchangeTest {
protected:
  SheetData Sheet(std::string Name, std::string Used, std::map<std::pair<int, int>, SheetValue> Cells) {
    return SheetData{std::move(Name), std::move(Used), std::move(Cells), 1};
  }
  static SheetValue T(std::string S) { return {SheetValue::Text, std::move(S)}; }

  std::shared_ptr<FakeSpreadsheet> excel = std::make_shared<FakeSpreadsheet>();
  ScopedOleServer server{"excel.application", [this] { return excel; }};
};

TEST_F(ExtGridXLSFakeTest, SheetListOpensReadsEveryNameAndQuits) {
  excel->files["b.xlsx"] = {Sheet("One", "$A$1", {}), Sheet("Two", "$A$1", {})};
  auto names = grid->GetXLSSheets("b.xlsx");
  EXPECT_EQ(names->Text(), "One\r\nTwo\r\n");
  EXPECT_EQ(excel->log, (Log{"WorkBooks.Open(b.xlsx)", "Sheets.Count", "Sheets(1)", "Name", "Sheets(2)", "Name", "Saved := true", "Quit"}));
}

TEST_F(ExtGridXLSFakeTest, ImportOfTheActiveSheetReadsTheUsedRangeAsOneArray) {
  excel->files["b.xlsx"] = {Sheet("S", "$A$1:$C$2", {{{1, 1}, T("a")}, {{2, 3}, T("f")}})};
  grid->LoadFromXLS("b.xlsx");
  EXPECT_EQ(excel->log, (Log{"WorkBooks.Open(b.xlsx)", "ActiveSheet", "UsedRange.Address", "Range(A1:C2).Value", "Close(false)", "Quit"}));
  EXPECT_EQ(grid->ColCount(), 3);
  EXPECT_EQ(grid->RowCount(), 2);
  EXPECT_EQ(grid->Cells(0, 0), "a");
  EXPECT_EQ(grid->Cells(2, 1), "f");
}

TEST_F(ExtGridXLSFakeTest, AnOffsetRangeLandsAtTheGridsOriginPlusTheFixedOffsets) {
  std::map<std::pair<int, int>, SheetValue> cells;
  for (int r = 3; r <= 5; ++r)
    for (int c = 2; c <= 4; ++c) cells[{r, c}] = T(std::to_string(r) + "/" + std::to_string(c));
  excel->files["b.xlsx"] = {Sheet("S", "$B$3:$D$5", cells)};
  grid->LoadFromXLS("b.xlsx");
  EXPECT_EQ(grid->Cells(0, 0), "3/2");
  EXPECT_EQ(grid->Cells(2, 2), "5/4");

  // Fixed cells not saved: the values start behind the fixed column and row.
  grid->SetSaveFixedCells(false);
  grid->SetColCount(4);
  grid->SetRowCount(4);
  grid->SetFixedCols(1);
  grid->SetFixedRows(1);
  grid->LoadFromXLS("b.xlsx");
  EXPECT_EQ(grid->ColCount(), 4);
  EXPECT_EQ(grid->RowCount(), 4);
  EXPECT_EQ(grid->FixedCols(), 1);
  EXPECT_EQ(grid->Cells(1, 1), "3/2");
  EXPECT_EQ(grid->Cells(3, 3), "5/4");
}

TEST_F(ExtGridXLSFakeTest, ASingleCellIsReadThroughTheCellsCollection) {
  excel->files["b.xlsx"] = {Sheet("S", "$C$4", {{{4, 3}, T("only")}})};
  grid->LoadFromXLS("b.xlsx");
  EXPECT_EQ(excel->log[3], "Rows.Cells(4,3)");
  EXPECT_EQ(grid->Cells(0, 0), "only");
}

TEST_F(ExtGridXLSFakeTest, ValuesBecomeTextsAndErrorsLeaveTheCell) {
  excel->files["b.xlsx"] = {Sheet("S", "$A$1:$E$1",
                                  {{{1, 1}, {SheetValue::Number, "", 2.5}},
                                   {{1, 2}, {SheetValue::Boolean, "", 1}},
                                   {{1, 3}, {SheetValue::Error, "#DIV/0!"}},
                                   {{1, 4}, {}},
                                   {{1, 5}, {SheetValue::Number, "", 45658, true}}})};
  Fill(5, 1, {{2, 0, "kept"}, {3, 0, "emptied"}});
  grid->LoadFromXLS("b.xlsx");
  EXPECT_EQ(grid->Cells(0, 0), "2.5");
  EXPECT_EQ(grid->Cells(1, 0), "True");
  EXPECT_EQ(grid->Cells(2, 0), "kept");
  EXPECT_EQ(grid->Cells(3, 0), "");
  EXPECT_EQ(grid->Cells(4, 0), DateTimeToStr(45658));
}

TEST_F(ExtGridXLSFakeTest, ANamedSheetIsTheLastOfThatName) {
  excel->files["b.xlsx"] = {Sheet("D", "$A$1", {{{1, 1}, T("first")}}), Sheet("x", "$A$1", {}),
                            Sheet("D", "$A$1", {{{1, 1}, T("second")}})};
  grid->LoadFromXLSSheet("b.xlsx", "D");
  EXPECT_EQ(grid->Cells(0, 0), "second");
  EXPECT_EQ(std::vector<std::string>(excel->log.begin(), excel->log.begin() + 8),
            (Log{"WorkBooks.Open(b.xlsx)", "Sheets.Count", "Sheets(1)", "Name", "Sheets(2)", "Name", "Sheets(3)", "Name"}));
}

TEST_F(ExtGridXLSFakeTest, FailuresRaiseTheirMessagesAndLeaveTheGridAsItWas) {
  excel->files["b.xlsx"] = {Sheet("S", "$A$1:$B$2", {})};
  Fill(2, 2, {{0, 0, "old"}});
  struct {
    const char* name;
    std::function<void()> act;
    std::string message;
  } cases[] = {
      {"missing sheet", [&] { grid->LoadFromXLSSheet("b.xlsx", "Nope"); }, "Excel worksheet Nope not found"},
      {"unreadable address", [&] {
         excel->files["d.xlsx"] = {Sheet("S", "$A:$C", {})};
         grid->LoadFromXLS("d.xlsx");
       }, "Incorrect XLS file: the used range $A:$C cannot be read"},
      {"absurd range", [&] {
         excel->files["e.xlsx"] = {Sheet("S", "$A$1:$XFD$1048576", {})};
         grid->LoadFromXLS("e.xlsx");
       }, "Incorrect XLS file: the used range $A$1:$XFD$1048576 is too large"},
  };
  for (auto& c : cases) {
    excel->log.clear();
    try {
      c.act();
      ADD_FAILURE() << c.name;
    } catch (const EExtGridError& e) {
      EXPECT_EQ(e.Message(), c.message) << c.name;
    }
    EXPECT_EQ(grid->Cells(0, 0), "old") << c.name;
    EXPECT_EQ(grid->ColCount(), 2) << c.name;
    // The workbook is closed and the server told to quit on every failure.
    EXPECT_EQ(excel->log.back(), "Quit") << c.name;
    EXPECT_EQ(excel->log[excel->log.size() - 2], "Close(false)") << c.name;
  }
}

TEST_F(ExtGridXLSFakeTest, AFailingReadIsAnIncorrectFile) {
  excel->files["b.xlsx"] = {Sheet("S", "$A$1:$B$2", {})};
  Fill(2, 2, {{0, 0, "old"}});
  // The sheet fails when asked for its values.
  struct ReadFailingExcel : FakeSpreadsheet {
    Workbook& OpenWorkbook(const std::string& F) override {
      FakeSpreadsheet::OpenWorkbook(F);
      books.back()->sheets[0]->failRead = true;
      return *books.back();
    }
  };
  auto failing = std::make_shared<ReadFailingExcel>();
  failing->files = excel->files;
  ScopedOleServer over("Excel.Application", [&] { return failing; });
  EXPECT_THROW(
      {
        try {
          grid->LoadFromXLS("b.xlsx");
        } catch (const EExtGridError& e) {
          EXPECT_EQ(e.Message(), "Incorrect XLS file");
          throw;
        }
      },
      EExtGridError);
  EXPECT_EQ(grid->Cells(0, 0), "old");
}

TEST_F(ExtGridXLSFakeTest, NoServerMeansExcelOLEServerNotFound) {
  ScopedOleServer none("excel.application", nullptr);
  for (auto act : std::vector<std::function<void()>>{[&] { grid->LoadFromXLS("b.xlsx"); }, [&] { grid->SaveToXLS("b.xlsx"); },
                                                      [&] { grid->GetXLSSheets("b.xlsx"); }}) {
    try {
      act();
      ADD_FAILURE();
    } catch (const EExtGridError& e) {
      EXPECT_EQ(e.Message(), "Excel OLE server not found");
    }
  }
}

TEST_F(ExtGridXLSFakeTest, ExportOfThirtyColumnsAddressesAToAD) {
  grid->SetColCount(30);
  grid->SetRowCount(3);
  grid->SetCells(29, 2, "x\r\ny");
  grid->SaveToXLS(Path("b.xlsx"));
  EXPECT_EQ(excel->log, (Log{"WorkBooks.Add", "Sheets(1)", "Range(A1:AD3).Value := 3x30", "SaveAs(" + Path("b.xlsx") + ")", "Quit"}));
  EXPECT_EQ(excel->Sheet(0, 0).data.cells[std::make_pair(3, 30)].text, "x\ny");  // CRs dropped
}

TEST_F(ExtGridXLSFakeTest, WritingIntoTheActiveSheetStartsAtTheActiveCellsRow) {
  auto running = std::make_shared<FakeSpreadsheet>();
  running->add({SheetData{"Open", "$A$1", {}, 5}});
  RegisterActiveObject("excel.application", running);
  Fill(2, 2, {{0, 0, "first"}});
  grid->SaveToXLS(Path("b.xlsx"), false);
  RevokeActiveObject("excel.application");
  // A program the user runs is left running.
  EXPECT_EQ(running->log, (Log{"WorkBooks.Count", "ActiveWorkBook", "ActiveSheet", "ActiveCell.Row", "Range(A5:B6).Value := 2x2",
                               "SaveAs(" + Path("b.xlsx") + ")"}));
  EXPECT_EQ(running->Sheet(0, 0).data.cells[std::make_pair(5, 1)].text, "first");
  EXPECT_TRUE(excel->log.empty());
}

TEST_F(ExtGridXLSFakeTest, ANamedSheetIsFoundOrAddedInTheExistingFile) {
  Write("b.xlsx", "exists");
  excel->files[Path("b.xlsx")] = {Sheet("Keep", "$A$1", {}), Sheet("Data", "$A$1", {})};
  Fill(1, 1, {{0, 0, "v"}});
  grid->SaveToXLSSheet(Path("b.xlsx"), "Data");
  EXPECT_EQ(excel->log, (Log{"WorkBooks.Open(" + Path("b.xlsx") + ")", "Sheets.Count", "Sheets(1)", "Name", "Sheets(2)", "Name",
                             "Range(A1:A1).Value := 1x1", "Save", "Quit"}));
  excel->log.clear();
  grid->SaveToXLSSheet(Path("new.xlsx"), "Fresh");
  EXPECT_EQ(excel->log, (Log{"WorkBooks.Add", "Sheets.Count", "Sheets(1)", "Name", "WorkSheets.Add", "Name := Fresh",
                             "Range(A1:A1).Value := 1x1", "SaveAs(" + Path("new.xlsx") + ")", "Quit"}));
}

TEST_F(ExtGridXLSFakeTest, ASaveOrANewWorkbookThatFailsRaises) {
  Fill(1, 1, {{0, 0, "v"}});
  excel->failSave = true;
  try {
    grid->SaveToXLS("b.xlsx");
    ADD_FAILURE();
  } catch (const EExtGridError& e) {
    EXPECT_EQ(e.Message(), "Excel workbook could not be saved as b.xlsx: disk full");
  }
  EXPECT_EQ(excel->log.back(), "Quit");
  excel->failAdd = true;
  try {
    grid->SaveToXLS("b.xlsx");
    ADD_FAILURE();
  } catch (const EExtGridError& e) {
    EXPECT_EQ(e.Message(), "Excel workbook could not be created: out of memory");
  }
}

TEST_F(ExtGridXLSFakeTest, TheHourglassShowsWhileTheServerWorksAndGoesAfterAFailure) {
  Screen->SetCursor(crDefault);
  struct Watching : FakeSpreadsheet {
    Workbook& OpenWorkbook(const std::string& F) override {
      seen = Screen->Cursor();
      return FakeSpreadsheet::OpenWorkbook(F);
    }
    TCursor seen = crDefault;
  };
  auto w = std::make_shared<Watching>();
  ScopedOleServer over("excel.application", [&] { return w; });
  EXPECT_THROW(grid->LoadFromXLS("missing.xlsx"), EExtGridError);
  EXPECT_EQ(w->seen, crHourGlass);
  EXPECT_EQ(Screen->Cursor(), crDefault);
}

TEST_F(ExtGridXLSFakeTest, ImportProgressIsRelative) {
  std::map<std::pair<int, int>, SheetValue> cells;
  for (int r = 1; r <= 300; ++r) cells[{r, 1}] = T("r");
  excel->files["b.xlsx"] = {Sheet("S", "$A$1:$A$300", cells)};
  std::vector<int> seen;
  grid->OnFileProgress = [&](TObject*, int16_t P) { seen.push_back(P); };
  grid->LoadFromXLS("b.xlsx");
  ASSERT_FALSE(seen.empty());
  EXPECT_EQ(seen.back(), 100);
  EXPECT_TRUE(std::is_sorted(seen.begin(), seen.end()));
  EXPECT_LE(seen.size(), 101u);
}

}  // namespace
