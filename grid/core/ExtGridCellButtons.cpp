// Buttons, balloons and rotated text in cells. The operations that change a
// cell's object in place act only on the kinds they are for, and only on
// the cell's own graphic (never on a shared one).

#include <cmath>

#include "grid/core/ExtGrid.h"
#include "toolkit/graphics/Bitmap.h"

void TExtStringGrid::AddButton(int ARealCol, int ARow, int bw, int bh, const std::string& Caption, TCellHAlign hal,
                               TCellVAlign val) {
  CreateCellGraphic(ARealCol, ARow)->SetButton(bw, bh, Caption, hal, val);
}

void TExtStringGrid::AddBitButton(int ARealCol, int ARow, int bw, int bh, const std::string& Caption, TBitmap* Glyph,
                                  TCellHAlign hal, TCellVAlign val) {
  CreateCellGraphic(ARealCol, ARow)->SetBitButton(bw, bh, Caption, Glyph, hal, val);
}

TBitmap* TExtStringGrid::CreateBitButton(int ARealCol, int ARow, int bw, int bh, const std::string& Caption,
                                         TCellHAlign hal, TCellVAlign val) {
  TCellGraphic* g = CreateCellGraphic(ARealCol, ARow);
  auto* glyph = new TBitmap;
  g->SetBitButton(bw, bh, Caption, glyph, hal, val);
  g->CellCreated = true;
  return glyph;
}

void TExtStringGrid::RemoveButton(int ARealCol, int ARow) {
  if (!RemoveCellGraphicOfType(ARealCol, ARow, ctButton)) RemoveCellGraphicOfType(ARealCol, ARow, ctBitButton);
}

void TExtStringGrid::RemoveBitButton(int ARealCol, int ARow) { RemoveCellGraphicOfType(ARealCol, ARow, ctBitButton); }

void TExtStringGrid::RemoveAllButtons() {
  for (int c = 0; c < ColCount(); ++c)
    for (int r = 0; r < RowCount(); ++r)
      if (HasButton(c, r)) RemoveButton(c, r);
}

bool TExtStringGrid::HasButton(int ARealCol, int ARow) { return IsCellTypeInSet(ARealCol, ARow, {ctButton, ctBitButton}); }

TCellGraphic* TExtStringGrid::buttonOf(int ADisplCol, int ARow) {
  TCellGraphic* g = OwnCellGraphic(RealColIndex(ADisplCol), ARow);
  return g && (g->CellType == ctButton || g->CellType == ctBitButton) ? g : nullptr;
}

void TExtStringGrid::SetButtonText(int ADisplCol, int ARow, const std::string& Caption) {
  TCellGraphic* g = buttonOf(ADisplCol, ARow);
  if (!g) return;
  g->CellText = Caption;
  RepaintCell(ADisplCol, ARow);
}

std::string TExtStringGrid::GetButtonText(int ADisplCol, int ARow) {
  TCellGraphic* g = buttonOf(ADisplCol, ARow);
  return g ? g->CellText : std::string();
}

void TExtStringGrid::PushButton(int ADisplCol, int ARow, bool Push) {
  TCellGraphic* g = buttonOf(ADisplCol, ARow);
  if (!g) return;
  g->CellBoolean = Push;
  RepaintCell(ADisplCol, ARow);
}

TRect TExtStringGrid::CellButtonRect(int ADisplCol, int ARow) {
  TCellGraphic* g = OwnCellGraphic(RealColIndex(ADisplCol), ARow);
  if (!g) return {};
  TRect r = CellRect(ADisplCol, ARow);
  uint32_t p = static_cast<uint32_t>(std::lround(g->CellValue));
  uint32_t s = static_cast<uint32_t>(g->CellIndex);
  TRect b{r.Left + static_cast<int>(p & 0xFFFF), r.Top + static_cast<int>(p >> 16), 0, 0};
  b.Right = b.Left + static_cast<int>(s & 0xFFFF);
  b.Bottom = b.Top + static_cast<int>(s >> 16);
  if (g->CellVAlign == vaFull) {
    b.Top = r.Top;
    b.Bottom = r.Bottom;
  }
  if (g->CellHAlign == haFull) {
    b.Left = r.Left;
    b.Right = r.Right;
  }
  return b;
}

TRect TExtStringGrid::ExpandButtonRect(int ADisplCol, int ARow) {
  if (GetCellType(RealColIndex(ADisplCol), ARow) != ctExpand) return {};
  TRect r = CellRect(ADisplCol, ARow);
  return {r.Right - 13, r.Top + 2, r.Right - 2, r.Top + 13};
}

// ---- balloons ----

void TExtStringGrid::AddBalloon(int ARealCol, int ARow, const std::string& Title, const std::string& Text,
                                TBalloonIcon Icon) {
  auto lines = std::make_unique<TStringList>();
  lines->Add(Title);
  lines->Add(Text);
  TCellGraphic* g = OwnCellGraphic(ARealCol, ARow);
  if (g) {
    if (g->CellType != ctCheckBox && g->CellType != ctDataCheckBox && g->CellType != ctRadioButton) return;
    if (g->OwnsBitmap()) delete g->CellBitmap;
    g->CellAngle = 1;
    g->CellIndex = Icon;
    g->CellBitmap = lines.release();
    return;
  }
  g = CreateCellGraphic(ARealCol, ARow);
  g->CellType = ctBalloon;
  g->CellAngle = 0;
  g->CellIndex = Icon;
  g->CellBitmap = lines.release();
}

void TExtStringGrid::RemoveBalloon(int ARealCol, int ARow) {
  TCellGraphic* g = OwnCellGraphic(ARealCol, ARow);
  if (!g) return;
  if (g->CellType == ctBalloon) {
    RemoveCellGraphic(ARealCol, ARow);
  } else if (g->CellAngle == 1 && g->OwnsBitmap()) {
    delete g->CellBitmap;
    g->CellBitmap = nullptr;
    g->CellAngle = 0;
  }
}

bool TExtStringGrid::HasBalloon(int ARealCol, int ARow) { return IsCellTypeInSet(ARealCol, ARow, {ctBalloon}); }

bool TExtStringGrid::IsBalloon(int ARealCol, int ARow, std::string& Title, std::string& Text, TBalloonIcon& Icon) {
  TCellGraphic* g = OwnCellGraphic(ARealCol, ARow);
  if (!g) return false;
  bool attached = g->CellAngle == 1 && (g->CellType == ctCheckBox || g->CellType == ctDataCheckBox ||
                                        g->CellType == ctRadioButton);
  if (g->CellType != ctBalloon && !attached) return false;
  TStrings* lines = g->Strings();
  if (!lines || lines->Count() < 2) return false;
  Title = lines->Strings(0);
  Text = lines->Strings(1);
  Icon = static_cast<TBalloonIcon>(g->CellIndex);
  return true;
}

// ---- rotated text ----

void TExtStringGrid::AddRotated(int ARealCol, int ARow, int16_t AAngle, const std::string& S) {
  CreateCellGraphic(ARealCol, ARow)->SetAngle(AAngle);
  SetCells(ARealCol, ARow, S);
}

// Turns an empty or rotated cell into rotated text; another kind's object stays as it is.
void TExtStringGrid::SetRotated(int ARealCol, int ARow, int16_t AAngle) {
  TCellGraphic* g = OwnCellGraphic(ARealCol, ARow);
  if (g && g->CellType != ctRotated && g->CellType != ctEmpty) return;
  (g ? g : CreateCellGraphic(ARealCol, ARow))->SetAngle(AAngle);
  RepaintCell(DisplColIndex(ARealCol), ARow);
}

void TExtStringGrid::RemoveRotated(int ARealCol, int ARow) { RemoveCellGraphicOfType(ARealCol, ARow, ctRotated); }

bool TExtStringGrid::IsRotated(int ARealCol, int ARow, int& AAngle) {
  if (GetCellType(ARealCol, ARow) != ctRotated) return false;
  AAngle = GetCellGraphic(ARealCol, ARow)->CellAngle;
  return true;
}
