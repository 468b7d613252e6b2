#pragma once
// The options dialog: the language, chosen from the language files six to a
// page with their flags, and the internet choices with an immediate check
// for a newer version.

#include <array>
#include <string>
#include <vector>

#include "base/UFormLook.h"
#include "toolkit/forms/std/Button.h"
#include "toolkit/forms/std/GraphicControls.h"
#include "toolkit/forms/std/PageControl.h"

class TFSoftOptions : public TShellDialog {
public:
  explicit TFSoftOptions(TComponent* AOwner);
  ~TFSoftOptions() override;
  std::string ClassName() const override { return "TFSoftOptions"; }

  TPageControl* PC_Options;
  TTabSheet* TS_Language;
  TTabSheet* TS_Con_Options;
  TLabel* L_Sel_Lang;
  TLabel* L_Page_Lang;
  std::array<TImage*, 6> I_L;  // I_L1 ... I_L6: slots 1-3 left column, 4-6 right
  std::array<TLabel*, 6> L_L;  // L_L1 ... L_L6
  TLbButton* Btn_Prev;
  TLbButton* Btn_Next;
  TCheckBox* CB_En_Con;
  TCheckBox* CB_Update;
  TLbButton* Btn_Check_Update;
  TLinkLabel* LL_Check_Update;

  std::vector<std::string> SL_Languages;  // language file names, sorted
  int Show_Page = 1;
  std::string Language_In_Use;

  void FormCreate(TObject* Sender);
  void FormShow(TObject* Sender);
  void LangClick(TObject* Sender);
  void Btn_NextClick(TObject* Sender);
  void CB_En_ConClick(TObject* Sender);
  void Btn_Check_UpdateClick(TObject* Sender);
  void LL_Check_UpdateLinkClick(TObject* Sender, const std::string& Link, TSysLinkType LinkType);
  void Btn_OKClick(TObject* Sender);

  void Set_Lang() override;
  void Create_Lang_List();
  void Update_Lang_Page(int Page);
  void Update_CheckBox();

private:
  void Create_Language_Page();
  void Create_Connection_Page();
};

extern TFSoftOptions* FSoftOptions;
