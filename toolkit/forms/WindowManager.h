#pragma once
// The toolkit's window manager: the handle table, the posted-message queue,
// timers, hooks, capture and focus state, and the paint engine. Used by the
// forms units and the test driver; application code uses WinApi.h.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/display/DisplayHost.h"
#include "toolkit/forms/Controls.h"

typedef struct _cairo_surface cairo_surface_t;

struct TWindowRecord {
  HWND Handle = nullptr;
  TWinControl* Control = nullptr;
  TRect Update;  // client coordinates; empty when nothing is to be painted
  bool Erase = false;
  bool FrameDirty = false;
  bool RedrawOff = false;
  TScrollInfo Scroll[2];
  bool ScrollDisabled[2] = {false, false};
  // Flat scroll bars (InitializeFlatSB): per bar (SB_HORZ, SB_VERT) the mode
  // (FSB_REGULAR_MODE, FSB_ENCARTA_MODE, FSB_FLAT_MODE), the background
  // (clNone: the system's) and the thickness (0: the system's).
  bool FlatScroll = false;
  int ScrollMode[2] = {0, 0};
  TColor ScrollBack[2] = {clNone, clNone};
  int ScrollSize[2] = {0, 0};
  uint8_t Alpha = 255;
  // Top-level windows only: the host window and the picture it shows. The
  // surface covers the drawn part of the window; a form framed by the host
  // leaves its caption and border out.
  platform::HostWindowId Host = 0;
  cairo_surface_t* Surface = nullptr;
  TPoint SurfaceOrigin;  // window coordinates of the surface's top-left
  bool HostVisible = false;
  TRect Presented;       // surface coordinates changed since the last present
};

// Where a WM_PAINT / WM_ERASEBKGND / WM_NCPAINT draws: the surface, the
// surface position of the control's client (or window, for WM_NCPAINT)
// origin, and the clip in the same control coordinates.
struct TPaintContext {
  cairo_surface_t* Surface = nullptr;
  TPoint Origin;
  TRect Clip;
};

// One line of the paint record the test driver reads.
struct TPaintRecord {
  TControl* Control = nullptr;
  std::string Name;
  UINT Msg = WM_PAINT;
  TRect Clip;
};

struct HCURSOR__;
// The picture behind a cursor handle (Screen.cpp).
const platform::CursorShape* CursorShapeOf(HCURSOR__* Cursor);

namespace wm {

TWindowRecord* Find(HWND h);
HWND Register(TWinControl* c);
void Unregister(HWND h);

// Clears every piece of global window state (tests start from nothing).
void Reset();

// ---- queue ----
bool HasPosted();
bool DeliverPosted();
// Takes the next host event and turns it into messages; false when none.
bool DeliverInput();
// Fires the timers that are due; false when none was.
bool FireDueTimers();
// The tick at which the next timer falls due; false when there is none.
bool NextTimerDue(uint32_t& Due);
// Dispatches one message through WH_GETMESSAGE hooks, OnMessage and the key preprocessing.
void DeliverMessage(TMsg& Msg);
void RemovePostedFor(HWND h);

// ---- painting ----
bool PaintPending();
void PaintAll();
void PaintNow(TWinControl* Control);
const TPaintContext& CurrentPaint();
std::vector<TPaintRecord>& PaintLog();
void LogPaint(TControl* Control, UINT Msg, const TRect& Clip);
// Binds a control's own canvas to where DC draws: the control's (0,0) at
// Origin and Clip visible (both in DC's logical coordinates), its font and colour set.
void BindControlCanvas(TCanvas* Own, TCanvas* DC, TPoint Origin, const TRect& Clip, const TControl* Control);
// A queued message stamped with the time and the cursor position.
TMsg MakeMsg(HWND h, UINT Msg, WPARAM wParam, LPARAM lParam);
void SetPaintLogging(bool On);

// ---- top-level windows ----
void ShowTopLevel(TWinControl* Control, bool Show);
void SyncHostBounds(TWinControl* Control);
void SyncHostTitle(TWinControl* Control);
void DestroyTopLevel(TWindowRecord& Rec);
TWinControl* TopLevelOf(const TControl* Control);
TPoint WindowScreenOrigin(const TWinControl* Control);
// Screen position of the top-left pixel of a top-level window's picture.
TPoint SurfaceScreenOrigin(const TWinControl* TopLevel);
// The character a key types on a US layout (posted key-downs, the test driver).
uint32_t CharFromKey(uint16_t VirtualKey, bool Shift, bool Ctrl);
cairo_surface_t* SurfaceOf(TWinControl* TopLevel);
// True when the host draws the window's frame (forms with a caption or border).
bool HostFramed(const TWinControl* TopLevel);

// ---- focus and capture bookkeeping ----
void ControlDestroying(TControl* Control);
void SetMouseControl(TControl* Control);
TControl* MouseControl();

// ---- records for tests ----
std::vector<std::string>& CursorLog();
int BeepCount();
void CountBeep();

}  // namespace wm
