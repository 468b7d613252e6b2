#pragma once
// The Modbus request tables of variant P61, which ties every polled or
// written point to bytes of J1939 frames through the request's register/
// status map. The write and read tables are twins (the write table has the
// On Change column); both open the map dialog for one request.

#include "editors/UModbus_Request_Tables.h"
#include "editors/UTableCheck.h"
#include "editors/UTableEditor.h"

// Columns of the write table (real indexes); the read table has no
// pwOnChange, so its later columns stand one to the left.
enum TModbusP61Col { pwNumber, pwSlaveID, pwType, pwAddress, pwNPoint, pwPollTime, pwOnChange, pwMaxError, pwMap, pwMnemonic };
int Modbus_P61_Col(const TModbusDirection& Direction, TModbusP61Col Col);

TTableLayout Modbus_P61_Layout(const TModbusDirection& Direction);
// The request rules, then the map: a map that fails its check shows the
// bare result code.
TTableCheck Modbus_P61_Check(const TModbusDirection& Direction, const TTableCells& Cells);

class TFModbusReq_P61 : public TFTableEditor {
public:
  TFModbusReq_P61(TComponent* AOwner, const TModbusDirection& Direction, TTableRules Rules);
  std::string ClassName() const override { return "TFModbusReq_P61"; }

  TLbButton* Btn_RegMap;

  int Check_Map(const std::string& str_map, int NumPoint, bool TypePoint) const;
  // Opens the map dialog for the request of Index_Row and stores its map on OK.
  void Set_Map(int Index_Row);
  void Btn_RegMapClick(TObject* Sender);
  void DblClickCell(TObject* Sender, int ARow, int ACol);

private:
  bool Has_Request(int Row) const;
  const TModbusDirection& direction_;
};

class TFModbusWriteReq_P61 : public TFModbusReq_P61 {
public:
  explicit TFModbusWriteReq_P61(TComponent* AOwner);
  ~TFModbusWriteReq_P61() override;
  std::string ClassName() const override { return "TFModbusWriteReq_P61"; }
  TExtColumnGrid* ACG_Modbus_Write() const { return sga; }
};

class TFModbusReadReq_P61 : public TFModbusReq_P61 {
public:
  explicit TFModbusReadReq_P61(TComponent* AOwner);
  ~TFModbusReadReq_P61() override;
  std::string ClassName() const override { return "TFModbusReadReq_P61"; }
  TExtColumnGrid* ACG_Modbus_Read() const { return sga; }
};

extern TFModbusWriteReq_P61* FModbusWriteReq_P61;
extern TFModbusReadReq_P61* FModbusReadReq_P61;
