#include "app/UNew_Project.h"

#include "app/UProject.h"
#include "base/UComon.h"
#include "base/ULanguage.h"
#include "toolkit/forms/Dialogs.h"

TFNew_Project* FNew_Project = nullptr;

// The instance name must not outlive the window.
TFNew_Project::~TFNew_Project() {
  if (FNew_Project == this) FNew_Project = nullptr;
}

TFNew_Project::TFNew_Project(TComponent* AOwner) : TShellDialog(AOwner, 331, 162) {
  FNew_Project = this;
  Label1 = Make_Label(this, this, 12, Content_Top() + 8);
  E_New_Proj = new TEdit(this);
  E_New_Proj->SetParent(this);
  E_New_Proj->SetBounds(12, Content_Top() + 26, 307, 22);
  Btn_OK->OnClick = [this](TObject* Sender) { Btn_OKClick(Sender); };
  E_New_Proj->OnKeyPress = [this](TObject* Sender, char& Key) { E_New_ProjKeyPress(Sender, Key); };
  OnCreate = [this](TObject* Sender) { FormCreate(Sender); };
  OnShow = [this](TObject* Sender) { FormShow(Sender); };
}

void TFNew_Project::FormCreate(TObject*) { Prepare_Dialog(); }

void TFNew_Project::FormShow(TObject*) {
  E_New_Proj->SetText("");
  if (E_New_Proj->CanFocus()) E_New_Proj->SetFocus();
  else SetActiveControl(E_New_Proj);
}

void TFNew_Project::Btn_OKClick(TObject*) {
  if (int msg = Create_Project(E_New_Proj->Text()); msg != 0) {
    MessageDlg(Create_Project_Text(msg), mtError, {mbOK});
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
