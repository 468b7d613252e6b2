#pragma once
// A string grid of 5 columns of 64 and rows of 24 pixels (1 fixed row and
// column) on a shown form, focused, without border or scroll bars, so that
// the cell (c, r) starts at (64 c, 24 r) while nothing is scrolled.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "grid/core/ExtGrid.h"
#include "toolkit/forms/Forms.h"
#include "toolkit/forms/WinApi.h"
#include "toolkit/graphics/TextMetrics.h"
#include "toolkit/testing/TestDriver.h"

// Counts what the data code would be asked, and opens protected parts.
class TInputGrid : public TExtStringGrid {
public:
  explicit TInputGrid(TComponent* AOwner) : TExtStringGrid(AOwner) {}
  std::vector<int> Sorts;
  // Off: header releases are only counted; on: they also sort.
  bool RealSorts = false;
  void SortByHeader(int ARealCol) override {
    Sorts.push_back(ARealCol);
    if (RealSorts) TExtStringGrid::SortByHeader(ARealCol);
  }
  // Columns that show a filter drop-down button.
  std::vector<int> FilterCols;
  bool GetFilter(int ARealCol) override {
    return std::find(FilterCols.begin(), FilterCols.end(), ARealCol) != FilterCols.end();
  }
  // What the clipboard keys asked for.
  std::vector<std::string> Clipboard;
  void CopySelectionToClipboard() override { Clipboard.push_back("copy"); }
  void CutSelectionToClipboard() override { Clipboard.push_back("cut"); }
  void PasteSelectionFromClipboard() override { Clipboard.push_back("paste"); }
  // The progress the grid reports through its export notification.
  std::vector<std::pair<int, int>> Progress;
  void ExportNotification(int AState, int ARow) override { Progress.emplace_back(AState, ARow); }
  using TExtStringGrid::FZoomFactor;
  using TExtStringGrid::FWheelScrl;
  using TExtStringGrid::FHoverRowIdx;
};

class InputTest : public FormsTest {
protected:
  void SetUp() override {
    form = new TForm(Application);
    form->SetBounds(10, 10, 600, 400);
    form->Show();
    grid = new TInputGrid(form);
    grid->SetParent(form);
    grid->SetBorderStyle(bsNone);
    grid->SetScrollBars(ssNone);
    grid->SetDefaultColWidth(64);
    grid->SetDefaultRowHeight(24);
    grid->SetColCount(5);
    grid->SetRowCount(8);
    grid->SetBounds(0, 0, 320, 24 * 8);
    Driver.Pump();
    Driver.Focus(grid);
    Driver.Pump();
  }
  void Key(uint16_t vk, TShiftState shift = {}) { Driver.PressKey(vk, shift); }
  void Go(int c, int r) { grid->MoveColRow(c, r, true, true); }
  TGridCoord Cursor() const { return {grid->Col(), grid->Row()}; }
  // Client point inside the cell (c, r), dx and dy from its top-left corner.
  void ClickCell(int c, int r, TShiftState shift = {}, int dx = 10, int dy = 10) {
    TRect rc = grid->CellRect(c, r);
    Driver.Click(grid, rc.Left + dx, rc.Top + dy, shift);
  }
  void Options(std::initializer_list<TGridOption> add) {
    TGridOptions o = grid->Options();
    for (TGridOption x : add) o.Include(x);
    grid->SetOptions(o);
  }

  TForm* form = nullptr;
  TInputGrid* grid = nullptr;
};

inline std::ostream& operator<<(std::ostream& os, const TGridCoord& c) { return os << "(" << c.X << ", " << c.Y << ")"; }
