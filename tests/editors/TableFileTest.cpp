// Loading and saving the table files, and the row moves of Delete Row and
// Insert Row, on cell tables.
#include <gtest/gtest.h>

#include "base/ULanguage.h"
#include "editors/UReceive_J1939_Frames_P68.h"
#include "editors/UTableFile.h"
#include "editors/UTransmit_J1939_Frames_P68.h"
#include "outputs/USectionFiles.h"
#include "tests/base/TempFolder.h"
#include "tests/editors/TableCells.h"

namespace {

class TableFileTest : public ::testing::Test {
protected:
  std::string Path(const char* Name = "J1939_Receive.xml") const { return dir.Sub(Name); }
  TTempFolder dir;
};

TEST_F(TableFileTest, SavedFileHasRootCommentAndRowsInColumnOrder) {
  const TTableLayout layout = Receive_J1939_Layout();
  TTableCells cells = Make_Cells(layout, {Rx("0xFEF1", "Y", "3", "4"), Rx("65535")});
  cells.SetCell(rcMnemonic, 2, "Öl & \"T\" <x>");
  Save_Table_File(layout, cells, Path());
  EXPECT_EQ(dir.Read("J1939_Receive.xml"),
            "<ReceiveNMEA2000>\n"
            "  <row DataPage=\"0\" PGN=\"0xFEF1\" SourceAddress=\"1\" TransportProtocol=\"Y\" StartByte=\"3\" "
            "NumBytes=\"4\" CancelData=\"N\" OnRequest=\"N\" OnReq_Time=\"1000\" Mnemonic=\"m\"/>\n"
            "  <row DataPage=\"0\" PGN=\"65535\" SourceAddress=\"1\" TransportProtocol=\"N\" StartByte=\"\" "
            "NumBytes=\"\" CancelData=\"N\" OnRequest=\"N\" OnReq_Time=\"1000\" "
            "Mnemonic=\"Öl &amp; &quot;T&quot; &lt;x&gt;\"/>\n"
            "</ReceiveNMEA2000>\n"
            "<!--SW_VERSION = 1.000-->\n");
}

TEST_F(TableFileTest, RoundTripKeepsEveryCellAsTyped) {
  struct TShape {
    TTableLayout Layout;
    std::vector<TRowTexts> Rows;
  };
  TRowTexts odd_rx = {" 1", "  31", "0", "", "", "", "", "", "", "Ünï ' \" & < > ;"};
  TRowTexts odd_tx = {"7", "1", "$FFFF", " 2", "8", "", "Y", "", "", "\xE2\x82\xAC"};
  for (const TShape& shape : {TShape{Receive_J1939_Layout(), {Rx(), odd_rx, Rx("1", "Y", "0", "8")}},
                              TShape{Transmit_J1939_Layout(), {Tx(), odd_tx}}}) {
    TTableCells cells = Make_Cells(shape.Layout, shape.Rows);
    Save_Table_File(shape.Layout, cells, Path());
    TTableCells back(shape.Layout);
    TTableLoad load = Load_Table_File(shape.Layout, Path(), back);
    EXPECT_TRUE(load.Complete) << load.Error;
    for (int r = 1; r <= cells.Rows(); ++r) EXPECT_EQ(Row_Texts(back, r), Row_Texts(cells, r)) << "row " << r;
  }
}

TEST_F(TableFileTest, SavesUpToTheFirstEmptyKey) {
  const TTableLayout layout = Transmit_J1939_Layout();
  TTableCells cells = Make_Cells(layout, {Tx("1"), Tx("2"), {}, Tx("4")});
  Save_Table_File(layout, cells, Path());
  EXPECT_EQ(Load_Section_Table(Path()).Rows.size(), 2u);
  Save_Table_File(layout, TTableCells(layout), Path());
  EXPECT_EQ(dir.Read("J1939_Receive.xml"), "<ReceiveNMEA2000/>\n<!--SW_VERSION = 1.000-->\n");
}

TEST_F(TableFileTest, OptionalAttributesTakeTheirDefaults) {
  dir.Write("J1939_Receive.xml",
            "<ReceiveNMEA2000><row DataPage=\"1\" PGN=\"5\" SourceAddress=\"2\" TransportProtocol=\"\" StartByte=\"\" "
            "NumBytes=\"\" CancelData=\"\" Mnemonic=\"\"/></ReceiveNMEA2000>");
  TTableCells cells(Receive_J1939_Layout());
  EXPECT_TRUE(Load_Table_File(Receive_J1939_Layout(), Path(), cells).Complete);
  EXPECT_EQ(Row_Texts(cells, 1), (TRowTexts{"1", "5", "2", "", "", "", "", "N", "1000", ""}));

  dir.Write("J1939_Transmit.xml",
            "<X><row Priority=\"3\" DataPage=\"0\" PGN=\"9\" SourceAddress=\"1\" NumByte=\"4\" Mnemonic=\"q\"/></X>");
  TTableCells tx(Transmit_J1939_Layout());
  EXPECT_TRUE(Load_Table_File(Transmit_J1939_Layout(), Path("J1939_Transmit.xml"), tx).Complete);
  EXPECT_EQ(Row_Texts(tx, 1), (TRowTexts{"3", "0", "9", "1", "8", "N", "N", "N", "1000", "q"}));
  Save_Table_File(Transmit_J1939_Layout(), tx, Path("J1939_Transmit.xml"));
  EXPECT_EQ(Load_Section_Table(Path("J1939_Transmit.xml")).Rows[0].Attr("NumByte"), "8");
}

TEST_F(TableFileTest, MissingRequiredAttributeKeepsWhatWasReadBeforeIt) {
  std::string good = "<row DataPage=\"0\" PGN=\"1\" SourceAddress=\"1\" TransportProtocol=\"N\" StartByte=\"\" "
                     "NumBytes=\"\" CancelData=\"N\" Mnemonic=\"a\"/>";
  std::string bad = "<row DataPage=\"1\" PGN=\"2\" Mnemonic=\"b\"/>";
  dir.Write("J1939_Receive.xml", "<ReceiveNMEA2000>" + good + good + bad + good + "</ReceiveNMEA2000>");
  TTableCells cells = Make_Cells(Receive_J1939_Layout(), {Rx("stale"), Rx(), Rx(), Rx(), Rx()});
  TTableLoad load = Load_Table_File(Receive_J1939_Layout(), Path(), cells);
  EXPECT_FALSE(load.Complete);
  EXPECT_NE(load.Error.find("row 3"), std::string::npos) << load.Error;
  EXPECT_NE(load.Error.find("SourceAddress"), std::string::npos) << load.Error;
  EXPECT_EQ(cells.Cell(rcPGN, 2), "1");
  EXPECT_EQ(cells.Cell(rcPGN, 3), "2");  // read before the missing one
  EXPECT_EQ(cells.Cell(rcSourceAddress, 3), "");
  EXPECT_EQ(Row_Texts(cells, 4), TRowTexts(10, ""));  // the reset emptied the old rows
}

TEST_F(TableFileTest, FilesThatCannotBeShownCompletely) {
  struct TCase {
    const char* Name;
    std::string Bytes;
    bool Complete;
    int Rows;  // rows with a key after loading
  } cases[] = {
      {"no file", "", true, 0},
      {"not XML", "<ReceiveNMEA2000><row", false, 0},
      {"31 rows", "<R>" + std::string() + "</R>", false, 30},
      {"comment inside the root is not a row", "<R><!-- c --></R>", true, 0},
  };
  std::string row = "<row DataPage=\"0\" PGN=\"1\" SourceAddress=\"1\" TransportProtocol=\"N\" StartByte=\"\" "
                    "NumBytes=\"\" CancelData=\"N\" Mnemonic=\"a\"/>";
  for (int i = 0; i < 31; ++i) cases[2].Bytes.insert(3, row);
  for (const TCase& c : cases) {
    std::filesystem::remove(Path());
    if (!c.Bytes.empty()) dir.Write("J1939_Receive.xml", c.Bytes);
    TTableCells cells(Receive_J1939_Layout());
    TTableLoad load = Load_Table_File(Receive_J1939_Layout(), Path(), cells);
    EXPECT_EQ(load.Complete, c.Complete) << c.Name;
    EXPECT_EQ(load.Error.empty(), c.Complete) << c.Name;
    int keyed = 0;
    for (int r = 1; r <= cells.Rows(); ++r) keyed += !Key_Empty(Receive_J1939_Layout(), cells, r);
    EXPECT_EQ(keyed, c.Rows) << c.Name;
  }
}

// ---- the row moves ----

TTableCells Numbered(int Filled) {
  TTableCells cells(Transmit_J1939_Layout());
  for (int r = 1; r <= Filled; ++r) cells.SetCell(txMnemonic, r, "m" + std::to_string(r)), cells.SetCell(txNumByte, r, "8");
  return cells;
}

TEST(TableRows, DeleteMovesTheRowsBelowUpAndEmptiesTheLast) {
  TTableCells cells = Numbered(5);
  Delete_Row(cells, 2);
  EXPECT_EQ(cells.Cell(txMnemonic, 2), "m3");
  EXPECT_EQ(cells.Cell(txMnemonic, 4), "m5");
  EXPECT_EQ(Row_Texts(cells, 5), TRowTexts(10, ""));
  EXPECT_EQ(cells.Cell(0, 2), "2");  // the numbers stay

  TTableCells full = Numbered(30);
  Delete_Row(full, 1);
  EXPECT_EQ(full.Cell(txMnemonic, 1), "m2");
  EXPECT_EQ(full.Cell(txNumByte, 29), "8");  // hidden columns move too
  EXPECT_EQ(Row_Texts(full, 30), TRowTexts(10, ""));
  Delete_Row(full, 30);
  EXPECT_EQ(Row_Texts(full, 30), TRowTexts(10, ""));
}

TEST(TableRows, InsertMovesTheRowAndThoseBelowDown) {
  TTableCells cells = Numbered(5);
  Insert_Row(cells, 2);
  EXPECT_EQ(cells.Cell(txMnemonic, 1), "m1");
  EXPECT_EQ(Row_Texts(cells, 2), TRowTexts(10, ""));
  EXPECT_EQ(cells.Cell(txMnemonic, 3), "m2");
  EXPECT_EQ(cells.Cell(txMnemonic, 6), "m5");
  EXPECT_EQ(cells.Cell(0, 6), "6");
}

TEST(TableRows, RowHasDataIgnoresBlanksUntickedBoxesAndConstants) {
  const TTableLayout layout = Transmit_J1939_Layout();
  TTableCells cells(layout);
  cells.SetCell(txNumByte, 1, "8");
  cells.SetCell(txOnTimer, 1, "N");
  cells.SetCell(txMnemonic, 1, "  ");
  EXPECT_FALSE(Row_Has_Data(layout, cells, 1));
  cells.SetCell(txOnTimer, 1, "Y");
  EXPECT_TRUE(Row_Has_Data(layout, cells, 1));
  cells.SetCell(txOnTimer, 2, "");
  cells.SetCell(txPGN, 2, "1");
  EXPECT_TRUE(Row_Has_Data(layout, cells, 2));
  EXPECT_THROW(cells.Cell(0, 31), EListError);
}

}  // namespace
