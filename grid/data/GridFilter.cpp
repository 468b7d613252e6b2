// Filter conditions and their evaluation for one row.

#include "grid/data/GridFilter.h"

#include "grid/foundation/ExtUtil.h"
#include "toolkit/rtl/Encoding.h"
#include "toolkit/rtl/Exceptions.h"
#include "toolkit/rtl/SysUtils.h"

namespace {

bool StartsWith(const std::string& text, const std::string& part) { return text.compare(0, part.size(), part) == 0; }

// The prefix when the text starts with it; the suffix when its first
// occurrence ends the text.
void DropAffixes(std::string& text, const std::string& prefix, const std::string& suffix) {
  if (!prefix.empty() && StartsWith(text, prefix)) text.erase(0, prefix.size());
  if (suffix.empty()) return;
  size_t p = text.find(suffix);
  if (p != std::string::npos && p + suffix.size() == text.size()) text.erase(p);
}

bool Contains(const std::string& text, const std::string& part, bool caseSensitive) {
  if (caseSensitive) return text.find(part) != std::string::npos;
  return AnsiUpperCase(text).find(AnsiUpperCase(part)) != std::string::npos;
}

bool Join(bool result, bool match, TFilterOperation op) {
  switch (op) {
    case foAND: return result && match;
    case foXOR: return result != match;
    case foOR: return result || match;
    default: return match;  // foSHORT, foNONE
  }
}

}  // namespace

void TFilterData::Assign(const TPersistent* Source) {
  auto* src = dynamic_cast<const TFilterData*>(Source);
  if (!src) {
    TCollectionItem::Assign(Source);
    return;
  }
  FColumn = src->FColumn;
  FCondition = src->FCondition;
  FCaseSensitive = src->FCaseSensitive;
  FData = src->FData;
  FPrefix = src->FPrefix;
  FSuffix = src->FSuffix;
  FOperation = src->FOperation;
  FMethod = src->FMethod;
  FPrepared.reset();
}

bool TFilterData::Matches(const std::string& CellText) const {
  std::string text = Trim(CellText);
  if (text.find("|\\") != std::string::npos) text = Utf16ToUtf8(DecodeWideText(text));
  if (FData == fcRow) return PosInUpperCase(UpperCase(FCondition), text) > 0;
  DropAffixes(text, FPrefix, FSuffix);
  if (FCondition.empty()) return true;
  switch (FMethod) {
    case fmLiteral: return FCondition == text;
    case fmContains: return Contains(text, FCondition, FCaseSensitive);
    default: break;
  }
  try {
    if (!FPrepared) FPrepared.emplace(FCondition, FCaseSensitive);
    return FPrepared->Match(text);
  } catch (const Exception&) {
    return false;
  }
}

TFilterData* TFilter::Add() {
  auto* item = static_cast<TFilterData*>(TCollection::Add());
  item->SetOperation(Count() == 1 ? foNONE : foAND);
  return item;
}

TFilterData* TFilter::Insert(int) { return static_cast<TFilterData*>(TCollection::Add()); }

TFilterData* TFilter::ColumnFilter(int Col) {
  for (int i = 0; i < Count(); ++i)
    if (Items(i)->Column() == Col) return Items(i);
  TFilterData* item = Add();
  item->SetColumn(Col);
  return item;
}

bool TFilter::HasFilter(int Col) const {
  for (int i = 0; i < Count(); ++i)
    if (Items(i)->Column() == Col) return true;
  return false;
}

void TFilter::RemoveColumnFilter(int Col) {
  for (int i = Count() - 1; i >= 0; --i)
    if (Items(i)->Column() == Col) Delete(i);
  if (OnColumnRemoved) OnColumnRemoved(Col);
}

bool TFilter::Accepts(const std::function<std::string(const TFilterData&)>& TextOf) const {
  bool result = true;
  for (int i = 0; i < Count(); ++i) {
    const TFilterData* item = Items(i);
    const bool match = item->Matches(TextOf(*item));
    if (item->Operation() == foSHORT && !match) return false;
    result = Join(result, match, item->Operation());
  }
  return result;
}
