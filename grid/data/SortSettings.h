#pragma once
// The string grid's sort settings and the text form of its sort state:
// "u" or "d" followed by the column, or "i;" followed by the sort index list
// ("u1;d4").

#include <memory>
#include <optional>
#include <string>

#include "grid/data/ExtGridDataTypes.h"
#include "grid/data/SortString.h"
#include "toolkit/graphics/Colors.h"
#include "toolkit/rtl/Classes.h"

class TBitmap;
class TExtStringGrid;

class TSortSettings : public TPersistent {
public:
  explicit TSortSettings(TExtStringGrid* AOwner = nullptr);
  ~TSortSettings() override;
  std::string ClassName() const override { return "TSortSettings"; }
  // From another TSortSettings: everything but IgnoreCase and SortOnVirtualCells.
  void Assign(const TPersistent* Source) override;

  std::string SaveToString() const;
  // Checks the whole text first: a bad one raises and changes nothing.
  // A good one sets Show and sorts.
  void LoadFromString(const std::string& Value);
  void Remove();
  void ToggleDirection() { FDirection = FDirection == sdAscending ? sdDescending : sdAscending; }

  int Column() const { return FColumn; }
  void SetColumn(int Value) { FColumn = Value; }
  TSortDirection Direction() const { return FDirection; }
  void SetDirection(TSortDirection Value) { FDirection = Value; }
  bool Show() const { return FShow; }
  void SetShow(bool Value);
  int Row() const { return FRow; }
  // Raises Exception when Value is not a fixed row of the grid.
  void SetRow(int Value);
  bool IndexShow() const { return FIndexShow; }
  void SetIndexShow(bool Value) { FIndexShow = Value; }
  TColor IndexColor() const { return FIndexColor; }
  void SetIndexColor(TColor Value) { FIndexColor = Value; }
  TIndexSortKey IndexSortKey() const { return FIndexSortKey; }
  void SetIndexSortKey(TIndexSortKey Value) { FIndexSortKey = Value; }
  TSortDirection InitSortDirection() const { return FInitSortDirection; }
  void SetInitSortDirection(TSortDirection Value) { FInitSortDirection = Value; }
  bool UndoSort() const { return FUndoSort; }
  void SetUndoSort(bool Value) { FUndoSort = Value; }
  bool Full() const { return FFull; }
  void SetFull(bool Value) { FFull = Value; }
  bool SingleColumn() const { return FSingleColumn; }
  void SetSingleColumn(bool Value) { FSingleColumn = Value; }
  bool AutoFormat() const { return FAutoFormat; }
  void SetAutoFormat(bool Value) { FAutoFormat = Value; }
  bool IgnoreCase() const { return FIgnoreCase; }
  void SetIgnoreCase(bool Value) { FIgnoreCase = Value; }
  bool IgnoreBlanks() const { return FIgnoreBlanks; }
  void SetIgnoreBlanks(bool Value) { FIgnoreBlanks = Value; }
  TSortBlankPosition BlankPos() const { return FBlankPos; }
  void SetBlankPos(TSortBlankPosition Value) { FBlankPos = Value; }
  bool SortOnVirtualCells() const { return FSortOnVirtualCells; }
  void SetSortOnVirtualCells(bool Value) { FSortOnVirtualCells = Value; }
  bool FixedCols() const { return FFixedCols; }
  void SetFixedCols(bool Value) { FFixedCols = Value; }
  bool NormalCellsOnly() const { return FNormalCellsOnly; }
  void SetNormalCellsOnly(bool Value) { FNormalCellsOnly = Value; }
  bool AutoSortForGrouping() const { return FAutoSortForGrouping; }
  void SetAutoSortForGrouping(bool Value) { FAutoSortForGrouping = Value; }
  bool AutoColumnMerge() const { return FAutoColumnMerge; }
  void SetAutoColumnMerge(bool Value) { FAutoColumnMerge = Value; }
  TBitmap* UpGlyph() const { return FUpGlyph.get(); }
  void SetUpGlyph(const TBitmap* Value);
  TBitmap* DownGlyph() const { return FDownGlyph.get(); }
  void SetDownGlyph(const TBitmap* Value);
  TBitmap* IndexUpGlyph() const { return FIndexUpGlyph.get(); }
  void SetIndexUpGlyph(const TBitmap* Value);
  TBitmap* IndexDownGlyph() const { return FIndexDownGlyph.get(); }
  void SetIndexDownGlyph(const TBitmap* Value);
  TColor HeaderColor() const { return FHeaderColor; }
  void SetHeaderColor(TColor Value) { setHeaderColor(FHeaderColor, Value); }
  TColor HeaderColorTo() const { return FHeaderColorTo; }
  void SetHeaderColorTo(TColor Value) { setHeaderColor(FHeaderColorTo, Value); }
  TColor HeaderMirrorColor() const { return FHeaderMirrorColor; }
  void SetHeaderMirrorColor(TColor Value) { setHeaderColor(FHeaderMirrorColor, Value); }
  TColor HeaderMirrorColorTo() const { return FHeaderMirrorColorTo; }
  void SetHeaderMirrorColorTo(TColor Value) { setHeaderColor(FHeaderMirrorColorTo, Value); }

private:
  void setHeaderColor(TColor& Field, TColor Value);
  void repaintSortRow();

  TExtStringGrid* FGrid;
  int FColumn = -1;
  TSortDirection FDirection = sdAscending;
  bool FShow = false;
  int FRow = 0;
  bool FIndexShow = false;
  TColor FIndexColor = clYellow;
  TIndexSortKey FIndexSortKey = ikShift;
  TSortDirection FInitSortDirection = sdAscending;
  bool FUndoSort = false;
  bool FFull = true;
  bool FSingleColumn = false;
  bool FAutoFormat = true;
  bool FIgnoreCase = false;
  bool FIgnoreBlanks = false;
  TSortBlankPosition FBlankPos = blFirst;
  bool FSortOnVirtualCells = true;
  bool FFixedCols = false;
  bool FNormalCellsOnly = false;
  bool FAutoSortForGrouping = true;
  bool FAutoColumnMerge = false;
  std::unique_ptr<TBitmap> FUpGlyph, FDownGlyph, FIndexUpGlyph, FIndexDownGlyph;
  TColor FHeaderColor = clNone, FHeaderColorTo = clNone, FHeaderMirrorColor = clNone, FHeaderMirrorColorTo = clNone;
};
