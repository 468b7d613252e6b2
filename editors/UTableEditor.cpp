#include "editors/UTableEditor.h"

#include "base/UComon.h"
#include "base/UFixedTexts.h"
#include "base/ULanguage.h"
#include "editors/UEditorSave.h"
#include "editors/UTableFile.h"
#include "platform/xml/XmlDocument.h"
#include "toolkit/forms/Dialogs.h"
#include "toolkit/graphics/Canvas.h"
#include "toolkit/rtl/FileUtils.h"
#include "toolkit/rtl/SysUtils.h"

namespace {

constexpr int Button_Width = 110;
constexpr int Button_Height = 28;
constexpr int Button_Step = 118;
constexpr int Row_Height = 21;

TEditorType Editor_Of(TTableColumnKind Kind) {
  switch (Kind) {
    case tcList: return edComboList;
    case tcCheck: return edDataCheckBox;
    default: return edNormal;
  }
}

// Grid text is Tahoma, 11 pixels high; headers, row numbers and the focused cell bold.
void Set_Grid_Font(TFont* Font, bool Bold) {
  Font->SetName("Tahoma");
  Font->SetHeight(-11);
  Font->SetStyle(Bold ? TFontStyles{fsBold} : TFontStyles{});
}

// The height of a header as the grid paints it: wrapped within the cell less
// the grid lines and the text offset on either side.
int Header_Height(TExtColumnGrid* Grid, int DisplCol) {
  int real = Grid->RealColIndex(DisplCol);
  TCanvas* canvas = Grid->Canvas();
  canvas->Font()->Assign(DisplCol < Grid->FixedCols() ? Grid->FixedFont() : Grid->Columns()->Items(real)->HeaderFont());
  TPoint offset = Grid->XYOffset();
  int line = Grid->GridLineWidth();
  TRect r(0, 0, Grid->ColWidths(DisplCol) - 2 * (line + offset.X), 0);
  canvas->DrawText(Grid->Cells(real, 0), r, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
  return r.Height() + 2 * (offset.Y + line);
}

}  // namespace

// The row numbers stand on their column's colour (the grid paints its fixed
// cells in the fixed colour otherwise); the header row keeps the fixed colour.
void Colour_Row_Numbers(TExtColumnGrid* Grid, TColor Color) {
  for (int r = Grid->FixedRows(); r < Grid->RowCount(); ++r) Grid->SetColors(0, r, Color);
}

namespace {

TTableCells Read_Cells(const TTableLayout& Layout, const TExtColumnGrid* Grid) {
  TTableCells cells(Layout);
  for (int r = 1; r <= cells.Rows(); ++r)
    for (int c = 1; c < cells.Cols(); ++c) cells.SetCell(c, r, Grid->Cells(c, r));
  return cells;
}

void Write_Cells(TExtColumnGrid* Grid, const TTableCells& Cells) {
  for (int r = 1; r <= Cells.Rows(); ++r)
    for (int c = 0; c < Cells.Cols(); ++c) Grid->SetCells(c, r, Cells.Cell(c, r));
}

}  // namespace

TFTableEditor::TFTableEditor(TComponent* AOwner, const TTableLayout& Layout, TTableRules Rules)
    : TShellDialog(AOwner, Layout.Client_Width, Layout.Client_Height), layout_(Layout), rules_(Rules) {
  if (Layout.Has_Delete) Btn_DelRow = Make_Button(this, P_Button, 0, 0, Button_Width, Button_Height, agDelRow);
  if (Layout.Has_Insert) Btn_InsRow = Make_Button(this, P_Button, 0, 0, Button_Width, Button_Height, agInsRow);
  Place_Buttons();
  Create_Grid();
  Btn_OK->OnClick = [this](TObject* Sender) { Btn_OKClick(Sender); };
  if (Btn_DelRow) Btn_DelRow->OnClick = [this](TObject* Sender) { Btn_DelRowClick(Sender); };
  if (Btn_InsRow) Btn_InsRow->OnClick = [this](TObject* Sender) { Btn_InsRowClick(Sender); };
  OnCreate = [this](TObject* Sender) { FormCreate(Sender); };
  OnShow = [this](TObject* Sender) { FormShow(Sender); };
}

// OK, Cancel, Delete Row and Insert Row side by side from the left.
void TFTableEditor::Place_Buttons() {
  int top = (P_Button->Height() - Button_Height) / 2;
  int left = 16;
  for (TLbButton* b : {Btn_OK, Btn_Cancel, Btn_DelRow, Btn_InsRow}) {
    if (!b) continue;
    b->SetAnchors({akLeft, akTop});
    b->SetBounds(left, top, Button_Width, Button_Height);
    left += Button_Step;
  }
}

void TFTableEditor::Create_Grid() {
  sga = new TExtColumnGrid(this);
  sga->SetParent(this);
  sga->SetAlign(alClient);
  sga->SetDefaultRowHeight(Row_Height);
  Set_Grid_Font(sga->Font(), false);
  Set_Grid_Font(sga->FixedFont(), true);
  sga->OnGetCellColor = [](TObject*, int, int, TGridDrawState State, TBrush*, TFont* Font) {
    if (State.Contains(gdFocused)) Font->SetStyle(Font->Style() + TFontStyles{fsBold});
  };
  sga->OnKeyDown = [this](TObject*, uint16_t& Key, TShiftState Shift) { Clear_List_Cell(Key, Shift); };
  // A list cell whose text is no item opens with nothing chosen, and leaving
  // it without a choice leaves it as it was.
  sga->SetComboSelection(No_Combo_Preselection);
  TGridOptions options = sga->Options();
  options += TGridOptions{goEditing, goColSizing};
  sga->SetOptions(options);
  sga->SetColCount(int(layout_.Columns.size()));
  for (size_t c = 0; c < layout_.Columns.size(); ++c) {
    const TTableColumn& col = layout_.Columns[c];
    TGridColumnItem* item = sga->Columns()->Items(int(c));
    Set_Grid_Font(item->Font(), false);
    Set_Grid_Font(item->HeaderFont(), true);
    item->SetWidth(col.Width);
    item->SetColor(col.Color);
    item->SetEditor(Editor_Of(col.Kind));
    for (const std::string& s : col.Items) item->ComboItems()->Add(s);
    item->SetCheckTrue("Y");
    item->SetCheckFalse("N");
    item->SetAlignment(col.Kind == tcCheck ? taCenter : taLeftJustify);
  }
  sga->SetRowCount(layout_.Capacity + 1);
  Colour_Row_Numbers(sga, layout_.Columns[0].Color);
  for (size_t c = 0; c < layout_.Columns.size(); ++c)
    if (layout_.Columns[c].Hidden) sga->HideColumn(int(c));
}

void TFTableEditor::FormCreate(TObject*) { Prepare_Dialog(layout_.Relabel); }

TTableCells TFTableEditor::Grid_Cells() const { return Read_Cells(layout_, sga); }

void TFTableEditor::Show_Cells(const TTableCells& Cells) { Write_Cells(sga, Cells); }

void TFTableEditor::FormShow(TObject*) {
  // An edit left open when the window was closed must not write into the reloaded table.
  Store_Edit();
  Fit_Header_Row();
  TTableCells cells(layout_);
  TTableLoad load = Load_Cells(cells);
  Show_Cells(cells);
  Start_At_First_Cell();
  Load_Incomplete = !load.Complete;
  if (!load.Complete) MessageDlg(load.Error, mtError, {mbOK});
}

TTableLoad TFTableEditor::Load_Cells(TTableCells& Cells) { return Load_Table_File(layout_, *layout_.Path, Cells); }

void TFTableEditor::Save_Cells(const TTableCells& Cells) { Save_Table_File(layout_, Cells, *layout_.Path); }

bool TFTableEditor::Controllo_dati() {
  TTableCheck check = rules_(Grid_Cells());
  if (check.Passed()) return true;
  MessageDlg(check.Text, check.Bare ? mtCustom : mtError, {mbOK});
  return false;
}

// A list offers only its items, so Delete and Backspace are the way to empty
// a list cell again (a row opened by mistake must be emptied to end the table).
void TFTableEditor::Clear_List_Cell(uint16_t& Key, TShiftState Shift) {
  if ((Key != VK_DELETE && Key != VK_BACK) || !Shift.Empty() || sga->EditorMode()) return;
  const int col = sga->RealColIndex(sga->Col());
  if (col <= 0 || col >= int(layout_.Columns.size()) || layout_.Columns[size_t(col)].Kind != tcList) return;
  sga->SetCells(col, sga->Row(), "");
  Key = 0;
}

// Each show starts where a user starts filling the table: the first data
// cell, at the top, with no range left selected from the last showing.
void TFTableEditor::Start_At_First_Cell() {
  const int first = sga->FixedCols();
  sga->SetTopRow(1);
  sga->SetLeftCol(first);
  sga->SetSelection(TGridRect{first, 1, first, 1});
}

// The cell being edited holds the user's last word: it is stored before the
// rows are checked, saved or moved, and the editor closes, so that it cannot
// write its text back into a row that moved under it.
void TFTableEditor::Store_Edit() { sga->HideInplaceEdit(); }

void TFTableEditor::Btn_OKClick(TObject*) {
  Store_Edit();
  if (!Controllo_dati()) return;
  TTableCells cells = Grid_Cells();
  if (Replace_Section_File(Load_Incomplete, ExtractFileName(*layout_.Path), [&] { Save_Cells(cells); }))
    SetModalResult(mrOk);
}

void TFTableEditor::Btn_DelRowClick(TObject*) {
  Store_Edit();
  int row = sga->Row();
  std::string question = Lang_Text(layout_.Delete_Question) + IntToStr(row);
  if (layout_.Delete_Question_End) question += Lang_Text(layout_.Delete_Question_End);
  if (MessageDlg(question, mtConfirmation, {mbYes, mbNo}) != mrYes) return;
  Delete_Row(row, sga);
}

void TFTableEditor::Btn_InsRowClick(TObject*) {
  Store_Edit();
  if (Row_Has_Data(layout_, Grid_Cells(), layout_.Capacity)) {
    MessageDlg(Insert_Row_Refused_Text(layout_.Capacity), mtError, {mbOK});
    return;
  }
  Insert_Row(sga->Row(), sga);
}

void TFTableEditor::Delete_Row(int Num_Row, TExtColumnGrid* app_SGA) {
  TTableCells cells = Read_Cells(layout_, app_SGA);
  ::Delete_Row(cells, Num_Row);
  Write_Cells(app_SGA, cells);
}

void TFTableEditor::Insert_Row(int Num_Row, TExtColumnGrid* app_SGA) {
  TTableCells cells = Read_Cells(layout_, app_SGA);
  ::Insert_Row(cells, Num_Row);
  Write_Cells(app_SGA, cells);
}

void TFTableEditor::Set_Lang() {
  SetCaption(Lang_Text(layout_.Caption));
  L_SW_Desc->SetCaption(Lang_Text(layout_.Desc));
  Btn_OK->SetCaption(Lang_Text(layout_.Btn_OK));
  Btn_Cancel->SetCaption(Lang_Text(layout_.Btn_Cancel));
  if (Btn_DelRow) Btn_DelRow->SetCaption(Lang_Text(layout_.Btn_DelRow));
  if (Btn_InsRow) Btn_InsRow->SetCaption(Lang_Text(layout_.Btn_InsRow));
  for (size_t c = 0; c < layout_.Columns.size(); ++c)
    sga->Columns()->Items(int(c))->SetHeader(Lang_Text(layout_.Columns[c].Header));
}

// A header wider than its column wraps (with the screen's fonts or another
// language's texts): the header row grows to show every line of it.
void TFTableEditor::Fit_Header_Row() {
  int height = Row_Height;
  for (int c = 0; c < sga->ColCount(); ++c) height = std::max(height, Header_Height(sga, c));
  sga->SetRowHeights(0, height);
}
