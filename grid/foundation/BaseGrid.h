#pragma once
// The base grid's unit. For now it holds the event types that carry the
// base string grid's draw state, the cell edit undo list and the small
// interface through which it plays changes back on a grid; the base grid
// class implements that interface.

#include <memory>
#include <string>
#include <vector>

#include "grid/foundation/ExtObj.h"
#include "toolkit/grids/Grids.h"
#include "toolkit/rtl/Classes.h"

using TCustomCellDrawEvent = std::function<void(TObject* Sender, TCanvas* Canvas, int ACol, int ARow,
                                                TGridDrawState AState, TRect ARect, bool Printing)>;
using TGridColorEvent = std::function<void(TObject* Sender, int ARow, int ACol, TGridDrawState AState, TBrush* ABrush,
                                           TFont* AFont)>;

// What the undo list needs of the grid it plays back on.
class TUndoRedoTarget {
public:
  virtual ~TUndoRedoTarget() = default;
  // Cells[ACol, ARow] with ACol a real column index.
  virtual std::string UndoCellText(int ACol, int ARow) const = 0;
  virtual void SetUndoCellText(int ACol, int ARow, const std::string& Value) = 0;
  // Makes the cell current: Col = DisplColIndex(ACol), then Row = ARow.
  virtual void UndoFocusCell(int ACol, int ARow) = 0;
  // Repaints the cell in the current column and row ARow.
  virtual void UndoRepaintCell(int ARow) = 0;
  virtual void UndoInvalidate() = 0;
  // The grid as handed to OnUndo and OnRedo, and as a component for the
  // removal notification; none for a stand-in.
  virtual TBaseGrid* UndoBaseGrid() { return nullptr; }
  virtual TComponent* UndoGridComponent() { return nullptr; }
};

class TUndoRedoItem {
public:
  int Row = 0;
  int Col = 0;
  std::string Value;      // the text after the change
  std::string OrigValue;  // the text before it
  bool SequenceStart = false;
  bool SequenceStop = false;

  bool IsMarker() const { return SequenceStart || SequenceStop; }
};

class TUndoRedoCollection {
public:
  int Count() const { return static_cast<int>(items_.size()); }
  // Raises EListError for an index outside the collection.
  TUndoRedoItem& Items(int Index) const;
  TUndoRedoItem& Add();
  void Delete(int Index);
  void DeleteFrom(int Index);  // Index and everything after it
  void Clear() { items_.clear(); }

private:
  std::vector<std::unique_ptr<TUndoRedoItem>> items_;
};

// Records changes of cell texts and plays them back. A sequence (start
// marker, changes, stop marker) is undone and redone as one step.
//
// Unlike a plain history list, a change registered after an undo drops the
// undone items (they could otherwise be redone over the new edit), trimming
// to MaxLevel removes whole steps so a sequence never loses its start, and a
// step never lands on a marker's cell at -1.
class DIreViziDidiVura : public TComponent {
public:
  explicit DIreViziDidiVura(TComponent* AOwner) : TComponent(AOwner) {}
  std::string ClassName() const override { return "DIreViziDidiVura"; }

  virtual void RegisterChange(int ACol, int ARow, const std::string& OldValue, const std::string& NewValue);
  virtual void StartSequence();
  virtual void StopSequence();

  void Undo();
  void Redo();
  void Reset();
  bool CanUndo() const { return FLevel > 0; }
  bool CanRedo() const { return FLevel < FItems.Count(); }

  const TUndoRedoCollection& Items() const { return FItems; }
  TUndoRedoTarget* Grid() const { return FGrid; }
  void SetGrid(TUndoRedoTarget* Value);
  int Level() const { return FLevel; }
  int MaxLevel() const { return FMaxLevel; }
  void SetMaxLevel(int Value) { FMaxLevel = Value; }

  DIreViziDidiVuraEvent OnUndo;
  DIreViziDidiVuraEvent OnRedo;

protected:
  void Notification(TComponent* AComponent, TOperation Operation) override;

private:
  void dropUndone();
  void trimOldestStep();
  void appendMarker(bool start);
  void undoItem(const TUndoRedoItem& J);
  void redoItem(const TUndoRedoItem& J);

  TUndoRedoCollection FItems;
  TUndoRedoTarget* FGrid = nullptr;
  TComponent* FGridComponent = nullptr;
  int FLevel = 0;
  int FMaxLevel = 0;
};
