// The grid as a source and a target of OLE drags: registration of its drop
// target, the start of a drag from the mouse, and the clearing of the
// source after a move.
//
// A move within one grid clears only the source cells outside the block it
// was dropped on, so a block moved onto itself or next to itself keeps what
// the drop wrote.

#include "grid/core/ExtGrid.h"
#include "grid/core/HeaderDragButton.h"
#include "grid/exchange/GridDragDrop.h"
#include "grid/exchange/GridDragImage.h"
#include "grid/foundation/ExtObjIndicators.h"
#include "platform/dragdrop/DragDrop.h"
#include "toolkit/rtl/ScopeGuard.h"

#include <cstdlib>

// The grid's registered drop target; revoked when the grid goes or the setting is switched off.
class TGridDropRegistration {
public:
  TGridDropRegistration(HWND Window, TGridDropTarget* Target) : FWindow(Window), FTarget(Target) {
    FRegistered = RegisterDragDrop(FWindow, Target) == S_OK;
  }
  ~TGridDropRegistration() {
    if (FRegistered) RevokeDragDrop(FWindow);
  }
  TGridDropRegistration(const TGridDropRegistration&) = delete;
  TGridDropRegistration& operator=(const TGridDropRegistration&) = delete;
  TGridDropTarget* Target() const { return FTarget.Get(); }

private:
  HWND FWindow;
  ComPtr<TGridDropTarget> FTarget;
  bool FRegistered = false;
};

void TExtStringGrid::oleDropTargetChanged(bool On) {
  if (ComponentState().Contains(csDesigning)) return;
  FDropRegistration.reset();
  if (!On) return;
  RegisterDropFormats();
  auto* target = new TGridDropTarget(this);
  target->SetAcceptText(FDragDropSettings.OleAcceptText());
  target->SetAcceptFiles(FDragDropSettings.OleAcceptFiles());
  target->SetAcceptURLs(FDragDropSettings.OleAcceptURLs());
  target->SetAcceptCols(true);
  FDropRegistration = std::make_shared<TGridDropRegistration>(Handle(), target);
}

bool TExtStringGrid::oleDragCheck(TShiftState Shift, int X, int Y) {
  if (!FOleArmed || !FDragDropSettings.OleDropSource() || !Shift.Contains(ssLeft)) return false;
  if (std::abs(X - FOlePress.X) <= 3 && std::abs(Y - FOlePress.Y) <= 3) return false;
  FOleArmed = false;
  if (FGridState == gsColSizing || FGridState == gsRowSizing) return false;
  int col = -1, row = -1;
  MouseToCell(FOlePress.X, FOlePress.Y, col, row);
  if (col < 0 || row < 0) return false;
  if (FDragDropSettings.OleColumnsOnly() && row >= FixedRows()) return false;
  bool allow = true;
  if (OnOleDrag) OnOleDrag(this, row, col, allow);
  if (!allow) return false;
  StartOleDrag(col, row);
  return true;
}

void TExtStringGrid::StartOleDrag(int ACol, int ARow) {
  RegisterDropFormats();
  auto* source = new TGridDropSource(this);
  ComPtr<TGridDropSource> keep(source);
  if (OnOleDragStart) OnOleDragStart(this, ARow, ACol);
  DoStartBlockFocus();
  auto blockEnd = MakeScopeGuard([this] { DoEndBlockFocus(); });
  const bool column = ARow < FixedRows() && FDragDropSettings.OleColumnDragDrop();
  showOleDragImage(ACol, column);
  const DWORD effect = runOleDrag(source, ACol, column);
  if (OnOleDragStop) OnOleDragStop(this, static_cast<int>(effect));
}

uint32_t TExtStringGrid::runOleDrag(TGridDropSource* Source, int ACol, bool Column) {
  // Whatever way the drag ends (dropped elsewhere, cancelled, an exception),
  // nothing of it stays on screen.
  auto traces = MakeScopeGuard([this] {
    FOleDragImage.reset();
    hideOleIndicators(true);
    LastGridDrop() = {};
  });
  LastGridDrop() = {};
  DWORD effect = DROPEFFECT_NONE;
  if (Column) {
    StartColumnDrag(Source, ACol, DROPEFFECT_COPY | DROPEFFECT_MOVE, effect);
    return effect;
  }
  const TGridRect sel = Selection();
  const std::string text = SelectionToText(sel, false);
  TMemoryStream cells;
  if (AllowFMTClipboard()) SaveRectToBinStream(sel, &cells);
  const std::string topLeft = GetCellEx(DisplToRealColumn(sel.Left), sel.Top);
  const std::string rtf = FDragDropSettings.OleDropRTF() && topLeft.find("{\\") != std::string::npos ? topLeft : "";
  StartTextDrag(Source, text, rtf, AllowFMTClipboard() ? &cells : nullptr, DROPEFFECT_COPY | DROPEFFECT_MOVE, effect);
  if (effect == DROPEFFECT_MOVE && !FDragDropSettings.OleCopyAlways()) clearMovedSource(sel);
  return effect;
}

void TExtStringGrid::showOleDragImage(int ACol, bool Column) {
  TPoint at;
  GetCursorPos(at);
  if (FDragDropSettings.ShowCells()) {
    // A column shows its cells in view, cells the selection.
    const TGridRect cells = Column ? TGridRect{ACol, 0, ACol, RowCount() - 1} : Selection();
    FOleDragImage = SelectionToForm(cells);
    FOleDragImage->SetBounds(at.X + 4, at.Y + 4, FOleDragImage->Width(), FOleDragImage->Height());
    FOleDragImage->Show();
  } else if (Column) {
    ensureMoveControls();
    FMoveButton->SetCaption(Cells(RealColIndex(ACol), 0));
    const int height = RowHeights(0);
    FMoveButton->SetBounds(at.X, at.Y - height, ColWidths(ACol), height);
    FMoveButton->Show();
  }
}

void TExtStringGrid::hideOleIndicators(bool DragButtonToo) {
  for (TArrowWindow* a : {FArwD, FArwU, FArwR})
    if (a) a->Hide();
  if (DragButtonToo && FMoveButton) FMoveButton->Hide();
}

void TExtStringGrid::OleColumnDragStart(int ACol, int AIndex, TCustomListBox* AList) {
  FOleColumnList = {ACol, AIndex, AList};
}

void TExtStringGrid::clearMovedSource(TGridRect Source) {
  const TGridDropRecord& drop = LastGridDrop();
  const bool here = drop.Grid == this;
  if (here && drop.InsertedCount > 0 && drop.InsertedAt <= Source.Top) {
    Source.Top += drop.InsertedCount;  // rows inserted above the source moved it down
    Source.Bottom += drop.InsertedCount;
  }
  if (FDragDropSettings.OleRemoveRows() && Options().Contains(goRowSelect)) {
    for (int r = Source.Bottom; r >= Source.Top; --r)
      if (!(here && r >= drop.Cells.Top && r <= drop.Cells.Bottom)) RemoveRows(r, 1);
    return;
  }
  for (int r = Source.Top; r <= Source.Bottom; ++r)
    for (int c = Source.Left; c <= Source.Right; ++c) {
      if (here && drop.Cells.Contains(c, r)) continue;
      const int real = DisplToRealColumn(c);
      if (IsEditable(real, r) || Navigation()->AllowClipboardAlways()) SetCellEx(real, r, "");
    }
  CellsChanged(TRect{DisplToRealColumn(Source.Left), Source.Top, DisplToRealColumn(Source.Right), Source.Bottom});
}
