#include "toolkit/graphics/ThemePainting.h"

#include <cstring>
#include <mutex>

#include "platform/kernel/Modules.h"
#include "toolkit/graphics/Canvas.h"

namespace {

TThemeRect ToTheme(const TRect& r) { return {r.Left, r.Top, r.Right, r.Bottom}; }

TThemeRect Device(TCanvas* canvas, const TRect& r) { return ToTheme(canvas->LogicalToSurface(r)); }

HTHEME ModuleOpenThemeData(HWND window, const char* classList) {
  return OpenThemeData(window, classList ? classList : "");
}

bool ModuleIsThemeActive() { return IsThemeActive(); }
bool ModuleIsAppThemed() { return IsAppThemed(); }

void CopyName(const std::string& from, char* to, int size) {
  if (!to || size <= 0) return;
  const size_t n = std::min(from.size(), size_t(size - 1));
  std::memcpy(to, from.data(), n);
  to[n] = 0;
}

HRESULT ModuleGetCurrentThemeName(char* file, int fileSize, char* color, int colorSize, char* size, int sizeSize) {
  std::string f, c, s;
  const HRESULT hr = GetCurrentThemeName(&f, &c, &s);
  if (hr != S_OK) return hr;
  CopyName(f, file, fileSize);
  CopyName(c, color, colorSize);
  CopyName(s, size, sizeSize);
  return S_OK;
}

HRESULT NotImplemented() { return E_NOTIMPL; }

// Ensures the table is there in any program that links theme drawing.
const bool g_registered = (RegisterThemeModule(), true);

}  // namespace

const char* const kThemeEntryNames[45] = {
    "OpenThemeData", "CloseThemeData", "DrawThemeBackground", "DrawThemeText",
    "GetThemeBackgroundContentRect", "GetThemeBackgroundExtent", "GetThemeTextExtent", "GetThemeTextMetrics",
    "GetThemeBackgroundRegion", "HitTestThemeBackground", "DrawThemeEdge", "DrawThemeIcon",
    "IsThemePartDefined", "IsThemeBackgroundPartiallyTransparent", "GetThemeColor", "GetThemeMetric",
    "GetThemeString", "GetThemeBool", "GetThemeInt", "GetThemeEnumValue", "GetThemePosition", "GetThemeFont",
    "GetThemeRect", "GetThemeMargins", "GetThemeIntList", "SetWindowTheme", "GetThemeFilename",
    "GetThemeSysColor", "GetThemeSysColorBrush", "GetThemeSysBool", "GetThemeSysSize", "GetThemeSysFont",
    "GetThemeSysString", "GetThemeSysInt", "IsThemeActive", "IsAppThemed", "GetWindowTheme",
    "EnableThemeDialogTexture", "IsThemeDialogTextureEnabled", "GetThemeAppProperties",
    "SetThemeAppProperties", "GetCurrentThemeName", "GetThemeDocumentationProperty",
    "DrawThemeParentBackground", "EnableTheming",
};

HRESULT DrawThemeBackground(HTHEME theme, HDC dc, int part, int state, const TRect* rect, const TRect* clip) {
  if (!dc || !rect) return E_INVALIDARG;
  if (ThemeClassOf(theme) == TThemeClass::None) return E_HANDLE;
  cairo_t* cr = dc->CairoContext();
  if (!cr) return E_FAIL;
  const TThemeRect r = Device(dc, *rect);
  const TThemeRect c = clip ? Device(dc, *clip) : TThemeRect{};
  const HRESULT hr = DrawThemeBackground(theme, cr, part, state, &r, clip ? &c : nullptr);
  return hr;
}

HRESULT DrawThemeText(HTHEME theme, HDC dc, int part, int state, const char* text, int charCount,
                      uint32_t flags, uint32_t, const TRect* rect) {
  if (!dc || !rect || !text) return E_INVALIDARG;
  if (ThemeClassOf(theme) == TThemeClass::None) return E_HANDLE;
  cairo_t* cr = dc->CairoContext();
  if (!cr) return E_FAIL;
  const std::string s = charCount < 0 ? std::string(text) : std::string(text, strnlen(text, size_t(charCount)));
  const TThemeRect r = Device(dc, *rect);
  const HRESULT hr = DrawThemeText(theme, cr, part, state, s, flags, &r);
  return hr;
}

HRESULT GetThemePartSize(HTHEME theme, HDC, int part, int state, const TRect* rect, THEMESIZE kind, TSize* size) {
  if (!size) return E_INVALIDARG;
  const TThemeRect r = rect ? ToTheme(*rect) : TThemeRect{};
  TThemeSize s;
  const HRESULT hr = GetThemePartSize(theme, part, state, rect ? &r : nullptr, kind, &s);
  if (hr == S_OK) *size = {s.cx, s.cy};
  return hr;
}

HRESULT GetThemeBackgroundContentRect(HTHEME theme, HDC, int part, int state, const TRect* bounds, TRect* content) {
  if (!bounds || !content) return E_INVALIDARG;
  const TThemeRect b = ToTheme(*bounds);
  TThemeRect c;
  const HRESULT hr = GetThemeBackgroundContentRect(theme, part, state, &b, &c);
  if (hr == S_OK) *content = {c.Left, c.Top, c.Right, c.Bottom};
  return hr;
}

void RegisterThemeModule() {
  static std::once_flag once;
  std::call_once(once, [] {
    using platform::RegisterEntryPoint;
    const std::string_view m = kThemeModuleName;
    for (const char* name : kThemeEntryNames) RegisterEntryPoint(m, name, &NotImplemented);
    RegisterEntryPoint(m, "OpenThemeData", &ModuleOpenThemeData);
    RegisterEntryPoint(m, "CloseThemeData", static_cast<HRESULT (*)(HTHEME)>(&CloseThemeData));
    RegisterEntryPoint(m, "DrawThemeBackground", static_cast<TDrawThemeBackgroundProc>(&DrawThemeBackground));
    RegisterEntryPoint(m, "DrawThemeText", static_cast<TDrawThemeTextProc>(&DrawThemeText));
    RegisterEntryPoint(m, "GetThemePartSize", static_cast<TGetThemePartSizeProc>(&GetThemePartSize));
    RegisterEntryPoint(m, "GetThemeBackgroundContentRect",
                       static_cast<TGetThemeBackgroundContentRectProc>(&GetThemeBackgroundContentRect));
    RegisterEntryPoint(m, "IsThemeActive", &ModuleIsThemeActive);
    RegisterEntryPoint(m, "IsAppThemed", &ModuleIsAppThemed);
    RegisterEntryPoint(m, "GetCurrentThemeName", &ModuleGetCurrentThemeName);
  });
}
