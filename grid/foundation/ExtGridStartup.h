#pragma once
// Start-up and shutdown of the grid library's modules. The program's entry
// point and the test fixtures call StartGridLibrary and EndGridLibrary
// explicitly (no static initialisers); each module starts once, a second
// call changes nothing, and the ends run in the reverse order of the starts.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "toolkit/forms/WinApi.h"

class TComponent;
class TWinControl;

// ---- values of the grid module
extern TWinControl* FocusWindowGrid;
extern HHOOK GridCallWndHook;
extern bool ComCtl470;
extern uint32_t GridCellsClipboardFormat;
extern UINT GridEditDoneMessage;
extern UINT DTPShiftFocusMessage;
// The date-time picker module's own copy of "DTPShiftFocus".
extern UINT PickerShiftFocusMessage;
// Called by the thread hook for window-position messages while FocusWindowGrid is set.
extern std::function<void(TWinControl*)> GridMoveFocusWindow;

// ---- the component-streaming registry of the grid's classes
using TGridClassFactory = std::function<TComponent*(TComponent* Owner)>;
struct TGridClassEntry {
  std::string Name;
  TGridClassFactory Create;
  const void* Identity = nullptr;  // the class; another class under the same name is a duplicate
};
// Registers each entry; a name that another class already holds is skipped
// alone, so one duplicate does not lose the rest of the list. Returns the
// number registered.
int RegisterGridClasses(const std::vector<TGridClassEntry>& entries);
bool GridClassRegistered(const std::string& Name);
TComponent* CreateGridClass(const std::string& Name, TComponent* Owner);
void UnregisterGridClasses();
// The classes the grid module and the column grid module register at their
// starts; their units add to these lists before the program starts the library.
std::vector<TGridClassEntry>& GridModuleClasses();
std::vector<TGridClassEntry>& ColumnGridModuleClasses();

// Major x 65536 + minor of a file's version resource; -1 without one (the
// platform's files carry none).
int ReadFileVersion(const std::string& FileName);

void StartGridLibrary();
void EndGridLibrary();
