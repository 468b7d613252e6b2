// A table or query of a desktop database file through the data-access
// objects ("ADODB.Connection", "ADODB.RecordSet"). Every record is read
// before the grid changes, so a failing query leaves the grid as it was;
// the driver's message reaches the caller unchanged.

#include <cmath>
#include <vector>

#include "grid/core/ExtGrid.h"
#include "grid/exchange/OfficeSession.h"
#include "toolkit/rtl/ScopeGuard.h"

namespace {

using namespace platform::automation;

template <class T>
std::shared_ptr<T> DataObject(const std::string& ProgId) {
  auto object = std::dynamic_pointer_cast<T>(OfficeCall("", [&] { return CreateOleObject(ProgId); }, false));
  if (!object) throw EExtGridError("Class " + ProgId + " is not a data-access object");
  return object;
}

// Runs Call and passes the server's message on as it is.
template <class F>
decltype(auto) DataCall(F&& Call) {
  try {
    return Call();
  } catch (const std::runtime_error& e) {
    throw EExtGridError(e.what());
  }
}

struct TQueryRows {
  std::vector<std::string> names;
  int recordCount = 0;
  std::vector<std::vector<std::string>> rows;
};

TQueryRows RunQuery(const std::string& Filename, const std::string& SQL) {
  auto connection = DataCall([] { return DataObject<DbConnection>("ADODB.Connection"); });
  DataCall([&] { connection->Open("Driver={Microsoft Access Driver (*.mdb)};DBQ=" + Filename); });
  auto closeConnection = MakeScopeGuard([&] { connection->Close(); });
  auto records = DataCall([] { return DataObject<DbRecordset>("ADODB.RecordSet"); });
  TQueryRows q;
  DataCall([&] {
    records->SetActiveConnection(*connection);
    records->Open(SQL);
    auto closeRecords = MakeScopeGuard([&] { records->Close(); });
    const int fields = records->FieldsCount();
    for (int i = 0; i < fields; ++i) q.names.push_back(records->FieldName(i));
    q.recordCount = records->RecordCount();
    while (!records->Eof()) {
      std::vector<std::string> row;
      for (int i = 0; i < fields; ++i) row.push_back(records->FieldActualSize(i) > 0 ? records->FieldValue(i) : "");
      q.rows.push_back(std::move(row));
      records->MoveNext();
    }
  });
  return q;
}

}  // namespace

void TExtStringGrid::LoadFromMDBTable(const std::string& Filename, const std::string& Table) {
  // The name is one identifier, never more of a statement.
  if (Table.empty() || Table.find_first_of(";]") != std::string::npos) throw EExtGridError("Invalid table name: " + Table);
  LoadFromMDBSQL(Filename, "SELECT * FROM [" + Table + "]");
}

void TExtStringGrid::LoadFromMDBSQL(const std::string& Filename, const std::string& SQL) {
  const TQueryRows q = RunQuery(Filename, SQL);
  SetColCount(static_cast<int>(q.names.size()) + FixedCols());
  if (FixedRows() > 0)
    for (size_t i = 0; i < q.names.size(); ++i) SetCellEx(FixedCols() + static_cast<int>(i), FixedRows() - 1, q.names[i]);
  if (q.recordCount > 0) SetRowCount(FixedRows() + q.recordCount);
  int row = FixedRows(), last = -1;
  for (const auto& record : q.rows) {
    if (row >= RowCount()) SetRowCount(RowCount() + 1);
    for (size_t i = 0; i < record.size(); ++i) ImportCellText(FixedCols() + static_cast<int>(i), row, record[i]);
    ++row;
    fileProgress(static_cast<int>(std::lround(100.0 * (row - FixedRows()) / static_cast<double>(q.rows.size()))), last);
  }
}
