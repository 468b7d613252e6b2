#include "app/UProject.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "base/UComon.h"
#include "base/ULanguage.h"
#include "tests/base/TempFolder.h"

namespace fs = std::filesystem;

class UProjectTest : public testing::Test {
protected:
  void SetUp() override {
    Reset_Comon();
    Init_Working_Folders(dir.Path());
  }
  void TearDown() override { Reset_Comon(); }

  void Make_Project(const std::string& name) { fs::create_directories(dir.Sub("PROJECTS/" + name)); }

  TTempFolder dir;
};

TEST_F(UProjectTest, NameRules) {
  struct Case { const char* name; int result; } cases[] = {
      {"Line3", 0},      {"My Plant 2", 0}, {".hidden", 0},  {"a.b", 0},     {"", 31},
      {".", 29},         {"..", 29},        {"a/b", 29},     {"a\\b", 29},   {"a<b", 29},
      {"a>b", 29},       {"a:b", 29},       {"a\"b", 29},    {"a|b", 29},    {"a?b", 29},
      {"a*b", 29},       {"a\tb", 29},      {" lead", 29},   {"trail ", 29}, {"dot.", 29},
  };
  for (const Case& c : cases) EXPECT_EQ(Check_Project_Name(c.name), c.result) << c.name;
}

TEST_F(UProjectTest, CreateMakesTheFolderBinAndOpensIt) {
  ASSERT_EQ(Create_Project("Line3"), 0);
  EXPECT_TRUE(fs::is_directory(dir.Sub("PROJECTS/Line3/bin")));
  EXPECT_EQ(Project_Name, "Line3");
  EXPECT_EQ(Project_Folder, dir.Sub("PROJECTS/Line3"));
  EXPECT_EQ(Path_ParGen, dir.Sub("PROJECTS/Line3/ParGen.xml"));
}

TEST_F(UProjectTest, CreateRefusals) {
  Make_Project("Line3");
  ASSERT_EQ(Open_Project_Named("Line3"), true);
  EXPECT_EQ(Create_Project(""), 31);
  EXPECT_EQ(Create_Project("LINE3"), 30);  // exists in another letter case
  EXPECT_EQ(Create_Project("Line3"), 30);
  EXPECT_EQ(Create_Project("../escape"), 29);
  EXPECT_FALSE(fs::exists(dir.Sub("escape")));
  EXPECT_EQ(Project_Name, "Line3");  // nothing changed
  EXPECT_EQ(Project_Folder, dir.Sub("PROJECTS/Line3"));
}

// A projects folder that cannot take a project is named with what is wrong
// with it, instead of blaming the project's name (string 29).
TEST_F(UProjectTest, CreateSaysWhatIsWrongWithTheProjectsFolder) {
  struct TCase {
    const char* why;
    std::function<void()> make;
  } cases[] = {
      {"it is a file, not a folder", [&] { dir.Write("PROJECTS", "a file in the way"); }},
      {"it is a link to nothing", [&] { fs::create_symlink(dir.Sub("gone"), dir.Sub("PROJECTS")); }},
      {"it does not exist", [] {}},
  };
  for (const TCase& c : cases) {
    fs::remove_all(dir.Sub("PROJECTS"));
    c.make();
    EXPECT_EQ(Create_Project("Line3"), Msg_Projects_Folder_Unusable) << c.why;
    EXPECT_EQ(Create_Project_Text(Msg_Projects_Folder_Unusable),
              "No project can be created in the projects folder " + Projects_Folder + ": " + c.why);
    EXPECT_EQ(Project_Folder, "");
  }
  Load_Default_Lang();
  EXPECT_EQ(Create_Project_Text(Msg_Name_Exists), "Error! Name project is not valid because directory already exists");
}

// A folder name that is not UTF-8 is listed readably and cannot be opened.
TEST_F(UProjectTest, FolderNameThatIsNotUtf8) {
  const std::string raw = "Line\xE8" "3";
  Make_Project(raw);
  ASSERT_EQ(Load_Existing_Configuration(), std::vector<std::string>{raw});
  EXPECT_EQ(Project_Display_Name(raw), "Line\xEF\xBF\xBD" "3");
  EXPECT_FALSE(Can_Open_Project(raw));
  EXPECT_TRUE(Can_Open_Project("Line\xC3\xA8" "3"));
}

TEST_F(UProjectTest, ListIsSortedIgnoringCaseAndHoldsFoldersOnly) {
  for (const char* name : {"beta", "Alpha", "gamma"}) Make_Project(name);
  dir.Write("PROJECTS/file.txt", "");
  EXPECT_EQ(Load_Existing_Configuration(), (std::vector<std::string>{"Alpha", "beta", "gamma"}));
}

TEST_F(UProjectTest, PreselectionFollowsTheOpenProjectInAnyCase) {
  for (const char* name : {"A", "LINE3", "Z"}) Make_Project(name);
  std::vector<std::string> list = Load_Existing_Configuration();
  EXPECT_EQ(Preselected_Project(list), 0);  // no project open
  Project_Folder = Join_Path(Projects_Folder, "Line3");
  EXPECT_EQ(Search_Open_Conf(list, "line3"), 1);
  EXPECT_EQ(Preselected_Project(list), 1);
  EXPECT_EQ(Preselected_Project({}), -1);
}

TEST_F(UProjectTest, OpenTakesTheFoldersSpelling) {
  Make_Project("LINE3");
  EXPECT_TRUE(Open_Project_Named("line3"));
  EXPECT_EQ(Project_Name, "LINE3");
  EXPECT_EQ(Project_Folder, dir.Sub("PROJECTS/LINE3"));
  EXPECT_EQ(Path_J1939_Transmit, dir.Sub("PROJECTS/LINE3/J1939_Transmit.xml"));
}

TEST_F(UProjectTest, OpenWithNothingToOpenLeavesNoProject) {
  Make_Project("A");
  ASSERT_TRUE(Open_Project_Named("A"));
  for (const char* name : {"", "gone"}) {
    EXPECT_FALSE(Open_Project_Named(name)) << name;
    EXPECT_EQ(Project_Name, "");
    EXPECT_EQ(Project_Folder, "");
    EXPECT_EQ(Path_ParGen, "");
  }
}

TEST_F(UProjectTest, RestoreLastProject) {
  Make_Project("Line3");
  Project_Name = "line3";
  Restore_Last_Project();
  EXPECT_EQ(Project_Folder, dir.Sub("PROJECTS/Line3"));

  Project_Name = "Deleted";
  Restore_Last_Project();
  EXPECT_EQ(Project_Folder, "");
  EXPECT_EQ(Project_Name, "Deleted");  // written back at close

  Project_Name = "..";
  Restore_Last_Project();
  EXPECT_EQ(Project_Folder, "");
}
