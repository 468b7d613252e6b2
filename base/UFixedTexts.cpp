#include "base/UFixedTexts.h"

#include "base/ULanguage.h"
#include "toolkit/rtl/SysUtils.h"

#include <initializer_list>
#include <vector>

namespace {

// The own texts by their place after the 720 of the string table.
enum TOwnText {
  otProgramNotStarted, otProgramFailed, otProgramSignal, otProgramTimedOut, otUpdateWaits, otProjectsFolder,
  otProjectCannotOpen, otLinkNotOpened, otUnknownReason, otTooManyFrames, otUpdateNoParGen, otGSDModuleSize,
  otGSDBitmapSize, otRowWithoutKey, otRowAfterTableEnd, otUnsavableCell, otUnsavableField, otInsertRowRefused,
  otIncompleteFile, otTooManyRows, otBadFrameReference,
};

// The text of the table (as a language file left it, the built-in English
// before the table is filled) with %1, %2 ... replaced by Values; other "%"
// signs stay as they are, so that no translation can break a message.
std::string Own_Text(TOwnText Id, std::initializer_list<std::string> Values = {}) {
  const int index = Lang_Count + Id;
  const std::string& table = Lang_Text(index);
  const std::string text = table.empty() ? Own_Text_Defaults[size_t(Id)] : table;
  const std::vector<std::string> values(Values);
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    const size_t n = i + 1 < text.size() ? size_t(text[i + 1] - '1') : values.size();
    if (text[i] == '%' && n < values.size()) {
      out += values[n];
      ++i;
    } else {
      out += text[i];
    }
  }
  return out;
}

}  // namespace

std::string Program_Not_Started_Text(const std::string& Program, const std::string& Why) {
  return Own_Text(otProgramNotStarted, {Program, Why});
}

std::string Program_Failed_Text(const std::string& Program, uint32_t Exit_Code) {
  return Own_Text(otProgramFailed, {Program, IntToStr(Exit_Code)});
}

std::string Program_Signal_Text(const std::string& Program, int Signal) {
  return Own_Text(otProgramSignal, {Program, IntToStr(Signal)});
}

std::string Program_Timed_Out_Text(const std::string& Program, uint32_t Seconds) {
  return Own_Text(otProgramTimedOut, {Program, IntToStr(Seconds)});
}

std::string Update_Waits_Text() { return Own_Text(otUpdateWaits); }

std::string Projects_Folder_Text(const std::string& Folder, const std::string& Why) {
  return Own_Text(otProjectsFolder, {Folder, Why});
}

std::string Project_Cannot_Open_Text(const std::string& Shown) { return Own_Text(otProjectCannotOpen, {Shown}); }

std::string Link_Not_Opened_Text(const std::string& Link, const std::string& Why) {
  return Own_Text(otLinkNotOpened, {Link, Why});
}

std::string Unknown_Reason_Text() { return Own_Text(otUnknownReason); }

std::string Too_Many_Frames_Text(const std::string& File, int Max_Rows, int Row) {
  return Own_Text(otTooManyFrames, {File, IntToStr(Max_Rows), IntToStr(Row)});
}

std::string Update_No_ParGen_Text() { return Own_Text(otUpdateNoParGen); }

std::string GSD_Module_Size_Text(int Row, int64_t Size) {
  return Row > 0 ? Own_Text(otGSDModuleSize, {IntToStr(Row), IntToStr(Size)})
                 : Own_Text(otGSDBitmapSize, {IntToStr(Size)});
}

std::string Byte_Total_Text(int Row) {
  return "Error in row " + IntToStr(Row) + "!! The Configuration use more of 244 bytes";
}

std::string Row_Without_Key_Text(const std::string& Key_Header) { return Own_Text(otRowWithoutKey, {Key_Header}); }

std::string Row_After_Table_End_Text(int End_Row, const std::string& Key_Header) {
  return Own_Text(otRowAfterTableEnd, {IntToStr(End_Row), Key_Header});
}

std::string Unsavable_Cell_Text(const std::string& Column_Header, const std::string& Char) {
  return Own_Text(otUnsavableCell, {Column_Header, Char});
}

std::string Unsavable_Field_Text(const std::string& Field, const std::string& Char) {
  return Own_Text(otUnsavableField, {Field, Char});
}

std::string Insert_Row_Refused_Text(int Last_Row) { return Own_Text(otInsertRowRefused, {IntToStr(Last_Row)}); }

std::string Incomplete_File_Question(const std::string& File) { return Own_Text(otIncompleteFile, {File}); }

std::string Too_Many_Rows_Text(const std::string& File, int Capacity) {
  return Own_Text(otTooManyRows, {File, IntToStr(Capacity)});
}

std::string Bad_Frame_Reference_Text(int Row, const std::string& Attribute, const std::string& Value, int Frames) {
  return Own_Text(otBadFrameReference, {IntToStr(Row), Attribute, Value, IntToStr(Frames)});
}
