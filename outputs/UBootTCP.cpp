#include "outputs/UBootTCP.h"

#include "toolkit/rtl/SysUtils.h"

namespace {

// A part that is no integer counts as 1000, out of range like any other.
bool Octet(const std::string& part) {
  int v = StrToIntDef(part, 1000);
  return v >= 0 && v <= 255;
}

}  // namespace

bool Valid_IP(const std::string& IP, std::array<std::string, 4>& Parts) {
  std::array<std::string, 4> parts;
  std::string rest = Trim(IP);
  for (int i = 0; i < 3; ++i) {
    size_t dot = rest.find('.');
    if (dot == std::string::npos) return false;
    parts[static_cast<size_t>(i)] = Trim(rest.substr(0, dot));
    rest = Trim(rest.substr(dot + 1));
  }
  parts[3] = rest;
  for (const std::string& p : parts)
    if (!Octet(p)) return false;
  Parts = parts;
  return true;
}

std::vector<std::string> Serial_Update_Arguments(const std::string& Port, const TUpdateOptions& Options) {
  return With_Option_Codes({"\\\\.\\" + Port}, Options);
}

std::string Join_IP(const std::array<std::string, 4>& Edits) {
  return Edits[0] + "." + Edits[1] + "." + Edits[2] + "." + Edits[3];
}

std::vector<std::string> Network_Update_Arguments(const std::array<std::string, 4>& Edits,
                                                  const TUpdateOptions& Options) {
  return With_Option_Codes({Join_IP(Edits), "2007"}, Options);
}

std::string No_Updater_Reason_Text() {
  return "No updater program for this connection comes with this build: update the device over the CAN bus";
}
