// Messages, the queue, hooks, timers, key state and the error box.

#include <stdexcept>

#include "DemoFormFixture.h"
#include "toolkit/forms/WinApi.h"
#include "toolkit/rtl/Exceptions.h"
#include "toolkit/testing/TestDriver.h"

namespace {

class MessageLoopTest : public DemoFormFixture {};

// A control that records the messages that reach its handlers.
class TRecorder : public TCustomControl {
public:
  using TCustomControl::TCustomControl;
  std::vector<UINT> Seen;
  UINT Custom = 0;

  void Dispatch(TMessage& m) override {
    if (m.Msg == Custom && Custom != 0) {
      Seen.push_back(m.Msg);
      m.Result = static_cast<LRESULT>(m.WParam + static_cast<WPARAM>(m.LParam));
      return;
    }
    if (m.Msg == WM_TIMER || m.Msg == WM_USER + 1) Seen.push_back(m.Msg);
    TCustomControl::Dispatch(m);
  }
};

TEST(Messages, TypedViewsReadAndWriteTheirFields) {
  TMessage m{WM_LBUTTONDOWN, MK_LBUTTON | MK_SHIFT, MakeLParam(-5, 300), 0};
  TWMMouse mouse(m);
  EXPECT_EQ(mouse.XPos, -5);
  EXPECT_EQ(mouse.YPos, 300);
  EXPECT_EQ(KeysToShiftState(mouse.Keys), (TShiftState{ssLeft, ssShift}));
  TMessage k{WM_KEYDOWN, VK_F2, 1 << 24, 0};
  HandleAs<TWMKey>(k, [](TWMKey& v) {
    EXPECT_EQ(v.CharCode, VK_F2);
    v.CharCode = 0;
    v.Result = 7;
  });
  EXPECT_EQ(k.WParam, 0u);
  EXPECT_EQ(k.Result, 7);
  TMessage w{WM_MOUSEWHEEL, MakeWParam(MK_CONTROL, -240), MakeLParam(10, 20), 0};
  TWMMouseWheel wheel(w);
  EXPECT_EQ(wheel.WheelDelta, -240);
  EXPECT_EQ(wheel.Keys, MK_CONTROL);
  TMessage s{WM_VSCROLL, MakeWParam(SB_THUMBTRACK, 1234), 0, 0};
  TWMScroll scroll(s);
  EXPECT_EQ(scroll.ScrollCode, SB_THUMBTRACK);
  EXPECT_EQ(scroll.Pos, 1234);
}

TEST(Messages, ConventionalNumbersStayPut) {
  struct {
    UINT value, expected;
  } table[] = {{WM_KEYDOWN, 0x100}, {WM_CHAR, 0x102},  {WM_LBUTTONDOWN, 0x201}, {WM_MOUSEWHEEL, 0x20A},
               {WM_USER, 0x400},    {CM_BASE, 0xB000}, {CN_BASE, 0xBC00},       {CN_COMMAND, 0xBD11},
               {CN_KEYDOWN, 0xBD00}, {EM_SETSEL, 0xB1}, {CB_SETCURSEL, 0x14E},  {LB_GETCOUNT, 0x18B},
               {BM_SETCHECK, 0xF1}, {WM_NCHITTEST, 0x84}, {DTM_GETSYSTEMTIME, 0x1001}, {MCM_GETMINREQRECT, 0x1009}};
  for (auto& row : table) EXPECT_EQ(row.value, row.expected);
  EXPECT_EQ(VK_RETURN, 0x0D);
  EXPECT_EQ(VK_F4, 0x73);
  EXPECT_EQ(IDYES, mrYes);
}

TEST(Messages, RegisteredNamesGetStableNumbersFromC000) {
  UINT a = RegisterWindowMessage("QuelixTestMessageA");
  UINT b = RegisterWindowMessage("QuelixTestMessageB");
  EXPECT_GE(a, 0xC000u);
  EXPECT_NE(a, b);
  EXPECT_EQ(RegisterWindowMessage("quelixtestmessagea"), a);
}

TEST_F(MessageLoopTest, SendRunsAtOncePostWaitsForTheLoop) {
  auto* r = new TRecorder(Form);
  r->SetParent(Form);
  r->Custom = RegisterWindowMessage("QuelixAdd");
  EXPECT_EQ(SendMessage(r->Handle(), r->Custom, 2, 3), 5);
  EXPECT_TRUE(PostMessage(r->Handle(), WM_USER + 1));
  EXPECT_EQ(r->Seen.size(), 1u);
  TMsg peeked;
  EXPECT_TRUE(PeekMessage(peeked, r->Handle(), WM_USER + 1, WM_USER + 1, PM_NOREMOVE));
  EXPECT_EQ(peeked.message, WM_USER + 1);
  Driver.Pump();
  EXPECT_EQ(r->Seen.size(), 2u);
  EXPECT_FALSE(PeekMessage(peeked, nullptr, 0, 0, PM_REMOVE));
  // A dead handle answers nothing and takes nothing.
  HWND dead = r->Handle();
  delete r;
  EXPECT_EQ(SendMessage(dead, WM_USER + 1), 0);
  EXPECT_FALSE(PostMessage(dead, WM_USER + 1));
  EXPECT_FALSE(IsWindow(dead));
}

TEST_F(MessageLoopTest, CallWndProcHooksSeeSentMessagesFirstUntilUnhooked) {
  std::vector<UINT> hooked;
  HHOOK h = SetWindowsHookEx(WH_CALLWNDPROC, [&](int, WPARAM, LPARAM l) -> LRESULT {
    hooked.push_back(reinterpret_cast<TCWPStruct*>(l)->message);
    return 0;
  });
  SendMessage(Form->First->Handle(), WM_USER + 7);
  Driver.PressKey(VK_TAB);  // focus moves: WM_KILLFOCUS and WM_SETFOCUS are sent
  EXPECT_EQ(hooked.front(), WM_USER + 7);
  EXPECT_NE(std::find(hooked.begin(), hooked.end(), WM_SETFOCUS), hooked.end());
  EXPECT_TRUE(UnhookWindowsHookEx(h));
  hooked.clear();
  SendMessage(Form->First->Handle(), WM_USER + 7);
  EXPECT_TRUE(hooked.empty());
  EXPECT_FALSE(UnhookWindowsHookEx(h));
}

TEST_F(MessageLoopTest, KeyboardHookCanSwallowKeys) {
  HHOOK h = SetWindowsHookEx(WH_KEYBOARD, [](int, WPARAM vk, LPARAM) -> LRESULT { return vk == 'X' ? 1 : 0; });
  Form->First->DlgCode = DLGC_WANTCHARS;
  Log.clear();
  Driver.Type("xy");
  EXPECT_EQ(Log, (TEventLog{"First:KeyDown 89", "First:KeyPress y"}));
  UnhookWindowsHookEx(h);
}

TEST_F(MessageLoopTest, WindowTimersDeliverWmTimerPerWindowAndId) {
  auto* r = new TRecorder(Form);
  r->SetParent(Form);
  SetTimer(r->Handle(), 1, 30);
  SetTimer(r->Handle(), 2, 50);
  Driver.Advance(100);
  EXPECT_EQ(r->Seen.size(), 5u);  // id 1 at 30, 60, 90; id 2 at 50, 100
  EXPECT_TRUE(KillTimer(r->Handle(), 1));
  EXPECT_FALSE(KillTimer(r->Handle(), 1));
  Driver.Advance(50);
  EXPECT_EQ(r->Seen.size(), 6u);
  // Timers die with their window.
  delete r;
  Driver.Advance(500);
}

TEST_F(MessageLoopTest, KeyStateIsTheStateWhenTheMessageIsHandled) {
  bool shiftDuringKey = false, ctrlDuringKey = true;
  Form->First->OnKeyDown = [&](TObject*, uint16_t&, TShiftState) {
    shiftDuringKey = GetKeyState(VK_SHIFT) < 0 && GetKeyState(VK_LSHIFT) < 0;
    ctrlDuringKey = GetKeyState(VK_CONTROL) < 0;
  };
  Driver.PressKey('A', {ssShift});
  EXPECT_TRUE(shiftDuringKey);
  EXPECT_FALSE(ctrlDuringKey);
  EXPECT_GE(GetKeyState(VK_SHIFT), 0);  // released with the key
}

TEST_F(MessageLoopTest, AnExceptionInAHandlerShowsTheErrorBoxAndTheLoopGoesOn) {
  Form->Second->OnClick = [](TObject*) { throw EConvertError("'abc' is not a valid integer value"); };
  Driver.ExpectMessage("'abc' is not a valid integer value.", mrOk);
  Driver.Click(Form->Second, 5, 5);
  ASSERT_EQ(Driver.MessageBoxes().size(), 1u);
  EXPECT_EQ(Driver.MessageBoxes()[0].Type, mtError);
  EXPECT_EQ(Driver.MessageBoxes()[0].Buttons, (std::vector<TModalResult>{mrOk}));
  // The program goes on.
  Driver.Advance(600);
  Driver.PressKey(VK_TAB);
  EXPECT_EQ(Form->ActiveControl(), Form->Second);
}

TEST_F(MessageLoopTest, OnExceptionReplacesTheErrorBox) {
  std::string seen;
  Application->OnException = [&](TObject*, const std::exception& e) { seen = e.what(); };
  Form->Ticker->SetOnTimer([](TObject*) { throw std::runtime_error("tick failed"); });
  Driver.Advance(100);
  EXPECT_EQ(seen, "tick failed");
  EXPECT_TRUE(Driver.MessageBoxes().empty());
}

TEST_F(MessageLoopTest, AbortLeavesAHandlerSilently) {
  bool reported = false;
  Form->Second->OnClick = [](TObject*) { Abort(); };
  Driver.Click(Form->Second, 5, 5);
  EXPECT_TRUE(Driver.MessageBoxes().empty());
  Application->OnException = [&](TObject*, const std::exception&) { reported = true; };
  Form->Ticker->SetOnTimer([](TObject*) { throw EAbort("stop quietly"); });
  Driver.Advance(100);
  EXPECT_FALSE(reported);
  EXPECT_TRUE(Driver.MessageBoxes().empty());
  // Anything else is still reported.
  Form->Ticker->SetOnTimer([](TObject*) { throw std::runtime_error("tick failed"); });
  Driver.Advance(100);
  EXPECT_TRUE(reported);
}

TEST_F(MessageLoopTest, OnIdleRunsWhenTheQueueIsEmpty) {
  int idles = 0;
  Application->OnIdle = [&](TObject*, bool& done) {
    ++idles;
    done = true;
  };
  Driver.Pump();
  EXPECT_GE(idles, 1);
}

TEST_F(MessageLoopTest, MessageBeepIsRecorded) {
  MessageBeep(MB_OK);
  EXPECT_EQ(Driver.Beeps(), 1);
}

}  // namespace

namespace {

TEST_F(MessageLoopTest, OnMessageSeesQueuedMessagesAndCanHandleThem) {
  std::vector<UINT> seen;
  Application->OnMessage = [&](TMsg& m, bool& handled) {
    seen.push_back(m.message);
    handled = m.message == WM_KEYDOWN && m.wParam == VK_F5;
  };
  Log.clear();
  Driver.PressKey(VK_F5);
  Driver.PressKey(VK_F6);
  EXPECT_EQ(Log, (TEventLog{"First:KeyDown 117"}));
  EXPECT_NE(std::find(seen.begin(), seen.end(), WM_KEYUP), seen.end());
}

TEST_F(MessageLoopTest, PostQuitMessageEndsTheLoop) {
  PostQuitMessage(0);
  EXPECT_FALSE(Application->Terminated());
  Driver.Pump();
  EXPECT_TRUE(Application->Terminated());
}

}  // namespace
