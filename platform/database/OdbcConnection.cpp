// unixODBC connections and queries.

#include "platform/database/OdbcConnection.h"

#include <sql.h>
#include <sqlext.h>

#include <filesystem>
#include <fstream>

namespace platform::database {

struct OdbcConnection::Handles {
  SQLHENV env = SQL_NULL_HENV;
  SQLHDBC dbc = SQL_NULL_HDBC;
  bool connected = false;
};

namespace {

std::string Diagnostic(SQLSMALLINT Type, SQLHANDLE Handle) {
  std::string text;
  SQLCHAR state[6], message[1024];
  SQLINTEGER native = 0;
  SQLSMALLINT length = 0;
  for (SQLSMALLINT i = 1; SQLGetDiagRec(Type, Handle, i, state, &native, message, sizeof message, &length) == SQL_SUCCESS; ++i) {
    if (!text.empty()) text += "; ";
    text += "[" + std::string(reinterpret_cast<char*>(state)) + "] " + reinterpret_cast<char*>(message);
  }
  return text.empty() ? "unknown database error" : text;
}

void Check(SQLRETURN R, SQLSMALLINT Type, SQLHANDLE Handle, const std::string& What) {
  if (!SQL_SUCCEEDED(R)) throw DatabaseError(What + ": " + Diagnostic(Type, Handle));
}

struct Statement {
  SQLHSTMT h = SQL_NULL_HSTMT;
  ~Statement() {
    if (h) SQLFreeHandle(SQL_HANDLE_STMT, h);
  }
};

// One column's value of the current row as text, read piece by piece.
std::optional<std::string> ColumnText(SQLHSTMT S, SQLUSMALLINT Col, size_t& Budget) {
  std::string value;
  char buffer[4096];
  for (;;) {
    SQLLEN indicator = 0;
    SQLRETURN r = SQLGetData(S, Col, SQL_C_CHAR, buffer, sizeof buffer, &indicator);
    if (r == SQL_NO_DATA) break;
    Check(r, SQL_HANDLE_STMT, S, "Reading a value failed");
    if (indicator == SQL_NULL_DATA) return std::nullopt;
    size_t got = indicator == SQL_NO_TOTAL || indicator >= static_cast<SQLLEN>(sizeof buffer) ? sizeof buffer - 1
                                                                                                 : static_cast<size_t>(indicator);
    if (got > Budget) throw DatabaseError("The query result is too large");
    Budget -= got;
    value.append(buffer, got);
    if (r == SQL_SUCCESS) break;
  }
  return value;
}

}  // namespace

OdbcConnection::OdbcConnection() : h_(std::make_unique<Handles>()) {}

OdbcConnection::~OdbcConnection() { Close(); }

bool OdbcConnection::IsOpen() const { return h_->connected; }

void OdbcConnection::Open(const std::string& ConnectionString) {
  Close();
  if (!SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &h_->env))) throw DatabaseError("ODBC is not available");
  SQLSetEnvAttr(h_->env, SQL_ATTR_ODBC_VERSION, reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0);
  Check(SQLAllocHandle(SQL_HANDLE_DBC, h_->env, &h_->dbc), SQL_HANDLE_ENV, h_->env, "Connecting failed");
  SQLRETURN r = SQLDriverConnect(h_->dbc, nullptr, reinterpret_cast<SQLCHAR*>(const_cast<char*>(ConnectionString.c_str())),
                                 SQL_NTS, nullptr, 0, nullptr, SQL_DRIVER_NOPROMPT);
  if (!SQL_SUCCEEDED(r)) {
    std::string why = Diagnostic(SQL_HANDLE_DBC, h_->dbc);
    Close();
    throw DatabaseError("Connecting to the database failed: " + why);
  }
  h_->connected = true;
}

void OdbcConnection::Close() {
  if (h_->connected) SQLDisconnect(h_->dbc);
  h_->connected = false;
  if (h_->dbc) SQLFreeHandle(SQL_HANDLE_DBC, h_->dbc);
  if (h_->env) SQLFreeHandle(SQL_HANDLE_ENV, h_->env);
  h_->dbc = SQL_NULL_HDBC;
  h_->env = SQL_NULL_HENV;
}

QueryResult OdbcConnection::Query(const std::string& Sql, size_t MaxBytes) {
  if (!h_->connected) throw DatabaseError("The connection is not open");
  Statement s;
  Check(SQLAllocHandle(SQL_HANDLE_STMT, h_->dbc, &s.h), SQL_HANDLE_DBC, h_->dbc, "The query failed");
  Check(SQLExecDirect(s.h, reinterpret_cast<SQLCHAR*>(const_cast<char*>(Sql.c_str())), SQL_NTS), SQL_HANDLE_STMT, s.h,
        "The query failed");
  SQLSMALLINT cols = 0;
  Check(SQLNumResultCols(s.h, &cols), SQL_HANDLE_STMT, s.h, "The query failed");
  QueryResult result;
  for (SQLUSMALLINT c = 1; c <= cols; ++c) {
    SQLCHAR name[512];
    SQLSMALLINT length = 0, type = 0, digits = 0, nullable = 0;
    SQLULEN size = 0;
    Check(SQLDescribeCol(s.h, c, name, sizeof name, &length, &type, &size, &digits, &nullable), SQL_HANDLE_STMT, s.h,
          "The query failed");
    result.names.emplace_back(reinterpret_cast<char*>(name));
  }
  size_t budget = MaxBytes;
  for (;;) {
    SQLRETURN r = SQLFetch(s.h);
    if (r == SQL_NO_DATA) break;
    Check(r, SQL_HANDLE_STMT, s.h, "Reading the result failed");
    std::vector<std::optional<std::string>> row;
    for (SQLUSMALLINT c = 1; c <= cols; ++c) row.push_back(ColumnText(s.h, c, budget));
    result.rows.push_back(std::move(row));
  }
  return result;
}

std::string FindDriverLibrary(const std::string& Library) {
  namespace fs = std::filesystem;
  std::error_code ec;
  std::vector<fs::path> folders{"/usr/lib/odbc", "/usr/local/lib/odbc", "/usr/lib64/odbc"};
  for (const fs::directory_entry& e : fs::directory_iterator("/usr/lib", ec))
    if (e.is_directory(ec) && e.path().filename().string().find("-linux-") != std::string::npos)
      folders.push_back(e.path() / "odbc");
  for (const fs::path& folder : folders)
    if (fs::is_regular_file(folder / Library, ec)) return (folder / Library).string();
  return "";
}

std::string FileConnectionString(const std::string& File) {
  std::ifstream in(File, std::ios::binary);
  if (!in || std::filesystem::is_directory(File)) throw DatabaseError("The database file " + File + " cannot be read");
  char header[16] = {};
  in.read(header, sizeof header);
  const bool sqlite = std::string(header, sizeof header) == std::string("SQLite format 3\0", 16);
  const std::string library = FindDriverLibrary(sqlite ? "libsqlite3odbc.so" : "libmdbodbc.so");
  if (library.empty())
    throw DatabaseError(std::string("No ODBC driver for ") + (sqlite ? "SQLite" : "Access") + " databases is installed");
  // The drivers take no quoting: a ";" would end the path and start another setting.
  if (File.find(';') != std::string::npos) throw DatabaseError("A database file name must not contain \";\": " + File);
  return "DRIVER=" + library + ";" + (sqlite ? "Database" : "DBQ") + "=" + File;
}

}  // namespace platform::database
