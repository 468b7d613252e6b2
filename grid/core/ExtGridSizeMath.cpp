// Stretching, fitting and proportional sizing arithmetic.

#include "grid/core/ExtGridSizeMath.h"

#include <algorithm>
#include <numeric>

#include "toolkit/rtl/Math.h"

std::optional<int> StretchedColumnWidth(int ColCount, int Others, int ClientWidth, bool ScrolledFullyLeft,
                                        int DefaultColWidth) {
  if (ColCount <= 0) return std::nullopt;
  if (ColCount == 1) return std::max(ClientWidth, 0);
  if (Others < ClientWidth) return ClientWidth - Others - 1;
  if (ScrolledFullyLeft) return DefaultColWidth;
  return std::nullopt;
}

void FitWidths(std::vector<int>& Widths, int Avail, int Lines) {
  if (Widths.empty()) return;
  long long sum = std::accumulate(Widths.begin(), Widths.end(), 0LL);
  if (sum <= 0 || sum == Avail) return;
  double f = static_cast<double>(Avail - Lines) / static_cast<double>(sum);
  long long scaled = 0;
  for (int w : Widths) scaled += Round(w * f);
  for (int& w : Widths) w = static_cast<int>(Round(w * (static_cast<double>(scaled) / static_cast<double>(sum))));
  long long rest = Avail - std::accumulate(Widths.begin(), Widths.end(), 0LL);
  int n = static_cast<int>(Widths.size());
  if (n >= 2 && n < rest) {
    long long each = rest / n;
    for (int& w : Widths) w += static_cast<int>(each);
    rest -= each * n;
  }
  auto widest = std::max_element(Widths.begin(), Widths.end());
  *widest += static_cast<int>(rest);
}

void ScaleSizesLike(std::vector<int>& Sizes, int First, int Clicked, int OldSize) {
  if (OldSize <= 0 || Clicked < 0 || Clicked >= static_cast<int>(Sizes.size())) return;
  double f = static_cast<double>(Sizes[static_cast<size_t>(Clicked)]) / OldSize;
  for (int i = std::max(First, 0); i < static_cast<int>(Sizes.size()); ++i)
    if (i != Clicked) Sizes[static_cast<size_t>(i)] = static_cast<int>(Round(Sizes[static_cast<size_t>(i)] * f));
}
