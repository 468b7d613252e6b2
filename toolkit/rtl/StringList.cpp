#include "toolkit/rtl/StringList.h"

#include <algorithm>
#include <numeric>

#include "toolkit/rtl/Exceptions.h"
#include "toolkit/rtl/FileUtils.h"
#include "toolkit/rtl/Streams.h"
#include "toolkit/rtl/SysUtils.h"

namespace {

bool isBlank(char c) { return static_cast<unsigned char>(c) <= ' ' && c != '\0'; }

// Keeps BeginUpdate/EndUpdate paired when a handler or an allocation throws.
class UpdateScope {
public:
  explicit UpdateScope(TStrings& s) : s_(s) { s_.BeginUpdate(); }
  ~UpdateScope() { s_.EndUpdate(); }
  UpdateScope(const UpdateScope&) = delete;
  UpdateScope& operator=(const UpdateScope&) = delete;

private:
  TStrings& s_;
};

}  // namespace

// ---- TStrings ----

void TStrings::IndexError(int Index) const {
  throw EStringListError("List index out of bounds (" + std::to_string(Index) + ")");
}

void TStrings::Put(int Index, const std::string& S) {
  TObject* o = GetObject(Index);
  UpdateScope scope(*this);
  Delete(Index);
  InsertObject(Index, S, o);
}

TObject* TStrings::GetObject(int) const { return nullptr; }
void TStrings::PutObject(int, TObject*) {}

void TStrings::InsertObject(int Index, const std::string& S, TObject* AObject) {
  UpdateScope scope(*this);
  Insert(Index, S);
  PutObject(Index, AObject);
}

int TStrings::Add(const std::string& S) {
  int i = Count();
  Insert(i, S);
  return i;
}

int TStrings::AddObject(const std::string& S, TObject* AObject) {
  int i = Add(S);
  PutObject(i, AObject);
  return i;
}

void TStrings::AddStrings(const TStrings& Strings) {
  if (&Strings == this) {
    std::vector<std::pair<std::string, TObject*>> copy;
    for (int i = 0; i < Count(); ++i) copy.emplace_back(Get(i), GetObject(i));
    UpdateScope scope(*this);
    for (auto& [s, o] : copy) AddObject(s, o);
    return;
  }
  UpdateScope scope(*this);
  for (int i = 0; i < Strings.Count(); ++i) AddObject(Strings.Get(i), Strings.GetObject(i));
}

void TStrings::AddStrings(const std::vector<std::string>& Strings) {
  UpdateScope scope(*this);
  for (const auto& s : Strings) Add(s);
}

void TStrings::Assign(const TPersistent* Source) {
  auto* src = dynamic_cast<const TStrings*>(Source);
  if (!src) {
    TPersistent::Assign(Source);
    return;
  }
  if (src == this) return;
  UpdateScope scope(*this);
  Clear();
  delimiter_ = src->delimiter_;
  quoteChar_ = src->quoteChar_;
  nameValueSeparator_ = src->nameValueSeparator_;
  strictDelimiter_ = src->strictDelimiter_;
  lineBreak_ = src->lineBreak_;
  AddStrings(*src);
}

void TStrings::BeginUpdate() {
  if (updateCount_ == 0) SetUpdateState(true);
  ++updateCount_;
}

void TStrings::EndUpdate() {
  if (updateCount_ == 0) return;
  if (--updateCount_ == 0) SetUpdateState(false);
}

void TStrings::Exchange(int Index1, int Index2) {
  UpdateScope scope(*this);
  std::string s1 = Get(Index1), s2 = Get(Index2);
  TObject *o1 = GetObject(Index1), *o2 = GetObject(Index2);
  Put(Index1, s2);
  PutObject(Index1, o2);
  Put(Index2, s1);
  PutObject(Index2, o1);
}

void TStrings::Move(int CurIndex, int NewIndex) {
  if (CurIndex == NewIndex) return;
  UpdateScope scope(*this);
  std::string s = Get(CurIndex);
  TObject* o = GetObject(CurIndex);
  Delete(CurIndex);
  InsertObject(NewIndex, s, o);
}

int TStrings::IndexOf(const std::string& S) const {
  for (int i = 0; i < Count(); ++i)
    if (CompareStrings(Get(i), S) == 0) return i;
  return -1;
}

int TStrings::separatorPos(int Index) const {
  std::string s = Get(Index);
  size_t p = s.find(nameValueSeparator_);
  return p == std::string::npos ? -1 : static_cast<int>(p);
}

int TStrings::IndexOfName(const std::string& Name) const {
  for (int i = 0; i < Count(); ++i) {
    int p = separatorPos(i);
    if (p >= 0 && CompareStrings(Get(i).substr(0, static_cast<size_t>(p)), Name) == 0) return i;
  }
  return -1;
}

int TStrings::IndexOfObject(const TObject* AObject) const {
  for (int i = 0; i < Count(); ++i)
    if (GetObject(i) == AObject) return i;
  return -1;
}

bool TStrings::Equals(const TStrings& Strings) const {
  if (Count() != Strings.Count()) return false;
  for (int i = 0; i < Count(); ++i)
    if (Get(i) != Strings.Get(i)) return false;
  return true;
}

std::vector<std::string> TStrings::ToVector() const {
  std::vector<std::string> v;
  v.reserve(static_cast<size_t>(Count()));
  for (int i = 0; i < Count(); ++i) v.push_back(Get(i));
  return v;
}

std::string TStrings::Names(int Index) const {
  int p = separatorPos(Index);
  return p < 0 ? std::string() : Get(Index).substr(0, static_cast<size_t>(p));
}

std::string TStrings::Values(const std::string& Name) const {
  int i = IndexOfName(Name);
  return i < 0 ? std::string() : ValueFromIndex(i);
}

void TStrings::SetValues(const std::string& Name, const std::string& Value) {
  int i = IndexOfName(Name);
  if (!Value.empty()) {
    std::string line = Name + nameValueSeparator_ + Value;
    if (i < 0) Add(line);
    else Put(i, line);
  } else if (i >= 0) {
    Delete(i);
  }
}

std::string TStrings::ValueFromIndex(int Index) const {
  int p = separatorPos(Index);
  return p < 0 ? std::string() : Get(Index).substr(static_cast<size_t>(p) + 1);
}

void TStrings::SetValueFromIndex(int Index, const std::string& Value) {
  if (!Value.empty()) {
    if (Index < 0) Index = Add("");
    Put(Index, Names(Index) + nameValueSeparator_ + Value);
  } else if (Index >= 0) {
    Delete(Index);
  }
}

std::string TStrings::Text() const {
  std::string r;
  for (int i = 0; i < Count(); ++i) r.append(Get(i)).append(lineBreak_);
  return r;
}

void TStrings::SetText(const std::string& Value) {
  UpdateScope scope(*this);
  Clear();
  size_t i = 0, n = Value.size();
  while (i < n) {
    size_t start = i;
    while (i < n && Value[i] != '\r' && Value[i] != '\n') ++i;
    Add(Value.substr(start, i - start));
    if (i < n && Value[i] == '\r') ++i;
    if (i < n && Value[i] == '\n') ++i;
  }
}

std::string TStrings::delimitedText(char delim, char quote, bool strict) const {
  if (Count() == 1 && Get(0).empty()) return std::string(2, quote);
  std::string r;
  for (int i = 0; i < Count(); ++i) {
    std::string s = Get(i);
    bool needsQuotes = std::any_of(s.begin(), s.end(), [&](char c) {
      return c == quote || c == delim || (!strict && static_cast<unsigned char>(c) <= ' ');
    });
    if (i > 0) r += delim;
    r += needsQuotes ? AnsiQuotedStr(s, quote) : s;
  }
  return r;
}

void TStrings::setDelimitedText(const std::string& Value, char delim, char quote, bool strict) {
  UpdateScope scope(*this);
  Clear();
  size_t p = 0, n = Value.size();
  auto skipBlanks = [&] { while (!strict && p < n && isBlank(Value[p])) ++p; };
  skipBlanks();
  while (p < n) {
    if (Value[p] == quote) {
      Add(AnsiExtractQuotedStr(Value, p, quote));
    } else {
      size_t start = p;
      while (p < n && Value[p] != delim && (strict || !isBlank(Value[p]))) ++p;
      Add(Value.substr(start, p - start));
    }
    skipBlanks();
    if (p < n && Value[p] == delim) {
      if (p + 1 == n) Add("");  // a trailing delimiter ends with an empty item
      ++p;
      skipBlanks();
    }
  }
}

std::string TStrings::CommaText() const { return delimitedText(',', '"', false); }
void TStrings::SetCommaText(const std::string& Value) { setDelimitedText(Value, ',', '"', false); }
std::string TStrings::DelimitedText() const { return delimitedText(delimiter_, quoteChar_, strictDelimiter_); }
void TStrings::SetDelimitedText(const std::string& Value) {
  setDelimitedText(Value, delimiter_, quoteChar_, strictDelimiter_);
}

void TStrings::LoadFromFile(const std::string& FileName) { SetText(ReadTextFile(FileName)); }

void TStrings::LoadFromStream(TStream& Stream) {
  std::vector<uint8_t> bytes = Stream.ReadAll();
  SetText(DecodeText(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size())));
}

void TStrings::SaveToFile(const std::string& FileName, TTextEncoding Encoding) const {
  WriteTextFile(FileName, Text(), Encoding);
}

void TStrings::SaveToStream(TStream& Stream, TTextEncoding Encoding) const {
  Stream.WriteString(EncodeText(Text(), Encoding));
}

int TStrings::CompareStrings(const std::string& S1, const std::string& S2) const {
  return AnsiCompareText(S1, S2);
}

// ---- TStringList ----

TStringList::~TStringList() {
  OnChange = nullptr;
  OnChanging = nullptr;
  items_.forEach([this](Item& it) { release(it.O); });
}

void TStringList::refuseIfSorted() const {
  if (sorted_) throw EStringListError("Operation not allowed on sorted list");
}

void TStringList::Changed() {
  if (UpdateCount() == 0 && OnChange) OnChange(this);
}

void TStringList::Changing() {
  if (UpdateCount() == 0 && OnChanging) OnChanging(this);
}

void TStringList::SetUpdateState(bool Updating) {
  if (Updating) Changing();
  else Changed();
}

std::string TStringList::Get(int Index) const {
  check(Index);
  return items_[static_cast<size_t>(Index)].S;
}

void TStringList::Put(int Index, const std::string& S) {
  refuseIfSorted();
  check(Index);
  Changing();
  items_[static_cast<size_t>(Index)].S = S;
  Changed();
}

TObject* TStringList::GetObject(int Index) const {
  check(Index);
  return items_[static_cast<size_t>(Index)].O;
}

void TStringList::PutObject(int Index, TObject* AObject) {
  check(Index);
  Changing();
  TObject*& slot = items_[static_cast<size_t>(Index)].O;
  if (slot != AObject) release(slot);
  slot = AObject;
  Changed();
}

void TStringList::Clear() {
  if (items_.empty()) return;
  Changing();
  std::vector<Item> old = items_.takeAll();
  for (Item& it : old) release(it.O);
  Changed();
}

void TStringList::Delete(int Index) {
  check(Index);
  Changing();
  TObject* o = items_[static_cast<size_t>(Index)].O;
  items_.erase(static_cast<size_t>(Index));
  release(o);
  Changed();
}

void TStringList::InsertItem(int Index, const std::string& S, TObject* AObject) {
  Changing();
  items_.insert(static_cast<size_t>(Index), Item{S, AObject});
  Changed();
}

void TStringList::Insert(int Index, const std::string& S) { InsertObject(Index, S, nullptr); }

void TStringList::InsertObject(int Index, const std::string& S, TObject* AObject) {
  refuseIfSorted();
  if (Index < 0 || Index > Count()) IndexError(Index);
  InsertItem(Index, S, AObject);
}

int TStringList::Add(const std::string& S) { return AddObject(S, nullptr); }

int TStringList::AddObject(const std::string& S, TObject* AObject) {
  int index = Count();
  if (sorted_ && Find(S, index)) {
    if (duplicates_ == dupIgnore) return index;
    if (duplicates_ == dupError) throw EStringListError("String list does not allow duplicates");
  }
  InsertItem(index, S, AObject);
  return index;
}

void TStringList::Exchange(int Index1, int Index2) {
  // Swapping items of a sorted list would break its order and with it Find.
  refuseIfSorted();
  check(Index1);
  check(Index2);
  Changing();
  std::swap(items_[static_cast<size_t>(Index1)], items_[static_cast<size_t>(Index2)]);
  Changed();
}

void TStringList::Move(int CurIndex, int NewIndex) {
  if (CurIndex == NewIndex) return;
  refuseIfSorted();
  check(CurIndex);
  check(NewIndex);
  Changing();
  Item it = std::move(items_[static_cast<size_t>(CurIndex)]);
  items_.erase(static_cast<size_t>(CurIndex));
  items_.insert(static_cast<size_t>(NewIndex), std::move(it));
  Changed();
}

int TStringList::IndexOf(const std::string& S) const {
  if (!sorted_) return TStrings::IndexOf(S);
  int i = 0;
  return Find(S, i) ? i : -1;
}

bool TStringList::Find(const std::string& S, int& Index) const {
  if (!sorted_) {
    Index = TStrings::IndexOf(S);
    if (Index >= 0) return true;
    Index = Count();
    return false;
  }
  int lo = 0, hi = Count() - 1;
  bool found = false;
  while (lo <= hi) {
    int mid = lo + (hi - lo) / 2;
    int c = CompareStrings(items_[static_cast<size_t>(mid)].S, S);
    if (c < 0) {
      lo = mid + 1;
    } else {
      hi = mid - 1;
      if (c == 0) found = true;
    }
  }
  Index = lo;
  return found;
}

void TStringList::Sort() {
  if (Count() < 2) return;
  Changing();
  std::vector<Item> all = items_.takeAll();
  std::stable_sort(all.begin(), all.end(), [this](const Item& a, const Item& b) { return CompareStrings(a.S, b.S) < 0; });
  items_.assign(std::move(all));
  Changed();
}

void TStringList::CustomSort(const TStringListSortCompare& Compare) {
  if (Count() < 2) return;
  Changing();
  // Sort a permutation so that Compare sees the list unchanged while it runs.
  std::vector<int> order(items_.size());
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return Compare(this, a, b) < 0; });
  std::vector<Item> all = items_.takeAll();
  std::vector<Item> sorted;
  sorted.reserve(all.size());
  for (int i : order) sorted.push_back(std::move(all[static_cast<size_t>(i)]));
  items_.assign(std::move(sorted));
  Changed();
}

void TStringList::SetSorted(bool v) {
  if (v == sorted_) return;
  if (v) Sort();
  sorted_ = v;
}

void TStringList::SetCaseSensitive(bool v) {
  if (v == caseSensitive_) return;
  caseSensitive_ = v;
  if (sorted_) Sort();
}

int TStringList::CompareStrings(const std::string& S1, const std::string& S2) const {
  return caseSensitive_ ? AnsiCompareStr(S1, S2) : AnsiCompareText(S1, S2);
}
