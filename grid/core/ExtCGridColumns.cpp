// Column items and the column collection of the column grid.

#include <algorithm>
#include <numeric>

#include "grid/core/ExtCGrid.h"
#include "grid/editing/EditLink.h"
#include "toolkit/rtl/SysUtils.h"

namespace {
constexpr TColor kBorderGray = static_cast<TColor>(0xC0C0C0);
constexpr TColor kPrintWhite = static_cast<TColor>(0xFFFFFF);
}  // namespace

// ---- TGridColumnItem ----

TGridColumnItem::TGridColumnItem(TCollection* Collection) : TCollectionItem(Collection) {
  FBorderPen.SetWidth(1);
  FBorderPen.SetColor(kBorderGray);
  FPrintBorderPen.SetWidth(1);
  FPrintBorderPen.SetColor(clBlack);
  FPrintColor = kPrintWhite;
  TExtColumnGrid* g = Grid();
  if (!g) return;
  FFont.Assign(g->Font());
  FHeaderFont.Assign(g->Font());
  FPrintFont.Assign(g->Font());
  FColor = g->Color();
  FFont.OnChange = [this](TObject*) { changed(); };
  FHeaderFont.OnChange = [this](TObject*) { changed(); };
  FBorderPen.OnChange = [this](TObject*) { changed(); };
  FFilter.OnChange = [this](TObject*) { repaintGrid(); };
}

TExtColumnGrid* TGridColumnItem::Grid() const {
  auto* c = dynamic_cast<TGridColumnCollection*>(Collection());
  return c ? c->Grid() : nullptr;
}

void TGridColumnItem::repaintGrid() const {
  if (TExtColumnGrid* g = Grid()) g->Invalidate();
}

void TGridColumnItem::Assign(const TPersistent* Source) {
  auto* s = dynamic_cast<const TGridColumnItem*>(Source);
  if (!s) {
    TCollectionItem::Assign(Source);
    return;
  }
  AssignVisuals(Source);
  FColor = s->FColor;
  FFont.Assign(&s->FFont);
  FComboItems.Assign(&s->FComboItems);
  FDropDownCount = s->FDropDownCount;
  FHeaderFont.Assign(&s->FHeaderFont);
  FHeader = s->FHeader;
  FName = s->FName;
  FTag = s->FTag;
}

void TGridColumnItem::SetEditLink(TEditLink* Value) {
  FEditLink = Value;
  TCollection* c = Collection();
  if (auto* grid = dynamic_cast<TComponent*>(c ? c->Owner() : nullptr); grid && Value) Value->FreeNotification(grid);
}

void TGridColumnItem::AssignVisuals(const TPersistent* Source) {
  auto* s = dynamic_cast<const TGridColumnItem*>(Source);
  if (!s) {
    TCollectionItem::Assign(Source);
    return;
  }
  FAlignment = s->FAlignment;
  FHeaderAlignment = s->FHeaderAlignment;
  FBorderPen.Assign(&s->FBorderPen);
  FBorders = s->FBorders;
  FCheckFalse = s->FCheckFalse;
  FCheckTrue = s->FCheckTrue;
  FEditLength = s->FEditLength;
  SetEditLink(s->FEditLink);
  FEditMask = s->FEditMask;
  FEditor = s->FEditor;
  FFixed = s->FFixed;
  FPassword = s->FPassword;
  FPrintBorderPen.Assign(&s->FPrintBorderPen);
  FPrintBorders = s->FPrintBorders;
  FPrintColor = s->FPrintColor;
  FPrintFont.Assign(&s->FPrintFont);
  FReadOnly = s->FReadOnly;
  FSortPrefix = s->FSortPrefix;
  FSortStyle = s->FSortStyle;
  FSortSuffix = s->FSortSuffix;
  FSpinMax = s->FSpinMax;
  FSpinMin = s->FSpinMin;
  FSpinStep = s->FSpinStep;
  FColumnPopup = s->FColumnPopup;
  FWidth = s->Width();
  FShowBands = s->FShowBands;
  FMinSize = s->FMinSize;
  FMaxSize = s->FMaxSize;
  FAutoMinSize = s->FAutoMinSize;
  FAutoMaxSize = s->FAutoMaxSize;
  FFilter.Assign(&s->FFilter);
  FFilterCaseSensitive = s->FFilterCaseSensitive;
  DefIdx = s->DefIdx;
  FFloatFormat = s->FFloatFormat;
  if (TExtColumnGrid* g = Grid()) {
    FColor = g->Color();
    FFont.Assign(g->Font());
  }
}

void TGridColumnItem::SetHeader(const std::string& Value) {
  FHeader = Value;
  TExtColumnGrid* g = Grid();
  if (!g) return;
  if (g->FixedRows() > 0 && !g->ColumnMoving()) {
    g->SetCells(Index(), 0, Value);
    changed();
  }
  // The header list mirrors the items without writing back into them.
  auto* cols = g->Columns();
  bool was = cols->NoRecursiveUpdate;
  cols->NoRecursiveUpdate = true;
  g->ColumnHeaders()->BeginUpdate();
  g->ColumnHeaders()->Clear();
  for (int i = 0; i < cols->Count(); ++i) g->ColumnHeaders()->Add(cols->Items(i)->Header());
  g->ColumnHeaders()->EndUpdate();
  cols->NoRecursiveUpdate = was;
}

int TGridColumnItem::Width() const {
  TExtColumnGrid* g = Grid();
  return g ? g->AllColWidths(Index()) : 0;
}

void TGridColumnItem::SetWidth(int Value) {
  FWidth = Value;
  if (TExtColumnGrid* g = Grid()) g->SetAllColWidths(Index(), Value);
}

void TGridColumnItem::SetAlignment(TAlignment Value) {
  FAlignment = Value;
  repaintGrid();
}

void TGridColumnItem::SetHeaderAlignment(TAlignment Value) {
  FHeaderAlignment = Value;
  repaintGrid();
}

void TGridColumnItem::SetColor(TColor Value) {
  FColor = Value;
  changed();
}

void TGridColumnItem::SetEditor(TEditorType Value) {
  if (FEditor == Value) return;
  bool repaint = FEditor == edDataCheckBox || Value == edDataCheckBox;
  FEditor = Value;
  if (repaint) repaintGrid();
}

void TGridColumnItem::SetFixed(bool Value) {
  FFixed = Value;
  changed();
}

void TGridColumnItem::SetPassword(bool Value) {
  FPassword = Value;
  changed();
}

void TGridColumnItem::SetShowBands(bool Value) {
  FShowBands = Value;
  changed();
}

void TGridColumnItem::SetBorders(TCellBorders Value) {
  FBorders = Value;
  changed();
}

void TGridColumnItem::SetBorderPen(const TPen* Value) {
  FBorderPen.Assign(Value);
  changed();
}

void TGridColumnItem::SetFloatFormat(const std::string& Value) {
  FFloatFormat = Value;
  repaintGrid();
}

std::string TGridColumnItem::Rows(int ARow) const {
  TExtColumnGrid* g = Grid();
  return g ? g->Cells(Index(), ARow) : std::string();
}

void TGridColumnItem::SetRows(int ARow, const std::string& Value) {
  if (TExtColumnGrid* g = Grid()) g->SetCells(Index(), ARow, Value);
}

double TGridColumnItem::Dates(int ARow) const {
  TExtColumnGrid* g = Grid();
  return g ? g->Dates(Index(), ARow) : 0;
}

void TGridColumnItem::SetDates(int ARow, double Value) {
  if (TExtColumnGrid* g = Grid()) g->SetDates(Index(), ARow, Value);
}

double TGridColumnItem::Times(int ARow) const {
  TExtColumnGrid* g = Grid();
  return g ? g->Times(Index(), ARow) : 0;
}

void TGridColumnItem::SetTimes(int ARow, double Value) {
  if (TExtColumnGrid* g = Grid()) g->SetTimes(Index(), ARow, Value);
}

std::string TGridColumnItem::GetDisplayName() const {
  if (!FName.empty()) return "Col " + std::to_string(Index()) + ": " + FName;
  return "Column " + std::to_string(Index());
}

// ---- TGridColumnCollection ----

TGridColumnCollection::TGridColumnCollection(TExtColumnGrid* AOwner)
    : TOwnedCollection(AOwner, TCollection::ItemClass<TGridColumnItem>()), FGrid(AOwner) {}

TGridColumnItem* TGridColumnCollection::Add() {
  // The update waits until the new item is whole.
  BeginUpdate();
  auto* item = static_cast<TGridColumnItem*>(TCollection::Add());
  if (Count() > 1) item->AssignVisuals(Items(Count() - 2));
  EndUpdate();
  return item;
}

TGridColumnItem* TGridColumnCollection::Insert(int Index) {
  return static_cast<TGridColumnItem*>(TCollection::Insert(Index));
}

void TGridColumnCollection::Update(TCollectionItem* Item) {
  TOwnedCollection::Update(Item);
  if (UpdateCount() > 0 || NoRecursiveUpdate || !FGrid || FGrid->ComponentState().Contains(csLoading)) return;
  int n = Count() - FGrid->NumHiddenColumns();
  if (n != FGrid->ColCount() && n > FGrid->FixedCols()) {
    NoRecursiveUpdate = true;
    FGrid->TExtStringGrid::SetColCount(n);
    NoRecursiveUpdate = false;
  }
  FGrid->CollectColumnHeaders();
  FGrid->Invalidate();
}

void TGridColumnCollection::SetOrganization() {
  NoRecursiveUpdate = true;
  if (FGrid) FGrid->MatchColumnsToColCount();
  NoRecursiveUpdate = false;
  for (int i = 0; i < Count(); ++i) Items(i)->DefIdx = i;
}

void TGridColumnCollection::ResetOrganization() {
  std::vector<int> target(Count());
  for (int i = 0; i < Count(); ++i) target[i] = Items(i)->DefIdx;
  std::vector<int> sorted = target;
  std::sort(sorted.begin(), sorted.end());
  std::vector<int> identity(Count());
  std::iota(identity.begin(), identity.end(), 0);
  if (sorted != identity || !FGrid) return;
  // Each move puts one column at its place for good: at most Count() moves.
  for (int pos = 0; pos < Count(); ++pos) {
    int from = pos;
    while (from < Count() && Items(from)->DefIdx != pos) ++from;
    if (from != pos) FGrid->MoveColumn(FGrid->DisplColIndex(from), FGrid->DisplColIndex(pos));
  }
}
