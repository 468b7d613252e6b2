// Highlight and error tags in cell texts: the search hits of search and
// replace ("hi") and the errors a cell checker marks ("e"), put in and taken
// out of one string, a cell, a column, a row or the whole grid.

#include "grid/core/ExtGrid.h"
#include "grid/foundation/EsgHTMLE.h"

namespace {
const char* const HilightTag = "hi";
const char* const ErrorTag = "e";
}  // namespace

std::string TExtStringGrid::HilightText(bool DoCase, const std::string& S, const std::string& Text) {
  return HighlightInHTMLText(S, Text, HilightTag, DoCase);
}

std::string TExtStringGrid::UnHilightText(const std::string& S) { return RemoveHTMLTagPairs(S, HilightTag); }

std::string TExtStringGrid::MarkText(bool DoCase, const std::string& S, const std::string& Text) {
  return HighlightInHTMLText(S, Text, ErrorTag, DoCase);
}

std::string TExtStringGrid::UnMarkText(const std::string& S) { return RemoveHTMLTagPairs(S, ErrorTag); }

std::vector<int> TExtStringGrid::realColsOf(bool DoFixed, bool WithHidden) const {
  std::vector<int> cols;
  int from = DoFixed ? 0 : FixedCols(), to = DoFixed ? ColCount() - 1 : ColCount() - FixedRightCols() - 1;
  for (int d = from; d <= to; ++d) cols.push_back(RealColIndex(d));
  if (WithHidden)
    for (int rc = 0; rc < AllColCount(); ++rc)
      if (IsHiddenColumn(rc)) cols.push_back(rc);
  return cols;
}

// What the tags go into: the text as shown when the application supplies
// display texts, else the stored one.
std::string TExtStringGrid::taggingText(int ARealCol, int ARow) const {
  return OnGetDisplText ? GetCellEx(ARealCol, ARow) : GetGridCell(ARealCol, ARow);
}

void TExtStringGrid::tagCells(const std::vector<int>& RealCols, int FromRow, int ToRow, const std::string& HiText,
                              const std::string& Tag, bool DoCase) {
  std::string search = EncodeHTMLEntities(HiText, false);
  for (int r = FromRow; r <= ToRow; ++r)
    for (int c : RealCols) {
      if (IsMergedNonBaseCell(c, r)) continue;
      std::string encoded = EncodeHTMLEntities(taggingText(c, r), false);
      std::string tagged = HighlightInHTMLText(encoded, search, Tag, DoCase);
      // A cell without a hit keeps its text as it was, entities and all.
      if (tagged != encoded) SetCellEx(c, r, tagged);
    }
}

void TExtStringGrid::untagCells(const std::vector<int>& RealCols, int FromRow, int ToRow, const std::string& Tag) {
  for (int r = FromRow; r <= ToRow; ++r)
    for (int c : RealCols) {
      if (IsMergedNonBaseCell(c, r)) continue;
      std::string text = taggingText(c, r);
      std::string plain = RemoveHTMLTagPairs(text, Tag);
      if (plain != text) SetCellEx(c, r, DecodeHTMLEntities(plain, false));
    }
}

void TExtStringGrid::HilightInCell(bool DoCase, int ARealCol, int ARow, const std::string& HiText) {
  tagCells({ARealCol}, ARow, ARow, HiText, HilightTag, DoCase);
}

void TExtStringGrid::HilightInCol(bool DoFixed, bool DoCase, int ARealCol, const std::string& HiText) {
  tagCells({ARealCol}, firstRangeRow(DoFixed), lastRangeRow(DoFixed), HiText, HilightTag, DoCase);
}

void TExtStringGrid::HilightInRow(bool DoFixed, bool DoCase, int ARow, const std::string& HiText) {
  tagCells(realColsOf(DoFixed, false), ARow, ARow, HiText, HilightTag, DoCase);
}

void TExtStringGrid::HilightInGrid(bool DoFixed, bool DoCase, const std::string& HiText) {
  tagCells(realColsOf(DoFixed, false), firstRangeRow(DoFixed), lastRangeRow(DoFixed), HiText, HilightTag, DoCase);
}

void TExtStringGrid::UnHilightInCell(int ARealCol, int ARow) { untagCells({ARealCol}, ARow, ARow, HilightTag); }

void TExtStringGrid::UnHilightInCol(bool DoFixed, int ARealCol) {
  untagCells({ARealCol}, firstRangeRow(DoFixed), lastRangeRow(DoFixed), HilightTag);
}

void TExtStringGrid::UnHilightInRow(bool DoFixed, int ARow) {
  untagCells(realColsOf(DoFixed, true), ARow, ARow, HilightTag);
}

void TExtStringGrid::UnHilightInGrid(bool DoFixed) {
  untagCells(realColsOf(DoFixed, true), firstRangeRow(DoFixed), lastRangeRow(DoFixed), HilightTag);
}

void TExtStringGrid::MarkInCell(bool DoCase, int ARealCol, int ARow, const std::string& HiText) {
  tagCells({ARealCol}, ARow, ARow, HiText, ErrorTag, DoCase);
}

void TExtStringGrid::MarkInCol(bool DoFixed, bool DoCase, int ARealCol, const std::string& HiText) {
  tagCells({ARealCol}, firstRangeRow(DoFixed), lastRangeRow(DoFixed), HiText, ErrorTag, DoCase);
}

void TExtStringGrid::MarkInRow(bool DoFixed, bool DoCase, int ARow, const std::string& HiText) {
  tagCells(realColsOf(DoFixed, false), ARow, ARow, HiText, ErrorTag, DoCase);
}

void TExtStringGrid::MarkInGrid(bool DoFixed, bool DoCase, const std::string& HiText) {
  tagCells(realColsOf(DoFixed, false), firstRangeRow(DoFixed), lastRangeRow(DoFixed), HiText, ErrorTag, DoCase);
}

void TExtStringGrid::UnMarkInCell(int ARealCol, int ARow) { untagCells({ARealCol}, ARow, ARow, ErrorTag); }

void TExtStringGrid::UnMarkInCol(bool DoFixed, int ARealCol) {
  untagCells({ARealCol}, firstRangeRow(DoFixed), lastRangeRow(DoFixed), ErrorTag);
}

void TExtStringGrid::UnMarkInRow(bool DoFixed, int ARow) { untagCells(realColsOf(DoFixed, true), ARow, ARow, ErrorTag); }

void TExtStringGrid::UnMarkInGrid(bool DoFixed) {
  untagCells(realColsOf(DoFixed, true), firstRangeRow(DoFixed), lastRangeRow(DoFixed), ErrorTag);
}
