#pragma once
// The node guarding editor: the CANopen devices the converter guards (a
// table kept in CANopen_Define_NodeGuard.xml) and the five J1939 frames that
// carry their state (CANopen_Define_NG_J1939_Frames.xml).

#include <array>
#include <memory>

#include "editors/UJ1939_Frame_Set.h"
#include "editors/UTableEditor.h"

enum TNodeGuardCol { ngNumber, ngNodeID, ngGuardTime, ngLifeTimeFactor, ngMnemonic };

TTableLayout NodeGuard_Layout();
TTableCheck NodeGuard_Check(const TTableCells& Cells);

class TFDefine_NodeGuard : public TFTableEditor {
public:
  explicit TFDefine_NodeGuard(TComponent* AOwner);
  ~TFDefine_NodeGuard() override;
  std::string ClassName() const override { return "TFDefine_NodeGuard"; }

  TPanel* Panel1;
  TLabel* L_NG_J1939_Title1;
  TPanel* Panel2;
  TLabel* L_NG_J1939_Title2;
  std::array<TLabel*, 5> L_NG_J1939_Col{};  // priority, data page, PGN, source address, mnemonic
  std::unique_ptr<TJ1939FrameSet> Frames;

  // The devices, then the frames.
  bool Controllo_dati() override;
  bool Controlla_Dati() { return Controllo_dati(); }
  void Set_Lang() override;

protected:
  TTableLoad Load_Cells(TTableCells& Cells) override;
  void Save_Cells(const TTableCells& Cells) override;
};

extern TFDefine_NodeGuard* FDefine_NodeGuard;
