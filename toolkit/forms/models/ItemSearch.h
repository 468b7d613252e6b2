#pragma once
// Item logic shared by the list box and the combo box: where a sorted list
// puts a new item, the ItemIndex rule, prefix search for type-ahead and
// autocomplete. Items are reached through an accessor so the same code
// serves any string list.

#include <cstdint>
#include <functional>
#include <string>

using TItemAccessor = std::function<std::string(int)>;

// Case-insensitive comparison of ASCII letters, as sorted lists order items.
int CompareItemText(const std::string& a, const std::string& b);
bool StartsWithText(const std::string& s, const std::string& prefix);

// The index at which s keeps a sorted list sorted (after equal items).
int SortedInsertIndex(int count, const TItemAccessor& item, const std::string& s);
// An ItemIndex write: anything outside 0..count-1 means no item.
inline int NormalizeItemIndex(int value, int count) { return value >= 0 && value < count ? value : -1; }
// The first item starting with prefix, looking from start and wrapping
// round; -1 when none does.
int FindItemPrefix(int count, const TItemAccessor& item, const std::string& prefix, int start = 0);
// The first item equal to s ignoring case; -1 when none.
int FindItemExact(int count, const TItemAccessor& item, const std::string& s);

// Type-ahead in a pick list: characters typed in quick succession form a
// prefix; typing the same character again steps through the items that
// start with it.
class TTypeAhead {
public:
  static constexpr uint64_t ResetAfterMs = 1000;
  // Returns the item to select, or -1 to leave the selection as it is.
  int KeyPress(char c, uint64_t nowMs, int count, const TItemAccessor& item, int current);
  void Reset() { buffer_.clear(); }
  const std::string& Buffer() const { return buffer_; }

private:
  std::string buffer_;
  uint64_t last_ = 0;
};

// Autocomplete of a drop-down combo's edit: the completed text and the
// selection over the added part. Found is false when no item matches.
struct TAutoComplete {
  bool Found = false;
  int Index = -1;
  std::string Text;
  int SelStart = 0;
  int SelLength = 0;
};
TAutoComplete AutoCompleteText(int count, const TItemAccessor& item, const std::string& typed);
