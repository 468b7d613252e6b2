// Ordering rows over keys read once per cell.

#include <algorithm>

#include "grid/data/GridSortEngine.h"

namespace {

struct TColumnKeys {
  int Column = 0;
  bool Descending = false;
  bool Ignored = false;
  TSortStyle Style = ssAutomatic;
  std::string Prefix, Suffix;
  bool Loaded = false;
  std::vector<TSortKey> Keys;  // by row - FromRow
};

class TRowOrder {
public:
  TRowOrder(TSortCellSource& source, const TSortRequest& request, int fromRow, int toRow)
      : source_(source), request_(request), from_(fromRow), to_(toRow) {
    for (const TSortKeyColumn& k : request.Keys) columns_.push_back(describe(k));
  }

  bool HasEventColumn() const {
    return std::any_of(columns_.begin(), columns_.end(), [](const TColumnKeys& c) {
      return !c.Ignored && (c.Style == ssCustom || c.Style == ssRaw);
    });
  }

  bool Less(int row1, int row2) { return compareRows(row1, row2) < 0; }
  int Compare(int row1, int row2) { return compareRows(row1, row2); }

private:
  TColumnKeys describe(const TSortKeyColumn& k) {
    TColumnKeys c;
    c.Column = k.Column;
    c.Descending = k.Descending;
    const auto& ignored = request_.IgnoredColumns;
    c.Ignored = std::find(ignored.begin(), ignored.end(), k.Column) != ignored.end();
    c.Style = request_.AutoFormat ? ssAutomatic : request_.IgnoreCase ? ssAlphaNoCase : ssAlphabetic;
    if (!c.Ignored) source_.SortCellFormat(c.Column, c.Style, c.Prefix, c.Suffix);
    return c;
  }

  // A column is read the first time a comparison needs it: the primary
  // column always, tie-breakers only when rows tie.
  void load(TColumnKeys& c) {
    c.Loaded = true;
    c.Keys.reserve(to_ - from_ + 1);
    for (int r = from_; r <= to_; ++r)
      c.Keys.push_back(MakeSortKey(source_, c.Column, r, source_.SortCellText(c.Column, r), c.Style, c.Prefix,
                                   c.Suffix, request_.IgnoreCase));
  }

  int compareEvents(const TColumnKeys& c, const TSortKey& a, const TSortKey& b, int row1, int row2) {
    int res = c.Style == ssRaw ? source_.SortRawCompare(c.Column, row1, row2) : source_.SortCustomCompare(a.Text, b.Text);
    return res < 0 ? -1 : res > 0 ? 1 : 0;
  }

  int compareRows(int row1, int row2) {
    for (TColumnKeys& c : columns_) {
      if (c.Ignored) continue;
      if (!c.Loaded) load(c);
      const TSortKey& a = c.Keys[row1 - from_];
      const TSortKey& b = c.Keys[row2 - from_];
      // Blanks keep their place whatever the direction.
      if (request_.IgnoreBlanks && a.Empty != b.Empty)
        return a.Empty == (request_.BlankPos == blFirst) ? -1 : 1;
      int res = a.Kind == TSortKeyKind::Event && b.Kind == TSortKeyKind::Event ? compareEvents(c, a, b, row1, row2)
                                                                             : CompareSortKeys(a, b);
      if (res != 0) return c.Descending ? -res : res;
    }
    return 0;
  }

  TSortCellSource& source_;
  const TSortRequest& request_;
  int from_, to_;
  std::vector<TColumnKeys> columns_;
};

// Two rows of the grid seen as rows 0 and 1, so that only their keys are read.
class TRowPairSource : public TSortCellSource {
public:
  TRowPairSource(TSortCellSource& source, int row1, int row2) : source_(source), rows_{row1, row2} {}
  std::string SortCellText(int ACol, int ARow) override { return source_.SortCellText(ACol, rows_[ARow]); }
  void SortCellFormat(int ACol, TSortStyle& AStyle, std::string& APrefix, std::string& ASuffix) override {
    source_.SortCellFormat(ACol, AStyle, APrefix, ASuffix);
  }
  bool SortCellIsCheckBox(int ACol, int ARow) override { return source_.SortCellIsCheckBox(ACol, rows_[ARow]); }
  bool SortCellChecked(int ACol, int ARow) override { return source_.SortCellChecked(ACol, rows_[ARow]); }
  int SortCellImageKey(int ACol, int ARow) override { return source_.SortCellImageKey(ACol, rows_[ARow]); }
  std::string SortCellStrippedText(int ACol, int ARow) override {
    return source_.SortCellStrippedText(ACol, rows_[ARow]);
  }
  int SortCustomCompare(const std::string& S1, const std::string& S2) override {
    return source_.SortCustomCompare(S1, S2);
  }
  int SortRawCompare(int ACol, int ARow1, int ARow2) override {
    return source_.SortRawCompare(ACol, rows_[ARow1], rows_[ARow2]);
  }

private:
  TSortCellSource& source_;
  int rows_[2];
};

}  // namespace

int CompareSortRows(TSortCellSource& Source, const TSortRequest& Request, int Row1, int Row2) {
  TRowPairSource pair(Source, Row1, Row2);
  TRowOrder rows(pair, Request, 0, 1);
  return rows.Compare(0, 1);
}

void SafeMergeSort(std::vector<int>& Items, const std::function<bool(int, int)>& Less) {
  const size_t n = Items.size();
  std::vector<int> buffer(n);
  for (size_t width = 1; width < n; width *= 2) {
    for (size_t lo = 0; lo < n; lo += 2 * width) {
      const size_t mid = std::min(lo + width, n), hi = std::min(lo + 2 * width, n);
      size_t i = lo, j = mid, o = lo;
      while (i < mid && j < hi) buffer[o++] = Less(Items[j], Items[i]) ? Items[j++] : Items[i++];
      while (i < mid) buffer[o++] = Items[i++];
      while (j < hi) buffer[o++] = Items[j++];
    }
    Items.swap(buffer);
  }
}

std::vector<int> SortRowOrder(TSortCellSource& Source, const TSortRequest& Request, int FromRow, int ToRow) {
  std::vector<int> order;
  if (ToRow < FromRow) return order;
  order.resize(ToRow - FromRow + 1);
  for (size_t i = 0; i < order.size(); ++i) order[i] = FromRow + static_cast<int>(i);
  TRowOrder rows(Source, Request, FromRow, ToRow);
  auto less = [&rows](int a, int b) { return rows.Less(a, b); };
  if (rows.HasEventColumn())
    SafeMergeSort(order, less);
  else
    std::stable_sort(order.begin(), order.end(), less);
  return order;
}
