#pragma once
// Root keys, change filters and the error type of the registry.

#include <cstdint>
#include <stdexcept>

using HKEY = uintptr_t;
constexpr HKEY HKEY_CLASSES_ROOT = 0x80000000u;
constexpr HKEY HKEY_CURRENT_USER = 0x80000001u;
constexpr HKEY HKEY_LOCAL_MACHINE = 0x80000002u;
constexpr HKEY HKEY_USERS = 0x80000003u;

// What a change notification reports (0 means all of them).
constexpr uint32_t REG_NOTIFY_CHANGE_NAME = 1;        // a subkey added or deleted
constexpr uint32_t REG_NOTIFY_CHANGE_ATTRIBUTES = 2;  // never happens here
constexpr uint32_t REG_NOTIFY_CHANGE_LAST_SET = 4;    // a value set or deleted
constexpr uint32_t REG_NOTIFY_CHANGE_SECURITY = 8;    // never happens here

namespace platform {

class RegistryError : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

}  // namespace platform
