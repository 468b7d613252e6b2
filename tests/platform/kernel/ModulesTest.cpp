#include "platform/kernel/Modules.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

int Twice(int x) { return 2 * x; }
int Negate(int x) { return -x; }

TEST(Modules, EntryPointsAreFoundByModuleAndName) {
  platform::RegisterEntryPoint("TestModA", "Twice", &Twice);
  HMODULE module = LoadLibrary("testmoda.DLL");
  ASSERT_NE(module, nullptr);
  EXPECT_EQ(module, GetModuleHandle("TESTMODA"));
  void* address = GetProcAddress(module, "Twice");
  ASSERT_NE(address, nullptr);
  EXPECT_EQ(reinterpret_cast<int (*)(int)>(address)(21), 42);
  EXPECT_EQ(GetProcAddress(module, "twice"), nullptr);  // entry names are exact
  EXPECT_EQ(GetProcAddress(module, "Missing"), nullptr);
  EXPECT_TRUE(FreeLibrary(module));
  EXPECT_FALSE(FreeLibrary(module));  // more frees than loads
}

TEST(Modules, UnknownModuleGivesNull) {
  EXPECT_EQ(LoadLibrary("NoSuchModule"), nullptr);
  EXPECT_EQ(GetModuleHandle("NoSuchModule.dll"), nullptr);
  EXPECT_EQ(GetProcAddress(nullptr, "x"), nullptr);
  EXPECT_EQ(GetProcAddressAs<int (*)(int)>(nullptr, "x"), nullptr);
  EXPECT_FALSE(FreeLibrary(nullptr));
}

TEST(Modules, TypedLookupChecksTheType) {
  platform::RegisterEntryPoint("TestModB", "Twice", &Twice);
  platform::RegisterEntryPoint("TestModB", "Greeting", std::any(std::function<std::string()>([] { return "hi"; })));
  HMODULE module = LoadLibrary("TestModB");
  auto twice = GetProcAddressAs<int (*)(int)>(module, "Twice");
  ASSERT_NE(twice, nullptr);
  EXPECT_EQ(twice(4), 8);
  EXPECT_EQ(GetProcAddressAs<void (*)()>(module, "Twice"), nullptr);
  auto greeting = GetProcAddressAs<std::function<std::string()>>(module, "Greeting");
  ASSERT_TRUE(greeting);
  EXPECT_EQ(greeting(), "hi");
  EXPECT_EQ(GetProcAddress(module, "Greeting"), nullptr);  // no address form for a std::function
  FreeLibrary(module);
}

TEST(Modules, RegisteringAgainReplacesTheEntry) {
  platform::RegisterEntryPoint("TestModC", "F", &Twice);
  platform::RegisterEntryPoint("testmodc", "F", &Negate);
  HMODULE module = GetModuleHandle("TestModC");
  EXPECT_EQ(GetProcAddressAs<int (*)(int)>(module, "F")(3), -3);
  int value = 7;
  platform::RegisterEntryPoint("TestModC", "Data", static_cast<void*>(&value));
  EXPECT_EQ(GetProcAddress(module, "Data"), &value);
  EXPECT_EQ(platform::EntryPointNames("TESTMODC"), (std::vector<std::string>{"Data", "F"}));
}

TEST(Modules, UnregisteredModuleDisappearsAndOldHandlesFindNothing) {
  platform::RegisterEntryPoint("TestModD", "F", &Twice);
  HMODULE module = LoadLibrary("TestModD");
  platform::UnregisterModule("TestModD");
  EXPECT_EQ(LoadLibrary("TestModD"), nullptr);
  EXPECT_EQ(GetProcAddress(module, "F"), nullptr);
  EXPECT_TRUE(platform::EntryPointNames("TestModD").empty());
}

}  // namespace
