// Forms: the close protocol, the main form, placement, popups, layered windows,
// modal results of buttons, and the dialog entry points.

#include "toolkit/forms/DemoForm.h"
#include "toolkit/forms/Dialogs.h"
#include "toolkit/forms/WinApi.h"
#include "toolkit/rtl/Exceptions.h"
#include <gtest/gtest-spi.h>
#include "toolkit/testing/TestDriver.h"

namespace {

class FormTest : public FormsTest {};

TEST_F(FormTest, CloseQueryCanRefuseAndOnCloseChoosesTheAction) {
  TForm* f = new TForm(Application);
  TForm* other = new TForm(Application);  // the first form created is the main form
  other->Show();
  f->Show();
  bool allow = false;
  TCloseAction action = caHide;
  int hides = 0;
  f->OnCloseQuery = [&](TObject*, bool& canClose) { canClose = allow; };
  f->OnClose = [&](TObject*, TCloseAction& a) { a = action; };
  f->OnHide = [&](TObject*) { ++hides; };
  f->Close();
  EXPECT_TRUE(f->Visible());
  allow = true;
  action = caNone;
  f->Close();
  EXPECT_TRUE(f->Visible());
  action = caHide;
  f->Close();
  EXPECT_FALSE(f->Visible());
  EXPECT_EQ(hides, 1);
  EXPECT_FALSE(Application->Terminated());
}

TEST_F(FormTest, CaFreeFreesTheFormFromTheQueue) {
  TForm* main = new TForm(Application);
  main->Show();
  TForm* f = new TForm(Application);
  f->SetName("Doomed");
  f->Show();
  f->OnClose = [](TObject*, TCloseAction& a) { a = caFree; };
  f->Close();
  EXPECT_NE(Application->FindComponent("Doomed"), nullptr);  // still there while the caller runs
  Driver.Pump();
  EXPECT_EQ(Application->FindComponent("Doomed"), nullptr);
}

TEST_F(FormTest, ClosingTheMainFormEndsTheProgram) {
  TForm* main = nullptr;
  Application->CreateForm(main);
  main->Show();
  Driver.Pump();
  Driver.Host().Inject({platform::HostEventKind::Close, wm::Find(main->Handle())->Host});
  Driver.Pump();
  EXPECT_TRUE(Application->Terminated());
}

TEST_F(FormTest, CreateFormFiresOnCreateAndMakesTheFirstTheMainForm) {
  struct TCreated : TForm {
    explicit TCreated(TComponent* o) : TForm(o) { OnCreate = [this](TObject*) { ++Creates; }; }
    int Creates = 0;
  };
  TCreated* a = nullptr;
  TCreated* b = nullptr;
  Application->CreateForm(a);
  Application->CreateForm(b);
  EXPECT_EQ(Application->MainForm(), a);
  EXPECT_EQ(a->Creates, 1);
  b->Show();  // shown forms do not create twice
  EXPECT_EQ(b->Creates, 1);
}

TEST_F(FormTest, PositionScreenCenterPlacesTheFormOnShow) {
  platform::Facts().ScreenWidth = 1000;
  platform::Facts().ScreenHeight = 800;
  TForm* f = new TForm(Application);
  f->SetBounds(0, 0, 400, 300);
  f->SetPosition(poScreenCenter);
  f->Show();
  EXPECT_EQ(f->Left(), 300);
  EXPECT_EQ(f->Top(), 250);
  EXPECT_EQ(Screen->Width(), 1000);
}

TEST_F(FormTest, ClientAreaLeavesOutTheFrameOfTheBorderStyle) {
  TForm* f = new TForm(Application);
  f->SetBounds(0, 0, 400, 300);
  const auto& facts = platform::Facts();
  EXPECT_EQ(f->ClientWidth(), 400 - 2 * facts.FrameWidth);
  EXPECT_EQ(f->ClientHeight(), 300 - 2 * facts.FrameWidth - facts.CaptionHeight);
  f->SetBorderStyle(bsNone);
  EXPECT_EQ(f->ClientWidth(), 400);
  f->SetBorderStyle(bsDialog);
  EXPECT_EQ(f->ClientWidth(), 400 - 2 * facts.DialogFrameWidth);
  f->SetClientSize(200, 100);
  EXPECT_EQ(f->ClientWidth(), 200);
  EXPECT_EQ(f->ClientHeight(), 100);
}

TEST_F(FormTest, PopupFormsDoNotTakeActivationOrFocus) {
  TEventLog log;
  auto* owner = new TDemoForm(Application, log);
  owner->Show();
  Driver.Pump();
  TForm* drop = new TForm(Application);
  drop->SetPopup(true, owner);
  drop->SetBounds(50, 50, 100, 80);
  auto* inside = new TLoggingBox(drop, log, "Inside", clWindow);
  inside->SetBounds(0, 0, 100, 80);
  inside->SetParent(drop);
  drop->Show();
  Driver.Click(inside, 10, 10);
  EXPECT_TRUE(owner->Active());
  EXPECT_TRUE(owner->First->Focused());
  EXPECT_NE(std::find(log.begin(), log.end(), "Inside:Click"), log.end());
  EXPECT_EQ(Driver.Host().Find(wm::Find(drop->Handle())->Host)->Params.Kind, platform::HostWindowKind::Popup);
  EXPECT_TRUE(Driver.Host().Find(wm::Find(drop->Handle())->Host)->Params.TopMost);
}

TEST_F(FormTest, AlphaBlendMakesALayeredWindow) {
  TForm* f = new TForm(Application);
  f->SetAlphaBlendValue(128);
  f->SetAlphaBlend(true);
  f->Show();
  EXPECT_TRUE(f->ExStyle() & WS_EX_LAYERED);
  EXPECT_EQ(GetWindowAlpha(f->Handle()), 128);
  EXPECT_EQ(Driver.Host().Find(wm::Find(f->Handle())->Host)->Alpha, 128);
}

TEST_F(FormTest, ModalLoopThatWaitsWithNothingScriptedFailsInsteadOfHanging) {
  TForm* f = new TForm(Application);
  f->SetName("Lonely");
  TModalResult r = mrNone;
  EXPECT_NONFATAL_FAILURE(r = f->ShowModal(), "modal form 'Lonely'");
  EXPECT_EQ(r, mrCancel);
}

TEST_F(FormTest, ModalFormsNestAndCloseFromTheInside) {
  TForm* outer = new TForm(Application);
  TForm* inner = new TForm(Application);
  TModalResult innerResult = mrNone;
  Driver.InModal([&] {
    Driver.InModal([&] { inner->SetModalResult(mrYes); });
    innerResult = inner->ShowModal();
    outer->SetModalResult(mrNo);
  });
  EXPECT_EQ(outer->ShowModal(), mrNo);
  EXPECT_EQ(innerResult, mrYes);
  EXPECT_EQ(Application->ModalLevel(), 0);
}

TEST_F(FormTest, ShowModalOnAVisibleFormIsRefused) {
  TForm* f = new TForm(Application);
  f->Show();
  EXPECT_THROW(f->ShowModal(), EInvalidOperation);
}

TEST_F(FormTest, GetParentFormFindsTheFormOfNestedControls) {
  TEventLog log;
  auto* form = new TDemoForm(Application, log);
  auto* panel = new TCustomControl(form);
  panel->SetParent(form);
  auto* box = new TLoggingBox(form, log, "Deep", clWindow);
  box->SetParent(panel);
  EXPECT_EQ(GetParentForm(box), form);
  EXPECT_EQ(GetParentForm(form), form);
  TCustomControl loose(nullptr);
  EXPECT_EQ(GetParentForm(&loose), nullptr);
  EXPECT_THROW(ValidParentForm(&loose), EInvalidOperation);
}

// ---- dialogs ----

TEST_F(FormTest, MessageDlgOffersTheButtonsInOrderAndReturnsTheAnswer) {
  Driver.ExpectMessage("Delete row 3?", mrNo);
  EXPECT_EQ(MessageDlg("Delete row 3?", mtConfirmation, {mbYes, mbNo}, 0), mrNo);
  ASSERT_EQ(Driver.MessageBoxes().size(), 1u);
  const auto& box = Driver.MessageBoxes()[0];
  EXPECT_EQ(box.Caption, "Confirm");
  EXPECT_EQ(box.Type, mtConfirmation);
  EXPECT_EQ(box.Buttons, (std::vector<TModalResult>{mrYes, mrNo}));
}

TEST_F(FormTest, MessageBoxFlagsMapToButtonsIconsAndDefaults) {
  struct {
    UINT flags;
    std::vector<TModalResult> buttons;
    TMsgDlgType type;
    TModalResult def, cancel;
  } table[] = {
      {MB_OK | MB_ICONERROR, {mrOk}, mtError, mrOk, mrOk},
      {MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2, {mrYes, mrNo}, mtConfirmation, mrNo, mrNone},
      {MB_YESNOCANCEL | MB_ICONWARNING, {mrYes, mrNo, mrCancel}, mtWarning, mrYes, mrCancel},
      {MB_OKCANCEL | MB_ICONINFORMATION, {mrOk, mrCancel}, mtInformation, mrOk, mrCancel},
      {MB_ABORTRETRYIGNORE | MB_DEFBUTTON3, {mrAbort, mrRetry, mrIgnore}, mtCustom, mrIgnore, mrNone},
      {MB_RETRYCANCEL | MB_DEFBUTTON3, {mrRetry, mrCancel}, mtCustom, mrRetry, mrCancel},
  };
  for (const auto& row : table) {
    TMessageBoxRequest r = MessageBoxRequest("t", "c", row.flags);
    EXPECT_EQ(r.Buttons, row.buttons) << row.flags;
    EXPECT_EQ(r.Type, row.type) << row.flags;
    EXPECT_EQ(r.DefaultButton, row.def) << row.flags;
    EXPECT_EQ(r.CancelButton, row.cancel) << row.flags;
  }
  Driver.ExpectMessage("Overwrite?", IDYES);
  EXPECT_EQ(Application->MessageBox("Overwrite?", "Save", MB_YESNO), IDYES);
}

TEST_F(FormTest, UnexpectedMessageBoxFailsTheTestAndAnswersTheDefault) {
  int answer = 0;
  EXPECT_NONFATAL_FAILURE(answer = ShowMessageBox("Surprise", "x", MB_OKCANCEL | MB_DEFBUTTON2), "Surprise");
  EXPECT_EQ(answer, IDCANCEL);
}

TEST_F(FormTest, FileDialogsAreAnsweredFromTheScript) {
  Driver.AnswerSaveDialog("/tmp/out.gsd");
  Driver.CancelOpenDialog();
  TFileDialogRequest save;
  save.Save = true;
  save.Filter = "Generic Station Description (*.gsd)|*.gsd";
  EXPECT_TRUE(DialogPresenter().ExecuteFileDialog(save));
  EXPECT_EQ(save.FileName, "/tmp/out.gsd");
  TFileDialogRequest open;
  EXPECT_FALSE(DialogPresenter().ExecuteFileDialog(open));
  ASSERT_EQ(Driver.FileDialogs().size(), 2u);
  EXPECT_EQ(Driver.FileDialogs()[0].Filter, save.Filter);
}

TEST(Accelerators, AmpersandMarksTheHotkey) {
  EXPECT_TRUE(IsAccel('S', "&Save"));
  EXPECT_TRUE(IsAccel('A', "S&ave"));
  EXPECT_FALSE(IsAccel('S', "Save"));
  EXPECT_FALSE(IsAccel('A', "Fish && &Chips"));
  EXPECT_TRUE(IsAccel('C', "Fish && &Chips"));
  EXPECT_EQ(StripHotkey("Fish && &Chips"), "Fish & Chips");
  EXPECT_EQ(StripHotkey("&"), "");
}

}  // namespace

namespace {

TEST_F(FormTest, FormEventsComeInTheirOrder) {
  std::vector<std::string> events;
  auto make = [&](const std::string& name) {
    TForm* f = new TForm(Application);
    f->SetName(name);
    f->OnCreate = [&events, name](TObject*) { events.push_back(name + " create"); };
    f->OnShow = [&events, name](TObject*) { events.push_back(name + " show"); };
    f->OnActivate = [&events, name](TObject*) { events.push_back(name + " activate"); };
    f->OnDeactivate = [&events, name](TObject*) { events.push_back(name + " deactivate"); };
    f->OnHide = [&events, name](TObject*) { events.push_back(name + " hide"); };
    f->OnDestroy = [&events, name](TObject*) { events.push_back(name + " destroy"); };
    f->OnPaint = [&events, name](TObject*) { events.push_back(name + " paint"); };
    return f;
  };
  TForm* a = make("A");
  TForm* b = make("B");
  a->Show();
  Driver.Pump();
  b->Show();
  Driver.Pump();
  b->Hide();
  Driver.Pump();
  delete b;
  delete a;  // before the events it reports to go away
  EXPECT_EQ(events, (std::vector<std::string>{"A create", "A show", "A activate", "A paint", "B create", "B show",
                                              "A deactivate", "B activate", "B paint", "B hide", "B deactivate",
                                              "A activate", "B destroy", "A destroy"}));
}

}  // namespace
