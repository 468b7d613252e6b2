#include "toolkit/forms/std/Clipboard.h"

namespace {

// Until the platform clipboard is wired in, the controls share one
// in-process buffer, which is what cut/copy/paste between them needs.
std::string& Buffer() {
  static std::string buffer;
  return buffer;
}

}  // namespace

std::string ClipboardText() { return Buffer(); }
void SetClipboardText(const std::string& s) { Buffer() = s; }
