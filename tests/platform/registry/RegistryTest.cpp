#include "platform/registry/Registry.h"
#include "platform/registry/RegistryFixture.h"

#include <gtest/gtest.h>

using platform::RegistryError;
using testsupport::TempFolder;

namespace {

class Registry : public testsupport::RegistryFixture {};

TEST_F(Registry, KeysAreCreatedNestedAndFoundCaseInsensitively) {
  TRegistry reg;
  EXPECT_EQ(reg.RootKey(), HKEY_CURRENT_USER);
  EXPECT_TRUE(reg.CreateKey("Software\\Quelix\\Grid"));
  EXPECT_FALSE(reg.CreateKey("software\\QUELIX\\grid"));  // exists already
  EXPECT_TRUE(reg.KeyExists("SOFTWARE\\quelix"));
  EXPECT_FALSE(reg.KeyExists("Software\\Other"));
  EXPECT_FALSE(reg.OpenKey("Software\\Other", false));
  EXPECT_EQ(reg.CurrentKey(), 0u);
  ASSERT_TRUE(reg.OpenKey("\\Software\\Quelix", false));
  EXPECT_NE(reg.CurrentKey(), 0u);
  EXPECT_EQ(reg.CurrentPath(), "Software\\Quelix");
  EXPECT_TRUE(reg.KeyExists("Grid"));  // relative to the open key
  EXPECT_TRUE(reg.KeyExists("\\Software"));
  ASSERT_TRUE(reg.OpenKey("grid", false));
  EXPECT_EQ(reg.CurrentPath(), "Software\\Quelix\\grid");  // the path as the caller gave it
  EXPECT_EQ(TRegistry().GetKeyNames(), std::vector<std::string>{"Software"});  // stored names keep their case
}

TEST_F(Registry, KeyNamesAreSortedAndDeleteTakesTheSubtree) {
  TRegistry reg;
  for (const char* key : {"A\\beta", "A\\Alpha\\deep", "A\\gamma"}) reg.CreateKey(key);
  ASSERT_TRUE(reg.OpenKey("A", false));
  EXPECT_EQ(reg.GetKeyNames(), (std::vector<std::string>{"Alpha", "beta", "gamma"}));
  EXPECT_TRUE(reg.HasSubKeys());
  EXPECT_TRUE(reg.DeleteKey("Alpha"));
  EXPECT_FALSE(reg.DeleteKey("Alpha"));
  EXPECT_FALSE(reg.KeyExists("\\A\\Alpha\\deep"));
  reg.CloseKey();
  EXPECT_FALSE(reg.DeleteKey(""));  // the root stays
}

TEST_F(Registry, TypedValuesReadBackAsWritten) {
  TRegistry reg;
  ASSERT_TRUE(reg.OpenKey("Software\\Quelix", true));
  reg.WriteString("Name", "Öl & \"Wasser\"\t<1>\n");
  reg.WriteInteger("Count", -42);
  reg.WriteBool("Flag", true);
  const uint8_t bytes[] = {0, 1, 0xFF, 0x7F};
  reg.WriteBinaryData("Blob", bytes, 4);
  EXPECT_EQ(reg.ReadString("name"), "Öl & \"Wasser\"\t<1>\n");
  EXPECT_EQ(reg.ReadInteger("COUNT"), -42);
  EXPECT_TRUE(reg.ReadBool("Flag"));
  EXPECT_EQ(reg.ReadBinary("Blob"), std::vector<uint8_t>(bytes, bytes + 4));
  uint8_t small[2] = {};
  EXPECT_EQ(reg.ReadBinaryData("Blob", small, 2), 4);
  EXPECT_EQ(small[1], 1);
  EXPECT_EQ(reg.GetDataType("Count"), rdInteger);
  EXPECT_EQ(reg.GetDataType("Blob"), rdBinary);
  EXPECT_EQ(reg.GetDataType("Missing"), rdUnknown);
  EXPECT_EQ(reg.GetDataSize("Count"), 4);
  EXPECT_EQ(reg.GetDataSize("Missing"), -1);
  EXPECT_EQ(reg.GetValueNames(), (std::vector<std::string>{"Name", "Count", "Flag", "Blob"}));
}

TEST_F(Registry, MissingOrMistypedValuesRaiseExceptReadString) {
  TRegistry reg;
  ASSERT_TRUE(reg.OpenKey("K", true));
  reg.WriteString("Text", "12");
  EXPECT_EQ(reg.ReadString("Missing"), "");
  EXPECT_THROW(reg.ReadInteger("Missing"), RegistryError);
  EXPECT_THROW(reg.ReadInteger("Text"), RegistryError);
  EXPECT_THROW(reg.ReadBool("Text"), RegistryError);
  EXPECT_THROW(reg.ReadBinary("Text"), RegistryError);
  reg.WriteInteger("Text", 3);  // a write may change the type
  EXPECT_EQ(reg.ReadInteger("text"), 3);
  EXPECT_THROW(reg.ReadString("Text"), RegistryError);
  EXPECT_EQ(reg.GetValueNames(), std::vector<std::string>{"Text"});
}

TEST_F(Registry, DeleteValue) {
  TRegistry reg;
  ASSERT_TRUE(reg.OpenKey("K", true));
  reg.WriteInteger("A", 1);
  EXPECT_TRUE(reg.ValueExists("a"));
  EXPECT_TRUE(reg.DeleteValue("A"));
  EXPECT_FALSE(reg.DeleteValue("A"));
  EXPECT_FALSE(reg.ValueExists("A"));
}

// A key of many values is read by name through an index; deleting one keeps
// the others found and in the order they were written.
TEST_F(Registry, KeyWithManyValuesReadsEveryValueByFoldedName) {
  constexpr int kValues = 3000;
  std::string file = "<registry><key name=\"HKEY_CURRENT_USER\"><key name=\"Big\">";
  for (int i = 0; i < kValues; ++i)
    file += "<value name=\"Value" + std::to_string(i) + "\" type=\"integer\" data=\"" + std::to_string(i * 7) + "\"/>";
  file += "</key></key></registry>";
  folder_.Write("registry.xml", file);
  Reload();
  TRegistry reg;
  ASSERT_TRUE(reg.OpenKey("Big", false));
  for (int i : {0, 1, 1499, kValues - 1}) EXPECT_EQ(reg.ReadInteger("VALUE" + std::to_string(i)), i * 7) << i;
  ASSERT_TRUE(reg.OpenKey("\\Big", true));
  EXPECT_TRUE(reg.DeleteValue("value1"));
  EXPECT_FALSE(reg.ValueExists("Value1"));
  EXPECT_EQ(reg.ReadInteger("Value2"), 14);
  EXPECT_EQ(reg.ReadInteger("Value2999"), 2999 * 7);
  reg.WriteInteger("value2", -1);
  std::vector<std::string> names = reg.GetValueNames();
  ASSERT_EQ(names.size(), static_cast<size_t>(kValues - 1));
  EXPECT_EQ(names[0], "Value0");
  EXPECT_EQ(names[1], "Value2");
  EXPECT_EQ(names.back(), "Value2999");
  Reload();
  EXPECT_EQ(TRegistry().KeyExists("Big"), true);
  TRegistry again;
  ASSERT_TRUE(again.OpenKey("Big", false));
  EXPECT_EQ(again.ReadInteger("Value2"), -1);
}

TEST_F(Registry, ValueNamedTwiceInAnyCaseMarksTheFileDamaged) {
  const std::string content = "<registry><key name=\"HKEY_CURRENT_USER\"><value name=\"a\" type=\"integer\" data=\"1\"/>"
                              "<value name=\"A\" type=\"integer\" data=\"2\"/></key></registry>";
  folder_.Write("registry.xml", content);
  Reload();
  EXPECT_TRUE(TRegistry().GetKeyNames().empty());
  EXPECT_EQ(TempFolder::Read(folder_ / "registry.xml.damaged"), content);
}

TEST_F(Registry, WritesNeedAWritableOpenKey) {
  TRegistry reg;
  EXPECT_THROW(reg.WriteString("A", "x"), RegistryError);  // no key open
  reg.CreateKey("K");
  ASSERT_TRUE(reg.OpenKeyReadOnly("K"));
  EXPECT_THROW(reg.WriteInteger("A", 1), RegistryError);
  EXPECT_THROW(reg.DeleteValue("A"), RegistryError);
  EXPECT_FALSE(reg.OpenKeyReadOnly("Missing"));
}

TEST_F(Registry, WritingToAKeyDeletedMeanwhileRaises) {
  TRegistry a, b;
  ASSERT_TRUE(a.OpenKey("K", true));
  b.DeleteKey("K");
  EXPECT_THROW(a.WriteString("V", "x"), RegistryError);
  EXPECT_FALSE(a.ValueExists("V"));
}

TEST_F(Registry, RootsAreSeparateAndOnlyTwoExist) {
  TRegistry user, machine, classes;
  machine.SetRootKey(HKEY_LOCAL_MACHINE);
  classes.SetRootKey(HKEY_CLASSES_ROOT);
  user.CreateKey("Only\\User");
  EXPECT_FALSE(machine.KeyExists("Only"));
  EXPECT_FALSE(classes.OpenKey("X", true));
  EXPECT_FALSE(classes.KeyExists(""));
}

TEST_F(Registry, EverythingSurvivesAReload) {
  {
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey("Software\\Quelix\\Grid", true));
    reg.WriteString("Text", "a\"b&c<d>\te\r\nf 日本");
    reg.WriteString("Control", std::string("x\x01y\0z", 5));  // characters XML cannot carry
    reg.WriteInteger("Min", INT32_MIN);
    reg.WriteBinaryData("Empty", nullptr, 0);
    TRegistry machine;
    machine.SetRootKey(HKEY_LOCAL_MACHINE);
    ASSERT_TRUE(machine.OpenKey("System", true));
    machine.WriteInteger("Level", 7);
  }
  Reload();
  TRegistry reg;
  ASSERT_TRUE(reg.OpenKeyReadOnly("software\\quelix\\grid"));
  EXPECT_EQ(reg.ReadString("Text"), "a\"b&c<d>\te\r\nf 日本");
  EXPECT_EQ(reg.ReadString("Control"), std::string("x\x01y\0z", 5));
  EXPECT_EQ(reg.ReadInteger("Min"), INT32_MIN);
  EXPECT_EQ(reg.GetDataType("Empty"), rdBinary);
  EXPECT_EQ(reg.GetValueNames(), (std::vector<std::string>{"Text", "Control", "Min", "Empty"}));
  TRegistry machine;
  machine.SetRootKey(HKEY_LOCAL_MACHINE);
  ASSERT_TRUE(machine.OpenKeyReadOnly("System"));
  EXPECT_EQ(machine.ReadInteger("Level"), 7);
  EXPECT_EQ(folder_.EntryCount(), 1);  // no temporary file left behind
}

TEST_F(Registry, ChangesAnotherProcessWroteAreKept) {
  TRegistry reg;
  ASSERT_TRUE(reg.OpenKey("K", true));
  reg.WriteInteger("Ours", 1);
  // Another process adds a value and replaces the file.
  folder_.Write("other.xml",
                "<registry><key name=\"HKEY_CURRENT_USER\"><key name=\"K\">"
                "<value name=\"Ours\" type=\"integer\" data=\"1\"/>"
                "<value name=\"Theirs\" type=\"integer\" data=\"2\"/></key></key></registry>");
  std::filesystem::rename(folder_ / "other.xml", File());
  EXPECT_EQ(reg.ReadInteger("Theirs"), 2);
  reg.WriteInteger("Mine", 3);
  Reload();
  TRegistry again;
  ASSERT_TRUE(again.OpenKeyReadOnly("K"));
  EXPECT_EQ(again.GetValueNames(), (std::vector<std::string>{"Ours", "Theirs", "Mine"}));
}

TEST_F(Registry, ReadingCreatesNoFile) {
  TRegistry reg;
  EXPECT_FALSE(reg.KeyExists("Software"));
  EXPECT_FALSE(reg.OpenKeyReadOnly("Software"));
  EXPECT_FALSE(std::filesystem::exists(File()));
}

TEST_F(Registry, DamagedFileIsSetAsideAndTheRegistryStartsEmpty) {
  for (const char* content : {"<registry><key name=\"HKEY_CURRENT_USER\"><value name=\"a\"", "not xml",
                              "<registry><key name=\"HKEY_CURRENT_USER\"><value name=\"a\" type=\"integer\" "
                              "data=\"12x\"/></key></registry>",
                              "<registry><key name=\"HKEY_NOWHERE\"/></registry>"}) {
    std::filesystem::remove(folder_ / "registry.xml.damaged");
    folder_.Write("registry.xml", content);
    Reload();
    TRegistry reg;
    EXPECT_TRUE(reg.GetKeyNames().empty()) << content;
    EXPECT_EQ(TempFolder::Read(folder_ / "registry.xml.damaged"), content);
    ASSERT_TRUE(reg.OpenKey("K", true));
    reg.WriteInteger("V", 1);
    Reload();
    EXPECT_TRUE(TRegistry().KeyExists("K")) << content;
  }
}

TEST_F(Registry, DefaultLocationFollowsTheEnvironment) {
  // ctest itself sets QUELIX_REGISTRY_FILE so that no test can reach ~/.config.
  const char* was = std::getenv("QUELIX_REGISTRY_FILE");
  std::string oldFile = was ? was : "";
  platform::SetRegistryFile({});
  setenv("QUELIX_REGISTRY_FILE", (folder_ / "env.xml").c_str(), 1);
  EXPECT_EQ(platform::RegistryFile(), folder_ / "env.xml");
  unsetenv("QUELIX_REGISTRY_FILE");
  std::string oldXdg = std::getenv("XDG_CONFIG_HOME") ? std::getenv("XDG_CONFIG_HOME") : "";
  setenv("XDG_CONFIG_HOME", folder_.Path().c_str(), 1);
  EXPECT_EQ(platform::RegistryFile(), folder_ / "quelix" / "registry.xml");
  if (oldXdg.empty()) unsetenv("XDG_CONFIG_HOME");
  else setenv("XDG_CONFIG_HOME", oldXdg.c_str(), 1);
  if (was) setenv("QUELIX_REGISTRY_FILE", oldFile.c_str(), 1);
}

}  // namespace
