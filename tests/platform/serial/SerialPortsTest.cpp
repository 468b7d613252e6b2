#include "platform/serial/SerialPorts.h"
#include "platform/support/TempFolder.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using platform::SerialDevicePath;
using platform::SerialPortExists;

class FakeDevices : public testing::Test {
protected:
  FakeDevices() {
    folder_.Write("ttyS0", "");
    mkfifo((folder_ / "ttyS2").c_str(), 0600);
    folder_.Write("ttyUSB1", "");
    folder_.Write("ttyUSB0", "");
    mkfifo((folder_ / "ttyACM0").c_str(), 0600);
    std::filesystem::create_directory(folder_ / "ttyS3x");
    folder_.Write("ttyUSB", "");
    folder_.Write("ttySAC0", "");
    platform::SetSerialDeviceFolder(folder_.Path());
  }
  ~FakeDevices() override { platform::SetSerialDeviceFolder({}); }

  testsupport::TempFolder folder_;
};

TEST_F(FakeDevices, TableHasOnboardPortsByNumberThenAdapters) {
  std::vector<std::filesystem::path> expected;
  for (const char* name : {"ttyS0", "ttyS1", "ttyS2", "ttyUSB0", "ttyUSB1", "ttyACM0"})
    expected.push_back(folder_ / name);
  EXPECT_EQ(platform::SerialDeviceTable(), expected);
  EXPECT_EQ(SerialDevicePath("com3"), folder_ / "ttyS2");
  EXPECT_EQ(SerialDevicePath("COM6"), folder_ / "ttyACM0");
}

TEST_F(FakeDevices, PortsThatOpenExistAndMissingOnesDoNot) {
  const bool expected[] = {true, false, true, true, true, true, false};
  for (int n = 1; n <= 7; ++n)
    EXPECT_EQ(SerialPortExists("COM" + std::to_string(n)), expected[n - 1]) << "COM" << n;
}

TEST_F(FakeDevices, MalformedNamesAreNoPorts) {
  for (const char* name : {"", "COM", "COM0", "COM-1", "COM257", "COM1x", "LPT1", "COM 1", " COM1", "COM01x"}) {
    EXPECT_TRUE(SerialDevicePath(name).empty()) << name;
    EXPECT_FALSE(SerialPortExists(name)) << name;
  }
}

TEST_F(FakeDevices, AFolderInPlaceOfADeviceIsNoPort) {
  std::filesystem::create_directory(folder_ / "ttyUSB2");
  EXPECT_EQ(SerialDevicePath("COM6"), folder_ / "ttyUSB2");
  EXPECT_FALSE(SerialPortExists("COM6"));
}

TEST_F(FakeDevices, PortRefusedForPermissionsStillExists) {
  if (geteuid() == 0) GTEST_SKIP() << "permissions do not refuse the superuser";
  chmod((folder_ / "ttyS0").c_str(), 0);
  EXPECT_TRUE(SerialPortExists("COM1"));
}

TEST(SerialPorts, InUseMeansExistsMissingDoesNot) {
  EXPECT_TRUE(platform::OpenErrorMeansPortExists(EBUSY));
  EXPECT_TRUE(platform::OpenErrorMeansPortExists(EACCES));
  EXPECT_TRUE(platform::OpenErrorMeansPortExists(EPERM));
  for (int error : {ENOENT, ENXIO, ENODEV, EIO, EISDIR})
    EXPECT_FALSE(platform::OpenErrorMeansPortExists(error)) << error;
}

TEST(SerialPorts, EmptyOrMissingFolderGivesNoPorts) {
  platform::SetSerialDeviceFolder("/nonexistent-quelix-folder");
  EXPECT_TRUE(platform::SerialDeviceTable().empty());
  EXPECT_FALSE(SerialPortExists("COM1"));
  platform::SetSerialDeviceFolder({});
  EXPECT_EQ(platform::SerialDeviceFolder(), "/dev");
}

}  // namespace
