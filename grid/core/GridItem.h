#pragma once
// The item that keeps a hidden row of the string grid: the row's cells by
// real column (texts with their cell objects), its height, its real index,
// and what hid it (a filter level, a node, or the program). The cells are
// the store's own row, taken out whole: hiding and unhiding move one
// pointer, never the cells. Items are values the grid keeps in one sorted
// array, so hiding many rows allocates nothing per row.

#include <memory>
#include <string>

#include "grid/core/ExtGridTypes.h"
#include "toolkit/grids/CellStore.h"
#include "toolkit/rtl/StringList.h"

class TGridItem {
public:
  TGridItem() = default;
  TGridItem(TGridItem&&) noexcept = default;
  TGridItem& operator=(TGridItem&&) noexcept = default;

  // The real row index of the hidden row.
  int Idx() const { return FIdx; }
  void SetIdx(int Value) { FIdx = Value; }
  int Height() const { return FHeight; }
  void SetHeight(int Value) { FHeight = Value; }
  // The row's cells as a list with one entry per real column (at least as
  // many as the grid had when the row was hidden); writes reach the row.
  // The objects stay the row's.
  TStrings* Items() const;
  // The row as the store held it (none for a row without cells), with the
  // real column count of its grid at the time.
  void SetRow(std::unique_ptr<TCellRow> Row, int Columns) {
    FRow = std::move(Row);
    FColumns = Columns;
  }
  std::unique_ptr<TCellRow> TakeRow() { return std::move(FRow); }
  TCellRow* Row() const { return FRow.get(); }
  // Filter level of a row hidden by a filter; 0 otherwise.
  int Level() const { return FLevel; }
  void SetLevel(int Value) { FLevel = Value; }
  THiddenRowKind Kind() const { return FKind; }
  void SetKind(THiddenRowKind Value) { FKind = Value; }

private:
  // The list view over the item's row.
  class TRowStrings : public TStrings {
  public:
    // The item moves with the grid's array: it points its view at itself
    // whenever it hands the view out.
    TGridItem* FItem = nullptr;
    std::string ClassName() const override { return "TGridItemStrings"; }
    int Count() const override;
    std::string Get(int Index) const override;
    void Put(int Index, const std::string& S) override;
    TObject* GetObject(int Index) const override;
    void PutObject(int Index, TObject* AObject) override;
    void Clear() override;
    // Deleting and inserting shift the cells after the index, as in a list.
    void Delete(int Index) override;
    void Insert(int Index, const std::string& S) override;
    void InsertObject(int Index, const std::string& S, TObject* AObject) override;

  private:
    void checkIndex(int Index) const;
    TCellRow& row();
  };

  int FIdx = 0;
  int FHeight = 0;
  int FLevel = 0;
  THiddenRowKind FKind = THiddenRowKind::Manual;
  std::unique_ptr<TCellRow> FRow;
  int FColumns = 0;
  mutable std::unique_ptr<TRowStrings> FView;
};
