#pragma once
// A form with one drop-down editor of type T at (20, 40), shown, and a plain
// edit to click elsewhere.

#include <gtest/gtest.h>

#include "controls/ExtDropDown.h"
#include "controls/ExtDropDownForm.h"
#include "toolkit/forms/Forms.h"
#include "toolkit/forms/std/Edit.h"
#include "toolkit/rtl/SysUtils.h"
#include "toolkit/testing/TestDriver.h"

template <class T>
class DropDownFixture : public FormsTest {
protected:
  void SetUp() override {
    ResetFormatSettings();
    form = new TForm(Application);
    form->SetBounds(0, 0, 400, 300);
    dd = new T(form);
    dd->SetParent(form);
    dd->SetBounds(20, 40, 200, 21);
    other = new TEdit(form);
    other->SetParent(form);
    other->SetBounds(20, 250, 80, 21);
    form->Show();
    Driver.Pump();
    Driver.Focus(dd);
  }
  TDropDownForm* popup() const { return dd->DropDownForm(); }
  TForm* form = nullptr;
  T* dd = nullptr;
  TEdit* other = nullptr;
};
