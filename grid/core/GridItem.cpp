// The list view of a hidden row's cells.

#include "grid/core/GridItem.h"

#include <algorithm>

#include "toolkit/rtl/Exceptions.h"

TStrings* TGridItem::Items() const {
  if (!FView) FView = std::make_unique<TRowStrings>();
  FView->FItem = const_cast<TGridItem*>(this);
  return FView.get();
}

int TGridItem::TRowStrings::Count() const {
  return std::max(FItem->FColumns, FItem->FRow ? FItem->FRow->Count() : 0);
}

void TGridItem::TRowStrings::checkIndex(int Index) const {
  if (Index < 0 || Index >= Count()) throw EListError("List index out of bounds (" + std::to_string(Index) + ")");
}

TCellRow& TGridItem::TRowStrings::row() {
  if (!FItem->FRow) FItem->FRow = std::make_unique<TCellRow>();
  return *FItem->FRow;
}

std::string TGridItem::TRowStrings::Get(int Index) const {
  checkIndex(Index);
  return FItem->FRow ? FItem->FRow->Text(Index) : std::string();
}

void TGridItem::TRowStrings::Put(int Index, const std::string& S) {
  checkIndex(Index);
  row().SetText(Index, S);
}

TObject* TGridItem::TRowStrings::GetObject(int Index) const {
  checkIndex(Index);
  return FItem->FRow ? FItem->FRow->Object(Index) : nullptr;
}

void TGridItem::TRowStrings::PutObject(int Index, TObject* AObject) {
  checkIndex(Index);
  row().SetObject(Index, AObject);
}

void TGridItem::TRowStrings::Clear() {
  FItem->FRow.reset();
  FItem->FColumns = 0;
}

// A deleted column takes its cell along; the cells after it shift left.
void TGridItem::TRowStrings::Delete(int Index) {
  checkIndex(Index);
  const int last = Count() - 1;
  if (FItem->FRow) {
    FItem->FRow->MoveCell(Index, last);
    FItem->FRow->SetText(last, "");
    FItem->FRow->SetObject(last, nullptr);
  }
  FItem->FColumns = last;
}

void TGridItem::TRowStrings::Insert(int Index, const std::string& S) { InsertObject(Index, S, nullptr); }

void TGridItem::TRowStrings::InsertObject(int Index, const std::string& S, TObject* AObject) {
  const int end = Count();
  if (Index < 0 || Index > end) throw EListError("List index out of bounds (" + std::to_string(Index) + ")");
  FItem->FColumns = end + 1;
  row().SetText(end, S);
  row().SetObject(end, AObject);
  row().MoveCell(end, Index);
}
