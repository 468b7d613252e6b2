#pragma once
// A drop-down editor that picks one row of a small table: Items are rows of
// texts, Columns describe the columns, and the popup shows them in a light
// grid with a header row. The edit shows the lookup column's text of the
// selected row and completes typed text from that column.

#include <memory>
#include <string>

#include "controls/ColGrid.h"
#include "controls/ColGridLook.h"
#include "controls/DropDownColumns.h"
#include "controls/DropDownCompletion.h"
#include "controls/ExtDropDown.h"
#include "toolkit/grids/Grids.h"

class TExtMultiColumnDropDown;

namespace ExtMultiColumnDropDown {

struct Unit;
using TDropDownColumn = TDropDownColumnOf<Unit>;
using TDropDownColumns = TDropDownColumnsOf<Unit>;
using TDropDownItem = TDropDownItemOf<Unit>;
using TDropDownItems = TDropDownItemsOf<Unit>;

using TGetCellTextEvent = std::function<void(TObject* Sender, int Column, int Row, std::string& Text)>;
using TDrawCellEvent = std::function<void(TObject* Sender, int Column, int Row, TCanvas* ACanvas, TRect ARect)>;
using TGetCellPropEvent = std::function<void(TObject* Sender, int Column, int Row, TFont* Font, TColor& AColor,
                                             TColor& AColorTo)>;

// The popup's table: a header row and one owner-drawn row per item.
class TExtColGrid : public TColGridOf<TStringGrid, TDropDownColumns> {
public:
  explicit TExtColGrid(TComponent* AOwner);
  ~TExtColGrid() override;
  std::string ClassName() const override { return "TExtColGrid"; }

  TGetCellTextEvent OnGetCellText;
  TDrawCellEvent OnDrawCell;
  TGetCellPropEvent OnGetCellProp;

  // Takes columns, rows and looks from the drop-down before each drop-down.
  void FillFrom(TExtMultiColumnDropDown* D);
  // The cell's rectangle at its full width and height; empty when not visible.
  TRect FullCellRect(int ACol, int ARow) const;

protected:
  void DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) override;
  void KeyDown(uint16_t& Key, TShiftState Shift) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos) override;
  bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos) override;
  std::string SizingText(int ACol, int ARow) const override;
  bool SizingImage(int ACol, int ARow) const override;

private:
  // Columns and rows are measured only while the grid stands in its popup.
  bool inPopup() const;
  void autoSizeColumns();
  void drawBackground(int ACol, int ARow, TRect R, bool Selected, int Kind, TColor Color);
  void drawLines(const TRect& R, bool Header);

  TExtMultiColumnDropDown* FExtDropDown = nullptr;
};

}  // namespace ExtMultiColumnDropDown

class TExtMultiColumnDropDown : public TExtCustomDropDown, public TColGridLook {
public:
  using TDropDownColumns = ExtMultiColumnDropDown::TDropDownColumns;
  using TDropDownItems = ExtMultiColumnDropDown::TDropDownItems;
  using TExtColGrid = ExtMultiColumnDropDown::TExtColGrid;

  explicit TExtMultiColumnDropDown(TComponent* AOwner);
  ~TExtMultiColumnDropDown() override;
  std::string ClassName() const override { return "TExtMultiColumnDropDown"; }
  void Assign(const TPersistent* Source) override;

  TDropDownItems* Items() const { return FItems.get(); }
  void SetItems(const TDropDownItems* Value) { FItems->Assign(Value); }
  TDropDownColumns* Columns() const { return FColumns.get(); }
  void SetColumns(const TDropDownColumns* Value) { FColumns->Assign(Value); }
  int ItemIndex() const { return FItemIndex; }
  void SetItemIndex(int Value);
  int LookupColumn() const { return FLookupColumn; }
  void SetLookupColumn(int Value) { FLookupColumn = Value; }
  bool CaseSensitive() const { return FCaseSensitive; }
  void SetCaseSensitive(bool Value) { FCaseSensitive = Value; }
  bool DropDownAutoWidth() const { return FDropDownAutoWidth; }
  void SetDropDownAutoWidth(bool Value) { FDropDownAutoWidth = Value; }
  int DropDownRowHeight() const { return FDropDownRowHeight; }
  void SetDropDownRowHeight(int Value) { FDropDownRowHeight = Value; }
  bool ColumnSizing() const { return FColumnSizing; }
  void SetColumnSizing(bool Value) { FColumnSizing = Value; }
  bool ColumnSizeWithDropDown() const { return FColumnSizeWithDropDown; }
  void SetColumnSizeWithDropDown(bool Value) { FColumnSizeWithDropDown = Value; }
  // LineColor, FixedLineColor, HeaderColor, HeaderColorTo, HeaderHeight and
  // HeaderFont: the popup grid's look (TColGridLook).
  TColor SelectionTextColor() const { return FSelectionTextColor; }
  void SetSelectionTextColor(TColor Value) { FSelectionTextColor = Value; }
  TNotifyEvent OnSelect;
  ExtMultiColumnDropDown::TGetCellTextEvent OnDropDownGetItemText;
  ExtMultiColumnDropDown::TDrawCellEvent OnDropDownDrawItem;
  ExtMultiColumnDropDown::TGetCellPropEvent OnDropDownGetItemProp;

  // The first item whose lookup-column text is Value (case-sensitive), or -1.
  int GetItemIndex(const std::string& Value) const;
  void BeginUpdate() {}
  // Rebuilds the lookup list that typing completes from.
  void EndUpdate() { rebuildLookup(); }
  void SetComponentStyle(TQGSStyle AStyle) override;
  TExtColGrid* Grid() const { return FExtColGrid; }

  void DoHideDropDown(bool Cancel) override;
  void DropDownResized() override;
  void ControlKeyDown(uint16_t& Key, TShiftState Shift) override;
  void ControlKeyUp(uint16_t& Key, TShiftState Shift) override;
  void ControlKeyPress(char& Key) override;
  void DoShowDropDown() override;

protected:
  void CreateDropDownForm() override;
  void BeforeDropDown() override;
  void AdjustDropDownHeight(int& Height) override;
  void PlaceDropDownControl() override;
  void SetDropDownSize() override;
  void DoMouseWheelDown() override;
  void DoMouseWheelUp() override;
  void SetSelectionColorStyle(TSelectionColorStyle Value) override;
  void Loaded() override;
  void EditChanged() override;
  void KeyDown(uint16_t& Key, TShiftState Shift) override;
  void KeyUp(uint16_t& Key, TShiftState Shift) override;
  void WMKeyDown(TWMKey& Message) override;

private:
  void rebuildLookup();
  std::string lookupText(int Index) const;
  void stretchColumns();
  void confirmSelected();
  int typeAheadSearch(const std::string& Key) const;
  void selectFirst();
  void selectLast();
  void selectNext();
  void selectPrevious();
  void selectPageDown();
  void selectPageUp();

  TExtColGrid* FExtColGrid = nullptr;
  std::unique_ptr<TDropDownItems> FItems;
  std::unique_ptr<TDropDownColumns> FColumns;
  std::unique_ptr<TStringList> FLookupItems;
  int FItemIndex = -1;
  int FLookupColumn = 0;
  bool FCaseSensitive = false;
  bool FDropDownAutoWidth = true;
  int FDropDownRowHeight = 22;
  bool FColumnSizing = false;
  bool FColumnSizeWithDropDown = true;
  TColor FSelectionTextColor = TColor(0);
  bool FShowing = false;
  bool workmode = true;
  bool FMatchCase = false;
  TCompletionMarks FCompletion;
  int FOldItemIndex = -1;
  std::string FLookupEntry;
};
