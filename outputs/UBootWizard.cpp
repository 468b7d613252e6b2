#include "outputs/UBootWizard.h"

#include "base/UComon.h"
#include "base/ULanguage.h"

namespace {

constexpr int Client_Width = 350;
constexpr int Client_Height = 233;
constexpr int Option_Width = 280;
constexpr int Option_Height = 19;
constexpr int Button_Height = 30;
constexpr int Update_Button_Width = 200;

}  // namespace

TFBootWizard::TFBootWizard(TComponent* AOwner) : TForm(AOwner) {
  Set_Form_Look(this);
  SetClientSize(Client_Width, Client_Height);
  TTitlePanel title = Make_Title_Panel(this);
  P_Title = title.P_Title;
  L_SW_Code = title.L_SW_Code;
  L_SW_Desc = title.L_SW_Desc;
  L_Options = Make_Label(this, this, 16, 75);
  CB_Firmware = Make_Option(36, 96);
  CB_Read_Firm = Make_Option(56, 119);
  CB_Conf = Make_Option(36, 142);
  CB_Read_Conf = Make_Option(56, 165);
  TButtonPanel buttons = Make_Button_Panel(this);
  P_Button = buttons.P_Button;
  // The panel's OK place is Cancel's here, and Next takes the right edge.
  Btn_Next = buttons.Btn_Cancel;
  Btn_Next->SetGlyph(nullptr);
  Btn_Cancel = buttons.Btn_OK;
  Btn_Cancel->SetModalResult(mrCancel);
  {
    TBitmap glyph;
    Draw_App_Glyph(glyph, agCancel, 20);
    Btn_Cancel->SetGlyph(&glyph);
    Draw_App_Glyph(glyph, agNext, 20);
    Btn_Next->SetGlyph(&glyph);
  }
  Btn_Update = Make_Button(this, P_Button, 16, Btn_Next->Top(), Update_Button_Width, Button_Height, agUpdate);
}

TCheckBox* TFBootWizard::Make_Option(int Left, int Top) {
  auto* cb = new TCheckBox(this);
  cb->SetParent(this);
  cb->SetParentColor(true);
  cb->SetBounds(Left, Top, Option_Width, Option_Height);
  cb->SetChecked(true);
  return cb;
}

void TFBootWizard::Prepare_Wizard() {
  L_SW_Code->SetCaption(SW_Code);
  SetClientSize(Client_Width, Client_Height);
  for (TCheckBox* cb : {CB_Firmware, CB_Read_Firm, CB_Conf, CB_Read_Conf}) cb->SetChecked(true);
}

void TFBootWizard::Set_Wizard_Texts(const TWizardTexts& Texts) {
  int t = Texts.Options_First;
  for (TControl* c : std::initializer_list<TControl*>{L_Options, CB_Firmware, CB_Read_Firm, CB_Conf, CB_Read_Conf})
    c->SetCaption(Lang_Text(t++));
  Btn_Cancel->SetCaption(Lang_Text(Texts.Cancel));
  Btn_Next->SetCaption(Lang_Text(Texts.Next));
  Btn_Update->SetCaption(Lang_Text(Texts.Update));
}

void TFBootWizard::Show_Page(int Page) {
  page_ = Page;
  const bool first = Page == 1;
  for (TControl* c : page_one_) c->SetVisible(first);
  for (TControl* c : std::initializer_list<TControl*>{Btn_Cancel, Btn_Next}) c->SetVisible(first);
  for (TControl* c : std::initializer_list<TControl*>{L_Options, CB_Firmware, CB_Read_Firm, CB_Conf, CB_Read_Conf,
                                                      Btn_Update})
    c->SetVisible(!first);
}

TUpdateOptions TFBootWizard::Options() const {
  return {CB_Firmware->Checked(), CB_Read_Firm->Checked(), CB_Conf->Checked(), CB_Read_Conf->Checked()};
}

void Fill_Port_List(TComboBox* List) {
  List->Items()->Clear();
  for (const std::string& name : Com_Port_List()) List->Items()->Add(name);
  List->SetItemIndex(List->Items()->Count() > 0 ? 0 : -1);
}
