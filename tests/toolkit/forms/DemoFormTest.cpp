// The window system end to end: a form of custom controls driven by keys,
// clicks, timers and a modal child form.

#include <cairo.h>

#include <algorithm>

#include "DemoFormFixture.h"
#include "toolkit/forms/WinApi.h"
#include "toolkit/testing/TestDriver.h"

namespace {

class DemoFormTest : public DemoFormFixture {
protected:
  bool Logged(const std::string& entry) const { return std::find(Log.begin(), Log.end(), entry) != Log.end(); }
};

TEST_F(DemoFormTest, ShowingActivatesTheFormAndFocusesTheFirstTabStop) {
  EXPECT_TRUE(Form->Showing());
  EXPECT_TRUE(Form->Active());
  EXPECT_EQ(Screen->ActiveForm(), Form);
  EXPECT_EQ(Form->ActiveControl(), Form->First);
  EXPECT_TRUE(Form->First->Focused());
  // OnEnter comes as the focus arrives, before the control's own WM_SETFOCUS handler.
  EXPECT_EQ(Log, (TEventLog{"First:Enter", "First:SetFocus"}));
}

TEST_F(DemoFormTest, TabAndShiftTabMoveByTabOrderWithExitBeforeEnter) {
  Form->Third->SetTabOrder(0);  // Third, First, Second
  Log.clear();
  Driver.PressKey(VK_TAB);
  EXPECT_EQ(Form->ActiveControl(), Form->Second);
  EXPECT_EQ(Log, (TEventLog{"First:KillFocus", "First:Exit", "Second:Enter", "Second:SetFocus"}));
  Driver.PressKey(VK_TAB);
  EXPECT_EQ(Form->ActiveControl(), Form->Third);
  Driver.PressKey(VK_TAB, {ssShift});
  EXPECT_EQ(Form->ActiveControl(), Form->Second);
  EXPECT_FALSE(Logged("Second:KeyDown 9"));  // the form took the Tab as a dialog key
}

TEST_F(DemoFormTest, AControlThatWantsTabsKeepsThem) {
  Form->First->DlgCode = DLGC_WANTTAB | DLGC_WANTCHARS;
  Log.clear();
  Driver.PressKey(VK_TAB);
  EXPECT_EQ(Form->ActiveControl(), Form->First);
  EXPECT_TRUE(Logged("First:KeyDown 9"));
  EXPECT_TRUE(Logged("First:KeyPress \t"));
}

TEST_F(DemoFormTest, TypingReachesTheFocusedControlAsKeyDownAndKeyPress) {
  Form->First->DlgCode = DLGC_WANTCHARS;
  Log.clear();
  Driver.Type("aB");
  EXPECT_EQ(Log, (TEventLog{"First:KeyDown 65", "First:KeyPress a", "First:KeyDown 66", "First:KeyPress B"}));
}

TEST_F(DemoFormTest, KeyPreviewLetsTheFormSeeAndEatKeysFirst) {
  Form->SetKeyPreview(true);
  Form->OnKeyDown = [](TObject*, uint16_t& key, TShiftState) {
    if (key == VK_F2) key = 0;
  };
  Log.clear();
  Driver.PressKey(VK_F2);
  Driver.PressKey(VK_F3);
  EXPECT_EQ(Log, (TEventLog{"First:KeyDown 114"}));
}

TEST_F(DemoFormTest, ClickFiresMouseDownClickMouseUpAndCapturesInBetween) {
  Log.clear();
  Driver.MouseDown(Form->Second, 5, 6);
  EXPECT_EQ(GetCaptureControl(), Form->Second);
  EXPECT_TRUE(Form->Second->MouseCapture());
  // Moving off the control keeps the capture: the mouse-up still reaches it.
  Driver.MouseUp(Form->Third, 5, 6);
  EXPECT_EQ(GetCapture(), nullptr);
  // Released outside: no click.
  EXPECT_EQ(Log, (TEventLog{"Second:MouseDown 0 5,6", "Second:MouseUp 0"}));
  Log.clear();
  Driver.Advance(GetDoubleClickTime() + 1);  // else the second press makes a double click
  Driver.Click(Form->Second, 5, 6);
  EXPECT_EQ(Log, (TEventLog{"Second:MouseDown 0 5,6", "Second:Click", "Second:MouseUp 0"}));
}

TEST_F(DemoFormTest, DoubleClickNeedsTheSecondPressInTimeAndInPlace) {
  Log.clear();
  Driver.DoubleClick(Form->First, 10, 10);
  EXPECT_TRUE(Logged("First:DblClick"));
  Log.clear();
  Driver.Click(Form->First, 10, 10);
  Driver.Advance(GetDoubleClickTime() + 1);
  Driver.Click(Form->First, 10, 10);
  EXPECT_FALSE(Logged("First:DblClick"));
  Log.clear();
  Driver.Advance(GetDoubleClickTime() + 1);
  Driver.Click(Form->First, 10, 10);
  Driver.Click(Form->First, 30, 10);
  EXPECT_FALSE(Logged("First:DblClick"));
}

TEST_F(DemoFormTest, CapturingWindowLosesItWithCaptureChanged) {
  HWND first = Form->First->Handle();
  std::vector<UINT> seen;
  HHOOK hook = SetWindowsHookEx(WH_CALLWNDPROC, [&](int, WPARAM, LPARAM l) -> LRESULT {
    auto* cwp = reinterpret_cast<TCWPStruct*>(l);
    if (cwp->hwnd == first) seen.push_back(cwp->message);
    return 0;
  });
  SetCapture(first);
  SetCapture(Form->Second->Handle());
  EXPECT_EQ(GetCapture(), Form->Second->Handle());
  EXPECT_EQ(std::count(seen.begin(), seen.end(), WM_CAPTURECHANGED), 1);
  UnhookWindowsHookEx(hook);
  ReleaseCapture();
  EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(DemoFormTest, TimersFireInOrderAsTheVirtualClockAdvances) {
  Form->Ticker->SetEnabled(true);
  Driver.Advance(99);
  EXPECT_EQ(Form->Ticks, 0);
  Driver.Advance(1);
  EXPECT_EQ(Form->Ticks, 1);
  Driver.Advance(1000);
  EXPECT_EQ(Form->Ticks, 11);
  // Switching on a running timer keeps its schedule; a new interval restarts it.
  Driver.Advance(50);
  Form->Ticker->SetEnabled(true);
  Driver.Advance(50);
  EXPECT_EQ(Form->Ticks, 12);
  Driver.Advance(50);
  Form->Ticker->SetInterval(100);  // the same interval: no change
  Driver.Advance(50);
  EXPECT_EQ(Form->Ticks, 13);
  Driver.Advance(50);
  Form->Ticker->SetInterval(200);
  Driver.Advance(150);
  EXPECT_EQ(Form->Ticks, 13);
  Driver.Advance(50);
  EXPECT_EQ(Form->Ticks, 14);
  Form->Ticker->SetEnabled(false);
  Driver.Advance(1000);
  EXPECT_EQ(Form->Ticks, 14);
}

TEST_F(DemoFormTest, PaintRunsParentFirstThenChildrenInZOrderWithGraphicControlsOnTheParent) {
  Driver.ClearPaints();
  Form->Invalidate();
  Driver.Pump();
  EXPECT_EQ(Driver.PaintedNames(), (std::vector<std::string>{"DemoForm", "Swatch", "First", "Second", "Third"}));
  // A child alone repaints alone.
  Driver.ClearPaints();
  Form->Second->Invalidate();
  Driver.Pump();
  EXPECT_EQ(Driver.PaintedNames(), (std::vector<std::string>{"Second"}));
  // Bringing a control to the front changes the order.
  Form->First->BringToFront();
  Driver.ClearPaints();
  Form->Invalidate();
  Driver.Pump();
  EXPECT_EQ(Driver.PaintedNames(), (std::vector<std::string>{"DemoForm", "Swatch", "Second", "Third", "First"}));
}

TEST_F(DemoFormTest, PaintingWaitsForTheQueueAndRedrawCanBeSuspended) {
  int before = Form->Third->Paints;
  Form->Third->Invalidate();
  EXPECT_EQ(Form->Third->Paints, before);  // nothing happens until the loop gets to it
  Form->Third->Perform(WM_SETREDRAW, 0);
  Form->Third->Invalidate();
  Driver.Pump();
  EXPECT_EQ(Form->Third->Paints, before);
  Form->Third->Perform(WM_SETREDRAW, 1);
  Driver.Pump();
  EXPECT_EQ(Form->Third->Paints, before + 1);
  Form->Third->Repaint();
  EXPECT_EQ(Form->Third->Paints, before + 2);
}

TEST_F(DemoFormTest, TheSurfaceShowsWhatTheControlsPainted) {
  cairo_surface_t* s = wm::SurfaceOf(Form);
  ASSERT_NE(s, nullptr);
  // Swatch at (10,60) is red; the form's client starts at the surface's origin.
  TPoint p = Form->Swatch->ClientToScreen({5, 5});
  TPoint o = wm::SurfaceScreenOrigin(Form);
  cairo_surface_flush(s);
  auto* px = reinterpret_cast<uint32_t*>(cairo_image_surface_get_data(s) +
                                         (p.Y - o.Y) * cairo_image_surface_get_stride(s)) + (p.X - o.X);
  EXPECT_EQ(*px & 0xFFFFFF, 0xFF0000u);
  std::string path = Driver.Screenshot(Form, "demo_form.png");
  EXPECT_FALSE(path.empty());
}

TEST_F(DemoFormTest, ModalChildRunsItsOwnLoopAndReturnsItsModalResult) {
  TForm* child = new TForm(Application);
  child->SetName("Child");
  TEventLog childLog;
  auto* box = new TLoggingBox(child, childLog, "ChildBox", clWindow);
  box->SetBounds(5, 5, 50, 20);
  box->SetParent(child);
  Driver.InModal([&] {
    EXPECT_TRUE(child->Active());
    EXPECT_FALSE(Form->Enabled());  // the owner is disabled while the child is modal
    Driver.Click(box, 3, 3);
    child->SetModalResult(mrOk);
  });
  EXPECT_EQ(child->ShowModal(), mrOk);
  EXPECT_FALSE(child->Visible());
  EXPECT_TRUE(Form->Enabled());
  EXPECT_TRUE(Form->Active());
  EXPECT_TRUE(Form->First->Focused());
  EXPECT_NE(std::find(childLog.begin(), childLog.end(), "ChildBox:Click"), childLog.end());
}

TEST_F(DemoFormTest, ClicksOnADisabledOwnerDoNotReachIt) {
  TForm* child = new TForm(Application);
  Driver.InModal([&] {
    Log.clear();
    Driver.Click(Form->Second, 5, 5);
    child->Close();
  });
  EXPECT_EQ(child->ShowModal(), mrCancel);
  EXPECT_EQ(std::count_if(Log.begin(), Log.end(), [](const std::string& e) { return e.rfind("Second:", 0) == 0; }), 0);
  EXPECT_GE(Driver.Beeps(), 1);
}

TEST_F(DemoFormTest, EnterPressesTheDefaultButtonAndEscTheCancelButton) {
  // A control that acts like a default and cancel button through CM_DIALOGKEY.
  class TDialogKeyBox : public TLoggingBox {
  public:
    using TLoggingBox::TLoggingBox;
    int Enters = 0, Escapes = 0;

  protected:
    void CMDialogKey(TCMDialogKey& m) override {
      if (m.CharCode == VK_RETURN) ++Enters, m.Result = 1;
      if (m.CharCode == VK_ESCAPE) ++Escapes, m.Result = 1;
    }
  };
  auto* button = new TDialogKeyBox(Form, Log, "Default", clBtnFace);
  button->SetBounds(10, 200, 80, 25);
  button->SetParent(Form);
  Driver.PressKey(VK_RETURN);
  Driver.PressKey(VK_ESCAPE);
  EXPECT_EQ(button->Enters, 1);
  EXPECT_EQ(button->Escapes, 1);
  // A control that wants Enter keeps it.
  Form->First->DlgCode = DLGC_WANTALLKEYS;
  Driver.PressKey(VK_RETURN);
  EXPECT_EQ(button->Enters, 1);
}

}  // namespace
