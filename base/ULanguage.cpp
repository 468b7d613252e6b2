#include "base/ULanguage.h"

#include "base/UComon.h"
#include "toolkit/rtl/SysUtils.h"
#include "toolkit/rtl/Encoding.h"
#include "toolkit/rtl/Exceptions.h"
#include "toolkit/rtl/FileUtils.h"

std::vector<std::string> Lang_Strings;

namespace {

const std::string Lang_Extension = ".lng";
// The pilcrow marks the ends of a text whose own ends are blanks.
const std::string Pilcrow = "\xC2\xB6";
const std::string Comment_Mark = "/#/";

// Full path of the entry of Folder named Name ignoring letter case; empty when
// there is none.
std::string Find_No_Case(const std::string& Folder, const std::string& Name) {
  // A language name comes from the settings file: it must not lead out of
  // the folder.
  if (Folder.empty() || Name.find_first_of("/\\") != std::string::npos || Name == "." || Name == "..") return {};
  std::string found = FindNameNoCase(Folder, Name);
  return found.empty() ? found : Join_Path(Folder, found);
}

std::vector<std::string_view> Split_Lines(std::string_view text) {
  std::vector<std::string_view> lines;
  size_t start = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r' && text[i] != '\n') continue;
    lines.push_back(text.substr(start, i - start));
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (start < text.size()) lines.push_back(text.substr(start));
  return lines;
}

// The value part of a line after its comment and pilcrow rules; false when
// nothing is left to set.
bool Entry_Value(std::string_view raw, std::string& value) {
  value = Trim(raw);
  if (value.empty()) return false;
  size_t comment = value.find(Comment_Mark);
  if (comment != std::string::npos) {
    value = Trim(std::string_view(value).substr(0, comment));
    if (value.empty()) return false;
  }
  if (value.compare(0, Pilcrow.size(), Pilcrow) == 0) value.erase(0, Pilcrow.size());
  size_t end = value.find(Pilcrow);
  if (end != std::string::npos) value.erase(end);
  return true;
}

}  // namespace

const std::string& Lang_Text(int Index) {
  static const std::string none;
  if (Index < 0 || static_cast<size_t>(Index) >= Lang_Strings.size()) return none;
  return Lang_Strings[static_cast<size_t>(Index)];
}

void Load_Default_Lang() {
  Lang_Strings.assign(Lang_Defaults.begin(), Lang_Defaults.end());
  Lang_Strings.insert(Lang_Strings.end(), Own_Text_Defaults.begin(), Own_Text_Defaults.end());
}

bool Apply_Lang_Line(std::string_view Line) {
  std::string line = Trim(Line);
  if (line.compare(0, 3, "STR") != 0) return false;
  size_t sign = line.find('=');
  if (sign == std::string::npos) return false;
  int index = -1;
  if (!TryStrToInt(Trim(std::string_view(line).substr(3, sign - 3)), index) || index < 0 || index >= Lang_Table_Size)
    return false;
  if (Lang_Strings.size() != static_cast<size_t>(Lang_Table_Size)) return false;
  std::string value;
  if (!Entry_Value(std::string_view(line).substr(sign + 1), value)) return false;
  Lang_Strings[static_cast<size_t>(index)] = value;
  return true;
}

bool Read_Lang_File(const std::string& Path, std::string* Error) {
  std::string text;
  try {
    text = ReadTextFile(Path, nullptr, Lang_File_Limit);
  } catch (const Exception& e) {
    if (Error) *Error = e.Message();
    return false;
  }
  for (std::string_view line : Split_Lines(text)) Apply_Lang_Line(line);
  return true;
}

std::string Load_Language() {
  Load_Default_Lang();
  std::string file = Language_Name.empty() ? std::string()
                                           : Find_No_Case(Language_Folder, Language_Name + Lang_Extension);
  if (file.empty()) {
    Language_Name = Language_Default;
    file = Find_No_Case(Language_Folder, Language_Default + Lang_Extension);
  }
  std::string error;
  if (!file.empty()) Read_Lang_File(file, &error);
  return error;
}

std::vector<std::string> List_Language_Files(const std::string& Folder) {
  return ListFolder(Folder, "*" + Lang_Extension, fekFiles);
}

std::string Language_Of_File(const std::string& FileName) {
  return FileName.size() > Lang_Extension.size() ? FileName.substr(0, FileName.size() - Lang_Extension.size())
                                                 : std::string();
}

std::string Find_Flag_Picture(const std::string& Folder, const std::string& Language) {
  std::string own = Language.empty() ? std::string() : Find_No_Case(Folder, Language + ".bmp");
  return own.empty() ? Find_No_Case(Folder, "DefaultFlag.bmp") : own;
}
