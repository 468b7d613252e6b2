// The Set Communication dialog opened from the main window, used as a user
// does: typing into the fields, picking the bit rate, ticking boxes, OK and
// Cancel, and what ends up in ParGen.xml.
#include <gtest/gtest.h>

#include "editors/UParGen.h"
#include "outputs/USectionFiles.h"
#include "tests/app/ShellFixture.h"
#include "toolkit/rtl/FileUtils.h"

namespace {

class ParGenDialog : public TShellFixture {
protected:
  void SetUp() override {
    TShellFixture::SetUp();
    Start();
    New_Project("P");
  }
  std::string File() const { return dir.Read("PROJECTS/P/ParGen.xml"); }
  std::string Value(const std::string& Name) const {
    return Load_Par_Gen_File(Path_ParGen).Value(Name).value_or("<missing>");
  }
  // Opens the dialog from the main window and runs Steps in it.
  void Open(std::function<void()> Steps) {
    Driver.InModal(std::move(Steps));
    Click(main->Btn_Prm_Gen);
  }
  void Type_Into(TEdit* Edit, const std::string& Text) {
    Driver.Focus(Edit);
    Driver.PressKey('A', {ssCtrl});  // replace what the field holds
    Driver.Type(Text);
  }
  TFParGen* f() { return FParGen; }
};

TEST_F(ParGenDialog, NewProjectShowsTheDefaultsAndOkWritesThem) {
  Open([&] {
    EXPECT_EQ(f()->CB_Baud_J1939->Text(), "250K");
    EXPECT_EQ(f()->E_TO_J1939->Text(), "0");
    EXPECT_EQ(f()->E_J1939_DevID->Text(), "1");
    EXPECT_EQ(f()->E_ID_DEV_PROFI_Slave->Text(), "10");
    EXPECT_EQ(f()->CB_Baud_PROFI_Slave->Text(), "Auto Baudrate");
    EXPECT_FALSE(f()->CB_En_Peer_J1939->Checked());
    Click(f()->Btn_OK);
  });
  EXPECT_EQ(f()->ModalResult(), mrOk);
  EXPECT_EQ(File(),
            "<Par_Gen>\n  <Can_Baud>5</Can_Baud>\n  <Can_TimeOut>0</Can_TimeOut>\n  <Can_Peer>0</Can_Peer>\n"
            "  <Filter_FECA>0</Filter_FECA>\n  <TimeOut_FECA>0</TimeOut_FECA>\n"
            "  <J1939_Device_ID>1</J1939_Device_ID>\n  <Profi_ID>10</Profi_ID>\n  <Profi_Baud>0</Profi_Baud>\n"
            "  <Profi_Module>0</Profi_Module>\n  <Profi_Send_J1939>0</Profi_Send_J1939>\n</Par_Gen>\n"
            "<!--SW_VERSION = 1.000-->\n");
}

// The first field has the focus on every show, so that Enter does not throw
// the entry away on Cancel, whatever button closed the dialog before.
TEST_F(ParGenDialog, EachShowStartsWithTheFocusOnTheFirstField) {
  for (int show = 0; show < 2; ++show)
    Open([&] {
      EXPECT_EQ(f()->ActiveControl(), f()->CB_Baud_J1939) << show;
      Click(f()->Btn_OK);
    });
}

TEST_F(ParGenDialog, WhatTheUserEntersIsWrittenAsTyped) {
  Open([&] {
    Driver.Focus(f()->CB_Baud_J1939);
    Driver.PressKey(VK_DOWN);  // 500K
    Type_Into(f()->E_TO_J1939, "0x10");
    Tick(f()->CB_En_Peer_J1939);
    Tick(f()->CB_J1939_FilterFECA);
    Type_Into(f()->E_J1939_FilterFECA, "250");
    Type_Into(f()->E_J1939_DevID, "239");
    Type_Into(f()->E_ID_DEV_PROFI_Slave, "125");
    Tick(f()->CB_PROFIS_Send_J1939_by_PROFIBUS);
    Click(f()->Btn_OK);
  });
  EXPECT_EQ(Value("Can_Baud"), "6");
  EXPECT_EQ(Value("Can_TimeOut"), "0x10");
  EXPECT_EQ(Value("Can_Peer"), "1");
  EXPECT_EQ(Value("Filter_FECA"), "1");
  EXPECT_EQ(Value("TimeOut_FECA"), "250");
  EXPECT_EQ(Value("J1939_Device_ID"), "239");
  EXPECT_EQ(Value("Profi_ID"), "125");
  EXPECT_EQ(Value("Profi_Module"), "0");
  EXPECT_EQ(Value("Profi_Send_J1939"), "1");
  // Shown again, the dialog reads back what it wrote.
  Open([&] {
    EXPECT_EQ(f()->CB_Baud_J1939->Text(), "500K");
    EXPECT_TRUE(f()->CB_J1939_FilterFECA->Checked());
    EXPECT_FALSE(f()->Is_Change);
    Click(f()->Btn_Cancel);  // nothing changed: no question
  });
  EXPECT_EQ(f()->ModalResult(), mrCancel);
}

TEST_F(ParGenDialog, ValueOutOfRangeShowsItsMessageAndWritesNothing) {
  Open([&] {
    Type_Into(f()->E_ID_DEV_PROFI_Slave, "126");
    Driver.ExpectMessage("Error PROFIBUS Slave!! ID Device must be between 1 and 125", mrOk);
    Click(f()->Btn_OK);
    EXPECT_TRUE(f()->Visible());
    // Not checked as a number while the filter is off, but still saved.
    f()->E_J1939_FilterFECA->SetText("5\x01");  // as if pasted: typing cannot enter it
    Type_Into(f()->E_ID_DEV_PROFI_Slave, "1");
    Driver.ExpectMessage("Error!! Filter FECA (ms) holds character U+0001, which cannot be saved", mrOk);
    Click(f()->Btn_OK);
    Driver.ExpectMessage("Do you want to exit without saving changes?", mrYes);
    Click(f()->Btn_Cancel);
  });
  EXPECT_FALSE(FileExists(Path_ParGen));
  EXPECT_EQ(Driver.MessageBoxes().size(), 3u);
  EXPECT_EQ(Driver.MessageBoxes()[0].Type, mtError);
}

TEST_F(ParGenDialog, BitRateOutsideTheListShowsAndSaves250K) {
  dir.Write("PROJECTS/P/ParGen.xml", "<Par_Gen><Can_Baud>12</Can_Baud><Profi_ID>7</Profi_ID></Par_Gen>");
  Open([&] {
    EXPECT_EQ(f()->CB_Baud_J1939->Text(), "250K");
    EXPECT_EQ(f()->E_ID_DEV_PROFI_Slave->Text(), "7");
    Click(f()->Btn_OK);
  });
  EXPECT_EQ(Value("Can_Baud"), "5");
}

TEST_F(ParGenDialog, ProfibusBoxAloneMarksTheDialogChanged) {
  Open([&] {
    Tick(f()->CB_PROFIS_Module_for_J1939);
    Driver.ExpectMessage("Do you want to exit without saving changes?", mrNo);
    Click(f()->Btn_Cancel);
    EXPECT_TRUE(f()->Visible());
    Driver.ExpectMessage("Do you want to exit without saving changes?", mrYes);
    Click(f()->Btn_Cancel);
  });
  EXPECT_EQ(f()->ModalResult(), mrCancel);
  EXPECT_FALSE(FileExists(Path_ParGen));
}

TEST_F(ParGenDialog, UnreadableFileIsNotReplacedWithoutAsking) {
  std::string broken = "<Par_Gen><Can_Baud>3</Can_Baud>";
  dir.Write("PROJECTS/P/ParGen.xml", broken);
  Driver.ExpectMessage("", mrOk);  // the parser's complaint on show
  Open([&] {
    EXPECT_EQ(f()->CB_Baud_J1939->Text(), "250K");
    Driver.ExpectMessage("ParGen.xml could not be loaded completely. Saving replaces it with what the table shows "
                         "now. Do you want to save?",
                         mrNo);
    Click(f()->Btn_OK);
    EXPECT_EQ(File(), broken);
    Driver.ExpectMessage("", mrYes);
    Click(f()->Btn_OK);
  });
  EXPECT_EQ(Value("Can_Baud"), "5");
  EXPECT_EQ(Driver.MessageBoxes()[0].Type, mtError);
}

TEST_F(ParGenDialog, FoldingABoxMovesTheOneBelowAndTheButtons) {
  Open([&] {
    EXPECT_EQ(f()->GB_PROFIBUS_Slave->Top(), 269);
    EXPECT_EQ(f()->ClientHeight(), 481);
    Click(f()->Btn_J1939_Collapse);
    EXPECT_FALSE(f()->GB_J1939_Visible);
    EXPECT_EQ(f()->GB_J1939->Height(), 26);
    EXPECT_EQ(f()->GB_PROFIBUS_Slave->Top(), 102);
    EXPECT_FALSE(f()->CB_Baud_J1939->Visible());
    EXPECT_TRUE(f()->Btn_J1939_Expande->Visible());
    Driver.Screenshot(f(), "pargen-folded.png");
    Click(f()->Btn_J1939_Expande);
    EXPECT_EQ(f()->GB_PROFIBUS_Slave->Top(), 269);
    EXPECT_TRUE(f()->CB_Baud_J1939->Visible());
    Click(f()->Btn_Cancel);
  });
}

TEST_F(ParGenDialog, ScreenshotFilled) {
  Open([&] {
    Type_Into(f()->E_TO_J1939, "30");
    Tick(f()->CB_J1939_FilterFECA);
    Type_Into(f()->E_J1939_FilterFECA, "500");
    Tick(f()->CB_PROFIS_Module_for_J1939);
    EXPECT_FALSE(Driver.Screenshot(f(), "pargen-filled.png").empty());
    Click(f()->Btn_OK);
  });
}

}  // namespace

namespace {

// A value the image could not carry is shown as written, to be corrected here.
TEST_F(ParGenDialog, ValueOutOfRangeInTheFileIsShownForCorrection) {
  dir.Write("PROJECTS/P/ParGen.xml", "<Par_Gen><Profi_ID>200</Profi_ID><Can_TimeOut>7</Can_TimeOut></Par_Gen>");
  Open([&] {
    EXPECT_EQ(f()->E_ID_DEV_PROFI_Slave->Text(), "200");
    EXPECT_EQ(f()->E_TO_J1939->Text(), "7");
    Driver.ExpectMessage("Error PROFIBUS Slave!! ID Device must be between 1 and 125", mrOk);
    Click(f()->Btn_OK);
    Type_Into(f()->E_ID_DEV_PROFI_Slave, "20");
    Click(f()->Btn_OK);
  });
  EXPECT_EQ(Value("Profi_ID"), "20");
  EXPECT_EQ(Value("Can_TimeOut"), "7");
}

}  // namespace
