// The string grid's life cycle: construction with its defaults and the
// wiring of its sub-objects, loading, copying, sizing and destruction.

#include <cstdio>

#include "grid/core/ExtGrid.h"
#include "grid/foundation/ExtGridStartup.h"
#include "grid/foundation/ExtStyleIF.h"
#include "grid/foundation/PictureContainer.h"
#include "toolkit/graphics/ImgList.h"
#include "platform/display/DisplayHost.h"
#include "toolkit/forms/Forms.h"
#include "toolkit/forms/ResizeSubscriptions.h"
#include "toolkit/forms/std/Menus.h"
#include "toolkit/rtl/Math.h"
#include "toolkit/rtl/ScopeGuard.h"
#include "toolkit/rtl/Streams.h"

namespace {
// The colours the defaults are given in, as 0x00BBGGRR values.
constexpr TColor kBorderColorXP = static_cast<TColor>(0xB99D7F);
constexpr TColor kBorderColorClassic = static_cast<TColor>(0x808080);
constexpr TColor kActiveCellColor = static_cast<TColor>(0x808080);
constexpr TColor kSelectionColor = static_cast<TColor>(0xEACAB6);
constexpr TColor kURLColor = static_cast<TColor>(0xFF0000);
constexpr TColor kDisabledFontColor = static_cast<TColor>(0xC0C0C0);
constexpr int kDefaultRowHeight = 22;
}  // namespace

TExtStringGrid::TExtStringGrid(TComponent* AOwner)
    : TBaseGrid(AOwner),
      FSearchFooter(std::make_unique<TSearchFooter>(this, ComponentState().Contains(csDesigning))) {
  TControlStyle cs = ControlStyle();
  cs.Include(csAcceptsControls);
  SetControlStyle(cs);
  FCellFont = std::make_unique<TFont>();
  constructDefaults();
  wireSubObjects();
  chainFormResize();
}

void TExtStringGrid::constructDefaults() {
  FIsWinXP = IsWinXPOrLater();
  FIsWinVista = IsVistaOrLater();
  FIsComCtl6 = IsComCtlVersion6();
  FBorderColor = FIsWinXP ? kBorderColorXP : kBorderColorClassic;
  FActiveCellColor = kActiveCellColor;
  FSelectionColor = kSelectionColor;
  FURLColor = kURLColor;
  FDisabledFontColor = kDisabledFontColor;
  FFixedFaces.From = RGB(255, 255, 255);
  FFixedFaces.To = ColorToRGB(clBtnFace);
  FScrollWidth = GetSystemMetrics(SM_CXVSCROLL);
  FWheelScrl = platform::Facts().WheelScrollLines;

  FFixedFont.SetName("Tahoma");
  FFixedFont.SetStyle(TFontStyles{fsBold});
  FActiveCellFont.SetStyle(TFontStyles{fsBold});
  FFilterValues.SetSorted(true);
  FFilterValues.SetDuplicates(dupIgnore);

  SetScrollBars(ssBoth);
  SetRowCount(10);
  SetColCount(5);
  SetBounds(Left(), Top(), 400, 250);
  SetDefaultRowHeight(kDefaultRowHeight);
  FFixedRowHeight = kDefaultRowHeight;
  FFixedRowsMin = TCustomGrid::FixedRows();
  FFixedColsMin = TCustomGrid::FixedCols();
  FMinRowHeight = 0;
  TBaseGrid::SetWordWrap(true);
}

void TExtStringGrid::wireSubObjects() {
  auto repaint = [this](TObject*) { Invalidate(); };
  FFixedFont.OnChange = [this](TObject*) { FontChanged(); };
  FActiveCellFont.OnChange = [this](TObject*) { FontChanged(); };
  FBands.OnChange = repaint;
  FProgressAppearance.OnChange = repaint;
  FFilterDropDown.OnChange = repaint;
  FControlLook.OnChange = repaint;
  FBackGround.OnChange = repaint;
  FBalloon.OnEnableChange = [this](TObject*) { BalloonEnableChanged(); };
  FShowModified.OnChange = [this](TObject*) { InvalidateCol(0); };
  FDragDropSettings.OnDropTargetChange = [this](bool On) { oleDropTargetChanged(On); };
  FMouseActions.OnInvalidate = repaint;
  FMouseActions.OnIsDesigning = [this](TObject*, bool& IsDesigning) {
    IsDesigning = ComponentState().Contains(csDesigning);
  };
  FColumnHeaders.OnChange = [this](TObject*) { ColumnHeadersChanged(); };
  FRowHeaders.OnChange = [this](TObject*) { RowHeadersChanged(); };
  FMergedColumns.OnChange = [this](TObject*, int, int) { MergedColumnsChanged(); };
  FSearchFooter->OnChange = [this](TObject*) { ApplySearchFooter(); };
  FFloatingFooter.OnChange = [this](TObject*) { applyFloatingFooter(); };
}

TExtStringGrid::~TExtStringGrid() {
  storeColSizesOnDestroy();
  FDestroyingGrid = true;
  BalloonDone();  // the tooltip gives the window procedure back while the grid stands
  unchainFormResize();
  // The focus frame's hook must never reach a grid that is gone.
  if (FocusWindowGrid == this) FocusWindowGrid = nullptr;
  // Every event of the sub-objects points back into this grid.
  FColumnHeaders.OnChange = nullptr;
  FRowHeaders.OnChange = nullptr;
  FSearchFooter->OnChange = nullptr;
  FFloatingFooter.OnChange = nullptr;
  FFixedFont.OnChange = nullptr;
  FActiveCellFont.OnChange = nullptr;
  // Hidden columns come back so that the base grid frees every record it made.
  FNumHidden = 0;
  FHiddenCols.clear();
  // The records of hidden rows are the base grid's; it frees them all.
  FHiddenRows.clear();
}

std::string TExtStringGrid::GetVersionString() const {
  int v = GetVersionNr();
  char buf[64];
  std::snprintf(buf, sizeof buf, "%d.%d.%d.%d Sep, 2012", (v >> 24) & 0xFF, (v >> 16) & 0xFF, (v >> 8) & 0xFF,
                v & 0xFF);
  return buf;
}

// ---- the owner form's size ----

void TExtStringGrid::chainFormResize() {
  FResizeForm = dynamic_cast<TCustomForm*>(Owner());
  if (!FResizeForm || ComponentState().Contains(csDesigning)) return;
  PrevSizeX = FResizeForm->Width();
  PrevSizeY = FResizeForm->Height();
  FResizeSubscription = SubscribeResize(FResizeForm, [this](TObject* Sender) { OwnerFormResize(Sender); });
}

// Only this grid's subscription goes; a form that went first took it along.
void TExtStringGrid::unchainFormResize() {
  if (FResizeSubscription > 0) UnsubscribeResize(FResizeSubscription);
  FResizeSubscription = -1;
  FResizeForm = nullptr;
}

void TExtStringGrid::OwnerFormResize(TObject*) {
  if (ComponentState().Contains(csDesigning) || FDestroyingGrid || !FResizeForm) return;
  int w = Width() + FResizeForm->Width() - PrevSizeX;
  int h = Height() + FResizeForm->Height() - PrevSizeY;
  // The form's size is followed also while SizeWithForm is off, so that
  // switching it on later does not apply the changes made meanwhile.
  if (!FSizeWithForm || (w > 0 && h > 0)) {
    if (FSizeWithForm) SetBounds(Left(), Top(), w, h);
    PrevSizeX = FResizeForm->Width();
    PrevSizeY = FResizeForm->Height();
  }
  stretchQuietly();
}

// ---- copying ----

void TExtStringGrid::Assign(const TPersistent* Source) {
  auto* src = dynamic_cast<const TExtStringGrid*>(Source);
  if (!src) return;
  auto* s = const_cast<TExtStringGrid*>(src);
  Font()->Assign(s->Font());
  FActiveCellColor = s->FActiveCellColor;
  FActiveCellColorTo = s->FActiveCellColorTo;
  FActiveCellFont.Assign(&s->FActiveCellFont);
  FActiveCellShow = s->FActiveCellShow;
  SetActiveRowShow(s->ActiveRowShow());
  SetAlign(s->Align());
  FFilterDropDown.Assign(&s->FFilterDropDown);
  FAnchorHint = s->FAnchorHint;
  FAutoNumAlign = s->FAutoNumAlign;
  FAutoSize = s->FAutoSize;
  FAutoThemeAdapt = s->FAutoThemeAdapt;
  FAutoFilterUpdate = s->FAutoFilterUpdate;
  FMouseActions.Assign(&s->FMouseActions);
  FNavigation.Assign(&s->FNavigation);
  FGrouping.Assign(&s->FGrouping);
  FSearchFooter->Assign(s->FSearchFooter.get());
  FPrintSettings.Assign(&s->FPrintSettings);
  FFilter.Assign(&s->FFilter);
  FHTMLSettings.Assign(&s->FHTMLSettings);
  FBands.Assign(&s->FBands);
  FCellNode.Assign(&s->FCellNode);
  FSortSettings.Assign(&s->FSortSettings);
  FDragScrollOptions.Assign(&s->FDragScrollOptions);
  FDragDropSettings.Assign(&s->FDragDropSettings);
  FProgressAppearance.Assign(&s->FProgressAppearance);
  FColumnSize.Assign(&s->FColumnSize);
  FSyncGrid.Assign(&s->FSyncGrid);
  FFocusHelper.Assign(&s->FFocusHelper);
  FFixedRowAlways = s->FFixedRowAlways;
  SetColCount(s->ColCount());
  SetRowCount(s->RowCount());
  SetFixedRows(s->FixedRows());
  SetFixedCols(s->FixedCols());
  SetDefaultColWidth(s->DefaultColWidth());
  SetDefaultRowHeight(s->DefaultRowHeight());
  SetFixedRowHeight(s->FixedRowHeight());
  SetFixedColWidth(s->FixedColWidth());
  FInvalidEntryTitle = s->FInvalidEntryTitle;
  FInvalidEntryIcon = s->FInvalidEntryIcon;
  FInvalidEntryText = s->FInvalidEntryText;
  SetOptions(s->Options());
  for (int c = 0; c < s->ColCount(); ++c) SetColWidths(c, s->ColWidths(c));
  FColumnHeaders.Assign(&s->FColumnHeaders);
  for (int r = 0; r < s->RowCount(); ++r) SetRowHeights(r, s->RowHeights(r));
  FScrollProportional = s->FScrollProportional;
  FScrollSynch = s->FScrollSynch;
  FScrollHints = s->FScrollHints;
  FScrollBarAlways = s->FScrollBarAlways;
  SetScrollBars(s->ScrollBars());
  SetScrollColor(s->FScrollColor);
  SetScrollType(s->FScrollType);
  SetScrollWidth(s->FScrollWidth);
  AssignCells(Source);
}

// The cells through the grid's native text stream. Multi-line texts are
// copied whole whatever Multilinecells says: a copy loses nothing.
void TExtStringGrid::AssignCells(const TPersistent* Source) {
  auto* src = dynamic_cast<const TExtStringGrid*>(Source);
  if (!src || src == this) return;
  TMemoryStream stream;
  const_cast<TExtStringGrid*>(src)->SaveToStream(&stream);
  stream.SetPosition(0);
  TGridUpdateLock lock(*this);
  bool multiline = FMultilinecells;
  FMultilinecells = true;
  auto restore = MakeScopeGuard([&] { FMultilinecells = multiline; });
  LoadFromStream(&stream);
}

// ---- window and loading ----

void TExtStringGrid::Invalidate() {
  if (FEditChange) {
    FEditChange = false;
    return;
  }
  TBaseGrid::Invalidate();
}

void TExtStringGrid::CreateWnd() {
  if (FDestroyingGrid) return;
  TBaseGrid::CreateWnd();
  if (!Parent()) return;
  FWheelMsg = WM_MOUSEWHEEL;
  FWheelScrl = platform::Facts().WheelScrollLines;
  if (FWheelScrl < 0) FWheelScrl = VisibleRowCount();
  FGridTimerID = SetTimer(Handle(), 111, 500);
  if (FBalloon.Enable()) BalloonInit();
  // A new window starts with regular bars: the flat look is asked again.
  if (FScrollType != ssNormal && !ComponentState().Contains(csLoading)) {
    InitFlatScrollBars();
    UpdateScrollWidth();
    UpdateScrollColor();
    UpdateScrollStyle();
  }
  restoreSavedColSizes();
}

void TExtStringGrid::Loaded() {
  TBaseGrid::Loaded();
  FOldCursor = Cursor();
  ShowColumnHeaders();
  ShowRowHeaders();
  if (FLook == glQGS) {
    FLook = glCustom;
    SetLook(glQGS);
  }
  if (FAutoSize) AutoSizeColumns(false, 10);
  FFixedRowsMin = TCustomGrid::FixedRows();
  FFixedColsMin = TCustomGrid::FixedCols();
  FMinRowHeight = DefaultRowHeight();
  FMinColWidth = 10;
  if (RowCount() > FMaxRowCount) FMaxRowCount = RowCount();
  FLoaded = true;
  if (Options().Contains(goAlwaysShowEditor)) {
    FNavigation.SetAlwaysEdit(true);
    TGridOptions o = Options();
    o.Exclude(goAlwaysShowEditor);
    SetOptions(o);
  }
  if (!FIsWinXP && FControlLook.ControlStyle() == csTheme) FControlLook.SetControlStyle(csClassic);
  FSearchFooter->SetAutoThemeAdapt(FAutoThemeAdapt);
  if (FAutoThemeAdapt) AdaptToOfficeTheme();
  ApplySearchFooter();
  if (FBalloon.Enable()) BalloonInit();
  ApplyScrollBarAlways(false);
  InitOrigColSizes();
  ApplyStyleColors();
  restoreSavedColLayout();
}

void TExtStringGrid::Notification(TComponent* AComponent, TOperation Operation) {
  TBaseGrid::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  editLinkNotification(AComponent);
  FNotifiers.Remove(AComponent);
  if (AComponent == reinterpret_cast<TComponent*>(FCellChecker)) FCellChecker = nullptr;
  if (AComponent == FFixedDropDownMenu) FFixedDropDownMenu = nullptr;
  if (AComponent == FGridImages) FGridImages = nullptr;
  if (AComponent == FPictureContainer) FPictureContainer = nullptr;
}

// The grid forgets the image list and the picture container when they go
// before it, so that painting never reaches a freed one.
void TExtStringGrid::SetGridImages(TImageList* Value) {
  FGridImages = Value;
  if (Value) Value->FreeNotification(this);
  Invalidate();
}

void TExtStringGrid::SetPictureContainer(TPictureContainer* Value) {
  FPictureContainer = Value;
  if (Value) Value->FreeNotification(this);
  Invalidate();
}

void TExtStringGrid::Resize() {
  TBaseGrid::Resize();
  if (OnResize) OnResize(this);
  if (FBackGround.IsGradient()) Invalidate();
  ApplyScrollBarAlways(false);
  CellControlsUpdate(false);
}

// Whole rows fill the height when IntegralHeight is on.
void TExtStringGrid::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  int rh = DefaultRowHeight();
  if (FIntegralHeight && FUpdateCount == 0 && rh > 0) {
    bool colsFit = VisibleColCount() + TCustomGrid::FixedCols() >= ColCount();
    int s = colsFit ? 0 : GetSystemMetrics(SM_CYHSCROLL);
    int b = BorderStyle() == bsSingle ? 2 : 0;
    int inner = AHeight - s - b;
    if (inner > 0) AHeight = AHeight + b - inner % rh;
  }
  TBaseGrid::SetBounds(ALeft, ATop, AWidth, AHeight);
}

void TExtStringGrid::ChangeScale(int M, int D) {
  TBaseGrid::ChangeScale(M, D);
  if (M == D || D == 0) return;
  FFixedFont.SetSize(MulDiv(FFixedFont.Size(), M, D));
  FActiveCellFont.SetSize(MulDiv(FActiveCellFont.Size(), M, D));
}

void TExtStringGrid::InitOrigColSizes() {
  FOrigColSizes.Clear();
  for (int c = 0; c < ColCount(); ++c) FOrigColSizes.Add(ColWidths(c));
  FOldGridWidth = Width();
}
