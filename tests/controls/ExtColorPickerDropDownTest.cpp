// The colour picker drop-down and the web colour notations.

#include "controls/ExtColorPickerDropDown.h"

#include <set>

#include "controls/CustomColorSelector.h"
#include "controls/ExtColorPanels.h"
#include "tests/controls/DropDownFixture.h"
#include "tests/controls/ShotProbes.h"
#include "toolkit/graphics/WebColors.h"

namespace {

TEST(WebColors, NotationsRoundTrip) {
  struct Case {
    TColor Color;
    const char* Web;
    const char* Html;
  } cases[] = {{clRed, "red", "#FF0000"},           {clAqua, "aqua", "#00FFFF"},
               {clFuchsia, "fuchsia", "#FF00FF"},   {clGray, "gray", "#808080"},
               {RGB(0xA9, 0xA9, 0xA9), "darkgray", "#A9A9A9"},
               {RGB(0x66, 0x33, 0x99), "rebeccapurple", "#663399"},
               {RGB(0x12, 0x34, 0x56), "#123456", "#123456"},
               {clBtnFace, "#D4D0C8", "#D4D0C8"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Web);
    EXPECT_EQ(ColorToWebName(c.Color), c.Web);
    EXPECT_EQ(ColorToHtml(c.Color), c.Html);
    TColor back = clNone;
    ASSERT_TRUE(WebNameToColor(ColorToWebName(c.Color), back));
    EXPECT_EQ(back, ColorToRGB(c.Color));
    back = clNone;
    ASSERT_TRUE(WebNameToColor(ColorToHtml(c.Color), back));
    EXPECT_EQ(back, ColorToRGB(c.Color));
  }
  TColor untouched = clNone;
  for (const char* bad : {"", "#12345", "#12345G", "notacolour", "#1234567"}) {
    EXPECT_FALSE(WebNameToColor(bad, untouched)) << bad;
    EXPECT_EQ(untouched, clNone);
  }
  TColor c = clNone;
  EXPECT_TRUE(WebNameToColor("Cyan", c));
  EXPECT_EQ(ColorToWebName(c), "aqua");
}

class ColorPicker : public DropDownFixture<TExtColorPickerDropDown> {
protected:
  void SetUp() override {
    DropDownFixture::SetUp();
    dd->OnSelect = [this](TObject*) { ++selects; };
  }
  int selects = 0;
};

TEST_F(ColorPicker, StartsEmptyWithoutAValue) {
  EXPECT_EQ(dd->Colors()->Count(), 0);
  EXPECT_EQ(dd->SelectedColor(), clNone);
  EXPECT_EQ(dd->ItemIndex(), -1);
  EXPECT_FALSE(dd->EditorEnabled());
  EXPECT_EQ(dd->DropDownHeight(), 200);
}

TEST_F(ColorPicker, ItemIndexTakesTheItemsColour) {
  dd->AddDefaultColors();
  ASSERT_EQ(dd->Colors()->Count(), 16);
  dd->SetItemIndex(16);
  EXPECT_EQ(dd->ItemIndex(), -1);
  EXPECT_EQ(selects, 0);
  dd->SetItemIndex(9);
  EXPECT_EQ(dd->SelectedColor(), clRed);
  EXPECT_EQ(selects, 1);
  dd->SetItemIndex(9);
  EXPECT_EQ(selects, 2);
  dd->SetItemIndex(-1);
  EXPECT_EQ(dd->SelectedColor(), clRed);
  EXPECT_EQ(selects, 3);
}

TEST_F(ColorPicker, SelectedColorFindsItsItem) {
  dd->AddDefaultColors();
  dd->SetSelectedColor(clBlue);
  EXPECT_EQ(dd->ItemIndex(), 12);
  EXPECT_EQ(selects, 1);
  dd->SetSelectedColor(clBlue);
  EXPECT_EQ(selects, 1);
  dd->SetSelectedColor(TColor(0x123456));
  EXPECT_EQ(dd->ItemIndex(), 12);
  EXPECT_EQ(selects, 1);
}

TEST_F(ColorPicker, SelectedColorTextByNotation) {
  dd->AddDefaultColors();
  dd->SetItemIndex(9);
  struct Case {
    TColorValueText Kind;
    const char* Text;
  } cases[] = {{cvtNone, ""},
               {cvtHex, "0000FF"},
               {cvtWebName, "red"},
               {cvtRGB, "Red:255,Green:0,Blue:0"},
               {cvtHTML, "#FF0000"}};
  for (const Case& c : cases) {
    dd->SetColorValueText(c.Kind);
    EXPECT_EQ(dd->SelectedColorText(), "Red") << c.Kind;
  }
  dd->SetItemIndex(-1);
  for (const Case& c : cases) {
    dd->SetColorValueText(c.Kind);
    EXPECT_EQ(dd->SelectedColorText(), c.Text) << c.Kind;
  }
  dd->SetColorSelectionStyle(csDiscrete);
  dd->SetSelectedColor(clBtnFace);
  dd->SetColorValueText(cvtRGB);
  EXPECT_EQ(dd->SelectedColorText(), "Red:212,Green:208,Blue:200");
}

TEST_F(ColorPicker, CubeCellChosenClosesAndFiresOnce) {
  dd->AddDefaultColors();
  dd->SetColorSelectionStyle(csColorCube);
  dd->ShowDropDown();
  ASSERT_TRUE(dd->DroppedDown());
  TExtColorCubePanel* cube = dd->CubePanel();
  ASSERT_NE(cube, nullptr);
  EXPECT_EQ(popup()->Width(), 182 + 2);
  EXPECT_EQ(popup()->Height(), 160 + 2);
  // The choice closes the popup on the button press.
  Driver.MouseDown(cube, 55, 20);
  EXPECT_FALSE(popup()->Visible());
  EXPECT_EQ(dd->SelectedColor(), TColor(0x663300));
  EXPECT_EQ(dd->ItemIndex(), -1);
  EXPECT_EQ(selects, 1);
  // A cell whose colour is among the items selects that item first.
  dd->ShowDropDown();
  Driver.MouseDown(cube, 91, 80);
  EXPECT_EQ(dd->SelectedColor(), clWhite);
  EXPECT_EQ(dd->ItemIndex(), -1);
  EXPECT_EQ(selects, 3);
}

TEST_F(ColorPicker, DiscreteArrowsChangeTheColourWhileOpen) {
  dd->SetColorSelectionStyle(csDiscrete);
  dd->ShowDropDown();
  TCustomColorSelector* sel = dd->DiscreteSelector();
  ASSERT_NE(sel, nullptr);
  EXPECT_EQ(sel->Width(), 165);
  Driver.PressKey(VK_DOWN);
  EXPECT_TRUE(dd->DroppedDown());
  EXPECT_EQ(sel->ItemIndex(), 0);
  EXPECT_EQ(dd->SelectedColor(), clWhite);
  Driver.PressKey(VK_DOWN);
  EXPECT_TRUE(dd->DroppedDown());
  EXPECT_EQ(sel->ItemIndex(), 10);
  EXPECT_EQ(dd->SelectedColor(), RGB(0xF2, 0xF2, 0xF2));
  // Escape gives back the colour the popup opened with.
  Driver.PressKey(VK_ESCAPE);
  EXPECT_FALSE(dd->DroppedDown());
  EXPECT_EQ(dd->SelectedColor(), clNone);
  dd->ShowDropDown();
  Driver.MouseDown(sel, 5, 5);
  EXPECT_FALSE(dd->DroppedDown());
  EXPECT_EQ(dd->SelectedColor(), clWhite);
}

TEST_F(ColorPicker, DiscreteClosedKeysAndWheelStepThroughTheBoxes) {
  dd->SetColorSelectionStyle(csDiscrete);
  Driver.PressKey(VK_RIGHT);
  EXPECT_EQ(dd->SelectedColor(), clWhite);
  Driver.PressKey(VK_RIGHT);
  EXPECT_EQ(dd->SelectedColor(), clBlack);
  Driver.Wheel(dd, -120, 10, 10);
  EXPECT_EQ(dd->SelectedColor(), RGB(0xEE, 0xEC, 0xE1));
  EXPECT_FALSE(dd->DroppedDown());
}

TEST_F(ColorPicker, SpectrumPopupIsSizedToThePanel) {
  dd->SetColorSelectionStyle(csSpectrum);
  dd->ShowDropDown();
  ASSERT_NE(dd->SpectrumPanel(), nullptr);
  EXPECT_EQ(popup()->Width(), 152);
  EXPECT_EQ(popup()->Height(), 176);
  EXPECT_FALSE(popup()->Sizeable());
}

TEST_F(ColorPicker, ListPopupShowsTheColoursAndMovesByRows) {
  dd->AddDefaultColors();
  dd->SetColumns(4);
  dd->SetItemIndex(1);
  selects = 0;
  dd->ShowDropDown();
  TExtCustomItemSelector* list = dd->ItemSelector();
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(dd->Control(), list);
  EXPECT_EQ(list->SelectorType(), stColor);
  ASSERT_EQ(list->Items()->Count(), 16);
  EXPECT_EQ(list->Items()->Items(9)->Color(), clRed);
  EXPECT_EQ(list->ItemIndex(), 1);
  struct Step {
    uint16_t Key;
    int Index;
  } steps[] = {{VK_DOWN, 5}, {VK_DOWN, 9}, {VK_UP, 5}, {VK_END, 15}, {VK_DOWN, 15}, {VK_HOME, 0}, {VK_UP, 0}};
  for (const Step& s : steps) {
    Driver.PressKey(s.Key);
    EXPECT_EQ(dd->ItemIndex(), s.Index) << s.Key;
    EXPECT_TRUE(dd->DroppedDown());
  }
  EXPECT_EQ(dd->SelectedColor(), clBlack);
  // Escape gives back the item the popup opened with.
  Driver.PressKey(VK_ESCAPE);
  EXPECT_FALSE(dd->DroppedDown());
  EXPECT_EQ(dd->ItemIndex(), 1);
  EXPECT_EQ(dd->SelectedColor(), clMaroon);
}

TEST_F(ColorPicker, ListCellClickChoosesAndCloses) {
  dd->AddDefaultColors();
  dd->ShowDropDown();
  Driver.Pump();
  TCustomItemSelector* panel = dd->ItemSelector()->Panel();
  const TRect cell = panel->GetItemRect(2);
  Driver.MouseDown(panel, cell.Left + 3, cell.Top + 3);
  EXPECT_FALSE(dd->DroppedDown());
  EXPECT_EQ(dd->SelectedColor(), clGreen);
  EXPECT_EQ(dd->SelectedColorText(), "Green");
}

TEST_F(ColorPicker, ListTypeAheadAndClosedKeys) {
  dd->AddDefaultColors();
  struct Step {
    uint16_t Key;
    int Index;
  } closed[] = {{VK_DOWN, 0}, {VK_DOWN, 1}, {VK_END, 15}, {VK_DOWN, 15}, {VK_UP, 14}, {VK_HOME, 0}};
  for (const Step& s : closed) {
    Driver.PressKey(s.Key);
    EXPECT_EQ(dd->ItemIndex(), s.Index) << s.Key;
  }
  Driver.Wheel(dd, -120, 10, 10);
  EXPECT_EQ(dd->ItemIndex(), 1);
  dd->ShowDropDown();
  struct Typed {
    uint16_t Key;
    uint32_t WaitAfter;
    int Index;
  } typed[] = {{'G', 300, 2}, {'R', 300, 2}, {'A', 600, 7}, {'R', 0, 9}};
  for (const Typed& t : typed) {
    Driver.PressKey(t.Key);
    EXPECT_EQ(dd->ItemIndex(), t.Index) << char(t.Key);
    Driver.Advance(t.WaitAfter);
  }
  EXPECT_TRUE(dd->DroppedDown());
}

TEST_F(ColorPicker, ListCellsTakeTheComponentStyle) {
  dd->SetComponentStyle(tsWindows7);
  EXPECT_EQ(dd->ItemAppearance()->ColorHot, TColor(0xFDFBFA));
  EXPECT_EQ(dd->ItemAppearance()->BorderColorTop, TColor(0xFDF4EB));
  dd->SetComponentStyle(tsTerminal);
  EXPECT_EQ(dd->ItemAppearance()->ColorSelectedText, clHighlightText);
  dd->SetComponentStyle(tsCustom);
  EXPECT_EQ(dd->ItemAppearance()->ColorSelectedText, clHighlightText);
  dd->AddDefaultColors();
  dd->ShowDropDown();
  EXPECT_EQ(dd->ItemSelector()->ItemAppearance()->ColorSelected, clHighlight);
}

TEST_F(ColorPicker, Screenshots) {
  dd->SetColorValueText(cvtWebName);
  dd->SetSelectedColor(clTeal);
  dd->AddDefaultColors();
  dd->ShowDropDown();
  Driver.Pump();
  EXPECT_GT(PixelsOf(Shot(Driver, popup(), "colorpicker-list.png"), clTeal), 20) << "the colours' swatches";
  dd->HideDropDown(true);
  for (auto [style, name] : {std::pair{csDiscrete, "colorpicker-discrete.png"},
                             std::pair{csColorCube, "colorpicker-cube.png"},
                             std::pair{csSpectrum, "colorpicker-spectrum.png"}}) {
    dd->SetColorSelectionStyle(style);
    dd->ShowDropDown();
    Driver.Pump();
    EXPECT_EQ(popup()->Width(), dd->Control()->Width() + 2) << name;
    const TPixelImage shown = Shot(Driver, popup(), name);
    std::set<uint32_t> colours(shown.Pixels.begin(), shown.Pixels.end());
    EXPECT_GT(colours.size(), 20u) << name << ": the colours to choose from";
    dd->HideDropDown(true);
  }
  EXPECT_GT(PixelsOf(Shot(Driver, form, "colorpicker-edit.png"), clTeal), 20) << "the chosen colour's swatch";
}

}  // namespace
