#include "editors/UTableCheck.h"

#include "base/UFixedTexts.h"
#include "base/ULanguage.h"
#include "platform/xml/XmlDocument.h"
#include "toolkit/rtl/SysUtils.h"

namespace {

std::string Header_Text(const TTableLayout& Layout, int Col) { return Trim(Lang_Text(Layout.Columns[size_t(Col)].Header)); }

TTableCheck Failure(const TTableLayout& Layout, int Row, int Message, const std::string& Rule_Text) {
  if (Message <= Msg_Bare_Code_Base) return {Row, Message, IntToStr(Msg_Bare_Code_Base - Message), true};
  std::string text = Message == Msg_Byte_Total ? Byte_Total_Text(Row)
                                               : Lang_Text(Layout.Row_Prefix) + IntToStr(Row) + Rule_Text;
  return {Row, Message, text, false};
}

// The first cell of Row that the file could not carry.
TTableCheck Check_Chars(const TTableLayout& Layout, const TTableCells& Cells, int Row) {
  for (int c = 1; c < Cells.Cols(); ++c) {
    if (Layout.Columns[size_t(c)].Constant) continue;
    if (auto bad = platform::XmlUnsavableChar(Cells.Cell(c, Row)))
      return Failure(Layout, Row, Msg_Unsavable_Char, Unsavable_Cell_Text(Header_Text(Layout, c), *bad));
  }
  return {};
}

// From the row that ends the table on, a row holding data would be lost.
TTableCheck Check_After_End(const TTableLayout& Layout, const TTableCells& Cells, int End_Row) {
  std::string key = Header_Text(Layout, Layout.Key_Col);
  for (int r = End_Row; r <= Cells.Rows(); ++r) {
    if (!Row_Has_Data(Layout, Cells, r)) continue;
    if (r == End_Row)
      return Failure(Layout, r, Msg_Row_Without_Key, Row_Without_Key_Text(key));
    return Failure(Layout, r, Msg_Row_After_End, Row_After_Table_End_Text(End_Row, key));
  }
  return {};
}

}  // namespace

int Cell_Int(const TTableCells& Cells, int Col, int Row) { return StrToIntDef(Cells.Cell(Col, Row), -1); }

namespace {

TTableCheck Check_Row(const TTableLayout& Layout, const TTableCells& Cells, const TRowRule& Rule, int Row) {
  if (int msg = Rule(Cells, Row); msg != 0) return Failure(Layout, Row, msg, msg > 0 ? Lang_Text(msg) : "");
  return Check_Chars(Layout, Cells, Row);
}

// Every row with a key is checked; a row with data but no key would be lost.
TTableCheck Check_Filled_Rows(const TTableLayout& Layout, const TTableCells& Cells, const TRowRule& Rule) {
  for (int r = 1; r <= Cells.Rows(); ++r) {
    if (!Key_Empty(Layout, Cells, r)) {
      if (TTableCheck bad = Check_Row(Layout, Cells, Rule, r); !bad.Passed()) return bad;
    } else if (Row_Has_Data(Layout, Cells, r)) {
      return Failure(Layout, r, Msg_Row_Without_Key, Row_Without_Key_Text(Header_Text(Layout, Layout.Key_Col)));
    }
  }
  return {};
}

}  // namespace

TTableCheck Check_Table(const TTableLayout& Layout, const TTableCells& Cells, const TRowRule& Rule) {
  if (Layout.Skip_Empty_Rows) return Check_Filled_Rows(Layout, Cells, Rule);
  int r = 1;
  for (; r <= Cells.Rows() && !Key_Empty(Layout, Cells, r); ++r)
    if (TTableCheck bad = Check_Row(Layout, Cells, Rule, r); !bad.Passed()) return bad;
  return Check_After_End(Layout, Cells, r);
}
