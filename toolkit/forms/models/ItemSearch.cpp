#include "toolkit/forms/models/ItemSearch.h"

#include <cctype>

namespace {

int Lower(char c) { return std::tolower(static_cast<unsigned char>(c)); }

}  // namespace

int CompareItemText(const std::string& a, const std::string& b) {
  size_t n = std::min(a.size(), b.size());
  for (size_t i = 0; i < n; ++i) {
    int d = Lower(a[i]) - Lower(b[i]);
    if (d != 0) return d;
  }
  return a.size() < b.size() ? -1 : a.size() > b.size() ? 1 : 0;
}

bool StartsWithText(const std::string& s, const std::string& prefix) {
  if (prefix.size() > s.size()) return false;
  for (size_t i = 0; i < prefix.size(); ++i)
    if (Lower(s[i]) != Lower(prefix[i])) return false;
  return true;
}

int SortedInsertIndex(int count, const TItemAccessor& item, const std::string& s) {
  int lo = 0, hi = count;
  while (lo < hi) {
    int mid = (lo + hi) / 2;
    if (CompareItemText(item(mid), s) <= 0) lo = mid + 1; else hi = mid;
  }
  return lo;
}

int FindItemPrefix(int count, const TItemAccessor& item, const std::string& prefix, int start) {
  if (count <= 0) return -1;
  if (start < 0 || start >= count) start = 0;
  for (int k = 0; k < count; ++k) {
    int i = (start + k) % count;
    if (StartsWithText(item(i), prefix)) return i;
  }
  return -1;
}

int FindItemExact(int count, const TItemAccessor& item, const std::string& s) {
  for (int i = 0; i < count; ++i)
    if (CompareItemText(item(i), s) == 0) return i;
  return -1;
}

int TTypeAhead::KeyPress(char c, uint64_t nowMs, int count, const TItemAccessor& item, int current) {
  if (nowMs - last_ > ResetAfterMs) buffer_.clear();
  last_ = nowMs;
  bool sameChar = !buffer_.empty() && buffer_.find_first_not_of(buffer_[0]) == std::string::npos &&
                  Lower(buffer_[0]) == Lower(c);
  if (sameChar) {
    // The same letter again walks through the items with that letter.
    buffer_ += c;
    int found = FindItemPrefix(count, item, std::string(1, c), current + 1);
    return found;
  }
  buffer_ += c;
  int found = FindItemPrefix(count, item, buffer_, current < 0 ? 0 : current);
  if (found < 0 && buffer_.size() > 1) {
    buffer_ = std::string(1, c);
    found = FindItemPrefix(count, item, buffer_, current + 1);
  }
  return found;
}

TAutoComplete AutoCompleteText(int count, const TItemAccessor& item, const std::string& typed) {
  TAutoComplete r;
  if (typed.empty()) return r;
  int i = FindItemPrefix(count, item, typed, 0);
  if (i < 0) return r;
  r.Found = true;
  r.Index = i;
  // What the user typed stays as typed; the rest comes from the item.
  r.Text = typed + item(i).substr(typed.size());
  r.SelStart = static_cast<int>(typed.size());
  r.SelLength = static_cast<int>(r.Text.size() - typed.size());
  return r;
}
