#include "grid/core/CellGraphic.h"

#include <gtest/gtest.h>

#include "toolkit/forms/Controls.h"
#include "toolkit/graphics/Bitmap.h"
#include "toolkit/graphics/Picture.h"
#include "toolkit/rtl/Exceptions.h"
#include "toolkit/testing/TestDriver.h"

namespace {

// A bitmap that counts its own destruction, to see who frees it.
struct CountedBitmap : TBitmap {
  explicit CountedBitmap(int* Deaths) : deaths(Deaths) {}
  ~CountedBitmap() override { ++*deaths; }
  int* deaths;
};

TPicture* pictureOf(int W, int H) {
  auto* p = new TPicture;
  TBitmap b;
  b.SetSize(W, H);
  p->Assign(&b);
  return p;
}

TEST(TCellGraphic, StartsEmptyAndNotOwning) {
  TCellGraphic g;
  EXPECT_EQ(g.CellType, ctNone);
  EXPECT_FALSE(g.CellCreated);
  EXPECT_EQ(g.CellBitmap, nullptr);
  EXPECT_TRUE(std::holds_alternative<std::monostate>(g.CellVar));
}

TEST(TCellGraphic, PictureSizeByStretchMode) {
  struct Case {
    int w, h, padding;
    TStretchMode mode;
    TPoint expected;
  } cases[] = {
      {200, 50, 0, ShrinkWithAspectRatio, {100, 25}}, {200, 50, 0, StretchWithAspectRatio, {100, 25}},
      {200, 50, 0, Stretch, {100, 100}},              {200, 50, 0, Shrink, {100, 100}},
      {200, 50, 0, noStretch, {200, 50}},             {50, 200, 0, ShrinkWithAspectRatio, {25, 100}},
      {40, 20, 0, Shrink, {40, 20}},                  {40, 20, 0, ShrinkWithAspectRatio, {40, 20}},
      {40, 20, 0, StretchWithAspectRatio, {100, 50}}, {40, 20, 10, Stretch, {90, 90}},
      {0, 0, 0, StretchWithAspectRatio, {0, 100}},
  };
  for (const auto& c : cases) {
    TCellGraphic g;
    std::unique_ptr<TPicture> pic(c.w ? pictureOf(c.w, c.h) : new TPicture);
    g.SetPicture(pic.get(), false, c.mode, c.padding, haLeft, vaTop);
    TPoint s = g.GetPictureSize(100, 100, false);
    EXPECT_EQ(s.X, c.expected.X) << c.w << "x" << c.h << " mode " << c.mode;
    EXPECT_EQ(s.Y, c.expected.Y) << c.w << "x" << c.h << " mode " << c.mode;
  }
  TCellGraphic notAPicture;
  notAPicture.SetImageIdx(3, haLeft, vaTop);
  EXPECT_EQ(notAPicture.GetPictureSize(100, 100, false).X, 0);
}

TEST(TCellGraphic, AngleWrapsInto0To360) {
  struct Case {
    int16_t in;
    int out;
  } cases[] = {{-90, 270}, {360, 360}, {361, 1}, {-360, 0}, {725, 5}, {0, 0}};
  for (auto c : cases) {
    TCellGraphic g;
    g.SetAngle(c.in);
    EXPECT_EQ(g.CellType, ctRotated);
    EXPECT_EQ(g.CellAngle, c.out) << c.in;
  }
}

TEST(TCellGraphic, FreesOnlyWhatItOwns) {
  int deaths = 0;
  auto* callers = new CountedBitmap(&deaths);
  {
    TCellGraphic added;
    added.SetBitmap(callers, false, haLeft, vaTop);  // AddBitmap: the caller keeps it
  }
  EXPECT_EQ(deaths, 0);
  {
    TCellGraphic created;
    created.SetBitmap(new CountedBitmap(&deaths), false, haLeft, vaTop);
    created.CellCreated = true;  // CreateBitmap
  }
  EXPECT_EQ(deaths, 1);
  {
    TCellGraphic box;  // a check box with an attached balloon owns the balloon's strings
    box.SetCheckBox(true, false, true, haBeforeText, vaTop);
    box.CellBitmap = new TStringList;
    box.CellAngle = 1;
    TCellGraphic colours;  // colours are never taken for objects
    colours.CellType = ctProgress;
    colours.CellBitmapColor = clRed;
  }
  delete callers;
}

TEST(TCellGraphic, AssignCopiesOwnedObjectsAndSharesTheOthers) {
  int deaths = 0;
  auto* shared = new CountedBitmap(&deaths);
  {
    TCellGraphic created;
    created.SetBitmap(new TBitmap, true, haCenter, vaCenter);
    created.CellCreated = true;
    created.Bitmap()->SetSize(7, 3);
    TCellGraphic copy;
    copy.Assign(&created);
    EXPECT_NE(copy.CellBitmap, created.CellBitmap);  // an owned copy: no double free
    EXPECT_TRUE(copy.CellCreated);
    EXPECT_EQ(copy.Bitmap()->Width(), 7);
    EXPECT_EQ(copy.CellHAlign, haCenter);

    TCellGraphic added;
    added.SetBitmap(shared, false, haLeft, vaTop);
    copy.Assign(&added);  // frees the owned copy it held, then refers to the caller's
    EXPECT_EQ(copy.CellBitmap, shared);
    EXPECT_FALSE(copy.CellCreated);

    TCellGraphic radio;
    radio.CellType = ctRadio;
    radio.CellVar = 2;
    copy.CellVar = 5;
    copy.Assign(&radio);
    EXPECT_EQ(std::get<int>(copy.CellVar), 5);  // the value slot is not copied
  }
  EXPECT_EQ(deaths, 0);
  delete shared;

  TCellGraphic g;
  TStringList other;
  EXPECT_THROW(g.Assign(&other), EConvertError);
}

TEST(TCellGraphic, MultiImageOwnsItsListAndReportsChanges) {
  TCellGraphic g;
  int col = -1, row = -1;
  g.SetMultiImage(2, 3, 0, haLeft, vaTop, [&](TObject*, int c, int r) { col = c, row = r; });
  ASSERT_NE(g.IntList(), nullptr);
  EXPECT_TRUE(g.CellBoolean);
  EXPECT_TRUE(g.OwnsBitmap());
  g.IntList()->Add(4);
  EXPECT_EQ(col, 2);
  EXPECT_EQ(row, 3);
}

TEST(TCellGraphic, ButtonPacksItsSize) {
  TCellGraphic g;
  g.SetButton(60, 20, "Go", haLeft, vaTop);
  EXPECT_EQ(g.CellIndex & 0xFFFF, 60);
  EXPECT_EQ(g.CellIndex >> 16, 20);
  EXPECT_EQ(g.CellText, "Go");
}

TEST(TCellNode, DefaultsAndRepaintOnlyOnChange) {
  TTestDriver driver;
  TForm form(nullptr);
  form.Show();
  TCellNode node(&form);
  EXPECT_EQ(node.NodeType(), cnXP);
  EXPECT_EQ(node.NodeIndent(), 12);
  EXPECT_EQ(node.TreeColor(), clGray);
  EXPECT_TRUE(node.ShowTree());
  driver.Pump();
  driver.ClearPaints();
  node.SetNodeIndent(12);
  driver.Pump();
  EXPECT_TRUE(driver.PaintedNames().empty());
  node.SetNodeIndent(14);
  driver.Pump();
  EXPECT_FALSE(driver.PaintedNames().empty());

  TCellNode copy(nullptr);
  TBitmap glyph;
  glyph.SetSize(5, 5);
  node.SetExpandGlyph(&glyph);
  copy.Assign(&node);
  EXPECT_EQ(copy.NodeIndent(), 14);
  EXPECT_EQ(copy.ExpandGlyph()->Width(), 5);
  TStringList notANode;
  copy.Assign(&notANode);  // ignored
}

}  // namespace
