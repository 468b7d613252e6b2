// The string grid's cell painting: the content pipeline that runs inside the
// base grid's paint frame for every visible cell: fixed faces per look,
// always-visible editor buttons, text, borders, look edges and the cell
// graphic.

#include "grid/output/CellPaint.h"
#include "grid/foundation/ExtUtil.h"
#include "grid/foundation/ExtUtilGlyphs.h"
#include "grid/foundation/ExtXPVS.h"
#include "platform/theme/ThemeParts.h"
#include "toolkit/graphics/Bitmap.h"
#include "toolkit/graphics/Canvas.h"

namespace {

// An object cell whose object asks to go under the cell text.
bool DrawsBeforeText(const TCellGraphic* G) {
  if (!G || G->CellType != ctInterface) return false;
  auto* o = dynamic_cast<IInterfacedCell*>(G->CellBitmap);
  return o && o->DrawBeforeText();
}

}  // namespace

void TExtStringGrid::Paint() {
  TBaseGrid::Paint();
  if (FHideFocusRect) hideFocusRect();
  Canvas()->Pen()->SetColor(clBlack);
  if (!FBackGround.Bitmap()->Empty() || FBackGround.ColorTo() != clNone) DrawEmptyAreaBackground(Canvas());
  PaintDesignHelper();
  if (FSizingFixed) DrawColSizeLine(FSizeFixedX);
  if (FSizingFixedR) DrawRowSizeLine(FSizeFixedY);
  if (FWheelPan) DrawPanBitmap();
  if (OnPainted) OnPainted(this);
}

// The base grid draws the focus rectangle by inversion after the cells;
// drawing it once more over the same cell takes it away again.
void TExtStringGrid::hideFocusRect() {
  const bool editorShown = InplaceEditor() && InplaceEditor()->Visible();
  if (!GridFocused() || Options().Contains(goRowSelect) || editorShown || Col() < TCustomGrid::FixedCols() ||
      Row() < TCustomGrid::FixedRows())
    return;
  const TRect r = CellRect(Col(), Row());
  if (!r.IsEmpty()) Canvas()->DrawFocusRect(r);
}

void TExtStringGrid::DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) {
  TBaseGrid::DrawCell(ACol, ARow, ARect, AState);
}

bool TExtStringGrid::ThemesActive() const { return FIsComCtl6 && ThemedLookActive(); }

void TExtStringGrid::setFace(TColor TFixedFaceColors::*Field, TColor Value) {
  FFixedFaces.*Field = Value == clNone ? clNone : ColorToRGB(Value);
  Invalidate();
}

void TExtStringGrid::DrawCellContent(TCanvas* ACanvas, int ACol, int ARow, TRect ARect, TGridDrawState AState) {
  TCellPaint P;
  P.Canvas = ACanvas;
  P.ACol = ACol;
  P.RCol = RealColIndex(ACol);
  P.ARow = ARow;
  P.State = AState;
  P.R = ARect;
  P.FilterButton = ARow == FFilterDropDownRow && GetColumnFilterValues(P.RCol);
  P.Layout = GetCellGraphicLayout(P.RCol, ARow);
  // A node's room before the text grows with its level, so the text clears the glyph.
  if (P.RCol == 0 && P.Layout.Graphic && P.Layout.Graphic->CellType == ctNode)
    P.Layout.Width = RowNodeLevel(ARow) * 12 + 4;
  if (P.Layout.Graphic && P.Layout.Graphic->CellType == ctScrollbar) paintCellScrollBar(P);
  P.WordWrap = WordWrap();
  GetVisualProperties(ACol, ARow, P.State, false, false, true, ACanvas->Brush(), P.ColorTo, P.Mirror, P.MirrorTo,
                      ACanvas->Font(), P.HA, P.VA, P.WordWrap, P.GD);
  if (P.State.Contains(gdSelected) && !P.State.Contains(gdFocused) && FSelectionColor == clNone)
    ACanvas->Brush()->SetColor(clHighlight);
  if (FZoomFactor != 0) ACanvas->Font()->SetSize(ACanvas->Font()->Size() + FZoomFactor);
  P.BrushColor = ACanvas->Brush()->Color();
  P.FontColor = ACanvas->Font()->Color();
  P.FixedFace = IsFixed(ACol, ARow) || ACol < FixedCols() || ARow < FixedRows();
  // A hover row that takes in its fixed cells shows the hover colour there too.
  if (HoverRow() && ARow == FHoverRowIdx && HoverRowCells().Contains(hcFixed)) P.FixedFace = false;

  if (P.FixedFace) paintFixedFace(P);
  // The header face goes under the row marks, which would vanish beneath it.
  if (P.FixedFace && FLook == glListView && !FFlat) paintListViewFace(P);
  paintRowMarks(P);
  if (OnCustomCellBkgDraw) OnCustomCellBkgDraw(this, ACanvas, P.RCol, ARow, P.State, P.R, false);
  const int right = P.R.Right;
  if (!P.FixedFace) paintEditorButtons(P);
  const bool graphicFirst = DrawsBeforeText(P.Layout.Graphic);
  if (graphicFirst) {
    TRect g = P.R;
    InflateRect(g, 1, 1);
    DrawCellGraphic(P, g);
  }
  const bool skipText = (NoImageAndText && P.Layout.Graphic) || (NoDefaultDraw && (OnDrawCell || OnCustomCellDraw));
  if (!skipText) DrawDefaultCellContent(P);
  P.R.Right = right;
  ACanvas->Brush()->SetColor(P.BrushColor);
  ACanvas->Font()->SetColor(P.FontColor);
  InflateRect(P.R, 1, 1);
  DrawCellBorders(ACanvas, P.RCol, ARow, P.R);
  P.R.Left -= P.IndicatorShift;
  if (P.FixedFace && !FFlat) paintLookEdges(P);
  if (P.FixedFace) paintPushedFixedCell(P);
  if (FFixedRightCols > 0 && FFlat && FLook != glClassic) paintRightFixedLines(P);
  paintTreeLines(P);
  if (P.Layout.Graphic && !graphicFirst) {
    TRect g = P.R;
    if (P.FixedFace && P.Layout.Graphic->CellType != ctInterface) ++g.Top;
    DrawCellGraphic(P, g);
  }
  if (OnDrawCell) {
    TRect r(P.R.Left + 1, P.R.Top + 1, P.R.Right - GridLineWidth(), P.R.Bottom - GridLineWidth());
    OnDrawCell(this, P.RCol, ARow, r, P.State);
  }
  if (OnCustomCellDraw) OnCustomCellDraw(this, ACanvas, P.RCol, ARow, P.State, P.R, false);
  paintColumnNumber(P);
}

// Fixed cells of the gradient looks: hovered or pressed, the active cell's
// face, the sorted column's header, or the look's own face.
void TExtStringGrid::paintFixedFace(TCellPaint& P) {
  if (FLook != glQGS && FLook != glXP && FLook != glVista && FLook != glWin7 && FLook != glOffice2007) return;
  const bool rowHeader = FixedCols() > 0 && P.ACol == FixedCols() - 1 && P.ARow == Row();
  const bool colHeader = FixedRows() > 0 && P.ARow == FixedRows() - 1 && P.ACol == Col();
  const bool sortHeader = FSortSettings.Column() != -1 && FSortSettings.HeaderColor() != clNone &&
                          P.RCol == FSortSettings.Column() && P.ARow == FixedRows() - 1 &&
                          (P.ACol >= FixedCols() || FSortSettings.FixedCols());
  if (IsHoverFixedCell(P.ACol, P.ARow) && P.ACol == FHoverFixedX && P.ARow == FHoverFixedY && !ComponentState().Contains(csDesigning)) {
    paintHoveredFixedFace(P);
  } else if (FActiveCellShow && (rowHeader || colHeader)) {
    DrawCellBackground(P.Canvas, P.R, FActiveCellColor, FActiveCellColorTo, clNone, clNone, true, clNone, false,
                       true);
  } else if (sortHeader) {
    DrawCellBackground(P.Canvas, P.R, FSortSettings.HeaderColor(), FSortSettings.HeaderColorTo(),
                       FSortSettings.HeaderMirrorColor(), FSortSettings.HeaderMirrorColorTo(), true, clNone, false,
                       true);
  } else if (!FFlat) {
    DrawCellBackground(P.Canvas, P.R, P.BrushColor, P.ColorTo, P.Mirror, P.MirrorTo, true,
                       FLook == glVista ? clWhite : clNone, true, true);
  }
}

// The hover face, or the pressed face while the button is down on the cell;
// with the fixed drop-down button the cell splits into face and button.
void TExtStringGrid::paintHoveredFixedFace(TCellPaint& P) {
  const TFixedFaceColors& f = FFixedFaces;
  TRect R = P.R;
  ++R.Bottom;
  // The grid's own pressed flag marks only a fresh disjunct pick; a header
  // held down in any mode holds the mouse.
  const bool pressed = FMouseDown || FDropDownDown || MouseCapture();
  const bool button = FControlLook.FixedDropDownButton() && CanShowFixedDropDown(P.RCol);
  auto hover = [&](const TRect& r) {
    DrawCellBackground(P.Canvas, r, f.HoverFrom, f.HoverTo, f.HoverMirrorFrom, f.HoverMirrorTo, true,
                       f.HoverBorder, false, true);
  };
  auto down = [&](const TRect& r) {
    DrawCellBackground(P.Canvas, r, f.DownFrom, f.DownTo, f.DownMirrorFrom, f.DownMirrorTo, true, f.DownBorder,
                       false, true);
  };
  const TRect face(R.Left, R.Top, R.Right - 16, R.Bottom), dropButton(R.Right - 16, R.Top, R.Right, R.Bottom);
  if (!pressed) hover(R);
  else if (!button) down(R);
  else if (FDropDownDown) {  // the button holds its list open: it is the pressed part
    hover(face);
    down(dropButton);
  } else {
    down(face);
    hover(dropButton);
  }
  if (!button) return;
  P.Canvas->Pen()->SetColor(pressed ? f.DownBorder : f.HoverBorder);
  P.Canvas->MoveTo(R.Right - 16, R.Top);
  P.Canvas->LineTo(R.Right - 16, R.Bottom);
  DrawSmallDownArrow(P.Canvas, R.Right - 8, R.Top + 8, clBlack);
  P.R.Right -= 16;
}

// The list-view look's fixed cells: header items of the theme (hot under the
// mouse, pressed while the button is down there), or plain button faces.
void TExtStringGrid::paintListViewFace(TCellPaint& P) {
  TCanvas* c = P.Canvas;
  TRect R = P.R;
  if (!ThemesActive()) {
    c->Brush()->SetColor(clBtnFace);
    c->Pen()->SetColor(clWhite);
    c->Rectangle(R);
    c->Brush()->SetColor(P.BrushColor);
    return;
  }
  ++R.Bottom;
  TPoint mouse;
  GetCursorPos(mouse);
  mouse = ScreenToClient(mouse);
  const bool inside = PtInRect(R, mouse);
  const int part = inside ? HP_HEADERITEM : HP_HEADERITEMRIGHT;
  const int state = !inside ? HIS_NORMAL : FMouseDown ? HIS_PRESSED : HIS_HOT;
  TThemeBinding& b = ExtXPVSBinding();
  if (b.OpenThemeData && b.DrawThemeBackground && b.CloseThemeData) {
    if (HTHEME theme = b.OpenThemeData(reinterpret_cast<HWND>(Handle()), "header")) {
      b.DrawThemeBackground(theme, c, part, state, &R, nullptr);
      b.CloseThemeData(theme);
    }
  }
  c->Pen()->SetColor(clWhite);
  c->MoveTo(R.Left, R.Top);
  c->LineTo(R.Right, R.Top);
}

// Flat grids frame their right fixed columns with grey lines just outside
// the cell.
void TExtStringGrid::paintRightFixedLines(TCellPaint& P) {
  if (P.RCol < AllColCount() - FFixedRightCols) return;
  TCanvas* c = P.Canvas;
  const TRect& R = P.R;
  c->Pen()->SetColor(TColor(0x808080));
  c->Pen()->SetWidth(1);
  if (Options().Contains(goFixedHorzLine)) {
    c->MoveTo(R.Left - 1, R.Top - 1);
    c->LineTo(R.Right + 1, R.Top - 1);
    c->MoveTo(R.Left - 1, R.Bottom);
    c->LineTo(R.Right + 1, R.Bottom);
  }
  if (Options().Contains(goFixedVertLine)) {
    c->MoveTo(R.Left - 1, R.Top - 1);
    c->LineTo(R.Left - 1, R.Bottom + 1);
    c->MoveTo(R.Right, R.Top - 1);
    c->LineTo(R.Right, R.Bottom + 1);
  }
}

// The glyph of the current row in column 0 and the bar of modified rows.
void TExtStringGrid::paintRowMarks(TCellPaint& P) {
  TBitmap* indicator = RowIndicator();
  if (P.RCol == 0 && P.ARow == Row() && FixedCols() > 0 && indicator && !indicator->Empty() &&
      !(RowCount() == FixedRows() && FixedRowAlways())) {
    const int h = indicator->Height();
    const int top = FVAlignment == vtaCenter ? P.R.Top + (P.R.Height() - h) / 2
                    : FVAlignment == vtaBottom ? P.R.Bottom - h
                                               : P.R.Top;
    DrawBitmapTransparent(P.Canvas, indicator, P.R.Left + 2, top);
    P.IndicatorShift = indicator->Width() + 2;
    P.R.Left += P.IndicatorShift;
  }
  if (P.ACol == 0 && FShowModified.Enabled() && RowModified(P.ARow)) {
    P.Canvas->Brush()->SetColor(FShowModified.Color());
    P.Canvas->FillRect(TRect(P.R.Right - 4, P.R.Top, P.R.Right, P.R.Bottom));
    P.Canvas->Brush()->SetColor(P.BrushColor);
  }
}

// The hovered fixed cell moved: both the old and the new one repaint.
void TExtStringGrid::trackHoverFixedCell(int ACol, int ARow) {
  const bool hoverable = ACol >= 0 && ARow >= 0 && IsHoverFixedCell(ACol, ARow);
  if (!hoverable) ACol = ARow = -1;
  if (ACol == FHoverFixedX && ARow == FHoverFixedY) return;
  if (FHoverFixedX >= 0) RepaintCell(FHoverFixedX, FHoverFixedY);
  FHoverFixedX = ACol;
  FHoverFixedY = ARow;
  if (ACol >= 0) RepaintCell(ACol, ARow);
}

// The combo and spin buttons shown in every cell whose editor has one.
void TExtStringGrid::paintEditorButtons(TCellPaint& P) {
  const bool combo = FControlLook.DropDownAlwaysVisible(), spin = FControlLook.SpinButtonsAlwaysVisible();
  if (!combo && !spin) return;
  uint8_t style = FControlLook.FlatButton() ? 2 : !ThemesActive() ? 1 : 0;
  if (FFlat && FTones.Background.BrushColor != clNone) style = 3;
  bool canEdit = true;
  CanEditCell(P.RCol, P.ARow, canEdit);
  const uint8_t state = canEdit ? 0 : 3;
  HWND window = reinterpret_cast<HWND>(Handle());
  if (combo && HasCombo(P.RCol, P.ARow)) {
    DrawComboButton(P.Canvas, window, TRect(P.R.Left - 2, P.R.Top - 1, P.R.Right + 1, P.R.Bottom), style, state,
                    FTones);
    P.R.Right -= 16;
  } else if (spin && HasSpinEdit(P.RCol, P.ARow)) {
    DrawSpinButtons(P.Canvas, window, P.R, style, state, FTones);
    P.R.Right -= 16;
  }
}

void TExtStringGrid::DrawCellBorders(TCanvas* c, int ARealCol, int ARow, TRect R) {
  TPen saved;
  saved.Assign(c->Pen());
  TCellBorders borders;
  GetCellBorder(ARealCol, ARow, c->Pen(), borders);
  if (borders.Empty()) {
    c->Pen()->Assign(&saved);
    return;
  }
  TPen left, top, rightPen, bottom;
  for (TPen* p : {&left, &top, &rightPen, &bottom}) p->Assign(c->Pen());
  if (OnGetCellBorderProp) OnGetCellBorderProp(this, ARow, ARealCol, &left, &top, &rightPen, &bottom);
  const int h = (c->Pen()->Width() + 1) / 2;
  const int dx = Options().Contains(goVertLine) ? h : 0, dy = Options().Contains(goHorzLine) ? h : 0;
  R.Left += dx;
  R.Bottom -= dy;
  if (borders.Contains(cbLeft)) {
    c->Pen()->Assign(&left);
    c->MoveTo(std::max(0, R.Left), R.Top);
    c->LineTo(std::max(0, R.Left), R.Bottom);
  }
  R.Right -= dx;
  if (borders.Contains(cbRight)) {
    c->Pen()->Assign(&rightPen);
    c->MoveTo(R.Right - 1, R.Top);
    c->LineTo(R.Right - 1, R.Bottom);
  }
  if (borders.Contains(cbTop)) {
    c->Pen()->Assign(&top);
    R.Top += dy;
    const int y = GridLineWidth() == 0 ? R.Top + 1 : std::max(0, R.Top - GridLineWidth());
    c->MoveTo(R.Left, y);
    c->LineTo(R.Right, y);
  }
  if (borders.Contains(cbBottom)) {
    c->Pen()->Assign(&bottom);
    c->MoveTo(R.Left - GridLineWidth() - 1, R.Bottom - 1);
    c->LineTo(R.Right, R.Bottom - 1);
  }
  c->Pen()->Assign(&saved);
}

// A fixed cell held down as a button (FixedAsButtons) is drawn sunken.
void TExtStringGrid::paintPushedFixedCell(TCellPaint& P) {
  if (!FFixedCellPushed || FPushedCellButton != TPoint{P.ACol, P.ARow}) return;
  TRect r = CellRect(P.ACol, P.ARow);
  TRect edge = r;
  P.Canvas->DrawEdge(edge, BDR_SUNKENINNER, BF_RIGHT | BF_BOTTOM);
  edge = r;
  P.Canvas->DrawEdge(edge, BDR_SUNKENINNER, BF_LEFT | BF_TOP);
}

// The raised edges of fixed cells in the classic, XP and soft looks.
void TExtStringGrid::paintLookEdges(TCellPaint& P) {
  TCanvas* c = P.Canvas;
  TRect R = P.R;
  const TGridOptions& o = Options();
  c->Pen()->SetWidth(1);
  switch (FLook) {
    case glClassic: {
      R.Top += 1;
      R.Bottom += 1;
      R.Left += 1;
      TRect inner = R;
      c->DrawEdge(inner, BDR_RAISEDINNER, BF_LEFT | BF_TOP);
      inner = R;
      c->DrawEdge(inner, BDR_RAISEDINNER | BDR_RAISEDOUTER, BF_RIGHT | BF_BOTTOM);
      c->Pen()->SetColor(clBlack);
      c->MoveTo(R.Right - 1, R.Top);
      c->LineTo(R.Right - 1, R.Bottom - 1);
      c->LineTo(R.Left - 1, R.Bottom - 1);
      break;
    }
    case glQGS:
    case glXP:
    case glSoft: {
      R.Bottom += 1;
      if (FLook == glSoft) R.Right += 1;
      if (o.Contains(goFixedHorzLine)) {
        c->Pen()->SetColor(HalveColor(FixedColor()));
        c->MoveTo(R.Left, R.Bottom - 1);
        c->LineTo(R.Right - 1, R.Bottom - 1);
        c->Pen()->SetColor(clWhite);
        c->MoveTo(FLook == glSoft ? R.Right : R.Right - 2, R.Top + 1);
        c->LineTo(R.Left + 1, R.Top + 1);
        c->LineTo(R.Left + 1, R.Bottom - 1);
      }
      if (FLook == glSoft && o.Contains(goFixedVertLine)) {
        c->Pen()->SetColor(HalveColor(FixedColor()));
        c->MoveTo(R.Right - 2, R.Top);
        c->LineTo(R.Right - 2, R.Bottom - 1);
        c->Pen()->SetColor(clWhite);
        c->MoveTo(R.Right - 1, R.Top);
        c->LineTo(R.Right - 1, R.Bottom - 1);
      }
      break;
    }
    default:
      break;
  }
}

bool TExtStringGrid::CanShowFixedDropDown(int ARealCol) {
  bool canShow = true;
  if (OnCanShowFixedDropDown) OnCanShowFixedDropDown(this, ARealCol, canShow);
  return canShow;
}
