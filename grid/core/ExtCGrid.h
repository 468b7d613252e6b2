#pragma once
// The column grid every configuration editor puts on its forms: a string
// grid with one column item per real column, whose settings (header, width,
// alignment, colours and fonts, editor kind, combo items, check texts,
// borders, print look, sort format, size limits) win over the grid-wide
// defaults before the application's events have the last word.

#include <memory>
#include <string>
#include <vector>

#include "grid/core/ExtGrid.h"
#include "toolkit/rtl/Collection.h"

class TExtColumnGrid;
class TGridColumnCollection;
class TStream;
struct TStreamObject;
class TObjectWriter;
struct TStreamProperty;

class TGridColumnItem : public TCollectionItem {
public:
  // Without a collection the item takes nothing from a grid and tells none.
  explicit TGridColumnItem(TCollection* Collection);
  std::string ClassName() const override { return "TGridColumnItem"; }
  // Copies the settings directly (no repaint, no collection update).
  void Assign(const TPersistent* Source) override;
  // As Assign, but Color and Font come from the grid and the header, combo
  // items, drop-down count, header font, name and tag stay.
  void AssignVisuals(const TPersistent* Source);

  const std::string& Header() const { return FHeader; }
  void SetHeader(const std::string& Value);
  // The grid's width of the item's real column (the saved one while hidden).
  int Width() const;
  void SetWidth(int Value);
  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment Value);
  TAlignment HeaderAlignment() const { return FHeaderAlignment; }
  void SetHeaderAlignment(TAlignment Value);
  TFont* Font() { return &FFont; }
  const TFont* Font() const { return &FFont; }
  void SetFont(const TFont* Value) { FFont.Assign(Value); }
  TFont* HeaderFont() { return &FHeaderFont; }
  const TFont* HeaderFont() const { return &FHeaderFont; }
  void SetHeaderFont(const TFont* Value) { FHeaderFont.Assign(Value); }
  TFont* PrintFont() { return &FPrintFont; }
  void SetPrintFont(const TFont* Value) { FPrintFont.Assign(Value); }
  TColor Color() const { return FColor; }
  void SetColor(TColor Value);
  TEditorType Editor() const { return FEditor; }
  void SetEditor(TEditorType Value);
  TStringList* ComboItems() { return &FComboItems; }
  void SetComboItems(const TStrings* Value) { FComboItems.Assign(Value); }
  int DropDownCount() const { return FDropDownCount; }
  void SetDropDownCount(int Value) { FDropDownCount = Value; }
  int SpinMin() const { return FSpinMin; }
  void SetSpinMin(int Value) { FSpinMin = Value; }
  int SpinMax() const { return FSpinMax; }
  void SetSpinMax(int Value) { FSpinMax = Value; }
  int SpinStep() const { return FSpinStep; }
  void SetSpinStep(int Value) { FSpinStep = Value; }
  int EditLength() const { return FEditLength; }
  void SetEditLength(int Value) { FEditLength = Value; }
  const std::string& EditMask() const { return FEditMask; }
  void SetEditMask(const std::string& Value) { FEditMask = Value; }
  TEditLink* EditLink() const { return FEditLink; }
  // The grid hears when the link is freed and forgets it in every column.
  void SetEditLink(TEditLink* Value);
  bool ReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool Value) { FReadOnly = Value; }
  bool Fixed() const { return FFixed; }
  void SetFixed(bool Value);
  bool Password() const { return FPassword; }
  void SetPassword(bool Value);
  const std::string& CheckTrue() const { return FCheckTrue; }
  void SetCheckTrue(const std::string& Value) { FCheckTrue = Value; }
  const std::string& CheckFalse() const { return FCheckFalse; }
  void SetCheckFalse(const std::string& Value) { FCheckFalse = Value; }
  bool ShowBands() const { return FShowBands; }
  void SetShowBands(bool Value);
  TCellBorders Borders() const { return FBorders; }
  void SetBorders(TCellBorders Value);
  TPen* BorderPen() { return &FBorderPen; }
  void SetBorderPen(const TPen* Value);
  TCellBorders PrintBorders() const { return FPrintBorders; }
  void SetPrintBorders(TCellBorders Value) { FPrintBorders = Value; }
  TPen* PrintBorderPen() { return &FPrintBorderPen; }
  void SetPrintBorderPen(const TPen* Value) { FPrintBorderPen.Assign(Value); }
  bool PrintBorderCustom() const { return FPrintBorderCustom; }
  void SetPrintBorderCustom(bool Value) { FPrintBorderCustom = Value; }
  bool PrintFontCustom() const { return FPrintFontCustom; }
  void SetPrintFontCustom(bool Value) { FPrintFontCustom = Value; }
  TColor PrintColor() const { return FPrintColor; }
  void SetPrintColor(TColor Value) { FPrintColor = Value; }
  TSortStyle SortStyle() const { return FSortStyle; }
  void SetSortStyle(TSortStyle Value) { FSortStyle = Value; }
  const std::string& SortPrefix() const { return FSortPrefix; }
  void SetSortPrefix(const std::string& Value) { FSortPrefix = Value; }
  const std::string& SortSuffix() const { return FSortSuffix; }
  void SetSortSuffix(const std::string& Value) { FSortSuffix = Value; }
  const std::string& FloatFormat() const { return FFloatFormat; }
  void SetFloatFormat(const std::string& Value);
  TStringList* Filter() { return &FFilter; }
  void SetFilter(const TStrings* Value) { FFilter.Assign(Value); }
  bool FilterCaseSensitive() const { return FFilterCaseSensitive; }
  void SetFilterCaseSensitive(bool Value) { FFilterCaseSensitive = Value; }
  int MinSize() const { return FMinSize; }
  void SetMinSize(int Value) { FMinSize = Value; }
  int MaxSize() const { return FMaxSize; }
  void SetMaxSize(int Value) { FMaxSize = Value; }
  int AutoMinSize() const { return FAutoMinSize; }
  void SetAutoMinSize(int Value) { FAutoMinSize = Value; }
  int AutoMaxSize() const { return FAutoMaxSize; }
  void SetAutoMaxSize(int Value) { FAutoMaxSize = Value; }
  TPopupMenu* ColumnPopup() const { return FColumnPopup; }
  void SetColumnPopup(TPopupMenu* Value) { FColumnPopup = Value; }
  TColumnPopupType ColumnPopupType() const { return FColumnPopupType; }
  void SetColumnPopupType(TColumnPopupType Value) { FColumnPopupType = Value; }
  const std::string& Name() const { return FName; }
  void SetName(const std::string& Value) { FName = Value; }
  int Tag() const { return FTag; }
  void SetTag(int Value) { FTag = Value; }
  // The column's index in the order the columns had after loading.
  int DefIdx = 0;

  // The grid's cells of this column (its index is the real column).
  std::string Rows(int ARow) const;
  void SetRows(int ARow, const std::string& Value);
  double Dates(int ARow) const;
  void SetDates(int ARow, double Value);
  double Times(int ARow) const;
  void SetTimes(int ARow, double Value);

  TExtColumnGrid* Grid() const;
  // The width as kept by the item itself (Assign copies it without the grid).
  int StoredWidth() const { return FWidth; }

protected:
  std::string GetDisplayName() const override;

private:
  friend class TExtColumnGrid;
  friend class TExtColumnGridIO;
  void changed() { Changed(false); }
  void repaintGrid() const;

  std::string FHeader;
  int FWidth = 50;
  TAlignment FAlignment = taLeftJustify;
  TAlignment FHeaderAlignment = taLeftJustify;
  TFont FFont, FHeaderFont, FPrintFont;
  TColor FColor = clWindow;
  TEditorType FEditor = edNormal;
  TStringList FComboItems;
  int FDropDownCount = 8;
  int FSpinMin = 0, FSpinMax = 0, FSpinStep = 1;
  int FEditLength = 0;
  std::string FEditMask;
  TEditLink* FEditLink = nullptr;
  bool FReadOnly = false, FFixed = false, FPassword = false;
  std::string FCheckTrue = "Y", FCheckFalse = "N";
  bool FShowBands = false;
  TCellBorders FBorders;
  TPen FBorderPen;
  TCellBorders FPrintBorders{cbTop, cbLeft, cbRight, cbBottom};
  TPen FPrintBorderPen;
  bool FPrintBorderCustom = true, FPrintFontCustom = true;
  TColor FPrintColor;
  TSortStyle FSortStyle = ssAutomatic;
  std::string FSortPrefix, FSortSuffix;
  std::string FFloatFormat;
  TStringList FFilter;
  bool FFilterCaseSensitive = false;
  int FMinSize = 0, FMaxSize = 0, FAutoMinSize = 0, FAutoMaxSize = 0;
  TPopupMenu* FColumnPopup = nullptr;
  TColumnPopupType FColumnPopupType = cpFixedCellsRClick;
  std::string FName;
  int FTag = 0;
};

class TGridColumnCollection : public TOwnedCollection {
public:
  explicit TGridColumnCollection(TExtColumnGrid* AOwner);
  std::string ClassName() const override { return "TGridColumnCollection"; }

  // A new column takes the look and editor of the one before it.
  TGridColumnItem* Add();
  TGridColumnItem* Insert(int Index);
  TGridColumnItem* Items(int Index) const { return ItemsAs<TGridColumnItem>(Index); }
  TGridColumnItem* GetItem(int Index) const { return Items(Index); }
  void SetItem(int Index, const TGridColumnItem* Value) { Items(Index)->Assign(Value); }
  TExtColumnGrid* Grid() const { return FGrid; }
  // Every item's DefIdx becomes its index.
  void SetOrganization();
  // Moves every column to its DefIdx; DefIdx values that are not a
  // permutation of 0..Count()-1 leave the order as it is.
  void ResetOrganization();
  // On while the grid itself changes the collection.
  bool NoRecursiveUpdate = false;

protected:
  void Update(TCollectionItem* Item) override;

private:
  TExtColumnGrid* FGrid;
};

class TExtColumnGrid : public TExtStringGrid {
public:
  explicit TExtColumnGrid(TComponent* AOwner);
  ~TExtColumnGrid() override;
  std::string ClassName() const override { return "TExtColumnGrid"; }

  TGridColumnCollection* Columns() const { return FColumns.get(); }
  void SetColumns(const TGridColumnCollection* Value) { FColumns->Assign(Value); }
  // The first column whose Name is AValue; none when there is none.
  TGridColumnItem* GetColumnByName(const std::string& AValue) const;
  TGridColumnItem* ColumnByName(const std::string& AValue) const { return GetColumnByName(AValue); }
  int ColCount() const { return TExtStringGrid::ColCount(); }
  // Sets the grid's count, then as many items as real columns.
  void SetColCount(int Value);
  bool AutoFilterDisplay() const { return FAutoFilterDisplay; }
  void SetAutoFilterDisplay(bool Value) { FAutoFilterDisplay = Value; }
  bool ColumnMoving() const { return FColumnMoving; }

  // Adds items (copying the last one's look) or frees them from the end
  // until there is one per real column.
  void MatchColumnsToColCount();
  // Rebuilds ColumnHeaders from the items (only with fixed rows).
  void CollectColumnHeaders();

  int GetVersionNr() const override { return 0x03010301; }
  std::string GetVersionString() const override;

  // ---- the column settings win: per-cell hooks ----
  void GetCellColor(int ACol, int ARow, TGridDrawState AState, TBrush* ABrush, TFont* AFont) override;
  void GetCellPrintColor(int ACol, int ARow, TGridDrawState AState, TBrush* ABrush, TFont* AFont) override;
  void GetCellBorder(int ACol, int ARow, TPen* APen, TCellBorders& Borders) override;
  void GetCellPrintBorder(int ACol, int ARow, TPen* APen, TCellBorders& Borders) override;
  void GetCellAlign(int ACol, int ARow, TVAlignment& VAlign, TAlignment& HAlign) override;
  void GetCellFormat(int ACol, TSortStyle& AStyle, std::string& aPrefix, std::string& aSuffix) override;
  void GetCellEditor(int ACol, int ARow, TEditorType& AEditor) override;
  void IsFixedCell(int ADisplCol, int ARow, bool& IsFixed) override;
  void CanEditCell(int ACol, int ARow, bool& CanEdit) override;
  void IsPasswordCell(int ACol, int ARow, bool& IsPassword) override;
  bool HasCombo(int ACol, int ARow) override;
  void GetCheckTrue(int ACol, int ARow, std::string& Value) override;
  void GetCheckFalse(int ACol, int ARow, std::string& Value) override;
  void GetFloatFormat(int ACol, int ARow, bool& IsFloat, std::string& FloatFormat) override;
  std::string GetFormattedCell(int ACol, int ARow) override;
  TCellType GetCellType(int ACol, int ARow) override;
  TCellGraphic* GetCellGraphic(int ACol, int ARow) override;
  void UpdateColumnSize(int ACol, int& NewWidth) override;
  void UpdateAutoColumnSize(int ACol, int& NewWidth) override;
  void UpdateColumnHeaders() override;
  void CellsLoaded() override;
  void GetCellDefaults(int ACol, int ARow, TFont* AFont, TBrush* ABrush, TColor& ColorTo, TColor& MirrorColor,
                       TColor& MirrorColorTo, TAlignment& HA, TVAlignment& VA, bool& WW,
                       TCellGradientDirection& GD) override;

  // ---- column definitions and order kept outside (ExtCGridIO.cpp) ----
  void SaveColumnsToStream(TStream* st);
  // A stream that is no column definition, or is cut short, raises
  // EReadError and leaves the columns as they were. ColCount stays.
  void LoadColumnsFromStream(TStream* st);
  // "CP" + position = the column's index after loading, in the INI file Key.
  void SaveColumnPositions(const std::string& Key, const std::string& Section);
  // Without every "CP" key nothing changes; values that do not name each
  // column once raise EConvertError and change nothing.
  void LoadColumnPositions(const std::string& Key, const std::string& Section);
  // With an INI-file ColumnSize store, the two above; else the grid's own.
  void SaveColPositions() override;
  void LoadColPositions() override;

  // ---- a column's Filter entries ("name=condition") make its filter list ----
  bool GetColumnFilterValues(int ARealCol) override;
  void FilterSelect(int ARealCol, int ItemIndex) override;

  // ---- structure edits keep the items with their columns ----
  void InsertCols(int ARealCol, int CCount) override;
  void RemoveCols(int ARealCol, int CCount) override;
  void Group(int ARealCol) override;
  void UnGroup() override;

  // ---- editing limits from the current column ----
  std::string GetEditMask(int ACol, int ARow) override;
  int GetEditLimit() override;
  void ChangeScale(int M, int D) override;

  TColumnPopupEvent OnColumnPopup;
  TAfterColumnMovedEvent OnAfterColumnMoved;

protected:
  // Makes the collection; a descendant may make its own kind.
  virtual std::unique_ptr<TGridColumnCollection> CreateColumns();
  void Loaded() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void ColumnMoved(int FromIndex, int ToIndex) override;
  void ColWidthsChanged() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;

  // The item of a real column, none beyond the items.
  TGridColumnItem* columnOf(int ARealCol) const;
  // A cell that is neither fixed nor footer nor fixed-right (real column).
  bool isNormalCell(int ARealCol, int ARow) const;

private:
  std::unique_ptr<TGridColumnCollection> FColumns;
  std::unique_ptr<TGridColumnItem> FGroupColumn;
  int FGroupedCol = -1;
  bool FColumnMoving = false;
  bool FAutoFilterDisplay = false;
  TCellGraphic FVirtCheckGraphic;
};

// The carrier of column definitions in a stream: one object whose Items
// collection holds the settings of every column.
class TExtColumnGridIO : public TComponent {
public:
  explicit TExtColumnGridIO(TExtColumnGrid* AGrid);
  ~TExtColumnGridIO() override;
  std::string ClassName() const override { return "TExtColumnGridIO"; }
  TGridColumnCollection* Items() const { return FItems.get(); }

  // Appends the object's bytes.
  void WriteTo(std::string& Out) const;
  // Replaces Items by the stored ones; raises EReadError for an object of
  // another class or a setting that does not read.
  void ReadFrom(const TStreamObject& Object);

  struct TField;

private:
  static const std::vector<TField>& Fields();
  std::unique_ptr<TGridColumnCollection> FItems;
};
