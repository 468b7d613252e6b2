#include "grid/foundation/ExtGridStartup.h"

#include <map>

#include "grid/foundation/EsgHTMLE.h"
#include "grid/foundation/ExtXPVS.h"
#include "grid/foundation/esgdd.h"
#include "platform/clipboard/ClipboardFormats.h"
#include "platform/dragdrop/OleTypes.h"
#include "toolkit/forms/Messages.h"

TWinControl* FocusWindowGrid = nullptr;
HHOOK GridCallWndHook = nullptr;
bool ComCtl470 = false;
uint32_t GridCellsClipboardFormat = 0;
UINT GridEditDoneMessage = 0;
UINT DTPShiftFocusMessage = 0;
UINT PickerShiftFocusMessage = 0;
std::function<void(TWinControl*)> GridMoveFocusWindow;

namespace {

struct TRegistered {
  TGridClassFactory Create;
  const void* Identity;
};

std::map<std::string, TRegistered>& Registry() {
  static std::map<std::string, TRegistered> registry;
  return registry;
}

// One start counter per module, in start order.
enum TModule { mDragDrop, mPicker, mATXPVS, mHTML, mGrid, mColumnGrid, mCount };
int gStarts[mCount] = {};

LRESULT GridHookProc(int, WPARAM, LPARAM lParam) {
  const auto* msg = reinterpret_cast<const TCWPStruct*>(lParam);
  if (msg && (msg->message == WM_WINDOWPOSCHANGING || msg->message == WM_WINDOWPOSCHANGED) && FocusWindowGrid &&
      GridMoveFocusWindow)
    GridMoveFocusWindow(FocusWindowGrid);
  return CallNextHookEx(GridCallWndHook, 0, 0, lParam);
}

// OLE for the calling thread; a thread that has it already goes on with it.
void InitOle() { (void)OleInitialize(nullptr); }

void StartGridModule() {
  InitOle();
  FocusWindowGrid = nullptr;
  if (!GridCallWndHook) GridCallWndHook = SetWindowsHookEx(WH_CALLWNDPROC, GridHookProc);
  RegisterGridClasses(GridModuleClasses());
  ComCtl470 = ReadFileVersion("comctl32.dll") >= 0x40046;
  GridCellsClipboardFormat = RegisterClipboardFormat("TExtStringGrid Cells");
  GridEditDoneMessage = RegisterWindowMessage("GridEditDone");
  DTPShiftFocusMessage = RegisterWindowMessage("DTPShiftFocus");
}

void EndGridModule() {
  if (GridCallWndHook) UnhookWindowsHookEx(GridCallWndHook);
  GridCallWndHook = nullptr;
  OleUninitialize();
}

}  // namespace

int RegisterGridClasses(const std::vector<TGridClassEntry>& entries) {
  int added = 0;
  for (const auto& e : entries) {
    auto it = Registry().find(e.Name);
    if (it != Registry().end()) continue;  // held already, by this class or another: skip only this one
    Registry()[e.Name] = {e.Create, e.Identity};
    ++added;
  }
  return added;
}

bool GridClassRegistered(const std::string& Name) { return Registry().count(Name) != 0; }

TComponent* CreateGridClass(const std::string& Name, TComponent* Owner) {
  auto it = Registry().find(Name);
  return it == Registry().end() || !it->second.Create ? nullptr : it->second.Create(Owner);
}

void UnregisterGridClasses() { Registry().clear(); }

std::vector<TGridClassEntry>& GridModuleClasses() {
  static std::vector<TGridClassEntry> list;
  return list;
}

std::vector<TGridClassEntry>& ColumnGridModuleClasses() {
  static std::vector<TGridClassEntry> list;
  return list;
}

int ReadFileVersion(const std::string&) { return -1; }

void StartGridLibrary() {
  if (gStarts[mDragDrop]++ == 0) {
    SetOleDropRTF(false);
    RegisterDropFormats();  // never 0 in an outgoing drag
  }
  if (gStarts[mPicker]++ == 0) PickerShiftFocusMessage = RegisterWindowMessage("DTPShiftFocus");
  if (gStarts[mATXPVS]++ == 0) {
    RegisterThemeModule();
    BindThemeLibrary(ATXPVSBinding());
    BindThemeLibrary();
  }
  if (gStarts[mHTML]++ == 0) ThemesPossible = true;
  if (gStarts[mGrid]++ == 0) StartGridModule();
  if (gStarts[mColumnGrid]++ == 0) RegisterGridClasses(ColumnGridModuleClasses());
}

void EndGridLibrary() {
  if (gStarts[mColumnGrid] > 0) --gStarts[mColumnGrid];
  if (gStarts[mGrid] > 0 && --gStarts[mGrid] == 0) EndGridModule();
  if (gStarts[mHTML] > 0) --gStarts[mHTML];
  if (gStarts[mATXPVS] > 0 && --gStarts[mATXPVS] == 0) {
    ReleaseThemeLibrary();
    ReleaseThemeLibrary(ATXPVSBinding());
  }
  if (gStarts[mPicker] > 0) --gStarts[mPicker];
  if (gStarts[mDragDrop] > 0) --gStarts[mDragDrop];
}
