#include "platform/kernel/AtomicFile.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {
namespace {

[[noreturn]] void Fail(const std::filesystem::path& path, const char* what, int err) {
  throw FileWriteError("Cannot write \"" + path.string() + "\": " + what + ": " + std::strerror(err));
}

// Closes and removes the temporary file unless it was renamed into place.
class TempFile {
public:
  explicit TempFile(std::string name) : name_(std::move(name)) {
    fd_ = mkstemp(name_.data());
  }
  ~TempFile() {
    if (fd_ >= 0) close(fd_);
    if (!kept_) unlink(name_.c_str());
  }
  TempFile(const TempFile&) = delete;
  TempFile& operator=(const TempFile&) = delete;

  int Fd() const { return fd_; }
  const std::string& Name() const { return name_; }
  int Close() {
    int rc = close(fd_);
    fd_ = -1;
    return rc;
  }
  void Keep() { kept_ = true; }

private:
  std::string name_;
  int fd_ = -1;
  bool kept_ = false;
};

void WriteAll(int fd, std::string_view bytes, const std::filesystem::path& path) {
  while (!bytes.empty()) {
    ssize_t n = write(fd, bytes.data(), bytes.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      Fail(path, "write failed", errno);
    }
    bytes.remove_prefix(static_cast<size_t>(n));
  }
}

// A new file gets the usual permissions (0666 less the umask), an existing one keeps its own.
mode_t ModeFor(const std::filesystem::path& path) {
  struct stat st {};
  if (stat(path.c_str(), &st) == 0) return st.st_mode & 07777;
  mode_t mask = umask(0);
  umask(mask);
  return 0666 & ~mask;
}

}  // namespace

void WriteFileAtomic(const std::filesystem::path& path, std::string_view bytes) {
  std::filesystem::path folder = path.parent_path();
  if (folder.empty()) folder = ".";
  TempFile temp((folder / ("." + path.filename().string() + ".XXXXXX")).string());
  if (temp.Fd() < 0) Fail(path, "cannot create a temporary file", errno);
  WriteAll(temp.Fd(), bytes, path);
  if (fchmod(temp.Fd(), ModeFor(path)) != 0) Fail(path, "cannot set permissions", errno);
  if (fsync(temp.Fd()) != 0) Fail(path, "flush failed", errno);
  if (temp.Close() != 0) Fail(path, "close failed", errno);
  if (rename(temp.Name().c_str(), path.c_str()) != 0) Fail(path, "rename failed", errno);
  temp.Keep();
}

}  // namespace platform
