// The grid's side of the search footer: showing the panel by the
// SearchFooter settings, and the handlers of its edit box and buttons.
// Find-next and find-previous walk the same order (backwards for
// previous), so that one undoes the other.

#include "grid/core/ExtGrid.h"
#include "grid/data/SearchPanel.h"
#include "grid/foundation/ExtObjCheckBox.h"
#include "grid/foundation/ExtObjGridButton.h"

namespace {
constexpr int kSearchPanelHeight = 32;
}  // namespace

int TExtStringGrid::SearchPanelHeight() const {
  return SearchPanel && SearchPanel->Visible() ? SearchPanel->Height() : 0;
}

void TExtStringGrid::ApplySearchFooter() {
  if (FDestroyingGrid || ComponentState().Contains(csLoading)) return;
  TSearchFooter* f = FSearchFooter.get();
  if (SearchPanel && ((SearchPanel->HiliteButton->Down() && SearchPanel->Visible() && !f->Visible()) ||
                      f->AlwaysHighLight()))
    RemoveSearchHighlight(f->SearchColumn());
  if (!f->Visible()) {
    if (SearchPanel) {
      SearchPanel->SetVisible(false);
      SearchPanel->SetHeight(0);
    }
    return;
  }
  if (!SearchPanel) {
    SearchPanel = new TSearchPanel(this);
    SearchPanel->SetParent(this);
    SearchPanel->SetAlign(alBottom);
    SearchPanel->OnEditChange = [this](TObject*) { SearchFooterEditChange(); };
    SearchPanel->OnForwardClick = [this](TObject*) { SearchFooterFindNext(); };
    SearchPanel->OnBackwardClick = [this](TObject*) { SearchFooterFindPrevious(); };
    SearchPanel->OnHighlightClick = [this](TObject*) { SearchFooterHighlight(); };
    SearchPanel->OnExitClick = [this](TObject*) { SearchFooterClose(); };
  }
  TSearchPanel* p = SearchPanel;
  auto take = [](std::string& To, const std::string& From) {
    if (!From.empty()) To = From;
  };
  take(p->FindNextCaption, f->FindNextCaption());
  take(p->FindPrevCaption, f->FindPrevCaption());
  take(p->MatchCaseCaption, f->MatchCaseCaption());
  take(p->HighLightCaption, f->HighLightCaption());
  p->HintFindNext = f->HintFindNext();
  p->HintFindPrev = f->HintFindPrev();
  p->HintClose = f->HintClose();
  p->HintHighlight = f->HintHighlight();
  p->Font()->Assign(f->Font());
  p->SetColor(f->Color());
  p->SetColorTo(f->ColorTo());
  styleSearchButtons();
  p->ExitButton->SetVisible(f->ShowClose());
  p->ForwardButton->SetVisible(f->ShowFindNext());
  p->BackwardButton->SetVisible(f->ShowFindPrev());
  p->HiliteButton->SetVisible(f->ShowHighLight());
  p->MatchCase->SetVisible(f->ShowMatchCase());
  p->MatchCase->SetTransparent(true);
  p->SetHeight(kSearchPanelHeight);
  p->SetVisible(true);
  p->LayoutChildren();
  scrollAboveSearchPanel();
}

// The buttons take the grid's control look: flat, themed or classic; a grid
// that adapts to the office theme makes them adapt too, flat.
void TExtStringGrid::styleSearchButtons() {
  for (TExtGridButton* b : {SearchPanel->BackwardButton, SearchPanel->ForwardButton, SearchPanel->HiliteButton}) {
    switch (FControlLook.ControlStyle()) {
      case csFlat: b->SetFlat(true); break;
      case csWinXP:
      case csTheme:
        if (!FAutoThemeAdapt) {
          b->SetAutoXPStyle(true);
          b->SetFlat(false);
        }
        break;
      case csClassic:
        b->SetAutoXPStyle(false);
        b->SetFlat(false);
        break;
      default: break;
    }
    if (FAutoThemeAdapt) {
      b->SetAutoThemeAdapt(true);
      b->SetFlat(true);
    }
  }
}

// The last row ends above the panel when it is in view.
void TExtStringGrid::scrollAboveSearchPanel() {
  const int limit = ClientHeight() - SearchPanel->Height();
  const int last = RowCount() - 1;
  while (TopRow() < last) {
    const TRect r = CellRect(LeftCol(), last);
    if (r.IsEmpty() || r.Bottom <= limit) return;
    const int top = TopRow();
    SetTopRow(top + 1);
    if (TopRow() == top) return;  // the grid cannot scroll further
  }
}

TFindParams TExtStringGrid::footerFindParams(bool Backward) const {
  const TSearchFooter* f = FSearchFooter.get();
  TFindParams p{fnAutoGoto};
  if (Backward) p += TFindParams{fnBackward};
  if (SearchPanel->HiliteButton->Down()) p += TFindParams{fnIgnoreHTMLTags};
  if (SearchPanel->MatchCase->Checked()) p += TFindParams{fnMatchCase};
  if (f->SearchActiveColumnOnly()) p += TFindParams{fnFindInCurrentCol};
  if (f->SearchMatchStart()) p += TFindParams{fnMatchStart};
  if (f->SearchDirection() == sdLeftRight) p += TFindParams{fnDirectionLeftRight};
  if (f->SearchColumn() >= 0 && f->SearchColumn() < ColCount()) p += TFindParams{fnFindInPresetCol};
  return p;
}

void TExtStringGrid::setSearchEditColor(TColor Color) {
  if (SearchPanel->EditControl->Color() != Color) SearchPanel->EditControl->SetColor(Color);
}

void TExtStringGrid::SearchFooterEditChange() {
  if (!SearchPanel) return;
  const std::string text = SearchPanel->EditControl->Text();
  bool defaultSearch = true;
  if (OnSearchEditChange) OnSearchEditChange(this, text, defaultSearch);
  const TSearchFooter* f = FSearchFooter.get();
  if (!defaultSearch || !f->AutoSearch()) return;
  TFindParams p = footerFindParams(false);
  if (f->SearchFixedCells()) p += TFindParams{fnIncludeFixed};
  if (f->SearchHiddenRows()) p += TFindParams{fnIncludeHiddenRows};
  if (p.Contains(fnFindInPresetCol)) FindCol = f->SearchColumn();
  const bool highlight = SearchPanel->HiliteButton->Down() || f->AlwaysHighLight();
  const bool matchCase = SearchPanel->MatchCase->Checked();
  if (highlight) RemoveSearchHighlight(f->SearchColumn());
  if (text.empty()) {
    setSearchEditColor(clWindow);
    return;
  }
  SearchCell = Find({-1, -1}, text, p);
  DoSearchFooterAction(text, SearchCell.X, SearchCell.Y, saFindFirst);
  setSearchEditColor(SearchCell.X < 0 ? clRed : clWindow);
  if (SearchCell.X >= 0 && highlight) HighlightSearchText(f->SearchColumn(), text, matchCase);
}

void TExtStringGrid::searchFooterStep(bool Backward) {
  if (!SearchPanel) return;
  const std::string text = SearchPanel->EditControl->Text();
  const TSearchFooter* f = FSearchFooter.get();
  if (!f->AutoSearch() && text != FFooterLastSearch) SearchCell = {-1, -1};
  FFooterLastSearch = text;
  TFindParams p = footerFindParams(Backward);
  if (p.Contains(fnFindInPresetCol)) FindCol = f->SearchColumn();
  SearchCell = Find(SearchCell, text, p);
  DoSearchFooterAction(text, SearchCell.X, SearchCell.Y, Backward ? saFindPrevious : saFindNext);
  SearchPanel->Invalidate();
}

void TExtStringGrid::SearchFooterFindNext() { searchFooterStep(false); }
void TExtStringGrid::SearchFooterFindPrevious() { searchFooterStep(true); }

void TExtStringGrid::SearchFooterHighlight() {
  if (!SearchPanel) return;
  const int col = FSearchFooter->SearchColumn();
  if (SearchPanel->HiliteButton->Down())
    HighlightSearchText(col, SearchPanel->EditControl->Text(), SearchPanel->MatchCase->Checked());
  else
    RemoveSearchHighlight(col);
}

void TExtStringGrid::SearchFooterClose() {
  if (OnSearchFooterClose) OnSearchFooterClose(this);
  FSearchFooter->SetVisible(false);
}

void TExtStringGrid::HighlightSearchText(int ACol, const std::string& Text, bool MatchCase) {
  if (ACol == -1)
    HilightInGrid(false, MatchCase, Text);
  else
    HilightInCol(false, MatchCase, ACol, Text);
}

void TExtStringGrid::RemoveSearchHighlight(int ACol) {
  if (ACol == -1)
    UnHilightInGrid(false);
  else
    UnHilightInCol(false, ACol);
}
