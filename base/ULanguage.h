#pragma once
// The user-interface string table and the language files that replace its
// built-in English texts entry by entry.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

inline constexpr int Lang_Count = 720;
// The configurator's own texts (its messages beyond the 720) follow them,
// from index Lang_Count on, and are translated by the same language files.
inline constexpr int Own_Text_Count = 21;
inline constexpr int Lang_Table_Size = Lang_Count + Own_Text_Count;

// Indexed 0 to Lang_Table_Size - 1 once Load_Default_Lang has run; empty before.
extern std::vector<std::string> Lang_Strings;
extern const std::array<const char*, Lang_Count> Lang_Defaults;
extern const std::array<const char*, Own_Text_Count> Own_Text_Defaults;

// Entry Index of the table; an empty text for an index outside it, so that a
// window created before the table is filled shows nothing rather than crash.
const std::string& Lang_Text(int Index);

// Empties the table and adds the built-in texts in index order: the 720,
// then the own texts.
void Load_Default_Lang();

// Applies one line of a language file ("STR12 = Open Configuration"); true
// when it set an entry. Lines that do not match the rules change nothing.
bool Apply_Lang_Line(std::string_view Line);
// Applies every line of a language file. The file's bytes are decoded with
// the text-file rule (BOM, else UTF-8 when valid, else Windows-1252). False,
// with the table unchanged and the reason in *Error, when the file cannot be
// read: only regular files of at most Lang_File_Limit bytes are read.
inline constexpr uint64_t Lang_File_Limit = 4u << 20;
bool Read_Lang_File(const std::string& Path, std::string* Error = nullptr);

// The built-in texts, then the file of Language_Name in Language_Folder (its
// name matched ignoring letter case). When that file is missing the language
// becomes "English" and English.lng is applied when present. Returns why the
// language file could not be read ("" when it was read or there was none);
// the built-in texts stay in force then.
std::string Load_Language();

// The language files of Folder (names with their extension), sorted ignoring
// letter case.
std::vector<std::string> List_Language_Files(const std::string& Folder);
// A language file's name without its extension.
std::string Language_Of_File(const std::string& FileName);
// The flag picture of Language: its own .bmp in Folder, else DefaultFlag.bmp,
// else empty (no picture). Names are matched ignoring letter case.
std::string Find_Flag_Picture(const std::string& Folder, const std::string& Language);
