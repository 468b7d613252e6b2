// The node outline of the string grid: node rows own the rows below them;
// contracting a node hides its rows as node rows (apart from the filter
// levels, so filtering and outlining never undo each other), expanding
// shows them again. Nodes work on real rows throughout, so a node inside a
// contracted one is read and changed where it is kept.

#include <algorithm>
#include <climits>

#include "grid/core/ExtGrid.h"
#include "toolkit/forms/WinApi.h"
#include "toolkit/graphics/Bitmap.h"

namespace {
TCellGraphic* graphicOf(TCellProperties* P) {
  return P ? dynamic_cast<TCellGraphic*>(P->GraphicObject()) : nullptr;
}
}  // namespace

// ---- reading nodes at real rows ----

TCellProperties* TExtStringGrid::col0PropsAtReal(int ARealRow, bool Create) {
  if (ARealRow < 0 || AllColCount() == 0) return nullptr;
  if (TGridItem* item = HiddenRowItem(ARealRow))
    return item->Items()->Count() > 0 ? dynamic_cast<TCellProperties*>(item->Items()->Objects(0)) : nullptr;
  const int d = DisplRowIndex(ARealRow);
  if (d >= RowCount()) return nullptr;
  return Create ? GetCellProperties(0, d) : GetGridObject(0, d);
}

TCellGraphic* TExtStringGrid::nodeAtReal(int ARealRow) const {
  auto* self = const_cast<TExtStringGrid*>(this);
  TCellGraphic* g = graphicOf(self->col0PropsAtReal(ARealRow, false));
  return g && g->CellType == ctNode ? g : nullptr;
}

// The last real row of a node: its span, or up to the next node row.
int TExtStringGrid::nodeEndReal(int ARealRow, const TCellGraphic* Node) const {
  const int last = AllRowCount() - 1;
  if (Node->CellIndex > 0) return std::min(ARealRow + Node->CellIndex - 1, last);
  for (int r = ARealRow + 1; r <= last; ++r)
    if (nodeAtReal(r)) return r - 1;
  return last;
}

void TExtStringGrid::forEachNodeReal(const std::function<void(int ARealRow, TCellGraphic* Node)>& Fn) const {
  if (FNumNodes == 0) return;
  for (int r = 0; r < AllRowCount(); ++r)
    if (TCellGraphic* g = nodeAtReal(r)) Fn(r, g);
}

// Rows of hidden rows have no record made for them: a level change reaches
// the ones that have one.
void TExtStringGrid::raiseLevels(int FromReal, int ToReal, int Delta) {
  ToReal = std::min(ToReal, AllRowCount() - 1);
  for (int r = std::max(FromReal, 0); r <= ToReal; ++r)
    if (TCellProperties* p = col0PropsAtReal(r, Delta > 0)) p->NodeLevel = std::max(0, p->NodeLevel + Delta);
}

// ---- adding and removing ----

void TExtStringGrid::AddNode(int ARealRow, int Span) {
  if (ARealRow < 0 || ARealRow >= AllRowCount() || IsHiddenRow(ARealRow)) return;
  const int d = DisplRowIndex(ARealRow);
  TCellGraphic* g = CreateCellGraphic(0, d);
  g->CellType = ctNode;
  g->CellAngle = d;
  g->CellBoolean = false;
  g->CellIndex = Span;
  g->CellHAlign = haBeforeText;
  g->CellVAlign = vaCenter;
  g->CellErrFrom = 0;
  g->CellVar = -1;
  // An open-ended node's rows are known only while they last; its own row
  // gets its level now.
  raiseLevels(ARealRow, Span > 0 ? ARealRow + Span - 1 : ARealRow, 1);
  if (FNumNodes == 0) InvalidateCol(0);
  ++FNumNodes;
  if (Col() == 0 && ColCount() > 1) SetCol(1);
}

void TExtStringGrid::RemoveNode(int ARealRow) {
  TCellGraphic* g = nodeAtReal(ARealRow);
  if (!g || IsHiddenRow(ARealRow)) return;
  DoExpandNode(ARealRow);
  raiseLevels(ARealRow, g->CellIndex > 0 ? ARealRow + g->CellIndex - 1 : ARealRow, -1);
  RemoveCellGraphicOfType(0, DisplRowIndex(ARealRow), ctNode);
  if (FNumNodes > 0) --FNumNodes;
}

void TExtStringGrid::RemoveAllNodes() {
  if (FNumNodes == 0) return;
  TGridUpdateLock lock(*this);
  ExpandAll();
  for (int r = 0; r < AllRowCount(); ++r)
    if (nodeAtReal(r)) RemoveNode(r);
  FNumNodes = 0;
}

void TExtStringGrid::MarkSummaryRow(int ARealRow) {
  const int d = DisplRowIndex(ARealRow);
  if (d < 0 || d >= RowCount() || IsHiddenRow(ARealRow)) return;
  CreateCellGraphic(0, d)->CellType = ctSummary;
}

// ---- queries on displayed rows ----

bool TExtStringGrid::GetNodeState(int ARow) {
  TCellGraphic* g = ARow >= 0 && ARow < RowCount() ? nodeAtReal(RealRowIndex(ARow)) : nullptr;
  return g && g->CellBoolean;
}

void TExtStringGrid::SetNodeState(int ARow, bool Value) {
  if (!IsNode(ARow) || GetNodeState(ARow) == Value) return;
  if (Value)
    ContractNode(RealRowIndex(ARow));
  else
    ExpandNode(RealRowIndex(ARow));
}

int TExtStringGrid::RowNodeLevel(int ARow) {
  TCellProperties* p = ARow >= 0 && ARow < RowCount() ? GetGridObject(0, ARow) : nullptr;
  return p ? p->NodeLevel : 0;
}

int TExtStringGrid::GetRowIndent(int ARow) const {
  if (FNumNodes == 0 || ARow < 0 || ARow >= RowCount()) return 0;
  TCellProperties* p = GetGridObject(0, ARow);
  return p ? p->NodeLevel * FCellNode.NodeIndent() : 0;
}

int TExtStringGrid::GetNodeLevel(int ARow) { return IsNode(ARow) ? RowNodeLevel(ARow) : -1; }

int TExtStringGrid::GetNodeSpan(int ARow) {
  TCellGraphic* g = IsNode(ARow) ? GetCellGraphic(0, ARow) : nullptr;
  return g ? g->CellIndex : -1;
}

void TExtStringGrid::SetNodeSpan(int ARow, int Span) {
  if (IsNode(ARow)) GetCellGraphic(0, ARow)->CellIndex = Span;
}

void TExtStringGrid::UpdateNodeSpan(int ARow, int Delta) {
  if (IsNode(ARow)) GetCellGraphic(0, ARow)->CellIndex += Delta;
}

int TExtStringGrid::GetSubNodeCount(int ARow) { return IsNode(ARow) ? GetCellGraphic(0, ARow)->CellErrFrom : 0; }

void TExtStringGrid::UpdateSubNodeCount(int ARow, int Delta) {
  if (IsNode(ARow)) GetCellGraphic(0, ARow)->CellErrFrom += Delta;
}

int TExtStringGrid::GetNodeSpanType(int ARow) {
  if (IsNode(ARow)) return 0;
  if (ARow >= RowCount() - FixedFooters() - 1) return 1;
  TCellProperties* next = GetGridObject(0, ARow + 1);
  if (!next || next->NodeLevel < RowNodeLevel(ARow)) return 1;
  return 2;
}

// The innermost node above the row whose rows reach it: walking up, the
// first such node is the innermost, as nested nodes start below their parents.
int TExtStringGrid::GetParentRow(int ARow) {
  if (FNumNodes == 0 || ARow < 0 || ARow >= RowCount()) return -1;
  const int real = RealRowIndex(ARow);
  for (int r = real - 1; r >= 0; --r) {
    TCellGraphic* g = nodeAtReal(r);
    if (g && nodeEndReal(r, g) >= real) return IsHiddenRow(r) ? -1 : DisplRowIndex(r);
  }
  return IsNode(ARow) ? ARow : -1;
}

// ---- expanding and contracting ----

void TExtStringGrid::DoExpandNode(int ARealRow) {
  TCellGraphic* g = nodeAtReal(ARealRow);
  if (!g || !g->CellBoolean) return;
  g->CellBoolean = false;
  const int top = TopRow(), row = Row();
  const bool rowSelect = Options().Contains(goRowSelect);
  {
    TGridUpdateLock lock(*this);
    UnHideNodeRows(ARealRow + 1, nodeEndReal(ARealRow, g));
    if (rowSelect) {
      SetRow(std::min(row, RowCount() - 1));
      SetTopRow(std::min(top, RowCount() - 1));
    }
  }
  CalcFooter(-1);
}

void TExtStringGrid::ExpandNode(int ARealRow) {
  TCellGraphic* g = nodeAtReal(ARealRow);
  if (!g || !g->CellBoolean) return;
  if (FCellNode.ExpandOne()) {
    // The node's own parents stay open, or the node itself would vanish.
    std::vector<int> others;
    forEachNodeReal([&](int r, TCellGraphic* n) {
      if (r != ARealRow && !n->CellBoolean && !IsHiddenRow(r) && !(r < ARealRow && nodeEndReal(r, n) >= ARealRow))
        others.push_back(r);
    });
    TGridUpdateLock lock(*this);
    for (auto it = others.rbegin(); it != others.rend(); ++it) ContractNode(*it);
  }
  DoExpandNode(ARealRow);
}

void TExtStringGrid::ContractNode(int ARealRow) {
  HideInplaceEdit();
  TCellGraphic* g = nodeAtReal(ARealRow);
  if (!g || g->CellBoolean || IsHiddenRow(ARealRow)) return;
  FForceSel = true;
  g->CellBoolean = true;
  const int end = nodeEndReal(ARealRow, g);
  // Contracted sub-nodes are hidden with the parent and come back open.
  std::vector<int> rows;
  for (int r = ARealRow + 1; r <= end; ++r) {
    if (TCellGraphic* sub = nodeAtReal(r)) sub->CellBoolean = false;
    rows.push_back(r);
  }
  hideRealRows(std::move(rows), THiddenRowKind::Node, 0);
  FForceSel = false;
  CalcFooter(-1);
}

void TExtStringGrid::ExpandAll() {
  if (FNumNodes == 0) return;
  TGridUpdateLock lock(*this);
  forEachNodeReal([](int, TCellGraphic* n) { n->CellBoolean = false; });
  UnHideNodeRows(0, INT_MAX);
  CalcFooter(-1);
}

void TExtStringGrid::ContractAll() {
  if (FNumNodes == 0) return;
  TGridUpdateLock lock(*this);
  ExpandAll();
  std::vector<int> rows;
  for (int r = 0; r < AllRowCount();) {
    TCellGraphic* g = nodeAtReal(r);
    if (!g) {
      ++r;
      continue;
    }
    g->CellBoolean = true;
    const int end = nodeEndReal(r, g);
    for (int k = r + 1; k <= end; ++k) rows.push_back(k);
    r = end + 1;
  }
  hideRealRows(std::move(rows), THiddenRowKind::Node, 0);
  CalcFooter(-1);
}

void TExtStringGrid::ExpandNodesOver(int ARealRow) {
  // The outermost contracted node over the row hides it; opening it may
  // show an inner contracted one, so repeat while the row stays hidden.
  for (int guard = 0; guard < 64 && IsHiddenRow(ARealRow); ++guard) {
    int found = -1;
    for (int r = ARealRow - 1; r >= 0; --r) {
      TCellGraphic* g = nodeAtReal(r);
      if (g && g->CellBoolean && !IsHiddenRow(r) && nodeEndReal(r, g) >= ARealRow) {
        found = r;
        break;
      }
    }
    if (found < 0) return;
    DoExpandNode(found);
  }
}

// Rows a filter level gives back stay hidden while a node over them is
// contracted: they become that node's hidden rows.
void TExtStringGrid::RehideContractedNodes() {
  if (FNumNodes == 0) return;
  std::vector<int> rows;
  for (int r = 0; r < AllRowCount(); ++r) {
    TCellGraphic* g = nodeAtReal(r);
    if (!g || !g->CellBoolean || IsHiddenRow(r)) continue;
    const int end = nodeEndReal(r, g);
    for (int k = r + 1; k <= end; ++k) rows.push_back(k);
    r = end;
  }
  hideRealRows(std::move(rows), THiddenRowKind::Node, 0);
}

void TExtStringGrid::ToggleNodeByUser(int ARow) {
  if (!IsNode(ARow)) return;
  const int real = RealRowIndex(ARow);
  bool allow = true;
  if (GetNodeState(ARow)) {
    if (OnBeforeExpandNode) OnBeforeExpandNode(this, ARow, real, allow);
    if (!allow) return;
    ExpandNode(real);
    if (OnExpandNode) OnExpandNode(this, ARow, real);
  } else {
    if (OnBeforeContractNode) OnBeforeContractNode(this, ARow, real, allow);
    if (!allow) return;
    ContractNode(real);
    if (OnContractNode) OnContractNode(this, ARow, real);
  }
}

// ---- rows inside an outline ----

void TExtStringGrid::InsertNormalRow(int ARealRow) { InsertRows(DisplRowIndex(ARealRow), 1); }

void TExtStringGrid::RemoveNormalRow(int ARealRow) { RemoveRows(DisplRowIndex(ARealRow), 1); }

void TExtStringGrid::InsertChildRow(int ARealRow, int Offset) {
  ExpandNodesOver(ARealRow);
  const int d = DisplRowIndex(ARealRow);
  if (d < 0 || d > RowCount()) return;
  int level = 1;
  const int parent = GetParentRow(d);
  std::vector<int> chain;  // the parent and every node above it, by real row
  for (int p = parent; p != -1;) {
    chain.push_back(RealRowIndex(p));
    int up = GetParentRow(p);
    if (up == p) break;
    p = up;
  }
  if (parent != -1) level = std::max(1, RowNodeLevel(parent));
  for (int real : chain) {
    TCellGraphic* g = nodeAtReal(real);
    if (g->CellIndex > 0) ++g->CellIndex;
    ++g->CellErrFrom;
    ExpandNode(real);
  }
  const int at = DisplRowIndex(ARealRow);  // expanding above may have moved it
  const bool moveContents = IsNode(at) && Offset == 0;
  if (moveContents) Offset = 1;
  InsertRows(at + Offset, 1);
  if (moveContents)
    for (int c = 0; c < AllColCount(); ++c) {
      SetGridCell(c, at + 1, GetGridCell(c, at));
      SetGridCell(c, at, "");
      if (c > 0) {
        SetObjectEx(c, at + 1, GetObjectEx(c, at));
        SetObjectEx(c, at, 0);
      }
    }
  if (parent != -1)
    if (TCellProperties* p = GetCellProperties(0, at + Offset)) p->NodeLevel = level;
}

void TExtStringGrid::RemoveChildRow(int ARealRow) {
  ExpandNodesOver(ARealRow);
  const int d = DisplRowIndex(ARealRow);
  if (d < 0 || d >= RowCount() || IsHiddenRow(ARealRow)) return;
  for (int i = 0; i < FControlList.Count(); ++i)
    if (FControlList.GetControl(i)->Y > ARealRow) --FControlList.GetControl(i)->Y;
  for (int p = GetParentRow(d); p != -1 && p != d;) {
    const int real = RealRowIndex(p);
    TCellGraphic* g = nodeAtReal(real);
    if (g->CellIndex > 1) {
      --g->CellIndex;
      --g->CellErrFrom;
    }
    ExpandNode(real);
    int up = GetParentRow(DisplRowIndex(real));
    if (up == DisplRowIndex(real)) break;
    p = up;
  }
  DeleteRowRange(DisplRowIndex(ARealRow), 1);
}

// ---- the glyph's hit area ----

bool TExtStringGrid::IsNodeGlyphHit(int ARow, int X) {
  if (!FMouseActions.PreciseNodeClick()) return true;
  const int level = GetNodeLevel(ARow), indent = FCellNode.NodeIndent();
  int g = 4, m = 4;
  switch (FCellNode.NodeType()) {
    case cnFlat:
    case cnXP:
      break;
    case cn3D:
      g = 6, m = 0;
      break;
    case cnGlyph: {
      TBitmap* b = FCellNode.ExpandGlyph();
      const bool empty = !b || b->Empty();
      g = empty ? 0 : b->Width() / 2;
      m = empty ? 0 : 2;
      break;
    }
    case cnLeaf:
      g = 8, m = 2;
      break;
  }
  if (BiDiMode() != bdRightToLeft) return m + (level - 1) * indent < X && X < g + level * indent;
  int x = X;
  if (RowCount() - FixedRows() > VisibleRowCount()) x += GetSystemMetrics(SM_CXVSCROLL);
  return Width() - 2 - level * indent - g <= x && x < Width() - (level - 1) * indent;
}
