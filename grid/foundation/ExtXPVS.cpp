#include "grid/foundation/ExtXPVS.h"

#include "platform/kernel/Modules.h"

TThemeBinding& ExtXPVSBinding() {
  static TThemeBinding binding;
  return binding;
}

TThemeBinding& ATXPVSBinding() {
  static TThemeBinding binding;
  return binding;
}

void BindThemeLibrary(TThemeBinding& b) {
  if (b.Loaded) return;
  HMODULE lib = LoadLibrary("UXTHEME.DLL");
  if (!lib) return;
  b.Loaded = true;
  b.Library = lib;
  for (int i = 0; i < 45; ++i) b.Slots[i] = GetProcAddress(lib, kThemeEntryNames[i]);
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
  b = TThemeBinding{};
}

void BindThemeLibrary() { BindThemeLibrary(ExtXPVSBinding()); }
void ReleaseThemeLibrary() { ReleaseThemeLibrary(ExtXPVSBinding()); }

bool ThemedLookActive() {
  const TThemeBinding& b = ExtXPVSBinding();
  return b.Loaded && b.IsThemeActive && b.OpenThemeData && b.DrawThemeBackground && b.CloseThemeData &&
         b.IsThemeActive();
}
