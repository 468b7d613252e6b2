#pragma once
// The registry's storage (internal to platform/registry): one tree per root
// key, kept in memory, loaded from the registry file on first use and written
// back atomically after every change; and the change watchers.
//
// The file is $QUELIX_REGISTRY_FILE when set, else
// $XDG_CONFIG_HOME/quelix/registry.xml, else ~/.config/quelix/registry.xml.
// A file that cannot be read as a registry is set aside (renamed with the
// suffix ".damaged") and the registry starts empty, so nothing is lost. When
// another process replaced the file since we read or wrote it, it is read
// again before the next operation, so that our next write does not undo
// the other's.

#include "platform/kernel/Events.h"
#include "platform/registry/RegistryTypes.h"

#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <unordered_map>
#include <vector>

namespace platform::registry_detail {

enum class ValueType { String, Integer, Binary };

struct Value {
  std::string name;  // as written (names match case-insensitively)
  ValueType type = ValueType::String;
  std::string text;               // String
  int32_t integer = 0;            // Integer
  std::vector<uint8_t> binary;    // Binary
};

struct Key {
  std::string name;
  std::map<std::string, std::unique_ptr<Key>> children;  // by folded name
  std::vector<Value> values;                             // in the order they were first written; change through the methods

  // Looked up by folded name through an index, so that a key of many values
  // loads and reads in time linear in its values.
  Value* FindValue(const std::string& name);
  // False when a value of that name (folded) is there already.
  bool AddValue(Value value);
  bool RemoveValue(const std::string& name);
  void Clear();

private:
  std::unordered_map<std::string, size_t> valueIndex_;  // folded name -> position in values
};

using Path = std::vector<std::string>;  // key names from the root, as given

std::string Fold(const std::string& name);
// Splits "A\\B\\\\C" into {"A","B","C"}; empty parts are dropped.
Path SplitPath(const std::string& path);
std::string JoinPath(const Path& path);

// The callback of a watch, which its owner can switch off even while a change
// is being delivered on another thread (the owner then waits for it to end).
struct WatchCallback {
  std::recursive_mutex mutex;
  bool active = true;
  std::function<void()> function;
};

struct Watch {
  HKEY root;
  Path path;  // folded
  bool subtree;
  uint32_t filter;
  EventHandle event;
  std::shared_ptr<WatchCallback> callback;
};

// A change to report once the store's lock is released.
struct Notice {
  EventHandle event;
  std::shared_ptr<WatchCallback> callback;
};

class Store {
public:
  static Store& Instance();

  // Everything below runs under Lock(), which first reads the file again when
  // another process replaced it (so Key pointers stay valid until unlocked).
  std::unique_lock<std::mutex> Lock() {
    std::unique_lock lock(mutex_);
    Refresh();
    return lock;
  }
  // For what never looks at the tree (the file's location, removing a watch).
  std::unique_lock<std::mutex> LockWithoutRefresh() { return std::unique_lock(mutex_); }

  Key* Root(HKEY root);  // nullptr for roots the registry does not have
  Key* Find(HKEY root, const Path& path);
  Key* Create(HKEY root, const Path& path, std::vector<Notice>& notices);
  bool Delete(HKEY root, const Path& path, std::vector<Notice>& notices);
  // Reports a value change of the key at `path`.
  void ValueChanged(HKEY root, const Path& path, std::vector<Notice>& notices);
  // Writes the file; raises RegistryError when it cannot.
  void Save();

  int AddWatch(Watch watch);
  void RemoveWatch(int id);

  void SetFile(const std::filesystem::path& file);  // resets the tree; empty: the default location
  std::filesystem::path File();

private:
  void Refresh();
  void Reload();
  void Load();
  void Collect(HKEY root, const Path& changed, uint32_t kind, bool deleted, std::vector<Notice>& notices);

  // What identifies the file's version: a replaced file has a new inode, a
  // rewritten one a new time or size.
  struct Stamp {
    bool exists = false;
    uintmax_t inode = 0, size = 0;
    int64_t modified = 0;
    bool operator==(const Stamp&) const = default;
  };
  static Stamp StampOf(const std::filesystem::path& file);

  std::mutex mutex_;
  bool loaded_ = false;
  Stamp stamp_;
  std::filesystem::path file_;  // empty: default location
  std::unique_ptr<Key> currentUser_, localMachine_;
  std::map<int, Watch> watches_;
  int nextWatch_ = 1;
};

// Fires the notices (outside the lock, so callbacks may use the registry).
void Deliver(const std::vector<Notice>& notices);

}  // namespace platform::registry_detail
