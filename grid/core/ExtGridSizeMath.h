#pragma once
// The arithmetic of stretching, fitting and proportional sizing of the
// string grid's columns and rows, on plain vectors of sizes so that it is
// tested without a window. A zero sum or an empty range changes nothing.

#include <optional>
#include <vector>

// The width that makes the stretched column fill the client width, or none
// when it keeps its width. Others: the sum of the other columns' widths.
std::optional<int> StretchedColumnWidth(int ColCount, int Others, int ClientWidth, bool ScrolledFullyLeft,
                                        int DefaultColWidth);

// Scales Widths (the columns of the range) so that together they fill Avail
// pixels (the space minus scroll bar and border); Lines is what the grid
// lines take. The remainder of the rounding goes to the widest column.
void FitWidths(std::vector<int>& Widths, int Avail, int Lines);

// After a mouse resize of Sizes[Clicked] from OldSize: every size from First
// on (Clicked excepted) is scaled by the same factor, rounded.
void ScaleSizesLike(std::vector<int>& Sizes, int First, int Clicked, int OldSize);
