#pragma once
// The real display on X11: forms are top-level windows framed by the window
// manager, popups are override-redirect windows, pictures are blitted from
// the forms' image surfaces, and input arrives as VK_ codes.

#include <memory>

#include "platform/display/DisplayHost.h"

namespace platform {

class X11Host {
public:
  // Null when the display cannot be opened.
  static std::unique_ptr<DisplayHost> Open();
};

}  // namespace platform
