#include "editors/UParGen.h"

#include "base/UComon.h"
#include "base/UFixedTexts.h"
#include "base/ULanguage.h"
#include "editors/UEditorSave.h"
#include "platform/xml/XmlDocument.h"
#include "toolkit/forms/Dialogs.h"
#include "toolkit/rtl/FileUtils.h"

TFParGen* FParGen = nullptr;

namespace {

constexpr int Box_Left = 8;
constexpr int Box_Top = 70;
constexpr int Box_Width = 296;
constexpr int Box_Gap = 6;
constexpr int Folded_Height = 26;
constexpr int PROFIBUS_Height = 158;
constexpr int Client_Width = 312;
constexpr int Msg_Exit_Unsaved = 57;

const char* const Baud_Items[] = {"10K", "20K", "50K", "100K", "125K", "250K", "500K", "800K", "1000K"};

TGroupBox* Make_Box(TCustomForm* Form, int Top, int Height) {
  auto* b = new TGroupBox(Form);
  b->SetParent(Form);
  b->SetBounds(Box_Left, Top, Box_Width, Height);
  b->SetParentColor(true);
  return b;
}

TEdit* Make_Edit(TCustomForm* Form, TWinControl* Parent, int Left, int Top) {
  auto* e = new TEdit(Form);
  e->SetParent(Parent);
  e->SetBounds(Left, Top, 130, 21);
  return e;
}

TComboBox* Make_List(TCustomForm* Form, TWinControl* Parent, int Left, int Top) {
  auto* c = new TComboBox(Form);
  c->SetParent(Parent);
  c->SetStyle(csDropDownList);
  c->SetBounds(Left, Top, 130, 21);
  return c;
}

TCheckBox* Make_Check(TCustomForm* Form, TWinControl* Parent, int Left, int Top, const std::string& Caption = "") {
  auto* c = new TCheckBox(Form);
  c->SetParent(Parent);
  c->SetBounds(Left, Top, 128, 20);
  c->SetParentColor(true);
  c->SetCaption(Caption);
  return c;
}

}  // namespace

// The instance name must not outlive the window.
TFParGen::~TFParGen() {
  if (FParGen == this) FParGen = nullptr;
}

TFParGen::TFParGen(TComponent* AOwner) : TShellDialog(AOwner, Client_Width, 481) {
  FParGen = this;
  Create_J1939_Box();
  Create_PROFIBUS_Box();
  Btn_Cancel->SetModalResult(mrNone);  // it asks first when something changed
  Btn_OK->OnClick = [this](TObject* Sender) { Btn_OKClick(Sender); };
  Btn_Cancel->OnClick = [this](TObject* Sender) { Btn_CancelClick(Sender); };
  for (TEdit* e : {E_TO_J1939, E_J1939_FilterFECA, E_J1939_DevID, E_ID_DEV_PROFI_Slave})
    e->OnChange = [this](TObject* Sender) { On_Change(Sender); };
  for (TComboBox* c : {CB_Baud_J1939, CB_Baud_PROFI_Slave})
    c->OnChange = [this](TObject* Sender) { On_Change(Sender); };
  for (TCheckBox* c :
       {CB_En_Peer_J1939, CB_J1939_FilterFECA, CB_PROFIS_Module_for_J1939, CB_PROFIS_Send_J1939_by_PROFIBUS})
    c->OnClick = [this](TObject* Sender) { On_Click(Sender); };
  OnCreate = [this](TObject* Sender) { FormCreate(Sender); };
  OnShow = [this](TObject* Sender) { FormShow(Sender); };
  OnActivate = [this](TObject* Sender) { FormActivate(Sender); };
}

void TFParGen::Create_J1939_Box() {
  GB_J1939 = Make_Box(this, Box_Top, 193);
  L_J1939_Baud = Make_Label(this, GB_J1939, 16, 24);
  CB_Baud_J1939 = Make_List(this, GB_J1939, 85, 21);
  for (const char* item : Baud_Items) CB_Baud_J1939->Items()->Add(item);
  L_J1939_TO = Make_Label(this, GB_J1939, 16, 58);
  E_TO_J1939 = Make_Edit(this, GB_J1939, 148, 55);
  CB_En_Peer_J1939 = Make_Check(this, GB_J1939, 16, 92);
  CB_En_Peer_J1939->SetWidth(260);
  CB_J1939_FilterFECA = Make_Check(this, GB_J1939, 16, 126, "Filter FECA (ms)");
  E_J1939_FilterFECA = Make_Edit(this, GB_J1939, 148, 123);
  L_J1939_DevID = Make_Label(this, GB_J1939, 16, 160);
  E_J1939_DevID = Make_Edit(this, GB_J1939, 148, 157);
  Btn_J1939_Collapse = Make_Button(this, GB_J1939, 280, 10, 11, 11, agCollapse);
  Btn_J1939_Expande = Make_Button(this, GB_J1939, 280, 10, 11, 11, agExpand);
  Folds.push_back({GB_J1939, &GB_J1939_Visible, 0, Btn_J1939_Collapse, Btn_J1939_Expande,
                   {L_J1939_Baud, CB_Baud_J1939}});
}

void TFParGen::Create_PROFIBUS_Box() {
  GB_PROFIBUS_Slave = Make_Box(this, Box_Top + 193 + Box_Gap, PROFIBUS_Height);
  GB_PROFIBUS_Slave->SetCaption(" PROFIBUS Slave ");
  L_PROFIS_IDDev = Make_Label(this, GB_PROFIBUS_Slave, 16, 24, "ID Device");
  E_ID_DEV_PROFI_Slave = Make_Edit(this, GB_PROFIBUS_Slave, 84, 21);
  L_PROFIS_Baud = Make_Label(this, GB_PROFIBUS_Slave, 16, 58, "Baudrate");
  CB_Baud_PROFI_Slave = Make_List(this, GB_PROFIBUS_Slave, 84, 55);
  CB_Baud_PROFI_Slave->Items()->Add("Auto Baudrate");
  CB_Baud_PROFI_Slave->SetEnabled(false);
  CB_PROFIS_Module_for_J1939 = Make_Check(this, GB_PROFIBUS_Slave, 16, 92, "Module for Every J1939 Frames");
  CB_PROFIS_Send_J1939_by_PROFIBUS =
      Make_Check(this, GB_PROFIBUS_Slave, 16, 126, "Send J1939 Frames with PROFIBUS");
  for (TCheckBox* c : {CB_PROFIS_Module_for_J1939, CB_PROFIS_Send_J1939_by_PROFIBUS}) c->SetWidth(260);
  Btn_PROFIBUS_Slave_Collapse = Make_Button(this, GB_PROFIBUS_Slave, 280, 10, 11, 11, agCollapse);
  Btn_PROFIBUS_Slave_Expande = Make_Button(this, GB_PROFIBUS_Slave, 280, 10, 11, 11, agExpand);
  Folds.push_back({GB_PROFIBUS_Slave, &GB_PROFIBUS_Slave_Visible, PROFIBUS_Height, Btn_PROFIBUS_Slave_Collapse,
                   Btn_PROFIBUS_Slave_Expande, {L_PROFIS_IDDev, E_ID_DEV_PROFI_Slave}});
}

void TFParGen::FormCreate(TObject*) {
  for (TFold& f : Folds) {
    f.Collapse->OnClick = [this](TObject* Sender) { Btn_GB_Collapse(Sender); };
    f.Expand->OnClick = [this](TObject* Sender) { Btn_GB_Expande(Sender); };
  }
  Collapse_Expand_Creation();
  Move_GroupBoxs();
  Prepare_Dialog();
}

void TFParGen::Collapse_Expand_Creation() {
  for (TFold& f : Folds) {
    *f.Expanded = true;
    f.Collapse->SetVisible(true);
    f.Expand->SetVisible(false);
  }
}

void TFParGen::Move_GroupBoxs() {
  // The J1939 box ends below its last field; a folded box keeps its caption only.
  if (GB_J1939_Visible) GB_J1939->SetHeight(E_J1939_DevID->Top() + E_J1939_DevID->Height() + 15);
  GB_J1939->SetBounds(Box_Left, Box_Top, Box_Width, GB_J1939->Height());
  int top = GB_J1939->Top() + GB_J1939->Height() + Box_Gap;
  GB_PROFIBUS_Slave->SetBounds(Box_Left, top, Box_Width, GB_PROFIBUS_Slave->Height());
  SetClientHeight(GB_PROFIBUS_Slave->Top() + GB_PROFIBUS_Slave->Height() + 54);
  SetClientWidth(Client_Width);
}

TFParGen::TFold* TFParGen::Fold_Of(TObject* Button) {
  for (TFold& f : Folds)
    if (Button == f.Collapse || Button == f.Expand) return &f;
  return nullptr;
}

void TFParGen::Set_Folded(TFold& F, bool Expanded) {
  *F.Expanded = Expanded;
  if (!Expanded) F.Box->SetHeight(Folded_Height);
  else if (F.Height > 0) F.Box->SetHeight(F.Height);
  for (TControl* c : F.First_Row) c->SetVisible(Expanded);
  F.Collapse->SetVisible(Expanded);
  F.Expand->SetVisible(!Expanded);
}

void TFParGen::Btn_GB_Collapse(TObject* Sender) {
  if (TFold* f = Fold_Of(Sender)) Set_Folded(*f, false);
  Move_GroupBoxs();
}

void TFParGen::Btn_GB_Expande(TObject* Sender) {
  if (TFold* f = Fold_Of(Sender)) Set_Folded(*f, true);
  Move_GroupBoxs();
}

TParGenValues TFParGen::Values() const {
  TParGenValues v;
  // Nothing selected cannot happen once shown; the default stands in for it.
  v.Can_Baud = CB_Baud_J1939->ItemIndex() >= 0 ? CB_Baud_J1939->ItemIndex() : Can_Baud_Default;
  v.Can_TimeOut = E_TO_J1939->Text();
  v.Can_Peer = CB_En_Peer_J1939->Checked();
  v.Filter_FECA = CB_J1939_FilterFECA->Checked();
  v.TimeOut_FECA = E_J1939_FilterFECA->Text();
  v.J1939_Device_ID = E_J1939_DevID->Text();
  v.Profi_ID = E_ID_DEV_PROFI_Slave->Text();
  v.Profi_Module = CB_PROFIS_Module_for_J1939->Checked();
  v.Profi_Send_J1939 = CB_PROFIS_Send_J1939_by_PROFIBUS->Checked();
  return v;
}

void TFParGen::Show_Values(const TParGenValues& V) {
  CB_Baud_J1939->SetItemIndex(V.Can_Baud);
  E_TO_J1939->SetText(V.Can_TimeOut);
  CB_En_Peer_J1939->SetChecked(V.Can_Peer);
  CB_J1939_FilterFECA->SetChecked(V.Filter_FECA);
  E_J1939_FilterFECA->SetText(V.TimeOut_FECA);
  E_J1939_DevID->SetText(V.J1939_Device_ID);
  E_ID_DEV_PROFI_Slave->SetText(V.Profi_ID);
  CB_Baud_PROFI_Slave->SetItemIndex(0);
  CB_PROFIS_Module_for_J1939->SetChecked(V.Profi_Module);
  CB_PROFIS_Send_J1939_by_PROFIBUS->SetChecked(V.Profi_Send_J1939);
}

void TFParGen::FormShow(TObject*) {
  Load_Incomplete = false;
  TParGenValues values;
  try {
    // The texts as written, so that a value out of range can be corrected here.
    values = Read_Par_Gen_Values(Load_Par_Gen_File(Path_ParGen, {}));
  } catch (const ESectionFileError& e) {
    // The defaults are shown; saving them must not pass for the file's content.
    Load_Incomplete = true;
    MessageDlg(e.Message(), mtError, {mbOK});
  }
  Show_Values(values);
  Is_Change = false;
}

void TFParGen::FormActivate(TObject*) {
  if (Top() < 0) SetTop(0);
}

bool TFParGen::Controllo_Dati() {
  TParGenCheck check = Check_Par_Gen(Values());
  if (check.Passed()) return true;
  MessageDlg(check.Text, mtError, {mbOK});
  return false;
}

void TFParGen::Btn_OKClick(TObject*) {
  if (!Controllo_Dati()) return;
  TParGenValues values = Values();
  if (Replace_Section_File(Load_Incomplete, ExtractFileName(Path_ParGen), [&] { Save_Par_Gen_File(values, Path_ParGen); }))
    SetModalResult(mrOk);
}

void TFParGen::Btn_CancelClick(TObject*) {
  if (Is_Change && MessageDlg(Lang_Text(Msg_Exit_Unsaved), mtConfirmation, {mbYes, mbNo}) != mrYes) return;
  SetModalResult(mrCancel);
}

void TFParGen::On_Change(TObject*) { Is_Change = true; }

void TFParGen::On_Click(TObject*) { Is_Change = true; }

void TFParGen::Set_Lang() {
  SetCaption(Lang_Text(37));
  L_SW_Desc->SetCaption(Lang_Text(38));
  GB_J1939->SetCaption(Lang_Text(39));
  L_J1939_Baud->SetCaption(Lang_Text(40));
  L_J1939_TO->SetCaption(Lang_Text(41));
  CB_En_Peer_J1939->SetCaption(Lang_Text(43));
  L_J1939_DevID->SetCaption(Lang_Text(226));
  Btn_OK->SetCaption(Lang_Text(55));
  Btn_Cancel->SetCaption(Lang_Text(56));
  for (TFold& f : Folds) {
    f.Collapse->SetHint(Lang_Text(703));
    f.Expand->SetHint(Lang_Text(704));
  }
}
