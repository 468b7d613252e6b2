#pragma once
// Change notification on a registry key: each change that matches the filter
// (REG_NOTIFY_CHANGE_NAME for subkeys added or deleted, _LAST_SET for values
// set or deleted; 0 for all) in the key, or in any key below it when the
// subtree is watched, sets the event and runs the callback. Deleting the
// watched key (or one above it) is always reported. Both happen on the thread
// that made the change, after it is stored. The watch lasts until destroyed;
// a waiting thread resets the event itself after it woke.

#include "platform/kernel/Events.h"
#include "platform/registry/RegistryTypes.h"

#include <functional>
#include <memory>
#include <string>

namespace platform {

namespace registry_detail {
struct WatchCallback;
}

class RegistryWatch {
public:
  RegistryWatch(int id, std::shared_ptr<registry_detail::WatchCallback> callback);
  // Stops the watch; waits for a callback running on another thread to end.
  ~RegistryWatch();
  RegistryWatch(const RegistryWatch&) = delete;
  RegistryWatch& operator=(const RegistryWatch&) = delete;

private:
  int id_;
  std::shared_ptr<registry_detail::WatchCallback> callback_;
};

// Null when the key does not exist (a watch needs an existing key).
// `event` and `callback` may each be empty.
std::unique_ptr<RegistryWatch> WatchRegistryKey(HKEY root, const std::string& keyPath, bool watchSubtree,
                                                uint32_t filter, EventHandle event,
                                                std::function<void()> callback = nullptr);

}  // namespace platform
