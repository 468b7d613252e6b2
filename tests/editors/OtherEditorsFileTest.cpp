// The section files of the other products' editors: optional attributes
// with their defaults, files of the other family that do not load, and the
// boxes their dialogs show.
#include <gtest/gtest.h>

#include "editors/UModbusReadRequest.h"
#include "editors/UModbus_P61_Requests.h"
#include "editors/UTableFile.h"
#include "editors/UTransmitJ1939.h"
#include "tests/editors/TableEditorFixture.h"

namespace {

class OtherEditorsFile : public TableEditorFixture {};

TEST_F(OtherEditorsFile, OptionalAttributesTakeTheirDefaults) {
  const std::string row = "SlaveID=\"1\" Type=\"Input Register\" Address=\"0\" NPoint=\"1\" PollTime=\"1\" MaxError=\"0\" ";
  Write_Project_File("Modbus_Read_Req.xml", "<ModbusReadRequest><row IP_Address=\"10.0.0.1\" Port=\"502\" " + row +
                                                "Position=\"0\" StartBit=\"\" Mnemonic=\"m\"/></ModbusReadRequest>");
  TTableLayout ip = Modbus_IP_Layout(Modbus_Read());
  TTableCells cells(ip);
  EXPECT_TRUE(Load_Table_File(ip, Path_Modbus_Read_Req, cells).Complete);
  EXPECT_EQ(cells.Cell(Modbus_IP_Col(Modbus_Read(), mwSwap), 1), "N");

  Write_Project_File("Modbus_Read_Req.xml", "<ModbusWriteRequest><row " + row + "Mnemonic=\"m\"/></ModbusWriteRequest>");
  TTableLayout p61 = Modbus_P61_Layout(Modbus_Read());
  TTableCells map_cells(p61);
  EXPECT_TRUE(Load_Table_File(p61, Path_Modbus_Read_Req, map_cells).Complete);
  EXPECT_EQ(map_cells.Cell(Modbus_P61_Col(Modbus_Read(), pwMap), 1), "");
  // An empty map fails its check on OK with the bare code, in a box without icon.
  Driver.InModal([&] {
    Driver.ExpectMessage("2", mrOk);
    Click(FModbusReadReq_P61->Btn_OK);
    EXPECT_TRUE(FModbusReadReq_P61->Visible());
    Click(FModbusReadReq_P61->Btn_Cancel);
  });
  FModbusReadReq_P61->ShowModal();
  ASSERT_EQ(Driver.MessageBoxes().size(), 1u);
  EXPECT_EQ(Driver.MessageBoxes()[0].Type, mtCustom);
}

// This build's transmit file lacks TransmitionType: the load stops at the
// first row with the error box, and OK asks before replacing the file.
TEST_F(OtherEditorsFile, FileOfTheOtherFamilyDoesNotLoad) {
  std::string file = "<ReceiveNMEA2000><row Priority=\"3\" DataPage=\"1\" PGN=\"256\" SourceAddress=\"0\" NumByte=\"8\" "
                     "Mnemonic=\"m\"/></ReceiveNMEA2000>";
  Write_Project_File("J1939_Transmit.xml", file);
  Driver.ExpectMessage("", mrOk);
  Driver.InModal([&] {
    EXPECT_EQ(FTransmitJ1939->sga->Cells(ttPriority, 1), "3");
    EXPECT_EQ(FTransmitJ1939->sga->Cells(ttTransmitionType, 1), "");
    Driver.ExpectMessage("", mrNo);
    Click(FTransmitJ1939->Btn_OK);
    Click(FTransmitJ1939->Btn_Cancel);
  });
  FTransmitJ1939->ShowModal();
  EXPECT_NE(Driver.MessageBoxes()[0].Text.find("TransmitionType"), std::string::npos) << Driver.MessageBoxes()[0].Text;
  EXPECT_EQ(Project_File("J1939_Transmit.xml"), file);
}

TEST_F(OtherEditorsFile, ModbusDeleteQuestionEndsWithItsSecondText) {
  Driver.InModal([&] {
    FModbusReadRequest->sga->SetRow(3);
    Driver.ExpectMessage("Are you sure to delete the Row number 3?", mrNo);
    Click(FModbusReadRequest->Btn_DelRow);
    Click(FModbusReadRequest->Btn_Cancel);
  });
  FModbusReadRequest->ShowModal();
  EXPECT_TRUE(Driver.ScriptDone());
}

}  // namespace
