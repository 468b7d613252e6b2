#include "toolkit/rtl/FileUtils.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <filesystem>

#include "toolkit/rtl/Exceptions.h"
#include "toolkit/rtl/SysUtils.h"

namespace fs = std::filesystem;

namespace {

bool isDelim(char c) { return c == '/' || c == '\\'; }

size_t lastDelim(const std::string& s) {
  for (size_t i = s.size(); i > 0; --i)
    if (isDelim(s[i - 1])) return i - 1;
  return std::string::npos;
}

fs::path sysPath(const std::string& p) { return fs::path(SystemPath(p)); }

bool lessNoCase(const std::string& a, const std::string& b) {
  int c = AnsiCompareText(a, b);
  return c != 0 ? c < 0 : a < b;
}

std::string errText(int err) { return std::strerror(err); }

}  // namespace

std::string SystemPath(const std::string& Path) {
  std::string s = Path;
  std::replace(s.begin(), s.end(), '\\', PathDelim);
  return s;
}

bool FileExists(const std::string& FileName) {
  std::error_code ec;
  return !FileName.empty() && fs::is_regular_file(sysPath(FileName), ec);
}

bool DirectoryExists(const std::string& Directory) {
  std::error_code ec;
  return !Directory.empty() && fs::is_directory(sysPath(Directory), ec);
}

bool CreateDir(const std::string& Dir) {
  std::error_code ec;
  return !Dir.empty() && fs::create_directory(sysPath(Dir), ec);
}

bool ForceDirectories(const std::string& Dir) {
  if (Dir.empty()) return false;
  std::error_code ec;
  fs::create_directories(sysPath(ExcludeTrailingPathDelimiter(Dir)), ec);
  return DirectoryExists(Dir);
}

bool DeleteFile(const std::string& FileName) {
  return FileExists(FileName) && ::unlink(SystemPath(FileName).c_str()) == 0;
}

bool RemoveDir(const std::string& Dir) {
  return DirectoryExists(Dir) && ::rmdir(SystemPath(Dir).c_str()) == 0;
}

bool RenameFile(const std::string& OldName, const std::string& NewName) {
  std::error_code ec;
  fs::path from = sysPath(OldName), to = sysPath(NewName);
  if (!fs::exists(fs::symlink_status(from, ec)) || fs::exists(fs::symlink_status(to, ec))) return false;
  fs::rename(from, to, ec);
  return !ec;
}

int64_t FileSizeOf(const std::string& FileName) {
  std::error_code ec;
  auto n = fs::file_size(sysPath(FileName), ec);
  return ec ? -1 : static_cast<int64_t>(n);
}

std::string ExtractFilePath(const std::string& FileName) {
  size_t d = lastDelim(FileName);
  return d == std::string::npos ? std::string() : FileName.substr(0, d + 1);
}

std::string ExtractFileDir(const std::string& FileName) {
  size_t d = lastDelim(FileName);
  if (d == std::string::npos) return {};
  return d == 0 ? FileName.substr(0, 1) : FileName.substr(0, d);  // the root keeps its separator
}

std::string ExtractFileName(const std::string& FileName) {
  size_t d = lastDelim(FileName);
  return d == std::string::npos ? FileName : FileName.substr(d + 1);
}

std::string ExtractFileExt(const std::string& FileName) {
  size_t d = lastDelim(FileName);
  size_t dot = FileName.find_last_of('.');
  if (dot == std::string::npos || (d != std::string::npos && dot < d)) return {};
  return FileName.substr(dot);
}

std::string ChangeFileExt(const std::string& FileName, const std::string& Extension) {
  std::string ext = ExtractFileExt(FileName);
  return FileName.substr(0, FileName.size() - ext.size()) + Extension;
}

std::string IncludeTrailingPathDelimiter(const std::string& S) {
  return !S.empty() && isDelim(S.back()) ? S : S + PathDelim;
}

std::string ExcludeTrailingPathDelimiter(const std::string& S) {
  std::string r = S;
  while (r.size() > 1 && isDelim(r.back())) r.pop_back();
  return r;
}

std::string ExpandFileName(const std::string& FileName) {
  std::error_code ec;
  fs::path p = fs::absolute(sysPath(FileName), ec);
  return ec ? FileName : p.lexically_normal().string();
}

bool MatchesMask(std::string_view Name, std::string_view Mask, bool IgnoreCase) {
  if (Mask == "*.*") Mask = "*";
  auto eq = [IgnoreCase](char a, char b) {
    return IgnoreCase ? std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b)) : a == b;
  };
  // Greedy match with one back-tracking point: linear for the usual masks.
  size_t n = 0, m = 0, starM = std::string_view::npos, starN = 0;
  while (n < Name.size()) {
    if (m < Mask.size() && Mask[m] == '*') {
      starM = m++;
      starN = n;
    } else if (m < Mask.size() && (Mask[m] == '?' || eq(Mask[m], Name[n]))) {
      ++m;
      ++n;
    } else if (starM != std::string_view::npos) {
      m = starM + 1;
      n = ++starN;
    } else {
      return false;
    }
  }
  while (m < Mask.size() && Mask[m] == '*') ++m;
  return m == Mask.size();
}

std::vector<std::string> ListFolder(const std::string& Folder, const std::string& Pattern,
                                    TFolderEntryKind Kind, bool IgnoreCase) {
  std::vector<std::string> names;
  std::error_code ec;
  for (fs::directory_iterator it(sysPath(Folder), ec), end; !ec && it != end; it.increment(ec)) {
    std::error_code ec2;
    bool dir = it->is_directory(ec2);
    bool file = it->is_regular_file(ec2);
    if (Kind == fekFolders ? !dir : !file) continue;
    std::string name = it->path().filename().string();
    if (MatchesMask(name, Pattern, IgnoreCase)) names.push_back(name);
  }
  std::sort(names.begin(), names.end(), lessNoCase);
  return names;
}

std::string FindNameNoCase(const std::string& Folder, const std::string& Name) {
  std::error_code ec;
  fs::path dir = sysPath(Folder.empty() ? std::string(".") : Folder);
  if (fs::exists(dir / Name, ec)) return Name;
  for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
    std::string name = it->path().filename().string();
    if (AnsiSameText(name, Name)) return name;
  }
  return {};
}

std::string ResolvePathNoCase(const std::string& Path) {
  fs::path in = sysPath(Path);
  fs::path out;
  bool exists = true;
  for (const fs::path& part : in) {
    std::string name = part.string();
    bool root = part == in.root_path() || part == in.root_directory();
    if (exists && !root && name != "." && name != "..") {
      std::string real = FindNameNoCase(out.empty() ? std::string(".") : out.string(), name);
      if (real.empty()) exists = false;
      else name = real;
    }
    out /= name;
  }
  return out.string();
}

// ---- whole-file reading and writing ----

namespace {

std::atomic<unsigned> g_tempCounter{0};

// Creates a new file beside Target; the mode honours the umask like any new file.
int createTemp(const fs::path& dir, const std::string& base, std::string& tempName) {
  for (int attempt = 0; attempt < 100; ++attempt) {
    tempName = (dir / ("." + base + ".tmp" + std::to_string(::getpid()) + "_" +
                       std::to_string(g_tempCounter++))).string();
    int fd = ::open(tempName.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

bool writeAll(int fd, std::string_view bytes) {
  size_t done = 0;
  while (done < bytes.size()) {
    ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<size_t>(n);
  }
  return true;
}

void syncFolder(const fs::path& dir) {
  int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);  // best effort: the rename is already done
  ::close(fd);
}

}  // namespace

void WriteFileAtomic(const std::string& Path, std::string_view Bytes) {
  fs::path target = sysPath(Path);
  fs::path dir = target.parent_path().empty() ? fs::path(".") : target.parent_path();
  std::string temp;
  int fd = createTemp(dir, target.filename().string(), temp);
  if (fd < 0) throw EFCreateError("Cannot create file \"" + Path + "\". " + errText(errno));
  struct stat old {};
  if (::stat(target.c_str(), &old) == 0 && S_ISREG(old.st_mode)) ::fchmod(fd, old.st_mode & 07777);
  bool ok = writeAll(fd, Bytes) && ::fsync(fd) == 0;
  int err = errno;
  ok = (::close(fd) == 0) && ok;
  if (!ok) {
    ::unlink(temp.c_str());
    throw EInOutError("Cannot write file \"" + Path + "\". " + errText(err));
  }
  if (::rename(temp.c_str(), target.c_str()) != 0) {
    err = errno;
    ::unlink(temp.c_str());
    throw EInOutError("Cannot replace file \"" + Path + "\". " + errText(err));
  }
  syncFolder(dir);
}

void WriteFileAtomic(const std::string& Path, const std::vector<uint8_t>& Bytes) {
  WriteFileAtomic(Path, std::string_view(reinterpret_cast<const char*>(Bytes.data()), Bytes.size()));
}

std::string ReadFileBytes(const std::string& Path) {
  std::string path = SystemPath(Path);
  int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) throw EFOpenError("Cannot open file \"" + Path + "\". " + errText(errno));
  std::string out;
  char buf[64 * 1024];
  for (;;) {
    ssize_t n = ::read(fd, buf, sizeof buf);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      int err = errno;
      ::close(fd);
      throw EFOpenError("Cannot read file \"" + Path + "\". " + errText(err));
    }
    if (n == 0) break;
    out.append(buf, static_cast<size_t>(n));
  }
  ::close(fd);
  return out;
}

std::string ReadTextFile(const std::string& Path, TTextEncoding* Detected) {
  return DecodeText(ReadFileBytes(Path), Detected);
}

void WriteTextFile(const std::string& Path, std::string_view Utf8, TTextEncoding Encoding) {
  WriteFileAtomic(Path, EncodeText(Utf8, Encoding));
}
