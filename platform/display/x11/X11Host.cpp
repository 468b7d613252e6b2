#include "platform/display/x11/X11Host.h"

namespace platform {

std::unique_ptr<DisplayHost> X11Host::Open() { return nullptr; }

}  // namespace platform
