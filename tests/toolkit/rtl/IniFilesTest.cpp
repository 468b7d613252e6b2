#include "toolkit/rtl/IniFiles.h"

#include <gtest/gtest.h>

#include "TempFolder.h"
#include "toolkit/rtl/Exceptions.h"
#include "toolkit/rtl/FileUtils.h"
#include "toolkit/rtl/StringList.h"

namespace {

class IniFiles : public testing::Test {
protected:
  void SetUp() override { ResetFormatSettings(); }
  void TearDown() override { ResetFormatSettings(); }
  TempFolder dir;
};

using V = std::vector<std::string>;

}  // namespace

TEST_F(IniFiles, ParsesSectionsCommentsAndBlanks) {
  std::string f = dir.File("a.ini");
  WriteFileAtomic(f, std::string_view("orphan=1\r\n; comment\r\n[Main]\r\n  Port = COM1 \r\n\r\nBaud=9600\r\n"
                                      "[ Other ]\nx=\nflag\n[main]\nExtra=yes\n"));
  TMemIniFile ini(f);
  EXPECT_EQ(ini.ReadString("MAIN", "port", "?"), "COM1");
  EXPECT_EQ(ini.ReadString("main", "Extra", "?"), "yes");  // a repeated section joins the first
  EXPECT_EQ(ini.ReadString("Other", "x", "?"), "");         // present but empty
  EXPECT_EQ(ini.ReadString("Other", "y", "?"), "?");
  EXPECT_EQ(ini.ReadString("None", "orphan", "?"), "?");
  TStringList l;
  ini.ReadSections(l);
  EXPECT_EQ(l.ToVector(), (V{"Main", "Other"}));
  ini.ReadSection("main", l);
  EXPECT_EQ(l.ToVector(), (V{"Port", "Baud", "Extra"}));
  ini.ReadSectionValues("Other", l);
  EXPECT_EQ(l.ToVector(), (V{"x=", "flag"}));
  EXPECT_TRUE(ini.SectionExists("OTHER"));
  EXPECT_FALSE(ini.SectionExists("Nope"));
  EXPECT_TRUE(ini.ValueExists("Main", "BAUD"));
  EXPECT_FALSE(ini.ValueExists("Main", "Parity"));
}

TEST_F(IniFiles, TypedValuesRoundTripAndBadOnesGiveTheDefault) {
  std::string f = dir.File("typed.ini");
  {
    TMemIniFile ini(f);
    ini.WriteInteger("N", "Int", -42);
    ini.WriteBool("N", "Yes", true);
    ini.WriteFloat("N", "Pi", 3.25);
    ini.WriteDate("N", "Day", EncodeDate(2024, 2, 29));
    ini.WriteDateTime("N", "Stamp", EncodeDateTime(2024, 2, 29, 13, 14, 15, 0));
    ini.WriteString("N", "Bad", "12abc");
    ini.WriteString("N", "Hex", "0x1F");
    ini.WriteString("N", "Lines", "a\r\nb");
    EXPECT_FALSE(FileExists(f));  // nothing on disk before UpdateFile
    ini.UpdateFile();
  }
  TMemIniFile ini(f);
  EXPECT_EQ(ini.ReadInteger("n", "int", 0), -42);
  EXPECT_EQ(ini.ReadInteger("n", "Hex", 0), 31);
  EXPECT_EQ(ini.ReadInteger("n", "Bad", 7), 7);
  EXPECT_EQ(ini.ReadInteger("n", "Missing", 8), 8);
  EXPECT_TRUE(ini.ReadBool("n", "Yes", false));
  EXPECT_TRUE(ini.ReadBool("n", "Missing", true));
  EXPECT_FALSE(ini.ReadBool("n", "Bad", false));
  EXPECT_DOUBLE_EQ(ini.ReadFloat("n", "Pi", 0), 3.25);
  EXPECT_DOUBLE_EQ(ini.ReadFloat("n", "Bad", 1.5), 1.5);
  EXPECT_EQ(ini.ReadDate("n", "Day", 0), EncodeDate(2024, 2, 29));
  EXPECT_EQ(ini.ReadDate("n", "Bad", 5), 5);
  EXPECT_EQ(ini.ReadDateTime("n", "Stamp", 0), EncodeDateTime(2024, 2, 29, 13, 14, 15, 0));
  EXPECT_EQ(ini.ReadString("n", "Lines", ""), "a  b");  // a value stays on its line
  EXPECT_EQ(ReadFileBytes(f).substr(0, 16), "[N]\r\nInt=-42\r\nYe");
}

TEST_F(IniFiles, EraseDeleteAndFileLayout) {
  std::string f = dir.File("layout.ini");
  TMemIniFile ini(f);
  ini.WriteString("A", "k1", "v1");
  ini.WriteString("A", "k2", "v2");
  ini.WriteString("B", "k", "v");
  ini.WriteString("a", "K1", "new");  // same key, other case: replaced in place
  ini.DeleteKey("A", "k2");
  ini.DeleteKey("A", "missing");
  ini.UpdateFile();
  EXPECT_EQ(ReadFileBytes(f), "[A]\r\nk1=new\r\n\r\n[B]\r\nk=v\r\n\r\n");
  ini.EraseSection("b");
  ini.EraseSection("none");
  ini.UpdateFile();
  EXPECT_EQ(ReadFileBytes(f), "[A]\r\nk1=new\r\n\r\n");
}

TEST_F(IniFiles, IniFileWritesEveryChangeAtOnce) {
  std::string f = dir.File("live.ini");
  TIniFile ini(f);
  ini.WriteString("S", "a", "1");
  EXPECT_EQ(TMemIniFile(f).ReadString("S", "a", ""), "1");
  ini.DeleteKey("S", "a");
  EXPECT_FALSE(TMemIniFile(f).ValueExists("S", "a"));
  ini.WriteInteger("T", "n", 5);
  ini.EraseSection("T");
  EXPECT_FALSE(TMemIniFile(f).SectionExists("T"));
}

TEST_F(IniFiles, FailedSaveRaisesAndLeavesTheOldFile) {
  WriteFileAtomic(dir.File("blocker"), std::string_view("not a folder"));
  TMemIniFile ini(dir.File("blocker/settings.ini"));  // missing: starts empty
  ini.WriteString("S", "k", "v");
  EXPECT_THROW(ini.UpdateFile(), EFCreateError);
  EXPECT_EQ(ReadFileBytes(dir.File("blocker")), "not a folder");
  EXPECT_EQ(ini.ReadString("S", "k", ""), "v");  // memory keeps the change
}

TEST_F(IniFiles, EncodingsAreReadAndKept) {
  std::string f = dir.File("enc.ini");
  WriteFileAtomic(f, std::string_view("[S]\r\nname=caf\xE9\r\n"));  // Windows-1252
  TMemIniFile ansi(f);
  EXPECT_EQ(ansi.ReadString("S", "name", ""), "caf\xC3\xA9");
  ansi.UpdateFile();
  EXPECT_EQ(ReadFileBytes(f), "[S]\r\nname=caf\xC3\xA9\r\n\r\n");  // now UTF-8

  WriteTextFile(f, "[S]\r\nname=x\r\n", TTextEncoding::Utf8Bom);
  TMemIniFile bom(f);
  bom.WriteString("S", "name", "y");
  bom.UpdateFile();
  EXPECT_EQ(ReadFileBytes(f).substr(0, 3), "\xEF\xBB\xBF");
}

TEST_F(IniFiles, FloatsFollowTheLocale) {
  std::string f = dir.File("f.ini");
  FormatSettings.DecimalSeparator = ',';
  TMemIniFile ini(f);
  ini.WriteFloat("S", "x", 1.5);
  EXPECT_EQ(ini.ReadString("S", "x", ""), "1,5");
  EXPECT_DOUBLE_EQ(ini.ReadFloat("S", "x", 0), 1.5);
}

TEST_F(IniFiles, GetAndSetStrings) {
  TMemIniFile ini("");
  TStringList src;
  src.SetText("[One]\na=1\n[Two]\nb=2\n");
  ini.SetStrings(src);
  EXPECT_EQ(ini.ReadString("two", "B", ""), "2");
  TStringList out;
  ini.GetStrings(out);
  EXPECT_EQ(out.ToVector(), (V{"[One]", "a=1", "", "[Two]", "b=2", ""}));
  ini.Clear();
  ini.ReadSections(out);
  EXPECT_EQ(out.Count(), 0);
}
