// Integer and sort-index lists.

#include "grid/foundation/ExtObj.h"

#include <cstdint>

#include "grid/foundation/ExtUtil.h"
#include "toolkit/rtl/Exceptions.h"
#include "toolkit/rtl/StringList.h"
#include "toolkit/rtl/SysUtils.h"

namespace {

constexpr uint32_t kDescending = 0x80000000u;
constexpr uint32_t kColumnBits = 0x7FFFFFFFu;

void* ToSlot(int v) { return reinterpret_cast<void*>(static_cast<intptr_t>(v)); }
int FromSlot(void* p) { return static_cast<int>(reinterpret_cast<intptr_t>(p)); }

// Digits after blanks and a sign, up to the first other character; the sign
// only counts when the whole text is a number.
int ReadLeadingInt(std::string_view t) {
  size_t i = 0;
  while (i < t.size() && t[i] == ' ') ++i;
  bool negative = false;
  if (i < t.size() && (t[i] == '+' || t[i] == '-')) negative = t[i++] == '-';
  int64_t v = 0;
  for (; i < t.size(); ++i) {
    if (!IsNumberChar(t[i]) || v * 10 + (t[i] - '0') > INT32_MAX) return static_cast<int>(v);
    v = v * 10 + (t[i] - '0');
  }
  return static_cast<int>(negative ? -v : v);
}

}  // namespace

int TIntList::GetInteger(int Index) const { return FromSlot(Items(Index)); }

void TIntList::SetInteger(int Index, int Value) {
  SetItems(Index, ToSlot(Value));
  Changed();
}

int TIntList::Add(int Value) {
  int i = TList::Add(ToSlot(Value));
  Changed();
  return i;
}

void TIntList::Insert(int Index, int Value) { TList::Insert(Index, ToSlot(Value)); }

void TIntList::Delete(int Index) {
  TList::Delete(Index);
  Changed();
}

void TIntList::DeleteValue(int Value) {
  int i = IndexOf(ToSlot(Value));
  if (i >= 0) Delete(i);
}

bool TIntList::HasValue(int Value) const { return IndexOf(ToSlot(Value)) >= 0; }

std::string TIntList::StrValue() const {
  std::string out;
  for (int i = 0; i < Count(); ++i) {
    if (i > 0) out += ',';
    out += std::to_string(GetInteger(i));
  }
  return out;
}

void TIntList::SetStrValue(const std::string& Value) {
  Clear();
  TStringList items;
  items.SetCommaText(Value);
  for (int i = 0; i < items.Count(); ++i) {
    Add(StrToInt(items.Strings(i)));
  }
}

void TSortIndexList::AddIndex(int ColumnIndex, bool Ascending) {
  uint32_t v = static_cast<uint32_t>(ColumnIndex);
  if (!Ascending) v |= kDescending;
  Add(static_cast<int>(v));
}

int TSortIndexList::FindIndex(int ColumnIndex) const {
  for (int i = 0; i < Count(); ++i)
    if (GetSortColumns(i) == static_cast<int>(static_cast<uint32_t>(ColumnIndex) & kColumnBits)) return i;
  return -1;
}

void TSortIndexList::ToggleIndex(int ColumnIndex) {
  int i = FindIndex(ColumnIndex);
  if (i >= 0) SetInteger(i, static_cast<int>(static_cast<uint32_t>(GetInteger(i)) ^ kDescending));
}

int TSortIndexList::GetSortColumns(int i) const {
  return static_cast<int>(static_cast<uint32_t>(GetInteger(i)) & kColumnBits);
}

void TSortIndexList::SetSortColumns(int i, int Value) {
  uint32_t v = (static_cast<uint32_t>(GetInteger(i)) & kDescending) | (static_cast<uint32_t>(Value) & kColumnBits);
  SetInteger(i, static_cast<int>(v));
}

bool TSortIndexList::GetSortDirections(int i) const {
  return (static_cast<uint32_t>(GetInteger(i)) & kDescending) == 0;
}

void TSortIndexList::SetSortDirections(int i, bool Value) {
  uint32_t v = static_cast<uint32_t>(GetInteger(i));
  v = Value ? v & kColumnBits : v | kDescending;
  SetInteger(i, static_cast<int>(v));
}

std::string TSortIndexList::SaveToString() const {
  std::string out;
  for (int i = 0; i < Count(); ++i) {
    if (i > 0) out += ';';
    out += GetSortDirections(i) ? 'u' : 'd';
    out += std::to_string(GetSortColumns(i));  // all 31 column bits
  }
  return out;
}

void TSortIndexList::LoadFromString(const std::string& s) {
  Clear();
  std::string_view rest = s;
  while (!rest.empty()) {
    size_t semi = rest.find(';');
    std::string_view part = rest.substr(0, semi);
    rest = semi == std::string_view::npos ? std::string_view() : rest.substr(semi + 1);
    if (part.size() < 2) continue;
    AddIndex(ReadLeadingInt(part.substr(1)), part[0] == 'u');
  }
}
