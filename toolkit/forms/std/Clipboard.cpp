#include "toolkit/forms/std/Clipboard.h"

#include "platform/display/DisplayHost.h"

// The display's CLIPBOARD selection, so that text moves between programs on
// X11 and between controls in the headless host.
std::string ClipboardText() { return platform::CurrentDisplay().ClipboardText(false); }
void SetClipboardText(const std::string& s) { platform::CurrentDisplay().SetClipboardText(s, false); }
