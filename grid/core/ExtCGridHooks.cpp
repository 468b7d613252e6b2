// How the column settings win: each per-cell hook of the column grid puts
// the column's answer in first, for columns that have an item, and then
// (unless said otherwise) lets the grid's hook and its event speak.

#include <cstdlib>

#include "grid/core/ExtCGrid.h"
#include "grid/editing/GridCombo.h"
#include "grid/editing/GridSpin.h"
#include "grid/foundation/ExtUtil.h"
#include "toolkit/rtl/SysUtils.h"

void TExtColumnGrid::GetCellDefaults(int ACol, int ARow, TFont* AFont, TBrush* ABrush, TColor& ColorTo,
                                     TColor& MirrorColor, TColor& MirrorColorTo, TAlignment& HA, TVAlignment& VA,
                                     bool& WW, TCellGradientDirection& GD) {
  TGridColumnItem* item = columnOf(ACol);
  if (!item) {
    TExtStringGrid::GetCellDefaults(ACol, ARow, AFont, ABrush, ColorTo, MirrorColor, MirrorColorTo, HA, VA, WW, GD);
    return;
  }
  AFont->Assign(item->Font());
  ABrush->SetColor(item->Color());
  ColorTo = clNone;
  HA = ARow < FixedRows() ? item->HeaderAlignment() : item->Alignment();
  VA = VAlignment();
  WW = WordWrap();
  GD = GradientVertical;
  if (IsFixed(DisplColIndex(ACol), ARow) || (Bands()->Active() && item->ShowBands())) {
    ABrush->SetColor(clNone);
    ColorTo = clNone;
  }
}

void TExtColumnGrid::GetCellColor(int ACol, int ARow, TGridDrawState AState, TBrush* ABrush, TFont* AFont) {
  TGridColumnItem* item = columnOf(ACol);
  bool inBody = ACol >= FixedCols() && ACol < AllColCount() - FixedRightCols() && ARow < RowCount() - FixedFooters();
  if (item && inBody) {
    if (item->Fixed())
      ABrush->SetColor(FixedColor());
    else if (ARow >= FixedRows() && !(item->ShowBands() && Bands()->Active()))
      ABrush->SetColor(item->Color());
    AFont->Assign(ARow < FixedRows() ? item->HeaderFont() : item->Font());
  }
  // The cell's own colours, then the grid's rules and the event.
  TExtStringGrid::GetCellColor(ACol, ARow, AState, ABrush, AFont);
}

void TExtColumnGrid::GetCellPrintColor(int ACol, int ARow, TGridDrawState AState, TBrush* ABrush, TFont* AFont) {
  TGridColumnItem* item = columnOf(ACol);
  if (item) {
    bool fixedCell = ACol < FixedCols() || ARow < FixedRows() || ACol >= AllColCount() - FixedRightCols() ||
                     ARow >= RowCount() - FixedFooters();
    if (fixedCell) {
      AFont->Assign(PrintSettings()->FixedFont());
    } else {
      if (item->Fixed())
        ABrush->SetColor(FixedColor());
      else if (!(item->ShowBands() && Bands()->Active() && Bands()->Print()))
        ABrush->SetColor(item->PrintColor());
      if (Colors(ACol, ARow) != clNone) ABrush->SetColor(Colors(ACol, ARow));
      if (item->PrintFontCustom()) {
        AFont->Assign(item->PrintFont());
        if (const TCellProperties* p = GetGridObject(ACol, ARow)) {
          if (p->FontColor != clNone) AFont->SetColor(p->FontColor);
          if (!p->FontStyle.Empty()) AFont->SetStyle(p->FontStyle);
          if (p->FontSize != 0) AFont->SetSize(p->FontSize);
          if (!p->FontName.empty()) AFont->SetName(p->FontName);
        }
      } else {
        AFont->Assign(PrintSettings()->Font());
      }
    }
  }
  TExtStringGrid::GetCellPrintColor(ACol, ARow, AState, ABrush, AFont);
}

void TExtColumnGrid::GetCellBorder(int ACol, int ARow, TPen* APen, TCellBorders& Borders) {
  if (TGridColumnItem* item = columnOf(ACol); item && ACol >= FixedCols() && ARow >= FixedRows()) {
    Borders = item->Borders();
    APen->Assign(item->BorderPen());
  }
  TExtStringGrid::GetCellBorder(ACol, ARow, APen, Borders);
}

void TExtColumnGrid::GetCellPrintBorder(int ACol, int ARow, TPen* APen, TCellBorders& Borders) {
  if (TGridColumnItem* item = columnOf(ACol);
      item && ACol >= FixedCols() && ARow >= FixedRows() && item->PrintBorderCustom()) {
    Borders = item->PrintBorders();
    APen->Assign(item->PrintBorderPen());
  }
  TExtStringGrid::GetCellPrintBorder(ACol, ARow, APen, Borders);
}

void TExtColumnGrid::GetCellAlign(int ACol, int ARow, TVAlignment& VAlign, TAlignment& HAlign) {
  if (TGridColumnItem* item = columnOf(ACol)) {
    if (const TCellProperties* p = GetGridObject(ACol, ARow))
      HAlign = p->Alignment();
    else
      HAlign = ARow < FixedRows() ? item->HeaderAlignment() : item->Alignment();
  }
  TExtStringGrid::GetCellAlign(ACol, ARow, VAlign, HAlign);
}

void TExtColumnGrid::GetCellFormat(int ACol, TSortStyle& AStyle, std::string& aPrefix, std::string& aSuffix) {
  if (TGridColumnItem* item = columnOf(ACol)) {
    AStyle = item->SortStyle();
    aPrefix = item->SortPrefix();
    aSuffix = item->SortSuffix();
  }
  TExtStringGrid::GetCellFormat(ACol, AStyle, aPrefix, aSuffix);
}

// The column's editor and its settings; the grid-wide float format is left
// as it is (a column's own format is read through GetFloatFormat).
void TExtColumnGrid::GetCellEditor(int ACol, int ARow, TEditorType& AEditor) {
  if (TGridColumnItem* item = columnOf(ACol); item && ACol >= FixedCols() && ARow >= FixedRows()) {
    AEditor = item->Editor();
    SetEditLink(item->EditLink());
    ControlLook()->SetDropDownCount(item->DropDownCount());
    if (AEditor == edComboList || AEditor == edComboEdit) Combobox()->Items()->Assign(item->ComboItems());
    if (AEditor == edSpinEdit || AEditor == edFloatSpinEdit || AEditor == edTimeSpinEdit ||
        AEditor == edDateSpinEdit) {
      SpinEdit()->SetMinValue(item->SpinMin());
      SpinEdit()->SetMaxValue(item->SpinMax());
      SpinEdit()->SetIncrement(item->SpinStep());
    }
  }
  TExtStringGrid::GetCellEditor(ACol, ARow, AEditor);
}

void TExtColumnGrid::IsFixedCell(int ADisplCol, int ARow, bool& IsFixed) {
  int real = RealColIndex(ADisplCol);
  if (TGridColumnItem* item = columnOf(real); item && real >= FixedCols() && ARow >= FixedRows())
    IsFixed = item->Fixed();
  TExtStringGrid::IsFixedCell(ADisplCol, ARow, IsFixed);
}

void TExtColumnGrid::CanEditCell(int ACol, int ARow, bool& CanEdit) {
  CanEdit = false;
  TPoint b = BaseCell(ACol, ARow);
  TGridColumnItem* item = columnOf(b.X);
  if (item && !ComponentState().Contains(csLoading) && b.X >= FixedCols() && b.Y >= FixedRows())
    CanEdit = !(item->ReadOnly() || item->Fixed());
  if (const TCellProperties* p = GetGridObject(b.X, b.Y); p && CanEdit) CanEdit = !p->ReadOnly;
  DoCanEditCell(b.X, b.Y, CanEdit);
}

// The header rows name the column and are never masked.
void TExtColumnGrid::IsPasswordCell(int ACol, int ARow, bool& IsPassword) {
  if (TGridColumnItem* item = columnOf(ACol); item && ARow >= FixedRows()) IsPassword = item->Password();
  TExtStringGrid::IsPasswordCell(ACol, ARow, IsPassword);
}

bool TExtColumnGrid::HasCombo(int ACol, int ARow) {
  bool has = false;
  if (TGridColumnItem* item = columnOf(ACol); item && ACol >= FixedCols() && ARow >= FixedRows())
    has = item->Editor() == edComboEdit || item->Editor() == edComboList;
  if (OnHasComboBox) OnHasComboBox(this, ACol, ARow, has);
  return has;
}

void TExtColumnGrid::GetCheckTrue(int ACol, int ARow, std::string& Value) {
  TExtStringGrid::GetCheckTrue(ACol, ARow, Value);
  if (TGridColumnItem* item = columnOf(ACol); item && isNormalCell(ACol, ARow)) Value = item->CheckTrue();
}

void TExtColumnGrid::GetCheckFalse(int ACol, int ARow, std::string& Value) {
  TExtStringGrid::GetCheckFalse(ACol, ARow, Value);
  if (TGridColumnItem* item = columnOf(ACol); item && isNormalCell(ACol, ARow)) Value = item->CheckFalse();
}

void TExtColumnGrid::GetFloatFormat(int ACol, int ARow, bool& IsFloat, std::string& FloatFormat) {
  TExtStringGrid::GetFloatFormat(ACol, ARow, IsFloat, FloatFormat);
  if (TGridColumnItem* item = columnOf(ACol); item && !item->FloatFormat().empty())
    FloatFormat = item->FloatFormat();
}

namespace {
// The number of conversions in a format ("%%" is none).
int conversionCount(const std::string& Fmt) {
  int n = 0;
  for (size_t i = 0; i < Fmt.size(); ++i) {
    if (Fmt[i] != '%') continue;
    if (i + 1 < Fmt.size() && Fmt[i + 1] == '%')
      ++i;
    else
      ++n;
  }
  return n;
}
}  // namespace

// Numbers of a column with a float format show formatted; the format runs
// through the project's own formatter with exactly one number, and a format
// it cannot take raises EExtGridError (the cell keeps its text).
std::string TExtColumnGrid::GetFormattedCell(int ACol, int ARow) {
  TGridColumnItem* item = columnOf(ACol);
  if (!item) return TExtStringGrid::GetFormattedCell(ACol, ARow);
  std::string text = Cells(ACol, ARow);
  std::string format = item->FloatFormat();
  int kind = GetNumberTextKind(text);
  bool isFloat = kind == 0 || kind == 1;
  if (OnGetFloatFormat) OnGetFloatFormat(this, ACol, ARow, isFloat, format);
  if (format.empty() || !isFloat) return text;
  if (conversionCount(format) != 1) throw EExtGridError("Invalid float format \"" + format + "\"");
  try {
    return Format(format, std::strtod(NormalizeFloatText(text).c_str(), nullptr));
  } catch (const EConvertError& e) {
    throw EExtGridError(std::string("Invalid float format \"") + format + "\": " + e.what());
  }
}

TCellType TExtColumnGrid::GetCellType(int ACol, int ARow) {
  TCellType t = TExtStringGrid::GetCellType(ACol, ARow);
  if (TGridColumnItem* item = columnOf(ACol);
      t == ctEmpty && item && item->Editor() == edDataCheckBox && isNormalCell(ACol, ARow))
    return ctDataCheckBox;
  return t;
}

TCellGraphic* TExtColumnGrid::GetCellGraphic(int ACol, int ARow) {
  TCellGraphic* g = TExtStringGrid::GetCellGraphic(ACol, ARow);
  if (g || FDestroyingGrid) return g;
  TGridColumnItem* item = columnOf(ACol);
  if (!item || item->Editor() != edDataCheckBox || !isNormalCell(ACol, ARow)) return nullptr;
  FVirtCheckGraphic.CellType = ctVirtCheckBox;
  FVirtCheckGraphic.CellTransparent = ControlLook()->ControlStyle() == csFlat;
  return &FVirtCheckGraphic;
}

namespace {
void clampToLimits(int& Width, int Min, int Max) {
  if (Min > 0 && Width < Min) Width = Min;
  if (Max > 0 && Width > Max) Width = Max;
}
}  // namespace

void TExtColumnGrid::UpdateColumnSize(int ACol, int& NewWidth) {
  if (TGridColumnItem* item = columnOf(ACol)) clampToLimits(NewWidth, item->MinSize(), item->MaxSize());
  TExtStringGrid::UpdateColumnSize(ACol, NewWidth);
}

void TExtColumnGrid::UpdateAutoColumnSize(int ACol, int& NewWidth) {
  if (TGridColumnItem* item = columnOf(ACol)) clampToLimits(NewWidth, item->AutoMinSize(), item->AutoMaxSize());
  TExtStringGrid::UpdateAutoColumnSize(ACol, NewWidth);
}
