#pragma once
// The grid library's binding of the theme library. The library is looked up
// by name at run time so that a system without it still starts and draws the
// classic looks: every slot stays empty and callers test it before calling.

#include <string_view>

#include "toolkit/graphics/ThemePainting.h"

struct TModuleHandle;

// One binding table: the entry points the grid library calls are typed; the
// others are kept as plain addresses (bound, never called).
struct TThemeBinding {
  const char* Module = "ExtXPVS";  // the module whose copy this is, for reports
  bool Loaded = false;
  TModuleHandle* Library = nullptr;
  TOpenThemeDataProc OpenThemeData = nullptr;
  TCloseThemeDataProc CloseThemeData = nullptr;
  TDrawThemeBackgroundProc DrawThemeBackground = nullptr;
  TDrawThemeTextProc DrawThemeText = nullptr;
  TGetThemeBackgroundContentRectProc GetThemeBackgroundContentRect = nullptr;
  TGetThemePartSizeProc GetThemePartSize = nullptr;
  TIsThemeActiveProc IsThemeActive = nullptr;
  TIsAppThemedProc IsAppThemed = nullptr;
  TGetCurrentThemeNameProc GetCurrentThemeName = nullptr;
  // All 45 conventional slots by position (kThemeEntryNames order).
  void* Slots[45] = {};
};

// The grid's copy (ExtXPVS) and the drop-down controls' copy (ATXPVS).
TThemeBinding& ExtXPVSBinding();
TThemeBinding& ATXPVSBinding();

// Binds the grid's copy once. Without a theme library every slot stays empty
// and the classic looks are drawn; a library that lacks one of the entry
// points is a broken installation: EAssertionFailed names the module and the
// entry, and the binding stays empty.
void BindThemeLibrary();
void ReleaseThemeLibrary();
void BindThemeLibrary(TThemeBinding& binding, std::string_view LibraryName = "UXTHEME.DLL");
void ReleaseThemeLibrary(TThemeBinding& binding);

// True when the grid's copy is bound and the platform reports visual styles on.
bool ThemedLookActive();
