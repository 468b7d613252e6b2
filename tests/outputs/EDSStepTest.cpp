// The EDS File step of the main window: the save dialog in the project
// folder, ".eds" added, the question before an existing file is replaced,
// and the refusal that leaves no file.
#include <gtest/gtest.h>

#include "tests/app/ShellFixture.h"

namespace {

const std::string Msg_713 = "File already exists! Do you want to overwrite the file?";

class EDSStepTest : public TShellFixture {
protected:
  void SetUp() override {
    TShellFixture::SetUp();
    Start();
    New_Project("P");
  }
  std::string Out(const std::string& Name) const { return dir.Sub("PROJECTS/P/" + Name); }
};

TEST_F(EDSStepTest, SavesUnderTheChosenNameWithItsExtension) {
  Driver.AnswerSaveDialog(Out("plant"));
  main->Create_EDS();
  EXPECT_TRUE(std::filesystem::exists(Out("plant.eds")));
  EXPECT_TRUE(dir.Read("PROJECTS/P/plant.eds").starts_with("[FileInfo]\r\n"));
  // Replacing it asks; No keeps it.
  dir.Write("PROJECTS/P/plant.eds", "old");
  Driver.AnswerSaveDialog(Out("plant"));
  Driver.ExpectMessage(Msg_713, mrNo);
  main->Create_EDS();
  EXPECT_EQ(dir.Read("PROJECTS/P/plant.eds"), "old");
  Driver.AnswerSaveDialog(Out("plant.eds"));
  Driver.ExpectMessage(Msg_713, mrYes);
  main->Create_EDS();
  EXPECT_NE(dir.Read("PROJECTS/P/plant.eds"), "old");
  Driver.CancelSaveDialog();
  main->Create_EDS();
  EXPECT_TRUE(Driver.ScriptDone());
}

TEST_F(EDSStepTest, AnObjectInBothServerFilesWritesNothing) {
  const std::string row = "<row NrPdo=\"1\" Index=\"0x2000\" SubIndex=\"1\" Dimension=\"0\" B1=\"0\" B2=\"0\" B3=\"0\" B4=\"0\"/>";
  dir.Write("PROJECTS/P/CANopen_Define_Server_SDO_Read.xml", "<R>" + row + "</R>");
  dir.Write("PROJECTS/P/CANopen_Define_Server_SDO_Write.xml", "<W>" + row + "</W>");
  Driver.AnswerSaveDialog(Out("x.eds"));
  Driver.ExpectMessage("", mrOk);
  main->Create_EDS();
  ASSERT_EQ(Driver.MessageBoxes().size(), 1u);
  EXPECT_EQ(Driver.MessageBoxes()[0].Type, mtError);
  EXPECT_NE(Driver.MessageBoxes()[0].Text.find("0x2000 sub-index 1 is defined twice"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(Out("x.eds")));
}

}  // namespace
