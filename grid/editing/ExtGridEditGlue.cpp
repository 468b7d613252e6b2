// Small services of the editing code: Tab handed to the grid, a click on a
// cell reached by Enter, the notice of a refused entry, the frame that
// marks the edited cell and the growth of a cell while its text is typed.

#include "grid/core/ExtGrid.h"
#include "toolkit/rtl/ScopeGuard.h"
#include "grid/editing/ExtInplaceEdit.h"
#include "grid/editing/GridCombo.h"
#include "grid/editing/InvalidEntryBalloon.h"
#include "grid/foundation/ExtGridStartup.h"
#include "grid/foundation/ExtObjAlphaMask.h"
#include "grid/foundation/ExtObjIndicators.h"
#include "toolkit/forms/Forms.h"
#include "toolkit/forms/WinApi.h"

namespace {
// The frame: 4 pixels left of and above the cell, 5 right of and below it.
constexpr int kFrameInset = 4;
constexpr int kFrameExtra = 9;
const TColor kFrameColor = static_cast<TColor>(0xFDD397);
constexpr uint8_t kFrameOpacity = 230;

// The glow of a w x h frame: a blurred rounded outline in the frame colour.
void buildFrameImage(TGridAlphaMask& Image, int W, int H) {
  TBitmap mask;
  DrawRoundRectMask(&mask, W, H, 4, 5, 3.0);
  TBitmap colour;
  colour.SetPixelFormat(pf24bit);
  colour.SetSize(W, H);
  colour.Canvas()->Brush()->SetColor(kFrameColor);
  colour.Canvas()->Pen()->SetColor(kFrameColor);
  colour.Canvas()->FillRect(TRect(0, 0, W, H));
  Image.MergeMask(&mask, &colour, static_cast<TColor>(0xFFFF));
  Image.Opacity = kFrameOpacity;
}

UINT FocusWindowPlacementMessage() {
  static const UINT msg = RegisterWindowMessage("GridPlaceFocusWindow");
  return msg;
}
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

// The balloon stands below the editor that holds the refused value: the
// special editor when one is open (an editable combo's edit field), else
// the text editor.
void TExtStringGrid::ShowInvalidEntryNotice() {
  TWinControl* at = FSpecialEditor && EditCtrl ? EditCtrl : static_cast<TWinControl*>(NormalEdit());
  if (auto* combo = dynamic_cast<TCustomComboBox*>(at); combo && combo->EditControl()) at = combo->EditControl();
  if (!at || !at->HandleAllocated()) return;
  if (!FInvalidEntryBalloon) FInvalidEntryBalloon = new TInvalidEntryBalloon(this);
  FInvalidEntryBalloon->ShowAt(at->ClientToScreen({0, at->Height()}), FInvalidEntryTitle, FInvalidEntryText,
                               FInvalidEntryIcon);
}

void TExtStringGrid::HideInvalidEntryNotice() {
  if (FInvalidEntryBalloon) FInvalidEntryBalloon->Close();
}

// The frame floats over the edited cell: a disabled popup whose region has a
// hole over the cell, so clicks on the cell reach the grid. The thread hook
// moves it back over the cell whenever a window of the program moves.
void TExtStringGrid::ShowFocusWindow(const TRect& R) {
  if (!FFocusWindow) FFocusWindow = new TGridFocusWindow(this);
  // The hook sees a window about to move: the frame follows once the move is done.
  if (!GridMoveFocusWindow) {
    GridMoveFocusWindow = [](TWinControl* Grid) {
      if (auto* g = dynamic_cast<TExtStringGrid*>(Grid)) g->queueFocusWindowPlacement();
    };
  }
  FocusWindowGrid = this;
  FFocusWindow->SetVisible(false);
  int w = R.Width() + kFrameExtra, h = R.Height() + kFrameExtra;
  TGridAlphaMask image;
  buildFrameImage(image, w, h);
  FFocusWindow->SetColor(Color());
  FFocusWindow->SetImage(image);
  int cw = R.Width(), ch = R.Height(), in = kFrameInset;
  FFocusWindow->SetWindowRgn({TRect(0, 0, w, in), TRect(0, in + ch, w, h), TRect(0, in, in, in + ch),
                              TRect(in + cw, in, w, in + ch)});
  TPoint origin = ClientToScreen({R.Left - in, R.Top - in});
  FFocusWindow->SetBounds(origin.X, origin.Y, w, h);
  FFocusWindow->SetVisible(true);
  if (FFocusWindow->HandleAllocated()) SetLayeredWindowAttributes(FFocusWindow->Handle(), 0, kFrameOpacity, LWA_ALPHA);
}

void TExtStringGrid::PositionFocusWindow() {
  if (!FFocusWindow || !FFocusWindow->Visible()) return;
  TRect r = CellRect(Col(), Row());
  TPoint origin = ClientToScreen({r.Left - kFrameInset, r.Top - kFrameInset});
  TRect to(origin.X, origin.Y, origin.X + r.Width() + kFrameExtra, origin.Y + r.Height() + kFrameExtra);
  // Moving the frame is a window move the hook sees too: only a real change moves it.
  if (!(FFocusWindow->BoundsRect() == to)) FFocusWindow->SetBoundsRect(to);
}

void TExtStringGrid::queueFocusWindowPlacement() {
  if (FPlacingFocusWindow || !HandleAllocated()) return;
  FPlacingFocusWindow = true;
  PostMessage(Handle(), FocusWindowPlacementMessage(), 0, 0);
}

bool TExtStringGrid::handleFocusWindowPlacement(TMessage& Message) {
  if (Message.Msg != FocusWindowPlacementMessage()) return false;
  FPlacingFocusWindow = false;
  PositionFocusWindow();
  return true;
}

void TExtStringGrid::HideFocusWindow() {
  if (FocusWindowGrid == this) FocusWindowGrid = nullptr;
  if (FFocusWindow) FFocusWindow->SetVisible(false);
}

// Grow-while-typing: the edited text is in the cell already, so the column
// or row is sized to its contents like any auto-size; the editor follows.
void TExtStringGrid::SizeColumnWhileTyping(int ADisplCol) { AutoSizeCol(ADisplCol, 0); }

void TExtStringGrid::SizeRowWhileTyping(int ARow) {
  bool synch = FColumnSize.SynchWithGrid();
  FColumnSize.SetSynchWithGrid(false);
  auto restore = MakeScopeGuard([this, synch] { FColumnSize.SetSynchWithGrid(synch); });
  AutoSizeRow(ARow, 0);
  if (OnEndRowSize) OnEndRowSize(this, ARow);
}
