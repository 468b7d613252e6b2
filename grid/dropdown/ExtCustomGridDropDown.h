#pragma once
// A drop-down editor whose popup holds a whole string grid: columns with
// headers, rows of items, sorting, search footer, bands, hover row and the
// grid's events (relayed as the OnGrid... events). The edit shows the lookup
// column of the selected row and typing searches that column.

#include <memory>
#include <string>

#include "controls/ColGrid.h"
#include "controls/ColGridLook.h"
#include "controls/DropDownColumns.h"
#include "controls/ExtDropDown.h"
#include "grid/core/ExtGrid.h"

class TCustomExtGridDropDown;

namespace ExtCustomGridDropDown {

struct Unit;
using TDropDownColumn = TDropDownColumnOf<Unit>;
using TDropDownColumns = TDropDownColumnsOf<Unit>;
using TDropDownItem = TDropDownItemOf<Unit>;
using TDropDownItems = TDropDownItemsOf<Unit>;

using TGetCellTextEvent = std::function<void(TObject* Sender, int Column, int Row, std::string& Text)>;
using TDrawCellEvent = std::function<void(TObject* Sender, int Column, int Row, TCanvas* ACanvas, TRect& ARect)>;
using TGetCellPropEvent = std::function<void(TObject* Sender, int Column, int Row, TFont* Font, TColor& AColor,
                                             TColor& AColorTo)>;

// The popup's grid.
class TExtColGrid : public TColGridOf<TExtStringGrid, TDropDownColumns> {
public:
  explicit TExtColGrid(TComponent* AOwner);
  ~TExtColGrid() override;
  std::string ClassName() const override { return "TExtColGrid"; }

  TGetCellTextEvent OnGetCellText;
  TDrawCellEvent OnDrawCell;
  TGetCellPropEvent OnGetCellProp;

  TCustomExtGridDropDown* ExtDropDown() const { return FExtDropDown; }
  void SetExtDropDown(TCustomExtGridDropDown* Value) { FExtDropDown = Value; }
  // The drop-down's settings, before each drop-down.
  void ApplySettings();
  // Header row and one row per item; the column-0 object of a row is its item.
  void FillFromItems();
  void SetConfirmSelection(bool Value) { FConfirmSelection = Value; }

protected:
  void KeyDown(uint16_t& Key, TShiftState Shift) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void WMMouseWheel(TWMMouseWheel& Message) override;
  void WndProc(TMessage& Message) override;
  std::string SizingText(int Column, int Row) const override;
  bool SizingImage(int Column, int Row) const override;

private:
  void autoSizeColumn(int Column);

  TCustomExtGridDropDown* FExtDropDown = nullptr;
};

}  // namespace ExtCustomGridDropDown

enum TLookupMethod { lmLookup, lmNarrowDown, lmNone };
enum TGridSorting { gsNone, gsSingleColumn, gsMultiColumn };
enum TDropDownStyle { dsDropDown, dsDropDownList };

class TCustomExtGridDropDown : public TExtCustomDropDown, public TColGridLook {
public:
  using TDropDownColumns = ExtCustomGridDropDown::TDropDownColumns;
  using TDropDownItems = ExtCustomGridDropDown::TDropDownItems;
  using TExtColGrid = ExtCustomGridDropDown::TExtColGrid;

  explicit TCustomExtGridDropDown(TComponent* AOwner);
  ~TCustomExtGridDropDown() override;
  std::string ClassName() const override { return "TCustomExtGridDropDown"; }

  // ---- plain settings (LineColor, FixedLineColor, HeaderColor, HeaderColorTo,
  // HeaderHeight and HeaderFont: the popup grid's look, TColGridLook)
  struct TFields {
    bool AutoShowDropDown = false;
    bool AutoSizeColumns = true;
    bool CaseSensitive = false;
    bool DropDownAutoWidth = true;
    int DropDownRowHeight = 22;
    bool ColumnSizing = false;
    bool ColumnMoving = false;
    bool ColumnSizeWithDropDown = true;
    bool GridEditable = false;
    bool HoverRow = false;
    TColor HoverRowColor = clInfoBk;
    TColor HoverRowColorTo = clNone;
    int LookupColumn = 0;
    TLookupMethod LookupMethod = lmLookup;
    bool RowSizing = false;
    bool RowMoving = false;
    TColor SelectionTextColor = TColor(0);
    bool RowSelect = true;
    TGridSorting Sorting = gsNone;
    bool UseItems = true;
    bool MatchCase = false;
    bool MatchStart = true;
  } F;
  QUELIX_PLAIN_PROPERTY(bool, AutoShowDropDown)
  QUELIX_PLAIN_PROPERTY(bool, AutoSizeColumns)
  QUELIX_PLAIN_PROPERTY(bool, CaseSensitive)
  QUELIX_PLAIN_PROPERTY(bool, DropDownAutoWidth)
  QUELIX_PLAIN_PROPERTY(int, DropDownRowHeight)
  QUELIX_PLAIN_PROPERTY(bool, ColumnSizing)
  QUELIX_PLAIN_PROPERTY(bool, ColumnMoving)
  QUELIX_PLAIN_PROPERTY(bool, ColumnSizeWithDropDown)
  QUELIX_PLAIN_PROPERTY(bool, GridEditable)
  QUELIX_PLAIN_PROPERTY(bool, HoverRow)
  QUELIX_PLAIN_PROPERTY(TColor, HoverRowColor)
  QUELIX_PLAIN_PROPERTY(TColor, HoverRowColorTo)
  QUELIX_PLAIN_PROPERTY(int, LookupColumn)
  QUELIX_PLAIN_PROPERTY(TLookupMethod, LookupMethod)
  QUELIX_PLAIN_PROPERTY(bool, RowSizing)
  QUELIX_PLAIN_PROPERTY(bool, RowMoving)
  QUELIX_PLAIN_PROPERTY(TColor, SelectionTextColor)
  QUELIX_PLAIN_PROPERTY(bool, RowSelect)
  QUELIX_PLAIN_PROPERTY(TGridSorting, Sorting)
  QUELIX_PLAIN_PROPERTY(bool, UseItems)
  QUELIX_PLAIN_PROPERTY(bool, MatchCase)
  QUELIX_PLAIN_PROPERTY(bool, MatchStart)

  // ---- owned settings and the value
  TDropDownItems* Items() const { return FItems.get(); }
  void SetItems(const TDropDownItems* Value) { FItems->Assign(Value); }
  TDropDownColumns* Columns() const { return FColumns.get(); }
  void SetColumns(const TDropDownColumns* Value) { FColumns->Assign(Value); }
  TSearchFooter* SearchFooter() const { return FSearchFooter.get(); }
  void SetSearchFooter(const TSearchFooter* Value) { FSearchFooter->Assign(Value); }
  TBands* Bands() const { return FBands.get(); }
  void SetBands(const TBands* Value) { FBands->Assign(Value); }
  TNavigation* Navigation() const { return FNavigation.get(); }
  void SetNavigation(const TNavigation* Value) { FNavigation->Assign(Value); }
  TMouseActions* MouseActions() const { return FMouseActions.get(); }
  void SetMouseActions(const TMouseActions* Value) { FMouseActions->Assign(Value); }
  TImageList* GridImages() const { return FGridImages; }
  void SetGridImages(TImageList* Value);
  TDropDownStyle Style() const { return FStyle; }
  void SetStyle(TDropDownStyle Value);
  int ItemIndex() const { return FItemIndex; }
  void SetItemIndex(int Value);
  int RowCount() const { return FItems->Count(); }
  void BeginUpdate() {}
  // Rebuilds the lookup list that typing completes from.
  void EndUpdate() { rebuildLookup(); }
  const std::string& LookupEntry() const { return FLookupEntry; }

  // The first entry of the lookup column that starts with S (upper-cased
  // unless CaseSensitive): its text and its item (UseItems) or grid row.
  bool FindLookupText(const std::string& S, std::string& Found, int& Row) const;
  // The same as an index, for callers that want only the row or -1.
  int FindLookupRow(const std::string& S) const;

  TNotifyEvent OnSelect;

  // ---- the popup grid's events, relayed with the grid as Sender
  decltype(TExtStringGrid::OnAnchorClick) OnGridAnchorClick;
  decltype(TExtStringGrid::OnAnchorEnter) OnGridAnchorEnter;
  decltype(TExtStringGrid::OnAnchorExit) OnGridAnchorExit;
  decltype(TExtStringGrid::OnAnchorHint) OnGridAnchorHint;
  decltype(TExtStringGrid::OnAutoAddRow) OnGridAutoAddRow;
  decltype(TExtStringGrid::OnAutoInsertRow) OnGridInsertRow;
  decltype(TExtStringGrid::OnAutoDeleteRow) OnGridDeleteRow;
  decltype(TExtStringGrid::OnAutoInsertCol) OnGridInsertCol;
  decltype(TExtStringGrid::OnCanAddRow) OnGridCanAddRow;
  decltype(TExtStringGrid::OnCanDeleteRow) OnGridCanDeleteRow;
  decltype(TExtStringGrid::OnCanInsertRow) OnGridCanInsertRow;
  decltype(TExtStringGrid::OnButtonClick) OnGridButtonClick;
  decltype(TExtStringGrid::OnCanEditCell) OnGridCanEditCell;
  decltype(TExtStringGrid::OnCheckBoxClick) OnGridCheckBoxClick;
  decltype(TExtStringGrid::OnCanSort) OnGridCanSort;
  decltype(TExtStringGrid::OnClickSort) OnGridClickSort;
  decltype(TExtStringGrid::OnCustomCompare) OnGridCustomCompare;
  decltype(TExtStringGrid::OnRawCompare) OnGridRawCompare;
  decltype(TExtStringGrid::OnColumnSize) OnGridColumnSize;
  decltype(TExtStringGrid::OnEndColumnSize) OnGridEndColumnSize;
  decltype(TExtStringGrid::OnColumnSizing) OnGridColumnSizing;
  decltype(TExtStringGrid::OnRowSize) OnGridRowSize;
  decltype(TExtStringGrid::OnRowSizing) OnGridRowSizing;
  decltype(TExtStringGrid::OnEndRowSize) OnGridEndRowSize;
  decltype(TExtStringGrid::OnRowMove) OnGridRowMove;
  decltype(TExtStringGrid::OnRowMoving) OnGridRowMoving;
  decltype(TExtStringGrid::OnRowMoved) OnGridRowMoved;
  decltype(TExtStringGrid::OnColumnMove) OnGridColumnMove;
  decltype(TExtStringGrid::OnColumnMoving) OnGridColumnMoving;
  decltype(TExtStringGrid::OnColumnMoved) OnGridColumnMoved;
  decltype(TExtStringGrid::OnCustomCellDraw) OnGridCustomCellDraw;
  decltype(TExtStringGrid::OnCustomCellBkgDraw) OnGridCustomCellBkgDraw;
  decltype(TExtStringGrid::OnGetAlignment) OnGridGetAlignment;
  decltype(TExtStringGrid::OnGetCellColor) OnGridGetCellColor;
  decltype(TExtStringGrid::OnGetCellGradient) OnGridGetCellGradient;
  decltype(TExtStringGrid::OnGetFloatFormat) OnGridGetFloatFormat;
  decltype(TExtStringGrid::OnGetEditorType) OnGridGetEditorType;
  decltype(TExtStringGrid::OnGetEditorProp) OnGridGetEditorProp;
  decltype(TExtStringGrid::OnEllipsClick) OnGridEllipsClick;
  decltype(TExtStringGrid::OnGetDisplText) OnGridGetDiplText;
  decltype(TExtStringGrid::OnGetFormat) OnGridGetFormat;
  decltype(TExtStringGrid::OnGridHint) OnGridHint;
  decltype(TExtStringGrid::OnCellBalloon) OnGridCellBalloon;
  decltype(TExtStringGrid::OnMouseMove) OnGridMouseMove;
  decltype(TExtStringGrid::OnMouseDown) OnGridMouseDown;
  decltype(TExtStringGrid::OnMouseUp) OnGridMouseUp;
  decltype(TExtStringGrid::OnKeyDown) OnGridKeyDown;
  decltype(TExtStringGrid::OnKeyUp) OnGridKeyUp;
  decltype(TExtStringGrid::OnKeyPress) OnGridKeyPress;
  decltype(TExtStringGrid::OnRightClickCell) OnGridRightClickCell;
  decltype(TExtStringGrid::OnScrollHint) OnGridScrollHint;
  decltype(TExtStringGrid::OnTopLeftChanged) OnGridTopLeftChanged;
  decltype(TExtStringGrid::OnSearchEditChange) OnGridSearchEditChange;
  decltype(TExtStringGrid::OnSpinClick) OnGridSpinClick;

  void SetComponentStyle(TQGSStyle AStyle) override;
  void DoHideDropDown(bool Cancel) override;
  void DoShowDropDown() override;
  void DropDownResized() override;
  void ControlKeyDown(uint16_t& Key, TShiftState Shift) override;
  void ControlKeyUp(uint16_t& Key, TShiftState Shift) override;
  void ControlKeyPress(char& Key) override;
  // The popup grid (none while designing).
  TExtColGrid* Grid() const { return FExtColGrid; }
  // Whether the popup grid's balloons were re-armed since the last drop-down.
  bool BalloonArmed() const { return FBalloonInit; }
  void SetBalloonArmed() { FBalloonInit = true; }
  // The item a grid row shows, and the row that shows an item.
  int ItemOfRow(int ARow) const;
  int RowOfItem(int AItem) const;

protected:
  uint32_t GetVersionNr() const override { return 0x06000101; }
  virtual TDropDownItems* CreateItems(TComponent* AOwner);
  void CreateDropDownForm() override;
  void BeforeDropDown() override;
  void AdjustDropDownHeight(int& Height) override;
  void PlaceDropDownControl() override;
  void SetDropDownSize() override;
  void DoMouseWheelDown() override;
  void DoMouseWheelUp() override;
  void SetSelectionColorStyle(TSelectionColorStyle Value) override;
  void Loaded() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void DoEnter() override;
  void EditChanged() override;
  void KeyDown(uint16_t& Key, TShiftState Shift) override;
  void KeyUp(uint16_t& Key, TShiftState Shift) override;
  void KeyPress(char& Key) override;
  void WMChar(TWMKey& Message) override;
  void WMKeyDown(TWMKey& Message) override;

private:
  friend class ExtCustomGridDropDown::TExtColGrid;
  void rebuildLookup();
  std::string lookupCellOf(int Index) const;
  int itemCount() const;
  int incrementalSearch(char C);
  void hookGrid();
  void relayGridEvents();
  void sizeColumnsToPopup();
  void gridCellSelected(int ARow);
  void gridSelected();
  void selectEntry(int Index, const std::string& Found);
  void moveGridTo(int ARow);

  bool FDesignTime = false;
  bool FBalloonInit = false;
  std::unique_ptr<TDropDownItems> FItems;
  std::unique_ptr<TDropDownColumns> FColumns;
  std::unique_ptr<TStringList> FLookupItems;
  std::unique_ptr<TSearchFooter> FSearchFooter;
  std::unique_ptr<TBands> FBands;
  std::unique_ptr<TNavigation> FNavigation;
  std::unique_ptr<TMouseActions> FMouseActions;
  TExtColGrid* FExtColGrid = nullptr;
  TImageList* FGridImages = nullptr;
  TDropDownStyle FStyle = dsDropDown;
  int FItemIndex = -1;
  int FOldItemIndex = -1;
  int FTempItemIndex = -1;
  int FSelRow = 0;
  // Set while the drop-down itself moves the grid's row (preparing the popup,
  // searching): the row change then is no choice of the user.
  bool FMovingGrid = false;
  bool workmode = true;
  std::string FOldValue;
  bool FItemChange = false;
  int FItemIdx = -1;
  int FItemSel = 0;
  std::string FLookupEntry;
};

// The grid drop-down with its properties published.
class TExtGridDropDown : public TCustomExtGridDropDown {
public:
  using TCustomExtGridDropDown::TCustomExtGridDropDown;
  std::string ClassName() const override { return "TExtGridDropDown"; }
};
