// The table editors of other products and variants, which no step of the
// main window shows: each is created at start-up, takes its texts from the
// string table (and again after a language change, where it follows one),
// and a table entered in it comes back from its file as it was entered.
#include <gtest/gtest.h>

#include <functional>

#include "editors/UReceiveJ1939.h"
#include "editors/UTableFile.h"
#include "editors/UTransmitJ1939.h"
#include "tests/editors/TableCells.h"
#include "tests/editors/TableEditorFixture.h"
#include "tests/editors/TableUser.h"
#include "toolkit/rtl/FileUtils.h"

namespace {

struct TEditorCase {
  const char* Name;
  std::function<TFTableEditor*()> Form;
  std::vector<TRowTexts> Rows;  // a table that passes the editor's rules
};

void PrintTo(const TEditorCase& c, std::ostream* os) { *os << c.Name; }

std::vector<TEditorCase> Editor_Cases() {
  return {
      {"ReceiveJ1939",
       [] { return static_cast<TFTableEditor*>(FReceiveJ1939); },
       {{"0", "0xFEF1", "0", "Y", "1", "20", "Y", "Engine"}, {"1", "61444", "3", "N", "", "", "N", "Öl & \"x\""}}},
      {"TransmitJ1939",
       [] { return static_cast<TFTableEditor*>(FTransmitJ1939); },
       {{"3", "1", "65535", "5", "On Timer", "100", "Cmd"}, {"6", "0", "256", "2", "On Data Change", "", ""}}},
  };
}

class OtherEditorsWindow : public TableEditorFixture, public ::testing::WithParamInterface<TEditorCase> {
protected:
  TFTableEditor* F() { return GetParam().Form(); }
  // Shows the editor modally, as its own step would, and runs Steps in it.
  void Show(std::function<void()> Steps) {
    Driver.InModal(std::move(Steps));
    F()->ShowModal();
    EXPECT_TRUE(Driver.ScriptDone());
  }
  // The texts Set_Lang takes from the string table, as they stand in the window.
  std::vector<std::string> Texts() {
    std::vector<std::string> t = {F()->Caption(), F()->L_SW_Desc->Caption(), F()->Btn_OK->Caption(),
                                  F()->Btn_Cancel->Caption(), F()->Btn_DelRow->Caption()};
    if (F()->Btn_InsRow) t.push_back(F()->Btn_InsRow->Caption());
    for (int c = 0; c < F()->sga->Columns()->Count(); ++c) t.push_back(F()->sga->Cells(c, 0));
    return t;
  }
  // The same texts as the layout names them, in the string table now in force.
  std::vector<std::string> Layout_Texts() {
    const TTableLayout& l = F()->Layout();
    std::vector<std::string> t = {Lang_Text(l.Caption), Lang_Text(l.Desc), Lang_Text(l.Btn_OK),
                                  Lang_Text(l.Btn_Cancel), Lang_Text(l.Btn_DelRow)};
    if (l.Has_Insert) t.push_back(Lang_Text(l.Btn_InsRow));
    for (const TTableColumn& c : l.Columns) t.push_back(Lang_Text(c.Header));
    return t;
  }
};

TEST_P(OtherEditorsWindow, CreatedAtStartUpAndRelabelledOnALanguageChange) {
  ASSERT_NE(F(), nullptr);
  EXPECT_EQ(F()->L_SW_Code->Caption(), SW_Code);
  EXPECT_EQ(Texts(), Layout_Texts());
  for (const std::string& t : Texts()) EXPECT_FALSE(t.empty());
  std::vector<std::string> start_up = Texts();
  // Another language: every text of the table replaced.
  for (size_t i = 0; i < Lang_Strings.size(); ++i) Lang_Strings[i] = "L" + std::to_string(i);
  main->Change_Language();
  EXPECT_EQ(Texts(), F()->Layout().Relabel ? Layout_Texts() : start_up);
  // The language file that comes with the program.
  Load_Default_Lang();
  ASSERT_TRUE(Read_Lang_File((Shipped_Language_Folder() / "English.lng").string()));
  main->Change_Language();
  EXPECT_EQ(Texts(), F()->Layout().Relabel ? Layout_Texts() : start_up);
}

TEST_P(OtherEditorsWindow, EnteredTableComesBackFromItsFile) {
  const std::vector<TRowTexts>& rows = GetParam().Rows;
  Show([&] {
    EXPECT_EQ(F()->sga->RowCount(), F()->Layout().Capacity + 1);
    TTableUser(Driver, F()).Enter_Rows(rows);
    Click(F()->Btn_OK);
  });
  const TTableLayout& layout = F()->Layout();
  std::string file = Project_File(ExtractFileName(*layout.Path));
  EXPECT_EQ(file.rfind("<" + layout.Root + ">", 0), 0u) << file;
  TTableCells typed = Make_Cells(layout, rows);
  Show([&] {
    TTableCells shown = F()->Grid_Cells();
    for (int r = 1; r <= shown.Rows(); ++r) EXPECT_EQ(Row_Texts(shown, r), Row_Texts(typed, r)) << "row " << r;
    Click(F()->Btn_Cancel);
  });
}

INSTANTIATE_TEST_SUITE_P(Editors, OtherEditorsWindow, ::testing::ValuesIn(Editor_Cases()),
                         [](const auto& Info) { return std::string(Info.param.Name); });

}  // namespace
