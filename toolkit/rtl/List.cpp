#include "toolkit/rtl/List.h"

#include <algorithm>

#include "toolkit/rtl/Exceptions.h"

void ListIndexError(int Index) {
  throw EListError("List index out of bounds (" + std::to_string(Index) + ")");
}

void TList::check(int Index) const {
  if (Index < 0 || Index >= Count()) ListIndexError(Index);
}

void TList::SetCount(int NewCount) {
  if (NewCount < 0) throw EListError("List count out of bounds (" + std::to_string(NewCount) + ")");
  items_.resize(static_cast<size_t>(NewCount), nullptr);
}

void TList::SetCapacity(int NewCapacity) {
  if (NewCapacity < Count())
    throw EListError("List capacity out of bounds (" + std::to_string(NewCapacity) + ")");
  items_.reserve(static_cast<size_t>(NewCapacity));
}

void* TList::Items(int Index) const {
  check(Index);
  return items_[static_cast<size_t>(Index)];
}

void TList::SetItems(int Index, void* Item) {
  check(Index);
  items_[static_cast<size_t>(Index)] = Item;
}

int TList::Add(void* Item) {
  items_.push_back(Item);
  return Count() - 1;
}

void TList::Insert(int Index, void* Item) {
  if (Index < 0 || Index > Count()) ListIndexError(Index);
  items_.insert(items_.begin() + Index, Item);
}

void TList::Delete(int Index) {
  check(Index);
  items_.erase(items_.begin() + Index);
}

int TList::Remove(void* Item) {
  int i = IndexOf(Item);
  if (i >= 0) Delete(i);
  return i;
}

void* TList::Extract(void* Item) {
  return Remove(Item) >= 0 ? Item : nullptr;
}

int TList::IndexOf(void* Item) const {
  auto it = std::find(items_.begin(), items_.end(), Item);
  return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
}

void TList::Exchange(int Index1, int Index2) {
  check(Index1);
  check(Index2);
  std::swap(items_[static_cast<size_t>(Index1)], items_[static_cast<size_t>(Index2)]);
}

void TList::Move(int CurIndex, int NewIndex) {
  if (CurIndex == NewIndex) {
    check(CurIndex);
    return;
  }
  check(CurIndex);
  check(NewIndex);
  void* item = items_[static_cast<size_t>(CurIndex)];
  items_.erase(items_.begin() + CurIndex);
  items_.insert(items_.begin() + NewIndex, item);
}

void TList::Pack() {
  items_.erase(std::remove(items_.begin(), items_.end(), nullptr), items_.end());
}

void TList::Sort(const TListSortCompare& Compare) {
  std::stable_sort(items_.begin(), items_.end(),
                   [&](void* a, void* b) { return Compare(a, b) < 0; });
}
