#include "toolkit/rtl/Registry.h"
#include "toolkit/rtl/StringList.h"

#include "platform/registry/RegistryFixture.h"

#include <gtest/gtest.h>

namespace {

class TRegistryIniFileTest : public testsupport::RegistryFixture {};

TEST_F(TRegistryIniFileTest, IsAnIniFileOverRegistryKeys) {
  std::unique_ptr<TCustomIniFile> ini = std::make_unique<TRegistryIniFile>("Software\\Quelix\\Grid");
  ini->WriteInteger("Columns", "Col0", 64);
  ini->WriteString("Columns", "Layout", "2#64#80");
  ini->WriteBool("Flags", "Visible", true);
  EXPECT_EQ(ini->ReadInteger("Columns", "Col0", 0), 64);
  EXPECT_EQ(ini->ReadString("Columns", "Col0", ""), "64");
  EXPECT_EQ(ini->ReadInteger("Columns", "Layout", -1), -1);
  EXPECT_TRUE(ini->ReadBool("Flags", "Visible", false));
  EXPECT_TRUE(ini->ValueExists("columns", "LAYOUT"));
  EXPECT_TRUE(ini->SectionExists("Flags"));

  TStringList names;
  names.Add("stale");
  ini->ReadSection("Columns", names);
  ASSERT_EQ(names.Count(), 2);
  EXPECT_EQ(names[0], "Col0");
  ini->ReadSections(names);
  EXPECT_EQ(names.Count(), 2);
  ini->ReadSectionValues("Columns", names);
  EXPECT_EQ(names[1], "Layout=2#64#80");

  ini->DeleteKey("Columns", "Col0");
  ini->EraseSection("Flags");
  EXPECT_FALSE(ini->ValueExists("Columns", "Col0"));
  EXPECT_FALSE(ini->SectionExists("Flags"));

  TRegistry reg;
  ASSERT_TRUE(reg.OpenKeyReadOnly("Software\\Quelix\\Grid\\Columns"));
  EXPECT_EQ(reg.ReadString("Layout"), "2#64#80");
}

TEST_F(TRegistryIniFileTest, FailedWritesRaiseTheFrameworkError) {
  // A file where the registry folder should be: the registry file cannot be written.
  platform::SetRegistryFile(folder_ / "blocker" / "registry.xml");
  folder_.Write("blocker", "");
  TRegistryIniFile ini("Software\\Quelix");
  EXPECT_THROW(ini.WriteString("S", "I", "v"), ERegistryException);
}

}  // namespace
