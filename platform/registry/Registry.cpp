#include "platform/registry/Registry.h"

#include "platform/registry/RegistryStore.h"

#include <algorithm>
#include <cstring>

using platform::RegistryError;
using namespace platform::registry_detail;

namespace {

// Runs `action` on the store under its lock, then delivers the change notices it collected.
template <class Action>
auto WithStore(Action action) {
  Store& store = Store::Instance();
  std::vector<Notice> notices;
  auto result = [&] {
    auto lock = store.Lock();
    return action(store, notices);
  }();
  Deliver(notices);
  return result;
}

[[noreturn]] void FailGet(const std::string& name) {
  throw RegistryError("Failed to get data for '" + name + "'");
}

[[noreturn]] void FailType(const std::string& name) {
  throw RegistryError("Invalid data type for '" + name + "'");
}

}  // namespace

void TRegistry::SetRootKey(HKEY root) {
  CloseKey();
  root_ = root;
}

std::string TRegistry::CurrentPath() const { return open_ ? JoinPath(path_) : ""; }

std::vector<std::string> TRegistry::Resolve(const std::string& key) const {
  Path parts = SplitPath(key);
  if (!open_ || (!key.empty() && key[0] == '\\')) return parts;
  Path full = path_;
  full.insert(full.end(), parts.begin(), parts.end());
  return full;
}

bool TRegistry::OpenKey(const std::string& key, bool canCreate) {
  Path path = Resolve(key);
  bool found = WithStore([&](Store& store, std::vector<Notice>& notices) {
    if (store.Find(root_, path)) return true;
    if (!canCreate || !store.Create(root_, path, notices)) return false;
    store.Save();
    return true;
  });
  if (found) {
    path_ = path;
    open_ = true;
    readOnly_ = false;
  }
  return found;
}

bool TRegistry::OpenKeyReadOnly(const std::string& key) {
  Path path = Resolve(key);
  bool found = WithStore([&](Store& store, std::vector<Notice>&) { return store.Find(root_, path) != nullptr; });
  if (found) {
    path_ = path;
    open_ = true;
    readOnly_ = true;
  }
  return found;
}

void TRegistry::CloseKey() {
  open_ = false;
  readOnly_ = false;
  path_.clear();
}

bool TRegistry::CreateKey(const std::string& key) {
  Path path = Resolve(key);
  return WithStore([&](Store& store, std::vector<Notice>& notices) {
    if (path.empty() || store.Find(root_, path) || !store.Create(root_, path, notices)) return false;
    store.Save();
    return true;
  });
}

bool TRegistry::DeleteKey(const std::string& key) {
  Path path = Resolve(key);
  return WithStore([&](Store& store, std::vector<Notice>& notices) {
    if (!store.Delete(root_, path, notices)) return false;
    store.Save();
    return true;
  });
}

bool TRegistry::KeyExists(const std::string& key) {
  Path path = Resolve(key);
  return WithStore([&](Store& store, std::vector<Notice>&) { return store.Find(root_, path) != nullptr; });
}

bool TRegistry::HasSubKeys() { return !GetKeyNames().empty(); }

std::vector<std::string> TRegistry::GetKeyNames() {
  return WithStore([&](Store& store, std::vector<Notice>&) {
    std::vector<std::string> names;
    if (Key* key = store.Find(root_, open_ ? path_ : Path{}))
      for (const auto& [folded, child] : key->children) names.push_back(child->name);
    return names;
  });
}

std::vector<std::string> TRegistry::GetValueNames() {
  return WithStore([&](Store& store, std::vector<Notice>&) {
    std::vector<std::string> names;
    if (Key* key = open_ ? store.Find(root_, path_) : nullptr)
      for (const Value& value : key->values) names.push_back(value.name);
    return names;
  });
}

bool TRegistry::ValueExists(const std::string& name) { return GetDataType(name) != rdUnknown; }

TRegDataType TRegistry::GetDataType(const std::string& name) {
  return WithStore([&](Store& store, std::vector<Notice>&) {
    Key* key = open_ ? store.Find(root_, path_) : nullptr;
    Value* value = key ? key->FindValue(name) : nullptr;
    if (!value) return rdUnknown;
    switch (value->type) {
      case ValueType::String: return rdString;
      case ValueType::Integer: return rdInteger;
      case ValueType::Binary: return rdBinary;
    }
    return rdUnknown;
  });
}

int TRegistry::GetDataSize(const std::string& name) {
  return WithStore([&](Store& store, std::vector<Notice>&) {
    Key* key = open_ ? store.Find(root_, path_) : nullptr;
    Value* value = key ? key->FindValue(name) : nullptr;
    if (!value) return -1;
    switch (value->type) {
      case ValueType::String: return static_cast<int>(value->text.size() + 1);
      case ValueType::Integer: return 4;
      case ValueType::Binary: return static_cast<int>(value->binary.size());
    }
    return -1;
  });
}

bool TRegistry::DeleteValue(const std::string& name) {
  RequireWritable(name);
  return WithStore([&](Store& store, std::vector<Notice>& notices) {
    Key* key = store.Find(root_, path_);
    if (!key) return false;
    if (!key->RemoveValue(name)) return false;
    store.ValueChanged(root_, path_, notices);
    store.Save();
    return true;
  });
}

namespace {

// The value of the open key, copied out under the lock; raises when missing or of another type.
Value ReadTyped(HKEY root, bool open, const Path& path, const std::string& name, ValueType type) {
  return WithStore([&](Store& store, std::vector<Notice>&) {
    Key* key = open ? store.Find(root, path) : nullptr;
    Value* value = key ? key->FindValue(name) : nullptr;
    if (!value) FailGet(name);
    if (value->type != type) FailType(name);
    return *value;
  });
}

}  // namespace

std::string TRegistry::ReadString(const std::string& name) {
  if (GetDataType(name) == rdUnknown) return "";
  return ReadTyped(root_, open_, path_, name, ValueType::String).text;
}

int TRegistry::ReadInteger(const std::string& name) {
  return ReadTyped(root_, open_, path_, name, ValueType::Integer).integer;
}

bool TRegistry::ReadBool(const std::string& name) { return ReadInteger(name) != 0; }

std::vector<uint8_t> TRegistry::ReadBinary(const std::string& name) {
  return ReadTyped(root_, open_, path_, name, ValueType::Binary).binary;
}

int TRegistry::ReadBinaryData(const std::string& name, void* buffer, int bufferSize) {
  std::vector<uint8_t> data = ReadBinary(name);
  if (buffer && bufferSize > 0) std::memcpy(buffer, data.data(), std::min<size_t>(data.size(), bufferSize));
  return static_cast<int>(data.size());
}

void TRegistry::RequireWritable(const std::string& name) const {
  if (!open_ || readOnly_) throw RegistryError("Failed to set data for '" + name + "'");
}

namespace {

void Write(HKEY root, const Path& path, Value value) {
  WithStore([&](Store& store, std::vector<Notice>& notices) {
    Key* key = store.Find(root, path);
    if (!key) throw RegistryError("Failed to set data for '" + value.name + "'");  // deleted meanwhile
    if (Value* existing = key->FindValue(value.name)) {
      value.name = existing->name;  // the name keeps the case it was created with
      *existing = std::move(value);
    } else {
      key->AddValue(std::move(value));
    }
    store.ValueChanged(root, path, notices);
    store.Save();
    return true;
  });
}

}  // namespace

void TRegistry::WriteString(const std::string& name, const std::string& value) {
  RequireWritable(name);
  Write(root_, path_, {name, ValueType::String, value, 0, {}});
}

void TRegistry::WriteInteger(const std::string& name, int value) {
  RequireWritable(name);
  Write(root_, path_, {name, ValueType::Integer, "", value, {}});
}

void TRegistry::WriteBool(const std::string& name, bool value) { WriteInteger(name, value ? 1 : 0); }

void TRegistry::WriteBinaryData(const std::string& name, const void* buffer, int size) {
  RequireWritable(name);
  if (size < 0 || (size > 0 && !buffer)) throw RegistryError("Failed to set data for '" + name + "'");
  const uint8_t* bytes = static_cast<const uint8_t*>(buffer);
  Write(root_, path_, {name, ValueType::Binary, "", 0, std::vector<uint8_t>(bytes, bytes + size)});
}

namespace platform {

void SetRegistryFile(const std::filesystem::path& file) {
  Store& store = Store::Instance();
  auto lock = store.LockWithoutRefresh();
  store.SetFile(file);
}

std::filesystem::path RegistryFile() {
  Store& store = Store::Instance();
  auto lock = store.LockWithoutRefresh();
  return store.File();
}

}  // namespace platform
