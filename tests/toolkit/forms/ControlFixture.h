#pragma once
// A shown form on the test driver's headless display, and short names for
// the driver's input calls, so that control tests read like what a user does.

#include <gtest/gtest.h>

#include <string>

#include "toolkit/forms/Forms.h"
#include "toolkit/forms/WinApi.h"
#include "toolkit/testing/TestDriver.h"

class ControlFixture : public FormsTest {
protected:
  void SetUp() override {
    form_ = new TForm(Application);
    form_->SetBounds(10, 10, 420, 320);
    form_->Show();
    Driver.Pump();
  }

  template <typename T>
  T* Make(int x = 10, int y = 10, int w = 0, int h = 0) {
    T* c = new T(form_);
    c->SetParent(form_);
    c->SetBounds(x, y, w > 0 ? w : c->Width(), h > 0 ? h : c->Height());
    return c;
  }

  // Keys go to the focused control; c is focused first when it is not.
  void Key(TWinControl* c, uint16_t vk, TShiftState shift = {}) {
    focus(c);
    Driver.PressKey(vk, shift);
  }
  // Control characters are typed as Ctrl+letter (#1 = Ctrl+A ... #26 = Ctrl+Z).
  void Char(TWinControl* c, char ch) {
    focus(c);
    unsigned char u = static_cast<unsigned char>(ch);
    if (u == 8) Driver.PressKey(VK_BACK);
    else if (u == 13) Driver.PressKey(VK_RETURN);
    else if (u == 27) Driver.PressKey(VK_ESCAPE);
    else if (u >= 1 && u <= 26) Driver.PressKey(static_cast<uint16_t>('A' + u - 1), {ssCtrl});
    else Driver.Type(std::string(1, ch));
  }
  void Type(TWinControl* c, const std::string& text) {
    focus(c);
    Driver.Type(text);
  }
  void Click(TControl* c, int x, int y, TShiftState shift = {}) { Driver.Click(c, x, y, shift); }
  void DoubleClick(TControl* c, int x, int y) { Driver.DoubleClick(c, x, y); }
  void Pump() { Driver.Pump(); }

  TForm* form_ = nullptr;

private:
  void focus(TWinControl* c) {
    if (c != nullptr && !c->Focused()) Driver.Focus(c);
  }
};
