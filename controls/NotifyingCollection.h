#pragma once
// A collection of one item class that keeps its owner and tells a change of
// any item through OnChange: the item lists of the drop-down members.

#include <string>

#include "toolkit/rtl/Collection.h"

template <class Item>
class TNotifyingCollection : public TCollection {
public:
  explicit TNotifyingCollection(TPersistent* AOwner) : TCollection(ItemClass<Item>()), FOwner(AOwner) {}
  TPersistent* GetOwner() const override { return FOwner; }
  Item* Add() { return static_cast<Item*>(TCollection::Add()); }
  Item* Insert(int Index) { return static_cast<Item*>(TCollection::Insert(Index)); }
  Item* Items(int Index) const { return ItemsAs<Item>(Index); }
  void SetItems(int Index, const Item* Value) { Items(Index)->Assign(Value); }
  TNotifyEvent OnChange;

protected:
  void Update(TCollectionItem*) override {
    if (OnChange) OnChange(this);
  }

private:
  TPersistent* FOwner;
};
