// The row rules of the receive and transmit tables, each at its boundaries,
// with the message expected; the frame's end-of-table and character checks.
#include <gtest/gtest.h>

#include "base/ULanguage.h"
#include "editors/UReceive_J1939_Frames_P68.h"
#include "editors/UTransmit_J1939_Frames_P68.h"
#include "tests/editors/RuleCases.h"

namespace {

std::vector<TRowTexts> Plus(std::vector<TRowTexts> Rows, const TRowTexts& Last) {
  Rows.push_back(Last);
  return Rows;
}

TRowTexts Empty_Row() { return TRowTexts(10, ""); }

// ---- receive ----

class ReceiveRules : public RulesTest {};

TEST_P(ReceiveRules, FirstFailingRowAndMessage) {
  const TRuleCase& c = GetParam();
  TTableCheck r = Receive_J1939_Check(Make_Cells(Receive_J1939_Layout(), c.Rows));
  EXPECT_EQ(r.Row, c.Row);
  EXPECT_EQ(r.Message, c.Message);
}

TRowTexts Rx_Tp(std::string Start, std::string Count) { return Rx("256", "Y", Start, Count); }
TRowTexts Rx_Req(std::string Flag, std::string Time) {
  return With(With(Rx(), rcOnRequest, Flag), rcOnReq_Time, Time);
}

INSTANTIATE_TEST_SUITE_P(
    Boundaries, ReceiveRules,
    ::testing::Values(
        TRuleCase{"empty table", {}, 0, 0},
        TRuleCase{"plain row", {Rx()}, 0, 0},
        TRuleCase{"data page 1", {With(Rx(), rcDataPage, "1")}, 0, 0},
        TRuleCase{"data page empty", {Rx(), With(Rx(), rcDataPage, "")}, 2, 540},
        TRuleCase{"data page 2", {With(Rx(), rcDataPage, "2")}, 1, 540},
        TRuleCase{"data page with a blank", {With(Rx(), rcDataPage, "1 ")}, 1, 540},
        TRuleCase{"PGN 0", {Rx("0")}, 0, 0},
        TRuleCase{"PGN 65535", {Rx("65535")}, 0, 0},
        TRuleCase{"PGN 65536", {Rx("65536")}, 1, 541},
        TRuleCase{"PGN -1", {Rx("-1")}, 1, 541},
        TRuleCase{"PGN 0x prefix", {Rx("0xFEF1")}, 0, 0},
        TRuleCase{"PGN dollar prefix", {Rx("$1F")}, 0, 0},
        TRuleCase{"PGN leading blanks", {Rx("  31")}, 0, 0},
        TRuleCase{"PGN trailing blank", {Rx("31 ")}, 1, 541},
        TRuleCase{"PGN not a number", {Rx("abc")}, 1, 541},
        TRuleCase{"source 239", {With(Rx(), rcSourceAddress, "239")}, 0, 0},
        TRuleCase{"source 240", {With(Rx(), rcSourceAddress, "240")}, 1, 542},
        TRuleCase{"source empty", {With(Rx(), rcSourceAddress, "")}, 1, 542},
        TRuleCase{"long message at its end", {Rx_Tp("1780", "5")}, 0, 0},
        TRuleCase{"long message past its end", {Rx_Tp("1780", "6")}, 1, 544},
        TRuleCase{"start 1785 no room", {Rx_Tp("1785", "1")}, 1, 544},
        TRuleCase{"start 1786", {Rx_Tp("1786", "1")}, 1, 543},
        TRuleCase{"start -1", {Rx_Tp("-1", "1")}, 1, 543},
        TRuleCase{"start empty", {Rx_Tp("", "1")}, 1, 543},
        TRuleCase{"count 0", {Rx_Tp("0", "0")}, 1, 544},
        TRuleCase{"no transport protocol: start not looked at", {Rx("256", "N", "abc", "")}, 0, 0},
        TRuleCase{"never ticked: start not looked at", {Rx("256", "", "abc", "")}, 0, 0},
        // The image reads " y " as set, so validation must too.
        TRuleCase{"lower-case flag counts as set", {Rx("256", " y ", "abc", "")}, 1, 543},
        TRuleCase{"request time 2", {Rx_Req("Y", "2")}, 0, 0},
        TRuleCase{"request time 1", {Rx_Req("Y", "1")}, 1, 546},
        TRuleCase{"request time empty", {Rx_Req("Y", "")}, 1, 546},
        TRuleCase{"request time 10000000", {Rx_Req("Y", "10000000")}, 0, 0},
        TRuleCase{"request time 10000001", {Rx_Req("Y", "10000001")}, 1, 546},
        TRuleCase{"request lower-case", {Rx_Req("y", "1")}, 1, 546},
        TRuleCase{"no request: time not looked at", {Rx_Req("N", "x")}, 0, 0},
        TRuleCase{"thirty plain frames: 240 bytes", Times(Rx(), 30), 0, 0},
        TRuleCase{"long message of 5 in thirty: 237 bytes", Plus(Times(Rx(), 29), Rx_Tp("0", "5")), 0, 0},
        TRuleCase{"long message of 13 in thirty: 245 bytes", Plus(Times(Rx(), 29), Rx_Tp("0", "13")), 30,
                  Msg_Byte_Total},
        TRuleCase{"total passes 244 at the first long row",
                  Plus(Plus(Times(Rx(), 2), Rx_Tp("0", "229")), Rx()), 3, Msg_Byte_Total},
        TRuleCase{"rows after the end ignored when empty", {Rx(), Empty_Row(), With(Empty_Row(), rcOnRequest, "N")},
                  0, 0},
        TRuleCase{"data in the row without a PGN", {Rx(), Rx(""), Rx()}, 2, Msg_Row_Without_Key},
        TRuleCase{"data after the end of the table", {Rx(), Empty_Row(), Empty_Row(), With(Empty_Row(), rcMnemonic, "x")},
                  4, Msg_Row_After_End},
        TRuleCase{"a full row after the end", {Empty_Row(), Rx()}, 2, Msg_Row_After_End},
        TRuleCase{"control character in the mnemonic", {With(Rx(), rcMnemonic, "a\x01z")}, 1, Msg_Unsavable_Char},
        TRuleCase{"invalid UTF-8 in the mnemonic", {Rx(), With(Rx(), rcMnemonic, "\xC3")}, 2, Msg_Unsavable_Char},
        TRuleCase{"markup characters and accents save", {With(Rx(), rcMnemonic, "Öl & \"Temp\" <1>")}, 0, 0}));

// ---- transmit ----

class TransmitRules : public RulesTest {};

TEST_P(TransmitRules, FirstFailingRowAndMessage) {
  const TRuleCase& c = GetParam();
  TTableCheck r = Transmit_J1939_Check(Make_Cells(Transmit_J1939_Layout(), c.Rows));
  EXPECT_EQ(r.Row, c.Row);
  EXPECT_EQ(r.Message, c.Message);
}

TRowTexts Tx_Timer(std::string Flag, std::string Time) {
  return With(With(Tx(), txOnTimer, Flag), txOnTimer_Time, Time);
}

INSTANTIATE_TEST_SUITE_P(
    Boundaries, TransmitRules,
    ::testing::Values(
        TRuleCase{"plain row", {Tx()}, 0, 0},
        TRuleCase{"priority 0", {With(Tx(), txPriority, "0")}, 0, 0},
        TRuleCase{"priority 7", {With(Tx(), txPriority, "7")}, 0, 0},
        TRuleCase{"priority 8", {With(Tx(), txPriority, "8")}, 1, 565},
        TRuleCase{"priority -1", {Tx(), With(Tx(), txPriority, "-1")}, 2, 565},
        TRuleCase{"priority not a number", {With(Tx(), txPriority, "x")}, 1, 565},
        TRuleCase{"data page empty", {Tx("256", "")}, 1, 566},
        TRuleCase{"data page 3", {Tx("256", "3")}, 1, 566},
        TRuleCase{"PGN 131071 on page 0", {Tx("131071", "0")}, 0, 0},
        TRuleCase{"PGN 131072", {Tx("131072", "0")}, 1, 567},
        TRuleCase{"PGN 65535 on page 1", {Tx("65535", "1")}, 0, 0},
        TRuleCase{"PGN 0x10000 on page 1", {Tx("0x10000", "1")}, 1, 567},
        TRuleCase{"PGN -1", {Tx("-1")}, 1, 567},
        TRuleCase{"source 240", {With(Tx(), txSourceAddress, "240")}, 1, 568},
        TRuleCase{"timer 0 ms", {Tx_Timer("Y", "0")}, 1, 569},
        TRuleCase{"timer 1 ms", {Tx_Timer("Y", "1")}, 0, 0},
        TRuleCase{"timer 10000001 ms", {Tx_Timer("Y", "10000001")}, 1, 569},
        TRuleCase{"timer lower-case flag", {Tx_Timer("y", "0")}, 1, 569},
        TRuleCase{"no timer: any time", {Tx_Timer("N", "abc")}, 0, 0},
        TRuleCase{"a PGN without priority", {Tx(), With(Tx(), txPriority, "")}, 2, Msg_Row_Without_Key},
        TRuleCase{"hidden byte count alone is no data", {Tx(), With(Empty_Row(), txNumByte, "8")}, 0, 0},
        TRuleCase{"rows after a row without priority", {With(Empty_Row(), txOnTimer, "N"), Tx()}, 2,
                  Msg_Row_After_End},
        TRuleCase{"thirty rows", Times(Tx(), 30), 0, 0}));

TEST_F(RulesTest, MessagesNameTheRowAndTheRule) {
  const TTableLayout layout = Receive_J1939_Layout();
  EXPECT_EQ(Receive_J1939_Check(Make_Cells(layout, {Rx(), Rx("65536")})).Text,
            "Error in row 2!! PGN must be between 0x00000 and 0xFFFF");
  EXPECT_EQ(Receive_J1939_Check(Make_Cells(layout, Plus(Times(Rx(), 29), Rx_Tp("0", "13")))).Text,
            "Error in row 30!! The Configuration use more of 244 bytes");
  EXPECT_EQ(Receive_J1939_Check(Make_Cells(layout, {With(Rx(), rcMnemonic, "a\x02")})).Text,
            "Error in row 1!! Mnemonic holds character U+0002, which cannot be saved");
  std::string after = Receive_J1939_Check(Make_Cells(layout, {Rx(), Empty_Row(), With(Empty_Row(), rcMnemonic, "x")})).Text;
  EXPECT_EQ(after.rfind("Error in row 3!! ", 0), 0u) << after;
  EXPECT_NE(after.find("row 2"), std::string::npos) << after;
  // A translated prefix is used.
  Lang_Strings[564] = "Fehler in Zeile ";
  EXPECT_EQ(Transmit_J1939_Check(Make_Cells(Transmit_J1939_Layout(), {With(Tx(), txPriority, "9")})).Text,
            "Fehler in Zeile 1!! Priority must be between 0 and 7");
}

}  // namespace
