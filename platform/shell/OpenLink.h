#pragma once
// Opening a link with the desktop's handler (the "open" verb). Only web and
// mail links are opened (http, https, mailto); anything else, a local file or
// an unknown scheme, is refused and the reason reported, so that text from a
// file or a user never makes the desktop run a program.
//
// The backend is replaceable: the real one hands the link to xdg-open (as
// one argument, no shell, not waited for); tests and the test driver install
// a RecordingLinkOpener.

#include <mutex>
#include <string>
#include <vector>

namespace platform {

struct LinkResult {
  bool opened = false;
  std::string failure;  // why not, when not opened
  explicit operator bool() const { return opened; }
};

class LinkOpener {
public:
  virtual ~LinkOpener() = default;
  // Called only with links that passed IsOpenableLink.
  virtual LinkResult Open(const std::string& link) = 0;
};

LinkOpener& CurrentLinkOpener();
void SetLinkOpener(LinkOpener* opener);  // not owned; nullptr restores the real one

// http://, https:// (with a host) or mailto: (case-insensitive scheme), without control characters.
bool IsOpenableLink(const std::string& link);

// Refuses what IsOpenableLink refuses, otherwise asks the opener in force.
LinkResult OpenLink(const std::string& link);

class RecordingLinkOpener : public LinkOpener {
public:
  LinkResult Open(const std::string& link) override;
  std::vector<std::string> Opened() const;

private:
  mutable std::mutex mutex_;
  std::vector<std::string> opened_;
};

}  // namespace platform
