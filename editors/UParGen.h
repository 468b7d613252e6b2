#pragma once
// The Set Communication step: the J1939 side (bit rate, data time-out,
// peer-to-peer, FECA filter, the converter's address) and the PROFIBUS slave
// side (station address, module layout) of a project, in ParGen.xml. Each
// box folds to its caption with the button in its corner.

#include "base/UFormLook.h"
#include "editors/UParGenFile.h"
#include "toolkit/forms/std/Button.h"
#include "toolkit/forms/std/ComboBox.h"
#include "toolkit/forms/std/Edit.h"

class TFParGen : public TShellDialog {
public:
  explicit TFParGen(TComponent* AOwner);
  ~TFParGen() override;
  std::string ClassName() const override { return "TFParGen"; }

  TGroupBox* GB_J1939;
  TLabel* L_J1939_Baud;
  TComboBox* CB_Baud_J1939;
  TLabel* L_J1939_TO;
  TEdit* E_TO_J1939;
  TCheckBox* CB_En_Peer_J1939;
  TCheckBox* CB_J1939_FilterFECA;
  TEdit* E_J1939_FilterFECA;
  TLabel* L_J1939_DevID;
  TEdit* E_J1939_DevID;
  TLbButton* Btn_J1939_Collapse;
  TLbButton* Btn_J1939_Expande;

  TGroupBox* GB_PROFIBUS_Slave;
  TLabel* L_PROFIS_IDDev;
  TEdit* E_ID_DEV_PROFI_Slave;
  TLabel* L_PROFIS_Baud;
  TComboBox* CB_Baud_PROFI_Slave;
  TCheckBox* CB_PROFIS_Module_for_J1939;
  TCheckBox* CB_PROFIS_Send_J1939_by_PROFIBUS;
  TLbButton* Btn_PROFIBUS_Slave_Collapse;
  TLbButton* Btn_PROFIBUS_Slave_Expande;

  // The user changed something since the dialog was shown.
  bool Is_Change = false;
  bool GB_J1939_Visible = true;
  bool GB_PROFIBUS_Slave_Visible = true;
  // The file could not be read: OK asks before replacing it.
  bool Load_Incomplete = false;

  void FormCreate(TObject* Sender);
  void FormShow(TObject* Sender);
  void FormActivate(TObject* Sender);
  bool Controllo_Dati();
  void Btn_OKClick(TObject* Sender);
  void Btn_CancelClick(TObject* Sender);
  void Btn_GB_Collapse(TObject* Sender);
  void Btn_GB_Expande(TObject* Sender);
  void Collapse_Expand_Creation();
  void Move_GroupBoxs();
  void On_Change(TObject* Sender);
  void On_Click(TObject* Sender);
  void Set_Lang() override;

  // What the controls show, and showing values.
  TParGenValues Values() const;
  void Show_Values(const TParGenValues& V);

private:
  void Create_J1939_Box();
  void Create_PROFIBUS_Box();
  struct TFold {
    TGroupBox* Box;
    bool* Expanded;
    int Height;
    TLbButton* Collapse;
    TLbButton* Expand;
    std::vector<TControl*> First_Row;  // hidden while folded
  };
  TFold* Fold_Of(TObject* Button);
  void Set_Folded(TFold& F, bool Expanded);
  std::vector<TFold> Folds;
};

extern TFParGen* FParGen;
