#pragma once
// Points the registry at a file in a fresh temporary folder for one test.

#include "platform/registry/Registry.h"
#include "platform/support/TempFolder.h"

#include <gtest/gtest.h>

namespace testsupport {

class RegistryFixture : public testing::Test {
protected:
  RegistryFixture() { platform::SetRegistryFile(File()); }
  ~RegistryFixture() override { platform::SetRegistryFile({}); }

  std::filesystem::path File() const { return folder_ / "registry.xml"; }
  // Forgets the tree in memory so that the next use reads the file again.
  void Reload() { platform::SetRegistryFile(File()); }

  TempFolder folder_;
};

}  // namespace testsupport
