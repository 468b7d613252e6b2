#include <filesystem>
#include <fstream>

#include "toolkit/forms/dialogs/FileChooserForm.h"
#include "toolkit/forms/dialogs/FileDialogs.h"
#include "toolkit/forms/dialogs/FileFilter.h"
#include "toolkit/forms/dialogs/MessageBoxForm.h"
#include "toolkit/forms/std/Button.h"
#include "toolkit/forms/std/ComboBox.h"
#include "toolkit/forms/std/Edit.h"
#include "toolkit/forms/std/Label.h"
#include "toolkit/forms/std/ListBox.h"

#include "ControlFixture.h"

namespace fs = std::filesystem;

namespace {

class DialogFormsTest : public ControlFixture {
protected:
  void SetUp() override {
    ControlFixture::SetUp();
    char pattern[] = "/tmp/chooserXXXXXX";
    dir_ = mkdtemp(pattern);
    fs::create_directory(dir_ / "sub");
    for (const char* f : {"a.txt", "b.txt", "c.xml"}) std::ofstream(dir_ / f) << "x";
  }
  void TearDown() override { fs::remove_all(dir_); }

  TCustomForm* ActiveModal() { return Screen->ActiveForm(); }
  fs::path dir_;
};

TEST(FileFilter, ParsesPairsAndPatterns) {
  auto f = ParseFileFilter("Text (*.txt)|*.txt;*.log|All files|*.*");
  ASSERT_EQ(f.size(), 2u);
  EXPECT_EQ(f[0].Name, "Text (*.txt)");
  EXPECT_EQ(f[0].Patterns.size(), 2u);
  EXPECT_TRUE(MatchesFileFilter("x.LOG", f[0]));
  EXPECT_FALSE(MatchesFileFilter("x.xml", f[0]));
  EXPECT_TRUE(MatchesFileFilter("anything", f[1]));
  EXPECT_EQ(ParseFileFilter("").size(), 0u);
  EXPECT_EQ(ParseFileFilter("Lonely").at(0).Patterns.at(0), "Lonely");
  EXPECT_EQ(WithDefaultExt("/a/b", "cfg"), "/a/b.cfg");
  EXPECT_EQ(WithDefaultExt("/a/b.txt", "cfg"), "/a/b.txt");
  EXPECT_EQ(WithDefaultExt("/a.d/b", ".cfg"), "/a.d/b.cfg");
}

TEST_F(DialogFormsTest, MessageBoxFormIsAnsweredByItsButtons) {
  TMessageBoxRequest r = MessageBoxRequest("Save the changes?", "Question", MB_YESNOCANCEL | MB_ICONQUESTION);
  Driver.InModal([&] {
    auto* box = dynamic_cast<TMessageBoxForm*>(ActiveModal());
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->Buttons().size(), 3u);
    ASSERT_NE(box->Icon(), nullptr);
    EXPECT_EQ(box->Icon()->Type(), mtConfirmation);
    EXPECT_EQ(box->Caption(), "Question");
    // The text fits inside the form.
    EXPECT_LE(box->TextLabel()->Left() + box->TextLabel()->Width(), box->ClientWidth());
    Driver.Click(box->Buttons()[1], 5, 5);
  });
  EXPECT_EQ(ShowMessageBoxForm(r), mrNo);
}

TEST_F(DialogFormsTest, MessageBoxFormKeys) {
  TMessageBoxRequest r = MessageBoxRequest("Continue?", "", MB_OKCANCEL | MB_ICONWARNING);
  Driver.InModal([&] { Driver.PressKey(VK_RETURN); });
  EXPECT_EQ(ShowMessageBoxForm(r), mrOk);
  Driver.InModal([&] { Driver.PressKey(VK_ESCAPE); });
  EXPECT_EQ(ShowMessageBoxForm(r), mrCancel);
}

TEST_F(DialogFormsTest, LongTextWrapsAndTheBoxGrows) {
  std::string text(600, 'w');
  for (size_t i = 7; i < text.size(); i += 8) text[i] = ' ';
  TMessageBoxRequest r = MessageBoxRequest(text, "Long", MB_OK | MB_ICONERROR);
  Driver.InModal([&] {
    auto* box = dynamic_cast<TMessageBoxForm*>(ActiveModal());
    ASSERT_NE(box, nullptr);
    EXPECT_GT(box->TextLabel()->Height(), 40);
    EXPECT_LT(box->Width(), Screen->Width());
    Driver.PressKey(VK_RETURN);
  });
  EXPECT_EQ(ShowMessageBoxForm(r), mrOk);
}

TEST_F(DialogFormsTest, VisiblePresenterAnswersTheDefaultWithoutAScreen) {
  TMessageBoxRequest r = MessageBoxRequest("Quit?", "", MB_YESNO | MB_DEFBUTTON2);
  EXPECT_EQ(VisibleDialogPresenter().ShowMessageBox(r), mrNo);
  TFileDialogRequest f;
  EXPECT_FALSE(VisibleDialogPresenter().ExecuteFileDialog(f));
}

// On a display every program gets the visible forms without installing them;
// a presenter that is set (the driver's scripts) still comes first.
TEST_F(DialogFormsTest, OnADisplayTheBuiltInPresenterShowsTheVisibleForms) {
  Driver.Host().SetPassesForScreen(true);
  SetDialogPresenter(nullptr);
  Driver.InModal([&] {
    auto* box = dynamic_cast<TMessageBoxForm*>(ActiveModal());
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->Caption(), "Question");
    Driver.Click(box->Buttons()[1], 5, 5);
  });
  EXPECT_EQ(::ShowMessageBox("Save the changes?", "Question", MB_YESNO), IDNO);
  Driver.InModal([&] {
    ASSERT_NE(dynamic_cast<TFileChooserForm*>(ActiveModal()), nullptr);
    Driver.PressKey(VK_ESCAPE);
  });
  TOpenDialog d(nullptr);
  EXPECT_FALSE(d.Execute());

  SetDialogPresenter(&Driver);
  Driver.ExpectMessage("Scripted", mrOk);
  EXPECT_EQ(::ShowMessageBox("Scripted", "", MB_OK), IDOK);
  EXPECT_EQ(Driver.MessageBoxes().size(), 1u);
}

TEST_F(DialogFormsTest, OpenDialogGoesThroughThePresenter) {
  TOpenDialog d(nullptr);
  d.SetDefaultExt("cfg");
  Driver.AnswerOpenDialog("/x/project");
  ASSERT_TRUE(d.Execute());
  EXPECT_EQ(d.FileName(), "/x/project.cfg");
  Driver.CancelSaveDialog();
  TSaveDialog s(nullptr);
  EXPECT_FALSE(s.Execute());
}

TEST_F(DialogFormsTest, ChooserListsFoldersAndFilteredFiles) {
  TFileDialogRequest r;
  r.InitialDir = dir_.string();
  r.Filter = "Text (*.txt)|*.txt|XML|*.xml";
  Driver.InModal([&] {
    auto* f = dynamic_cast<TFileChooserForm*>(ActiveModal());
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->FileList()->Items()->Count(), 2);
    EXPECT_GE(f->FolderList()->Items()->IndexOf("sub"), 0);
    // Choosing the other type shows the XML file.
    Driver.Focus(f->TypeCombo());
    Driver.PressKey(VK_DOWN);
    EXPECT_EQ(f->FileList()->Items()->Count(), 1);
    TRect row = f->FileList()->ItemRect(0);
    Driver.Click(f->FileList(), row.Left + 3, row.Top + 2);
    EXPECT_EQ(f->NameEdit()->Text(), "c.xml");
    Driver.Click(f->OkButton(), 5, 5);
  });
  ASSERT_TRUE(ExecuteFileChooser(r));
  EXPECT_EQ(fs::path(r.FileName), dir_ / "c.xml");
  EXPECT_EQ(r.FilterIndex, 2);
}

TEST_F(DialogFormsTest, ChooserTakesSeveralFilesWithMultiSelect) {
  TFileDialogRequest r;
  r.InitialDir = dir_.string();
  r.Filter = "Text|*.txt";
  r.Options = {ofAllowMultiSelect};
  Driver.InModal([&] {
    auto* f = dynamic_cast<TFileChooserForm*>(ActiveModal());
    ASSERT_NE(f, nullptr);
    TRect a = f->FileList()->ItemRect(0), b = f->FileList()->ItemRect(1);
    Driver.Click(f->FileList(), a.Left + 3, a.Top + 2);
    Driver.Click(f->FileList(), b.Left + 3, b.Top + 2, {ssCtrl});
    EXPECT_EQ(f->NameEdit()->Text(), "\"a.txt\" \"b.txt\"");
    Driver.Click(f->OkButton(), 5, 5);
  });
  ASSERT_TRUE(ExecuteFileChooser(r));
  ASSERT_EQ(r.Files.size(), 2u);
  EXPECT_EQ(fs::path(r.Files[1]), dir_ / "b.txt");
}

TEST_F(DialogFormsTest, ChooserEntersTypedFoldersAndChecksExistence) {
  TFileDialogRequest r;
  r.InitialDir = dir_.string();
  r.Options = {ofFileMustExist};
  Driver.InModal([&] {
    auto* f = dynamic_cast<TFileChooserForm*>(ActiveModal());
    ASSERT_NE(f, nullptr);
    Driver.Focus(f->NameEdit());
    Driver.Type("sub\n");
    EXPECT_EQ(fs::path(f->Folder()), dir_ / "sub");
    Driver.ExpectMessage("", mrOk);
    Driver.Type("missing.txt\n");
    EXPECT_EQ(Driver.MessageBoxes().size(), 1u);
    Driver.PressKey(VK_ESCAPE);
  });
  EXPECT_FALSE(ExecuteFileChooser(r));
}

TEST_F(DialogFormsTest, SaveChooserAsksBeforeReplacingAndAddsTheExtension) {
  TFileDialogRequest r;
  r.Save = true;
  r.InitialDir = dir_.string();
  r.DefaultExt = "txt";
  r.Options = {ofOverwritePrompt};
  Driver.InModal([&] {
    auto* f = dynamic_cast<TFileChooserForm*>(ActiveModal());
    ASSERT_NE(f, nullptr);
    Driver.Focus(f->NameEdit());
    Driver.ExpectMessage("", mrNo);
    Driver.Type("a\n");  // a.txt exists: the answer No keeps the chooser open
    Driver.ExpectMessage("", mrYes);
    Driver.PressKey(VK_RETURN);
  });
  ASSERT_TRUE(ExecuteFileChooser(r));
  EXPECT_EQ(fs::path(r.FileName), dir_ / "a.txt");
  EXPECT_EQ(Driver.MessageBoxes().size(), 2u);
}

}  // namespace
