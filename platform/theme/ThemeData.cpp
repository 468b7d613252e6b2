// Theme handles and the themes-on switch.

#include <atomic>
#include <map>
#include <mutex>
#include <sstream>

#include "platform/theme/Theme.h"

namespace {

std::atomic<bool> g_active{true};

struct THandleTable {
  std::mutex Lock;
  std::map<HTHEME, TThemeClass> Open;
  HTHEME Next = 1;
};

THandleTable& Handles() {
  static THandleTable table;
  return table;
}

std::string Lower(std::string s) {
  for (char& c : s) c = char(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
  return s;
}

std::string Trim(const std::string& s) {
  const size_t b = s.find_first_not_of(" \t");
  if (b == std::string::npos) return {};
  return s.substr(b, s.find_last_not_of(" \t") - b + 1);
}

TThemeClass ClassByName(const std::string& name) {
  static const std::map<std::string, TThemeClass> known = {
      {"button", TThemeClass::Button},       {"combobox", TThemeClass::ComboBox},
      {"spin", TThemeClass::Spin},           {"header", TThemeClass::Header},
      {"progress", TThemeClass::Progress},   {"scrollbar", TThemeClass::ScrollBar},
      {"edit", TThemeClass::Edit},           {"tab", TThemeClass::Tab},
  };
  const auto it = known.find(Lower(Trim(name)));
  return it == known.end() ? TThemeClass::None : it->second;
}

}  // namespace

void SetThemeActive(bool active) { g_active = active; }
bool IsThemeActive() { return g_active; }
bool IsAppThemed() { return g_active; }

HTHEME OpenThemeData(void*, const std::string& classList) {
  if (!g_active) return 0;
  std::istringstream names(classList);
  std::string name;
  while (std::getline(names, name, ';')) {
    const TThemeClass cls = ClassByName(name);
    if (cls == TThemeClass::None) continue;
    THandleTable& t = Handles();
    std::lock_guard<std::mutex> guard(t.Lock);
    const HTHEME h = t.Next++;
    t.Open[h] = cls;
    return h;
  }
  return 0;
}

HRESULT CloseThemeData(HTHEME theme) {
  THandleTable& t = Handles();
  std::lock_guard<std::mutex> guard(t.Lock);
  return t.Open.erase(theme) ? S_OK : E_HANDLE;
}

TThemeClass ThemeClassOf(HTHEME theme) {
  THandleTable& t = Handles();
  std::lock_guard<std::mutex> guard(t.Lock);
  const auto it = t.Open.find(theme);
  return it == t.Open.end() ? TThemeClass::None : it->second;
}

int OpenThemeCount() {
  THandleTable& t = Handles();
  std::lock_guard<std::mutex> guard(t.Lock);
  return int(t.Open.size());
}

HRESULT GetCurrentThemeName(std::string* fileName, std::string* colorName, std::string* sizeName) {
  if (!g_active) return E_FAIL;
  if (fileName) *fileName = "QuelixLight.theme";
  if (colorName) *colorName = "NormalColor";
  if (sizeName) *sizeName = "NormalSize";
  return S_OK;
}
