// The steps of the main window that need an open project. Btn_Click has
// already refused them with string 22 when no project is open. The editors
// are shown modally; the output steps stop at their checks.
#include "app/UTessimatoreFirmWare.h"
#include "base/ULanguage.h"
#include "editors/UDefineJ1939Map.h"
#include "editors/UDefine_Client_SDO.h"
#include "editors/UDefine_NodeGuard.h"
#include "editors/UDefine_RPDO.h"
#include "editors/UDefine_Server_SDO.h"
#include "editors/UDefine_TPDO.h"
#include "editors/UModbusReadRequest.h"
#include "editors/UModbusWriteRequest.h"
#include "editors/UParGen.h"
#include "editors/UReceive_CAN_Frames.h"
#include "editors/UReceive_J1939_Frames_P68.h"
#include "editors/UTransmit_CAN_Frames.h"
#include "editors/UTransmit_J1939_Frames_P68.h"
#include "outputs/UOutputSteps.h"

void TFTessimatoreFirmWare::Show_ParGen() {
  if (FParGen) FParGen->ShowModal();
}

void TFTessimatoreFirmWare::Show_Receive_J1939() {
  if (FReceive_J1939_Frame_P68) FReceive_J1939_Frame_P68->ShowModal();
}

void TFTessimatoreFirmWare::Show_Transmit_J1939() {
  if (FTransmit_J1939_Frame_P68) FTransmit_J1939_Frame_P68->ShowModal();
}

void TFTessimatoreFirmWare::Show_Other_Product_Step(TObject* Sender) {
  const std::pair<TLbButton*, TForm*> steps[] = {
      {Btn_Modbus_Write_Request, FModbusWriteRequest},
      {Btn_Modbus_Read_Request, FModbusReadRequest},
      {Btn_Receive_CAN, FReceive_CAN_Frames},
      {Btn_Transmit_CAN, FTransmit_CAN_Frames},
      {Btn_Define_Receive_J1939, FDefineRecJ1939},
      {Btn_Define_Transmit_J1939, FDefineTransJ1939},
      {Btn_Define_Receive_TPDO, FDefine_TPDO},
      {Btn_Define_Transmit_RPDO, FDefine_RPDO},
      {Btn_Define_Receive_SDO, FDefine_Server_SDO_Read},
      {Btn_Define_Transmit_SDO, FDefine_Server_SDO_Write},
      {Btn_Set_SDO_Client, FDefine_Client_SDO},
      {Btn_Set_NodeGuard, FDefine_NodeGuard},
  };
  for (auto [button, form] : steps)
    if (Sender == button && form) form->ShowModal();
}

void TFTessimatoreFirmWare::Check_Create_GSD() { Run_GSD_Step(); }

void TFTessimatoreFirmWare::Update_Device() { Run_Update_Device_Step(); }

void TFTessimatoreFirmWare::Create_EDS() { ::Create_EDS(); }
