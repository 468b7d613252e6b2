#include "editors/UDefine_NodeGuard.h"

#include "base/UComon.h"
#include "base/UFixedTexts.h"
#include "base/ULanguage.h"
#include "editors/UTableCheck.h"
#include "toolkit/forms/Dialogs.h"
#include "toolkit/rtl/FileUtils.h"

TFDefine_NodeGuard* FDefine_NodeGuard = nullptr;

namespace {

TFrameSetLayout NodeGuard_Frames() {
  TFrameSetLayout l;
  l.Root = "NG_J1939_Frames";
  l.Has_Priority = {true, true, true, true, true};
  l.Data_Pages = 8;
  l.Left = {16, 79, 142, 223, 304};
  l.Width = {57, 57, 75, 75, 321};
  l.Top = 42;
  l.First_Message = 423;
  return l;
}


}  // namespace

TTableLayout NodeGuard_Layout() {
  TTableLayout l;
  l.Root = "Node_Guarding";
  l.Root_By_Name = true;
  l.Key_Col = ngNodeID;
  // A Node ID of blanks is a row, and fails its rule.
  l.Key_Untrimmed = true;
  l.Capacity = 32;
  l.Has_Insert = false;
  l.Has_Delete = false;
  l.Client_Width = 635;
  l.Client_Height = 495;
  l.Caption = 403, l.Desc = 404, l.Btn_OK = 417, l.Btn_Cancel = 418;
  l.Row_Prefix = 419;
  l.Path = &Path_CANopen_Define_NodeGuard;
  l.Columns = {Column("", 406, 40, clWindow), Column("NodeID", 407, 100, Col_Blue),
               Column("GuardTime", 408, 100, Col_Yellow), Column("LifeTimeFactor", 409, 100, Col_Yellow),
               Column("Mnemonic", 410, 270, Col_White)};
  return l;
}

TTableCheck NodeGuard_Check(const TTableCells& Cells) {
  auto rule = [](const TTableCells& c, int r) {
    if (!In_Range(Cell_Int(c, ngNodeID, r), 1, 127)) return 420;
    if (!In_Range(Cell_Int(c, ngGuardTime, r), 1, 65535)) return 421;
    if (!In_Range(Cell_Int(c, ngLifeTimeFactor, r), 1, 255)) return 422;
    return 0;
  };
  return Check_Table(NodeGuard_Layout(), Cells, rule);
}

TFDefine_NodeGuard::TFDefine_NodeGuard(TComponent* AOwner) : TFTableEditor(AOwner, NodeGuard_Layout(), NodeGuard_Check) {
  Panel1 = Make_Band(this, alTop, 17, Form_Color);
  L_NG_J1939_Title1 = Make_Label(this, Panel1, 16, 2);
  Panel2 = Make_Band(this, alBottom, 183, Form_Color);
  L_NG_J1939_Title2 = Make_Label(this, Panel2, 16, 6);
  const TFrameSetLayout frames = NodeGuard_Frames();
  for (size_t c = 0; c < L_NG_J1939_Col.size(); ++c) L_NG_J1939_Col[c] = Make_Label(this, Panel2, frames.Left[c], 25);
  Frames = std::make_unique<TJ1939FrameSet>(this, Panel2, frames);
  // The window is sizeable: every mnemonic grows with it.
  SetBorderStyle(bsSizeable);
  for (TEdit* mnemonic : Frames->Mnemonic) mnemonic->SetAnchors({akLeft, akTop, akRight});
  FDefine_NodeGuard = this;
}

// The instance name must not outlive the window.
TFDefine_NodeGuard::~TFDefine_NodeGuard() {
  if (FDefine_NodeGuard == this) FDefine_NodeGuard = nullptr;
}

// The frames are independent of the table: they take their defaults and
// then the file's, whatever became of the devices.
TTableLoad TFDefine_NodeGuard::Load_Cells(TTableCells& Cells) {
  Frames->Load(Path_CANopen_Define_NG_J1939_Frames);
  return TFTableEditor::Load_Cells(Cells);
}

bool TFDefine_NodeGuard::Controllo_dati() {
  if (!TFTableEditor::Controllo_dati()) return false;
  std::string why = Frames->Check();
  if (!why.empty()) {
    MessageDlg(why, mtError, {mbOK});
    return false;
  }
  return Frames->Loaded_Whole() ||
         MessageDlg(Incomplete_File_Question(ExtractFileName(Path_CANopen_Define_NG_J1939_Frames)), mtConfirmation,
                    {mbYes, mbNo}) == mrYes;
}

// The frames' document is made first, so that a frame the file could not
// carry stops the save before either file is replaced.
void TFDefine_NodeGuard::Save_Cells(const TTableCells& Cells) {
  Frames->Text();
  TFTableEditor::Save_Cells(Cells);
  Frames->Save(Path_CANopen_Define_NG_J1939_Frames);
}

void TFDefine_NodeGuard::Set_Lang() {
  TFTableEditor::Set_Lang();
  L_NG_J1939_Title1->SetCaption(Lang_Text(405));
  L_NG_J1939_Title2->SetCaption(Lang_Text(411));
  for (size_t c = 0; c < L_NG_J1939_Col.size(); ++c) L_NG_J1939_Col[c]->SetCaption(Lang_Text(412 + int(c)));
}
