#include "platform/kernel/AtomicFile.h"

#include <atomic>
#include <cerrno>
#include <charconv>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {
namespace {

namespace fs = std::filesystem;

std::atomic<unsigned> g_tempCounter{0};

// Symbolic links deeper than this are a loop, as the kernel counts them.
constexpr int kMaxLinkDepth = 40;

[[noreturn]] void Fail(const fs::path& path, const char* what, int err, bool notCreated = false) {
  throw FileWriteError("Cannot write \"" + path.string() + "\": " + what + ": " + std::strerror(err), notCreated);
}

// The file a chain of symbolic links ends at; the path itself when it is no link.
fs::path FollowLinks(const fs::path& path) {
  fs::path at = path;
  for (int depth = 0; depth < kMaxLinkDepth; ++depth) {
    struct stat st {};
    if (lstat(at.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return at;
    std::error_code ec;
    fs::path to = fs::read_symlink(at, ec);
    if (ec) Fail(path, "cannot read the symbolic link", ec.value());
    at = to.is_absolute() ? to : at.parent_path() / to;
  }
  Fail(path, "cannot follow the symbolic link", ELOOP);
}

std::string TempPrefix(const fs::path& target) {
  return std::string(".").append(target.filename().string()).append(".tmp");
}

bool AllDigits(std::string_view s) {
  return !s.empty() && s.find_first_not_of("0123456789") == std::string_view::npos;
}

bool ProcessEnded(std::string_view pidText) {
  pid_t pid = 0;
  auto [end, ec] = std::from_chars(pidText.data(), pidText.data() + pidText.size(), pid);
  if (ec != std::errc() || end != pidText.data() + pidText.size() || pid <= 0) return false;
  return pid != getpid() && kill(pid, 0) != 0 && errno == ESRCH;
}

// ".<name>.tmp<pid>_<n>" of a process that has ended. The process number
// tells a writer that was interrupted from one that is still busy.
bool IsStaleTemporary(const fs::path& target, const fs::path& candidate) {
  const std::string name = candidate.filename().string();
  const std::string prefix = TempPrefix(target);
  if (name.compare(0, prefix.size(), prefix) != 0) return false;
  std::string_view rest = std::string_view(name).substr(prefix.size());
  size_t sep = rest.find('_');
  return sep != std::string_view::npos && AllDigits(rest.substr(sep + 1)) && ProcessEnded(rest.substr(0, sep));
}

void RemoveStaleTemporaries(const fs::path& folder, const fs::path& target) {
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    std::error_code typeEc;
    if (it->is_symlink(typeEc) || !it->is_regular_file(typeEc)) continue;
    if (IsStaleTemporary(target, it->path())) unlink(it->path().c_str());
  }
}

// Closes and removes the temporary file unless it was renamed into place.
class TempFile {
public:
  explicit TempFile(const fs::path& folder, const fs::path& target) {
    for (int attempt = 0; attempt < 100 && fd_ < 0; ++attempt) {
      name_ = folder / (TempPrefix(target) + std::to_string(getpid()) + "_" + std::to_string(g_tempCounter++));
      fd_ = open(name_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
      if (fd_ < 0 && errno != EEXIST) break;
    }
  }
  ~TempFile() {
    if (fd_ >= 0) close(fd_);
    if (!kept_) unlink(name_.c_str());
  }
  TempFile(const TempFile&) = delete;
  TempFile& operator=(const TempFile&) = delete;

  int Fd() const { return fd_; }
  const fs::path& Name() const { return name_; }
  int Close() {
    int rc = close(fd_);
    fd_ = -1;
    return rc;
  }
  void Keep() { kept_ = true; }

private:
  fs::path name_;
  int fd_ = -1;
  bool kept_ = false;
};

void WriteAll(int fd, std::string_view bytes, const fs::path& path) {
  while (!bytes.empty()) {
    ssize_t n = write(fd, bytes.data(), bytes.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      Fail(path, "write failed", errno);
    }
    bytes.remove_prefix(static_cast<size_t>(n));
  }
}

// An existing file passes its permissions, owner and group on; a new one has
// the umask's permissions from open(). Only a privileged process may hand a
// file to another owner, so a refused chown is no failure.
void TakeOverAttributes(int fd, const fs::path& target, const fs::path& path) {
  struct stat st {};
  if (stat(target.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return;
  if (fchmod(fd, st.st_mode & 07777) != 0) Fail(path, "cannot set permissions", errno);
  if ((st.st_uid != geteuid() || st.st_gid != getegid()) && fchown(fd, st.st_uid, st.st_gid) == 0)
    fchmod(fd, st.st_mode & 07777);  // chown clears set-user-ID and set-group-ID bits
}

// The rename is only durable once the folder's entry is on disk too.
void SyncFolder(const fs::path& folder, const fs::path& path) {
  int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) Fail(path, "cannot open the folder to flush it", errno);
  int rc = fsync(fd);
  int err = errno;
  close(fd);
  // Some file systems cannot flush a folder at all; that is no fault of the write.
  if (rc != 0 && err != EINVAL && err != ENOTSUP) Fail(path, "flushing the folder failed", err);
}

}  // namespace

void WriteFileAtomic(const fs::path& path, std::string_view bytes) {
  const fs::path target = FollowLinks(path);
  const fs::path folder = target.parent_path().empty() ? fs::path(".") : target.parent_path();
  RemoveStaleTemporaries(folder, target);
  TempFile temp(folder, target);
  if (temp.Fd() < 0) Fail(path, "cannot create a temporary file", errno, true);
  TakeOverAttributes(temp.Fd(), target, path);
  WriteAll(temp.Fd(), bytes, path);
  if (fsync(temp.Fd()) != 0) Fail(path, "flush failed", errno);
  if (temp.Close() != 0) Fail(path, "close failed", errno);
  if (rename(temp.Name().c_str(), target.c_str()) != 0) Fail(path, "rename failed", errno);
  temp.Keep();
  SyncFolder(folder, path);
}

}  // namespace platform
