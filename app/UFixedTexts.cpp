#include "app/UFixedTexts.h"

#include "toolkit/rtl/SysUtils.h"

std::string Program_Not_Started_Text(const std::string& Program, const std::string& Why) {
  return "The program " + Program + " could not be started: " + Why;
}

std::string Program_Failed_Text(const std::string& Program, uint32_t Exit_Code) {
  return "The program " + Program + " ended with the exit code " + IntToStr(Exit_Code);
}

std::string Program_Timed_Out_Text(const std::string& Program, uint32_t Seconds) {
  return "The program " + Program + " did not end within " + IntToStr(Seconds) + " seconds";
}

std::string Unknown_Reason_Text() { return "unknown reason"; }

std::string Too_Many_Frames_Text(const std::string& File, int Max_Rows, int Row) {
  return "Error!! " + File + " holds more than " + IntToStr(Max_Rows) + " frames: row " + IntToStr(Row) +
         " and the rows after it cannot be sent to the device";
}

std::string GSD_Module_Size_Text(int Row, int Size) {
  std::string where = Row > 0 ? "Error in row " + IntToStr(Row) : std::string("Error in the bitmap module");
  return where + "!! A PROFIBUS module must hold from 1 to 64 bytes, not " + IntToStr(Size);
}
