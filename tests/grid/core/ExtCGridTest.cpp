// The column grid: items follow the columns and their settings win over the
// grid's defaults.

#include "tests/grid/core/GridCoreFixture.h"

TEST_F(ExtCGridTest, NewGridHasOneItemPerColumn) {
  EXPECT_EQ(grid->Columns()->Count(), 5);
  TGridColumnItem* item = grid->Columns()->Items(2);
  EXPECT_EQ(item->Editor(), edNormal);
  EXPECT_EQ(item->CheckTrue(), "Y");
  EXPECT_EQ(item->CheckFalse(), "N");
  EXPECT_EQ(item->DropDownCount(), 8);
  EXPECT_EQ(item->SpinStep(), 1);
  EXPECT_EQ(item->PrintBorders(), (TCellBorders{cbTop, cbLeft, cbRight, cbBottom}));
}

TEST_F(ExtCGridTest, ColCountAddsItemsLikeTheLast) {
  grid->SetColCount(3);
  EXPECT_EQ(grid->Columns()->Count(), 3);
  TGridColumnItem* last = grid->Columns()->Items(2);
  last->SetEditor(edComboList);
  last->SetAlignment(taCenter);
  last->ComboItems()->Add("x");
  last->SetHeader("H");
  grid->Columns()->Add();
  EXPECT_EQ(grid->ColCount(), 4);
  TGridColumnItem* added = grid->Columns()->Items(3);
  EXPECT_EQ(added->Editor(), edComboList);
  EXPECT_EQ(added->Alignment(), taCenter);
  EXPECT_EQ(added->ComboItems()->Count(), 0);
  EXPECT_EQ(added->Header(), "");
  grid->SetColCount(6);
  EXPECT_EQ(grid->Columns()->Items(5)->Editor(), edComboList);
}

TEST_F(ExtCGridTest, HeaderGoesIntoTheFixedRow) {
  grid->Columns()->Items(1)->SetHeader("Total");
  EXPECT_EQ(grid->Cells(1, 0), "Total");
  EXPECT_EQ(grid->ColumnHeaders()->Count(), grid->Columns()->Count());
  EXPECT_EQ(grid->ColumnHeaders()->Strings(1), "Total");
}

TEST_F(ExtCGridTest, DisplayName) {
  EXPECT_EQ(grid->Columns()->Items(2)->DisplayName(), "Column 2");
  grid->Columns()->Items(2)->SetName("Speed");
  EXPECT_EQ(grid->Columns()->Items(2)->DisplayName(), "Col 2: Speed");
  EXPECT_EQ(grid->ColumnByName("Speed"), grid->Columns()->Items(2));
  EXPECT_EQ(grid->ColumnByName("speed"), nullptr);
}

TEST_F(ExtCGridTest, WidthFollowsTheGridAlsoWhenHidden) {
  grid->Columns()->Items(2)->SetWidth(77);
  EXPECT_EQ(grid->ColWidths(2), 77);
  grid->HideColumn(2);
  EXPECT_EQ(grid->Columns()->Items(2)->Width(), 77);
  grid->UnHideColumn(2);
  EXPECT_EQ(grid->ColWidths(2), 77);
}

TEST_F(ExtCGridTest, ColumnSettingsOverrideTheGridHooks) {
  TGridColumnItem* item = grid->Columns()->Items(2);
  item->SetEditor(edComboList);
  item->SetReadOnly(true);
  item->SetPassword(true);
  item->SetColor(clYellow);
  item->SetAlignment(taRightJustify);
  item->SetCheckTrue("1");

  TEditorType e = edNormal;
  grid->GetCellEditor(2, 1, e);
  EXPECT_EQ(e, edComboList);
  e = edNormal;
  grid->GetCellEditor(2, 0, e);  // a fixed row keeps the grid's editor
  EXPECT_EQ(e, edNormal);
  EXPECT_TRUE(grid->HasCombo(2, 1));
  EXPECT_FALSE(grid->HasCombo(2, 0));

  grid->SetOptions(grid->Options() + TGridOptions{goEditing});
  bool can = true;
  grid->CanEditCell(2, 1, can);
  EXPECT_FALSE(can);
  can = false;
  grid->CanEditCell(3, 1, can);
  EXPECT_TRUE(can);

  bool pw = false;
  grid->IsPasswordCell(2, 1, pw);
  EXPECT_TRUE(pw);

  TBrush brush;
  TFont font;
  grid->GetCellColor(2, 1, {}, &brush, &font);
  EXPECT_EQ(brush.Color(), clYellow);

  TAlignment ha = taLeftJustify;
  TVAlignment va = vtaTop;
  grid->GetCellAlignment(2, 1, ha, va);
  EXPECT_EQ(ha, taRightJustify);

  // The column's check text wins over the event's.
  grid->OnGetCheckTrue = [](TObject*, int, int, std::string& s) { s = "X"; };
  std::string v;
  grid->GetCheckTrue(2, 1, v);
  EXPECT_EQ(v, "1");
  grid->GetCheckTrue(2, 0, v);
  EXPECT_EQ(v, "X");
}

TEST_F(ExtCGridTest, CellsOwnSettingsWinOverTheColumn) {
  TGridColumnItem* item = grid->Columns()->Items(2);
  item->SetColor(clYellow);
  grid->SetColors(2, 1, clRed);
  TBrush brush;
  TFont font;
  grid->GetCellColor(2, 1, {}, &brush, &font);
  EXPECT_EQ(brush.Color(), clRed);
}

TEST_F(ExtCGridTest, HasNoEditorIgnoresTheColumnEditor) {
  grid->Columns()->Items(2)->SetEditor(edNone);
  EXPECT_FALSE(grid->HasNoEditor(2, 1));
}

TEST_F(ExtCGridTest, DataCheckBoxColumnsGetTheVirtualCheckBox) {
  grid->Columns()->Items(2)->SetEditor(edDataCheckBox);
  EXPECT_EQ(grid->GetCellType(2, 1), ctDataCheckBox);
  EXPECT_EQ(grid->GetCellType(2, 0), ctEmpty);
  TCellGraphic* g = grid->GetCellGraphic(2, 1);
  ASSERT_NE(g, nullptr);
  EXPECT_EQ(g->CellType, ctVirtCheckBox);
  EXPECT_EQ(grid->GetCellGraphic(2, 0), nullptr);
}

TEST_F(ExtCGridTest, EditorChangeRepaintsOnlyForDataCheckBoxes) {
  Driver.Pump();
  Driver.ClearPaints();
  grid->Columns()->Items(1)->SetEditor(edNumeric);
  Driver.Pump();
  EXPECT_TRUE(Driver.Paints().empty());
  grid->Columns()->Items(1)->SetEditor(edDataCheckBox);
  Driver.Pump();
  EXPECT_FALSE(Driver.Paints().empty());
}

TEST_F(ExtCGridTest, FloatFormatOfTheColumnFormatsNumbersOnly) {
  TGridColumnItem* item = grid->Columns()->Items(2);
  item->SetFloatFormat("%.1f");
  grid->SetCells(2, 1, "3.14159");
  grid->SetCells(2, 2, "abc");
  EXPECT_EQ(grid->GetFormattedCell(2, 1), "3.1");
  EXPECT_EQ(grid->GetFormattedCell(2, 2), "abc");
  // The grid-wide format is not touched by asking for the editor.
  TEditorType e = edNormal;
  grid->GetCellEditor(2, 1, e);
  EXPECT_EQ(grid->FloatFormat(), "%.2f");
  struct Case {
    const char* Format;
  };
  for (Case c : {Case{"%s"}, Case{"%.1f %.1f"}, Case{"no number"}, Case{"%d"}}) {
    item->SetFloatFormat(c.Format);
    EXPECT_THROW(grid->GetFormattedCell(2, 1), EExtGridError) << c.Format;
    EXPECT_EQ(grid->Cells(2, 1), "3.14159");
  }
}

TEST_F(ExtCGridTest, SizeLimitsOfTheColumn) {
  TGridColumnItem* item = grid->Columns()->Items(1);
  item->SetMinSize(20);
  item->SetMaxSize(80);
  item->SetAutoMaxSize(40);
  int w = 5;
  grid->UpdateColumnSize(1, w);
  EXPECT_EQ(w, 20);
  w = 200;
  grid->UpdateColumnSize(1, w);
  EXPECT_EQ(w, 80);
  w = 200;
  grid->UpdateAutoColumnSize(1, w);
  EXPECT_EQ(w, 40);
}

TEST_F(ExtCGridTest, ResetOrganizationTakesOnlyPermutations) {
  for (int i = 0; i < 5; ++i) grid->Columns()->Items(i)->SetName("c" + std::to_string(i));
  grid->Columns()->Items(0)->DefIdx = 0;
  grid->Columns()->Items(1)->DefIdx = 7;  // not a position
  grid->Columns()->ResetOrganization();
  EXPECT_EQ(grid->Columns()->Items(1)->Name(), "c1");
  int order[] = {0, 3, 1, 2, 4};
  for (int i = 0; i < 5; ++i) grid->Columns()->Items(i)->DefIdx = order[i];
  grid->Columns()->ResetOrganization();
  EXPECT_EQ(grid->Columns()->Items(3)->Name(), "c1");
  EXPECT_EQ(grid->Columns()->Items(1)->Name(), "c2");
}

TEST_F(ExtCGridTest, MovedColumnTakesItsItem) {
  grid->Columns()->Items(1)->SetName("moved");
  grid->Columns()->Items(1)->SetEditor(edComboList);
  int from = -1, to = -1;
  grid->OnAfterColumnMoved = [&](TObject*, int f, int t) {
    from = f;
    to = t;
  };
  grid->MoveColumn(1, 3);
  EXPECT_EQ(grid->Columns()->Items(3)->Name(), "moved");
  EXPECT_EQ(grid->Columns()->Items(3)->Editor(), edComboList);
  EXPECT_EQ(from, 1);
  EXPECT_EQ(to, 3);
}
