#pragma once
// The string grid's filter: a collection of conditions, one TFilterData per
// condition, and their evaluation for one row.
//
// Conditions join strictly left to right by their Operation: x, AND a, OR b
// selects (x and a) or b. A column filtered to several values (the filter
// check list) therefore puts its alternatives first and the other columns'
// conditions behind them with AND.

#include <functional>
#include <optional>
#include <string>

#include "grid/data/ExtGridDataTypes.h"
#include "grid/foundation/ExtUtil.h"
#include "toolkit/rtl/Collection.h"

class TFilterData : public TCollectionItem {
public:
  explicit TFilterData(TCollection* ACollection) : TCollectionItem(ACollection) {}
  std::string ClassName() const override { return "TFilterData"; }
  // From another TFilterData, every property (Method included).
  void Assign(const TPersistent* Source) override;

  int Column() const { return FColumn; }
  void SetColumn(int Value) { FColumn = static_cast<int16_t>(Value); }
  std::string Condition() const { return FCondition; }
  void SetCondition(const std::string& Value) { FCondition = Value; FPrepared.reset(); }
  bool CaseSensitive() const { return FCaseSensitive; }
  void SetCaseSensitive(bool Value) { FCaseSensitive = Value; FPrepared.reset(); }
  TFilterCells Data() const { return FData; }
  void SetData(TFilterCells Value) { FData = Value; }
  std::string Prefix() const { return FPrefix; }
  void SetPrefix(const std::string& Value) { FPrefix = Value; }
  std::string Suffix() const { return FSuffix; }
  void SetSuffix(const std::string& Value) { FSuffix = Value; }
  TFilterOperation Operation() const { return FOperation; }
  void SetOperation(TFilterOperation Value) { FOperation = Value; }
  TFilterMethod Method() const { return FMethod; }
  void SetMethod(TFilterMethod Value) { FMethod = Value; }

  // Whether the cell text (as read for Data) satisfies this condition.
  // A matcher failure counts as no match.
  bool Matches(const std::string& CellText) const;

private:
  int16_t FColumn = 0;
  std::string FCondition;
  bool FCaseSensitive = true;
  TFilterCells FData = fcVirtual;
  std::string FPrefix;
  std::string FSuffix;
  TFilterOperation FOperation = foSHORT;
  TFilterMethod FMethod = fmExpression;
  // Made by the first match after a change of condition or case.
  mutable std::optional<TFilterCondition> FPrepared;
};

class TFilter : public TOwnedCollection {
public:
  explicit TFilter(TPersistent* AOwner) : TOwnedCollection(AOwner, ItemClass<TFilterData>()) {}
  std::string ClassName() const override { return "TFilter"; }

  // The first item gets foNONE, later ones foAND.
  TFilterData* Add();
  // Appends an item with foSHORT (the position is not used).
  TFilterData* Insert(int Index);
  TFilterData* Items(int Index) const { return ItemsAs<TFilterData>(Index); }
  void SetItems(int Index, const TFilterData* Value) { Items(Index)->Assign(Value); }
  // The first item of the column, made by Add when there is none.
  TFilterData* ColumnFilter(int Col);
  TFilterData* GetColFilter(int Col) { return ColumnFilter(Col); }
  bool HasFilter(int Col) const;
  void RemoveColumnFilter(int Col);

  // Evaluates every condition for one row; TextOf reads the text a
  // condition tests (its column as its Data says, or the row for fcRow).
  bool Accepts(const std::function<std::string(const TFilterData&)>& TextOf) const;

  // The grid repaints the column's header when its conditions go.
  std::function<void(int Col)> OnColumnRemoved;
};
