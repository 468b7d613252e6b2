#pragma once
// The table of files from resources/, compiled into the binary at build time.
// Entries are named by their path relative to resources/ ("glyphs/check.png");
// the table ends with a null name.

#include <cstddef>
#include <string>

struct EmbeddedResource {
  const char* Name;
  const unsigned char* Data;
  std::size_t Size;
};

extern const EmbeddedResource g_EmbeddedResources[];

// Finds a resource by its path ("glyphs/check.png"), ignoring case; failing
// that, by its bare name without folder and extension ("CHECK"), the way the
// framework names resources. nullptr when there is none.
const EmbeddedResource* FindEmbeddedResource(const std::string& Name);
