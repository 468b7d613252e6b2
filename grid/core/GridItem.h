#pragma once
// The item that keeps a hidden row of the string grid: the row's cells by
// real column (texts with their cell objects), its height, its real index,
// and what hid it (a filter level, a node, or the program).

#include <memory>
#include <string>

#include "grid/core/ExtGridTypes.h"
#include "toolkit/rtl/Collection.h"
#include "toolkit/rtl/StringList.h"

class TGridItem : public TCollectionItem {
public:
  // The grid keeps its hidden rows in a sorted list of its own.
  TGridItem() : TCollectionItem(nullptr) {}
  std::string ClassName() const override { return "TGridItem"; }

  // The real row index of the hidden row.
  int Idx() const { return FIdx; }
  void SetIdx(int Value) { FIdx = Value; }
  int Height() const { return FHeight; }
  void SetHeight(int Value) { FHeight = Value; }
  // The row's cells, one entry per real column; the objects stay the row's.
  TStrings* Items() { return &FItems; }
  const TStrings* Items() const { return &FItems; }
  // Filter level of a row hidden by a filter; 0 otherwise.
  int Level() const { return FLevel; }
  void SetLevel(int Value) { FLevel = Value; }
  THiddenRowKind Kind() const { return FKind; }
  void SetKind(THiddenRowKind Value) { FKind = Value; }

private:
  int FIdx = 0;
  int FHeight = 0;
  int FLevel = 0;
  THiddenRowKind FKind = THiddenRowKind::Manual;
  TStringList FItems;
};
