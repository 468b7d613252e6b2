#include "base/ULanguagePages.h"

#include <algorithm>

#include "base/UComon.h"
#include "base/ULanguage.h"
#include "toolkit/rtl/SysUtils.h"

TLangPage Lang_Page(const std::vector<std::string>& SL_Languages, int Page) {
  TLangPage p;
  int count = static_cast<int>(SL_Languages.size());
  p.Pages = (count + Languages_Per_Page - 1) / Languages_Per_Page;
  p.Prev_Visible = Page > 1 && p.Pages > 0;
  p.Next_Visible = Page < p.Pages;
  p.Label_Visible = p.Pages > 0;
  int shown = std::min(Languages_Per_Page, count - (Page - 1) * Languages_Per_Page);
  for (int k = 1; k <= shown; ++k) p.Languages.push_back(Slot_Language(SL_Languages, Page, k));
  return p;
}

std::string Slot_Language(const std::vector<std::string>& SL_Languages, int Page, int Slot) {
  int index = (Page - 1) * Languages_Per_Page + Slot - 1;
  if (Slot < 1 || Slot > Languages_Per_Page || index < 0 || index >= static_cast<int>(SL_Languages.size())) return {};
  return Language_Of_File(SL_Languages[static_cast<size_t>(index)]);
}

int Next_Page(int Show_Page, int Pages, bool Forward) {
  if (Forward) return Pages >= Show_Page + 1 ? Show_Page + 1 : Show_Page;
  return Show_Page - 1 > 0 ? Show_Page - 1 : Show_Page;
}

std::string Page_Label(int Page, int Pages) { return Lang_Text(194) + IntToStr(Page) + Lang_Text(195) + IntToStr(Pages); }

std::string Selected_Language_Label(const std::string& Language) { return Lang_Text(193) + Language; }

std::string Change_Language_Question(const std::string& From, const std::string& To) {
  return Lang_Text(205) + From + Lang_Text(206) + To + Lang_Text(207);
}

std::string Load_Language_Of(const std::string& Language) {
  std::string remembered = Language_Name;
  Language_Name = Language;
  std::string error = Load_Language();
  Language_Name = remembered;
  return error;
}
