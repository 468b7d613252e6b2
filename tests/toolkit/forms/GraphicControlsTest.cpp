#include "toolkit/forms/std/GraphicControls.h"
#include "toolkit/forms/std/Label.h"
#include "toolkit/graphics/Canvas.h"

#include "ControlFixture.h"

namespace {

class GraphicControlsTest : public ControlFixture {};

TEST_F(GraphicControlsTest, SpeedButtonGroupsAndCapture) {
  auto* a = Make<TSpeedButton>(10, 10);
  auto* b = Make<TSpeedButton>(40, 10);
  auto* plain = Make<TSpeedButton>(70, 10);
  a->SetGroupIndex(1);
  b->SetGroupIndex(1);
  int clicks = 0;
  plain->OnClick = [&](TObject*) { ++clicks; };
  Click(a, 5, 5);
  EXPECT_TRUE(a->Down());
  Click(b, 5, 5);
  EXPECT_TRUE(b->Down());
  EXPECT_FALSE(a->Down());
  Click(b, 5, 5);  // without AllowAllUp it stays down
  EXPECT_TRUE(b->Down());
  b->SetAllowAllUp(true);
  Click(b, 5, 5);
  EXPECT_FALSE(b->Down());
  // The press is held from down to up: leaving cancels the click.
  Driver.MouseDown(plain, 5, 5);
  EXPECT_EQ(plain->State(), bsDown);
  Driver.MouseMove(plain, 100, 100);
  EXPECT_EQ(plain->State(), bsUp);
  Driver.MouseUp(plain, 100, 100);
  EXPECT_EQ(clicks, 0);
  Click(plain, 5, 5);
  EXPECT_EQ(clicks, 1);
  plain->SetDown(true);  // no group: never down
  EXPECT_FALSE(plain->Down());
  plain->SetEnabled(false);
  EXPECT_EQ(plain->State(), bsDisabled);
}

TEST_F(GraphicControlsTest, SpeedButtonGlyphCountFollowsTheBitmap) {
  auto* s = Make<TSpeedButton>();
  TBitmap strip;
  strip.SetSize(32, 16);
  s->SetGlyph(&strip);
  EXPECT_EQ(s->NumGlyphs(), 2);
}

TEST_F(GraphicControlsTest, ImagePlacementAndClick) {
  auto* img = Make<TImage>(10, 10, 100, 50);
  TBitmap pic;
  pic.SetSize(20, 10);
  img->Picture()->SetGraphic(&pic);
  EXPECT_EQ(img->DestRect(), Rect(0, 0, 20, 10));
  img->SetCenter(true);
  EXPECT_EQ(img->DestRect(), Rect(40, 20, 60, 30));
  img->SetStretch(true);
  img->SetProportional(true);
  EXPECT_EQ(img->DestRect(), Rect(0, 0, 100, 50));
  img->SetAutoSize(true);
  EXPECT_EQ(img->Width(), 20);
  int clicks = 0;
  img->OnClick = [&](TObject*) { ++clicks; };
  Click(img, 3, 3);
  EXPECT_EQ(clicks, 1);
}

TEST_F(GraphicControlsTest, LinkLabelReportsTheLinkClicked) {
  auto* l = Make<TLinkLabel>(10, 10);
  l->SetCaption("Read <a href=\"https://example.org/help\">the help</a> first");
  std::string link;
  l->OnLinkClick = [&](TObject*, const std::string& s, TSysLinkType) { link = s; };
  ASSERT_EQ(l->Links().size(), 1u);
  Click(l, 2, 2);  // on "Read"
  EXPECT_EQ(link, "");
  int x = l->Canvas()->TextWidth("Read ") + 2;
  Click(l, x, 2);
  EXPECT_EQ(link, "https://example.org/help");
}

}  // namespace
