#include "platform/clipboard/ClipboardFormats.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <mutex>
#include <vector>

namespace {

constexpr uint32_t kFirstNamed = 0xC000;
constexpr uint32_t kLastNamed = 0xFFFF;

std::mutex g_lock;
std::map<std::string, uint32_t> g_byName;  // folded name -> number
std::vector<std::string> g_names;          // number - kFirstNamed -> name as first registered

std::string Fold(const std::string& name) {
  std::string folded = name;
  std::transform(folded.begin(), folded.end(), folded.begin(), [](unsigned char c) { return std::tolower(c); });
  return folded;
}

}  // namespace

uint32_t RegisterClipboardFormat(const std::string& name) {
  if (name.empty()) return 0;
  std::lock_guard lock(g_lock);
  auto [it, added] = g_byName.emplace(Fold(name), 0);
  if (added) {
    if (kFirstNamed + g_names.size() > kLastNamed) {  // the number range is used up
      g_byName.erase(it);
      return 0;
    }
    it->second = kFirstNamed + static_cast<uint32_t>(g_names.size());
    g_names.push_back(name);
  }
  return it->second;
}

std::string GetClipboardFormatName(uint32_t format) {
  std::lock_guard lock(g_lock);
  if (format < kFirstNamed || format - kFirstNamed >= g_names.size()) return "";
  return g_names[format - kFirstNamed];
}
