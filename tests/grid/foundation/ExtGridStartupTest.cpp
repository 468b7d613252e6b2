#include "grid/foundation/ExtGridStartup.h"

#include <gtest/gtest.h>

#include "grid/foundation/ExtXPVS.h"
#include "grid/foundation/esgdd.h"
#include "toolkit/forms/Forms.h"
#include "toolkit/forms/WinApi.h"
#include "toolkit/testing/TestDriver.h"

namespace {

class GridStartup : public FormsTest {
protected:
  void TearDown() override { UnregisterGridClasses(); }
};

TEST_F(GridStartup, StartsOnceEndsInReverseAndSharesRegisteredNumbers) {
  StartGridLibrary();
  const HHOOK hook = GridCallWndHook;
  ASSERT_NE(hook, nullptr);
  StartGridLibrary();  // a second start changes nothing
  EXPECT_EQ(GridCallWndHook, hook);
  EXPECT_FALSE(ComCtl470);  // no version resource on this platform
  EXPECT_NE(GridCellsClipboardFormat, 0u);
  EXPECT_EQ(GridCellsClipboardFormat, CF_GRIDCELLS);
  EXPECT_NE(CF_GRIDCOL, 0);
  EXPECT_EQ(DTPShiftFocusMessage, PickerShiftFocusMessage);
  EXPECT_NE(GridEditDoneMessage, 0u);
  EXPECT_TRUE(ATXPVSBinding().Loaded);
  EXPECT_TRUE(ExtXPVSBinding().Loaded);
  EndGridLibrary();
  EXPECT_EQ(GridCallWndHook, hook);  // one start still open
  EndGridLibrary();
  EXPECT_EQ(GridCallWndHook, nullptr);
  EXPECT_FALSE(ATXPVSBinding().Loaded);
}

TEST_F(GridStartup, HookMovesTheFocusWindowOfTheGrid) {
  StartGridLibrary();
  TForm* form = new TForm(Application);
  form->Show();
  int moves = 0;
  GridMoveFocusWindow = [&](TWinControl* grid) { moves += grid == form; };
  FocusWindowGrid = form;
  SendMessage(form->Handle(), WM_WINDOWPOSCHANGED, 0, 0);
  EXPECT_EQ(moves, 1);
  SendMessage(form->Handle(), WM_SIZE, 0, 0);  // other messages pass
  EXPECT_EQ(moves, 1);
  FocusWindowGrid = nullptr;
  GridMoveFocusWindow = nullptr;
  EndGridLibrary();
}

TEST_F(GridStartup, ADuplicateClassSkipsOnlyItself) {
  static const int a = 0, b = 0;
  const std::vector<TGridClassEntry> first = {{"TGridCombo", nullptr, &a}};
  EXPECT_EQ(RegisterGridClasses(first), 1);
  const std::vector<TGridClassEntry> list = {
      {"TGridSpin", nullptr, &a}, {"TGridCombo", nullptr, &b}, {"TGridCheckBox", nullptr, &a}};
  EXPECT_EQ(RegisterGridClasses(list), 2);
  EXPECT_TRUE(GridClassRegistered("TGridSpin"));
  EXPECT_TRUE(GridClassRegistered("TGridCheckBox"));
  EXPECT_EQ(CreateGridClass("Unknown", nullptr), nullptr);
}

}  // namespace
