#include "toolkit/forms/Messages.h"

#include <cctype>
#include <map>

// Names are matched without regard to case, as the platform does.
UINT RegisterWindowMessage(const std::string& name) {
  static std::map<std::string, UINT> table;
  std::string key = name;
  for (char& c : key) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  auto it = table.find(key);
  if (it != table.end()) return it->second;
  UINT id = 0xC000 + static_cast<UINT>(table.size());
  table.emplace(key, id);
  return id;
}
