#pragma once
// The configurator's windows started as the program starts them, in a fresh
// program folder, with a fake HTTP client; short names for what a user does.

#include <filesystem>
#include <string>

#include "app/UAbout.h"
#include "app/UNew_Project.h"
#include "app/UOpenConf.h"
#include "app/USoftOptions.h"
#include "app/UTessimatoreFirmWare.h"
#include "app/UWindows.h"
#include "base/UComon.h"
#include "base/ULanguage.h"
#include "platform/net/HttpClient.h"
#include "tests/base/TempFolder.h"
#include "toolkit/testing/TestDriver.h"

class TShellFixture : public FormsTest {
protected:
  void SetUp() override {
    platform::SetHttpClient(&http);
    Set_Program_Folder(dir.Path());
  }
  void TearDown() override {
    platform::SetHttpClient(nullptr);
    Set_Program_Folder("");
    Reset_Comon();
    Lang_Strings.clear();
  }
  // Start-up as the program does it.
  void Start() {
    Create_Windows();
    main = FTessimatoreFirmWare;
    main->Show();
    Driver.Pump();
  }
  void Click(TControl* c) { Driver.Click(c, c->Width() / 2, c->Height() / 2); }
  // Runs the new-project dialog typing Name and pressing OK; Answer the
  // error box expected (empty: none), after which the dialog is cancelled.
  void New_Project(const std::string& Name, const std::string& Error = "") {
    Driver.InModal([this, Name, Error] {
      Driver.Focus(FNew_Project->E_New_Proj);
      Driver.Type(Name);
      if (!Error.empty()) Driver.ExpectMessage(Error, mrOk);
      Click(FNew_Project->Btn_OK);
      if (!Error.empty()) Click(FNew_Project->Btn_Cancel);
    });
    Click(main->Btn_New);
  }
  std::string Labels() const { return main->L_Name_Conf->Caption() + "|" + main->L_Name_Conf_L2->Caption(); }
  void Tick(TCheckBox* cb) { Driver.Click(cb, 6, cb->Height() / 2); }

  TTempFolder dir;
  platform::FakeHttpClient http;
  TFTessimatoreFirmWare* main = nullptr;
};

