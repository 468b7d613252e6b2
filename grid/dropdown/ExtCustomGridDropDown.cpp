// The grid drop-down: construction, value, looks and the popup grid.

#include "grid/dropdown/ExtCustomGridDropDown.h"

#include <algorithm>

#include "controls/ColGridStyle.h"
#include "controls/DropDownColumnSizing.h"
#include "controls/ExtDropDownForm.h"
#include "toolkit/forms/WinApi.h"
#include "toolkit/rtl/ScopeGuard.h"

using ExtCustomGridDropDown::TDropDownItem;

TCustomExtGridDropDown::TCustomExtGridDropDown(TComponent* AOwner)
    : TExtCustomDropDown(AOwner), FLookupItems(std::make_unique<TStringList>()) {
  const TComponentState owner = Owner() ? Owner()->ComponentState() : TComponentState();
  FDesignTime = ComponentState().Contains(csDesigning) && !owner.Contains(csReading) && !owner.Contains(csLoading);
  if (!ComponentState().Contains(csDesigning)) CreateDropDownForm();
  // The styles the base applied while it was built reach this class's parts now.
  SetSelectionColorStyle(scOffice2007);
  SetComponentStyle(GetComponentStyle());
  FHeaderColorTo = TColor(0x808080);
  FHeaderColor = TColor(0xFFFFFF);
  FHeaderHeight = 25;
  F.RowSelect = true;
  F.LookupMethod = lmLookup;
  FItems.reset(CreateItems(this));
  FColumns = std::make_unique<TDropDownColumns>(this);
  SetDropDownColor(TColor(0xFFFFFF));
  SetDropDownHeight(200);
  SetAutoSelect(true);
  SetSelectionColorStyle(scOffice2007);
  F.SelectionTextColor = TColor(0);
  FSearchFooter = std::make_unique<TSearchFooter>(this, FDesignTime);
  FBands = std::make_unique<TBands>();
  FNavigation = std::make_unique<TNavigation>();
  FMouseActions = std::make_unique<TMouseActions>(this);
  FNavigation->SetHomeEndKey(heFirstLastRow);
  if (FDesignTime) {
    FColumns->Clear();
    for (int i = 0; i < 3; ++i) FColumns->Add();
  }
}

TCustomExtGridDropDown::~TCustomExtGridDropDown() = default;

TCustomExtGridDropDown::TDropDownItems* TCustomExtGridDropDown::CreateItems(TComponent* AOwner) {
  return new TDropDownItems(AOwner);
}

void TCustomExtGridDropDown::Loaded() {
  TExtCustomDropDown::Loaded();
  rebuildLookup();
  if (FExtColGrid != nullptr) FExtColGrid->FillFromItems();
}

void TCustomExtGridDropDown::Notification(TComponent* AComponent, TOperation Operation) {
  TExtCustomDropDown::Notification(AComponent, Operation);
  if (Operation != opRemove || AComponent != reinterpret_cast<TComponent*>(FGridImages)) return;
  FGridImages = nullptr;
  if (FExtColGrid != nullptr) FExtColGrid->SetGridImages(nullptr);
}

void TCustomExtGridDropDown::SetGridImages(TImageList* Value) {
  FGridImages = Value;
  if (FExtColGrid != nullptr) FExtColGrid->SetGridImages(Value);
}

void TCustomExtGridDropDown::SetStyle(TDropDownStyle Value) {
  FStyle = Value;
  SetEditorEnabled(Value == dsDropDown);
}

void TCustomExtGridDropDown::DoEnter() {
  TExtCustomDropDown::DoEnter();
  if (FExtColGrid != nullptr) FExtColGrid->RemoveAllFilters();
  FLookupEntry.clear();
}

// ---- value

int TCustomExtGridDropDown::itemCount() const {
  if (F.UseItems) return FItems->Count();
  return FExtColGrid != nullptr ? FExtColGrid->RowCount() - FExtColGrid->FixedRows() : 0;
}

void TCustomExtGridDropDown::SetItemIndex(int Value) {
  Value = std::max(Value, -1);
  if (F.UseItems) {
    if (Value >= FItems->Count()) return;
    FItemIndex = Value;
    SetText(Value >= 0 ? FItems->Items(Value)->TextOf(F.LookupColumn) : std::string());
    return;
  }
  if (FExtColGrid == nullptr) {
    FItemIndex = Value;
    return;
  }
  // Indexes count data rows, below the grid's fixed rows.
  const int fixed = FExtColGrid->FixedRows();
  if (Value == FItemIndex || Value >= FExtColGrid->RowCount() - fixed) return;
  FItemIndex = Value;
  SetText(Value < 0 ? std::string() : FExtColGrid->Cells(F.LookupColumn, Value + fixed));
}

int TCustomExtGridDropDown::ItemOfRow(int ARow) const {
  if (FExtColGrid == nullptr || ARow >= FExtColGrid->RowCount()) return ARow;
  return int(intptr_t(FExtColGrid->GetObjectEx(0, ARow)));
}

int TCustomExtGridDropDown::RowOfItem(int AItem) const {
  if (FExtColGrid == nullptr || AItem < 0) return FItemIndex;
  for (int r = FExtColGrid->FixedRows(); r < FExtColGrid->RowCount(); ++r)
    if (int(intptr_t(FExtColGrid->GetObjectEx(0, r))) == AItem) return r;
  return FItemIndex;
}

// ---- looks

void TCustomExtGridDropDown::SetSelectionColorStyle(TSelectionColorStyle Value) {
  TakeSelectionStyleLines(*this, Value);
  TExtCustomDropDown::SetSelectionColorStyle(Value);
  // The grid drop-down's selected row has a shade of its own.
  if (Value == scOffice2007) SetSelectionColor(TColor(0x5EC1F1));
  else if (Value == scWindowsVista || Value == scWindows7) SetSelectionColor(TColor(0xEACAB6));
}

void TCustomExtGridDropDown::SetComponentStyle(TQGSStyle AStyle) {
  TExtCustomDropDown::SetComponentStyle(AStyle);
  // The grid drop-down has no looks of its own for the Office 2010 styles.
  if (AStyle < tsOffice2010Blue) ApplyColGridStyle(*this, *this, F.SelectionTextColor, AStyle);
}

// ---- the popup

void TCustomExtGridDropDown::CreateDropDownForm() {
  TExtCustomDropDown::CreateDropDownForm();
  if (FDropDownForm == nullptr) return;
  if (FExtColGrid == nullptr) {
    FExtColGrid = new TExtColGrid(this);
    FExtColGrid->SetParent(FDropDownForm);
    FExtColGrid->SetExtDropDown(this);
    FExtColGrid->SetBounds(0, 0, FExtColGrid->Width(), 180);
    FExtColGrid->SetColor(DropDownColor());
    FExtColGrid->SetDoubleBuffered(true);
    FExtColGrid->Navigation()->SetHomeEndKey(heFirstLastRow);
  }
}

void TCustomExtGridDropDown::PlaceDropDownControl() {
  SetControl(FExtColGrid);
  TExtCustomDropDown::PlaceDropDownControl();
}

void TCustomExtGridDropDown::BeforeDropDown() {
  FDropDownForm->SetCancelOnDeActivate(false);
  const bool was = FMovingGrid;
  FMovingGrid = true;
  auto restore = MakeScopeGuard([&] { FMovingGrid = was; });
  if (TExtColGrid* g = FExtColGrid) {
    g->ApplySettings();
    g->SetColor(DropDownColor());
    g->SortSettings()->SetShow(F.Sorting != gsNone);
    g->SortSettings()->SetIndexShow(F.Sorting == gsMultiColumn);
    FBalloonInit = false;
    hookGrid();
    g->SearchFooter()->Assign(FSearchFooter.get());
    g->MouseActions()->Assign(FMouseActions.get());
    g->Navigation()->Assign(FNavigation.get());
    g->Bands()->Assign(FBands.get());
    TGridOptions o = g->Options();
    o.Include(goThumbTracking);
    if (F.RowSelect) o.Include(goRowSelect);
    else o.Exclude(goRowSelect);
    if (F.GridEditable) o.Include(goEditing);
    else o.Exclude(goEditing);
    g->SetOptions(o);
    g->SetGridImages(FGridImages);
    g->SetComponentStyle(GetComponentStyle());
    if (F.UseItems) {
      TExtCustomDropDown::BeforeDropDown();
      g->SetRowCount(FItems->Count() + 1);
      g->SetFixedRows(1);
      g->FillFromItems();
      const int row = RowOfItem(FItemIndex);
      if (row >= g->FixedRows() && row < g->RowCount()) g->SetRow(row);
    } else {
      std::string found;
      int row = -1;
      g->SetRow(FindLookupText(Text(), found, row) ? row : g->FixedRows());
    }
    if (g->SortSettings()->Column() >= 0 && g->SortSettings()->Show()) g->QSort();
  } else if (F.UseItems) {
    TExtCustomDropDown::BeforeDropDown();
  }
  FOldItemIndex = FItemIndex;
  if (!F.UseItems) TExtCustomDropDown::BeforeDropDown();
}

void TCustomExtGridDropDown::hookGrid() {
  TExtColGrid* g = FExtColGrid;
  g->OnSelectCell = nullptr;
  g->OnSelect = [this](TObject*) { gridSelected(); };
  g->HideOnReturnAndEscape([this](bool Cancel) { DoHideDropDown(Cancel); });
  relayGridEvents();
  // Sorting keeps the selected item selected; the drop-down takes the sort
  // events over for it.
  g->OnCanSort = [this](TObject*, int, bool&) { FTempItemIndex = FItemIndex; };
  g->OnClickSort = [this](TObject*, int) {
    const int row = RowOfItem(FTempItemIndex);
    if (FTempItemIndex >= 0 && row >= FExtColGrid->FixedRows() && row < FExtColGrid->RowCount())
      FExtColGrid->SetRow(row);
  };
  g->OnSelectCell = [this](TObject*, int, int ARow, bool&) { gridCellSelected(ARow); };
}

void TCustomExtGridDropDown::DoShowDropDown() {
  TExtCustomDropDown::DoShowDropDown();
  TExtColGrid* g = FExtColGrid;
  if (g == nullptr || !DroppedDown()) return;
  if (!F.UseItems)
    while (FColumns->Count() < g->ColCount()) FColumns->Add();
  sizeColumnsToPopup();
  if (g->VisibleRowCount() < g->RowCount() - g->FixedRows()) {
    if (g->Row() >= g->TopRow() + g->VisibleRowCount() || g->Row() < g->TopRow()) g->SetTopRow(g->Row());
  }
  // The row the popup opened on is the one a Return takes.
  FSelRow = g->Row();
  g->SetTabStop(true);
  if (g->CanFocus()) g->SetFocus();
}

void TCustomExtGridDropDown::AdjustDropDownHeight(int& Height) {
  int chrome = FHeaderHeight + 2;
  if (DropDownHeader()->Visible()) chrome += DropDownHeader()->Height();
  if (DropDownFooter()->Visible()) chrome += DropDownFooter()->Height();
  Height = WholeRowsHeight(Height, chrome, F.DropDownRowHeight, 4);
}

void TCustomExtGridDropDown::SetDropDownSize() {
  TExtCustomDropDown::SetDropDownSize();
  if (!F.DropDownAutoWidth || FDropDownForm == nullptr || FExtColGrid == nullptr) return;
  FExtColGrid->FitPopupWidth(*FDropDownForm, DropDownBorderWidth());
}

void TCustomExtGridDropDown::sizeColumnsToPopup() {
  if (!F.ColumnSizeWithDropDown || FExtColGrid == nullptr || FDropDownForm == nullptr) return;
  StretchGridColumns(*FExtColGrid, *FColumns, FDropDownForm->Width());
}

void TCustomExtGridDropDown::DropDownResized() {
  TExtCustomDropDown::DropDownResized();
  sizeColumnsToPopup();
}

void TCustomExtGridDropDown::DoHideDropDown(bool Cancel) {
  if (FDropDownForm != nullptr && FDropDownForm->Visible() && FExtColGrid != nullptr) {
    if (Cancel) {
      SetItemIndex(FOldItemIndex);
    } else if (FExtColGrid->ConfirmSelection()) {
      SetItemIndex(F.UseItems ? ItemOfRow(FSelRow) : FSelRow - FExtColGrid->FixedRows());
    }
    FOldItemIndex = FItemIndex;
    FExtColGrid->SetConfirmSelection(false);
  }
  TExtCustomDropDown::DoHideDropDown(Cancel);
}

void TCustomExtGridDropDown::moveGridTo(int ARow) {
  const bool was = FMovingGrid;
  FMovingGrid = true;
  FExtColGrid->SetRow(ARow);
  FMovingGrid = was;
}

void TCustomExtGridDropDown::gridCellSelected(int ARow) {
  FSelRow = ARow;
  if (FMovingGrid || FExtColGrid->MouseWheelSelection()) return;
  if (F.UseItems) {
    SetItemIndex(ItemOfRow(ARow));
  } else {
    SetText(FExtColGrid->Cells(F.LookupColumn, ARow));
    SetItemIndex(ARow - FExtColGrid->FixedRows());
  }
}

void TCustomExtGridDropDown::gridSelected() {
  if (!FExtColGrid->ConfirmSelection()) return;
  const int row = FExtColGrid->Row();
  FSelRow = row;
  SetItemIndex(F.UseItems ? ItemOfRow(row) : row - FExtColGrid->FixedRows());
  if (!F.GridEditable) DoHideDropDown(false);
  if (OnSelect) OnSelect(this);
}

// ---- the edit's navigation

void TCustomExtGridDropDown::WMKeyDown(TWMKey& Message) {
  const uint16_t key = uint16_t(Message.CharCode);
  if (key == VK_RETURN && FExtColGrid != nullptr) FExtColGrid->SetConfirmSelection(true);
  TExtCustomDropDown::WMKeyDown(Message);
  if (!Enabled() || GetKeyState(VK_MENU) < 0) return;
  if (key < VK_PRIOR || key > VK_DOWN || key == VK_LEFT || key == VK_RIGHT) return;
  FLookupEntry.clear();
  const int count = itemCount();
  if (count <= 0) return;
  const bool listOnly = GetKeyState(VK_SHIFT) >= 0 && FStyle == dsDropDownList;
  switch (key) {
    case VK_PRIOR: SetItemIndex(FItemIndex - 10 < 0 ? 0 : FItemIndex - 10); break;
    case VK_NEXT: SetItemIndex(FItemIndex < 0 ? 0 : std::min(FItemIndex + 10, count - 1)); break;
    case VK_END: if (listOnly) SetItemIndex(count - 1); break;
    case VK_HOME: if (listOnly) SetItemIndex(0); break;
    case VK_UP: if (FItemIndex != 0) SetItemIndex(FItemIndex < 0 ? 0 : FItemIndex - 1); break;
    case VK_DOWN: if (FItemIndex + 1 < count) SetItemIndex(FItemIndex < 0 ? 0 : FItemIndex + 1); break;
    default: break;
  }
}

// While the popup is open the wheel moves the grid's row, which is no choice.
void TCustomExtGridDropDown::DoMouseWheelDown() {
  TExtCustomDropDown::DoMouseWheelDown();
  if (DroppedDown()) return;
  if (FItemIndex + 1 < itemCount()) SetItemIndex(FItemIndex < 0 ? 0 : FItemIndex + 1);
}

void TCustomExtGridDropDown::DoMouseWheelUp() {
  TExtCustomDropDown::DoMouseWheelUp();
  if (DroppedDown()) return;
  if (itemCount() > 0 && FItemIndex != 0) SetItemIndex(FItemIndex < 0 ? 0 : FItemIndex - 1);
}

// ---- keys in the popup grid

namespace {
bool MoveKey(uint16_t Key) {
  return Key == VK_PRIOR || Key == VK_NEXT || Key == VK_END || Key == VK_HOME || Key == VK_UP || Key == VK_DOWN;
}
}  // namespace

void TCustomExtGridDropDown::ControlKeyDown(uint16_t& Key, TShiftState Shift) {
  if (!MoveKey(Key) || Shift.Contains(ssAlt)) TExtCustomDropDown::ControlKeyDown(Key, Shift);
  if (OnGridKeyDown) OnGridKeyDown(this, Key, Shift);
}

void TCustomExtGridDropDown::ControlKeyUp(uint16_t& Key, TShiftState Shift) {
  if (MoveKey(Key) && !Shift.Contains(ssAlt)) FLookupEntry.clear();
  else TExtCustomDropDown::ControlKeyUp(Key, Shift);
  if (OnGridKeyUp) OnGridKeyUp(this, Key, Shift);
}
