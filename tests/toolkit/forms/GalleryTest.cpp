// The gallery form, saved as a picture for a person to look at
// (QUELIX_SCREENSHOT_DIR chooses where).

#include "GalleryForm.h"
#include "platform/theme/Theme.h"

#include "ControlFixture.h"

namespace {

class GalleryTest : public ControlFixture {};

TEST_F(GalleryTest, OneOfEachOpensAndIsPainted) {
  TEdit* first = BuildGallery(form_);
  Driver.Focus(first);
  Pump();
  EXPECT_TRUE(first->Focused());
  std::string path = Driver.Screenshot(form_, "gallery.png");
  EXPECT_FALSE(path.empty());
  // Tab walks through the controls without getting stuck.
  for (int i = 0; i < 30; ++i) Driver.PressKey(VK_TAB);
  EXPECT_NE(Screen->ActiveControl(), nullptr);
}

TEST_F(GalleryTest, ClassicLookWithoutThemes) {
  Driver.SetThemesActive(false);
  BuildGallery(form_);
  Pump();
  std::string path = Driver.Screenshot(form_, "gallery-classic.png");
  EXPECT_FALSE(path.empty());
}

}  // namespace
