#pragma once
// What the popup grids of the two table drop-downs have in common, over the
// grid class each one builds on (the toolkit's string grid for the
// multi-column list, the whole extended grid for the grid drop-down): the
// header and line look, the columns, the images, the sizing of columns and
// rows to their contents, the line width the popup
// draws itself, whether a row change is a chosen selection, the select
// event, the width the grid needs and the keys and messages a popup grid
// keeps or hands back to its drop-down. Each drop-down's grid stays a type of
// its own with its own column classes.

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <utility>

#include "controls/ColGridLook.h"
#include "controls/DropDownColumnSizing.h"
#include "toolkit/forms/WinApi.h"
#include "toolkit/graphics/ImgList.h"
#include "toolkit/grids/Grids.h"
#include "toolkit/rtl/ScopeGuard.h"

template <class Grid, class TColumns>
class TColGridOf : public Grid, public TColGridLook {
public:
  explicit TColGridOf(TComponent* AOwner) : Grid(AOwner), FColumns(std::make_unique<TColumns>(this)) {}

  // The columns as the drop-down gave them before the last drop-down.
  TColumns* Columns() const { return FColumns.get(); }
  void SetColumns(const TColumns* Value) { FColumns->Assign(Value); }
  // The width of the lines the popup draws between its rows; the grid
  // itself draws none.
  int GridLineWidth() const { return FGridLineWidth; }
  void SetGridLineWidth(int Value) {
    FGridLineWidth = Value;
    Grid::SetGridLineWidth(0);
    this->Invalidate();
  }
  TImageList* Images() const { return FImages; }
  void SetImages(TImageList* Value) { FImages = Value; }
  // Whether the current row is one the user chose (by key or click), not
  // one the wheel or the drop-down moved to.
  bool ConfirmSelection() const { return FConfirmSelection; }
  bool MouseWheelSelection() const { return FMouseWheelSelection; }
  TNotifyEvent OnSelect;

  virtual void DoSelect() {
    if (OnSelect) OnSelect(this);
  }

  // Borders and columns, and a vertical scroll bar when not all rows show.
  int NeededWidth() const {
    int w = 2 * this->BorderWidth();
    for (int c = 0; c < this->ColCount(); ++c) w += this->ColWidths(c);
    if (this->VisibleRowCount() + this->FixedRows() != this->RowCount()) w += GetSystemMetrics(SM_CXVSCROLL);
    return w;
  }

  // The grid at the width it needs and the popup around it, Border pixels
  // on each side; the grid then fills the popup again.
  void FitPopupWidth(TControl& Popup, int Border) {
    this->SetAlign(alNone);
    this->SetWidth(NeededWidth());
    Popup.SetWidth(this->Width() + 2 * Border);
    this->SetAlign(alClient);
  }

  // Return in the grid closes the popup taking its row, Escape closes it
  // keeping the drop-down's value: Hide(Cancel) is the drop-down's.
  void HideOnReturnAndEscape(std::function<void(bool Cancel)> Hide) {
    this->OnKeyDown = [Hide = std::move(Hide)](TObject*, uint16_t& Key, TShiftState) {
      if (Key == VK_RETURN) Hide(false);
      else if (Key == VK_ESCAPE) Hide(true);
    };
  }

protected:
  void Notification(TComponent* AComponent, TOperation Operation) override {
    Grid::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FImages) FImages = nullptr;
  }

  // Tab stays in the popup, and the popup grid wants arrows and Tab.
  void WndProc(TMessage& Message) override {
    if (Message.Msg == WM_KEYDOWN && Message.WParam == VK_TAB) return;
    if (Message.Msg == WM_GETDLGCODE) {
      Message.Result = DLGC_WANTARROWS | DLGC_WANTTAB;
      return;
    }
    Grid::WndProc(Message);
  }

  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override {
    FConfirmSelection = true;
    Grid::MouseDown(Button, Shift, X, Y);
  }

  // A key pressed in the grid makes the row it leads to a chosen one. Alt+Up
  // and Alt+Down belong to the drop-down (they close the popup): they are
  // sent to DropDown's window, and the answer is true.
  bool PassedToDropDown(uint16_t Key, TWinControl* DropDown) {
    FConfirmSelection = true;
    if (GetKeyState(VK_MENU) >= 0 || (Key != VK_UP && Key != VK_DOWN)) return false;
    if (DropDown != nullptr && DropDown->HandleAllocated()) SendMessage(DropDown->Handle(), WM_KEYDOWN, Key, 0);
    return true;
  }

  // Runs Scroll (the grid's own wheel handling) as a move that chooses nothing.
  template <class F>
  auto ByWheel(F Scroll) {
    FMouseWheelSelection = true;
    FConfirmSelection = false;
    auto done = MakeScopeGuard([this] { FMouseWheelSelection = false; });
    return Scroll();
  }

  // What a data cell shows, as far as its size goes: its text, and whether
  // it shows a picture of Images.
  virtual std::string SizingText(int ACol, int ARow) const = 0;
  virtual bool SizingImage(int ACol, int ARow) const = 0;

  // The width the data cells of column ACol need: the widest of them.
  int ContentWidth(int ACol) const {
    const TFont* font = FColumns->Items(ACol)->Font();
    int w = 0;
    for (int r = 1; r < this->RowCount(); ++r)
      w = std::max(w, CellContentWidth(font, SizingText(ACol, r), SizingImage(ACol, r) ? FImages->Width() : 0));
    return w;
  }

  // Each data row as high as its word-wrapped cells need, 24 pixels at the
  // least; the rows stay as they are when no column wraps.
  void WrapRowHeights() {
    bool wraps = false;
    for (int c = 0; c < FColumns->Count(); ++c) wraps = wraps || FColumns->Items(c)->Wordwrap();
    if (!wraps) return;
    for (int r = this->FixedRows(); r < this->RowCount(); ++r) {
      int h = 24;
      for (int c = 0; c < std::min(this->ColCount(), FColumns->Count()); ++c) {
        if (!FColumns->Items(c)->Wordwrap()) continue;
        h = std::max(h, CellContentHeight(FColumns->Items(c)->Font(), SizingText(c, r), this->ColWidths(c),
                                          SizingImage(c, r) ? FImages->Height() : 0));
      }
      this->SetRowHeights(r, h);
    }
  }

  std::unique_ptr<TColumns> FColumns;
  int FGridLineWidth = 1;
  TImageList* FImages = nullptr;
  bool FMouseWheelSelection = false;
  bool FConfirmSelection = false;
};
