// The image picker drop-down: value, image index, loading from a folder and
// an image list, keys, wheel and the painted edit area.

#include "controls/ExtImagePickerDropDown.h"

#include <cstdlib>
#include <filesystem>

#include "tests/controls/DropDownFixture.h"
#include "tests/controls/ShotProbes.h"
#include "toolkit/graphics/Bitmap.h"
#include "toolkit/graphics/ImgList.h"
#include "toolkit/graphics/PngImage.h"
#include "toolkit/rtl/FileUtils.h"

namespace {

TBitmap* square(TBitmap& B, int Size, TColor Color) {
  B.SetSize(Size, Size);
  B.Canvas()->Brush()->SetColor(Color);
  B.Canvas()->FillRect(Rect(0, 0, Size, Size));
  return &B;
}

class ImagePicker : public DropDownFixture<TExtImagePickerDropDown> {
protected:
  void SetUp() override {
    DropDownFixture::SetUp();
    std::string pattern = (std::filesystem::temp_directory_path() / "imagepicker-XXXXXX").string();
    folder = mkdtemp(pattern.data());
    dd->OnSelect = [this](TObject*) { log += "select "; };
    dd->OnChange = [this](TObject*) { log += "change "; };
  }
  void TearDown() override {
    std::filesystem::remove_all(folder);
    DropDownFixture::TearDown();
  }
  // A small picture file of one colour, in the format its extension names.
  void writePicture(const std::string& Name, int Size, TColor Color) {
    TBitmap b;
    square(b, Size, Color);
    TPngImage png;
    png.Assign(&b);
    TPicture p;
    if (ExtractFileExt(Name) == ".png") p.Assign(&png);
    else p.Assign(&b);
    p.SaveToFile((folder / Name).string());
  }
  TImageList* imageList(std::initializer_list<TColor> Colors) {
    auto* images = new TImageList(form);
    images->SetWidth(16);
    images->SetHeight(16);
    for (TColor c : Colors) {
      TBitmap b;
      images->Add(square(b, 16, c), nullptr);
    }
    return images;
  }
  void addItems(std::initializer_list<int> ImageIndexes) {
    for (int i : ImageIndexes) dd->Items()->Add()->SetImageIndex(i);
  }
  std::filesystem::path folder;
  std::string log;
};

TEST_F(ImagePicker, StartsEmptyAndClosedToTyping) {
  EXPECT_EQ(dd->ItemIndex(), -1);
  EXPECT_EQ(dd->ImageIndex(), -1);
  EXPECT_EQ(dd->Columns(), 1);
  EXPECT_FALSE(dd->EditorEnabled());
  ASSERT_NE(dd->ItemSelector(), nullptr);
  EXPECT_EQ(dd->ItemSelector()->SelectorType(), stImage);
}

TEST_F(ImagePicker, ItemIndexWrites) {
  addItems({3, 5, 5});
  struct Case {
    int Value, Index;
    const char* Log;
  } cases[] = {{1, 1, "change select "}, {1, 1, ""},  {3, 1, ""},  {-1, -1, "change select "},
               {-1, -1, ""},             {2, 2, "change select "}, {-9, -1, "change select "}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Value);
    log.clear();
    dd->SetItemIndex(c.Value);
    EXPECT_EQ(dd->ItemIndex(), c.Index);
    EXPECT_EQ(log, c.Log);
  }
}

TEST_F(ImagePicker, ImageIndexSelectsTheFirstItemWithIt) {
  addItems({3, 5, 5});
  struct Case {
    int Value, Index, Read;
  } cases[] = {{5, 1, 5}, {3, 0, 3}, {9, -1, -1}, {-1, -1, -1}};
  for (const Case& c : cases) {
    dd->SetImageIndex(c.Value);
    EXPECT_EQ(dd->ItemIndex(), c.Index) << c.Value;
    EXPECT_EQ(dd->ImageIndex(), c.Read) << c.Value;
  }
}

TEST_F(ImagePicker, FolderLoadingSkipsSubFoldersAndKeepsUnreadableFiles) {
  writePicture("blue.bmp", 8, clBlue);
  writePicture("red.png", 12, clRed);
  WriteFileAtomic((folder / "notes.png").string(), "not a picture");
  WriteFileAtomic((folder / "readme.txt").string(), "text");
  std::filesystem::create_directory(folder / "more.png");
  dd->Items()->Add()->SetCaption("kept");
  dd->AddImagesFromFolder(folder.string() + "/*.*", true);
  struct Expect {
    const char* Caption;
    int Width;
  } expected[] = {{"kept", 0}, {"blue.bmp", 8}, {"", 0}, {"", 0}, {"red.png", 12}};
  ASSERT_EQ(dd->Items()->Count(), 5);
  for (int i = 0; i < 5; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(dd->Items()->Items(i)->Caption(), expected[i].Caption);
    EXPECT_EQ(dd->Items()->Items(i)->Image()->Width(), expected[i].Width);
  }
}

TEST_F(ImagePicker, FolderLoadingByMaskWithoutCaptions) {
  writePicture("a.png", 4, clRed);
  writePicture("b.bmp", 4, clLime);
  writePicture("c.png", 6, clBlue);
  dd->AddImagesFromFolder((folder / "*.png").string(), false);
  ASSERT_EQ(dd->Items()->Count(), 2);
  EXPECT_EQ(dd->Items()->Items(0)->Caption(), "");
  EXPECT_EQ(dd->Items()->Items(1)->Image()->Width(), 6);
  // A folder that is not there adds nothing.
  dd->AddImagesFromFolder((folder / "missing" / "*.png").string(), true);
  EXPECT_EQ(dd->Items()->Count(), 2);
}

TEST_F(ImagePicker, ImageListGivesOneItemPerEntry) {
  dd->AddImagesFromImageList();
  EXPECT_EQ(dd->Items()->Count(), 0);
  dd->SetImages(imageList({clRed, clLime, clBlue}));
  dd->AddImagesFromImageList();
  ASSERT_EQ(dd->Items()->Count(), 3);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(dd->Items()->Items(i)->ImageIndex(), i);
    EXPECT_EQ(dd->Items()->Items(i)->Caption(), "");
  }
}

TEST_F(ImagePicker, ClosedKeysAndWheelStepThroughTheItems) {
  addItems({0, 1, 2, 3});
  struct Step {
    uint16_t Key;
    int Index;
  } steps[] = {{VK_DOWN, 0}, {VK_DOWN, 1}, {VK_END, 3}, {VK_DOWN, 3}, {VK_UP, 2}, {VK_HOME, 0}, {VK_UP, 0}};
  for (const Step& s : steps) {
    Driver.PressKey(s.Key);
    EXPECT_EQ(dd->ItemIndex(), s.Index) << s.Key;
  }
  Driver.Wheel(dd, -120, 10, 10);
  EXPECT_EQ(dd->ItemIndex(), 1);
  EXPECT_FALSE(dd->DroppedDown());
}

TEST_F(ImagePicker, OpenListMovesByRowsAndEscapeRestores) {
  for (const char* c : {"Ant", "Bee", "Cat", "Dog", "Eel"}) dd->Items()->Add()->SetCaption(c);
  dd->SetColumns(2);
  dd->SetItemIndex(0);
  dd->ShowDropDown();
  ASSERT_TRUE(dd->DroppedDown());
  struct Step {
    uint16_t Key;
    int Index;
  } steps[] = {{VK_DOWN, 2}, {VK_DOWN, 4}, {VK_DOWN, 4}, {VK_LEFT, 3}, {VK_UP, 1}, {'E', 4}, {VK_HOME, 0}};
  for (const Step& s : steps) {
    Driver.PressKey(s.Key);
    EXPECT_EQ(dd->ItemIndex(), s.Index) << s.Key;
    EXPECT_TRUE(dd->DroppedDown());
  }
  Driver.PressKey(VK_END);
  Driver.PressKey(VK_ESCAPE);
  EXPECT_FALSE(dd->DroppedDown());
  EXPECT_EQ(dd->ItemIndex(), 0);
}

TEST_F(ImagePicker, ReturnTakesTheHotCellOrFiresSelect) {
  addItems({0, 1, 2});
  dd->ShowDropDown();
  Driver.Pump();
  Driver.Wheel(dd, -120, 10, 10);
  Driver.Wheel(dd, -120, 10, 10);
  EXPECT_EQ(dd->ItemSelector()->ItemHot(), 1);
  log.clear();
  Driver.PressKey(VK_RETURN);
  EXPECT_FALSE(dd->DroppedDown());
  EXPECT_EQ(dd->ItemIndex(), 1);
  EXPECT_EQ(log, "change select ");
  log.clear();
  Driver.PressKey(VK_RETURN);
  EXPECT_EQ(log, "select ");
}

TEST_F(ImagePicker, TypeAheadForgetsHalfASecondAfterTheLastKey) {
  for (const char* c : {"Apple", "Banana", "Bandit", "Cherry"}) dd->Items()->Add()->SetCaption(c);
  dd->ShowDropDown();
  struct Step {
    uint16_t Key;
    uint32_t WaitAfter;
    int Index;
  } steps[] = {{'B', 400, 1}, {'A', 400, 1}, {'N', 400, 1}, {'D', 500, 2}, {'C', 0, 3}};
  for (const Step& s : steps) {
    Driver.PressKey(s.Key);
    EXPECT_EQ(dd->ItemIndex(), s.Index) << char(s.Key);
    Driver.Advance(s.WaitAfter);
  }
  EXPECT_TRUE(dd->DroppedDown());
}

TEST_F(ImagePicker, EditAreaShowsTheSelectedImageCentred) {
  dd->SetImages(imageList({clRed, clLime}));
  addItems({1, -1});
  TBitmap b;
  TPicture own;
  own.Assign(square(b, 6, clBlue));
  dd->Items()->Add()->SetImage(&own);
  dd->SetItemIndex(0);
  Driver.Pump();
  TRect r{};
  dd->Perform(EM_GETRECT, 0, reinterpret_cast<LPARAM>(&r));
  const TPoint centre{(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
  EXPECT_EQ(Driver.PixelAt(dd, centre.X, centre.Y), clLime);
  // An item without picture and image index paints nothing.
  dd->SetItemIndex(1);
  Driver.Pump();
  EXPECT_NE(Driver.PixelAt(dd, centre.X, centre.Y), clLime);
  dd->SetItemIndex(2);
  Driver.Pump();
  EXPECT_EQ(Driver.PixelAt(dd, centre.X, centre.Y), clBlue);
  EXPECT_NE(Driver.PixelAt(dd, centre.X - 5, centre.Y), clBlue);
}

TEST_F(ImagePicker, Screenshot) {
  writePicture("red.bmp", 16, clRed);
  writePicture("green.png", 16, clGreen);
  writePicture("navy.png", 16, clNavy);
  dd->AddImagesFromFolder((folder / "*.*").string(), true);
  dd->SetItemIndex(1);
  dd->ShowDropDown();
  Driver.Pump();
  const TPixelImage list = Shot(Driver, popup(), "image-picker-popup.png");
  for (TColor colour : {clRed, clGreen, clNavy}) EXPECT_GT(PixelsOf(list, colour), 20) << colour;
  const TPixelImage edit = Shot(Driver, form, "image-picker-edit.png");
  EXPECT_GT(PixelsOf(edit, clRed) + PixelsOf(edit, clGreen) + PixelsOf(edit, clNavy), 20) << "the chosen picture";
}

}  // namespace
