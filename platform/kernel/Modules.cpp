#include "platform/kernel/Modules.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <memory>
#include <mutex>

struct TModuleHandle {
  struct Entry {
    std::any value;
    void* address = nullptr;
  };
  std::map<std::string, Entry, std::less<>> entries;
  int loadCount = 0;
};

namespace platform {
namespace {

std::mutex g_lock;

// Handles are never freed while the program runs, so a stale handle held by a
// caller still points at valid (if emptied) memory; unregistered modules are
// kept aside for that reason.
std::map<std::string, std::unique_ptr<TModuleHandle>, std::less<>>& Table() {
  static std::map<std::string, std::unique_ptr<TModuleHandle>, std::less<>> table;
  return table;
}

std::string Key(std::string_view module) {
  std::string key(module);
  std::transform(key.begin(), key.end(), key.begin(), [](unsigned char c) { return std::tolower(c); });
  if (key.size() > 4 && key.compare(key.size() - 4, 4, ".dll") == 0) key.resize(key.size() - 4);
  return key;
}

TModuleHandle* FindLocked(std::string_view module) {
  auto it = Table().find(Key(module));
  return it == Table().end() || it->second->entries.empty() ? nullptr : it->second.get();
}

}  // namespace

namespace modules_detail {

void Register(std::string_view module, std::string_view name, std::any entry, void* address) {
  std::lock_guard lock(g_lock);
  auto& slot = Table()[Key(module)];
  if (!slot) slot = std::make_unique<TModuleHandle>();
  slot->entries[std::string(name)] = {std::move(entry), address};
}

bool Find(const void* module, std::string_view name, std::any& entry) {
  if (!module) return false;
  std::lock_guard lock(g_lock);
  const auto& entries = static_cast<const TModuleHandle*>(module)->entries;
  auto it = entries.find(name);
  if (it == entries.end()) return false;
  entry = it->second.value;
  return true;
}

}  // namespace modules_detail

void RegisterEntryPoint(std::string_view module, std::string_view name, std::any entry) {
  void* address = nullptr;
  if (void* const* p = std::any_cast<void*>(&entry)) address = *p;
  modules_detail::Register(module, name, std::move(entry), address);
}

void RegisterEntryPoint(std::string_view module, std::string_view name, void* entry) {
  modules_detail::Register(module, name, std::any(entry), entry);
}

void UnregisterModule(std::string_view module) {
  std::lock_guard lock(g_lock);
  auto it = Table().find(Key(module));
  if (it != Table().end()) {
    it->second->entries.clear();
    it->second->loadCount = 0;
  }
}

std::vector<std::string> EntryPointNames(std::string_view module) {
  std::lock_guard lock(g_lock);
  std::vector<std::string> names;
  if (TModuleHandle* handle = FindLocked(module))
    for (const auto& [name, entry] : handle->entries) names.push_back(name);
  return names;
}

}  // namespace platform

HMODULE LoadLibrary(std::string_view module) {
  std::lock_guard lock(platform::g_lock);
  TModuleHandle* handle = platform::FindLocked(module);
  if (handle) ++handle->loadCount;
  return handle;
}

HMODULE GetModuleHandle(std::string_view module) {
  std::lock_guard lock(platform::g_lock);
  return platform::FindLocked(module);
}

bool FreeLibrary(HMODULE module) {
  if (!module) return false;
  std::lock_guard lock(platform::g_lock);
  if (module->loadCount <= 0) return false;
  --module->loadCount;
  return true;
}

void* GetProcAddress(HMODULE module, std::string_view name) {
  if (!module) return nullptr;
  std::lock_guard lock(platform::g_lock);
  auto it = module->entries.find(name);
  return it == module->entries.end() ? nullptr : it->second.address;
}
