#pragma once
// The window-manager calls of the toolkit, in the shape the framework's code
// expects them: sending and posting messages to handles, hooks, timers,
// mouse capture, key state, cursor position, focus, caret, scroll bars and
// invalidation. All of it runs on the one user-interface thread.

#include <cstdint>
#include <functional>
#include <string>

#include "toolkit/forms/Messages.h"
#include "toolkit/rtl/Types.h"

class TControl;
class TWinControl;

// ---- sending and posting ----
// Runs at once; WH_CALLWNDPROC hooks see the message first. 0 for a dead handle.
LRESULT SendMessage(HWND hWnd, UINT Msg, WPARAM wParam = 0, LPARAM lParam = 0);
// Queues for the loop; false for a dead handle. A null handle posts to the thread.
bool PostMessage(HWND hWnd, UINT Msg, WPARAM wParam = 0, LPARAM lParam = 0);
// Looks at (and with PM_REMOVE takes) the first posted or input message in the
// range (0, 0 = all) for the window (null = any).
bool PeekMessage(TMsg& Msg, HWND hWnd, UINT MsgFilterMin, UINT MsgFilterMax, UINT RemoveMsg);
void PostQuitMessage(int ExitCode);
// Delivers a message taken from the queue to its window (with translation of
// key-downs into WM_CHAR done by TranslateMessage).
LRESULT DispatchMessage(const TMsg& Msg);
bool TranslateMessage(const TMsg& Msg);
bool IsWindow(HWND hWnd);

// ---- hooks ----
// WH_CALLWNDPROC: lParam points at a TCWPStruct, return ignored.
// WH_GETMESSAGE: lParam points at the TMsg about to be delivered (may be changed).
// WH_KEYBOARD: wParam is the virtual key, lParam the key data; non-zero discards the key.
// WH_MOUSE: wParam is the mouse message, lParam points at a TMouseHookStruct; non-zero discards it.
struct TCWPStruct {
  LPARAM lParam = 0;
  WPARAM wParam = 0;
  UINT message = 0;
  HWND hwnd = nullptr;
};
struct TMouseHookStruct {
  TPoint pt;
  HWND hwnd = nullptr;
  LRESULT wHitTestCode = 0;
};
struct HHOOK__;
using HHOOK = HHOOK__*;
using THookProc = std::function<LRESULT(int nCode, WPARAM wParam, LPARAM lParam)>;
HHOOK SetWindowsHookEx(int idHook, THookProc Proc);
bool UnhookWindowsHookEx(HHOOK hHook);
// Hooks are chained by the toolkit; this exists for code written against the chain.
inline LRESULT CallNextHookEx(HHOOK, int, WPARAM, LPARAM) { return 0; }

// ---- timers ----
// A timer per (window, id); WM_TIMER goes to the window when it is due and
// the queue is empty of other work. Setting an existing (window, id) restarts it.
using TTimerProc = std::function<void(uintptr_t TimerID)>;
uintptr_t SetTimer(HWND hWnd, uintptr_t IDEvent, UINT Elapse, TTimerProc Proc = nullptr);
bool KillTimer(HWND hWnd, uintptr_t IDEvent);

// ---- mouse ----
HWND SetCapture(HWND hWnd);
bool ReleaseCapture();
HWND GetCapture();
// The control that holds the capture (a graphic control captures through its parent's window).
TControl* GetCaptureControl();
void SetCaptureControl(TControl* Control);
bool GetCursorPos(TPoint& Point);
bool SetCursorPos(int X, int Y);
HWND WindowFromPoint(TPoint Point);
// Double-click time in ms and distance in pixels come from the platform facts.
UINT GetDoubleClickTime();

// ---- keyboard ----
// High bit (0x8000 as a negative short) set while down, low bit toggled; read at handling time.
int16_t GetKeyState(int VirtKey);
int16_t GetAsyncKeyState(int VirtKey);
// The key state table, for the input layer and the test driver.
void SetKeyDown(int VirtKey, bool Down);

// ---- focus and activation ----
HWND GetFocus();
HWND SetFocus(HWND hWnd);
HWND GetActiveWindow();
HWND SetActiveWindow(HWND hWnd);
HWND GetForegroundWindow();
bool SetForegroundWindow(HWND hWnd);

// ---- windows ----
HWND GetParent(HWND hWnd);
bool IsWindowVisible(HWND hWnd);
bool IsWindowEnabled(HWND hWnd);
bool EnableWindow(HWND hWnd, bool Enable);
bool ShowWindow(HWND hWnd, int CmdShow);
bool GetClientRect(HWND hWnd, TRect& Rect);
bool GetWindowRect(HWND hWnd, TRect& Rect);  // screen coordinates
constexpr int GWL_STYLE = -16;
constexpr int GWL_EXSTYLE = -20;
constexpr int GWL_ID = -12;
intptr_t GetWindowLong(HWND hWnd, int Index);
intptr_t SetWindowLong(HWND hWnd, int Index, intptr_t NewLong);
bool SetWindowPos(HWND hWnd, HWND InsertAfter, int X, int Y, int cx, int cy, UINT Flags);
bool SetWindowText(HWND hWnd, const std::string& Text);
std::string GetWindowText(HWND hWnd);
constexpr HWND HWND_TOP = nullptr;
inline HWND HWND_BOTTOM() { return ToHWND(1); }
inline HWND HWND_TOPMOST() { return ToHWND(static_cast<uintptr_t>(-1)); }
inline HWND HWND_NOTOPMOST() { return ToHWND(static_cast<uintptr_t>(-2)); }

// ---- painting ----
// Rect in client coordinates; null means the whole client area.
bool InvalidateRect(HWND hWnd, const TRect* Rect, bool Erase);
bool ValidateRect(HWND hWnd, const TRect* Rect);
bool GetUpdateRect(HWND hWnd, TRect& Rect);
bool UpdateWindow(HWND hWnd);
bool RedrawWindow(HWND hWnd, const TRect* Rect, UINT Flags);
// Moves nothing: the affected area is invalidated and repainted, which gives the same picture.
bool ScrollWindow(HWND hWnd, int XAmount, int YAmount, const TRect* Rect, const TRect* ClipRect);
// Layered windows: the alpha the window is composed with (255 = opaque).
constexpr UINT LWA_COLORKEY = 0x1;
constexpr UINT LWA_ALPHA = 0x2;
bool SetLayeredWindowAttributes(HWND hWnd, uint32_t ColorKey, uint8_t Alpha, UINT Flags);
uint8_t GetWindowAlpha(HWND hWnd);

// ---- scroll bars of a window (WS_HSCROLL / WS_VSCROLL) ----
int SetScrollInfo(HWND hWnd, int Bar, const TScrollInfo& Info, bool Redraw);
bool GetScrollInfo(HWND hWnd, int Bar, TScrollInfo& Info);
int SetScrollPos(HWND hWnd, int Bar, int Pos, bool Redraw);
int GetScrollPos(HWND hWnd, int Bar);
bool SetScrollRange(HWND hWnd, int Bar, int MinPos, int MaxPos, bool Redraw);
bool GetScrollRange(HWND hWnd, int Bar, int& MinPos, int& MaxPos);
bool ShowScrollBar(HWND hWnd, int Bar, bool Show);
bool EnableScrollBar(HWND hWnd, int Bar, UINT Arrows);

// ---- caret (one per program, owned by a window) ----
bool CreateCaret(HWND hWnd, int Width, int Height);
bool DestroyCaret();
bool ShowCaret(HWND hWnd);
bool HideCaret(HWND hWnd);
bool SetCaretPos(int X, int Y);
bool GetCaretPos(TPoint& Point);

// ---- system metrics ----
constexpr int SM_CXSCREEN = 0;
constexpr int SM_CYSCREEN = 1;
constexpr int SM_CXVSCROLL = 2;
constexpr int SM_CYHSCROLL = 3;
constexpr int SM_CYCAPTION = 4;
constexpr int SM_CXBORDER = 5;
constexpr int SM_CYBORDER = 6;
constexpr int SM_CXDLGFRAME = 7;
constexpr int SM_CYDLGFRAME = 8;
constexpr int SM_CXEDGE = 45;
constexpr int SM_CYEDGE = 46;
constexpr int SM_CXFRAME = 32;
constexpr int SM_CYFRAME = 33;
constexpr int SM_CXDOUBLECLK = 36;
constexpr int SM_CYDOUBLECLK = 37;
constexpr int SM_CXSMICON = 49;
constexpr int SM_CYSMICON = 50;
constexpr int SM_CYSMCAPTION = 51;
constexpr int SM_CXDRAG = 68;
constexpr int SM_CYDRAG = 69;
int GetSystemMetrics(int Index);

// ---- sound ----
constexpr UINT MB_BEEP_SIMPLE = 0xFFFFFFFF;
// Recorded (the test driver reads the record); on X11 it rings the bell.
bool MessageBeep(UINT Type);
