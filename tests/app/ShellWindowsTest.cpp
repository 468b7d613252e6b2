// The windows of the shell as a user meets them: first start, the steps
// refused without a project, new and open project, the options dialog with
// the language and the update timer, and the About box.
#include <filesystem>

#include "app/UVersionCheck.h"
#include "base/UFormLook.h"
#include "editors/UParGen.h"
#include "editors/UReceive_J1939_Frames_P68.h"
#include "editors/UTransmit_J1939_Frames_P68.h"
#include "platform/shell/OpenLink.h"
#include "tests/app/ShellFixture.h"
#include "toolkit/graphics/Bitmap.h"
#include "toolkit/graphics/Picture.h"

namespace fs = std::filesystem;

namespace {

class ShellWindowsTest : public TShellFixture {};

TEST_F(ShellWindowsTest, FirstStartInAnEmptyFolder) {
  Start();
  for (const char* name : {"MASTER", "PROJECTS", "LANGUAGE"}) EXPECT_TRUE(fs::is_directory(dir.Sub(name))) << name;
  EXPECT_EQ(main->Caption(), "Quelix - Configurator CF21070 - J1939 / PROFIBUS Slave ");
  EXPECT_EQ(main->L_SW_Code->Caption(), "CF21070");
  EXPECT_EQ(main->L_SW_Desc->Caption(), "J1939 / PROFIBUS Slave - Converter");
  EXPECT_EQ(Labels(), "None Configuration Opened |Use Step1 to open or create new configuration");
  EXPECT_EQ(main->ClientWidth(), 694);
  EXPECT_EQ(main->ClientHeight(), 332 + 152);
  for (int n = 0; n < 8; ++n) EXPECT_EQ(main->L_Step[n]->Visible(), n < 6) << n;
  EXPECT_EQ(main->L_Step[5]->Caption(), "Step 6");
  for (TLbButton* b : {main->Btn_New, main->Btn_Open, main->Btn_Prm_Gen, main->Btn_Receive_J1939,
                       main->Btn_Transmit_J1939, main->Btn_GSD_File, main->Btn_CreateBin, main->Btn_Info,
                       main->Btn_Opz, main->Btn_Close})
    EXPECT_TRUE(b->Visible()) << b->Caption();
  EXPECT_FALSE(main->Btn_Modbus_Write_Request->Visible());
  EXPECT_FALSE(main->Btn_Receive_CAN->Visible());
  EXPECT_EQ(main->Btn_Prm_Gen->Caption(), "Set Communication");
  EXPECT_EQ(main->Btn_GSD_File->Caption(), "GSD File");
  EXPECT_EQ(main->Btn_CreateBin->Caption(), "Update Device");
  EXPECT_EQ(main->Btn_Info->Hint(), "Information");
  EXPECT_EQ(main->Shape1->Top(), 383);
  EXPECT_FALSE(main->Timer_Update->Enabled());
  EXPECT_FALSE(main->LL_Update->Visible());
  Driver.Screenshot(main, "main-window.png");
}

TEST_F(ShellWindowsTest, StepsThatNeedAProjectAreRefused) {
  Start();
  for (TLbButton* b : {main->Btn_Prm_Gen, main->Btn_Receive_J1939, main->Btn_Transmit_J1939, main->Btn_GSD_File,
                       main->Btn_CreateBin}) {
    Driver.ExpectMessage("Project not valid", mrOk);
    Click(b);
    ASSERT_FALSE(Driver.MessageBoxes().empty());
    EXPECT_EQ(Driver.MessageBoxes().back().Type, mtError);
    // The box took the pointer: the button is drawn normal once it closes,
    // not hot until the mouse moves.
    EXPECT_FALSE(b->CursorOnButton());
    EXPECT_FALSE(b->Down());
    EXPECT_EQ(Driver.PixelAt(b, 2, 2), Form_Color);
    Driver.MouseMove(b, 4, 4);
    EXPECT_EQ(Driver.PixelAt(b, 2, 2), Button_Hot_Color);
  }
  EXPECT_EQ(Driver.MessageBoxes().size(), 5u);
  EXPECT_FALSE(fs::exists(dir.Sub("PROJECTS/bin")));
}

TEST_F(ShellWindowsTest, NewProjectThenOpenAnother) {
  Start();
  New_Project("Line3");
  EXPECT_TRUE(fs::is_directory(dir.Sub("PROJECTS/Line3/bin")));
  EXPECT_EQ(Labels(), "Opened Configuration of the Converter : |Line3");
  EXPECT_EQ(Path_ParGen, dir.Sub("PROJECTS/Line3/ParGen.xml"));

  // Enter in the name box does what OK does.
  Driver.InModal([this] {
    Driver.Focus(FNew_Project->E_New_Proj);
    Driver.Type("Alpha\n");
  });
  Click(main->Btn_New);
  EXPECT_EQ(Labels(), "Opened Configuration of the Converter : |Alpha");

  Driver.InModal([this] {
    ASSERT_EQ(FOpenConf->ListBox1->Items()->Count(), 2);
    EXPECT_EQ(FOpenConf->ListBox1->Items()->Get(0), "Alpha");
    EXPECT_EQ(FOpenConf->ListBox1->ItemIndex(), 0);  // the open project
    TRect second = FOpenConf->ListBox1->ItemRect(1);
    Driver.Click(FOpenConf->ListBox1, second.Left + 5, second.Top + 2);
    EXPECT_EQ(FOpenConf->Name_Conf, "Line3");
    Driver.Screenshot(FOpenConf, "open-project.png");
    Click(FOpenConf->Btn_OK);
  });
  Click(main->Btn_Open);
  EXPECT_EQ(Labels(), "Opened Configuration of the Converter : |Line3");
  EXPECT_EQ(Project_Folder, dir.Sub("PROJECTS/Line3"));

  // With a project open the steps are no longer refused: each opens its dialog.
  for (auto [step, dialog] : std::initializer_list<std::pair<TLbButton*, TShellDialog*>>{
           {main->Btn_Prm_Gen, FParGen},
           {main->Btn_Receive_J1939, FReceive_J1939_Frame_P68},
           {main->Btn_Transmit_J1939, FTransmit_J1939_Frame_P68}}) {
    Driver.InModal([this, dialog] {
      EXPECT_EQ(Application->ModalForm(), dialog);
      Click(dialog->Btn_Cancel);
    });
    Click(step);
    EXPECT_TRUE(Driver.ScriptDone());
    EXPECT_FALSE(dialog->Visible());
  }
  EXPECT_TRUE(Driver.MessageBoxes().empty());
  EXPECT_EQ(Application->ModalForm(), nullptr);
}

TEST_F(ShellWindowsTest, NewProjectNamesThatAreRefused) {
  Start();
  New_Project("Line3");
  New_Project("", "Error! Name Project is not valid");
  New_Project("LINE3", "Error! Name project is not valid because directory already exists");
  New_Project("a/b", "Error! Name project is not valid");
  EXPECT_EQ(Labels(), "Opened Configuration of the Converter : |Line3");
  Driver.InModal([this] {
    Driver.Screenshot(FNew_Project, "new-project.png");
    Click(FNew_Project->Btn_Cancel);
  });
  Click(main->Btn_New);
  EXPECT_EQ(Project_Name, "Line3");
}

TEST_F(ShellWindowsTest, OpenOnAnEmptyListOpensNoProject) {
  Start();
  Driver.InModal([this] { Click(FOpenConf->Btn_OK); });
  Click(main->Btn_Open);
  EXPECT_EQ(Labels(), "None Configuration Opened |Use Step1 to open or create new configuration");
  Driver.ExpectMessage("Project not valid", mrOk);
  Click(main->Btn_CreateBin);
}

TEST_F(ShellWindowsTest, RemembersTheProjectAcrossRuns) {
  fs::create_directories(dir.Sub("PROJECTS/Line3"));
  dir.Write("Tessimator.xml", "<Conf_Settings><lastproj><projectname>Line3</projectname></lastproj></Conf_Settings>");
  Start();
  EXPECT_EQ(Labels(), "Opened Configuration of the Converter : |Line3");
  New_Project("Next");
  Click(main->Btn_Close);
  EXPECT_NE(dir.Read("Tessimator.xml").find("Next"), std::string::npos);
}

TEST_F(ShellWindowsTest, RememberedProjectWhoseFolderWasDeleted) {
  dir.Write("Tessimator.xml", "<Conf_Settings><lastproj><projectname>Gone</projectname></lastproj></Conf_Settings>");
  Start();
  EXPECT_EQ(Labels(), "None Configuration Opened |Use Step1 to open or create new configuration");
  Driver.ExpectMessage("Project not valid", mrOk);
  Click(main->Btn_Receive_J1939);
  Click(main->Btn_Close);
  EXPECT_NE(dir.Read("Tessimator.xml").find("Gone"), std::string::npos);  // written back as read
}

// Open Configuration: Enter opens the selected project (OK is the default
// button), and a double click on an entry opens that entry.
TEST_F(ShellWindowsTest, OpenConfigurationByEnterAndByDoubleClick) {
  Start();
  New_Project("Alpha");
  New_Project("Beta");
  Driver.InModal([this] {
    Driver.Focus(FOpenConf->ListBox1);
    Driver.PressKey(VK_UP);  // from the open project, Beta, to Alpha
    Driver.PressKey(VK_RETURN);
  });
  Click(main->Btn_Open);
  EXPECT_TRUE(Driver.ScriptDone());
  EXPECT_EQ(Project_Folder, dir.Sub("PROJECTS/Alpha"));
  Driver.InModal([this] {
    TRect beta = FOpenConf->ListBox1->ItemRect(1);
    Driver.DoubleClick(FOpenConf->ListBox1, beta.Left + 5, beta.Top + 2);
  });
  Click(main->Btn_Open);
  EXPECT_TRUE(Driver.ScriptDone());
  EXPECT_EQ(Project_Folder, dir.Sub("PROJECTS/Beta"));
}

// A project folder whose name is not UTF-8 is listed with a replacement
// character; OK says it cannot be opened and the dialog stays.
TEST_F(ShellWindowsTest, ProjectNameThatIsNotUtf8IsShownAndRefused) {
  fs::create_directories(dir.Sub("PROJECTS/Line\xE8" "3"));
  Start();
  Driver.InModal([this] {
    EXPECT_EQ(FOpenConf->ListBox1->Items()->Get(0), "Line\xEF\xBF\xBD" "3");
    Driver.ExpectMessage("The project Line\xEF\xBF\xBD" "3 cannot be opened: its folder name is not valid UTF-8", mrOk);
    Click(FOpenConf->Btn_OK);
    EXPECT_TRUE(FOpenConf->Visible());
    Click(FOpenConf->Btn_Cancel);
  });
  Click(main->Btn_Open);
  EXPECT_TRUE(Driver.ScriptDone());
  EXPECT_EQ(Project_Folder, "");
}

// A link the desktop cannot open is said in an error box.
TEST_F(ShellWindowsTest, LinkThatCannotBeOpenedIsReported) {
  struct TFailingOpener : platform::LinkOpener {
    platform::LinkResult Open(const std::string&) override { return {false, "xdg-open is not installed"}; }
  } failing;
  Start();
  platform::SetLinkOpener(&failing);
  Driver.ExpectMessage("The link " + Home_Page_Url() + " cannot be opened: xdg-open is not installed", mrOk);
  Click(main->L_Quelix);
  platform::SetLinkOpener(nullptr);
  ASSERT_EQ(Driver.MessageBoxes().size(), 1u);
  EXPECT_EQ(Driver.MessageBoxes()[0].Type, mtError);
}

// An empty LANGUAGE folder has nothing to page through.
TEST_F(ShellWindowsTest, OptionsWithoutLanguageFilesShowNoPaging) {
  Start();
  Driver.InModal([this] {
    EXPECT_FALSE(FSoftOptions->L_Page_Lang->Visible());
    EXPECT_FALSE(FSoftOptions->Btn_Next->Visible());
    EXPECT_FALSE(FSoftOptions->Btn_Prev->Visible());
    EXPECT_FALSE(FSoftOptions->L_L[0]->Visible());
    Click(FSoftOptions->Btn_Cancel);
  });
  Click(main->Btn_Opz);
  EXPECT_TRUE(Driver.ScriptDone());
}

// The language files that come with the program, laid into LANGUAGE as the
// build lays them: English with its flag, another language with the default
// flag.
TEST_F(ShellWindowsTest, ShippedLanguageFilesShowEnglishWithItsFlag) {
  fs::create_directories(dir.Sub("LANGUAGE"));
  for (const char* name : {"English.lng", "English.bmp", "DefaultFlag.bmp"})
    fs::copy_file(Shipped_Language_Folder() / name, dir.Sub(std::string("LANGUAGE/") + name));
  dir.Write("LANGUAGE/Deutsch.lng", "");
  Start();
  Driver.InModal([this] {
    auto* o = FSoftOptions;
    EXPECT_EQ(o->L_Page_Lang->Caption(), "Page 1 / 1");
    EXPECT_FALSE(o->Btn_Next->Visible());
    EXPECT_EQ(o->L_L[1]->Caption(), "English");
    ASSERT_TRUE(o->I_L[1]->Visible());
    EXPECT_EQ(Driver.PixelAt(o->I_L[1], 24, 24), RGB(0xC8, 0x10, 0x2E));  // the red cross in the middle
    EXPECT_EQ(Driver.PixelAt(o->I_L[1], 2, 10), RGB(0x01, 0x21, 0x69));   // the blue field
    EXPECT_EQ(o->L_L[0]->Caption(), "Deutsch");
    ASSERT_TRUE(o->I_L[0]->Visible());
    EXPECT_EQ(Driver.PixelAt(o->I_L[0], 2, 2), RGB(0xF4, 0xF4, 0xF4));    // the default flag's field
    EXPECT_EQ(Driver.PixelAt(o->I_L[0], 26, 16), RGB(0x3C, 0x78, 0xC8));  // and its pennant
    Driver.Screenshot(o, "options-shipped-languages.png");
    Click(o->Btn_Cancel);
  });
  Click(main->Btn_Opz);
  EXPECT_TRUE(Driver.ScriptDone());
  EXPECT_EQ(Language_Name, "English");
}

TEST_F(ShellWindowsTest, LanguageChangeAsksAndIsKeptOnlyOnOk) {
  dir.Write("LANGUAGE/Italiano.lng",
            "STR0=Inizio\nSTR1=Passo 1\nSTR8=Nessuna configurazione\nSTR12=Apri Configurazione\n"
            "STR18=Aggiorna\nSTR20=Opzioni\nSTR27=Crea\nSTR191=Lingua\n");
  Start();
  auto choose_italian = [this](TLbButton* close) {
    Driver.InModal([this, close] {
      ASSERT_TRUE(FSoftOptions->L_L[0]->Visible());
      EXPECT_EQ(FSoftOptions->L_L[0]->Caption(), "Italiano");
      EXPECT_FALSE(FSoftOptions->L_L[1]->Visible());
      EXPECT_EQ(FSoftOptions->L_Page_Lang->Caption(), "Page 1 / 1");
      Driver.ExpectMessage("Do you want to change the Language from English to Italiano?", mrYes);
      Click(FSoftOptions->L_L[0]);
      EXPECT_EQ(FSoftOptions->L_Sel_Lang->Caption(), "Selected Language : Italiano");
      EXPECT_EQ(FSoftOptions->TS_Language->Caption(), "Lingua");
      Driver.Screenshot(FSoftOptions, "options-language.png");
      Click(close);
    });
    Click(main->Btn_Opz);
  };
  choose_italian(FSoftOptions->Btn_Cancel);
  EXPECT_EQ(main->Btn_Open->Caption(), "Apri Configurazione");  // in force for this run
  EXPECT_EQ(main->L_Begin->Caption(), "Inizio");
  EXPECT_EQ(main->L_Step[0]->Caption(), "Passo 1");
  EXPECT_EQ(main->L_Name_Conf->Caption(), "Nessuna configurazione");
  EXPECT_EQ(main->Btn_CreateBin->Caption(), "Aggiorna");
  EXPECT_EQ(main->Btn_Opz->Hint(), "Opzioni");
  EXPECT_EQ(FNew_Project->Btn_OK->Caption(), "Crea");
  EXPECT_EQ(main->Btn_GSD_File->Caption(), "GSD File");
  EXPECT_EQ(main->Caption(), Window_Title_Default);
  EXPECT_EQ(Language_Name, "English");
  EXPECT_EQ(Driver.MessageBoxes().back().Type, mtConfirmation);

  choose_italian(FSoftOptions->Btn_OK);
  EXPECT_EQ(Language_Name, "Italiano");
  EXPECT_NE(dir.Read("Tessimator.xml").find("Italiano"), std::string::npos);
}

TEST_F(ShellWindowsTest, AnsweringNoKeepsTheLanguage) {
  dir.Write("LANGUAGE/Italiano.lng", "STR12=Apri Configurazione\n");
  Start();
  Driver.InModal([this] {
    Driver.ExpectMessage("", mrNo);
    Click(FSoftOptions->L_L[0]);
    Click(FSoftOptions->Btn_OK);
  });
  Click(main->Btn_Opz);
  EXPECT_EQ(main->Btn_Open->Caption(), "Open Configuration");
  EXPECT_EQ(Language_Name, "English");
}

// A flag: two bands of colour.
void Write_Flag(const std::string& Path, TColor Top, TColor Bottom) {
  TBitmap flag(48, 48);
  flag.Canvas()->Brush()->SetColor(Top);
  flag.Canvas()->FillRect(TRect(0, 0, 48, 24));
  flag.Canvas()->Brush()->SetColor(Bottom);
  flag.Canvas()->FillRect(TRect(0, 24, 48, 48));
  flag.SaveToFile(Path);
}

TEST_F(ShellWindowsTest, SevenLanguagesMakeTwoPages) {
  for (const char* name : {"A", "B", "C", "D", "E", "F", "G"}) dir.Write(std::string("LANGUAGE/") + name + ".lng", "");
  Write_Flag(dir.Sub("LANGUAGE/b.BMP"), clRed, clWhite);
  Write_Flag(dir.Sub("LANGUAGE/DefaultFlag.bmp"), clGray, clSilver);
  Start();
  Driver.InModal([this] {
    auto* o = FSoftOptions;
    for (int k = 0; k < 6; ++k) EXPECT_TRUE(o->I_L[k]->Visible()) << k;
    EXPECT_EQ(o->I_L[1]->Picture()->Bitmap()->Canvas()->Pixels(5, 5), clRed);  // its own flag
    EXPECT_EQ(o->I_L[0]->Picture()->Bitmap()->Canvas()->Pixels(5, 5), clGray);  // the default one
    Driver.Screenshot(o, "options-flags.png");
    EXPECT_FALSE(o->Btn_Prev->Visible());
    EXPECT_TRUE(o->Btn_Next->Visible());
    for (int k = 0; k < 6; ++k) EXPECT_TRUE(o->L_L[k]->Visible()) << k;
    Click(o->Btn_Next);
    EXPECT_EQ(o->L_Page_Lang->Caption(), "Page 2 / 2");
    EXPECT_TRUE(o->Btn_Prev->Visible());
    EXPECT_FALSE(o->Btn_Next->Visible());
    EXPECT_EQ(o->L_L[0]->Caption(), "G");
    EXPECT_FALSE(o->L_L[1]->Visible());
    Click(o->Btn_Prev);
    EXPECT_EQ(o->L_Page_Lang->Caption(), "Page 1 / 2");
    Click(o->Btn_Cancel);
  });
  Click(main->Btn_Opz);
}

TEST_F(ShellWindowsTest, UpdateTimerChecksAfterAMinuteThenEveryTwoHours) {
  Start();
  http.SetReply(Version_Query_Url(), "Ver. 1.002");
  Driver.InModal([this] {
    auto* o = FSoftOptions;
    o->PC_Options->SetActivePage(o->TS_Con_Options);
    Driver.Pump();
    EXPECT_FALSE(o->CB_Update->Enabled());
    EXPECT_FALSE(o->Btn_Check_Update->Enabled());
    Tick(o->CB_En_Con);
    EXPECT_TRUE(o->CB_Update->Enabled());
    EXPECT_FALSE(o->Btn_Check_Update->Enabled());  // internet alone is not enough
    Tick(o->CB_Update);
    EXPECT_TRUE(o->Btn_Check_Update->Enabled());
    Driver.Screenshot(o, "options-connection.png");
    Click(o->Btn_OK);
  });
  Click(main->Btn_Opz);
  EXPECT_TRUE(Internet_Enabled && Update_Enabled);
  EXPECT_TRUE(main->Timer_Update->Enabled());
  Driver.Advance(59999);
  EXPECT_TRUE(http.Requests().empty());
  Driver.Advance(1);
  ASSERT_EQ(http.Requests().size(), 1u);
  EXPECT_TRUE(main->LL_Update->Visible());
  EXPECT_NE(main->LL_Update->Caption().find("New Version Available"), std::string::npos);
  Driver.Screenshot(main, "main-window-update.png");
  Click(main->LL_Update);
  EXPECT_EQ(Driver.LinksOpened(), std::vector<std::string>{Download_Page_Url()});

  http.SetReply(Version_Query_Url(), "VER. 1.000");
  Driver.Advance(Update_Next_Interval_ms - 1);
  EXPECT_EQ(http.Requests().size(), 1u);
  Driver.Advance(1);
  EXPECT_EQ(http.Requests().size(), 2u);
  EXPECT_FALSE(main->LL_Update->Visible());

  // Internet access off: the timer stops.
  Driver.InModal([this] {
    FSoftOptions->PC_Options->SetActivePage(FSoftOptions->TS_Con_Options);
    Tick(FSoftOptions->CB_En_Con);
    Click(FSoftOptions->Btn_OK);
  });
  Click(main->Btn_Opz);
  EXPECT_FALSE(main->Timer_Update->Enabled());
  Driver.Advance(2 * Update_Next_Interval_ms);
  EXPECT_EQ(http.Requests().size(), 2u);
}

TEST_F(ShellWindowsTest, TimerRunsFromStartWhenBothChoicesAreRemembered) {
  dir.Write("Tessimator.xml",
            "<Conf_Settings><lastinternet><enable_internet>1</enable_internet>"
            "<enable_update>1</enable_update></lastinternet></Conf_Settings>");
  Start();
  ASSERT_TRUE(Internet_Enabled && Update_Enabled);
  EXPECT_TRUE(main->Timer_Update->Enabled());
  Driver.Advance(60000);
  EXPECT_EQ(http.Requests().size(), 1u);
  EXPECT_FALSE(main->LL_Update->Visible());  // no reply: no newer version
}

TEST_F(ShellWindowsTest, OkOnTheOptionsKeepsARunningTimersSchedule) {
  dir.Write("Tessimator.xml",
            "<Conf_Settings><lastinternet><enable_internet>1</enable_internet>"
            "<enable_update>1</enable_update></lastinternet></Conf_Settings>");
  Start();
  Driver.Advance(30000);
  Driver.InModal([this] { Click(FSoftOptions->Btn_OK); });
  Click(main->Btn_Opz);
  Driver.Advance(30000);
  EXPECT_EQ(http.Requests().size(), 1u);
}

TEST_F(ShellWindowsTest, CheckNowShowsTheAnswer) {
  Start();
  Driver.InModal([this] {
    auto* o = FSoftOptions;
    o->PC_Options->SetActivePage(o->TS_Con_Options);
    Tick(o->CB_En_Con);
    Tick(o->CB_Update);
    Click(o->Btn_Check_Update);
    EXPECT_TRUE(o->LL_Check_Update->Visible());
    EXPECT_EQ(o->LL_Check_Update->Caption(), "No Update Available");
    http.SetReply(Version_Query_Url(), "Ver. 1.001");
    Click(o->Btn_Check_Update);
    EXPECT_EQ(o->LL_Check_Update->Caption(), Download_Link_Anchor("New Version Available. Click Here for more Details"));
    Click(o->Btn_Cancel);
  });
  Click(main->Btn_Opz);
  EXPECT_FALSE(Internet_Enabled);  // Cancel keeps the choices
  EXPECT_FALSE(main->Timer_Update->Enabled());
}

TEST_F(ShellWindowsTest, AboutBoxShowsTheCodesAndOpensTheHomePage) {
  Start();
  Driver.InModal([this] {
    EXPECT_EQ(FAbout->Label2->Caption(), "J1939 / PROFIBUS Slave - Converter");
    EXPECT_EQ(FAbout->Label9->Caption(), "CF21070");
    EXPECT_EQ(FAbout->Label10->Caption(), "1.000");
    EXPECT_EQ(FAbout->Label12->Caption(), "DC21070");
    EXPECT_EQ(FAbout->ClientWidth(), 406);
    EXPECT_EQ(FAbout->LbButton1->NumGlyphs(), 2);
    Click(FAbout->Label4);
    Click(FAbout->Image2);
    Driver.Screenshot(FAbout, "about.png");
    Click(FAbout->LbButton1);
  });
  Click(main->Btn_Info);
  EXPECT_EQ(Driver.LinksOpened(), std::vector<std::string>(2, Home_Page_Url()));
  Click(main->L_Quelix);
  EXPECT_EQ(Driver.LinksOpened().size(), 3u);
}

TEST_F(ShellWindowsTest, InstanceNamesDoNotOutliveTheirWindows) {
  Start();
  delete FAbout;
  EXPECT_EQ(FAbout, nullptr);
  delete FNew_Project;
  EXPECT_EQ(FNew_Project, nullptr);
  Application->CreateForm(FNew_Project);
  EXPECT_EQ(FNew_Project->Btn_OK->Caption(), "OK");
}

TEST_F(ShellWindowsTest, CloseSavesTheSettings) {
  Start();
  Click(main->Btn_Close);
  EXPECT_TRUE(fs::exists(dir.Sub("Tessimator.xml")));
  EXPECT_TRUE(Application->Terminated() || !main->Visible());
}

}  // namespace
