#pragma once
// The filter string of the file dialogs: "Text files (*.txt)|*.txt|All|*.*",
// pairs of a shown name and ';'-separated patterns.

#include <string>
#include <vector>

struct TFileFilter {
  std::string Name;
  std::vector<std::string> Patterns;
};

// A missing pattern after the last name makes that name its own pattern.
std::vector<TFileFilter> ParseFileFilter(const std::string& Filter);
bool MatchesFileFilter(const std::string& FileName, const TFileFilter& Filter);
// The name with DefaultExt added when it has no extension of its own.
std::string WithDefaultExt(const std::string& FileName, const std::string& DefaultExt);
