#include "outputs/UBootCAN.h"

#include <gtest/gtest.h>

#include "base/UComon.h"
#include "base/ULanguage.h"
#include "platform/process/RecordingLauncher.h"
#include "platform/serial/SerialPorts.h"
#include "tests/base/TempFolder.h"

class UBootCANTest : public testing::Test {
protected:
  void SetUp() override {
    Reset_Comon();
    Exe_Folder = "/opt/My Tools/cfg";
    Master_Folder = "/opt/My Tools/cfg/MASTER";
    Projects_Folder = "/opt/My Tools/cfg/PROJECTS";
    Project_Name = "Line 3";
    Project_Folder = "/opt/My Tools/cfg/PROJECTS/Line 3";
  }
  void TearDown() override { Reset_Comon(); }
};

TEST_F(UBootCANTest, EveryOptionCombination) {
  for (int bits = 0; bits < 16; ++bits) {
    TUpdateOptions o{(bits & 1) != 0, (bits & 2) != 0, (bits & 4) != 0, (bits & 8) != 0};
    const std::vector<std::string> expected{"COM12", std::to_string(bits % 12), o.Firmware ? "FW" : "NO",
                                            o.Read_Firm ? "FR" : "NO", o.Conf ? "PW" : "NO", o.Read_Conf ? "PR" : "NO",
                                            "/opt/My Tools/cfg/MASTER/sim21070.sim",
                                            "/opt/My Tools/cfg/PROJECTS/Line 3/bin/bank.bin"};
    EXPECT_EQ(Updater_Arguments("COM12", bits % 12, o), expected) << bits;
  }
}

TEST_F(UBootCANTest, ProgramAndImages) {
  EXPECT_EQ(Updater_Program_Path(), "/opt/My Tools/cfg/CAN_21070_Update.exe");
  EXPECT_EQ(Firmware_Image_Path(), "/opt/My Tools/cfg/MASTER/sim21070.sim");
  EXPECT_EQ(Config_Image_Path(), "/opt/My Tools/cfg/PROJECTS/Line 3/bin/bank.bin");
}

TEST_F(UBootCANTest, PortsAndChoices) {
  EXPECT_EQ(Com_Port_Names({1, 3, 256}), (std::vector<std::string>{"COM1", "COM3", "COM256"}));
  EXPECT_EQ(Check_Com_Choice(""), 188);
  EXPECT_EQ(Check_Com_Choice("COM1"), 0);
  Load_Default_Lang();
  EXPECT_EQ(Lang_Text(Baud_Choice_First_String), "Search Baudrate");
  EXPECT_EQ(Lang_Text(Baud_Choice_First_String + Baud_Choice_Count - 1), "1000000");
  Lang_Strings.clear();
}

TEST_F(UBootCANTest, PathsWithBlanksStaySingleArguments) {
  EXPECT_EQ(Updater_Arguments("COM3", 8, {true, false, true, true}),
            (std::vector<std::string>{"COM3", "8", "FW", "NO", "PW", "PR", "/opt/My Tools/cfg/MASTER/sim21070.sim",
                                      "/opt/My Tools/cfg/PROJECTS/Line 3/bin/bank.bin"}));
}

// Folder names may hold quotes and backslashes: the updater gets each path whole.
TEST_F(UBootCANTest, PathsWithQuotesStaySingleArguments) {
  Exe_Folder = "/opt/\"Q\" \\tools\\";
  Master_Folder = Exe_Folder + "/MASTER";
  Project_Folder = "/p/say \"hi\"";
  const std::vector<std::string> arguments = Updater_Arguments("COM1", 0, {});
  ASSERT_EQ(arguments.size(), 8u);
  EXPECT_EQ(arguments[6], "/opt/\"Q\" \\tools\\/MASTER/sim21070.sim");
  EXPECT_EQ(arguments[7], "/p/say \"hi\"/bin/bank.bin");
}

TEST_F(UBootCANTest, RunUpdaterStartsTheProgramBesideTheConfigurator) {
  platform::RecordingProcessLauncher launcher;
  platform::SetProcessLauncher(&launcher);
  TProgramResult r = Run_Updater("COM1", 0, {});
  platform::SetProcessLauncher(nullptr);
  EXPECT_TRUE(r.Ok());
  ASSERT_EQ(launcher.StartedPrograms().size(), 1u);
  auto started = launcher.StartedPrograms()[0];
  EXPECT_EQ(started.request.program, "/opt/My Tools/cfg/CAN_21070_Update.exe");
  EXPECT_TRUE(started.request.showWindow);
  EXPECT_EQ(started.request.arguments, Updater_Arguments("COM1", 0, {}));
}

TEST_F(UBootCANTest, PortListFromTheDevicesPresent) {
  TTempFolder devices;
  platform::SetSerialDeviceFolder(devices.Path());
  EXPECT_TRUE(Com_Port_List().empty());
  devices.Write("ttyS0", "");
  devices.Write("ttyUSB0", "");
  EXPECT_EQ(EnumPorts(), (std::vector<int>{1, 2}));
  EXPECT_EQ(Com_Port_List(), (std::vector<std::string>{"COM1", "COM2"}));
  platform::SetSerialDeviceFolder({});
}
