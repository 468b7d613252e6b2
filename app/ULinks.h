#pragma once
// Opening a web link from a window: a link that cannot be opened (no opener
// program, or the opener fails to start) is said in an error box instead of
// nothing happening.

#include <string>

// True when the link was handed to the desktop.
bool Open_Link(const std::string& Link);
