#pragma once
// The column layout a grid keeps between runs, as text: "N#widths#order#
// visibility" (for example 3#64,64,64#0,1,2#1,1,1), and the permutation
// rules the stored column orders obey. A layout is checked whole before a
// grid applies any of it.

#include <string>
#include <vector>

struct TColumnStates {
  int Count = 0;
  std::vector<int> Widths;   // Count entries, each >= 0
  std::vector<int> Order;    // empty, or a permutation of 0..Count-1
  std::vector<bool> Visible; // Count entries
};

// Raises EConvertError naming what is wrong; a text without "#" is not a
// layout (false, States untouched).
bool ParseColumnStates(const std::string& Text, TColumnStates& States);
std::string FormatColumnStates(const TColumnStates& States);

bool IsPermutation(const std::vector<int>& Values);
// Inverse[Values[k]] = k.
std::vector<int> InversePermutation(const std::vector<int>& Values);
// Each value replaced by its rank among the values (distinct values stay in
// their order), so any set of distinct indexes becomes 0..n-1.
std::vector<int> Ranks(const std::vector<int>& Values);
