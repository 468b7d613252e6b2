#include "app/UStartUp.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "app/USettings.h"
#include "base/UComon.h"
#include "base/ULanguage.h"
#include "tests/base/TempFolder.h"

namespace fs = std::filesystem;

class UStartUpTest : public testing::Test {
protected:
  void TearDown() override {
    Reset_Comon();
    Lang_Strings.clear();
  }
  TTempFolder dir;
};

TEST_F(UStartUpTest, FirstStartInAnEmptyFolder) {
  Start_Up(dir.Path());
  for (const char* name : {"MASTER", "PROJECTS", "LANGUAGE"}) EXPECT_TRUE(fs::is_directory(dir.Sub(name))) << name;
  EXPECT_EQ(Language_Name, "English");
  EXPECT_EQ(Device_IP, "192.168.2.205");
  EXPECT_EQ(Project_Folder, "");
  EXPECT_EQ(Path_ParGen, "");
  EXPECT_EQ(Window_Title, "Quelix - Configurator CF21070 - J1939 / PROFIBUS Slave ");
  EXPECT_EQ(SW_Code, "CF21070");
  EXPECT_EQ(SW_Description, "J1939 / PROFIBUS Slave - Converter");
  EXPECT_EQ(Lang_Strings.size(), static_cast<size_t>(Lang_Table_Size));
  EXPECT_EQ(Project_Label_Texts(), std::make_pair(std::string("None Configuration Opened "),
                                                  std::string("Use Step1 to open or create new configuration")));
  EXPECT_EQ(Check_Project_Open(), 22);
  ASSERT_TRUE(Shut_Down());
  EXPECT_TRUE(fs::exists(dir.Sub("Tessimator.xml")));
}

TEST_F(UStartUpTest, RemembersTheProjectAndTheLanguage) {
  fs::create_directories(dir.Sub("PROJECTS/Line3"));
  dir.Write("LANGUAGE/Italiano.lng", "STR10 = Configurazione aperta : \xC2\xB6\xC2\xB6\n");
  dir.Write("Tessimator.xml",
            "<Conf_Settings><lastproj><projectname>Line3</projectname></lastproj>"
            "<lastlang><language>Italiano</language></lastlang></Conf_Settings>");
  Start_Up(dir.Path());
  EXPECT_EQ(Project_Folder, dir.Sub("PROJECTS/Line3"));
  EXPECT_EQ(Path_J1939_Receive, dir.Sub("PROJECTS/Line3/J1939_Receive.xml"));
  EXPECT_EQ(Language_Name, "Italiano");
  EXPECT_EQ(Project_Label_Texts().first, "Configurazione aperta : ");
  EXPECT_EQ(Project_Label_Texts().second, "Line3");
  EXPECT_EQ(Check_Project_Open(), 0);
}

TEST_F(UStartUpTest, DeletedProjectAndMissingLanguage) {
  dir.Write("Tessimator.xml",
            "<Conf_Settings><lastproj><projectname>Gone</projectname></lastproj>"
            "<lastlang><language>Deutsch</language></lastlang></Conf_Settings>");
  Start_Up(dir.Path());
  EXPECT_EQ(Project_Folder, "");
  EXPECT_EQ(Project_Name, "Gone");
  EXPECT_EQ(Language_Name, "English");
  ASSERT_TRUE(Shut_Down());
  Reset_Comon();
  Exe_Folder = dir.Path();
  Read_Setting(Settings_Path());
  EXPECT_EQ(Project_Name, "Gone");  // written back for the next start
}
