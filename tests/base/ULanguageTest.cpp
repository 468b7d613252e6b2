#include "base/ULanguage.h"

#include "base/UFixedTexts.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>

#include "base/UComon.h"
#include "tests/base/TempFolder.h"

class ULanguageTest : public testing::Test {
protected:
  void SetUp() override {
    Reset_Comon();
    Load_Default_Lang();
  }
  void TearDown() override {
    Reset_Comon();
    Lang_Strings.clear();
  }
};

TEST_F(ULanguageTest, DefaultsFillAllEntries) {
  ASSERT_EQ(Lang_Strings.size(), 720u + Own_Text_Count);
  for (size_t i = 0; i < Lang_Strings.size(); ++i) EXPECT_FALSE(Lang_Strings[i].empty()) << i;
}

TEST_F(ULanguageTest, DefaultsQuotedExactly) {
  struct Case { int index; const char* text; } cases[] = {
      {0, "Begin"},
      {7, "Step 7"},
      {8, "None Configuration Opened "},
      {10, "Opened Configuration of the Converter : "},
      {22, "Project not valid"},
      {29, "Error! Name project is not valid"},
      {30, "Error! Name project is not valid because directory already exists"},
      {31, "Error! Name Project is not valid"},
      {34, "List of Avaliable Configurations"},
      {112, "!! Transmition Type must be \"On Data Change\" or \"On Timer\""},
      {136, "Byte "},
      {168, "Search Baudrate"},
      {179, "1000000"},
      {188, "Error! Select the COM port to use for the Update"},
      {195, " / "},
      {204, "No Update Available"},
      {206, " to "},
      {528, "N\xC2\xB0"},
      {539, "Error in row "},
      {547, "Are you sure to delete the Row number "},
      {616, "!! Type must be \"2.0A (11bits)\" or \"2.0B (29bits)\""},
      {627, "!! Byte8 must be between 0 and 1999"},
      {707, "Num Byte"},
      {713, "File already exists! Do you want to overwrite the file?"},
      {714, "Error! Please set the Set Communication Parameter before to create the GSD file"},
      {717, "Error!! Is not possible to create a module greater of 64 byte. Please, uncheck the \"Module for every J1939 "
            "Frame\" option"},
      {718, "Error!! Is not possible to create more of 61 modules. Please, uncheck the \"Module for every J1939 Frame\" "
            "option"},
      {719, "Error!! The Configuration use more of 244 byte"},
  };
  for (const Case& c : cases) EXPECT_EQ(Lang_Text(c.index), c.text) << c.index;
}

TEST_F(ULanguageTest, LangTextOutsideTheTableIsEmpty) {
  EXPECT_EQ(Lang_Text(-1), "");
  EXPECT_EQ(Lang_Text(Lang_Table_Size), "");
}

TEST_F(ULanguageTest, LineRules) {
  struct Case { const char* line; int index; const char* expected; };
  const Case cases[] = {
      {"STR12 = Hello", 12, "Hello"},
      {"STR12=Hello", 12, "Hello"},  // the whole number counts, not 1
      {"STR 12 = Hello", 12, "Hello"},
      {"   STR13 = Padded   ", 13, "Padded"},
      {"STR$E = Hex", 14, "Hex"},
      {"STR5 = Hello /#/ note", 5, "Hello"},
      {"STR8 = \xC2\xB6None Configuration Opened \xC2\xB6", 8, "None Configuration Opened "},
      {"STR9 = ab\xC2\xB6" "cd", 9, "ab"},
      {"STR11 = a = b", 11, "a = b"},
  };
  for (const Case& c : cases) {
    Load_Default_Lang();
    EXPECT_TRUE(Apply_Lang_Line(c.line)) << c.line;
    EXPECT_EQ(Lang_Text(c.index), c.expected) << c.line;
  }
}

// The configurator's own messages come from the table: a language file
// translates them, placing the values where its language wants them; a
// stray or unknown "%" of a translation stays as it is.
TEST_F(ULanguageTest, OwnMessagesAreTranslatedWithTheirValuesInPlace) {
  EXPECT_EQ(Insert_Row_Refused_Text(30), "Error!! Row 30, the last row, holds data: delete a row before inserting one");
  EXPECT_EQ(Row_After_Table_End_Text(4, "PGN"),
            "!! The row holds data, but the table ends at row 4, which has no PGN: fill in row 4 or delete it");
  ASSERT_TRUE(Apply_Lang_Line("STR737 = Fehler!! Zeile %1 (die letzte) ist belegt: 100% voll, %9"));
  ASSERT_TRUE(Apply_Lang_Line("STR734 = !! Ohne %2 endet die Tabelle in Zeile %1"));
  ASSERT_TRUE(Apply_Lang_Line("STR738 = %1 ersetzen?"));
  EXPECT_EQ(Insert_Row_Refused_Text(30), "Fehler!! Zeile 30 (die letzte) ist belegt: 100% voll, %9");
  EXPECT_EQ(Row_After_Table_End_Text(4, "PGN"), "!! Ohne PGN endet die Tabelle in Zeile 4");
  EXPECT_EQ(Incomplete_File_Question("J1939_Receive.xml"), "J1939_Receive.xml ersetzen?");
  Lang_Strings.clear();
  EXPECT_EQ(Insert_Row_Refused_Text(30), "Error!! Row 30, the last row, holds data: delete a row before inserting one")
      << "before the table is filled: the built-in text";
}

TEST_F(ULanguageTest, LinesThatChangeNothing) {
  const char* lines[] = {"STR741 = x", "STR-1 = x", "STRx = y", "STR5 =", "STR5 = /#/ note", "str3 = x",
                         "STR5 Hello",  "# STR5 = x", "",         "STR = x", "STR99999999999 = x"};
  for (const char* line : lines) {
    Load_Default_Lang();
    EXPECT_FALSE(Apply_Lang_Line(line)) << line;
    std::vector<std::string> defaults(Lang_Defaults.begin(), Lang_Defaults.end());
    defaults.insert(defaults.end(), Own_Text_Defaults.begin(), Own_Text_Defaults.end());
    EXPECT_EQ(Lang_Strings, defaults) << line;
  }
}

TEST_F(ULanguageTest, FileLinesEndAtCrLfOrCrLf) {
  TTempFolder dir;
  std::string path = dir.Write("Test.lng", "STR1 = One\rSTR2 = Two\nSTR3 = Three\r\nSTR1 = Uno");
  ASSERT_TRUE(Read_Lang_File(path));
  EXPECT_EQ(Lang_Text(1), "Uno");  // a later line wins
  EXPECT_EQ(Lang_Text(2), "Two");
  EXPECT_EQ(Lang_Text(3), "Three");
  EXPECT_EQ(Lang_Text(4), "Step 4");
}

TEST_F(ULanguageTest, FileEncodings) {
  TTempFolder dir;
  struct Case { const char* name; std::string bytes; };
  std::string utf16le = "\xFF\xFE";
  for (char c : std::string("STR1=\xE8")) utf16le += {c, '\0'};
  const Case cases[] = {
      {"bom.lng", "\xEF\xBB\xBFSTR1=\xC3\xA8"},
      {"utf8.lng", "STR1=\xC3\xA8"},
      {"ansi.lng", "STR1=\xE8"},
      {"utf16.lng", utf16le},
  };
  for (const Case& c : cases) {
    Load_Default_Lang();
    ASSERT_TRUE(Read_Lang_File(dir.Write(c.name, c.bytes))) << c.name;
    EXPECT_EQ(Lang_Text(1), "\xC3\xA8") << c.name;
  }
}

TEST_F(ULanguageTest, AnsiPilcrowMarksBlanks) {
  TTempFolder dir;
  ASSERT_TRUE(Read_Lang_File(dir.Write("a.lng", "STR206 = \xB6 a \xB6\r\n")));
  EXPECT_EQ(Lang_Text(206), " a ");
}

TEST_F(ULanguageTest, UnreadableFileLeavesTheTable) {
  EXPECT_FALSE(Read_Lang_File("/nonexistent/x.lng"));
  EXPECT_EQ(Lang_Text(22), "Project not valid");
}

// A FIFO used to block start-up for ever, a link to /dev/zero to eat memory
// without end; an oversize file is refused before it is read. The built-in
// texts stay and the reason comes back for the window to show.
TEST_F(ULanguageTest, OnlyRegularFilesUpToTheLimitAreRead) {
  TTempFolder dir;
  Language_Folder = dir.Path();
  mkfifo((dir.Path() + "/English.lng").c_str(), 0600);
  std::filesystem::create_symlink("/dev/zero", dir.Path() + "/Zero.lng");
  dir.Write("Big.lng", "STR0 = Big\n" + std::string(Lang_File_Limit, ' '));
  for (const char* language : {"English", "Zero", "Big"}) {
    Language_Name = language;
    const std::string error = Load_Language();
    EXPECT_NE(error.find(std::string(language) + ".lng"), std::string::npos) << error;
    EXPECT_EQ(Lang_Text(0), "Begin") << language;
  }
}

TEST_F(ULanguageTest, LoadLanguageAppliesTheNamedFileIgnoringCase) {
  TTempFolder dir;
  Language_Folder = dir.Path();
  dir.Write("italiano.LNG", "STR0 = Inizio\n");
  dir.Write("English.lng", "STR0 = Start\n");
  Language_Name = "Italiano";
  Load_Language();
  EXPECT_EQ(Language_Name, "Italiano");
  EXPECT_EQ(Lang_Text(0), "Inizio");
  EXPECT_EQ(Lang_Text(1), "Step 1");
}

TEST_F(ULanguageTest, MissingLanguageFallsBackToEnglishFile) {
  TTempFolder dir;
  Language_Folder = dir.Path();
  dir.Write("English.lng", "STR0 = Start\n");
  Language_Name = "Deutsch";
  Lang_Strings[0] = "left over from an earlier language";
  Load_Language();
  EXPECT_EQ(Language_Name, "English");
  EXPECT_EQ(Lang_Text(0), "Start");
}

// English.lng comes with the program: read by the program's own reader it
// must give every built-in text, each written once.
TEST_F(ULanguageTest, ShippedEnglishFileHoldsEveryBuiltInText) {
  const std::string file = (Shipped_Language_Folder() / "English.lng").string();
  for (std::string& text : Lang_Strings) text = "not in the file";
  std::string error;
  ASSERT_TRUE(Read_Lang_File(file, &error)) << error;
  for (int i = 0; i < Lang_Count; ++i) EXPECT_EQ(Lang_Text(i), Lang_Defaults[i]) << "STR" << i;
  for (int i = 0; i < Own_Text_Count; ++i)
    EXPECT_EQ(Lang_Text(Lang_Count + i), Own_Text_Defaults[size_t(i)]) << "STR" << Lang_Count + i;
  std::ifstream in(file, std::ios::binary);
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  size_t entries = 0;
  for (size_t at = 0; (at = bytes.find("\nSTR", at)) != std::string::npos; ++at) ++entries;
  EXPECT_EQ(entries, static_cast<size_t>(Lang_Table_Size));  // no text twice
}

TEST_F(ULanguageTest, LanguageNameCannotLeaveTheFolder) {
  TTempFolder dir;
  dir.Write("outside.lng", "STR0 = Outside\n");
  dir.Write("LANGUAGE/English.lng", "STR1 = Inside\n");
  Language_Folder = dir.Sub("LANGUAGE");
  Language_Name = "../outside";
  Load_Language();
  EXPECT_EQ(Language_Name, "English");
  EXPECT_EQ(Lang_Text(0), "Begin");
  EXPECT_EQ(Lang_Text(1), "Inside");
  EXPECT_EQ(Find_Flag_Picture(dir.Sub("LANGUAGE"), "../outside"), "");
}

TEST_F(ULanguageTest, MissingLanguageWithoutEnglishFileKeepsDefaults) {
  TTempFolder dir;
  Language_Folder = dir.Path();
  Language_Name = "";
  Load_Language();
  EXPECT_EQ(Language_Name, "English");
  EXPECT_EQ(Lang_Text(0), "Begin");
}

TEST_F(ULanguageTest, LanguageListIsSortedIgnoringCase) {
  TTempFolder dir;
  for (const char* name : {"deutsch.lng", "English.LNG", "Italiano.lng", "Flag.bmp", "notes.txt"}) dir.Write(name, "");
  dir.Write("Folder.lng/x", "");
  EXPECT_EQ(List_Language_Files(dir.Path()), (std::vector<std::string>{"deutsch.lng", "English.LNG", "Italiano.lng"}));
  EXPECT_EQ(Language_Of_File("English.LNG"), "English");
}

TEST_F(ULanguageTest, FlagPictureFallsBackToDefault) {
  TTempFolder dir;
  EXPECT_EQ(Find_Flag_Picture(dir.Path(), "English"), "");
  dir.Write("DefaultFlag.bmp", "");
  EXPECT_EQ(Find_Flag_Picture(dir.Path(), "English"), dir.Sub("DefaultFlag.bmp"));
  dir.Write("english.BMP", "");
  EXPECT_EQ(Find_Flag_Picture(dir.Path(), "English"), dir.Sub("english.BMP"));
}
