#include "toolkit/rtl/Classes.h"

#include <algorithm>

#include "toolkit/rtl/Exceptions.h"

void TPersistent::Assign(const TPersistent* Source) {
  if (Source) {
    Source->AssignTo(this);
    return;
  }
  AssignTo(this);  // raises: assigning nothing is not a copy
}

void TPersistent::AssignTo(TPersistent* Dest) const {
  std::string from = this == Dest ? std::string("nil") : ClassName();
  throw EConvertError("Cannot assign a " + from + " to a " + Dest->ClassName());
}

TComponent::TComponent(TComponent* AOwner) {
  if (AOwner) AOwner->InsertComponent(this);
}

TComponent::~TComponent() {
  state_.Include(csDestroying);
  // Tell everyone who asked, then free what we own, then leave our owner.
  std::vector<TComponent*> notifies;
  notifies.swap(freeNotifies_);
  for (TComponent* c : notifies) {
    auto& back = c->freeNotifies_;
    back.erase(std::remove(back.begin(), back.end(), this), back.end());
    c->Notification(this, opRemove);
  }
  DestroyComponents();
  if (owner_) owner_->RemoveComponent(this);
}

TComponent* TComponent::Components(int Index) const {
  if (Index < 0 || Index >= ComponentCount())
    throw EListError("List index out of bounds (" + std::to_string(Index) + ")");
  return components_[Index];
}

int TComponent::ComponentIndex() const {
  if (!owner_) return -1;
  auto& list = owner_->components_;
  auto it = std::find(list.begin(), list.end(), this);
  return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

TComponent* TComponent::FindComponent(const std::string& AName) const {
  if (AName.empty()) return nullptr;
  for (TComponent* c : components_) {
    const std::string& n = c->Name();
    if (n.size() == AName.size() &&
        std::equal(n.begin(), n.end(), AName.begin(),
                   [](char a, char b) { return std::tolower((unsigned char)a) == std::tolower((unsigned char)b); }))
      return c;
  }
  return nullptr;
}

void TComponent::InsertComponent(TComponent* AComponent) {
  if (!AComponent || AComponent->owner_ == this) return;
  if (AComponent->owner_) AComponent->owner_->RemoveComponent(AComponent);
  insert(AComponent);
  Notification(AComponent, opInsert);
}

void TComponent::RemoveComponent(TComponent* AComponent) {
  if (!AComponent || AComponent->owner_ != this) return;
  Notification(AComponent, opRemove);
  remove(AComponent);
}

void TComponent::insert(TComponent* c) {
  components_.push_back(c);
  c->owner_ = this;
}

void TComponent::remove(TComponent* c) {
  components_.erase(std::remove(components_.begin(), components_.end(), c), components_.end());
  c->owner_ = nullptr;
}

void TComponent::DestroyComponents() {
  // Last created goes first; each destructor removes itself from the list.
  while (!components_.empty()) {
    TComponent* c = components_.back();
    remove(c);
    delete c;
  }
}

void TComponent::FreeNotification(TComponent* AComponent) {
  if (!AComponent || AComponent == this) return;
  auto add = [](std::vector<TComponent*>& v, TComponent* c) {
    if (std::find(v.begin(), v.end(), c) == v.end()) v.push_back(c);
  };
  add(freeNotifies_, AComponent);
  add(AComponent->freeNotifies_, this);
  state_.Include(csFreeNotification);
}

void TComponent::RemoveFreeNotification(TComponent* AComponent) {
  if (!AComponent) return;
  auto drop = [](std::vector<TComponent*>& v, TComponent* c) {
    v.erase(std::remove(v.begin(), v.end(), c), v.end());
  };
  drop(freeNotifies_, AComponent);
  drop(AComponent->freeNotifies_, this);
}

void TComponent::EndLoading() {
  if (state_.Contains(csLoading)) Loaded();
}

void TComponent::Notification(TComponent* AComponent, TOperation Operation) {
  if (Operation == opRemove && AComponent) RemoveFreeNotification(AComponent);
  // By index from the end, re-checked each time: a handler may free
  // components of this owner while the news goes round.
  for (size_t i = components_.size(); i > 0; --i) {
    if (i > components_.size()) i = components_.size();
    if (i == 0) break;
    TComponent* c = components_[i - 1];
    if (c != AComponent) c->Notification(AComponent, Operation);
  }
}
