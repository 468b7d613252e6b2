#include "platform/display/headless/HeadlessHost.h"

#include <cairo.h>

namespace platform {

HostWindowId HeadlessHost::CreateWindow(const HostWindowParams& Params) {
  HostWindowId id = next_++;
  windows_[id].Params = Params;
  return id;
}

void HeadlessHost::DestroyWindow(HostWindowId Id) {
  windows_.erase(Id);
  // Events for a window that is gone can no longer be delivered.
  std::erase_if(events_, [Id](const HostEvent& e) { return e.Window == Id; });
}

void HeadlessHost::SetTitle(HostWindowId Id, const std::string& Title) {
  if (auto it = windows_.find(Id); it != windows_.end()) it->second.Params.Title = Title;
}

void HeadlessHost::SetBounds(HostWindowId Id, int X, int Y, int Width, int Height) {
  auto it = windows_.find(Id);
  if (it == windows_.end()) return;
  auto& p = it->second.Params;
  p.X = X;
  p.Y = Y;
  p.Width = Width;
  p.Height = Height;
}

void HeadlessHost::SetVisible(HostWindowId Id, bool Visible, bool) {
  if (auto it = windows_.find(Id); it != windows_.end()) it->second.Visible = Visible;
}

void HeadlessHost::Raise(HostWindowId) {}
void HeadlessHost::Activate(HostWindowId) {}

void HeadlessHost::SetAlpha(HostWindowId Id, uint8_t Alpha) {
  if (auto it = windows_.find(Id); it != windows_.end()) it->second.Alpha = Alpha;
}

void HeadlessHost::Present(HostWindowId Id, cairo_surface_t* Surface, int, int, int, int) {
  auto it = windows_.find(Id);
  if (it == windows_.end()) return;
  it->second.LastPicture = Surface;
  ++it->second.PresentCount;
}

void HeadlessHost::SetCursor(HostWindowId Id, const CursorShape& Cursor) {
  if (auto it = windows_.find(Id); it != windows_.end()) it->second.Cursor = Cursor;
}

void HeadlessHost::WarpPointer(int ScreenX, int ScreenY) { pointer_ = {ScreenX, ScreenY}; }

bool HeadlessHost::PollEvent(HostEvent& Event) {
  if (events_.empty()) return false;
  Event = events_.front();
  events_.pop_front();
  bool pointer = Event.Kind == HostEventKind::MouseMove || Event.Kind == HostEventKind::ButtonDown ||
                 Event.Kind == HostEventKind::ButtonUp || Event.Kind == HostEventKind::Wheel;
  if (auto it = windows_.find(Event.Window); pointer && it != windows_.end())
    pointer_ = {it->second.Params.X + Event.X, it->second.Params.Y + Event.Y};
  return true;
}

void HeadlessHost::SetClipboardText(const std::string& Text, bool Primary) {
  (Primary ? primary_ : clipboard_) = Text;
}

std::string HeadlessHost::ClipboardText(bool Primary) { return Primary ? primary_ : clipboard_; }

const HeadlessHost::Window* HeadlessHost::Find(HostWindowId Id) const {
  auto it = windows_.find(Id);
  return it == windows_.end() ? nullptr : &it->second;
}

bool HeadlessHost::WritePng(HostWindowId Id, const std::string& Path) const {
  const Window* w = Find(Id);
  if (!w || !w->LastPicture) return false;
  cairo_surface_flush(w->LastPicture);
  return cairo_surface_write_to_png(w->LastPicture, Path.c_str()) == CAIRO_STATUS_SUCCESS;
}

}  // namespace platform
