#pragma once
// The on-line version check: the query sent to the maker's version service,
// the reading of its reply, and the links to the download and home pages.
// The HTTP client is passed in, so that the check runs with the platform's
// client in the program and with a stand-in in tests.

#include <functional>
#include <optional>
#include <string>

// Fetches a URL's body; nothing on any failure (no network, error status,
// time-out). The caller bounds the time and size.
using THttpGet = std::function<std::optional<std::string>(const std::string& Url)>;

inline constexpr int Update_First_Interval_ms = 60000;
inline constexpr int Update_Next_Interval_ms = 7200000;

// The version written as one digit, a point and three digits after the text's
// first blank (the whole text when it has none), blanks removed at both ends:
// "Ver. 1.002" gives 1002. Anything else gives -1.
int Conv_Version(const std::string& Text);

// True exactly when the reply names a version greater than the program's own.
// An empty reply and "VER. 0.000" (nothing published) are not newer.
bool Is_Newer_Version(const std::string& Reply);

// Asks the version service through Get; a failed request counts as an empty
// reply.
bool Check_Version(const THttpGet& Get);
// The same through the platform's HTTP client (bounded in time and size).
bool Check_Version();
THttpGet Platform_Http_Get();

std::string Version_Query_Url();
std::string Download_Page_Url();
std::string Home_Page_Url();
// A link-label text: one anchor to the download page showing Caption.
std::string Download_Link_Anchor(const std::string& Caption);

// The update-check timer runs only while both choices are on.
bool Update_Check_Wanted();
