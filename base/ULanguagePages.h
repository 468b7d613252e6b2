#pragma once
// The language page of the options dialog: languages six to a page, the page
// label, the question before a change, and loading the texts of the language
// chosen there.

#include <string>
#include <vector>

inline constexpr int Languages_Per_Page = 6;

struct TLangPage {
  int Pages = 0;                       // (languages + 5) div 6
  bool Prev_Visible = false;           // hidden on page 1
  bool Next_Visible = false;           // hidden on the last page
  // With no language file there is nothing to page through: no page label,
  // no Previous and no Next.
  bool Label_Visible = false;
  std::vector<std::string> Languages;  // the slots shown, at most six
};

// Page (from 1) of the language file list SL_Languages (names with extension).
TLangPage Lang_Page(const std::vector<std::string>& SL_Languages, int Page);
// The language of slot Slot (1 to 6) on page Page; empty when there is none.
std::string Slot_Language(const std::vector<std::string>& SL_Languages, int Page, int Slot);
// The page after a click on Next (Forward) or Previous, kept within 1..Pages.
int Next_Page(int Show_Page, int Pages, bool Forward);

// "Page 2 / 3" from strings 194 and 195.
std::string Page_Label(int Page, int Pages);
// "Selected Language : Italiano" from string 193.
std::string Selected_Language_Label(const std::string& Language);
// "Do you want to change the Language from English to Italiano?" from
// strings 205, 206 and 207.
std::string Change_Language_Question(const std::string& From, const std::string& To);

// Reloads the string table for Language without making it the remembered
// language: Language_Name is the same afterwards. Returns why its file could
// not be read ("" when it could).
std::string Load_Language_Of(const std::string& Language);
