#include "platform/display/DisplayClipboard.h"

#include "platform/display/DisplayHost.h"

namespace platform {

void DisplayClipboardHost::Publish(const std::optional<std::string>& text, const std::optional<std::string>&) {
  // Other programs get the plain text; the HTML stays with us.
  published_ = text.value_or("");
  CurrentDisplay().SetClipboardText(*published_, false);
}

std::optional<ExternalClipboard> DisplayClipboardHost::Fetch() {
  std::string text = CurrentDisplay().ClipboardText(false);
  if (published_ && text == *published_) return std::nullopt;  // still our own
  if (text.empty()) return std::nullopt;
  published_.reset();
  ExternalClipboard offer;
  offer.text = text;
  return offer;
}

DisplayClipboardHost& TheDisplayClipboardHost() {
  static DisplayClipboardHost host;
  return host;
}

}  // namespace platform
