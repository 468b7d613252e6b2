#pragma once
// Queries of database files through unixODBC. A desktop database names its
// file, not a server: the driver is chosen by the file's content (SQLite's
// header, else the MDB Tools driver for Access files) and found by the path
// of its library, so nothing needs registering in odbcinst.ini.

#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace platform::database {

// Raised with the driver's diagnostic ("[SQLSTATE] message").
class DatabaseError : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

struct QueryResult {
  std::vector<std::string> names;
  std::vector<std::vector<std::optional<std::string>>> rows;  // nullopt for NULL
};

class OdbcConnection {
public:
  OdbcConnection();
  ~OdbcConnection();
  OdbcConnection(const OdbcConnection&) = delete;
  OdbcConnection& operator=(const OdbcConnection&) = delete;

  void Open(const std::string& ConnectionString);
  void Close();
  bool IsOpen() const;
  // Every row of the statement's result as text, all of it held in memory;
  // a result beyond MaxBytes raises instead of exhausting memory.
  QueryResult Query(const std::string& Sql, size_t MaxBytes = 256u << 20);

private:
  struct Handles;
  std::unique_ptr<Handles> h_;
};

// "DRIVER=<library>;Database=<file>" for the driver that reads File; raises
// DatabaseError when the file cannot be read or no driver for it is installed.
std::string FileConnectionString(const std::string& File);

// The driver library named Library ("libsqlite3odbc.so") in the system's ODBC
// driver folders; "" when it is not installed.
std::string FindDriverLibrary(const std::string& Library);

}  // namespace platform::database
