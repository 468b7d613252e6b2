// The data-access objects on unixODBC: a record set reads its whole result
// when opened, so its record count is known and a failure leaves nothing half read.

#include <cctype>
#include <memory>
#include <vector>

#include "platform/automation/OfficeServers.h"
#include "platform/database/OdbcConnection.h"

namespace platform::automation {
namespace {

std::string Upper(std::string S) {
  for (char& c : S) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return S;
}

// KEY=value pairs split at ";", a value in braces kept whole.
std::vector<std::pair<std::string, std::string>> ConnectionPairs(const std::string& Text) {
  std::vector<std::pair<std::string, std::string>> pairs;
  size_t pos = 0;
  while (pos < Text.size()) {
    size_t eq = Text.find('=', pos);
    if (eq == std::string::npos) break;
    std::string key = Text.substr(pos, eq - pos), value;
    size_t end;
    if (eq + 1 < Text.size() && Text[eq + 1] == '{') {
      size_t close = Text.find('}', eq + 2);
      if (close == std::string::npos) throw AutomationError("Invalid connection string");
      value = Text.substr(eq + 2, close - eq - 2);
      end = Text.find(';', close);
    } else {
      end = Text.find(';', eq);
      value = Text.substr(eq + 1, end == std::string::npos ? std::string::npos : end - eq - 1);
    }
    pairs.emplace_back(Upper(key), value);
    pos = end == std::string::npos ? Text.size() : end + 1;
  }
  return pairs;
}

class OdbcDbConnection : public DbConnection {
public:
  void Open(const std::string& ConnectionString) override { connection_.Open(OdbcConnectionString(ConnectionString)); }
  void Close() override { connection_.Close(); }
  database::OdbcConnection& Odbc() { return connection_; }

private:
  database::OdbcConnection connection_;
};

class OdbcDbRecordset : public DbRecordset {
public:
  void SetActiveConnection(DbConnection& Connection) override {
    connection_ = dynamic_cast<OdbcDbConnection*>(&Connection);
    if (!connection_) throw AutomationError("The connection belongs to another data provider");
  }
  void Open(const std::string& Sql) override {
    if (!connection_) throw AutomationError("The record set has no active connection");
    result_ = connection_->Odbc().Query(Sql);
    row_ = 0;
  }
  int FieldsCount() override { return static_cast<int>(result_.names.size()); }
  std::string FieldName(int Index) override { return result_.names.at(field(Index)); }
  int RecordCount() override { return static_cast<int>(result_.rows.size()); }
  bool Eof() override { return row_ >= result_.rows.size(); }
  int FieldActualSize(int Index) override {
    const auto& v = current().at(field(Index));
    return v ? static_cast<int>(v->size()) : 0;
  }
  std::string FieldValue(int Index) override { return current().at(field(Index)).value_or(""); }
  void MoveNext() override {
    if (Eof()) throw AutomationError("Either BOF or EOF is True, or the current record has been deleted");
    ++row_;
  }
  void Close() override {
    result_ = {};
    row_ = 0;
  }

private:
  size_t field(int Index) {
    if (Index < 0 || Index >= FieldsCount()) throw AutomationError("Item cannot be found in the collection");
    return static_cast<size_t>(Index);
  }
  const std::vector<std::optional<std::string>>& current() {
    if (Eof()) throw AutomationError("Either BOF or EOF is True, or the current record has been deleted");
    return result_.rows[row_];
  }
  OdbcDbConnection* connection_ = nullptr;
  database::QueryResult result_;
  size_t row_ = 0;
};

}  // namespace

std::string OdbcConnectionString(const std::string& AdoConnectionString) {
  for (auto& [key, value] : ConnectionPairs(AdoConnectionString))
    if (key == "DBQ") return database::FileConnectionString(value);
  return AdoConnectionString;
}

std::shared_ptr<AutomationObject> NewOdbcConnection() { return std::make_shared<OdbcDbConnection>(); }
std::shared_ptr<AutomationObject> NewOdbcRecordset() { return std::make_shared<OdbcDbRecordset>(); }

}  // namespace platform::automation
