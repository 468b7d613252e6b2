#include "platform/kernel/GuardedRead.h"

#include <cerrno>
#include <cstring>
#include <algorithm>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {
namespace {

[[noreturn]] void Fail(const std::filesystem::path& path, const std::string& why) {
  throw FileReadError("Cannot read \"" + path.string() + "\": " + why);
}

// Closes the descriptor on every way out.
class ReadHandle {
public:
  explicit ReadHandle(int fd) : fd_(fd) {}
  ~ReadHandle() {
    if (fd_ >= 0) close(fd_);
  }
  ReadHandle(const ReadHandle&) = delete;
  ReadHandle& operator=(const ReadHandle&) = delete;
  int Fd() const { return fd_; }

private:
  int fd_;
};

std::string TooLarge(std::uintmax_t maxBytes) { return "the file is larger than " + SizeText(maxBytes); }

}  // namespace

std::string SizeText(std::uintmax_t bytes) {
  if (bytes >= (1u << 20) && bytes % (1u << 20) == 0) return std::to_string(bytes >> 20) + " MB";
  if (bytes >= (1u << 10) && bytes % (1u << 10) == 0) return std::to_string(bytes >> 10) + " KB";
  return std::to_string(bytes) + " bytes";
}

std::string ReadFileGuarded(const std::filesystem::path& path, std::uintmax_t maxBytes) {
  // Opening a FIFO without O_NONBLOCK waits for a writer; the type is checked
  // on the open descriptor, so a link cannot be swapped between check and read.
  ReadHandle file(open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
  if (file.Fd() < 0) Fail(path, std::strerror(errno));
  struct stat st {};
  if (fstat(file.Fd(), &st) != 0) Fail(path, std::strerror(errno));
  if (S_ISDIR(st.st_mode)) Fail(path, "it is a folder");
  if (!S_ISREG(st.st_mode)) Fail(path, "it is not a regular file");
  if (static_cast<std::uintmax_t>(st.st_size) > maxBytes) Fail(path, TooLarge(maxBytes));
  // A file that grows while it is read is still cut off at the limit.
  std::string bytes;
  bytes.resize(static_cast<size_t>(st.st_size) + 1);
  size_t done = 0;
  for (;;) {
    if (done == bytes.size()) {
      if (bytes.size() > maxBytes) Fail(path, TooLarge(maxBytes));
      bytes.resize(std::min<std::uintmax_t>(maxBytes + 1, bytes.size() * 2));
    }
    ssize_t n = read(file.Fd(), bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) Fail(path, std::strerror(errno));
    if (n == 0) break;
    done += static_cast<size_t>(n);
  }
  if (done > maxBytes) Fail(path, TooLarge(maxBytes));
  bytes.resize(done);
  return bytes;
}

}  // namespace platform
