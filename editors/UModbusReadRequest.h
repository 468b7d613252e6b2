#pragma once
// The Modbus read requests of a Modbus TCP client, kept in Modbus_Read_Req.xml.

#include "editors/UModbus_IP_Requests.h"
#include "editors/UTableEditor.h"

class TFModbusReadRequest : public TTableEditorWindow<TFModbusReadRequest> {
public:
  explicit TFModbusReadRequest(TComponent* AOwner);
  std::string ClassName() const override { return "TFModbusReadRequest"; }
  bool Check_IP_Address(const std::string& IP_Address) const { return ::Check_IP_Address(IP_Address); }
};

extern TFModbusReadRequest* FModbusReadRequest;
