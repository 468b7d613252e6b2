// Automation servers by name.

#include "platform/automation/OleServers.h"

#include <cctype>
#include <map>

#include "platform/automation/OfficeServers.h"

namespace platform::automation {
namespace {

std::string Key(std::string Name) {
  for (char& c : Name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return Name;
}

std::map<std::string, OleServerFactory>& Factories() {
  static std::map<std::string, OleServerFactory> factories{
      {"excel.application", NewXlsxSpreadsheet},
      {"word.application", NewDocxWordProcessor},
      {"adodb.connection", NewOdbcConnection},
      {"adodb.recordset", NewOdbcRecordset},
  };
  return factories;
}

std::map<std::string, std::shared_ptr<AutomationObject>>& Running() {
  static std::map<std::string, std::shared_ptr<AutomationObject>> running;
  return running;
}

}  // namespace

std::shared_ptr<AutomationObject> CreateOleObject(const std::string& ProgId) {
  auto it = Factories().find(Key(ProgId));
  if (it == Factories().end() || !it->second) throw AutomationError("Invalid class string: " + ProgId);
  std::shared_ptr<AutomationObject> object = it->second();
  if (!object) throw AutomationError("The server " + ProgId + " cannot be started");
  return object;
}

std::shared_ptr<AutomationObject> GetActiveOleObject(const std::string& ProgId) {
  auto it = Running().find(Key(ProgId));
  return it == Running().end() ? nullptr : it->second;
}

void RegisterActiveObject(const std::string& ProgId, std::shared_ptr<AutomationObject> Object) {
  Running()[Key(ProgId)] = std::move(Object);
}

void RevokeActiveObject(const std::string& ProgId) { Running().erase(Key(ProgId)); }

ScopedOleServer::ScopedOleServer(std::string ProgId, OleServerFactory Factory) : progId_(Key(std::move(ProgId))) {
  previous_ = Factories()[progId_];
  Factories()[progId_] = std::move(Factory);
}

ScopedOleServer::~ScopedOleServer() { Factories()[progId_] = std::move(previous_); }

}  // namespace platform::automation
