#pragma once
// How every editor replaces its section file on OK.

#include <functional>
#include <string>

// Runs Save unless the file was not loaded completely and the user does not
// confirm replacing it (Yes/No); a file that cannot be written is shown in
// an error box. True when the file was written.
bool Replace_Section_File(bool Load_Incomplete, const std::string& File_Name, const std::function<void()>& Save);
