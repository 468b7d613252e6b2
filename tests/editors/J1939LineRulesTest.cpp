// The row rules of the J1939 tables of the general product line and of the
// variants, each at its boundaries, with the message expected.
#include <gtest/gtest.h>

#include "editors/UReceiveJ1939.h"
#include "editors/UTransmitJ1939.h"
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

}  // namespace
