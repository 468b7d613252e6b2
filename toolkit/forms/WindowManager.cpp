#include "toolkit/forms/WindowManager.h"

#include <algorithm>

#include "platform/kernel/Clock.h"
#include "toolkit/forms/Forms.h"
#include "toolkit/forms/WindowState.h"

namespace wm {

TGlobalState& G() {
  static TGlobalState state;
  return state;
}

TWindowRecord* Find(HWND h) {
  if (!h) return nullptr;
  auto& w = G().Windows;
  auto it = w.find(FromHWND(h));
  return it == w.end() ? nullptr : it->second.get();
}

TWinControl* ControlOf(HWND h) {
  TWindowRecord* r = Find(h);
  return r ? r->Control : nullptr;
}

HWND Register(TWinControl* c) {
  auto rec = std::make_unique<TWindowRecord>();
  // Handles are never reused, so a stale handle stays dead.
  HWND h = ToHWND(G().NextHandle);
  G().NextHandle += 4;
  rec->Handle = h;
  rec->Control = c;
  rec->Scroll[0].nMax = rec->Scroll[1].nMax = 100;
  G().Windows[FromHWND(h)] = std::move(rec);
  return h;
}

void Unregister(HWND h) {
  auto& g = G();
  TWindowRecord* rec = Find(h);
  if (!rec) return;
  DestroyTopLevel(*rec);
  RemovePostedFor(h);
  std::erase_if(g.Timers, [h](const TTimerEntry& t) { return t.Window == h; });
  if (g.Capture == h) {
    g.Capture = nullptr;
    g.CaptureControl = nullptr;
  }
  if (g.Focus == h) g.Focus = nullptr;
  if (g.Active == h) g.Active = nullptr;
  if (g.Caret.Owner == h) g.Caret = TCaret{};
  DropTopLevel(h);
  g.Windows.erase(FromHWND(h));
}

void Reset() {
  auto& g = G();
  for (auto& [k, rec] : g.Windows) DestroyTopLevel(*rec);
  g.Windows.clear();
  g.Posted.clear();
  g.Hooks.clear();
  g.Timers.clear();
  g.Capture = g.Focus = g.Active = g.ActivatingFor = nullptr;
  g.CaptureControl = nullptr;
  std::fill(std::begin(g.Keys), std::end(g.Keys), 0);
  g.Cursor = {};
  g.Caret = {};
  g.Quit = false;
  g.ZOrder.clear();
  g.PaintLog.clear();
  g.PaintLogging = false;
  g.CursorLog.clear();
  g.Beeps = 0;
  g.MouseControl = nullptr;
  g.PendingCharValid = false;
  g.DoubleClicks.Reset();
  g.Paint = {};
}

bool HasPosted() { return !G().Posted.empty(); }

void RemovePostedFor(HWND h) {
  std::erase_if(G().Posted, [h](const TMsg& m) { return m.hwnd == h; });
}

bool DeliverPosted() {
  auto& g = G();
  if (g.Posted.empty()) return false;
  TMsg m = g.Posted.front();
  g.Posted.pop_front();
  if (m.message == WM_QUIT) {
    g.Quit = true;
    g.QuitCode = static_cast<int>(m.wParam);
    if (Application) Application->Terminate();
    return true;
  }
  DeliverMessage(m);
  return true;
}

void DeliverMessage(TMsg& Msg) {
  auto& g = G();
  for (size_t i = g.Hooks.size(); i-- > 0;) {
    if (i < g.Hooks.size() && g.Hooks[i].Id == WH_GETMESSAGE)
      g.Hooks[i].Proc(HC_ACTION, PM_REMOVE, reinterpret_cast<LPARAM>(&Msg));
  }
  bool handled = false;
  if (Application && Application->OnMessage) Application->OnMessage(Msg, handled);
  if (handled) return;
  // Key messages first go to the control as CN_ notifications, where dialog
  // keys, shortcuts and KeyPreview get their chance; a non-zero answer eats the key.
  if (Msg.message >= WM_KEYFIRST && Msg.message <= WM_KEYLAST && Msg.hwnd) {
    if (Application && (Msg.message == WM_KEYDOWN || Msg.message == WM_SYSKEYDOWN)) Application->CancelHint();
    if (SendMessage(Msg.hwnd, CN_BASE + Msg.message, Msg.wParam, Msg.lParam) != 0) {
      g.PendingCharValid = false;
      return;
    }
  }
  TranslateMessage(Msg);
  g.PendingCharValid = false;
  DispatchMessage(Msg);
}

// ---- timers ----

bool NextTimerDue(uint32_t& Due) {
  auto& g = G();
  if (g.Timers.empty()) return false;
  uint32_t now = GetTickCount();
  bool first = true;
  for (const auto& t : g.Timers) {
    if (first || static_cast<int32_t>(t.Due - Due) < 0) Due = t.Due;
    first = false;
  }
  if (static_cast<int32_t>(Due - now) < 0) Due = now;
  return true;
}

bool FireDueTimers() {
  auto& g = G();
  uint32_t now = GetTickCount();
  std::vector<TTimerEntry> due;
  for (const auto& t : g.Timers)
    if (static_cast<int32_t>(now - t.Due) >= 0) due.push_back(t);
  if (due.empty()) return false;
  std::sort(due.begin(), due.end(), [](const TTimerEntry& a, const TTimerEntry& b) {
    int32_t d = static_cast<int32_t>(a.Due - b.Due);
    return d != 0 ? d < 0 : a.Seq < b.Seq;
  });
  for (const auto& d : due) {
    // An earlier handler may have killed or restarted this timer.
    auto it = std::find_if(g.Timers.begin(), g.Timers.end(), [&](const TTimerEntry& t) {
      return t.Window == d.Window && t.Id == d.Id && t.Seq == d.Seq;
    });
    if (it == g.Timers.end()) continue;
    it->Due = now + it->Elapse;
    if (it->Proc) {
      TTimerProc proc = it->Proc;
      proc(d.Id);
    } else {
      TMsg m;
      m.hwnd = d.Window;
      m.message = WM_TIMER;
      m.wParam = d.Id;
      m.time = now;
      DeliverMessage(m);
    }
  }
  return true;
}

// ---- top-level z-order ----

void RaiseTopLevel(HWND h) {
  auto& z = G().ZOrder;
  z.erase(std::remove(z.begin(), z.end(), h), z.end());
  z.push_back(h);
}

void DropTopLevel(HWND h) {
  auto& z = G().ZOrder;
  z.erase(std::remove(z.begin(), z.end(), h), z.end());
}

std::vector<HWND> TopLevelsFrontToBack() {
  std::vector<HWND> topMost, normal;
  auto& z = G().ZOrder;
  for (auto it = z.rbegin(); it != z.rend(); ++it) {
    TWinControl* c = ControlOf(*it);
    if (!c) continue;
    bool onTop = (c->ExStyle() & WS_EX_TOPMOST) != 0;
    (onTop ? topMost : normal).push_back(*it);
  }
  topMost.insert(topMost.end(), normal.begin(), normal.end());
  return topMost;
}

TWinControl* TopLevelOf(const TControl* Control) {
  const TControl* c = Control;
  while (c && c->Parent()) c = c->Parent();
  return const_cast<TWinControl*>(dynamic_cast<const TWinControl*>(c));
}

TPoint WindowScreenOrigin(const TWinControl* Control) {
  if (!Control->Parent()) return {Control->Left(), Control->Top()};
  TPoint o = Control->Parent()->ClientOrigin();
  return {o.X + Control->Left(), o.Y + Control->Top()};
}

TPoint SurfaceScreenOrigin(const TWinControl* TopLevel) {
  TPoint o = WindowScreenOrigin(TopLevel);
  TWindowRecord* rec = Find(const_cast<TWinControl*>(TopLevel)->HandleAllocated()
                                ? const_cast<TWinControl*>(TopLevel)->Handle()
                                : nullptr);
  if (rec) {
    o.X += rec->SurfaceOrigin.X;
    o.Y += rec->SurfaceOrigin.Y;
  }
  return o;
}

// ---- bookkeeping when controls go away ----

void ControlDestroying(TControl* Control) {
  auto& g = G();
  if (g.CaptureControl == Control) {
    g.CaptureControl = nullptr;
    if (g.Capture) ReleaseCapture();
  }
  if (g.MouseControl == Control) g.MouseControl = nullptr;
  for (auto& r : g.PaintLog)
    if (r.Control == Control) r.Control = nullptr;
}

void SetMouseControl(TControl* Control) {
  auto& g = G();
  if (g.MouseControl == Control) return;
  TControl* old = g.MouseControl;
  g.MouseControl = Control;
  if (old) old->Perform(CM_MOUSELEAVE);
  if (Control && g.MouseControl == Control) Control->Perform(CM_MOUSEENTER);
}

TControl* MouseControl() { return G().MouseControl; }

std::vector<std::string>& CursorLog() { return G().CursorLog; }
int BeepCount() { return G().Beeps; }
void CountBeep() { ++G().Beeps; }
std::vector<TPaintRecord>& PaintLog() { return G().PaintLog; }
void SetPaintLogging(bool On) { G().PaintLogging = On; }
const TPaintContext& CurrentPaint() { return G().Paint; }

uint32_t CharFromKey(uint16_t vk, bool shift, bool ctrl) {
  if (vk >= 'A' && vk <= 'Z') {
    if (ctrl) return vk - 'A' + 1;
    return shift ? vk : vk + ('a' - 'A');
  }
  if (ctrl) return 0;
  if (vk >= '0' && vk <= '9') {
    static const char shifted[] = ")!@#$%^&*(";
    return shift ? static_cast<uint32_t>(shifted[vk - '0']) : vk;
  }
  if (vk >= VK_NUMPAD0 && vk <= VK_NUMPAD9) return '0' + (vk - VK_NUMPAD0);
  switch (vk) {
    case VK_SPACE: return ' ';
    case VK_RETURN: return '\r';
    case VK_TAB: return '\t';
    case VK_ESCAPE: return 27;
    case VK_BACK: return 8;
    case VK_MULTIPLY: return '*';
    case VK_ADD: return '+';
    case VK_SUBTRACT: return '-';
    case VK_DECIMAL: return '.';
    case VK_DIVIDE: return '/';
    case VK_OEM_1: return shift ? ':' : ';';
    case VK_OEM_PLUS: return shift ? '+' : '=';
    case VK_OEM_COMMA: return shift ? '<' : ',';
    case VK_OEM_MINUS: return shift ? '_' : '-';
    case VK_OEM_PERIOD: return shift ? '>' : '.';
    case VK_OEM_2: return shift ? '?' : '/';
    case VK_OEM_3: return shift ? '~' : '`';
    case VK_OEM_4: return shift ? '{' : '[';
    case VK_OEM_5: return shift ? '|' : '\\';
    case VK_OEM_6: return shift ? '}' : ']';
    case VK_OEM_7: return shift ? '"' : '\'';
    default: return 0;
  }
}

}  // namespace wm
