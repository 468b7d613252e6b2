#include "toolkit/rtl/Registry.h"

#include "toolkit/rtl/StringList.h"

namespace {

// Runs a registry write, turning the platform's error into the framework's.
template <class Write>
void Guarded(Write write) {
  try {
    write();
  } catch (const platform::RegistryError& e) {
    throw ERegistryException(e.what());
  }
}

void Fill(TStrings& strings, const std::vector<std::string>& lines) {
  strings.BeginUpdate();
  strings.Clear();
  strings.AddStrings(lines);
  strings.EndUpdate();
}

}  // namespace

TRegistryIniFile::TRegistryIniFile(const std::string& FileName, HKEY RootKey)
    : TCustomIniFile(FileName), reg_(FileName, RootKey) {}

std::string TRegistryIniFile::ReadString(const std::string& Section, const std::string& Ident,
                                         const std::string& Default) const {
  return reg_.ReadString(Section, Ident, Default);
}

void TRegistryIniFile::WriteString(const std::string& Section, const std::string& Ident, const std::string& Value) {
  Guarded([&] { reg_.WriteString(Section, Ident, Value); });
}

int TRegistryIniFile::ReadInteger(const std::string& Section, const std::string& Ident, int Default) const {
  return reg_.ReadInteger(Section, Ident, Default);
}

void TRegistryIniFile::WriteInteger(const std::string& Section, const std::string& Ident, int Value) {
  Guarded([&] { reg_.WriteInteger(Section, Ident, Value); });
}

bool TRegistryIniFile::ReadBool(const std::string& Section, const std::string& Ident, bool Default) const {
  return reg_.ReadBool(Section, Ident, Default);
}

void TRegistryIniFile::WriteBool(const std::string& Section, const std::string& Ident, bool Value) {
  Guarded([&] { reg_.WriteBool(Section, Ident, Value); });
}

void TRegistryIniFile::ReadSection(const std::string& Section, TStrings& Strings) const {
  Fill(Strings, reg_.ReadSection(Section));
}

void TRegistryIniFile::ReadSections(TStrings& Strings) const { Fill(Strings, reg_.ReadSections()); }

void TRegistryIniFile::ReadSectionValues(const std::string& Section, TStrings& Strings) const {
  Fill(Strings, reg_.ReadSectionValues(Section));
}

bool TRegistryIniFile::ValueExists(const std::string& Section, const std::string& Ident) const {
  return reg_.ValueExists(Section, Ident);
}

void TRegistryIniFile::EraseSection(const std::string& Section) {
  Guarded([&] { reg_.EraseSection(Section); });
}

void TRegistryIniFile::DeleteKey(const std::string& Section, const std::string& Ident) {
  Guarded([&] { reg_.DeleteKey(Section, Ident); });
}
