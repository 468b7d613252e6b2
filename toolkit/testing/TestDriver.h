#pragma once
// The headless test driver. It starts the in-memory display with a virtual
// clock and fixed text metrics, gives every test fresh global state
// (Application, Screen, focus, capture, timers, hooks, clipboard, records, a
// registry of its own in a temporary file, themes on), injects
// input through the message queue, runs scripted answers for modal loops,
// message boxes and file dialogs, and records what was shown and painted.
//
//   class MyTest : public FormsTest {};
//   TEST_F(MyTest, SavesOnOk) {
//     auto* form = new TMyForm(Application);
//     form->Show();
//     Driver.Click(form->OkButton, 5, 5);
//     Driver.ExpectMessage("Saved", mrOk);   // before the code that shows it
//     ...
//   }
//
// Every input call is followed by Pump(): the queue is run until it is idle.
// A modal loop that goes idle runs the next InModal step; with no step left
// (or another kind of step next) the test fails at once, naming the form, and
// the loop ends with mrCancel instead of hanging.
//
// Themes are on in every test, as on a desktop with visual styles; a test of
// the classic look calls Driver.SetThemesActive(false), and the next test
// starts with them on again. The theme module ("uxtheme") is registered.

#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/display/headless/HeadlessHost.h"
#include "platform/kernel/Clock.h"
#include "platform/process/RecordingLauncher.h"
#include "platform/shell/OpenLink.h"
#include "toolkit/forms/Dialogs.h"
#include "toolkit/forms/Forms.h"
#include "toolkit/forms/WindowManager.h"

struct TMessageBoxRecord {
  std::string Text;
  std::string Caption;
  TMsgDlgType Type = mtCustom;
  std::vector<TModalResult> Buttons;
  TModalResult Answer = mrNone;
};

class TTestDriver : public IDialogPresenter {
public:
  TTestDriver();
  ~TTestDriver() override;
  TTestDriver(const TTestDriver&) = delete;
  TTestDriver& operator=(const TTestDriver&) = delete;

  platform::HeadlessHost& Host() { return host_; }
  platform::VirtualClock& Clock() { return clock_; }
  // The file this test's registry lives in (removed when the test ends).
  const std::filesystem::path& RegistryFile() const { return registryFile_; }
  void SetThemesActive(bool Active);

  // ---- mouse: coordinates are client coordinates of the control ----
  void Click(TControl* Control, int X, int Y, TShiftState Shift = {});
  void DoubleClick(TControl* Control, int X, int Y, TShiftState Shift = {});
  void RightClick(TControl* Control, int X, int Y, TShiftState Shift = {});
  void MouseMove(TControl* Control, int X, int Y, TShiftState Shift = {});
  void MouseDown(TControl* Control, int X, int Y, TMouseButton Button = mbLeft, TShiftState Shift = {});
  void MouseUp(TControl* Control, int X, int Y, TMouseButton Button = mbLeft, TShiftState Shift = {});
  // Delta in wheel units: +120 is one notch away from the user.
  void Wheel(TControl* Control, int Delta, int X = 0, int Y = 0, TShiftState Shift = {});

  // ---- keyboard: keys go to the focused control ----
  // Presses the key (with the modifiers in Shift held); KeyUp releases it.
  void KeyDown(uint16_t Key, TShiftState Shift = {});
  void KeyUp(uint16_t Key, TShiftState Shift = {});
  // KeyDown followed by KeyUp, then the modifiers are let go.
  void PressKey(uint16_t Key, TShiftState Shift = {});
  // Types UTF-8 text character by character ("\n" is Enter, "\t" is Tab).
  void Type(const std::string& Text);
  void Focus(TWinControl* Control);
  // From now on the modifiers in Right are held with their right-hand key
  // (right Shift, right Ctrl, right Alt); the others with the left one.
  void SetRightHandModifiers(TShiftState Right) { rightHand_ = Right; }

  // ---- time and the queue ----
  void Pump();
  // Moves the virtual clock on by Ms, firing each timer when it falls due, in order.
  void Advance(uint32_t Ms);

  // ---- scripts, consumed in order ----
  // Answers the next message box; an empty Text accepts any text.
  void ExpectMessage(const std::string& Text, TModalResult Answer);
  void AnswerOpenDialog(const std::string& Path);
  void AnswerSaveDialog(const std::string& Path);
  void CancelOpenDialog();
  void CancelSaveDialog();
  // Runs Step when a modal loop has nothing else to do.
  void InModal(std::function<void()> Step);
  bool ScriptDone() const { return script_.empty(); }

  // ---- records ----
  const std::vector<TMessageBoxRecord>& MessageBoxes() const { return messageBoxes_; }
  const std::vector<TFileDialogRequest>& FileDialogs() const { return fileDialogs_; }
  const std::vector<std::string>& CursorsSet() const { return wm::CursorLog(); }
  // Every WM_PAINT / WM_ERASEBKGND / WM_NCPAINT with its control and clip, in order.
  const std::vector<TPaintRecord>& Paints() const { return wm::PaintLog(); }
  // The names of the controls that got WM_PAINT since the last ClearPaints.
  std::vector<std::string> PaintedNames() const;
  void ClearPaints() { wm::PaintLog().clear(); }
  int Beeps() const { return wm::BeepCount(); }
  // Links opened and programs started: nothing is opened or started for real.
  std::vector<std::string> LinksOpened() const { return links_.Opened(); }
  std::vector<platform::RecordingProcessLauncher::Started> ProgramsStarted() const {
    return launcher_.StartedPrograms();
  }
  // Decides how started programs behave (see RecordingProcessLauncher::OnStart).
  platform::RecordingProcessLauncher& Launcher() { return launcher_; }

  // Saves the form's picture as PNG (under QUELIX_SCREENSHOT_DIR, or the test
  // temp folder, unless Name is an absolute path); returns the path, "" on failure.
  std::string Screenshot(TWinControl* Form, const std::string& Name);

  // ---- pixel probes ----
  // The colour that the window's picture shows at client point (X, Y) of
  // Control, after pumping; clNone outside the picture.
  TColor PixelAt(TControl* Control, int X, int Y);

  // ---- IDialogPresenter ----
  TModalResult ShowMessageBox(const TMessageBoxRequest& Request) override;
  bool ExecuteFileDialog(TFileDialogRequest& Request) override;

private:
  enum class StepKind { Message, OpenDialog, SaveDialog, Modal };
  struct Step {
    StepKind Kind;
    std::string Text;
    TModalResult Answer = mrNone;
    bool Cancel = false;
    std::function<void()> Action;
  };
  bool modalIdle(TCustomForm* Form);
  void injectMouse(platform::HostEventKind Kind, TControl* Control, int X, int Y, int Button, TShiftState Shift,
                   int WheelDelta = 0);
  void injectKey(platform::HostEventKind Kind, uint16_t Key, uint32_t Char, TShiftState Shift);
  void releaseModifiers(TShiftState Shift);
  platform::HostWindowId hostOf(TControl* Control, TPoint& Surface, int X, int Y);
  static std::string describe(const Step& s);

  std::filesystem::path registryFolder_;
  std::filesystem::path registryFile_;
  platform::HeadlessHost host_;
  platform::VirtualClock clock_;
  platform::RecordingLinkOpener links_;
  platform::RecordingProcessLauncher launcher_;
  std::deque<Step> script_;
  std::vector<TMessageBoxRecord> messageBoxes_;
  std::vector<TFileDialogRequest> fileDialogs_;
  uint32_t buttons_ = 0;
  TShiftState rightHand_;
};

// The fixture base for tests of windows: a fresh driver per test.
class FormsTest : public ::testing::Test {
protected:
  TTestDriver Driver;
};
