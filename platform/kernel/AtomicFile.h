#pragma once
// Replacing a file so that a reader sees either the old content or the complete
// new one, never a half-written file: the bytes go to a temporary file in the
// same folder, are flushed to disk, and the temporary file is renamed over the
// target. The toolkit's file routines sit above this layer; the platform's own
// writers (XML documents, the registry file) use this one.

#include <filesystem>
#include <stdexcept>
#include <string_view>

namespace platform {

// Raised when the file cannot be written; the message names the path and the
// system's reason. The target is left as it was.
class FileWriteError : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

void WriteFileAtomic(const std::filesystem::path& path, std::string_view bytes);

}  // namespace platform
