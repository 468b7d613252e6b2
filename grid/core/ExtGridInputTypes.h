#pragma once
// The input vocabulary of the string grid: what a press at the pointer
// would start, and the events of row picking and of a press before it acts.

#include <functional>

#include "toolkit/rtl/Sets.h"

class TObject;

// Set by mouse movement from the pointer's place, read by the press.
enum TMouseSelectMode { msNormal, msColumn, msRow, msAll, msURL, msResize };

// Asked before a disjunct row flag changes; Allow false keeps it.
using TRowDisjunctSelectEvent = std::function<void(TObject* Sender, int ARow, bool AState, bool& Allow)>;
using TRowDisjunctSelectedEvent = std::function<void(TObject* Sender, int ARow)>;
// Asked before a press acts on a cell; Allow false ignores the press.
using TCanClickCellEvent = std::function<void(TObject* Sender, int ARow, int ACol, bool& Allow)>;
// A left release over a cell's check box or radio button (real column).
using TCheckBoxMouseUpEvent = std::function<void(TObject* Sender, int ACol, int ARow, bool State)>;
using TRadioMouseUpEvent = std::function<void(TObject* Sender, int ACol, int ARow, int AIdx)>;
// A press chose an option of a radio group (display column) or a radio button (real column).
using TRadioClickEvent = std::function<void(TObject* Sender, int ACol, int ARow, int AIdx)>;
using TRadioButtonClickEvent = std::function<void(TObject* Sender, int ACol, int ARow)>;
// The selection resizer was dragged from OrigSelection to NewSelection.
struct TGridRect;
using TSelectionResizeEvent =
    std::function<void(TObject* Sender, const TGridRect& OrigSelection, const TGridRect& NewSelection)>;

// How a drag stands over the grid (the drop target tells it).
enum TDragState { dsDragEnter, dsDragLeave, dsDragMove };
enum TDragScrollDirection { dsdUp, dsdDown, dsdLeft, dsdRight };
using TDragScrollDirections = TSet<TDragScrollDirection>;
// One auto-scroll step: the handler may change the directions or refuse it.
using TDragScrollEvent = std::function<void(TObject* Sender, int TopRow, int LeftCol,
                                            TDragScrollDirections& DragScrollDir, bool& CanScroll)>;

// The directions wheel-click panning follows.
enum TIntelliPan { ipVertical, ipHorizontal, ipBoth, ipNone };

// Told of every cell the grid selects (display column, row).
class ITExtStringGridSelect {
public:
  virtual ~ITExtStringGridSelect() = default;
  virtual void CellSelected(int ACol, int ARow) = 0;
};
