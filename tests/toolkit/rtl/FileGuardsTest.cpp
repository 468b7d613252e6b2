// The guarded read and the atomic writer that every reader and writer of
// outside files goes through (FileUtils.h, backed by platform/kernel).
#include <dlfcn.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "TempFolder.h"
#include "toolkit/rtl/Exceptions.h"
#include "toolkit/rtl/FileUtils.h"
#include "toolkit/rtl/Streams.h"

namespace fs = std::filesystem;

// ---- every fsync of the process, recorded for the folder-sync test ----

namespace {

struct SyncRecord {
  std::string path;
  bool folder = false;
  std::string targetContent;  // what the watched file held at the time of the sync
};

std::vector<SyncRecord>* g_syncs = nullptr;
std::string g_watched;

std::string FdPath(int fd) {
  std::error_code ec;
  return fs::read_symlink("/proc/self/fd/" + std::to_string(fd), ec).string();
}

}  // namespace

// The executable's own fsync is the one the writer calls; it records and passes on.
extern "C" int fsync(int fd) {
  using Fn = int (*)(int);
  static Fn real = reinterpret_cast<Fn>(dlsym(RTLD_NEXT, "fsync"));
  if (g_syncs) {
    struct stat st {};
    fstat(fd, &st);
    std::string content;
    try {
      content = ReadFileBytes(g_watched);
    } catch (const EFOpenError&) {
    }
    g_syncs->push_back({FdPath(fd), S_ISDIR(st.st_mode), content});
  }
  return real(fd);
}

namespace {

std::vector<std::string> Entries(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& e : fs::directory_iterator(folder)) names.push_back(e.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

mode_t ModeOf(const std::string& path) {
  struct stat st {};
  stat(path.c_str(), &st);
  return st.st_mode & 07777;
}

// A process number that belonged to a process which has ended.
pid_t EndedProcess() {
  pid_t child = fork();
  if (child == 0) _exit(0);
  waitpid(child, nullptr, 0);
  return child;
}

// ---- guarded read ----

struct RefusedCase {
  const char* name;
  std::function<std::string(const TempFolder&)> make;  // returns the path to read
  const char* reason;
};

class GuardedReadRefuses : public testing::TestWithParam<RefusedCase> {};

TEST_P(GuardedReadRefuses, WithAMessageNamingThePathAndTheReason) {
  TempFolder dir;
  const std::string path = GetParam().make(dir);
  try {
    ReadFileBytes(path, 1024);
    FAIL() << "read " << path;
  } catch (const EFOpenError& e) {
    EXPECT_NE(e.Message().find(path), std::string::npos) << e.Message();
    EXPECT_NE(e.Message().find(GetParam().reason), std::string::npos) << e.Message();
  }
}

// A FIFO without a writer would block the read for ever, /dev/zero never ends.
INSTANTIATE_TEST_SUITE_P(
    Files, GuardedReadRefuses,
    testing::Values(
        RefusedCase{"Fifo",
                    [](const TempFolder& d) {
                      std::string p = d.File("English.lng");
                      mkfifo(p.c_str(), 0600);
                      return p;
                    },
                    "not a regular file"},
        RefusedCase{"LinkToDevZero",
                    [](const TempFolder& d) {
                      std::string p = d.File("English.lng");
                      fs::create_symlink("/dev/zero", p);
                      return p;
                    },
                    "not a regular file"},
        RefusedCase{"Oversize",
                    [](const TempFolder& d) {
                      std::string p = d.File("big.lng");
                      WriteFileAtomic(p, std::string(1025, 'x'));
                      return p;
                    },
                    "larger than 1 KB"},
        RefusedCase{"Folder", [](const TempFolder& d) { return d.Path(); }, "it is a folder"},
        RefusedCase{"Missing", [](const TempFolder& d) { return d.File("none"); }, "No such file"}),
    [](const testing::TestParamInfo<RefusedCase>& info) { return std::string(info.param.name); });

TEST(GuardedRead, ReadsUpToTheLimitAndFollowsALinkToAFile) {
  TempFolder dir;
  WriteFileAtomic(dir.File("exact"), std::string(1024, 'y'));
  EXPECT_EQ(ReadFileBytes(dir.File("exact"), 1024).size(), 1024u);
  fs::create_symlink("exact", dir.File("link"));
  EXPECT_EQ(ReadFileBytes(dir.File("link"), 1024), std::string(1024, 'y'));
  WriteFileAtomic(dir.File("empty"), std::string_view());
  EXPECT_EQ(ReadFileBytes(dir.File("empty")), "");
}

TEST(GuardedRead, TextFilesAndStreamsGoThroughIt) {
  TempFolder dir;
  std::string fifo = dir.File("list.txt");
  mkfifo(fifo.c_str(), 0600);
  EXPECT_THROW(ReadTextFile(fifo), EFOpenError);
  EXPECT_THROW(TFileStream(fifo, fmOpenRead), EFOpenError);
  TMemoryStream m;
  EXPECT_THROW(m.LoadFromFile(fifo), EFOpenError);
}

// ---- atomic writer ----

TEST(AtomicWriter, RemovesStaleTemporariesOfTheSameTargetOnly) {
  TempFolder dir;
  const std::string ended = std::to_string(EndedProcess());
  const std::string running = std::to_string(getppid());  // alive while the test runs
  for (const std::string& name : std::vector<std::string>{".data.xml.tmp" + ended + "_0", ".data.xml.tmp" + ended + "_17",
                                  ".data.xml.tmp" + running + "_3", ".other.xml.tmp" + ended + "_0",
                                  ".data.xml.tmpx_1", ".data.xml.backup"})
    WriteFileAtomic(dir.File(name), std::string(10, 't'));
  WriteFileAtomic(dir.File("data.xml"), std::string_view("new"));
  EXPECT_EQ(Entries(dir.Path()),
            (std::vector<std::string>{".data.xml.backup", ".data.xml.tmp" + running + "_3", ".data.xml.tmpx_1",
                                      ".other.xml.tmp" + ended + "_0", "data.xml"}));
}

TEST(AtomicWriter, KeepsThePermissionsOfTheFileItReplaces) {
  TempFolder dir;
  const std::string f = dir.File("secret.xml");
  WriteFileAtomic(f, std::string_view("one"));
  ASSERT_EQ(chmod(f.c_str(), 0640), 0);
  WriteFileAtomic(f, std::string_view("two"));
  EXPECT_EQ(ModeOf(f), 0640u);
  ASSERT_EQ(chmod(f.c_str(), 0604), 0);
  WriteFileAtomic(f, std::string_view("three"));
  EXPECT_EQ(ModeOf(f), 0604u);
  EXPECT_EQ(ReadFileBytes(f), "three");
  const mode_t mask = umask(022);
  WriteFileAtomic(dir.File("fresh"), std::string_view("x"));
  umask(mask);
  EXPECT_EQ(ModeOf(dir.File("fresh")), 0644u);
}

TEST(AtomicWriter, WritesThroughASymbolicLinkToTheFileItPointsAt) {
  TempFolder dir;
  fs::create_directories(dir.File("real"));
  WriteFileAtomic(dir.File("real/settings.xml"), std::string_view("old"));
  fs::create_symlink("real/settings.xml", dir.File("settings.xml"));
  fs::create_symlink("settings.xml", dir.File("chain.xml"));
  WriteFileAtomic(dir.File("chain.xml"), std::string_view("new"));
  EXPECT_TRUE(fs::is_symlink(dir.File("settings.xml")));
  EXPECT_TRUE(fs::is_symlink(dir.File("chain.xml")));
  EXPECT_EQ(ReadFileBytes(dir.File("real/settings.xml")), "new");
  EXPECT_EQ(Entries(dir.File("real")), std::vector<std::string>{"settings.xml"});
  // A dangling link makes the file it names.
  fs::create_symlink("real/later.xml", dir.File("later.xml"));
  WriteFileAtomic(dir.File("later.xml"), std::string_view("made"));
  EXPECT_TRUE(fs::is_symlink(dir.File("later.xml")));
  EXPECT_EQ(ReadFileBytes(dir.File("real/later.xml")), "made");
  // A loop of links is refused, and nothing is written.
  fs::create_symlink("loop-b", dir.File("loop-a"));
  fs::create_symlink("loop-a", dir.File("loop-b"));
  EXPECT_THROW(WriteFileAtomic(dir.File("loop-a"), std::string_view("x")), EInOutError);
}

TEST(AtomicWriter, FlushesTheFileAndThenTheFolderAfterTheRename) {
  TempFolder dir;
  const std::string f = dir.File("bank.bin");
  WriteFileAtomic(f, std::string_view("old"));
  std::vector<SyncRecord> syncs;
  g_watched = f;
  g_syncs = &syncs;
  WriteFileAtomic(f, std::string_view("new"));
  g_syncs = nullptr;
  ASSERT_EQ(syncs.size(), 2u);
  EXPECT_FALSE(syncs[0].folder);
  EXPECT_EQ(syncs[0].targetContent, "old");  // the temporary file is flushed before the rename
  EXPECT_TRUE(syncs[1].folder);
  EXPECT_EQ(syncs[1].path, fs::canonical(dir.Path()).string());
  EXPECT_EQ(syncs[1].targetContent, "new");
}

}  // namespace
