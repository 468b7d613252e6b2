#pragma once
// Automation servers by name, as the platform's object activation offers
// them: CreateOleObject starts a new server, GetActiveOleObject finds one that
// runs already. Names match without regard to case. The names of this
// platform's servers are registered from the start ("excel.application",
// "word.application", "adodb.connection", "adodb.recordset"); tests put their
// own behind a name with ScopedOleServer.

#include <functional>
#include <memory>
#include <string>

#include "platform/automation/OfficeAutomation.h"

namespace platform::automation {

using OleServerFactory = std::function<std::shared_ptr<AutomationObject>()>;

// Raises AutomationError when no server has the name or it cannot start.
std::shared_ptr<AutomationObject> CreateOleObject(const std::string& ProgId);
// The running server of that name; null when none runs.
std::shared_ptr<AutomationObject> GetActiveOleObject(const std::string& ProgId);
// A server that runs on its own (a program the user started) makes itself known.
void RegisterActiveObject(const std::string& ProgId, std::shared_ptr<AutomationObject> Object);
void RevokeActiveObject(const std::string& ProgId);

// Puts Factory behind ProgId for its lifetime (an empty factory: no server of
// that name); the earlier server comes back after it.
class ScopedOleServer {
public:
  ScopedOleServer(std::string ProgId, OleServerFactory Factory);
  ~ScopedOleServer();
  ScopedOleServer(const ScopedOleServer&) = delete;
  ScopedOleServer& operator=(const ScopedOleServer&) = delete;

private:
  std::string progId_;
  OleServerFactory previous_;
};

}  // namespace platform::automation
