#pragma once
// The open-project dialog: lists the project folders and remembers the
// chosen name.

#include <string>
#include <vector>

#include "base/UFormLook.h"
#include "toolkit/forms/std/ListBox.h"

class TFOpenConf : public TShellDialog {
public:
  explicit TFOpenConf(TComponent* AOwner);
  ~TFOpenConf() override;
  std::string ClassName() const override { return "TFOpenConf"; }

  TLabel* Label1;
  TListBox* ListBox1;

  std::vector<std::string> SL;  // the project folders found
  std::string Name_Conf;        // the chosen name, kept between showings

  void FormCreate(TObject* Sender);
  void FormShow(TObject* Sender);
  void ListBox1Click(TObject* Sender);
  void Btn_OKClick(TObject* Sender);
  void ListBox1MouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
  void Set_Lang() override;
  void Load_Existing_Configuration();
  int Search_Open_Conf(const std::string& Name) const;
};

extern TFOpenConf* FOpenConf;
