#include "editors/UDefine_Client_SDO.h"

#include "base/UComon.h"
#include "base/ULanguage.h"
#include "editors/UEditorSave.h"
#include "toolkit/forms/Dialogs.h"
#include "toolkit/rtl/FileUtils.h"

TFDefine_Client_SDO* FDefine_Client_SDO = nullptr;

namespace {

TFrameSetLayout Client_SDO_Frames() {
  TFrameSetLayout l;
  l.Root = "J1939_Frames_SDOClient";
  // Only the answers carry a priority of their own.
  l.Has_Priority = {false, true, false, false, true};
  l.Data_Pages = 2;
  l.Left = {272, 335, 398, 479, 567};
  l.Width = {57, 57, 75, 82, 209};
  l.Top = 94;
  l.First_Message = 393;
  return l;
}

}  // namespace

TFDefine_Client_SDO::TFDefine_Client_SDO(TComponent* AOwner) : TShellDialog(AOwner, 784, 278) {
  Frames = std::make_unique<TJ1939FrameSet>(this, this, Client_SDO_Frames());
  for (int k = 0; k < Frame_Set_Size; ++k) L_Title_Row[size_t(k)] = Make_Label(this, this, 16, 97 + 28 * k);
  const TFrameSetLayout l = Client_SDO_Frames();
  for (size_t c = 0; c < L_Title_Col.size(); ++c) L_Title_Col[c] = Make_Label(this, this, l.Left[c], 75);
  Btn_OK->OnClick = [this](TObject* Sender) { Btn_OKClick(Sender); };
  OnCreate = [this](TObject* Sender) { FormCreate(Sender); };
  OnShow = [this](TObject* Sender) { FormShow(Sender); };
  FDefine_Client_SDO = this;
}

// The instance name must not outlive the window.
TFDefine_Client_SDO::~TFDefine_Client_SDO() {
  if (FDefine_Client_SDO == this) FDefine_Client_SDO = nullptr;
}

void TFDefine_Client_SDO::FormCreate(TObject*) { Prepare_Dialog(); }

void TFDefine_Client_SDO::FormShow(TObject*) { Frames->Load(Path_CANopen_Define_Client_SDO); }

bool TFDefine_Client_SDO::Controlla_Dati() {
  std::string why = Frames->Check();
  if (why.empty()) return true;
  MessageDlg(why, mtError, {mbOK});
  return false;
}

void TFDefine_Client_SDO::Btn_OKClick(TObject*) {
  if (!Controlla_Dati()) return;
  if (Replace_Section_File(!Frames->Loaded_Whole(), ExtractFileName(Path_CANopen_Define_Client_SDO),
                           [&] { Frames->Save(Path_CANopen_Define_Client_SDO); }))
    SetModalResult(mrOk);
}

void TFDefine_Client_SDO::Set_Lang() {
  SetCaption(Lang_Text(379));
  L_SW_Desc->SetCaption(Lang_Text(380));
  for (int k = 0; k < Frame_Set_Size; ++k) L_Title_Row[size_t(k)]->SetCaption(Lang_Text(381 + k));
  for (size_t c = 0; c < L_Title_Col.size(); ++c) L_Title_Col[c]->SetCaption(Lang_Text(386 + int(c)));
  Btn_OK->SetCaption(Lang_Text(391));
  Btn_Cancel->SetCaption(Lang_Text(392));
}
