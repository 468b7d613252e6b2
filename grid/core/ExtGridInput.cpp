// Keyboard, mouse and focus entries of the string grid. The input code
// builds the grid's navigation and mouse handling on these; until then they
// are the base grid's.

#include "grid/core/ExtGrid.h"

void TExtStringGrid::KeyDown(uint16_t& Key, TShiftState Shift) { TBaseGrid::KeyDown(Key, Shift); }

void TExtStringGrid::KeyPress(char& Key) { TBaseGrid::KeyPress(Key); }

void TExtStringGrid::KeyUp(uint16_t& Key, TShiftState Shift) { TBaseGrid::KeyUp(Key, Shift); }

void TExtStringGrid::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TBaseGrid::MouseDown(Button, Shift, X, Y);
}

void TExtStringGrid::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TBaseGrid::MouseUp(Button, Shift, X, Y);
}

void TExtStringGrid::MouseMove(TShiftState Shift, int X, int Y) { TBaseGrid::MouseMove(Shift, X, Y); }

void TExtStringGrid::DblClick() { TBaseGrid::DblClick(); }

void TExtStringGrid::DoEnter() { TBaseGrid::DoEnter(); }

void TExtStringGrid::DoExit() { TBaseGrid::DoExit(); }

void TExtStringGrid::CalcSizingState(int X, int Y, TGridState& State, int& Index, int& SizingPos, int& SizingOfs,
                                     TGridDrawInfo& FixedInfo) {
  TBaseGrid::CalcSizingState(X, Y, State, Index, SizingPos, SizingOfs, FixedInfo);
}

void TExtStringGrid::TopLeftChanged() { TBaseGrid::TopLeftChanged(); }

void TExtStringGrid::ColumnMoved(int FromIndex, int ToIndex) { TBaseGrid::ColumnMoved(FromIndex, ToIndex); }

void TExtStringGrid::RowMoved(int FromIndex, int ToIndex) { TBaseGrid::RowMoved(FromIndex, ToIndex); }

void TExtStringGrid::ColWidthsChanged() { TBaseGrid::ColWidthsChanged(); }

void TExtStringGrid::RowHeightsChanged() { TBaseGrid::RowHeightsChanged(); }
