#pragma once
// The input vocabulary of the string grid: what a press at the pointer
// would start, and the events of row picking and of a press before it acts.

#include <functional>

class TObject;

// Set by mouse movement from the pointer's place, read by the press.
enum TMouseSelectMode { msNormal, msColumn, msRow, msAll, msURL, msResize };

// Asked before a disjunct row flag changes; Allow false keeps it.
using TRowDisjunctSelectEvent = std::function<void(TObject* Sender, int ARow, bool AState, bool& Allow)>;
using TRowDisjunctSelectedEvent = std::function<void(TObject* Sender, int ARow)>;
// Asked before a press acts on a cell; Allow false ignores the press.
using TCanClickCellEvent = std::function<void(TObject* Sender, int ARow, int ACol, bool& Allow)>;
