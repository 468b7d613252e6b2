// The multi-column drop-down: value, looks and the popup table.

#include "controls/ExtMultiColumnDropDown.h"

#include <algorithm>

#include "controls/ColGridStyle.h"
#include "controls/DropDownColumnSizing.h"
#include "controls/ExtDropDownForm.h"
#include "controls/ExtDropDownPanels.h"
#include "toolkit/forms/WinApi.h"

TExtMultiColumnDropDown::TExtMultiColumnDropDown(TComponent* AOwner)
    : TExtCustomDropDown(AOwner), FItems(std::make_unique<TDropDownItems>(this)),
      FColumns(std::make_unique<TDropDownColumns>(this)), FLookupItems(std::make_unique<TStringList>()) {
  // The style the base applied while it was built reaches this class's parts now.
  SetComponentStyle(GetComponentStyle());
  FColumnSizing = false;
  FLookupColumn = 0;
  FHeaderColorTo = TColor(0x808080);
  FHeaderColor = TColor(0xFFFFFF);
  FHeaderHeight = 25;
  FLineColor = TColor(0xC0C0C0);
  SetDropDownColor(TColor(0xFFFFFF));
  SetDropDownHeight(200);
  SetAutoSelect(true);
  SetSelectionColorStyle(scOffice2007);
  FSelectionTextColor = TColor(0);
  if (!ComponentState().Contains(csDesigning)) CreateDropDownForm();
}

TExtMultiColumnDropDown::~TExtMultiColumnDropDown() = default;

void TExtMultiColumnDropDown::Assign(const TPersistent* Source) {
  TExtCustomDropDown::Assign(Source);
  auto* s = dynamic_cast<const TExtMultiColumnDropDown*>(Source);
  if (s == nullptr) return;
  FCaseSensitive = s->FCaseSensitive;
  FDropDownAutoWidth = s->FDropDownAutoWidth;
  FDropDownRowHeight = s->FDropDownRowHeight;
  TakeLook(*s);
  FColumnSizing = s->FColumnSizing;
  FColumnSizeWithDropDown = s->FColumnSizeWithDropDown;
  FColumns->Assign(s->FColumns.get());
  FLookupColumn = s->FLookupColumn;
  FSelectionTextColor = s->FSelectionTextColor;
  FItems->Assign(s->FItems.get());
  FItemIndex = s->FItemIndex;
}

void TExtMultiColumnDropDown::Loaded() {
  TExtCustomDropDown::Loaded();
  rebuildLookup();
}

// ---- value and lookup

std::string TExtMultiColumnDropDown::lookupText(int Index) const {
  return FItems->Items(Index)->TextOf(FLookupColumn);
}

void TExtMultiColumnDropDown::rebuildLookup() {
  if (FLookupColumn < 0 || FItems->Count() == 0) return;
  FLookupItems->Clear();
  for (int i = 0; i < FItems->Count(); ++i) FLookupItems->Add(lookupText(i));
}

void TExtMultiColumnDropDown::SetItemIndex(int Value) {
  if (Value >= FItems->Count()) return;
  FItemIndex = std::max(Value, -1);
  if (FItemIndex >= 0 && FLookupColumn >= 0) SetText(lookupText(FItemIndex));
  else SetText("");
}

int TExtMultiColumnDropDown::GetItemIndex(const std::string& Value) const {
  return FItems->IndexInColumn(FLookupColumn, Value);
}

void TExtMultiColumnDropDown::selectFirst() {
  if (FItems->Count() > 0) SetItemIndex(0);
}

void TExtMultiColumnDropDown::selectLast() {
  if (FItems->Count() > 0) SetItemIndex(FItems->Count() - 1);
}

void TExtMultiColumnDropDown::selectNext() {
  if (FItems->Count() == 0) return;
  if (FItemIndex < 0) SetItemIndex(0);
  else if (FItemIndex + 1 < FItems->Count()) SetItemIndex(FItemIndex + 1);
}

void TExtMultiColumnDropDown::selectPrevious() {
  if (FItems->Count() == 0) return;
  if (FItemIndex < 0) SetItemIndex(0);
  else if (FItemIndex > 0) SetItemIndex(FItemIndex - 1);
}

void TExtMultiColumnDropDown::selectPageDown() {
  if (FItems->Count() == 0) return;
  SetItemIndex(FItemIndex < 0 ? 0 : std::min(FItemIndex + 10, FItems->Count() - 1));
}

void TExtMultiColumnDropDown::selectPageUp() {
  if (FItems->Count() == 0) return;
  SetItemIndex(FItemIndex >= 10 ? FItemIndex - 10 : 0);
}

// ---- looks

void TExtMultiColumnDropDown::SetSelectionColorStyle(TSelectionColorStyle Value) {
  TakeSelectionStyleLines(*this, Value);
  TExtCustomDropDown::SetSelectionColorStyle(Value);
}

void TExtMultiColumnDropDown::SetComponentStyle(TQGSStyle AStyle) {
  TExtCustomDropDown::SetComponentStyle(AStyle);
  ApplyColGridStyle(*this, *this, FSelectionTextColor, AStyle);
}

// ---- the popup

void TExtMultiColumnDropDown::CreateDropDownForm() {
  TExtCustomDropDown::CreateDropDownForm();
  if (FDropDownForm == nullptr) return;
  if (FExtColGrid == nullptr) {
    FExtColGrid = new TExtColGrid(this);
    FExtColGrid->SetParent(FDropDownForm);
  }
  FExtColGrid->SetBounds(0, 0, FExtColGrid->Width(), 180);
  FExtColGrid->SetColor(DropDownColor());
  FExtColGrid->SetDoubleBuffered(true);
  SetFocusControl(FExtColGrid);
}

void TExtMultiColumnDropDown::BeforeDropDown() {
  TExtCustomDropDown::BeforeDropDown();
  FDropDownForm->SetCancelOnDeActivate(false);
  FShowing = true;
  if (TExtColGrid* g = FExtColGrid) {
    g->FillFrom(this);
    TGridOptions o = g->Options();
    o.Include(goThumbTracking);
    g->SetOptions(o);
    g->SetColor(DropDownColor());
    g->OnSelectCell = [this](TObject*, int, int ARow, bool&) {
      if (!FExtColGrid->MouseWheelSelection() && !FShowing && ARow != FExtColGrid->Row()) SetItemIndex(ARow - 1);
    };
    g->OnSelect = [this](TObject*) { confirmSelected(); };
    g->HideOnReturnAndEscape([this](bool Cancel) { DoHideDropDown(Cancel); });
    if (g->RowCount() > g->FixedRows()) g->SetRow(std::max(FItemIndex + 1, 1));
  }
  FOldItemIndex = FItemIndex;
}

void TExtMultiColumnDropDown::AdjustDropDownHeight(int& Height) {
  int chrome = FHeaderHeight + 2;
  if (DropDownHeader()->Visible()) chrome += DropDownHeader()->Height();
  if (DropDownFooter()->Visible()) chrome += DropDownFooter()->Height();
  Height = WholeRowsHeight(Height, chrome, FDropDownRowHeight, 0);
}

void TExtMultiColumnDropDown::DoShowDropDown() {
  TExtCustomDropDown::DoShowDropDown();
  stretchColumns();
  if (TExtColGrid* g = FExtColGrid; g != nullptr && g->RowCount() > g->FixedRows()) {
    const int row = FItemIndex >= 0 ? FItemIndex + 1 : 1;
    g->SetRow(row);
    const TRect r = g->CellRect(0, row);
    if (r.Left == 0 && r.Top == 0 && r.IsEmpty()) g->SetTopRow(std::max(g->FixedRows(), row - g->VisibleRowCount() + 1));
  }
  FShowing = false;
}

void TExtMultiColumnDropDown::PlaceDropDownControl() {
  SetControl(FExtColGrid);
  TExtCustomDropDown::PlaceDropDownControl();
}

void TExtMultiColumnDropDown::SetDropDownSize() {
  TExtCustomDropDown::SetDropDownSize();
  if (!FDropDownAutoWidth || FDropDownForm == nullptr || FExtColGrid == nullptr) return;
  FExtColGrid->FitPopupWidth(*FDropDownForm, DropDownBorderWidth());
}

void TExtMultiColumnDropDown::stretchColumns() {
  if (!FColumnSizeWithDropDown || FExtColGrid == nullptr || FDropDownForm == nullptr) return;
  StretchGridColumns(*FExtColGrid, *FColumns, FDropDownForm->Width());
}

void TExtMultiColumnDropDown::DropDownResized() {
  TExtCustomDropDown::DropDownResized();
  stretchColumns();
}

void TExtMultiColumnDropDown::DoHideDropDown(bool Cancel) {
  if (FDropDownForm == nullptr || !FDropDownForm->Visible()) {
    TExtCustomDropDown::DoHideDropDown(Cancel);
    return;
  }
  TExtCustomDropDown::DoHideDropDown(Cancel);
  if (Cancel) SetItemIndex(FOldItemIndex);
  else if (FExtColGrid != nullptr && FExtColGrid->ConfirmSelection()) SetItemIndex(FExtColGrid->Row() - 1);
  FOldItemIndex = FItemIndex;
}

void TExtMultiColumnDropDown::confirmSelected() {
  if (FExtColGrid == nullptr) return;
  if (FExtColGrid->ConfirmSelection()) SetItemIndex(FExtColGrid->Row() - 1);
  DoHideDropDown(false);
  if (OnSelect) OnSelect(this);
}

// While the popup is open the wheel moves the grid's row, which is no choice.
void TExtMultiColumnDropDown::DoMouseWheelDown() {
  TExtCustomDropDown::DoMouseWheelDown();
  if (!DroppedDown()) selectNext();
}

void TExtMultiColumnDropDown::DoMouseWheelUp() {
  TExtCustomDropDown::DoMouseWheelUp();
  if (!DroppedDown()) selectPrevious();
}
