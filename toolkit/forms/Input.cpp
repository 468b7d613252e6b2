// Turns the display's input events into window messages: the mouse goes to
// the capture window or the window under it (after activation and hit
// testing), keys go to the focus window, and the key state is brought up to
// the moment of each event before its message is handled.

#include <cairo.h>

#include "platform/kernel/Clock.h"
#include "toolkit/forms/Forms.h"
#include "toolkit/forms/WindowState.h"
#include "toolkit/rtl/ScopeGuard.h"

using platform::HostEvent;
using platform::HostEventKind;
using wm::ControlOf;
using wm::G;

namespace {

TWindowRecord* recordOfHost(platform::HostWindowId id) {
  for (auto& [k, rec] : G().Windows)
    if (rec->Host == id) return rec.get();
  return nullptr;
}

void syncModifiers(uint32_t m) {
  using namespace platform;
  auto pair = [](int both, int left, int right, bool down, bool isRight) {
    SetKeyDown(both, down);
    SetKeyDown(left, down && !isRight);
    SetKeyDown(right, down && isRight);
  };
  pair(VK_SHIFT, VK_LSHIFT, VK_RSHIFT, m & modShift, m & modRightShift);
  pair(VK_CONTROL, VK_LCONTROL, VK_RCONTROL, m & modCtrl, m & modRightCtrl);
  pair(VK_MENU, VK_LMENU, VK_RMENU, m & modAlt, m & modRightAlt);
  SetKeyDown(VK_LBUTTON, m & modLeftButton);
  SetKeyDown(VK_RBUTTON, m & modRightButton);
  SetKeyDown(VK_MBUTTON, m & modMiddleButton);
}

WPARAM mouseKeys() {
  WPARAM k = 0;
  if (GetKeyState(VK_LBUTTON) < 0) k |= MK_LBUTTON;
  if (GetKeyState(VK_RBUTTON) < 0) k |= MK_RBUTTON;
  if (GetKeyState(VK_MBUTTON) < 0) k |= MK_MBUTTON;
  if (GetKeyState(VK_SHIFT) < 0) k |= MK_SHIFT;
  if (GetKeyState(VK_CONTROL) < 0) k |= MK_CONTROL;
  return k;
}

bool formEnabled(TWinControl* top) { return top && top->Enabled(); }

// Input is delivered at once, in the order it happened.
void post(HWND h, UINT msg, WPARAM w, LPARAM l) {
  TMsg m = wm::MakeMsg(h, msg, w, l);
  wm::DeliverMessage(m);
}

bool mouseHooksDiscard(UINT msg, HWND h, TPoint p, LRESULT ht) {
  TMouseHookStruct s{p, h, ht};
  auto& hooks = G().Hooks;
  for (size_t i = hooks.size(); i-- > 0;)
    if (i < hooks.size() && hooks[i].Id == WH_MOUSE &&
        hooks[i].Proc(HC_ACTION, msg, reinterpret_cast<LPARAM>(&s)) != 0)
      return true;
  return false;
}

UINT buttonMessage(int button, bool down, bool dbl) {
  UINT base = button == 3 ? WM_RBUTTONDOWN : button == 2 ? WM_MBUTTONDOWN : WM_LBUTTONDOWN;
  if (!down) return base + 1;
  return dbl ? base + 2 : base;
}

// The control (graphic ones included) under a client point of a window.
TControl* controlUnder(TWinControl* w, TPoint client) {
  TControl* c = w->ControlAtPos(client, true, false);
  return c ? c : w;
}

void deliverMouse(TWindowRecord& top, const HostEvent& e) {
  auto& g = G();
  TPoint origin = wm::SurfaceScreenOrigin(top.Control);
  TPoint p{origin.X + e.X, origin.Y + e.Y};
  g.Cursor = p;
  HWND target = g.Capture ? g.Capture : wm::ChildWindowAt(top.Control, p);
  TWinControl* tc = ControlOf(target);
  if (!tc) return;
  TWinControl* targetTop = wm::TopLevelOf(tc);
  if (!g.Capture && !formEnabled(targetTop)) {
    if (e.Kind == HostEventKind::ButtonDown) MessageBeep(0);
    return;
  }
  LRESULT ht = g.Capture ? HTCLIENT : SendMessage(target, WM_NCHITTEST, 0, MakeLParam(p.X, p.Y));
  TPoint client = tc->ScreenToClient(p);
  LPARAM clientPos = MakeLParam(client.X, client.Y);
  LPARAM screenPos = MakeLParam(p.X, p.Y);

  if (e.Kind == HostEventKind::MouseMove) {
    if (mouseHooksDiscard(WM_MOUSEMOVE, target, p, ht)) return;
    SendMessage(target, WM_SETCURSOR, FromHWND(target), MakeLParam(static_cast<int>(ht), WM_MOUSEMOVE));
    wm::SetMouseControl(ht == HTCLIENT ? controlUnder(tc, client) : tc);
    if (ht == HTCLIENT) post(target, WM_MOUSEMOVE, mouseKeys(), clientPos);
    else post(target, WM_NCMOUSEMOVE, static_cast<WPARAM>(ht), screenPos);
    return;
  }
  bool down = e.Kind == HostEventKind::ButtonDown;
  bool dbl = false;
  if (down) dbl = g.DoubleClicks.Press(e.Window, e.Button, e.X, e.Y, e.Time) || e.DoubleClick;
  UINT msg = buttonMessage(e.Button, down, dbl);
  if (mouseHooksDiscard(msg, target, p, ht)) return;
  if (down) {
    auto* form = dynamic_cast<TCustomForm*>(targetTop);
    bool activates = form && !form->IsPopup() && targetTop->Handle() != g.Active;
    if (activates) {
      LRESULT ma = SendMessage(target, WM_MOUSEACTIVATE, FromHWND(targetTop->Handle()),
                               MakeLParam(static_cast<int>(ht), static_cast<int>(msg)));
      if (ma != MA_NOACTIVATE && ma != MA_NOACTIVATEANDEAT) SetActiveWindow(targetTop->Handle());
      if (ma == MA_ACTIVATEANDEAT || ma == MA_NOACTIVATEANDEAT) return;
    }
    SendMessage(target, WM_SETCURSOR, FromHWND(target), MakeLParam(static_cast<int>(ht), static_cast<int>(msg)));
  }
  if (!ControlOf(target)) return;
  if (ht == HTCLIENT) post(target, msg, mouseKeys(), clientPos);
  else post(target, msg - WM_LBUTTONDOWN + WM_NCLBUTTONDOWN, static_cast<WPARAM>(ht), screenPos);
  // The button-up of a right click asks for the context menu, as the platform does.
  if (!down && e.Button == 3 && ht == HTCLIENT && ControlOf(target))
    post(target, WM_CONTEXTMENU, FromHWND(target), screenPos);
}

// The wheel scrolls the window under the mouse (as desktops on this platform
// do), not the focused one; unhandled, it climbs to the parents.
void deliverWheel(TWindowRecord& top, const HostEvent& e) {
  auto& g = G();
  TPoint origin = wm::SurfaceScreenOrigin(top.Control);
  TPoint p{origin.X + e.X, origin.Y + e.Y};
  g.Cursor = p;
  HWND target = g.Capture ? g.Capture : wm::ChildWindowAt(top.Control, p);
  if (!target) target = g.Focus ? g.Focus : top.Control->Handle();
  if (!formEnabled(wm::TopLevelOf(ControlOf(target)))) return;
  post(target, WM_MOUSEWHEEL, MakeWParam(static_cast<int>(mouseKeys()), e.WheelDelta), MakeLParam(p.X, p.Y));
}

void deliverKey(TWindowRecord& top, const HostEvent& e) {
  auto& g = G();
  bool down = e.Kind == HostEventKind::KeyDown;
  uint16_t vk = e.VirtualKey;
  HWND target = g.Focus ? g.Focus : g.Active;
  if (!target) target = top.Control->Handle();
  TWinControl* tc = ControlOf(target);
  if (!tc || !formEnabled(wm::TopLevelOf(tc))) return;
  bool wasDown = GetKeyState(vk) < 0;
  SetKeyDown(vk, down);
  bool alt = GetKeyState(VK_MENU) < 0;
  uint32_t data = 1;
  if (e.Extended) data |= 1u << 24;
  if (alt) data |= 1u << 29;
  if (wasDown || !down) data |= 1u << 30;
  if (!down) data |= 1u << 31;
  auto& hooks = g.Hooks;
  for (size_t i = hooks.size(); i-- > 0;)
    if (i < hooks.size() && hooks[i].Id == WH_KEYBOARD &&
        hooks[i].Proc(HC_ACTION, vk, static_cast<LPARAM>(data)) != 0)
      return;
  bool sys = (alt && GetKeyState(VK_CONTROL) >= 0) || vk == VK_F10 || vk == VK_MENU;
  UINT msg = down ? (sys ? WM_SYSKEYDOWN : WM_KEYDOWN) : (sys ? WM_SYSKEYUP : WM_KEYUP);
  g.PendingChar = e.Char;
  g.PendingCharValid = down;
  post(target, msg, vk, static_cast<LPARAM>(data));
  g.PendingCharValid = false;
}

// The window manager moved or resized the window: take its word for it.
void applyConfigure(TWindowRecord& top, const HostEvent& e) {
  TWinControl* c = top.Control;
  int w = e.Width, h = e.Height;
  if (wm::HostFramed(c)) {
    w += c->Width() - c->ClientWidth();
    h += c->Height() - c->ClientHeight();
  }
  auto& g = G();
  g.ApplyingHostBounds = true;
  auto done = MakeScopeGuard([&] { g.ApplyingHostBounds = false; });
  c->SetBounds(e.X - top.SurfaceOrigin.X, e.Y - top.SurfaceOrigin.Y, w, h);
}

}  // namespace

namespace wm {

bool DeliverInput() {
  HostEvent e;
  auto& host = platform::CurrentDisplay();
  if (!host.PollEvent(e)) return false;
  TWindowRecord* top = recordOfHost(e.Window);
  if (!top || !top->Control) return true;
  switch (e.Kind) {
    case HostEventKind::MouseMove:
    case HostEventKind::ButtonDown:
    case HostEventKind::ButtonUp:
      syncModifiers(e.Modifiers);
      deliverMouse(*top, e);
      break;
    case HostEventKind::Wheel:
      syncModifiers(e.Modifiers);
      deliverWheel(*top, e);
      break;
    case HostEventKind::MouseLeave:
      SetMouseControl(nullptr);
      break;
    case HostEventKind::KeyDown:
    case HostEventKind::KeyUp:
      syncModifiers(e.Modifiers);
      deliverKey(*top, e);
      break;
    case HostEventKind::Expose:
      if (top->Surface) host.Present(top->Host, top->Surface, e.X, e.Y, e.Width, e.Height);
      break;
    case HostEventKind::Configure:
      applyConfigure(*top, e);
      break;
    case HostEventKind::Close:
      if (top->Control->Enabled()) post(top->Handle, WM_SYSCOMMAND, SC_CLOSE, 0);
      break;
    case HostEventKind::FocusIn: {
      auto* form = dynamic_cast<TCustomForm*>(top->Control);
      if (form && !form->IsPopup() && form->Enabled() && G().Active != top->Handle) SetActiveWindow(top->Handle);
      break;
    }
    case HostEventKind::FocusOut:
      break;
  }
  return true;
}

}  // namespace wm
