#pragma once
// Reading a file that comes from outside the program (settings, section files,
// language files, pictures): the system's one guarded read. Only a regular
// file is read (a FIFO would block for ever, a device such as /dev/zero never
// ends), a file larger than the caller's stated limit is refused before it is
// read, and the read is one pass in time linear in the file's length. The
// run-time library's ReadFileBytes (FileUtils.h) is its face for the layers
// above.

#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <string>

namespace platform {

// Files of settings, projects and pictures stay far below this.
inline constexpr std::uintmax_t kDefaultReadLimit = 256u << 20;

// Raised when the file cannot be read; the message names the path and why.
class FileReadError : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

// The whole file; a symbolic link is followed to the file it points at.
std::string ReadFileGuarded(const std::filesystem::path& path, std::uintmax_t maxBytes = kDefaultReadLimit);

// "12 MB", "640 KB", "100 bytes": a limit as a person reads it.
std::string SizeText(std::uintmax_t bytes);

}  // namespace platform
