// The floating footer: its settings, the footer row's column calculations
// and the panel that shows it. With fsFixedLastRow the grid's last row is
// the footer row, kept as a fixed footer the grid does not paint itself.

#include <algorithm>

#include "grid/core/ExtGrid.h"
#include "grid/data/FooterPanel.h"
#include "grid/data/GridCalc.h"
#include "grid/foundation/EsgHTMLE.h"
#include "toolkit/rtl/ScopeGuard.h"
#include "toolkit/rtl/SysUtils.h"

void TFloatingFooter::Assign(const TPersistent* Source) {
  const auto* s = dynamic_cast<const TFloatingFooter*>(Source);
  if (!s) {
    TPersistent::Assign(Source);
    return;
  }
  FCalculateHiddenRows = s->FCalculateHiddenRows;
  FColor = s->FColor;
  FColumn = s->FColumn;
  FCustomTemplate = s->FCustomTemplate;
  FFooterStyle = s->FFooterStyle;
  FShowHint = s->FShowHint;
  FBorderColor = s->FBorderColor;
  SetVisible(s->FVisible);
  if (OnChange) OnChange(this);
}

TColumnCalcType TExtStringGrid::ColumnCalc(int ARealCol) {
  TCellProperties* p = RowCount() > 0 ? GetGridObject(ARealCol, RowCount() - 1) : nullptr;
  return p ? static_cast<TColumnCalcType>(p->CalcType & 0x7F) : acNONE;
}

void TExtStringGrid::SetColumnCalc(int ARealCol, TColumnCalcType Value) {
  if (RowCount() == 0) return;
  if (TCellProperties* p = GetCellProperties(ARealCol, RowCount() - 1)) p->CalcType = Value;
  CalcFooter(ARealCol);
}

void TExtStringGrid::CalcFooter(int AFooterCol) { CalcFooterRow(AFooterCol); }

void TExtStringGrid::UpdateFooter() {
  if (FooterPanel) FooterPanel->Invalidate();
}

// Writing the results changes cells, which asks for the footer again: the
// guard keeps that from starting over.
void TExtStringGrid::CalcFooterRow(int ACol) {
  if (!FFloatingFooter.Visible() || FFloatingFooter.FooterStyle() != fsFixedLastRow ||
      !FFloatingFooter.EnableCalculation() || FCalculatingFooter)
    return;
  const int foot = RowCount() - 1;
  if (foot < FixedRows()) return;
  FCalculatingFooter = true;
  auto done = MakeScopeGuard([this] { FCalculatingFooter = false; });
  TGridUpdateLock lock(*this);
  const bool hidden = FFloatingFooter.CalculateHiddenRows();
  const int footReal = RealRowIndex(foot);
  const int from = ACol == -1 ? 0 : ACol, to = ACol == -1 ? AllColCount() - 1 : ACol;
  for (int c = std::max(from, 0); c <= std::min(to, AllColCount() - 1); ++c) {
    TCellProperties* p = GetGridObject(c, foot);
    if (!p) continue;
    const auto calc = static_cast<TColumnCalcType>(p->CalcType & 0x7F);
    if (calc == acNONE || calc == acSPREAD) continue;
    if (calc == acCOUNT) {
      SetInts(c, foot, foot - FixedRows() + (hidden ? NumHiddenRows() : 0));
      continue;
    }
    if (calc == acCUSTOM) {
      std::string value;
      if (OnFooterCalc)
        OnFooterCalc(this, c, foot, value);
      else if (FFloatingFooter.OnCalcFooter)
        FFloatingFooter.OnCalcFooter(this, c, foot, value);
      SetCells(c, foot, value);
      continue;
    }
    TCalcAggregate a;
    TDistinctTexts distinct;
    // The average divides by every row, as the column average does.
    int rows = foot - FixedRows();
    for (int r = FixedRows(); r < foot; ++r) {
      if (FGroupColumn != -1 && (IsNode(r) || IsSummary(r))) continue;
      double v = 0;
      if (calc == acDISTINCT)
        distinct.Add(Cells(c, r));
      else if (CalcCellNumber(c, r, v))
        a.Add(v);
    }
    if (hidden)
      for (const auto& item : FHiddenRows) {
        if (item.Idx() < FixedRows() || item.Idx() > footReal) continue;
        ++rows;
        if (item.Items()->Count() <= c) continue;
        double v = 0;
        if (calc == acDISTINCT)
          distinct.Add(item.Items()->Strings(c));
        else if (CellTextNumber(item.Items()->Strings(c), v))
          a.Add(v);
      }
    double result = 0;
    switch (calc) {
      case acSUM: result = a.Sum(); break;
      case acAVG: result = rows > 0 ? a.Sum() / rows : 0; break;
      case acMIN: result = a.Min(); break;
      case acMAX: result = a.Max(); break;
      case acSTDDEV: result = a.StdDev(); break;
      case acDISTINCT: result = distinct.Count(); break;
      default: break;
    }
    SetFloats(c, foot, result);
  }
  UpdateFooter();
}

std::string TExtStringGrid::ExpandFooterTemplate(const std::string& Template) {
  std::string out;
  size_t i = 0;
  while (i < Template.size()) {
    const size_t open = Template.find("<#", i);
    if (open == std::string::npos) break;
    const size_t close = Template.find('>', open + 2);
    if (close == std::string::npos) break;  // an unclosed field stays as written
    out.append(Template, i, open - i);
    const std::string number = Template.substr(open + 2, close - open - 2);
    int col = 0;
    if (TryStrToInt(number, col) && col >= 0 && col < AllColCount() && Row() < RowCount()) out += Cells(col, Row());
    i = close + 1;
  }
  out.append(Template, i, std::string::npos);
  return out;
}

TCanvas* TExtStringGrid::FooterCanvas() { return FooterPanel ? FooterPanel->Canvas() : nullptr; }

void TExtStringGrid::applyFloatingFooter() {
  if (FDestroyingGrid) return;
  const bool fixedLast = FFloatingFooter.Visible() && FFloatingFooter.FooterStyle() == fsFixedLastRow;
  if (fixedLast != FFooterHoldsLastRow) {
    FFooterHoldsLastRow = fixedLast;
    SetFixedFooters(fixedLast ? 1 : 0);
  }
  SetHideLastRow(fixedLast);
  if (FFloatingFooter.Visible() && !FooterPanel) {
    FooterPanel = new TFooterPanel(this);
    FooterPanel->SetParent(this);
    FooterPanel->SetAlign(alBottom);
  }
  if (FooterPanel) {
    const int h = FFloatingFooter.Height() > 0 ? FFloatingFooter.Height() - 1 : 0;
    FooterPanel->SetHeight(FFloatingFooter.Visible() ? h : 0);
    FooterPanel->SetVisible(FFloatingFooter.Visible());
    // The panel's hints start from the grid's hint text; OnGridHint makes them.
    FooterPanel->SetShowHint(FFloatingFooter.ShowHint());
    FooterPanel->SetHint(Hint());
    FooterPanel->Invalidate();
  }
  CalcFooter(-1);
  Invalidate();
}
