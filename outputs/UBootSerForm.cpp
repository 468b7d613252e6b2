#include "outputs/UBootSerForm.h"

#include "base/ULanguage.h"
#include "outputs/UBootTCP.h"
#include "toolkit/forms/Dialogs.h"

TFBootSer* FBootSer = nullptr;

TFBootSer::TFBootSer(TComponent* AOwner) : TFBootWizard(AOwner) {
  FBootSer = this;
  const int tops[] = {75, 93, 112, 131, 176};
  for (size_t i = 0; i < L_Steps.size(); ++i) L_Steps[i] = Make_Label(this, this, i == 0 ? 16 : 36, tops[i]);
  CB_Com = new TComboBox(this);
  CB_Com->SetParent(this);
  CB_Com->SetStyle(csDropDownList);
  CB_Com->SetBounds(54, 151, 145, 21);
  Btn_COM_List = Make_Button(this, this, 209, 148, 28, 26, agOpen);
  Btn_COM_List->SetShowHint(true);
  Btn_COM_List->OnClick = [this](TObject* Sender) { Btn_COM_ListClick(Sender); };
  Btn_Next->OnClick = [this](TObject* Sender) { Btn_NextClick(Sender); };
  Btn_Update->OnClick = [this](TObject* Sender) { Btn_UpdateClick(Sender); };
  Btn_Update->SetEnabled(false);
  Btn_Update->SetShowHint(true);
  Btn_Update->SetHint(No_Updater_Reason_Text());
  Set_Page_One({L_Steps[0], L_Steps[1], L_Steps[2], L_Steps[3], L_Steps[4], CB_Com, Btn_COM_List});
  Show_Page(1);
  OnCreate = [this](TObject* Sender) { FormCreate(Sender); };
  OnShow = [this](TObject* Sender) { FormShow(Sender); };
}

// The instance name must not outlive the window.
TFBootSer::~TFBootSer() {
  if (FBootSer == this) FBootSer = nullptr;
}

void TFBootSer::FormCreate(TObject*) {
  Prepare_Wizard();
  Set_Lang();
}

void TFBootSer::FormShow(TObject*) {
  update_ComPort();
  Show_Page(1);
}

void TFBootSer::Set_Lang() {
  SetCaption(Lang_Text(686));
  L_SW_Desc->SetCaption(Lang_Text(687));
  for (size_t i = 0; i < L_Steps.size(); ++i) L_Steps[i]->SetCaption(Lang_Text(688 + int(i)));
  Btn_COM_List->SetHint(Lang_Text(693));
  Set_Wizard_Texts({694, 699, 700, 701});
}

void TFBootSer::Btn_COM_ListClick(TObject*) { update_ComPort(); }

void TFBootSer::Btn_NextClick(TObject*) {
  if (CB_Com->Text().empty()) {
    MessageDlg(Lang_Text(Msg_No_Serial_Port), mtError, {mbOK});
    return;
  }
  Show_Page(2);
}

std::vector<std::string> TFBootSer::Update_Arguments() const { return Serial_Update_Arguments(CB_Com->Text(), Options()); }

void TFBootSer::Btn_UpdateClick(TObject*) { lastArguments_ = Update_Arguments(); }
