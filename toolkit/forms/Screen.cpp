// TScreen and TMonitor: screen facts, the forms and their z-order, the
// active form and control, cursors and fonts.

#include <pango/pangocairo.h>

#include <algorithm>
#include <map>

#include "platform/display/DisplayHost.h"
#include "toolkit/forms/Forms.h"
#include "toolkit/forms/WinApi.h"
#include "toolkit/graphics/GraphicsObjects.h"
#include "toolkit/graphics/Resources.h"
#include "toolkit/rtl/Exceptions.h"

namespace {

struct TCursorObject {
  platform::CursorShape Shape;
};

const std::pair<TCursor, const char*> kCursorNames[] = {
    {crDefault, "crDefault"}, {crNone, "crNone"},         {crArrow, "crArrow"},       {crCross, "crCross"},
    {crIBeam, "crIBeam"},     {crSizeNESW, "crSizeNESW"}, {crSizeNS, "crSizeNS"},     {crSizeNWSE, "crSizeNWSE"},
    {crSizeWE, "crSizeWE"},   {crUpArrow, "crUpArrow"},   {crHourGlass, "crHourGlass"}, {crDrag, "crDrag"},
    {crNoDrop, "crNoDrop"},   {crHSplit, "crHSplit"},     {crVSplit, "crVSplit"},     {crMultiDrag, "crMultiDrag"},
    {crSQLWait, "crSQLWait"}, {crNo, "crNo"},             {crAppStart, "crAppStart"}, {crHelp, "crHelp"},
    {crHandPoint, "crHandPoint"}, {crSizeAll, "crSizeAll"}};

std::map<int, std::unique_ptr<TCursorObject>>& standardCursors() {
  static std::map<int, std::unique_ptr<TCursorObject>> m;
  return m;
}

std::vector<std::unique_ptr<TCursorObject>>& customCursors() {
  static std::vector<std::unique_ptr<TCursorObject>> v;
  return v;
}

HCURSOR toHandle(TCursorObject* o) { return reinterpret_cast<HCURSOR>(o); }
TCursorObject* fromHandle(HCURSOR h) { return reinterpret_cast<TCursorObject*>(h); }

}  // namespace

HCURSOR LoadCursor(TCursor Standard) {
  auto& m = standardCursors();
  auto& slot = m[Standard];
  if (!slot) {
    slot = std::make_unique<TCursorObject>();
    slot->Shape.Standard = Standard;
    slot->Shape.Name = std::to_string(Standard);
    for (auto& [c, n] : kCursorNames)
      if (c == Standard) slot->Shape.Name = n;
  }
  return toHandle(slot.get());
}

HCURSOR LoadCursorFromResource(const std::string& ResourceName, int HotX, int HotY) {
  TPixelImage image;
  int hx = 0, hy = 0;
  try {
    if (FindResourceOrNull(ResourceName, rkCursor)) {
      TIcoFile file = LoadResourceIcon(ResourceName, rkCursor);
      if (file.Entries.empty()) return nullptr;
      const TIcoEntry& e = file.Entries[file.BestIndex()];
      image = e.Image;
      hx = e.HotSpotX;
      hy = e.HotSpotY;
    } else if (FindResourceOrNull(ResourceName, rkBitmap)) {
      image = LoadResourceImage(ResourceName);
    } else {
      return nullptr;
    }
  } catch (const Exception&) {
    return nullptr;  // a broken picture gives no cursor, not a broken program
  }
  auto obj = std::make_unique<TCursorObject>();
  obj->Shape.Standard = 0;
  obj->Shape.Name = ResourceName;
  obj->Shape.Width = image.Width;
  obj->Shape.Height = image.Height;
  obj->Shape.HotX = HotX >= 0 ? HotX : hx;
  obj->Shape.HotY = HotY >= 0 ? HotY : hy;
  // Premultiplied, as the display wants it.
  for (uint32_t p : image.Pixels) {
    uint32_t a = ArgbA(p);
    auto mul = [a](uint32_t c) { return (c * a + 127) / 255; };
    obj->Shape.Pixels.push_back((a << 24) | (mul(ArgbR(p)) << 16) | (mul(ArgbG(p)) << 8) | mul(ArgbB(p)));
  }
  customCursors().push_back(std::move(obj));
  return toHandle(customCursors().back().get());
}

std::string CursorName(HCURSOR Cursor) { return Cursor ? fromHandle(Cursor)->Shape.Name : std::string(); }

// The picture behind a handle, for the window manager.
const platform::CursorShape* CursorShapeOf(HCURSOR Cursor) { return Cursor ? &fromHandle(Cursor)->Shape : nullptr; }

int TMonitor::Width() const { return platform::Facts().ScreenWidth; }
int TMonitor::Height() const { return platform::Facts().ScreenHeight; }
TRect TMonitor::WorkareaRect() const {
  const auto& f = platform::Facts();
  return Bounds(f.WorkAreaLeft, f.WorkAreaTop, f.WorkAreaWidth, f.WorkAreaHeight);
}

TScreen::TScreen(TComponent* AOwner)
    : TComponent(AOwner),
      hintFont_(std::make_unique<TFont>()),
      iconFont_(std::make_unique<TFont>()),
      menuFont_(std::make_unique<TFont>()) {}

TScreen::~TScreen() = default;

int TScreen::Width() const { return monitor_.Width(); }
int TScreen::Height() const { return monitor_.Height(); }
TRect TScreen::WorkAreaRect() const { return monitor_.WorkareaRect(); }

void TScreen::AddForm(TCustomForm* f) {
  forms_.push_back(f);
  zOrder_.push_back(f);
}

void TScreen::RemoveForm(TCustomForm* f) {
  std::erase(forms_, f);
  std::erase(zOrder_, f);
  if (activeForm_ == f) activeForm_ = nullptr;
  if (focusedForm_ == f) focusedForm_ = nullptr;
  if (activeControl_ && GetParentForm(activeControl_) == f) activeControl_ = nullptr;
}

void TScreen::MoveToFront(TCustomForm* f) {
  std::erase(zOrder_, f);
  zOrder_.push_back(f);
}

void TScreen::SetActiveForm(TCustomForm* f) {
  if (activeForm_ == f) return;
  activeForm_ = f;
  if (OnActiveFormChange) OnActiveFormChange(this);
}

void TScreen::SetActiveControl(TWinControl* c) {
  if (activeControl_ == c) return;
  activeControl_ = c;
  if (OnActiveControlChange) OnActiveControlChange(this);
}

void TScreen::SetCursor(TCursor v) {
  if (cursor_ == v) return;
  cursor_ = v;
  // Show it now, wherever the mouse is.
  TPoint p;
  GetCursorPos(p);
  HWND h = WindowFromPoint(p);
  if (!h) h = GetActiveWindow();
  if (h) SendMessage(h, WM_SETCURSOR, FromHWND(h), MakeLParam(static_cast<int>(HTCLIENT), WM_MOUSEMOVE));
}

HCURSOR TScreen::Cursors(int Index) const {
  for (auto& [i, h] : cursors_)
    if (i == Index) return h;
  return Index <= 0 ? LoadCursor(static_cast<TCursor>(Index)) : LoadCursor(crArrow);
}

void TScreen::SetCursors(int Index, HCURSOR Handle) {
  for (auto& [i, h] : cursors_)
    if (i == Index) {
      h = Handle;
      return;
    }
  cursors_.emplace_back(Index, Handle);
}

const std::vector<std::string>& TScreen::Fonts() {
  if (!fonts_.empty()) return fonts_;
  PangoFontMap* map = pango_cairo_font_map_get_default();
  PangoFontFamily** families = nullptr;
  int n = 0;
  pango_font_map_list_families(map, &families, &n);
  for (int i = 0; i < n; ++i) fonts_.emplace_back(pango_font_family_get_name(families[i]));
  g_free(families);
  std::sort(fonts_.begin(), fonts_.end());
  return fonts_;
}

bool IsAccel(uint32_t VK, const std::string& Str) {
  for (size_t i = 0; i + 1 < Str.size(); ++i) {
    if (Str[i] != '&') continue;
    if (Str[i + 1] == '&') {
      ++i;
      continue;
    }
    unsigned char c = static_cast<unsigned char>(Str[i + 1]);
    return std::toupper(c) == std::toupper(static_cast<int>(VK & 0xFF)) && VK < 256;
  }
  return false;
}

std::string StripHotkey(const std::string& Text) {
  std::string out;
  for (size_t i = 0; i < Text.size(); ++i) {
    if (Text[i] != '&') {
      out += Text[i];
    } else if (i + 1 < Text.size() && Text[i + 1] == '&') {
      out += '&';
      ++i;
    }
  }
  return out;
}
