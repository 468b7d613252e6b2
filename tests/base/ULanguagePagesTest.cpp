#include "base/ULanguagePages.h"

#include <gtest/gtest.h>

#include "base/UComon.h"
#include "base/ULanguage.h"
#include "tests/base/TempFolder.h"

class ULanguagePagesTest : public testing::Test {
protected:
  void SetUp() override { Load_Default_Lang(); }
  void TearDown() override {
    Reset_Comon();
    Lang_Strings.clear();
  }
};

TEST_F(ULanguagePagesTest, SevenLanguagesMakeTwoPages) {
  std::vector<std::string> files = {"A.lng", "B.lng", "C.lng", "D.lng", "E.lng", "F.lng", "G.lng"};
  TLangPage first = Lang_Page(files, 1);
  EXPECT_EQ(first.Pages, 2);
  EXPECT_FALSE(first.Prev_Visible);
  EXPECT_TRUE(first.Next_Visible);
  EXPECT_EQ(first.Languages, (std::vector<std::string>{"A", "B", "C", "D", "E", "F"}));
  TLangPage second = Lang_Page(files, 2);
  EXPECT_TRUE(second.Prev_Visible);
  EXPECT_FALSE(second.Next_Visible);
  EXPECT_EQ(second.Languages, (std::vector<std::string>{"G"}));
  EXPECT_EQ(Slot_Language(files, 2, 1), "G");
  EXPECT_EQ(Slot_Language(files, 2, 2), "");
  EXPECT_EQ(Page_Label(2, 2), "Page 2 / 2");
}

// An empty LANGUAGE folder once read "Page 1 / 0" and offered Next.
TEST_F(ULanguagePagesTest, NoLanguagesNoPaging) {
  TLangPage p = Lang_Page({}, 1);
  EXPECT_EQ(p.Pages, 0);
  EXPECT_FALSE(p.Label_Visible);
  EXPECT_FALSE(p.Next_Visible);
  EXPECT_FALSE(p.Prev_Visible);
  EXPECT_TRUE(p.Languages.empty());
  EXPECT_TRUE(Lang_Page({"English.lng"}, 1).Label_Visible);
}

TEST_F(ULanguagePagesTest, PagingStaysWithinThePages) {
  EXPECT_EQ(Next_Page(1, 3, true), 2);
  EXPECT_EQ(Next_Page(3, 3, true), 3);
  EXPECT_EQ(Next_Page(1, 3, false), 1);
  EXPECT_EQ(Next_Page(2, 3, false), 1);
}

TEST_F(ULanguagePagesTest, Texts) {
  EXPECT_EQ(Change_Language_Question("English", "Italiano"),
            "Do you want to change the Language from English to Italiano?");
  EXPECT_EQ(Selected_Language_Label("Italiano"), "Selected Language : Italiano");
}

TEST_F(ULanguagePagesTest, LoadingAChoiceKeepsTheRememberedLanguage) {
  TTempFolder dir;
  Language_Folder = dir.Path();
  dir.Write("Italiano.lng", "STR0 = Inizio\n");
  Language_Name = "English";
  Load_Language_Of("Italiano");
  EXPECT_EQ(Lang_Text(0), "Inizio");
  EXPECT_EQ(Language_Name, "English");
}
