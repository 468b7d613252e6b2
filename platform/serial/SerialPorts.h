#pragma once
// Serial ports by their "COMn" names. One table maps the names to devices:
// the on-board ports /dev/ttyS0, ttyS1, ... up to the highest one present come
// first (COM1 = ttyS0), then the USB adapters ttyUSB0.. and the ACM modems
// ttyACM0.. in number order, each taking the next COM number, up to COM256.
// Tests point the table at a folder of fake devices (regular files or FIFOs
// named like the real ones).

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

constexpr int kMaxComPort = 256;

// The devices for COM1, COM2, ... in order (at most kMaxComPort).
std::vector<std::filesystem::path> SerialDeviceTable();

// The device for "COMn" (case-insensitive, n from 1), or empty when the name is
// malformed or n is beyond the table.
std::filesystem::path SerialDevicePath(std::string_view portName);

// True when the port's device opens for reading and writing, or is refused
// because it is in use or not ours (EBUSY, EACCES, EPERM); false when it is
// missing or has no hardware behind it. Never blocks: opened non-blocking,
// closed at once, its settings untouched.
bool SerialPortExists(std::string_view portName);

// Whether a failed open with this errno still means the port exists.
bool OpenErrorMeansPortExists(int error);

// Where the device nodes are looked for: "/dev" unless a test set another folder.
void SetSerialDeviceFolder(const std::filesystem::path& folder);  // empty restores "/dev"
std::filesystem::path SerialDeviceFolder();

}  // namespace platform
