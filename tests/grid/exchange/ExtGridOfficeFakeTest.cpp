// The order of the word processor's and the data-access objects' calls in
// the grid's document export and database import, against recording fakes.

#include "grid/exchange/ExchangeFixture.h"
#include "grid/exchange/RecordingOffice.h"

namespace {

using namespace fakeoffice;

class ExtGridDOCFakeTest : public ExchangeTest {
protected:
  std::shared_ptr<FakeWord> word = std::make_shared<FakeWord>();
  ScopedOleServer server{"word.application", [this] { return word; }};
};

TEST_F(ExtGridDOCFakeTest, ANewDocumentGetsTheTableAtItsStartWithAlignedCells) {
  Fill(2, 1, {{0, 0, "a"}, {1, 0, "b"}});
  grid->OnGetAlignment = [](TObject*, int, int ACol, TAlignment& H, TVAlignment&) {
    if (ACol == 1) H = taRightJustify;
  };
  grid->SaveToDOC("t.docx");
  EXPECT_EQ(word->log, (Log{"Documents.Add", "ShowSpellingErrors := false", "Selection.TypeText()", "Selection.TypeParagraph",
                            "Range(0,0)", "Tables.Add(0, 1, 2)", "Cell(1,1).InsertAfter(a)", "Cell(1,2).InsertAfter(b)",
                            "Cell(1,2).Alignment := 2", "SaveAs(t.docx)", "Quit"}));
}

TEST_F(ExtGridDOCFakeTest, AppendingGoesToTheBookmarkOrElseToTheEnd) {
  Fill(1, 1, {{0, 0, "a"}});
  word->bookmarks["here"] = 3;
  grid->AppendToDoc("t.docx", "here");
  EXPECT_EQ(std::vector<std::string>(word->log.begin(), word->log.begin() + 7),
            (Log{"Documents.Open(t.docx)", "ShowSpellingErrors := false", "Selection.TypeText()", "Selection.TypeParagraph",
                 "Bookmarks.Exists(here)", "Goto(-1, here)", "Tables.Add(3, 1, 1)"}));
  word->log.clear();
  grid->AppendToDoc("t.docx", "missing");
  EXPECT_EQ(std::vector<std::string>(word->log.begin() + 4, word->log.begin() + 10),
            (Log{"Bookmarks.Exists(missing)", "Paragraphs.Add", "Selection.Goto(3, -1)", "Selection.End", "Range(7,7)",
                 "Tables.Add(7, 1, 1)"}));
}

TEST_F(ExtGridDOCFakeTest, ARunningWordProcessorIsUsedAndLeftRunning) {
  auto running = std::make_shared<FakeWord>();
  running->add();
  RegisterActiveObject("word.application", running);
  Fill(1, 1, {});
  grid->SaveToDOC("t.docx", false);
  RevokeActiveObject("word.application");
  EXPECT_EQ(running->log.front(), "Documents.Count");
  EXPECT_EQ(running->log[1], "ActiveDocument");
  EXPECT_EQ(running->log.back(), "SaveAs(t.docx)");
  EXPECT_TRUE(word->log.empty());
}

TEST_F(ExtGridDOCFakeTest, FailuresRaiseEExtGridError) {
  Fill(1, 1, {});
  word->failSave = true;
  try {
    grid->SaveToDOC("t.docx");
    ADD_FAILURE();
  } catch (const EExtGridError& e) {
    EXPECT_EQ(e.Message(), "Word document could not be saved as t.docx: read-only folder");
  }
  EXPECT_EQ(word->log.back(), "Quit");
  ScopedOleServer none("word.application", nullptr);
  try {
    grid->SaveToDOC("t.docx");
    ADD_FAILURE();
  } catch (const EExtGridError& e) {
    EXPECT_EQ(e.Message(), "Word OLE server not found");
  }
}

class ExtGridMDBFakeTest : public ExchangeTest {
protected:
  void Serve(std::vector<std::string> Names, std::vector<std::vector<std::string>> Rows, int Count) {
    records = std::make_shared<FakeRecordset>(log, std::move(Names), std::move(Rows), Count);
  }
  Log log;
  std::shared_ptr<FakeRecordset> records;
  ScopedOleServer connection{"ADODB.Connection", [this] { return std::make_shared<FakeConnection>(log); }};
  ScopedOleServer recordset{"ADODB.RecordSet", [this] { return records; }};
};

TEST_F(ExtGridMDBFakeTest, AQueryIsReadInTheDataAccessOrder) {
  Serve({"id", "name"}, {{"1", "ann"}, {"2", ""}}, 2);
  grid->SetColCount(5);
  grid->SetRowCount(5);
  grid->SetFixedCols(1);
  grid->SetFixedRows(1);
  grid->SetCells(2, 2, "old");
  grid->LoadFromMDBTable("d.mdb", "People");
  EXPECT_EQ(log, (Log{"Connection.Open(Driver={Microsoft Access Driver (*.mdb)};DBQ=d.mdb)", "ActiveConnection",
                      "RecordSet.Open(SELECT * FROM [People])", "Fields.Count", "Fields(0).Name", "Fields(1).Name", "RecordCount",
                      "Eof", "ActualSize(0)", "Value(0)", "ActualSize(1)", "Value(1)", "MoveNext", "Eof", "ActualSize(0)",
                      "Value(0)", "ActualSize(1)", "MoveNext", "Eof", "RecordSet.Close", "Connection.Close"}));
  EXPECT_EQ(grid->ColCount(), 3);
  EXPECT_EQ(grid->RowCount(), 3);
  EXPECT_EQ(grid->Cells(1, 0), "id");
  EXPECT_EQ(grid->Cells(2, 0), "name");
  EXPECT_EQ(grid->Cells(2, 1), "ann");
  EXPECT_EQ(grid->Cells(2, 2), "");  // an empty value replaces the old text
}

TEST_F(ExtGridMDBFakeTest, WithoutARecordCountTheGridGrowsRowByRow) {
  Serve({"a"}, {{"1"}, {"2"}, {"3"}}, -1);
  grid->SetColCount(1);
  grid->SetRowCount(1);
  grid->LoadFromMDBSQL("d.mdb", "SELECT a FROM t");
  EXPECT_EQ(grid->RowCount(), 3);
  EXPECT_EQ(grid->Cells(0, 2), "3");
}

TEST_F(ExtGridMDBFakeTest, NoRowsWithAFixedRowGivesTheFieldNamesOnly) {
  Serve({"a", "b"}, {}, 0);
  grid->SetFixedRows(1);
  grid->LoadFromMDBTable("d.mdb", "t");
  EXPECT_EQ(grid->Cells(0, 0), "a");
  EXPECT_EQ(grid->Cells(1, 0), "b");
  EXPECT_EQ(grid->Cells(0, 1), "");
}

TEST_F(ExtGridMDBFakeTest, TableNamesAreOneQuotedIdentifier) {
  Serve({"a"}, {}, 0);
  grid->LoadFromMDBTable("d.mdb", "Order Lines");
  EXPECT_EQ(log[2], "RecordSet.Open(SELECT * FROM [Order Lines])");
  for (const char* bad : {"t; DROP TABLE t", "a]b", ""}) {
    log.clear();
    EXPECT_THROW(grid->LoadFromMDBTable("d.mdb", bad), EExtGridError) << bad;
    EXPECT_TRUE(log.empty()) << bad;  // nothing reaches the database
  }
}

TEST_F(ExtGridMDBFakeTest, ADriverFailurePassesItsMessageOnAndLeavesTheGrid) {
  Fill(2, 2, {{0, 0, "old"}});
  Serve({"a"}, {{"1"}, {"2"}}, 2);
  records->failAt = 1;
  try {
    grid->LoadFromMDBSQL("d.mdb", "SELECT a FROM t");
    ADD_FAILURE();
  } catch (const EExtGridError& e) {
    EXPECT_EQ(e.Message(), "[HY000] disk I/O error");
  }
  EXPECT_EQ(grid->Cells(0, 0), "old");
  EXPECT_EQ(grid->ColCount(), 2);
  EXPECT_EQ(log[log.size() - 2], "RecordSet.Close");
  EXPECT_EQ(log.back(), "Connection.Close");
}

}  // namespace
