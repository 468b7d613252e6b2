#include "app/UVersionCheck.h"

#include "base/UComon.h"
#include "platform/net/HttpClient.h"
#include "toolkit/rtl/SysUtils.h"

namespace {

bool Is_Digit(char c) { return c >= '0' && c <= '9'; }

std::string Web_Url(const std::string& PathAndQuery) { return "http://" + Web_Host + PathAndQuery; }

}  // namespace

int Conv_Version(const std::string& Text) {
  size_t blank = Text.find(' ');
  std::string v = Trim(blank == std::string::npos ? Text : Text.substr(blank + 1));
  if (v.size() != 5 || !Is_Digit(v[0]) || v[1] != '.' || !Is_Digit(v[2]) || !Is_Digit(v[3]) || !Is_Digit(v[4]))
    return -1;
  return (v[0] - '0') * 1000 + (v[2] - '0') * 100 + (v[3] - '0') * 10 + (v[4] - '0');
}

bool Is_Newer_Version(const std::string& Reply) {
  std::string r = UpperCase(Trim(Reply));
  if (r.empty() || r == "VER. 0.000") return false;
  int own = Conv_Version(SW_Version);
  int published = Conv_Version(Trim(Reply));
  return own != -1 && published != -1 && published > own;
}

bool Check_Version(const THttpGet& Get) {
  std::optional<std::string> reply = Get ? Get(Version_Query_Url()) : std::nullopt;
  return Is_Newer_Version(reply.value_or(""));
}

THttpGet Platform_Http_Get() {
  return [](const std::string& Url) -> std::optional<std::string> {
    std::string body = platform::HttpGet(Url);
    if (body.empty()) return std::nullopt;
    return body;
  };
}

bool Check_Version() { return Check_Version(Platform_Http_Get()); }

std::string Version_Query_Url() { return Web_Url("/home/download/GetversionSW.asp?nomesw=" + SW_Version_Code); }

std::string Download_Page_Url() { return Web_Url("/Home/download/download.asp#GW21070"); }

std::string Home_Page_Url() { return Web_Url("/HOME/default.asp?frompg=" + SW_Code_Default); }

std::string Download_Link_Anchor(const std::string& Caption) {
  return "<a href=\"" + Download_Page_Url() + "\">" + Caption + "</a>";
}

bool Update_Check_Wanted() { return Internet_Enabled && Update_Enabled; }
