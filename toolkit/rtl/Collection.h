#pragma once
// TCollection owns a list of TCollectionItem objects of one class. An item
// created with a collection joins it and leaves it when destroyed; the
// collection destroys the items it still holds.

#include <functional>
#include <string>
#include <vector>

#include "toolkit/rtl/Classes.h"

class TCollection;

enum TCollectionNotification { cnAdded, cnExtracting, cnDeleting };

class TCollectionItem : public TPersistent {
public:
  explicit TCollectionItem(TCollection* Collection);
  ~TCollectionItem() override;
  TCollectionItem(const TCollectionItem&) = delete;
  TCollectionItem& operator=(const TCollectionItem&) = delete;

  std::string ClassName() const override { return "TCollectionItem"; }

  TCollection* Collection() const { return collection_; }
  // Moves the item to another collection (nullptr: it belongs to none).
  void SetCollection(TCollection* Value);
  int ID() const { return id_; }
  int Index() const;
  // Moves the item within its collection.
  virtual void SetIndex(int Value);
  std::string DisplayName() const { return GetDisplayName(); }
  virtual void SetDisplayName(const std::string&) { Changed(false); }
  TPersistent* GetOwner() const override;

protected:
  virtual std::string GetDisplayName() const { return ClassName(); }
  // Tells the collection: Update(this), or Update(nullptr) when AllItems.
  void Changed(bool AllItems);

private:
  friend class TCollection;
  TCollection* collection_ = nullptr;
  int id_ = 0;
};

class TCollection : public TPersistent {
public:
  using TItemFactory = std::function<TCollectionItem*(TCollection*)>;
  // The factory makes the item class's instances; by default plain TCollectionItems.
  explicit TCollection(TItemFactory ItemFactory = {});
  ~TCollection() override;
  TCollection(const TCollection&) = delete;
  TCollection& operator=(const TCollection&) = delete;

  // A factory for item class T, constructed as T(Collection).
  template <typename T>
  static TItemFactory ItemClass() {
    return [](TCollection* c) -> TCollectionItem* { return new T(c); };
  }

  std::string ClassName() const override { return "TCollection"; }

  TCollectionItem* Add();
  TCollectionItem* Insert(int Index);
  void Delete(int Index);
  void Clear();
  int Count() const { return static_cast<int>(items_.size()); }
  // Raises EListError for a bad index.
  TCollectionItem* Items(int Index) const;
  template <typename T>
  T* ItemsAs(int Index) const { return static_cast<T*>(Items(Index)); }
  TCollectionItem* FindItemID(int ID) const;
  void Exchange(int Index1, int Index2);

  void BeginUpdate() { ++updateCount_; }
  void EndUpdate();
  int UpdateCount() const { return updateCount_; }

  // Copies item by item: the items are recreated and each assigned from its source.
  void Assign(const TPersistent* Source) override;
  TPersistent* GetOwner() const override { return nullptr; }
  TPersistent* Owner() const { return GetOwner(); }

protected:
  // What a change means to the owner: Item changed, or everything when nullptr.
  virtual void Update(TCollectionItem* /*Item*/) {}
  virtual void Notify(TCollectionItem* /*Item*/, TCollectionNotification /*Action*/) {}
  virtual TCollectionItem* CreateItem();
  void Changed();

private:
  friend class TCollectionItem;
  void insertItem(TCollectionItem* Item);
  void removeItem(TCollectionItem* Item);
  void moveItem(int CurIndex, int NewIndex);

  TItemFactory factory_;
  std::vector<TCollectionItem*> items_;
  int nextId_ = 0;
  int updateCount_ = 0;
};

// A collection that reports the persistent it belongs to (a grid's columns
// report the grid).
class TOwnedCollection : public TCollection {
public:
  TOwnedCollection(TPersistent* AOwner, TItemFactory ItemFactory = {})
      : TCollection(std::move(ItemFactory)), owner_(AOwner) {}
  std::string ClassName() const override { return "TOwnedCollection"; }
  TPersistent* GetOwner() const override { return owner_; }

private:
  TPersistent* owner_;
};
