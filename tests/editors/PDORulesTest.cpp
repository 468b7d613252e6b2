// The row rules of the two PDO tables at their boundaries, with the message
// expected.
#include <gtest/gtest.h>

#include "base/ULanguage.h"
#include "editors/UDefine_PDO.h"
#include "tests/editors/TableCells.h"

namespace {

struct TPDOCase {
  const char* Name;
  TRowTexts Row;  // COB-ID, Dimension, Offset, Frame, then the table's own columns
  int Transmit_Message;  // 0 when the row passes
  int Receive_Message;
};

void PrintTo(const TPDOCase& c, std::ostream* os) { *os << c.Name; }

class PDORules : public ::testing::TestWithParam<TPDOCase> {
protected:
  void SetUp() override { Load_Default_Lang(); }
  void TearDown() override { Lang_Strings.clear(); }
};

// A transmit row: the four shared columns, data change, on CAN, on timer,
// send timer, mnemonic; the receive row takes the shared columns only.
TRowTexts T(std::string Cob, std::string Dim, std::string Start, std::string On_Timer = "N",
            std::string Timer = "") {
  return {Cob, Dim, Start, "1;256;1;", "N", "", On_Timer, Timer, "m"};
}

TEST_P(PDORules, TransmitAndReceive) {
  const TPDOCase& c = GetParam();
  TTableCheck t = TPDO_Check(Make_Cells(TPDO_Layout(), {c.Row}));
  EXPECT_EQ(t.Message, c.Transmit_Message);
  EXPECT_EQ(t.Row, c.Transmit_Message ? 1 : 0);
  TRowTexts rx(c.Row.begin(), c.Row.begin() + 4);
  rx.push_back("m");
  TTableCheck r = RPDO_Check(Make_Cells(RPDO_Layout(), {rx}));
  EXPECT_EQ(r.Message, c.Receive_Message);
  if (c.Transmit_Message) {
    EXPECT_EQ(t.Text, "Error in row 1" + Lang_Text(c.Transmit_Message));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PDORules,
    ::testing::Values(TPDOCase{"plain", T("0x181", "8", "1"), 0, 0}, TPDOCase{"cob_7FF_hex", T("0x7FF", "1", "1"), 0, 0},
                      TPDOCase{"cob_dollar", T("$7FF", "1", "1"), 0, 0},
                      TPDOCase{"cob_2048", T("2048", "1", "1"), 516, 446},
                      TPDOCase{"cob_letters", T("abc", "1", "1"), 516, 446},
                      TPDOCase{"cob_trailing_space", T("1 ", "1", "1"), 516, 446},
                      TPDOCase{"dim_0", T("1", "0", "1"), 517, 447}, TPDOCase{"dim_9", T("1", "9", "1"), 517, 447},
                      TPDOCase{"start_0", T("1", "1", "0"), 518, 448}, TPDOCase{"start_9", T("1", "1", "9"), 518, 448},
                      TPDOCase{"start8_dim1", T("1", "1", "8"), 0, 0}, TPDOCase{"start8_dim2", T("1", "2", "8"), 519, 449},
                      TPDOCase{"start1_dim8", T("1", "8", "1"), 0, 0},
                      TPDOCase{"timer_empty", T("1", "1", "1", "Y", ""), 520, 0},
                      TPDOCase{"timer_lower_y", T("1", "1", "1", "y", "0"), 520, 0},
                      TPDOCase{"timer_max", T("1", "1", "1", "Y", "1000000"), 0, 0},
                      TPDOCase{"timer_over", T("1", "1", "1", "Y", "1000001"), 520, 0},
                      TPDOCase{"timer_off_letters", T("1", "1", "1", "N", "abc"), 0, 0}),
    [](const auto& info) { return std::string(info.param.Name); });

// Rows after the first empty COB-ID are not checked, but data there is reported.
TEST(PDOTable, RowsAfterTheEndAreReported) {
  Load_Default_Lang();
  TTableCheck t = TPDO_Check(Make_Cells(TPDO_Layout(), {T("1", "1", "1"), {}, T("x", "1", "1")}));
  EXPECT_EQ(t.Row, 3);
  EXPECT_EQ(t.Message, Msg_Row_After_End);
  t = RPDO_Check(Make_Cells(RPDO_Layout(), {{"1", "1", "1", "", "bell\a"}}));
  EXPECT_EQ(t.Message, Msg_Unsavable_Char);
  Lang_Strings.clear();
}

TEST(PDOTable, EntriesAndPositions) {
  TJ1939_Frame_Info f;
  f.PGN = "256";
  f.Source_Address = "3";
  EXPECT_EQ(Frame_Entry(3, f), "3;256;3;");
  EXPECT_EQ(Entry_Position("3;256;3;"), 3);
  EXPECT_EQ(Entry_Position("12;x;y;"), 12);
  EXPECT_EQ(Entry_Position(""), 0);
  EXPECT_EQ(Entry_Position("3"), 0);
  EXPECT_EQ(Entry_Position("-1;a;"), 0);
}

}  // namespace
