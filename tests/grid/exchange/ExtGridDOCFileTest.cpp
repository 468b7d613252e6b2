// Documents written by the grid read back with python-docx, through the
// platform's .docx server.

#include "grid/exchange/ExchangeFixture.h"
#include "grid/exchange/PythonTool.h"

namespace {

// The body in order: "P:<text>" per paragraph, "T:<rows>x<cols>" per table
// with its cells' texts and their alignment numbers.
const char* const kDumpDocument = R"(
import sys, docx
from docx.table import Table
d = docx.Document(sys.argv[1])
for el in d.element.body.iterchildren():
    tag = el.tag.split('}')[1]
    if tag == 'p':
        print('P:' + ''.join(t.text or '' for t in el.iter('{http://schemas.openxmlformats.org/wordprocessingml/2006/main}t')))
    elif tag == 'tbl':
        t = Table(el, d)
        print('T:%dx%d' % (len(t.rows), len(t.columns)))
        for row in t.rows:
            print(' ' + '|'.join(c.text + ('' if c.paragraphs[0].alignment is None else '@%d' % int(c.paragraphs[0].alignment)) for c in row.cells))
)";

class ExtGridDOCFileTest : public ExchangeTest {
protected:
  std::string Dump(const std::string& Name) { return RunPython(kDumpDocument, {Path(Name)}); }
};

TEST_F(ExtGridDOCFileTest, ANewDocumentHoldsTheGridAsATable) {
  Fill(2, 2, {{0, 0, "a"}, {1, 0, "right"}, {0, 1, "two\r\nlines"}, {1, 1, "caf\xC3\xA9\tx"}});
  grid->OnGetAlignment = [](TObject*, int ARow, int ACol, TAlignment& H, TVAlignment&) {
    if (ACol == 1 && ARow == 0) H = taRightJustify;
    if (ACol == 0 && ARow == 1) H = taCenter;
  };
  grid->SaveToDOC(Path("t.docx"));
  // The typed paragraph (the grid's window text, empty) and the document's own one follow the table.
  EXPECT_EQ(Dump("t.docx"), "T:2x2\n a|right@2\n two\nlines@1|caf\xC3\xA9\tx\nP:\nP:\n");
}

// Numbers are right-aligned with AutoNumAlign, in the real column of a moved one.
TEST_F(ExtGridDOCFileTest, TheTableAlignsAsTheGridDraws) {
  Fill(2, 1, {{0, 0, "12"}, {1, 0, "text"}});
  grid->SetAutoNumAlign(true);
  grid->MoveColumn(0, 1);
  grid->SaveToDOC(Path("t.docx"));
  EXPECT_EQ(Dump("t.docx"), "T:1x2\n text|12@2\nP:\nP:\n");
}

TEST_F(ExtGridDOCFileTest, AppendingPutsTheTableAtTheBookmarkOrAtTheEnd) {
  RunPython(R"(
import sys, docx
from docx.oxml.shared import OxmlElement, qn
d = docx.Document()
d.add_paragraph('Before')
p = d.add_paragraph()
s = OxmlElement('w:bookmarkStart'); s.set(qn('w:id'), '0'); s.set(qn('w:name'), 'Table')
e = OxmlElement('w:bookmarkEnd'); e.set(qn('w:id'), '0')
p._p.append(s); p._p.append(e)
d.add_paragraph('After')
d.save(sys.argv[1])
)",
            {Path("t.docx")});
  Fill(1, 1, {{0, 0, "cell"}});
  grid->AppendToDoc(Path("t.docx"), "Table");
  grid->AppendToDoc(Path("t.docx"), "NoSuchMark");
  // Each append types its paragraph at the top, where the caret of an opened document is.
  EXPECT_EQ(Dump("t.docx"), "P:\nP:\nP:Before\nT:1x1\n cell\nP:\nP:After\nT:1x1\n cell\nP:\n");
}

TEST_F(ExtGridDOCFileTest, ADamagedDocumentOrAnUnwritablePlaceRaisesAndLeavesTheFile) {
  Write("bad.docx", "not a document");
  Fill(1, 1, {{0, 0, "x"}});
  EXPECT_THROW(grid->AppendToDoc(Path("bad.docx"), ""), EExtGridError);
  EXPECT_EQ(Read("bad.docx"), "not a document");
  EXPECT_THROW(grid->SaveToDOC(Path("no/such/folder/t.docx")), EExtGridError);
  Fill(1, 1, {{0, 0, std::string("nul\x01")}});
  EXPECT_THROW(grid->SaveToDOC(Path("t.docx")), EExtGridError);
  EXPECT_FALSE(std::filesystem::exists(Path("t.docx")));
}

}  // namespace
