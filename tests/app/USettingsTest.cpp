#include "app/USettings.h"

#include <gtest/gtest.h>

#include "base/UComon.h"
#include "tests/base/TempFolder.h"

class USettingsTest : public testing::Test {
protected:
  void SetUp() override {
    Reset_Comon();
    Exe_Folder = dir.Path();
  }
  void TearDown() override { Reset_Comon(); }

  void Expect_Defaults() {
    EXPECT_EQ(Project_Name, "");
    EXPECT_EQ(Device_IP, "192.168.2.205");
    EXPECT_EQ(Language_Name, "English");
    EXPECT_FALSE(Internet_Enabled);
    EXPECT_FALSE(Update_Enabled);
  }

  TTempFolder dir;
};

const char* const Full_File =
    "<Conf_Settings><lastproj><projectname>Line3</projectname></lastproj>"
    "<lastipadd><ipaddress>10.0.0.7</ipaddress></lastipadd>"
    "<lastlang><language>Italiano</language></lastlang>"
    "<lastinternet><enable_internet>1</enable_internet><enable_update>0</enable_update></lastinternet>"
    "</Conf_Settings>";

TEST_F(USettingsTest, PathIsBesideTheProgram) { EXPECT_EQ(Settings_Path(), dir.Sub("Tessimator.xml")); }

TEST_F(USettingsTest, MissingFileGivesDefaults) {
  Device_IP = "stale";
  Read_Setting(Settings_Path());
  Expect_Defaults();
}

TEST_F(USettingsTest, ReadsEveryValue) {
  Read_Setting(dir.Write("Tessimator.xml", Full_File));
  EXPECT_EQ(Project_Name, "Line3");
  EXPECT_EQ(Device_IP, "10.0.0.7");
  EXPECT_EQ(Language_Name, "Italiano");
  EXPECT_TRUE(Internet_Enabled);
  EXPECT_FALSE(Update_Enabled);
}

TEST_F(USettingsTest, RoundTrip) {
  Project_Name = "Line3";
  Device_IP = "10.0.0.7";
  Language_Name = "Italiano";
  Internet_Enabled = true;
  Update_Enabled = true;
  ASSERT_TRUE(Save_Setting(Settings_Path()));
  Reset_Comon();
  Exe_Folder = dir.Path();
  Read_Setting(Settings_Path());
  EXPECT_EQ(Project_Name, "Line3");
  EXPECT_EQ(Device_IP, "10.0.0.7");
  EXPECT_EQ(Language_Name, "Italiano");
  EXPECT_TRUE(Internet_Enabled);
  EXPECT_TRUE(Update_Enabled);
}

TEST_F(USettingsTest, WrittenAfterAFirstStart) {
  Read_Setting(Settings_Path());
  ASSERT_TRUE(Save_Setting(Settings_Path()));
  std::string text = dir.Read("Tessimator.xml");
  EXPECT_EQ(text.find("<Conf_Settings>"), 0u) << text;
  for (const char* part : {"<projectname", "<ipaddress>192.168.2.205</ipaddress>", "<language>English</language>",
                           "<enable_internet>0</enable_internet>", "<enable_update>0</enable_update>"})
    EXPECT_NE(text.find(part), std::string::npos) << part;
}

TEST_F(USettingsTest, EachValueFallsBackByItself) {
  struct Case { const char* body; const char* project; const char* ip; const char* language; bool internet; bool update; };
  const Case cases[] = {
      {"<Conf_Settings><lastlang><language>Deutsch</language></lastlang></Conf_Settings>", "", "192.168.2.205",
       "Deutsch", false, false},
      // Only the exact text "1" is on.
      {"<Conf_Settings><lastinternet><enable_internet>true</enable_internet><enable_update> 1</enable_update>"
       "</lastinternet></Conf_Settings>", "", "192.168.2.205", "English", false, false},
      // Present but empty is an empty value, not the default.
      {"<Conf_Settings><lastipadd><ipaddress/></lastipadd><lastlang><language></language></lastlang></Conf_Settings>",
       "", "", "", false, false},
      // A leaf holding elements is unreadable.
      {"<Conf_Settings><lastipadd><ipaddress><x/></ipaddress></lastipadd></Conf_Settings>", "", "192.168.2.205",
       "English", false, false},
      // The root's own name plays no part.
      {"<Other><lastproj><projectname>P1</projectname></lastproj></Other>", "P1", "192.168.2.205", "English", false,
       false},
      // A declaration or a comment before the root does not hide it.
      {"<?xml version=\"1.0\"?><!-- saved by hand --><Conf_Settings><lastproj><projectname>P2</projectname>"
       "</lastproj></Conf_Settings>", "P2", "192.168.2.205", "English", false, false},
      // A project name that could leave the projects folder is not taken.
      {"<Conf_Settings><lastproj><projectname>../../etc</projectname></lastproj></Conf_Settings>", "",
       "192.168.2.205", "English", false, false},
      {"not xml at all", "", "192.168.2.205", "English", false, false},
      {"<Conf_Settings><lastproj>", "", "192.168.2.205", "English", false, false},
      {"", "", "192.168.2.205", "English", false, false},
  };
  for (const Case& c : cases) {
    Reset_Comon();
    Exe_Folder = dir.Path();
    Read_Setting(dir.Write("Tessimator.xml", c.body));
    EXPECT_EQ(Project_Name, c.project) << c.body;
    EXPECT_EQ(Device_IP, c.ip) << c.body;
    EXPECT_EQ(Language_Name, c.language) << c.body;
    EXPECT_EQ(Internet_Enabled, c.internet) << c.body;
    EXPECT_EQ(Update_Enabled, c.update) << c.body;
  }
}

TEST_F(USettingsTest, FailedWriteKeepsTheOldFile) {
  std::string path = dir.Write("Tessimator.xml", Full_File);
  std::string error;
  EXPECT_FALSE(Save_Setting(dir.Sub("missing/Tessimator.xml"), &error));
  EXPECT_FALSE(error.empty());
  Project_Name = "bad\x01name";  // a control character cannot be written in XML
  EXPECT_FALSE(Save_Setting(path, &error));
  EXPECT_EQ(dir.Read("Tessimator.xml"), Full_File);
}
