#include "platform/serial/SerialPorts.h"

#include <cctype>
#include <cerrno>
#include <charconv>
#include <fcntl.h>
#include <map>
#include <mutex>
#include <unistd.h>

namespace platform {
namespace {

std::mutex g_lock;
std::filesystem::path g_folder = "/dev";

// The number after `prefix` in a device name ("ttyUSB3" -> 3), or -1.
int DeviceNumber(const std::string& name, std::string_view prefix) {
  if (name.size() <= prefix.size() || name.compare(0, prefix.size(), prefix) != 0) return -1;
  int number = -1;
  const char* first = name.data() + prefix.size();
  const char* last = name.data() + name.size();
  auto [end, ec] = std::from_chars(first, last, number);
  if (ec != std::errc() || end != last || number < 0) return -1;
  return number;
}

// Number -> path of each device family present in the folder.
struct Families {
  std::map<int, std::filesystem::path> onboard, usb, acm;
};

Families Scan(const std::filesystem::path& folder) {
  Families found;
  std::error_code ec;
  for (const auto& entry : std::filesystem::directory_iterator(folder, ec)) {
    std::string name = entry.path().filename().string();
    if (int n = DeviceNumber(name, "ttyS"); n >= 0) found.onboard[n] = entry.path();
    else if (int n = DeviceNumber(name, "ttyUSB"); n >= 0) found.usb[n] = entry.path();
    else if (int n = DeviceNumber(name, "ttyACM"); n >= 0) found.acm[n] = entry.path();
  }
  return found;
}

}  // namespace

void SetSerialDeviceFolder(const std::filesystem::path& folder) {
  std::lock_guard lock(g_lock);
  g_folder = folder.empty() ? std::filesystem::path("/dev") : folder;
}

std::filesystem::path SerialDeviceFolder() {
  std::lock_guard lock(g_lock);
  return g_folder;
}

std::vector<std::filesystem::path> SerialDeviceTable() {
  std::filesystem::path folder = SerialDeviceFolder();
  Families found = Scan(folder);
  std::vector<std::filesystem::path> table;
  // On-board ports keep their numbers (COMn = ttyS(n-1)) even with gaps, as
  // the names people know them by depend on it.
  if (!found.onboard.empty()) {
    int highest = found.onboard.rbegin()->first;
    for (int n = 0; n <= highest && static_cast<int>(table.size()) < kMaxComPort; ++n)
      table.push_back(folder / ("ttyS" + std::to_string(n)));
  }
  for (const auto* family : {&found.usb, &found.acm})
    for (const auto& [n, path] : *family)
      if (static_cast<int>(table.size()) < kMaxComPort) table.push_back(path);
  return table;
}

std::filesystem::path SerialDevicePath(std::string_view portName) {
  if (portName.size() < 4) return {};
  for (size_t i = 0; i < 3; ++i)
    if (std::toupper(static_cast<unsigned char>(portName[i])) != "COM"[i]) return {};
  int number = 0;
  auto [end, ec] = std::from_chars(portName.data() + 3, portName.data() + portName.size(), number);
  if (ec != std::errc() || end != portName.data() + portName.size() || number < 1 || number > kMaxComPort) return {};
  std::vector<std::filesystem::path> table = SerialDeviceTable();
  return number <= static_cast<int>(table.size()) ? table[number - 1] : std::filesystem::path();
}

bool OpenErrorMeansPortExists(int error) { return error == EBUSY || error == EACCES || error == EPERM; }

bool SerialPortExists(std::string_view portName) {
  std::filesystem::path device = SerialDevicePath(portName);
  if (device.empty()) return false;
  int fd = open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return OpenErrorMeansPortExists(errno);
  close(fd);
  return true;
}

}  // namespace platform
