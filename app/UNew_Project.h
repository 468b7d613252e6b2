#pragma once
// The new-project dialog: asks for a name and creates the project's folder.

#include "base/UFormLook.h"
#include "toolkit/forms/std/Edit.h"

class TFNew_Project : public TShellDialog {
public:
  explicit TFNew_Project(TComponent* AOwner);
  ~TFNew_Project() override;
  std::string ClassName() const override { return "TFNew_Project"; }

  TLabel* Label1;
  TEdit* E_New_Proj;

  void FormCreate(TObject* Sender);
  void FormShow(TObject* Sender);
  // Creates the project named as typed, or says why not and stays open.
  void Btn_OKClick(TObject* Sender);
  void E_New_ProjKeyPress(TObject* Sender, char& Key);
  void Set_Lang() override;
};

extern TFNew_Project* FNew_Project;
