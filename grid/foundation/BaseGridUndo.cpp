// Cell edit undo and redo.

#include "grid/foundation/BaseGrid.h"

#include <algorithm>

#include "toolkit/rtl/List.h"

TUndoRedoItem& TUndoRedoCollection::Items(int Index) const {
  if (Index < 0 || Index >= Count()) ListIndexError(Index);
  return *items_[static_cast<size_t>(Index)];
}

TUndoRedoItem& TUndoRedoCollection::Add() {
  items_.push_back(std::make_unique<TUndoRedoItem>());
  return *items_.back();
}

void TUndoRedoCollection::Delete(int Index) {
  if (Index < 0 || Index >= Count()) ListIndexError(Index);
  items_.erase(items_.begin() + Index);
}

void TUndoRedoCollection::DeleteFrom(int Index) {
  if (Index < 0 || Index > Count()) ListIndexError(Index);
  items_.erase(items_.begin() + Index, items_.end());
}

void DIreViziDidiVura::SetGrid(TUndoRedoTarget* Value) {
  if (FGridComponent) RemoveFreeNotification(FGridComponent);
  FGrid = Value;
  // Told when the grid goes, whoever owns it, so the pointer never dangles.
  // The component is kept apart: while it is being destroyed the grid
  // interface can no longer be asked.
  FGridComponent = FGrid ? FGrid->UndoGridComponent() : nullptr;
  if (FGridComponent) FreeNotification(FGridComponent);
}

void DIreViziDidiVura::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent && AComponent == FGridComponent) {
    FGrid = nullptr;
    FGridComponent = nullptr;
  }
}

void DIreViziDidiVura::dropUndone() {
  if (FLevel < FItems.Count()) FItems.DeleteFrom(FLevel);
}

// The oldest step is one change, or a whole sequence up to its stop marker.
// A sequence still being recorded is left alone.
void DIreViziDidiVura::trimOldestStep() {
  if (FItems.Count() == 0) return;
  int end = 0;
  if (FItems.Items(0).SequenceStart) {
    end = 1;
    while (end < FItems.Count() && !FItems.Items(end).SequenceStop) ++end;
    if (end == FItems.Count()) return;
  }
  for (int i = end; i >= 0; --i) FItems.Delete(i);
  FLevel = std::max(0, FLevel - (end + 1));
}

void DIreViziDidiVura::RegisterChange(int ACol, int ARow, const std::string& OldValue,
                                      const std::string& NewValue) {
  dropUndone();
  if (FMaxLevel > 0 && FItems.Count() >= FMaxLevel) trimOldestStep();
  TUndoRedoItem& item = FItems.Add();
  item.Col = ACol;
  item.Row = ARow;
  item.Value = NewValue;
  item.OrigValue = OldValue;
  FLevel = FItems.Count();
}

void DIreViziDidiVura::appendMarker(bool start) {
  dropUndone();
  TUndoRedoItem& item = FItems.Add();
  item.Col = -1;
  item.Row = -1;
  item.SequenceStart = start;
  item.SequenceStop = !start;
  FLevel = FItems.Count();
}

void DIreViziDidiVura::StartSequence() { appendMarker(true); }
void DIreViziDidiVura::StopSequence() { appendMarker(false); }

void DIreViziDidiVura::undoItem(const TUndoRedoItem& J) {
  if (J.IsMarker()) return;
  if (OnUndo) OnUndo(this, FGrid->UndoBaseGrid(), J.Col, J.Row, FGrid->UndoCellText(J.Col, J.Row), J.OrigValue);
  FGrid->SetUndoCellText(J.Col, J.Row, J.OrigValue);
  FGrid->UndoFocusCell(J.Col, J.Row);
}

void DIreViziDidiVura::redoItem(const TUndoRedoItem& J) {
  if (J.IsMarker()) return;
  if (OnRedo) OnRedo(this, FGrid->UndoBaseGrid(), J.Col, J.Row, FGrid->UndoCellText(J.Col, J.Row), J.Value);
  FGrid->SetUndoCellText(J.Col, J.Row, J.Value);
  FGrid->UndoFocusCell(J.Col, J.Row);
}

void DIreViziDidiVura::Undo() {
  if (!FGrid || FLevel > FItems.Count()) return;
  // A start marker on its own (a sequence still open) is no step of its own.
  while (FLevel > 0 && FItems.Items(FLevel - 1).SequenceStart) --FLevel;
  if (FLevel == 0) return;
  const TUndoRedoItem& last = FItems.Items(FLevel - 1);
  if (last.SequenceStop) {
    --FLevel;
    while (FLevel > 0 && !FItems.Items(FLevel - 1).SequenceStart) {
      undoItem(FItems.Items(FLevel - 1));
      --FLevel;
    }
    if (FLevel > 0) --FLevel;  // over the start marker
    FGrid->UndoInvalidate();
    return;
  }
  undoItem(last);
  FGrid->UndoRepaintCell(last.Row);
  --FLevel;
}

void DIreViziDidiVura::Redo() {
  if (!FGrid) return;
  // A stop marker on its own (its start trimmed away) is no step of its own.
  while (FLevel < FItems.Count() && FItems.Items(FLevel).SequenceStop) ++FLevel;
  if (FLevel >= FItems.Count()) return;
  const TUndoRedoItem& next = FItems.Items(FLevel);
  if (next.SequenceStart) {
    int i = FLevel + 1;
    while (i < FItems.Count() && !FItems.Items(i).SequenceStop) redoItem(FItems.Items(i++));
    // Just past the stop marker; a sequence without one is redone to its end.
    FLevel = i < FItems.Count() ? i + 1 : FItems.Count();
    FGrid->UndoInvalidate();
    return;
  }
  redoItem(next);
  ++FLevel;
}

void DIreViziDidiVura::RowsRenumbered(const std::function<int(int)>& NewRow) {
  for (int i = FItems.Count() - 1; i >= 0; --i) {
    TUndoRedoItem& item = FItems.Items(i);
    if (item.IsMarker()) continue;
    const int row = NewRow(item.Row);
    if (row >= 0) {
      item.Row = row;
      continue;
    }
    FItems.Delete(i);
    if (i < FLevel) --FLevel;
  }
}

void DIreViziDidiVura::Reset() {
  FItems.Clear();
  FLevel = 0;
}
