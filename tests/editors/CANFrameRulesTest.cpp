// The row rules of the plain CAN frame tables, each at its boundaries, with
// the message expected.
#include <gtest/gtest.h>

#include "editors/UReceive_CAN_Frames.h"
#include "editors/UTransmit_CAN_Frames.h"
#include "tests/editors/RuleCases.h"

namespace {

const std::string Id11 = "2.0A (11bits)";
const std::string Id29 = "2.0B (29bits)";

// A frame: identifier, type, length, eight byte positions, then the timing
// columns of the table.
TRowTexts Frame(std::string Id, std::string Type, std::string Length, TRowTexts Timing) {
  TRowTexts r = {Id, Type, Length, "0", "1", "2", "3", "4", "5", "6", "1999"};
  r.insert(r.end(), Timing.begin(), Timing.end());
  return r;
}
TRowTexts Rx(std::string Id = "256", std::string Type = Id11, std::string Length = "8") {
  return Frame(Id, Type, Length, {"100", "m"});
}
TRowTexts Tx(std::string Time = "N", std::string Ms = "") { return Frame("256", Id11, "8", {"N", Time, Ms, "t"}); }

// ---- receive ----

using ReceiveCANRules = EditorRules<Receive_CAN_Layout, Receive_CAN_Check>;
TEST_P(ReceiveCANRules, FirstFailingRowAndMessage) { Expect_Case(); }

INSTANTIATE_TEST_SUITE_P(
    Boundaries, ReceiveCANRules,
    ::testing::Values(
        TRuleCase{"plain frame", {Rx()}, 0, 0},
        TRuleCase{"no type", {Rx("256", "")}, 1, 616},
        TRuleCase{"type of blanks", {Rx("256", "  ")}, 1, 616},
        TRuleCase{"11 bits: 2047", {Rx("2047")}, 0, 0},
        TRuleCase{"11 bits: 2048", {Rx("2048")}, 1, 617},
        TRuleCase{"11 bits: -1", {Rx("-1")}, 1, 617},
        TRuleCase{"29 bits: 2048", {Rx("2048", Id29)}, 0, 0},
        TRuleCase{"29 bits: 536870911", {Rx("0x1FFFFFFF", Id29)}, 0, 0},
        TRuleCase{"29 bits: 536870912", {Rx("536870912", Id29)}, 1, 618},
        TRuleCase{"another type from a file counts as 29 bits", {Rx("4096", "CAN FD")}, 0, 0},
        TRuleCase{"length 0", {Rx("256", Id11, "0")}, 1, 619},
        TRuleCase{"length 9", {Rx("256", Id11, "9")}, 1, 619},
        TRuleCase{"length 3: bytes after it not looked at", {With(Rx("256", Id11, "3"), cfByte1 + 3, "abc")}, 0, 0},
        TRuleCase{"byte 1 at 2000", {With(Rx(), cfByte1, "2000")}, 1, 620},
        TRuleCase{"byte 8 empty", {With(Rx(), cfByte8, "")}, 1, 627},
        TRuleCase{"byte 3 negative", {With(Rx(), cfByte1 + 2, "-1")}, 1, 622},
        TRuleCase{"time-out 0", {With(Rx(), crTimeOut, "0")}, 0, 0},
        TRuleCase{"time-out 100000000", {With(Rx(), crTimeOut, "100000000")}, 0, 0},
        TRuleCase{"time-out 100000001", {With(Rx(), crTimeOut, "100000001")}, 1, 628},
        TRuleCase{"time-out empty", {Rx(), With(Rx(), crTimeOut, "")}, 2, 628},
        TRuleCase{"a frame after an empty row", {Rx(), With(Rx(), cfCobID, ""), Rx()}, 2, Msg_Row_Without_Key}));

// ---- transmit ----

using TransmitCANRules = EditorRules<Transmit_CAN_Layout, Transmit_CAN_Check>;
TEST_P(TransmitCANRules, FirstFailingRowAndMessage) { Expect_Case(); }

INSTANTIATE_TEST_SUITE_P(
    Boundaries, TransmitCANRules,
    ::testing::Values(
        TRuleCase{"plain frame", {Tx()}, 0, 0},
        TRuleCase{"no type", {With(Tx(), cfType, "")}, 1, 653},
        TRuleCase{"11 bits: 2048", {With(Tx(), cfCobID, "2048")}, 1, 654},
        TRuleCase{"29 bits: 536870912", {With(With(Tx(), cfType, Id29), cfCobID, "536870912")}, 1, 655},
        TRuleCase{"length 9", {With(Tx(), cfDimension, "9")}, 1, 656},
        TRuleCase{"byte 8 at 2000", {With(Tx(), cfByte8, "2000")}, 1, 664},
        TRuleCase{"timed: 0 ms", {Tx("Y", "0")}, 0, 0},
        TRuleCase{"timed: 100000001 ms", {Tx("Y", "100000001")}, 1, 665},
        TRuleCase{"timed: no time", {Tx("Y", "")}, 1, 665},
        TRuleCase{"lower-case flag from a file is not ticked", {Tx("y", "")}, 0, 0},
        TRuleCase{"not timed: time not looked at", {Tx("N", "abc")}, 0, 0}));

TEST_F(RulesTest, CANMessagesNameTheRowAndTheByte) {
  EXPECT_EQ(Receive_CAN_Check(Make_Cells(Receive_CAN_Layout(), {Rx(), With(Rx(), cfByte1 + 4, "2000")})).Text,
            "Error in row 2!! Byte5 must be between 0 and 1999");
  EXPECT_EQ(Transmit_CAN_Check(Make_Cells(Transmit_CAN_Layout(), {Tx("Y", "x")})).Text,
            "Error in row 1!! Time(ms) must be between 0 and 100000000 ms");
}

}  // namespace
