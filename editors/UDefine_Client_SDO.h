#pragma once
// The SDO client frames: the five J1939 frames with which the J1939 side asks
// the converter to read or write an object of a CANopen device, and with
// which it answers, kept in CANopen_Define_Client_SDO.xml.

#include <array>
#include <memory>

#include "base/UFormLook.h"
#include "editors/UJ1939_Frame_Set.h"

class TFDefine_Client_SDO : public TShellDialog {
public:
  explicit TFDefine_Client_SDO(TComponent* AOwner);
  ~TFDefine_Client_SDO() override;
  std::string ClassName() const override { return "TFDefine_Client_SDO"; }

  std::unique_ptr<TJ1939FrameSet> Frames;
  // The row labels (request read, answer read, request write 1/2 and 2/2,
  // answer write) and the column labels (priority, data page, PGN, source
  // address, mnemonic).
  std::array<TLabel*, Frame_Set_Size> L_Title_Row{};
  std::array<TLabel*, 5> L_Title_Col{};

  void FormCreate(TObject* Sender);
  void FormShow(TObject* Sender);
  bool Controlla_Dati();
  void Btn_OKClick(TObject* Sender);
  void Set_Lang() override;
};

extern TFDefine_Client_SDO* FDefine_Client_SDO;
