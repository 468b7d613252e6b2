#include "outputs/UBootCANForm.h"

#include "base/UComon.h"
#include "base/UFixedTexts.h"
#include "base/ULanguage.h"
#include "toolkit/forms/Dialogs.h"
#include "toolkit/forms/WindowManager.h"

TFBootCAN* FBootCAN = nullptr;

namespace {

constexpr int Combo_Width = 145;
constexpr int Updater_Watch_ms = 500;

// The wait for the updater: pictures are kept up to date (exposed parts
// presented again, invalidated parts painted) while input to the disabled
// windows is dropped; posted messages and timers wait for the wait's end.
void Repaint_Only() {
  while (wm::DeliverInput()) {
  }
  if (wm::PaintPending()) wm::PaintAll();
}

// Disables the wizard for the updater's run and enables it again however
// the run ends.
class TRunGuard {
public:
  TRunGuard(TFBootCAN* Form, bool& Running) : form_(Form), running_(Running) {
    running_ = true;
    form_->Btn_Update->SetEnabled(false);
    form_->SetEnabled(false);
    wm::PaintAll();
  }
  ~TRunGuard() {
    form_->SetEnabled(true);
    form_->Btn_Update->SetEnabled(true);
    running_ = false;
  }
  TRunGuard(const TRunGuard&) = delete;
  TRunGuard& operator=(const TRunGuard&) = delete;

private:
  TFBootCAN* form_;
  bool& running_;
};

}  // namespace

TFBootCAN::TFBootCAN(TComponent* AOwner) : TFBootWizard(AOwner) {
  FBootCAN = this;
  Create_Controls();
  OnCreate = [this](TObject* Sender) { FormCreate(Sender); };
  OnShow = [this](TObject* Sender) { FormShow(Sender); };
}

TFBootCAN::~TFBootCAN() {
  if (FBootCAN == this) FBootCAN = nullptr;
}

void TFBootCAN::Create_Controls() {
  L_COM_List = Make_Label(this, this, 16, 75);
  CB_Com = new TComboBox(this);
  CB_Com->SetParent(this);
  CB_Com->SetStyle(csDropDownList);
  CB_Com->SetBounds(36, 97, Combo_Width, 21);
  Btn_COM_List = Make_Button(this, this, 191, 94, 28, 26, agOpen);
  Btn_COM_List->SetShowHint(true);
  Btn_COM_List->OnClick = [this](TObject* Sender) { Btn_COM_ListClick(Sender); };
  L_Baud = Make_Label(this, this, 16, 136);
  CB_CAN_Search = new TComboBox(this);
  CB_CAN_Search->SetParent(this);
  CB_CAN_Search->SetStyle(csDropDownList);
  CB_CAN_Search->SetBounds(36, 158, Combo_Width, 21);

  Btn_Next->OnClick = [this](TObject* Sender) { Btn_NextClick(Sender); };
  Btn_Update->OnClick = [this](TObject* Sender) { Btn_UpdateClick(Sender); };
  Timer_Updater = new TTimer(this);
  Timer_Updater->SetEnabled(false);
  Timer_Updater->SetInterval(Updater_Watch_ms);
  Timer_Updater->SetOnTimer([this](TObject* Sender) { Timer_UpdaterTimer(Sender); });
  Set_Page_One({L_COM_List, CB_Com, Btn_COM_List, L_Baud, CB_CAN_Search});
  Show_Page(1);
}

void TFBootCAN::FormCreate(TObject*) {
  Prepare_Wizard();
  Set_Lang();
}

void TFBootCAN::FormShow(TObject*) {
  update_ComPort();
  Show_Page(1);
}

void TFBootCAN::Set_Lang() {
  SetCaption(Lang_Text(163));
  L_SW_Desc->SetCaption(Lang_Text(164));
  Btn_COM_List->SetHint(Lang_Text(165));
  L_COM_List->SetCaption(Lang_Text(166));
  L_Baud->SetCaption(Lang_Text(167));
  CB_CAN_Search->Items()->Clear();
  for (int i = 0; i < Baud_Choice_Count; ++i) CB_CAN_Search->Items()->Add(Lang_Text(Baud_Choice_First_String + i));
  CB_CAN_Search->SetItemIndex(0);
  Set_Wizard_Texts({180, 185, 186, 187});
}

void TFBootCAN::update_ComPort() { Fill_Port_List(CB_Com); }

void TFBootCAN::Btn_COM_ListClick(TObject*) { update_ComPort(); }

void TFBootCAN::Btn_NextClick(TObject*) {
  if (int msg = Check_Com_Choice(CB_Com->Text()); msg != 0) {
    MessageDlg(Lang_Text(msg), mtError, {mbOK});
    return;
  }
  Show_Page(2);
}

void TFBootCAN::Btn_UpdateClick(TObject*) {
  if (Updater_Running()) return;
  {
    TRunGuard guard(this, running_);
    lastResult_ = Run_Updater(CB_Com->Text(), CB_CAN_Search->ItemIndex(), Options(), Repaint_Only);
  }
  if (lastResult_.Ok()) return;
  std::string text = lastResult_.Message();
  if (lastResult_.Process) {
    // A second updater would fight the first one for the port.
    Btn_Update->SetEnabled(false);
    Timer_Updater->SetEnabled(true);
    text.append("\n").append(Update_Waits_Text());
  }
  MessageDlg(text, mtError, {mbOK});
}

void TFBootCAN::Timer_UpdaterTimer(TObject*) {
  if (!Program_Has_Ended(lastResult_)) return;
  Timer_Updater->SetEnabled(false);
  Btn_Update->SetEnabled(true);
}
