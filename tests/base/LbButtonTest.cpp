#include "base/LbButton.h"

#include <algorithm>

#include "base/LbButtons.h"
#include "toolkit/forms/std/Edit.h"
#include "toolkit/forms/WindowManager.h"
#include "toolkit/forms/std/Menus.h"
#include "toolkit/testing/TestDriver.h"

namespace {

constexpr TColor Face = 0x00E0E0E0;
constexpr TColor Hot = 0x0000FFFF;
constexpr TColor Down = 0x000080FF;

class LbButtonTest : public FormsTest {
protected:
  void SetUp() override {
    form = new TForm(Application);
    form->SetBounds(10, 10, 400, 300);
    form->Show();
    Driver.Pump();
  }
  TLbButton* Make(int x = 20, int y = 20, int w = 100, int h = 30) {
    auto* b = new TLbButton(form);
    b->SetParent(form);
    b->SetBounds(x, y, w, h);
    b->SetColor(Face);
    b->OnClick = [this](TObject* s) { clicks.push_back(static_cast<TLbButton*>(s)); };
    return b;
  }
  // The button's face as painted now.
  TColor PixelOf(TLbButton* b, int x, int y) {
    TBitmap bmp(b->Width(), b->Height());
    b->PaintTo(bmp.Canvas(), 0, 0);
    return bmp.Canvas()->Pixels(x, y);
  }
  TForm* form = nullptr;
  std::vector<TLbButton*> clicks;
};

TEST_F(LbButtonTest, DefaultsOfANewButton) {
  TLbButton* b = new TLbButton(form);
  EXPECT_EQ(b->Width(), 100);
  EXPECT_EQ(b->Height(), 23);
  EXPECT_EQ(b->Color(), clBtnFace);
  EXPECT_TRUE(b->TabStop());
  EXPECT_EQ(b->Style(), bsNormal);
  EXPECT_EQ(b->Kind(), bkCustom);
  EXPECT_EQ(b->Layout(), blGlyphLeft);
  EXPECT_EQ(b->Alignment(), taCenter);
  EXPECT_EQ(b->LightColor(), clWhite);
  EXPECT_EQ(b->ShadowColor(), clGray);
  EXPECT_EQ(b->HotTrackColor(), clNone);
  EXPECT_EQ(b->ColorWhenDown(), clNone);
  EXPECT_EQ(b->NumGlyphs(), 0);
  // The fade worker comes with the first switch to slow fade, not before.
  EXPECT_EQ(b->FadeThread(), nullptr);
}

TEST_F(LbButtonTest, MouseClickFocusesAndClicksOnce) {
  TLbButton* b = Make();
  Driver.Click(b, 5, 5);
  EXPECT_EQ(clicks.size(), 1u);
  EXPECT_TRUE(b->Focused());
  EXPECT_FALSE(b->Down());
}

TEST_F(LbButtonTest, PressOnTheButtonThenReleaseOutsideStillClicks) {
  TLbButton* b = Make();
  Driver.MouseDown(b, 5, 5);
  EXPECT_TRUE(b->Down());
  Driver.MouseMove(b, 300, 200);
  Driver.MouseUp(b, 300, 200);
  EXPECT_EQ(clicks.size(), 1u);
  EXPECT_FALSE(b->Down());
}

TEST_F(LbButtonTest, RightButtonDoesNotPress) {
  TLbButton* b = Make();
  Driver.RightClick(b, 5, 5);
  EXPECT_TRUE(clicks.empty());
}

TEST_F(LbButtonTest, DisabledButtonIgnoresMouseKeysAndClick) {
  TLbButton* b = Make();
  b->SetModalResult(mrOk);
  b->SetEnabled(false);
  Driver.Click(b, 5, 5);
  b->Click();
  EXPECT_TRUE(clicks.empty());
  EXPECT_EQ(form->ModalResult(), mrNone);
}

TEST_F(LbButtonTest, SpaceAndEnterClickOnRelease) {
  TLbButton* b = Make();
  Driver.Focus(b);
  for (uint16_t key : {VK_SPACE, VK_RETURN}) {
    Driver.KeyDown(key);
    EXPECT_TRUE(b->Down()) << key;
    EXPECT_EQ(clicks.size(), key == VK_SPACE ? 0u : 1u);
    Driver.KeyUp(key);
    EXPECT_FALSE(b->Down()) << key;
  }
  EXPECT_EQ(clicks.size(), 2u);
}

TEST_F(LbButtonTest, ReleaseOfAKeyPressedElsewhereDoesNotClick) {
  TLbButton* b = Make();
  Driver.Focus(b);
  Driver.KeyUp(VK_RETURN);
  Driver.KeyUp(VK_SPACE);
  EXPECT_TRUE(clicks.empty());
}

TEST_F(LbButtonTest, EnterThatClosesADialogDoesNotClickTheButtonBeneath) {
  TLbButton* opener = Make();
  TForm* dlg = new TForm(Application);
  dlg->SetBounds(50, 50, 200, 100);
  auto* edit = new TEdit(dlg);
  edit->SetParent(dlg);
  edit->OnKeyPress = [&](TObject*, char& Key) {
    if (Key == '\r') dlg->SetModalResult(mrOk);
  };
  int shown = 0;
  opener->OnClick = [&](TObject*) {
    ++shown;
    Driver.InModal([&] {
      Driver.Focus(edit);
      Driver.KeyDown(VK_RETURN);  // the dialog closes on the press
    });
    dlg->ShowModal();
  };
  Driver.Click(opener, 5, 5);
  Driver.KeyUp(VK_RETURN);  // the release reaches the opener, focused again
  EXPECT_EQ(shown, 1);
}

TEST_F(LbButtonTest, ModalResultClosesTheModalWindowAfterOnClick) {
  TForm* dlg = new TForm(Application);
  dlg->SetBounds(50, 50, 200, 100);
  auto* ok = new TLbButton(dlg);
  ok->SetParent(dlg);
  ok->SetModalResult(mrOk);
  std::vector<TModalResult> seen;
  ok->OnClick = [&](TObject*) { seen.push_back(dlg->ModalResult()); };
  Driver.InModal([&] { Driver.Click(ok, 5, 5); });
  EXPECT_EQ(dlg->ShowModal(), mrOk);
  EXPECT_EQ(seen, std::vector<TModalResult>{mrNone});
}

TEST_F(LbButtonTest, DefaultButtonTakesEnterUnlessAnotherButtonHasTheFocus) {
  auto* edit = new TEdit(form);
  edit->SetParent(form);
  edit->SetBounds(20, 100, 100, 22);
  TLbButton* def = Make(20, 20);
  TLbButton* other = Make(150, 20);
  def->SetDefault(true);
  Driver.Focus(edit);
  Driver.PressKey(VK_RETURN);
  ASSERT_EQ(clicks.size(), 1u);
  EXPECT_EQ(clicks[0], def);
  Driver.Focus(other);
  Driver.PressKey(VK_RETURN);
  ASSERT_EQ(clicks.size(), 2u);
  EXPECT_EQ(clicks[1], other);
}

TEST_F(LbButtonTest, CancelButtonTakesEscapeWithoutModifiers) {
  auto* edit = new TEdit(form);
  edit->SetParent(form);
  edit->SetBounds(20, 100, 100, 22);
  TLbButton* cancel = Make();
  cancel->SetCancel(true);
  Driver.Focus(edit);
  Driver.PressKey(VK_ESCAPE, {ssCtrl});
  EXPECT_TRUE(clicks.empty());
  Driver.PressKey(VK_ESCAPE);
  EXPECT_EQ(clicks.size(), 1u);
}

TEST_F(LbButtonTest, AcceleratorClicks) {
  TLbButton* go = Make(20, 20);
  TLbButton* other = Make(150, 20);
  go->SetCaption("&Go");
  Driver.Focus(other);
  Driver.Type("g");
  ASSERT_EQ(clicks.size(), 1u);
  EXPECT_EQ(clicks[0], go);
}

TEST_F(LbButtonTest, HotTrackingSwitchesTheFaceAtOnceWithoutSlowFade) {
  TLbButton* plain = Make(20, 20);
  TLbButton* hot = Make(150, 20);
  hot->SetHotTrackColor(Hot);
  int entered = 0, left = 0;
  hot->OnMouseEnter = [&](TObject*) { ++entered; };
  hot->OnMouseExit = [&](TObject*) { ++left; };
  Driver.MouseMove(plain, 50, 15);
  EXPECT_TRUE(plain->CursorOnButton());
  EXPECT_EQ(plain->FaceColor(), Face);  // no hot-track colour: the face stays
  EXPECT_EQ(PixelOf(plain, 50, 15), Face);
  Driver.MouseMove(hot, 50, 15);
  EXPECT_FALSE(plain->CursorOnButton());
  EXPECT_EQ(hot->HotTrackStep(), 8);
  EXPECT_EQ(hot->FaceColor(), Hot);
  EXPECT_EQ(PixelOf(hot, 50, 5), Hot);
  Driver.MouseMove(form, 5, 250);
  EXPECT_EQ(hot->HotTrackStep(), 0);
  EXPECT_EQ(PixelOf(hot, 50, 5), Face);
  EXPECT_EQ(entered, 1);
  EXPECT_EQ(left, 1);
}

TEST_F(LbButtonTest, SlowFadeLowersTheHotColourInEightStepsOf30ms) {
  TLbButton* b = Make();
  b->SetHotTrackColor(Hot);
  b->SetSlowDecease(true);
  ASSERT_NE(b->FadeThread(), nullptr);
  EXPECT_TRUE(b->FadeThread()->Suspended());
  Driver.MouseMove(b, 10, 10);
  Driver.MouseMove(form, 5, 250);
  EXPECT_FALSE(b->FadeThread()->Suspended());
  EXPECT_EQ(b->HotTrackStep(), 8);
  Driver.Advance(30);
  EXPECT_EQ(b->HotTrackStep(), 7);
  EXPECT_EQ(b->FaceColor(), BlendHotTrackColor(Face, Hot, 7));
  Driver.Advance(60);
  EXPECT_EQ(b->HotTrackStep(), 5);
  // Coming back while it fades: full colour again, the worker keeps going.
  Driver.MouseMove(b, 10, 10);
  EXPECT_EQ(b->HotTrackStep(), 8);
  Driver.Advance(30);
  EXPECT_EQ(b->HotTrackStep(), 7);
  Driver.MouseMove(form, 5, 250);
  Driver.Advance(7 * 30);
  EXPECT_EQ(b->HotTrackStep(), 0);
  EXPECT_TRUE(b->FadeThread()->Suspended());
  EXPECT_EQ(b->FaceColor(), Face);
  // Switching slow fade off drops the worker; on again makes a new one.
  b->SetSlowDecease(false);
  EXPECT_EQ(b->FadeThread(), nullptr);
  b->SetSlowDecease(true);
  EXPECT_NE(b->FadeThread(), nullptr);
}

TEST_F(LbButtonTest, DestroyingAFadingButtonStopsItsWorker) {
  TLbButton* b = Make();
  b->SetName("Fading");
  b->SetHotTrackColor(Hot);
  b->SetSlowDecease(true);
  int exits = 0;
  b->OnMouseExit = [&](TObject*) { ++exits; };
  uint32_t due = 0;
  EXPECT_FALSE(wm::NextTimerDue(due));
  Driver.MouseMove(b, 10, 10);
  Driver.MouseMove(form, 5, 250);
  ASSERT_TRUE(wm::NextTimerDue(due));  // the worker's timer runs
  Driver.ClearPaints();
  Driver.Advance(30);
  EXPECT_EQ(b->HotTrackStep(), 7);
  auto painted = [this] {
    std::vector<std::string> names = Driver.PaintedNames();
    return std::count(names.begin(), names.end(), "Fading");
  };
  EXPECT_EQ(painted(), 1);  // a fade step repaints the button
  delete b;
  EXPECT_FALSE(wm::NextTimerDue(due));  // the timer went with the button
  Driver.ClearPaints();
  Driver.Advance(300);
  EXPECT_EQ(painted(), 0);
  EXPECT_EQ(exits, 1);
}

TEST_F(LbButtonTest, EncartaPressShowsColourWhenDownWithoutShift) {
  TLbButton* b = Make();
  b->SetStyle(bsEncarta);
  b->SetColorWhenDown(Down);
  Driver.MouseDown(b, 5, 5);
  EXPECT_EQ(b->FaceColor(), Down);
  EXPECT_EQ(PixelOf(b, 50, 15), Down);
  Driver.MouseUp(b, 5, 5);
  EXPECT_EQ(PixelOf(b, 50, 15), Face);
}

TEST_F(LbButtonTest, FlatButtonShowsAFrameOnlyWhileHotOrPressed) {
  TLbButton* b = Make();
  b->SetLightColor(0x0000FF);
  b->SetFlat(true);
  EXPECT_EQ(PixelOf(b, 0, 10), Face);
  Driver.MouseMove(b, 10, 10);
  EXPECT_EQ(PixelOf(b, 0, 10), 0x0000FF);
  Driver.MouseMove(form, 5, 250);
  b->SetEnabled(false);
  EXPECT_EQ(PixelOf(b, 0, 10), Face);
  b->SetFlat(false);
  EXPECT_EQ(PixelOf(b, 0, 10), 0x0000FF);  // a disabled framed button keeps its frame
}

TEST_F(LbButtonTest, GlyphCellFollowsTheState) {
  TLbButton* b = Make();
  TBitmap strip(72, 18);
  b->SetGlyph(&strip);
  EXPECT_EQ(b->NumGlyphs(), 4);
  EXPECT_EQ(b->GlyphIndex(), 0);
  Driver.MouseMove(b, 10, 10);
  EXPECT_EQ(b->GlyphIndex(), 3);
  Driver.MouseDown(b, 10, 10);
  EXPECT_EQ(b->GlyphIndex(), 2);  // pressed wins over hot
  Driver.MouseUp(b, 10, 10);
  b->SetEnabled(false);
  EXPECT_EQ(b->GlyphIndex(), 1);
  b->SetGlyph(nullptr);
  EXPECT_EQ(b->NumGlyphs(), 0);
}

TEST_F(LbButtonTest, ColorStylePresetIsAppliedButNotStored) {
  TLbButton* b = Make();
  b->SetColorStyle(lcsGold);
  EXPECT_EQ(b->ColorStyle(), lcsCustom);
  EXPECT_EQ(b->Color(), 0x00C0C0);
  EXPECT_EQ(b->LightColor(), 0x00FFFF);
  EXPECT_EQ(b->ShadowColor(), 0x008080);
  EXPECT_EQ(b->HotTrackColor(), 0x00DFDF);
  EXPECT_EQ(b->Style(), bsModern);
  EXPECT_EQ(b->ExStyle() & WS_EX_TRANSPARENT, 0u);  // a preset leaves the window's style alone
  b->SetColorStyle(lcsQuicken);
  EXPECT_EQ(b->Font()->Color(), clWhite);
  EXPECT_EQ(b->Style(), bsQuicken);
  b->SetColorStyle(lcsCustom);
  EXPECT_EQ(b->Color(), 0x603000);
}

TEST_F(LbButtonTest, KindSetsCaptionModalResultAndTwoCellGlyph) {
  TLbButton* b = Make();
  b->SetKind(bkCancel);
  EXPECT_EQ(b->Caption(), "Abbrechen");
  EXPECT_EQ(b->ModalResult(), mrCancel);
  EXPECT_EQ(b->NumGlyphs(), 2);
  EXPECT_EQ(b->Glyph()->Width(), 36);
  b->SetModalResult(mrYes);
  EXPECT_EQ(b->Kind(), bkCustom);
}

TEST_F(LbButtonTest, StyleSetsWindowTransparency) {
  TLbButton* b = Make();
  for (auto [style, transparent] : std::vector<std::pair<TLbButtonStyle, bool>>{
           {bsModern, true}, {bsShape, true}, {bsQuicken, true}, {bsNormal, false}, {bsEncarta, false}, {bsOld, false}}) {
    b->SetStyle(style);
    EXPECT_EQ((b->ExStyle() & WS_EX_TRANSPARENT) != 0, transparent) << style;
  }
}

// Each look paints its face in the button's colour, in ColorWhenDown while
// pressed, with its own frame, whatever the layout of glyph and caption. The
// shape look paints no face: its window's background stays, pressed or not.
TEST_F(LbButtonTest, EveryStylePaintsWithoutFault) {
  TLbButton* b = Make(20, 20, 100, 64);
  b->SetColorWhenDown(Down);
  b->SetCaption("A caption much too long for the button");
  TBitmap strip(40, 20);
  b->SetGlyph(&strip);
  const TColor shadow = ColorToRGB(b->ShadowColor());
  struct Case {
    TLbButtonStyle style;
    TPoint face;  // a point of the face, away from caption, glyph and focus frame
    TPoint edge;  // a point of the frame
    TColor edgeColour;
    TColor pressed;  // the face while pressed
  };
  const int H = b->Height();
  // The modern look's face colour is where its two gradients meet, a quarter down.
  for (const Case& c : std::vector<Case>{{bsNormal, {3, 3}, {0, 10}, clWhite, Down},
                                         {bsEncarta, {3, 3}, {0, 10}, clWhite, Down},
                                         {bsOld, {3, 3}, {0, 10}, clBlack, Down},  // focused: a black frame
                                         {bsModern, {3, H / 4}, {0, H / 2}, shadow, Down},
                                         {bsShape, {3, 3}, {0, 10}, Face, Face},
                                         {bsQuicken, {3, 3}, {10, 0}, shadow, Down}})
    for (TLbButtonLayout layout : {blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom}) {
      SCOPED_TRACE(testing::Message() << "style " << c.style << ", layout " << layout);
      b->SetStyle(c.style);
      b->SetLayout(layout);
      Driver.Focus(b);
      EXPECT_EQ(Driver.PixelAt(b, c.face.X, c.face.Y), Face);
      EXPECT_EQ(Driver.PixelAt(b, c.edge.X, c.edge.Y), c.edgeColour);
      Driver.MouseDown(b, 5, 5);
      int o = c.style == bsModern ? 1 : 0;  // a pressed modern face moves down by one
      EXPECT_EQ(Driver.PixelAt(b, c.face.X, c.face.Y + o), c.pressed);
      Driver.MouseUp(b, 5, 5);
      EXPECT_EQ(Driver.PixelAt(b, c.face.X, c.face.Y), Face);
    }
}

TEST_F(LbButtonTest, ClickPopsTheMenuUpAtTheBottomLeftCorner) {
  TLbButton* b = Make(20, 20, 100, 30);
  auto* menu = new TPopupMenu(form);
  b->SetPopupMenu(menu);
  auto saved = PopupMenuHook;
  std::vector<TPoint> shown;
  PopupMenuHook = [&](TPopupMenu* m, TControl*, int x, int y) {
    EXPECT_EQ(m, menu);
    shown.push_back({x, y});
    return true;
  };
  Driver.Click(b, 5, 5);
  PopupMenuHook = saved;
  b->SetPopupMenu(nullptr);
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0], b->ClientToScreen({0, 30}));
  EXPECT_EQ(clicks.size(), 1u);
}

TEST(LbButtonGlyphs, CellsAndTheTransparentColour) {
  constexpr TColor key = clFuchsia;
  TBitmap strip(8, 4);
  strip.Canvas()->Brush()->SetColor(clRed);
  strip.Canvas()->FillRect(TRect(0, 0, 4, 4));
  strip.Canvas()->Brush()->SetColor(clBlue);
  strip.Canvas()->FillRect(TRect(4, 0, 8, 4));
  strip.Canvas()->SetPixels(0, 3, key);
  strip.Canvas()->SetPixels(4, 3, key);
  struct Case { int num, index; TColor want; };
  for (const Case& c : std::vector<Case>{{2, 0, clRed}, {2, 1, clBlue}, {2, 5, clRed}, {1, 1, clRed}}) {
    TBitmap target(4, 4);
    TBitmap one(4, 4);
    one.Canvas()->CopyRect(TRect(0, 0, 4, 4), strip.Canvas(), TRect(0, 0, 4, 4));
    DrawGlyphCell(target.Canvas(), c.num == 2 ? &strip : &one, c.num, c.index, 0, 0);
    EXPECT_EQ(target.Canvas()->Pixels(2, 1), c.want) << c.num << " " << c.index;
    EXPECT_EQ(target.Canvas()->Pixels(0, 3), clWhite) << "the key colour does not paint";
  }
}

TEST(LbButtonColours, BlendHotTrackColorTable) {
  struct Case { TColor from, to; int step; TColor want; };
  for (const Case& c : std::vector<Case>{{0x000000, 0xFFFFFF, 0, 0x000000},
                                         {0x000000, 0xFFFFFF, 8, 0xFFFFFF},
                                         {0x000000, 0xFFFFFF, 4, 0x808080},
                                         {0x102030, 0x102030, 5, 0x102030},
                                         {0x0000FF, 0x000000, 1, 0x0000DF}})
    EXPECT_EQ(BlendHotTrackColor(c.from, c.to, c.step), c.want) << c.step;
}

TEST(LbButtonColours, GradientBandsRunFromStartToEnd) {
  TBitmap bmp(10, 64);
  FillGradientBands(bmp.Canvas(), 0x000000, 0xF8F8F8, 0, 0, 10, 62);
  EXPECT_EQ(bmp.Canvas()->Pixels(5, 0), 0x000000);
  EXPECT_EQ(bmp.Canvas()->Pixels(5, 61), 0xF0F0F0);  // band 30 of 31 is the last with rows
  EXPECT_EQ(bmp.Canvas()->Pixels(5, 63), clWhite);  // nothing below the bottom
}

}  // namespace
