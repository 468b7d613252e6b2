#include "app/UTessimatoreFirmWare.h"

#include <filesystem>

#include "app/UAbout.h"
#include "app/ULinks.h"
#include "app/UNew_Project.h"
#include "app/UOpenConf.h"
#include "app/UProject.h"
#include "app/USettings.h"
#include "app/USoftOptions.h"
#include "app/UStartUp.h"
#include "app/UVersionCheck.h"
#include "base/UComon.h"
#include "base/ULanguage.h"
#include "toolkit/forms/Dialogs.h"

TFTessimatoreFirmWare* FTessimatoreFirmWare = nullptr;

namespace {

std::string Program_Folder_Override;

constexpr int Step_Width = 170;
constexpr int Step_Height = 36;
constexpr int Icon_Size = 50;

struct TStepText {
  TLbButton* TFTessimatoreFirmWare::*Button;
  int Index;
};

}  // namespace

std::string Program_Folder() {
  if (!Program_Folder_Override.empty()) return Program_Folder_Override;
  return std::filesystem::path(Application->ExeName()).parent_path().string();
}

void Set_Program_Folder(const std::string& Folder) { Program_Folder_Override = Folder; }

// The instance name and the language registration must not outlive the window.
TFTessimatoreFirmWare::~TFTessimatoreFirmWare() {
  if (FTessimatoreFirmWare != this) return;
  FTessimatoreFirmWare = nullptr;
  Set_Language_Window_Registry(nullptr);
}

TFTessimatoreFirmWare::TFTessimatoreFirmWare(TComponent* AOwner) : TForm(AOwner) {
  FTessimatoreFirmWare = this;
  Set_Language_Window_Registry([this](std::function<void()> Set_Lang) { Add_Language_Window(std::move(Set_Lang)); });
  Set_Form_Look(this, false);
  Create_Controls();
  OnCreate = [this](TObject* Sender) { FormCreate(Sender); };
  OnClose = [this](TObject* Sender, TCloseAction& Action) { FormClose(Sender, Action); };
  OnDblClick = [this](TObject* Sender) { FormDblClick(Sender); };
}

TLbButton* TFTessimatoreFirmWare::Step_Button(int Left, int Top, TAppGlyph Glyph, bool Visible) {
  TLbButton* b = Make_Button(this, this, Left, Top, Step_Width, Step_Height, Glyph);
  b->SetAlignment(taLeftJustify);
  b->SetVisible(Visible);
  b->OnClick = [this](TObject* Sender) { Btn_Click(Sender); };
  return b;
}

void TFTessimatoreFirmWare::Create_Controls() {
  L_SW_Code = Make_Label(this, this, 0, 0);
  L_SW_Code->Font()->SetSize(20);
  L_SW_Code->Font()->SetStyle({fsBold});
  L_SW_Code->Font()->SetColor(Code_Label_Color);
  L_SW_Desc = Make_Label(this, this, 0, 0);
  L_SW_Desc->Font()->SetStyle({fsBold});
  L_Begin = Make_Label(this, this, 0, 0);
  Shape2 = new TShape(this);
  Shape2->SetParent(this);
  Shape2->SetBounds(0, 0, 348, 36);
  Shape2->Brush()->SetStyle(bsClear);
  Shape2->Pen()->SetColor(clGray);
  L_Name_Conf = Make_Label(this, this, 0, 0);
  L_Name_Conf_L2 = Make_Label(this, this, 0, 0);
  L_Name_Conf_L2->Font()->SetStyle({fsBold});
  L_Name_Conf_L2->SetShowHint(true);
  for (TLabel*& l : L_Step) {
    l = Make_Label(this, this, 0, 0);
    l->Font()->SetStyle({fsBold});
  }
  auto icon = [this](TAppGlyph g) {
    TLbButton* b = Make_Button(this, this, 0, 0, Icon_Size, Icon_Size, g);
    b->SetStyle(bsNormal);
    b->SetShowHint(true);
    b->OnClick = [this](TObject* Sender) { Btn_Click(Sender); };
    return b;
  };
  Btn_Info = icon(agInfo);
  Btn_Opz = icon(agOptions);
  Btn_Close = icon(agClose);
  Btn_New = Step_Button(0, 0, agNew, true);
  Btn_Open = Step_Button(0, 0, agOpen, true);
  Btn_Prm_Gen = Step_Button(0, 0, agParams, true);
  Btn_Prm_Gen->SetStyle(bsNormal);
  Btn_Receive_J1939 = Step_Button(0, 0, agReceive, true);
  Btn_Transmit_J1939 = Step_Button(0, 0, agTransmit, true);
  Btn_GSD_File = Step_Button(0, 0, agGSD, true);
  Btn_CreateBin = Step_Button(0, 0, agUpdate, true);
  // The other products' steps keep a place in a column of their own.
  TLbButton** hidden[] = {&Btn_Define_Receive_J1939, &Btn_Define_Transmit_J1939, &Btn_Modbus_Write_Request,
                          &Btn_Modbus_Read_Request,  &Btn_Define_Receive_SDO,    &Btn_Define_Transmit_SDO,
                          &Btn_Define_Receive_TPDO,  &Btn_Define_Transmit_RPDO,  &Btn_CANopen_EDSFile,
                          &Btn_Set_SDO_Client,       &Btn_Set_NodeGuard,         &Btn_Receive_CAN,
                          &Btn_Transmit_CAN};
  int row = 0;
  for (TLbButton** b : hidden) *b = Step_Button(436, 156 + 44 * (row++ % 6), agParams, false);
  L_Quelix = Make_Label(this, this, 0, 0, Web_Host);
  L_Quelix->SetCursor(crHandPoint);
  L_Quelix->Font()->SetColor(Link_Color);
  L_Quelix->Font()->SetStyle({fsUnderline});
  L_Quelix->OnClick = [this](TObject* Sender) { L_QuelixClick(Sender); };
  Shape1 = new TShape(this);
  Shape1->SetParent(this);
  Shape1->Pen()->SetColor(clGray);
  LL_Update = new TLinkLabel(this);
  LL_Update->SetParent(this);
  LL_Update->SetBounds(196, 22, 300, 16);
  LL_Update->SetTransparent(true);
  LL_Update->SetVisible(false);
  LL_Update->OnLinkClick = [this](TObject* S, const std::string& Link, TSysLinkType T) {
    LL_UpdateLinkClick(S, Link, T);
  };
  Timer_Update = new TTimer(this);
  Timer_Update->SetEnabled(false);
  Timer_Update->SetInterval(Update_First_Interval_ms);
  Timer_Update->SetOnTimer([this](TObject* Sender) { Timer_UpdateTimer(Sender); });
}

void TFTessimatoreFirmWare::Place_Controls() {
  L_SW_Code->SetBounds(16, 8, L_SW_Code->Width(), L_SW_Code->Height());
  L_SW_Desc->SetBounds(16, 42, L_SW_Desc->Width(), L_SW_Desc->Height());
  L_Begin->SetBounds(16, 84, L_Begin->Width(), L_Begin->Height());
  Shape2->SetBounds(80, 70, Shape2->Width(), Shape2->Height());
  // Kept inside the frame: a long project name or translation is cut at its edge.
  for (TLabel* l : {L_Name_Conf, L_Name_Conf_L2}) l->SetAutoSize(false);
  L_Name_Conf->SetBounds(87, 75, Shape2->Width() - 14, 14);
  // One pixel lower than the 13-pixel line step: the real font's line is 14 high.
  L_Name_Conf_L2->SetBounds(87, 89, Shape2->Width() - 14, 14);
  Btn_Info->SetBounds(516, 8, Icon_Size, Icon_Size);
  Btn_Opz->SetBounds(574, 8, Icon_Size, Icon_Size);
  Btn_Close->SetBounds(632, 8, Icon_Size, Icon_Size);
  for (int n = 0; n < 8; ++n) {
    L_Step[n]->SetBounds(16, 128 + 44 * n, L_Step[n]->Width(), L_Step[n]->Height());
    L_Step[n]->SetVisible(n < 6);
  }
  Btn_New->SetBounds(80, 112, Step_Width, Step_Height);
  Btn_Open->SetBounds(258, 112, Step_Width, Step_Height);
  Btn_Prm_Gen->SetBounds(80, 156, Step_Width, Step_Height);
  Btn_Receive_J1939->SetBounds(80, 200, Step_Width, Step_Height);
  Btn_Transmit_J1939->SetBounds(80, 244, Step_Width, Step_Height);
  Btn_GSD_File->SetBounds(80, 288, Step_Width, Step_Height);
  Btn_CreateBin->SetBounds(80, 332, Step_Width, Step_Height);
  L_Quelix->SetBounds(565, L_Step[5]->Top(), L_Quelix->Width(), L_Quelix->Height());
  Shape1->SetBounds(10, Btn_CreateBin->Top() + 51, 674, 1);
  SetClientSize(694, Btn_CreateBin->Top() + 152);
}

// Start-up: layout, folders, settings, title and codes, language, the
// remembered project, texts and paths.
void TFTessimatoreFirmWare::FormCreate(TObject*) {
  Lang_Strings.clear();
  Place_Controls();
  const std::string languageError = Start_Up(Program_Folder());
  Switch_Update_Timer();
  SetCaption(Window_Title);
  L_SW_Code->SetCaption(SW_Code);
  L_SW_Desc->SetCaption(SW_Description);
  Btn_GSD_File->SetCaption("GSD File");
  Set_Lang();
  Set_Files();
  if (!languageError.empty()) MessageDlg(languageError, mtError, {mbOK});
}

void TFTessimatoreFirmWare::FormClose(TObject*, TCloseAction&) { Save_Setting(); }

void TFTessimatoreFirmWare::Set_Lang() {
  L_Begin->SetCaption(Lang_Text(0));
  for (int n = 0; n < 7; ++n) L_Step[n]->SetCaption(Lang_Text(1 + n));
  L_Step[7]->SetCaption(Lang_Text(336));
  static const TStepText texts[] = {
      {&TFTessimatoreFirmWare::Btn_New, 11},
      {&TFTessimatoreFirmWare::Btn_Open, 12},
      {&TFTessimatoreFirmWare::Btn_Prm_Gen, 13},
      {&TFTessimatoreFirmWare::Btn_Receive_J1939, 14},
      {&TFTessimatoreFirmWare::Btn_Transmit_J1939, 15},
      {&TFTessimatoreFirmWare::Btn_Define_Receive_J1939, 16},
      {&TFTessimatoreFirmWare::Btn_Define_Transmit_J1939, 17},
      {&TFTessimatoreFirmWare::Btn_CreateBin, 18},
      {&TFTessimatoreFirmWare::Btn_Modbus_Write_Request, 334},
      {&TFTessimatoreFirmWare::Btn_Modbus_Read_Request, 335},
      {&TFTessimatoreFirmWare::Btn_Define_Receive_SDO, 337},
      {&TFTessimatoreFirmWare::Btn_Define_Transmit_SDO, 338},
      {&TFTessimatoreFirmWare::Btn_Define_Receive_TPDO, 339},
      {&TFTessimatoreFirmWare::Btn_Define_Transmit_RPDO, 340},
      {&TFTessimatoreFirmWare::Btn_Set_SDO_Client, 341},
      {&TFTessimatoreFirmWare::Btn_Set_NodeGuard, 342},
      {&TFTessimatoreFirmWare::Btn_CANopen_EDSFile, 343},
      {&TFTessimatoreFirmWare::Btn_Receive_CAN, 591},
      {&TFTessimatoreFirmWare::Btn_Transmit_CAN, 592},
  };
  for (const TStepText& t : texts) (this->*t.Button)->SetCaption(Lang_Text(t.Index));
  Btn_Info->SetHint(Lang_Text(19));
  Btn_Opz->SetHint(Lang_Text(20));
  Btn_Close->SetHint(Lang_Text(21));
  Set_Project_Labels();
}

void TFTessimatoreFirmWare::Set_Project_Labels() {
  auto [first, second] = Project_Label_Texts();
  L_Name_Conf->SetCaption(first);
  L_Name_Conf_L2->SetCaption(second);
  L_Name_Conf_L2->SetHint(second);  // the whole name, when the frame cuts it
}

void TFTessimatoreFirmWare::Set_Files() { ::Set_Files(); }

void TFTessimatoreFirmWare::Save_Setting() {
  std::string error;
  if (!Shut_Down(&error)) MessageDlg(error, mtError, {mbOK});
}

void TFTessimatoreFirmWare::Create_New_Project() {
  if (FNew_Project->ShowModal() == mrOk) Set_Project_Labels();
}

void TFTessimatoreFirmWare::Open_Project() {
  if (FOpenConf->ShowModal() != mrOk) return;
  Open_Project_Named(FOpenConf->Name_Conf);
  Set_Project_Labels();
}

void TFTessimatoreFirmWare::Add_Language_Window(std::function<void()> Set_Lang) {
  Language_Windows.push_back(std::move(Set_Lang));
}

void TFTessimatoreFirmWare::Change_Language() {
  Set_Lang();
  for (const auto& set : Language_Windows) set();
}

void TFTessimatoreFirmWare::Switch_Update_Timer() { Timer_Update->SetEnabled(Update_Check_Wanted()); }

void TFTessimatoreFirmWare::Btn_Click(TObject* Sender) {
  if (Sender == Btn_New) return Create_New_Project();
  if (Sender == Btn_Open) return Open_Project();
  if (Sender == Btn_Close) return Close();
  if (Sender == Btn_Info) {
    FAbout->ShowModal();
    return;
  }
  if (Sender == Btn_Opz) {
    if (FSoftOptions->ShowModal() == mrOk) {
      Save_Setting();
      Switch_Update_Timer();
    }
    return;
  }
  if (int msg = Check_Project_Open(); msg != 0) {
    MessageDlg(Lang_Text(msg), mtError, {mbOK});
    return;
  }
  if (Sender == Btn_Prm_Gen) Show_ParGen();
  else if (Sender == Btn_Receive_J1939) Show_Receive_J1939();
  else if (Sender == Btn_Transmit_J1939) Show_Transmit_J1939();
  else if (Sender == Btn_GSD_File) Check_Create_GSD();
  else if (Sender == Btn_CreateBin) Update_Device();
  else if (Sender == Btn_CANopen_EDSFile) Create_EDS();
  else Show_Other_Product_Step(Sender);
}

void TFTessimatoreFirmWare::Timer_UpdateTimer(TObject*) {
  Timer_Update->SetEnabled(false);
  if (Check_Version()) {
    LL_Update->SetCaption(Download_Link_Anchor(Lang_Text(23)));
    LL_Update->SetVisible(true);
  } else {
    LL_Update->SetVisible(false);
  }
  Timer_Update->SetInterval(Update_Next_Interval_ms);
  Timer_Update->SetEnabled(true);
}

void TFTessimatoreFirmWare::LL_UpdateLinkClick(TObject*, const std::string& Link, TSysLinkType) {
  Open_Link(Link);
}

void TFTessimatoreFirmWare::L_QuelixClick(TObject*) { Open_Link(Home_Page_Url()); }
