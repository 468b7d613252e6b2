#include "base/UComon.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "tests/base/TempFolder.h"

namespace fs = std::filesystem;

class UComonTest : public testing::Test {
protected:
  void SetUp() override { Reset_Comon(); }
  void TearDown() override { Reset_Comon(); }
};

TEST_F(UComonTest, WorkingFoldersAreCreatedBesideTheProgram) {
  TTempFolder dir;
  Init_Working_Folders(dir.Path() + "/");
  EXPECT_EQ(Exe_Folder, dir.Path());
  EXPECT_EQ(Master_Folder, dir.Sub("MASTER"));
  EXPECT_EQ(Projects_Folder, dir.Sub("PROJECTS"));
  EXPECT_EQ(Language_Folder, dir.Sub("LANGUAGE"));
  for (const char* name : {"MASTER", "PROJECTS", "LANGUAGE"}) EXPECT_TRUE(fs::is_directory(dir.Sub(name))) << name;
}

TEST_F(UComonTest, AFolderThatCannotBeCreatedIsNotReported) {
  TTempFolder dir;
  dir.Write("MASTER", "a file in the way");
  Init_Working_Folders(dir.Path());
  EXPECT_EQ(Master_Folder, dir.Sub("MASTER"));
  EXPECT_TRUE(fs::is_directory(dir.Sub("PROJECTS")));
}

TEST_F(UComonTest, SetFilesWithoutAProjectLeavesEveryPathEmpty) {
  Path_ParGen = "stale";
  Set_Files();
  for (const TSectionFile& f : Section_Files) EXPECT_EQ(*f.Path, "") << f.FileName;
}

TEST_F(UComonTest, SetFilesJoinsTheProjectFolderAndTheFileNames) {
  Projects_Folder = "/opt/cfg/PROJECTS";
  Project_Name = "P";
  Project_Folder = Join_Path(Projects_Folder, Project_Name);
  Set_Files();
  EXPECT_EQ(Path_J1939_Receive, "/opt/cfg/PROJECTS/P/J1939_Receive.xml");
  EXPECT_EQ(Path_ParGen, "/opt/cfg/PROJECTS/P/ParGen.xml");
  EXPECT_EQ(Path_CAN_Define_Transmit, "/opt/cfg/PROJECTS/P/CAN_Define_Transmit.xml");
  EXPECT_EQ(Path_CANopen_Define_NG_J1939_Frames, "/opt/cfg/PROJECTS/P/CANopen_Define_NG_J1939_Frames.xml");
}

TEST_F(UComonTest, TheSixteenSectionFilesAreDistinct) {
  Project_Folder = "/p";
  Set_Files();
  std::set<std::string> paths;
  for (const TSectionFile& f : Section_Files) paths.insert(*f.Path);
  EXPECT_EQ(paths.size(), 16u);
}

TEST_F(UComonTest, ConstantsOfThisBuild) {
  EXPECT_EQ(SW_Code_Default, "CF21070");
  EXPECT_EQ(SW_Description_Default, "J1939 / PROFIBUS Slave - Converter");
  EXPECT_EQ(SW_Version_Code, "CF21070");
  EXPECT_EQ(Position_Count, 2000);
  EXPECT_EQ(Window_Title_Default, "Quelix - Configurator CF21070 - J1939 / PROFIBUS Slave ");
  EXPECT_EQ(Web_Host, "www.quelix.example");
}
