#include "toolkit/graphics/GraphicsObjects.h"

#include "toolkit/rtl/Exceptions.h"

TEST(Font, SizeAndHeightFollowThePixelsPerInch) {
  TFont f;
  f.SetSize(8);
  EXPECT_EQ(f.Height(), -11);
  EXPECT_EQ(f.Size(), 8);
  f.SetSize(10);
  EXPECT_EQ(f.Height(), -13);
  f.SetHeight(-16);
  EXPECT_EQ(f.Size(), 12);
  f.SetPixelsPerInch(192);
  EXPECT_EQ(f.Size(), 12);
  EXPECT_EQ(f.Height(), -32);
}

TEST(Font, OnChangeFiresOnlyForRealChanges) {
  TFont f;
  int changes = 0;
  f.OnChange = [&](TObject*) { ++changes; };
  f.SetName("Tahoma");  // the default already
  EXPECT_EQ(changes, 0);
  f.SetName("Arial");
  f.SetStyle({fsBold, fsItalic});
  f.SetColor(clRed);
  f.SetOrientation(900);
  EXPECT_EQ(changes, 4);
}

TEST(Font, AssignCopiesQuietlyAndRefusesOtherClasses) {
  TFont a, b;
  a.SetName("Courier New");
  a.SetHeight(-20);
  a.SetStyle({fsUnderline});
  a.SetColor(clBlue);
  int changes = 0;
  b.OnChange = [&](TObject*) { ++changes; };
  b.Assign(&a);
  EXPECT_TRUE(a == b);
  EXPECT_EQ(changes, 0);
  TPen pen;
  EXPECT_THROW(b.Assign(&pen), EConvertError);
  EXPECT_THROW(b.Assign(nullptr), EConvertError);
}

TEST(PenAndBrush, DefaultsAndChanges) {
  TPen p;
  EXPECT_EQ(p.Color(), clBlack);
  EXPECT_EQ(p.Width(), 1);
  EXPECT_EQ(p.Style(), psSolid);
  EXPECT_EQ(p.Mode(), pmCopy);
  p.SetWidth(-3);
  EXPECT_EQ(p.Width(), 0);

  TBrush b;
  EXPECT_EQ(b.Color(), clWhite);
  b.SetStyle(bsClear);
  b.SetColor(clRed);  // a colour on a clear brush makes it solid
  EXPECT_EQ(b.Style(), bsSolid);
  TBrush c;
  c.Assign(&b);
  EXPECT_EQ(c.Color(), clRed);
}
