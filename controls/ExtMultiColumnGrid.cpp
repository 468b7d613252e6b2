// The multi-column drop-down's popup table.

#include <algorithm>

#include "controls/DropDownColumnSizing.h"
#include "controls/ExtDropDownForm.h"
#include "controls/ExtDropDownUtil.h"
#include "controls/ExtMultiColumnDropDown.h"
#include "toolkit/forms/WinApi.h"
#include "toolkit/graphics/Bitmap.h"
#include "toolkit/graphics/Canvas.h"
#include "toolkit/graphics/ImgList.h"

namespace ExtMultiColumnDropDown {

TExtColGrid::TExtColGrid(TComponent* AOwner)
    : TColGridOf(AOwner) {
  SetFixedRows(1);
  SetFixedCols(0);
  TGridOptions o = Options();
  o.Include(goHorzLine);
  o.Include(goRowSelect);
  o.Exclude(goRangeSelect);
  o.Exclude(goDrawFocusSelected);
  SetOptions(o);
  SetDefaultDrawing(false);
  SetCtl3D(false);
  SetGridLineWidth(0);
  FGridLineWidth = 1;
  SetBorderStyle(bsNone);
}

TExtColGrid::~TExtColGrid() = default;

void TExtColGrid::FillFrom(TExtMultiColumnDropDown* D) {
  FExtDropDown = D;
  FColumns->Assign(D->Columns());
  const int items = D->Items()->Count();
  SetColCount(std::max(1, FColumns->Count()));
  SetRowCount(items + 1);
  if (RowCount() > 1) {
    SetFixedRows(1);
    SetRow(1);
    SetRowCount(items + 1);
  }
  for (int i = 0; i < FColumns->Count(); ++i) SetColWidths(i, FColumns->Items(i)->Width());
  TakeLook(*D);
  FImages = D->Images();
  SetDefaultRowHeight(D->DropDownRowHeight());
  SetRowHeights(0, D->HeaderHeight());
  TGridOptions o = Options();
  if (D->ColumnSizing()) o.Include(goColSizing);
  else o.Exclude(goColSizing);
  SetOptions(o);
  autoSizeColumns();
  if (inPopup()) WrapRowHeights();
}

bool TExtColGrid::inPopup() const { return Parent() != nullptr && Parent() == FExtDropDown->DropDownForm(); }

std::string TExtColGrid::SizingText(int ACol, int ARow) const {
  return FExtDropDown->Items()->Items(ARow - 1)->TextOf(ACol);
}

bool TExtColGrid::SizingImage(int ACol, int ARow) const {
  const TDropDownItem* item = FExtDropDown->Items()->Items(ARow - 1);
  return FColumns->Items(ACol)->ColumnType() == ctImage && item->HasText(ACol) && item->ImageIndex() >= 0 &&
         FImages != nullptr;
}

void TExtColGrid::autoSizeColumns() {
  if (!inPopup()) return;
  for (int c = 0; c < FColumns->Count(); ++c) {
    if (!FColumns->Items(c)->AutoSize()) continue;
    const int w = ContentWidth(c);
    FColumns->Items(c)->SetWidth(w);
    FExtDropDown->Columns()->Items(c)->SetWidth(w);
    SetColWidths(c, w);
  }
}

TRect TExtColGrid::FullCellRect(int ACol, int ARow) const {
  const TRect r = CellRect(ACol, ARow);
  if (r.Width() == 0 && r.Height() == 0 && r.Left == 0 && r.Top == 0) return TRect();
  return TRect(r.Left, r.Top, r.Left + ColWidths(ACol), r.Top + RowHeights(ARow));
}

// ---- painting

void TExtColGrid::drawBackground(int ACol, int ARow, TRect R, bool Selected, int Kind, TColor Color) {
  TCanvas* c = Canvas();
  c->Brush()->SetStyle(bsSolid);
  if (ARow >= FixedRows()) {
    if (!Selected) {
      c->Brush()->SetColor(Color);
      c->Pen()->SetColor(Color);
      c->Pen()->SetWidth(1);
      c->Rectangle(R);
    } else if (FExtDropDown != nullptr) {
      FExtDropDown->DrawSelectionBackground(c, R, Color, Kind);
    } else {
      c->Brush()->SetColor(clActiveCaption);
      c->FillRect(R);
    }
    return;
  }
  (void)ACol;
  if (FHeaderColor == clNone || FHeaderColorTo == clNone) {
    c->Brush()->SetColor(FHeaderColor);
    c->FillRect(R);
  } else if (FExtDropDown != nullptr) {
    FExtDropDown->DrawGradientRect(c, FHeaderColor, FHeaderColorTo, 80, R, gdVertical);
  } else {
    DrawGradient(c, FHeaderColor, FHeaderColorTo, 80, R, false);
  }
}

void TExtColGrid::drawLines(const TRect& R, bool Header) {
  TCanvas* c = Canvas();
  int off = 1;
  if (Header) {
    c->Pen()->SetColor(FFixedLineColor);
    c->Pen()->SetWidth(1);
  } else {
    if (FGridLineWidth > 0) c->Pen()->SetColor(FLineColor);
    c->Pen()->SetWidth(FGridLineWidth);
    off = (FGridLineWidth + 1) / 2;
  }
  if (FGridLineWidth <= 0 && !Header) return;
  if (Options().Contains(Header ? goFixedHorzLine : goHorzLine)) {
    c->MoveTo(R.Left - off + 1, R.Bottom - off);
    c->LineTo(R.Right - off + 1, R.Bottom - off);
  }
  if (Options().Contains(Header ? goFixedVertLine : goVertLine)) {
    const int x = R.Right - off + (BiDiMode() == bdRightToLeft ? 1 : 0);
    c->MoveTo(x, R.Bottom - off);
    c->LineTo(x, R.Top - off);
  }
}

void TExtColGrid::DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) {
  TExtMultiColumnDropDown* D = FExtDropDown;
  TCanvas* c = Canvas();
  if (D != nullptr && D->OnDropDownDrawItem) {
    D->OnDropDownDrawItem(D, ACol, ARow, c, ARect);
    return;
  }
  const bool first = ACol == FixedCols(), last = ACol == ColCount() - 1;
  const int kind = first && last ? 0 : first ? 1 : last ? 2 : 3;
  TRect R = FullCellRect(ACol, ARow);
  if (R.IsEmpty()) R = ARect;
  std::string text = ARow < 0 ? std::string() : Cells(ACol, ARow);
  int image = -1;
  TColor color = Color();
  TAlignment align = taLeftJustify;
  bool wrap = false, ellipsis = false;
  const bool column = ACol < FColumns->Count() && ACol >= FixedCols();
  if (column) {
    const TDropDownColumn* col = FColumns->Items(ACol);
    color = col->Color();
    align = col->Alignment();
    wrap = col->Wordwrap();
    ellipsis = col->Ellipsis();
    c->Font()->Assign(col->Font());
    if (D != nullptr && ARow > 0 && ARow <= D->Items()->Count()) {
      const TDropDownItem* item = D->Items()->Items(ARow - 1);
      if (col->ColumnType() == ctImage) image = item->ImageIndex();
      if (item->HasText(ACol)) text = item->TextOf(ACol);
    }
  } else {
    c->Font()->Assign(FHeaderFont.get());
  }
  if (D != nullptr && D->OnDropDownGetItemText) D->OnDropDownGetItemText(D, ACol, ARow, text);
  const bool header = ARow < FixedRows();
  if (header) {
    text = D != nullptr && column ? FColumns->Items(ACol)->Header() : std::string();
    image = -1;
  }
  drawBackground(ACol, ARow, R, AState.Contains(gdSelected) && !header, kind, color);
  drawLines(R, header);
  InflateRect(R, -FGridLineWidth, -FGridLineWidth);
  TRect textRect = R;
  textRect.Left = R.Left + 2;
  if (D != nullptr && D->Images() != nullptr && image >= 0) {
    TImageList* il = D->Images();
    const int y = il->Height() < R.Height() ? R.Top + (R.Height() - il->Height()) / 2 : R.Top;
    il->Draw(c, R.Left + 2, y, image, true);
    textRect.Left = R.Left + il->Width() + 4;
  }
  if (text.empty()) return;
  c->Brush()->SetStyle(bsClear);
  if (AState.Contains(gdSelected) && !header && D != nullptr) c->Font()->SetColor(D->SelectionTextColor());
  if (header) c->Font()->Assign(FHeaderFont.get());
  uint32_t flags = DT_VCENTER | DT_EXPANDTABS | DT_NOPREFIX;
  flags |= align == taRightJustify ? DT_RIGHT : align == taCenter ? DT_CENTER : DT_LEFT;
  flags |= wrap ? DT_WORDBREAK | DT_EDITCONTROL : DT_SINGLELINE;
  if (ellipsis) flags |= DT_END_ELLIPSIS;
  c->DrawText(text, textRect, flags);
}

// ---- keys and mouse

void TExtColGrid::KeyDown(uint16_t& Key, TShiftState Shift) {
  if (PassedToDropDown(Key, FExtDropDown)) return;
  const uint16_t key = Key;
  TStringGrid::KeyDown(Key, Shift);
  if (key == VK_RETURN) DoSelect();
}

void TExtColGrid::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TStringGrid::MouseUp(Button, Shift, X, Y);
  int col = -1, row = -1;
  MouseToCell(X, Y, col, row);
  if (row >= FixedRows() && row < RowCount()) DoSelect();
}

bool TExtColGrid::DoMouseWheelDown(TShiftState Shift, TPoint MousePos) {
  return ByWheel([&] { return TStringGrid::DoMouseWheelDown(Shift, MousePos); });
}

bool TExtColGrid::DoMouseWheelUp(TShiftState Shift, TPoint MousePos) {
  return ByWheel([&] { return TStringGrid::DoMouseWheelUp(Shift, MousePos); });
}

}  // namespace ExtMultiColumnDropDown
