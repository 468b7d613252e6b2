// The grid drop-down's popup grid: filled and sized from the drop-down, and
// telling it which row changes are chosen selections.

#include <algorithm>

#include "controls/DropDownColumnSizing.h"
#include "controls/ExtDropDownForm.h"
#include "grid/dropdown/ExtCustomGridDropDown.h"
#include "toolkit/forms/WinApi.h"
#include "toolkit/graphics/ImgList.h"

namespace ExtCustomGridDropDown {

namespace {

void SetOption(TExtStringGrid& G, TGridOption O, bool On) {
  TGridOptions o = G.Options();
  if (On) o.Include(O);
  else o.Exclude(O);
  G.SetOptions(o);
}

// Columns and rows are measured only while the grid stands in its popup.
bool ParentIsPopup(const TControl& G, const TCustomExtGridDropDown* D) {
  return D != nullptr && G.Parent() != nullptr && G.Parent() == D->DropDownForm();
}

}  // namespace

TExtColGrid::TExtColGrid(TComponent* AOwner)
    : TColGridOf(AOwner) {
  SetFixedRowAlways(true);
  SetFixedRows(1);
  SetFixedCols(0);
  SetOption(*this, goRangeSelect, false);
  SetOption(*this, goHorzLine, true);
  SetOption(*this, goRowSelect, true);
  SetCtl3D(false);
  SetBorderStyle(bsNone);
}

TExtColGrid::~TExtColGrid() = default;

std::string TExtColGrid::SizingText(int Column, int Row) const {
  if (FExtDropDown == nullptr) return Cells(Column, Row);
  const TDropDownItems* items = FExtDropDown->Items();
  return Row - 1 < items->Count() ? items->Items(Row - 1)->TextOf(Column) : std::string();
}

bool TExtColGrid::SizingImage(int Column, int Row) const {
  if (FExtDropDown == nullptr || FImages == nullptr || Column >= FColumns->Count()) return false;
  if (FColumns->Items(Column)->ColumnType() != ctImage) return false;
  const TDropDownItems* items = FExtDropDown->Items();
  return Row - 1 < items->Count() && items->Items(Row - 1)->ImageIndex() >= 0;
}

void TExtColGrid::ApplySettings() {
  TCustomExtGridDropDown* D = FExtDropDown;
  if (D == nullptr) return;
  FColumns->Assign(D->Columns());
  if (ColCount() < FColumns->Count()) SetColCount(FColumns->Count());
  if (D->UseItems()) SetRowCount(D->Items()->Count() + 1);
  for (int i = 0; i < D->Columns()->Count(); ++i) SetColWidths(i, D->Columns()->Items(i)->Width());
  TakeLook(*D);
  SetHoverRow(D->HoverRow());
  SetHoverRowColor(D->HoverRowColor());
  SetHoverRowColorTo(D->HoverRowColorTo());
  FImages = D->Images();
  SetDefaultRowHeight(D->DropDownRowHeight());
  if (RowCount() > 0) SetRowHeights(0, D->HeaderHeight());
  SetOption(*this, goColSizing, D->ColumnSizing());
  SetOption(*this, goColMoving, D->ColumnMoving());
  SetOption(*this, goRowSizing, D->RowSizing());
  SetOption(*this, goRowMoving, D->RowMoving());
  if (D->AutoSizeColumns()) {
    if (D->UseItems()) {
      for (int c = 0; c < FColumns->Count(); ++c)
        if (FColumns->Items(c)->AutoSize()) autoSizeColumn(c);
    } else {
      TExtStringGrid::AutoSizeColumns(true, 4);
    }
  }
  if (ParentIsPopup(*this, FExtDropDown)) WrapRowHeights();
}

void TExtColGrid::FillFromItems() {
  TCustomExtGridDropDown* D = FExtDropDown;
  if (D == nullptr) return;
  if (ColCount() != FColumns->Count() && FColumns->Count() > 0) SetColCount(FColumns->Count());
  for (int i = 0; i < FColumns->Count(); ++i) {
    SetCells(i, 0, FColumns->Items(i)->Header());
    SetObjectEx(i, 0, uintptr_t(-1));
  }
  const TDropDownItems* items = D->Items();
  if (items->Count() > 0) SetRowCount(FixedRows() + items->Count());
  for (int k = 0; k < items->Count(); ++k) {
    for (int i = 0; i < FColumns->Count(); ++i) SetCells(i, k + 1, items->Items(k)->TextOf(i));
    SetObjectEx(0, k + 1, uintptr_t(k));
  }
}

void TExtColGrid::autoSizeColumn(int Column) {
  if (!ParentIsPopup(*this, FExtDropDown)) return;
  const int w = ContentWidth(Column);
  FColumns->Items(Column)->SetWidth(w);
  SetColWidths(Column, w);
}

// ---- keys and clicks

void TExtColGrid::KeyDown(uint16_t& Key, TShiftState Shift) {
  if (PassedToDropDown(Key, FExtDropDown)) return;
  if (Key == VK_RETURN) {
    Key = 0;
    TExtStringGrid::KeyDown(Key, Shift);
    DoSelect();
    return;
  }
  TExtStringGrid::KeyDown(Key, Shift);
}

void TExtColGrid::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TExtStringGrid::MouseUp(Button, Shift, X, Y);
  if (Button != mbLeft) return;
  int col = -1, row = -1;
  MouseToCell(X, Y, col, row);
  if (col < 0 || row < FixedRows() || row >= RowCount()) return;
  if (HasCheckBox(RealColIndex(col), row)) return;
  DoSelect();
}

// Wheel moves change the current row without choosing it.
void TExtColGrid::WMMouseWheel(TWMMouseWheel& Message) {
  ByWheel([&] { TExtStringGrid::WMMouseWheel(Message); });
}

// Return in the grid is taken as a key (it selects), not as a character.
void TExtColGrid::WndProc(TMessage& Message) {
  if (Message.Msg == WM_CHAR && Message.WParam == 13) {
    Message.Result = 1;
    return;
  }
  TColGridOf::WndProc(Message);
}

}  // namespace ExtCustomGridDropDown
