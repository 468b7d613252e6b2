#pragma once
// The configurator's own messages, for what it does beyond the 720 texts of
// the string table. They are entries of that table too, from index 720 on
// (UFixedTextsDefaults.cpp), so a language file translates them like every
// other text; the values a message names are put in here.

#include <cstdint>
#include <string>

// The external program (the device updater) could not be started, failed or hung.
std::string Program_Not_Started_Text(const std::string& Program, const std::string& Why);
std::string Program_Failed_Text(const std::string& Program, uint32_t Exit_Code);
std::string Program_Signal_Text(const std::string& Program, int Signal);
std::string Program_Timed_Out_Text(const std::string& Program, uint32_t Seconds);
// Said after Program_Timed_Out_Text by the update wizard, which waits on.
std::string Update_Waits_Text();
// The projects folder cannot take a new project, and why.
std::string Projects_Folder_Text(const std::string& Folder, const std::string& Why);
// A project folder whose name is not valid UTF-8 (Shown with replacement characters).
std::string Project_Cannot_Open_Text(const std::string& Shown);
// A link the desktop could not open.
std::string Link_Not_Opened_Text(const std::string& Link, const std::string& Why);
// Said for Why when the platform gives no reason.
std::string Unknown_Reason_Text();

// A frame table holds more rows than the configuration image can carry.
std::string Too_Many_Frames_Text(const std::string& File, int Max_Rows, int Row);
// Update Device without the communication parameters, which the image carries.
std::string Update_No_ParGen_Text();
// A PROFIBUS module of Size bytes: Row is the receive row (from 1), 0 for the bitmap module.
std::string GSD_Module_Size_Text(int Row, int64_t Size);

// ---- the configuration editors ----
// The receive table's byte total, in English in every language.
std::string Byte_Total_Text(int Row);
// Follow the row prefix ("Error in row " + row): a row that holds data where
// the table has already ended, because its own key cell or that of End_Row
// (an earlier row) is empty.
std::string Row_Without_Key_Text(const std::string& Key_Header);
std::string Row_After_Table_End_Text(int End_Row, const std::string& Key_Header);
// Follows the row prefix: a cell holding a character the file cannot carry.
std::string Unsavable_Cell_Text(const std::string& Column_Header, const std::string& Char);
// A field of a dialog holding a character the file cannot carry.
std::string Unsavable_Field_Text(const std::string& Field, const std::string& Char);
// Insert Row would push the data of the last row out of the table.
std::string Insert_Row_Refused_Text(int Last_Row);
// The section file was not loaded completely: saving replaces it (Yes/No).
std::string Incomplete_File_Question(const std::string& File);
// More rows in the file than the table holds; they are not shown.
std::string Too_Many_Rows_Text(const std::string& File, int Capacity);

// A file row whose frame reference names no frame of the J1939 file (Frames
// frames there): the row is not shown and OK asks before it is lost.
std::string Bad_Frame_Reference_Text(int Row, const std::string& Attribute, const std::string& Value, int Frames);
