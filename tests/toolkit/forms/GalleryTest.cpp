// The gallery form, saved as a picture for a person to look at
// (QUELIX_SCREENSHOT_DIR chooses where), with a few probes of what it must
// show in each look.

#include "GalleryForm.h"
#include "platform/theme/Theme.h"

#include "ControlFixture.h"

namespace {

class GalleryTest : public ControlFixture {
protected:
  // Face, selected list item and shape fill, in form client coordinates.
  void ExpectCommonParts() {
    EXPECT_EQ(Driver.PixelAt(form_, 860, 480), ColorToRGB(clBtnFace));
    EXPECT_EQ(Driver.PixelAt(form_, 30, 153), ColorToRGB(clHighlight));  // "Module 3"
    EXPECT_EQ(Driver.PixelAt(form_, 440, 263), ColorToRGB(clSkyBlue));  // the ellipse
  }
};

TEST_F(GalleryTest, OneOfEachOpensAndIsPainted) {
  TEdit* first = BuildGallery(form_);
  Driver.Focus(first);
  Pump();
  EXPECT_TRUE(first->Focused());
  std::string path = Driver.Screenshot(form_, "gallery.png");
  EXPECT_FALSE(path.empty());
  ExpectCommonParts();
  EXPECT_EQ(Driver.PixelAt(form_, 95, 17), ColorToRGB(clHighlight));  // the focused edit's text is selected
  EXPECT_EQ(Driver.PixelAt(form_, 60, 340), RGB(6, 176, 37));         // the themed progress bar is green
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
  ExpectCommonParts();
  EXPECT_EQ(Driver.PixelAt(form_, 95, 17), ColorToRGB(clWindow));      // not focused: no selection
  EXPECT_EQ(Driver.PixelAt(form_, 20, 340), ColorToRGB(clHighlight));  // classic progress blocks
}

}  // namespace
