#pragma once
// The server SDO mapping editors: objects that a CANopen master reads
// (CANopen_Define_Server_SDO_Read.xml, on the received J1939 frames) or
// writes (CANopen_Define_Server_SDO_Write.xml, on the transmitted frames),
// each of 1, 2 or 4 bytes, every byte taken from a byte of its frame.

#include "editors/UFrameMapEditor.h"

enum TSDOText { stIndex, stSubIndex };
enum TSDOChoice { scDimension, scByte1, scByte2, scByte3, scByte4, scSend_on_Write };

TMapLayout Server_SDO_Read_Layout();
TMapLayout Server_SDO_Write_Layout();

// The object editors' rules, lines and size-dependent byte lists; their
// messages follow each other from First_Message (index, sub-index, in use).
class TFServerSDOMap : public TFFrameMapEditor {
public:
  TFServerSDOMap(TComponent* AOwner, const TMapLayout& Layout, int First_Message);
  std::string ClassName() const override { return "TFServerSDOMap"; }

  TListBox* LB_SDOs;
  TEdit* E_Index_SDO;
  TEdit* E_Sub_SDO;
  TComboBox* CB_Dim_SDO;
  TComboBox* CB_Byte1_SDO;
  TComboBox* CB_Byte2_SDO;
  TComboBox* CB_Byte3_SDO;
  TComboBox* CB_Byte4_SDO;

  // Enables the byte lists that the chosen size uses.
  void Aggiorna_Byte_SDO();

protected:
  int Check_Item(const TMapItem& Item, int Frame, int Pos) const override;
  std::string Item_Line(const TMapItem& Item) const override;
  void Fields_Changed() override { Aggiorna_Byte_SDO(); }

private:
  int first_message_;
};

class TFDefine_Server_SDO_Read : public TFServerSDOMap {
public:
  explicit TFDefine_Server_SDO_Read(TComponent* AOwner);
  ~TFDefine_Server_SDO_Read() override;
  std::string ClassName() const override { return "TFDefine_Server_SDO_Read"; }
};

class TFDefine_Server_SDO_Write : public TFServerSDOMap {
public:
  explicit TFDefine_Server_SDO_Write(TComponent* AOwner);
  ~TFDefine_Server_SDO_Write() override;
  std::string ClassName() const override { return "TFDefine_Server_SDO_Write"; }

  TComboBox* CB_SDO_Send_on_Write;
};

extern TFDefine_Server_SDO_Read* FDefine_Server_SDO_Read;
extern TFDefine_Server_SDO_Write* FDefine_Server_SDO_Write;
