// The drop-down edit base through the test driver: construction, keys,
// popup placement and the open/close sequences, label places, header and
// footer strips.

#include "controls/ExtDropDown.h"

#include "controls/ExtButton.h"
#include "controls/ExtDropDownPanels.h"
#include "platform/kernel/Clock.h"
#include "tests/controls/DropDownFixture.h"
#include "tests/controls/ShotProbes.h"
#include "toolkit/forms/std/Label.h"

namespace {

// A drop-down whose popup holds a 150 x 60 panel.
class TTestDropDown : public TExtCustomDropDown {
public:
  explicit TTestDropDown(TComponent* AOwner) : TExtCustomDropDown(AOwner) {
    content = new TCustomControl(this);
    content->SetBounds(0, 0, 150, 60);
    content->SetParent(DropDownForm());
    SetControl(content);
  }
  TCustomControl* content;
};

using DropDownBase = DropDownFixture<TTestDropDown>;

TEST_F(DropDownBase, NewControlDefaults) {
  EXPECT_EQ(dd->Width(), 200);
  EXPECT_EQ(dd->Height(), 21);
  EXPECT_EQ(dd->DropDownButtonWidth(), 17);
  EXPECT_EQ(dd->Button()->Width(), 17);
  EXPECT_EQ(dd->LabelMargin(), 4);
  EXPECT_EQ(dd->GetComponentStyle(), tsOffice2007Luna);
  EXPECT_EQ(dd->DropDownColor(), TColor(0xF3E5DA));
  EXPECT_EQ(dd->DropDownColorTo(), TColor(0xF0DED0));
  EXPECT_EQ(dd->DropDownHeader()->Color(), TColor(0xFFEFE3));
  EXPECT_EQ(dd->DropDownHeader()->ColorTo(), TColor(0xFFD2AF));
  EXPECT_EQ(dd->DropDownHeader()->Font()->Color(), TColor(0x723708));
  EXPECT_EQ(dd->SelectionColor(), TColor(0xD7FFFD));
  EXPECT_EQ(dd->Version(), "1.2.1.4");
  dd->SetVersion("9.9");
  EXPECT_EQ(dd->Version(), "1.2.1.4");
}

TEST_F(DropDownBase, StylesFillPopupHeaderFooterAndButtons) {
  dd->SetComponentStyle(tsWindowsVista);
  EXPECT_EQ(dd->DropDownFooter()->Color(), TColor(0xFFFAF0));
  EXPECT_EQ(dd->DropDownFooter()->ColorTo(), TColor(0xFFFDF9));
  EXPECT_EQ(dd->ButtonAppearance()->BorderColorChecked(), TColor(0x0FEDF9AB));
  dd->SetComponentStyle(tsCustom);
  EXPECT_EQ(dd->GetComponentStyle(), tsCustom);
  EXPECT_EQ(dd->DropDownFooter()->Color(), TColor(0xFFFAF0));
  TColorTones tones;
  tones.Background.BrushColor = TColor(0x112233);
  tones.Background.BorderColor = TColor(0x445566);
  dd->SetColorTones(tones);
  EXPECT_EQ(dd->Button()->ButtonColor, TColor(0x112233));
  EXPECT_EQ(dd->BorderColor(), TColor(0x445566));
}

TEST_F(DropDownBase, TheStoredCheckedBorderOfStyleTenDrawsItsLow24Bits) {
  dd->SetComponentStyle(tsWindowsVista);
  auto* b = new TExtButton(form);
  b->SetParent(form);
  b->SetBounds(250, 40, 40, 20);
  b->Appearance = dd->ButtonAppearance();
  b->Style = tasCheck;
  b->SetDown(true);
  Driver.Pump();
  EXPECT_EQ(dd->ButtonAppearance()->BorderColorChecked(), TColor(0x0FEDF9AB));  // kept as stored
  EXPECT_EQ(Driver.PixelAt(b, 0, 10), TColor(0xEDF9AB));
  EXPECT_EQ(Driver.PixelAt(b, 20, 0), TColor(0xEDF9AB));
}

struct KeyCase {
  const char* Name;
  bool Editable;
  std::vector<std::pair<uint16_t, TShiftState>> Keys;
  bool DroppedAfter;
  const char* TextAfter;
};

class DropDownKeys : public DropDownBase, public ::testing::WithParamInterface<KeyCase> {};

// Each case starts with the value "old" written through SetText, then
// "typed" put in directly, as a popup would show its value.
TEST_P(DropDownKeys, OpenAndClose) {
  const KeyCase& c = GetParam();
  dd->SetEditorEnabled(c.Editable);
  dd->SetText("old");
  dd->ValueModel().SetTextDirect("typed");
  for (auto [key, shift] : c.Keys) Driver.PressKey(key, shift);
  EXPECT_EQ(dd->DroppedDown(), c.DroppedAfter);
  EXPECT_EQ(dd->Text(), c.TextAfter);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, DropDownKeys,
    ::testing::Values(KeyCase{"F4Opens", false, {{VK_F4, {}}}, true, "typed"},
                      KeyCase{"F4Closes", false, {{VK_F4, {}}, {VK_F4, {}}}, false, "typed"},
                      KeyCase{"ReturnKeeps", false, {{VK_F4, {}}, {VK_RETURN, {}}}, false, "typed"},
                      KeyCase{"EscapeRestores", false, {{VK_F4, {}}, {VK_ESCAPE, {}}}, false, "old"},
                      KeyCase{"AltDownOpens", true, {{VK_DOWN, {ssAlt}}}, true, "typed"},
                      KeyCase{"AltUpCloses", true, {{VK_DOWN, {ssAlt}}, {VK_UP, {ssAlt}}}, false, "typed"},
                      KeyCase{"AltDownTwiceClosesOnce", true, {{VK_DOWN, {ssAlt}}, {VK_DOWN, {ssAlt}}}, false,
                              "typed"},
                      KeyCase{"EditableEscapeRestores", true, {{VK_F4, {}}, {VK_ESCAPE, {}}}, false, "old"},
                      KeyCase{"NotEditableIgnoresTyping", false, {{'A', {}}}, false, "typed"}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(DropDownBase, NotEditableClickOpens) {
  dd->SetEditorEnabled(false);
  Driver.Click(dd, 20, 10);
  EXPECT_TRUE(dd->DroppedDown());
}

TEST_F(DropDownBase, OpenSequenceAndRefusal) {
  std::vector<std::string> order;
  dd->OnBeforeDropDown = [&](TObject*) { order.push_back("before"); };
  dd->OnDropDown = [&](TObject*, bool& Accept) {
    order.push_back("drop");
    Accept = false;
  };
  dd->ShowDropDown();
  EXPECT_FALSE(dd->DroppedDown());
  EXPECT_FALSE(popup()->Visible());
  EXPECT_EQ(order, (std::vector<std::string>{"before", "drop"}));
}

TEST_F(DropDownBase, PopupOpensBelowWithHeaderControlAndFooter) {
  dd->ShowDropDown();
  ASSERT_TRUE(dd->DroppedDown());
  const TPoint p = form->ClientToScreen({20, 40});
  EXPECT_EQ(popup()->Left(), p.X);
  EXPECT_EQ(popup()->Top(), p.Y + 21 - 1);
  EXPECT_EQ(popup()->Width(), 150);
  EXPECT_EQ(popup()->Height(), 2 + 22 + 22 + 60);
  ASSERT_NE(popup()->Header(), nullptr);
  ASSERT_NE(popup()->Footer(), nullptr);
  EXPECT_EQ(dd->content->Top(), 23);
}

TEST_F(DropDownBase, PopupNearTheScreenBottomOpensAbove) {
  form->SetBounds(0, Screen->WorkAreaRect().Bottom - 60, 400, 60);
  dd->SetBounds(20, 10, 200, 21);
  Driver.Pump();
  dd->ShowDropDown();
  const TPoint p = dd->Parent()->ClientToScreen({20, 10});
  EXPECT_EQ(popup()->Top(), p.Y - popup()->Height());
}

TEST_F(DropDownBase, PopupStaysInsideTheWorkArea) {
  const TRect wa = Screen->WorkAreaRect();
  form->SetBounds(wa.Right - 100, 0, 100, 200);
  dd->SetBounds(0, 40, 90, 21);
  dd->SetDropDownWidth(300);
  Driver.Pump();
  dd->ShowDropDown();
  EXPECT_EQ(popup()->Left() + popup()->Width(), wa.Right);
}

TEST_F(DropDownBase, PopupIsNeverSmallerThan80By50) {
  dd->SetDropDownWidth(10);
  dd->SetDropDownHeight(10);
  dd->ShowDropDown();
  EXPECT_EQ(popup()->Width(), 80);
  EXPECT_EQ(popup()->Height(), 50);
}

TEST_F(DropDownBase, UserSizeSurvivesUntilTheWidthIsWrittenWithAnotherValue) {
  dd->ShowDropDown();
  popup()->SetBounds(popup()->Left(), popup()->Top(), 260, 180);
  dd->HideDropDown(false);
  dd->SetDropDownWidth(0);
  dd->ShowDropDown();
  EXPECT_EQ(popup()->Width(), 260);
  dd->HideDropDown(false);
  dd->SetDropDownWidth(170);
  dd->SetDropDownHeight(120);
  dd->ShowDropDown();
  EXPECT_EQ(popup()->Width(), 170);
  EXPECT_EQ(popup()->Height(), 120);
}

TEST_F(DropDownBase, ClickElsewhereClosesCancelledAndTheButtonWaits250Ms) {
  std::vector<std::string> events;
  dd->SetText("old");
  dd->OnBeforeDropUp = [&](TObject*) { events.push_back("beforeUp"); };
  dd->OnDropUp = [&](TObject*, bool Cancelled) { events.push_back(Cancelled ? "up cancelled" : "up"); };
  dd->ShowDropDown();
  dd->ValueModel().SetTextDirect("picked");
  Driver.Click(other, 5, 5);
  EXPECT_FALSE(dd->DroppedDown());
  EXPECT_EQ(dd->Text(), "old");
  EXPECT_EQ(events, (std::vector<std::string>{"beforeUp", "up cancelled"}));
  Driver.Click(dd->Button()->Button(), 5, 5);
  EXPECT_FALSE(dd->DroppedDown());
  Driver.Advance(300);
  Driver.Click(dd->Button()->Button(), 5, 5);
  EXPECT_TRUE(dd->DroppedDown());
}

TEST_F(DropDownBase, ClickInsideThePopupKeepsItOpen) {
  dd->ShowDropDown();
  Driver.Click(dd->content, 5, 5);
  EXPECT_TRUE(dd->DroppedDown());
}

TEST_F(DropDownBase, RightClickOnTheButtonOpensNothing) {
  Driver.RightClick(dd->Button()->Button(), 5, 5);
  EXPECT_FALSE(dd->DroppedDown());
}

TEST_F(DropDownBase, ButtonHostTakesTheButtonWidth) {
  dd->Button()->SetBounds(0, 0, 50, 20);
  EXPECT_EQ(dd->Button()->Width(), 17);
  EXPECT_EQ(dd->Button()->Button()->Width(), 17);
}

TEST_F(DropDownBase, LabelCreatedOnFirstCaption) {
  EXPECT_EQ(dd->Label(), nullptr);
  dd->SetLabelCaption("Name");
  ASSERT_NE(dd->Label(), nullptr);
  EXPECT_EQ(dd->Label()->Parent(), form);
  EXPECT_EQ(dd->LabelCaption(), "Name");
  EXPECT_EQ(dd->Label()->Top(), 40);
  EXPECT_LT(dd->Label()->Left() + dd->Label()->Width(), 20);
}

struct LabelCase {
  TExtCustomDropDown::TLabelPosition Position;
  TPoint Expected;
};

class LabelPlaces : public ::testing::TestWithParam<LabelCase> {};

// A control at (100, 50) sized 200 x 21; text 40 wide; label 40 x 13; margin 4.
TEST_P(LabelPlaces, Geometry) {
  TPoint p = DropDownLabelOrigin(GetParam().Position, Bounds(100, 50, 200, 21), 40, {40, 13}, 4);
  EXPECT_EQ(p.X, GetParam().Expected.X);
  EXPECT_EQ(p.Y, GetParam().Expected.Y);
}

using D = TExtCustomDropDown;
INSTANTIATE_TEST_SUITE_P(
    All, LabelPlaces,
    ::testing::Values(LabelCase{D::lpLeftTop, {56, 50}}, LabelCase{D::lpLeftCenter, {56, 54}},
                      LabelCase{D::lpLeftBottom, {56, 58}}, LabelCase{D::lpTopLeft, {100, 33}},
                      LabelCase{D::lpBottomLeft, {100, 75}}, LabelCase{D::lpLeftTopLeft, {96, 50}},
                      LabelCase{D::lpLeftCenterLeft, {96, 54}}, LabelCase{D::lpLeftBottomLeft, {96, 58}},
                      LabelCase{D::lpTopCenter, {180, 33}}, LabelCase{D::lpBottomCenter, {180, 75}},
                      LabelCase{D::lpRightTop, {304, 50}}, LabelCase{D::lpRightCenter, {304, 54}},
                      LabelCase{D::lpRighBottom, {304, 58}}, LabelCase{D::lpTopRight, {260, 33}},
                      LabelCase{D::lpBottomRight, {260, 75}}));

TEST(DropDownLabel, TopCenterOverANarrowControlGoesNegative) {
  TPoint p = DropDownLabelOrigin(D::lpTopCenter, Bounds(0, 50, 20, 21), 60, {60, 13}, 4);
  EXPECT_EQ(p.X, -20);
}

// ---- header and footer strips

class DropDownStrips : public DropDownBase {
protected:
  void AddFooterButton(const char* Caption, int Width, int ModalResult) {
    TFooterButton* b = dd->DropDownFooter()->Buttons()->Add();
    b->SetCaption(Caption);
    b->SetWidth(Width);
    b->SetModalResult(ModalResult);
  }
};

TEST_F(DropDownStrips, HeaderButtonsRightAlignedTouching) {
  for (int w : {40, 30, 20}) {
    THeaderButton* b = dd->DropDownHeader()->Buttons()->Add();
    b->SetCaption("x");
    b->SetWidth(w);
  }
  THeaderButton* tall = dd->DropDownHeader()->Buttons()->Add();
  tall->SetHeight(30);
  dd->SetDropDownWidth(200);
  dd->ShowDropDown();
  auto& list = popup()->Header()->ButtonList();
  ASSERT_EQ(list.size(), 4u);
  EXPECT_EQ(list[0]->Left(), 158 - 1 - 1);  // the header sits inside the 1-pixel popup border
  EXPECT_EQ(list[1]->Left(), list[0]->Left() - 30);
  EXPECT_EQ(list[2]->Left(), list[1]->Left() - 20);
  EXPECT_EQ(list[3]->Height(), 17);
  EXPECT_EQ(list[3]->Top(), 2);
}

struct FooterCase {
  int ModalResult;
  bool OpenAfter;
  const char* TextAfter;
};

class FooterButtons : public DropDownStrips, public ::testing::WithParamInterface<FooterCase> {};

TEST_P(FooterButtons, ModalResultCloses) {
  AddFooterButton("OK", 40, GetParam().ModalResult);
  int clicks = 0, index = -1;
  dd->OnDropDownFooterButtonClick = [&](TObject*, int i) { ++clicks, index = i; };
  dd->SetText("old");
  dd->ShowDropDown();
  dd->ValueModel().SetTextDirect("picked");
  Driver.Click(popup()->Footer()->ButtonList()[0], 5, 5);
  EXPECT_EQ(dd->DroppedDown(), GetParam().OpenAfter);
  EXPECT_EQ(dd->Text(), GetParam().TextAfter);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(index, 0);
}

INSTANTIATE_TEST_SUITE_P(Results, FooterButtons,
                         ::testing::Values(FooterCase{1, false, "picked"}, FooterCase{2, false, "old"},
                                           FooterCase{4, true, "picked"}));

TEST_F(DropDownStrips, FooterGripOnlyWhenSizeable) {
  dd->ShowDropDown();
  EXPECT_TRUE(popup()->Footer()->SizeGripActive());
  dd->HideDropDown(false);
  dd->SetDropDownSizeable(false);
  dd->ShowDropDown();
  EXPECT_FALSE(popup()->Footer()->SizeGripActive());
}

TEST_F(DropDownStrips, ScreenshotWithPopupOpen) {
  dd->DropDownHeader()->SetCaption("<b>Header</b> caption");
  dd->DropDownFooter()->SetCaption("Footer");
  AddFooterButton("OK", 0, 1);
  dd->SetLabelCaption("Value");
  dd->SetText("some text");
  dd->ShowDropDown();
  const int form_ink = InkOf(Shot(Driver, form, "dropdown-base-form.png"));
  const int popup_ink = InkOf(Shot(Driver, popup(), "dropdown-base-popup.png"));
  dd->DropDownHeader()->SetCaption("");
  dd->DropDownFooter()->SetCaption("");
  dd->SetText("");
  EXPECT_GT(popup_ink, 40) << "header and footer";
  EXPECT_GT(form_ink, InkOf(Shot(Driver, form, "dropdown-base-form-blank.png")) + 20) << "the text";
}

}  // namespace
