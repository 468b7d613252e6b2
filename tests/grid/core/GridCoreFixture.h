#pragma once
// A string grid (or column grid) on a shown form, without border or scroll
// bars, so that cell positions are plain sums of the column widths and row
// heights.

#include <gtest/gtest.h>

#include "grid/core/ExtCGrid.h"
#include "grid/core/ExtGrid.h"
#include "toolkit/forms/Forms.h"
#include "toolkit/testing/TestDriver.h"

// Opens the grid's protected parts to the tests.
template <typename TBase>
class TOpenGrid : public TBase {
public:
  explicit TOpenGrid(TComponent* AOwner) : TBase(AOwner) {}
  using TBase::DisplToRealColumn;
  using TBase::DisplToRealRow;
  using TBase::FNormalRowCount;
  using TBase::RealToDisplColumn;
  using TBase::RealToDisplRow;
};

template <typename TGrid>
class GridCoreTestOf : public FormsTest {
protected:
  void SetUp() override {
    form = new TForm(Application);
    form->SetBounds(10, 10, 600, 400);
    form->Show();
    grid = new TGrid(form);
    grid->SetParent(form);
    grid->SetBorderStyle(bsNone);
    grid->SetScrollBars(ssNone);
    Driver.Pump();
  }
  // Texts of one row over the displayed columns.
  std::vector<std::string> DisplayedRow(int ARow) {
    std::vector<std::string> v;
    for (int d = 0; d < grid->ColCount(); ++d) v.push_back(grid->Cells(grid->RealColIndex(d), ARow));
    return v;
  }

  TForm* form = nullptr;
  TGrid* grid = nullptr;
};

using ExtGridTest = GridCoreTestOf<TOpenGrid<TExtStringGrid>>;
using ExtCGridTest = GridCoreTestOf<TOpenGrid<TExtColumnGrid>>;
