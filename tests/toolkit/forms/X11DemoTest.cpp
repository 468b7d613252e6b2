// The demo form on the real display, for a person to look at. Runs only with
// QUELIX_X11_DEMO set (and DISPLAY, e.g. under xvfb-run); it keeps the window
// up for QUELIX_X11_DEMO milliseconds so a screenshot can be taken:
//   xvfb-run -a sh -c 'QUELIX_X11_DEMO=3000 ./toolkit_tests --gtest_filter=X11Demo* &
//                      sleep 2; import -window root shot.png; wait'

#include <cstdlib>

#include "platform/display/DisplayHost.h"
#include "platform/kernel/Clock.h"
#include "toolkit/forms/DemoForm.h"
#include "toolkit/forms/Dialogs.h"
#include "toolkit/forms/WindowManager.h"

namespace {

TEST(X11Demo, ShowsTheDemoFormOnTheRealDisplay) {
  const char* ms = std::getenv("QUELIX_X11_DEMO");
  if (!ms || !std::getenv("DISPLAY")) GTEST_SKIP() << "set QUELIX_X11_DEMO and DISPLAY to run";
  auto display = platform::CreateDefaultDisplay();
  ASSERT_FALSE(display->IsHeadless());
  platform::SetDisplay(display.get());
  InitializeForms();
  TEventLog log;
  auto* form = new TDemoForm(Application, log);
  form->SetPosition(poScreenCenter);
  form->Show();
  form->Second->SetFocus();
  uint32_t start = GetTickCount();
  while (GetTickCount() - start < static_cast<uint32_t>(std::atoi(ms)) && !Application->Terminated())
    Application->HandleMessage();
  EXPECT_TRUE(form->Showing());
  EXPECT_EQ(form->ActiveControl(), form->Second);
  FinalizeForms();
  platform::SetDisplay(nullptr);
}

TEST(X11Demo, RunEndsWhenTheMainFormClosesAndTheBuiltInBoxWorks) {
  if (!std::getenv("QUELIX_X11_DEMO") || !std::getenv("DISPLAY")) GTEST_SKIP() << "set QUELIX_X11_DEMO and DISPLAY to run";
  auto display = platform::CreateDefaultDisplay();
  platform::SetDisplay(display.get());
  InitializeForms();
  struct TMainDemo : TDemoForm {
    explicit TMainDemo(TComponent* owner) : TDemoForm(owner, Log()) {}
    static TEventLog& Log() {
      static TEventLog log;
      return log;
    }
  };
  TMainDemo* form = nullptr;
  Application->CreateForm(form);
  int answer = 0;
  auto* closer = new TTimer(form);
  closer->SetInterval(300);
  closer->SetOnTimer([&](TObject*) {
    closer->SetEnabled(false);
    // The box is modal: a second timer answers it from inside its loop.
    auto* answerer = new TTimer(form);
    answerer->SetInterval(500);
    answerer->SetOnTimer([answerer](TObject*) {
      answerer->SetEnabled(false);
      if (TCustomForm* box = Screen->ActiveForm()) box->SetModalResult(mrNo);
    });
    answer = MessageDlg("Close the demo?", mtConfirmation, {mbYes, mbNo}, 0);
    form->Close();
  });
  Application->Run();
  EXPECT_TRUE(Application->Terminated());
  EXPECT_EQ(answer, mrNo);
  FinalizeForms();
  platform::SetDisplay(nullptr);
}

}  // namespace
