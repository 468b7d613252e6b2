#pragma once
// A string grid on a shown form, without border or scroll bars unless a test
// asks, so that cell positions are plain sums: 64 x 24 cells and 1-pixel lines.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "toolkit/forms/Forms.h"
#include "toolkit/forms/WinApi.h"
#include "toolkit/grids/Grids.h"
#include "toolkit/testing/TestDriver.h"

// Counts what the grid does through its virtuals.
class TProbeGrid : public TStringGrid {
public:
  explicit TProbeGrid(TComponent* AOwner) : TStringGrid(AOwner) {}
  struct TDrawn {
    int Col, Row;
    TRect Rect;
    TGridDrawState State;
  };
  std::vector<TDrawn> Drawn;
  int SetEditTextCalls = 0;
  int Clicks = 0;
  int TopLeftChanges = 0;
  std::vector<std::pair<int, int>> Moved;
  using TCustomGrid::FGridState;
  using TCustomGrid::MoveCurrent;

  void SetEditText(int ACol, int ARow, const std::string& Value) override {
    ++SetEditTextCalls;
    TStringGrid::SetEditText(ACol, ARow, Value);
  }
  void Click() override {
    ++Clicks;
    TStringGrid::Click();
  }

protected:
  void DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) override {
    Drawn.push_back({ACol, ARow, ARect, AState});
    TStringGrid::DrawCell(ACol, ARow, ARect, AState);
  }
  void TopLeftChanged() override {
    ++TopLeftChanges;
    TStringGrid::TopLeftChanged();
  }
  void ColumnMoved(int FromIndex, int ToIndex) override {
    Moved.push_back({FromIndex, ToIndex});
    TStringGrid::ColumnMoved(FromIndex, ToIndex);
  }
  void RowMoved(int FromIndex, int ToIndex) override {
    Moved.push_back({FromIndex, ToIndex});
    TStringGrid::RowMoved(FromIndex, ToIndex);
  }
};

class GridTest : public FormsTest {
public:
  using FormsTest::Driver;

protected:
  void SetUp() override {
    form = new TForm(Application);
    form->SetBounds(10, 10, 500, 400);
    form->Show();
    grid = new TProbeGrid(form);
    grid->SetParent(form);
    grid->SetBorderStyle(bsNone);
    grid->SetScrollBars(ssNone);
    grid->SetBounds(10, 10, 200, 100);
    Driver.Pump();
  }

  // The centre of a cell, in grid client coordinates.
  TPoint Centre(int c, int r) {
    TRect rc = grid->CellRect(c, r);
    return {(rc.Left + rc.Right) / 2, (rc.Top + rc.Bottom) / 2};
  }
  void ClickCell(int c, int r, TShiftState shift = {}) {
    TPoint p = Centre(c, r);
    Driver.Click(grid, p.X, p.Y, shift);
  }
  // Lets the double-click time pass so that the next click is a single one.
  void Wait() { Driver.Advance(1000); }
  void Key(uint16_t vk, TShiftState shift = {}) { Driver.PressKey(vk, shift); }
  void FocusGrid() {
    Driver.Focus(grid);
    Driver.Pump();
  }

  TForm* form = nullptr;
  TProbeGrid* grid = nullptr;
};
