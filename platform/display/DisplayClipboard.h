#pragma once
// Connects the process clipboard to the display's CLIPBOARD selection: what
// the program puts on its clipboard is offered to other programs as text, and
// text another program offers is read when ours is not the latest.

#include <optional>
#include <string>

#include "platform/clipboard/Clipboard.h"

namespace platform {

class DisplayClipboardHost : public ClipboardHost {
public:
  void Publish(const std::optional<std::string>& text, const std::optional<std::string>& html) override;
  std::optional<ExternalClipboard> Fetch() override;

private:
  std::optional<std::string> published_;
};

// The one instance the forms layer installs on start.
DisplayClipboardHost& TheDisplayClipboardHost();

}  // namespace platform
