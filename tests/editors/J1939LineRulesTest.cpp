// The row rules of the J1939 tables of the general product line and of the
// variants, each at its boundaries, with the message expected.
#include <gtest/gtest.h>

#include "editors/UReceiveJ1939.h"
#include "editors/UReceiveJ1939_P63.h"
#include "editors/UTransmitJ1939.h"
#include "editors/UTransmitJ1939_P63.h"
#include "editors/UTransmit_J1939_Frame_Atmel_P75.h"
#include "tests/editors/RuleCases.h"

namespace {

// A received frame: data page, PGN, source address, transport protocol,
// start, count, cancel data, mnemonic.
TRowTexts Line_Rx(std::string TP = "N", std::string Start = "", std::string Count = "") {
  return {"0", "256", "1", TP, Start, Count, "N", "m"};
}

// ---- general line, receive ----

using ReceiveJ1939Rules = EditorRules<ReceiveJ1939_Layout, ReceiveJ1939_Check>;
TEST_P(ReceiveJ1939Rules, FirstFailingRowAndMessage) { Expect_Case(); }

INSTANTIATE_TEST_SUITE_P(
    Boundaries, ReceiveJ1939Rules,
    ::testing::Values(
        TRuleCase{"empty table", {}, 0, 0},
        TRuleCase{"plain row", {Line_Rx()}, 0, 0},
        TRuleCase{"data page empty", {Line_Rx(), With(Line_Rx(), lrDataPage, "")}, 2, 88},
        // Only 0 and 1 are data pages, whatever a hand-edited file holds.
        TRuleCase{"data page of blanks", {With(Line_Rx(), lrDataPage, "  ")}, 1, 88},
        TRuleCase{"PGN 65535", {With(Line_Rx(), lrPGN, "0xFFFF")}, 0, 0},
        TRuleCase{"PGN 65536", {With(Line_Rx(), lrPGN, "65536")}, 1, 89},
        TRuleCase{"source 239", {With(Line_Rx(), lrSourceAddress, "239")}, 0, 0},
        TRuleCase{"source 240", {With(Line_Rx(), lrSourceAddress, "240")}, 1, 90},
        TRuleCase{"long message from byte 1", {Line_Rx("Y", "1", "1784")}, 0, 0},
        TRuleCase{"long message from byte 0", {Line_Rx("Y", "0", "5")}, 1, 91},
        TRuleCase{"long message past its end", {Line_Rx("Y", "1", "1785")}, 1, 92},
        TRuleCase{"long message of no bytes", {Line_Rx("Y", "1", "0")}, 1, 92},
        TRuleCase{"no transport protocol: bytes not looked at", {Line_Rx("N", "abc", "x")}, 0, 0},
        TRuleCase{"lower-case flag is not ticked", {Line_Rx("y", "0", "")}, 0, 0},
        TRuleCase{"data after the end", {Line_Rx(), With(Line_Rx(), lrPGN, "")}, 2, Msg_Row_Without_Key},
        TRuleCase{"control character", {With(Line_Rx(), lrMnemonic, "a\x01b")}, 1, Msg_Unsavable_Char},
        TRuleCase{"250 frames", Times(Line_Rx(), 250), 0, 0}));

// ---- general line, transmit ----

// A transmitted frame: priority, data page, PGN, source address, type, timer, mnemonic.
TRowTexts Line_Tx(std::string Type = "On Data Change", std::string Timer = "") {
  return {"6", "0", "256", "2", Type, Timer, "t"};
}

using TransmitJ1939Rules = EditorRules<TransmitJ1939_Layout, TransmitJ1939_Check>;
TEST_P(TransmitJ1939Rules, FirstFailingRowAndMessage) { Expect_Case(); }

INSTANTIATE_TEST_SUITE_P(
    Boundaries, TransmitJ1939Rules,
    ::testing::Values(
        TRuleCase{"plain row", {Line_Tx()}, 0, 0},
        TRuleCase{"priority 8", {With(Line_Tx(), ttPriority, "8")}, 1, 108},
        TRuleCase{"priority empty", {With(Line_Tx(), ttPriority, "")}, 1, 108},
        TRuleCase{"data page 2", {With(Line_Tx(), ttDataPage, "2")}, 1, 109},
        TRuleCase{"PGN 65536", {With(Line_Tx(), ttPGN, "65536")}, 1, 110},
        TRuleCase{"source 240", {With(Line_Tx(), ttSourceAddress, "240")}, 1, 111},
        TRuleCase{"no type", {Line_Tx("")}, 1, 112},
        TRuleCase{"another type", {Line_Tx("On Request")}, 1, 112},
        TRuleCase{"timer 1 ms", {Line_Tx("On Timer", "1")}, 0, 0},
        TRuleCase{"timer 65535 ms", {Line_Tx("On Timer", "65535")}, 0, 0},
        TRuleCase{"timer 65536 ms", {Line_Tx("On Timer", "65536")}, 1, 113},
        TRuleCase{"timer 0 ms", {Line_Tx("On Timer", "0")}, 1, 113},
        TRuleCase{"typed type in lower case with blanks", {Line_Tx("  on timer ", "65536")}, 1, 113},
        TRuleCase{"data change: timer not looked at", {Line_Tx("ON DATA CHANGE", "x")}, 0, 0},
        TRuleCase{"a priority without PGN ends the table",
                  {Line_Tx(), With(Line_Tx(), ttPGN, "")}, 2, Msg_Row_Without_Key}));

// ---- variant P63, receive ----

using ReceiveP63Rules = EditorRules<Receive_J1939_P63_Layout, Receive_J1939_P63_Check>;
TEST_P(ReceiveP63Rules, FirstFailingRowAndMessage) { Expect_Case(); }

INSTANTIATE_TEST_SUITE_P(
    Boundaries, ReceiveP63Rules,
    ::testing::Values(
        TRuleCase{"whole frame by empty cells", {Line_Rx()}, 0, 0},
        TRuleCase{"bytes 3 to 7", {Line_Rx("N", "3", "5")}, 0, 0},
        TRuleCase{"bytes 3 to 8", {Line_Rx("N", "3", "6")}, 1, 327},
        TRuleCase{"start 7, one byte", {Line_Rx("N", "7", "1")}, 0, 0},
        TRuleCase{"start 8", {Line_Rx("N", "8", "")}, 1, 326},
        TRuleCase{"start -1", {Line_Rx("N", "-1", "")}, 1, 326},
        TRuleCase{"start not a number counts as 0", {Line_Rx("N", "x", "8")}, 0, 0},
        TRuleCase{"no bytes", {Line_Rx("N", "0", "0")}, 1, 327},
        TRuleCase{"long message from byte 0 to its end", {Line_Rx("Y", "0", "1785")}, 0, 0},
        TRuleCase{"long message past its end", {Line_Rx("Y", "1", "1785")}, 1, 92},
        TRuleCase{"long message start 1786", {Line_Rx("Y", "1786", "1")}, 1, 91},
        TRuleCase{"long message without bytes", {Line_Rx("Y", "0", "")}, 1, 92},
        TRuleCase{"PGN 65536", {With(Line_Rx(), lrPGN, "65536")}, 1, 89}));

// ---- variant P63, transmit ----

// Priority, data page, PGN, source address, bytes, request, data change, on timer, timer, mnemonic.
TRowTexts P63_Tx(std::string Bytes = "8", std::string Timer_Flag = "N", std::string Timer = "") {
  return {"6", "0", "256", "2", Bytes, "Y", "N", Timer_Flag, Timer, "t"};
}

using TransmitP63Rules = EditorRules<Transmit_J1939_P63_Layout, Transmit_J1939_P63_Check>;
TEST_P(TransmitP63Rules, FirstFailingRowAndMessage) { Expect_Case(); }

INSTANTIATE_TEST_SUITE_P(
    Boundaries, TransmitP63Rules,
    ::testing::Values(
        TRuleCase{"plain row", {P63_Tx()}, 0, 0},
        TRuleCase{"priority 8", {With(P63_Tx(), tpPriority, "8")}, 1, 108},
        TRuleCase{"source 240", {With(P63_Tx(), tpSourceAddress, "240")}, 1, 111},
        TRuleCase{"1785 bytes", {P63_Tx("1785")}, 0, 0},
        TRuleCase{"1786 bytes", {P63_Tx("1786")}, 1, 328},
        TRuleCase{"no byte count", {P63_Tx("")}, 1, 328},
        TRuleCase{"timer 65535 ms", {P63_Tx("8", "Y", "65535")}, 0, 0},
        TRuleCase{"timer 0 ms", {P63_Tx("8", "Y", "0")}, 1, 113},
        TRuleCase{"lower-case flag from a file counts as ticked", {P63_Tx("8", "y", "")}, 1, 113},
        TRuleCase{"not on timer: timer not looked at", {P63_Tx("8", "N", "x")}, 0, 0}));

// ---- variant P75, transmit ----

TRowTexts P75_Tx(std::string Priority = "7", std::string PGN = "65535") { return {Priority, "0", PGN, "239", "m"}; }

using TransmitP75Rules = EditorRules<Transmit_J1939_P75_Layout, Transmit_J1939_P75_Check>;
TEST_P(TransmitP75Rules, FirstFailingRowAndMessage) { Expect_Case(); }

INSTANTIATE_TEST_SUITE_P(
    Boundaries, TransmitP75Rules,
    ::testing::Values(
        TRuleCase{"highest values", {P75_Tx()}, 0, 0},
        TRuleCase{"priority 8", {P75_Tx("8")}, 1, 680},
        TRuleCase{"data page empty", {With(P75_Tx(), t5DP, " ")}, 1, 681},
        TRuleCase{"PGN 65536", {P75_Tx("7", "65536")}, 1, 682},
        TRuleCase{"source 240", {With(P75_Tx(), t5ID_DEV, "240")}, 1, 683},
        TRuleCase{"a priority without PGN ends the table", {P75_Tx(), P75_Tx("7", "")}, 2, Msg_Row_Without_Key},
        TRuleCase{"250 frames", Times(P75_Tx(), 250), 0, 0}));

}  // namespace
