#include "toolkit/rtl/Classes.h"
#include "toolkit/rtl/Exceptions.h"

#include <gtest/gtest.h>

namespace {

struct Probe : TComponent {
  Probe(TComponent* owner, std::vector<std::string>* log, std::string name)
      : TComponent(owner), log_(log) { SetName(std::move(name)); }
  ~Probe() override { log_->push_back("~" + Name()); }
  void Notification(TComponent* c, TOperation op) override {
    TComponent::Notification(c, op);
    if (op == opRemove && c != this) log_->push_back(Name() + " saw " + c->Name() + " go");
  }
  std::vector<std::string>* log_;
};

TEST(TComponent, OwnerDestroysOwnedInReverseOrderAfterTellingOthers) {
  std::vector<std::string> log;
  auto* watcher = new Probe(nullptr, &log, "watcher");
  {
    auto* owner = new Probe(nullptr, &log, "owner");
    auto* a = new Probe(owner, &log, "a");
    new Probe(owner, &log, "b");
    a->FreeNotification(watcher);
    EXPECT_EQ(owner->ComponentCount(), 2);
    EXPECT_EQ(owner->FindComponent("B")->Name(), "b");
    delete owner;
  }
  EXPECT_EQ(log, (std::vector<std::string>{"~owner", "~b", "~a", "watcher saw a go"}));
  delete watcher;
}

TEST(TComponent, DeletingAnOwnedComponentLeavesItsOwner) {
  std::vector<std::string> log;
  Probe owner(nullptr, &log, "owner");
  auto* a = new Probe(&owner, &log, "a");
  delete a;
  EXPECT_EQ(owner.ComponentCount(), 0);
  EXPECT_THROW(owner.Components(0), EListError);
}

TEST(TPersistent, AssignFromAForeignClassRaises) {
  TPersistent a, b;
  EXPECT_THROW(a.Assign(&b), EConvertError);
  EXPECT_THROW(a.Assign(nullptr), EConvertError);
}

}  // namespace
