#include "outputs/UUpdateDevice.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "base/ULanguage.h"
#include "outputs/Usavebincc.h"
#include "tests/outputs/SectionFixtures.h"

class UUpdateDeviceTest : public testing::Test {
protected:
  void SetUp() override { Load_Default_Lang(); }
  void TearDown() override { Lang_Strings.clear(); }
  TProjectFixture project;
};

TEST_F(UUpdateDeviceTest, NoProject) {
  Project_Folder.clear();
  Set_Files();
  for (TOutputResult r : {Prepare_GSD(), Prepare_Update_Device()}) {
    EXPECT_EQ(r.Step, osNoProject);
    EXPECT_EQ(r.Message(), "Project not valid");
  }
}

// Each step says what it needs the parameters for.
TEST_F(UUpdateDeviceTest, MissingParGenIsRefused) {
  TOutputResult gsd = Prepare_GSD();
  EXPECT_EQ(gsd.Step, osNoParGen);
  EXPECT_EQ(gsd.Message(), "Error! Please set the Set Communication Parameter before to create the GSD file");
  TOutputResult update = Prepare_Update_Device();
  EXPECT_EQ(update.Step, osUpdateNoParGen);
  EXPECT_EQ(update.Message(), "Error! Please set the Communication Parameters before updating the Device");
  EXPECT_FALSE(std::filesystem::exists(project.dir.Sub("PROJECTS/P/bin/bank.bin")));
}

TEST_F(UUpdateDeviceTest, FailedCheckStopsBeforeAnyFile) {
  project.Par_Gen(Profi_Choices("1", "1"));
  project.Receive(Repeat(Rx_Row("1"), 30));
  project.Transmit(Repeat(Tx_Row(), 30));
  TOutputResult r = Prepare_Update_Device();
  EXPECT_EQ(r.Step, osCheckFailed);
  EXPECT_EQ(r.Check.Message, 718);
  EXPECT_EQ(r.Message(), Lang_Text(718));
  EXPECT_FALSE(std::filesystem::exists(project.dir.Sub("PROJECTS/P/bin/bank.bin")));
}

TEST_F(UUpdateDeviceTest, BuildAndWriteFailuresAreReported) {
  project.Par_Gen("");
  project.Transmit("<row DataPage=\"0\"/>");
  TOutputResult r = Prepare_Update_Device();
  EXPECT_EQ(r.Step, osBuildFailed);
  EXPECT_NE(r.Message().find("Priority"), std::string::npos) << r.Message();

  project.Transmit(Tx_Row());
  project.dir.Write("PROJECTS/P/bin", "in the way");
  r = Prepare_Update_Device();
  EXPECT_EQ(r.Step, osWriteFailed);
  EXPECT_NE(r.Message().find("bank.bin"), std::string::npos) << r.Message();
}

TEST_F(UUpdateDeviceTest, ReadyWritesTheImage) {
  project.Par_Gen("<Profi_ID>3</Profi_ID>");
  EXPECT_TRUE(Prepare_GSD().Ready());
  TOutputResult r = Prepare_Update_Device();
  ASSERT_TRUE(r.Ready()) << r.Message();
  EXPECT_EQ(project.dir.Read("PROJECTS/P/bin/bank.bin").size(), 3968u);
}
