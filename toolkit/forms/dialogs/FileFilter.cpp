#include "toolkit/forms/dialogs/FileFilter.h"

#include "toolkit/rtl/FileUtils.h"

namespace {

std::vector<std::string> Split(const std::string& s, char sep) {
  std::vector<std::string> out;
  size_t start = 0;
  while (true) {
    size_t p = s.find(sep, start);
    out.push_back(s.substr(start, p == std::string::npos ? std::string::npos : p - start));
    if (p == std::string::npos) break;
    start = p + 1;
  }
  return out;
}

std::string Trim(const std::string& s) {
  size_t a = s.find_first_not_of(' ');
  if (a == std::string::npos) return {};
  return s.substr(a, s.find_last_not_of(' ') - a + 1);
}

}  // namespace

std::vector<TFileFilter> ParseFileFilter(const std::string& Filter) {
  std::vector<TFileFilter> out;
  if (Filter.empty()) return out;
  std::vector<std::string> parts = Split(Filter, '|');
  for (size_t i = 0; i < parts.size(); i += 2) {
    TFileFilter f;
    f.Name = parts[i];
    std::string patterns = i + 1 < parts.size() ? parts[i + 1] : parts[i];
    for (const std::string& p : Split(patterns, ';'))
      if (!Trim(p).empty()) f.Patterns.push_back(Trim(p));
    if (f.Patterns.empty()) f.Patterns.push_back("*");
    out.push_back(f);
  }
  return out;
}

bool MatchesFileFilter(const std::string& FileName, const TFileFilter& Filter) {
  for (const std::string& p : Filter.Patterns)
    if (MatchesMask(FileName, p)) return true;
  return false;
}

std::string WithDefaultExt(const std::string& FileName, const std::string& DefaultExt) {
  if (DefaultExt.empty() || FileName.empty() || !ExtractFileExt(ExtractFileName(FileName)).empty()) return FileName;
  std::string ext = DefaultExt[0] == '.' ? DefaultExt.substr(1) : DefaultExt;
  return FileName + "." + ext;
}
