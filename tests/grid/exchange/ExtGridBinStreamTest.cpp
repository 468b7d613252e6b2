// The grid's binary cell stream: golden bytes, placement, sizing, limits and
// malformed blocks.

#include "ExchangeFixture.h"
#include "grid/foundation/ExtObj.h"
#include "toolkit/graphics/Bitmap.h"
#include "toolkit/rtl/ObjectStream.h"
#include "toolkit/rtl/StringList.h"
#include "toolkit/rtl/Streams.h"

#include <memory>

namespace {

std::string Bytes(std::initializer_list<int> b) {
  std::string s;
  for (int v : b) s += static_cast<char>(v);
  return s;
}
std::string Short(const std::string& s) { return static_cast<char>(s.size()) + s; }
std::string Record(const std::string& Class, const std::string& Props) {
  return "TPF0" + Short(Class) + Short("") + Props + Bytes({0, 0});
}
std::string Int8(const std::string& Name, int v) { return Short(Name) + Bytes({vaInt8, v}); }
std::string Bool(const std::string& Name, bool v) { return Short(Name) + Bytes({v ? vaTrue : vaFalse}); }

class ExtGridBinStreamTest : public ExchangeTest {
protected:
  std::string Save(const TGridRect& R) {
    TStringStream s;
    grid->SaveRectToBinStream(R, &s);
    return s.DataString();
  }
  // The cell records of a block: what follows the header record.
  static std::string CellRecords(const std::string& Block) {
    TObjectReader r(Block);
    r.ReadObject();
    return Block.substr(r.Position());
  }
  void Load(TExtStringGrid* Target, const std::string& Block, TPoint At = {0, 0}) {
    TStringStream s(Block);
    Target->LoadAtPointFromBinStream(At, &s);
  }
  std::vector<std::string> AllTexts(TExtStringGrid* G) {
    std::vector<std::string> v{std::to_string(G->ColCount()) + "x" + std::to_string(G->RowCount())};
    for (int r = 0; r < G->RowCount(); ++r)
      for (int c = 0; c < G->ColCount(); ++c) v.push_back(G->Cells(c, r));
    return v;
  }
  TExtStringGrid* OtherGrid() {
    auto* g = new TExtStringGrid(form);
    g->SetParent(form);
    g->SetFixedCols(0);
    g->SetFixedRows(0);
    return g;
  }
};

TEST_F(ExtGridBinStreamTest, OneEmptyCellWritesTheHeaderAndOneBareCellRecord) {
  Fill(3, 3, {});
  grid->SetColWidths(1, 40);
  grid->SetRowHeights(1, 20);
  const std::string block = Save({1, 1, 1, 1});
  const std::string header = Int8("ColCount", 1) + Int8("RowCount", 1) + Short("ColWidths") +
                             Bytes({vaString, 2}) + "40" + Short("RowHeights") + Bytes({vaString, 2}) + "20" +
                             Bool("FullGrid", false) + Short("ID");
  EXPECT_EQ(block.substr(0, 4 + 12 + 1 + header.size()), "TPF0" + Short("TGridPropIO") + Short("") + header);
  EXPECT_EQ(CellRecords(block), Record("TGridCellIO", Int8("Col", 1) + Int8("Row", 1) + Bool("HasProp", false)));
}

TEST_F(ExtGridBinStreamTest, TextsAreStoredAsSevenBitUtf8OrWide) {
  const std::string latin = "caf\xC3\xA9", cjk = "\xE6\x97\xA5\xE6\x9C\xAC";
  Fill(3, 1, {{0, 0, "abc"}, {1, 0, latin}, {2, 0, cjk}});
  const std::string block = Save({0, 0, 2, 0});
  const auto cell = [](int c, const std::string& text) {
    return Record("TGridCellIO", Int8("Col", c) + Int8("Row", 0) + Short("Cell") + text + Bool("HasProp", false));
  };
  EXPECT_EQ(CellRecords(block), cell(0, Bytes({vaString, 3}) + "abc") +
                                    cell(1, Bytes({vaUTF8String, 5, 0, 0, 0}) + latin) +
                                    cell(2, Bytes({vaWString, 2, 0, 0, 0, 0xE5, 0x65, 0x2C, 0x67})));
  TExtStringGrid* other = OtherGrid();
  other->SetColCount(3);
  other->SetRowCount(1);
  Load(other, block);
  EXPECT_EQ(AllTexts(other), AllTexts(grid));
}

TEST_F(ExtGridBinStreamTest, ImageIndexesTravelAsAStringList) {
  Fill(2, 1, {{0, 0, "img"}});
  TCellGraphic* g = grid->CreateCellGraphic(0, 0);
  g->SetMultiImage(0, 0, 0, haLeft, vaTop, nullptr);
  for (int i : {3, 0, 7}) g->IntList()->Add(i);
  const std::string block = Save({0, 0, 0, 0});
  const std::string list = Short("Strings") + Bytes({vaList, vaString, 1}) + "3" + Bytes({vaString, 1}) + "0" +
                           Bytes({vaString, 1}) + "7" + Bytes({vaNull});
  EXPECT_EQ(block.substr(block.size() - Record("TGridSLIO", list).size()), Record("TGridSLIO", list));

  TExtStringGrid* other = OtherGrid();
  Load(other, block, {1, 2});
  ASSERT_EQ(other->GetCellType(1, 2), ctImages);
  TIntList* images = other->GetCellImages(1, 2);
  ASSERT_NE(images, nullptr);
  EXPECT_EQ(images->StrValue(), "3,0,7");
}

TEST_F(ExtGridBinStreamTest, PropertiesBitmapsAndRadiosRoundTrip) {
  Fill(3, 2, {{0, 0, "a"}, {1, 0, "b"}, {2, 0, "c"}});
  TCellProperties* p = grid->GetCellProperties(0, 0);
  p->SetBrushColor(clYellow);
  p->FontStyle = TFontStyles{fsBold, fsItalic};
  p->SetAlignment(taCenter);
  p->FontName = "DejaVu Sans";
  TBitmap* bmp = grid->CreateBitmap(1, 0, true, haCenter, vaCenter);
  bmp->SetSize(4, 3);
  bmp->Canvas()->SetPixels(2, 1, clRed);
  TStrings* radio = grid->CreateRadio(2, 0, 0, 1);
  radio->Add("one");
  radio->Add("two");
  TBitmap outside;  // a graphic the grid does not own does not travel
  grid->AddBitmap(0, 1, &outside, false, haLeft, vaTop);

  const std::string block = Save({0, 0, 2, 1});
  TExtStringGrid* other = OtherGrid();
  other->SetColCount(3);
  other->SetRowCount(2);
  Load(other, block);
  TCellProperties* q = other->GetCellProperties(0, 0);
  EXPECT_EQ(q->BrushColor(), clYellow);
  EXPECT_EQ(q->FontStyle, (TFontStyles{fsBold, fsItalic}));
  EXPECT_EQ(q->Alignment(), taCenter);
  EXPECT_EQ(q->FontName, "DejaVu Sans");
  TBitmap* got = other->GetBitmap(1, 0);
  ASSERT_NE(got, nullptr);
  EXPECT_EQ(got->Width(), 4);
  EXPECT_EQ(got->Canvas()->Pixels(2, 1), clRed);
  EXPECT_EQ(other->GetCellGraphic(1, 0)->CellHAlign, haCenter);
  TStrings* items = other->GetRadioStrings(2, 0);
  ASSERT_NE(items, nullptr);
  EXPECT_EQ(items->Text(), "one\r\ntwo\r\n");
  EXPECT_TRUE(other->HasCellProperties(0, 1));
  EXPECT_EQ(other->GetCellGraphic(0, 1), nullptr);
}

TEST_F(ExtGridBinStreamTest, ABlockLandsRelativeToItsFirstCell) {
  Fill(6, 7, {{2, 3, "first"}, {4, 5, "last"}});
  const std::string block = Save({2, 3, 4, 5});
  TExtStringGrid* other = OtherGrid();
  other->SetColCount(15);
  other->SetRowCount(5);
  Load(other, block, {10, 1});
  EXPECT_EQ(other->Cells(10, 1), "first");
  EXPECT_EQ(other->Cells(12, 3), "last");
  EXPECT_EQ(other->ColCount(), 15);  // a block never resizes the grid
}

TEST_F(ExtGridBinStreamTest, AWholeGridBlockSizesTheGridSoEveryCellFits) {
  for (bool fixedCells : {true, false}) {
    Fill(4, 5, {{0, 0, "corner"}, {3, 4, "end"}});
    grid->SetFixedCols(1);
    grid->SetFixedRows(1);
    grid->SetSaveFixedCells(fixedCells);
    TStringStream s;
    grid->SaveToBinStream(&s);
    TExtStringGrid* other = OtherGrid();
    other->SetColCount(2);
    other->SetRowCount(2);
    other->SetCells(1, 1, "old");
    s.SetPosition(0);
    other->LoadFromBinStream(&s);
    EXPECT_EQ(other->ColCount(), 4) << fixedCells;
    EXPECT_EQ(other->RowCount(), 5) << fixedCells;
    EXPECT_EQ(other->Cells(3, 4), "end");
    EXPECT_EQ(other->Cells(0, 0), fixedCells ? "corner" : "");
    EXPECT_EQ(other->Cells(1, 1), "");
    delete other;
  }
}

TEST_F(ExtGridBinStreamTest, CellsBeyondTheSixteenBitIndexRaiseWhenWriting) {
  Fill(1, 65537, {{0, 65536, "far"}});
  TStringStream s;
  EXPECT_THROW(grid->SaveRectToBinStream({0, 65535, 0, 65536}, &s), EExtGridError);
  EXPECT_EQ(s.Size(), 0);
  EXPECT_NO_THROW(grid->SaveRectToBinStream({0, 65535, 0, 65535}, &s));
}

TEST_F(ExtGridBinStreamTest, AMalformedBlockRaisesAndLeavesTheGridAsItWas) {
  Fill(3, 3, {{0, 0, "a"}, {1, 1, "b\xC3\xA9"}, {2, 2, "c"}});
  grid->GetCellProperties(1, 1)->SetBrushColor(clLime);
  const std::string good = Save({0, 0, 2, 2});
  TExtStringGrid* other = OtherGrid();
  other->SetColCount(3);
  other->SetRowCount(3);
  other->SetCells(1, 1, "keep");
  const std::vector<std::string> before = AllTexts(other);
  std::vector<std::string> bad;
  for (size_t n = 0; n + 1 < good.size(); ++n) bad.push_back(good.substr(0, n));  // every cut
  const std::string cell = Record("TGridCellIO", Int8("Col", 0) + Int8("Row", 0) + Bool("HasProp", false));
  const std::string header = Record("TGridPropIO", Int8("ColCount", 1) + Int8("RowCount", 1));
  bad.push_back(Record("TGridPropIO", Int8("ColCount", 1) + Short("RowCount") + Bytes({vaInt32, 0, 0, 0, 0x40})) +
                cell);
  bad.push_back(Record("TGridPropIO", Int8("ColCount", 2) + Int8("RowCount", 1)) + cell);  // a cell short
  bad.push_back(header + cell + cell);
  bad.push_back(header + Record("TGridCellIO", Int8("Col", 0) + Int8("Row", 0) + Short("Cell") +
                                                   Bytes({vaLString, 0xFF, 0xFF, 0xFF, 0x7F}) + "x"));
  bad.push_back(header + Record("TGridCellIO", Int8("Col", 0) + Short("Row") + Bytes({vaInt8, 0xFF})));
  bad.push_back(header + Record("TGridCellIO", Int8("Col", 0) + Int8("Row", 0) + Bool("HasProp", true)));
  bad.push_back(header + Record("TGridCellIO", Int8("Col", 0) + Int8("Row", 0) + Bool("HasProp", true)) +
                Record("TGridCellPropIO", Short("CellProperties.Alignment") + Bytes({vaIdent}) + Short("taNowhere")));
  bad.push_back(Record("TGridPropIO", Int8("ColCount", 1) + Int8("RowCount", 1) + Short("ColWidths") +
                                          Bytes({vaString, 3}) + "1,x") + cell);
  bad.push_back(header + Record("TGridCellIO", Short("Col") + Bytes({vaInt32, 0x70, 0x11, 0x01, 0}) + Int8("Row", 0) +
                                                   Bool("HasProp", false)));  // column 70000
  bad.push_back(header + Record("TGridCellIO", Int8("Col", 0) + Int8("Row", 0) + Int8("Cell", 5)));
  bad.push_back(header + Record("TGridCellIO", Int8("Col", 0) + Int8("Row", 0) + Short("Cell") +
                                                   Bytes({vaString, 9}) + "cut"));
  for (const std::string& b : bad) {
    EXPECT_THROW(Load(other, b), EExtGridError) << b.size();
    EXPECT_EQ(AllTexts(other), before);
    EXPECT_FALSE(other->HasCellProperties(1, 1));
  }
  Load(other, good + "x");  // a single byte after the last record is not read as a record
  EXPECT_EQ(other->Cells(1, 1), "b\xC3\xA9");
  EXPECT_EQ(other->GetCellProperties(1, 1)->BrushColor(), clLime);
}

// Cell records laid out otherwise than this program writes them (another
// order, other value forms, text the reader decodes, an unknown property)
// read as the same cells, also between plain records and beside a cell
// with properties.
TEST_F(ExtGridBinStreamTest, CellRecordsOfEveryLayoutReadAlike) {
  const auto text = [](const std::string& Tag) { return Short("Cell") + Tag; };
  const struct {
    const char* what;
    std::string props;
    std::string expected;
  } cases[] = {
      {"as written", Int8("Col", 0) + Int8("Row", 0) + text(Bytes({vaString, 3}) + "abc") + Bool("HasProp", false), "abc"},
      {"no text, no HasProp", Int8("Col", 0) + Int8("Row", 0), ""},
      {"another order", Bool("HasProp", false) + text(Bytes({vaString, 2}) + "xy") + Int8("Row", 0) + Int8("Col", 0),
       "xy"},
      {"eight-bit short string", Int8("Col", 0) + Int8("Row", 0) + text(Bytes({vaString, 4}) + "caf\xE9") +
                                     Bool("HasProp", false),
       "caf\xC3\xA9"},
      {"long string form", Int8("Col", 0) + Int8("Row", 0) + text(Bytes({vaLString, 4, 0, 0, 0}) + "long") +
                               Bool("HasProp", false),
       "long"},
      {"wide string", Int8("Col", 0) + Int8("Row", 0) + text(Bytes({vaWString, 1, 0, 0, 0, 0xE5, 0x65})) +
                          Bool("HasProp", false),
       "\xE6\x97\xA5"},
      {"sixteen- and 32-bit indexes", Short("Col") + Bytes({vaInt16, 0x2C, 0x01}) + Short("Row") +
                                          Bytes({vaInt32, 0x40, 0x9C, 0, 0}) + text(Bytes({vaString, 1}) + "n") +
                                          Bool("HasProp", false),
       "n"},
      {"unknown property", Int8("Col", 0) + Int8("Row", 0) + Int8("Note", 7) + text(Bytes({vaString, 1}) + "u") +
                               Bool("HasProp", false),
       "u"},
  };
  const std::string header = Record("TGridPropIO", Int8("ColCount", 1) + Int8("RowCount", 1));
  TExtStringGrid* other = OtherGrid();
  other->SetColCount(1);
  other->SetRowCount(1);
  for (const auto& c : cases) {
    other->SetCells(0, 0, "old");
    Load(other, header + Record("TGridCellIO", c.props));
    EXPECT_EQ(other->Cells(0, 0), c.expected) << c.what;
  }

  std::string row;
  for (int i = 0; i < 4; ++i) {
    const bool withProps = i == 1;
    row += Record("TGridCellIO", Int8("Col", i) + Int8("Row", 0) + text(Bytes({vaString, 4}) + "c\xE9l" + char('0' + i)) +
                                     Bool("HasProp", withProps));
    if (withProps)
      row += Record("TGridCellPropIO", Short("CellProperties.BrushColor") + Bytes({vaInt32, 0, 0xFF, 0, 0}) +
                                           Bool("HasGraphic", false));
    row += Record("TGridCellIO", Int8("Col", i) + Int8("Row", 1) + text(Bytes({vaString, 2}) + "p" + char('0' + i)));
  }
  other->SetColCount(4);
  other->SetRowCount(2);
  Load(other, Record("TGridPropIO", Int8("ColCount", 4) + Int8("RowCount", 2)) + row);
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(other->Cells(i, 0), std::string("c\xC3\xA9l") + char('0' + i));
    EXPECT_EQ(other->Cells(i, 1), std::string("p") + char('0' + i));
  }
  ASSERT_TRUE(other->HasCellProperties(1, 0));
  EXPECT_EQ(other->GetCellProperties(1, 0)->BrushColor(), static_cast<TColor>(0xFF00));
  EXPECT_FALSE(other->HasCellProperties(2, 0));
}

// A block of many pieces, behind other data in a memory stream and in a
// file stream, reads back whole from where it starts and leaves the
// position at its end.
TEST_F(ExtGridBinStreamTest, ALargeBlockReadsBackFromTheStreamPositionOfMemoryAndFileStreams) {
  Fill(3, 4000, {});
  for (int r = 0; r < 4000; ++r)
    for (int c = 0; c < 3; ++c) grid->SetCells(c, r, c == 1 && r % 5 ? "" : "cell " + std::to_string(c * r));
  TMemoryStream memory;
  memory.WriteBuffer("pre", 3);
  grid->SaveToBinStream(&memory);
  ASSERT_GT(memory.Size(), 256 * 1024);
  const int64_t end = memory.Size();
  memory.WriteBuffer("post", 4);
  {
    TFileStream file(Path("block.bin"), fmCreate);
    file.WriteBuffer("pre", 3);
    grid->SaveToBinStream(&file);
  }
  EXPECT_EQ(Read("block.bin"), std::string(reinterpret_cast<const char*>(memory.Memory()), static_cast<size_t>(end)));
  TExtStringGrid* other = OtherGrid();
  memory.SetSize(end);
  memory.SetPosition(3);
  other->LoadFromBinStream(&memory);
  EXPECT_EQ(memory.Position(), end);
  EXPECT_EQ(AllTexts(other), AllTexts(grid));
  TExtStringGrid* fromFile = OtherGrid();
  TFileStream file(Path("block.bin"), fmOpenRead);
  file.SetPosition(3);
  fromFile->LoadFromBinStream(&file);
  EXPECT_EQ(AllTexts(fromFile), AllTexts(grid));
  delete other;
  delete fromFile;
}

TEST_F(ExtGridBinStreamTest, FilesAreReplacedWholeAndReadBack) {
  Fill(2, 2, {{0, 0, "x"}, {1, 1, "y"}});
  grid->SaveToBinFile(Path("cells.bin"));
  TExtStringGrid* other = OtherGrid();
  other->LoadFromBinFile(Path("cells.bin"));
  EXPECT_EQ(AllTexts(other), AllTexts(grid));
  Write("cut.bin", Read("cells.bin").substr(0, 30));
  other->SetCells(0, 0, "stays");
  EXPECT_THROW(other->LoadFromBinFile(Path("cut.bin")), EExtGridError);
  EXPECT_THROW(other->LoadFromBinFile(Path("missing.bin")), Exception);
  EXPECT_EQ(other->Cells(0, 0), "stays");
  // Rows past the format's limit are refused before the file is touched.
  const std::string saved = Read("cells.bin");
  grid->SetRowCount(65537);
  EXPECT_THROW(grid->SaveToBinFile(Path("cells.bin")), EExtGridError);
  EXPECT_EQ(Read("cells.bin"), saved);
}

}  // namespace
