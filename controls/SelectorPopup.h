#pragma once
// The item-selector list in the popup of a picker drop-down (detail list,
// colour list, image picker), driven from the drop-down's own keys: moves
// made here run under the internal-call flag, so that the drop-down's select
// handler leaves the popup open, and typed keys search the captions.

#include <cstdint>
#include <functional>
#include <string>

#include "controls/ExtItemSelector.h"

class TTimer;

// The pickers' owner drawing of their selected item (edit area or list cell).
using TOnDrawSelectedItem = std::function<void(TObject* Sender, TCanvas* Canvas, TRect& R)>;

class TSelectorPopup {
public:
  // The search's timer is a component of AOwner (the drop-down).
  explicit TSelectorPopup(TComponent* AOwner);
  ~TSelectorPopup();
  TSelectorPopup(const TSelectorPopup&) = delete;
  TSelectorPopup& operator=(const TSelectorPopup&) = delete;

  TExtCustomItemSelector* List() const { return FList; }
  void SetList(TExtCustomItemSelector* Value) { FList = Value; }
  // Set while a move of the drop-down's own runs; the select handler reads it.
  bool InternalCall() const { return FInternalCall; }
  void Internal(const std::function<void()>& Move);

  // Refills the list without telling the select handler: Add(item, i) fills
  // the new selector item i of Count; then the list lays out and selects
  // ItemIndex, and OnSelect is hooked (again).
  void Fill(int Count, const std::function<void(TSelectorItem*, int)>& Add, int ItemIndex, TNotifyEvent OnSelect);

  // Selects Index when it is a cell of the list, and scrolls it into view.
  void MoveTo(int Index);
  // Delta cells from the selection (from the first cell without one); nothing past either end.
  void Step(int Delta);
  // A page of the list's visible cells up or down, stopping at the ends; nothing when none is visible.
  void Page(bool Down);

  // The drop-down's moves while the popup is closed.
  struct TClosedMoves {
    std::function<void()> First, Last, Previous, Next;
    // Home and End move the closed drop-down only while its editor is off
    // (the edit's caret takes them otherwise).
    bool HomeEndNeedNoEditor = false;
  };
  // Page Up/Down, Home/End, Left/Right and Up/Down as the pickers share them;
  // RowStep cells make a row. Refill runs first for Page Up/Down. False for
  // any other key.
  bool NavigationKey(uint16_t Key, bool DroppedDown, bool EditorEnabled, int RowStep, const TClosedMoves& Closed,
                     const std::function<void()>& Refill);

  // A navigation key as above; any other key, unless Ctrl is held, goes to
  // the type-ahead search.
  void HandleKey(uint16_t Key, bool DroppedDown, bool EditorEnabled, int RowStep, const TClosedMoves& Closed,
                 const std::function<void()>& Refill);

  // The key's character, upper-cased, extends the search text, which the
  // list looks up; a key that prints nothing is ignored. The text is
  // forgotten 500 ms after the key that started it, or, with
  // SetSearchRestarts, after the last key.
  void TypeAhead(uint16_t Key, bool ShiftHeld);
  const std::string& Search() const { return FSearch; }
  void SetSearchRestarts(bool Value) { FSearchRestarts = Value; }

  // ---- the pickers' list (colour list, image picker)
  // Return on the open list's hot cell selects that cell; true when there was one.
  bool SelectHot();
  // The open list's hot cell moves to the next or previous cell (the wheel).
  void HotStep(bool Down);
  // Before the popup is sized: the list takes its cells' size where the
  // drop-down gives none (a width or height below 1).
  void SizeListToCells(int DropDownWidth, int DropDownHeight);
  // After: the popup widens by a scroll bar when the list shows one.
  void WidenForScrollBar(TControl* Popup);

private:
  TExtCustomItemSelector* FList = nullptr;
  bool FInternalCall = false;
  bool FSearchRestarts = false;
  std::string FSearch;
  TTimer* FKeyTimer;
};

// The moves of a picker's own item index.
enum TIndexStep { isFirst, isLast, isNext, isPrevious };
// Where Step leads from Current among Count items: next and previous start
// at the first item from no selection; -1 where it leads nowhere (no items,
// or past either end).
int SteppedIndex(TIndexStep Step, int Current, int Count);

// The printing character a key types, upper-cased; 0 for a key that prints nothing.
char TypeAheadChar(uint16_t Key, bool ShiftHeld);
