#include "toolkit/forms/std/Edit.h"
#include "toolkit/forms/std/Menus.h"
#include "toolkit/testing/MenuSteps.h"

#include "ControlFixture.h"

namespace {

class MenuTest : public ControlFixture {
protected:
  TMenuItem* Item(TPopupMenu* m, const std::string& caption) {
    auto* i = new TMenuItem(m);
    i->SetCaption(caption);
    m->Items()->Add(i);
    return i;
  }
};

TEST_F(MenuTest, RightClickShowsTheMenuAndAScriptChoosesAnItem) {
  auto* menu = new TPopupMenu(form_);
  std::string clicked;
  TMenuItem* copy = Item(menu, "&Copy");
  copy->SetShortCut(ShortCut('C', false, true, false));
  copy->OnClick = [&](TObject*) { clicked += "copy "; };
  Item(menu, "-");
  TMenuItem* off = Item(menu, "Disabled");
  off->SetEnabled(false);
  TEdit* e = Make<TEdit>();
  e->SetPopupMenu(menu);
  ChooseMenuItem(Driver, "Copy");
  Driver.RightClick(e, 5, 5);
  EXPECT_EQ(clicked, "copy ");
  EXPECT_EQ(menu->PopupComponent(), e);
  EXPECT_EQ(ActivePopupMenu(), nullptr);
}

TEST_F(MenuTest, KeysMoveChooseAndDismiss) {
  TPopupMenu menu(nullptr);
  std::string clicked;
  for (const char* c : {"One", "Two", "Three"})
    Item(&menu, c)->OnClick = [&clicked, c](TObject*) { clicked += c; };
  Driver.InModal([&] {
    Driver.PressKey(VK_DOWN);
    Driver.PressKey(VK_DOWN);
    Driver.PressKey(VK_RETURN);
  });
  menu.Popup(100, 100);
  EXPECT_EQ(clicked, "Two");
  DismissMenu(Driver);
  menu.Popup(100, 100);
  EXPECT_EQ(clicked, "Two");
}

TEST_F(MenuTest, ShortCutsAndTheirText) {
  EXPECT_EQ(ShortCutToText(ShortCut('S', false, true, false)), "Ctrl+S");
  EXPECT_EQ(ShortCutToText(ShortCut(VK_F10, true, false, false)), "Shift+F10");
  EXPECT_EQ(ShortCutToText(ShortCut(VK_DELETE, false, false, false)), "Del");
  EXPECT_EQ(ShortCutToText(0), "");
  TPopupMenu menu(nullptr);
  int runs = 0;
  TMenuItem* i = Item(&menu, "Save");
  i->SetShortCut(ShortCut('S', false, true, false));
  i->OnClick = [&](TObject*) { ++runs; };
  EXPECT_TRUE(menu.IsShortCut('S', false, true, false));
  EXPECT_FALSE(menu.IsShortCut('S', false, false, false));
  EXPECT_EQ(runs, 1);
}

}  // namespace
