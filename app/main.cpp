// Entry point of the configurator: every window is created once, the main
// window first, and lives until the program ends.
#include "app/UWindows.h"
#include "grid/foundation/ExtGridStartup.h"
#include "toolkit/forms/Forms.h"

int main() {
  InitializeForms();
  // The grid library's modules: drop formats, registered messages, the theme
  // binding and the hook that keeps the focus frame on its cell.
  StartGridLibrary();
  Application->Initialize();
  Application->SetMainFormOnTaskBar(true);
  Create_Windows();
  Application->Run();
  EndGridLibrary();
  FinalizeForms();
  return 0;
}
