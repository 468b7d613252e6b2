#pragma once
// A form on the headless display with helpers that deliver keys and mouse
// clicks to a control through its messages, as the input layer would.

#include <gtest/gtest.h>

#include <string>

#include "platform/kernel/Clock.h"
#include "toolkit/forms/Forms.h"
#include "toolkit/forms/WinApi.h"
#include "toolkit/graphics/TextMetrics.h"

class ControlFixture : public ::testing::Test {
protected:
  void SetUp() override {
    platform::SetClock(&clock_);
    SetFixedTextMetrics(true);
    InitializeForms();
    form_ = new TForm(nullptr);
    form_->SetBounds(10, 10, 400, 300);
    form_->Show();
  }
  void TearDown() override {
    delete form_;
    FinalizeForms();
    SetFixedTextMetrics(false);
    platform::SetClock(nullptr);
  }

  template <typename T>
  T* Make(int x = 10, int y = 10, int w = 0, int h = 0) {
    T* c = new T(form_);
    c->SetParent(form_);
    c->SetBounds(x, y, w > 0 ? w : c->Width(), h > 0 ? h : c->Height());
    return c;
  }

  static TShiftState Shift(TShiftState s) { return s; }

  void Key(TWinControl* c, uint16_t vk, TShiftState shift = {}) {
    for (auto [item, key] : {std::pair{ssShift, VK_SHIFT}, {ssCtrl, VK_CONTROL}, {ssAlt, VK_MENU}})
      if (shift.Contains(item)) SetKeyDown(key, true);
    UINT down = shift.Contains(ssAlt) ? WM_SYSKEYDOWN : WM_KEYDOWN;
    SendMessage(c->Handle(), down, vk, 1);
    SendMessage(c->Handle(), down == WM_KEYDOWN ? WM_KEYUP : WM_SYSKEYUP, vk, 0xC0000001);
    for (auto key : {VK_SHIFT, VK_CONTROL, VK_MENU}) SetKeyDown(key, false);
    Pump();
  }
  void Char(TWinControl* c, char ch) {
    SendMessage(c->Handle(), WM_CHAR, static_cast<unsigned char>(ch), 1);
    Pump();
  }
  void Type(TWinControl* c, const std::string& text) {
    for (char ch : text) Char(c, ch);
  }
  void Click(TWinControl* c, int x, int y, TShiftState shift = {}) {
    WPARAM keys = MK_LBUTTON | (shift.Contains(ssShift) ? MK_SHIFT : 0) | (shift.Contains(ssCtrl) ? MK_CONTROL : 0);
    SetKeyDown(VK_LBUTTON, true);
    SendMessage(c->Handle(), WM_LBUTTONDOWN, keys, MakeLParam(x, y));
    SetKeyDown(VK_LBUTTON, false);
    SendMessage(c->Handle(), WM_LBUTTONUP, keys & ~MK_LBUTTON, MakeLParam(x, y));
    Pump();
  }
  void DoubleClick(TWinControl* c, int x, int y) {
    Click(c, x, y);
    SendMessage(c->Handle(), WM_LBUTTONDBLCLK, MK_LBUTTON, MakeLParam(x, y));
    SendMessage(c->Handle(), WM_LBUTTONUP, 0, MakeLParam(x, y));
    Pump();
  }
  void Pump() { Application->ProcessMessages(); }

  platform::VirtualClock clock_;
  TForm* form_ = nullptr;
};
