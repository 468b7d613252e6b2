#include "grid/output/ControlLook.h"

#include <gtest/gtest.h>

namespace {

TEST(ControlLook, FreshValues) {
  TControlLook look;
  EXPECT_EQ(look.ControlStyle(), csTheme);
  EXPECT_EQ(look.CheckSize(), 15);
  EXPECT_EQ(look.RadioSize(), 10);
  EXPECT_EQ(look.DropDownCount(), 8);
  EXPECT_EQ(look.ProgressMarginX(), 2);
  EXPECT_EQ(look.FixedGradientHoverFrom(), TColor(0x808080));
  EXPECT_EQ(look.FixedGradientHoverTo(), TColor(0xFFFFFF));
  EXPECT_EQ(look.FixedGradientDownFrom(), TColor(0x808080));
  EXPECT_EQ(look.FixedGradientDownTo(), TColor(0xC0C0C0));
  EXPECT_EQ(look.FixedGradientFrom(), clNone);
  EXPECT_EQ(look.CommentColor(), clRed);
  EXPECT_TRUE(look.DropDownHeader()->Visible());
  EXPECT_TRUE(look.DropDownFooter()->SizeGrip());
}

TEST(ControlLook, FixedFacesReachTheGrid) {
  TFixedFaceColors grid;
  grid.From = TColor(0x123456);
  TControlLook look(nullptr, &grid);
  int repaints = 0;
  look.OnChange = [&](TObject*) { ++repaints; };
  look.SetFixedGradientFrom(clNone);  // clNone leaves the grid's colour
  EXPECT_EQ(grid.From, TColor(0x123456));
  look.SetFixedGradientFrom(clBtnFace);
  EXPECT_EQ(grid.From, ColorToRGB(clBtnFace));  // stored as RGB
  grid.MirrorFrom = clRed;
  look.SetFixedGradientMirrorFrom(clNone);  // mirror colours always go through
  EXPECT_EQ(grid.MirrorFrom, clNone);
  EXPECT_EQ(repaints, 2);
  look.SetFixedGradientHoverFrom(clGray);
  EXPECT_EQ(grid.HoverFrom, clGray);
  look.SetFixedGradientHoverBorder(clNone);  // unset: the grid keeps its border
  EXPECT_NE(grid.HoverBorder, clNone);
  look.SetFixedGradientDownMirrorTo(clNone);
  EXPECT_EQ(grid.DownMirrorTo, clNone);
  EXPECT_EQ(repaints, 2);  // hover and pressed colours repaint nothing
}

TEST(ControlLook, AssignCopiesStraightAndOwnClassOnly) {
  TControlLook source, target;
  source.SetControlStyle(csGlyph);
  source.SetCheckSize(20);
  source.SetFixedGradientHoverFrom(clRed);
  source.SetFixedGradientHoverTo(clBlue);
  source.SetFixedGradientFrom(clGreen);
  source.SetFlatButton(true);
  source.SetProgressXP(true);
  source.SetHintMaxWidth(300);
  TBitmap glyph(4, 4);
  source.SetCheckedGlyph(&glyph);
  source.DropDownHeader()->SetCaption("Pick");
  target.Assign(&source);
  EXPECT_EQ(target.ControlStyle(), csGlyph);
  EXPECT_EQ(target.CheckSize(), 20);
  EXPECT_EQ(target.FixedGradientHoverFrom(), clRed);  // not crosswise
  EXPECT_EQ(target.FixedGradientHoverTo(), clBlue);
  EXPECT_EQ(target.FixedGradientFrom(), clGreen);
  EXPECT_FALSE(target.FlatButton());  // not copied
  EXPECT_FALSE(target.ProgressXP());
  EXPECT_EQ(target.HintMaxWidth(), 300);
  EXPECT_EQ(target.DropDownHeader()->Caption(), "Pick");
  ASSERT_NE(target.CheckedGlyph(), source.CheckedGlyph());  // a copy, not a reference
  EXPECT_EQ(target.CheckedGlyph()->Width(), 4);
  TBitmap other;
  target.Assign(&other);  // ignored
  EXPECT_EQ(target.CheckSize(), 20);
}

}  // namespace
