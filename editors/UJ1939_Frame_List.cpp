#include "editors/UJ1939_Frame_List.h"

#include <algorithm>

#include "editors/UJ1939_Frame_Tables.h"
#include "outputs/USectionFiles.h"
#include "toolkit/rtl/SysUtils.h"

namespace {

TJ1939_Frame_Info Read_Frame(const TSectionTable& Table, size_t Row, const TJ1939_Frame_Needs& Needs) {
  for (const std::string& name : Needs.Required) Table.Required(Row, name);
  const TSectionRow& row = Table.Rows[Row];
  TJ1939_Frame_Info f;
  f.Priority = row.Attr("Priority").value_or("");
  f.Data_Page = row.Attr("DataPage").value_or("");
  f.PGN = row.Attr("PGN").value_or("");
  f.Source_Address = row.Attr("SourceAddress").value_or("");
  if (Needs.Long_Messages && Flag_Y(row.Attr("TransportProtocol")))
    f.Num_Byte = std::clamp(StrToIntDef(Table.Required(Row, "NumBytes"), 0), 0, Max_Long_Message);
  return f;
}

}  // namespace

TJ1939_Frame_Read Read_J1939_Frames(const std::string& Path, const TJ1939_Frame_Needs& Needs) {
  TJ1939_Frame_Read read;
  try {
    TSectionTable table = Load_Section_Table(Path);
    for (size_t i = 0; i < table.Rows.size(); ++i) read.Frames.push_back(Read_Frame(table, i, Needs));
  } catch (const ESectionFileError& e) {
    read.Error = e.Message();
  }
  return read;
}
