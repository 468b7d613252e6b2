#include "toolkit/graphics/Resources.h"

#include <strings.h>

#include <string_view>

#include "toolkit/graphics/codecs/BmpCodec.h"
#include "toolkit/graphics/codecs/PngCodec.h"
#include "toolkit/rtl/Exceptions.h"

namespace {

bool SameNoCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && ::strncasecmp(a.data(), b.data(), a.size()) == 0;
}

std::string_view FileName(std::string_view path) {
  const size_t slash = path.find_last_of('/');
  return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

std::string_view Extension(std::string_view path) {
  const std::string_view file = FileName(path);
  const size_t dot = file.find_last_of('.');
  return dot == std::string_view::npos || dot == 0 ? std::string_view() : file.substr(dot);
}

std::string_view BareName(std::string_view path) {
  const std::string_view file = FileName(path);
  return file.substr(0, file.size() - Extension(path).size());
}

bool OfKind(std::string_view path, TResourceKind kind) {
  const std::string_view ext = Extension(path);
  switch (kind) {
    case rkBitmap: return SameNoCase(ext, ".bmp") || SameNoCase(ext, ".png");
    case rkCursor: return SameNoCase(ext, ".cur");
    case rkIcon: return SameNoCase(ext, ".ico");
    case rkRawData: return true;
  }
  return false;
}

// The ways a name can match, strongest first.
bool Matches(std::string_view path, std::string_view name, int how) {
  switch (how) {
    case 0: return SameNoCase(path, name);
    case 1: return SameNoCase(FileName(path), name);
    default: return SameNoCase(BareName(path), name);
  }
}

[[noreturn]] void NotFound(const std::string& name) {
  throw EResNotFound("Resource " + name + " not found");
}

}  // namespace

const EmbeddedResource* FindResourceOrNull(const std::string& name, TResourceKind kind) {
  std::string_view key = name;
  if (key.size() > 1 && key[0] == '#') key.remove_prefix(1);
  if (key.empty()) return nullptr;
  for (int how = 0; how < 3; ++how)
    for (const EmbeddedResource* r = g_EmbeddedResources; r->Name; ++r)
      if (OfKind(r->Name, kind) && Matches(r->Name, key, how)) return r;
  return nullptr;
}

const EmbeddedResource& FindResource(const std::string& name, TResourceKind kind) {
  const EmbeddedResource* r = FindResourceOrNull(name, kind);
  if (!r) NotFound(name);
  return *r;
}

const EmbeddedResource& FindResource(int id, TResourceKind kind) {
  return FindResource(std::to_string(id), kind);
}

TPixelImage LoadResourceImage(const std::string& name) {
  const EmbeddedResource& r = FindResource(name, rkBitmap);
  if (IsPngData(r.Data, r.Size)) return DecodePng(r.Data, r.Size);
  return DecodeBmp(r.Data, r.Size);
}

TIcoFile LoadResourceIcon(const std::string& name, TResourceKind kind) {
  const EmbeddedResource& r = FindResource(name, kind);
  return DecodeIco(r.Data, r.Size);
}
