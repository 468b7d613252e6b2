#pragma once
// What the CAN, serial and network update wizards share: the title band, the
// four update options on page 2 (all ticked at creation and kept for the
// run), the button panel with Cancel and Next on page 1 and Update on page 2,
// and the port list of the serial wizards.

#include <initializer_list>
#include <string>
#include <vector>

#include "base/UFormLook.h"
#include "outputs/UBootCAN.h"
#include "toolkit/forms/std/Button.h"
#include "toolkit/forms/std/ComboBox.h"

// The texts of page 2 and the buttons: the options label and the four boxes
// from Options_First on, then Cancel, Next and Update.
struct TWizardTexts {
  int Options_First;
  int Cancel, Next, Update;
};

class TFBootWizard : public TForm {
public:
  explicit TFBootWizard(TComponent* AOwner);
  std::string ClassName() const override { return "TFBootWizard"; }

  TPanel* P_Title;
  TLabel* L_SW_Code;
  TLabel* L_SW_Desc;
  TLabel* L_Options;
  TCheckBox* CB_Firmware;
  TCheckBox* CB_Read_Firm;
  TCheckBox* CB_Conf;
  TCheckBox* CB_Read_Conf;
  TPanel* P_Button;
  TLbButton* Btn_Cancel;
  TLbButton* Btn_Next;
  TLbButton* Btn_Update;

  // 1: the connection; 2: the options and Update.
  void Show_Page(int Page);
  int Page() const { return page_; }
  TUpdateOptions Options() const;

protected:
  // The controls that only page 1 shows, besides Cancel and Next.
  void Set_Page_One(std::initializer_list<TControl*> Controls) { page_one_ = Controls; }
  // The creation work: the code label, the client size, every option ticked.
  void Prepare_Wizard();
  void Set_Wizard_Texts(const TWizardTexts& Texts);

private:
  TCheckBox* Make_Option(int Left, int Top);
  std::vector<TControl*> page_one_;
  int page_ = 1;
};

// The ports present as "COM" + number, the first one selected.
void Fill_Port_List(TComboBox* List);
