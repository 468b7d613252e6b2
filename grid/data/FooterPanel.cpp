// Drawing the floating footer and relaying clicks on it.

#include "grid/data/FooterPanel.h"

#include "grid/core/ExtGrid.h"

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
  C->TextOut(r.Left + 2, r.Top + 2, FGrid->ExpandFooterTemplate(f->CustomTemplate()));
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
