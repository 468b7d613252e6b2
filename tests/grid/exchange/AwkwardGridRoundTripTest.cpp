// An awkward grid (delimiters, quotes, CR LF and lone LF, TAB, non-ASCII,
// leading zeros, blank-only cells, numbers) written in every format and
// read back by the programs people read those files with, and by the grid
// itself where it reads the format.

#include "grid/exchange/ExchangeFixture.h"
#include "grid/exchange/ExternalTool.h"
#include "grid/exchange/PythonTool.h"
#include "platform/automation/OfficeServers.h"
#include "platform/automation/OleServers.h"
#include "toolkit/rtl/Streams.h"

#include <functional>
#include <vector>

namespace {

using Rows = std::vector<std::vector<std::string>>;

const Rows kAwkward = {
    {"a,b", "say \"hi\"", "line1\r\nline2", "lone\nLF"},
    {"tab\there", "Grüße € Ω", "007", "   "},
    {"\t", "", "12", "-3.5"},
    {" lead and trail ", "-0", "1234567890123456789", "=1+2"},
};

std::string JsonString(const std::string& Text) {
  std::string out = "\"";
  for (unsigned char ch : Text) {
    if (ch == '"' || ch == '\\') out += std::string("\\") + static_cast<char>(ch);
    else if (ch < 0x20) {
      char buf[8];
      std::snprintf(buf, sizeof buf, "\\u%04x", ch);
      out += buf;
    } else out += static_cast<char>(ch);
  }
  return out + "\"";
}

std::string JsonRows(const Rows& R) {
  std::string out = "[";
  for (size_t r = 0; r < R.size(); ++r) {
    out += r ? ",[" : "[";
    for (size_t c = 0; c < R[r].size(); ++c) out += (c ? "," : "") + JsonString(R[r][c]);
    out += "]";
  }
  return out + "]";
}

// The awkward texts as a format shows them: Map rewrites each expected cell.
Rows Expected(const std::function<std::string(const std::string&)>& Map) {
  Rows out = kAwkward;
  for (auto& row : out)
    for (auto& cell : row) cell = Map(cell);
  return out;
}

std::string Replace(std::string Text, const std::string& From, const std::string& To) {
  for (size_t at = 0; (at = Text.find(From, at)) != std::string::npos; at += To.size()) Text.replace(at, From.size(), To);
  return Text;
}

std::string LinesAsLF(const std::string& Text) { return Replace(Text, "\r\n", "\n"); }

// Compares the rows a reader produced (the variable rows) with the expected
// ones in argv[2]; prints OK or each difference.
const char* const kCompare = R"(
import json
want = json.load(open(sys.argv[2], encoding='utf-8'))
bad = []
for r, wrow in enumerate(want):
    for c, w in enumerate(wrow):
        g = rows[r][c] if r < len(rows) and c < len(rows[r]) else None
        if g != w: bad.append('[%d][%d] want %r got %r' % (r, c, w, g))
print('\n'.join(bad) if bad else 'OK')
)";

const char* const kCsvRows = R"(
import sys, csv
rows = [[f.replace('\x0b', '\r\n') for f in row] for row in csv.reader(open(sys.argv[1], newline='', encoding='utf-8-sig'))]
)";

const char* const kXmlRows = R"(
import sys, xml.etree.ElementTree as ET
rows = [[f.text or '' for f in rec] for rec in ET.parse(sys.argv[1]).getroot()]
)";

// Cell text as shown: a line break tag is a line end.
const char* const kCellText = R"(
def text(el):
    s = el.text or ''
    for ch in el:
        s += '\n' if ch.tag == 'br' else text(ch)
        s += ch.tail or ''
    return s
def table_rows(doc):
    return [[text(td) for td in tr if td.tag in ('td', 'th')] for tr in doc.iter('tr')]
)";

const char* const kHtmlRows = R"(
import sys, html5lib
rows = table_rows(html5lib.parse(open(sys.argv[1], 'rb').read(), namespaceHTMLElements=False))
)";

// XHTML through a strict XML parser, its namespace taken off the names.
const char* const kXhtmlRows = R"(
import sys, xml.etree.ElementTree as ET
doc = ET.parse(sys.argv[1])
for el in doc.iter():
    el.tag = el.tag.split('}')[-1]
rows = table_rows(doc)
)";

// Number cells as "N:" and their value; text cells as they are.
const char* const kXlsxRows = R"(
import sys, openpyxl
ws = openpyxl.load_workbook(sys.argv[1]).active
def shown(v):
    if v is None: return ''
    if isinstance(v, bool) or not isinstance(v, (int, float)): return str(v)
    return 'N:' + ('%d' % v if float(v).is_integer() else repr(v))
rows = [[shown(v) for v in row] for row in ws.iter_rows(values_only=True)]
)";

const char* const kDocxRows = R"(
import sys, docx
t = docx.Document(sys.argv[1]).tables[0]
rows = [[c.text for c in row.cells] for row in t.rows]
)";

class AwkwardGridRoundTripTest : public ExchangeTest {
protected:
  void SetUp() override {
    ExchangeTest::SetUp();
    Load(*grid);
  }
  static void Load(TExtStringGrid& G) {
    G.SetColCount(4);
    G.SetRowCount(4);
    for (int r = 0; r < 4; ++r)
      for (int c = 0; c < 4; ++c) G.SetCells(c, r, kAwkward[r][c]);
  }
  // What a reader (its Python rows script) finds in File, against Want.
  std::string ReadBack(const std::string& Reader, const std::string& Module, const std::string& File, const Rows& Want) {
    if (!PythonHas(Module)) return "OK";  // scripts/setup installs the readers
    Write("want.json", JsonRows(Want));
    return RunPython(Reader + kCompare, {Path(File), Path("want.json")});
  }
  // The grid reading the file back holds the awkward texts (Map: how the format keeps them).
  void ExpectGridHolds(const std::function<void(TExtStringGrid&)>& Read, const Rows& Want) {
    TExtStringGrid other(form);
    other.SetMultilinecells(grid->Multilinecells());
    other.SetParent(form);
    other.SetFixedCols(0);
    other.SetFixedRows(0);
    Read(other);
    for (int r = 0; r < 4; ++r)
      for (int c = 0; c < 4; ++c) EXPECT_EQ(other.Cells(c, r), Want[r][c]) << "cell " << c << "," << r;
  }
};

TEST_F(AwkwardGridRoundTripTest, CSV) {
  grid->SaveToCSV(Path("g.csv"), false);
  EXPECT_EQ(ReadBack(kCsvRows, "csv", "g.csv", kAwkward), "OK\n");
  ExpectGridHolds([&](TExtStringGrid& g) { g.LoadFromCSV(Path("g.csv")); }, kAwkward);
}

// The 8-bit text files stay Windows-1252 while it holds every character;
// text it cannot hold ("Ω") is written as UTF-8 that says so with its
// byte-order mark, and the grid reads either back unchanged.
TEST_F(AwkwardGridRoundTripTest, EightBitTextFilesMarkUtf8WhenWindows1252CannotHoldTheText) {
  const std::string bom = "\xEF\xBB\xBF";
  TIntList widths(0, 0);
  const struct {
    const char* Name;
    std::function<void(const std::string&)> Save;
  } writers[] = {
      {"native text", [&](const std::string& f) { grid->SaveToFile(f, false); }},
      {"CSV", [&](const std::string& f) { grid->SaveToCSV(f, false); }},
      {"ASCII", [&](const std::string& f) { grid->SaveToASCII(f, false); }},
      {"fixed width", [&](const std::string& f) { grid->SaveToFixed(f, &widths); }},
  };
  for (const auto& w : writers) {
    grid->SetCells(1, 1, "Gr\xC3\xBC\xC3\x9F" "e \xE2\x82\xAC \xCE\xA9");
    w.Save(Path("wide"));
    const std::string wide = Read("wide");
    EXPECT_EQ(wide.substr(0, 3), bom) << w.Name;
    EXPECT_NE(wide.find("\xCE\xA9"), std::string::npos) << w.Name;
    grid->SetCells(1, 1, "Gr\xC3\xBC\xC3\x9F" "e \xE2\x82\xAC");
    w.Save(Path("latin"));
    const std::string latin = Read("latin");
    EXPECT_NE(latin.substr(0, 3), bom) << w.Name;
    EXPECT_NE(latin.find("Gr\xFC\xDF" "e \x80"), std::string::npos) << w.Name;
  }
  grid->SetCells(1, 1, kAwkward[1][1]);
  grid->SetMultilinecells(true);
  grid->SaveToFile(Path("g.txt"), false);
  ExpectGridHolds([&](TExtStringGrid& g) { g.LoadFromFile(Path("g.txt")); }, kAwkward);
}

TEST_F(AwkwardGridRoundTripTest, XML) {
  grid->SaveToXML(Path("g.xml"), "LIST", "RECORD", nullptr, true);
  if (ToolPresent("xmllint")) {
    EXPECT_EQ(RunTool({"xmllint", "--noout", Path("g.xml")}).ExitCode, 0);
  }
  // An empty cell is written as "" (QuoteEmptyCells), which the grid reads as empty.
  EXPECT_EQ(ReadBack(kXmlRows, "xml", "g.xml", Expected([](const std::string& t) { return t.empty() ? "\"\"" : t; })),
            "OK\n");
  ExpectGridHolds([&](TExtStringGrid& g) { g.LoadFromXML(Path("g.xml"), false, false); }, kAwkward);
}

// A browser shows a line end as a break and a blank-only cell as one
// non-breaking space; every other character comes back as it was.
std::string AsHtmlShowsIt(const std::string& Text) {
  if (Text.find_first_not_of(" \t") == std::string::npos) return "\xC2\xA0";
  return LinesAsLF(Text);
}

TEST_F(AwkwardGridRoundTripTest, HTML) {
  for (bool unicode : {false, true}) {
    grid->SaveToHTML(Path("g.html"), false, unicode);
    EXPECT_EQ(ReadBack(std::string(kCellText) + kHtmlRows, "html5lib", "g.html", Expected(AsHtmlShowsIt)), "OK\n")
        << "unicode " << unicode;
  }
}

TEST_F(AwkwardGridRoundTripTest, XHTML) {
  grid->HTMLSettings()->SetXHTML(true);
  for (bool unicode : {false, true}) {
    grid->SaveToHTML(Path("g.xhtml"), false, unicode);
    if (ToolPresent("xmllint")) {
      EXPECT_EQ(RunTool({"xmllint", "--noout", Path("g.xhtml")}).ExitCode, 0) << "unicode " << unicode;
    }
    EXPECT_EQ(ReadBack(std::string(kCellText) + kXhtmlRows, "xml", "g.xhtml", Expected(AsHtmlShowsIt)), "OK\n")
        << "unicode " << unicode;
  }
}

// A spreadsheet line break is LF; numbers it shows back as typed become number cells.
TEST_F(AwkwardGridRoundTripTest, XLSX) {
  grid->SaveToXLS(Path("g.xlsx"));
  const Rows inBook = Expected([](const std::string& t) {
    return t == "12" || t == "-3.5" ? "N:" + t : LinesAsLF(t);
  });
  EXPECT_EQ(ReadBack(kXlsxRows, "openpyxl", "g.xlsx", inBook), "OK\n");
  ExpectGridHolds([&](TExtStringGrid& g) { g.LoadFromXLS(Path("g.xlsx")); }, Expected(LinesAsLF));
}

TEST_F(AwkwardGridRoundTripTest, DOCX) {
  grid->SaveToDOC(Path("g.docx"));
  EXPECT_EQ(ReadBack(kDocxRows, "docx", "g.docx", Expected(LinesAsLF)), "OK\n");
}

TEST_F(AwkwardGridRoundTripTest, NativeTextAndBinaryFiles) {
  grid->SetMultilinecells(true);
  grid->SaveToFile(Path("g.txt"), false);
  ExpectGridHolds([&](TExtStringGrid& g) { g.LoadFromFile(Path("g.txt")); }, kAwkward);
  grid->SaveToFile(Path("g16.txt"), true);
  ExpectGridHolds([&](TExtStringGrid& g) { g.LoadFromFile(Path("g16.txt")); }, kAwkward);
  grid->SaveToBinFile(Path("g.bin"));
  ExpectGridHolds([&](TExtStringGrid& g) { g.LoadFromBinFile(Path("g.bin")); }, kAwkward);
}

}  // namespace
