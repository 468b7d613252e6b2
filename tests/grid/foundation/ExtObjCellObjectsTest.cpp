#include "grid/foundation/ExtObj.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "toolkit/forms/Controls.h"
#include "toolkit/graphics/Bitmap.h"
#include "toolkit/graphics/Canvas.h"
#include "toolkit/rtl/Exceptions.h"
#include "toolkit/testing/TestDriver.h"

namespace {

TEST(TControlList, ItemsAndLookups) {
  TTestDriver driver;
  TWinControl a(nullptr), b(nullptr);
  TControlList list;
  list.AddControl(1, 2, &a);
  list.AddControl(1, 2, &b);
  list.AddControl(3, 4, &b);
  EXPECT_EQ(list.ControlIndex(1, 2), 0);  // the first of two for the same cell
  EXPECT_EQ(list.ControlIndex(3, 4), 2);
  EXPECT_EQ(list.ControlIndex(9, 9), -1);
  EXPECT_EQ(list.GetControl(1)->Control, &b);
  EXPECT_THROW(list.GetControl(3), EListError);
  EXPECT_THROW(list.RemoveControl(-1), EListError);
  list.RemoveControl(0);
  EXPECT_EQ(list.Count(), 2);
  EXPECT_EQ(a.ClassName(), "TWinControl");  // the control itself lives on

  EXPECT_FALSE(list.HasHandle(nullptr));
  EXPECT_FALSE(b.HandleAllocated());  // the query creates no window
  HWND h = b.Handle();
  EXPECT_TRUE(list.HasHandle(h));
  EXPECT_FALSE(list.HasHandle(a.Handle()));
}

TEST(TFileStringList, WritesAndReadsLines) {
  TFileStringList f;
  f.Write("a");
  f.Write("b");
  f.WriteLn("c");
  f.WriteLn("");
  ASSERT_EQ(f.Count(), 2);
  EXPECT_EQ(f.Strings(0), "abc");
  EXPECT_EQ(f.Strings(1), "");
  std::string line;
  EXPECT_FALSE(f.Eof());
  f.ReadLn(line);
  EXPECT_EQ(line, "abc");
  f.ReadLn(line);
  EXPECT_TRUE(f.Eof());
  EXPECT_THROW(f.ReadLn(line), EListError);
  f.Reset();
  f.ReadLn(line);
  EXPECT_EQ(line, "abc");
}

TEST(TFilePicture, ReadsTheFileForSizeAndDrawing) {
  const std::string dir = testing::TempDir();
  const std::string file = (std::filesystem::path(dir) / "grid_file_picture.bmp").string();
  {
    TBitmap source(6, 4);
    source.Canvas()->Brush()->SetColor(RGB(0, 128, 0));
    source.Canvas()->FillRect(Rect(0, 0, 6, 4));
    source.SaveToFile(file);
  }
  TFilePicture p;
  p.SetFilename(file);
  EXPECT_EQ(p.Width(), 6);
  EXPECT_EQ(p.Height(), 4);
  TFilePicture copy;
  copy.Assign(&p);
  EXPECT_EQ(copy.Filename(), file);
  EXPECT_EQ(copy.Height(), 4);

  TBitmap target(20, 20);
  target.Canvas()->Brush()->SetColor(RGB(255, 255, 255));
  target.Canvas()->FillRect(Rect(0, 0, 20, 20));
  p.DrawPicture(target.Canvas(), Rect(0, 0, 12, 8));
  EXPECT_EQ(target.Canvas()->Pixels(11, 7), RGB(0, 128, 0));  // stretched
  EXPECT_EQ(target.Canvas()->Pixels(12, 8), RGB(255, 255, 255));

  std::filesystem::remove(file);
  p.DrawPicture(target.Canvas(), Rect(12, 12, 20, 20));  // gone: nothing drawn, nothing raised
  EXPECT_EQ(target.Canvas()->Pixels(15, 15), RGB(255, 255, 255));
  TFilePicture missing;
  EXPECT_ANY_THROW(missing.SetFilename(file));
  TFilePicture none;
  none.DrawPicture(target.Canvas(), Rect(0, 0, 20, 20));  // no name: nothing
}

}  // namespace
