#pragma once
// The Modbus write requests of a Modbus TCP client, kept in Modbus_Write_Req.xml.

#include "editors/UModbus_IP_Requests.h"
#include "editors/UTableEditor.h"

class TFModbusWriteRequest : public TTableEditorWindow<TFModbusWriteRequest> {
public:
  explicit TFModbusWriteRequest(TComponent* AOwner);
  std::string ClassName() const override { return "TFModbusWriteRequest"; }
  bool Check_IP_Address(const std::string& IP_Address) const { return ::Check_IP_Address(IP_Address); }
};

extern TFModbusWriteRequest* FModbusWriteRequest;
