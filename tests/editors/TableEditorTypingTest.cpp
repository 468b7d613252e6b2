// The Receive J1939 and Transmit J1939 tables filled as a user fills them:
// typed cells, items picked from the drop-down columns, Y/N boxes ticked by
// click and Space, then OK; the section files written are compared whole.
// A cell still being edited when OK, Delete Row or Insert Row is pressed is
// stored first and never written into a row that moved under it.
#include <gtest/gtest.h>

#include "outputs/USectionFiles.h"
#include "tests/editors/TableEditorFixture.h"
#include "tests/editors/TableUser.h"
#include "toolkit/rtl/FileUtils.h"

namespace {

// Rows with only what a frame needs, and a mnemonic.
TRowTexts Rx_Named(std::string PGN, std::string Name) { return {"0", PGN, "1", "", "", "", "", "", "", Name}; }
TRowTexts Tx_Named(std::string PGN, std::string Name) { return {"6", "0", PGN, "2", "", "", "", "", "", Name}; }

class TableEditorTyping : public TableEditorFixture {
protected:
  // The rows of a written file, Count of them expected.
  static std::vector<TSectionRow> Saved(const std::string& Path, size_t Count) {
    TSectionTable t = Load_Section_Table(Path);
    EXPECT_EQ(t.Rows.size(), Count);
    t.Rows.resize(Count);
    return t.Rows;
  }
  bool Editing(TFTableEditor* F) const {
    TExtColumnGrid* g = F->sga;
    return (g->NormalEdit() && g->NormalEdit()->Visible()) || (g->EditCombo && g->EditCombo->Visible());
  }
};

TEST_F(TableEditorTyping, ReceiveRowsTypedPickedAndTickedAreWrittenAsEntered) {
  Open_Receive([&] {
    TTableUser user(Driver, rx());
    user.Enter_Rows({{"1", "0xFEF1", "3", "Y", "0", "12", "N", "Y", "250", "Öl & \"x\" <1>"},
                     {"0", "61444", "0", "N", "", "", "Y", "", "", "Engine"}});
    Click(rx()->Btn_OK);
  });
  EXPECT_FALSE(rx()->Visible());
  EXPECT_EQ(Project_File("J1939_Receive.xml"),
            "<ReceiveNMEA2000>\n"
            "  <row DataPage=\"1\" PGN=\"0xFEF1\" SourceAddress=\"3\" TransportProtocol=\"Y\" StartByte=\"0\" "
            "NumBytes=\"12\" CancelData=\"N\" OnRequest=\"Y\" OnReq_Time=\"250\" "
            "Mnemonic=\"Öl &amp; &quot;x&quot; &lt;1&gt;\"/>\n"
            "  <row DataPage=\"0\" PGN=\"61444\" SourceAddress=\"0\" TransportProtocol=\"N\" StartByte=\"\" "
            "NumBytes=\"\" CancelData=\"Y\" OnRequest=\"\" OnReq_Time=\"\" Mnemonic=\"Engine\"/>\n"
            "</ReceiveNMEA2000>\n"
            "<!--SW_VERSION = 1.000-->\n");
}

TEST_F(TableEditorTyping, TransmitCellsBeyondTheHiddenColumnLandInTheirOwnColumns) {
  Open_Transmit([&] {
    TTableUser user(Driver, tx());
    user.Enter_Rows({{"3", "1", "65535", "5", "", "N", "Y", "Y", "100", "Cmd"}});
    EXPECT_EQ(tx()->sga->Cells(txOnTimer_Time, 1), "100");
    EXPECT_EQ(tx()->sga->Cells(txNumByte, 1), "");
    Click(tx()->Btn_OK);
  });
  EXPECT_EQ(Project_File("J1939_Transmit.xml"),
            "<ReceiveNMEA2000>\n"
            "  <row Priority=\"3\" DataPage=\"1\" PGN=\"65535\" SourceAddress=\"5\" NumByte=\"8\" OnRequest=\"N\" "
            "DataChange=\"Y\" OnTimer=\"Y\" OnTimer_Time=\"100\" Mnemonic=\"Cmd\"/>\n"
            "</ReceiveNMEA2000>\n"
            "<!--SW_VERSION = 1.000-->\n");
}

TEST_F(TableEditorTyping, RowsOutOfViewAreReachedWithTheArrowKeys) {
  Open_Transmit([&] {
    TTableUser user(Driver, tx());
    for (int r = 1; r <= 14; ++r)
      user.Enter_Row(r, {"6", r % 2 ? "0" : "1", std::to_string(0xEF00 + r), "2", "", "", "", "Y", "500",
                         "F" + std::to_string(r)});
    EXPECT_GT(tx()->sga->TopRow(), 1);
    Click(tx()->Btn_OK);
  });
  std::vector<TSectionRow> rows = Saved(Path_J1939_Transmit, 14);
  EXPECT_EQ(rows[13].Attr("PGN"), std::to_string(0xEF00 + 14));
  EXPECT_EQ(rows[13].Attr("DataPage"), "1");
  EXPECT_EQ(rows[13].Attr("OnTimer"), "Y");
  EXPECT_EQ(rows[13].Attr("Mnemonic"), "F14");
}

TEST_F(TableEditorTyping, BadTypedRowIsNamedThenCorrectedByTyping) {
  Open_Receive([&] {
    TTableUser user(Driver, rx());
    user.Enter_Rows({{"0", "65536", "1", "", "", "", "", "", "", "m"}});
    Driver.ExpectMessage("Error in row 1!! PGN must be between 0x00000 and 0xFFFF", mrOk);
    Click(rx()->Btn_OK);
    EXPECT_TRUE(rx()->Visible());
    user.Type_Cell(rcPGN, 1, "65535");
    Click(rx()->Btn_OK);
  });
  EXPECT_TRUE(Driver.ScriptDone());
  std::vector<TSectionRow> rows = Saved(Path_J1939_Receive, 1);
  EXPECT_EQ(rows[0].Attr("PGN"), "65535");
}

// ---- a cell still being edited ----

TEST_F(TableEditorTyping, OkStoresTheCellBeingTypedOrPicked) {
  Open_Transmit([&] {
    TTableUser user(Driver, tx());
    user.Enter_Rows({{"", "", "256", "2", "", "", "", "", "", "a"}});
    user.Pick(txDataPage, 1, "1", true);
    user.Type_Cell(txPriority, 1, "4", true);
    ASSERT_TRUE(Editing(tx()));
    Click(tx()->Btn_OK);
  });
  std::vector<TSectionRow> rows = Saved(Path_J1939_Transmit, 1);
  EXPECT_EQ(rows[0].Attr("Priority"), "4");
  EXPECT_EQ(rows[0].Attr("DataPage"), "1");
}

TEST_F(TableEditorTyping, InsertRowMovesTheCellBeingEditedWithItsRow) {
  Open_Receive([&] {
    TTableUser user(Driver, rx());
    user.Enter_Rows({Rx_Named("1", "one"), Rx_Named("2", "two")});
    user.Type_Cell(rcMnemonic, 2, "typed", true);
    Click(rx()->Btn_InsRow);
    EXPECT_FALSE(Editing(rx()));
    EXPECT_EQ(rx()->sga->Cells(rcMnemonic, 2), "");
    EXPECT_EQ(rx()->sga->Cells(rcMnemonic, 3), "typed");
    user.Go_To(rcPGN, 5);  // leaving for another cell writes nothing back
    EXPECT_EQ(rx()->sga->Cells(rcMnemonic, 2), "");
    Click(rx()->Btn_Cancel);
  });
}

TEST_F(TableEditorTyping, DeleteRowStoresTheCellBeingEditedBeforeAsking) {
  Open_Receive([&] {
    TTableUser user(Driver, rx());
    user.Enter_Rows({Rx_Named("1", "one"), Rx_Named("2", "two"), Rx_Named("3", "three")});
    user.Pick(rcDataPage, 2, "1", true);
    Driver.ExpectMessage("Are you sure to delete the Row number 2", mrNo);
    Click(rx()->Btn_DelRow);
    EXPECT_FALSE(Editing(rx()));
    EXPECT_EQ(rx()->sga->Cells(rcDataPage, 2), "1");
    user.Type_Cell(rcMnemonic, 2, "gone", true);
    Driver.ExpectMessage("Are you sure to delete the Row number 2", mrYes);
    Click(rx()->Btn_DelRow);
    EXPECT_EQ(rx()->sga->Cells(rcMnemonic, 2), "three");
    user.Go_To(rcPGN, 1);
    EXPECT_EQ(rx()->sga->Cells(rcMnemonic, 2), "three");
    Click(rx()->Btn_OK);
  });
  std::vector<TSectionRow> rows = Saved(Path_J1939_Receive, 2);
  EXPECT_EQ(rows[1].Attr("Mnemonic"), "three");
}

// A button pressed while the keyboard stays in the grid's editor (as a
// shortcut key presses it) stores the edit all the same.
TEST_F(TableEditorTyping, ButtonsStoreTheEditWithoutAFocusChange) {
  Open_Transmit([&] {
    TTableUser user(Driver, tx());
    user.Enter_Rows({Tx_Named("256", "one"), Tx_Named("512", "two")});
    user.Type_Cell(txMnemonic, 2, "moved", true);
    tx()->Btn_InsRow->Click();
    EXPECT_FALSE(Editing(tx()));
    user.Go_To(txPGN, 1);
    EXPECT_EQ(tx()->sga->Cells(txMnemonic, 2), "");
    EXPECT_EQ(tx()->sga->Cells(txMnemonic, 3), "moved");
    Driver.ExpectMessage("Are you sure to delete the Row number 2", mrYes);
    user.Pick(txDataPage, 2, "1", true);
    tx()->Btn_DelRow->Click();
    user.Pick(txDataPage, 1, "1", true);
    tx()->Btn_OK->Click();
  });
  EXPECT_TRUE(Driver.ScriptDone());
  std::vector<TSectionRow> rows = Saved(Path_J1939_Transmit, 2);
  EXPECT_EQ(rows[0].Attr("DataPage"), "1");
  EXPECT_EQ(rows[1].Attr("Mnemonic"), "moved");
  EXPECT_EQ(rows[1].Attr("DataPage"), "0");
}

TEST_F(TableEditorTyping, EditLeftOpenWhenTheWindowClosedIsGoneOnTheNextShow) {
  Open_Receive([&] {
    TTableUser user(Driver, rx());
    user.Type_Cell(rcMnemonic, 3, "stale", true);
    rx()->Close();
  });
  Open_Receive([&] {
    TTableUser user(Driver, rx());
    EXPECT_FALSE(Editing(rx()));
    EXPECT_EQ(rx()->sga->Cells(rcMnemonic, 3), "");
    user.Go_To(rcPGN, 1);
    EXPECT_EQ(rx()->sga->Cells(rcMnemonic, 3), "");
    Click(rx()->Btn_Cancel);
  });
  EXPECT_FALSE(FileExists(Path_J1939_Receive));
}

// A list cell of an empty row, opened and left without a choice, stays empty
// and the table still ends where it did; a choice made by mistake is taken
// back with Delete or Backspace.
TEST_F(TableEditorTyping, AListCellLeftWithoutAChoiceStaysEmptyAndDeleteEmptiesIt) {
  Open_Transmit([&] {
    TTableUser user(Driver, tx());
    user.Enter_Rows({Tx_Named("65280", "A"), Tx_Named("65281", "B"), Tx_Named("65282", "C")});
    user.Go_To(txDataPage, 5);
    Driver.PressKey(VK_F2);
    ASSERT_TRUE(Editing(tx()));
    user.Go_To(txPGN, 1);
    EXPECT_FALSE(Editing(tx()));
    EXPECT_EQ(tx()->sga->Cells(txDataPage, 5), "");
    for (uint16_t key : {VK_DELETE, VK_BACK}) {
      user.Pick(txDataPage, 5, "1");
      ASSERT_EQ(tx()->sga->Cells(txDataPage, 5), "1");
      Driver.PressKey(key);
      EXPECT_EQ(tx()->sga->Cells(txDataPage, 5), "") << key;
    }
    Click(tx()->Btn_OK);
  });
  EXPECT_TRUE(Driver.MessageBoxes().empty());
  EXPECT_EQ(Saved(Path_J1939_Transmit, 3)[2].Attr("Mnemonic"), "C");
}

// A range left selected when the dialog closed is gone on the next show,
// which starts in the first cell.
TEST_F(TableEditorTyping, EachShowStartsInTheFirstCellWithNothingSelected) {
  Open_Receive([&] {
    rx()->sga->SetSelection(TGridRect{2, 3, rx()->sga->ColCount() - 1, rx()->sga->RowCount() - 1});
    Click(rx()->Btn_Cancel);
  });
  Open_Receive([&] {
    TGridRect s = rx()->sga->Selection();
    EXPECT_EQ(s.Left, s.Right);
    EXPECT_EQ(s.Top, s.Bottom);
    EXPECT_EQ(rx()->sga->Row(), 1);
    EXPECT_EQ(rx()->sga->Col(), rx()->sga->FixedCols());
    Click(rx()->Btn_Cancel);
  });
}

// Every show puts the focus in the table, whichever button closed the last one.
TEST_F(TableEditorTyping, EachShowStartsWithTheFocusInTheTable) {
  for (int show = 0; show < 2; ++show)
    Open_Transmit([&] {
      EXPECT_EQ(tx()->ActiveControl(), tx()->sga) << show;
      TTableUser user(Driver, tx());
      user.Enter_Row(1, Tx_Named("65280", "A"));
      Click(tx()->Btn_OK);
    });
}

}  // namespace
