#include "toolkit/rtl/Collection.h"

#include <gtest/gtest.h>

#include "toolkit/rtl/Exceptions.h"

namespace {

int g_alive = 0;

class TColumn : public TCollectionItem {
public:
  explicit TColumn(TCollection* c) : TCollectionItem(c) { ++g_alive; }
  ~TColumn() override { --g_alive; }
  std::string ClassName() const override { return "TColumn"; }
  void Assign(const TPersistent* Source) override {
    if (auto* s = dynamic_cast<const TColumn*>(Source)) {
      Width = s->Width;
      Title = s->Title;
      return;
    }
    TCollectionItem::Assign(Source);
  }
  void SetWidth(int w) {
    Width = w;
    Changed(false);
  }
  int Width = 64;
  std::string Title;

protected:
  std::string GetDisplayName() const override { return Title.empty() ? ClassName() : Title; }
};

class TColumns : public TOwnedCollection {
public:
  explicit TColumns(TPersistent* owner) : TOwnedCollection(owner, ItemClass<TColumn>()) {}
  TColumn* Column(int i) const { return ItemsAs<TColumn>(i); }
  std::vector<TCollectionItem*> updates;
  std::vector<std::pair<TCollectionItem*, TCollectionNotification>> notes;

protected:
  void Update(TCollectionItem* Item) override { updates.push_back(Item); }
  void Notify(TCollectionItem* Item, TCollectionNotification Action) override { notes.emplace_back(Item, Action); }
};

std::vector<std::string> titles(const TColumns& c) {
  std::vector<std::string> r;
  for (int i = 0; i < c.Count(); ++i) r.push_back(c.Column(i)->Title);
  return r;
}

}  // namespace

TEST(Collection, OwnsItsItemsAndItemsLeaveWhenDestroyed) {
  g_alive = 0;
  {
    TPersistent grid;
    TColumns cols(&grid);
    EXPECT_EQ(cols.GetOwner(), &grid);
    auto* a = static_cast<TColumn*>(cols.Add());
    cols.Add();
    EXPECT_EQ(a->Collection(), &cols);
    EXPECT_EQ(a->GetOwner(), &cols);
    EXPECT_EQ(g_alive, 2);
    delete a;  // leaves the collection
    EXPECT_EQ(cols.Count(), 1);
    EXPECT_EQ(g_alive, 1);
    cols.Delete(0);
    EXPECT_EQ(g_alive, 0);
    cols.Add();
    cols.Add();
  }
  EXPECT_EQ(g_alive, 0);  // the collection freed the rest
}

TEST(Collection, InsertIndexAndSetIndexMove) {
  TPersistent owner;
  TColumns cols(&owner);
  for (const char* t : {"a", "b", "c"}) static_cast<TColumn*>(cols.Add())->Title = t;
  static_cast<TColumn*>(cols.Insert(1))->Title = "x";
  EXPECT_EQ(titles(cols), (std::vector<std::string>{"a", "x", "b", "c"}));
  EXPECT_EQ(cols.Items(2)->Index(), 2);
  cols.Items(0)->SetIndex(3);
  EXPECT_EQ(titles(cols), (std::vector<std::string>{"x", "b", "c", "a"}));
  EXPECT_THROW(cols.Items(0)->SetIndex(4), EListError);
  EXPECT_THROW(cols.Items(4), EListError);
  EXPECT_THROW(cols.Insert(9), EListError);
  EXPECT_EQ(cols.Items(1)->DisplayName(), "b");
  int id = cols.Items(2)->ID();
  EXPECT_EQ(cols.FindItemID(id), cols.Items(2));
}

TEST(Collection, ItemChangesReachUpdateUnlessUpdating) {
  TPersistent owner;
  TColumns cols(&owner);
  auto* c = static_cast<TColumn*>(cols.Add());
  cols.updates.clear();
  c->SetWidth(10);
  ASSERT_EQ(cols.updates.size(), 1u);
  EXPECT_EQ(cols.updates[0], c);
  cols.BeginUpdate();
  c->SetWidth(11);
  cols.Add();
  EXPECT_EQ(cols.updates.size(), 1u);
  cols.EndUpdate();
  ASSERT_EQ(cols.updates.size(), 2u);
  EXPECT_EQ(cols.updates[1], nullptr);  // everything changed
  cols.notes.clear();
  cols.Delete(0);
  ASSERT_EQ(cols.notes.size(), 2u);
  EXPECT_EQ(cols.notes[0].second, cnDeleting);
  EXPECT_EQ(cols.notes[1].second, cnExtracting);
}

TEST(Collection, AssignCopiesItemByItem) {
  TPersistent owner;
  TColumns src(&owner), dst(&owner);
  for (int w : {5, 6}) static_cast<TColumn*>(src.Add())->Width = w;
  src.Column(1)->Title = "second";
  dst.Add();
  dst.Add();
  dst.Add();
  dst.updates.clear();
  dst.Assign(&src);
  ASSERT_EQ(dst.Count(), 2);
  EXPECT_EQ(dst.Column(0)->Width, 5);
  EXPECT_EQ(dst.Column(1)->Title, "second");
  EXPECT_NE(dst.Column(1), src.Column(1));
  EXPECT_EQ(dst.updates, std::vector<TCollectionItem*>{nullptr});  // one update at the end
  TPersistent other;
  EXPECT_THROW(dst.Assign(&other), EConvertError);
}

TEST(Collection, ItemsMoveBetweenCollections) {
  TCollection a, b;
  TCollectionItem* item = a.Add();
  item->SetCollection(&b);
  EXPECT_EQ(a.Count(), 0);
  EXPECT_EQ(b.Count(), 1);
  EXPECT_EQ(item->Collection(), &b);
  item->SetCollection(nullptr);
  EXPECT_EQ(b.Count(), 0);
  delete item;
  EXPECT_EQ(a.Add()->ClassName(), "TCollectionItem");
}
