#include "app/UWindows.h"

#include "app/UAbout.h"
#include "app/UNew_Project.h"
#include "app/UOpenConf.h"
#include "app/USoftOptions.h"
#include "app/UTessimatoreFirmWare.h"
#include "editors/UConf_Regs_P61.h"
#include "editors/UDefineJ1939Map.h"
#include "editors/UDefine_Client_SDO.h"
#include "editors/UDefine_NodeGuard.h"
#include "editors/UDefine_RPDO.h"
#include "editors/UDefine_Server_SDO.h"
#include "editors/UDefine_TPDO.h"
#include "editors/UModbusReadRequest.h"
#include "editors/UModbusWriteRequest.h"
#include "editors/UModbus_P61_Requests.h"
#include "editors/UParGen.h"
#include "editors/UReceiveJ1939.h"
#include "editors/UReceiveJ1939_P63.h"
#include "editors/UReceive_CAN_Frames.h"
#include "editors/UReceive_J1939_Frames_P68.h"
#include "editors/UTransmitJ1939.h"
#include "editors/UTransmitJ1939_P63.h"
#include "editors/UTransmit_CAN_Frames.h"
#include "editors/UTransmit_J1939_Frame_Atmel_P75.h"
#include "editors/UTransmit_J1939_Frames_P68.h"
#include "outputs/UBootCANForm.h"
#include "outputs/UBootSerForm.h"
#include "outputs/UBootTCPForm.h"

void Create_Windows() {
  Application->CreateForm(FTessimatoreFirmWare);
  // The shell's dialogs register themselves as they are created.
  Application->CreateForm(FNew_Project);
  Application->CreateForm(FOpenConf);
  Application->CreateForm(FAbout);
  Application->CreateForm(FSoftOptions);
  Application->CreateForm(FParGen);
  Application->CreateForm(FReceive_J1939_Frame_P68);
  Application->CreateForm(FTransmit_J1939_Frame_P68);
  // Editors of other products: no step shows them in this build.
  Application->CreateForm(FReceiveJ1939);
  Application->CreateForm(FTransmitJ1939);
  Application->CreateForm(FModbusWriteRequest);
  Application->CreateForm(FModbusReadRequest);
  Application->CreateForm(FReceive_J1939_P63);
  Application->CreateForm(FTransmit_J1939_P63);
  Application->CreateForm(FTransmit_J1939_Frame_Atmel_P75);
  Application->CreateForm(FModbusReadReq_P61);
  Application->CreateForm(FModbusWriteReq_P61);
  Application->CreateForm(FConf_Regs_P61);
  Application->CreateForm(FReceive_CAN_Frames);
  Application->CreateForm(FTransmit_CAN_Frames);
  Application->CreateForm(FDefineRecJ1939);
  Application->CreateForm(FDefineTransJ1939);
  Application->CreateForm(FDefine_TPDO);
  Application->CreateForm(FDefine_RPDO);
  Application->CreateForm(FDefine_Server_SDO_Read);
  Application->CreateForm(FDefine_Server_SDO_Write);
  Application->CreateForm(FDefine_Client_SDO);
  Application->CreateForm(FDefine_NodeGuard);
  Application->CreateForm(FBootCAN);
  Application->CreateForm(FBootSer);
  Application->CreateForm(FBootTCP);
  // The serial wizard keeps the texts of start-up.
  FTessimatoreFirmWare->Add_Language_Window([] {
    if (FBootCAN) FBootCAN->Set_Lang();
    if (FBootTCP) FBootTCP->Set_Lang();
  });
}
