#pragma once
// Key symbols of X11 to virtual-key codes. The unshifted symbol of a key
// gives its code (Shift+1 is still the "1" key); the extended flag marks the
// right-hand modifiers, keypad Enter and Divide, and the navigation block.

#include <cstdint>

namespace platform {

struct X11Key {
  uint16_t VirtualKey = 0;  // 0: a key the framework has no code for
  bool Extended = false;
};

X11Key KeysymToVirtualKey(unsigned long Keysym);

}  // namespace platform
