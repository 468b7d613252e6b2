// Imports of files as users have them: far-apart workbook cells held
// sparsely, and paths that are folders or FIFOs reported as such.

#include <sys/stat.h>

#include <functional>

#include "grid/exchange/ExchangeFixture.h"
#include "platform/office/XlsxWorkbook.h"
#include "grid/foundation/ExtObj.h"

namespace {

using platform::office::XlsxWorkbook;

class ExtGridLargeFilesTest : public ExchangeTest {};

// A workbook of two cells, A1 and O1048576: the grid takes the whole used
// range, and the reading holds the two cells, not the fifteen million between.
TEST_F(ExtGridLargeFilesTest, AWorkbookOfTwoFarApartCellsLoads) {
  XlsxWorkbook book = XlsxWorkbook::New();
  book.SetTexts(0, {1, 1}, {{"first"}});
  book.SetTexts(0, {1048576, 15}, {{"last"}});
  Write("sparse.xlsx", book.ToBytes());
  EXPECT_LT(Read("sparse.xlsx").size(), 3000u);
  grid->LoadFromXLS(Path("sparse.xlsx"));
  EXPECT_EQ(grid->ColCount(), 15);
  EXPECT_EQ(grid->RowCount(), 1048576);
  EXPECT_EQ(grid->Cells(0, 0), "first");
  EXPECT_EQ(grid->Cells(14, 1048575), "last");
  EXPECT_EQ(grid->Cells(7, 500000), "");
}

TEST_F(ExtGridLargeFilesTest, AFolderOrAFifoIsNotReportedAsMissing) {
  std::filesystem::create_directory(Path("folder.xml"));
  ASSERT_EQ(mkfifo(Path("fifo.xml").c_str(), 0600), 0);
  TIntList positions(0, 0);
  positions.Add(1);
  positions.Add(3);
  struct {
    const char* name;
    std::function<void(const std::string&)> load;
  } readers[] = {
      {"xml", [&](const std::string& P) { grid->LoadFromXML(P); }},
      {"fixed", [&](const std::string& P) { grid->LoadFromFixed(P, &positions, true, -1); }},
  };
  for (auto& r : readers)
    for (auto [file, says] : {std::pair{"folder.xml", "is a folder"}, std::pair{"fifo.xml", "is not a regular file"}}) {
      Fill(2, 2, {{0, 0, "keep"}});
      try {
        r.load(Path(file));
        ADD_FAILURE() << r.name << " read " << file;
      } catch (const Exception& e) {
        EXPECT_NE(e.Message().find(says), std::string::npos) << r.name << ": " << e.Message();
        EXPECT_EQ(e.Message().find("not found"), std::string::npos) << r.name << ": " << e.Message();
      }
      EXPECT_EQ(grid->Cells(0, 0), "keep") << r.name;
      EXPECT_EQ(grid->ColCount(), 2) << r.name;
    }
}

}  // namespace
