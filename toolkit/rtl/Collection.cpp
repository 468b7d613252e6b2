#include "toolkit/rtl/Collection.h"

#include <algorithm>

#include "toolkit/rtl/Exceptions.h"
#include "toolkit/rtl/List.h"
#include "toolkit/rtl/ScopeGuard.h"

// ---- TCollectionItem ----

TCollectionItem::TCollectionItem(TCollection* Collection) { SetCollection(Collection); }

TCollectionItem::~TCollectionItem() { SetCollection(nullptr); }

void TCollectionItem::SetCollection(TCollection* Value) {
  if (Value == collection_) return;
  if (collection_) collection_->removeItem(this);
  if (Value) Value->insertItem(this);
}

int TCollectionItem::Index() const {
  if (!collection_) return -1;
  const auto& items = collection_->items_;
  auto it = std::find(items.begin(), items.end(), this);
  return it == items.end() ? -1 : static_cast<int>(it - items.begin());
}

void TCollectionItem::SetIndex(int Value) {
  int cur = Index();
  if (cur < 0 || cur == Value) return;
  collection_->moveItem(cur, Value);
  Changed(true);
}

TPersistent* TCollectionItem::GetOwner() const { return collection_; }

void TCollectionItem::Changed(bool AllItems) {
  if (collection_ && collection_->updateCount_ == 0) collection_->Update(AllItems ? nullptr : this);
}

// ---- TCollection ----

TCollection::TCollection(TItemFactory ItemFactory) : factory_(std::move(ItemFactory)) {}

TCollection::~TCollection() {
  // No Update calls into a collection that is going away.
  updateCount_ = 1;
  while (!items_.empty()) delete items_.back();
}

TCollectionItem* TCollection::CreateItem() {
  return factory_ ? factory_(this) : new TCollectionItem(this);
}

TCollectionItem* TCollection::Add() {
  TCollectionItem* item = CreateItem();
  if (item->collection_ != this) item->SetCollection(this);  // a factory that ignored us
  return item;
}

TCollectionItem* TCollection::Insert(int Index) {
  if (Index < 0 || Index > Count()) ListIndexError(Index);
  BeginUpdate();
  auto done = MakeScopeGuard([&] { EndUpdate(); });
  TCollectionItem* item = Add();
  moveItem(Count() - 1, Index);
  return item;
}

void TCollection::Delete(int Index) {
  TCollectionItem* item = Items(Index);
  Notify(item, cnDeleting);
  delete item;  // leaves the collection in its destructor
}

void TCollection::Clear() {
  if (items_.empty()) return;
  BeginUpdate();
  while (!items_.empty()) delete items_.back();
  EndUpdate();
}

TCollectionItem* TCollection::Items(int Index) const {
  if (Index < 0 || Index >= Count()) ListIndexError(Index);
  return items_[static_cast<size_t>(Index)];
}

TCollectionItem* TCollection::FindItemID(int ID) const {
  for (TCollectionItem* i : items_)
    if (i->id_ == ID) return i;
  return nullptr;
}

void TCollection::Exchange(int Index1, int Index2) {
  Items(Index1);
  Items(Index2);
  std::swap(items_[static_cast<size_t>(Index1)], items_[static_cast<size_t>(Index2)]);
  Changed();
}

void TCollection::EndUpdate() {
  if (updateCount_ > 0 && --updateCount_ == 0) Changed();
}

void TCollection::Changed() {
  if (updateCount_ == 0) Update(nullptr);
}

void TCollection::Assign(const TPersistent* Source) {
  auto* src = dynamic_cast<const TCollection*>(Source);
  if (!src) {
    TPersistent::Assign(Source);
    return;
  }
  if (src == this) return;
  BeginUpdate();
  auto done = MakeScopeGuard([&] { EndUpdate(); });
  Clear();
  for (TCollectionItem* from : src->items_) Add()->Assign(from);
}

void TCollection::insertItem(TCollectionItem* Item) {
  items_.push_back(Item);
  Item->collection_ = this;
  Item->id_ = nextId_++;
  Notify(Item, cnAdded);
  Changed();
}

void TCollection::removeItem(TCollectionItem* Item) {
  Notify(Item, cnExtracting);
  items_.erase(std::remove(items_.begin(), items_.end(), Item), items_.end());
  Item->collection_ = nullptr;
  Changed();
}

void TCollection::moveItem(int CurIndex, int NewIndex) {
  Items(CurIndex);
  Items(NewIndex);
  TCollectionItem* item = items_[static_cast<size_t>(CurIndex)];
  items_.erase(items_.begin() + CurIndex);
  items_.insert(items_.begin() + NewIndex, item);
}
