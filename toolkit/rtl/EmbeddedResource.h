#pragma once
// The table of files from resources/, compiled into the binary at build time.
// Entries are named by their path relative to resources/ ("glyphs/check.png");
// the table ends with a null name.

#include <cstddef>

struct EmbeddedResource {
  const char* Name;
  const unsigned char* Data;
  std::size_t Size;
};

extern const EmbeddedResource g_EmbeddedResources[];
