#include "editors/UModbusReadRequest.h"

TFModbusReadRequest* FModbusReadRequest = nullptr;

TFModbusReadRequest::TFModbusReadRequest(TComponent* AOwner)
    : TTableEditorWindow(
          AOwner, Modbus_IP_Layout(Modbus_Read()), [](const TTableCells& Cells) { return Modbus_IP_Check(Modbus_Read(), Cells); },
          FModbusReadRequest) {}
