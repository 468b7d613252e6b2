#include "editors/UTableFile.h"

#include "base/UFixedTexts.h"
#include "outputs/USectionFiles.h"
#include "platform/xml/XmlDocument.h"
#include "toolkit/rtl/FileUtils.h"

namespace {

// Stores the attributes of file row Index into grid row Index + 1, in column
// order; raises ESectionFileError at a missing required attribute, after the
// cells before it were stored.
void Load_Row(const TTableLayout& Layout, const TSectionTable& Table, size_t Index, TTableCells& Cells) {
  const TSectionRow& row = Table.Rows[Index];
  int r = int(Index) + 1;
  for (int c = 1; c < Cells.Cols(); ++c) {
    const TTableColumn& col = Layout.Columns[size_t(c)];
    if (col.Constant) Cells.SetCell(c, r, *col.Constant);
    else if (col.Default) Cells.SetCell(c, r, row.Attr(col.Attribute).value_or(*col.Default));
    else Cells.SetCell(c, r, Table.Required(Index, col.Attribute));
  }
}

}  // namespace

TTableLoad Load_Table_File(const TTableLayout& Layout, const std::string& Path, TTableCells& Cells) {
  Cells.Reset();
  TTableLoad result;
  try {
    TSectionTable table = Load_Section_Table(Path, {}, Layout.Root_By_Name ? Layout.Root : "");
    size_t shown = std::min(table.Rows.size(), size_t(Cells.Rows()));
    for (size_t i = 0; i < shown; ++i) Load_Row(Layout, table, i, Cells);
    if (table.Rows.size() > shown) {
      result.Complete = false;
      result.Error = Too_Many_Rows_Text(ExtractFileName(Path), Cells.Rows());
    }
  } catch (const ESectionFileError& e) {
    result.Complete = false;
    result.Error = e.Message();
  }
  return result;
}

void Save_Table_File(const TTableLayout& Layout, const TTableCells& Cells, const std::string& Path) {
  platform::XmlDocument doc;
  platform::XmlNode root = doc.AddRoot(Layout.Root);
  doc.AddComment(Section_Version_Comment);
  for (int r = 1; r <= Cells.Rows(); ++r) {
    if (Key_Empty(Layout, Cells, r)) {
      if (Layout.Skip_Empty_Rows) continue;
      break;
    }
    platform::XmlNode row = root.AddChild("row");
    for (int c = 1; c < Cells.Cols(); ++c) {
      const TTableColumn& col = Layout.Columns[size_t(c)];
      if (col.Omit_Empty && Cells.Cell(c, r).empty()) continue;
      row.SetAttribute(col.Attribute, col.Constant ? *col.Constant : Cells.Cell(c, r));
    }
  }
  doc.Save(Path);
}
