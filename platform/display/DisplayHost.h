#pragma once
// The display a program draws on: top-level and popup windows, their
// pictures, cursors, input and expose events as a queue, the clipboard text,
// and the facts about the screen. X11 when DISPLAY is set; in memory otherwise
// and in every test.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

typedef struct _cairo_surface cairo_surface_t;

namespace platform {

using HostWindowId = uint64_t;

// Everything about the platform that layout and input depend on, in one place
// that tests can set.
struct PlatformFacts {
  int ScreenWidth = 1280;
  int ScreenHeight = 1024;
  int WorkAreaLeft = 0;
  int WorkAreaTop = 0;
  int WorkAreaWidth = 1280;
  int WorkAreaHeight = 994;  // a task bar at the bottom
  uint32_t DoubleClickTime = 500;
  int DoubleClickWidth = 4;  // the box around the first click, in pixels
  int DoubleClickHeight = 4;
  int WheelScrollLines = 3;
  uint32_t CaretBlinkTime = 530;
  bool ThemesActive = false;
  bool RightToLeftLocale = false;
  int CaptionHeight = 19;
  int SmallCaptionHeight = 15;
  int FrameWidth = 4;       // sizeable border
  int DialogFrameWidth = 3; // fixed border
  int ScrollBarSize = 17;
};
PlatformFacts& Facts();
void ResetFacts();

enum class HostWindowKind { Normal, Dialog, Tool, Popup };

struct HostWindowParams {
  HostWindowKind Kind = HostWindowKind::Normal;
  std::string Title;
  int X = 0, Y = 0, Width = 1, Height = 1;  // the drawn area, screen coordinates
  bool TopMost = false;
  bool Resizable = true;
  HostWindowId Owner = 0;
};

// Standard cursor shapes, by the framework's cursor numbers (crArrow = -2 ...);
// a custom cursor carries its own picture.
struct CursorShape {
  int Standard = -2;
  std::string Name;                 // for records and custom cursors
  int Width = 0, Height = 0, HotX = 0, HotY = 0;
  std::vector<uint32_t> Pixels;     // premultiplied ARGB, custom cursors only
};

// Modifier bits of input events.
enum : uint32_t {
  modShift = 1, modCtrl = 2, modAlt = 4, modLeftButton = 8, modRightButton = 16, modMiddleButton = 32,
  modRightShift = 64, modRightCtrl = 128, modRightAlt = 256, modCapsLock = 512, modNumLock = 1024
};

enum class HostEventKind {
  MouseMove, ButtonDown, ButtonUp, Wheel, MouseLeave,
  KeyDown, KeyUp,
  Expose, Configure, Close, FocusIn, FocusOut
};

struct HostEvent {
  HostEventKind Kind = HostEventKind::MouseMove;
  HostWindowId Window = 0;
  int X = 0, Y = 0;            // pointer, window coordinates; Expose/Configure: origin
  int Width = 0, Height = 0;   // Expose/Configure
  int Button = 0;              // 1 left, 2 middle, 3 right
  bool DoubleClick = false;
  int WheelDelta = 0;          // +120 per notch away from the user
  uint16_t VirtualKey = 0;     // VK_ code
  bool Extended = false;       // right-hand modifier, keypad Enter, navigation block
  bool Repeat = false;
  uint32_t Char = 0;           // the character the key types (code point), 0 for none
  uint32_t Modifiers = 0;      // mod* bits at the time of the event
  uint32_t Time = 0;           // tick count
};

class DisplayHost {
public:
  virtual ~DisplayHost() = default;
  virtual bool IsHeadless() const = 0;

  virtual HostWindowId CreateWindow(const HostWindowParams& Params) = 0;
  virtual void DestroyWindow(HostWindowId Id) = 0;
  virtual void SetTitle(HostWindowId Id, const std::string& Title) = 0;
  virtual void SetBounds(HostWindowId Id, int X, int Y, int Width, int Height) = 0;
  virtual void SetVisible(HostWindowId Id, bool Visible, bool Activate) = 0;
  virtual void Raise(HostWindowId Id) = 0;
  virtual void Activate(HostWindowId Id) = 0;
  virtual void SetAlpha(HostWindowId Id, uint8_t Alpha) = 0;
  // Shows the window's picture: the surface holds the whole window area; the
  // rectangle is what changed.
  virtual void Present(HostWindowId Id, cairo_surface_t* Surface, int X, int Y, int Width, int Height) = 0;
  virtual void SetCursor(HostWindowId Id, const CursorShape& Cursor) = 0;
  virtual void WarpPointer(int ScreenX, int ScreenY) = 0;

  // Takes the next event without waiting.
  virtual bool PollEvent(HostEvent& Event) = 0;
  // Waits up to TimeoutMs for an event (a headless host returns at once).
  virtual void WaitEvent(int TimeoutMs) = 0;

  virtual void SetClipboardText(const std::string& Text, bool Primary) = 0;
  virtual std::string ClipboardText(bool Primary) = 0;
  virtual void Beep() = 0;
};

// The display in force: set by the program at start or by the test driver.
DisplayHost& CurrentDisplay();
// Installs a display (not owned); nullptr goes back to the default one.
void SetDisplay(DisplayHost* Host);
// X11 when DISPLAY is set and can be opened, headless otherwise.
std::unique_ptr<DisplayHost> CreateDefaultDisplay();

// Decides whether a button press completes a double click: same window and
// button, within the double-click time and box of the previous press.
class DoubleClickDetector {
public:
  bool Press(HostWindowId Window, int Button, int X, int Y, uint32_t Time);
  void Reset() { has_ = false; }

private:
  bool has_ = false;
  HostWindowId window_ = 0;
  int button_ = 0, x_ = 0, y_ = 0;
  uint32_t time_ = 0;
};

}  // namespace platform
