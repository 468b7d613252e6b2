#pragma once
// Replacing a file so that a reader sees either the old content or the complete
// new one, never a half-written file: the bytes go to a temporary file in the
// same folder, are flushed to disk, the temporary file is renamed over the
// target and the folder is flushed too. This is the system's one atomic
// writer; the run-time library's WriteFileAtomic (FileUtils.h) is its face
// for the layers above.
//
// - A symbolic link is followed: the file it points at is replaced and the
//   link stays a link.
// - The new file keeps the old one's permissions (and its owner and group
//   where the process may set them); a new file gets 0666 less the umask.
// - Temporary files that an earlier, interrupted writer of the same target
//   left behind are removed; a temporary file of a writer that still runs is
//   left alone.

#include <filesystem>
#include <stdexcept>
#include <string_view>

namespace platform {

// Raised when the file cannot be written; the message names the path and the
// system's reason. The target is left as it was. NotCreated() tells a
// temporary file that could not even be made (a missing or read-only folder)
// from a failure while writing or renaming it.
class FileWriteError : public std::runtime_error {
public:
  explicit FileWriteError(const std::string& message, bool notCreated = false)
      : std::runtime_error(message), notCreated_(notCreated) {}
  bool NotCreated() const { return notCreated_; }

private:
  bool notCreated_;
};

void WriteFileAtomic(const std::filesystem::path& path, std::string_view bytes);

}  // namespace platform
