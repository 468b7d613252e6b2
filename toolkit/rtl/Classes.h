#pragma once
// The root classes of the framework: TObject, TPersistent and TComponent with
// its ownership rule (an owner destroys what it owns, telling the others first).

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "toolkit/rtl/Sets.h"

class TObject {
public:
  virtual ~TObject() = default;
  // The class name as the framework knows it ("TStringList"); descendants that
  // are matched by name override it.
  virtual std::string ClassName() const { return "TObject"; }
};

using TNotifyEvent = std::function<void(TObject* Sender)>;

class TPersistent : public TObject {
public:
  std::string ClassName() const override { return "TPersistent"; }
  // Copies Source into this object. The default asks Source to AssignTo this,
  // which raises EConvertError for classes that do not know each other.
  virtual void Assign(const TPersistent* Source);

protected:
  virtual void AssignTo(TPersistent* Dest) const;
  virtual TPersistent* GetOwner() const { return nullptr; }
};

enum TComponentStateItem { csLoading, csReading, csWriting, csDestroying, csDesigning, csAncestor, csUpdating, csFixups, csFreeNotification, csInline, csDesignInstance };
using TComponentState = TSet<TComponentStateItem>;

enum TOperation { opInsert, opRemove };

class TComponent : public TPersistent {
public:
  explicit TComponent(TComponent* AOwner);
  ~TComponent() override;
  TComponent(const TComponent&) = delete;
  TComponent& operator=(const TComponent&) = delete;

  std::string ClassName() const override { return "TComponent"; }

  TComponent* Owner() const { return owner_; }
  int ComponentCount() const { return static_cast<int>(components_.size()); }
  TComponent* Components(int Index) const;
  int ComponentIndex() const;
  TComponent* FindComponent(const std::string& AName) const;

  const std::string& Name() const { return name_; }
  virtual void SetName(const std::string& NewName) { name_ = NewName; }
  intptr_t Tag() const { return tag_; }
  void SetTag(intptr_t v) { tag_ = v; }
  const TComponentState& ComponentState() const { return state_; }

  void InsertComponent(TComponent* AComponent);
  void RemoveComponent(TComponent* AComponent);
  void DestroyComponents();

  // Asks AComponent to tell this one when it is destroyed, owner or not.
  void FreeNotification(TComponent* AComponent);
  void RemoveFreeNotification(TComponent* AComponent);

  // Framework-style loading bracket: Loaded is called when csLoading ends.
  void BeginLoading() { state_.Include(csLoading); }
  void EndLoading();

protected:
  virtual void Notification(TComponent* AComponent, TOperation Operation);
  virtual void Loaded() { state_.Exclude(csLoading); }
  void SetDesigning(bool v) { v ? state_.Include(csDesigning) : state_.Exclude(csDesigning); }
  void SetComponentState(const TComponentState& s) { state_ = s; }
  TPersistent* GetOwner() const override { return owner_; }

private:
  void insert(TComponent* c);
  void remove(TComponent* c);

  TComponent* owner_ = nullptr;
  std::vector<TComponent*> components_;
  std::vector<TComponent*> freeNotifies_;
  std::string name_;
  intptr_t tag_ = 0;
  TComponentState state_;
};

// Destroys an object created with new, at most once, and sets the pointer to null.
template <typename T>
void FreeAndNil(T*& p) {
  T* tmp = p;
  p = nullptr;
  delete tmp;
}
