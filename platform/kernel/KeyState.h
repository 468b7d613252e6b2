#pragma once
// The mouse-key flags of mouse messages and of drag-and-drop key states, with
// their conventional values; one definition for the window messages and the
// drag-and-drop interfaces.

#include <cstdint>

constexpr uintptr_t MK_LBUTTON = 0x0001;
constexpr uintptr_t MK_RBUTTON = 0x0002;
constexpr uintptr_t MK_SHIFT = 0x0004;
constexpr uintptr_t MK_CONTROL = 0x0008;
constexpr uintptr_t MK_MBUTTON = 0x0010;
constexpr uintptr_t MK_ALT = 0x0020;  // drag and drop only
