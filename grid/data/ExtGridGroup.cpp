// Grouping: the rows are sorted by the grouped column, a header row (a
// node) is inserted above every run of equal values, optionally a summary
// row after it, all in one block insertion, and the grouped column leaves
// the grid. A run ends where the value changes; the first row opens the
// first group whatever its text (no sentinel value stands for "none yet").

#include <algorithm>

#include "grid/core/ExtGrid.h"
#include "toolkit/rtl/ScopeGuard.h"

namespace {
// Runs of equal stored texts of one column over displayed rows First..Last.
struct TRun {
  int Start, Length;
  std::string Value;
};

template <typename TextAt>
std::vector<TRun> runsOf(int First, int Last, TextAt Text) {
  std::vector<TRun> runs;
  for (int r = First; r <= Last; ++r) {
    std::string v = Text(r);
    if (!runs.empty() && runs.back().Value == v)
      ++runs.back().Length;
    else
      runs.push_back({r, 1, std::move(v)});
  }
  return runs;
}
}  // namespace

void TExtStringGrid::SetGroupColumn(int Value) {
  if (Value == -1)
    UnGroup();
  else if (Value > 0)
    Group(Value);
}

// System colours of the header settings are stored as RGB values.
static TColor rgbOrNone(TColor C) { return C == clNone ? clNone : ColorToRGB(C); }

// Row colours from a pair of settings; clNone leaves that colour alone.
static void colourRow(TExtStringGrid& G, int ARow, TColor Color, TColor ColorTo, TColor TextColor) {
  if (Color != clNone) G.SetRowColor(ARow, Color);
  if (ColorTo != clNone) G.SetRowColorTo(ARow, ColorTo);
  if (TextColor != clNone) G.SetRowFontColor(ARow, TextColor);
}

// The row's cells from column First on merged, the colours on that cell.
static void colourMerged(TExtStringGrid& G, int ARow, int First, TColor Color, TColor ColorTo, TColor TextColor) {
  G.MergeCells(First, ARow, G.ColCount() - First, 1);
  if (Color != clNone) G.SetColors(First, ARow, Color);
  if (ColorTo != clNone) G.SetColorsTo(First, ARow, ColorTo);
  if (TextColor != clNone) G.SetFontColors(First, ARow, TextColor);
}

void TExtStringGrid::Group(int ColIndex) {
  if (ColIndex < FixedCols() || ColIndex >= AllColCount()) return;
  if (FGroupColumn != -1) UnGroup();
  const int first = FixedRows(), last = RowCount() - FixedFooters() - 1;
  if (last < first) return;
  TGridUpdateLock lock(*this);
  FGroupColumn = ColIndex;
  FGroupWidth = AllColWidths(ColIndex);
  FGroupCaption = FixedRows() > 0 ? GetGridCell(ColIndex, 0) : "";
  FGroupFooter = FixedFooters() > 0 ? GetGridCell(ColIndex, RowCount() - 1) : "";
  if (FSortSettings.AutoSortForGrouping()) {
    FSortSettings.SetColumn(ColIndex);
    QSort();
  }
  const std::vector<TRun> runs = runsOf(first, last, [&](int r) { return GetGridCell(ColIndex, r); });
  const bool summary = FGrouping.Summary();
  // Before every run its header; between runs and after the last the summaries.
  std::vector<int> before;
  for (size_t g = 0; g < runs.size(); ++g) {
    if (g > 0 && summary) before.push_back(runs[g].Start);
    before.push_back(runs[g].Start);
  }
  if (summary) before.push_back(last + 1);
  const std::vector<int> added = insertRowsBefore(before);
  const int h = ColIndex == 1 ? 2 : 1;
  const bool mergedSummary = summary && FGrouping.MergeSummary();
  std::vector<int> headers, summaries;
  size_t k = 0;
  for (size_t g = 0; g < runs.size(); ++g) {
    if (g > 0 && summary) summaries.push_back(added[k++]);
    const int header = added[k++];
    headers.push_back(header);
    SetGridCell(h, header, runs[g].Value);
    const int lastChild = header + runs[g].Length;
    AddNode(RealRowIndex(header), RealRowIndex(lastChild) - RealRowIndex(header) + 1);
    if (!FGrouping.MergeHeader())
      colourRow(*this, header, rgbOrNone(FGrouping.HeaderColor()), rgbOrNone(FGrouping.HeaderColorTo()),
                FGrouping.HeaderTextColor());
  }
  if (summary) summaries.push_back(added[k++]);
  for (int s : summaries) {
    MarkSummaryRow(RealRowIndex(s));
    if (!mergedSummary)
      colourRow(*this, s, FGrouping.SummaryColor(), FGrouping.SummaryColorTo(), FGrouping.SummaryTextColor());
  }
  RemoveCols(ColIndex, 1);
  if (FGrouping.MergeHeader())
    for (int r : headers)
      colourMerged(*this, r, 1, rgbOrNone(FGrouping.HeaderColor()), rgbOrNone(FGrouping.HeaderColorTo()),
                   FGrouping.HeaderTextColor());
  if (mergedSummary)
    for (int r : summaries)
      colourMerged(*this, r, 1, FGrouping.SummaryColor(), FGrouping.SummaryColorTo(), FGrouping.SummaryTextColor());
  if (FCellNode.ExpandOne() && !headers.empty()) {
    ContractAll();
    ExpandNode(RealRowIndex(FixedRows()));
  }
  if (Col() >= ColCount() || Row() >= RowCount()) FocusCell(FixedCols(), FixedRows());
  if (RowCount() > FixedRows()) SetRow(FixedRows());
}

void TExtStringGrid::UnGroup() {
  if (FGroupColumn < 0) return;
  TGridUpdateLock lock(*this);
  if (FSubGroupColumn != -1) SubUnGroup(FSubGroupColumn);
  const bool expandOne = FCellNode.ExpandOne();
  FCellNode.SetExpandOne(false);
  auto restore = MakeScopeGuard([&] { FCellNode.SetExpandOne(expandOne); });
  ExpandAll();
  const int col = FGroupColumn;
  InsertCols(col, 1);
  SetAllColWidths(col, FGroupWidth);
  if (FixedRows() > 0) SetGridCell(col, 0, FGroupCaption);
  if (FixedFooters() > 0) SetGridCell(col, RowCount() - 1, FGroupFooter);
  const int valueCol = col == 1 ? 2 : 1;
  // Every data row takes its header's value back, hidden ones (filtered
  // out) in the cells they keep; headers and summaries go in one removal.
  std::string value;
  std::vector<int> outline;
  const int lastReal = AllRowCount() - FixedFooters() - 1;
  for (int real = FixedRows(); real <= lastReal; ++real) {
    if (TGridItem* item = HiddenRowItem(real)) {
      while (item->Items()->Count() <= col) item->Items()->Add("");
      item->Items()->Put(col, value);
      continue;
    }
    const int d = DisplRowIndex(real);
    if (IsNode(d)) {
      value = GetGridCell(valueCol, d);
      RemoveNode(real);
      outline.push_back(d);
    } else if (IsSummary(d)) {
      outline.push_back(d);
    } else {
      SetGridCell(col, d, value);
    }
  }
  for (int d : outline)
    if (IsMergedCell(1, d)) SplitCells(1, d);
  removeDisplayedRows(outline);
  FNumNodes = 0;
  FGroupColumn = -1;
  Invalidate();
}

// Inside every group, a sub-header above each run of equal values of the
// column; the column stays, its values move into the sub-headers.
void TExtStringGrid::SubGroup(int ColIndex) {
  if (ColIndex < FixedCols() || ColIndex >= AllColCount() || FGroupColumn == -1 || FSubGroupColumn != -1) return;
  TGridUpdateLock lock(*this);
  ExpandAll();
  struct TGroup {
    int Header;
    std::vector<TRun> Runs;
  };
  std::vector<TGroup> groups;
  std::vector<int> before;
  const int last = RowCount() - FixedFooters() - 1;
  for (int r = FixedRows(); r <= last; ++r) {
    if (!IsNode(r)) continue;
    int end = r + 1;
    while (end <= last && !IsNode(end) && !IsSummary(end)) ++end;
    TGroup g{r, runsOf(r + 1, end - 1, [&](int x) { return GetGridCell(ColIndex, x); })};
    for (const TRun& run : g.Runs) before.push_back(run.Start);
    groups.push_back(std::move(g));
    r = end - 1;
  }
  const std::vector<int> added = insertRowsBefore(before);
  const int h = std::min(ColIndex + 1, AllColCount() - 1);
  size_t k = 0;
  for (const TGroup& g : groups) {
    const int headerReal = RealRowIndex(g.Header + static_cast<int>(k));
    TCellGraphic* parent = nodeAtReal(headerReal);
    for (const TRun& run : g.Runs) {
      const int sub = added[k++];
      SetGridCell(h, sub, run.Value);
      for (int x = sub + 1; x <= sub + run.Length; ++x) SetGridCell(ColIndex, x, "");
      AddNode(RealRowIndex(sub), run.Length + 1);
      nodeAtReal(RealRowIndex(sub))->CellVar = ColIndex;
      if (parent && parent->CellIndex > 0) ++parent->CellIndex;
      if (parent) ++parent->CellErrFrom;
      if (TCellProperties* p = GetGridObject(0, sub)) p->NodeLevel = std::max(p->NodeLevel, 2);
      if (FGrouping.MergeHeader()) {
        colourMerged(*this, sub, h, FGrouping.HeaderColor(), FGrouping.HeaderColorTo(), FGrouping.HeaderTextColor());
      } else {
        colourRow(*this, sub, FGrouping.HeaderColor(), FGrouping.HeaderColorTo(), FGrouping.HeaderTextColor());
      }
    }
  }
  closeWithSummary(h);
  FSubGroupColumn = ColIndex;
  if (RowCount() > FixedRows()) SetRow(FixedRows());
}

// With summaries on, the rows end in one, merged from column First on when
// summaries merge; a grid grouped with summaries has it already.
void TExtStringGrid::closeWithSummary(int First) {
  const int end = RowCount() - FixedFooters();
  if (!FGrouping.Summary() || end <= FixedRows() || IsSummary(end - 1)) return;
  const int s = insertRowsBefore({end}).front();
  MarkSummaryRow(RealRowIndex(s));
  if (FGrouping.MergeSummary())
    colourMerged(*this, s, First, FGrouping.SummaryColor(), FGrouping.SummaryColorTo(), FGrouping.SummaryTextColor());
  else
    colourRow(*this, s, FGrouping.SummaryColor(), FGrouping.SummaryColorTo(), FGrouping.SummaryTextColor());
}

void TExtStringGrid::SubUnGroup(int ColIndex) {
  if (FSubGroupColumn == -1 || ColIndex != FSubGroupColumn) return;
  TGridUpdateLock lock(*this);
  ExpandAll();
  const int h = std::min(ColIndex + 1, AllColCount() - 1);
  std::vector<int> subs;
  std::string value;
  const int last = RowCount() - FixedFooters() - 1;
  for (int r = FixedRows(); r <= last; ++r) {
    TCellGraphic* g = IsNode(r) ? GetCellGraphic(0, r) : nullptr;
    const int* var = g ? std::get_if<int>(&g->CellVar) : nullptr;
    if (var && *var == ColIndex) {
      value = GetGridCell(h, r);
      const int parent = GetParentRow(r);
      if (parent != -1 && parent != r) {
        TCellGraphic* p = GetCellGraphic(0, parent);
        if (p->CellIndex > 1) --p->CellIndex;
        if (p->CellErrFrom > 0) --p->CellErrFrom;
      }
      RemoveNode(RealRowIndex(r));
      if (IsMergedCell(h, r)) SplitCells(h, r);
      subs.push_back(r);
    } else if (!g && !IsSummary(r)) {
      SetGridCell(ColIndex, r, value);
    }
  }
  removeDisplayedRows(subs);
  FSubGroupColumn = -1;
}

// ---- per-group calculations ----

void TExtStringGrid::GroupCalc(int ACol, int Method) {
  if (Method < 1 || Method > 8) return;
  TGridUpdateLock lock(*this);
  for (int r = FixedRows(); r < RowCount();) {
    TCellGraphic* g = IsNode(r) ? GetCellGraphic(0, r) : nullptr;
    if (!g || g->CellBoolean || g->CellIndex <= 0) {
      ++r;
      continue;
    }
    // The group's shown rows: up to the last real row of its span.
    const int end = DisplRowIndex(RealRowIndex(r) + g->CellIndex) - 1;
    const int target = FGrouping.Summary() && end + 1 < RowCount() && IsSummary(end + 1) ? end + 1 : r;
    const int from = r + 1;
    switch (Method) {
      case 1: SetFloats(ACol, target, ColumnSum(ACol, from, end)); break;
      case 2: SetFloats(ACol, target, ColumnAvg(ACol, from, end)); break;
      case 3: SetFloats(ACol, target, ColumnMin(ACol, from, end)); break;
      case 4: SetFloats(ACol, target, ColumnMax(ACol, from, end)); break;
      case 5: SetInts(ACol, target, end - r); break;
      case 6: SetFloats(ACol, target, GroupCustomCalcValue(ACol, from, end)); break;
      case 7: SetFloats(ACol, target, ColumnDistinct(ACol, from, end)); break;
      case 8: SetFloats(ACol, target, ColumnStdDev(ACol, from, end)); break;
    }
    r = end + 1;
  }
}

double TExtStringGrid::GroupCustomCalcValue(int ACol, int FromRow, int ToRow) {
  double res = 0;
  if (OnGroupCalc) OnGroupCalc(this, ACol, FromRow, ToRow, res);
  return res;
}

namespace {
void footerCalc(TExtStringGrid& G, int ACol, TColumnCalcType Calc) {
  if (G.FloatingFooter()->Visible()) G.SetColumnCalc(ACol, Calc);
}
}  // namespace

void TExtStringGrid::GroupSum(int ACol) { GroupCalc(ACol, 1); footerCalc(*this, ACol, acSUM); }
void TExtStringGrid::GroupAvg(int ACol) { GroupCalc(ACol, 2); footerCalc(*this, ACol, acAVG); }
void TExtStringGrid::GroupMin(int ACol) { GroupCalc(ACol, 3); footerCalc(*this, ACol, acMIN); }
void TExtStringGrid::GroupMax(int ACol) { GroupCalc(ACol, 4); footerCalc(*this, ACol, acMAX); }
void TExtStringGrid::GroupCount(int ACol) { GroupCalc(ACol, 5); footerCalc(*this, ACol, acCOUNT); }
void TExtStringGrid::GroupCustomCalc(int ACol) { GroupCalc(ACol, 6); }
void TExtStringGrid::GroupDistinct(int ACol) { GroupCalc(ACol, 7); }
void TExtStringGrid::GroupStdDev(int ACol) { GroupCalc(ACol, 8); }
