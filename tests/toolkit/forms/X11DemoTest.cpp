// The demo form on the real display, for a person to look at. Runs only with
// QUELIX_X11_DEMO set (and DISPLAY, e.g. under xvfb-run); it keeps the window
// up for QUELIX_X11_DEMO milliseconds so a screenshot can be taken:
//   xvfb-run -a sh -c 'QUELIX_X11_DEMO=3000 ./toolkit_tests --gtest_filter=X11Demo* &
//                      sleep 2; import -window root shot.png; wait'

#include <cstdlib>

#include "platform/display/DisplayHost.h"
#include "platform/kernel/Clock.h"
#include "toolkit/forms/DemoForm.h"
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

}  // namespace
