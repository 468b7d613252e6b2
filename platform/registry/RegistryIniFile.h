#pragma once
// INI-file access on top of the registry: the file name is a key path under
// the root (HKEY_CURRENT_USER by default), sections are its subkeys, idents
// are their values. Integers are stored as integer values and strings as
// string values; a read converts between the two, so values written either way
// read back either way, and anything missing or unconvertible gives the
// default. Nothing is created until something is written.
//
// This is the platform half of the framework's TRegistryIniFile; the toolkit
// derives the TCustomIniFile class from it.

#include "platform/registry/RegistryTypes.h"

#include <string>
#include <vector>

namespace platform {

class RegistryIniFile {
public:
  explicit RegistryIniFile(std::string fileName, HKEY root = HKEY_CURRENT_USER);

  const std::string& FileName() const { return fileName_; }
  HKEY RootKey() const { return root_; }

  std::string ReadString(const std::string& section, const std::string& ident, const std::string& def) const;
  void WriteString(const std::string& section, const std::string& ident, const std::string& value);
  int ReadInteger(const std::string& section, const std::string& ident, int def) const;
  // As an integer value, unless the value exists as a string already.
  void WriteInteger(const std::string& section, const std::string& ident, int value);
  bool ReadBool(const std::string& section, const std::string& ident, bool def) const;
  void WriteBool(const std::string& section, const std::string& ident, bool value);

  std::vector<std::string> ReadSections() const;
  std::vector<std::string> ReadSection(const std::string& section) const;        // ident names
  std::vector<std::string> ReadSectionValues(const std::string& section) const;  // "ident=value"
  bool SectionExists(const std::string& section) const;
  bool ValueExists(const std::string& section, const std::string& ident) const;
  void EraseSection(const std::string& section);
  void DeleteKey(const std::string& section, const std::string& ident);
  void UpdateFile() {}  // every write is stored at once

private:
  std::string SectionPath(const std::string& section) const;

  std::string fileName_;
  HKEY root_;
};

}  // namespace platform
