#include "base/UFixedTexts.h"

#include "toolkit/rtl/SysUtils.h"

std::string Program_Not_Started_Text(const std::string& Program, const std::string& Why) {
  return "The program " + Program + " could not be started: " + Why;
}

std::string Program_Failed_Text(const std::string& Program, uint32_t Exit_Code) {
  return "The program " + Program + " ended with the exit code " + IntToStr(Exit_Code);
}

std::string Program_Signal_Text(const std::string& Program, int Signal) {
  return "The program " + Program + " ended by signal " + IntToStr(Signal);
}

std::string Program_Timed_Out_Text(const std::string& Program, uint32_t Seconds) {
  return "The program " + Program + " is still running after " + IntToStr(Seconds) + " seconds";
}

std::string Update_Waits_Text() { return "Update stays disabled until it has ended."; }

std::string Projects_Folder_Text(const std::string& Folder, const std::string& Why) {
  return "No project can be created in the projects folder " + Folder + ": " + Why;
}

std::string Project_Cannot_Open_Text(const std::string& Shown) {
  return "The project " + Shown + " cannot be opened: its folder name is not valid UTF-8";
}

std::string Link_Not_Opened_Text(const std::string& Link, const std::string& Why) {
  return "The link " + Link + " cannot be opened: " + Why;
}

std::string Unknown_Reason_Text() { return "unknown reason"; }

std::string Too_Many_Frames_Text(const std::string& File, int Max_Rows, int Row) {
  return "Error!! " + File + " holds more than " + IntToStr(Max_Rows) + " frames: row " + IntToStr(Row) +
         " and the rows after it cannot be sent to the device";
}

std::string GSD_Module_Size_Text(int Row, int64_t Size) {
  std::string where = Row > 0 ? "Error in row " + IntToStr(Row) : std::string("Error in the bitmap module");
  return where + "!! A PROFIBUS module must hold from 1 to 64 bytes, not " + IntToStr(Size);
}

std::string Byte_Total_Text(int Row) {
  return "Error in row " + IntToStr(Row) + "!! The Configuration use more of 244 bytes";
}

std::string Row_Without_Key_Text(const std::string& Key_Header) {
  return "!! The row holds data but no " + Key_Header + ": fill in the " + Key_Header + " or delete the row";
}

std::string Row_After_Table_End_Text(int End_Row, const std::string& Key_Header) {
  return "!! The row holds data, but the table ends at row " + IntToStr(End_Row) + ", which has no " + Key_Header +
         ": fill in row " + IntToStr(End_Row) + " or delete it";
}

std::string Unsavable_Cell_Text(const std::string& Column_Header, const std::string& Char) {
  return "!! " + Column_Header + " holds " + Char + ", which cannot be saved";
}

std::string Unsavable_Field_Text(const std::string& Field, const std::string& Char) {
  return "Error!! " + Field + " holds " + Char + ", which cannot be saved";
}

std::string Insert_Row_Refused_Text(int Last_Row) {
  return "Error!! Row " + IntToStr(Last_Row) + ", the last row, holds data: delete a row before inserting one";
}

std::string Incomplete_File_Question(const std::string& File) {
  return File + " could not be loaded completely. Saving replaces it with what the table shows now. "
                "Do you want to save?";
}

std::string Too_Many_Rows_Text(const std::string& File, int Capacity) {
  return File + " holds more than " + IntToStr(Capacity) + " rows: only the first " + IntToStr(Capacity) +
         " are shown";
}

std::string Bad_Frame_Reference_Text(int Row, const std::string& Attribute, const std::string& Value, int Frames) {
  return "Row " + IntToStr(Row) + ": " + Attribute + " \"" + Value + "\" names no frame of the J1939 file, which holds " +
         IntToStr(Frames) + " frames";
}
