#include "grid/foundation/ExtObjCheckBox.h"

#include <gtest/gtest.h>

#include "grid/foundation/ExtXPVS.h"
#include "platform/theme/Theme.h"
#include "toolkit/forms/Forms.h"
#include "toolkit/testing/TestDriver.h"

namespace {

class GridCheckBox : public FormsTest {
protected:
  void SetUp() override {
    form = new TForm(Application);
    form->SetBounds(10, 10, 300, 200);
    box = new TExtCheckBox(form);
    box->SetParent(form);
    box->SetBounds(10, 10, 120, 20);
    box->SetCaption("&Match case");
    box->OnClick = [this](TObject*) { ++clicks; };
    form->Show();
    Driver.Pump();
  }
  TForm* form = nullptr;
  TExtCheckBox* box = nullptr;
  int clicks = 0;
};

TEST_F(GridCheckBox, StartsAsItsOwnClassName) {
  TExtCheckBox plain(nullptr);
  EXPECT_EQ(plain.Caption(), "TExtCheckBox");
  EXPECT_EQ(plain.Width(), 98);
  EXPECT_EQ(plain.Height(), 20);
  EXPECT_FALSE(plain.Checked());
}

TEST_F(GridCheckBox, MouseReleaseInsideTogglesAndClicks) {
  Driver.Click(box, 5, 5);
  EXPECT_TRUE(box->Checked());
  EXPECT_EQ(clicks, 1);
  EXPECT_TRUE(box->Focused());
  Driver.Click(box, 5, 5);
  EXPECT_FALSE(box->Checked());
  EXPECT_EQ(clicks, 2);
}

TEST_F(GridCheckBox, PressShowsDownAndReleaseOutsideDoesNothing) {
  Driver.MouseDown(box, 5, 5);
  EXPECT_TRUE(box->Down());
  Driver.MouseMove(box, 200, 5);
  EXPECT_FALSE(box->Down());
  Driver.MouseUp(box, 200, 5);
  EXPECT_FALSE(box->Checked());
  EXPECT_EQ(clicks, 0);
}

TEST_F(GridCheckBox, SpaceKeyTogglesAndAcceleratorToo) {
  Driver.Focus(box);
  Driver.PressKey(VK_SPACE);
  EXPECT_TRUE(box->Checked());
  EXPECT_EQ(clicks, 1);
  Driver.PressKey('M', {ssAlt});
  EXPECT_FALSE(box->Checked());
}

TEST_F(GridCheckBox, ReadOnlyRefusesTogglingButStillClicks) {
  box->SetReadOnly(true);
  Driver.Click(box, 5, 5);
  Driver.PressKey(VK_SPACE);
  Driver.PressKey('M', {ssAlt});
  EXPECT_FALSE(box->Checked());
  EXPECT_EQ(clicks, 2);
}

TEST_F(GridCheckBox, CheckedLeavesGrayed) {
  box->SetState(cbGrayed);
  EXPECT_FALSE(box->Checked());
  box->SetChecked(false);
  EXPECT_EQ(box->State(), cbUnchecked);
}

TEST_F(GridCheckBox, BoxPlaceInBothLooks) {
  RegisterThemeModule();
  BindThemeLibrary();
  box->SetAlignment(taRightJustify);
  SetThemeActive(true);
  EXPECT_EQ(box->BoxRect(), TRect(120 - 15, 4, 120 - 1, 18));  // ends 1 pixel left of the edge
  SetThemeActive(false);
  EXPECT_EQ(box->BoxRect(), TRect(120 - 13, 4, 120, 17));
  SetThemeActive(true);
  box->Repaint();
  EXPECT_EQ(OpenThemeCount(), 0);
  ReleaseThemeLibrary();
}

}  // namespace

#include "grid/foundation/ExtObjGridButton.h"
#include "toolkit/graphics/Bitmap.h"
#include "toolkit/graphics/Canvas.h"

namespace {

// A picture of the search-bar controls for a person to look at.
TEST_F(GridCheckBox, SearchBarPicture) {
  box->SetChecked(true);
  TBitmap glyph(16, 16);
  glyph.Canvas()->Brush()->SetColor(clFuchsia);
  glyph.Canvas()->FillRect(TRect(0, 0, 16, 16));
  glyph.Canvas()->Brush()->SetColor(clNavy);
  glyph.Canvas()->Ellipse(TRect(3, 3, 13, 13));
  const char* captions[] = {"&Next", "&Previous", "&Highlight"};
  for (int i = 0; i < 3; ++i) {
    auto* b = new TExtGridButton(form);
    b->SetParent(form);
    b->SetBounds(10 + i * 90, 50, 85, 24);
    b->SetCaption(captions[i]);
    b->SetGlyph(&glyph);
    b->SetLook(i * 2);
  }
  Driver.MouseMove(form->Controls(form->ControlCount() - 1), 5, 5);
  const std::string path = Driver.Screenshot(form, "grid_search_bar.png");
  EXPECT_FALSE(path.empty());
  // Each button shows its glyph: the navy disc, with the fuchsia corner
  // colour taken as transparent.
  for (int i = 0; i < 3; ++i) {
    TControl* b = form->Controls(form->ControlCount() - 3 + i);
    int navy = 0, fuchsia = 0;
    for (int y = 0; y < b->Height(); ++y)
      for (int x = 0; x < b->Width(); ++x) {
        const TColor p = Driver.PixelAt(b, x, y);
        navy += p == ColorToRGB(clNavy);
        fuchsia += p == ColorToRGB(clFuchsia);
      }
    EXPECT_GT(navy, 40) << captions[i];
    EXPECT_EQ(fuchsia, 0) << captions[i];
  }
}

}  // namespace
