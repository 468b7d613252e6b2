// Column stretching, the size notifications of the string grid (mouse
// resizes with their end events and proportional sizing, the veto of a
// mouse resize) and auto-sizing of columns and rows to their contents.

#include <algorithm>
#include <unordered_map>
#include <vector>

#include "grid/core/ExtGrid.h"
#include "grid/core/AutoSizeWidths.h"
#include "grid/core/ExtGridSizeMath.h"
#include "grid/foundation/EsgHTMLE.h"
#include "grid/foundation/ExtUtil.h"
#include "toolkit/forms/Forms.h"
#include "toolkit/rtl/ScopeGuard.h"

// ---- stretching ----

void TExtStringGrid::StretchColumnToFit(int Index) {
  if (ComponentState().Contains(csLoading) || ComponentState().Contains(csDestroying)) return;
  if (Index < -1) return;
  if (Index == -1) Index = ColCount() - 1;
  if (Index >= ColCount()) throw Exception("Stretch column index out of range");
  if (ColCount() == 0 || !ColumnSize()->Stretch() || FIsColChanging) return;
  FIsColChanging = true;
  auto done = MakeScopeGuard([this] { FIsColChanging = false; });
  ColchgFlg = false;
  int others = 0;
  for (int c = 0; c < ColCount(); ++c)
    if (c != Index) others += ColWidths(c);
  std::optional<int> w = StretchedColumnWidth(ColCount(), others, ClientWidth(),
                                              LeftCol() == TCustomGrid::FixedCols(), DefaultColWidth());
  if (w && *w != ColWidths(Index)) SetColWidths(Index, *w);
  ColchgFlg = true;
}

// The stretch a notification asks for; an index that went stale with the
// column count is left alone here (only an explicit call raises).
void TExtStringGrid::stretchQuietly() {
  int index = ColumnSize()->StretchColumn();
  if (index >= ColCount() || index < -1) return;
  StretchColumnToFit(index);
}

void TExtStringGrid::SizeChanged(int OldColCount, int OldRowCount) {
  FColTotals.Invalidate();
  FRowTotals.Invalidate();
  if (!Parent() || ComponentState().Contains(csLoading)) return TBaseGrid::SizeChanged(OldColCount, OldRowCount);
  if (ColumnSize()->Stretch()) stretchQuietly();
  TBaseGrid::SizeChanged(OldColCount, OldRowCount);
  thumbsChanged();
}

void TExtStringGrid::ColWidthsChanged() {
  FColTotals.Invalidate();
  if (ColchgFlg) stretchQuietly();
  TBaseGrid::ColWidthsChanged();
  ColSizeFlg = true;
  if (ColSized && MouseActions()->AllColumnSize() && Colclickedsize > 0 && Colclicked >= 0 &&
      Colclicked < ColCount()) {
    ColSized = false;
    std::vector<int> w(static_cast<size_t>(ColCount()));
    for (int c = 0; c < ColCount(); ++c) w[static_cast<size_t>(c)] = ColWidths(c);
    ScaleSizesLike(w, TCustomGrid::FixedCols(), Colclicked, Colclickedsize);
    for (int c = TCustomGrid::FixedCols(); c < ColCount(); ++c)
      if (c != Colclicked) SetColWidths(c, w[static_cast<size_t>(c)]);
    ColSized = true;
  }
  if (ColSized && Colclicked >= 0 && Colclicked < ColCount()) {
    if (OnEndColumnSize) OnEndColumnSize(this, Colclicked);
    int w = ColWidths(Colclicked);
    int asked = w;
    UpdateColumnSize(Colclicked, w);
    if (w != asked) {
      ColSized = false;
      SetColWidths(Colclicked, std::max(0, w));
    }
  }
  if (ColSized) Colclicked = Rowclicked = -1;
  ColSized = false;
  CellControlsUpdate(false);
  thumbsChanged();
}

void TExtStringGrid::RowHeightsChanged() {
  FRowTotals.Invalidate();
  TBaseGrid::RowHeightsChanged();
  if (Rowsized && MouseActions()->AllRowSize() && Rowclickedsize > 0 && Rowclicked >= 0 &&
      Rowclicked < RowCount()) {
    Rowsized = false;
    std::vector<int> h(static_cast<size_t>(RowCount()));
    for (int r = 0; r < RowCount(); ++r) h[static_cast<size_t>(r)] = RowHeights(r);
    ScaleSizesLike(h, TCustomGrid::FixedRows(), Rowclicked, Rowclickedsize);
    for (int r = TCustomGrid::FixedRows(); r < RowCount(); ++r)
      if (r != Rowclicked) SetRowHeights(r, h[static_cast<size_t>(r)]);
    Rowsized = true;
  }
  if (Rowsized && OnEndRowSize) OnEndRowSize(this, Rowclicked);
  if (Rowsized) Colclicked = Rowclicked = -1;
  Rowsized = false;
  CellControlsUpdate(false);
  thumbsChanged();
}

// OnColumnSize (OnRowSize) may forbid a mouse resize before it starts.
void TExtStringGrid::CalcSizingState(int X, int Y, TGridState& State, int& Index, int& SizingPos, int& SizingOfs,
                                     TGridDrawInfo& FixedInfo) {
  TBaseGrid::CalcSizingState(X, Y, State, Index, SizingPos, SizingOfs, FixedInfo);
  int c = -1, r = -1;
  MouseToCell(X - 6, Y, c, r);
  if (State == gsColSizing && c >= 0 && r >= 0 && r < TCustomGrid::FixedRows() && OnColumnSize) {
    bool allow = true;
    OnColumnSize(this, Index >= 0 ? Index : c, allow);
    if (!allow) {
      State = gsNormal;
      FSizeFixed = false;
    }
  }
  MouseToCell(X, Y - 6, c, r);
  if (State == gsRowSizing && c >= 0 && r >= 0 && c < TCustomGrid::FixedCols() && OnRowSize) {
    bool allow = true;
    OnRowSize(this, Index >= 0 ? Index : r, allow);
    if (!allow) State = gsNormal;
  }
}

// ---- auto-sizing ----

namespace {

// Widths of the texts measured during one auto-size, by font and text. A
// column of many rows holds few distinct texts, and a text drawn in the same
// font is as wide every time, so each is measured once while every row still
// counts. The cache lives for one auto-size only: cells and fonts may change
// between two.
class TTextWidthCache {
public:
  int Width(TCanvas& Canvas, const std::string& Text) {
    auto [it, added] = font(Canvas).Widths.try_emplace(Text, 0);
    if (added) it->second = Canvas.TextWidth(Text);
    return it->second;
  }
  int LineHeight(TCanvas& Canvas) {
    TFontWidths& f = font(Canvas);
    if (f.LineHeight < 0) f.LineHeight = Canvas.TextHeight("gh");
    return f.LineHeight;
  }

private:
  struct TFontWidths {
    int LineHeight = -1;
    std::unordered_map<std::string, int> Widths;
  };

  // The widths of the canvas's font; the cells of a grid mostly share one
  // font, so the last one found is tried first.
  TFontWidths& font(TCanvas& Canvas) {
    fontKey(*Canvas.Font());
    if (!last_ || key_ != lastKey_) {
      last_ = &fonts_[key_];  // a node of the map: stays where it is
      lastKey_ = key_;
    }
    return *last_;
  }

  // The name, then the font's numbers as raw bytes: the key is only
  // compared, never read.
  void fontKey(TFont& f) {
    key_.assign(f.Name());
    key_ += '\0';
    const long long values[] = {static_cast<long long>(f.Height()), static_cast<long long>(f.Style().Bits()),
                                static_cast<long long>(f.Charset()), static_cast<long long>(f.Orientation()),
                                static_cast<long long>(f.Pitch()), static_cast<long long>(f.PixelsPerInch())};
    key_.append(reinterpret_cast<const char*>(values), sizeof values);
  }

  std::unordered_map<std::string, TFontWidths> fonts_;
  TFontWidths* last_ = nullptr;
  std::string key_, lastKey_;
};

TTextWidthCache* gAutoSizeWidths = nullptr;

// Holds a cache while the outermost auto-size runs.
class TAutoSizeScope {
public:
  TAutoSizeScope() : owner_(!gAutoSizeWidths) {
    if (owner_) gAutoSizeWidths = &cache_;
  }
  ~TAutoSizeScope() {
    if (owner_) gAutoSizeWidths = nullptr;
  }
  TAutoSizeScope(const TAutoSizeScope&) = delete;
  TAutoSizeScope& operator=(const TAutoSizeScope&) = delete;

private:
  bool owner_;
  TTextWidthCache cache_;
};

}  // namespace

int AutoSizeTextWidth(TCanvas& Canvas, const std::string& Line) {
  return gAutoSizeWidths ? gAutoSizeWidths->Width(Canvas, Line) : Canvas.TextWidth(Line);
}

int AutoSizeLineHeight(TCanvas& Canvas) {
  return gAutoSizeWidths ? gAutoSizeWidths->LineHeight(Canvas) : Canvas.TextHeight("gh");
}

int TExtStringGrid::CellHorzMargin() const { return FXYOffsetTopLeftOnly ? FXYOffset.X : 2 * FXYOffset.X; }
int TExtStringGrid::CellVertMargin() const { return FXYOffsetTopLeftOnly ? FXYOffset.Y : 2 * FXYOffset.Y; }

// The text of a cell as drawn, measured with the font the cell is drawn in.
TPoint TExtStringGrid::cellTextExtent(int ADisplCol, int ARow, bool WrapToCell) {
  TPoint size;
  CalcCellTextSize(RealColIndex(ADisplCol), ADisplCol, ARow, WrapToCell, false, size);
  return size;
}

// ColumnSize.Rows picks the rows measured.
void TExtStringGrid::autoSizeRowRange(int& From, int& To) const {
  From = 0;
  To = RowCount() - 1;
  if (FColumnSize.Rows() == arNormal) {
    From = TCustomGrid::FixedRows();
    To = RowCount() - FFixedFooters - 1;
  } else if (FColumnSize.Rows() == arFixed) {
    To = TCustomGrid::FixedRows() - 1;
  }
}

// The room a cell takes in its column: text and graphic, and the buttons it
// shows beside them (drop-down, filter, sort indicator). A full-width graphic
// takes the room its column gives it now, so auto-sizing leaves that column
// as it is however often it runs.
int TExtStringGrid::autoColCellWidth(int ADisplCol, int ARealCol, int ARow) {
  if (IsXMergedCell(ARealCol, ARow)) return 0;
  const int text = cellTextExtent(ADisplCol, ARow, false).X;
  const TPoint graphic = GetCellGraphicSize(ARealCol, ARow);
  TCellGraphic* g = GetCellGraphic(ARealCol, ARow);
  if (g && g->CellHAlign == haFull) return graphic.X - (CellHorzMargin() + 2 * GridLineWidth() + 2);
  int w = text + graphic.X;
  if (ControlLook()->DropDownAlwaysVisible() && HasCombo(ARealCol, ARow)) w += 16;
  if (FFilterDropDownAuto && ARow == FFilterDropDownRow && GetFilter(ARealCol)) w += 12;
  if (ARealCol == FSortSettings.Column() && IsSortIndicatorCell(ADisplCol, ARow)) w += 10;
  return w;
}

void TExtStringGrid::fitAutoColWidth(int ADisplCol, int Widest, bool GrowOnly) {
  int width = Widest + CellHorzMargin() + 2 * GridLineWidth() + 2;
  if (GrowOnly && ColWidths(ADisplCol) >= width) return;
  UpdateAutoColumnSize(ADisplCol, width);
  SetColWidths(ADisplCol, ApplySizeLimits(width, MinColWidth(), MaxColWidth()));
}

void TExtStringGrid::padColWidth(int ADisplCol, int Padding) {
  if (Padding != 0)
    SetColWidths(ADisplCol, ApplySizeLimits(ColWidths(ADisplCol) + Padding, MinColWidth(), MaxColWidth()));
}

void TExtStringGrid::SizeColToContents(int ADisplCol, bool GrowOnly) {
  if (ADisplCol < 0 || ADisplCol >= ColCount()) return;
  TAutoSizeScope widths;
  const int realCol = RealColIndex(ADisplCol);
  int widest = 0, fromRow, toRow;
  autoSizeRowRange(fromRow, toRow);
  for (int r = fromRow; r <= toRow; ++r) widest = std::max(widest, autoColCellWidth(ADisplCol, realCol, r));
  fitAutoColWidth(ADisplCol, widest, GrowOnly);
}

void TExtStringGrid::AutoSizeCol(int ADisplCol, int Padding) {
  if (ADisplCol < 0 || ADisplCol >= ColCount()) return;
  SizeColToContents(ADisplCol, SizeGrowOnly());
  padColWidth(ADisplCol, Padding);
}

// Row by row over all the columns: a row's cells lie together in memory,
// a column's are spread over every row. Each column ends as SizeColToContents
// would leave it.
void TExtStringGrid::AutoSizeColumns(bool DoFixedCols, int Padding) {
  TGridUpdateLock lock(*this);
  TAutoSizeScope widths;
  const int from = DoFixedCols ? 0 : TCustomGrid::FixedCols();
  const int to = DoFixedCols ? ColCount() - 1 : ColCount() - FFixedRightCols - 1;
  if (from > to) return;
  std::vector<int> realCols, widest(static_cast<size_t>(to - from + 1), 0);
  for (int c = from; c <= to; ++c) realCols.push_back(RealColIndex(c));
  int fromRow, toRow;
  autoSizeRowRange(fromRow, toRow);
  for (int r = fromRow; r <= toRow; ++r)
    for (int c = from; c <= to; ++c) {
      int& w = widest[static_cast<size_t>(c - from)];
      w = std::max(w, autoColCellWidth(c, realCols[static_cast<size_t>(c - from)], r));
    }
  for (int c = from; c <= to; ++c) {
    fitAutoColWidth(c, widest[static_cast<size_t>(c - from)], SizeGrowOnly());
    padColWidth(c, Padding);
  }
}

void TExtStringGrid::AutoSizeCells(bool DoFixedCells, int PaddingX, int PaddingY) {
  TGridUpdateLock lock(*this);
  TAutoSizeScope widths;
  int c0 = DoFixedCells ? 0 : TCustomGrid::FixedCols(), r0 = DoFixedCells ? 0 : TCustomGrid::FixedRows();
  for (int c = c0; c < ColCount(); ++c) {
    int realCol = RealColIndex(c);
    int widest = SizeGrowOnly() ? ColWidths(c) : 0;
    for (int r = r0; r < RowCount(); ++r) {
      TPoint t = cellTextExtent(c, r, false);
      TPoint g = GetCellGraphicSize(realCol, r);
      int w = t.X + g.X + PaddingX + FXYOffset.X, h = t.Y + g.Y + PaddingY + FXYOffset.Y;
      if (!IsXMergedCell(realCol, r) && w > widest) {
        int limited = ApplySizeLimits(w, MinColWidth(), MaxColWidth());
        if (limited > widest) widest = limited;
      }
      if (!IsYMergedCell(realCol, r) && h > RowHeights(r)) {
        int limited = ApplySizeLimits(h, MinRowHeight(), MaxRowHeight());
        if (limited > RowHeights(r)) SetRowHeights(r, limited);
      }
    }
    if (widest > 0 && widest != ColWidths(c)) SetColWidths(c, widest);
  }
}

// The height a cell asks of its row: a check box or radio button asks a
// default row, a full-height graphic a default row only beside no text.
int TExtStringGrid::autoRowCellHeight(int ADisplCol, int ARealCol, int ARow, int Padding) {
  if (IsXMergedCell(ARealCol, ARow) && !IsBaseCell(ARealCol, ARow)) return 0;
  const TCellType type = GetCellType(ARealCol, ARow);
  if (type == ctCheckBox || type == ctDataCheckBox || type == ctVirtCheckBox || type == ctRadioButton)
    return DefaultRowHeight();
  const int text = cellTextExtent(ADisplCol, ARow, WordWrap()).Y;
  int graphic = CalcCellGraphicSize(ARealCol, ARow, Padding).Y;
  TCellGraphic* g = GetCellGraphic(ARealCol, ARow);
  // An empty cell still measures a line; "no text" is the cell's own.
  if (g && g->CellVAlign == vaFull) graphic = Cells(ARealCol, ARow).empty() ? DefaultRowHeight() : 0;
  return text + graphic;
}

void TExtStringGrid::MeasureRowHeight(int ARow, bool GrowOnly, int Padding) {
  if (ARow < 0 || ARow >= RowCount()) return;
  TAutoSizeScope widths;
  int tallest = 0;
  for (int c = 0; c < ColCount(); ++c) {
    const int realCol = RealColIndex(c);
    // A cell over several rows does not size any one of them.
    if (IsYMergedCell(realCol, ARow) || IsIgnoredColumn(realCol)) continue;
    tallest = std::max(tallest, autoRowCellHeight(c, realCol, ARow, Padding));
  }
  const int height = tallest + CellVertMargin() + 2 * GridLineWidth() + (FXYOffsetTopLeftOnly ? 2 : 0);
  if (GrowOnly && RowHeights(ARow) >= height) return;
  const bool rowsFitBefore = VisibleRowCount() + TCustomGrid::FixedRows() >= RowCount();
  SetRowHeights(ARow, ApplySizeLimits(height, MinRowHeight(), MaxRowHeight()));
  // A grown row that pushes rows out of view brings in the scroll bar, and
  // the editor of the row typed in is placed again over its cell.
  const bool rowsFitAfter = VisibleRowCount() + TCustomGrid::FixedRows() >= RowCount();
  if (rowsFitBefore && !rowsFitAfter && EditActive() && SizeWhileTyping()->Height) reshowEditorAtEnd();
}

// The text editor shown again over its cell, its text kept and the caret at its end.
void TExtStringGrid::reshowEditorAtEnd() {
  TInplaceEdit* editor = InplaceEditor();
  if (!editor || !editor->Visible()) return;
  const std::string text = editor->Text();
  ShowInplaceEdit();
  if (editor->Text() != text) editor->SetText(text);
  editor->SetSelStart(static_cast<int>(text.size()));
  editor->SetSelLength(0);
}

void TExtStringGrid::AutoSizeRow(int ARow, int Padding) {
  if (ARow < 0 || ARow >= RowCount()) return;
  MeasureRowHeight(ARow, SizeGrowOnly(), Padding);
  if (Padding != 0)
    SetRowHeights(ARow, ApplySizeLimits(RowHeights(ARow) + Padding, MinRowHeight(), MaxRowHeight()));
}

// Progress goes to the export notification: the start with the first row,
// each row, the end.
void TExtStringGrid::AutoSizeRows(bool DoFixedRows, int Padding) {
  if (RowCount() == 0) return;
  TGridUpdateLock lock(*this);
  TAutoSizeScope widths;
  const int first = DoFixedRows ? 0 : TCustomGrid::FixedRows();
  ExportNotification(esExportStart, first);
  for (int r = first; r < RowCount(); ++r) {
    ExportNotification(esExportNextRow, r);
    if (WordWrap()) {
      AutoSizeRow(r, 0);
      if (Padding != 0)
        SetRowHeights(r, ApplySizeLimits(RowHeights(r) + Padding, MinRowHeight(), MaxRowHeight()));
    } else {
      SetRowHeightForLines(r, MaxRowLineCount(r), Padding);
    }
  }
  ExportNotification(esExportDone, -1);
  ApplyScrollBarAlways(true);
}

void TExtStringGrid::SetRowHeightForLines(int ARow, int Lines, int Padding) {
  if (ARow < 0 || ARow >= RowCount()) return;
  int c = std::min(TCustomGrid::FixedCols(), ColCount() - 1);
  if (c < 0) return;
  TCanvas* canvas = Canvas();
  canvas->Font()->Assign(Font());
  GetCellColor(RealColIndex(c), ARow, {}, canvas->Brush(), canvas->Font());
  int h = canvas->TextHeight("gh");
  SetRowHeights(ARow, ApplySizeLimits(Padding + Lines * (h + h / 8), MinRowHeight(), MaxRowHeight()));
}

int TExtStringGrid::MaxRowLineCount(int ARow) {
  if (ColCount() == 0 || !Multilinecells()) return 1;
  int most = 1;
  for (int c = 0; c < ColCount(); ++c) most = std::max(most, CountLines(Cells(RealColIndex(c), ARow), true));
  return most;
}

void TExtStringGrid::AutoFitColumns(bool DoFixedCells) {
  int fc = TCustomGrid::FixedCols();
  int sb = 0;
  bool anyBars = ScrollBars() != ssNone;
  if (ScrollBarAlways() == saVert || (anyBars && VisibleRowCount() + TCustomGrid::FixedRows() < RowCount()))
    sb = GetSystemMetrics(SM_CXVSCROLL);
  int brd = BorderStyle() == bsSingle ? (Ctl3D() ? 4 : 2) : 0;
  int from = DoFixedCells ? 0 : fc, to = DoFixedCells ? ColCount() - 1 : ColCount() - FFixedRightCols - 1;
  int space = Width();
  if (!DoFixedCells) {
    for (int c = 0; c < fc; ++c) space -= ColWidths(c);
    for (int c = ColCount() - FFixedRightCols; c < ColCount(); ++c) space -= ColWidths(c);
  }
  if (ColCount() < 1 || space <= 0) return;
  if (ColCount() < 2) {
    SetColWidths(0, std::max(0, Width() - sb - 5));
    return;
  }
  if (to < from) return;
  int lines = Options().Contains(goVertLine) ? GridLineWidth() * (ColCount() - fc - FFixedRightCols) : 0;
  if (Options().Contains(goFixedVertLine) && DoFixedCells) lines += fc + FFixedRightCols;
  std::vector<int> w;
  for (int c = from; c <= to; ++c) w.push_back(ColWidths(c));
  FitWidths(w, space - sb - brd, lines);
  TGridUpdateLock lock(*this);
  for (int c = from; c <= to; ++c) SetColWidths(c, std::max(0, w[static_cast<size_t>(c - from)]));
}

void TExtStringGrid::SizeToCols() {
  int w = 0;
  for (int c = 0; c < ColCount(); ++c) w += ColWidths(c);
  SetClientWidth(w);
}

void TExtStringGrid::SizeToRows() {
  int h = 0;
  for (int r = 0; r < RowCount(); ++r) h += RowHeights(r);
  SetClientHeight(h);
}

void TExtStringGrid::SizeToCells() {
  TScrollStyle old = ScrollBars();
  SetScrollBars(ssNone);
  SizeToCols();
  SizeToRows();
  SetScrollBars(old);
}
