#include "grid/foundation/ExtXPVS.h"

#include "platform/kernel/Modules.h"
#include "toolkit/rtl/Exceptions.h"

#include <string>

TThemeBinding& ExtXPVSBinding() {
  static TThemeBinding binding;
  return binding;
}

TThemeBinding& ATXPVSBinding() {
  static TThemeBinding binding{"ATXPVS"};
  return binding;
}

void BindThemeLibrary(TThemeBinding& b, std::string_view LibraryName) {
  if (b.Loaded) return;
  HMODULE lib = LoadLibrary(LibraryName);
  if (!lib) return;
  for (int i = 0; i < 45; ++i) {
    b.Slots[i] = GetProcAddress(lib, kThemeEntryNames[i]);
    if (b.Slots[i]) continue;
    FreeLibrary(lib);
    b = TThemeBinding{b.Module};
    throw EAssertionFailed(std::string(b.Module) + ": the theme library has no entry point " + kThemeEntryNames[i]);
  }
  b.Loaded = true;
  b.Library = lib;
  b.OpenThemeData = GetProcAddressAs<TOpenThemeDataProc>(lib, "OpenThemeData");
  b.CloseThemeData = GetProcAddressAs<TCloseThemeDataProc>(lib, "CloseThemeData");
  b.DrawThemeBackground = GetProcAddressAs<TDrawThemeBackgroundProc>(lib, "DrawThemeBackground");
  b.DrawThemeText = GetProcAddressAs<TDrawThemeTextProc>(lib, "DrawThemeText");
  b.GetThemeBackgroundContentRect =
      GetProcAddressAs<TGetThemeBackgroundContentRectProc>(lib, "GetThemeBackgroundContentRect");
  b.GetThemePartSize = GetProcAddressAs<TGetThemePartSizeProc>(lib, "GetThemePartSize");
  b.IsThemeActive = GetProcAddressAs<TIsThemeActiveProc>(lib, "IsThemeActive");
  b.IsAppThemed = GetProcAddressAs<TIsAppThemedProc>(lib, "IsAppThemed");
  b.GetCurrentThemeName = GetProcAddressAs<TGetCurrentThemeNameProc>(lib, "GetCurrentThemeName");
}

void ReleaseThemeLibrary(TThemeBinding& b) {
  if (!b.Loaded) return;
  FreeLibrary(b.Library);
  b = TThemeBinding{b.Module};
}

void BindThemeLibrary() { BindThemeLibrary(ExtXPVSBinding()); }
void ReleaseThemeLibrary() { ReleaseThemeLibrary(ExtXPVSBinding()); }

bool ThemedLookActive() {
  const TThemeBinding& b = ExtXPVSBinding();
  return b.Loaded && b.IsThemeActive && b.OpenThemeData && b.DrawThemeBackground && b.CloseThemeData &&
         b.IsThemeActive();
}
