// Entry point of the configurator: every window is created once, the main
// window first, and lives until the program ends.
#include "app/UAbout.h"
#include "app/UNew_Project.h"
#include "app/UOpenConf.h"
#include "app/USoftOptions.h"
#include "app/UTessimatoreFirmWare.h"
#include "editors/UParGen.h"
#include "outputs/UBootCANForm.h"

int main() {
  InitializeForms();
  Application->Initialize();
  Application->SetMainFormOnTaskBar(true);
  Application->CreateForm(FTessimatoreFirmWare);
  Application->CreateForm(FNew_Project);
  Application->CreateForm(FOpenConf);
  Application->CreateForm(FAbout);
  Application->CreateForm(FSoftOptions);
  Application->CreateForm(FParGen);
  Application->CreateForm(FBootCAN);
  Application->Run();
  FinalizeForms();
  return 0;
}
