// The popup look the two table drop-downs share: what component styles make
// of it, how it reaches the popup grid, the popup grid's image list and the
// sizing of its columns and rows to their contents.

#include <algorithm>
#include <type_traits>

#include "controls/DropDownColumnSizing.h"
#include "controls/ExtMultiColumnDropDown.h"
#include "grid/dropdown/ExtCustomGridDropDown.h"
#include "tests/controls/DropDownFixture.h"
#include "toolkit/graphics/ImgList.h"

namespace {

// A look no style gives, and the check that something has it.
template <class Look>
void giveLook(Look* L) {
  L->SetLineColor(0x111111);
  L->SetFixedLineColor(0x222222);
  L->SetHeaderColor(0x333333);
  L->SetHeaderColorTo(0x444444);
  L->SetHeaderHeight(31);
  L->HeaderFont()->SetColor(0x555555);
}

template <class Look>
void expectLook(Look* L) {
  EXPECT_EQ(L->LineColor(), TColor(0x111111));
  EXPECT_EQ(L->FixedLineColor(), TColor(0x222222));
  EXPECT_EQ(L->HeaderColor(), TColor(0x333333));
  EXPECT_EQ(L->HeaderColorTo(), TColor(0x444444));
  EXPECT_EQ(L->HeaderHeight(), 31);
  EXPECT_EQ(L->HeaderFont()->Color(), TColor(0x555555));
}

template <class T>
class TableDropDown : public DropDownFixture<T> {
protected:
  static constexpr bool IsGridDropDown = std::is_base_of_v<TCustomExtGridDropDown, T>;
  void fill() {
    this->dd->Columns()->Add()->SetHeader("Name");
    this->dd->Items()->Add()->Text()->Add("Alpha");
    this->dd->EndUpdate();
  }
};

using TableDropDowns = ::testing::Types<TExtMultiColumnDropDown, TExtGridDropDown>;
TYPED_TEST_SUITE(TableDropDown, TableDropDowns);

TYPED_TEST(TableDropDown, ComponentStylesSetThePopupLook) {
  struct Case {
    TQGSStyle Style;
    TColor Header, HeaderTo, Font, Line, FixedLine, SelectionText;
  } cases[] = {
      {tsOffice2003Blue, 0xD68759, 0x933803, 0xFFFFFF, 0x962D00, 0x962D00, 0},
      {tsOffice2007Obsidian, 0xF2F1F0, 0xC9C2BD, 0x433C37, 0x5C534C, 0x5C534C, 0},
      {tsWindowsXP, clBtnFace, clBtnFace, 0, 0xC0C0C0, 0, clHighlightText},
      {tsWindows7, 0xFDFBFA, 0xFDF3EB, 0, 0xFBD6B8, 0xFBD6B8, 0},
      {tsTerminal, clBtnFace, clBtnFace, 0, 0x808080, 0x808080, clHighlightText},
      {tsOffice2010Black, 0x828282, clNone, 0xD7D7D6, 0xEEDDCF, 0xEEDDCF, 0},
  };
  auto* dd = this->dd;
  for (const Case& c : cases) {
    // A look no style gives, to see what a style leaves alone.
    dd->SetComponentStyle(tsOffice2007Luna);
    dd->SetHeaderColor(0x010203);
    dd->SetLineColor(0x040506);
    dd->SetSelectionTextColor(0x070809);
    dd->SetComponentStyle(c.Style);
    if (this->IsGridDropDown && c.Style >= tsOffice2010Blue) {
      // The grid drop-down has no looks of its own for these styles.
      EXPECT_EQ(dd->HeaderColor(), TColor(0x010203)) << c.Style;
      EXPECT_EQ(dd->LineColor(), TColor(0x040506)) << c.Style;
      EXPECT_EQ(dd->SelectionTextColor(), TColor(0x070809)) << c.Style;
      continue;
    }
    EXPECT_EQ(dd->HeaderColor(), c.Header) << c.Style;
    EXPECT_EQ(dd->HeaderColorTo(), c.HeaderTo) << c.Style;
    EXPECT_EQ(dd->HeaderFont()->Color(), c.Font) << c.Style;
    EXPECT_EQ(dd->LineColor(), c.Line) << c.Style;
    EXPECT_EQ(dd->FixedLineColor(), c.FixedLine) << c.Style;
    EXPECT_EQ(dd->SelectionTextColor(), c.SelectionText) << c.Style;
    if (c.SelectionText == clHighlightText) {
      EXPECT_EQ(dd->SelectionColor(), clHighlight) << c.Style;
      EXPECT_EQ(dd->SelectionColorTo(), clHighlight) << c.Style;
    }
    if (c.Style == tsOffice2010Black) {
      EXPECT_EQ(dd->SelectionColor(), TColor(0x6CD0FF));
    }
  }
  // A custom style keeps the look as it is.
  dd->SetLineColor(0x0A0B0C);
  dd->SetComponentStyle(tsCustom);
  EXPECT_EQ(dd->LineColor(), TColor(0x0A0B0C));
}

TYPED_TEST(TableDropDown, SelectionColorStylesSetTheLines) {
  struct Case {
    TSelectionColorStyle Style;
    TColor Line, FixedLine;
  } cases[] = {{scWindowsVista, 0xECECF0, 0xD4D2D1},
               {scCustom, 0xECECF0, 0xD4D2D1},
               {scOffice2007, 0xF1EDEB, 0xD1BBA4},
               {scWindows7, 0xECECF0, 0xD4D2D1}};
  for (const Case& c : cases) {
    this->dd->SetSelectionColorStyleValue(c.Style);
    EXPECT_EQ(this->dd->LineColor(), c.Line) << c.Style;
    EXPECT_EQ(this->dd->FixedLineColor(), c.FixedLine) << c.Style;
  }
  if (this->IsGridDropDown) {
    EXPECT_EQ(this->dd->SelectionColor(), TColor(0xEACAB6));
  }
}

TYPED_TEST(TableDropDown, TheLookReachesThePopupGrid) {
  auto* dd = this->dd;
  this->fill();
  giveLook(dd);
  dd->ShowDropDown();
  ASSERT_TRUE(dd->DroppedDown());
  auto* g = dd->Grid();
  expectLook(g);
  EXPECT_EQ(g->RowHeights(0), 31);
  // The grid's font is its own copy.
  EXPECT_NE(g->HeaderFont(), dd->HeaderFont());
}

TYPED_TEST(TableDropDown, AnImageListThatGoesLeavesThePopupGrid) {
  auto* dd = this->dd;
  this->fill();
  auto* images = new TImageList(this->form, 16, 16);
  dd->SetImages(images);
  dd->ShowDropDown();
  ASSERT_EQ(dd->Grid()->Images(), images);
  dd->HideDropDown(true);
  delete images;
  EXPECT_EQ(dd->Images(), nullptr);
  EXPECT_EQ(dd->Grid()->Images(), nullptr);
}

TYPED_TEST(TableDropDown, LineWidthIsDrawnByThePopupNotTheGrid) {
  auto* g = this->dd->Grid();
  g->SetGridLineWidth(3);
  EXPECT_EQ(g->GridLineWidth(), 3);
  EXPECT_EQ(g->TCustomGrid::GridLineWidth(), 0);
}

TYPED_TEST(TableDropDown, ColumnsAndRowsFitTheirContents) {
  auto* dd = this->dd;
  auto* names = dd->Columns()->Add();
  names->SetAutoSize(true);
  names->SetColumnType(ctImage);
  auto* notes = dd->Columns()->Add();
  notes->SetWordwrap(true);
  notes->SetWidth(60);
  const std::string longNote = "a note long enough to wrap over several lines";
  auto* first = dd->Items()->Add();
  first->Text()->Add("Alpha");
  first->Text()->Add("short");
  first->SetImageIndex(0);
  auto* second = dd->Items()->Add();
  second->Text()->Add("Be");
  second->Text()->Add(longNote);
  dd->EndUpdate();
  dd->SetImages(new TImageList(this->form, 16, 16));
  dd->ShowDropDown();
  ASSERT_TRUE(dd->DroppedDown());
  auto* g = dd->Grid();
  // The first item's picture counts, the second has none.
  const TFont* font = names->Font();
  EXPECT_EQ(g->Columns()->Items(0)->Width(),
            std::max(CellContentWidth(font, "Alpha", 16), CellContentWidth(font, "Be", 0)));
  EXPECT_EQ(g->RowHeights(1), std::max(24, CellContentHeight(notes->Font(), "short", 60, 0)));
  EXPECT_EQ(g->RowHeights(2), CellContentHeight(notes->Font(), longNote, 60, 0));
  EXPECT_GT(g->RowHeights(2), 24);
}

using MultiColumnLook = DropDownFixture<TExtMultiColumnDropDown>;

TEST_F(MultiColumnLook, AssignCopiesTheLook) {
  giveLook(dd);
  auto& copy = *new TExtMultiColumnDropDown(form);
  copy.Assign(dd);
  expectLook(&copy);
  EXPECT_NE(copy.HeaderFont(), dd->HeaderFont());
}

}  // namespace
