#include "platform/registry/RegistryIniFile.h"

#include "platform/registry/Registry.h"

#include <charconv>

namespace platform {
namespace {

// A registry object opened on the section, for reading; false when it does not exist.
bool OpenForReading(TRegistry& reg, HKEY root, const std::string& path) {
  reg.SetRootKey(root);
  return reg.OpenKeyReadOnly(path);
}

bool ParseInt(const std::string& text, int& value) {
  size_t start = text.find_first_not_of(' ');
  if (start == std::string::npos) return false;
  size_t end = text.find_last_not_of(' ') + 1;
  const char* first = text.data() + start;
  if (*first == '+') ++first;
  auto [ptr, ec] = std::from_chars(first, text.data() + end, value);
  return ec == std::errc() && ptr == text.data() + end;
}

}  // namespace

RegistryIniFile::RegistryIniFile(std::string fileName, HKEY root) : fileName_(std::move(fileName)), root_(root) {}

std::string RegistryIniFile::SectionPath(const std::string& section) const {
  return "\\" + fileName_ + (section.empty() ? "" : "\\" + section);
}

std::string RegistryIniFile::ReadString(const std::string& section, const std::string& ident,
                                        const std::string& def) const {
  TRegistry reg;
  if (!OpenForReading(reg, root_, SectionPath(section))) return def;
  switch (reg.GetDataType(ident)) {
    case rdString:
    case rdExpandString: return reg.ReadString(ident);
    case rdInteger: return std::to_string(reg.ReadInteger(ident));
    default: return def;
  }
}

void RegistryIniFile::WriteString(const std::string& section, const std::string& ident, const std::string& value) {
  TRegistry reg;
  reg.SetRootKey(root_);
  if (!reg.OpenKey(SectionPath(section), true)) throw RegistryError("Failed to create key " + SectionPath(section));
  reg.WriteString(ident, value);
}

int RegistryIniFile::ReadInteger(const std::string& section, const std::string& ident, int def) const {
  TRegistry reg;
  if (!OpenForReading(reg, root_, SectionPath(section))) return def;
  switch (reg.GetDataType(ident)) {
    case rdInteger: return reg.ReadInteger(ident);
    case rdString: {
      int value;
      return ParseInt(reg.ReadString(ident), value) ? value : def;
    }
    default: return def;
  }
}

void RegistryIniFile::WriteInteger(const std::string& section, const std::string& ident, int value) {
  TRegistry reg;
  reg.SetRootKey(root_);
  if (!reg.OpenKey(SectionPath(section), true)) throw RegistryError("Failed to create key " + SectionPath(section));
  if (reg.GetDataType(ident) == rdString) reg.WriteString(ident, std::to_string(value));
  else reg.WriteInteger(ident, value);
}

bool RegistryIniFile::ReadBool(const std::string& section, const std::string& ident, bool def) const {
  return ReadInteger(section, ident, def ? 1 : 0) != 0;
}

void RegistryIniFile::WriteBool(const std::string& section, const std::string& ident, bool value) {
  WriteInteger(section, ident, value ? 1 : 0);
}

std::vector<std::string> RegistryIniFile::ReadSections() const {
  TRegistry reg;
  return OpenForReading(reg, root_, SectionPath("")) ? reg.GetKeyNames() : std::vector<std::string>{};
}

std::vector<std::string> RegistryIniFile::ReadSection(const std::string& section) const {
  TRegistry reg;
  return OpenForReading(reg, root_, SectionPath(section)) ? reg.GetValueNames() : std::vector<std::string>{};
}

std::vector<std::string> RegistryIniFile::ReadSectionValues(const std::string& section) const {
  std::vector<std::string> lines;
  for (const std::string& ident : ReadSection(section)) lines.push_back(ident + "=" + ReadString(section, ident, ""));
  return lines;
}

bool RegistryIniFile::SectionExists(const std::string& section) const {
  TRegistry reg;
  reg.SetRootKey(root_);
  return reg.KeyExists(SectionPath(section));
}

bool RegistryIniFile::ValueExists(const std::string& section, const std::string& ident) const {
  TRegistry reg;
  return OpenForReading(reg, root_, SectionPath(section)) && reg.ValueExists(ident);
}

void RegistryIniFile::EraseSection(const std::string& section) {
  TRegistry reg;
  reg.SetRootKey(root_);
  reg.DeleteKey(SectionPath(section));
}

void RegistryIniFile::DeleteKey(const std::string& section, const std::string& ident) {
  TRegistry reg;
  reg.SetRootKey(root_);
  if (reg.OpenKey(SectionPath(section), false)) reg.DeleteValue(ident);
}

}  // namespace platform
