// Shows the gallery on the real display for a person to look at, e.g.
//   QUELIX_SHOW_GALLERY=5 xvfb-run -a toolkit_tests --gtest_filter='GalleryOnDisplay*'
// and, from another shell, `import -window root gallery.png`. Skipped unless
// QUELIX_SHOW_GALLERY gives the seconds to stay open.

#include <gtest/gtest.h>

#include <cstdlib>

#include "GalleryForm.h"
#include "platform/display/DisplayHost.h"
#include "toolkit/forms/Timer.h"

namespace {

TEST(GalleryOnDisplay, StaysOpenForAWhile) {
  const char* seconds = std::getenv("QUELIX_SHOW_GALLERY");
  if (seconds == nullptr) GTEST_SKIP() << "set QUELIX_SHOW_GALLERY to the seconds to show the gallery";
  auto display = platform::CreateDefaultDisplay();
  platform::SetDisplay(display.get());
  InitializeForms();
  auto* form = new TForm(Application);
  TEdit* first = BuildGallery(form);
  Application->SetMainForm(form);
  auto* timer = new TTimer(Application);
  timer->SetInterval(static_cast<uint32_t>(std::max(1, std::atoi(seconds))) * 1000);
  timer->SetOnTimer([](TObject*) { Application->Terminate(); });
  form->Show();
  first->SetFocus();
  Application->Run();
  FinalizeForms();
  platform::SetDisplay(nullptr);
}

}  // namespace
