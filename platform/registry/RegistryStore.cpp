#include "platform/registry/RegistryStore.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform::registry_detail {

std::string Fold(const std::string& name) {
  std::string folded = name;
  std::transform(folded.begin(), folded.end(), folded.begin(), [](unsigned char c) { return std::tolower(c); });
  return folded;
}

Value* Key::FindValue(const std::string& name) {
  auto it = valueIndex_.find(Fold(name));
  return it == valueIndex_.end() ? nullptr : &values[it->second];
}

bool Key::AddValue(Value value) {
  if (!valueIndex_.emplace(Fold(value.name), values.size()).second) return false;
  values.push_back(std::move(value));
  return true;
}

bool Key::RemoveValue(const std::string& name) {
  auto it = valueIndex_.find(Fold(name));
  if (it == valueIndex_.end()) return false;
  const size_t position = it->second;
  valueIndex_.erase(it);
  values.erase(values.begin() + static_cast<std::ptrdiff_t>(position));
  for (auto& [folded, at] : valueIndex_)
    if (at > position) --at;
  return true;
}

void Key::Clear() {
  children.clear();
  values.clear();
  valueIndex_.clear();
}

Path SplitPath(const std::string& path) {
  Path parts;
  size_t start = 0;
  while (start <= path.size()) {
    size_t end = path.find('\\', start);
    if (end == std::string::npos) end = path.size();
    if (end > start) parts.push_back(path.substr(start, end - start));
    start = end + 1;
  }
  return parts;
}

std::string JoinPath(const Path& path) {
  std::string joined;
  for (const std::string& part : path) joined += (joined.empty() ? "" : "\\") + part;
  return joined;
}

namespace {

std::filesystem::path DefaultFile() {
  if (const char* file = std::getenv("QUELIX_REGISTRY_FILE"); file && *file) return file;
  std::filesystem::path config;
  if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg && xdg[0] == '/') {
    config = xdg;
  } else {
    const char* home = std::getenv("HOME");
    if (!home || !*home) {
      const passwd* user = getpwuid(getuid());
      home = user ? user->pw_dir : "/tmp";
    }
    config = std::filesystem::path(home) / ".config";
  }
  return config / "quelix" / "registry.xml";
}

Path FoldAll(const Path& path) {
  Path folded;
  for (const std::string& part : path) folded.push_back(Fold(part));
  return folded;
}

bool IsPrefix(const Path& prefix, const Path& path) {
  return prefix.size() <= path.size() && std::equal(prefix.begin(), prefix.end(), path.begin());
}

}  // namespace

Store& Store::Instance() {
  static Store store;
  return store;
}

Store::Stamp Store::StampOf(const std::filesystem::path& file) {
  struct stat st {};
  if (stat(file.c_str(), &st) != 0) return {};
  return {true, static_cast<uintmax_t>(st.st_ino), static_cast<uintmax_t>(st.st_size),
          static_cast<int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec};
}

void Store::Refresh() {
  if (!loaded_ || StampOf(File()) != stamp_) Reload();
}

void Store::Reload() {
  loaded_ = true;
  currentUser_ = std::make_unique<Key>();
  currentUser_->name = "HKEY_CURRENT_USER";
  localMachine_ = std::make_unique<Key>();
  localMachine_->name = "HKEY_LOCAL_MACHINE";
  Load();
}

Key* Store::Root(HKEY root) {
  if (!loaded_) Reload();
  if (root == HKEY_CURRENT_USER) return currentUser_.get();
  if (root == HKEY_LOCAL_MACHINE) return localMachine_.get();
  return nullptr;
}

Key* Store::Find(HKEY root, const Path& path) {
  Key* key = Root(root);
  for (const std::string& part : path) {
    if (!key) return nullptr;
    auto it = key->children.find(Fold(part));
    key = it == key->children.end() ? nullptr : it->second.get();
  }
  return key;
}

Key* Store::Create(HKEY root, const Path& path, std::vector<Notice>& notices) {
  Key* key = Root(root);
  if (!key) return nullptr;
  Path sofar;
  for (const std::string& part : path) {
    auto& slot = key->children[Fold(part)];
    if (!slot) {
      slot = std::make_unique<Key>();
      slot->name = part;
      Collect(root, sofar, REG_NOTIFY_CHANGE_NAME, false, notices);
    }
    sofar.push_back(part);
    key = slot.get();
  }
  return key;
}

bool Store::Delete(HKEY root, const Path& path, std::vector<Notice>& notices) {
  if (path.empty()) return false;  // a root key stays
  Path parentPath(path.begin(), path.end() - 1);
  Key* parent = Find(root, parentPath);
  if (!parent || !parent->children.erase(Fold(path.back()))) return false;
  Collect(root, parentPath, REG_NOTIFY_CHANGE_NAME, false, notices);
  Collect(root, path, REG_NOTIFY_CHANGE_NAME, true, notices);
  return true;
}

void Store::ValueChanged(HKEY root, const Path& path, std::vector<Notice>& notices) {
  Collect(root, path, REG_NOTIFY_CHANGE_LAST_SET, false, notices);
}

// A change of kind `kind` in the key at `changed` concerns a watch on that key,
// a watch on an ancestor that includes its subtree, and (when the key was
// deleted) every watch at or below it.
void Store::Collect(HKEY root, const Path& changed, uint32_t kind, bool deleted, std::vector<Notice>& notices) {
  Path folded = FoldAll(changed);
  for (const auto& [id, watch] : watches_) {
    if (watch.root != root) continue;
    uint32_t filter = watch.filter == 0 ? 0xF : watch.filter;
    bool concerned = deleted ? IsPrefix(folded, watch.path)
                             : watch.path == folded || (watch.subtree && IsPrefix(watch.path, folded));
    if (concerned && (deleted || (filter & kind))) notices.push_back({watch.event, watch.callback});
  }
}

int Store::AddWatch(Watch watch) {
  watch.path = FoldAll(watch.path);
  watches_[nextWatch_] = std::move(watch);
  return nextWatch_++;
}

void Store::RemoveWatch(int id) { watches_.erase(id); }

void Store::SetFile(const std::filesystem::path& file) {
  file_ = file;
  loaded_ = false;
  currentUser_.reset();
  localMachine_.reset();
}

std::filesystem::path Store::File() { return file_.empty() ? DefaultFile() : file_; }

void Deliver(const std::vector<Notice>& notices) {
  for (const Notice& notice : notices) {
    if (notice.event) notice.event->Set();
    if (!notice.callback) continue;
    std::lock_guard lock(notice.callback->mutex);
    if (notice.callback->active && notice.callback->function) notice.callback->function();
  }
}

}  // namespace platform::registry_detail
