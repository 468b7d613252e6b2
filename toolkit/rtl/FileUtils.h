#pragma once
// Files and folders. Paths are strings as the system names them; a '\' in
// such a path is the platform separator (SystemPath converts). Functions that
// answer a question return false on failure; functions that must not fail
// silently (reading, atomic writing) raise.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/kernel/GuardedRead.h"
#include "toolkit/rtl/Encoding.h"

constexpr char PathDelim = '/';

// The path with every '\' turned into the platform separator.
std::string SystemPath(const std::string& Path);

bool FileExists(const std::string& FileName);       // a file, not a folder
bool PathExists(const std::string& Path);           // anything: a file, a folder, a FIFO, ...
bool DirectoryExists(const std::string& Directory);
bool CreateDir(const std::string& Dir);              // one level; false if it exists or fails
bool ForceDirectories(const std::string& Dir);       // every missing level; true if it exists afterwards
bool DeleteFile(const std::string& FileName);
bool RemoveDir(const std::string& Dir);              // empty folders only
// Fails, rather than overwriting, when NewName already exists.
bool RenameFile(const std::string& OldName, const std::string& NewName);
int64_t FileSizeOf(const std::string& FileName);     // -1 when it is not a readable file

// Both '/' and '\' count as separators here.
std::string ExtractFilePath(const std::string& FileName);  // "a/b/c.txt" -> "a/b/"
std::string ExtractFileDir(const std::string& FileName);   // "a/b/c.txt" -> "a/b"
std::string ExtractFileName(const std::string& FileName);  // -> "c.txt"
std::string ExtractFileExt(const std::string& FileName);   // -> ".txt" ("" when none)
std::string ChangeFileExt(const std::string& FileName, const std::string& Extension);
std::string IncludeTrailingPathDelimiter(const std::string& S);
std::string ExcludeTrailingPathDelimiter(const std::string& S);
std::string ExpandFileName(const std::string& FileName);

// '*' any run, '?' one character; "*.*" matches every name, as it does for the framework.
bool MatchesMask(std::string_view Name, std::string_view Mask, bool IgnoreCase = true);

enum TFolderEntryKind { fekFiles, fekFolders };
// Names (not paths) of the files or sub-folders of Folder that match Pattern,
// sorted without regard to case. An unreadable folder gives an empty list.
std::vector<std::string> ListFolder(const std::string& Folder, const std::string& Pattern = "*",
                                    TFolderEntryKind Kind = fekFiles, bool IgnoreCase = true);

// The real name of the entry of Folder that equals Name ignoring case; an
// exact match wins. "" when there is none.
std::string FindNameNoCase(const std::string& Folder, const std::string& Name);
// Resolves every part of Path that exists under another case; the parts that
// do not exist are kept as given.
std::string ResolvePathNoCase(const std::string& Path);

// Replaces (or creates) Path with exactly Bytes through the system's one
// atomic writer (platform/kernel/AtomicFile.h): a temporary file in the same
// folder, flushed, renamed over the old one, the folder flushed; permissions
// kept, a symbolic link followed, stale temporaries of the same target removed.
// On any failure the old file is left as it was: EFCreateError when no
// temporary file could be made, EInOutError otherwise; both name the path.
void WriteFileAtomic(const std::string& Path, std::string_view Bytes);
void WriteFileAtomic(const std::string& Path, const std::vector<uint8_t>& Bytes);

// Every file that comes from outside the program is read through the system's
// one guarded read (platform/kernel/GuardedRead.h): regular files only, none
// larger than MaxBytes, in one linear pass. Raises EFOpenError naming the path
// and the reason.
inline constexpr uint64_t DefaultReadLimit = platform::kDefaultReadLimit;
std::string ReadFileBytes(const std::string& Path, uint64_t MaxBytes = DefaultReadLimit);
// The file as UTF-8 text by the text-file rule (Encoding.h DecodeText).
std::string ReadTextFile(const std::string& Path, TTextEncoding* Detected = nullptr,
                         uint64_t MaxBytes = DefaultReadLimit);
void WriteTextFile(const std::string& Path, std::string_view Utf8,
                   TTextEncoding Encoding = TTextEncoding::Utf8);
