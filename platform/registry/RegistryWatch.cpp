#include "platform/registry/RegistryWatch.h"

#include "platform/registry/RegistryStore.h"

namespace platform {

using namespace registry_detail;

RegistryWatch::RegistryWatch(int id, std::shared_ptr<WatchCallback> callback)
    : id_(id), callback_(std::move(callback)) {}

RegistryWatch::~RegistryWatch() {
  {
    auto lock = Store::Instance().LockWithoutRefresh();
    Store::Instance().RemoveWatch(id_);
  }
  std::lock_guard lock(callback_->mutex);
  callback_->active = false;
}

std::unique_ptr<RegistryWatch> WatchRegistryKey(HKEY root, const std::string& keyPath, bool watchSubtree,
                                                uint32_t filter, EventHandle event, std::function<void()> callback) {
  Store& store = Store::Instance();
  auto lock = store.Lock();
  Path path = SplitPath(keyPath);
  if (!store.Find(root, path)) return nullptr;
  auto state = std::make_shared<WatchCallback>();
  state->function = std::move(callback);
  int id = store.AddWatch({root, path, watchSubtree, filter, std::move(event), state});
  return std::make_unique<RegistryWatch>(id, state);
}

}  // namespace platform
