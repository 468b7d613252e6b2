#include "editors/UTableData.h"

#include "toolkit/rtl/Exceptions.h"
#include "toolkit/rtl/SysUtils.h"

TTableCells::TTableCells(int Cols, int Rows) : cols_(Cols), rows_(Rows), cells_(size_t(Cols) * size_t(Rows)) {
  Reset();
}

size_t TTableCells::index(int Col, int Row) const {
  if (Col < 0 || Col >= cols_ || Row < 1 || Row > rows_)
    throw EListError("Table cell (" + IntToStr(Col) + ", " + IntToStr(Row) + ") out of range");
  return size_t(Row - 1) * size_t(cols_) + size_t(Col);
}

const std::string& TTableCells::Cell(int Col, int Row) const { return cells_[index(Col, Row)]; }

void TTableCells::SetCell(int Col, int Row, const std::string& Text) { cells_[index(Col, Row)] = Text; }

void TTableCells::Reset() {
  for (int r = 1; r <= rows_; ++r) {
    SetCell(0, r, IntToStr(r));
    for (int c = 1; c < cols_; ++c) SetCell(c, r, "");
  }
}

TTableLayout Table_Layout(std::string Root, std::string* Path, int Key_Col, int Capacity, const TTableTexts& Texts,
                          int Client_Width, std::vector<TTableColumn> Columns) {
  TTableLayout l;
  l.Root = std::move(Root);
  l.Path = Path;
  l.Key_Col = Key_Col;
  l.Capacity = Capacity;
  l.Has_Insert = Texts.Btn_InsRow != 0;
  l.Client_Width = Client_Width;
  l.Caption = Texts.Caption, l.Desc = Texts.Desc;
  l.Btn_OK = Texts.Btn_OK, l.Btn_Cancel = Texts.Btn_Cancel, l.Btn_DelRow = Texts.Btn_DelRow, l.Btn_InsRow = Texts.Btn_InsRow;
  l.Row_Prefix = Texts.Row_Prefix;
  l.Delete_Question = Texts.Delete_Question;
  l.Delete_Question_End = Texts.Delete_Question_End;
  l.Columns = std::move(Columns);
  return l;
}

std::vector<std::string> Number_Items(int From, int To) {
  std::vector<std::string> items;
  for (int i = From; i <= To; ++i) items.push_back(IntToStr(i));
  return items;
}

bool Key_Empty(const TTableLayout& Layout, const TTableCells& Cells, int Row) {
  const std::string& key = Cells.Cell(Layout.Key_Col, Row);
  return Layout.Key_Untrimmed ? key.empty() : Trim(key).empty();
}

bool Row_Has_Data(const TTableLayout& Layout, const TTableCells& Cells, int Row) {
  for (int c = 1; c < Cells.Cols(); ++c) {
    const TTableColumn& col = Layout.Columns[size_t(c)];
    std::string text = Trim(Cells.Cell(c, Row));
    if (col.Constant || text.empty() || (col.Kind == tcCheck && text == "N")) continue;
    return true;
  }
  return false;
}

namespace {

void Copy_Row(TTableCells& Cells, int From, int To) {
  for (int c = 1; c < Cells.Cols(); ++c) Cells.SetCell(c, To, Cells.Cell(c, From));
}

void Empty_Row(TTableCells& Cells, int Row) {
  for (int c = 1; c < Cells.Cols(); ++c) Cells.SetCell(c, Row, "");
}

}  // namespace

void Delete_Row(TTableCells& Cells, int Row) {
  for (int k = Row; k < Cells.Rows(); ++k) Copy_Row(Cells, k + 1, k);
  Empty_Row(Cells, Cells.Rows());
}

void Insert_Row(TTableCells& Cells, int Row) {
  for (int k = Cells.Rows() - 1; k >= Row; --k) Copy_Row(Cells, k, k + 1);
  Empty_Row(Cells, Row);
}
