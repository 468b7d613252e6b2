// The image picker as a cell editor: it shows the image of an image-list or
// data-image cell, a pick from its popup goes into the cell's image (and a
// data-image cell's text), the grid's events see and may change the pick,
// and Esc leaves the cell alone.

#include <gtest/gtest.h>

#include "controls/ExtDropDownForm.h"
#include "grid/editing/GridDropDowns.h"
#include "tests/grid/editing/GridEditFixture.h"
#include "toolkit/graphics/Bitmap.h"
#include "toolkit/graphics/ImgList.h"

namespace {

class ImagePickerEditorTest : public GridEditTest {
protected:
  enum { ImageListRow = 1, DataImageRow = 2, PlainRow = 3 };
  void SetUp() override {
    GridEditTest::SetUp();
    grid->SetDefaultRowHeight(24);
    images = new TImageList(form, 16, 16);
    for (TColor c : {clRed, clLime, clBlue}) {
      TBitmap b;
      b.SetSize(16, 16);
      b.Canvas()->Brush()->SetColor(c);
      b.Canvas()->FillRect(Rect(0, 0, 16, 16));
      images->Add(&b);
    }
    grid->SetGridImages(images);
    grid->Columns()->Items(TextCol)->SetEditor(edImagePickerDropDown);
    grid->SetCells(TextCol, ImageListRow, "label");
    grid->AddImageIdx(TextCol, ImageListRow, 1, haLeft, vaTop);
    grid->SetCells(TextCol, DataImageRow, "");
    grid->AddDataImage(TextCol, DataImageRow, 0, haLeft, vaTop);
  }
  TGridImageDropDown* Open(int Row) {
    GoTo(TextCol, Row);
    Driver.PressKey(VK_F2);
    TGridImageDropDown* p = grid->ImagePickerDropDown();
    return p->Visible() && grid->EditCtrl == p ? p : nullptr;
  }
  // Opens the popup and clicks the item as a user does (the popup closes on the press).
  void Pick(TGridImageDropDown* P, int Item) {
    Driver.PressKey(VK_DOWN, TShiftState{ssAlt});
    Driver.Pump();
    ASSERT_TRUE(P->DroppedDown());
    TCustomItemSelector* list = P->ItemSelector()->Panel();
    const TRect r = list->GetItemRect(Item);
    Driver.MouseDown(list, (r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
    EXPECT_FALSE(P->DroppedDown());
  }
  int ImageIdx(int Row) {
    int i = -2;
    grid->GetImageIdx(TextCol, Row, i);
    return i;
  }
  TImageList* images = nullptr;
};

TEST_F(ImagePickerEditorTest, AnImageListCellTakesThePickedImageAndKeepsItsText) {
  TGridImageDropDown* p = Open(ImageListRow);
  ASSERT_NE(p, nullptr);
  EXPECT_EQ(grid->EditControl, edImagePickerDropDown);
  EXPECT_EQ(p->Items()->Count(), 3);  // one item per image of the grid
  EXPECT_EQ(p->ImageIndex(), 1);
  EXPECT_EQ(p->Text(), "");  // the items have no captions
  Pick(p, 2);
  Driver.PressKey(VK_RETURN);
  EXPECT_FALSE(p->Visible());
  EXPECT_FALSE(grid->EditMode);
  EXPECT_EQ(ImageIdx(ImageListRow), 2);
  EXPECT_EQ(grid->Cells(TextCol, ImageListRow), "label");
}

TEST_F(ImagePickerEditorTest, ADataImageCellHoldsThePickedIndexAsItsText) {
  TGridImageDropDown* p = Open(DataImageRow);
  ASSERT_NE(p, nullptr);
  EXPECT_EQ(p->ImageIndex(), 0);
  Pick(p, 2);
  Driver.PressKey(VK_RETURN);
  EXPECT_EQ(grid->Cells(TextCol, DataImageRow), "2");
  EXPECT_TRUE(grid->HasDataImage(TextCol, DataImageRow));
  // The next edit starts from the stored index.
  p = Open(DataImageRow);
  ASSERT_NE(p, nullptr);
  EXPECT_EQ(p->ImageIndex(), 2);
  Driver.PressKey(VK_ESCAPE);
}

// Enter while the popup is open stores the item moved to there, and the
// popup's closing gives back no earlier item.
TEST_F(ImagePickerEditorTest, EnterWithThePopupOpenStoresTheItemMovedTo) {
  std::vector<int> selects;
  grid->OnImageSelect = [&](TObject*, int, int, int i) { selects.push_back(i); };
  TGridImageDropDown* p = Open(ImageListRow);
  ASSERT_NE(p, nullptr);
  Driver.PressKey(VK_DOWN, TShiftState{ssAlt});
  Driver.Pump();
  ASSERT_TRUE(p->DroppedDown());
  Driver.PressKey(VK_RIGHT);
  EXPECT_TRUE(p->DroppedDown());
  EXPECT_EQ(p->ItemIndex(), 2);
  Driver.PressKey(VK_RETURN);
  EXPECT_FALSE(p->Visible());
  EXPECT_EQ(ImageIdx(ImageListRow), 2);
  EXPECT_EQ(selects, std::vector<int>{2});
}

TEST_F(ImagePickerEditorTest, EscKeepsTheCellsImage) {
  for (int row : {ImageListRow, DataImageRow}) {
    SCOPED_TRACE(row);
    TGridImageDropDown* p = Open(row);
    ASSERT_NE(p, nullptr);
    Pick(p, 2);
    Driver.PressKey(VK_ESCAPE);
    EXPECT_FALSE(p->Visible());
    EXPECT_FALSE(grid->EditMode);
  }
  EXPECT_EQ(ImageIdx(ImageListRow), 1);
  EXPECT_EQ(grid->Cells(TextCol, DataImageRow), "0");
  EXPECT_EQ(grid->Cells(TextCol, ImageListRow), "label");
}

// OnImageSelect reports picks (not the item shown when the edit opens);
// OnImageSelected decides the index stored.
TEST_F(ImagePickerEditorTest, TheGridsEventsSeeAndMayChangeThePick) {
  std::vector<std::string> selects;
  grid->OnImageSelect = [&](TObject* S, int c, int r, int i) {
    selects.push_back(std::string(S == grid ? "grid " : "? ") + std::to_string(c) + "," + std::to_string(r) + " " +
                      std::to_string(i));
  };
  std::vector<int> chosen;
  grid->OnImageSelected = [&](TObject*, int, int, int& I) {
    chosen.push_back(I);
    I = 0;
  };
  TGridImageDropDown* p = Open(ImageListRow);
  ASSERT_NE(p, nullptr);
  EXPECT_TRUE(selects.empty());
  Pick(p, 2);
  EXPECT_EQ(selects, std::vector<std::string>{"grid 1,1 2"});
  Driver.PressKey(VK_RETURN);
  EXPECT_EQ(chosen, std::vector<int>{2});
  EXPECT_EQ(ImageIdx(ImageListRow), 0);
}

// Captioned items: the editor's text is the caption of the image shown, and
// a cell without an image leaves the cell untouched.
TEST_F(ImagePickerEditorTest, CaptionedItemsAndCellsWithoutAnImage) {
  TGridImageDropDown* pre = grid->ImagePickerDropDown();
  pre->SetImages(images);
  pre->AddImagesFromImageList();
  const char* captions[] = {"Stop", "Go", "Wait"};
  for (int i = 0; i < 3; ++i) pre->Items()->Items(i)->SetCaption(captions[i]);
  TGridImageDropDown* p = Open(ImageListRow);
  ASSERT_NE(p, nullptr);
  EXPECT_EQ(p->Items()->Count(), 3);  // items already there are kept, not added again
  EXPECT_EQ(p->Text(), "Go");
  Driver.PressKey(VK_ESCAPE);
  p = Open(PlainRow);
  ASSERT_NE(p, nullptr);
  Pick(p, 0);
  Driver.PressKey(VK_RETURN);
  EXPECT_EQ(grid->Cells(TextCol, PlainRow), "row3");
  EXPECT_EQ(grid->GetCellType(TextCol, PlainRow), ctEmpty);
}

TEST_F(ImagePickerEditorTest, ScreenshotWithThePopupOpen) {
  TGridImageDropDown* p = Open(ImageListRow);
  ASSERT_NE(p, nullptr);
  Driver.PressKey(VK_DOWN, TShiftState{ssAlt});
  ASSERT_TRUE(p->DroppedDown());
  EXPECT_NE(Driver.Screenshot(form, "grid_image_picker.png"), "");
  EXPECT_NE(Driver.Screenshot(p->DropDownForm(), "grid_popup_image_picker.png"), "");
  p->HideDropDown(true);
  Driver.PressKey(VK_ESCAPE);
}

}  // namespace
