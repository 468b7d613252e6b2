// Looks, component styles, colour tones, XP schemes and the Office theme of
// the string grid: what each preset writes and what it leaves alone.

#include <gtest/gtest.h>

#include "grid/core/ExtGrid.h"
#include "grid/data/SortSettings.h"
#include "grid/editing/GridCombo.h"
#include "grid/editing/GridDatePicker.h"
#include "grid/editing/GridDropDowns.h"
#include "grid/editing/GridEditBtn.h"
#include "grid/editing/GridSpin.h"
#include "toolkit/forms/Forms.h"
#include "toolkit/testing/TestDriver.h"

namespace {

constexpr TColor C(uint32_t BGR) { return static_cast<TColor>(BGR); }

class GridLooks : public FormsTest {
protected:
  void SetUp() override {
    form = new TForm(Application);
    form->SetBounds(10, 10, 400, 300);
    form->Show();
    grid = new TExtStringGrid(form);
    grid->SetParent(form);
    Driver.Pump();
  }
  void TearDown() override { TExtStringGrid::OfficeThemeSource = [] { return otUnknown; }; }
  TForm* form = nullptr;
  TExtStringGrid* grid = nullptr;
};

TEST_F(GridLooks, SettingTheCurrentLookResetsNothing) {
  grid->SetSelectionColor(clRed);
  grid->SetActiveCellColor(clLime);
  grid->SetLook(grid->Look());
  EXPECT_EQ(grid->SelectionColor(), clRed);
  EXPECT_EQ(grid->ActiveCellColor(), clLime);
}

TEST_F(GridLooks, ModernLooksApplyTheirStyleAndSelectionStyle) {
  struct {
    TGridLook Look;
    TQGSStyle Style;
    TGridSelectionStyle Selection;
  } cases[] = {{glVista, tsWindowsVista, ssVista},
               {glWin7, tsWindows7, ssWin7},
               {glOffice2007, tsOffice2007Luna, ssOffice2007}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Look);
    grid->SetLook(glStandard);
    grid->SetLook(c.Look);
    EXPECT_EQ(grid->Style(), c.Style);
    EXPECT_EQ(grid->SelectionStyle(), c.Selection);
    EXPECT_EQ(grid->ScrollType(), ssNormal);
    EXPECT_EQ(grid->BorderColor(), C(0xB99D7F));
  }
}

TEST_F(GridLooks, PlainLooksSetFacesSelectionAndLines) {
  struct {
    TGridLook Look;
    TColor From, To, Selection, Active;
  } cases[] = {
      {glClassic, ColorToRGB(clBtnFace), clNone, clHighlight, C(0x808080)},
      {glListView, C(0xFFFFFF), ColorToRGB(clBtnFace), clHighlight, C(0x808080)},
      {glXP, C(0xFFFFFF), ColorToRGB(clBtnFace), C(0xEACAB6), C(0xEACAB6)},
      {glQGS, C(0xFFFFFF), C(0xC0C0C0), C(0xEACAB6), C(0xEACAB6)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Look);
    grid->SetLook(glCustom);
    grid->SetScrollType(ssMetro);
    grid->SetLook(c.Look);
    EXPECT_EQ(grid->QGSGradientFrom(), c.From);
    EXPECT_EQ(grid->QGSGradientTo(), c.To);
    EXPECT_EQ(grid->SelectionColor(), c.Selection);
    EXPECT_EQ(grid->ActiveCellColor(), c.Active);
    EXPECT_EQ(grid->GridLineColor(), C(0xC0C0C0));
    EXPECT_EQ(grid->GridFixedLineColor(), C(0x808080));
    EXPECT_EQ(grid->SelectionStyle(), ssDefault);
    EXPECT_EQ(grid->ScrollType(), ssNormal);
  }
  grid->SetLook(glXP);
  EXPECT_EQ(grid->FixedFaces().HoverFrom, C(0xCFD0D1));
  EXPECT_EQ(grid->FixedFaces().DownMirrorTo, C(0x627376));
}

TEST_F(GridLooks, StylesWriteTheirColourSchemes) {
  struct {
    TQGSStyle Style;
    TGridLook Look;
    TColor From, Active, Selection, SelectionText, GridLine, FixedLine;
  } cases[] = {
      {tsOffice2003Blue, glXP, C(0xFCE1CB), C(0x94E6FB), C(0x94E6FB), clBlack, C(0xC0C0C0), C(0x808080)},
      {tsOffice2003Classic, glXP, C(0xFFFFFF), C(0xD8D5D4), clHighlight, clHighlightText, C(0xC0C0C0), C(0x808080)},
      {tsOffice2007Luna, glOffice2007, C(0xFBF9F6), C(0x9DD8F9), C(0x5EC1F1), clBlack, C(0xF1EDEB), C(0xD1BBA4)},
      {tsOffice2007Obsidian, glOffice2007, C(0xF7F7F7), C(0x9DD8F9), C(0x5EC1F1), clBlack, C(0xE5D7D0),
       C(0x808080)},
      {tsWindowsXP, glXP, ColorToRGB(clBtnFace), clBtnFace, clHighlight, clHighlightText, C(0xC0C0C0),
       C(0x808080)},
      {tsOffice2007Silver, glOffice2007, C(0xF3F3F1), C(0x99CCFF), C(0x95C7F5), clBlack, C(0xE5D7D0), C(0x808080)},
      {tsWindowsVista, glVista, C(0xFFFFFF), C(0xFDF8F1), C(0xEACAB6), clBlack, C(0xECECF0), C(0xD4D2D1)},
      {tsWindows7, glWin7, C(0xFDFCFA), C(0xFCEBDC), C(0xEACAB6), clBlack, C(0xECECF0), C(0xD4D2D1)},
      {tsOffice2010Blue, glOffice2007, C(0xF5E7DA), C(0x5BD5FF), C(0xFFDBB7), clBlack, C(0xC0C0C0), C(0xC7B0A0)},
      {tsOffice2010Black, glOffice2007, C(0x6A6A6A), C(0x5BD5FF), C(0xFFDBB7), clBlack, C(0xC0C0C0), C(0x444444)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Style);
    grid->SetStyle(c.Style);
    EXPECT_EQ(grid->Look(), c.Look);
    EXPECT_EQ(grid->QGSGradientFrom(), c.From);
    EXPECT_EQ(grid->ActiveCellColor(), c.Active);
    EXPECT_EQ(grid->SelectionColor(), c.Selection);
    EXPECT_EQ(grid->SelectionTextColor(), c.SelectionText);
    EXPECT_EQ(grid->GridLineColor(), c.GridLine);
    EXPECT_EQ(grid->GridFixedLineColor(), c.FixedLine);
    EXPECT_EQ(grid->SearchFooter()->Color(), grid->QGSGradientFrom());
    EXPECT_EQ(grid->SearchFooter()->ColorTo(), grid->QGSGradientMirrorTo());
  }
  grid->SetStyle(tsOffice2010Silver);
  EXPECT_EQ(grid->SortSettings()->HeaderMirrorColorTo(), C(0xAAAAAA));
  EXPECT_EQ(grid->FixedFaces().HoverFrom, C(0x6BDFFF));  // the control look's hover reaches the grid
  grid->SetStyle(tsWindowsVista);
  EXPECT_EQ(grid->FixedFaces().HoverBorder, C(0xE3C993));
  EXPECT_EQ(grid->ControlLook()->FixedGradientFrom(), clNone);  // the grid keeps the forwarded face
  EXPECT_EQ(grid->QGSGradientMirrorFrom(), C(0xFAF8F7));
}

TEST_F(GridLooks, CustomStyleResetsOnlySelectionSortHeaderAndControlLook) {
  grid->SetLook(glXP);
  grid->SetSelectionColor(clRed);
  grid->SortSettings()->SetHeaderColor(clYellow);
  grid->SetGridLineColor(clGreen);
  const TColor from = grid->QGSGradientFrom();
  grid->SetStyle(tsCustom);
  EXPECT_EQ(grid->SelectionColor(), clHighlight);
  EXPECT_EQ(grid->SelectionTextColor(), clHighlightText);
  EXPECT_EQ(grid->SortSettings()->HeaderColor(), clNone);
  EXPECT_EQ(grid->ControlLook()->FixedGradientFrom(), clNone);
  EXPECT_EQ(grid->GridLineColor(), clGreen);
  EXPECT_EQ(grid->QGSGradientFrom(), from);
  EXPECT_EQ(grid->Look(), glXP);
}

TEST_F(GridLooks, ComponentStyleKeepsMetroScrollingOnlyForCustom) {
  grid->SetScrollType(ssMetro);
  grid->SetComponentStyle(tsCustom);
  EXPECT_EQ(grid->ScrollType(), ssMetro);
  EXPECT_EQ(grid->Style(), tsCustom);
  grid->SetComponentStyle(tsOffice2007Luna);
  EXPECT_EQ(grid->ScrollType(), ssNormal);
  EXPECT_EQ(grid->Style(), tsOffice2007Luna);
}

TEST_F(GridLooks, ColorTonesMakeAFlatMetroGridWithGlyphChecks) {
  TColorTones tones;
  tones.Background = {C(0xFFFFFF), C(0xE0E0E0), C(0x202020)};
  tones.Foreground = {C(0xF0F0F0), C(0xD0D0D0), C(0x303030)};
  tones.Selected = {C(0xD77800), C(0xD77800), C(0xFFFFFF)};
  grid->SetColorTones(tones);
  EXPECT_TRUE(grid->Flat());
  EXPECT_EQ(grid->Look(), glClassic);
  EXPECT_EQ(grid->ScrollType(), ssMetro);
  EXPECT_EQ(grid->ControlLook()->ControlStyle(), csGlyph);
  EXPECT_FALSE(grid->ControlLook()->CheckedGlyph()->Empty());
  EXPECT_FALSE(grid->ControlLook()->RadioOffGlyph()->Empty());
  EXPECT_EQ(grid->FixedColor(), C(0xF0F0F0));
  EXPECT_EQ(grid->SelectionColor(), C(0xD77800));
  EXPECT_EQ(grid->BorderStyle(), bsNone);
  EXPECT_EQ(grid->GridLineColor(), C(0xE6E6E6));
  EXPECT_EQ(grid->CellNode()->NodeType(), cnFlat);
  EXPECT_EQ(grid->ColorTones().Selected.TextColor, C(0xFFFFFF));
  ASSERT_NE(grid->ScrollControl(true), nullptr);  // metro scrolling shows the thin indicators
}

// The in-place editors' buttons take the tones whether they were made
// before the tones were given or after; drop-down editors made before take
// them too.
TEST_F(GridLooks, ColorTonesReachTheEditorsMadeBeforeAndAfter) {
  TColorTones tones;
  tones.Background = {C(0xFAFAFA), C(0x101010), C(0x202020)};
  tones.Hover = {C(0x00C0FF), clNone, clNone};
  tones.Selected = {C(0xD77800), clNone, C(0xFFFFFF)};
  grid->SetColor(C(0xEEEEEE));
  TGridSpin* spin = grid->SpinEdit();
  TGridCombo* combo = grid->Combobox();
  TGridMemoDropDown* memo = grid->MemoDropDown();
  grid->SetColorTones(tones);
  TGridEditBtn* edit = grid->BtnEdit();
  TGridDatePicker* picker = grid->DateTimePicker();
  struct {
    const char* Editor;
    const TButtonColors* Buttons;
  } made[] = {{"spin", spin->Button()}, {"edit button", edit->Button()}, {"date picker", picker}};
  for (const auto& m : made) {
    SCOPED_TRACE(m.Editor);
    EXPECT_EQ(m.Buttons->ButtonColor(), C(0xFAFAFA));
    EXPECT_EQ(m.Buttons->ButtonColorHot(), C(0x00C0FF));
    EXPECT_EQ(m.Buttons->ButtonColorDown(), C(0xD77800));
    EXPECT_EQ(m.Buttons->ButtonBorderColor(), C(0x101010));
  }
  EXPECT_EQ(combo->ButtonColor(), C(0xFAFAFA));
  EXPECT_EQ(combo->ButtonColorHot(), C(0x00C0FF));
  EXPECT_EQ(combo->ButtonColorDown(), C(0xD77800));
  EXPECT_TRUE(combo->Flat());
  EXPECT_EQ(combo->BorderColor(), grid->Color());
  EXPECT_TRUE(picker->MetroStyle());
  EXPECT_EQ(picker->BorderColor(), C(0xFAFAFA));
  EXPECT_EQ(memo->Button()->ButtonColor, C(0xFAFAFA));
  EXPECT_EQ(memo->Button()->ButtonColorDown, C(0xD77800));
}

// Without tones the editors keep their own look.
TEST_F(GridLooks, EditorsWithoutTonesKeepTheirLook) {
  EXPECT_FALSE(grid->Combobox()->Flat());
  EXPECT_EQ(grid->SpinEdit()->Button()->ButtonColor(), clNone);
  EXPECT_FALSE(grid->DateTimePicker()->MetroStyle());
}

TEST_F(GridLooks, XPSchemesSetFacesActiveCellAndFooter) {
  struct {
    TXPColorScheme Scheme;
    TColor From, To, MirrorFrom, Active, FooterTo;
  } cases[] = {
      {xpBlue, C(0xFCE1CB), C(0xE0A57D), clNone, C(0x94E6FB), C(0xE0A57D)},
      {xpGreen, C(0xCFF0EA), C(0x8CC0B1), clNone, C(0x94E6FB), C(0x8CC0B1)},
      {vistaAero, C(0xFFFFFF), C(0xFFFFFF), C(0xFAF8F7), C(0x94E6FB), C(0xB39698)},
      {xpNone, C(0xFFFFFF), ColorToRGB(clBtnFace), clNone, C(0xFFFFFF), C(0xFFD9B3)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Scheme);
    grid->SetTheme(c.Scheme);
    EXPECT_EQ(grid->QGSGradientFrom(), c.From);
    EXPECT_EQ(grid->QGSGradientTo(), c.To);
    EXPECT_EQ(grid->QGSGradientMirrorFrom(), c.MirrorFrom);
    EXPECT_EQ(grid->ActiveCellColor(), c.Active);
    EXPECT_EQ(grid->SearchFooter()->ColorTo(), c.FooterTo);
  }
}

TEST_F(GridLooks, OfficeThemeIsFollowedWhenItChanges) {
  TOfficeTheme theme = otUnknown;
  TExtStringGrid::OfficeThemeSource = [&] { return theme; };
  grid->SetAutoThemeAdapt(true);  // unknown: nothing applied
  EXPECT_EQ(grid->Style(), tsWindowsXP);
  theme = ot2007Black;
  grid->Perform(ThemeChangeMessage, 0, 0);
  EXPECT_EQ(grid->Style(), tsOffice2007Obsidian);
  grid->SetComponentStyle(tsCustom);
  grid->AdaptToOfficeTheme();  // the same theme again: left as the user set it
  EXPECT_EQ(grid->Style(), tsCustom);
  theme = ot2010Blue;
  grid->AdaptToOfficeTheme();
  EXPECT_EQ(grid->Style(), tsOffice2010Blue);
}

TEST(GridLookNames, IdentifiersAndDisplayNames) {
  std::string id = "kept", name = "kept";
  TExtStringGrid::LookToString(glXP, id);
  TExtStringGrid::LookToDisplayName(glXP, name);
  EXPECT_EQ(id, "glXP");
  EXPECT_EQ(name, "Windows XP");
  TExtStringGrid::LookToDisplayName(glOffice2007, name);
  EXPECT_EQ(name, "Office2007");
  TExtStringGrid::LookToString(glCustom, id);
  EXPECT_EQ(id, "glXP");  // glCustom leaves the text alone
}

}  // namespace
