#pragma once
// A display in memory: windows are records, input is injected by the test
// driver, and the pictures stay with their owners (any can be saved as PNG).
// Time is whatever the clock in force says, usually a virtual clock.

#include <deque>
#include <map>

#include "platform/display/DisplayHost.h"

namespace platform {

class HeadlessHost : public DisplayHost {
public:
  struct PointerPos {
    int X = 0, Y = 0;
  };
  struct Window {
    HostWindowParams Params;
    bool Visible = false;
    uint8_t Alpha = 255;
    CursorShape Cursor;
    cairo_surface_t* LastPicture = nullptr;  // not owned
    int PresentCount = 0;
  };

  bool IsHeadless() const override { return !passesForScreen_; }
  HostWindowId CreateWindow(const HostWindowParams& Params) override;
  void DestroyWindow(HostWindowId Id) override;
  void SetTitle(HostWindowId Id, const std::string& Title) override;
  void SetBounds(HostWindowId Id, int X, int Y, int Width, int Height) override;
  void SetVisible(HostWindowId Id, bool Visible, bool Activate) override;
  void Raise(HostWindowId Id) override;
  void Activate(HostWindowId Id) override;
  void SetAlpha(HostWindowId Id, uint8_t Alpha) override;
  void Present(HostWindowId Id, cairo_surface_t* Surface, int X, int Y, int Width, int Height) override;
  void SetCursor(HostWindowId Id, const CursorShape& Cursor) override;
  void WarpPointer(int ScreenX, int ScreenY) override;
  bool PollEvent(HostEvent& Event) override;
  void WaitEvent(int) override {}
  void SetClipboardText(const std::string& Text, bool Primary) override;
  std::string ClipboardText(bool Primary) override;
  void Beep() override { ++beeps_; }

  // ---- for tests ----
  void Inject(const HostEvent& Event) { events_.push_back(Event); }
  bool HasEvents() const { return !events_.empty(); }
  const Window* Find(HostWindowId Id) const;
  const std::map<HostWindowId, Window>& Windows() const { return windows_; }
  int Beeps() const { return beeps_; }
  PointerPos Pointer() const { return pointer_; }
  // Writes the window's last picture; false when it has none or writing failed.
  bool WritePng(HostWindowId Id, const std::string& Path) const;
  // Makes IsHeadless() false, for tests of what a program does only where a
  // person can see and answer its windows.
  void SetPassesForScreen(bool v) { passesForScreen_ = v; }

private:
  std::map<HostWindowId, Window> windows_;
  std::deque<HostEvent> events_;
  HostWindowId next_ = 1;
  std::string clipboard_, primary_;
  int beeps_ = 0;
  bool passesForScreen_ = false;
  PointerPos pointer_;
};

}  // namespace platform
