#pragma once
// Script steps for popup menus: the menu's window runs a modal loop, so a
// choice is queued like any other modal step.

#include <string>

#include "toolkit/forms/std/Menus.h"
#include "toolkit/testing/TestDriver.h"

// Chooses the item with this caption ("&" ignored) when the next menu shows.
inline void ChooseMenuItem(TTestDriver& Driver, const std::string& Caption) {
  Driver.InModal([Caption] {
    EXPECT_TRUE(ChoosePopupMenuItem(Caption)) << "no enabled menu item \"" << Caption << "\" is shown";
  });
}

// Dismisses the next menu without choosing (Esc).
inline void DismissMenu(TTestDriver& Driver) {
  Driver.InModal([&Driver] { Driver.PressKey(VK_ESCAPE); });
}
