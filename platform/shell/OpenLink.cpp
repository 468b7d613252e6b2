#include "platform/shell/OpenLink.h"

#include "platform/process/Process.h"

#include <atomic>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <unistd.h>

namespace platform {
namespace {

bool StartsWithNoCase(const std::string& text, const std::string& prefix) {
  if (text.size() < prefix.size()) return false;
  for (size_t i = 0; i < prefix.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(text[i])) != prefix[i]) return false;
  return true;
}

// xdg-open found along PATH (the usual place when PATH is unset).
std::filesystem::path FindXdgOpen() {
  const char* path = std::getenv("PATH");
  std::istringstream folders(path && *path ? path : "/usr/local/bin:/usr/bin:/bin");
  std::string folder;
  while (std::getline(folders, folder, ':')) {
    if (folder.empty() || folder[0] != '/') continue;
    std::filesystem::path candidate = std::filesystem::path(folder) / "xdg-open";
    if (access(candidate.c_str(), X_OK) == 0) return candidate;
  }
  return {};
}

class XdgOpener : public LinkOpener {
public:
  LinkResult Open(const std::string& link) override {
    std::filesystem::path program = FindXdgOpen();
    if (program.empty()) return {false, "xdg-open is not installed"};
    StartResult started = RealProcessLauncher().Start({program, {link}, true});
    // The launcher's reasons leave the program out: name it here, once.
    if (!started) return {false, "xdg-open: " + started.failure};
    return {true, ""};  // the handle goes; the child is reaped in the background
  }
};

XdgOpener g_xdg;
std::atomic<LinkOpener*> g_opener = nullptr;

}  // namespace

LinkOpener& CurrentLinkOpener() {
  LinkOpener* opener = g_opener.load();
  return opener ? *opener : g_xdg;
}

void SetLinkOpener(LinkOpener* opener) { g_opener = opener; }

bool IsOpenableLink(const std::string& link) {
  for (char c : link) {
    unsigned char u = static_cast<unsigned char>(c);
    if (u < 0x20 || u == 0x7F || c == '"') return false;
  }
  for (const char* web : {"http://", "https://"})
    if (StartsWithNoCase(link, web)) return link.size() > std::string(web).size() && link[std::string(web).size()] != '/';
  return StartsWithNoCase(link, "mailto:") && link.size() > 7;
}

LinkResult OpenLink(const std::string& link) {
  if (!IsOpenableLink(link)) return {false, "only http, https and mailto links are opened: \"" + link + "\""};
  return CurrentLinkOpener().Open(link);
}

LinkResult RecordingLinkOpener::Open(const std::string& link) {
  std::lock_guard lock(mutex_);
  opened_.push_back(link);
  return {true, ""};
}

std::vector<std::string> RecordingLinkOpener::Opened() const {
  std::lock_guard lock(mutex_);
  return opened_;
}

}  // namespace platform
