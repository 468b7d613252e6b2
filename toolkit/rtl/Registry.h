#pragma once
// The framework's registry unit: TRegistry (platform/registry/Registry.h) and
// TRegistryIniFile, the INI-file object whose sections are registry keys
// under a key path (the "file name") below the current user (or the given
// root). Integers are stored as integer values; reads convert between
// integers and strings; failed writes raise ERegistryException.

#include "platform/registry/Registry.h"
#include "platform/registry/RegistryIniFile.h"
#include "toolkit/rtl/Exceptions.h"
#include "toolkit/rtl/IniFiles.h"

QUELIX_EXCEPTION(ERegistryException, Exception)

class TRegistryIniFile : public TCustomIniFile {
public:
  explicit TRegistryIniFile(const std::string& FileName, HKEY RootKey = HKEY_CURRENT_USER);
  std::string ClassName() const override { return "TRegistryIniFile"; }

  std::string ReadString(const std::string& Section, const std::string& Ident,
                         const std::string& Default) const override;
  void WriteString(const std::string& Section, const std::string& Ident, const std::string& Value) override;
  int ReadInteger(const std::string& Section, const std::string& Ident, int Default) const override;
  void WriteInteger(const std::string& Section, const std::string& Ident, int Value) override;
  bool ReadBool(const std::string& Section, const std::string& Ident, bool Default) const override;
  void WriteBool(const std::string& Section, const std::string& Ident, bool Value) override;
  void ReadSection(const std::string& Section, TStrings& Strings) const override;
  void ReadSections(TStrings& Strings) const override;
  void ReadSectionValues(const std::string& Section, TStrings& Strings) const override;
  bool ValueExists(const std::string& Section, const std::string& Ident) const override;
  void EraseSection(const std::string& Section) override;
  void DeleteKey(const std::string& Section, const std::string& Ident) override;
  void UpdateFile() override {}  // every write is stored at once

  platform::RegistryIniFile& RegIniFile() { return reg_; }

private:
  platform::RegistryIniFile reg_;
};
