// What the sort settings do to their grid: the sort string, the sort row and
// the repaints of the header that shows the sort state.

#include "grid/core/ExtGrid.h"
#include "grid/data/SortSettings.h"
#include "toolkit/rtl/Exceptions.h"

std::string TSortSettings::SaveToString() const {
  if (FIndexShow) return "i;" + (FGrid ? FGrid->SortIndexes()->SaveToString() : std::string());
  return std::string(FDirection == sdDescending ? "d" : "u").append(std::to_string(FColumn));
}

void TSortSettings::LoadFromString(const std::string& Value) {
  std::optional<TSortSpecifier> parsed = ParseSortSpecifier(Value);
  if (!parsed) return;
  FShow = true;
  FIndexShow = parsed->Indexed;
  if (parsed->Indexed) {
    if (parsed->IndexText.empty() || !FGrid) return;
    FGrid->SortIndexes()->LoadFromString(parsed->IndexText);
    FGrid->QSortIndexed();
    return;
  }
  FDirection = parsed->Direction;
  if (!parsed->Column) return;
  FColumn = *parsed->Column;
  if (FGrid) FGrid->QSort();
}

void TSortSettings::Remove() {
  FColumn = -1;
  if (FGrid) FGrid->SortIndexes()->Clear();
  repaintSortRow();
}

void TSortSettings::SetShow(bool Value) {
  if (Value == FShow) return;
  FShow = Value;
  if (FGrid) FGrid->Invalidate();
}

// The sort row is a fixed row; row 0 (the default) is accepted before the
// grid has its fixed rows.
void TSortSettings::SetRow(int Value) {
  if (Value < 0 || (Value > 0 && FGrid && Value >= FGrid->FixedRows()))
    throw Exception("Sort row should be smaller than number of fixed rows");
  FRow = Value;
}

void TSortSettings::setHeaderColor(TColor& Field, TColor Value) {
  if (Field == Value) return;
  Field = Value;
  repaintSortRow();
}

void TSortSettings::repaintSortRow() {
  if (FGrid && FGrid->FixedRows() > 0) FGrid->InvalidateRow(FGrid->FixedRows() - 1);
}
