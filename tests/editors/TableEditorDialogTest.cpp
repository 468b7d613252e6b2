// The Receive J1939 and Transmit J1939 dialogs opened from the main window:
// what a shown file puts in the grid, the row buttons with their questions,
// OK with its messages and the file it writes, Cancel, and the GSD and
// image steps run on what the dialogs wrote.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "editors/UParGen.h"
#include "editors/UReceive_J1939_Frames_P68.h"
#include "editors/UTableFile.h"
#include "editors/UTransmit_J1939_Frames_P68.h"
#include "outputs/UBootCANForm.h"
#include "outputs/USectionFiles.h"
#include "platform/serial/SerialPorts.h"
#include "tests/editors/TableCells.h"
#include "tests/editors/TableEditorFixture.h"
#include "tests/editors/TableUser.h"
#include "toolkit/rtl/FileUtils.h"

namespace fs = std::filesystem;

namespace {

class TableEditorDialog : public TableEditorFixture {
protected:
  // Puts rows into the grid as if typed.
  static void Fill(TFTableEditor* F, const std::vector<TRowTexts>& Rows) {
    for (size_t r = 0; r < Rows.size(); ++r)
      for (size_t c = 0; c < Rows[r].size(); ++c) F->sga->SetCells(int(c) + 1, int(r) + 1, Rows[r][c]);
  }
  static TRowTexts Grid_Row(TFTableEditor* F, int Row) { return Row_Texts(F->Grid_Cells(), Row); }
};

TEST_F(TableEditorDialog, ReceiveShowsTheTableOfTheOpenProject) {
  Open_Receive([&] {
    EXPECT_EQ(rx()->Caption(), "Receive J1939 Frames");
    EXPECT_EQ(rx()->sga->RowCount(), 31);
    EXPECT_EQ(rx()->sga->Cells(0, 0), "N°");
    EXPECT_EQ(rx()->sga->Cells(4, 0), "Transport Protocol");
    EXPECT_EQ(rx()->sga->Cells(0, 30), "30");
    EXPECT_EQ(Grid_Row(rx(), 1), TRowTexts(10, ""));
    Click(rx()->Btn_OK);
  });
  EXPECT_EQ(Project_File("J1939_Receive.xml"), "<ReceiveNMEA2000/>\n<!--SW_VERSION = 1.000-->\n");
}

// Nearly black pixels (text ink) of the grid inside R.
int Ink(TTestDriver& Driver, TExtColumnGrid* Grid, const TRect& R) {
  int n = 0;
  for (int y = R.Top; y < R.Bottom; ++y)
    for (int x = R.Left; x < R.Right; ++x) {
      TColor c = ColorToRGB(Driver.PixelAt(Grid, x, y));
      n += GetRValue(c) + GetGValue(c) + GetBValue(c) < 3 * 0x40;
    }
  return n;
}

// The same text is drawn heavier in the focused cell than beside it (the
// focus frame left out).
TEST_F(TableEditorDialog, FocusedCellIsBold) {
  Open_Receive([&] {
    TTableUser user(Driver, rx());
    user.Type_Cell(rcPGN, 2, "8888");
    user.Type_Cell(rcPGN, 1, "8888");
    user.Go_To(rcMnemonic, 3);
    user.Go_To(rcPGN, 1);
    auto ink = [&](int Row) {
      TRect r = rx()->sga->CellRect(rcPGN, Row);
      InflateRect(r, -3, -3);
      return Ink(Driver, rx()->sga, r);
    };
    EXPECT_GT(ink(1), ink(2) * 5 / 4);
    Click(rx()->Btn_Cancel);
  });
}

// "Start Byte" does not fit its 65 pixels in the test font: the header row
// grows so that its second line shows.
TEST_F(TableEditorDialog, WrappedHeaderShowsEveryLine) {
  Open_Receive([&] {
    TExtColumnGrid* g = rx()->sga;
    EXPECT_GT(g->RowHeights(0), 21);
    TRect header = g->CellRect(rcStartByte, 0);
    TRect second_line(header.Left + 2, header.Top + 14, header.Right - 2, header.Bottom - 1);
    EXPECT_GT(Ink(Driver, g, second_line), 10);
    EXPECT_EQ(g->RowHeights(1), 21);
    Click(rx()->Btn_Cancel);
  });
  Open_Transmit([&] {
    EXPECT_EQ(tx()->sga->RowHeights(0), 21);  // every header fits
    Click(tx()->Btn_Cancel);
  });
}

TEST_F(TableEditorDialog, TransmitHidesTheByteCountAndWritesEight) {
  Write_Project_File("J1939_Transmit.xml",
                     "<ReceiveNMEA2000><row Priority=\"3\" DataPage=\"1\" PGN=\"0xFEF1\" SourceAddress=\"0\" "
                     "NumByte=\"4\" Mnemonic=\"Öl &amp; \"/></ReceiveNMEA2000>");
  Open_Transmit([&] {
    EXPECT_EQ(tx()->sga->ColCount(), 10);
    EXPECT_EQ(Grid_Row(tx(), 1), (TRowTexts{"3", "1", "0xFEF1", "0", "8", "N", "N", "N", "1000", "Öl & "}));
    Click(tx()->Btn_OK);
  });
  TSectionTable t = Load_Section_Table(Path_J1939_Transmit);
  ASSERT_EQ(t.Rows.size(), 1u);
  EXPECT_EQ(t.Rows[0].Attr("NumByte"), "8");
  EXPECT_EQ(t.Rows[0].Attr("Mnemonic"), "Öl & ");
}

TEST_F(TableEditorDialog, BadRowShowsItsMessageAndWritesNothing) {
  Open_Transmit([&] {
    Fill(tx(), {Tx(), Tx("0x10000", "1")});
    Driver.ExpectMessage("Error in row 2!! PGN must be between 0x00000 and 0x1FFFF", mrOk);
    Click(tx()->Btn_OK);
    EXPECT_TRUE(tx()->Visible());
    Fill(tx(), {Tx(), Tx("0x10000", "0"), {}, Tx()});
    Driver.ExpectMessage("", mrOk);
    Click(tx()->Btn_OK);
    EXPECT_TRUE(tx()->Visible());
    Click(tx()->Btn_Cancel);
  });
  EXPECT_FALSE(FileExists(Path_J1939_Transmit));
  ASSERT_EQ(Driver.MessageBoxes().size(), 2u);
  EXPECT_EQ(Driver.MessageBoxes()[1].Type, mtError);
  EXPECT_EQ(Driver.MessageBoxes()[1].Text.rfind("Error in row 4!! ", 0), 0u) << Driver.MessageBoxes()[1].Text;
}

TEST_F(TableEditorDialog, CancelDiscardsTheEditsAndTheNextShowReloads) {
  Open_Receive([&] {
    Fill(rx(), {Rx()});
    Click(rx()->Btn_Cancel);
  });
  EXPECT_FALSE(FileExists(Path_J1939_Receive));
  Open_Receive([&] {
    EXPECT_EQ(Grid_Row(rx(), 1), TRowTexts(10, ""));
    Click(rx()->Btn_Cancel);
  });
}

TEST_F(TableEditorDialog, DeleteRowAsksWithTheRowNumber) {
  Open_Transmit([&] {
    Fill(tx(), {Tx("1"), Tx("2"), Tx("3")});
    tx()->sga->SetRow(2);
    Driver.ExpectMessage("Are you sure to delete the Row number 2", mrNo);
    Click(tx()->Btn_DelRow);
    EXPECT_EQ(tx()->sga->Cells(txPGN, 2), "2");
    Driver.ExpectMessage("Are you sure to delete the Row number 2", mrYes);
    Click(tx()->Btn_DelRow);
    EXPECT_EQ(tx()->sga->Cells(txPGN, 2), "3");
    EXPECT_EQ(Grid_Row(tx(), 3), TRowTexts(10, ""));
    EXPECT_EQ(tx()->sga->Cells(0, 3), "3");
    Click(tx()->Btn_OK);
  });
  EXPECT_EQ(Load_Section_Table(Path_J1939_Transmit).Rows.size(), 2u);
  EXPECT_EQ(Driver.MessageBoxes()[0].Type, mtConfirmation);
}

TEST_F(TableEditorDialog, InsertRowIsRefusedWhileTheLastRowHoldsData) {
  Open_Receive([&] {
    Fill(rx(), {Rx("1"), Rx("2")});
    rx()->sga->SetRow(2);
    Click(rx()->Btn_InsRow);
    EXPECT_EQ(Grid_Row(rx(), 2), TRowTexts(10, ""));
    EXPECT_EQ(rx()->sga->Cells(rcPGN, 3), "2");
    rx()->sga->SetCells(rcMnemonic, 30, "last");
    Driver.ExpectMessage("Error!! Row 30, the last row, holds data: delete a row before inserting one", mrOk);
    Click(rx()->Btn_InsRow);
    EXPECT_EQ(rx()->sga->Cells(rcMnemonic, 30), "last");
    Click(rx()->Btn_Cancel);
  });
}

TEST_F(TableEditorDialog, FileLoadedInPartIsReplacedOnlyAfterYes) {
  std::string file = "<ReceiveNMEA2000><row DataPage=\"0\" PGN=\"7\" SourceAddress=\"1\" TransportProtocol=\"N\" "
                     "StartByte=\"\" NumBytes=\"\" CancelData=\"N\" Mnemonic=\"a\"/><row PGN=\"8\"/></ReceiveNMEA2000>";
  Write_Project_File("J1939_Receive.xml", file);
  Driver.ExpectMessage("", mrOk);  // the missing attribute, on show
  Open_Receive([&] {
    EXPECT_EQ(rx()->sga->Cells(rcPGN, 1), "7");
    EXPECT_EQ(rx()->sga->Cells(rcPGN, 2), "");  // DataPage, before it, was missing
    Driver.ExpectMessage("J1939_Receive.xml could not be loaded completely. Saving replaces it with what the table "
                         "shows now. Do you want to save?",
                         mrNo);
    Click(rx()->Btn_OK);
    EXPECT_TRUE(rx()->Visible());
    EXPECT_EQ(Project_File("J1939_Receive.xml"), file);
    Driver.ExpectMessage("", mrYes);
    Click(rx()->Btn_OK);
  });
  EXPECT_FALSE(rx()->Visible());
  EXPECT_EQ(Load_Section_Table(Path_J1939_Receive).Rows.size(), 1u);
  EXPECT_NE(Driver.MessageBoxes()[0].Text.find("DataPage"), std::string::npos) << Driver.MessageBoxes()[0].Text;
}

}  // namespace

// The three dialogs filled and confirmed as a user does it, then the GSD File
// and Update Device steps on what they wrote.
class EditorsToOutputs : public TableEditorDialog {
protected:
  void SetUp() override {
    TableEditorDialog::SetUp();
    platform::SetSerialDeviceFolder(devices.Path());
    devices.Write("ttyUSB0", "");
  }
  void TearDown() override {
    platform::SetSerialDeviceFolder({});
    TableEditorDialog::TearDown();
  }
  TTempFolder devices;
};

TEST_F(EditorsToOutputs, WrittenTablesFeedTheGsdFileAndTheImage) {
  Driver.InModal([&] {
    Tick(FParGen->CB_PROFIS_Module_for_J1939);
    Driver.Screenshot(FParGen, "editors-pargen.png");
    Click(FParGen->Btn_OK);
  });
  Click(main->Btn_Prm_Gen);
  std::vector<TRowTexts> rx_rows = {
      Rx("0xFEF1"), Rx("65265", "Y", "0", "12"), {"1", "61444", "0", "N", "", "", "Y", "Y", "250", "Engine"}};
  std::vector<TRowTexts> tx_rows = {Tx("0xEF00"), {"3", "1", "65535", "5", "8", "N", "Y", "Y", "100", "Cmd"}};
  Open_Receive([&] {
    TTableUser(Driver, rx()).Enter_Rows(rx_rows);
    Driver.Screenshot(rx(), "editors-receive.png");
    Click(rx()->Btn_OK);
  });
  Open_Transmit([&] {
    TTableUser(Driver, tx()).Enter_Rows(tx_rows);
    Driver.Screenshot(tx(), "editors-transmit.png");
    Click(tx()->Btn_OK);
  });
  ASSERT_TRUE(Driver.ScriptDone());
  // What was entered is what the files hold.
  for (auto [layout, rows] : {std::pair{Receive_J1939_Layout(), rx_rows}, std::pair{Transmit_J1939_Layout(), tx_rows}}) {
    TTableCells back(layout), typed = Make_Cells(layout, rows);
    EXPECT_TRUE(Load_Table_File(layout, *layout.Path, back).Complete);
    for (int r = 1; r <= back.Rows(); ++r) EXPECT_EQ(Row_Texts(back, r), Row_Texts(typed, r)) << *layout.Path << " row " << r;
  }

  Driver.AnswerSaveDialog(dir.Sub("Plant.gsd"));
  Click(main->Btn_GSD_File);
  EXPECT_TRUE(Driver.MessageBoxes().empty()) << Driver.MessageBoxes()[0].Text;
  // The golden files hold what these tables must give: the modules and lengths of the GSD, the frames,
  // flags and checksum of the image.
  const std::string golden_gsd = Source_File("tests/editors/golden/EditorsToOutputs.gsd");
  ASSERT_FALSE(golden_gsd.empty());
  EXPECT_EQ(dir.Read("Plant.gsd"), golden_gsd);

  Driver.InModal([this] { Click(FBootCAN->Btn_Cancel); });
  Click(main->Btn_CreateBin);
  EXPECT_TRUE(Driver.MessageBoxes().empty());
  const std::string golden_bank = Source_File("tests/editors/golden/EditorsToOutputs.bin");
  ASSERT_EQ(golden_bank.size(), 3968u);
  const std::string bank = dir.Read("PROJECTS/P/bin/bank.bin");
  ASSERT_EQ(bank.size(), golden_bank.size());
  EXPECT_EQ(std::mismatch(bank.begin(), bank.end(), golden_bank.begin()).first - bank.begin(), 3968)
      << "the offset of the first byte that differs from the golden image";
}
