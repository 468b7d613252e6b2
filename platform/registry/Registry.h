#pragma once
// The registry: hierarchical keys under HKEY_CURRENT_USER and
// HKEY_LOCAL_MACHINE holding typed values (string, integer, binary), kept in
// one file under the user's config folder (RegistryStore.h says where) and
// rewritten atomically after every change. Key and value names match
// case-insensitively and keep the case they were created with; a key path
// separates names with '\' and starts at the root when it begins with '\',
// otherwise at the open key (or the root when none is open).
//
// TRegistry is the access object the framework code uses: it has a root, at
// most one open key, and reads and writes values of that key. Reading a
// missing or differently typed value raises platform::RegistryError, except
// ReadString, which gives "" for a missing value (as the framework does).

#include "platform/registry/RegistryTypes.h"

#include <filesystem>
#include <string>
#include <vector>

enum TRegDataType { rdUnknown, rdString, rdExpandString, rdInteger, rdBinary };

class TRegistry {
public:
  TRegistry() = default;
  ~TRegistry() = default;
  TRegistry(const TRegistry&) = delete;
  TRegistry& operator=(const TRegistry&) = delete;

  HKEY RootKey() const { return root_; }
  void SetRootKey(HKEY root);  // closes the open key
  // A non-zero token while a key is open, 0 otherwise.
  HKEY CurrentKey() const { return open_ ? root_ : 0; }
  // The open key's path from the root, with the names as the caller spelled them.
  std::string CurrentPath() const;

  // Opens the key (creating it and its parents when canCreate); false when it does not exist.
  bool OpenKey(const std::string& key, bool canCreate);
  // Opens for reading; writes through it raise RegistryError.
  bool OpenKeyReadOnly(const std::string& key);
  void CloseKey();
  bool CreateKey(const std::string& key);  // false when it exists already
  bool DeleteKey(const std::string& key);  // with all its subkeys; false when missing
  bool KeyExists(const std::string& key);
  bool HasSubKeys();
  std::vector<std::string> GetKeyNames();    // subkeys of the open key, sorted case-insensitively
  std::vector<std::string> GetValueNames();  // in the order they were first written

  bool ValueExists(const std::string& name);
  TRegDataType GetDataType(const std::string& name);  // rdUnknown when missing
  int GetDataSize(const std::string& name);           // bytes (string: with its terminator); -1 when missing
  bool DeleteValue(const std::string& name);

  std::string ReadString(const std::string& name);
  int ReadInteger(const std::string& name);
  bool ReadBool(const std::string& name);  // an integer, non-zero is true
  std::vector<uint8_t> ReadBinary(const std::string& name);
  // Copies at most bufferSize bytes; returns the number of bytes of the value.
  int ReadBinaryData(const std::string& name, void* buffer, int bufferSize);

  void WriteString(const std::string& name, const std::string& value);
  void WriteInteger(const std::string& name, int value);
  void WriteBool(const std::string& name, bool value);  // as the integer 1 or 0
  void WriteBinaryData(const std::string& name, const void* buffer, int size);

private:
  std::vector<std::string> Resolve(const std::string& key) const;
  void RequireWritable(const std::string& name) const;

  HKEY root_ = HKEY_CURRENT_USER;
  bool open_ = false;
  bool readOnly_ = false;
  std::vector<std::string> path_;  // of the open key
};

namespace platform {

// Where the registry lives; tests point it at a temporary file. An empty path
// restores the default location. The tree is read again on next use.
void SetRegistryFile(const std::filesystem::path& file);
std::filesystem::path RegistryFile();

}  // namespace platform
