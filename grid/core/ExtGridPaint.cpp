// Display text and the last-row notification of the string grid; the cell
// painting itself lives with the output code (grid/output).

#include "grid/core/ExtGrid.h"
#include "grid/foundation/ExtUtil.h"
#include "grid/output/CellFormat.h"

namespace {

// The first link prefix found, in this order, turns its run into an anchor.
void linkURLInText(std::string& Value) {
  static const char* const prefixes[] = {"HTTP://", "WWW.", "MAILTO:", "HTTPS://", "NNTP://", "FILE://", "FTP://"};
  std::string linked;
  for (const char* prefix : prefixes)
    if (HyperlinkURLInText(Value, prefix, linked)) {
      Value = linked;
      return;
    }
}

}  // namespace

void TExtStringGrid::GetDisplText(int ACol, int ARow, std::string& Value) const {
  TBaseGrid::GetDisplText(ACol, ARow, Value);
  if (FURLShowInText) linkURLInText(Value);
  if (ACol == 1 && FGrouping.ShowGroupCount()) const_cast<TExtStringGrid*>(this)->appendGroupCount(ARow, Value);
}

// The text of a row hidden in its item, read by its real row: the display
// row index the group count needs does not exist for it.
void TExtStringGrid::hiddenRowDisplText(int ARealCol, int ARealRow, std::string& Value) const {
  TBaseGrid::GetDisplText(ARealCol, ARealRow, Value);
  if (FURLShowInText) linkURLInText(Value);
}

// A node row shows how many rows its group holds, its sub-nodes not counted.
void TExtStringGrid::appendGroupCount(int ARow, std::string& Value) {
  if (!IsNode(ARow)) return;
  int count = GetNodeSpan(ARow) - GetSubNodeCount(ARow) - 1;
  std::string formatted;
  const std::string& format = FGrouping.GroupCountFormat();
  if (format.empty() || !ApplyNumberFormat(format, count, count, formatted))
    formatted = " (" + std::to_string(count) + ")";
  Value += formatted;
}

// The floating footer follows the last row; the data code repaints it.
void TExtStringGrid::LastRowChanged() {
  TBaseGrid::LastRowChanged();
  UpdateFooter();
}
