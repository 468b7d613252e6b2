#include "controls/ExtDropDownAppearance.h"

#include <gtest/gtest.h>

#include "toolkit/rtl/Exceptions.h"

namespace {

TEST(DropDownAppearance, FreshValues) {
  THeaderAppearance header(nullptr);
  TFooterAppearance footer(nullptr);
  EXPECT_EQ(header.Color(), TColor(0xC0C0C0));
  EXPECT_EQ(header.ColorTo(), TColor(0xFFFFFF));
  EXPECT_EQ(header.Font()->Name(), "Tahoma");
  EXPECT_EQ(header.GradientDirection(), gdVertical);
  EXPECT_TRUE(header.Visible());
  EXPECT_EQ(header.Height(), 22);
  EXPECT_EQ(header.BorderWidth(), 1);
  EXPECT_EQ(header.ImageIndex(), -1);
  EXPECT_TRUE(footer.SizeGrip());
  EXPECT_EQ(footer.Height(), 22);
  EXPECT_EQ(footer.ImageIndex(), -1);
  EXPECT_EQ(footer.ButtonAlignment(), baRight);
  TExtButtonAppearance buttons;
  EXPECT_EQ(buttons.ColorChecked(), TColor(0xF5D8CA));
  EXPECT_EQ(buttons.ColorCheckedTo(), TColor(0xF9BDA0));
  EXPECT_EQ(buttons.ColorChecked(), buttons.ColorDown());
  EXPECT_EQ(buttons.ColorCheckedTo(), buttons.ColorDownTo());
  EXPECT_EQ(buttons.BorderColorChecked(), TColor(0xFF0000));
}

TEST(DropDownAppearance, OnlyVisibleAndButtonsNotify) {
  THeaderAppearance header(nullptr);
  int changes = 0, buttonChanges = 0;
  header.OnChange = [&](TObject*) { ++changes; };
  header.OnButtonsChanged = [&](TObject*) { ++buttonChanges; };
  header.SetColor(clRed);
  header.SetHeight(30);
  header.SetCaption("x");
  EXPECT_EQ(changes, 0);
  header.SetVisible(false);
  header.SetVisible(false);
  EXPECT_EQ(changes, 1);
  THeaderButton* b = header.Buttons()->Add();
  EXPECT_EQ(buttonChanges, 0);  // adding is silent
  b->SetHeight(5);
  b->SetImageIndex(2);
  b->SetWidth(0);
  EXPECT_EQ(buttonChanges, 0);
  b->SetCaption("OK");
  b->SetEnabled(false);
  b->SetWidth(40);
  EXPECT_EQ(buttonChanges, 3);
}

TEST(DropDownAppearance, AssignCopiesOwnClassOnly) {
  TFooterAppearance source(nullptr), target(nullptr);
  source.SetColor(clRed);
  source.SetSizeGrip(false);
  source.SetCaption("Pick");
  source.SetVisible(false);
  TFooterButton* b = source.Buttons()->Add();
  b->SetCaption("OK");
  b->SetModalResult(1);
  int changes = 0, buttonChanges = 0;
  target.OnChange = [&](TObject*) { ++changes; };
  target.OnButtonsChanged = [&](TObject*) { ++buttonChanges; };
  target.Assign(&source);
  EXPECT_EQ(target.Color(), clRed);
  EXPECT_FALSE(target.SizeGrip());
  EXPECT_EQ(target.Caption(), "Pick");
  EXPECT_FALSE(target.Visible());
  EXPECT_EQ(changes, 1);
  ASSERT_EQ(target.Buttons()->Count(), 1);
  EXPECT_EQ(target.Buttons()->Items(0)->Caption(), "OK");
  EXPECT_EQ(target.Buttons()->Items(0)->ModalResult(), 1);
  EXPECT_EQ(buttonChanges, 1);  // the one caption that differs from a fresh item

  THeaderAppearance header(nullptr);
  header.Assign(&source);  // another class: ignored
  EXPECT_EQ(header.Color(), TColor(0xC0C0C0));
  header.AssignColors(&source);
  EXPECT_EQ(header.Color(), TColor(0xC0C0C0));

  TFooterAppearance colours(nullptr);
  colours.AssignColors(&source);
  EXPECT_EQ(colours.Color(), clRed);
  EXPECT_TRUE(colours.SizeGrip());
  EXPECT_EQ(colours.Caption(), "");
}

TEST(DropDownAppearance, ButtonAssignFromOtherClassRaises) {
  THeaderButtons headers(nullptr);
  TFooterButtons footers(nullptr);
  THeaderButton* h = headers.Add();
  TFooterButton* f = footers.Add();
  EXPECT_THROW(h->Assign(f), EConvertError);
}

TEST(DropDownAppearance, ButtonColoursNotifyOnChange) {
  TExtButtonAppearance source, target;
  source.SetColor(clRed);
  source.SetBorderColorHot(clBlue);
  source.SetGradient(gdHorizontal);
  int changes = 0;
  target.OnChange = [&](TObject*) { ++changes; };
  target.Assign(&source);
  EXPECT_EQ(changes, 3);
  EXPECT_EQ(target.Color(), clRed);
  target.SetColor(clRed);
  EXPECT_EQ(changes, 3);
}

}  // namespace
