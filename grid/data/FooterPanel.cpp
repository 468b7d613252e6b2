// Drawing the floating footer and relaying clicks on it.

#include "grid/data/FooterPanel.h"

#include "grid/core/ExtGrid.h"
#include "grid/foundation/EsgHTMLE.h"
#include "toolkit/forms/Forms.h"

TFooterPanel::TFooterPanel(TExtStringGrid* AGrid) : TCustomPanel(AGrid), FGrid(AGrid) {
  SetBevelOuter(bvNone);
  SetShowCaption(false);
  SetBorderWidth(0);
}

void TFooterPanel::CreateWnd() {
  TCustomPanel::CreateWnd();
  const TFloatingFooter* footer = FGrid->FloatingFooter();
  SetHeight(footer->Visible() && footer->Height() > 0 ? footer->Height() - 1 : 0);
  if (FGrid->OnCreatedFloatingFooter) FGrid->OnCreatedFloatingFooter(FGrid);
}

// The fixed columns, then the scrolled columns from LeftCol on.
int TFooterPanel::usedWidth() const {
  int w = 0;
  for (int c = 0; c < FGrid->FixedCols(); ++c) w += FGrid->ColWidths(c);
  for (int c = FGrid->LeftCol(); c < FGrid->ColCount(); ++c) w += FGrid->ColWidths(c);
  return w;
}

int TFooterPanel::ColumnAt(int X) const {
  int x = 0;
  for (int c = 0; c < FGrid->FixedCols(); ++c) {
    x += FGrid->ColWidths(c);
    if (X < x) return c;
  }
  for (int c = FGrid->LeftCol(); c < FGrid->ColCount(); ++c) {
    x += FGrid->ColWidths(c);
    if (X < x) return c;
  }
  return -1;
}

void TFooterPanel::paintFixedLastRow(TCanvas* C) {
  const int foot = FGrid->RowCount() - 1;
  TRect r = ClientRect();
  auto cell = [&](int ACol) {
    TRect cr{r.Left, r.Top + 1, r.Left + FGrid->ColWidths(ACol), r.Bottom};
    r.Left = cr.Right;
    const int real = FGrid->RealColIndex(ACol);
    if (!FGrid->IsBaseCell(real, foot)) return;
    if (OnFooterPaint && ACol >= FGrid->FixedCols())
      OnFooterPaint(this, ACol, C, cr);
    else
      FGrid->DrawCellContent(C, ACol, foot, cr, TGridDrawState{gdFixed});
  };
  for (int c = 0; c < FGrid->FixedCols(); ++c) cell(c);
  for (int c = FGrid->LeftCol(); c < FGrid->ColCount() && r.Left < ClientWidth(); ++c) cell(c);
}

void TFooterPanel::paintPreview(TCanvas* C) {
  TFloatingFooter* f = FGrid->FloatingFooter();
  TRect r{0, 0, usedWidth(), ClientHeight()};
  C->Pen()->SetColor(clWhite);
  C->MoveTo(r.Left, r.Bottom - 1);
  C->LineTo(r.Left, r.Top);
  C->LineTo(r.Right - 1, r.Top);
  C->Pen()->SetColor(TColor(0x808080));
  C->LineTo(r.Right - 1, r.Bottom - 1);
  C->LineTo(r.Left, r.Bottom - 1);
  if (f->FooterStyle() == fsColumnPreview) {
    if (OnFooterPaint)
      OnFooterPaint(this, f->Column(), C, r);
    else if (f->Column() >= 0 && f->Column() < FGrid->ColCount())
      FGrid->DrawCellContent(C, f->Column(), FGrid->Row(), r, TGridDrawState{});
    return;
  }
  C->Brush()->SetStyle(bsClear);
  C->Font()->Assign(FGrid->Font());
  // The template is markup: at design time it shows as written.
  if (ComponentState().Contains(csDesigning)) {
    C->TextOut(r.Left + 2, r.Top + 2, f->CustomTemplate());
  } else {
    THTMLTextCall call;
    call.Images = FGrid->GridImages();
    call.LinkColor = FGrid->URLColor();
    call.ShadowColor = clGray;
    DrawHTMLText(C, FGrid->ExpandFooterTemplate(f->CustomTemplate()), TRect{r.Left, r.Top + 2, r.Right, r.Bottom + 2},
                 call);
  }
  C->Brush()->SetStyle(bsSolid);
}

void TFooterPanel::Paint() {
  TCanvas* C = Canvas();
  TFloatingFooter* f = FGrid->FloatingFooter();
  const int used = std::min(usedWidth(), ClientWidth());
  if (f->FooterStyle() == fsCustomPaint) {
    if (OnFooterPaint) OnFooterPaint(this, f->Column(), C, ClientRect());
  } else {
    C->Brush()->SetStyle(bsSolid);
    C->Brush()->SetColor(f->Color());
    C->FillRect(TRect{0, 0, used, ClientHeight()});
    C->Brush()->SetColor(FGrid->Color());
    C->FillRect(TRect{used, 0, ClientWidth(), ClientHeight()});
    if (f->FooterStyle() == fsFixedLastRow)
      paintFixedLastRow(C);
    else
      paintPreview(C);
  }
  if (f->BorderColor() != clNone) {
    C->Pen()->SetColor(f->BorderColor());
    C->MoveTo(0, 0);
    C->LineTo(used, 0);
  }
}

void TFooterPanel::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TCustomPanel::MouseUp(Button, Shift, X, Y);
  if (FGrid->OnClick) FGrid->OnClick(FGrid);
  const int c = ColumnAt(X);
  if (c >= 0 && FGrid->OnClickCell) FGrid->OnClickCell(FGrid, FGrid->RowCount() - 1, FGrid->RealColIndex(c));
}

// Leaving the column ends its hint, so the next column shows its own.
void TFooterPanel::CMHintShow(TCMHintShow& Message) {
  if (!Message.HintInfo) return;
  THintInfo& info = *Message.HintInfo;
  const int c = ColumnAt(info.CursorPos.X);
  FLastHintX = c;
  if (c >= 0 && FGrid->OnGridHint) FGrid->OnGridHint(FGrid, FGrid->RowCount() - 1, c, info.HintStr);
  int left = 0;
  for (int x = 0; x < FGrid->FixedCols() && x < c; ++x) left += FGrid->ColWidths(x);
  for (int x = FGrid->LeftCol(); x < c; ++x) left += FGrid->ColWidths(x);
  if (c >= 0) info.CursorRect = TRect{left, 0, left + FGrid->ColWidths(c), ClientHeight()};
  Message.Result = FGrid->FloatingFooter()->ShowHint() ? 0 : 1;
}

void TFooterPanel::MouseMove(TShiftState Shift, int X, int Y) {
  TCustomPanel::MouseMove(Shift, X, Y);
  if (!FGrid->FloatingFooter()->ShowHint()) return;
  const int c = ColumnAt(X);
  if (c != FLastHintX && FLastHintX != -1) {
    if (Application) Application->CancelHint();
    FLastHintX = c;
  }
}

void TFooterPanel::CMMouseLeave(TCMControlMsg& Message) {
  TCustomPanel::CMMouseLeave(Message);
  FLastHintX = -1;
}
