// The row rules of the Modbus request tables, each at its boundaries, with
// the message expected; the address check on its own.
#include <gtest/gtest.h>

#include "editors/UModbusReadRequest.h"
#include "editors/UModbusWriteRequest.h"
#include "tests/editors/RuleCases.h"

namespace {

TEST(CheckIPAddress, TellsInvalidAddresses) {
  struct TCase {
    const char* Text;
    bool Invalid;
  };
  for (TCase c : std::initializer_list<TCase>{{"192.168.1.125", false},
                                             {"0.0.0.0", false},
                                             {"255.255.255.255", false},
                                             {"  192.168.1.125", false},
                                             {"0xC0.168.1.1", false},
                                             {"", true},
                                             {"192.168.1", true},
                                             {"192.168.1.125.7", true},
                                             {"192.168.1.256", true},
                                             {"192.168.1.125 ", true},
                                             {"192.168..1", true},
                                             {"a.b.c.d", true},
                                             {"-1.0.0.0", true}})
    EXPECT_EQ(Check_IP_Address(c.Text), c.Invalid) << c.Text;
}

TTableLayout Write_Layout() { return Modbus_IP_Layout(Modbus_Write()); }
TTableCheck Write_Check(const TTableCells& Cells) { return Modbus_IP_Check(Modbus_Write(), Cells); }
TTableLayout Read_Layout() { return Modbus_IP_Layout(Modbus_Read()); }
TTableCheck Read_Check(const TTableCells& Cells) { return Modbus_IP_Check(Modbus_Read(), Cells); }

// A write request: address, port, slave, type, address, points, poll time,
// on change, max error, position, start bit, swap, mnemonic.
TRowTexts Wr(std::string Type = "Holding Register", std::string Points = "10", std::string Start_Bit = "") {
  return {"192.168.1.125", "502", "1", Type, "0", Points, "0", "N", "3", "0", Start_Bit, "N", "w"};
}
// A read request: as a write request without on change.
TRowTexts Rd(std::string Type = "Input Register", std::string Points = "10", std::string Start_Bit = "") {
  return {"192.168.1.125", "502", "1", Type, "0", Points, "1", "3", "0", Start_Bit, "N", "r"};
}

using ModbusWriteRules = EditorRules<Write_Layout, Write_Check>;
TEST_P(ModbusWriteRules, FirstFailingRowAndMessage) { Expect_Case(); }

INSTANTIATE_TEST_SUITE_P(
    Boundaries, ModbusWriteRules,
    ::testing::Values(
        TRuleCase{"plain request", {Wr()}, 0, 0},
        TRuleCase{"address with a trailing blank", {With(Wr(), mwIP_Address, "192.168.1.125 ")}, 1, 322},
        TRuleCase{"port 0", {With(Wr(), mwPort, "0")}, 1, 323},
        TRuleCase{"port 65535", {With(Wr(), mwPort, "65535")}, 0, 0},
        TRuleCase{"port 65536", {With(Wr(), mwPort, "65536")}, 1, 323},
        TRuleCase{"slave 0", {With(Wr(), mwSlaveID, "0")}, 1, 268},
        TRuleCase{"slave 248", {With(Wr(), mwSlaveID, "248")}, 1, 268},
        TRuleCase{"no type", {Wr("")}, 1, 269},
        TRuleCase{"address 65536", {With(Wr(), mwAddress, "65536")}, 1, 270},
        TRuleCase{"coils: 1968 points", {Wr("Coil Status", "1968", "0")}, 0, 0},
        TRuleCase{"coils: 1969 points", {Wr("Coil Status", "1969", "0")}, 1, 271},
        TRuleCase{"registers: 123 points", {Wr("Holding Register", "123")}, 0, 0},
        TRuleCase{"registers: 124 points", {Wr("Holding Register", "124")}, 1, 271},
        TRuleCase{"no points", {Wr("Holding Register", "0")}, 1, 271},
        TRuleCase{"poll time 0", {Wr()}, 0, 0},
        TRuleCase{"poll time 100000001", {With(Wr(), mwPollTime, "100000001")}, 1, 272},
        TRuleCase{"max error -1", {With(Wr(), mwMaxError, "-1")}, 1, 273},
        TRuleCase{"position 4999 from a file", {With(Wr(), mwPosition, "4999")}, 0, 0},
        TRuleCase{"position 5000", {With(Wr(), mwPosition, "5000")}, 1, 274},
        TRuleCase{"coils without start bit", {Wr("Coil Status", "1", "")}, 1, 275},
        TRuleCase{"registers without start bit", {Wr("Holding Register", "1", "")}, 0, 0},
        // Every row that is written is checked, also after an empty one.
        TRuleCase{"rows 1 and 3", {Wr(), {}, With(Wr(), mwPort, "0")}, 3, 323},
        TRuleCase{"data without an address", {Wr(), With(Wr(), mwIP_Address, " ")}, 2, Msg_Row_Without_Key},
        TRuleCase{"480 requests", Times(Wr(), 480), 0, 0}));

using ModbusReadRules = EditorRules<Read_Layout, Read_Check>;
TEST_P(ModbusReadRules, FirstFailingRowAndMessage) { Expect_Case(); }

const int rdMaxError = mwMaxError - 1, rdPosition = mwPosition - 1, rdStartBit = mwStartBit - 1;

INSTANTIATE_TEST_SUITE_P(
    Boundaries, ModbusReadRules,
    ::testing::Values(
        TRuleCase{"plain request", {Rd()}, 0, 0},
        TRuleCase{"no address", {With(Rd(), mwIP_Address, "192.168.1")}, 1, 319},
        TRuleCase{"port 0", {With(Rd(), mwPort, "0")}, 1, 323},
        TRuleCase{"slave 248", {With(Rd(), mwSlaveID, "248")}, 1, 294},
        TRuleCase{"no type", {Rd("")}, 1, 295},
        TRuleCase{"address -1", {With(Rd(), mwAddress, "-1")}, 1, 296},
        TRuleCase{"input status: 2000 points", {Rd("Input Status", "2000", "7")}, 0, 0},
        TRuleCase{"coils: 2001 points", {Rd("Coil Status", "2001", "7")}, 1, 297},
        TRuleCase{"input registers: 125 points", {Rd("Input Register", "125")}, 0, 0},
        TRuleCase{"holding registers: 126 points", {Rd("Holding Register", "126")}, 1, 297},
        TRuleCase{"poll time 0", {With(Rd(), mwPollTime, "0")}, 1, 298},
        TRuleCase{"max error 100000001", {With(Rd(), rdMaxError, "100000001")}, 1, 299},
        TRuleCase{"position 1999", {With(Rd(), rdPosition, "1999")}, 0, 0},
        TRuleCase{"position 2000", {With(Rd(), rdPosition, "2000")}, 1, 300},
        TRuleCase{"input status without start bit", {Rd("Input Status", "1", "")}, 1, 301},
        TRuleCase{"type in lower case is a bit type", {Rd(" input status ", "1", "")}, 1, 301},
        TRuleCase{"input registers ignore the start bit", {With(Rd(), rdStartBit, "")}, 0, 0}));

TEST_F(RulesTest, ModbusMessagesKeepTheirTexts) {
  EXPECT_EQ(Write_Check(Make_Cells(Write_Layout(), {Wr("Holding Register", "124")})).Text,
            "Error row 1!! NPoint must be between 1 and ");
  EXPECT_EQ(Read_Check(Make_Cells(Read_Layout(), {Rd(), With(Rd(), mwPort, "0")})).Text,
            "Error row 2!! Port must be between 0 and 65535");
}

}  // namespace
