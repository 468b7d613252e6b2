#pragma once
// The configurator started with a new project "P" open; the Receive J1939
// and Transmit J1939 dialogs opened from their step buttons.

#include <functional>
#include <string>

#include "editors/UReceive_J1939_Frames_P68.h"
#include "editors/UTransmit_J1939_Frames_P68.h"
#include "tests/app/ShellFixture.h"

class TableEditorFixture : public TShellFixture {
protected:
  void SetUp() override {
    TShellFixture::SetUp();
    Start();
    New_Project("P");
  }
  std::string Project_File(const std::string& Name) const { return dir.Read("PROJECTS/P/" + Name); }
  void Write_Project_File(const std::string& Name, const std::string& Bytes) const {
    dir.Write("PROJECTS/P/" + Name, Bytes);
  }
  // Opens a dialog from its step button and runs Steps in it.
  void Open(TLbButton* Step, std::function<void()> Steps) {
    Driver.InModal(std::move(Steps));
    Click(Step);
  }
  void Open_Receive(std::function<void()> Steps) { Open(main->Btn_Receive_J1939, std::move(Steps)); }
  void Open_Transmit(std::function<void()> Steps) { Open(main->Btn_Transmit_J1939, std::move(Steps)); }
  TFReceive_J1939_Frame_P68* rx() { return FReceive_J1939_Frame_P68; }
  TFTransmit_J1939_Frame_P68* tx() { return FTransmit_J1939_Frame_P68; }
};
