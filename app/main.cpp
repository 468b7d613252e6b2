// Entry point of the configurator: every window is created once, the main
// window first, and lives until the program ends.
#include "app/UWindows.h"
#include "toolkit/forms/Forms.h"

int main() {
  InitializeForms();
  Application->Initialize();
  Application->SetMainFormOnTaskBar(true);
  Create_Windows();
  Application->Run();
  FinalizeForms();
  return 0;
}
