#pragma once
// A table editor's section file: read into the cells (rows by position,
// attributes by name) and rewritten from them (the root, the version
// comment, one row per table row up to the first empty key).

#include <string>

#include "editors/UTableData.h"

inline const std::string Section_Version_Comment = "SW_VERSION = 1.000";

struct TTableLoad {
  // False when the file could not be read, a row lacked a required attribute
  // or the file held more rows than the table: saving would lose data, so
  // the editor asks first.
  bool Complete = true;
  std::string Error;  // the text of the error box; empty when complete
};

// Resets Cells, then fills them from Path. A missing file leaves them empty.
// A row without a required attribute ends the loading there; the rows and
// cells read before it stay.
TTableLoad Load_Table_File(const TTableLayout& Layout, const std::string& Path, TTableCells& Cells);

// Rewrites Path atomically from the rows before the first empty key cell
// (or, for a table that skips empty rows, from every row with a key).
// Raises platform::XmlError when the file cannot be written; the old file
// then stays as it was.
void Save_Table_File(const TTableLayout& Layout, const TTableCells& Cells, const std::string& Path);
