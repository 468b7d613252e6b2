// Progress bars and pies, range indicators, comments, shapes, ratings, cell
// scroll bars and text markers in cells. Colours are kept as colours on the
// graphic, never in its object fields.

#include "grid/core/ExtGrid.h"

namespace {
void setProgress(TCellGraphic* g, TColor FG, TColor BK, int Min, int Max) {
  g->CellType = ctProgress;
  g->CellHAlign = haLeft;
  g->CellVAlign = vaTop;
  g->CellBitmapColor = FG;
  g->CellIconColor = BK;
  g->CellErrFrom = Min;
  g->CellErrLen = Max;
}
}  // namespace

void TExtStringGrid::progressAdded(int ARealCol, int ARow) {
  if (FAutoNumAlign) SetAlignments(ARealCol, ARow, taRightJustify);
}

void TExtStringGrid::AddProgress(int ARealCol, int ARow, TColor FGColor, TColor BKColor) {
  TCellGraphic* g = CreateCellGraphic(ARealCol, ARow);
  setProgress(g, FGColor, BKColor, 0, 100);
  g->CellBoolean = false;
  progressAdded(ARealCol, ARow);
}

void TExtStringGrid::AddProgressEx(int ARealCol, int ARow, TColor FGColor, TColor FGTextColor, TColor BKColor,
                                   TColor BKTextColor) {
  AddProgressFormatted(ARealCol, ARow, FGColor, FGTextColor, BKColor, BKTextColor, "", 0, 100);
}

void TExtStringGrid::AddProgressFormatted(int ARealCol, int ARow, TColor FGColor, TColor FGTextColor,
                                          TColor BKColor, TColor BKTextColor, const std::string& Fmt, int Min,
                                          int Max) {
  TCellGraphic* g = CreateCellGraphic(ARealCol, ARow);
  setProgress(g, FGColor, BKColor, Min, Max);
  g->CellIndex = static_cast<int>(FGTextColor);
  g->CellAngle = static_cast<int>(BKTextColor);
  g->CellBoolean = true;
  g->CellText = Fmt;
  progressAdded(ARealCol, ARow);
}

void TExtStringGrid::RemoveProgress(int ARealCol, int ARow) { RemoveCellGraphicOfType(ARealCol, ARow, ctProgress); }
bool TExtStringGrid::HasProgress(int ARealCol, int ARow) { return IsCellTypeInSet(ARealCol, ARow, {ctProgress}); }

void TExtStringGrid::AddExtProgress(int ARealCol, int ARow, int Min, int Max) {
  TCellGraphic* g = CreateCellGraphic(ARealCol, ARow);
  g->CellType = ctXPProgress;
  g->CellHAlign = haLeft;
  g->CellVAlign = vaTop;
  g->CellErrFrom = Min;
  g->CellErrLen = Max;
  g->CellBoolean = false;
  g->CellText.clear();
}

void TExtStringGrid::RemoveExtProgress(int ARealCol, int ARow) {
  RemoveCellGraphicOfType(ARealCol, ARow, ctXPProgress);
}

void TExtStringGrid::AddProgressPie(int ARealCol, int ARow, TColor Color, int Value) {
  TCellGraphic* g = CreateCellGraphic(ARealCol, ARow);
  g->CellType = ctProgressPie;
  g->CellHAlign = haBeforeText;
  g->CellVAlign = vaTop;
  g->CellBitmapColor = Color;
  g->CellAngle = Value;
}

void TExtStringGrid::SetProgressPie(int ARealCol, int ARow, int Value) {
  TCellGraphic* g = OwnCellGraphic(ARealCol, ARow);
  if (!g || g->CellType != ctProgressPie) return;
  g->CellAngle = Value;
  RepaintCell(DisplColIndex(ARealCol), ARow);
}

void TExtStringGrid::RemoveProgressPie(int ARealCol, int ARow) {
  RemoveCellGraphicOfType(ARealCol, ARow, ctProgressPie);
}

void TExtStringGrid::AddRangeIndicator(int ARealCol, int ARow, int Range, TColor NegColor, TColor PosColor,
                                       bool ShowValue) {
  TCellGraphic* g = CreateCellGraphic(ARealCol, ARow);
  g->CellType = ctRangeIndicator;
  g->CellHAlign = haLeft;
  g->CellVAlign = vaTop;
  g->CellIndex = Range;
  g->CellBitmapColor = NegColor;
  g->CellIconColor = PosColor;
  g->CellBoolean = ShowValue;
}

void TExtStringGrid::RemoveRangeIndicator(int ARealCol, int ARow) {
  RemoveCellGraphicOfType(ARealCol, ARow, ctRangeIndicator);
}

// ---- comments ----

void TExtStringGrid::AddColorComment(int ARealCol, int ARow, const std::string& Comment, TColor Color) {
  TCellGraphic* g = CreateCellGraphic(ARealCol, ARow);
  g->CellType = ctComment;
  g->CellHAlign = haLeft;
  g->CellVAlign = vaTop;
  g->CellText = Comment;
  g->CellIndex = static_cast<int>(Color);
}

void TExtStringGrid::AddComment(int ARealCol, int ARow, const std::string& Comment) {
  AddColorComment(ARealCol, ARow, Comment, FControlLook.CommentColor());
}

std::string TExtStringGrid::GetComment(int ARealCol, int ARow) {
  std::string c;
  IsComment(ARealCol, ARow, c);
  return c;
}

bool TExtStringGrid::IsComment(int ARealCol, int ARow, std::string& Comment) {
  TCellGraphic* g = OwnCellGraphic(ARealCol, ARow);
  if (!g || g->CellType != ctComment) return false;
  Comment = g->CellText;
  return true;
}

void TExtStringGrid::SetComment(int ARealCol, int ARow, const std::string& Value) {
  TCellGraphic* g = OwnCellGraphic(ARealCol, ARow);
  if (!g) AddComment(ARealCol, ARow, Value);
  else if (g->CellType == ctComment) g->CellText = Value;
}

void TExtStringGrid::RemoveComment(int ARealCol, int ARow) { RemoveCellGraphicOfType(ARealCol, ARow, ctComment); }

void TExtStringGrid::RemoveAllComments() {
  for (int c = 0; c < ColCount(); ++c)
    for (int r = 0; r < RowCount(); ++r) RemoveComment(c, r);
}

// ---- shapes and ratings ----

void TExtStringGrid::AddShape(int ARealCol, int ARow, TCellShape Shape, TColor FillColor, TColor LineColor,
                              TCellHAlign hal, TCellVAlign val) {
  TCellGraphic* g = CreateCellGraphic(ARealCol, ARow);
  g->CellType = ctShape;
  g->CellAngle = Shape;
  g->CellIndex = static_cast<int>(FillColor);
  g->CellBitmapColor = LineColor;
  g->CellHAlign = hal;
  g->CellVAlign = val;
}

void TExtStringGrid::RemoveShape(int ARealCol, int ARow) { RemoveCellGraphicOfType(ARealCol, ARow, ctShape); }

void TExtStringGrid::SetShapeColor(int ARealCol, int ARow, TColor FillColor) {
  if (GetCellType(ARealCol, ARow) == ctShape) GetCellGraphic(ARealCol, ARow)->CellIndex = static_cast<int>(FillColor);
}

TColor TExtStringGrid::GetShapeColor(int ARealCol, int ARow) {
  if (GetCellType(ARealCol, ARow) != ctShape) return clNone;
  return static_cast<TColor>(GetCellGraphic(ARealCol, ARow)->CellIndex);
}

void TExtStringGrid::AddRating(int ARealCol, int ARow, int Scale, TColor FillColor, TColor EmptyColor) {
  TCellGraphic* g = CreateCellGraphic(ARealCol, ARow);
  g->CellType = ctRating;
  g->CellAngle = Scale;
  g->CellHAlign = haFull;
  g->CellIndex = static_cast<int>(FillColor);
  g->CellBitmapColor = EmptyColor;
}

void TExtStringGrid::RemoveRating(int ARealCol, int ARow) { RemoveCellGraphicOfType(ARealCol, ARow, ctRating); }
bool TExtStringGrid::HasRating(int ARealCol, int ARow) { return IsCellTypeInSet(ARealCol, ARow, {ctRating}); }

bool TExtStringGrid::DoRatingChange(int ACol, int ARow, double& NewRate) {
  bool allow = true;
  if (OnRatingChange) OnRatingChange(this, ACol, ARow, NewRate, allow);
  return allow;
}

// ---- cell scroll bars ----

void TExtStringGrid::AddScrollBar(int ARealCol, int ARow, bool AutoRange) {
  TCellGraphic* g = CreateCellGraphic(ARealCol, ARow);
  g->CellType = ctScrollbar;
  g->CellAngle = 0;
  g->CellErrFrom = 100;
  g->CellIndex = 0;
  g->CellBoolean = AutoRange;
  if (AutoRange) CellValueChanged(ARealCol, ARow);
}

void TExtStringGrid::RemoveScrollBar(int ARealCol, int ARow) { RemoveCellGraphicOfType(ARealCol, ARow, ctScrollbar); }
bool TExtStringGrid::HasScrollBar(int ARealCol, int ARow) { return IsCellTypeInSet(ARealCol, ARow, {ctScrollbar}); }

TCellGraphic* TExtStringGrid::baseGraphicOf(int ARealCol, int ARow, TCellType Kind) {
  if (ARealCol < 0 || ARow < 0) return nullptr;
  TPoint b = BaseCell(ARealCol, ARow);
  TCellGraphic* g = OwnCellGraphic(b.X, b.Y);
  return g && g->CellType == Kind ? g : nullptr;
}

bool TExtStringGrid::HasAutoRangeScrollBar(int ARealCol, int ARow) {
  TCellGraphic* g = baseGraphicOf(ARealCol, ARow, ctScrollbar);
  return g && g->CellBoolean;
}

void TExtStringGrid::SetScrollPosition(int ARealCol, int ARow, int Pos) {
  TCellGraphic* g = baseGraphicOf(ARealCol, ARow, ctScrollbar);
  if (!g) return;
  g->CellIndex = Pos;
  RepaintCell(DisplColIndex(ARealCol), ARow);
}

int TExtStringGrid::GetScrollPosition(int ARealCol, int ARow) {
  TCellGraphic* g = baseGraphicOf(ARealCol, ARow, ctScrollbar);
  return g ? g->CellIndex : -1;
}

void TExtStringGrid::SetScrollProp(int ARealCol, int ARow, TScrollProp Prop) {
  if (TCellGraphic* g = baseGraphicOf(ARealCol, ARow, ctScrollbar)) {
    g->CellAngle = Prop.PageSize;
    g->CellErrFrom = Prop.Range;
  }
}

TScrollProp TExtStringGrid::GetScrollProp(int ARealCol, int ARow) {
  TCellGraphic* g = baseGraphicOf(ARealCol, ARow, ctScrollbar);
  return g ? TScrollProp{g->CellAngle, g->CellErrFrom} : TScrollProp{-1, -1};
}

// ---- markers ----

// A marker goes on an empty or text cell only: the range fields of other
// kinds hold their own values (a bar's minimum and maximum).
void TExtStringGrid::AddMarker(int ARealCol, int ARow, int ErrPos, int ErrLen) {
  TCellGraphic* g = OwnCellGraphic(ARealCol, ARow);
  if (g && g->CellType != ctEmpty) return;
  if (!g) {
    g = CreateCellGraphic(ARealCol, ARow);
    g->CellType = ctEmpty;
  }
  g->CellErrFrom = ErrPos;
  g->CellErrLen = ErrLen;
  InvalidateCell(DisplColIndex(ARealCol), ARow);
}

void TExtStringGrid::RemoveMarker(int ARealCol, int ARow) { RemoveCellGraphicOfType(ARealCol, ARow, ctEmpty); }

void TExtStringGrid::RemoveAllMarkers() {
  for (int c = 0; c < ColCount(); ++c)
    for (int r = 0; r < RowCount(); ++r) RemoveMarker(c, r);
}

void TExtStringGrid::GetMarker(int ARealCol, int ARow, int& ErrPos, int& ErrLen) {
  TCellGraphic* g = OwnCellGraphic(ARealCol, ARow);
  ErrPos = g && g->CellType == ctEmpty ? g->CellErrFrom : 0;
  ErrLen = g && g->CellType == ctEmpty ? g->CellErrLen : 0;
}
