// A database file made by the test with SQLite, read by the grid through
// unixODBC with SQLite's ODBC driver; Access files go to the MDB Tools driver.

#include "grid/exchange/ExchangeFixture.h"
#include "grid/exchange/PythonTool.h"
#include "platform/automation/OfficeServers.h"

namespace {

class ExtGridMDBFileTest : public ExchangeTest {
protected:
  void SetUp() override {
    ExchangeTest::SetUp();
    RunPython(R"(
import sys, sqlite3
c = sqlite3.connect(sys.argv[1])
c.execute('CREATE TABLE "Order Lines" (id INTEGER, name TEXT, price REAL, note TEXT)')
c.executemany('INSERT INTO "Order Lines" VALUES (?,?,?,?)', [(1, 'M\u00fcller', 2.5, None), (2, 'x;y', 10, 'n')])
c.commit()
)",
              {Path("shop.db")});
  }
};

TEST_F(ExtGridMDBFileTest, ATableLoadsWithItsFieldNamesAboveTheRecords) {
  grid->SetColCount(2);
  grid->SetRowCount(2);
  grid->SetFixedRows(1);
  grid->LoadFromMDBTable(Path("shop.db"), "Order Lines");
  EXPECT_EQ(grid->ColCount(), 4);
  EXPECT_EQ(grid->RowCount(), 3);
  EXPECT_EQ(grid->Cells(0, 0), "id");
  EXPECT_EQ(grid->Cells(3, 0), "note");
  EXPECT_EQ(grid->Cells(1, 1), "M\xC3\xBCller");
  EXPECT_EQ(grid->Cells(2, 1), "2.5");
  EXPECT_EQ(grid->Cells(3, 1), "");  // NULL
  EXPECT_EQ(grid->Cells(1, 2), "x;y");
}

TEST_F(ExtGridMDBFileTest, AQueryLoadsItsRows) {
  grid->LoadFromMDBSQL(Path("shop.db"), "SELECT name FROM \"Order Lines\" WHERE id = 2");
  EXPECT_EQ(grid->ColCount(), 1);
  EXPECT_EQ(grid->Cells(0, 0), "x;y");
}

TEST_F(ExtGridMDBFileTest, FailuresOfTheDatabaseRaiseAndLeaveTheGrid) {
  Fill(2, 2, {{0, 0, "old"}});
  Write("garbage.mdb", std::string(4096, 'g'));
  for (auto act : std::vector<std::function<void()>>{
           [&] { grid->LoadFromMDBSQL(Path("shop.db"), "SELECT nothing FROM nowhere"); },
           [&] { grid->LoadFromMDBTable(Path("missing.mdb"), "t"); },
           [&] { grid->LoadFromMDBTable(Path("garbage.mdb"), "t"); },
       }) {
    EXPECT_THROW(act(), EExtGridError);
    EXPECT_EQ(grid->Cells(0, 0), "old");
    EXPECT_EQ(grid->ColCount(), 2);
  }
}

TEST(OdbcConnectionStringTest, TheFileDecidesTheDriver) {
  const std::string folder = testing::TempDir();
  WriteFileAtomic(folder + "/a.mdb", std::string(16, '\0'));
  WriteFileAtomic(folder + "/b.mdb", std::string("SQLite format 3\0", 16));
  using platform::automation::OdbcConnectionString;
  EXPECT_NE(OdbcConnectionString("Driver={Microsoft Access Driver (*.mdb)};DBQ=" + folder + "/a.mdb").find("libmdbodbc.so;DBQ="),
            std::string::npos);
  EXPECT_NE(OdbcConnectionString("Driver={Microsoft Access Driver (*.mdb)};DBQ=" + folder + "/b.mdb").find("libsqlite3odbc.so;Database="),
            std::string::npos);
  EXPECT_EQ(OdbcConnectionString("DSN=Other"), "DSN=Other");
}

}  // namespace
