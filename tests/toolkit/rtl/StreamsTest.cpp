#include "toolkit/rtl/Streams.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "TempFolder.h"
#include "toolkit/rtl/EmbeddedResource.h"
#include "toolkit/rtl/Exceptions.h"
#include "toolkit/rtl/FileUtils.h"

TEST(MemoryStream, WriteSeekRead) {
  TMemoryStream m;
  m.WriteBuffer("hello", 5);
  EXPECT_EQ(m.Size(), 5);
  EXPECT_EQ(m.Position(), 5);
  m.SetPosition(1);
  char buf[8] = {};
  EXPECT_EQ(m.Read(buf, 8), 4);  // short read says how much
  EXPECT_STREQ(buf, "ello");
  EXPECT_EQ(m.Seek(-2, soEnd), 3);
  m.WriteBuffer("XYZ", 3);  // writing past the end grows the stream
  EXPECT_EQ(m.Size(), 6);
  EXPECT_EQ(std::string(m.Bytes().begin(), m.Bytes().end()), "helXYZ");
}

TEST(MemoryStream, ReadBufferRaisesOnShortRead) {
  TMemoryStream m;
  m.WriteBuffer("ab", 2);
  m.SetPosition(0);
  char buf[3];
  EXPECT_THROW(m.ReadBuffer(buf, 3), EReadError);
  EXPECT_THROW(m.Seek(-1, soBeginning), EStreamError);
}

TEST(MemoryStream, SetSizeTruncatesAndClampsPosition) {
  TMemoryStream m;
  m.WriteString("abcdef");
  m.SetSize(2);
  EXPECT_EQ(m.Size(), 2);
  EXPECT_EQ(m.Position(), 2);
}

// Growing by pieces across the size where large blocks change their backing
// keeps every byte; a gap left by a seek past the end, and room added by
// SetSize, read as zeros.
TEST(MemoryStream, GrowsPastMegabytesKeepingEveryByteAndZeroFillsGaps) {
  TMemoryStream m;
  std::string piece(64 * 1024, '\0');
  for (int i = 0; i < 160; ++i) {
    std::fill(piece.begin(), piece.end(), static_cast<char>('a' + i % 26));
    m.WriteBuffer(piece.data(), static_cast<int64_t>(piece.size()));
  }
  ASSERT_EQ(m.Size(), 160 * 64 * 1024);
  for (int i = 0; i < 160; ++i) ASSERT_EQ(m.Bytes()[static_cast<size_t>(i) * 64 * 1024 + 7], 'a' + i % 26) << i;
  m.SetPosition(m.Size() + 3);
  m.WriteBuffer("z", 1);
  EXPECT_EQ(m.Bytes().substr(m.Bytes().size() - 5), std::string("\0\0\0z", 4).insert(0, 1, 'a' + 159 % 26));
  m.SetSize(2);
  m.SetSize(5);
  EXPECT_EQ(m.Bytes(), std::string("aa\0\0\0", 5));
  m.Clear();
  EXPECT_EQ(m.Size(), 0);
  m.WriteBuffer("again", 5);
  EXPECT_EQ(m.Bytes(), "again");
}

TEST(StringStream, DataStringAndReadString) {
  TStringStream s("abc");
  EXPECT_EQ(s.Position(), 0);
  EXPECT_EQ(s.ReadString(2), "ab");
  EXPECT_EQ(s.ReadString(10), "c");
  s.WriteString("de");
  EXPECT_EQ(s.DataString(), "abcde");
}

TEST(FileStream, CreateWriteReopenRead) {
  TempFolder dir;
  std::string name = dir.File("a.bin");
  {
    TFileStream f(name, fmCreate);
    f.WriteBuffer("0123456789", 10);
  }
  TFileStream f(name, fmOpenRead);
  EXPECT_EQ(f.Size(), 10);
  f.Seek(4, soBeginning);
  char buf[8] = {};
  f.ReadBuffer(buf, 2);
  EXPECT_STREQ(buf, "45");
  EXPECT_THROW(f.ReadBuffer(buf, 5), EReadError);
  EXPECT_EQ(f.Write("x", 1), 0);  // opened for reading only
  EXPECT_THROW(f.WriteBuffer("x", 1), EWriteError);
}

TEST(FileStream, OpenErrorsNameThePath) {
  TempFolder dir;
  std::string missing = dir.File("missing.txt");
  try {
    TFileStream f(missing, fmOpenRead);
    FAIL() << "opened a missing file";
  } catch (const EFOpenError& e) {
    EXPECT_NE(e.Message().find(missing), std::string::npos) << e.Message();
  }
  EXPECT_THROW(TFileStream(dir.File("no/such/folder.txt"), fmCreate), EFCreateError);
  EXPECT_THROW(TFileStream(dir.Path(), fmOpenRead), EFOpenError);
}

TEST(FileStream, BackslashIsTheSeparator) {
  TempFolder dir;
  WriteFileAtomic(dir.File("b.txt"), std::string_view("xy"));
  TFileStream f(dir.Path() + "\\b.txt", fmOpenReadWrite);
  EXPECT_EQ(f.Size(), 2);
  f.SetSize(1);
  EXPECT_EQ(f.Size(), 1);
}

TEST(MemoryStream, CopyFromAndFiles) {
  TempFolder dir;
  TStringStream src("payload");
  TMemoryStream m;
  EXPECT_EQ(m.CopyFrom(src, 0), 7);
  m.SaveToFile(dir.File("p.bin"));
  TMemoryStream back;
  back.LoadFromFile(dir.File("p.bin"));
  EXPECT_EQ(back.Bytes(), m.Bytes());
}

TEST(ResourceStream, MissingResourceRaises) {
  EXPECT_THROW(TResourceStream("no/such/resource.bin"), EResNotFound);
}

TEST(ResourceStream, ReadsEmbeddedBytesAndRefusesWrites) {
  if (!g_EmbeddedResources[0].Name) GTEST_SKIP() << "no resources embedded";
  const EmbeddedResource& r = g_EmbeddedResources[0];
  TResourceStream s(r.Name);
  EXPECT_EQ(s.Size(), static_cast<int64_t>(r.Size));
  EXPECT_THROW(s.Write("x", 1), EStreamError);
  EXPECT_EQ(FindEmbeddedResource(std::string(r.Name)), &r);
}
