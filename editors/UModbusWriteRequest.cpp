#include "editors/UModbusWriteRequest.h"

TFModbusWriteRequest* FModbusWriteRequest = nullptr;

TFModbusWriteRequest::TFModbusWriteRequest(TComponent* AOwner)
    : TTableEditorWindow(
          AOwner, Modbus_IP_Layout(Modbus_Write()), [](const TTableCells& Cells) { return Modbus_IP_Check(Modbus_Write(), Cells); },
          FModbusWriteRequest) {}
