// Small services of the editing code: Tab handed to the grid, a click on a
// cell reached by Enter, the notice of a refused entry and the frame that
// marks the edited cell.

#include "grid/core/ExtGrid.h"
#include "toolkit/rtl/ScopeGuard.h"
#include "grid/editing/ExtInplaceEdit.h"
#include "grid/editing/GridCombo.h"
#include "grid/foundation/ExtObjIndicators.h"
#include "toolkit/forms/Forms.h"
#include "toolkit/forms/WinApi.h"

namespace {
// The one grid whose focus frame shows; cleared when that grid goes.
TExtStringGrid* FocusWindowGrid = nullptr;
}  // namespace

void TExtStringGrid::tabOn() {
  if (!HandleAllocated()) return;
  if (Options().Contains(goTabs)) Perform(WM_KEYDOWN, VK_TAB, 0);
  else PostMessage(Handle(), WM_KEYDOWN, VK_TAB, 0);
}

void TExtStringGrid::clickCellAt(int ADisplCol, int ARow) {
  TRect r = CellRect(ADisplCol, ARow);
  LPARAM at = MakeLParam(r.Left + 2, r.Top + 2);
  FForceSel = true;
  auto clear = MakeScopeGuard([this] { FForceSel = false; });
  Perform(WM_LBUTTONDOWN, MK_LBUTTON, at);
  Perform(WM_LBUTTONUP, 0, at);
}

// The notice stands as a hint over the editor that holds the refused value.
void TExtStringGrid::ShowInvalidEntryNotice() {
  TWinControl* at = EditCtrl ? EditCtrl : static_cast<TWinControl*>(NormalEdit());
  if (!at || !at->HandleAllocated() || !Application) return;
  std::string text = FInvalidEntryTitle;
  if (!FInvalidEntryText.empty()) text += (text.empty() ? "" : "\n") + FInvalidEntryText;
  TPoint p = at->ClientToScreen({0, at->Height()});
  Application->ActivateHint(p);
  at->SetHint(text);
}

void TExtStringGrid::ShowFocusWindow(const TRect& R) {
  if (!FFocusWindow) {
    FFocusWindow = new TGridFocusWindow(this);
    FFocusWindow->SetColor(static_cast<TColor>(0xFDD397));
  }
  FocusWindowGrid = this;
  TPoint origin = ClientToScreen({R.Left - 4, R.Top - 4});
  FFocusWindow->SetBounds(origin.X, origin.Y, R.Width() + 9, R.Height() + 9);
  FFocusWindow->SetVisible(true);
}

void TExtStringGrid::HideFocusWindow() {
  if (FocusWindowGrid == this) FocusWindowGrid = nullptr;
  if (FFocusWindow) FFocusWindow->SetVisible(false);
}
