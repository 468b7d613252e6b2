#include "app/UNew_Project.h"

#include "app/UComon.h"
#include "app/ULanguage.h"
#include "app/UProject.h"
#include "app/UTessimatoreFirmWare.h"
#include "toolkit/forms/Dialogs.h"

TFNew_Project* FNew_Project = nullptr;

TFNew_Project::TFNew_Project(TComponent* AOwner) : TForm(AOwner) {
  FNew_Project = this;
  Set_Form_Look(this);
  SetClientSize(331, 162);
  TTitlePanel title = Make_Title_Panel(this);
  P_Title = title.P_Title;
  L_SW_Code = title.L_SW_Code;
  L_SW_Desc = title.L_SW_Desc;
  TButtonPanel buttons = Make_Button_Panel(this);
  P_Button = buttons.P_Button;
  Btn_OK = buttons.Btn_OK;
  Btn_Cancel = buttons.Btn_Cancel;
  Btn_Cancel->SetModalResult(mrCancel);
  Label1 = Make_Label(this, this, 12, P_Title->Height() + 8);
  E_New_Proj = new TEdit(this);
  E_New_Proj->SetParent(this);
  E_New_Proj->SetBounds(12, P_Title->Height() + 26, 307, 22);
  Btn_OK->OnClick = [this](TObject* Sender) { Btn_OKClick(Sender); };
  E_New_Proj->OnKeyPress = [this](TObject* Sender, char& Key) { E_New_ProjKeyPress(Sender, Key); };
  OnCreate = [this](TObject* Sender) { FormCreate(Sender); };
  OnShow = [this](TObject* Sender) { FormShow(Sender); };
}

void TFNew_Project::FormCreate(TObject*) {
  L_SW_Code->SetCaption(SW_Code);
  SetClientSize(331, 162);
  Set_Lang();
  if (FTessimatoreFirmWare) FTessimatoreFirmWare->Add_Language_Window([this] { Set_Lang(); });
}

void TFNew_Project::FormShow(TObject*) {
  E_New_Proj->SetText("");
  if (E_New_Proj->CanFocus()) E_New_Proj->SetFocus();
  else SetActiveControl(E_New_Proj);
}

void TFNew_Project::Btn_OKClick(TObject*) {
  if (int msg = Create_Project(E_New_Proj->Text()); msg != 0) {
    MessageDlg(Lang_Text(msg), mtError, {mbOK});
    return;
  }
  SetModalResult(mrOk);
}

void TFNew_Project::E_New_ProjKeyPress(TObject* Sender, char& Key) {
  if (Key != '\r') return;
  Key = 0;
  Btn_OKClick(Sender);
}

void TFNew_Project::Set_Lang() {
  SetCaption(Lang_Text(24));
  L_SW_Desc->SetCaption(Lang_Text(25));
  Label1->SetCaption(Lang_Text(26));
  Btn_OK->SetCaption(Lang_Text(27));
  Btn_Cancel->SetCaption(Lang_Text(28));
}
