#pragma once
// TList: an ordered list of untyped pointers. It never owns what it holds.

#include <functional>
#include <vector>

#include "toolkit/rtl/Classes.h"

// Negative when Item1 sorts before Item2, zero when equal, positive after.
using TListSortCompare = std::function<int(void* Item1, void* Item2)>;

class TList : public TObject {
public:
  std::string ClassName() const override { return "TList"; }

  int Count() const { return static_cast<int>(items_.size()); }
  // Growing fills with nullptr; raises EListError for a negative count.
  void SetCount(int NewCount);
  int Capacity() const { return static_cast<int>(items_.capacity()); }
  void SetCapacity(int NewCapacity);

  // Index checks raise EListError "List index out of bounds (n)".
  void* Items(int Index) const;
  void SetItems(int Index, void* Item);
  void* operator[](int Index) const { return Items(Index); }

  int Add(void* Item);
  void Insert(int Index, void* Item);  // Index may equal Count
  void Delete(int Index);
  int Remove(void* Item);              // index it had, or -1
  void* Extract(void* Item);           // removes it; nullptr when absent
  int IndexOf(void* Item) const;
  void Clear() { items_.clear(); }
  void Exchange(int Index1, int Index2);
  void Move(int CurIndex, int NewIndex);
  void Pack();                          // drops the nullptr entries
  void* First() const { return Items(0); }
  void* Last() const { return Items(Count() - 1); }
  // Stable, so that equal items keep their order.
  void Sort(const TListSortCompare& Compare);

  const std::vector<void*>& List() const { return items_; }

private:
  void check(int Index) const;
  std::vector<void*> items_;
};

// Raises EListError with the framework's message for a bad index.
[[noreturn]] void ListIndexError(int Index);
