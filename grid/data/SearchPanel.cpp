// The search footer panel: its children, their places and its face.

#include "grid/data/SearchPanel.h"

#include "grid/core/ExtGrid.h"
#include "grid/foundation/ExtObjCheckBox.h"
#include "grid/foundation/ExtObjGridButton.h"
#include "grid/foundation/ExtUtil.h"
#include "toolkit/graphics/Bitmap.h"
#include "toolkit/graphics/Resources.h"

// ---- the edit box ----

void TRetEdit::KeyDown(uint16_t& Key, TShiftState Shift) {
  if (Key == VK_RETURN) {
    const TNotifyEvent& e = Shift.Contains(ssCtrl) ? OnCtrlReturn : OnReturn;
    Key = 0;
    if (e) e(this);
    return;
  }
  TEdit::KeyDown(Key, Shift);
}

// Line breaks reach OnKeyPress only; the box stays one line.
void TRetEdit::KeyPress(char& Key) {
  if (Key == '\r' || Key == '\n') {
    if (OnKeyPress) OnKeyPress(this, Key);
    Key = 0;
    return;
  }
  TEdit::KeyPress(Key);
}

// ---- the panel ----

namespace {
void loadGlyph(TBitmap& Bmp, const std::string& Name) {
  if (FindResourceOrNull(Name, rkBitmap)) Bmp.LoadFromResourceName(Name);
}
}  // namespace

TExtGridButton* TSearchPanel::makeButton(const std::string& Glyph, const std::string& Disabled) {
  auto* b = new TExtGridButton(this);
  b->SetParent(this);
  TBitmap g;
  loadGlyph(g, Glyph);
  b->SetGlyph(&g);
  if (!Disabled.empty()) {
    TBitmap d;
    loadGlyph(d, Disabled);
    b->SetGlyphDisabled(&d);
  }
  b->SetParentFont(true);
  return b;
}

TSearchPanel::TSearchPanel(TExtStringGrid* AGrid) : TCustomPanel(AGrid), FGrid(AGrid) {
  SetBevelOuter(bvNone);
  SetShowCaption(false);
  EditControl = new TRetEdit(this);
  EditControl->SetParent(this);
  EditControl->OnChange = [this](TObject*) { editChanged(); };
  EditControl->OnReturn = [this](TObject*) { if (OnForwardClick) OnForwardClick(this); };
  EditControl->OnCtrlReturn = [this](TObject*) { if (OnBackwardClick) OnBackwardClick(this); };
  ForwardButton = makeButton("ESGARDOWN", "ESGARDOWND");
  ForwardButton->OnClick = [this](TObject*) { if (OnForwardClick) OnForwardClick(this); };
  BackwardButton = makeButton("ESGARUP", "ESGARUPD");
  BackwardButton->OnClick = [this](TObject*) { if (OnBackwardClick) OnBackwardClick(this); };
  ExitButton = makeButton("ESGCLOSE", "");
  TBitmap hot, down;
  loadGlyph(hot, "ESGCLOSEH");
  loadGlyph(down, "ESGCLOSED");
  ExitButton->SetGlyphHot(&hot);
  ExitButton->SetGlyphDown(&down);
  ExitButton->OnClick = [this](TObject*) { if (OnExitClick) OnExitClick(this); };
  HiliteButton = makeButton("ESGHI", "ESGHID");
  HiliteButton->SetStyle(tasCheck);
  HiliteButton->SetAllowAllUp(true);
  HiliteButton->SetGroupIndex(1);
  HiliteButton->OnClick = [this](TObject*) { if (OnHighlightClick) OnHighlightClick(this); };
  MatchCase = new TExtCheckBox(this);
  MatchCase->SetParent(this);
  for (TExtGridButton* b : {ForwardButton, BackwardButton, HiliteButton}) b->SetEnabled(false);
  LayoutChildren();
}

void TSearchPanel::SetColorTo(TColor Value) {
  FColorTo = Value;
  Invalidate();
}

bool TSearchPanel::HasText() const { return !EditControl->Text().empty(); }

void TSearchPanel::editChanged() {
  const bool any = HasText();
  for (TExtGridButton* b : {ForwardButton, BackwardButton, HiliteButton}) b->SetEnabled(any);
  if (OnEditChange) OnEditChange(this);
}

void TSearchPanel::LayoutChildren() {
  struct TPlace {
    TControl* Child;
    int Left, Top, Width, Height;
  };
  const int matchLeft = HiliteButton->Visible() ? 425 : 330;
  const TPlace places[] = {
      {EditControl, 25, 6, 110, EditControl->Height()},
      {ForwardButton, 140, 5, 90, 23},
      {BackwardButton, 235, 5, 90, 23},
      {ExitButton, 5, 7, 14, 14},
      {HiliteButton, 330, 5, 90, 23},
      {MatchCase, matchLeft, 7, 120, 18},
  };
  const bool rtl = BiDiMode() == bdRightToLeft;
  for (const TPlace& p : places) {
    const int left = rtl ? Width() - p.Width - p.Left : p.Left;
    // A hidden child keeps no height, so that nothing of it can be hit.
    p.Child->SetBounds(left, p.Top, p.Width, p.Child == EditControl || p.Child->Visible() ? p.Height : 0);
  }
  ForwardButton->SetCaption(FindNextCaption);
  ForwardButton->SetHint(HintFindNext);
  ForwardButton->SetShowHint(!HintFindNext.empty());
  BackwardButton->SetCaption(FindPrevCaption);
  BackwardButton->SetHint(HintFindPrev);
  BackwardButton->SetShowHint(!HintFindPrev.empty());
  HiliteButton->SetCaption(HighLightCaption);
  HiliteButton->SetHint(HintHighlight);
  HiliteButton->SetShowHint(!HintHighlight.empty());
  ExitButton->SetHint(HintClose);
  ExitButton->SetShowHint(!HintClose.empty());
  MatchCase->SetCaption(MatchCaseCaption);
}

void TSearchPanel::CreateWnd() {
  TCustomPanel::CreateWnd();
  LayoutChildren();
  if (FGrid->OnCreatedSearchFooter) FGrid->OnCreatedSearchFooter(FGrid);
}

void TSearchPanel::Paint() {
  TCanvas* c = Canvas();
  TRect r = ClientRect();
  if (FColorTo == clNone) {
    c->Brush()->SetStyle(bsSolid);
    c->Brush()->SetColor(Color());
    c->FillRect(r);
  } else {
    GradientFillRect(c, Color(), FColorTo, 32, r, false);
  }
  c->Pen()->SetColor(FGrid->GridLineColor());
  c->MoveTo(r.Left, r.Top);
  c->LineTo(r.Right, r.Top);
}
