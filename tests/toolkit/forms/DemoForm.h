#pragma once
// A small form of custom controls that the window-system tests drive: three
// focusable boxes that log what happens to them, a windowless swatch, and a
// timer that counts.

#include <string>
#include <vector>

#include "toolkit/forms/Forms.h"
#include "toolkit/forms/Timer.h"
#include "toolkit/graphics/Canvas.h"

// Shared log of events, "Name:Event".
using TEventLog = std::vector<std::string>;

class TLoggingBox : public TCustomControl {
public:
  TLoggingBox(TComponent* owner, TEventLog& log, const std::string& name, TColor fill)
      : TCustomControl(owner), log_(log), fill_(fill) {
    SetName(name);
    SetTabStop(true);
    OnEnter = [this](TObject*) { note("Enter"); };
    OnExit = [this](TObject*) { note("Exit"); };
    OnClick = [this](TObject*) { note("Click"); };
    OnDblClick = [this](TObject*) { note("DblClick"); };
    OnKeyDown = [this](TObject*, uint16_t& key, TShiftState) { note("KeyDown " + std::to_string(key)); };
    OnKeyPress = [this](TObject*, char& key) { note(std::string("KeyPress ") + key); };
    OnMouseDown = [this](TObject*, TMouseButton b, TShiftState, int x, int y) {
      note("MouseDown " + std::to_string(b) + " " + std::to_string(x) + "," + std::to_string(y));
    };
    OnMouseUp = [this](TObject*, TMouseButton b, TShiftState, int, int) { note("MouseUp " + std::to_string(b)); };
  }
  LRESULT DlgCode = 0;
  int Paints = 0;

protected:
  void Paint() override {
    ++Paints;
    Canvas()->Brush()->SetColor(Focused() ? clHighlight : fill_);
    Canvas()->FillRect(ClientRect());
    Canvas()->Brush()->SetStyle(bsClear);
    Canvas()->TextOut(4, 4, Name());
  }
  void WMGetDlgCode(TWMGetDlgCode& m) override { m.Result = DlgCode; }
  void WMSetFocus(TWMSetFocus& m) override {
    TCustomControl::WMSetFocus(m);
    note("SetFocus");
    Invalidate();
  }
  void WMKillFocus(TWMKillFocus& m) override {
    TCustomControl::WMKillFocus(m);
    note("KillFocus");
    Invalidate();
  }

private:
  void note(const std::string& what) { log_.push_back(Name() + ":" + what); }
  TEventLog& log_;
  TColor fill_;
};

class TSwatch : public TGraphicControl {
public:
  TSwatch(TComponent* owner, const std::string& name) : TGraphicControl(owner) { SetName(name); }
  int Paints = 0;

protected:
  void Paint() override {
    ++Paints;
    Canvas()->Brush()->SetColor(clRed);
    Canvas()->FillRect(ClientRect());
  }
};

class TDemoForm : public TForm {
public:
  TDemoForm(TComponent* owner, TEventLog& log) : TForm(owner) {
    SetName("DemoForm");
    SetCaption("Demo");
    SetBounds(100, 100, 400, 300);
    First = new TLoggingBox(this, log, "First", clWindow);
    First->SetBounds(10, 10, 100, 40);
    First->SetParent(this);
    Second = new TLoggingBox(this, log, "Second", clBtnFace);
    Second->SetBounds(120, 10, 100, 40);
    Second->SetParent(this);
    Third = new TLoggingBox(this, log, "Third", clInfoBk);
    Third->SetBounds(230, 10, 100, 40);
    Third->SetParent(this);
    Swatch = new TSwatch(this, "Swatch");
    Swatch->SetBounds(10, 60, 50, 20);
    Swatch->SetParent(this);
    Ticker = new TTimer(this);
    Ticker->SetInterval(100);
    Ticker->SetOnTimer([this](TObject*) { ++Ticks; });
  }
  TLoggingBox* First;
  TLoggingBox* Second;
  TLoggingBox* Third;
  TSwatch* Swatch;
  TTimer* Ticker;
  int Ticks = 0;
};
