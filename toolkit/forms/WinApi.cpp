#include "toolkit/forms/WinApi.h"

#include <algorithm>

#include "platform/kernel/Clock.h"
#include "toolkit/forms/Forms.h"
#include "toolkit/forms/WindowState.h"

using wm::ControlOf;
using wm::G;

// ---- sending and posting ----

LRESULT SendMessage(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
  TWinControl* c = ControlOf(hWnd);
  if (!c) return 0;
  auto& g = G();
  if (!g.Hooks.empty()) {
    TCWPStruct cwp{lParam, wParam, Msg, hWnd};
    for (size_t i = g.Hooks.size(); i-- > 0;)
      if (i < g.Hooks.size() && g.Hooks[i].Id == WH_CALLWNDPROC)
        g.Hooks[i].Proc(HC_ACTION, 0, reinterpret_cast<LPARAM>(&cwp));
  }
  return c->Perform(Msg, wParam, lParam);
}

bool PostMessage(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
  if (hWnd && !ControlOf(hWnd)) return false;
  G().Posted.push_back(wm::MakeMsg(hWnd, Msg, wParam, lParam));
  return true;
}

bool PeekMessage(TMsg& Msg, HWND hWnd, UINT MsgFilterMin, UINT MsgFilterMax, UINT RemoveMsg) {
  auto& q = G().Posted;
  for (auto it = q.begin(); it != q.end(); ++it) {
    if (hWnd && it->hwnd != hWnd) continue;
    if ((MsgFilterMin || MsgFilterMax) && (it->message < MsgFilterMin || it->message > MsgFilterMax)) continue;
    Msg = *it;
    if (RemoveMsg & PM_REMOVE) q.erase(it);
    return true;
  }
  return false;
}

void PostQuitMessage(int ExitCode) { PostMessage(nullptr, WM_QUIT, static_cast<WPARAM>(ExitCode), 0); }

LRESULT DispatchMessage(const TMsg& Msg) {
  TWinControl* c = ControlOf(Msg.hwnd);
  if (!c) return 0;
  return c->Perform(Msg.message, Msg.wParam, Msg.lParam);
}

bool TranslateMessage(const TMsg& Msg) {
  if (Msg.message != WM_KEYDOWN && Msg.message != WM_SYSKEYDOWN) return false;
  auto& g = G();
  uint32_t ch = g.PendingCharValid
                    ? g.PendingChar
                    : wm::CharFromKey(LoWord(Msg.wParam), GetKeyState(VK_SHIFT) < 0, GetKeyState(VK_CONTROL) < 0);
  g.PendingCharValid = false;
  if (ch == 0) return false;
  TMsg c = Msg;
  c.message = Msg.message == WM_SYSKEYDOWN ? WM_SYSCHAR : WM_CHAR;
  c.wParam = ch;
  // The character comes right after its key, before anything queued later.
  g.Posted.push_front(c);
  return true;
}

TMsg wm::MakeMsg(HWND h, UINT Msg, WPARAM wParam, LPARAM lParam) {
  TMsg m;
  m.hwnd = h;
  m.message = Msg;
  m.wParam = wParam;
  m.lParam = lParam;
  m.time = GetTickCount();
  m.pt = G().Cursor;
  return m;
}

bool IsWindow(HWND hWnd) { return ControlOf(hWnd) != nullptr; }

// ---- hooks ----

HHOOK SetWindowsHookEx(int idHook, THookProc Proc) {
  auto& g = G();
  uintptr_t key = g.NextHook++;
  g.Hooks.push_back({idHook, key, std::move(Proc)});
  return reinterpret_cast<HHOOK>(key);
}

bool UnhookWindowsHookEx(HHOOK hHook) {
  auto& h = G().Hooks;
  auto key = reinterpret_cast<uintptr_t>(hHook);
  auto n = std::erase_if(h, [key](const wm::THookEntry& e) { return e.Key == key; });
  return n > 0;
}

// ---- timers ----

uintptr_t SetTimer(HWND hWnd, uintptr_t IDEvent, UINT Elapse, TTimerProc Proc) {
  auto& g = G();
  if (hWnd && !ControlOf(hWnd)) return 0;
  if (!hWnd && IDEvent == 0) IDEvent = g.NextTimerId++;
  if (Elapse == 0) Elapse = 1;
  auto it = std::find_if(g.Timers.begin(), g.Timers.end(),
                         [&](const wm::TTimerEntry& t) { return t.Window == hWnd && t.Id == IDEvent; });
  wm::TTimerEntry e{hWnd, IDEvent, Elapse, GetTickCount() + Elapse, ++g.TimerSeq, std::move(Proc)};
  if (it != g.Timers.end())
    *it = std::move(e);
  else
    g.Timers.push_back(std::move(e));
  return IDEvent;
}

bool KillTimer(HWND hWnd, uintptr_t IDEvent) {
  auto n = std::erase_if(G().Timers,
                         [&](const wm::TTimerEntry& t) { return t.Window == hWnd && t.Id == IDEvent; });
  return n > 0;
}

// ---- mouse ----

HWND SetCapture(HWND hWnd) {
  auto& g = G();
  HWND old = g.Capture;
  g.Capture = hWnd;
  if (old && old != hWnd) SendMessage(old, WM_CAPTURECHANGED, 0, static_cast<LPARAM>(FromHWND(hWnd)));
  return old;
}

bool ReleaseCapture() {
  auto& g = G();
  HWND old = g.Capture;
  g.Capture = nullptr;
  g.CaptureControl = nullptr;
  if (old) SendMessage(old, WM_CAPTURECHANGED, 0, 0);
  return true;
}

HWND GetCapture() { return G().Capture; }
TControl* GetCaptureControl() {
  auto& g = G();
  if (g.CaptureControl) return g.CaptureControl;
  return ControlOf(g.Capture);
}

void SetCaptureControl(TControl* Control) {
  auto& g = G();
  if (!Control) {
    ReleaseCapture();
    return;
  }
  auto* win = dynamic_cast<TWinControl*>(Control);
  TWinControl* owner = win ? win : Control->Parent();
  if (!owner) return;
  SetCapture(owner->Handle());
  g.CaptureControl = Control;
}

bool GetCursorPos(TPoint& Point) {
  Point = G().Cursor;
  return true;
}

bool SetCursorPos(int X, int Y) {
  G().Cursor = {X, Y};
  platform::CurrentDisplay().WarpPointer(X, Y);
  return true;
}

namespace {

TRect screenWindowRect(TWinControl* c) {
  TPoint o = wm::WindowScreenOrigin(c);
  return Bounds(o.X, o.Y, c->Width(), c->Height());
}

// Inside the window and, when it has a region, inside one of its rectangles.
bool windowContains(TWinControl* c, TPoint p) {
  if (!screenWindowRect(c).Contains(p)) return false;
  if (c->WindowRgn().empty()) return true;
  TPoint o = wm::WindowScreenOrigin(c);
  for (const TRect& r : c->WindowRgn())
    if (r.Contains({p.X - o.X, p.Y - o.Y})) return true;
  return false;
}

HWND childFromPoint(TWinControl* parent, TPoint p) {
  for (int i = parent->ControlCount() - 1; i >= 0; --i) {
    auto* w = dynamic_cast<TWinControl*>(parent->Controls(i));
    if (!w || !w->Visible() || !w->HandleAllocated()) continue;
    if (!windowContains(w, p)) continue;
    // A disabled child leaves the point to its parent.
    if (!w->Enabled()) return parent->Handle();
    return childFromPoint(w, p);
  }
  return parent->Handle();
}

}  // namespace

HWND wm::ChildWindowAt(TWinControl* Top, TPoint ScreenPoint) { return childFromPoint(Top, ScreenPoint); }

HWND WindowFromPoint(TPoint Point) {
  for (HWND h : wm::TopLevelsFrontToBack()) {
    TWinControl* c = ControlOf(h);
    TWindowRecord* rec = wm::Find(h);
    if (!c || !rec || !rec->HostVisible) continue;
    if (windowContains(c, Point)) return childFromPoint(c, Point);
  }
  return nullptr;
}

UINT GetDoubleClickTime() { return platform::Facts().DoubleClickTime; }

// ---- keyboard ----

int16_t GetKeyState(int VirtKey) {
  if (VirtKey < 0 || VirtKey > 255) return 0;
  uint8_t k = G().Keys[VirtKey];
  return static_cast<int16_t>(((k & 0x80) ? 0x8000 : 0) | (k & 1));
}

int16_t GetAsyncKeyState(int VirtKey) { return GetKeyState(VirtKey) & static_cast<int16_t>(0x8000); }

void SetKeyDown(int VirtKey, bool Down) {
  if (VirtKey < 0 || VirtKey > 255) return;
  uint8_t& k = G().Keys[VirtKey];
  if (Down && !(k & 0x80)) k ^= 1;
  k = static_cast<uint8_t>(Down ? (k | 0x80) : (k & ~0x80));
}

// ---- focus and activation ----

HWND GetFocus() { return G().Focus; }

HWND SetFocus(HWND hWnd) {
  auto& g = G();
  HWND old = g.Focus;
  if (hWnd && !ControlOf(hWnd)) return old;
  if (old == hWnd) return old;
  if (hWnd) {
    TWinControl* top = wm::TopLevelOf(ControlOf(hWnd));
    auto* form = dynamic_cast<TCustomForm*>(top);
    bool popup = !form || form->IsPopup();
    if (top && !popup && top->Handle() != g.Active) {
      HWND saved = g.ActivatingFor;
      g.ActivatingFor = hWnd;
      SetActiveWindow(top->Handle());
      g.ActivatingFor = saved;
      if (g.Focus == hWnd) return old;
      old = g.Focus;
    }
  }
  g.Focus = hWnd;
  if (old && ControlOf(old)) SendMessage(old, WM_KILLFOCUS, FromHWND(hWnd), 0);
  if (hWnd && g.Focus == hWnd) SendMessage(hWnd, WM_SETFOCUS, FromHWND(old), 0);
  return old;
}

HWND GetActiveWindow() { return G().Active; }

HWND SetActiveWindow(HWND hWnd) {
  auto& g = G();
  HWND old = g.Active;
  if (old == hWnd) return old;
  g.Active = hWnd;
  if (hWnd) {
    wm::RaiseTopLevel(hWnd);
    if (TWindowRecord* rec = wm::Find(hWnd); rec && rec->Host) platform::CurrentDisplay().Activate(rec->Host);
  }
  if (old && ControlOf(old)) SendMessage(old, WM_ACTIVATE, WA_INACTIVE, static_cast<LPARAM>(FromHWND(hWnd)));
  if (hWnd && g.Active == hWnd) SendMessage(hWnd, WM_ACTIVATE, WA_ACTIVE, static_cast<LPARAM>(FromHWND(old)));
  return old;
}

HWND GetForegroundWindow() { return G().Active; }
bool SetForegroundWindow(HWND hWnd) {
  if (!ControlOf(hWnd)) return false;
  SetActiveWindow(hWnd);
  return true;
}

// ---- windows ----

HWND GetParent(HWND hWnd) {
  TWinControl* c = ControlOf(hWnd);
  if (!c) return nullptr;
  if (c->Parent()) return c->Parent()->Handle();
  return c->ParentWindow();
}

bool IsWindowVisible(HWND hWnd) {
  TWinControl* c = ControlOf(hWnd);
  return c && c->Showing();
}

bool IsWindowEnabled(HWND hWnd) {
  TWinControl* c = ControlOf(hWnd);
  return c && c->Enabled();
}

bool EnableWindow(HWND hWnd, bool Enable) {
  TWinControl* c = ControlOf(hWnd);
  if (!c) return false;
  bool was = !c->Enabled();
  c->SetEnabled(Enable);
  return was;
}

bool ShowWindow(HWND hWnd, int CmdShow) {
  TWinControl* c = ControlOf(hWnd);
  if (!c) return false;
  bool was = c->Visible();
  c->SetVisible(CmdShow != SW_HIDE);
  return was;
}

bool GetClientRect(HWND hWnd, TRect& Rect) {
  TWinControl* c = ControlOf(hWnd);
  if (!c) return false;
  Rect = c->ClientRect();
  return true;
}

bool GetWindowRect(HWND hWnd, TRect& Rect) {
  TWinControl* c = ControlOf(hWnd);
  if (!c) return false;
  Rect = screenWindowRect(c);
  return true;
}

intptr_t GetWindowLong(HWND hWnd, int Index) {
  TWinControl* c = ControlOf(hWnd);
  if (!c) return 0;
  if (Index == GWL_STYLE) return static_cast<intptr_t>(c->Style());
  if (Index == GWL_EXSTYLE) return static_cast<intptr_t>(c->ExStyle());
  if (Index == GWL_ID) return static_cast<intptr_t>(FromHWND(hWnd));
  return 0;
}

intptr_t SetWindowLong(HWND hWnd, int Index, intptr_t NewLong) {
  TWinControl* c = ControlOf(hWnd);
  if (!c) return 0;
  intptr_t old = GetWindowLong(hWnd, Index);
  if (Index == GWL_STYLE) c->SetStyle(static_cast<uint32_t>(NewLong));
  if (Index == GWL_EXSTYLE) c->SetExStyle(static_cast<uint32_t>(NewLong));
  return old;
}

bool SetWindowPos(HWND hWnd, HWND InsertAfter, int X, int Y, int cx, int cy, UINT Flags) {
  TWinControl* c = ControlOf(hWnd);
  if (!c) return false;
  if (!(Flags & SWP_NOZORDER)) {
    if (InsertAfter == HWND_TOPMOST()) c->SetExStyle(c->ExStyle() | WS_EX_TOPMOST);
    else if (InsertAfter == HWND_NOTOPMOST()) c->SetExStyle(c->ExStyle() & ~WS_EX_TOPMOST);
    if (InsertAfter == HWND_BOTTOM()) c->SendToBack();
    else c->BringToFront();
  }
  int l = (Flags & SWP_NOMOVE) ? c->Left() : X;
  int t = (Flags & SWP_NOMOVE) ? c->Top() : Y;
  int w = (Flags & SWP_NOSIZE) ? c->Width() : cx;
  int h = (Flags & SWP_NOSIZE) ? c->Height() : cy;
  c->SetBounds(l, t, w, h);
  if (Flags & SWP_FRAMECHANGED) c->UpdateClientArea();
  if (Flags & SWP_SHOWWINDOW) c->SetVisible(true);
  if (Flags & SWP_HIDEWINDOW) c->SetVisible(false);
  return true;
}

bool SetWindowText(HWND hWnd, const std::string& Text) {
  TWinControl* c = ControlOf(hWnd);
  if (!c) return false;
  c->SetText(Text);
  return true;
}

std::string GetWindowText(HWND hWnd) {
  TWinControl* c = ControlOf(hWnd);
  return c ? c->Text() : std::string();
}

// ---- scroll bars ----

namespace {

TScrollInfo* barInfo(HWND hWnd, int Bar, TWindowRecord** recOut = nullptr) {
  TWindowRecord* rec = wm::Find(hWnd);
  if (!rec || (Bar != SB_HORZ && Bar != SB_VERT)) return nullptr;
  if (recOut) *recOut = rec;
  return &rec->Scroll[Bar];
}

int clampPos(const TScrollInfo& si, int pos) {
  int maxPos = si.nMax - std::max<int>(static_cast<int>(si.nPage) - 1, 0);
  return std::max(si.nMin, std::min(pos, std::max(si.nMin, maxPos)));
}

// Only the frame (where the bars are) needs painting again.
void redrawFrame(TWindowRecord* rec) { rec->FrameDirty = true; }

}  // namespace

int SetScrollInfo(HWND hWnd, int Bar, const TScrollInfo& Info, bool Redraw) {
  TWindowRecord* rec = nullptr;
  TScrollInfo* si = barInfo(hWnd, Bar, &rec);
  if (!si) return 0;
  if (Info.fMask & SIF_RANGE) {
    si->nMin = Info.nMin;
    si->nMax = Info.nMax;
  }
  if (Info.fMask & SIF_PAGE) si->nPage = Info.nPage;
  if (Info.fMask & SIF_POS) si->nPos = Info.nPos;
  si->nPos = clampPos(*si, si->nPos);
  if (Redraw) redrawFrame(rec);
  return si->nPos;
}

bool GetScrollInfo(HWND hWnd, int Bar, TScrollInfo& Info) {
  TScrollInfo* si = barInfo(hWnd, Bar);
  if (!si) return false;
  UINT mask = Info.fMask;
  if (mask & SIF_RANGE) {
    Info.nMin = si->nMin;
    Info.nMax = si->nMax;
  }
  if (mask & SIF_PAGE) Info.nPage = si->nPage;
  if (mask & SIF_POS) Info.nPos = si->nPos;
  if (mask & SIF_TRACKPOS) Info.nTrackPos = si->nTrackPos;
  return true;
}

int SetScrollPos(HWND hWnd, int Bar, int Pos, bool Redraw) {
  TScrollInfo* si = barInfo(hWnd, Bar);
  if (!si) return 0;
  int old = si->nPos;
  TScrollInfo in;
  in.fMask = SIF_POS;
  in.nPos = Pos;
  SetScrollInfo(hWnd, Bar, in, Redraw);
  return old;
}

int GetScrollPos(HWND hWnd, int Bar) {
  TScrollInfo* si = barInfo(hWnd, Bar);
  return si ? si->nPos : 0;
}

bool SetScrollRange(HWND hWnd, int Bar, int MinPos, int MaxPos, bool Redraw) {
  TScrollInfo in;
  in.fMask = SIF_RANGE;
  in.nMin = MinPos;
  in.nMax = MaxPos;
  if (!barInfo(hWnd, Bar)) return false;
  SetScrollInfo(hWnd, Bar, in, Redraw);
  return true;
}

bool GetScrollRange(HWND hWnd, int Bar, int& MinPos, int& MaxPos) {
  TScrollInfo* si = barInfo(hWnd, Bar);
  if (!si) return false;
  MinPos = si->nMin;
  MaxPos = si->nMax;
  return true;
}

bool ShowScrollBar(HWND hWnd, int Bar, bool Show) {
  TWinControl* c = ControlOf(hWnd);
  if (!c) return false;
  uint32_t bits = Bar == SB_HORZ ? WS_HSCROLL : Bar == SB_VERT ? WS_VSCROLL : Bar == SB_BOTH ? (WS_HSCROLL | WS_VSCROLL) : 0;
  uint32_t style = Show ? (c->Style() | bits) : (c->Style() & ~bits);
  if (style != c->Style()) c->SetStyle(style);
  return true;
}

bool EnableScrollBar(HWND hWnd, int Bar, UINT Arrows) {
  TWindowRecord* rec = wm::Find(hWnd);
  if (!rec) return false;
  for (int b = 0; b < 2; ++b)
    if (Bar == b || Bar == SB_BOTH) rec->ScrollDisabled[b] = Arrows == ESB_DISABLE_BOTH;
  redrawFrame(rec);
  return true;
}

// ---- caret ----

namespace {
void invalidateCaret() {
  auto& c = G().Caret;
  if (!c.Owner) return;
  TRect r = Bounds(c.Pos.X, c.Pos.Y, std::max(c.Width, 1), c.Height);
  InvalidateRect(c.Owner, &r, false);
}
}  // namespace

bool CreateCaret(HWND hWnd, int Width, int Height) {
  if (!ControlOf(hWnd)) return false;
  invalidateCaret();
  G().Caret = wm::TCaret{hWnd, Width, Height, {}, 0};
  return true;
}

bool DestroyCaret() {
  invalidateCaret();
  G().Caret = wm::TCaret{};
  return true;
}

bool ShowCaret(HWND hWnd) {
  auto& c = G().Caret;
  if (!c.Owner || (hWnd && hWnd != c.Owner)) return false;
  ++c.ShowCount;
  invalidateCaret();
  return true;
}

bool HideCaret(HWND hWnd) {
  auto& c = G().Caret;
  if (!c.Owner || (hWnd && hWnd != c.Owner)) return false;
  invalidateCaret();
  --c.ShowCount;
  return true;
}

bool SetCaretPos(int X, int Y) {
  auto& c = G().Caret;
  if (!c.Owner) return false;
  invalidateCaret();
  c.Pos = {X, Y};
  invalidateCaret();
  return true;
}

bool GetCaretPos(TPoint& Point) {
  Point = G().Caret.Pos;
  return G().Caret.Owner != nullptr;
}

// ---- metrics and sound ----

int GetSystemMetrics(int Index) {
  const auto& f = platform::Facts();
  switch (Index) {
    case SM_CXSCREEN: return f.ScreenWidth;
    case SM_CYSCREEN: return f.ScreenHeight;
    case SM_CXVSCROLL:
    case SM_CYHSCROLL: return f.ScrollBarSize;
    case SM_CYCAPTION: return f.CaptionHeight;
    case SM_CYSMCAPTION: return f.SmallCaptionHeight;
    case SM_CXBORDER:
    case SM_CYBORDER: return 1;
    case SM_CXEDGE:
    case SM_CYEDGE: return 2;
    case SM_CXDLGFRAME:
    case SM_CYDLGFRAME: return f.DialogFrameWidth;
    case SM_CXFRAME:
    case SM_CYFRAME: return f.FrameWidth;
    case SM_CXDOUBLECLK: return f.DoubleClickWidth;
    case SM_CYDOUBLECLK: return f.DoubleClickHeight;
    case SM_CXSMICON:
    case SM_CYSMICON: return 16;
    case SM_CXDRAG:
    case SM_CYDRAG: return 4;
    default: return 0;
  }
}

bool MessageBeep(UINT) {
  wm::CountBeep();
  platform::CurrentDisplay().Beep();
  return true;
}
