// The P61 Modbus request rules and the register/status map check, each at
// its boundaries, with the message or result code expected.
#include <gtest/gtest.h>

#include "editors/UModbus_P61_Requests.h"
#include "editors/URegs_Status_Map.h"
#include "tests/editors/RuleCases.h"

namespace {

TEST(CheckMap, ResultCodes) {
  struct TCase {
    const char* Map;
    int Points;
    bool Registers;
    int Result;
  };
  for (TCase c : std::initializer_list<TCase>{
           {"[1,2][3,4]", 2, true, 1},
           {"[1,2][3,4]", 3, true, 4},
           {" [ 1 , 2 ] ; [3,4] ", 2, true, 1},
           {"[0,0][2000,2000]", 2, true, 1},
           {"[1,2", 1, true, 2},
           {"[x,2]", 1, true, 2},
           {"[-1,2]", 1, true, 2},
           {"[2001,0]", 1, true, 3},
           {"", 0, true, 2},
           {"[5,8]", 1, false, 1},
           {"[0,1]", 1, false, 1},
           {"[5,0]", 1, false, 3},
           {"[5,9]", 1, false, 3},
           {"[1,2]x", 1, true, 2},
       })
    EXPECT_EQ(Check_Map(c.Map, c.Points, c.Registers), c.Result) << c.Map << " " << c.Points;
}

TEST(CheckMap, ParsedItemsStopAtTheFirstBadOne) {
  TMapText map = Parse_Map("[5,1][6,9][7,2]", false);
  EXPECT_EQ(map.Result, mcRange);
  ASSERT_EQ(map.Items.size(), 1u);
  EXPECT_EQ(map.Items[0].A, 5);
  EXPECT_EQ(Map_Text({{12, 13}, {14, 0}}), "[12,13][14,0]");
}

TTableLayout Write_Layout() { return Modbus_P61_Layout(Modbus_Write()); }
TTableCheck Write_Check(const TTableCells& Cells) { return Modbus_P61_Check(Modbus_Write(), Cells); }
TTableLayout Read_Layout() { return Modbus_P61_Layout(Modbus_Read()); }
TTableCheck Read_Check(const TTableCells& Cells) { return Modbus_P61_Check(Modbus_Read(), Cells); }

// Slave, type, address, points, poll time, on change, max error, map, mnemonic.
TRowTexts Wr(std::string Type = "Holding Register", std::string Points = "2", std::string Map = "[1,2][3,4]") {
  return {"1", Type, "0", Points, "0", "N", "3", Map, "w"};
}
// As a write request without on change.
TRowTexts Rd(std::string Type = "Input Register", std::string Points = "2", std::string Map = "[1,2][3,4]") {
  return {"1", Type, "0", Points, "1", "3", Map, "r"};
}

using P61WriteRules = EditorRules<Write_Layout, Write_Check>;
TEST_P(P61WriteRules, FirstFailingRowAndMessage) { Expect_Case(); }

INSTANTIATE_TEST_SUITE_P(
    Boundaries, P61WriteRules,
    ::testing::Values(
        TRuleCase{"plain request", {Wr()}, 0, 0},
        TRuleCase{"slave 248", {With(Wr(), pwSlaveID, "248")}, 1, 268},
        TRuleCase{"no type", {Wr("")}, 1, 269},
        TRuleCase{"address 65536", {With(Wr(), pwAddress, "65536")}, 1, 270},
        TRuleCase{"coils: 1968 points", {Wr("Coil Status", "1968", "")}, 1, Msg_Bare_Code(2)},
        TRuleCase{"coils: 1969 points", {Wr("Coil Status", "1969")}, 1, 271},
        TRuleCase{"registers: 124 points", {Wr("Holding Register", "124")}, 1, 271},
        TRuleCase{"poll time 100000001", {With(Wr(), pwPollTime, "100000001")}, 1, 272},
        TRuleCase{"max error -1", {With(Wr(), pwMaxError, "-1")}, 1, 273},
        TRuleCase{"map of three items for two points", {Wr("Holding Register", "2", "[1,2][3,4][5,6]")}, 1,
                  Msg_Bare_Code(4)},
        TRuleCase{"map out of range", {Wr("Holding Register", "1", "[2001,0]")}, 1, Msg_Bare_Code(3)},
        TRuleCase{"coils map needs bits", {Wr("Coil Status", "1", "[5,0]")}, 1, Msg_Bare_Code(3)},
        TRuleCase{"coils map", {Wr("Coil Status", "2", "[5,8][6,1]")}, 0, 0},
        // Every row that is written is checked, also after an empty one.
        TRuleCase{"rows 1 and 3", {Wr(), {}, Wr("Holding Register", "1")}, 3, Msg_Bare_Code(4)},
        TRuleCase{"data without a slave", {Wr(), With(Wr(), pwSlaveID, "")}, 2, Msg_Row_Without_Key}));

using P61ReadRules = EditorRules<Read_Layout, Read_Check>;
TEST_P(P61ReadRules, FirstFailingRowAndMessage) { Expect_Case(); }

INSTANTIATE_TEST_SUITE_P(
    Boundaries, P61ReadRules,
    ::testing::Values(
        TRuleCase{"plain request", {Rd()}, 0, 0},
        TRuleCase{"slave 0", {With(Rd(), pwSlaveID, "0")}, 1, 294},
        TRuleCase{"coils checked in bit mode", {Rd("Coil Status", "1", "[1,8]")}, 0, 0},
        TRuleCase{"coils: 2001 points", {Rd("Coil Status", "2001")}, 1, 297},
        TRuleCase{"registers: 126 points", {Rd("Input Register", "126")}, 1, 297},
        TRuleCase{"poll time 0", {With(Rd(), pwPollTime, "0")}, 1, 298},
        TRuleCase{"max error 100000001", {With(Rd(), pwMaxError - 1, "100000001")}, 1, 299},
        TRuleCase{"no map", {Rd("Input Register", "2", "")}, 1, Msg_Bare_Code(2)},
        TRuleCase{"rows 1 and 3", {Rd(), {}, With(Rd(), pwSlaveID, "0")}, 3, 294}));

TEST_F(RulesTest, MapFailureIsTheBareCodeWithoutIcon) {
  TTableCheck r = Write_Check(Make_Cells(Write_Layout(), {Wr("Holding Register", "3")}));
  EXPECT_EQ(r.Text, "4");
  EXPECT_TRUE(r.Bare);
}

}  // namespace
