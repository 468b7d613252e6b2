// Pictures for a person to look at: a column grid with each kind of column
// and a grid with every kind of cell graphic, in a modern look with a
// background gradient in the empty area.

#include <gtest/gtest.h>

#include "grid/core/ExtCGrid.h"
#include "toolkit/forms/Forms.h"
#include "toolkit/graphics/Bitmap.h"
#include "toolkit/graphics/Icon.h"
#include "toolkit/graphics/Picture.h"
#include "toolkit/testing/TestDriver.h"
#include "grid/PixelProbes.h"

namespace {

class GridPictures : public FormsTest {
protected:
  TForm* Form(int W, int H) {
    auto* form = new TForm(Application);
    form->SetBounds(10, 10, W, H);
    form->Show();
    return form;
  }
};

TEST_F(GridPictures, ColumnGridWithEachColumnKind) {
  TForm* form = Form(900, 260);
  auto* grid = new TExtColumnGrid(form);
  grid->SetParent(form);
  grid->SetAlign(alClient);
  struct TKind {
    const char* Header;
    TEditorType Editor;
    const char* Sample;
  } kinds[] = {{"#", edNormal, ""},          {"Text", edNormal, "Engine speed"}, {"Number", edNumeric, "61444"},
               {"Float", edFloat, "3.25"},   {"Y/N", edDataCheckBox, "Y"},       {"List", edComboList, "Receive"},
               {"Combo", edComboEdit, "Send"}, {"Spin", edSpinEdit, "12"},      {"Date", edDateEdit, "10/12/2026"},
               {"Button", edEditBtn, "..."}, {"Password", edPassword, "secret"}};
  const int n = int(std::size(kinds));
  grid->SetColCount(n);
  for (int c = 0; c < n; ++c) {
    TGridColumnItem* col = grid->Columns()->Items(c);
    col->SetHeader(kinds[c].Header);
    col->SetEditor(kinds[c].Editor);
    if (kinds[c].Editor == edNumeric || kinds[c].Editor == edFloat) col->SetAlignment(taRightJustify);
    if (kinds[c].Editor == edDataCheckBox) col->SetAlignment(taCenter);
  }
  grid->SetRowCount(7);
  grid->ControlLook()->SetDropDownAlwaysVisible(true);
  grid->ControlLook()->SetSpinButtonsAlwaysVisible(true);
  grid->ControlLook()->SetControlStyle(csWinXP);
  for (int r = 1; r < 7; ++r) {
    grid->SetCells(0, r, std::to_string(r));
    for (int c = 1; c < n; ++c) grid->SetCells(c, r, r % 2 || kinds[c].Editor != edDataCheckBox ? kinds[c].Sample : "N");
  }
  grid->SetStyle(tsWindows7);
  grid->BackGround()->SetDisplay(bdGradientVert);
  grid->BackGround()->SetColor(clWhite);
  grid->BackGround()->SetColorTo(static_cast<TColor>(0xF0E0D0));
  grid->BackGround()->SetCells(bcFixed);
  Driver.Pump();
  Driver.Screenshot(form, "grid_column_kinds.png");
  EXPECT_GT(DarkPixels(form->Canvas(), TRect(0, 0, 900, 260)), 0);
}

TEST_F(GridPictures, EveryCellGraphicKind) {
  TForm* form = Form(560, 760);
  auto* grid = new TExtStringGrid(form);
  grid->SetParent(form);
  grid->SetAlign(alClient);
  grid->SetColCount(3);
  grid->SetRowCount(26);
  grid->SetColWidths(1, 120);
  grid->SetColWidths(2, 220);
  grid->SetDefaultRowHeight(28);
  TBitmap bmp;
  bmp.LoadFromResourceName("ESGFILT");
  TIcon icon;
  icon.LoadFromResourceName("QGS_POINTER");
  TPicture picture;
  picture.SetGraphic(&bmp);
  TStringList radios;
  radios.Add("A");
  radios.Add("B");
  radios.Add("C");
  int r = 0;
  auto row = [&](const char* Name) {
    ++r;
    grid->SetCells(1, r, Name);
    return r;
  };
  grid->AddCheckBox(2, row("check box"), true, false);
  grid->AddCheckBox(2, row("data check box"), false, true);
  grid->SetCells(2, r, "Y");
  grid->AddCheckBox(2, row("tri-state"), cbGrayed);
  grid->AddRadioButton(2, row("radio button"), true);
  grid->AddRadio(2, row("radio group"), 1, 2, &radios);
  grid->AddBitmap(2, row("bitmap"), &bmp, true, haLeft, vaTop);
  grid->AddIcon(2, row("icon"), &icon, haLeft, vaCenter);
  grid->AddPicture(2, row("picture"), &picture, true, StretchWithAspectRatio, 2, haLeft, vaTop);
  grid->AddRotated(2, row("rotated"), 20, "rotated text");
  grid->AddProgress(2, row("progress"), clLime, clWhite);
  grid->SetCells(2, r, "40");
  grid->AddExtProgress(2, row("level progress"), 0, 100);
  grid->SetCells(2, r, "85");
  grid->AddRangeIndicator(2, row("range"), 100, clRed, clGreen, true);
  grid->SetCells(2, r, "-40");
  grid->AddProgressPie(2, row("pie"), clBlue, 60);
  grid->AddComment(2, row("comment"), "note");
  grid->SetCells(2, r, "commented");
  grid->AddButton(2, row("button"), 60, 22, "Press", haLeft, vaTop);
  grid->AddShape(2, row("shape"), csDiamond, clYellow, clBlack, haLeft, vaTop);
  grid->AddRating(2, row("rating"), 5, clRed, clSilver);
  grid->SetCells(2, r, "3.5");
  grid->SetCells(2, row("marker"), "marked text");
  grid->AddMarker(2, r, 0, 6);
  grid->AddBalloon(2, row("balloon"), "Title", "Balloon text", biInfo);
  grid->SetCells(2, r, "has a balloon");
  grid->AddScrollBar(2, row("scroll bar"), true);
  grid->SetCells(2, row("URL"), "http://example.org");
  grid->SetURLShow(true);
  grid->SetCells(2, row("HTML"), "<b>bold</b> <font color=\"clRed\">red</font> <i>italic</i>");
  grid->ProgressAppearance()->SetShowBorder(true);
  Driver.Pump();
  Driver.Screenshot(form, "grid_every_cell_graphic.png");
  EXPECT_GT(DarkPixels(form->Canvas(), grid->CellRect(2, 9)), 0);
}

}  // namespace
