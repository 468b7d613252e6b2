#include "app/USoftOptions.h"

#include "app/ULinks.h"
#include "app/UTessimatoreFirmWare.h"
#include "app/UVersionCheck.h"
#include "base/UComon.h"
#include "base/ULanguage.h"
#include "base/ULanguagePages.h"
#include "toolkit/forms/Dialogs.h"

TFSoftOptions* FSoftOptions = nullptr;

namespace {

constexpr int Flag_Size = 48;
constexpr int Slot_Top = 34;
constexpr int Slot_Step = 52;
constexpr int Left_Column = 16;
constexpr int Right_Column = 248;

int Page_Count(const std::vector<std::string>& Languages) { return Lang_Page(Languages, 1).Pages; }

}  // namespace

// The instance name must not outlive the window.
TFSoftOptions::~TFSoftOptions() {
  if (FSoftOptions == this) FSoftOptions = nullptr;
}

TFSoftOptions::TFSoftOptions(TComponent* AOwner) : TShellDialog(AOwner, 509, 373) {
  FSoftOptions = this;
  Btn_OK->OnClick = [this](TObject* Sender) { Btn_OKClick(Sender); };
  PC_Options = new TPageControl(this);
  PC_Options->SetParent(this);
  int top = Content_Top() + 6;
  PC_Options->SetBounds(8, top, 493, Content_Bottom() - top - 2);
  Create_Language_Page();
  Create_Connection_Page();
  OnCreate = [this](TObject* Sender) { FormCreate(Sender); };
  OnShow = [this](TObject* Sender) { FormShow(Sender); };
}

void TFSoftOptions::Create_Language_Page() {
  TS_Language = new TTabSheet(this);
  TS_Language->SetPageControl(PC_Options);
  TS_Language->SetColor(Form_Color);
  L_Sel_Lang = Make_Label(this, TS_Language, Left_Column, 10);
  L_Sel_Lang->Font()->SetStyle({fsBold});
  L_Page_Lang = Make_Label(this, TS_Language, 380, 10);
  for (int k = 0; k < 6; ++k) {
    int left = k < 3 ? Left_Column : Right_Column;
    int top = Slot_Top + (k % 3) * Slot_Step;
    I_L[k] = new TImage(this);
    I_L[k]->SetParent(TS_Language);
    I_L[k]->SetBounds(left, top, Flag_Size, Flag_Size);
    I_L[k]->SetStretch(true);
    I_L[k]->SetCursor(crHandPoint);
    L_L[k] = Make_Label(this, TS_Language, left + Flag_Size + 10, top + 17);
    L_L[k]->SetCursor(crHandPoint);
    I_L[k]->OnClick = [this](TObject* Sender) { LangClick(Sender); };
    L_L[k]->OnClick = [this](TObject* Sender) { LangClick(Sender); };
  }
  int bottom = Slot_Top + 3 * Slot_Step + 4;  // below the third row of flags
  Btn_Prev = Make_Button(this, TS_Language, Left_Column, bottom, 110, 30, agPrev);
  Btn_Next = Make_Button(this, TS_Language, PC_Options->Width() - 8 - 110 - Left_Column, bottom, 110, 30, agNext);
  Btn_Next->SetLayout(blGlyphRight);
  Btn_Prev->OnClick = [this](TObject* Sender) { Btn_NextClick(Sender); };
  Btn_Next->OnClick = [this](TObject* Sender) { Btn_NextClick(Sender); };
}

void TFSoftOptions::Create_Connection_Page() {
  TS_Con_Options = new TTabSheet(this);
  TS_Con_Options->SetPageControl(PC_Options);
  TS_Con_Options->SetColor(Form_Color);
  CB_En_Con = new TCheckBox(this);
  CB_En_Con->SetParent(TS_Con_Options);
  CB_En_Con->SetBounds(Left_Column, 16, 440, 20);
  CB_Update = new TCheckBox(this);
  CB_Update->SetParent(TS_Con_Options);
  CB_Update->SetBounds(Left_Column + 24, 44, 416, 20);
  for (TCheckBox* cb : {CB_En_Con, CB_Update}) {
    cb->SetColor(Form_Color);
    cb->OnClick = [this](TObject* Sender) { CB_En_ConClick(Sender); };
  }
  Btn_Check_Update = Make_Button(this, TS_Con_Options, Left_Column, 80, 220, 30, agCheck);
  Btn_Check_Update->OnClick = [this](TObject* Sender) { Btn_Check_UpdateClick(Sender); };
  LL_Check_Update = new TLinkLabel(this);
  LL_Check_Update->SetParent(TS_Con_Options);
  LL_Check_Update->SetBounds(Left_Column, 124, 440, 16);
  LL_Check_Update->SetVisible(false);
  LL_Check_Update->OnLinkClick = [this](TObject* S, const std::string& Link, TSysLinkType T) {
    LL_Check_UpdateLinkClick(S, Link, T);
  };
}

void TFSoftOptions::FormCreate(TObject*) {
  SL_Languages.clear();
  Prepare_Dialog();
}

// The page label shows the page in force, so that a language change made on
// page 2 does not report page 1.
void TFSoftOptions::Set_Lang() {
  SetCaption(Lang_Text(189));
  L_SW_Desc->SetCaption(Lang_Text(190));
  TS_Language->SetCaption(Lang_Text(191));
  TS_Con_Options->SetCaption(Lang_Text(192));
  L_Sel_Lang->SetCaption(Lang_Text(193));
  L_Page_Lang->SetCaption(Page_Label(Show_Page, Page_Count(SL_Languages)));
  Btn_Prev->SetCaption(Lang_Text(196));
  Btn_Next->SetCaption(Lang_Text(197));
  CB_En_Con->SetCaption(Lang_Text(198));
  CB_Update->SetCaption(Lang_Text(199));
  Btn_Check_Update->SetCaption(Lang_Text(200));
  Btn_OK->SetCaption(Lang_Text(201));
  Btn_Cancel->SetCaption(Lang_Text(202));
}

void TFSoftOptions::FormShow(TObject*) {
  Language_In_Use = Language_Name;
  Create_Lang_List();
  Update_CheckBox();
  LL_Check_Update->SetVisible(false);
  PC_Options->SetActivePage(TS_Language);
  CB_En_Con->SetChecked(Internet_Enabled);
  CB_Update->SetChecked(Update_Enabled);
}

void TFSoftOptions::Create_Lang_List() {
  SL_Languages = List_Language_Files(Language_Folder);
  Show_Page = 1;
  Update_Lang_Page(1);
}

void TFSoftOptions::Update_Lang_Page(int Page) {
  TLangPage page = Lang_Page(SL_Languages, Page);
  L_Sel_Lang->SetCaption(Selected_Language_Label(Language_In_Use));
  L_Page_Lang->SetCaption(Page_Label(Page, page.Pages));
  L_Page_Lang->SetVisible(page.Label_Visible);
  Btn_Prev->SetVisible(page.Prev_Visible);
  Btn_Next->SetVisible(page.Next_Visible);
  for (int k = 0; k < 6; ++k) {
    bool shown = k < static_cast<int>(page.Languages.size());
    L_L[k]->SetVisible(shown);
    I_L[k]->SetVisible(false);
    if (!shown) continue;
    const std::string& language = page.Languages[k];
    L_L[k]->SetCaption(language);
    std::string flag = Find_Flag_Picture(Language_Folder, language);
    if (flag.empty()) continue;
    try {
      I_L[k]->Picture()->LoadFromFile(flag);
      I_L[k]->SetVisible(true);
    } catch (const std::exception&) {
      // An unreadable flag shows no picture; the name stays.
    }
  }
}

void TFSoftOptions::Btn_NextClick(TObject* Sender) {
  Show_Page = Next_Page(Show_Page, Page_Count(SL_Languages), Sender == Btn_Next);
  Update_Lang_Page(Show_Page);
}

void TFSoftOptions::LangClick(TObject* Sender) {
  int slot = 0;
  for (int k = 0; k < 6; ++k)
    if (Sender == I_L[k] || Sender == L_L[k]) slot = k + 1;
  std::string language = Slot_Language(SL_Languages, Show_Page, slot);
  if (language.empty()) return;
  if (MessageDlg(Change_Language_Question(Language_In_Use, language), mtConfirmation, {mbYes, mbNo}) != mrYes)
    return;
  Language_In_Use = language;
  const std::string error = Load_Language_Of(language);
  if (!error.empty()) MessageDlg(error, mtError, {mbOK});
  if (FTessimatoreFirmWare) FTessimatoreFirmWare->Change_Language();
  L_Sel_Lang->SetCaption(Selected_Language_Label(Language_In_Use));
}

void TFSoftOptions::CB_En_ConClick(TObject*) { Update_CheckBox(); }

void TFSoftOptions::Update_CheckBox() {
  CB_Update->SetEnabled(CB_En_Con->Checked());
  Btn_Check_Update->SetEnabled(CB_Update->Enabled() && CB_Update->Checked());
}

void TFSoftOptions::Btn_Check_UpdateClick(TObject*) {
  LL_Check_Update->SetCaption(Check_Version() ? Download_Link_Anchor(Lang_Text(203)) : Lang_Text(204));
  LL_Check_Update->SetVisible(true);
}

void TFSoftOptions::LL_Check_UpdateLinkClick(TObject*, const std::string& Link, TSysLinkType) {
  Open_Link(Link);
}

void TFSoftOptions::Btn_OKClick(TObject*) {
  Language_Name = Language_In_Use;
  Internet_Enabled = CB_En_Con->Checked();
  Update_Enabled = CB_Update->Checked();
  if (FTessimatoreFirmWare) FTessimatoreFirmWare->Switch_Update_Timer();
  SetModalResult(mrOk);
}
