#pragma once
// The register/status map of one P61 Modbus request: one grid row per point
// with the J1939 byte positions it is tied to, and a side panel listing the
// J1939 frames with their bytes, to import a position into the grid or see
// which frame and byte a position is. The request editors fill the input
// fields, show it and read its grid after OK; it writes no file.

#include <string>
#include <vector>

#include "base/UFormLook.h"
#include "grid/core/ExtCGrid.h"
#include "toolkit/forms/std/ComboBox.h"
#include "toolkit/forms/std/Splitter.h"

struct TFrame_J1939 {
  std::string Description;
  int NumByte = 0;       // the frame's data bytes
  int Offset_Start = 0;  // the data bytes of all frames before it
};

class TFConf_Regs_P61 : public TShellDialog {
public:
  explicit TFConf_Regs_P61(TComponent* AOwner);
  ~TFConf_Regs_P61() override;
  std::string ClassName() const override { return "TFConf_Regs_P61"; }

  // Input fields, set before each show.
  int Show_Type = 0;  // 0 the received frames, 1 the transmitted frames, else none
  std::string STR_SlaveID, STR_Address, STR_Type, STR_NPoint, STR_Conf_Points;

  // Working fields.
  int Type_Points = 1;  // 0 status bits, 1 registers
  int NB = 0;           // the points shown
  int Num_MAX_Byte = 0;
  std::vector<TFrame_J1939> Def_J1939;

  TPanel* Panel1;
  TLabel* L_Slave_ID;
  TLabel* L_Address;
  TLabel* L_Type;
  TLabel* L_NPoint;
  TExtColumnGrid* ACG_Modbus_Regs;
  TPanel* P_Compile;
  TSplitter* Splitter1;  // between the grid and P_Compile: resizes P_Compile
  TLabel* L_J1939Frame;
  TComboBox* CB_Sel_FrameJ1939;
  TLabel* L_SelByte;
  TComboBox* CB_Available_Byte;
  TLbButton* Btn_Import;

  void FormCreate(TObject* Sender);
  void FormShow(TObject* Sender);
  void Set_Lang() override;
  void Decode_String_Setting();
  void CB_Sel_FrameJ1939Change(TObject* Sender);
  void Btn_ImportClick(TObject* Sender);
  void ACG_Modbus_RegsDblClickCell(TObject* Sender, int ARow, int ACol);

private:
  void Create_Controls();
  void Load_Frames();
  void Show_Frames();
  void Apply_Mode();
  void Fill_Rows();
  void Fill_Bytes(int Frame);
};

extern TFConf_Regs_P61* FConf_Regs_P61;
