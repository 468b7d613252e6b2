#pragma once
// The J1939 register-mapping editors: each J1939 frame is tied to Modbus
// registers, a register taking one byte of the frame into its high part and
// one into its low part. One dialog for the received frames
// (Define_J1939_Rec.xml), one for the transmitted frames (Define_J1939_Tra.xml),
// which also says whether a Modbus write sends the frame.

#include "editors/UFrameMapEditor.h"

// Positions of the item's fields.
enum TRegisterText { rtInd_Mod };
enum TRegisterChoice { rcHiPart, rcLoPart, rcWrite };

TMapLayout Define_Rec_J1939_Layout();
TMapLayout Define_Trans_J1939_Layout();

// The register editors' rules and lines; their messages follow each other
// from First_Message (index out of range, index in use).
class TFRegisterMap : public TFFrameMapEditor {
public:
  TFRegisterMap(TComponent* AOwner, const TMapLayout& Layout, int First_Message);
  std::string ClassName() const override { return "TFRegisterMap"; }

  TListBox* LB_Modbus_Regs;
  TEdit* E_Index_Modbus;
  TComboBox* CB_Byte_High_Part;
  TComboBox* CB_Byte_Low_Part;

protected:
  int Check_Item(const TMapItem& Item, int Frame, int Pos) const override;
  std::string Item_Line(const TMapItem& Item) const override;

private:
  int first_message_;
};

class TFDefineRecJ1939 : public TFRegisterMap {
public:
  explicit TFDefineRecJ1939(TComponent* AOwner);
  ~TFDefineRecJ1939() override;
  std::string ClassName() const override { return "TFDefineRecJ1939"; }
};

class TFDefineTransJ1939 : public TFRegisterMap {
public:
  explicit TFDefineTransJ1939(TComponent* AOwner);
  ~TFDefineTransJ1939() override;
  std::string ClassName() const override { return "TFDefineTransJ1939"; }

  TComboBox* CB_SendJ1939_OnModWrite;
};

extern TFDefineRecJ1939* FDefineRecJ1939;
extern TFDefineTransJ1939* FDefineTransJ1939;
