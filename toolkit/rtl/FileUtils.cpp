#include "toolkit/rtl/FileUtils.h"

#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <filesystem>

#include "platform/kernel/AtomicFile.h"
#include "platform/kernel/GuardedRead.h"
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

bool PathExists(const std::string& Path) {
  std::error_code ec;
  return !Path.empty() && fs::exists(fs::status(sysPath(Path), ec));
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

// ---- whole-file reading and writing: the platform's guarded read and atomic writer ----

void WriteFileAtomic(const std::string& Path, std::string_view Bytes) {
  try {
    platform::WriteFileAtomic(sysPath(Path), Bytes);
  } catch (const platform::FileWriteError& e) {
    if (e.NotCreated()) throw EFCreateError(e.what());
    throw EInOutError(e.what());
  }
}

void WriteFileAtomic(const std::string& Path, const std::vector<uint8_t>& Bytes) {
  WriteFileAtomic(Path, std::string_view(reinterpret_cast<const char*>(Bytes.data()), Bytes.size()));
}

std::string ReadFileBytes(const std::string& Path, uint64_t MaxBytes) {
  try {
    return platform::ReadFileGuarded(sysPath(Path), MaxBytes);
  } catch (const platform::FileReadError& e) {
    throw EFOpenError(e.what());
  }
}

std::string ReadTextFile(const std::string& Path, TTextEncoding* Detected, uint64_t MaxBytes) {
  return DecodeOwnedText(ReadFileBytes(Path, MaxBytes), Detected);
}

void WriteTextFile(const std::string& Path, std::string_view Utf8, TTextEncoding Encoding) {
  WriteFileAtomic(Path, EncodeText(Utf8, Encoding));
}
