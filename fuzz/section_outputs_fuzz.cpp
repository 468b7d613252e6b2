// Fuzz target over the device outputs: arbitrary ParGen.xml, J1939_Receive.xml
// and J1939_Transmit.xml (the input split at its first two NUL bytes) go
// through the module checks, the configuration image and the GSD builder.
// Each must either refuse the files with ESectionFileError or produce a
// whole result: an image of 3968 bytes with a correct checksum, and GSD data
// whose lengths are never negative.

#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include "base/UComon.h"
#include "outputs/UModuleChecks.h"
#include "outputs/UProfibus_GSD.h"
#include "outputs/Usavebincc.h"
#include "toolkit/rtl/EmbeddedResource.h"

// Built without the resources: nothing here reads one.
const EmbeddedResource g_EmbeddedResources[] = {{nullptr, nullptr, 0}};

namespace fs = std::filesystem;

namespace {

const fs::path& Project() {
  static const fs::path dir = [] {
    fs::path d = fs::temp_directory_path() / ("section_outputs_fuzz." + std::to_string(getpid()));
    fs::create_directories(d / "PROJECTS" / "P");
    return d;
  }();
  return dir;
}

// Writes Text as File, or removes File when the part is absent.
void Put(const std::string& Path, std::string_view* Text) {
  if (!Text) {
    fs::remove(Path);
    return;
  }
  std::ofstream(Path, std::ios::binary).write(Text->data(), static_cast<std::streamsize>(Text->size()));
}

void Check_Image() {
  if (Bin_Buffer.size() != static_cast<size_t>(Bin_Size)) std::abort();
  uint32_t stored = 0;
  for (int b = 3; b >= 0; --b) stored = stored << 8 | Bin_Buffer[static_cast<size_t>(Bin_Checksum_Offset + b)];
  if (stored != Bin_Checksum(Bin_Buffer)) std::abort();
}

void Check_GSD(const TGSD_Data& d) {
  if (d.Input_Len < 0 || d.Output_Len < 0 || d.Bitmap_Len < 0 || d.Input_Modules < 0 || d.Output_Modules < 0)
    std::abort();
  std::string text;
  if (Build_GSD_Text(d, text) && text.find("Max_Input_Len=-") != std::string::npos) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view input(reinterpret_cast<const char*>(data), size);
  std::string_view parts[3];
  int count = 0;
  for (; count < 3; ++count) {
    size_t nul = input.find('\0');
    parts[count] = input.substr(0, nul);
    if (nul == std::string_view::npos) {
      ++count;
      break;
    }
    input.remove_prefix(nul + 1);
  }
  Projects_Folder = (Project() / "PROJECTS").string();
  Project_Folder = (Project() / "PROJECTS" / "P").string();
  Set_Files();
  Put(Path_ParGen, count > 0 ? &parts[0] : nullptr);
  Put(Path_J1939_Receive, count > 1 ? &parts[1] : nullptr);
  Put(Path_J1939_Transmit, count > 2 ? &parts[2] : nullptr);
  try {
    Check_Modules_Creation();
    // Every builder runs whatever the checks say: none may wrap or crash.
    if (Create_Bin()) Check_Image();
    Check_GSD(Read_GSD_Data());
  } catch (const ESectionFileError&) {
  }
  return 0;
}
