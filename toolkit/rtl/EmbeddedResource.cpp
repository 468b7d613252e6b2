#include "toolkit/rtl/EmbeddedResource.h"

#include <strings.h>

#include <string_view>

namespace {

std::string_view bareName(std::string_view path) {
  size_t slash = path.find_last_of('/');
  if (slash != std::string_view::npos) path.remove_prefix(slash + 1);
  size_t dot = path.find_last_of('.');
  if (dot != std::string_view::npos && dot > 0) path = path.substr(0, dot);
  return path;
}

bool sameNoCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && ::strncasecmp(a.data(), b.data(), a.size()) == 0;
}

}  // namespace

const EmbeddedResource* FindEmbeddedResource(const std::string& Name) {
  for (const EmbeddedResource* r = g_EmbeddedResources; r->Name; ++r)
    if (sameNoCase(r->Name, Name)) return r;
  for (const EmbeddedResource* r = g_EmbeddedResources; r->Name; ++r)
    if (sameNoCase(bareName(r->Name), Name)) return r;
  return nullptr;
}
