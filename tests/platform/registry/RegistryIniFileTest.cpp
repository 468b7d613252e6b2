#include "platform/registry/Registry.h"
#include "platform/registry/RegistryFixture.h"
#include "platform/registry/RegistryIniFile.h"

#include <gtest/gtest.h>

using platform::RegistryIniFile;

namespace {

class RegistryIni : public testsupport::RegistryFixture {};

TEST_F(RegistryIni, SectionsAreSubkeysAndIdentsAreValues) {
  RegistryIniFile ini("Software\\Quelix\\Columns");
  ini.WriteString("Grid1", "Layout", "3#10#20");
  ini.WriteInteger("Grid1", "Col0", 64);
  ini.WriteBool("Grid2", "Visible", false);
  TRegistry reg;
  ASSERT_TRUE(reg.OpenKeyReadOnly("Software\\Quelix\\Columns\\Grid1"));
  EXPECT_EQ(reg.GetDataType("Col0"), rdInteger);
  EXPECT_EQ(reg.ReadString("Layout"), "3#10#20");
  EXPECT_EQ(ini.ReadSections(), (std::vector<std::string>{"Grid1", "Grid2"}));
  EXPECT_EQ(ini.ReadSection("grid1"), (std::vector<std::string>{"Layout", "Col0"}));
  EXPECT_EQ(ini.ReadSectionValues("Grid1"), (std::vector<std::string>{"Layout=3#10#20", "Col0=64"}));
  EXPECT_FALSE(ini.ReadBool("Grid2", "Visible", true));
}

TEST_F(RegistryIni, ReadsConvertBetweenStringsAndIntegers) {
  RegistryIniFile ini("App");
  ini.WriteInteger("S", "Int", 12);
  ini.WriteString("S", "Text", " 34 ");
  ini.WriteString("S", "Word", "x");
  EXPECT_EQ(ini.ReadString("S", "Int", "d"), "12");
  EXPECT_EQ(ini.ReadInteger("S", "Text", 0), 34);
  EXPECT_EQ(ini.ReadInteger("S", "Word", -1), -1);
  EXPECT_EQ(ini.ReadInteger("S", "Missing", 5), 5);
  EXPECT_EQ(ini.ReadString("Nothing", "Int", "d"), "d");
  ini.WriteInteger("S", "Text", 56);  // an existing string stays a string
  TRegistry reg;
  ASSERT_TRUE(reg.OpenKeyReadOnly("App\\S"));
  EXPECT_EQ(reg.GetDataType("Text"), rdString);
  EXPECT_EQ(reg.ReadString("Text"), "56");
}

TEST_F(RegistryIni, EraseAndDelete) {
  RegistryIniFile ini("App");
  ini.WriteInteger("A", "x", 1);
  ini.WriteInteger("A", "y", 2);
  ini.WriteInteger("B", "z", 3);
  ini.DeleteKey("A", "x");
  EXPECT_FALSE(ini.ValueExists("A", "x"));
  EXPECT_TRUE(ini.ValueExists("A", "Y"));
  ini.EraseSection("a");
  EXPECT_FALSE(ini.SectionExists("A"));
  EXPECT_TRUE(ini.SectionExists("B"));
  ini.DeleteKey("Missing", "x");  // nothing to do
}

TEST_F(RegistryIni, ReadingLeavesTheRegistryUntouched) {
  RegistryIniFile ini("Software\\Quelix");
  EXPECT_EQ(ini.ReadInteger("Grid", "Col0", 7), 7);
  EXPECT_TRUE(ini.ReadSections().empty());
  EXPECT_FALSE(TRegistry().KeyExists("Software"));
  EXPECT_FALSE(std::filesystem::exists(File()));
}

TEST_F(RegistryIni, LocalMachineRoot) {
  RegistryIniFile ini("Software\\Q", HKEY_LOCAL_MACHINE);
  ini.WriteString("S", "v", "m");
  EXPECT_EQ(RegistryIniFile("Software\\Q").ReadString("S", "v", "none"), "none");
  EXPECT_EQ(ini.ReadString("S", "v", "none"), "m");
}

}  // namespace
