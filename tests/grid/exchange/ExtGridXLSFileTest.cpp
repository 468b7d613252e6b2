// Workbooks written by the grid read back with openpyxl, and workbooks made
// with openpyxl read by the grid, through the platform's .xlsx server.

#include "grid/exchange/ExchangeFixture.h"
#include "grid/exchange/PythonTool.h"
#include "platform/automation/OfficeServers.h"
#include "platform/automation/OleServers.h"
#include "toolkit/rtl/DateUtils.h"
#include "toolkit/rtl/StringList.h"

namespace {

using namespace platform::automation;

// Every sheet as "name: row|row|..." with the cells of a row joined by ",".
const char* const kDumpBook = R"(
import sys, openpyxl
wb = openpyxl.load_workbook(sys.argv[1])
for ws in wb.worksheets:
    rows = ["," .join("" if v is None else str(v) for v in row) for row in ws.iter_rows(values_only=True)]
    print(ws.title + ": " + "|".join(rows))
)";

class ExtGridXLSFileTest : public ExchangeTest {
protected:
  std::string Dump(const std::string& Name) { return RunPython(kDumpBook, {Path(Name)}); }
  void MakeBook(const std::string& Name, const std::string& Body) {
    RunPython("import sys, openpyxl, datetime\nwb = openpyxl.Workbook()\nws = wb.active\n" + Body + "\nwb.save(sys.argv[1])\n",
              {Path(Name)});
  }
  // Writes a workbook whose part Part is replaced by Xml, for damaged files.
  void MakeDamagedBook(const std::string& Name, const std::string& Part, const std::string& Xml) {
    MakeBook(Name, "ws['A1'] = 'x'");
    RunPython(R"(
import sys, zipfile
src, part, xml = sys.argv[1], sys.argv[2], sys.argv[3]
items = {}
with zipfile.ZipFile(src) as z:
    for n in z.namelist(): items[n] = z.read(n)
items[part] = xml.encode()
with zipfile.ZipFile(src, 'w') as z:
    for n, b in items.items(): z.writestr(n, b)
)",
              {Path(Name), Part, Xml});
  }
};

TEST_F(ExtGridXLSFileTest, ANewWorkbookReadsBackWithOpenpyxl) {
  Fill(3, 2, {{0, 0, "name"}, {1, 0, " lead"}, {2, 0, "caf\xC3\xA9"}, {0, 1, "two\r\nlines"}, {2, 1, "1,5"}});
  grid->SaveToXLS(Path("new.xlsx"));
  EXPECT_EQ(Dump("new.xlsx"), "Sheet1: name, lead,caf\xC3\xA9|two\nlines,,1,5\n");
}

TEST_F(ExtGridXLSFileTest, WritingANamedSheetKeepsTheOtherSheets) {
  MakeBook("b.xlsx", "ws.title = 'Keep'\nws['A1'] = 42\nws['B2'] = 'stay'\nd = wb.create_sheet('Data')\nd['C9'] = 'old'");
  Fill(2, 1, {{0, 0, "x"}, {1, 0, "y"}});
  grid->SaveToXLSSheet(Path("b.xlsx"), "Data");
  grid->SaveToXLSSheet(Path("b.xlsx"), "Fresh");
  EXPECT_EQ(Dump("b.xlsx"),
            "Keep: 42,|,stay\n"
            "Data: x,y,|,,|,,|,,|,,|,,|,,|,,|,,old\n"
            "Fresh: x,y\n");
}

TEST_F(ExtGridXLSFileTest, TheActiveSheetOfARunningServerIsWrittenFromItsActiveRow) {
  MakeBook("b.xlsx", "ws['A1'] = 'head'\nws.sheet_view.selection[0].activeCell = 'A3'\nws.sheet_view.selection[0].sqref = 'A3'");
  auto running = std::dynamic_pointer_cast<SpreadsheetApplication>(NewXlsxSpreadsheet());
  running->OpenWorkbook(Path("b.xlsx"));
  RegisterActiveObject("excel.application", running);
  Fill(1, 1, {{0, 0, "row3"}});
  grid->SaveToXLS(Path("out.xlsx"), false);
  RevokeActiveObject("excel.application");
  EXPECT_EQ(Dump("out.xlsx"), "Sheet: head||row3\n");
}

TEST_F(ExtGridXLSFileTest, AWorkbookMadeByOpenpyxlLoadsWithItsValueKinds) {
  MakeBook("b.xlsx",
           "ws.title = 'First'\n"
           "s = wb.create_sheet('Second')\n"
           "s['B2'] = 'text'; s['C2'] = 2.5; s['D2'] = True; s['B3'] = datetime.datetime(2024, 3, 1)\n"
           "s['C3'] = '=1/0'; s['D3'] = '\xE4\xB8\xAD'\n"
           "wb.active = 1");
  auto sheets = grid->GetXLSSheets(Path("b.xlsx"));
  EXPECT_EQ(sheets->Text(), "First\r\nSecond\r\n");
  grid->LoadFromXLS(Path("b.xlsx"));  // the active sheet
  EXPECT_EQ(grid->ColCount(), 3);
  EXPECT_EQ(grid->RowCount(), 2);
  EXPECT_EQ(grid->Cells(0, 0), "text");
  EXPECT_EQ(grid->Cells(1, 0), "2.5");
  EXPECT_EQ(grid->Cells(2, 0), "True");
  EXPECT_EQ(grid->Cells(0, 1), DateTimeToStr(EncodeDate(2024, 3, 1)));
  EXPECT_EQ(grid->Cells(1, 1), "");  // openpyxl stores the formula without a calculated value
  EXPECT_EQ(grid->Cells(2, 1), "\xE4\xB8\xAD");
  grid->LoadFromXLSSheet(Path("b.xlsx"), "First");
  EXPECT_EQ(grid->ColCount(), 1);
  EXPECT_EQ(grid->Cells(0, 0), "");
}

TEST_F(ExtGridXLSFileTest, WhatTheGridWritesItReadsBack) {
  Fill(2, 3, {{0, 0, "a"}, {1, 0, "b c"}, {0, 2, "\xE2\x82\xAC 5"}});
  grid->SaveToXLS(Path("r.xlsx"));
  grid->SetColCount(1);
  grid->SetRowCount(1);
  grid->SetCells(0, 0, "");
  grid->LoadFromXLS(Path("r.xlsx"));
  EXPECT_EQ(grid->ColCount(), 2);
  EXPECT_EQ(grid->RowCount(), 3);
  EXPECT_EQ(grid->Cells(1, 0), "b c");
  EXPECT_EQ(grid->Cells(0, 2), "\xE2\x82\xAC 5");
}

TEST_F(ExtGridXLSFileTest, DamagedWorkbooksRaiseAndLeaveTheGridAsItWas) {
  const std::string sheetHead = "<worksheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\"><sheetData>";
  struct {
    const char* name;
    std::string part, xml;
  } cases[] = {
      {"shared string past the table", "xl/worksheets/sheet1.xml", sheetHead + "<row r=\"1\"><c r=\"A1\" t=\"s\"><v>99</v></c></row></sheetData></worksheet>"},
      {"cell outside its row", "xl/worksheets/sheet1.xml", sheetHead + "<row r=\"1\"><c r=\"A7\"><v>1</v></c></row></sheetData></worksheet>"},
      {"row beyond the sheet", "xl/worksheets/sheet1.xml", sheetHead + "<row r=\"99999999\"><c><v>1</v></c></row></sheetData></worksheet>"},
      {"no number", "xl/worksheets/sheet1.xml", sheetHead + "<row r=\"1\"><c r=\"A1\"><v>1e999</v></c></row></sheetData></worksheet>"},
      {"far-apart cells", "xl/worksheets/sheet1.xml",
       sheetHead + "<row r=\"1\"><c r=\"A1\" t=\"inlineStr\"><is><t>a</t></is></c></row><row r=\"1048576\"><c r=\"XFD1048576\" "
                   "t=\"inlineStr\"><is><t>b</t></is></c></row></sheetData></worksheet>"},
      {"malformed XML", "xl/workbook.xml", "<workbook><sheets>"},
  };
  for (auto& c : cases) {
    MakeDamagedBook("bad.xlsx", c.part, c.xml);
    Fill(2, 2, {{0, 0, "old"}});
    EXPECT_THROW(grid->LoadFromXLS(Path("bad.xlsx")), EExtGridError) << c.name;
    EXPECT_EQ(grid->Cells(0, 0), "old") << c.name;
    EXPECT_EQ(grid->ColCount(), 2) << c.name;
  }
  Write("bad.xlsx", "PK\x03\x04 not really a zip");
  EXPECT_THROW(grid->LoadFromXLS(Path("bad.xlsx")), EExtGridError);
  EXPECT_THROW(grid->LoadFromXLS(Path("missing.xlsx")), EExtGridError);
  EXPECT_THROW(grid->GetXLSSheets(Path("bad.xlsx")), EExtGridError);
}

TEST_F(ExtGridXLSFileTest, AWorkbookThatCannotBeWrittenRaisesAndLeavesTheFile) {
  MakeBook("b.xlsx", "ws['A1'] = 'kept'");
  const std::string before = Read("b.xlsx");
  Fill(1, 1, {{0, 0, std::string("bell\x07")}});
  EXPECT_THROW(grid->SaveToXLSSheet(Path("b.xlsx"), "Sheet"), EExtGridError);
  EXPECT_TRUE(Read("b.xlsx") == before);
  Fill(1, 1, {{0, 0, "ok"}});
  EXPECT_THROW(grid->SaveToXLSSheet(Path("b.xlsx"), "bad[name]"), EExtGridError);
  EXPECT_TRUE(Read("b.xlsx") == before);
  EXPECT_THROW(grid->SaveToXLS(Path("no/such/folder/b.xlsx")), EExtGridError);
}

}  // namespace
