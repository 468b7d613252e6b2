#include "toolkit/rtl/FileUtils.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>

#include "TempFolder.h"
#include "toolkit/rtl/Exceptions.h"

namespace {

struct PathCase {
  const char* path;
  const char* filePath;
  const char* dir;
  const char* name;
  const char* ext;
};

class PathParts : public testing::TestWithParam<PathCase> {};

}  // namespace

TEST_P(PathParts, Extracts) {
  const auto& c = GetParam();
  EXPECT_EQ(ExtractFilePath(c.path), c.filePath);
  EXPECT_EQ(ExtractFileDir(c.path), c.dir);
  EXPECT_EQ(ExtractFileName(c.path), c.name);
  EXPECT_EQ(ExtractFileExt(c.path), c.ext);
}

INSTANTIATE_TEST_SUITE_P(Cases, PathParts,
                         testing::Values(PathCase{"/a/b/c.txt", "/a/b/", "/a/b", "c.txt", ".txt"},
                                         PathCase{"MASTER\\ParGen.xml", "MASTER\\", "MASTER", "ParGen.xml", ".xml"},
                                         PathCase{"noext", "", "", "noext", ""},
                                         PathCase{"a.b/noext", "a.b/", "a.b", "noext", ""},
                                         PathCase{"/x.tar.gz", "/", "/", "x.tar.gz", ".gz"},
                                         PathCase{"dir/", "dir/", "dir", "", ""}));

TEST(FileUtils, ExtensionsAndDelimiters) {
  EXPECT_EQ(ChangeFileExt("a/b.txt", ".ini"), "a/b.ini");
  EXPECT_EQ(ChangeFileExt("a.b/c", ".ini"), "a.b/c.ini");
  EXPECT_EQ(ChangeFileExt("c.txt", ""), "c");
  EXPECT_EQ(IncludeTrailingPathDelimiter("a"), "a/");
  EXPECT_EQ(IncludeTrailingPathDelimiter("a\\"), "a\\");
  EXPECT_EQ(ExcludeTrailingPathDelimiter("a//"), "a");
  EXPECT_EQ(ExcludeTrailingPathDelimiter("/"), "/");
  EXPECT_EQ(SystemPath("MASTER\\sub\\f.xml"), "MASTER/sub/f.xml");
}

TEST(FileUtils, Masks) {
  EXPECT_TRUE(MatchesMask("ParGen.XML", "*.xml"));
  EXPECT_FALSE(MatchesMask("ParGen.XML", "*.xml", false));
  EXPECT_TRUE(MatchesMask("noext", "*.*"));
  EXPECT_TRUE(MatchesMask("a1b", "a?b"));
  EXPECT_FALSE(MatchesMask("ab", "a?b"));
  EXPECT_TRUE(MatchesMask("abcabc", "*abc"));
  EXPECT_FALSE(MatchesMask("abc", "*abcd*"));
}

TEST(FileUtils, FoldersFilesAndListing) {
  TempFolder dir;
  std::string deep = dir.File("x/y/z");
  EXPECT_FALSE(CreateDir(deep));  // one level only
  EXPECT_TRUE(ForceDirectories(deep));
  EXPECT_TRUE(DirectoryExists(deep));
  EXPECT_FALSE(FileExists(deep));
  EXPECT_FALSE(CreateDir(deep));  // exists already
  WriteFileAtomic(dir.File("b.XML"), std::string_view("1"));
  WriteFileAtomic(dir.File("a.xml"), std::string_view("22"));
  WriteFileAtomic(dir.File("C.txt"), std::string_view(""));
  EXPECT_TRUE(FileExists(dir.File("a.xml")));
  EXPECT_EQ(FileSizeOf(dir.File("a.xml")), 2);
  EXPECT_EQ(ListFolder(dir.Path()), (std::vector<std::string>{"a.xml", "b.XML", "C.txt"}));
  EXPECT_EQ(ListFolder(dir.Path(), "*.xml"), (std::vector<std::string>{"a.xml", "b.XML"}));
  EXPECT_EQ(ListFolder(dir.Path(), "*.xml", fekFiles, false), (std::vector<std::string>{"a.xml"}));
  EXPECT_EQ(ListFolder(dir.Path(), "*", fekFolders), (std::vector<std::string>{"x"}));
  EXPECT_TRUE(ListFolder(dir.File("missing")).empty());

  EXPECT_EQ(FindNameNoCase(dir.Path(), "B.xml"), "b.XML");
  EXPECT_EQ(FindNameNoCase(dir.Path(), "nothing"), "");
  WriteFileAtomic(dir.File("\xC3\x89t\xC3\xA9.txt"), std::string_view(""));
  EXPECT_EQ(FindNameNoCase(dir.Path(), "\xC3\xA9T\xC3\x89.TXT"), "\xC3\x89t\xC3\xA9.txt");
  DeleteFile(dir.File("\xC3\x89t\xC3\xA9.txt"));
  EXPECT_EQ(ResolvePathNoCase(dir.Path() + "/X/Y/Z/new.txt"), dir.Path() + "/x/y/z/new.txt");

  EXPECT_FALSE(RenameFile(dir.File("a.xml"), dir.File("b.XML")));  // never overwrites
  EXPECT_TRUE(RenameFile(dir.File("a.xml"), dir.File("d.xml")));
  EXPECT_TRUE(DeleteFile(dir.File("d.xml")));
  EXPECT_FALSE(DeleteFile(dir.File("d.xml")));
  EXPECT_FALSE(DeleteFile(deep));  // not a file
}

TEST(WriteFileAtomic, ReplacesTheWholeFileAndLeavesNoTemporaryFile) {
  TempFolder dir;
  std::string f = dir.File("data.bin");
  WriteFileAtomic(f, std::string_view("old content"));
  WriteFileAtomic(f, std::vector<uint8_t>{'n', 'e', 'w'});
  EXPECT_EQ(ReadFileBytes(f), "new");
  EXPECT_EQ(ListFolder(dir.Path(), "*"), std::vector<std::string>{"data.bin"});
  EXPECT_EQ(ListFolder(dir.Path(), ".*"), std::vector<std::string>{});
}

TEST(WriteFileAtomic, FailsWithThePathWhenTheFolderCannotHoldIt) {
  TempFolder dir;
  WriteFileAtomic(dir.File("plain"), std::string_view("x"));
  std::string bad = dir.File("plain/inside.txt");  // the parent is a file
  try {
    WriteFileAtomic(bad, std::string_view("data"));
    FAIL() << "wrote below a file";
  } catch (const EFCreateError& e) {
    EXPECT_NE(e.Message().find(bad), std::string::npos) << e.Message();
  }
  EXPECT_EQ(ReadFileBytes(dir.File("plain")), "x");
}

TEST(WriteFileAtomic, OldFileSurvivesAFailedWrite) {
  TempFolder dir;
  std::string f = dir.File("keep.txt");
  WriteFileAtomic(f, std::string_view("precious"));
  // Let the write itself fail half way: a file size limit makes write() refuse.
  struct rlimit old {};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
  auto oldHandler = signal(SIGXFSZ, SIG_IGN);
  struct rlimit small = old;
  small.rlim_cur = 4;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  bool threw = false;
  try {
    WriteFileAtomic(f, std::string(64, 'n'));
  } catch (const EInOutError& e) {
    threw = e.Message().find(f) != std::string::npos;
  }
  setrlimit(RLIMIT_FSIZE, &old);
  signal(SIGXFSZ, oldHandler);
  EXPECT_TRUE(threw);
  EXPECT_EQ(ReadFileBytes(f), "precious");
  EXPECT_EQ(ListFolder(dir.Path(), "*"), std::vector<std::string>{"keep.txt"});
}

TEST(WriteFileAtomic, RefusesToReplaceAFolder) {
  TempFolder dir;
  ForceDirectories(dir.File("sub/inner"));
  EXPECT_THROW(WriteFileAtomic(dir.File("sub"), std::string_view("x")), EInOutError);
  EXPECT_TRUE(DirectoryExists(dir.File("sub/inner")));
  EXPECT_EQ(ListFolder(dir.Path(), "*"), std::vector<std::string>{});
}

TEST(ReadFiles, ErrorsNameThePathAndTextIsDecoded) {
  TempFolder dir;
  EXPECT_THROW(ReadFileBytes(dir.File("missing")), EFOpenError);
  EXPECT_THROW(ReadFileBytes(dir.Path()), EFOpenError);
  WriteTextFile(dir.File("t.txt"), "caf\xC3\xA9", TTextEncoding::Windows1252);
  EXPECT_EQ(ReadFileBytes(dir.File("t.txt")), "caf\xE9");
  TTextEncoding e = TTextEncoding::Utf8;
  EXPECT_EQ(ReadTextFile(dir.File("t.txt"), &e), "caf\xC3\xA9");
  EXPECT_EQ(e, TTextEncoding::Windows1252);
}
