#pragma once
// The global state behind the window manager, shared by its source files
// (WindowManager.cpp, PaintEngine.cpp, Input.cpp, WinApi.cpp). Nothing
// outside toolkit/forms includes it.

#include <deque>
#include <memory>
#include <unordered_map>
#include <vector>

#include "toolkit/forms/WinApi.h"
#include "toolkit/forms/WindowManager.h"

namespace wm {

struct THookEntry {
  int Id = 0;
  uintptr_t Key = 0;
  THookProc Proc;
};

struct TTimerEntry {
  HWND Window = nullptr;
  uintptr_t Id = 0;
  UINT Elapse = 0;
  uint32_t Due = 0;
  uint64_t Seq = 0;
  TTimerProc Proc;
};

struct TCaret {
  HWND Owner = nullptr;
  int Width = 0, Height = 0;
  TPoint Pos;
  int ShowCount = 0;
};

struct TGlobalState {
  std::unordered_map<uintptr_t, std::unique_ptr<TWindowRecord>> Windows;
  uintptr_t NextHandle = 0x100;
  std::deque<TMsg> Posted;
  std::vector<THookEntry> Hooks;
  uintptr_t NextHook = 1;
  std::vector<TTimerEntry> Timers;
  uintptr_t NextTimerId = 0x1000;
  uint64_t TimerSeq = 0;
  HWND Capture = nullptr;
  TControl* CaptureControl = nullptr;
  HWND Focus = nullptr;
  HWND Active = nullptr;
  HWND ActivatingFor = nullptr;  // SetFocus is activating this window's form
  uint8_t Keys[256] = {};
  TPoint Cursor;
  TCaret Caret;
  bool Quit = false;
  int QuitCode = 0;
  std::vector<HWND> ZOrder;  // top-level windows, back to front
  std::vector<TPaintRecord> PaintLog;
  bool PaintLogging = false;
  std::vector<std::string> CursorLog;
  int Beeps = 0;
  TControl* MouseControl = nullptr;
  uint32_t PendingChar = 0;       // the character of the key-down being delivered
  bool PendingCharValid = false;
  platform::DoubleClickDetector DoubleClicks;
  TPaintContext Paint;
  bool ApplyingHostBounds = false;  // a move by the window manager, not to be echoed back
};

TGlobalState& G();
TWinControl* ControlOf(HWND h);
// Top-level windows front to back (top-most ones first).
std::vector<HWND> TopLevelsFrontToBack();
void RaiseTopLevel(HWND h);
void DropTopLevel(HWND h);
// The deepest visible, enabled window of Top under a screen point.
HWND ChildWindowAt(TWinControl* Top, TPoint ScreenPoint);

}  // namespace wm
