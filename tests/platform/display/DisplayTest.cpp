// The display layer's own logic: key symbols to VK codes, double-click
// detection, and the in-memory host.

#include <gtest/gtest.h>

#include <X11/keysym.h>

#include "platform/display/DisplayHost.h"
#include "platform/display/VirtualKeys.h"
#include "platform/display/headless/HeadlessHost.h"
#include "platform/display/x11/X11Keys.h"

namespace {

TEST(X11Keys, SymbolsMapToVirtualKeysWithTheExtendedFlag) {
  struct {
    unsigned long sym;
    uint16_t vk;
    bool extended;
  } table[] = {
      {XK_a, 'A', false},           {XK_Z, 'Z', false},          {XK_7, '7', false},
      {XK_F12, VK_F12, false},      {XK_Return, VK_RETURN, false}, {XK_KP_Enter, VK_RETURN, true},
      {XK_Delete, VK_DELETE, true}, {XK_KP_Delete, VK_DELETE, false}, {XK_KP_5, VK_NUMPAD5, false},
      {XK_Control_R, VK_CONTROL, true}, {XK_Shift_R, VK_SHIFT, false}, {XK_Alt_L, VK_MENU, false},
      {XK_ISO_Left_Tab, VK_TAB, false}, {XK_semicolon, VK_OEM_1, false}, {XK_Page_Down, VK_NEXT, true},
  };
  for (const auto& row : table) {
    platform::X11Key k = platform::KeysymToVirtualKey(row.sym);
    EXPECT_EQ(k.VirtualKey, row.vk) << row.sym;
    EXPECT_EQ(k.Extended, row.extended) << row.sym;
  }
  EXPECT_EQ(platform::KeysymToVirtualKey(XK_dead_acute).VirtualKey, 0);
}

TEST(DoubleClicks, NeedTheSameButtonWindowTimeAndPlace) {
  platform::ResetFacts();
  platform::DoubleClickDetector d;
  EXPECT_FALSE(d.Press(1, 1, 10, 10, 1000));
  EXPECT_TRUE(d.Press(1, 1, 11, 9, 1500));   // within 500 ms and the 4-pixel box
  EXPECT_FALSE(d.Press(1, 1, 11, 9, 1600));  // a third press starts over
  EXPECT_FALSE(d.Press(1, 1, 11, 9, 2101));  // too late
  EXPECT_FALSE(d.Press(1, 3, 11, 9, 2102));  // another button
  EXPECT_FALSE(d.Press(2, 3, 11, 9, 2103));  // another window
  EXPECT_FALSE(d.Press(2, 3, 20, 9, 2104));  // too far
  platform::Facts().DoubleClickTime = 100;
  EXPECT_FALSE(d.Press(2, 3, 20, 9, 2300));
  platform::ResetFacts();
}

TEST(HeadlessHost, KeepsWindowsEventsAndTheClipboardInMemory) {
  platform::HeadlessHost host;
  platform::HostWindowParams p;
  p.Title = "Main";
  p.Width = 100;
  p.Height = 50;
  auto id = host.CreateWindow(p);
  host.SetVisible(id, true, true);
  host.SetTitle(id, "Renamed");
  ASSERT_NE(host.Find(id), nullptr);
  EXPECT_TRUE(host.Find(id)->Visible);
  EXPECT_EQ(host.Find(id)->Params.Title, "Renamed");
  platform::HostEvent e;
  e.Window = id;
  host.Inject(e);
  host.DestroyWindow(id);
  EXPECT_FALSE(host.PollEvent(e));  // events for a destroyed window are dropped
  host.SetClipboardText("x", false);
  host.SetClipboardText("y", true);
  EXPECT_EQ(host.ClipboardText(false), "x");
  EXPECT_EQ(host.ClipboardText(true), "y");
  EXPECT_FALSE(host.WritePng(id, "/nonexistent/x.png"));
}

}  // namespace
