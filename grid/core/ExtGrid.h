#pragma once
// The string grid every table of the system is built on: text cells with
// per-cell properties and cell objects over the base grid's store, hidden
// columns and rows with the mapping between real and displayed indexes,
// per-cell query hooks that painting, printing, hinting and editing ask,
// settings sub-objects, the update lock, and the declarations that the
// editing, input, painting, data, file and printing code fill in.
//
// Indexes: a *real* column is the column as stored (hidden ones included,
// 0 .. AllColCount()-1); a *displayed* column is its place on screen
// (0 .. ColCount()-1). Cells, the per-cell property accessors and most hooks
// take real columns; Col, LeftCol, ColWidths, Selection, mouse positions and
// IsFixed take displayed ones. Rows are displayed rows except in the
// accessors whose name begins with All, which take real rows and reach
// hidden rows. Parameter names say which: ARealCol / ADisplCol,
// ARealRow / ARow.
//
// The class is declared here whole and defined over several files, one per
// feature (ExtGridLife.cpp, ExtGridCells.cpp, ExtGridHidden.cpp, ...). Each
// feature's declarations sit in their own block below, so that each can grow
// without touching the others.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "grid/core/CellGraphic.h"
#include "grid/core/ColumnSize.h"
#include "grid/core/ExtGridCellSelection.h"
#include "grid/core/ExtGridDataSettings.h"
#include "grid/core/ExtGridInputTypes.h"
#include "grid/core/ExtGridScrollMath.h"
#include "grid/core/ExtGridPrintSettings.h"
#include "grid/core/ExtGridSettings.h"
#include "grid/core/ExtGridTypes.h"
#include "grid/editing/ExtGridEditTypes.h"
#include "grid/exchange/ExchangeTypes.h"
#include "grid/core/GridItem.h"
#include "grid/data/GridCalc.h"
#include "grid/data/GridSortEngine.h"
#include "grid/foundation/BaseGrid.h"
#include "grid/foundation/ExtObj.h"
#include "grid/foundation/ExtStyleIF.h"
#include "grid/output/CellGraphicLayout.h"
#include "grid/output/ControlLook.h"
#include "grid/printing/GridPrintTypes.h"
#include "grid/output/HTMLHintWindow.h"
#include "toolkit/graphics/Bitmap.h"
#include "toolkit/forms/Timer.h"
#include "toolkit/forms/WinApi.h"
#include "toolkit/rtl/Collection.h"

class TCustomForm;
class TCustomListBox;
class TForm;
class TPopupMenu;
class TScrollBar;
class TStream;
class TWinControl;
// Editor controls and panels; each is a component the grid owns, made by the
// editing code (at construction or on first use).
class TEditLink;
class TGridCombo;
class TGridSpin;
class TGridCheckBox;
class TGridEditBtn;
class TGridUnitEditBtn;
class TGridButton;
class TGridDatePicker;
class TGridDateTimePicker;
class TGridTransEdit;
class TExtCustomDropDown;
class TGridTrackbarDropDown;
class TGridMemoDropDown;
class TGridCalculatorDropDown;
class TGridTimepickerDropDown;
class TGridDetailPickerDropDown;
class TGridGridDropDown;
class TGridColorDropDown;
class TGridImageDropDown;
class TGridExtGridDropDown;
class TGridTransCombo;
class TExtRichEdit;
class TRichEdit;
class THTMLHintWindow;
struct TScrollInfo;
class TControlEdit;
class TControlCombo;
class TStringList;
class THeaderDragButton;
struct TGridCellBlock;
class TFooterPanel;
class TSearchPanel;
class TDropList;
class TDropCheckList;
class TScrollControl;
class TBalloonTooltip;
class THTMLHintWindow;
class TGridFocusWindow;
class TArrowWindow;
class TExtStringGridCheck;
class TExtInplaceEdit;
class TInvalidEntryBalloon;
class TImageList;
class TPictureContainer;
struct THTMLTextCall;

// An object told about every changed rectangle of cells (real columns,
// display rows); applications derive from it and register it with a grid.
class TGridChangeNotifier : public TComponent {
public:
  explicit TGridChangeNotifier(TComponent* AOwner) : TComponent(AOwner) {}
  std::string ClassName() const override { return "TGridChangeNotifier"; }
  virtual void CellsChanged(const TRect& R) { (void)R; }
};

// The small colour schemes of SetTheme.
enum TXPColorScheme { xpNone, xpBlue, xpGreen, xpGray, vistaAero };
struct TGridStyleColors;

class TExtStringGrid : public TBaseGrid {
public:
  explicit TExtStringGrid(TComponent* AOwner);
  ~TExtStringGrid() override;
  std::string ClassName() const override { return "TExtStringGrid"; }

  // =========================================================================
  // Life cycle (ExtGridLife.cpp)
  // =========================================================================
  // Copies the settings, the counts, widths and heights, then the cells, from
  // another TExtStringGrid; any other source is ignored.
  void Assign(const TPersistent* Source) override;
  virtual void AssignCells(const TPersistent* Source);
  void Invalidate() override;
  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
  void InitOrigColSizes();
  virtual int GetVersionNr() const { return 0x06020103; }
  virtual std::string GetVersionString() const;
  // With SizeWithForm the grid grows and shrinks with its owner form. The
  // grid listens to the form's resize as one subscription among others, so
  // the form's own OnResize and other grids' listeners stay as they are.
  bool SizeWithForm() const { return FSizeWithForm; }
  void SetSizeWithForm(bool Value) { FSizeWithForm = Value; }
  void OwnerFormResize(TObject* Sender);

  // =========================================================================
  // Dimensions and fixed rows and columns (ExtGridDimensions.cpp). These
  // redeclare the framework's accessors so that every change of size keeps
  // the grid's own state in step; the base classes keep reading theirs.
  // =========================================================================
  int RowCount() const { return baseRowCount(); }
  void SetRowCount(int Value);
  int ColCount() const { return baseColCount(); }
  void SetColCount(int Value);
  int FixedRows() const;
  void SetFixedRows(int Value);
  int FixedCols() const;
  void SetFixedCols(int Value);
  int DefaultRowHeight() const { return baseDefaultRowHeight(); }
  void SetDefaultRowHeight(int Value);
  int FixedRowHeight() const { return FFixedRowHeight; }
  void SetFixedRowHeight(int Value);
  int FixedColWidth() const { return ColWidths(0); }
  void SetFixedColWidth(int Value);
  int FixedFooters() const { return FFixedFooters; }
  void SetFixedFooters(int Value);
  int FixedRightCols() const { return FFixedRightCols; }
  void SetFixedRightCols(int Value);
  // Fixed cells act as buttons: drawn pushed while held, a click fires OnButtonClick.
  bool FixedAsButtons() const { return FFixedAsButtons; }
  void SetFixedAsButtons(bool Value) { FFixedAsButtons = Value; }
  bool FixedRowAlways() const { return FFixedRowAlways; }
  void SetFixedRowAlways(bool Value);
  bool FixedColAlways() const { return FFixedColAlways; }
  void SetFixedColAlways(bool Value);
  TAlignment DefaultAlignment() const { return FDefaultAlignment; }
  void SetDefaultAlignment(TAlignment Value);
  bool WordWrap() const { return FWordWrapEx; }
  void SetWordWrap(bool Value);
  int AllColCount() const { return TotalColCount(); }
  int AllRowCount() const { return TotalRowCount(); }
  int MaxRowCount() const { return FMaxRowCount; }
  int MaxColCount() const { return FMaxColCount; }
  int MinRowHeight() const { return FMinRowHeight; }
  void SetMinRowHeight(int Value) { FMinRowHeight = Value; }
  int MaxRowHeight() const { return FMaxRowHeight; }
  void SetMaxRowHeight(int Value) { FMaxRowHeight = Value; }
  int MinColWidth() const { return FMinColWidth; }
  void SetMinColWidth(int Value) { FMinColWidth = Value; }
  int MaxColWidth() const { return FMaxColWidth; }
  void SetMaxColWidth(int Value) { FMaxColWidth = Value; }
  // The current column (displayed); writing follows a synchronised grid.
  int Col() const { return baseCol(); }
  void SetCol(int ADisplCol);
  // The current row (displayed); see the hidden rows block for the writer.
  int Row() const { return baseRow(); }
  void SetRow(int ARow);
  int TopRow() const { return baseTopRow(); }
  // Applied only within FixedRows() .. RowCount()-1.
  void SetTopRow(int ARow);

  // =========================================================================
  // Cell text and cell property access (ExtGridCells.cpp). Cells(ARealCol,
  // ARow) and SetCells are the base grid's.
  // =========================================================================
  std::string AllCells(int ARealCol, int ARealRow) const { return GetCellsEx(ARealCol, ARealRow); }
  void SetAllCells(int ARealCol, int ARealRow, const std::string& Value) { SetCellsEx(ARealCol, ARealRow, Value); }
  std::string GetCellsEx(int ARealCol, int ARealRow) const;
  void SetCellsEx(int ARealCol, int ARealRow, const std::string& Value);
  std::string AllGridCells(int ARealCol, int ARealRow) const;
  void SetAllGridCells(int ARealCol, int ARealRow, const std::string& Value);
  std::u16string AllWideCells(int ARealCol, int ARealRow) const;
  void SetAllWideCells(int ARealCol, int ARealRow, const std::u16string& Value);
  std::u16string WideCells(int ARealCol, int ARow) const;
  void SetWideCells(int ARealCol, int ARow, const std::u16string& Value);
  std::string StrippedCells(int ARealCol, int ARow) const;
  // The column that stood at AOrigCol before any column move.
  std::string OriginalCells(int AOrigCol, int ARow) const;
  void SetOriginalCells(int AOrigCol, int ARow, const std::string& Value);
  int LinesInCell(int ARealCol, int ARow) const;
  // The raw text of the current cell's base cell.
  virtual std::string GetCurrentCell() const;
  virtual void SetCurrentCell(const std::string& Value);
  virtual std::u16string GetCurrentWideCell() const;
  virtual void SetCurrentWideCell(const std::u16string& Value);
  virtual std::string GetCurrentCellText() const;
  virtual void SetCurrentEditText(const std::string& Value);
  TEditorType CurrentEditor() const { return EditControl; }

  uintptr_t AllObjects(int ARealCol, int ARealRow) const;
  void SetAllObjects(int ARealCol, int ARealRow, uintptr_t Value);
  TObject* GetRawObjectEx(int ARealCol, int ARealRow) const;
  TControl* CellControls(int ARealCol, int ARow) const;
  void SetCellControls(int ARealCol, int ARow, TControl* Value);
  int NumCellControls() const { return FNumCellControls; }

  TColor Colors(int ARealCol, int ARow) const;
  void SetColors(int ARealCol, int ARow, TColor Value);
  TColor ColorsTo(int ARealCol, int ARow) const;
  void SetColorsTo(int ARealCol, int ARow, TColor Value);
  TCellGradientDirection Gradients(int ARealCol, int ARow) const;
  void SetGradients(int ARealCol, int ARow, TCellGradientDirection Value);
  TColor FontColors(int ARealCol, int ARow) const;
  void SetFontColors(int ARealCol, int ARow, TColor Value);
  TFontStyles FontStyles(int ARealCol, int ARow) const;
  void SetFontStyles(int ARealCol, int ARow, TFontStyles Value);
  int FontSizes(int ARealCol, int ARow) const;
  void SetFontSizes(int ARealCol, int ARow, int Value);
  std::string FontNames(int ARealCol, int ARow) const;
  void SetFontNames(int ARealCol, int ARow, const std::string& Value);
  // The grid's one per-cell font buffer, loaded with the cell's font.
  TFont* GetCellFont(int ARealCol, int ARow);
  void SetCellFont(int ARealCol, int ARow, const TFont* Value);
  TAlignment Alignments(int ARealCol, int ARow) const;
  void SetAlignments(int ARealCol, int ARow, TAlignment Value);
  bool WordWraps(int ARealCol, int ARow);
  void SetWordWraps(int ARealCol, int ARow, bool Value);
  bool ReadOnly(int ARealCol, int ARow) const;
  void SetReadOnly(int ARealCol, int ARow, bool Value);
  // Row-wide writes over the normal columns; clNone clears that colour only.
  void SetRowColor(int ARow, TColor Value);
  void SetRowColorTo(int ARow, TColor Value);
  void SetRowFontColor(int ARow, TColor Value);
  // Width of a real column: the saved width while it is hidden.
  int AllColWidths(int ARealCol) const;
  void SetAllColWidths(int ARealCol, int Value);
  TCursor Cursor() const { return TBaseGrid::Cursor(); }
  void SetCursor(TCursor Value);
  bool UseHTMLHints() const { return FUseHTMLHints; }
  void SetUseHTMLHints(bool Value) { FUseHTMLHints = Value; }

  // =========================================================================
  // Hidden columns and rows, index mapping (ExtGridHidden.cpp)
  // =========================================================================
  void HideColumn(int ARealCol) { HideColumns(ARealCol, ARealCol); }
  void HideColumns(int FromRealCol, int ToRealCol);
  void UnHideColumn(int ARealCol) { UnHideColumns(ARealCol, ARealCol); }
  void UnHideColumns(int FromRealCol, int ToRealCol);
  void UnHideColumnsAll();
  bool IsHiddenColumn(int ARealCol) const;
  int NumHiddenColumns() const { return FNumHidden; }
  int TotalColCount() const override { return ColCount() + FNumHidden; }
  int RealColIndex(int ADisplCol) const override { return DisplToRealColumn(ADisplCol); }
  int DisplColIndex(int ARealCol) const override { return RealToDisplColumn(ARealCol); }
  int RealCol() const { return RealColIndex(Col()); }
  bool IsIgnoredColumn(int ARealCol) const;
  TIntList* IgnoreColumns() { return &FIgnoreColumns; }

  void HideRow(int ARealRow) { HideRows(ARealRow, ARealRow); }
  void HideRows(int FromRealRow, int ToRealRow);
  void HideRowsEx(int FromRealRow, int ToRealRow);
  // Hides displayed rows as one filter level (ascending, without repeats).
  void HideRowList(const TIntList* RowList);
  // Hides rows as children of a node; only UnHideNodeRows brings them back.
  void HideNodeRows(int FromRealRow, int ToRealRow);
  void UnHideRow(int ARealRow) { UnHideRows(ARealRow, ARealRow); }
  void UnHideRows(int FromRealRow, int ToRealRow);
  void UnHideRowsAll();
  // Restores the rows of the most recent filter level only.
  void UnHideRowList();
  void UnHideNodeRows(int FromRealRow, int ToRealRow);
  bool IsHiddenRow(int ARealRow) const;
  int NumHiddenRows() const { return static_cast<int>(FHiddenRows.size()); }
  int TotalRowCount() const { return RowCount() + NumHiddenRows(); }
  int RealRowIndex(int ARow) const { return DisplToRealRow(ARow); }
  int DisplRowIndex(int ARealRow) const { return RealToDisplRow(ARealRow); }
  int RealRow() const { return RealRowIndex(Row()); }
  int FilterLevel() const { return FFilterLevel; }
  void SetFilterLevel(int Value) { FFilterLevel = Value; }
  // The hidden-row item of a real row, none when the row is shown.
  TGridItem* HiddenRowItem(int ARealRow) const;
  TStrings* HiddenRowStrings(int ARealRow) const;
  // The hidden rows in ascending real row order.
  const std::vector<TGridItem>& GridItems() const { return FHiddenRows; }

  void HideSelection();
  void UnHideSelection();
  bool SelectionHidden() const { return FSelHidden; }
  void UpdateEditMode();
  void ScrollInView(int ADisplCol, int ARow);
  virtual TRect GetUsedCells();

  bool SaveFixedCells() const { return FSaveFixedCells; }
  void SetSaveFixedCells(bool Value) { FSaveFixedCells = Value; }
  bool SaveFixedCols() const { return FSaveFixedCols; }
  void SetSaveFixedCols(bool Value) { FSaveFixedCols = Value; }
  bool SaveFixedRows() const { return FSaveFixedRows; }
  void SetSaveFixedRows(bool Value) { FSaveFixedRows = Value; }
  int SaveStartCol() const;
  int SaveStartRow() const;
  int SaveEndCol() const;
  int SaveEndRow() const;
  int SaveColCount() const;
  int SaveRowCount() const;

  // =========================================================================
  // Update lock and window messages (ExtGridUpdate.cpp)
  // =========================================================================
  void BeginUpdate();
  // Always counts down; the last one repaints what the lock held back.
  void EndUpdate();
  // A short lock of the grid's own handlers, without switching drawing off;
  // ResetUpdate ends the ones taken so, never the callers' outer locks.
  void StartUpdate();
  void ResetUpdate();
  bool LockUpdate() const { return FUpdateCount != 0; }
  void SetLockUpdate(bool Value) { Value ? BeginUpdate() : EndUpdate(); }
  bool IsUpdating() const { return FUpdateCount > 0; }
  int UpdateCount() const { return FUpdateCount; }
  bool IsHoverFixedCell(int ADisplCol, int ARow) const;
  // Forgets the fixed-border sizing flags and unlights the hovered fixed cell.
  void ResetFixedCellHighlight();
  // The canvas of the floating footer's panel, for custom footer painting;
  // nullptr while the grid has no footer panel.
  TCanvas* FooterCanvas();
  // Places every control kept in a cell over its cell, hiding those scrolled
  // out of view; RebuildList first collects them again from the cells.
  void CellControlsUpdate(bool RebuildList);
  bool EnableBlink() const { return FEnableBlink; }
  void SetEnableBlink(bool Value) { FEnableBlink = Value; }
  bool GridBlink() const { return FGridBlink; }
  int TimerTicks() const { return FTimerTicks; }
  // The incremental search text, forgotten on the 4th timer tick after the last key.
  const std::string& SearchInc() const { return FSearchInc; }
  void SetSearchInc(const std::string& Value) {
    FSearchInc = Value;
    FSearchTics = 0;
  }

  // =========================================================================
  // Appearance properties and style defaults (ExtGridProps.cpp)
  // =========================================================================
  // Looks, styles, colour tones and themes (grid/output/ExtGridLooks.cpp)
  TGridLook Look() const { return FLook; }
  void SetLook(TGridLook Value);
  TQGSStyle Style() const { return FStyle; }
  virtual void SetStyle(TQGSStyle AStyle);
  void SetComponentStyle(TQGSStyle AStyle);
  void SetEditorsComponentStyle(TQGSStyle AStyle);
  void SetColorTones(const TColorTones& ATones);
  const TColorTones& ColorTones() const { return FTones; }
  void SetTheme(TXPColorScheme Scheme);
  void AdaptToOfficeTheme();
  // The identifier and the display name of a look; glCustom leaves Text alone.
  static void LookToString(TGridLook Look, std::string& Text);
  static void LookToDisplayName(TGridLook Look, std::string& Text);
  // The desktop's Office theme as the grid reads it (tests put one in).
  static std::function<TOfficeTheme()> OfficeThemeSource;
  TColor BorderColor() const { return FBorderColor; }
  void SetBorderColor(TColor Value);
  bool ActiveCellShow() const { return FActiveCellShow; }
  void SetActiveCellShow(bool Value);
  TColor ActiveCellColor() const { return FActiveCellColor; }
  void SetActiveCellColor(TColor Value);
  TColor ActiveCellColorTo() const { return FActiveCellColorTo; }
  void SetActiveCellColorTo(TColor Value);
  TFont* ActiveCellFont() { return &FActiveCellFont; }
  void SetActiveCellFont(const TFont* Value);
  TFont* FixedFont() { return &FFixedFont; }
  void SetFixedFont(const TFont* Value);
  TColor SelectionColor() const { return FSelectionColor; }
  void SetSelectionColor(TColor Value);
  TColor SelectionColorTo() const { return FSelectionColorTo; }
  void SetSelectionColorTo(TColor Value);
  TColor SelectionMirrorColor() const { return FSelectionMirrorColor; }
  void SetSelectionMirrorColor(TColor Value);
  TColor SelectionMirrorColorTo() const { return FSelectionMirrorColorTo; }
  void SetSelectionMirrorColorTo(TColor Value);
  bool SelectionColorMixer() const { return FSelectionColorMixer; }
  void SetSelectionColorMixer(bool Value);
  int SelectionColorMixerFactor() const { return FSelectionColorMixerFactor; }
  void SetSelectionColorMixerFactor(int Value);
  TColor SelectionTextColor() const { return FSelectionTextColor; }
  void SetSelectionTextColor(TColor Value);
  // A selected rich-text cell keeps its own text colours.
  bool SelectionRTFKeep() const { return FSelectionRTFKeep; }
  void SetSelectionRTFKeep(bool Value) { FSelectionRTFKeep = Value; }
  bool SelectionRectangle() const { return FSelectionRectangle; }
  void SetSelectionRectangle(bool Value);
  bool SelectionResizer() const { return FSelectionResizer; }
  void SetSelectionResizer(bool Value);
  TColor SelectionRectangleColor() const { return FSelectionRectangleColor; }
  void SetSelectionRectangleColor(TColor Value);
  bool ShowSelection() const { return FShowSelection; }
  void SetShowSelection(bool Value);
  bool HideFocusRect() const { return FHideFocusRect; }
  void SetHideFocusRect(bool Value) {
    FHideFocusRect = Value;
    Invalidate();
  }
  bool ShowDesignHelper() const { return FShowDesignHelper; }
  void SetShowDesignHelper(bool Value);
  TColor HighlightColor() const { return FHighlightColor; }
  void SetHighlightColor(TColor Value);
  TColor HighlightTextColor() const { return FHighlightTextColor; }
  void SetHighlightTextColor(TColor Value);
  bool Hovering() const { return FHovering; }
  void SetHovering(bool Value) { FHovering = Value; }
  TColor HintColor() const { return FHintColor; }
  void SetHintColor(TColor Value) { FHintColor = Value; }
  // While a column or row is sized, a hint shows its width ("cw=") or height ("rh=").
  bool HintShowSizing() const { return FHintShowSizing; }
  void SetHintShowSizing(bool Value) { FHintShowSizing = Value; }
  // Links of HTML cells are underlined only while the mouse is over them.
  bool URLUnderlineOnHover() const { return FURLUnderlineOnHover; }
  void SetURLUnderlineOnHover(bool Value);
  // The HTML cell (display column) and its link under the mouse; -1 none.
  TPoint HoverCell() const { return FHoverCell; }
  int HoverLink() const { return FHoverlink; }
  TColor URLColor() const { return FURLColor; }
  void SetURLColor(TColor Value);
  TColor DisabledFontColor() const { return FDisabledFontColor; }
  void SetDisabledFontColor(TColor Value);
  TPoint XYOffset() const { return FXYOffset; }
  void SetXYOffset(TPoint Value);
  void UpdateXYOffset(int X, int Y) { FXYOffset = TPoint{X, Y}; }
  TVAlignment VAlignment() const { return FVAlignment; }
  void SetVAlignment(TVAlignment Value);
  bool AutoSize() const { return FAutoSize; }
  void SetAutoSize(bool Value);
  bool Flat() const { return FFlat; }
  void SetFlat(bool Value);
  bool SpreadSheet() const { return FSpreadSheet; }
  // Only True applies the spreadsheet preset.
  void SetSpreadSheet(bool Value);
  bool AutoThemeAdapt() const { return FAutoThemeAdapt; }
  void SetAutoThemeAdapt(bool Value);
  bool AutoNumAlign() const { return FAutoNumAlign; }
  void SetAutoNumAlign(bool Value);
  bool AutoFilterUpdate() const { return FAutoFilterUpdate; }
  void SetAutoFilterUpdate(bool Value) { FAutoFilterUpdate = Value; }
  bool EnableHTML() const { return FEnableHTML; }
  void SetEnableHTML(bool Value);
  bool EnableWheel() const { return FEnableWheel; }
  void SetEnableWheel(bool Value) { FEnableWheel = Value; }
  bool EnhRowColMove() const { return FEnhRowColMove; }
  void SetEnhRowColMove(bool Value) { FEnhRowColMove = Value; }
  bool IntelliZoom() const { return FIntelliZoom; }
  void SetIntelliZoom(bool Value) { FIntelliZoom = Value; }
  bool IntegralHeight() const { return FIntegralHeight; }
  void SetIntegralHeight(bool Value);
  THoverFixedCells HoverFixedCells() const { return FHoverFixedCells; }
  void SetHoverFixedCells(THoverFixedCells Value) { FHoverFixedCells = Value; }
  THintShowLargeTextPos HintShowLargeTextPos() const { return FHintShowLargeTextPos; }
  void SetHintShowLargeTextPos(THintShowLargeTextPos Value) { FHintShowLargeTextPos = Value; }
  bool UseInternalHintClass() const { return FUseInternalHintClass; }
  void SetUseInternalHintClass(bool Value) { FUseInternalHintClass = Value; }
  TInvalidEntryIcon InvalidEntryIcon() const { return FInvalidEntryIcon; }
  void SetInvalidEntryIcon(TInvalidEntryIcon Value) { FInvalidEntryIcon = Value; }
  const std::string& InvalidEntryTitle() const { return FInvalidEntryTitle; }
  void SetInvalidEntryTitle(const std::string& Value) { FInvalidEntryTitle = Value; }
  const std::string& InvalidEntryText() const { return FInvalidEntryText; }
  void SetInvalidEntryText(const std::string& Value) { FInvalidEntryText = Value; }
  const std::string& FilterDropDownClear() const { return FFilterDropDownClear; }
  void SetFilterDropDownClear(const std::string& Value) { FFilterDropDownClear = Value; }
  TFilterDropDownColumns FilterDropDownColumns() const { return FFilterDropDownColumns; }
  void SetFilterDropDownColumns(TFilterDropDownColumns Value) { FFilterDropDownColumns = Value; }
  bool FilterNormalCellsOnly() const { return FFilterNormalCellsOnly; }
  void SetFilterNormalCellsOnly(bool Value) { FFilterNormalCellsOnly = Value; }
  bool ShowNullDates() const { return FShowNullDates; }
  void SetShowNullDates(bool Value) { FShowNullDates = Value; }
  TScrollType ScrollType() const { return FScrollType; }
  void SetScrollType(TScrollType Value);
  TColor ScrollColor() const { return FScrollColor; }
  void SetScrollColor(TColor Value);
  int ScrollWidth() const { return FScrollWidth; }
  void SetScrollWidth(int Value);
  TScrollBarAlways ScrollBarAlways() const { return FScrollBarAlways; }
  void SetScrollBarAlways(TScrollBarAlways Value);
  bool ScrollProportional() const { return FScrollProportional; }
  void SetScrollProportional(bool Value) { FScrollProportional = Value; }
  bool ScrollSynch() const { return FScrollSynch; }
  void SetScrollSynch(bool Value) { FScrollSynch = Value; }
  // Which dragged thumb shows the row (column) it reaches.
  TScrollHintType ScrollHints() const { return FScrollHints; }
  void SetScrollHints(TScrollHintType Value) { FScrollHints = Value; }
  // Shows, hides, enables and disables the scroll bars per ScrollBarAlways.
  void ApplyScrollBarAlways(bool Force);
  int ZoomFactor() const { return FZoomFactor; }
  bool UsesAppStyles() const override { return FUsesAppStyles; }
  // Takes the grid's colours from an active framework style other than "Windows".
  void ApplyStyleColors();

  // ---- text settings ----
  const std::string& CheckTrue() const { return FCheckTrue; }
  void SetCheckTrue(const std::string& Value);
  const std::string& CheckFalse() const { return FCheckFalse; }
  void SetCheckFalse(const std::string& Value);
  const std::string& FloatFormat() const { return FFloatFormat; }
  void SetFloatFormat(const std::string& Value);
  char PasswordChar() const { return FPasswordChar; }
  void SetPasswordChar(char Value) { FPasswordChar = Value; }
  TEditorType DefaultEditor() const { return FDefaultEditor; }
  void SetDefaultEditor(TEditorType Value) { FDefaultEditor = Value; }
  int MaxEditLength() const { return FMaxEditLength; }
  void SetMaxEditLength(int Value);
  int MaxComboLength() const { return FMaxComboLength; }
  void SetMaxComboLength(int Value) { FMaxComboLength = Value; }
  TStringList* ColumnHeaders() { return &FColumnHeaders; }
  void SetColumnHeaders(const TStrings* Value);
  TStringList* RowHeaders() { return &FRowHeaders; }
  void SetRowHeaders(const TStrings* Value);
  TStringList* LookupItems() { return &FLookupItems; }
  // None keeps the current list.
  void SetLookupItems(const TStrings* Value) {
    if (Value) FLookupItems.Assign(Value);
  }

  // ---- settings sub-objects (a write copies into the grid's own) ----
  TNavigation* Navigation() { return &FNavigation; }
  void SetNavigation(const TNavigation* Value) { FNavigation.Assign(Value); }
  TMouseActions* MouseActions() { return &FMouseActions; }
  void SetMouseActions(const TMouseActions* Value) { FMouseActions.Assign(Value); }
  TControlLook* ControlLook() { return &FControlLook; }
  void SetControlLook(const TControlLook* Value) { FControlLook.Assign(Value); }
  TSearchFooter* SearchFooter() { return FSearchFooter.get(); }
  void SetSearchFooter(const TSearchFooter* Value) { FSearchFooter->Assign(Value); }
  TFloatingFooter* FloatingFooter() { return &FFloatingFooter; }
  TPrintSettings* PrintSettings() { return &FPrintSettings; }
  void SetPrintSettings(const TPrintSettings* Value) { FPrintSettings.Assign(Value); }
  THTMLSettings* HTMLSettings() { return &FHTMLSettings; }
  void SetHTMLSettings(const THTMLSettings* Value) { FHTMLSettings.Assign(Value); }
  TSortSettings* SortSettings() { return &FSortSettings; }
  void SetSortSettings(const TSortSettings* Value) { FSortSettings.Assign(Value); }
  TDragDropSettings* DragDropSettings() { return &FDragDropSettings; }
  TDragScrollOptions* DragScrollOptions() { return &FDragScrollOptions; }
  void SetDragScrollOptions(const TDragScrollOptions* Value) { FDragScrollOptions.Assign(Value); }
  TColumnSize* ColumnSize() { return &FColumnSize; }
  TCellNode* CellNode() { return &FCellNode; }
  TBands* Bands() { return &FBands; }
  TSizeWhileTyping* SizeWhileTyping() { return &FSizeWhileTyping; }
  TGrouping* Grouping() { return &FGrouping; }
  TBackGround* BackGround() { return &FBackGround; }
  void SetBackGround(const TBackGround* Value);
  TGridProgressAppearance* ProgressAppearance() { return &FProgressAppearance; }
  void SetProgressAppearance(const TGridProgressAppearance* Value) { FProgressAppearance.Assign(Value); }
  TSyncGrid* SyncGrid() { return &FSyncGrid; }
  TFocusHelper* FocusHelper() { return &FFocusHelper; }
  void SetFocusHelper(const TFocusHelper* Value) { FFocusHelper.Assign(Value); }
  TFilter* Filter() { return &FFilter; }
  TFilterDropDown* FilterDropDown() { return &FFilterDropDown; }
  TBalloonSettings* Balloon() { return &FBalloon; }
  void SetBalloon(const TBalloonSettings* Value) { FBalloon.Assign(Value); }
  TShowModified* ShowModified() { return &FShowModified; }
  void SetShowModified(const TShowModified* Value) { FShowModified.Assign(Value); }
  TBitmap* RowIndicator() { return &FRowIndicator; }
  void SetRowIndicator(const TBitmap* Value);
  TSortIndexList* SortIndexes() { return &FSortIndexes; }
  TControlList* CellControlList() { return &FControlList; }
  TExtStringGridCheck* CellChecker() const { return FCellChecker; }
  // The grid forgets a checker that is freed elsewhere.
  void SetCellChecker(TExtStringGridCheck* Value);
  // Objects told about changed cell rectangles (CellsChanged), in the order
  // registered; a notifier that is freed leaves the list by itself.
  void RegisterNotifier(TGridChangeNotifier* ANotifier);
  void UnRegisterNotifier(TGridChangeNotifier* ANotifier);

  // =========================================================================
  // Fills, dates and times, headers (ExtGridFill.cpp)
  // =========================================================================
  // ColumnHeaders go into row 0, RowHeaders into column 0 ("\\n" is a line break).
  void ShowColumnHeaders();
  void ClearColumnHeaders();
  void ShowRowHeaders();
  // The change events of ColumnHeaders (the column grid's hook first), of
  // RowHeaders and of FixedFont and ActiveCellFont.
  void ColumnHeadersChanged() {
    UpdateColumnHeaders();
    ShowColumnHeaders();
  }
  void RowHeadersChanged() { ShowRowHeaders(); }
  void FontChanged() { Invalidate(); }
  void ClearRowHeaders();
  // Fills run over every cell (DoFixed) or the normal cells, under one update lock.
  void TextFill(bool DoFixed, const std::string& Txt);
  // Fmt takes the column and the row as two integers; a bad format raises
  // EExtGridError and changes no cell.
  void FormatFill(bool DoFixed, const std::string& Fmt);
  void RandomFill(bool DoFixed, int Rnd);
  void LinearFill(bool DoFixed);
  double Dates(int ARealCol, int ARow) const;
  void SetDates(int ARealCol, int ARow, double Value);
  double Times(int ARealCol, int ARow) const;
  void SetTimes(int ARealCol, int ARow, double Value);
  TIntList* MergedColumns() { return &FMergedColumns; }
  // Every column's merged cells are split, then the listed columns merge
  // again (the first one leading); a change of MergedColumns runs both.
  void SplitMergedColumns();
  void MergeListedColumns();
  void MergedColumnsChanged();
  // Rich text between a cell (holding RTF) and a rich edit.
  void CellToRich(int ACol, int ARow, TRichEdit* Richeditor);
  void RichToCell(int ACol, int ARow, TRichEdit* Richeditor);
  std::string RichToString(TRichEdit* Richeditor);
  void DoRichEditSelectionChange();
  TNotifyEvent OnRichEditSelectionChange;
  virtual void DoCanAddRow(bool& CanAdd);
  virtual void DoCanInsertRow(int ARow, bool& CanInsert);
  // Adds one row at the end (automatic row appending).
  virtual void AppendOneRow();

  // =========================================================================
  // Editing: in-place editor dispatch, special editors, validation. Bodies
  // beyond the "nothing to do" defaults belong to the editing code.
  // =========================================================================
  bool EditMode = false;
  TEditorType EditControl = edNormal;
  bool EditActive() const { return FEditActive; }
  const std::string& OriginalCellValue() const { return FCellCache; }
  TEditLink* EditLink() const { return FEditLink; }
  // The grid forgets a link that is freed elsewhere.
  void SetEditLink(TEditLink* Value);
  const std::string& EditMask() const { return FEditMask; }
  void SetEditMask(const std::string& Value) { FEditMask = Value; }
  virtual void SetEditTextCell(int ARealCol, int ARow, const std::string& Value);
  virtual void PasteInCell(int ARealCol, int ARow, const std::string& Value);
  // Writes the cached edit text back into the current cell.
  virtual void WriteEditCache() {}
  // A click or Space on a check box: toggles it (when the cell may be edited) and fires OnCheckBoxClick.
  // True when the cell's check box took the click.
  virtual bool ToggleCheck(int ARealCol, int ARow, bool FromEdit);
  // A click or Space on a radio button or radio group.
  virtual void ToggleRadio(int ARealCol, int ARow);
  virtual void StartEditCell(int ADisplCol, int ARow) { (void)ADisplCol; (void)ARow; }

  // ---- editor dispatch, ending an edit, the text editor and the combo
  // (grid/editing/ExtGridEdit*.cpp). Columns: ADisplCol displayed, ARealCol real.
  // The framework grid's editor as the grid's own text editor; none before the first edit.
  TExtInplaceEdit* NormalEdit() const;
  // The shared combo editor of the combo kinds.
  TGridCombo* Combobox();
  // Starts editing the current cell (not one holding a check box, radio or button).
  virtual void ShowInplaceEdit();
  // Ends the edit: hides the editor, writes a special editor back, refreshes the cell's editing switch.
  virtual void HideInplaceEdit();
  // As if the user pressed F2.
  virtual void ShowCellEdit();
  virtual void HideCellEdit();
  virtual void ShowSpecialEditor(int ADisplCol, int ARow);
  virtual void FinishSpecialEditor(int ADisplCol, int ARow);
  // The common end of a special editor's key: hides it, moves or advances as the key says.
  void DoneInplaceEdit(uint16_t Key, TShiftState Shift);
  // OnCellValidate may change or refuse the value; a refused value never stays in the cell.
  virtual bool ValidateCell(const std::string& NewValue);
  virtual bool ValidateCellWide(const std::u16string& NewValue);
  // OnEditingDone now; "GridEditDone" posted for OnEditCellDone.
  void EditingDone(int ARealCol, int ARow);
  // The move after an edit (ADisplCol displayed).
  void AdvanceToNextCell(int ADisplCol, int ARow, bool Force, bool AutoEdit, bool Forward, bool Recursion,
                         bool ShowEditor);
  virtual bool IsEditable(int ARealCol, int ARow);
  bool IsCellEditable(int ARealCol, int ARow);
  // Tab inside an editor validates and ends the edit.
  bool TabValidates() const;
  // The editor kind a cell is edited with: the default editor as the cell
  // editor hook leaves it.
  TEditorType EditorKindOf(int ARealCol, int ARow);
  // Whether the grid answers this window message of the editing code.
  bool HandleEditingMessage(TMessage& Message);
  void ClearComboString();
  void AddComboString(const std::string& S);
  void AddComboStringObject(const std::string& S, TObject* AObject);
  bool RemoveComboString(const std::string& S);
  bool SetComboSelectionString(const std::string& S);
  void SetComboSelection(int Idx) { FComboIdx = Idx; }
  int GetComboCount();
  int GetComboIndex(int ARealCol, int ARow);
  // An index outside the items raises the list's index error.
  void SetComboIndex(int ARealCol, int ARow, int Value);
  bool Lookup() const { return FLookup; }
  void SetLookup(bool Value) { FLookup = Value; }
  bool LookupCaseSensitive() const { return FLookupCaseSensitive; }
  void SetLookupCaseSensitive(bool Value) { FLookupCaseSensitive = Value; }
  bool LookupHistory() const { return FLookupHistory; }
  void SetLookupHistory(bool Value) { FLookupHistory = Value; }
  const std::string& ValidChars() const { return FValidChars; }
  void SetValidChars(const std::string& Value) { FValidChars = Value; }
  const TValidCharSet& ValidCharSet() const { return FValidCharSet; }
  void SetValidCharSet(const TValidCharSet& Value) { FValidCharSet = Value; }
  bool AlwaysValidate() const { return FAlwaysValidate; }
  void SetAlwaysValidate(bool Value) { FAlwaysValidate = Value; }
  bool EditWithTags() const { return FEditWithTags; }
  void SetEditWithTags(bool Value) { FEditWithTags = Value; }
  bool Modified() const { return FModified; }
  void SetModified(bool Value) { FModified = Value; }
  // Set when editing was started by a left click; the editor that uses it clears it.
  bool LButFlg = false;
  TNotifyEvent OnEditingDone;
  TCellValidateWideEvent OnCellValidateWide;
  TGetEditorPropEvent OnGetEditorProp;
  TComboChangeEvent OnComboChange;
  TComboObjectChangeEvent OnComboObjectChange;
  TClipboardEvent OnClipboardCopy;
  TClipboardEvent OnClipboardCut;
  TClipboardEvent OnClipboardPaste;
  TClipboardPasteCellEvent OnClipboardBeforePasteCell;
  TClipboardAfterPasteEvent OnClipboardAfterPasteCell;
  TRowChangingEvent OnRowChanging;
  TColChangingEvent OnColChanging;
  TCellChangingEvent OnCellChanging;
  TRowChangedEvent OnRowChanged;
  TAutoAdvanceEvent OnAutoAdvance;
  TCheckBoxClickEvent OnCheckBoxChange;
  TRatingChangeEvent OnRatingChange;
  // Special editor controls, made by the editing code; none until then.
  TGridCombo* EditCombo = nullptr;
  TGridEditBtn* EditBtn = nullptr;
  TGridUnitEditBtn* UnitEditBtn = nullptr;
  TGridCheckBox* EditCheck = nullptr;
  TGridButton* GridButton = nullptr;
  TWinControl* EditCtrl = nullptr;

  // =========================================================================
  // Custom editor link, the editor controls beyond the text editor and the
  // combo, and their relays (grid/editing/ExtGridEditLink.cpp,
  // ExtGridEditorControls.cpp). A control is made the first time it is
  // needed and then kept, hidden between edits.
  // =========================================================================
  // The check-box editor of edCheckBox cells (field EditCheck).
  TGridCheckBox* CheckEditor();
  // The button of edButton cells (field GridButton).
  TGridButton* ButtonEditor();
  // OnEllipsClick may change the text of a button editor; ACol there is the real column.
  virtual std::string DoEllipsClick(const std::string& Text);
  // The drop-down editors' header and footer buttons (ACol displayed).
  void DropDownHeaderButtonClick(TObject* Sender, int ButtonIndex);
  void DropDownFooterButtonClick(TObject* Sender, int ButtonIndex);
  // Set while a popup link's form was left by the user: the grid's next
  // focus gain opens no editor. Cleared once the messages of that change are handled.
  void GuardInvokedFocusChange();
  bool FocusChangeGuarded() const { return InvokedFocusChange; }
  // The window-procedure hook of an in-place link's control: with goTabs the
  // control receives arrows, Tab and characters. One control at a time; the
  // saved procedure goes back only onto the control it was taken from.
  void HookEditControl(TWinControl* Control);
  void UnhookEditControl(TWinControl* Control);
  TWinControl* HookedEditControl() const { return FHookedControl; }
  void EditControlWndProc(TMessage& Message);
  // A link that goes away is forgotten, and its running edit ends.
  void ForgetEditLink(TEditLink* Link);
  // Moves the focus frame back over the current cell (the thread hook calls it).
  void PositionFocusWindow();
  TGridFocusWindow* FocusWindow() const { return FFocusWindow; }
  // The balloon of a refused entry (none before the first refusal).
  TInvalidEntryBalloon* InvalidEntryBalloon() const { return FInvalidEntryBalloon; }
  void HideInvalidEntryNotice();
  TDropDownButtonClickEvent OnDropDownHeaderButtonClick;
  TDropDownButtonClickEvent OnDropDownFooterButtonClick;

private:
  friend class TEditLink;
  friend class TGridCheckBox;
  friend class TGridButton;
  void showEditLink(const TSpecialEditorFrame& F);
  void finishEditLink(int ARealCol, int ARow);
  void showCheckEditor(const TSpecialEditorFrame& F);
  void showButtonEditor(const TSpecialEditorFrame& F);
  void hideEditorControl(TWinControl* Control);
  void editLinkNotification(TComponent* AComponent);
  bool handleFocusGuardMessage(TMessage& Message);
  void queueFocusWindowPlacement();
  bool handleFocusWindowPlacement(TMessage& Message);
  TControl::TWndMethod FGridControlWndProc;
  TWinControl* FHookedControl = nullptr;
  bool FInvokedFocusPending = false;
  TInvalidEntryBalloon* FInvalidEntryBalloon = nullptr;
  bool FPlacingFocusWindow = false;  // a placement of the focus frame is posted

public:
  // =========================================================================
  // The editors of the spin, date, edit-with-button, unit, rich-text and
  // header kinds (grid/editing/ExtGridSpecialEditors.cpp); each is made on
  // first use and then kept, hidden between edits.
  // =========================================================================
  TGridSpin* SpinEdit();
  TGridDatePicker* DateTimePicker();
  TGridDateTimePicker* DateAndTimePicker();
  TGridEditBtn* BtnEdit();
  TGridUnitEditBtn* BtnUnitEdit();
  // The hidden converter of rich-text cells and the in-place rich-text
  // editor; with Create false nullptr until they exist.
  TExtRichEdit* RichEdit(bool Create = true);
  TExtRichEdit* InplaceRichEdit(bool Create = true);
  // The header-cell editors (fields EditTrans and ComboTrans).
  TGridTransEdit* HeaderEdit();
  TGridTransCombo* HeaderCombo();
  // Relays the unit editor's change as OnUnitChanged with the current cell.
  void DoUnitChanged(TObject* Sender, const std::string& NewUnit);
  // The date editors' and the button editor's events, told to the grid's
  // events with the current cell. A date-only editor's change arrives as
  // OnEditChange with its text; the date-and-time editor's as OnDateTimeChange.
  void DatePickerChange(TObject* Sender);
  void DateTimePickerChange(TObject* Sender);
  void DatePickerCloseUp(TObject* Sender);
  void DatePickerDropDown(TObject* Sender);
  void GridButtonClick(TObject* Sender);
  // Esc in a special editor: the edit ends with the text the cell had.
  void CancelSpecialEdit() { FSpecialEditCancelled = true; }
  TSpinClickEvent OnSpinClick;
  TFloatSpinClickEvent OnFloatSpinClick;
  TDateTimeSpinClickEvent OnDateSpinClick;
  TDateTimeSpinClickEvent OnTimeSpinClick;
  TUnitChangedEvent OnUnitChanged;

private:
  friend class TGridSpin;
  friend class TGridEditBtn;
  friend class TGridUnitEditBtn;
  friend class TGridDatePicker;
  friend class TGridDateTimePicker;
  friend class TExtRichEdit;
  void showSpin(const TSpecialEditorFrame& F);
  void showDatePicker(const TSpecialEditorFrame& F);
  double pickerDate(const std::string& Text, double MinDate, double MaxDate);
  void showDateAndTimePicker(const TSpecialEditorFrame& F);
  void showEditBtn(const TSpecialEditorFrame& F);
  void showUnitEditBtn(const TSpecialEditorFrame& F);
  void showRichEdit(const TSpecialEditorFrame& F);
  // Writes the editor's value (or, after Esc, the cell's own text) back and hides it.
  void finishOwnEditor(TWinControl* Editor, const std::string& Value, int ARealCol, int ARow);
  // The editor of one of these kinds and the text it gives its cell; nullptr for other kinds.
  TWinControl* ownEditorOf(TEditorType Kind, std::string& Value);
  void placeOwnEditor(TWinControl* Editor, const TSpecialEditorFrame& F);
  TGridSpin* FSpinEdit = nullptr;
  TGridDatePicker* FDatePicker = nullptr;
  TGridDateTimePicker* FDateAndTimePicker = nullptr;
  TExtRichEdit* FRichEdit = nullptr;
  TExtRichEdit* FInplaceRichEdit = nullptr;
  TGridTransEdit* EditTrans = nullptr;
  TGridTransCombo* ComboTrans = nullptr;
  double FOriginalDateTime = 0;
  bool FSpecialEditCancelled = false;

public:
  // =========================================================================
  // The drop-down editors (grid/editing/ExtGridDropDownEditors.cpp): each is
  // made on first use with the grid's style and tones and then kept, hidden
  // between edits.
  // =========================================================================
  TGridTrackbarDropDown* TrackbarDropDown();
  TGridMemoDropDown* MemoDropDown();
  TGridCalculatorDropDown* CalculatorDropDown();
  TGridTimepickerDropDown* TimePickerDropDown();
  TGridDetailPickerDropDown* DetailPickerDropDown();
  TGridGridDropDown* GridDropDown();
  TGridColorDropDown* ColorPickerDropDown();
  TGridImageDropDown* ImagePickerDropDown();
  // Made in grid/dropdown/GridExtGridDropDown.cpp, above the grid.
  TGridExtGridDropDown* ExtGridDropDown();
  // The drop-down editors made so far.
  std::vector<TExtCustomDropDown*> DropDownEditors() const;
  // Every change of the memo editor's text goes into the current cell at once.
  void MemoDropDownChange(TObject* Sender);
  // The colour picker editor chose a colour: OnColorSelect with the current cell.
  virtual void DoColorSelect();
  // A colour chosen in a cell: with the colour and its text, both may be changed.
  TColorSelectedEvent OnColorSelected;
  TColorSelectEvent OnColorSelect;
  // The image picker editor chose an item: OnImageSelect with the current cell.
  virtual void DoImageSelect();
  // An image chosen in a cell: its image index, which may be changed.
  TImageSelectedEvent OnImageSelected;
  TImageSelectEvent OnImageSelect;

private:
  friend class TGridDropDownBinding;
  void showDropDownEditor(const TSpecialEditorFrame& F);
  void finishDropDownEditor(int ARealCol, int ARow);
  // The drop-down editor of a kind (made when Create) and the value it gives its cell.
  TExtCustomDropDown* dropDownEditorOf(TEditorType Kind, bool Create = false);
  void showDropDownValue(TExtCustomDropDown* Editor, const TSpecialEditorFrame& F);
  // The grid drop-down editor sits above the grid's editing
  // (grid/dropdown/GridExtGridDropDown.cpp): the editing reaches it only here.
  TExtCustomDropDown* extGridDropDownEditor() const;
  void prepareExtGridDropDown();
  void showExtGridDropDownValue(const std::string& Text);
  // The image picker's value: it goes into the cell's image, not its text.
  void showImagePicker(const TSpecialEditorFrame& F);
  void storeImageIndex(int ARealCol, int ARow, int Index);
  TGridTrackbarDropDown* FEditTrackBar = nullptr;
  TGridMemoDropDown* FEditMemo = nullptr;
  TGridCalculatorDropDown* FEditCalculator = nullptr;
  TGridTimepickerDropDown* FEditTimePicker = nullptr;
  TGridDetailPickerDropDown* FEditDetailPicker = nullptr;
  TGridGridDropDown* FEditGridPicker = nullptr;
  TGridColorDropDown* FEditColorPicker = nullptr;
  TGridImageDropDown* FEditImagePicker = nullptr;
  TGridExtGridDropDown* FEditExtGridPicker = nullptr;

public:
  // =========================================================================
  // Form controls inside HTML cells (grid/editing/ExtGridCellControls.cpp):
  // an EDIT, PASSWORD, MASK or COMBO control is edited by an editor placed
  // over its rectangle; the value goes back into the tag's VALUE.
  // =========================================================================
  // Rect in grid client coordinates; ARealCol and ARow the cell, ADisplCol its displayed column.
  void ShowCellControl(const std::string& CellText, const std::string& CtrlType, const std::string& CtrlID,
                       const std::string& CtrlValue, const TRect& Rect, int ADisplCol, int ARealCol, int ARow);
  // Ends the edit of a cell control and writes its value back; nothing without one.
  void EndCellControlEdit(TObject* Sender);
  void ControlComboSelect(TObject* Sender);
  // Opens the editable control after the one named ID in cell (ADisplCol, ARow); without one the grid takes the focus.
  void ActivateCellControl(int ADisplCol, int ARow, const std::string& ID);
  bool CellControlEditing() const { return FCtrlEditing; }
  const std::string& CellControlID() const { return FCtrlID; }
  TControlEdit* CellControlEdit() const { return FEditControl; }
  TControlCombo* CellControlCombo() const { return FComboControl; }
  TControlComboListEvent OnControlComboList;
  TControlComboSelectEvent OnControlComboSelect;
  TControlEditDoneEvent OnControlEditDone;
  TControlClickEvent OnControlClick;

private:
  void showControlEdit(const std::string& CellText, const TRect& Rect);
  void showControlCombo(const std::string& CellText, const TRect& Rect, int ADisplCol);
  TPoint FCtrlXY{-1, -1};
  bool FCtrlDown = false;  // an embedded BUTTON control is drawn pressed at FCtrlXY
  std::string FCtrlID;
  std::string FCtrlType;
  bool FCtrlEditing = false;
  TControlEdit* FEditControl = nullptr;
  TControlCombo* FComboControl = nullptr;

public:
  // =========================================================================
  // Text highlighting and cell checking (grid/editing/ExtGridHighlight.cpp,
  // ExtGridCellCheck.cpp). Cells are addressed by real column; the column,
  // row and grid ranges walk the displayed columns mapped to real ones, and
  // the untagging ones the hidden columns too, so no tag outlives them. Only
  // cells that change are written.
  // =========================================================================
  std::string HilightText(bool DoCase, const std::string& S, const std::string& Text);
  std::string UnHilightText(const std::string& S);
  std::string MarkText(bool DoCase, const std::string& S, const std::string& Text);
  std::string UnMarkText(const std::string& S);
  void HilightInCell(bool DoCase, int ARealCol, int ARow, const std::string& HiText);
  void HilightInCol(bool DoFixed, bool DoCase, int ARealCol, const std::string& HiText);
  void HilightInRow(bool DoFixed, bool DoCase, int ARow, const std::string& HiText);
  void HilightInGrid(bool DoFixed, bool DoCase, const std::string& HiText);
  void UnHilightInCell(int ARealCol, int ARow);
  void UnHilightInCol(bool DoFixed, int ARealCol);
  void UnHilightInRow(bool DoFixed, int ARow);
  void UnHilightInGrid(bool DoFixed);
  void MarkInCell(bool DoCase, int ARealCol, int ARow, const std::string& HiText);
  void MarkInCol(bool DoFixed, bool DoCase, int ARealCol, const std::string& HiText);
  void MarkInRow(bool DoFixed, bool DoCase, int ARow, const std::string& HiText);
  void MarkInGrid(bool DoFixed, bool DoCase, const std::string& HiText);
  void UnMarkInCell(int ARealCol, int ARow);
  void UnMarkInCol(bool DoFixed, int ARealCol);
  void UnMarkInRow(bool DoFixed, int ARow);
  void UnMarkInGrid(bool DoFixed);
  // Through CellChecker; true when no cell changed (and without a checker).
  // FromCol and ToCol are displayed columns, ACol of CheckCell a real one.
  bool CheckCells(int FromCol, int FromRow, int ToCol, int ToRow);
  bool CheckCell(int ARealCol, int ARow);
  bool CheckCol(bool DoFixed, int ARealCol);
  bool CheckRow(bool DoFixed, int ARow);
  bool CheckGrid(bool DoFixed);

private:
  // The real columns of a displayed range (hidden ones added on request) and the row ranges.
  std::vector<int> realColsOf(bool DoFixed, bool WithHidden) const;
  int firstRangeRow(bool DoFixed) const { return DoFixed ? 0 : FixedRows(); }
  int lastRangeRow(bool DoFixed) const { return DoFixed ? RowCount() - 1 : RowCount() - FixedFooters() - 1; }
  std::string taggingText(int ARealCol, int ARow) const;
  void tagCells(const std::vector<int>& RealCols, int FromRow, int ToRow, const std::string& HiText,
                const std::string& Tag, bool DoCase);
  void untagCells(const std::vector<int>& RealCols, int FromRow, int ToRow, const std::string& Tag);
  bool checkRealCells(const std::vector<int>& RealCols, int FromRow, int ToRow);

public:
  // =========================================================================
  // Typed values and cell objects (filled by the cell-object code)
  // =========================================================================
  virtual std::string GetFormattedCell(int ARealCol, int ARow);
  virtual void GetFloatFormat(int ARealCol, int ARow, bool& IsFloat, std::string& FloatFormat);
  virtual TCellType GetCellType(int ARealCol, int ARow);
  virtual TCellGraphic* GetCellGraphic(int ARealCol, int ARow);
  virtual TPoint GetCellGraphicSize(int ARealCol, int ARow);
  // The room a cell's graphic takes beside or above its text; HeightReduction
  // is the height the graphic must leave free of the cell.
  virtual TPoint CalcCellGraphicSize(int ARealCol, int ARow, int HeightReduction);
  virtual TPoint CalcCellGraphicPrintSize(int ARealCol, int ARow);

  // ---- cell objects (grid/core/ExtGridCell*.cpp, ExtGridCheckBoxes.cpp,
  // ExtGridRadios.cpp, ExtGridTypedValues.cpp). A cell holds one object;
  // adding replaces it. Shared graphics (the row check box, the column grid's
  // virtual check box) are told apart by identity and never freed with a cell.
  TCellGraphic* CreateCellGraphic(int ARealCol, int ARow);
  bool RemoveCellGraphic(int ARealCol, int ARow);
  bool RemoveCellGraphicOfType(int ARealCol, int ARow, TCellType AType);
  // The base cell of a merged range is asked.
  bool IsCellTypeInSet(int ARealCol, int ARow, TCellTypes Types);
  // Check boxes, radios and cell buttons: changed by click and key, never in an editor.
  virtual bool HasClickableControl(int ARealCol, int ARow);
  // Cells whose text is the control's value.
  bool IsDataControlCell(int ARealCol, int ARow);
  bool IsSharedCellGraphic(const TCellGraphic* Graphic) const;
  // The graphic the cell itself holds (none for a shared one).
  TCellGraphic* OwnCellGraphic(int ARealCol, int ARow) const;

  int Ints(int ARealCol, int ARow);
  void SetInts(int ARealCol, int ARow, int Value);
  int AllInts(int ARealCol, int ARealRow);
  void SetAllInts(int ARealCol, int ARealRow, int Value);
  double Floats(int ARealCol, int ARow);
  void SetFloats(int ARealCol, int ARow, double Value);
  double AllFloats(int ARealCol, int ARealRow);
  void SetAllFloats(int ARealCol, int ARealRow, double Value);
  double CellToReal(int ARealCol, int ARow);
  std::string ControlValues(int ARealCol, int ARow, const std::string& ID);
  void SetControlValues(int ARealCol, int ARow, const std::string& ID, const std::string& Value);

  // Check boxes; "Invalid cell" for a cell outside the grid (negative indexes too).
  void AddCheckBox(int ARealCol, int ARow, bool State, bool Data);
  void AddCheckBox(int ARealCol, int ARow, TCheckBoxState State);
  static TCheckBoxState BoolToCheckBoxState(bool Checked) { return Checked ? cbChecked : cbUnchecked; }
  void AddCheckBoxColumn(int ARealCol, bool DefaultState, bool DataCheckBox);
  void AddTriStateCheckBoxColumn(int ARealCol, TCheckBoxState State);
  void RemoveCheckBoxColumn(int ARealCol);
  void RemoveCheckBox(int ARealCol, int ARow);
  bool HasCheckBox(int ARealCol, int ARow);
  bool HasDataCheckBox(int ARealCol, int ARow);
  bool IsInCheckBox(int ARealCol, int ARow, int XPos, int YPos);
  // ARealRow: the real row. The Boolean reading always sets State (grayed reads as checked).
  bool GetCheckBoxState(int ARealCol, int ARealRow, TCheckBoxState& State);
  bool GetCheckBoxState(int ARealCol, int ARealRow, bool& State);
  bool IsChecked(int ARealCol, int ARealRow);
  bool SetCheckBoxState(int ARealCol, int ARealRow, bool State);
  bool SetCheckBoxState(int ARealCol, int ARealRow, TCheckBoxState State);
  bool ToggleCheckBox(int ARealCol, int ARow);
  void CheckAll(int ARealCol);
  void UnCheckAll(int ARealCol);
  bool ChangeCheckBoxState(int ARealCol, int ARow, bool State);
  // The toggle of a click or Space on a check box.
  virtual bool ClickCheckBox(int ARealCol, int ARow, bool AskCanEdit);
  virtual void DoCheckBoxChange(int ARealCol, int ARow, bool State);
  // The cell's check-true and check-false texts (the hooks' answers).
  std::string CellCheckTrue(int ARealCol, int ARow);
  std::string CellCheckFalse(int ARealCol, int ARow);

  void AddRadioButton(int ARealCol, int ARow, bool State);
  void RemoveRadioButton(int ARealCol, int ARow);
  bool HasRadioButton(int ARealCol, int ARow);
  bool IsRadioButtonChecked(int ARealCol, int ARow);
  bool SetRadioButtonState(int ARealCol, int ARow, bool State);
  void AddRadioButtonColumn(int ARealCol);
  void RemoveRadioButtonColumn(int ARealCol);
  void SetRadioButtonColumnIndex(int ARealCol, int Index);
  int GetRadioButtonColumnIndex(int ARealCol);
  virtual bool ClickRadioButton(int ARealCol, int ARow, bool AskCanEdit);
  // The list stays the caller's.
  void AddRadio(int ARealCol, int ARow, int DirRadio, int IdxRadio, TStrings* sl);
  // A new list the cell owns, for the caller to fill.
  TStrings* CreateRadio(int ARealCol, int ARow, int DirRadio, int IdxRadio);
  bool GetRadioIdx(int ARealCol, int ARow, int& IdxRadio);
  bool SetRadioIdx(int ARealCol, int ARow, int IdxRadio);
  TStrings* GetRadioStrings(int ARealCol, int ARow);
  bool IsRadio(int ARealCol, int ARow);
  void RemoveRadio(int ARealCol, int ARow);
  void AdvanceRadioGroup(int ARealCol, int ARow, bool AskCanEdit);

  void AddBitmap(int ARealCol, int ARow, TBitmap* ABmp, bool Transparent, TCellHAlign hal, TCellVAlign val);
  TBitmap* CreateBitmap(int ARealCol, int ARow, bool Transparent, TCellHAlign hal, TCellVAlign val);
  TBitmap* GetBitmap(int ARealCol, int ARow);
  bool HasBitmap(int ARealCol, int ARow);
  void RemoveBitmap(int ARealCol, int ARow);
  void AddPicture(int ARealCol, int ARow, TPicture* APicture, bool Transparent, TStretchMode StretchMode,
                  int Padding, TCellHAlign hal, TCellVAlign val);
  TPicture* CreatePicture(int ARealCol, int ARow, bool Transparent, TStretchMode StretchMode, int Padding,
                          TCellHAlign hal, TCellVAlign val);
  TPicture* GetPicture(int ARealCol, int ARow);
  bool HasPicture(int ARealCol, int ARow);
  void RemovePicture(int ARealCol, int ARow);
  void AddFilePicture(int ARealCol, int ARow, TFilePicture* AFilePicture, bool Transparent, TStretchMode StretchMode,
                      int Padding, TCellHAlign hal, TCellVAlign val);
  TFilePicture* CreateFilePicture(int ARealCol, int ARow, bool Transparent, TStretchMode StretchMode, int Padding,
                                  TCellHAlign hal, TCellVAlign val);
  TFilePicture* GetFilePicture(int ARealCol, int ARow);
  void RemoveFilePicture(int ARealCol, int ARow);
  void AddIcon(int ARealCol, int ARow, TIcon* AIcon, TCellHAlign hal, TCellVAlign val);
  TIcon* CreateIcon(int ARealCol, int ARow, TCellHAlign hal, TCellVAlign val);
  void RemoveIcon(int ARealCol, int ARow);
  TImageList* GridImages() const { return FGridImages; }
  void SetGridImages(TImageList* Value);
  // Named pictures that image tags in HTML cells refer to.
  TPictureContainer* PictureContainer() const { return FPictureContainer; }
  void SetPictureContainer(TPictureContainer* Value);
  void AddImageIdx(int ARealCol, int ARow, int Aidx, TCellHAlign hal, TCellVAlign val);
  void RemoveImageIdx(int ARealCol, int ARow);
  bool GetImageIdx(int ARealCol, int ARow, int& Idx);
  void SetImageIdx(int ARealCol, int ARow, int Idx);
  void AddDataImage(int ARealCol, int ARow, int Aidx, TCellHAlign hal, TCellVAlign val);
  // Empties the text only of a data-image cell.
  void RemoveDataImage(int ARealCol, int ARow);
  bool HasDataImage(int ARealCol, int ARow);
  void AddMultiImage(int ARealCol, int ARow, int Dir, TCellHAlign hal, TCellVAlign val);
  void RemoveMultiImage(int ARealCol, int ARow);
  TIntList* GetCellImages(int ARealCol, int ARow);
  virtual void MultiImageChanged(int ARealCol, int ARow);
  void AddInterfacedCell(int ARealCol, int ARow, TInterfacedPersistent* AObject);
  void RemoveInterfacedCell(int ARealCol, int ARow);
  TInterfacedPersistent* GetInterfacedCell(int ARealCol, int ARow);
  void AddProgress(int ARealCol, int ARow, TColor FGColor, TColor BKColor);
  void AddProgressEx(int ARealCol, int ARow, TColor FGColor, TColor FGTextColor, TColor BKColor, TColor BKTextColor);
  void AddProgressFormatted(int ARealCol, int ARow, TColor FGColor, TColor FGTextColor, TColor BKColor,
                            TColor BKTextColor, const std::string& Fmt, int Min, int Max);
  void RemoveProgress(int ARealCol, int ARow);
  bool HasProgress(int ARealCol, int ARow);
  void AddExtProgress(int ARealCol, int ARow, int Min, int Max);
  void RemoveExtProgress(int ARealCol, int ARow);
  void AddProgressPie(int ARealCol, int ARow, TColor Color, int Value);
  void SetProgressPie(int ARealCol, int ARow, int Value);
  void RemoveProgressPie(int ARealCol, int ARow);
  void AddRangeIndicator(int ARealCol, int ARow, int Range, TColor NegColor, TColor PosColor, bool ShowValue);
  void RemoveRangeIndicator(int ARealCol, int ARow);
  void AddComment(int ARealCol, int ARow, const std::string& Comment);
  void AddColorComment(int ARealCol, int ARow, const std::string& Comment, TColor Color);
  std::string GetComment(int ARealCol, int ARow);
  void SetComment(int ARealCol, int ARow, const std::string& Value);
  bool IsComment(int ARealCol, int ARow, std::string& Comment);
  void RemoveComment(int ARealCol, int ARow);
  void RemoveAllComments();
  void AddShape(int ARealCol, int ARow, TCellShape Shape, TColor FillColor, TColor LineColor, TCellHAlign hal,
                TCellVAlign val);
  void RemoveShape(int ARealCol, int ARow);
  void SetShapeColor(int ARealCol, int ARow, TColor FillColor);
  TColor GetShapeColor(int ARealCol, int ARow);
  void AddRating(int ARealCol, int ARow, int Scale, TColor FillColor, TColor EmptyColor);
  void RemoveRating(int ARealCol, int ARow);
  bool HasRating(int ARealCol, int ARow);
  virtual bool DoRatingChange(int ACol, int ARow, double& NewRate);
  void AddScrollBar(int ARealCol, int ARow, bool AutoRange);
  void RemoveScrollBar(int ARealCol, int ARow);
  bool HasScrollBar(int ARealCol, int ARow);
  bool HasAutoRangeScrollBar(int ARealCol, int ARow);
  void SetScrollPosition(int ARealCol, int ARow, int Pos);
  int GetScrollPosition(int ARealCol, int ARow);
  void SetScrollProp(int ARealCol, int ARow, TScrollProp Prop);
  TScrollProp GetScrollProp(int ARealCol, int ARow);
  // Markers go on empty and text cells only.
  void AddMarker(int ARealCol, int ARow, int ErrPos, int ErrLen);
  void RemoveMarker(int ARealCol, int ARow);
  void RemoveAllMarkers();
  void GetMarker(int ARealCol, int ARow, int& ErrPos, int& ErrLen);
  void AddButton(int ARealCol, int ARow, int bw, int bh, const std::string& Caption, TCellHAlign hal, TCellVAlign val);
  void AddBitButton(int ARealCol, int ARow, int bw, int bh, const std::string& Caption, TBitmap* Glyph,
                    TCellHAlign hal, TCellVAlign val);
  TBitmap* CreateBitButton(int ARealCol, int ARow, int bw, int bh, const std::string& Caption, TCellHAlign hal,
                           TCellVAlign val);
  void RemoveButton(int ARealCol, int ARow);
  void RemoveBitButton(int ARealCol, int ARow);
  void RemoveAllButtons();
  bool HasButton(int ARealCol, int ARow);
  // Displayed columns; only button cells are changed.
  void SetButtonText(int ADisplCol, int ARow, const std::string& Caption);
  std::string GetButtonText(int ADisplCol, int ARow);
  void PushButton(int ADisplCol, int ARow, bool Push);
  TRect CellButtonRect(int ADisplCol, int ARow);
  TRect ExpandButtonRect(int ADisplCol, int ARow);
  void AddBalloon(int ARealCol, int ARow, const std::string& Title, const std::string& Text, TBalloonIcon Icon);
  void RemoveBalloon(int ARealCol, int ARow);
  bool HasBalloon(int ARealCol, int ARow);
  bool IsBalloon(int ARealCol, int ARow, std::string& Title, std::string& Text, TBalloonIcon& Icon);
  void AddRotated(int ARealCol, int ARow, int16_t AAngle, const std::string& S);
  // Only an empty or rotated cell turns into rotated text.
  void SetRotated(int ARealCol, int ARow, int16_t AAngle);
  void RemoveRotated(int ARealCol, int ARow);
  bool IsRotated(int ARealCol, int ARow, int& AAngle);

  // =========================================================================
  // Data operations: rows and columns, sorting, filtering, grouping, footers.
  // Bodies beyond the defaults belong to the data code.
  // =========================================================================
  virtual void InsertRows(int ARow, int RCount);
  virtual void RemoveRows(int ARow, int RCount);
  virtual void RemoveRowsEx(int ARow, int RCount);
  virtual void InsertCols(int ARealCol, int CCount);
  virtual void RemoveCols(int ARealCol, int CCount);
  virtual void DeleteRowRange(int ARow, int RCount) { RemoveRows(ARow, RCount); }
  virtual void AddRow() { AppendOneRow(); }
  virtual void SortSwapRows(int ARow1, int ARow2);
  virtual void ClearRect(int ACol1, int ARow1, int ACol2, int ARow2);
  virtual void TrimRect(int ACol1, int ARow1, int ACol2, int ARow2);
  virtual void Group(int ARealCol);
  virtual void UnGroup();
  virtual void SubGroup(int ARealCol);
  virtual void SubUnGroup(int ARealCol);
  virtual void QSort();
  virtual void QSortIndexed();
  virtual void QSortGroup();
  virtual void QSortGroupIndexed();
  virtual void QUnSort();
  virtual void CalcFooter(int AFooterCol);
  virtual void CalcFooterColumn(int ARealCol) { (void)ARealCol; }
  virtual void CellFooterChanged(int ARealCol) { CalcFooter(ARealCol); }
  virtual void AllFootersChanged() { CalcFooter(-1); }
  virtual void DoClickSort(int ACol) { if (OnClickSort) OnClickSort(this, ACol); }
  virtual void DoFilterDone() { if (OnFilterDone) OnFilterDone(this); }
  virtual bool DoFilterRow(int ARow);
  virtual bool GetFilter(int ARealCol) { return GetColumnFilterValues(ARealCol); }
  virtual void FilterSelect(int ARealCol, int ItemIndex);
  virtual void FilterCheckSelect(int ARealCol, int ItemIndex);
  virtual std::string CalculatedCellText(int ARealCol, int ARow) { return Cells(ARealCol, ARow); }
  // Tells OnCellsChanged and every notifier about changed cells, then
  // recalculates the footers.
  virtual void CellsChanged(const TRect& R);
  virtual void SelectionChanged(int ALeft, int ATop, int ARight, int ABottom);
  virtual void GotoFirstNormalRow();

  // ---- data operations (grid/data) ----
  // Sorting (ExtGridSort.cpp): a permutation over keys read once, applied once.
  void InitSortXRef();
  void Sort(int ARealCol, TSortDirection Direction);
  void SortByColumn(int ARealCol);
  void QuickSort(int ARealCol, int Left, int Right);
  void QuickSortIndexed(int Left, int Right);
  int SortedRowIndex(int ARow) const;
  int UnSortedRowIndex(int ARow) const;
  std::string UnSortedCells(int ARealCol, int ARow) const;
  void SetUnSortedCells(int ARealCol, int ARow, const std::string& Value);
  std::string GetUnSortedCell(int ARealCol, int ARow) const { return UnSortedCells(ARealCol, ARow); }
  void SetUnSortedCell(int ARealCol, int ARow, const std::string& Value) { SetUnSortedCells(ARealCol, ARow, Value); }
  // Two rows compared in one column: -1, 0 or 1 in ascending order; the
  // direction only decides where blanks go.
  int CompareCells(int ARealCol, int ARow1, int ARow2, TSortDirection Direction);
  // One step of a sort by hand: swaps the rows when they compare in the
  // direction of the last sort (SortDir); a tie is decided by the next column.
  bool SortLine(int ARealCol, int ARow1, int ARow2);
  // The direction of the last sort: 1 ascending, -1 descending, 0 before any.
  int SortDir() const { return FSortDir; }
  // Moves rows From.. into Order (entry p: the row that goes to From + p),
  // with their heights and every per-row list.
  void ApplyRowOrder(int From, const std::vector<int>& Order);
  // Filtering (ExtGridFilter.cpp).
  virtual bool RowMatchesFilter(int ARow);
  void ApplyFilter();
  bool RemoveLastFilter();
  void RemoveAllFilters();
  void NarrowDown(const std::string& ACondition, int AColumn = -1);
  bool FilterActive() const { return FFilterActive; }
  // Hides the row when it fails the conditions.
  void FilterRow(int ARow);
  void SetFilterActive(bool Value);
  bool IsNode(int ARow) { return ARow >= 0 && GetCellType(0, ARow) == ctNode; }
  bool IsSummary(int ARow) { return ARow >= 0 && GetCellType(0, ARow) == ctSummary; }
  // Calculations (ExtGridCalc.cpp); FromRow or ToRow -1: the normal rows.
  double ColumnSum(int ARealCol, int FromRow, int ToRow);
  double ColumnAvg(int ARealCol, int FromRow, int ToRow);
  double ColumnMin(int ARealCol, int FromRow, int ToRow);
  double ColumnMax(int ARealCol, int FromRow, int ToRow);
  double ColumnStdDev(int ARealCol, int FromRow, int ToRow);
  double ColumnDistinct(int ARealCol, int FromRow, int ToRow);
  double ColumnCustomCalc(int ARealCol, int FromRow, int ToRow);
  double RowSum(int ARow, int FromCol, int ToCol);
  double RowAvg(int ARow, int FromCol, int ToCol);
  double RowMin(int ARow, int FromCol, int ToCol);
  double RowMax(int ARow, int FromCol, int ToCol);
  // Rows (ExtGridRowsData.cpp): every row for which Pred holds, in one pass.
  void RemoveRowsWhere(const std::function<bool(int ARow)>& Pred);
  void RemoveCheckedRows(int ARealCol, bool RemoveChecked);
  // Every normal row whose text in the displayed column ADisplCol equals an
  // earlier row's (exactly with DoCase, else ignoring case), in one pass.
  void RemoveDuplicates(int ADisplCol, bool DoCase);
  void AddColumn();
  // The rows or columns picked by the selection (or by the disjunct
  // selection flags), and the ones it leaves out.
  void RemoveSelectedRows();
  void RemoveUnSelectedRows();
  void RemoveSelectedCols();
  void RemoveUnSelectedCols();
  void HideSelectedRows();
  void HideUnSelectedRows();
  // Column ColIndex1 takes ColIndex2's text behind Separator; ColIndex2 goes.
  void MergeCols(int ColIndex1, int ColIndex2, const std::string& Separator);
  int GroupColumn() const { return FGroupColumn; }
  bool CheckStateForData(int ARealCol, int ARow);

  std::function<void(TObject* Sender, int ARow, bool& AcceptRow)> OnCustomFilter;
  std::function<void(TObject* Sender, int Section, int Progress)> OnFilterProgress;
  std::function<void(TObject* Sender, int ACol, int FromRow, int ToRow, double& Res)> OnColumnCalc;

protected:
  friend class TGridSortSource;
  TSortRequest SortRequest(const std::vector<TSortKeyColumn>& Keys) const;
  std::vector<TSortKeyColumn> ColumnSortKeys(int ARealCol) const;
  std::vector<TSortKeyColumn> IndexSortKeys() const;
  void SortRows(const std::vector<TSortKeyColumn>& Keys, int FromRow, int ToRow);
  void sortNormalRows(const std::vector<TSortKeyColumn>& Keys, bool Indexed);
  // Moves rows From.. into Order as the sort settings say: only column
  // SortCol's cells with SingleColumn; column 0 stays with NormalCellsOnly.
  void applySortOrder(int From, const std::vector<int>& Order, int SortCol);
  // The position of the row that was ARow when the cross-reference was made.
  int unSortedPosition(int ARow) const;
  void setSortDir(const std::vector<TSortKeyColumn>& Keys);
  int FSortDir = 0;
  std::string FilterText(const TFilterData& Data, int ARow);
  bool CalcCellNumber(int ARealCol, int ARow, double& Value);
  bool CalcRange(int& FromRow, int& ToRow) const;
  TCalcAggregate ColumnAggregate(int ARealCol, int FromRow, int ToRow, bool SkipOutline);
  TCalcAggregate RowAggregate(int ARow, int FromCol, int ToCol);
  int FFilterFixedRows = 0;
  bool FFilterActive = false;
  std::string FLastFilter;
  int FGroupColumn = -1;

public:
  // ---- filter drop-down lists (grid/data/ExtGridFilterDropDown.cpp,
  // grid/data/FilterDropList.h): the distinct values of a column offered
  // under its filter row's cell; a choice becomes the column's condition
  // (replacing only that column's conditions), "(All)" removes it.
  bool FilterDropDownAuto() const { return FFilterDropDownAuto; }
  void SetFilterDropDownAuto(bool Value);
  bool FilterDropDownCheck() const { return FFilterDropDownCheck; }
  void SetFilterDropDownCheck(bool Value) { FFilterDropDownCheck = Value; }
  int FilterDropDownRow() const { return FFilterDropDownRow; }
  // Only a fixed row is taken.
  void SetFilterDropDownRow(int Value);
  bool FilterIncremental() const { return FFilterIncremental; }
  void SetFilterIncremental(bool Value) { FFilterIncremental = Value; }
  // The drop-down's entries: a value, or a name, "=" and a condition.
  TStringList* FilterList() { return &FFilterValues; }
  // The column whose list is open; -1 when none.
  int FilterColumn() const { return FFilterCol; }
  // Fills FilterList with the column's entries; true when there are any.
  virtual bool GetColumnFilterValues(int ARealCol);
  // Opens the list under the filter row's cell of the displayed column (the
  // input code calls it for a click on the filter glyph); false when the
  // column offers nothing.
  bool ShowFilterDropDown(int ADisplCol);
  void HideFilterDropDown();
  TDropList* FilterDropList() const { return FDropList; }
  TDropCheckList* FilterDropCheckList() const { return FDropCheckList; }
  std::function<void(TObject* Sender, int Column, TStrings* Filter)> OnGetColumnFilter;
  std::function<void(TObject* Sender, int Column, int ItemIndex, const std::string& FriendlyName,
                     std::string& FilterCondition, TDropCheckList* CheckList)>
      OnFilterCheck;
  TNotifyEvent OnFilterDone;

private:
  bool FFilterDropDownAuto = false;
  bool FFilterDropDownCheck = false;
  int FFilterDropDownRow = 0;
  bool FFilterIncremental = false;
  int FFilterCol = -1;
  TDropList* FDropList = nullptr;
  TDropCheckList* FDropCheckList = nullptr;

public:
  // ---- grouping (grid/data/ExtGridGroup.cpp): rows with equal values in a
  // column become the children of a header row (a node) showing the value,
  // with an optional summary row after each group; the grouped column
  // leaves the grid until UnGroup. SubGroup groups each group's rows by
  // another column and keeps its own state.
  void SetGroupColumn(int Value);
  int SubGroupColumn() const { return FSubGroupColumn; }
  void GroupCalc(int ARealCol, int Method);
  void GroupSum(int ARealCol);
  void GroupAvg(int ARealCol);
  void GroupMin(int ARealCol);
  void GroupMax(int ARealCol);
  void GroupCount(int ARealCol);
  void GroupCustomCalc(int ARealCol);
  void GroupDistinct(int ARealCol);
  void GroupStdDev(int ARealCol);
  double GroupCustomCalcValue(int ARealCol, int FromRow, int ToRow);
  // Sorts the children of every expanded node of the deepest level, by the
  // sort column or (Indexed) by the sort index list; the nodes keep their places.
  void GroupSort(bool Indexed);
  // Milliseconds the last header-click sort took.
  int SortTime() const { return FSortTime; }
  std::function<void(TObject* Sender, int ACol, int FromRow, int ToRow, double& Res)> OnGroupCalc;

  // ---- floating footer calculations (grid/data/ExtGridFooter.cpp) ----
  TColumnCalcType ColumnCalc(int ARealCol);
  void SetColumnCalc(int ARealCol, TColumnCalcType Value);
  void UpdateFooter();
  // A footer template with every "<#n>" replaced by the current row's text
  // of column n; a field that is no number disappears.
  std::string ExpandFooterTemplate(const std::string& Template);
  std::function<void(TObject* Sender, int ACol, int ARow, std::string& Value)> OnFooterCalc;
  TNotifyEvent OnCreatedFloatingFooter;

protected:
  virtual void CalcFooterRow(int ACol);
  // Inserts one empty row before each given displayed row (ascending;
  // repeats insert several), in one pass; per-row flags and hidden rows
  // follow. Answers the new rows' displayed indexes.
  std::vector<int> insertRowsBefore(const std::vector<int>& Rows);
  void closeWithSummary(int First);
  // Removes the given displayed rows (ascending) in one pass, freeing their cells.
  void removeDisplayedRows(const std::vector<int>& Rows);
  void applyFloatingFooter();

private:
  bool FCalculatingFooter = false;
  int FSortTime = 0;
  bool FFooterHoldsLastRow = false;
  int FGroupWidth = 0;
  std::string FGroupCaption;
  std::string FGroupFooter;
  int FSubGroupColumn = -1;

public:
  // ---- node outline and expandable cells (grid/data/ExtGridNodes.cpp,
  // grid/data/ExtGridExpand.cpp). A node is a ctNode graphic in column 0 of
  // its row: CellBoolean contracted, CellIndex the span (real rows, the node
  // row included; 0 or less: up to the next node row), CellErrFrom the
  // sub-node count. Every row of a span carries its outline level in the
  // NodeLevel of its column-0 cell. Contracting hides the span's rows as
  // node rows, apart from the filter levels.
  // Real rows: AddNode, RemoveNode, ExpandNode, ContractNode, InsertNormalRow,
  // RemoveNormalRow, InsertChildRow, RemoveChildRow, MarkSummaryRow.
  // Displayed rows: the queries, SetNodeState, GetParentRow, the expand cells.
  void AddNode(int ARealRow, int Span);
  void RemoveNode(int ARealRow);
  void RemoveAllNodes();
  int NumNodes() const { return FNumNodes; }
  // True: contracted.
  bool GetNodeState(int ARow);
  void SetNodeState(int ARow, bool Value);
  // The node row's level; -1 for a row without node.
  int GetNodeLevel(int ARow);
  // The outline level of any row (0 outside every node), for painting.
  int RowNodeLevel(int ARow);
  int GetNodeSpan(int ARow);
  void SetNodeSpan(int ARow, int Span);
  void UpdateNodeSpan(int ARow, int Delta);
  int GetSubNodeCount(int ARow);
  void UpdateSubNodeCount(int ARow, int Delta);
  // The tree line below a row: 0 a node row, 1 the last row of its level,
  // 2 a row followed by one of the same or a deeper level.
  int GetNodeSpanType(int ARow);
  // The node that owns the row; the row itself for a node row that no node
  // owns; -1 for any other row.
  int GetParentRow(int ARow);
  // With CellNode.ExpandOne, the other nodes (not the row's own parents) are
  // contracted first.
  void ExpandNode(int ARealRow);
  void ContractNode(int ARealRow);
  void ExpandAll();
  // Every outermost node is contracted; nested ones stay marked expanded.
  void ContractAll();
  // Makes the hidden real row shown by expanding the contracted nodes over it.
  void ExpandNodesOver(int ARealRow);
  // Hides again, as node rows, the shown rows inside contracted nodes.
  void RehideContractedNodes();
  void InsertNormalRow(int ARealRow);
  void RemoveNormalRow(int ARealRow);
  // Offset 0: at the row (below a node row, whose contents move down into
  // the new row); n: n rows below it.
  void InsertChildRow(int ARealRow, int Offset);
  void RemoveChildRow(int ARealRow);
  void MarkSummaryRow(int ARealRow);
  // Whether X (client pixels) lies on the expand glyph of a node row.
  bool IsNodeGlyphHit(int ARow, int X);
  // The user toggles a node (click on the glyph, a key): the before-events
  // may refuse, the after-events follow.
  void ToggleNodeByUser(int ARow);
  using TNodeAllowEvent = std::function<void(TObject* Sender, int ARow, int ARowReal, bool& Allow)>;
  using TNodeClickEvent = std::function<void(TObject* Sender, int ARow, int ARowReal)>;
  TNodeAllowEvent OnBeforeExpandNode;
  TNodeClickEvent OnExpandNode;
  TNodeAllowEvent OnBeforeContractNode;
  TNodeClickEvent OnContractNode;

  bool HasExpand(int ARealCol, int ARow);
  void AddExpand(int ARealCol, int ARow, int ExpandedHeight);
  void RemoveExpand(int ARealCol, int ARow);
  bool ToggleExpand(int ARealCol, int ARow);
  bool GetExpandState(int ARealCol, int ARow);
  int GetExpandHeight(int ARealCol, int ARow, bool Expanded);

protected:
  // Expands a contracted node at the real row (no ExpandOne).
  virtual void DoExpandNode(int ARealRow);

private:
  TCellGraphic* nodeAtReal(int ARealRow) const;
  TCellProperties* col0PropsAtReal(int ARealRow, bool Create);
  int nodeEndReal(int ARealRow, const TCellGraphic* Node) const;
  void raiseLevels(int FromReal, int ToReal, int Delta);
  void forEachNodeReal(const std::function<void(int ARealRow, TCellGraphic* Node)>& Fn) const;

public:
  // ---- search and replace (grid/data/ExtGridFind.cpp) and the search
  // footer (grid/data/ExtGridSearchFooter.cpp, grid/data/SearchPanel.h).
  // Cells are given as (column, row); (-1, -1) is none. A search never
  // wraps around: past the end of its region nothing more is found.
  TPoint Find(TPoint StartCell, const std::string& S, TFindParams FindParams);
  TPoint FindWide(TPoint StartCell, const std::u16string& S, TFindParams FindParams);
  TPoint FindFirst(const std::string& S, TFindParams FindParams);
  TPoint FindNext();
  // Replaces OrigStr in every cell a search finds, in one pass; with
  // fnMatchCase only the occurrences written that way. Answers the number
  // of cells changed.
  int Replace(const std::string& OrigStr, const std::string& NewStr, TFindParams FindParams);
  // The first row from FixedRows whose sort-column text starts with S (S
  // upper-cased by the caller); -1 when none.
  int Search(const std::string& S);
  bool FindBusy() const { return FFindBusy; }
  int FindCol = 0;
  int FindRow = 0;
  TPoint SearchCell{-1, -1};
  const std::string& SearchCache() const { return FSearchCache; }
  TFindParams FindParams() const { return FFindParams; }
  // The footer panel; made with the grid, hidden (height 0) until
  // SearchFooter()->Visible.
  TSearchPanel* GetSearchPanel() const { return SearchPanel; }
  // The handlers of the footer's edit box and buttons.
  virtual void SearchFooterEditChange();
  virtual void SearchFooterFindNext();
  virtual void SearchFooterFindPrevious();
  virtual void SearchFooterHighlight();
  virtual void SearchFooterClose();
  std::function<void(TObject* Sender, const std::string& Value, bool& DefaultSearch)> OnSearchEditChange;
  TNotifyEvent OnSearchFooterClose;
  TNotifyEvent OnCreatedSearchFooter;

protected:
  // Highlighting found text in the cells: ACol -1 for the whole grid, fixed
  // cells left alone.
  virtual void HighlightSearchText(int ACol, const std::string& Text, bool MatchCase);
  virtual void RemoveSearchHighlight(int ACol);

public:
  // Shows, hides, lays out and styles the footer panel by the SearchFooter
  // settings; runs on every change of them and when the grid has loaded.
  void ApplySearchFooter();

private:
  void styleSearchButtons();
  void scrollAboveSearchPanel();
  TPoint findCell(TPoint StartCell, const std::string& S, TFindParams Params);
  bool cellMatchesSearch(int ACol, int ARow) const;
  void gotoFoundCell(TPoint Cell);
  TFindParams footerFindParams(bool Backward) const;
  void searchFooterStep(bool Backward);
  void setSearchEditColor(TColor Color);
  std::string FSearchText;
  std::string FSearchCache;
  TFindParams FFindParams;
  bool FFindBusy = false;
  std::string FFooterLastSearch;

public:
  // ---- clearing, trimming, merging and numbering cells
  // (grid/data/ExtGridClear.cpp). Rectangles (ACol1, ARow1, ACol2, ARow2)
  // take displayed columns mapped to real ones with SaveHiddenCells (hidden
  // columns stay untouched), real columns without; a reversed pair selects
  // nothing.
  bool ClearTextOnly() const { return FClearTextOnly; }
  void SetClearTextOnly(bool Value) { FClearTextOnly = Value; }
  bool SaveHiddenCells() const { return FSaveHiddenCells; }
  void SetSaveHiddenCells(bool Value) { FSaveHiddenCells = Value; }
  void ClearRows(int RowIndex, int RCount);
  void ClearCols(int ColIndex, int CCount);
  void ClearNormalRows(int RowIndex, int RCount);
  void ClearNormalCols(int ColIndex, int CCount);
  void ClearNormalCells();
  // Every cell, hidden columns included; the search buffer too.
  void Clear();
  // Clear, and the kept cells of the hidden rows (which stay hidden).
  void ClearAll();
  void ClearSelection();
  void TrimColumn(int ACol);
  void TrimRow(int ARow);
  void TrimAll();
  void ColorRect(int ACol1, int ARow1, int ACol2, int ARow2, TColor AColor);
  void SplitAllCells();
  void SplitColumnCells(int ColIndex);
  void SplitRowCells(int RowIndex);
  // Runs of two or more equal texts become one merged cell.
  void MergeColumnCells(int ColIndex, bool MainMerge);
  void MergeRowCells(int RowIndex, bool MainMerge);
  int AutoNumberStart() const { return FAutoNumberStart; }
  void SetAutoNumberStart(int Value) { FAutoNumberStart = Value; }
  int AutoNumberOffset() const { return FAutoNumberOffset; }
  void SetAutoNumberOffset(int Value) { FAutoNumberOffset = Value; }
  TSortDirection AutoNumberDirection() const { return FAutoNumberDirection; }
  void SetAutoNumberDirection(TSortDirection Value) { FAutoNumberDirection = Value; }
  void AutoNumberCol(int ACol);
  void AutoNumberRow(int ARow);
  // The text starts with the wide-text marker.
  bool IsWideCell(int ARealCol, int ARow) const;
  // The first cell, row by row, whose stored text is SubStr.
  bool IsCell(const std::string& SubStr, int& ACol, int& ARow) const;

private:
  int clearColumn(int ACol) const { return FSaveHiddenCells ? RealColIndex(ACol) : ACol; }
  bool FSaveHiddenCells = true;
  int FAutoNumberStart = 0;
  int FAutoNumberOffset = 0;
  TSortDirection FAutoNumberDirection = sdAscending;

public:
  // ---- moving and swapping rows and columns, the column order
  // (grid/data/ExtGridMove.cpp). Cells, cell objects, heights, per-row
  // flags and embedded cell controls travel with their rows and columns.
  // Displayed columns and rows, except where the name says real.
  void MoveColumn(int FromIndex, int ToIndex);
  void MoveRow(int FromIndex, int ToIndex);
  // ToIndex counts the rows before the block is taken out.
  void MoveRows(int FromIndex, int ToIndex, int Count);
  void SwapColumns(int ARealCol1, int ARealCol2);
  void SwapRows(int ARow1, int ARow2);
  // Exchanges the stored texts and cell objects of two cells, nothing else.
  void SwapCells(TGridCoord FromCell, TGridCoord ToCell);
  // The cursor and the selection anchor go to the cell, scrolled into view.
  void MoveToCell(int ACol, int ARow);
  // The current arrangement becomes the initial order.
  void SetColumnOrder();
  // Shows hidden columns and puts every column back at its initial place.
  void ResetColumnOrder();
  // The position of the column that started at ARealCol; and the reverse.
  int ColumnPosition(int ARealCol) const;
  int ColumnAtPosition(int APos);
  // The first real column whose header (row 0) is AValue; -1 when none.
  int ColumnByHeader(const std::string& AValue) const;
  const TIntList* ColumnOrder() const { return &FColumnOrder; }

protected:
  void MoveStoredColumn(int FromIndex, int ToIndex) override;
  // The real columns of the last column move, for the moved-column notification.
  int FMovedRealFrom = -1;
  int FMovedRealTo = -1;

private:
  void moveControls(bool Cols, int From, int To);
  void swapControls(bool Cols, int A, int B);
  void moveHiddenRowCells(int FromRealCol, int ToRealCol);
  void swapHiddenRowCells(int ARealCol1, int ARealCol2);

public:

  // =========================================================================
  // Files, clipboard and drag and drop (filled by the file code)
  // =========================================================================
  // Navigation()->AllowFmtClipboard(): copy and paste the grid's own cell format.
  virtual bool AllowFMTClipboard();
  virtual void ExportNotification(int AState, int ARow) { (void)AState; (void)ARow; }
  virtual void ImportNotification(int AState, int ARow) { (void)AState; (void)ARow; }
  // The texts of the cell-text hooks below.
  std::string RawCellText(int ARealCol, int ARow) {
    std::string t;
    GetCellRawText(ARealCol, ARow, t);
    return t;
  }
  std::string ExportCellText(int ARealCol, int ARow) {
    std::string t;
    GetCellExportText(ARealCol, ARow, t);
    return t;
  }
  void ImportCellText(int ARealCol, int ARow, const std::string& Value) { SetCellImportText(ARealCol, ARow, Value); }
  // What an export writes: formatted text (SaveVirtCells), HTML kept
  // (SaveWithHTML) or stripped, rich text kept on one line (SaveWithRTF) or
  // made plain.
  bool SaveVirtCells = true;
  bool SaveWithHTML = true;
  bool SaveWithRTF = false;
  std::function<void(TObject* Sender, int ACol, int ARow, std::string& Value)> OnSaveCell;
  std::function<void(TObject* Sender, int ACol, int ARow, std::string& Value)> OnLoadCell;
  std::function<void(TObject* Sender, int ACol, int ARow, TGridFixedCellEditor& AEditor, TStrings* Values)>
      OnFixedEdit;
  void SetSyncGrid(const TSyncGrid* Value);

  // Column layouts (grid/core/ExtGridColumnLayout.cpp): the state string
  // "N#widths#order#visibility" and the ColumnSize store of "Col" widths and
  // "Pos" order values. A layout is checked whole before any of it is
  // applied; a bad one raises EConvertError and changes nothing.
  std::string ColumnStatesToString();
  void StringToColumnStates(const std::string& Value);
  void SaveColSizes();
  void LoadColSizes();
  virtual void SaveColPositions();
  virtual void LoadColPositions();

private:
  void arrangeColumns(const std::vector<int>& Order);
  // With ColumnSize.Save: the widths come back when the window is made, the
  // stored order and the widths when the grid has loaded, and the widths are
  // stored when the grid goes.
  void restoreSavedColSizes();
  void restoreSavedColLayout();
  void storeColSizesOnDestroy() noexcept;

public:

  // =========================================================================
  // Exchange: clipboard text, the grid's own text file and CSV files
  // (grid/exchange/). Readers check the whole input before the grid changes.
  // =========================================================================
  // The selection, widened to whole merged cells (the clipboard keys' operations).
  virtual void CopySelectionToClipboard();
  virtual void CutSelectionToClipboard();
  virtual void PasteSelectionFromClipboard();
  // The export range (SaveStartCol..SaveEndCol, SaveStartRow..SaveEndRow).
  void CopyToClipBoard();
  void CutToClipboard();
  // Pastes at (SaveStartCol, SaveStartRow).
  void PasteFromClipboard();
  // TAB-separated fields, CR LF after each row when there are several rows;
  // a field holding TAB, CR, LF or starting with a double quote is quoted.
  std::string GetSelectionAsText();
  // Stores a text block raw from the selection's top-left, growing the grid.
  void SetSelectionAsText(const std::string& Value);
  std::string SelectionToText(const TGridRect& R, bool OnlySelected);
  // Pastes a text block as the user would; returns the number of fields
  // written or refused, Lines and the last line's Fields.
  int ParseTextToCells(int ACol, int ARow, int& Lines, int& Fields, const std::string& Text);
  static void TextGridSize(const std::string& Text, int& Cols, int& Rows);
  TPoint ClipTopLeft() const { return FClipTopLeft; }
  TClipOperation ClipLastOp() const { return FClipLastOp; }

  // The grid's own text file: a size line, "cw" width lines, one line per
  // non-empty cell. Unicode writes UTF-16LE with a byte-order mark.
  void SaveToFile(const std::string& FileName, bool Unicode = false);
  void LoadFromFile(const std::string& FileName);
  // The same lines in UTF-16 code units, cells relative to the export range.
  void SaveToStream(TStream* Stream);
  void LoadFromStream(TStream* Stream);

  // CSV files; Unicode writes UTF-8 with a byte-order mark. MaxRows <= 0: all.
  void SaveToCSV(const std::string& FileName, bool Unicode = false);
  void AppendToCSV(const std::string& FileName, bool Unicode = false);
  void LoadFromCSV(const std::string& FileName, int MaxRows = 0);
  void InsertFromCSV(const std::string& FileName, int MaxRows = 0);
  void LoadFromCSVStream(TStream* AStream, int MaxRows = 0);

  // Office documents through the automation servers (grid/exchange/ExtGridXLS.cpp,
  // ExtGridDOC.cpp, ExtGridMDB.cpp); failures raise EExtGridError.
  std::unique_ptr<TStringList> GetXLSSheets(const std::string& FileName);
  void LoadFromXLS(const std::string& Filename);
  void LoadFromXLSSheet(const std::string& Filename, const std::string& SheetName);
  void SaveToXLS(const std::string& Filename, bool CreateNewSheet = true);
  void SaveToXLSSheet(const std::string& Filename, const std::string& SheetName);
  void SaveToDOC(const std::string& Filename, bool CreateNewDocument = true);
  void AppendToDoc(const std::string& Filename, const std::string& Bookmark);
  void LoadFromMDBTable(const std::string& Filename, const std::string& Table);
  void LoadFromMDBSQL(const std::string& Filename, const std::string& SQL);

  // '\0': "," when writing, detected when reading.
  char Delimiter() const { return FDelimiter; }
  void SetDelimiter(char Value) { FDelimiter = Value; }
  bool AlwaysQuotes() const { return FAlwaysQuotes; }
  void SetAlwaysQuotes(bool Value) { FAlwaysQuotes = Value; }
  bool QuoteEmptyCells() const { return FQuoteEmptyCells; }
  void SetQuoteEmptyCells(bool Value) { FQuoteEmptyCells = Value; }
  bool JavaCSV() const { return FJavaCSV; }
  void SetJavaCSV(bool Value) { FJavaCSV = Value; }
  bool OemConvert() const { return FOemConvert; }
  void SetOemConvert(bool Value) { FOemConvert = Value; }
  bool LoadFirstRow() const { return FLoadFirstRow; }
  void SetLoadFirstRow(bool Value) { FLoadFirstRow = Value; }
  TFileProgressEvent OnFileProgress;

  // Columns of characters for people (ASCII) and for programs with fixed
  // field widths (grid/exchange/ExtGridFixedWidth.cpp). Fixed-width Positions:
  // one width per exported column when writing (missing ones computed and
  // added), 1-based start positions plus the end position when reading
  // (sorted in place; fewer than two raise EExtGridError).
  void SaveToASCII(const std::string& FileName, bool Unicode = false);
  void AppendToASCII(const std::string& FileName, bool Unicode = false);
  void SaveToFixed(const std::string& FileName, TIntList* Positions);
  void LoadFromFixed(const std::string& FileName, TIntList* Positions, bool DoTrim = true, int MaxRows = -1);
  // The longest line (characters) of a real column's export texts over all rows.
  int MaxColumnTextLength(int ARealCol);

  // HTML tables (grid/exchange/ExtGridHTML.cpp, HTMLSettings). Dir is the
  // folder for cell pictures ("images" below it); empty: the current folder.
  std::string SaveToHTMLString(const std::string& Dir);
  // The document for the clipboard's HTML format, always HTML (XHTML is a
  // choice for files): pictures go to a new temporary folder with absolute
  // file:/// links, or are left out when it cannot be made.
  std::string HTMLClipboardDocument();
  void SaveToHTML(const std::string& FileName, bool Show = false, bool Unicode = false);
  void AppendToHTML(const std::string& FileName, bool Show = false, bool Unicode = false);

  // Flat XML: a list element, one record per row, one field per cell
  // (grid/exchange/ExtGridXML.cpp). The file is UTF-8 and says so.
  void SaveToXML(const std::string& FileName, const std::string& ListDescr, const std::string& RecordDescr,
                 TStrings* FieldDescr, bool ExportEmptyCells = false);
  void LoadFromXML(const std::string& FileName, bool LevelToRow = false, bool LoadFieldDescr = false);
  const std::string& XMLEncoding() const { return FXMLEncoding; }
  void SetXMLEncoding(const std::string& Value) { FXMLEncoding = Value; }

private:
  std::string asciiLayout();
  std::string fixedField(int ACol, int ARow);
  void writeHTMLFile(const std::string& FileName, bool Show, bool Unicode, bool Append);
  std::string htmlDocument(const std::string& ImageDir, bool Clipboard);

public:
  // The binary cell stream (grid/exchange/ExtGridBinStream.cpp): text,
  // properties and graphics of a rectangle (display columns). Cells beyond
  // index 65535 raise EExtGridError when writing; a malformed block raises
  // EExtGridError and leaves the grid as it was. A block of the whole grid
  // resizes the grid first, so that every cell fits.
  void SaveRectToBinStream(const TGridRect& R, TStream* Stream);
  void SaveToBinStream(TStream* Stream);
  void SaveToBinFile(const std::string& FileName);
  void LoadAtPointFromBinStream(const TPoint& Point, TStream* Stream);
  void LoadFromBinStream(TStream* Stream);
  void LoadFromBinFile(const std::string& FileName);

private:
  int64_t cellStreamID();
  bool coversWholeGrid(const TGridRect& R) const;
  std::string cellBlock(const TGridRect& R);
  // The block in pieces as it is made; cells beyond the format's reach are
  // refused before the first piece.
  void writeCellBlock(const TGridRect& R, const std::function<void(std::string_view Piece)>& Sink);
  void placeCellBlock(const TPoint& Point, TGridCellBlock& Block);
  void sizeForFullBlock(const TPoint& Point, const TGridCellBlock& Block);
  void placeCellGraphic(int ARealCol, int ARow, const TCellGraphic& Source);
  void recountNodes();

public:
  // The clipboard's formats (grid/exchange/ExtGridClipboardFormats.cpp):
  // text always, the top-left cell's rich text with AllowRTFClipboard (8-bit
  // bytes, zero-terminated), the binary cell block with AllowFmtClipboard.
  TGridRect SelectionWithMergedCells();
  void SelectionToClipboard(const TGridRect& R, bool OnlySelected);
  void SelectionToRTF(int ACol, int ARow);
  void SelectionToBinStream(const TGridRect& R);
  // The export range as an HTML table ("HTML Format") and as text.
  void CopyToClipBoardAsHTML();
  // Pastes the best format at (ACol, ARow); returns the number of values
  // pasted. Rows and Cols: lines and the last line's fields for text, 1 and
  // 1 for rich text, the grid's new counts for a block when it may grow.
  int PasteClipboardFormats(int ACol, int ARow, int& Rows, int& Cols);
  // The fill of the selection after a paste of N values (grid/exchange/ExtGridSmartPaste.cpp).
  void SmartPasteFill(const TGridRect& Sel, int N, int Rows, int Cols);

protected:
  virtual void PasteIntoCell(int ACol, int ARow, const std::string& Value);
  virtual void BeforePasteBlock() {}
  virtual void AfterPasteBlock() {}
  // Marks the rows of Area modified (ShowModified); the point and the operation are for descendants.
  virtual void MarkPastedRows(const TPoint& ClipTopLeft, const TRect& Area, TClipOperation Operation);
  // For descendants that enter formulas by pointing: a left click on a cell,
  // and the in-place editor's text starting (Active) or no longer starting with "=".
  virtual void FormulaCellClick() {}
  virtual void FormulaModeChanged(bool Active) { (void)Active; }

public:
  // Places a binary cell block as a rectangle at (ACol, ARow), growing the
  // grid first as the paste settings allow; returns the cells it covers.
  TGridRect PasteCellBlock(int ACol, int ARow, const std::string& Block, int& Rows, int& Cols);

  // OLE drag and drop (grid/exchange/ExtGridOleDrag.cpp, GridDragDrop.h).
  // Starts a drag of the selection (or of the column of a fixed-row cell
  // with OleColumnDragDrop) from cell (ACol, ARow); a move clears the source
  // cells the drop did not overwrite.
  void StartOleDrag(int ACol, int ARow);
  std::function<void(TObject* Sender, int ARow, int ACol, bool& Allow)> OnOleDrag;
  std::function<void(TObject* Sender, int ARow, int ACol)> OnOleDragStart;
  std::function<void(TObject* Sender, int OLEEffect)> OnOleDragStop;
  std::function<void(TObject* Sender, int ARow, int ACol, bool& Allow)> OnOleDragOver;
  std::function<void(TObject* Sender, int ARow, int ACol, const std::string& Data, bool& Allow)> OnOleDrop;
  std::function<void(TObject* Sender, TGridRect& ARect)> OnOleDropped;
  std::function<void(TObject* Sender, int ARow, int ACol, int DropCol)> OnOleDropCol;
  std::function<void(TObject* Sender, int ARow, int ACol, const std::string& FileName, bool& Allow)> OnOleDropFile;
  std::function<void(TObject* Sender, int ARow, int ACol, const std::string& URL, bool& Allow)> OnOleDropURL;

  // The drag image: a translucent picture of the cells of ARect as they are
  // shown (the part in view), in a borderless form that never takes the
  // focus. The caller shows and frees it.
  std::unique_ptr<TForm> SelectionToForm(TGridRect ARect);
  // The drag image of the running drag; none without ShowCells or between drags.
  TForm* OleDragImage() const { return FOleDragImage.get(); }
  // A hidden column (ACol, its initial index) picked from item AIndex of a
  // list box: the next column drop on the grid shows it again at the drop
  // position and removes the item from the list.
  void OleColumnDragStart(int ACol, int AIndex, TCustomListBox* AList);

private:
  friend class TGridDropTarget;
  friend class TGridDropSource;
  void oleDropTargetChanged(bool On);
  bool oleDragCheck(TShiftState Shift, int X, int Y);
  void clearMovedSource(TGridRect Source);
  void showOleDragImage(int ACol, bool Column);
  uint32_t runOleDrag(class TGridDropSource* Source, int ACol, bool Column);
  // The drop arrows; a drop hides the header button of a column drag too.
  void hideOleIndicators(bool DragButtonToo = false);
  std::shared_ptr<class TGridDropRegistration> FDropRegistration;
  TPoint FOlePress{0, 0};
  bool FOleArmed = false;
  std::unique_ptr<TForm> FOleDragImage;
  struct TOleColumnListDrag {
    int Col = -1;
    int Index = -1;
    TCustomListBox* List = nullptr;
  };
  TOleColumnListDrag FOleColumnList;

private:
  void smartPut(int ACol, int ARow, const std::string& Value, bool Events);
  void copyFill(const TGridRect& Sel);
  bool seriesFill(const TGridRect& Sel, bool SingleCol);
  void repeatFill(const TGridRect& Sel, int N, bool SingleCol);
  void repeatPaste(const TGridRect& Sel, bool ByRows);

private:
  bool pasteAllowed();
  void pasteField(int ACol, int ARow, const std::string& Field);
  void clearForCut(const TGridRect& R);
  int exportLastCol() const;
  std::string exportText(int ACol, int ARow);
  std::string textFileLines(bool ForStream);
  std::string csvLines();
  std::string csvField(std::string Text, char D);
  void readCSV(const std::string& Text, int MaxRows, bool Insert);
  void fileProgress(int Percent, int& Last);
  void loadXLSSheet(const std::string& Filename, const std::string& SheetName);
  void writeXLSSheet(const std::string& Filename, const std::string& SheetName, bool CreateNewSheet);
  void writeDOC(const std::string& Filename, bool CreateNewDocument, bool Append, const std::string& Bookmark);
  TPoint FClipTopLeft{0, 0};
  TClipOperation FClipLastOp = coCopy;
  bool FPasteAll = false;
  char FDelimiter = '\0';
  bool FAlwaysQuotes = false;
  bool FQuoteEmptyCells = true;
  bool FJavaCSV = false;
  bool FOemConvert = false;
  bool FLoadFirstRow = true;

public:

  // =========================================================================
  // Printing, preview and page drawing (grid/printing)
  // =========================================================================
  void Print();
  void PrintRect(const TGridRect& Gridrect);
  void PrintSelection();
  // Both print the selected rows and columns.
  void PrintSelectedRows();
  void PrintSelectedCols();
  // Draws page PreviewPage() onto Canvas; Displayrect (device units) is the page.
  void PrintPreview(TCanvas* Canvas, TRect Displayrect);
  void PrintPreviewRect(TCanvas* Canvas, TRect Displayrect, const TGridRect& Gridrect);
  void PrintPreviewSelection(TCanvas* Canvas, TRect Displayrect);
  void PrintPreviewSelectedRows(TCanvas* Canvas, TRect Displayrect);
  void PrintPreviewSelectedCols(TCanvas* Canvas, TRect Displayrect);
  // The first page onto Canvas; the page is the canvas's clip (its surface without one).
  void PrintDraw(TCanvas* Canvas, TRect DrawRect);
  void PrintDrawRect(TCanvas* Canvas, TRect DrawRect, const TGridRect& Gridrect);
  // A point size as a font height in 0.1 mm (negative), with the print zoom.
  int MapFontHeight(int pointsize) const;
  int MapFontSize(int Height) const;
  int PreviewPage() const { return PrintPageFrom; }
  void SetPreviewPage(int Value) { PrintPageFrom = PrintPageTo = Value; }
  // The page-number hook: raises OnPrintGetPageNum.
  virtual void PrintPageNumber(int PageNum, int PageColNum, std::string& Text);
  // Kept by the print engine for the caller (read them; the engine writes).
  TRect PrintPageRect;
  int PrintPageWidth = 0, PrintColStart = 0, PrintColEnd = 0, PrintNrOfPages = 0;
  // The printed width and left offset of display columns 0..511 as the last
  // pass laid them out; another column raises EExtGridError.
  static constexpr int MaxPrintColumns = 512;
  int GetPrintColWidth(int ACol) const;
  int GetPrintColOffset(int ACol) const;
  std::array<int, MaxPrintColumns> PrintColWidths{}, PrintColOffsets{};
  bool IsPrintPreview = false;
  bool FastPrint = false;
  bool PrinterDriverFix = false;
  // The page range of the output (1-based, inclusive).
  int PrintPageFrom = 1;
  int PrintPageTo = 1;
  // Font scaling of the row being measured or printed; 1.0 outside printing.
  double PrintZoom = 1.0;
  TPrintStartEvent OnPrintStart;
  TPrintPageEvent OnPrintPage;
  TPrintNewPageEvent OnPrintNewPage;
  TPrintPageDoneEvent OnPrintPageDone;
  TPrintCancelEvent OnPrintCancel;
  TPrintColumnWidthEvent OnPrintSetColumnWidth;
  TPrintRowHeightEvent OnPrintSetRowHeight;
  TFitToPageEvent OnFitToPage;
  TPrintGetPageNumEvent OnPrintGetPageNum;
  TCustomCellSizeEvent OnCustomCellSize;

  // ---- look and print settings files ----
  // Raises Exception "Cannot Create <file>".
  void SaveVisualProps(const std::string& FileName);
  // Raises Exception "Cannot open file <file>"; a bad value raises EConvertError and changes nothing.
  void LoadVisualProps(const std::string& FileName);
  void SavePrintSettings(const std::string& Key, const std::string& Section);
  void LoadPrintSettings(const std::string& Key, const std::string& Section);
  bool URLShowInText() const { return FURLShowInText; }
  void SetURLShowInText(bool Value) {
    if (FURLShowInText == Value) return;
    FURLShowInText = Value;
    Invalidate();
  }

private:
  friend class TGridPrintPass;
  bool FURLShowInText = false;

public:

  // =========================================================================
  // Events
  // =========================================================================
  TNotifyEvent OnResize;
  // A resize stretched a column instead of the base grid's own size handling.
  TNotifyEvent OnGridResize;
  TCellsChangedEvent OnCellsChanged;
  TRowUpdateEvent OnRowUpdate;
  TSelectionChangedEvent OnSelectionChanged;
  // per-cell hooks
  TGetCellCursorEvent OnGetCellCursor;
  TGridHintEvent OnGridHint;
  TGridWideHintEvent OnGridWideHint;
  TGridColorEvent OnGetCellColor;
  TGridColorEvent OnGetCellPrintColor;
  TGridBorderEvent OnGetCellBorder;
  TGridBorderEvent OnGetCellPrintBorder;
  TGridAlignEvent OnGetAlignment;
  TGridFormatEvent OnGetFormat;
  TGetEditorTypeEvent OnGetEditorType;
  TIsFixedCellEvent OnIsFixedCell;
  TCanEditCellEvent OnCanEditCell;
  TIsPasswordCellEvent OnIsPasswordCell;
  TWordWrapEvent OnGetWordWrap;
  THasComboEvent OnHasComboBox;
  THasSpinEditEvent OnHasSpinEdit;
  TGetCheckEvent OnGetCheckTrue;
  TGetCheckEvent OnGetCheckFalse;
  TFloatFormatEvent OnGetFloatFormat;
  // relays
  TSearchFooterActionEvent OnSearchFooterAction;
  TButtonClickEvent OnButtonClick;
  TExpandClickEvent OnExpandClick;
  TComboEvent OnComboCloseUp;
  TComboEvent OnComboDropDown;
  TCheckBoxClickEvent OnCheckBoxClick;
  TEllipsClickEvent OnEllipsClick;
  // A drag or move began and ended that takes the focus away from the grid for a while.
  TNotifyEvent OnStartBlockFocus;
  TNotifyEvent OnEndBlockFocus;
  // editing
  TCellValidateEvent OnCellValidate;
  TEditCellDoneEvent OnEditCellDone;
  TEditChangeEvent OnEditChange;
  TGetEditTextEvent OnGetEditText;
  TDateTimeChangeEvent OnDateTimeChange;
  // Reads the cell text for the date editor in the program's own way; the
  // date starts as now.
  std::function<void(TObject* Sender, const std::string& Value, double& ADate)> OnCustomStrToDate;
  TComboEvent OnDatePickerCloseUp;
  TComboEvent OnDatePickerDropDown;
  // input
  TClickCellEvent OnClickCell;
  TDblClickCellEvent OnDblClickCell;
  TClickCellEvent OnRightClickCell;
  TKeyPressCellEvent OnKeyPressCell;
  TColumnSizeEvent OnColumnSize;
  TColumnSizingEvent OnColumnSizing;
  TEndColumnSizeEvent OnEndColumnSize;
  TUpdateColumnSizeEvent OnUpdateColumnSize;
  TRowSizeEvent OnRowSize;
  TRowSizingEvent OnRowSizing;
  TEndRowSizeEvent OnEndRowSize;
  TAnchorClickEvent OnAnchorClick;
  TAnchorEvent OnAnchorEnter;
  TAnchorEvent OnAnchorExit;
  TAnchorHintEvent OnAnchorHint;
  // data
  TClickSortEvent OnClickSort;
  TCanSortEvent OnCanSort;
  TCustomCompareEvent OnCustomCompare;
  TRawCompareEvent OnRawCompare;
  TFilterSelectEvent OnFilterSelect;
  TCanInsertRowEvent OnCanInsertRow;
  TAutoInsertRowEvent OnAutoInsertRow;
  TCanAddRowEvent OnCanAddRow;
  TAutoAddRowEvent OnAutoAddRow;
  TCanDeleteRowEvent OnCanDeleteRow;
  TAutoDeleteRowEvent OnAutoDeleteRow;
  TAutoInsertColEvent OnAutoInsertCol;
  TScrollHintEvent OnScrollHint;

  // =========================================================================
  // Per-cell query hooks (ExtGridHooks.cpp). Public so that the painting,
  // printing and editing code outside the class can ask them; descendants
  // override them. ACol is a real column unless the name says otherwise.
  // =========================================================================
  // The cursor over a cell: ACursor comes in as the grid's and goes out as
  // the one to show for this mouse position only (the caller shows it; no
  // screen-wide cursor is left behind).
  virtual void GetCellCursor(int ACol, int ARow, int X, int Y, TCursor& ACursor);
  virtual void QueryGridHint(int ADisplCol, int ARow, std::string& AHint, std::u16string& AWideHint);
  virtual void GetCellColor(int ACol, int ARow, TGridDrawState AState, TBrush* ABrush, TFont* AFont);
  virtual void GetCellPrintColor(int ACol, int ARow, TGridDrawState AState, TBrush* ABrush, TFont* AFont);
  virtual void GetCellBorder(int ACol, int ARow, TPen* APen, TCellBorders& Borders);
  virtual void GetCellPrintBorder(int ACol, int ARow, TPen* APen, TCellBorders& Borders);
  // The hook of the alignment rule: column 0 centred for hotmail row
  // selection, then OnGetAlignment; the column grid puts its columns first.
  virtual void GetCellAlign(int ACol, int ARow, TVAlignment& VAlign, TAlignment& HAlign);
  virtual void GetCellFormat(int ACol, TSortStyle& AStyle, std::string& aPrefix, std::string& aSuffix);
  virtual void QueryCellEditor(int ACol, int ARow, TEditorType& AEditor);
  virtual void GetCellEditor(int ACol, int ARow, TEditorType& AEditor);
  virtual bool HasNoEditor(int ACol, int ARow);
  // ADisplCol: the caller's displayed column (the column grid maps it).
  virtual void IsFixedCell(int ADisplCol, int ARow, bool& IsFixed);
  virtual void CanEditCell(int ACol, int ARow, bool& CanEdit);
  virtual void IsPasswordCell(int ACol, int ARow, bool& IsPassword);
  virtual void GetCellWordWrap(int ACol, int ARow, bool& WordWrap);
  // The image list a cell's image graphics draw from and are measured by.
  virtual TImageList* CellImageList(int ACol, int ARow) { (void)ACol; (void)ARow; return FGridImages; }
  virtual bool HasCombo(int ACol, int ARow);
  virtual bool HasSpinEdit(int ACol, int ARow);
  virtual void GetCheckTrue(int ACol, int ARow, std::string& Value);
  virtual void GetCheckFalse(int ACol, int ARow, std::string& Value);
  // The relay behind CanEditCell; fires OnCanEditCell.
  virtual void DoCanEditCell(int ACol, int ARow, bool& CanEdit);
  virtual void DoSearchFooterAction(const std::string& Value, int ACol, int ARow, int SearchAction);
  virtual void DoButtonClick(int ACol, int ARow);
  virtual void DoExpandClick(int ACol, int ARow, bool Expanded);
  virtual void DoComboCloseUp(int ARow, int ACol);
  virtual void DoComboDropDown(int ARow, int ACol);
  virtual void DoCheckBoxClick(int ACol, int ARow, bool State);
  virtual void DoStartBlockFocus();
  virtual void DoEndBlockFocus();
  virtual void DoEllipsClick(int ACol, int ARow, std::string& S);
  // The two column-size notifications: user sizing and automatic sizing.
  virtual void UpdateColumnSize(int ACol, int& NewWidth);
  virtual void UpdateAutoColumnSize(int ACol, int& NewWidth);
  // Column headers changed (ColumnHeaders' OnChange).
  virtual void UpdateColumnHeaders();
  // Cells were loaded from a file or stream.
  virtual void CellsLoaded();
  bool IsFixed(int ADisplCol, int ARow) const override;
  bool HasCellBorderEvent() const override { return static_cast<bool>(OnGetCellBorder); }

  // =========================================================================
  // Input: keyboard, mouse, focus, selection, scrolling and sizing (filled by
  // the input code: ExtGridKeyboard, ExtGridTab, ExtGridMouse, ExtGridHover,
  // ExtGridClicks, ExtGridFocus, ExtGridSelect, ExtGridCellPick,
  // ExtGridScroll, ExtGridSizing)
  // =========================================================================
  void KeyDown(uint16_t& Key, TShiftState Shift) override;
  void KeyPress(char& Key) override;
  void KeyUp(uint16_t& Key, TShiftState Shift) override;
  void Click() override;

  // ---- cursor helpers of the keyboard and the Tab advance ----
  // With goEditing: the cell can be edited; without: it is not fixed; then
  // OnSelectCell may change the answer.
  bool CanSelectCell(int ADisplCol, int ARow);
  // First (last) column of the row that CanSelectCell accepts; -1 when none.
  int FirstSelectableCol(int ARow);
  int LastSelectableCol(int ARow);
  // The first column the cursor may reach (1 with nodes and no fixed column).
  int FixedColsWithNodes() const;
  // The fixed right columns that are not hidden.
  int VisibleFixedRightCols() const;
  // Moves to the next (previous) cell; false when the focus was handed on to
  // the next control. Makes at most one pass over the grid.
  bool TabAdvance(bool Backward);
  // Appends one row at the end for the keyboard (OnCanAddRow may refuse).
  void AutoAddRow();
  bool IsLastEditRow();
  virtual void GotoFirstRow() { GotoFirstNormalRow(); }
  // A left click at the cell without mouse events.
  void ClickCell(int ADisplCol, int ARow);
  // The grid's SelectCell for the current cell.
  void Select() { SelectCell(Col(), Row()); }
  // Stores the cell an edit starts in, with its text (read when the edit ends).
  virtual void RememberCurrentCell(int ADisplCol, int ARow);
  // Receives the rectangle of a select-all before it is applied.
  virtual void BeforeSelectAll(TGridRect& R) { (void)R; }
  // Runs after the grid's own handling of F2.
  virtual void F2KeyHook() {}
  // A release on the header row over the pressed cell: the sort by that
  // real column, which the data code does (with its settings and OnCanSort).
  virtual void SortByHeader(int ARealCol);
  // Links in plain cells show and open (URLShow); a right click edits them (URLEdit).
  bool URLShow() const { return FURLShow; }
  void SetURLShow(bool Value) { FURLShow = Value; }
  bool URLEdit() const { return FURLEdit; }
  void SetURLEdit(bool Value) { FURLEdit = Value; }
  // The keypad's decimal key types the locale's decimal separator.
  bool ExcelStyleDecimalSeparator() const { return FExcelStyleDecimalSeparator; }
  void SetExcelStyleDecimalSeparator(bool Value) { FExcelStyleDecimalSeparator = Value; }
  bool ExcelClipboardFormat() const { return FExcelClipboardFormat; }
  void SetExcelClipboardFormat(bool Value) { FExcelClipboardFormat = Value; }
  bool Multilinecells() const { return FMultilinecells; }
  void SetMultilinecells(bool Value) { FMultilinecells = Value; }
  bool XYOffsetTopLeftOnly() const { return FXYOffsetTopLeftOnly; }
  void SetXYOffsetTopLeftOnly(bool Value) { FXYOffsetTopLeftOnly = Value; }
  bool CellSelectorMode() const { return FCellSelectorMode; }
  void SetCellSelectorMode(bool Value) { FCellSelectorMode = Value; }
  TMouseSelectMode MouseSelectMode() const { return FMouseSelectMode; }
  // The text of the hint a dragged thumb shows; empty when none.
  const std::string& ScrollHintText() const { return FScrollHintText; }
  // The window of the thumb and sizing hints while one shows, else null.
  THTMLHintWindow* ScrollHintWindow() const { return FScrollHintShow ? FScrollHintWnd : nullptr; }

  // ---- flat scroll bars (ExtGridFlatScroll.cpp): ssFlat and ssEncarta draw
  // the window's own bars flat, ScrollWidth thick, on ScrollColor.
  void InitFlatScrollBars();
  void DoneFlatScrollBars();
  void FlatSetScrollProp(int Index, int Value);
  void FlatSetScrollInfo(int Bar, const TScrollInfo& Info);
  void FlatShowScrollBar(int Bar, bool Show);
  void SyncFlatVertScrollInfo();
  void SyncFlatHorzScrollInfo();
  void UpdateScrollStyle();
  void UpdateScrollColor();
  void UpdateScrollWidth();
  void UpdateFlatScrollBars();
  bool FlatScrollBarsActive() const { return FIsFlat; }

  // ---- scroll-bar cells: the bar shown over the hovered cell moves its
  // position and tells OnScrollCell (the grid itself does not scroll).
  virtual void DoScrollCell(int ACol, int ARow, int ScrollPosition, int ScrollMin, int ScrollMax);
  TScrollCellEvent OnScrollCell;
  TWinControl* CellScrollBar() const { return FScrollBar; }

  // ---- the drop-down menu of a fixed cell's drop-down button ----
  TPopupMenu* FixedDropDownMenu() const { return FFixedDropDownMenu; }
  void SetFixedDropDownMenu(TPopupMenu* Value);
  TFixedDropDownClickEvent OnFixedDropDownClick;
  // Set by a row inserted or deleted by key.
  bool GridModified() const { return FGridModified; }
  void SetGridModified(bool Value) { FGridModified = Value; }

  // ---- disjunct cell selection ----
  void SelectCells(int FromCol, int FromRow, int ToCol, int ToRow) { SetSelection({FromCol, FromRow, ToCol, ToRow}); }
  void ClearSelectedCells();
  bool IsSelected(int ADisplCol, int ARow);
  bool SelectedCells(int ADisplCol, int ARow) const;
  void SetSelectedCells(int ADisplCol, int ARow, bool Value);
  int SelectedCellsCount();
  TGridCoord SelectedCell(int Index) const { return FPickedCells.Items(Index); }
  int SelectedColCount();
  int SelectedRowCount();
  int SelectedRow(int Index);
  std::string SelectedText();

  // ---- row and column selection, modified and disabled rows ----
  bool RowSelect(int ARow);
  void SetRowSelect(int ARow, bool Value);
  bool ColSelect(int ACol);
  void SetColSelect(int ACol, bool Value);
  int RowSelectCount();
  int ColSelectCount();
  void SelectRows(int RowIndex, int RCount);
  void UnSelectRows(int RowIndex, int RCount);
  void SelectCols(int ColIndex, int CCount);
  void UnSelectCols(int ColIndex, int CCount);
  void SelectRange(int FromCol, int ToCol, int FromRow, int ToRow);
  void ClearRowSelect();
  void ClearColSelect();
  // The selected rows in the order they were picked (never a fixed row).
  const std::vector<int>& SelectedRows() const { return FPickedRows; }
  bool RowModified(int ARow) const;
  void SetRowModified(int ARow, bool Value);
  int ModifiedRowCount() const;
  void ClearModifiedRows();
  bool RowEnabled(int ARow) const;
  // True once a row has been enabled or disabled: disabled rows exist.
  bool UseEnabledRows() const { return FUseEnabledRows; }
  void SetRowEnabled(int ARow, bool Value);
  void GotoCell(int ADisplCol, int ARow);
  void EditCell(int ADisplCol, int ARow);
  using TBaseGrid::FocusCell;
  // Selection := the single cell.
  void FocusCell(int ADisplCol, int ARow) { SetSelection({ADisplCol, ARow, ADisplCol, ARow}); }
  void RepaintRect(const TRect& R);
  void RepaintRow(int ARow);
  void RepaintCol(int ACol);
  void SelectionToRowSelect(bool All);
  void SelectionToColSelect(bool All);
  TRowDisjunctSelectEvent OnRowDisjunctSelect;
  TRowDisjunctSelectedEvent OnRowDisjunctSelected;

  // ---- scrolling, zoom and the wheel ----
  void Zoom(int X);
  void UpdateVScrollProportional();
  void UpdateHScrollProportional();
  bool LastRowAboveSearchFooter();
  void ScrollLastRowAboveSearchFooter();
  void ScreenToCell(TPoint Pt, int& ACol, int& ARow) const;
  bool IsOnSizingBorder(int X, int Y) const;
  // Called after a wheel step with the rows the cursor moved.
  virtual void WheelRowsMoved(int Delta, bool& Handled) { (void)Delta; (void)Handled; }

  // ---- stretching and auto-sizing ----
  void StretchColumnToFit(int Index);
  void StretchRightColumn() { StretchColumnToFit(ColCount() - 1); }
  int CellHorzMargin() const;
  int CellVertMargin() const;
  void AutoSizeCells(bool DoFixedCells, int PaddingX, int PaddingY);
  void AutoSizeColumns(bool DoFixedCols, int Padding);
  void AutoSizeCol(int ADisplCol, int Padding);
  void AutoSizeRows(bool DoFixedRows, int Padding);
  void AutoSizeRow(int ARow, int Padding);
  // The bodies of AutoSizeCol and AutoSizeRow: the column fits its widest
  // cell among the rows ColumnSize.Rows names, the row its tallest cell;
  // with GrowOnly neither gets smaller. Padding is the height a cell graphic
  // leaves free.
  void SizeColToContents(int ADisplCol, bool GrowOnly);
  void MeasureRowHeight(int ARow, bool GrowOnly, int Padding);
  void AutoFitColumns(bool DoFixedCells);
  void SizeToCols();
  void SizeToRows();
  void SizeToCells();
  void SetRowHeightForLines(int ARow, int Lines, int Padding);
  int MaxRowLineCount(int ARow);
  bool SizeGrowOnly() const { return FSizeGrowOnly; }
  void SetSizeGrowOnly(bool Value) { FSizeGrowOnly = Value; }

  // ---- input events ----
  TCanClickCellEvent OnCanClickCell;

protected:
  // ---- editing (grid/editing/) ----
  friend class TExtInplaceEdit;
  friend class TGridCombo;
  // Empty: a descendant sees the text editor's keys before the editor does.
  virtual void InplaceKeyDown(uint16_t& Key, TShiftState Shift) { (void)Key, (void)Shift; }
  virtual void InplaceWMKeyDown(TMessage& Message) { (void)Message; }
  // The caller sets Allow first; OnRowChanging, OnColChanging, OnCellChanging may refuse.
  virtual void CanChangeCell(int ADisplCol, int ARow, bool& Allow);
  // The one way a special editor writes into its cell.
  virtual void StoreEditorValue(int ARealCol, int ARow, const std::string& Value);
  // Esc: the text the edit started with goes back.
  virtual void RestoreEditCell();
  virtual void DoGetEditorProp(int ARealCol, int ARow, TEditLink* AEditLink);
  // The column grid's shared check-box graphic is its own.
  virtual bool SharesCellGraphic(const TCellGraphic* Graphic) const { (void)Graphic; return false; }
  // Hooks left empty for descendants: the caret moved, formula typing.
  virtual void EditCaretMoved(const std::string& Text, int SelStart) { (void)Text; (void)SelStart; }
  virtual void EditFormulaMode(bool On) { (void)On; }
  // The notice of a refused entry (InvalidEntryTitle, InvalidEntryText).
  virtual void ShowInvalidEntryNotice();
  void ShowFocusWindow(const TRect& R);
  void HideFocusWindow();
  bool AllowsLineFeed() const { return WordWrap() || FMultilinecells; }
  // Tab from an editor: the grid's own Tab handling (with goTabs it moves to the next cell).
  void tabOn();
  // A left click on the cell, for a check box or button reached by Enter.
  void clickCellAt(int ADisplCol, int ARow);
  // Grow-while-typing: the column or row fits the edited text.
  virtual void SizeColumnWhileTyping(int ADisplCol);
  virtual void SizeRowWhileTyping(int ARow);

private:
  void setEditingOption(bool On);
  void switchEditingFor(int ADisplCol, int ARow, std::string& T);
  void refuseValue(int ARealCol, int ARow, const std::string& V, const std::string& NewValue);
  bool nextAdvanceCell(int& ADisplCol, int& ARow, bool Forward);
  void openClickableAfterAdvance(int OldCol, int OldRow);
  void showCombo(const TSpecialEditorFrame& F);
  void finishComboShow(TGridCombo* Combo);
  void postStartChar(TWinControl* Control);
  void finishCombo(int ARealCol, int ARow);
  void checkAddIndexes(int ARealCol, int ARow) const;
  TCellVAlign ControlVAlign() const;
  int firstCheckRow();
  TCellGraphic* checkGraphicOfRealRow(int ARealCol, int ARealRow, bool& Own);
  TCellGraphic* rowCheckGraphic(int ARow);
  bool clickRowCheckBox(TCellGraphic* G, int ARow);
  // Grouping.AutoCheckGroup: a node's click reaches its rows, a row's click its node.
  int checkGroupNode(int ARow);
  void checkGroup(int ARealCol, int ARow, int ANode, bool State);
  bool textChecked(int ARealCol, int ARealRow);
  void progressAdded(int ARealCol, int ARow);
  TCellGraphic* baseGraphicOf(int ARealCol, int ARow, TCellType Kind);
  TCellGraphic* buttonOf(int ADisplCol, int ARow);

protected:
  // ---- life cycle ----
  void Loaded() override;
  void CreateWnd() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

  // ---- painting (filled by the painting code) ----
  void Paint() override;
  void DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) override;

public:
  void Resize() override;
  void ChangeScale(int M, int D) override;
  void WndProc(TMessage& Message) override;
  void DrawCellContent(TCanvas* ACanvas, int ACol, int ARow, TRect ARect, TGridDrawState AState) override;
  void GetCellDefaults(int ACol, int ARow, TFont* AFont, TBrush* ABrush, TColor& ColorTo, TColor& MirrorColor,
                       TColor& MirrorColorTo, TAlignment& HA, TVAlignment& VA, bool& WW,
                       TCellGradientDirection& GD) override;
  void GetDisplText(int ACol, int ARow, std::string& Value) const override;

private:
  void hiddenRowDisplText(int ARealCol, int ARealRow, std::string& Value) const;
  void appendGroupCount(int ARow, std::string& Value);

public:
  void CellValueChanged(int ACol, int ARow) override;
  void LastRowChanged() override;
  // The outline indent of a row: its node level times CellNode.NodeIndent (ExtGridNodes.cpp).
  int GetRowIndent(int ARow) const override;
  bool HasNodes() const override { return FNumNodes > 0; }
  void GetVisualProperties(int ACol, int ARow, TGridDrawState& AState, bool Print, bool Select, bool Remap,
                           TBrush* ABrush, TColor& AColorTo, TColor& AMirrorColor, TColor& AMirrorColorTo,
                           TFont* AFont, TAlignment& HA, TVAlignment& VA, bool& WW,
                           TCellGradientDirection& GD) override;

  // ---- editing (filled by the editing code) ----
  bool CanEditShow() override;
  std::string GetEditText(int ACol, int ARow) override;
  void SetEditText(int ACol, int ARow, const std::string& Value) override;
  std::string GetEditMask(int ACol, int ARow) override;
  int GetEditLimit() override;

  // ---- input (filled by the input code) ----
  void DblClick() override;
  void CalcSizingState(int X, int Y, TGridState& State, int& Index, int& SizingPos, int& SizingOfs,
                       TGridDrawInfo& FixedInfo) override;

protected:
  TInplaceEdit* CreateEditor() override;
  bool SelectCell(int ACol, int ARow) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void DoEnter() override;
  void DoExit() override;
  void TopLeftChanged() override;
  void SizeChanged(int OldColCount, int OldRowCount) override;
  void ColumnMoved(int FromIndex, int ToIndex) override;
  void RowMoved(int FromIndex, int ToIndex) override;
  void ColWidthsChanged() override;
  void RowHeightsChanged() override;
  void WMKeyDown(TWMKey& Message) override;
  void WMKeyUp(TWMKey& Message) override;
  void WMChar(TWMKey& Message) override;
  void WMLButtonDown(TWMMouse& Message) override;
  void WMLButtonUp(TWMMouse& Message) override;
  void WMLButtonDblClk(TWMMouse& Message) override;
  void WMRButtonDown(TWMMouse& Message) override;
  void WMRButtonUp(TWMMouse& Message) override;
  void WMMouseWheel(TWMMouseWheel& Message) override;
  void WMSetFocus(TWMSetFocus& Message) override;
  void WMKillFocus(TWMKillFocus& Message) override;
  void WMSetCursor(TWMSetCursor& Message) override;
  void WMHScroll(TWMScroll& Message) override;
  void WMVScroll(TWMScroll& Message) override;
  void CMMouseLeave(TCMControlMsg& Message) override;
  void Dispatch(TMessage& Message) override;
  void CMCursorChanged(TMessage& Message) override;
  // The height of the search panel while it shows; 0 otherwise (ExtGridSearchFooter.cpp).
  virtual int SearchPanelHeight() const;

  // ---- window messages (ExtGridUpdate.cpp; the input code adds its own) ----
  void WMTimer(TWMTimer& Message) override;
  void WMSize(TWMSize& Message) override;

  // ---- hidden columns and rows ----
  int RealToDisplColumn(int ARealCol) const;
  int DisplToRealColumn(int ADisplCol) const;
  int RealToDisplRow(int ARealRow) const;
  int DisplToRealRow(int ARow) const;

  // ---- state shared by the features ----
  // counts and limits
  int FMaxRowCount = 0;
  int FMaxColCount = 0;
  int FFixedRowsMin = 1;
  int FFixedColsMin = 1;
  int FFixedRowHeight = 22;
  int FFixedFooters = 0;
  int FFixedRightCols = 0;
  bool FFixedAsButtons = false;
  int FMinRowHeight = 0;
  int FMaxRowHeight = 0;
  int FMinColWidth = 0;
  int FMaxColWidth = 0;
  bool FFixedRowAlways = false;
  bool FFixedColAlways = false;
  TAlignment FDefaultAlignment = taLeftJustify;
  bool FWordWrapEx = true;
  // hidden columns and rows
  std::vector<int> FHiddenCols;     // hidden real columns, ascending
  std::vector<int> FAllColWidths;   // saved widths by real column; beyond: 0
  int FNumHidden = 0;
  std::vector<TGridItem> FHiddenRows;  // ascending real row
  int FFilterLevel = 0;
  TGridRect FOldSelection;
  bool FSelHidden = false;
  int FNumNodes = 0;
  TIntList FIgnoreColumns{0, 0};
  bool FSaveFixedCells = true;
  bool FSaveFixedCols = false;
  bool FSaveFixedRows = false;
  int FLastReportedRow = -1;
  // update state
  int FUpdateCount = 0;
  int FOwnUpdates = 0;
  bool FUpdatePending = false;
  bool FLoaded = false;
  bool FEditChange = false;
  bool FEditDisable = false;
  bool FNilObjects = false;
  bool FDisableChange = false;
  bool FBlockCellChange = false;
  bool FClearTextOnly = false;
  bool FDestroyingGrid = false;
  bool FSelChange = false;
  int FTimerTicks = 0;
  std::string FSearchInc;
  int FSearchTics = 0;
  bool FGridBlink = false;
  bool FEnableBlink = false;
  // editing
  bool FEditing = false;
  bool FSpecialEditor = false;
  bool FEditActive = false;
  bool FEntered = false;
  char FStartEditChar = 0;
  std::string FCellCache;
  std::string FEditText;
  int FComboIdx = -1;
  TEditorType FDefaultEditor = edNormal;
  bool FNoEditChange = false;
  bool FShowEditProcess = false;
  bool FLastValidation = true;
  bool FBlockKill = false;
  int FMaxEditLength = 0;
  int FMaxComboLength = 0;
  std::string FEditMask;
  TEditLink* FEditLink = nullptr;
  int FOldCol = -1;
  int FOldRow = -1;
  std::string FOldCellText;
  // editing state of the editing code (grid/editing/)
  std::u16string FOldCellTextWide;
  bool FOldModifiedValue = false;
  std::string FNewCellText;
  bool FValidating = false;
  bool FModified = false;
  bool FAlwaysValidate = false;
  bool FEditWithTags = false;
  bool FLookup = false;
  bool FLookupCaseSensitive = false;
  bool FLookupHistory = false;
  std::string FValidChars;
  TValidCharSet FValidCharSet;
  bool FNoAutoAdvance = false;
  int FAECol = 0;
  int FAERow = 0;
  int FOldRowSel = -1;
  // A second editor-property hook, for a grid embedded in a drop-down.
  std::function<void(int ARealCol, int ARow)> FInternalGetEditorProp;
  TImageList* FGridImages = nullptr;
  TPictureContainer* FPictureContainer = nullptr;
  char FPasswordChar = '*';
  std::string FCheckTrue = "Y";
  std::string FCheckFalse = "N";
  std::string FFloatFormat = "%.2f";
  // look
  TGridLook FLook = glXP;
  TQGSStyle FStyle = tsWindowsXP;
  TColor FBorderColor;
  bool FActiveCellShow = false;
  TColor FActiveCellColor;
  TColor FActiveCellColorTo = clNone;
  TFont FActiveCellFont;
  TFont FFixedFont;
  TColor FSelectionColor;
  TColor FSelectionColorTo = clNone;
  TColor FSelectionMirrorColor = clNone;
  TColor FSelectionMirrorColorTo = clNone;
  bool FSelectionColorMixer = false;
  int FSelectionColorMixerFactor = 50;
  TColor FSelectionTextColor = clBlack;
  bool FSelectionRTFKeep = false;
  TColor FSelectionRectangleColor = clBlack;
  bool FSelectionRectangle = false;
  bool FSelectionResizer = false;
  bool FShowSelection = true;
  bool FHideFocusRect = false;
  bool FShowDesignHelper = true;
  TColor FHighlightColor = clHighlight;
  TColor FHighlightTextColor = clHighlightText;
  bool FHovering = false;
  TColor FHintColor = clInfoBk;
  TColor FURLColor;
  TColor FDisabledFontColor;
  TPoint FXYOffset{2, 2};
  TVAlignment FVAlignment = vtaTop;
  bool FAutoSize = false;
  bool FFlat = false;
  bool FSpreadSheet = false;
  bool FAutoThemeAdapt = false;
  bool FAutoNumAlign = false;
  bool FAutoFilterUpdate = true;
  bool FEnableHTML = true;
  bool FEnableWheel = true;
  bool FEnhRowColMove = true;
  bool FIntelliZoom = true;
  bool FIntegralHeight = false;
  THoverFixedCells FHoverFixedCells = hfNone;
  THintShowLargeTextPos FHintShowLargeTextPos = hpCell;
  bool FUseInternalHintClass = true;
  bool FUseHTMLHints = false;
  TInvalidEntryIcon FInvalidEntryIcon = ieWarning;
  std::string FInvalidEntryTitle;
  std::string FInvalidEntryText;
  std::string FFilterDropDownClear = "(All)";
  TFilterDropDownColumns FFilterDropDownColumns = fdNormal;
  bool FFilterNormalCellsOnly = true;
  bool FShowNullDates = true;
  TScrollType FScrollType = ssNormal;
  TColor FScrollColor = clNone;
  int FScrollWidth = 0;
  TScrollBarAlways FScrollBarAlways = saNone;
  bool FScrollProportional = false;
  bool FScrollSynch = false;
  TScrollHintType FScrollHints = shNone;
  int FZoomFactor = 0;
  bool FUsesAppStyles = false;
  // The faces of fixed cells, written by looks, styles and the control look.
  TFixedFaceColors FFixedFaces;
  TColorTones FTones{};
  // The in-place editors made so far take the colour tones (once tones are given).
  void toneEditors();
  std::string FXMLEncoding = "ISO-8859-1";
  // platform facts found at construction
  bool FIsWinXP = true;
  bool FIsWinVista = true;
  bool FIsWin7 = true;
  bool FIsComCtl6 = true;
  // window set-up (CreateWnd)
  UINT FWheelMsg = 0;
  int FWheelScrl = 3;
  uintptr_t FGridTimerID = 0;
  // form resize chaining
  TCustomForm* FResizeForm = nullptr;
  int FResizeSubscription = -1;
  bool FSizeWithForm = false;
  int PrevSizeX = 0;
  int PrevSizeY = 0;
  TCursor FOldCursor = crDefault;
  int FOldGridWidth = -1;
  // cells
  int FNumCellControls = 0;

  // ---- input state ----
  TGridRect FMoveSelection;         // the selection when the current key arrived
  TGridRect FMouseDownSelection;    // the selection at the last press
  TSelectedCellList FPickedCells;   // the disjunct cells
  std::vector<uint8_t> FRowSelectFlags;
  std::vector<uint8_t> FColSelectFlags;
  std::vector<int> FPickedRows;
  std::vector<uint8_t> FModifiedFlags;
  std::vector<uint8_t> FDisabledFlags;
  bool FUseEnabledRows = false;
  bool FGridModified = false;
  bool FLastKeyWasDecimal = false;
  bool FExcelStyleDecimalSeparator = false;
  bool FExcelClipboardFormat = false;
  bool FMultilinecells = false;
  bool FXYOffsetTopLeftOnly = false;
  bool FURLShow = false;
  bool FURLEdit = false;
  bool FSizeGrowOnly = false;
  int FLastTabCol = -1;
  int FLastTabRow = -1;
  bool FForceSel = false;
  bool FBlockFocus = false;
  bool InvokedFocusChange = false;
  bool FCellSelectorMode = false;
  bool FEditStart = false;
  TMouseSelectMode FMouseSelectMode = msNormal;
  bool FDoOnClick = false;
  bool FMouseDownMove = false;
  bool FMouseKeepDown = false;
  bool FMouseDown = false;
  bool FDeselectState = false;
  bool FSelectionClick = false;
  bool FDblClk = false;
  bool FLinkCursorShown = false;
  bool FCursorOverride = false;
  bool FThumbPending = false;
  bool FSizeFixed = false;
  bool FSizeFixedR = false;
  bool FSizingFixed = false;
  bool FSizingFixedR = false;
  int FSizeFixedX = 0;
  int FSizeFixedY = 0;
  int FSizingFixedCol = -1;
  int FSizingFixedRow = -1;
  int Colclicked = -1;
  int Rowclicked = -1;
  int Colclickedsize = 0;
  int Rowclickedsize = 0;
  int Clickposx = 0;
  int Clickposy = 0;
  int Clickposdx = 0;
  int Clickposdy = 0;
  int Movecell = -1;
  int MoveOfsX = 0;
  int MoveOfsY = 0;
  int FMouseSelectStart = -1;
  int FOldTopRow = 0;
  int FOldKeepLeftCol = 0;
  bool ColMoveFlg = false;
  bool ColSizeFlg = false;
  bool ColchgFlg = false;
  bool ColSized = false;
  bool Rowsized = false;
  bool FIsColChanging = false;
  bool FSyncedMove = false;        // this grid is moving a column or row for its synchronised grid
  std::string FScrollHintText;
  THTMLHintWindow* FScrollHintWnd = nullptr;  // owned by the grid as a component
  bool FScrollHintShow = false;
  bool FHintShowSizing = false;
  bool FURLUnderlineOnHover = false;
  TPoint FHoverCell{-1, -1};
  int FHoverlink = -1;
  bool FIsFlat = false;
  TWinControl* FScrollBar = nullptr;  // a TScrollBar, owned by the grid as a component
  int FScrollCol = -1, FScrollRow = -1;
  TPopupMenu* FFixedDropDownMenu = nullptr;
  bool FNoMouseLeave = false;
  bool FDropDownDown = false;
  void showScrollHint(const std::string& Text, TPoint ScreenPos, int MaxWidth);
  void hideScrollHint();
  void sizingHint(int X, int Y);
  void scrollCellHover(int ACol, int ARow);
  void cellScrollBarScrolled(int Code, int& Pos);
  void keepCellScrollBarOnItsCell();
  void refreshCellControl(TControl* Control);
  bool fixedDropDownPress(int X, int ACol, int ARow);
  void filterRowRelease(int X, int Y);
  void trackHoverLink(int ACol, int ARow, int HoverAnchor);
  TPoint sizeLineExtent();
  void invalidateSizeLine(int Pos, bool Vertical);
  void drawSizeLine(TPoint From, TPoint To);

protected:
  // The dotted XOR line of a fixed column (row) border being dragged.
  void DrawColSizeLine(int X);
  void DrawRowSizeLine(int Y);

private:
  TExtentTotals FColTotals;         // widths with lines, summed once per change
  TExtentTotals FRowTotals;

  // ---- owned sub-objects ----
  std::unique_ptr<TFont> FCellFont;
  TFocusHelper FFocusHelper{this};
  std::unique_ptr<TSearchFooter> FSearchFooter;
  TFloatingFooter FFloatingFooter;
  TPrintSettings FPrintSettings{this};
  THTMLSettings FHTMLSettings;
  TSortSettings FSortSettings{this};
  TDragDropSettings FDragDropSettings;
  TDragScrollOptions FDragScrollOptions;
  TControlLook FControlLook{this, &FFixedFaces};
  TNavigation FNavigation;
  TColumnSize FColumnSize;
  TCellNode FCellNode{this};
  TBands FBands;
  TSizeWhileTyping FSizeWhileTyping;
  TMouseActions FMouseActions{this};
  TGrouping FGrouping;
  TStringList FColumnHeaders;
  TStringList FRowHeaders;
  TStringList FSortList;
  TStringList FLookupItems;
  TSortIndexList FSortIndexes;
  TIntList FSortRowXRef{0, 0};
  TIntList FUnSortRowXRef{0, 0};
  TIntList FMergedColumns{0, 0};
  TBitmap FRowIndicator;
  TBackGround FBackGround;
  TControlList FControlList;
  TGridProgressAppearance FProgressAppearance;
  TSyncGrid FSyncGrid{this};
  TFilter FFilter{this};
  TList FNotifiers;
  TIntList FColumnOrder{0, 0};
  TIntList FOrigColSizes{0, 0};
  TCellGraphic FSharedCellGraphic;
  TFilterDropDown FFilterDropDown;
  TStringList FFilterValues;
  TBalloonSettings FBalloon;
  TShowModified FShowModified;
  TExtStringGridCheck* FCellChecker = nullptr;
  // child controls made by their features (owned through the component tree)
  TFooterPanel* FooterPanel = nullptr;
  TSearchPanel* SearchPanel = nullptr;
  TGridFocusWindow* FFocusWindow = nullptr;
  TScrollControl* FScrollControlV = nullptr;
  TScrollControl* FScrollControlH = nullptr;

public:
  // =========================================================================
  // Painting: colour decision, fixed faces, cell text and cell graphics
  // (grid/output). Fixed faces take the style-interface colours that looks,
  // styles and the control look write.
  // =========================================================================
  TColor QGSGradientFrom() const { return FFixedFaces.From; }
  void SetQGSGradientFrom(TColor Value) { setFace(&TFixedFaceColors::From, Value); }
  TColor QGSGradientTo() const { return FFixedFaces.To; }
  void SetQGSGradientTo(TColor Value) { setFace(&TFixedFaceColors::To, Value); }
  TColor QGSGradientMirrorFrom() const { return FFixedFaces.MirrorFrom; }
  void SetQGSGradientMirrorFrom(TColor Value) { setFace(&TFixedFaceColors::MirrorFrom, Value); }
  TColor QGSGradientMirrorTo() const { return FFixedFaces.MirrorTo; }
  void SetQGSGradientMirrorTo(TColor Value) { setFace(&TFixedFaceColors::MirrorTo, Value); }
  // The faces of a hovered and of a pressed fixed cell.
  TColor QGSGradientHoverFrom() const { return FFixedFaces.HoverFrom; }
  void SetQGSGradientHoverFrom(TColor Value) { setFace(&TFixedFaceColors::HoverFrom, Value); }
  TColor QGSGradientHoverTo() const { return FFixedFaces.HoverTo; }
  void SetQGSGradientHoverTo(TColor Value) { setFace(&TFixedFaceColors::HoverTo, Value); }
  TColor QGSGradientHoverMirrorFrom() const { return FFixedFaces.HoverMirrorFrom; }
  void SetQGSGradientHoverMirrorFrom(TColor Value) { setFace(&TFixedFaceColors::HoverMirrorFrom, Value); }
  TColor QGSGradientHoverMirrorTo() const { return FFixedFaces.HoverMirrorTo; }
  void SetQGSGradientHoverMirrorTo(TColor Value) { setFace(&TFixedFaceColors::HoverMirrorTo, Value); }
  TColor QGSGradientHoverBorder() const { return FFixedFaces.HoverBorder; }
  void SetQGSGradientHoverBorder(TColor Value) { setFace(&TFixedFaceColors::HoverBorder, Value); }
  TColor QGSGradientDownFrom() const { return FFixedFaces.DownFrom; }
  void SetQGSGradientDownFrom(TColor Value) { setFace(&TFixedFaceColors::DownFrom, Value); }
  TColor QGSGradientDownTo() const { return FFixedFaces.DownTo; }
  void SetQGSGradientDownTo(TColor Value) { setFace(&TFixedFaceColors::DownTo, Value); }
  TColor QGSGradientDownMirrorFrom() const { return FFixedFaces.DownMirrorFrom; }
  void SetQGSGradientDownMirrorFrom(TColor Value) { setFace(&TFixedFaceColors::DownMirrorFrom, Value); }
  TColor QGSGradientDownMirrorTo() const { return FFixedFaces.DownMirrorTo; }
  void SetQGSGradientDownMirrorTo(TColor Value) { setFace(&TFixedFaceColors::DownMirrorTo, Value); }
  TColor QGSGradientDownBorder() const { return FFixedFaces.DownBorder; }
  void SetQGSGradientDownBorder(TColor Value) { setFace(&TFixedFaceColors::DownBorder, Value); }
  TFixedFaceColors& FixedFaces() { return FFixedFaces; }
  bool URLFull() const { return FURLFull; }
  void SetURLFull(bool Value) {
    FURLFull = Value;
    Invalidate();
  }
  bool EnhTextSize() const { return FEnhTextSize; }
  void SetEnhTextSize(bool Value) {
    FEnhTextSize = Value;
    Invalidate();
  }
  bool NoDefaultDraw = false;
  bool NoImageAndText = false;
  bool UseDisabledFont = true;
  // True where the theme painter draws (the project's own, always present).
  bool IsThemed() const { return FIsComCtl6; }
  bool ThemesActive() const;
  // The font of a cell for measuring: the grid or fixed font, the cell's
  // properties, then the colour hook.
  void GetFontProperties(int ADisplCol, int ARealCol, int ARow, TGridDrawState& AState, TFont* AFont,
                         TBrush* ABrush);
  void DrawCheckBox(TCanvas* ACanvas, const TRect& R, bool Checked, bool Enabled, bool Grayed,
                    TCellControlStyle Style);
  TCellGraphicLayout GetCellGraphicLayout(int ARealCol, int ARow);
  // The alignment a cell's text is drawn, printed and exported with: the
  // defaults, numbers to the right with AutoNumAlign, the cell's own
  // alignment, then the GetCellAlign hook.
  void GetCellAlignment(int ARealCol, int ARow, TAlignment& HAlign, TVAlignment& VAlign);
  // The size of a cell's text as drawn (real column); WrapToCell wraps it
  // to the cell's width, ButtonRoom leaves room for an editor button.
  void GetCellTextSize(int ARealCol, int ARow, bool WrapToCell, bool ButtonRoom, TPoint& Size);

protected:
  void CalcCellTextSize(int ARealCol, int ADisplCol, int ARow, bool WrapToCell, bool ButtonRoom, TPoint& Size);

public:
  // The selection colour over a coloured cell, blended with SelectionColorMixer.
  TColor MixSelectionColor(TColor Cell) const;
  TCustomCellDrawEvent OnCustomCellDraw;
  TCustomCellDrawEvent OnCustomCellBkgDraw;
  TGridGradientEvent OnGetCellGradient;
  TGridBorderPropEvent OnGetCellBorderProp;
  TNotifyEvent OnPainted;
  // Whether a hovered header offers its drop-down button (True comes in).
  std::function<void(TObject* Sender, int ACol, bool& CanShow)> OnCanShowFixedDropDown;

  // The header cell that shows the sort indicator (a merged cell by its
  // bottom row), and whether this column's indicator shows there.
  bool IsSortIndicatorCell(int ACol, int ARow);
  // The headers of the cell left and of the cell reached: its cell in the last
  // fixed row and in the last fixed column (the active-cell highlight).
  void RepaintHeaderCells(int OldCol, int OldRow, int NewCol, int NewRow);
  bool ShowsSortIndicator(int ARealCol, int ARow, int ADisplCol);
  // The width and height of a cell graphic of the kinds that have a size.
  TPoint CellGraphicExtent(const TCellGraphic& G, int ARealCol, int ARow);
  TPoint radioGroupExtent(const TCellGraphic& G, int ARealCol, int ARow);

  // The background picture or gradient (ExtGridBackground.cpp): inside a
  // cell's rectangle and in the empty area after the last column and row.
  void DrawCellBackgroundAt(TCanvas* ACanvas, const TRect& R);
  void DrawCellBackgroundTiled(TCanvas* ACanvas, const TRect& R, int ADisplCol, int ARow);
  void DrawCellBackgroundGradient(TCanvas* ACanvas, const TRect& R);
  void DrawEmptyAreaBackground(TCanvas* ACanvas);
  void DrawBackgroundPictureAt(TCanvas* ACanvas, const TRect& R);
  void DrawBackgroundPictureTiled(TCanvas* ACanvas, const TRect& R);

  // The window border of the modern looks (ExtGridBorder.cpp), in window
  // coordinates; FitCellsInGrid draws it one pixel in, framed in the
  // parent's colour.
  void DrawNCBorder(TCanvas* ACanvas);
  // The thin scroll indicators of ssMetro (grid/output/ScrollControl.cpp).
  TScrollControl* ScrollControl(bool Vertical) const { return Vertical ? FScrollControlV : FScrollControlH; }
  void UpdateScrollControls();
  // The two thin indicators of the metro scroll type, each made only when missing.
  void CreateMetroScrollControls();
  bool FitCellsInGrid = false;
  // Cell balloons (ExtGridBalloons.cpp): the tooltip is made once while
  // balloons are on; BalloonNeedText answers its text request.
  void BalloonInit();
  void BalloonDone();
  TBalloonTooltip* BalloonTooltip() const { return FBalloonTooltip; }
  void BalloonNeedText(std::string& Text);
  std::function<void(TObject* Sender, int ACol, int ARow, std::string& ATitle, std::string& AText, int& AIcon)>
      OnCellBalloon;
  // The design-time panel (ExtGridDesignHelper.cpp): the item at a client
  // point (1 edit, 2 column numbers, 3 look, 4 close, -1 none).
  int DesignHelperHitTest(int X, int Y);
  bool ShowColumnNumbers() const { return FShowColumnNumbers; }

protected:
  virtual void DesignHelperClick(int X, int Y);
  virtual void PaintDesignHelper();
  // Cell text and row hooks (ExtGridTextHooks.cpp).
  virtual void GetCellRawText(int ACol, int ARow, std::string& Text);
  virtual void GetCellExportText(int ACol, int ARow, std::string& Text);
  virtual void SetCellImportText(int ACol, int ARow, const std::string& Text);
  virtual void DoSelectionChanged(int ALeft, int ATop, int ARight, int ABottom);
  virtual void EditorCaretChanged(const std::string& Text, TPoint CaretPoint, int CaretIndex);
  virtual void DoAutoInsertRow(int ARow);
  virtual void DoAutoDeleteRow(int ARow);
  virtual void DoFixedEdit(int ACol, int ARow, TGridFixedCellEditor& AEditor, TStrings* Values);
  // Painting's share of the window procedure; true when it is handled.
  bool PaintingMessage(TMessage& Message);
  void WMNCPaint(TWMNCPaint& Message) override;
  void DrawCellBorders(TCanvas* ACanvas, int ARealCol, int ARow, TRect R);
  void DrawSortIndicator(TCanvas* ACanvas, int ACol, int X, int Y);
  // Renders the rich text of a cell into Rect (pixels of ACanvas), inside
  // the cell's inner margin; a selected cell on screen shows it in the
  // selection text colour unless SelectionRTFKeep.
  void DrawRichTextCell(int ACol, int ARow, TCanvas* ACanvas, const TRect& Rect);
  bool RichCellSelected(int ACol, int ARow);
  // Pixels of ACanvas; Selected colours the text with SelectionTextColor.
  void renderRichText(int ACol, int ARow, TCanvas* ACanvas, const TRect& Rect, bool Selected);
  TPoint RotatedTextOrigin(TCanvas* ACanvas, TRect R, int Angle, const std::string& Text, TAlignment HA,
                           TVAlignment VA);

private:
  void applyPlainLook(TGridLook Value, bool Loading);
  void applyStyleRow(const TGridStyleColors& S);
  void applyStyleFooter(const TGridStyleColors& S);
  void copyFacesToLook();
  void applyVistaHeaders(TGridSelectionStyle Selection);
  void applyVistaFaces();
  void applyWin7Faces();
  void applyOffice2010Faces(const TGridStyleColors& S);
  TOfficeTheme FOfficeTheme = otUnknown;
  bool DesignHelperShown() const;
  void DesignHelperHover(int X, int Y);
  void chooseLook(int X, int Y);
  void exportCheckText(int ACol, int ARow, std::string& Text);
  bool FSelectionChangedFlag = false;
  void BalloonEnableChanged();
  void BalloonMouseMove(int X, int Y);
  TBalloonTooltip* FBalloonTooltip = nullptr;
  bool FBalloonInitialised = false;
  TPoint FBalloonCell{-1, -1};
  int FDesignHelperItem = -1;
  bool FShowColumnNumbers = false;

  struct TCellPaint;
  bool BackgroundCovers(bool Fixed) const;
  void paintColumnNumber(TCellPaint& P);
  void paintCellBackground(TCellPaint& P, const TRect& T);
  void paintEmptyArea(TCanvas* ACanvas, const TRect& Client, bool Gradient);
  void paintFixedFace(TCellPaint& P);
  void paintLookEdges(TCellPaint& P);
  void paintEditorButtons(TCellPaint& P);
  void DrawDefaultCellContent(TCellPaint& P);
  void paintSelectionRectangle(TCellPaint& P);
  // The row whose flags decide a cell's disjunct selection and disabled look.
  int selectionRow(int ARow);
  // The disjunct row, column and cell selections of a cell being painted.
  void applyDisjunctSelection(int ACol, int ARow, bool FixedLook, bool Select, TGridDrawState& AState,
                              TBrush* ABrush, TColor& AColorTo, TColor& AMirrorColor, TColor& AMirrorColorTo,
                              TFont* AFont, TColor KeptBrush, TColor KeptFont);
  void takeSelectionColors(TGridDrawState& AState, TColor& AColorTo, TColor& AMirrorColor, TColor& AMirrorColorTo,
                           TFont* AFont);
  void paintFilterButton(TCellPaint& P, const TRect& T);
  void paintPlainText(TCellPaint& P, std::string& Text, TRect T, TColor URLColour, int SortOffset);
  void paintErrorMarker(TCellPaint& P, const std::string& Text, const TRect& T, uint32_t Flags, int ErrPos,
                        int ErrLen);
  static int SortIndicatorY(const TRect& T, TVAlignment VA);
  // The cell's graphic in R (the cell rectangle), placed by P's alignment and text width.
  void DrawCellGraphic(TCellPaint& P, TRect R);
  void paintCheckGraphic(TCellPaint& P, const TRect& R);
  void paintRadioGroupGraphic(TCellPaint& P, const TRect& R);
  void paintPictureGraphic(TCellPaint& P, const TRect& R, const TRect& Box);
  void paintRotatedGraphic(TCellPaint& P, const TRect& R, const TRect& Box);
  void paintNodeGraphic(TCellPaint& P, const TRect& R);
  void paintButtonGraphic(TCellPaint& P, const TRect& R, TRect Box);
  uint8_t CellButtonStyle() const;
  void paintIndicatorGraphic(TCellPaint& P, TRect R, const TRect& Box);
  TLevelProgressAppearance LevelProgressLook(TFont* AFont, TColor CellBrush);
  void paintCommentMark(TCellPaint& P, const TRect& R);
  void paintRating(TCellPaint& P, const TRect& Box);
  void paintHoveredFixedFace(TCellPaint& P);
  void paintRowMarks(TCellPaint& P);
  void paintListViewFace(TCellPaint& P);
  void paintRightFixedLines(TCellPaint& P);
  void paintTreeLines(TCellPaint& P);
  void paintCellScrollBar(TCellPaint& P);
  void hideFocusRect();
  void frameEditedCell();
  virtual bool CanShowFixedDropDown(int ARealCol);
  // The fixed cell under the mouse that shows the hover face (-1: none).
  void trackHoverFixedCell(int ACol, int ARow);
  int FHoverFixedX = -1;
  int FHoverFixedY = -1;
  uint32_t PlainTextFlags(std::string& Text, bool WordWrap, TAlignment HA, TVAlignment VA) const;
  void setFace(TColor TFixedFaceColors::*Field, TColor Value);
  bool FURLFull = false;
  bool FEnhTextSize = false;

public:
private:
  // ---- input helpers ----
  void fireKeyDown(uint16_t Key);
  void addOption(TGridOption Option);
  void removeOption(TGridOption Option);
  int lastNormalRow() const;
  void keyDownAfter(uint16_t Key);
  bool cellControlKey(uint16_t Key);
  // With ShowModified a row whose check box or radio the user set is marked.
  void rowModifiedByControl(int ARow);
  void nodeKey(uint16_t Key);
  bool searchFooterAtEnd();
  bool searchFooterEndKey(uint16_t Key, TWMKey& Message, bool& Locked);
  void notifySelectionMoved();
  void scrollOnly(uint16_t Key);
  bool cellHoldsControls(int ADisplCol, int ARow);
  bool homeEndKey(uint16_t Key, TWMKey& Message);
  void rowSelectTo(int OldRow, int Target, bool Shift);
  void restoreLeftCol(int OldLeftCol);
  bool rowSelectScroll(uint16_t Key, TWMKey& Message);
  bool skipFixedCells(uint16_t Key);
  void insertRowByKey();
  void deleteRowByKey();
  void selectAllByKey();
  void moveSelectedRows(bool Down);
  void wrapCursor(uint16_t Key, TGridCoord Last);
  void skipDisabledRow(uint16_t Key);
  bool tabStop(int ADisplCol, int ARow);
  bool nextTabStop(bool Backward, TGridCoord& Cell, bool& Wrapped);
  void moveTabCursor(TGridCoord To);
  bool appendRowByTab();
  bool handOffTab();
  void checkRowIndex(int ARow) const;
  void checkColIndex(int ACol) const;
  int searchPanelHeight() const { return SearchPanelHeight(); }
  bool pickCellsByMouse(int ADisplCol, int ARow, TShiftState Shift);
  void pickCellsByKey(uint16_t Key, TShiftState Shift, const TGridRect& Before);
  void addSelectionToPicks(TGridCoord Base);
  void repaintPickedCells();
  void rememberPressBorders(int X, int Y, int ACol, int ARow);
  void ordinaryPress(TWMMouse& Message, int ARow);
  void endSelecting();
  void directEdit(int ACol, int ARow, bool ComboHit);
  void selectByFixedCells(int ACol, int ARow, TShiftState Shift);
  bool clickLink(int X, int Y, int ACol, int ARow, int PRow, int PCol);
  bool startFixedSizing(int X, int Y);
  int fixedBorderAt(int Pos, bool Cols) const;
  int fixedStart(int Index, bool Cols) const;
  void endFixedSizing(int X, int Y);
  void headerRelease(int X, int Y, int ACol, int ARow);
  bool onSizingLine(int X, int Y);
  void followSyncGrid();
  void hoverRow(int ARow);
  void dragFixedPick(int ACol, int ARow, int Y);
  void trackFixedBorders(int X, int Y, bool Valid);
  bool armPressMode(int X, int Y, int ACol, int ARow);
  void fireSizing(int X, int Y);
  bool dblClickSize(int X, int ACol, int ARow);
  void rightClickSelect(int X, int Y, int ACol, int ARow);
  bool currentCellVisible() const;
  bool alwaysEditOnFocus(const TWMSetFocus& Message, int ARealCol);
  void repaintMergedCurrent();
  void showCursor(TWMSetCursor& Message, TCursor Shape);
  int wheelStep(bool Down);
  void ensureExtentTotals();
  void thumbsChanged();
  void applyThumb(int Bar, const TProportionalThumb& T);
  void scrollHint(bool Horz, int Pos);
  void stretchQuietly();
  TPoint cellTextExtent(int ADisplCol, int ARow, bool WrapToCell);
  // The room a cell takes in its column when auto-sizing (0 when merged
  // across columns), and the column's width set from the widest.
  void autoSizeRowRange(int& From, int& To) const;
  int autoColCellWidth(int ADisplCol, int ARealCol, int ARow);
  int autoRowCellHeight(int ADisplCol, int ARealCol, int ARow, int Padding);
  void fitAutoColWidth(int ADisplCol, int Widest, bool GrowOnly);
  void padColWidth(int ADisplCol, int Padding);
  void reshowEditorAtEnd();
  std::string richPlainText(const std::string& Rtf);
  void measureRichText(const std::string& Rtf, const TRect& R, bool WrapToCell, TPoint& Size);
  void constructDefaults();
  void wireSubObjects();
  void chainFormResize();
  void unchainFormResize();
  void repaintUnlessUpdating();
  // The size handler's steps: the search panel realigned, the recorded
  // widths scaled, and the stretch (true when it took the resize).
  void realignSearchPanel();
  void scaleColumnsWithGrid(int ClientWidth);
  bool stretchOnSize();
  void showScrollBarsOnSize();
  bool FDisableSize = false;
  void ensureColumnMaps(int ARealCol);
  int hiddenRowsBefore(int ARealRow) const;
  void hideRealRows(std::vector<int> RealRows, THiddenRowKind Kind, int Level);
  void hidePickedRows(bool Picked);
  template <typename Pred>
  void unhideRowsWhere(Pred Take);
  void restoreRows(std::vector<TGridItem> Items);

public:
  // =========================================================================
  // Input: presses on cell objects (ExtGridCellPress.cpp) and the selection
  // resizer (ExtGridSelectionResizer.cpp)
  // =========================================================================
  // Chooses the option of a radio-group cell under the point (offsets from the cell's top-left).
  void ClickRadioGroup(int ARealCol, int ARow, int XOfs, int YOfs);
  // The cell whose button is under the pointer, (-1, -1) when none: the painter draws it hot.
  TPoint HoverButtonCell() const { return FHoverButton; }
  // The cell whose button is held down, (-1, -1) when none.
  TPoint PushedCellButton() const { return FPushedCellButton; }
  TRect SelectionResizerRect();
  TRadioClickEvent OnRadioClick;
  TRadioButtonClickEvent OnRadioButtonClick;
  TSelectionResizeEvent OnSelectionResize;
  TSelectionResizeEvent OnSelectionResized;

  // Header-cell editing (ExtGridHeaderEdit.cpp): MouseActions.FixedRowsEdit
  // and FixedColsEdit say which click opens the editor over a fixed cell.
  void StartEditOnClick(int ADisplCol, int ARow);
  bool HeaderEditing() const;
  // The change handler of both header editors: OnEditChange with the header cell.
  void FixedCellEditChange(TObject* Sender);

  // Cell hints (ExtGridCellHint.cpp): the hint of the cell under the pointer.
  void GetCellHint(std::string& HintStr, THintInfo& HintInfo);
  bool AnchorHint() const { return FAnchorHint; }
  void SetAnchorHint(bool Value) { FAnchorHint = Value; }
  // Every normal cell hints its text.
  bool HintShowCells() const { return FHintShowCells; }
  void SetHintShowCells(bool Value) { FHintShowCells = Value; }
  // A text that does not fit its cell is hinted.
  bool HintShowLargeText() const { return FHintShowLargeText; }
  void SetHintShowLargeText(bool Value) { FHintShowLargeText = Value; }
  // Cell texts are hinted with their HTML tags (for the HTML hint window).
  bool HTMLHint() const { return FHTMLHint; }
  void SetHTMLHint(bool Value) { FHTMLHint = Value; }

protected:
  void CMHintShow(TCMHintShow& Message) override;

private:
  void cellHint(std::string& HintStr, THintInfo& HintInfo, int ACol, int ARow, TPoint& Pos);
  void cancelCellHint(int ACol, int ARow);
  bool FAnchorHint = false;
  bool FHintShowCells = false;
  bool FHintShowLargeText = false;
  bool FHTMLHint = false;
  TPoint FLastHintPos{-1, -1};
  THTMLHintResources FHintResources;
  bool editHeaderByPress(TMouseButton Button, int X, int Y, int ACol, int ARow);
  int FFixedColEdit = -1;
  int FFixedRowEdit = -1;
  bool pressCellObject(int X, int Y, int ACol, int ARow);
  bool pressCellButton(int X, int Y, int ACol, int ARow);
  void pressFixedAsButton(int X, int ACol, int ARow, bool Fixed);
  void paintPushedFixedCell(TCellPaint& P);
  void releaseCellButton(int X, int Y, int ACol, int ARow);
  bool onCellButton(int X, int Y, int ACol, int ARow);
  void hoverCellButton(int X, int Y, int ACol, int ARow);
  bool onSelectionResizer(int X, int Y);
  void startSelectionResize(int X, int Y);
  void endSelectionResize();
  TPoint FHoverButton{-1, -1};
  TPoint FPushedCellButton{-1, -1};
  bool FFixedCellPushed = false;  // FPushedCellButton is a fixed cell held down as a button
  TRect FPushedFixedCell;
  TGridRect FDropSelection;
  bool FMouseResize = false;

public:
  // =========================================================================
  // Input: releases over check boxes and radios (ExtGridMouse.cpp), row and
  // column move feedback and drag auto-scroll (ExtGridMoveFeedback.cpp,
  // ExtGridDragScroll.cpp), wheel-click panning (ExtGridPanning.cpp), HTML
  // anchors (ExtGridAnchors.cpp), the clipboard keys (ExtGridKeyboard.cpp)
  // and the selection listener
  // =========================================================================
  TCheckBoxMouseUpEvent OnCheckBoxMouseUp;
  TRadioMouseUpEvent OnRadioMouseUp;

  // Colour of the four arrows that mark the drop position of a move.
  TColor ArrowColor() const { return FArrowColor; }
  void SetArrowColor(TColor Value);
  // Where the drop arrows of a running move stand; 0 when none.
  int MoveColInd() const { return FMoveColInd; }
  int MoveRowInd() const { return FMoveRowInd; }
  // The arrows and the floating header button of a move; none before the first move.
  TArrowWindow* MoveArrow(TArrowDirection Direction) const;
  THeaderDragButton* HeaderDragButton() const { return FMoveButton; }
  TColumnSizeEvent OnColumnMove;
  TColumnSizeEvent OnColumnMoving;
  TRowSizeEvent OnRowMove;
  TRowSizeEvent OnRowMoving;

  // Auto-scroll while something is dragged over the grid: the pointer in a
  // margin scrolls one row or column per tick (after InitialDelay, then every
  // RepeatDelay). The timer belongs to the grid.
  void DragOver(int X, int Y, TDragState State);
  bool DragScrolling() const { return FDragTmr && FDragTmr->Enabled(); }
  TDragScrollEvent OnDragScroll;

  // Wheel-click panning: a middle press starts it, any press or key ends it.
  bool WheelPanning() const { return FWheelPan; }
  TIntelliPan IntelliPan() const { return FIntelliPan; }
  void SetIntelliPan(TIntelliPan Value) { FIntelliPan = Value; }

  // One selection listener, told of every cell the grid selects.
  void RegisterSelListener(ITExtStringGridSelect* AListener) { FISelect = AListener; }
  // Clears the listener only when it is the one given.
  void UnRegisterSelListener(ITExtStringGridSelect* AListener) {
    if (FISelect == AListener) FISelect = nullptr;
  }
  ITExtStringGridSelect* SelListener() const { return FISelect; }

private:
  bool enhancedMoving() const;
  void moveFeedback(int X, int Y, int ACol, int ARow);
  void placeColArrows(int ACol);
  void placeRowArrows(int ARow);
  void edgeScrollWhileMoving(int X, int Y);
  bool endEnhancedMove(int ACol, int ARow);
  void cancelEnhancedMove();
  void hideMoveArrows();
  void ensureMoveControls();
  void dragScrollTick(TObject* Sender);
  void stopDragScroll();
  bool wheelPanMessage(TMessage& Message);
  void startWheelPan(TPoint At);
  void endWheelPan();
  void wheelPanTick();
  // The marker of wheel-click panning at the point it started (bitmaps
  // "INTLI3" vertical, "INTLI2" horizontal, "INTLI1" both), drawn after the cells.
  void DrawPanBitmap();
  void InvalidatePanMarker();
  bool clipboardKey(uint16_t Key);
  void WMCancelMode(TMessage& Message) override;
  // HoverIndex, when given, takes the index of the link under the point (-1 none).
  bool anchorAt(int X, int Y, int ACol, int ARow, std::string& Href, std::string& Title, int* HoverIndex = nullptr);
  bool trackAnchor(int X, int Y, int ACol, int ARow);
  bool clickAnchor(int X, int Y, int ACol, int ARow, int PCol, int PRow);
  bool htmlHitAt(int X, int Y, int ACol, int ARow, THTMLTextCall& Call);
  void clickCellControl(const THTMLTextCall& Call, int ACol, int ARow, int PCol, int PRow);
  void followLink(const std::string& Link, int ARow, int ACol);
  std::string FAnchor;
  std::string FLastAnchorHint;
  TColor FArrowColor = clLime;
  int FMoveColInd = 0;
  int FMoveRowInd = 0;
  bool FMoveRefused = false;
  TArrowWindow* FArwU = nullptr;
  TArrowWindow* FArwD = nullptr;
  TArrowWindow* FArwL = nullptr;
  TArrowWindow* FArwR = nullptr;
  THeaderDragButton* FMoveButton = nullptr;
  std::unique_ptr<TTimer> FDragTmr;
  TDragScrollDirections FDragScrollDirection;
  TIntelliPan FIntelliPan = ipVertical;
  bool FWheelPan = false;
  TPoint FWheelPanPos;
  TCursor FPrevCursor = crDefault;
  ITExtStringGridSelect* FISelect = nullptr;
};

// Holds the grid's update lock for a scope: bulk changes repaint once, at
// the end, whatever way the scope is left.
class TGridUpdateLock {
public:
  explicit TGridUpdateLock(TExtStringGrid& Grid) : FGrid(Grid) { FGrid.BeginUpdate(); }
  ~TGridUpdateLock() { FGrid.EndUpdate(); }
  TGridUpdateLock(const TGridUpdateLock&) = delete;
  TGridUpdateLock& operator=(const TGridUpdateLock&) = delete;

private:
  TExtStringGrid& FGrid;
};
