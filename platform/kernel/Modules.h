#pragma once
// Loading a library and finding a name in it, modelled as a table of named
// entry points filled in by the code that provides them (the theme painter
// registers its functions under "uxtheme"), so that callers bind them by name
// as they would from a shared library and cope with a missing one.
//
// Module names are matched case-insensitively and a trailing ".dll" is
// ignored ("UxTheme.dll" and "uxtheme" are the same module); entry names are
// matched exactly. A module "exists" once it has at least one entry point.

#include <any>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// Registers (or replaces) an entry point. The value is kept as given; the
// address form GetProcAddress returns is the pointer itself for a void* or a
// function pointer, and null for anything else.
void RegisterEntryPoint(std::string_view module, std::string_view name, std::any entry);
void RegisterEntryPoint(std::string_view module, std::string_view name, void* entry);
template <class R, class... Args>
void RegisterEntryPoint(std::string_view module, std::string_view name, R (*entry)(Args...));

// Removes a module with all its entry points (tests); handles to it become invalid.
void UnregisterModule(std::string_view module);

// The names registered in a module, sorted; empty when there is no such module.
std::vector<std::string> EntryPointNames(std::string_view module);

namespace modules_detail {
void Register(std::string_view module, std::string_view name, std::any entry, void* address);
bool Find(const void* module, std::string_view name, std::any& entry);  // copies under the lock
}  // namespace modules_detail

template <class R, class... Args>
void RegisterEntryPoint(std::string_view module, std::string_view name, R (*entry)(Args...)) {
  modules_detail::Register(module, name, std::any(entry), reinterpret_cast<void*>(entry));
}

}  // namespace platform

struct TModuleHandle;  // opaque
using HMODULE = TModuleHandle*;

// The module's handle, or nullptr when no entry point is registered under it.
// Every successful LoadLibrary is matched by FreeLibrary; the table itself stays.
HMODULE LoadLibrary(std::string_view module);
HMODULE GetModuleHandle(std::string_view module);
bool FreeLibrary(HMODULE module);

// The entry point's address, or nullptr when the module or the name is unknown.
void* GetProcAddress(HMODULE module, std::string_view name);

// Type-checked lookup: the entry as registered when it has type T, otherwise T{}.
template <class T>
T GetProcAddressAs(HMODULE module, std::string_view name) {
  std::any entry;
  if (!platform::modules_detail::Find(module, name, entry)) return T{};
  const T* value = std::any_cast<T>(&entry);
  return value ? *value : T{};
}
