#pragma once
// What a table editor is, written as data: its columns with their section-file
// attributes, its key column, its row capacity, its texts and its root name;
// and its cells as plain texts, so that loading, saving, validation and the row
// moves work the same on a grid's cells and in tests without one.

#include <optional>
#include <string>
#include <vector>

#include "toolkit/graphics/Colors.h"

// How a column's cells are edited in place.
enum TTableColumnKind { tcText, tcList, tcCheck };

// The colours of the table editors' columns.
inline constexpr TColor Col_Blue = RGB(224, 250, 254);
inline constexpr TColor Col_Yellow = RGB(255, 255, 168);
inline constexpr TColor Col_Pink = RGB(252, 214, 244);
inline constexpr TColor Col_Green = RGB(168, 255, 168);
inline constexpr TColor Col_White = clWhite;

struct TTableColumn {
  std::string Attribute;  // the row attribute; empty for column 0 (the row number)
  int Header = 0;         // string index of the header
  int Width = 64;
  TColor Color = Col_White;
  TTableColumnKind Kind = tcText;
  std::vector<std::string> Items;  // the choices of a list column
  bool Hidden = false;
  // The text a missing attribute gives on load; none: the attribute is required.
  std::optional<std::string> Default;
  // Written as this text whatever the cell holds; on load the cell gets it
  // and the attribute is not read.
  std::optional<std::string> Constant;
  // The attribute is left out of a row whose cell is empty.
  bool Omit_Empty = false;
};

inline TTableColumn Column(std::string Attribute, int Header, int Width, TColor Color,
                           TTableColumnKind Kind = tcText, std::vector<std::string> Items = {}) {
  TTableColumn c;
  c.Attribute = std::move(Attribute);
  c.Header = Header;
  c.Width = Width;
  c.Color = Color;
  c.Kind = Kind;
  c.Items = std::move(Items);
  return c;
}

struct TTableLayout {
  std::string Root;  // root element name of the section file
  int Key_Col = 1;   // a row whose key cell, trimmed, is empty ends the table
  // Instead, rows whose key cell is empty are skipped: every filled row is
  // checked and written, wherever it stands.
  bool Skip_Empty_Rows = false;
  int Capacity = 30;  // data rows
  bool Has_Insert = true;
  bool Has_Delete = true;
  // The key cell ends the table only when it is empty; else also when it
  // holds blanks alone.
  bool Key_Untrimmed = false;
  // The root is looked up by its name among the top-level nodes; else it is
  // the first element.
  bool Root_By_Name = false;
  int Client_Width = 600;
  int Client_Height = 337;
  // String indexes of the texts.
  int Caption = 0, Desc = 0, Btn_OK = 0, Btn_Cancel = 0, Btn_DelRow = 0, Btn_InsRow = 0;
  int Row_Prefix = 0;       // "Error in row "
  int Delete_Question = 0;  // "Are you sure to delete the Row number "
  int Delete_Question_End = 0;  // said after the row number ("?"); 0: nothing
  bool Relabel = true;  // false: a language change leaves the start-up texts
  std::vector<TTableColumn> Columns;  // column 0 (the row number) first
  std::string* Path = nullptr;        // the global holding the section file's path
};

// Where a table editor's texts stand in the string table. An editor without
// Insert Row has Btn_InsRow 0.
struct TTableTexts {
  int Caption = 0, Desc = 0, Btn_OK = 0, Btn_Cancel = 0, Btn_DelRow = 0, Btn_InsRow = 0;
  int Row_Prefix = 0, Delete_Question = 0, Delete_Question_End = 0;
};

// A table editor of Capacity rows writing Root into the file named by *Path;
// it offers Insert Row when Texts name its caption.
TTableLayout Table_Layout(std::string Root, std::string* Path, int Key_Col, int Capacity, const TTableTexts& Texts,
                          int Client_Width, std::vector<TTableColumn> Columns);

// The decimal texts From to To, the items of a numbered drop-down list.
std::vector<std::string> Number_Items(int From, int To);

// The texts of a table: data rows 1 to Rows(), columns 0 to Cols() - 1;
// column 0 holds the row number. Row 0 (the header) is not kept.
class TTableCells {
public:
  TTableCells(int Cols, int Rows);
  explicit TTableCells(const TTableLayout& Layout) : TTableCells(int(Layout.Columns.size()), Layout.Capacity) {}

  int Cols() const { return cols_; }
  int Rows() const { return rows_; }
  // Col 0..Cols()-1, Row 1..Rows(); anything else raises EListError.
  const std::string& Cell(int Col, int Row) const;
  void SetCell(int Col, int Row, const std::string& Text);

  // Every data cell emptied, column 0 numbered.
  void Reset();

private:
  size_t index(int Col, int Row) const;
  int cols_;
  int rows_;
  std::vector<std::string> cells_;
};

// The key cell of Row, trimmed, is empty.
bool Key_Empty(const TTableLayout& Layout, const TTableCells& Cells, int Row);
// Row holds something the user entered: a data cell that is not blank, not
// a constant column and not a check box left at "N".
bool Row_Has_Data(const TTableLayout& Layout, const TTableCells& Cells, int Row);

// The rows below Row move up by one and the last row is emptied; column 0
// stays; hidden columns move with their rows.
void Delete_Row(TTableCells& Cells, int Row);
// Row and the rows below it move down by one (the last row's content drops
// out) and Row is emptied. Callers refuse this while the last row holds data.
void Insert_Row(TTableCells& Cells, int Row);
