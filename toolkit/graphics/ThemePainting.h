#pragma once
// The theme painter on a device context: the entry points framework code
// calls with a canvas (HDC) and logical rectangles, and the "uxtheme" module
// that binds them by name (platform/kernel/Modules.h).
//
// Binding: LoadLibrary("uxtheme") (or "UXTHEME.DLL") finds the module once
// RegisterThemeModule has run; every one of the 45 conventional entry names
// is present. The entries below have the types given here (use
// GetProcAddressAs<TDrawThemeBackgroundProc> and so on); the others, which
// this system never calls, answer E_NOTIMPL and have type TThemeStubProc.

#include <string>

#include "platform/theme/Theme.h"
#include "toolkit/graphics/CanvasTypes.h"
#include "toolkit/rtl/Types.h"

struct HWND__;
using HWND = HWND__*;

// rect and clip are logical coordinates of the canvas.
HRESULT DrawThemeBackground(HTHEME theme, HDC dc, int part, int state, const TRect* rect, const TRect* clip);
// charCount -1 takes the whole text; flags are DT_ flags; flags2 is unused.
HRESULT DrawThemeText(HTHEME theme, HDC dc, int part, int state, const char* text, int charCount,
                      uint32_t flags, uint32_t flags2, const TRect* rect);
HRESULT GetThemePartSize(HTHEME theme, HDC dc, int part, int state, const TRect* rect, THEMESIZE kind, TSize* size);
HRESULT GetThemeBackgroundContentRect(HTHEME theme, HDC dc, int part, int state, const TRect* bounds, TRect* content);

using TOpenThemeDataProc = HTHEME (*)(HWND, const char*);
using TCloseThemeDataProc = HRESULT (*)(HTHEME);
using TDrawThemeBackgroundProc = HRESULT (*)(HTHEME, HDC, int, int, const TRect*, const TRect*);
using TDrawThemeTextProc = HRESULT (*)(HTHEME, HDC, int, int, const char*, int, uint32_t, uint32_t, const TRect*);
using TGetThemePartSizeProc = HRESULT (*)(HTHEME, HDC, int, int, const TRect*, THEMESIZE, TSize*);
using TGetThemeBackgroundContentRectProc = HRESULT (*)(HTHEME, HDC, int, int, const TRect*, TRect*);
using TIsThemeActiveProc = bool (*)();
using TIsAppThemedProc = bool (*)();
// Writes the names (NUL-terminated, cut to the buffer sizes); E_FAIL while themes are off.
using TGetCurrentThemeNameProc = HRESULT (*)(char*, int, char*, int, char*, int);
using TThemeStubProc = HRESULT (*)();

// The module's name in the table and its 45 entry names, in the conventional order.
constexpr const char* kThemeModuleName = "uxtheme";
extern const char* const kThemeEntryNames[45];

// Registers the module; calling it again changes nothing.
void RegisterThemeModule();
