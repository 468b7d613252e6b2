#pragma once
// A fresh driver with the demo form shown, its events going to Log.

#include "toolkit/forms/DemoForm.h"
#include "toolkit/testing/TestDriver.h"

class DemoFormFixture : public FormsTest {
protected:
  void SetUp() override {
    Form = new TDemoForm(Application, Log);
    Form->Show();
    Driver.Pump();
  }
  TEventLog Log;
  TDemoForm* Form = nullptr;
};
