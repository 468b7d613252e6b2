#include "grid/foundation/ExtObjGridButton.h"

#include <gtest/gtest.h>

#include "toolkit/forms/Forms.h"
#include "toolkit/graphics/Bitmap.h"
#include "toolkit/graphics/Canvas.h"
#include "toolkit/graphics/codecs/PixelImage.h"
#include "toolkit/testing/TestDriver.h"

namespace {

TEST(GridButtonLayout, AutomaticMarginAndSpacingShareTheRoom) {
  const TGlyphCaptionPlace p = CalcGlyphCaptionLayout(TRect(0, 0, 60, 20), {16, 16}, {20, 10}, blGlyphLeft, -1, -1, false);
  EXPECT_EQ(p.Glyph.X, 8);
  EXPECT_EQ(p.Text.Left, 32);
  EXPECT_EQ(p.Glyph.Y, 2);
  const TGlyphCaptionPlace right = CalcGlyphCaptionLayout(TRect(10, 0, 70, 20), {16, 16}, {20, 10}, blGlyphLeft, 2, 4, true);
  EXPECT_EQ(right.Glyph.X, 10 + 60 - 2 - 16);  // right-to-left swaps left and right
  const TGlyphCaptionPlace top = CalcGlyphCaptionLayout(TRect(0, 0, 40, 60), {16, 16}, {20, 10}, blGlyphTop, -1, 4, false);
  EXPECT_EQ(top.Glyph.Y, (60 - (16 + 4 + 10) + 1) / 2);
  EXPECT_EQ(top.Glyph.X, (40 - 16 + 1) / 2);
}

class GridButton : public FormsTest {
protected:
  void SetUp() override {
    form = new TForm(Application);
    form->SetBounds(10, 10, 300, 200);
    a = Make(10);
    b = Make(40);
    form->Show();
    Driver.Pump();
  }
  TExtGridButton* Make(int x) {
    auto* btn = new TExtGridButton(form);
    btn->SetParent(form);
    btn->SetBounds(x, 10, 22, 23);
    btn->OnClick = [this, btn](TObject*) { clicked += btn == a ? "a" : "b"; };
    return btn;
  }
  TForm* form = nullptr;
  TExtGridButton* a = nullptr;
  TExtGridButton* b = nullptr;
  std::string clicked;
};

TEST_F(GridButton, ClickInsideOnlyAndDownNeedsAGroupOrCheckStyle) {
  Driver.Click(a, 5, 5);
  EXPECT_EQ(clicked, "a");
  Driver.MouseDown(a, 5, 5);
  Driver.MouseMove(a, 100, 5);
  Driver.MouseUp(a, 100, 5);
  EXPECT_EQ(clicked, "a");
  a->SetDown(true);
  EXPECT_FALSE(a->Down());
  EXPECT_EQ(a->State(), bsUp);
}

TEST_F(GridButton, CheckStyleTogglesOnEveryClick) {
  a->SetStyle(tasCheck);
  Driver.Click(a, 5, 5);
  EXPECT_TRUE(a->Down());
  Driver.Click(a, 5, 5);
  EXPECT_FALSE(a->Down());
  EXPECT_EQ(clicked, "aa");
}

TEST_F(GridButton, GroupMembersExcludeEachOther) {
  a->SetGroupIndex(1);
  b->SetGroupIndex(1);
  Driver.Click(a, 5, 5);
  EXPECT_TRUE(a->Down());
  Driver.Click(b, 5, 5);
  EXPECT_TRUE(b->Down());
  EXPECT_FALSE(a->Down());
  b->SetDown(false);  // AllowAllUp off: one stays down
  EXPECT_TRUE(b->Down());
  b->SetAllowAllUp(true);
  EXPECT_TRUE(a->AllowAllUp());  // the group shares the setting
  b->SetDown(false);
  EXPECT_FALSE(b->Down());
}

TEST_F(GridButton, DropDownPartFiresDropDownNotClick) {
  a->SetBounds(100, 60, 40, 23);
  a->SetDropDownButton(true);
  int drops = 0;
  a->OnDropDown = [&](TObject*) { ++drops; };
  Driver.Click(a, 35, 5);
  EXPECT_EQ(drops, 1);
  EXPECT_EQ(clicked, "");
  Driver.Click(a, 5, 5);
  EXPECT_EQ(clicked, "a");
}

TEST_F(GridButton, AcceleratorClicks) {
  a->SetCaption("&Find");
  a->SetBounds(10, 10, 60, 23);
  Driver.Focus(form);
  Driver.PressKey('F', {ssAlt});
  EXPECT_EQ(clicked, "a");
  a->SetEnabled(false);
  Driver.PressKey('F', {ssAlt});
  EXPECT_EQ(clicked, "a");
}

TEST_F(GridButton, HoverMakesItHot) {
  Driver.MouseMove(a, 5, 5);
  EXPECT_TRUE(a->Hot());
  Driver.MouseMove(b, 5, 5);
  EXPECT_FALSE(a->Hot());
}

TEST_F(GridButton, DisabledGlyphIsGreyAndLooksSetColours) {
  TBitmap glyph;
  glyph.SetPixelImage(TPixelImage(16, 16, 0xFFFF0000u));
  a->SetGlyph(&glyph);
  const TPixelImage grey = a->GlyphDisabled()->GetPixelImage();
  EXPECT_EQ(grey.At(3, 3) & 0xFFFFFFu, 0x8A8A8Au);  // 85 div 2 + 96 = 138

  a->SetLook(2);
  EXPECT_EQ(a->Look(), 2);
  EXPECT_EQ(a->Color(), RGB(0xDA, 0xEA, 0xFD));
  EXPECT_EQ(a->ColorHotTo, RGB(0xFF, 0xD0, 0x91));
  EXPECT_TRUE(a->Flat());
  a->SetLook(7);
  EXPECT_EQ(a->Look(), 2);
  EXPECT_EQ(a->Color(), RGB(0xDA, 0xEA, 0xFD));
  a->SetLook(0);
  EXPECT_TRUE(a->Rounded());
  a->Repaint();
  a->SetEnabled(false);
  a->Repaint();
  EXPECT_EQ(a->State(), bsDisabled);
}

}  // namespace
