// The screen's size and work area come from the real display, so that a
// centred form is centred on it. Needs an X display, e.g.
//   xvfb-run -a -s '-screen 0 1600x1200x24' ./toolkit_tests --gtest_filter='ScreenOnDisplay*'
// and is skipped without one.

#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/display/DisplayHost.h"
#include "toolkit/forms/Forms.h"

#include "X11ScreenSize.h"

namespace {

TEST(ScreenOnDisplay, FormsAreCentredOnTheRealScreen) {
  const char* name = std::getenv("DISPLAY");
  if (name == nullptr || *name == 0) GTEST_SKIP() << "needs DISPLAY";
  int width = 0, height = 0;
  if (!X11ScreenSize(width, height)) GTEST_SKIP() << "cannot open " << name;

  platform::ResetFacts();
  platform::SetDisplay(nullptr);
  InitializeForms();
  EXPECT_EQ(Screen->Width(), width);
  EXPECT_EQ(Screen->Height(), height);
  TRect work = Screen->WorkAreaRect();
  EXPECT_GT(work.Width(), 0);
  EXPECT_LE(work.Right, width);
  EXPECT_LE(work.Bottom, height);

  auto* form = new TForm(Application);
  form->SetBounds(0, 0, 400, 300);
  form->SetPosition(poScreenCenter);
  form->Show();
  EXPECT_EQ(form->Left(), (width - 400) / 2);
  EXPECT_EQ(form->Top(), (height - 300) / 2);
  FinalizeForms();
}

}  // namespace
