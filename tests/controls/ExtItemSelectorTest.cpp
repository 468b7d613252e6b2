// The item selector: layout, appearance presets, selection, lookup, mouse,
// scrolling and painting of hot and selected cells.

#include "controls/ExtItemSelector.h"

#include <gtest/gtest.h>

#include "tests/controls/ShotProbes.h"
#include "toolkit/forms/Forms.h"
#include "toolkit/graphics/Bitmap.h"
#include "toolkit/graphics/ImgList.h"
#include "toolkit/testing/TestDriver.h"

namespace {

class ItemSelector : public FormsTest {
protected:
  void SetUp() override {
    form = new TForm(Application);
    form->SetBounds(0, 0, 300, 240);
    sel = new TExtCustomItemSelector(form);
    sel->SetParent(form);
    sel->SetBounds(10, 10, 200, 200);
    sel->OnItemSelect = [this](TObject*) { ++selects; };
    form->Show();
    Driver.Pump();
  }
  // Cells of W by H through the owner sizing event.
  void fixedCells(int W, int H) {
    sel->OnItemSize = [W, H](TObject*, TSize& s) { s = {W, H}; };
  }
  void addItems(int Count) {
    for (int i = 0; i < Count; ++i) sel->Items()->Add()->SetCaption("Item " + std::to_string(i));
  }
  TCustomItemSelector* panel() const { return sel->Panel(); }
  TForm* form = nullptr;
  TExtCustomItemSelector* sel = nullptr;
  int selects = 0;
};

TEST_F(ItemSelector, CellsFillTheColumnsRowByRow) {
  struct Case {
    int items, columns;
    std::vector<TPoint> starts;
    TSize panel;
  };
  const Case cases[] = {
      {5, 2, {{2, 2}, {42, 2}, {2, 22}, {42, 22}, {2, 42}}, {84, 64}},
      {3, 1, {{2, 2}, {2, 22}, {2, 42}}, {44, 64}},
      {4, 4, {{2, 2}, {42, 2}, {82, 2}, {122, 2}}, {164, 24}},
      {2, 5, {{2, 2}, {42, 2}}, {84, 24}},
  };
  fixedCells(40, 20);
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.items) + " items in " + std::to_string(c.columns) + " columns");
    sel->Items()->Clear();
    sel->SetColumns(c.columns);
    addItems(c.items);
    sel->UpdateSelectorPanel();
    for (int i = 0; i < c.items; ++i) {
      EXPECT_EQ(panel()->GetItemRect(i), Rect(c.starts[i].X, c.starts[i].Y, c.starts[i].X + 40, c.starts[i].Y + 20))
          << "item " << i;
    }
    EXPECT_EQ(sel->GetPanelSize(), c.panel);
  }
}

TEST_F(ItemSelector, WithoutItemsThePanelIsHundredByFifty) {
  EXPECT_EQ(sel->GetPanelSize(), (TSize{100, 50}));
  EXPECT_EQ(sel->GetVisibleItemCount(), 0);
  EXPECT_EQ(panel()->GetItemRect(0), Rect(-1, -1, -1, -1));
}

TEST_F(ItemSelector, ColorCellSizeFollowsTheCaptionPlacement) {
  // Colour boxes without captions: only the box and the cell margins count.
  struct Case {
    TItemLayout layout;
    TSize cell;
  };
  const Case cases[] = {{ilCaptionLeft, {8 + 20, 8 + 10}},
                        {ilCaptionRight, {8 + 20, 8 + 10}},
                        {ilCaptionTop, {8 + 20, 8 + 10}},
                        {ilCaptionBottom, {8 + 20, 8 + 10}}};
  sel->SetSelectorType(stColor);
  sel->SetColorBoxWidth(20);
  sel->SetColorBoxHeight(10);
  sel->Items()->Add()->SetColor(clRed);
  for (const Case& c : cases) {
    sel->SetItemLayout(c.layout);
    TSize s{};
    panel()->GetItemSize(s);
    EXPECT_EQ(s, c.cell) << int(c.layout);
  }
}

TEST_F(ItemSelector, CaptionsWidenTheCellByGapAndPadding) {
  sel->SetSelectorType(stColor);
  sel->Items()->Add()->SetCaption("Red");
  TSize side{}, below{};
  panel()->GetItemSize(side);
  sel->SetItemLayout(ilCaptionBottom);
  panel()->GetItemSize(below);
  // Beside: margins + box + gap + caption and 4; below: the wider of both.
  const int captionWidth = side.cx - 8 - 14 - 4;
  EXPECT_GT(captionWidth, 4);
  EXPECT_EQ(below.cx, std::max(captionWidth, 14) + 8);
  const int captionHeight = below.cy - 8 - 14 - 4;
  EXPECT_GT(captionHeight, 0);
  EXPECT_EQ(side.cy, std::max(captionHeight, 14) + 8);
}

TEST_F(ItemSelector, ChangingOnlyTheLayoutNeitherRelaysNorRepaints) {
  sel->SetSelectorType(stColor);
  sel->Items()->Add()->SetCaption("Red");
  const TRect before = panel()->GetItemRect(0);
  sel->SetItemLayout(ilCaptionBottom);
  EXPECT_EQ(panel()->GetItemRect(0), before);
  sel->UpdateSelectorPanel();
  EXPECT_NE(panel()->GetItemRect(0), before);
}

TEST_F(ItemSelector, SettersRelayoutOnlyOnChange) {
  fixedCells(40, 20);
  addItems(4);
  sel->SetColumns(2);
  EXPECT_EQ(sel->GetPanelSize(), (TSize{84, 44}));
  sel->SetColumns(0);
  sel->SetColumns(-3);
  EXPECT_EQ(sel->Columns(), 2);
  // An item change relays out through the collection's hook.
  fixedCells(50, 20);
  sel->Items()->Items(0)->SetCaption("changed");
  EXPECT_EQ(sel->GetPanelSize(), (TSize{104, 44}));
}

TEST_F(ItemSelector, AppearancePresetsWriteTheFaceColours) {
  struct Case {
    TSelectionColorStyle style;
    TColor hot, hotTo, mirrorHot, border, selectedTo, mirrorSelectedTo;
  };
  const Case cases[] = {
      {scOffice2007, TColor(0xD7FFFD), TColor(0x58D4FC), TColor(0x58D4FC), TColor(0x8DD7D3), TColor(0x04B9F4),
       TColor(0x68E3F9)},
      {scWindowsVista, TColor(0xFDF8F1), TColor(0xFCEFD5), clNone, TColor(0xFDDE99), TColor(0xFAE3B4), clNone},
      {scWindows7, TColor(0xFCEBDC), TColor(0xFCDBC1), clNone, TColor(0xCEA27D), TColor(0xFBCAA2), clNone},
  };
  TItemAppearance a(nullptr);
  EXPECT_EQ(a.ColorStyle(), scOffice2007);
  EXPECT_EQ(a.Font()->Name(), "Tahoma");
  EXPECT_EQ(a.BorderColorHot, clNone);
  EXPECT_EQ(a.ColorSelectedText, TColor(0));
  for (const Case& c : cases) {
    a.SetColorStyle(c.style);
    EXPECT_EQ(a.ColorHot, c.hot) << int(c.style);
    EXPECT_EQ(a.ColorHotTo, c.hotTo);
    EXPECT_EQ(a.ColorMirrorHot, c.mirrorHot);
    EXPECT_EQ(a.BorderColor, c.border);
    EXPECT_EQ(a.ColorSelectedTo, c.selectedTo);
    EXPECT_EQ(a.ColorMirrorSelectedTo, c.mirrorSelectedTo);
  }
  a.ColorHot = clRed;
  a.SetColorStyle(scCustom);
  EXPECT_EQ(a.ColorHot, clRed);
}

TEST_F(ItemSelector, AppearanceAssignLaysADifferentStyleOverTheCopiedColours) {
  TItemAppearance src(nullptr), dst(nullptr);
  src.SetColorStyle(scCustom);
  src.ColorHot = clRed;
  src.ColorHotText = clBlue;
  src.BorderColorHot = clGreen;
  dst.Assign(&src);
  EXPECT_EQ(dst.ColorStyle(), scCustom);
  EXPECT_EQ(dst.ColorHot, clRed);
  EXPECT_EQ(dst.ColorHotText, clBlue);
  EXPECT_EQ(dst.BorderColorHot, clGreen);

  TItemAppearance vista(nullptr), fresh(nullptr);
  vista.SetColorStyle(scWindowsVista);
  vista.ColorHot = clRed;  // customised under the Vista style
  fresh.Assign(&vista);
  EXPECT_EQ(fresh.ColorHot, TColor(0xFDF8F1));
}

TEST_F(ItemSelector, SelectorItemAssignCopiesEverything) {
  TSelectorItem* a = sel->Items()->Add();
  a->SetCaption("A");
  a->SetColor(clRed);
  a->SetImageIndex(3);
  a->SetHint("hint");
  a->SetEnabled(false);
  TSelectorItem* b = sel->Items()->Add();
  int changes = 0;
  sel->Items()->OnChange = [&](TObject*) { ++changes; };
  b->Assign(a);
  EXPECT_EQ(b->Caption(), "A");
  EXPECT_EQ(b->Color(), clRed);
  EXPECT_EQ(b->ImageIndex(), 3);
  EXPECT_EQ(b->Hint(), "hint");
  EXPECT_FALSE(b->Enabled());
  EXPECT_EQ(changes, 3);
  EXPECT_THROW(b->Assign(sel->ItemAppearance()), EConvertError);
}

TEST_F(ItemSelector, APanelNeedsTheSelectorAsOwner) {
  try {
    TCustomItemSelector p(form);
    FAIL() << "no exception";
  } catch (const Exception& e) {
    EXPECT_STREQ(e.what(), "Invalid parent");
  }
}

TEST_F(ItemSelector, SelectionStepsAndItsEvent) {
  fixedCells(40, 20);
  addItems(3);
  struct Step {
    const char* what;
    std::function<void()> act;
    int index, hot;
  };
  const Step steps[] = {
      {"next from none", [&] { sel->SelectNext(); }, 0, -1},
      {"next", [&] { sel->SelectNext(); }, 1, -1},
      {"last", [&] { sel->SelectLast(); }, 2, -1},
      {"next past the end", [&] { sel->SelectNext(); }, 2, -1},
      {"previous", [&] { sel->SelectPrevious(); }, 1, -1},
      {"first", [&] { sel->SelectFirst(); }, 0, -1},
      {"previous before the start", [&] { sel->SelectPrevious(); }, 0, -1},
      {"hot next from none", [&] { sel->HotNext(); }, 0, 0},
      {"hot next", [&] { sel->HotNext(); }, 0, 1},
      {"hot previous", [&] { sel->HotPrevious(); }, 0, 0},
      {"hot previous before the start", [&] { sel->HotPrevious(); }, 0, 0},
  };
  for (const Step& s : steps) {
    s.act();
    EXPECT_EQ(sel->ItemIndex(), s.index) << s.what;
    EXPECT_EQ(sel->ItemHot(), s.hot) << s.what;
  }
  EXPECT_EQ(selects, 5);  // every step that selected, none for the refused ones
}

TEST_F(ItemSelector, SelectingTheSameIndexFiresAgainAndDisabledCellsRefuse) {
  fixedCells(40, 20);
  addItems(3);
  sel->Items()->Items(1)->SetEnabled(false);
  sel->SetItemIndex(0);
  sel->SetItemIndex(0);
  EXPECT_EQ(selects, 2);
  sel->SetItemIndex(1);
  EXPECT_EQ(sel->ItemIndex(), 0);
  panel()->SetItemHot(1);
  EXPECT_EQ(sel->ItemHot(), -1);
  // Beyond the items: stored, fired, and SelectNext goes nowhere from there.
  sel->SetItemIndex(7);
  EXPECT_EQ(sel->ItemIndex(), 7);
  EXPECT_EQ(selects, 3);
  sel->SelectNext();
  EXPECT_EQ(sel->ItemIndex(), 7);
  sel->SetItemIndex(-5);
  EXPECT_EQ(sel->ItemIndex(), -1);
  panel()->SetItemHot(-3);
  EXPECT_EQ(sel->ItemHot(), -1);
}

TEST_F(ItemSelector, LookupMatchesTheStartOfTheTagFreeCaption) {
  const char* captions[] = {"Blue", "  <b>Red</b>", "Reddish", "green"};
  for (const char* c : captions) sel->Items()->Add()->SetCaption(c);
  struct Case {
    const char* text;
    bool found;
    int index;
  };
  const Case cases[] = {{"RE", true, 1}, {"REDD", true, 2}, {"GR", true, 3}, {"re", false, 3}, {"", false, 3},
                        {"X", false, 3}};
  for (const Case& c : cases) {
    EXPECT_EQ(sel->LookupItem(c.text), c.found) << c.text;
    EXPECT_EQ(sel->ItemIndex(), c.index) << c.text;
  }
}

TEST_F(ItemSelector, MouseSelectsAndTracksTheHotCell) {
  fixedCells(40, 20);
  addItems(3);
  sel->Items()->Items(1)->SetHint("second");
  sel->Items()->Items(2)->SetEnabled(false);
  Driver.MouseMove(panel(), 10, 25);  // one column: item 1 is (2, 22) .. (42, 42)
  EXPECT_EQ(sel->ItemHot(), 1);
  EXPECT_EQ(panel()->Hint(), "second");
  Driver.MouseMove(panel(), 10, 50);  // over the disabled cell
  EXPECT_EQ(sel->ItemHot(), -1);
  Driver.MouseMove(panel(), 10, 10);
  EXPECT_EQ(sel->ItemHot(), 0);
  Driver.MouseMove(panel(), 1, 1);  // the margin: no cell
  EXPECT_EQ(sel->ItemHot(), -1);
  Driver.Click(panel(), 10, 50);
  EXPECT_EQ(sel->ItemIndex(), -1);
  Driver.Click(panel(), 41, 41);
  EXPECT_EQ(sel->ItemIndex(), 1);
  EXPECT_EQ(panel()->ItemAtPos(42, 22), -1);  // right edge excluded
  EXPECT_EQ(panel()->ItemAtPos(2, 22), 1);    // left and top included
}

TEST_F(ItemSelector, VisibleCountAndScrollingTheSelectionIntoView) {
  fixedCells(40, 30);
  sel->SetColumns(2);
  addItems(20);  // ten rows of 30 in a 200 high host
  EXPECT_EQ(sel->GetVisibleItemCount(), 200 / 30 * 2);
  sel->SelectLast();
  const TRect last = panel()->GetItemRect(19);
  EXPECT_LE(panel()->Top() + last.Bottom, sel->ViewRect().Bottom);
  EXPECT_GE(panel()->Top() + last.Top, 0);
  sel->SelectFirst();
  EXPECT_EQ(panel()->Top() + panel()->GetItemRect(0).Top, 0);
}

TEST_F(ItemSelector, GetVisibleItemCountIsZeroForZeroHighCells) {
  fixedCells(40, 0);
  addItems(3);
  EXPECT_EQ(sel->GetVisibleItemCount(), 0);
}

TEST_F(ItemSelector, HotAndSelectedCellsPaintTheirFaces) {
  fixedCells(40, 20);
  addItems(3);
  for (int i = 0; i < 3; ++i) sel->Items()->Items(i)->SetCaption("");
  TItemAppearance* a = sel->ItemAppearance();
  a->SetColorStyle(scCustom);
  a->ColorHot = a->ColorHotTo = clLime;
  a->ColorSelected = a->ColorSelectedTo = clRed;
  a->BorderColorHot = clGreen;
  a->BorderColorSelected = clBlue;
  sel->SetItemIndex(1);
  panel()->SetItemHot(1);  // hot and selected: the selection wins
  Driver.MouseMove(panel(), 10, 10);
  EXPECT_EQ(sel->ItemHot(), 0);
  Driver.Pump();
  EXPECT_EQ(Driver.PixelAt(panel(), 20, 12), clLime);
  EXPECT_EQ(Driver.PixelAt(panel(), 2, 12), clGreen);
  EXPECT_EQ(Driver.PixelAt(panel(), 20, 32), clRed);
  EXPECT_EQ(Driver.PixelAt(panel(), 2, 32), clBlue);
  EXPECT_EQ(Driver.PixelAt(panel(), 20, 52), ColorToRGB(sel->Color()));
  // Without a hot border the rounded face is drawn: its edge is no longer flat green.
  a->BorderColorHot = clNone;
  panel()->Invalidate();
  Driver.Pump();
  EXPECT_NE(Driver.PixelAt(panel(), 2, 12), clGreen);
}

TEST_F(ItemSelector, ClearingTheImageListByFreeingIt) {
  auto* images = new TImageList(form);
  sel->SetImages(images);
  delete images;
  EXPECT_EQ(sel->Images(), nullptr);
}

TEST_F(ItemSelector, Screenshot) {
  sel->SetSelectorType(stColor);
  sel->SetColumns(2);
  const std::pair<const char*, TColor> colours[] = {{"Red", clRed},   {"<b>Green</b>", clGreen}, {"Blue", clBlue},
                                                    {"Yellow", clYellow}, {"Black", clBlack}};
  for (auto [caption, colour] : colours) {
    TSelectorItem* it = sel->Items()->Add();
    it->SetCaption(caption);
    it->SetColor(colour);
  }
  sel->SetItemIndex(2);
  Driver.MouseMove(panel(), 10, 10);
  Driver.Pump();
  const TPixelImage shown = Shot(Driver, form, "item-selector.png");
  for (TColor colour : {clRed, clGreen, clBlue, clYellow}) EXPECT_GT(PixelsOf(shown, colour), 20) << colour;
}

}  // namespace
