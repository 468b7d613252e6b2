// Settings objects of the string grid.

#include "grid/foundation/ExtObj.h"


TSearchFooter::TSearchFooter(TComponent* AOwner, bool InitDesign) {
  (void)AOwner;
  if (!InitDesign) return;
  F.FindNextCaption = "Find &next";
  F.FindPrevCaption = "Find &previous";
  F.HighLightCaption = "Highlight";
  F.MatchCaseCaption = "Match case";
  F.HintClose = "Close";
  F.HintFindNext = "Find next occurrence";
  F.HintFindPrev = "Find previous occurrence";
  F.HintHighlight = "Highlight occurrences";
}

void TSearchFooter::Assign(const TPersistent* Source) {
  const TSearchFooter* src = SameClass(this, Source);
  if (!src) return;
  // These four stay with this footer.
  TValues kept = F;
  F = src->F;
  F.AutoSearch = kept.AutoSearch;
  F.AutoThemeAdapt = kept.AutoThemeAdapt;
  F.LastSearch = kept.LastSearch;
  F.SearchFixedCells = kept.SearchFixedCells;
  FFont.Assign(&src->FFont);
}

void TSearchFooter::SetVisible(bool v) { setIfDiffers(F.Visible, v); }

void TSearchFooter::SetFont(const TFont* v) {
  FFont.Assign(v);
  Changed();
}

void TNavigation::Assign(const TPersistent* Source) {
  const TNavigation* src = SameClass(this, Source);
  if (!src) return;
  bool keepScroll = F.KeepScrollOnSort;
  F = src->F;
  F.KeepScrollOnSort = keepScroll;
}

void TNavigation::SetAdvanceInsert(bool v) {
  if (F.AdvanceInsert == v) return;
  F.AdvanceInsert = v;
  Changed();
}

void TNavigation::SetAdvanceAuto(bool v) {
  if (F.AdvanceAuto == v) return;
  F.AdvanceAuto = v;
  if (v) F.AdvanceOnEnter = true;
}

void TNavigation::SetAdvanceDirection(TAdvanceDirection v) {
  if (F.AdvanceDirection == v) return;
  F.AdvanceDirection = v;
  Changed();
}

TMouseActions::TMouseActions(TComponent* AOwner) { (void)AOwner; }

void TMouseActions::Assign(const TPersistent* Source) {
  const TMouseActions* src = SameClass(this, Source);
  if (!src) return;
  TValues kept = F;
  F = src->F;
  F.EditOnDblClickOnly = kept.EditOnDblClickOnly;
  F.HotmailRowSelect = kept.HotmailRowSelect;
  F.SizeFixedRow = kept.SizeFixedRow;
}

bool TMouseActions::isDesigning() {
  bool designing = false;
  if (OnIsDesigning) OnIsDesigning(this, designing);
  return designing;
}

void TMouseActions::keepOneDisjunct(bool TValues::*chosen) {
  if (!(F.*chosen) || !isDesigning()) return;
  for (bool TValues::*other : {&TValues::DisjunctRowSelect, &TValues::DisjunctColSelect, &TValues::DisjunctCellSelect})
    if (other != chosen) F.*other = false;
}

void TMouseActions::SetDisjunctRowSelect(bool v) {
  F.DisjunctRowSelect = v;
  keepOneDisjunct(&TValues::DisjunctRowSelect);
}

void TMouseActions::SetDisjunctColSelect(bool v) {
  F.DisjunctColSelect = v;
  keepOneDisjunct(&TValues::DisjunctColSelect);
}

void TMouseActions::SetDisjunctCellSelect(bool v) {
  F.DisjunctCellSelect = v;
  keepOneDisjunct(&TValues::DisjunctCellSelect);
}

void TMouseActions::SetEditOnDblClickOnly(bool v) {
  F.EditOnDblClickOnly = v;
  if (v && OnDisableEdit) OnDisableEdit(this);
}

void TMouseActions::SetHotmailRowSelect(bool v) {
  F.HotmailRowSelect = v;
  if (v) {
    F.DisjunctRowSelect = true;
    F.CheckAllCheck = true;
  }
  if (OnInvalidate) OnInvalidate(this);
}

void TMouseActions::SetWheelAction(TWheelAction v) {
  if (F.WheelAction == v) return;
  F.WheelAction = v;
  if (OnChange) OnChange(this);
}

void TSyncGrid::Assign(const TPersistent* Source) {
  const TSyncGrid* src = SameClass(this, Source);
  if (!src) return;
  SetGrid(src->FGrid);
  F = src->F;
}

void TBands::Assign(const TPersistent* Source) {
  const TBands* src = SameClass(this, Source);
  if (!src) return;
  FActive = src->FActive;
  FPrimaryColor = src->FPrimaryColor;
  FPrimaryLength = src->FPrimaryLength;
  FSecondaryColor = src->FSecondaryColor;
  FSecondaryLength = src->FSecondaryLength;
  FPrint = src->FPrint;
}

void TBands::SetActive(bool v) {
  if (FActive == v) return;
  FActive = v;
  if (OnChange) OnChange(this);
}

void TBands::SetPrimaryColor(TColor v) { setWhileActive(FPrimaryColor, v); }

void TBands::SetPrimaryLength(int v) { setWhileActive(FPrimaryLength, v); }

void TBands::SetSecondaryColor(TColor v) { setWhileActive(FSecondaryColor, v); }

void TBands::SetSecondaryLength(int v) { setWhileActive(FSecondaryLength, v); }

TColor TBands::RowColor(int Row, int FixedRows) const {
  const int total = TotalLength();
  if (!FActive || total <= 0) return clNone;
  int pos = (Row - FixedRows) % total;
  if (pos < 0) pos += total;
  return pos < FPrimaryLength ? FPrimaryColor : FSecondaryColor;
}

void TFocusHelper::Assign(const TPersistent* Source) {
  const TFocusHelper* src = SameClass(this, Source);
  if (!src) return;
  FEnabled = src->FEnabled;
}
