// The dialog entry points and the built-in presenter: without a display it
// answers the default button (and says so on stderr); on a display it hands
// over to the visible message box and file chooser forms. A presenter set
// with SetDialogPresenter (the test driver's scripts) comes first.

#include "toolkit/forms/Dialogs.h"

#include <cstdio>

#include "platform/display/DisplayHost.h"
#include "toolkit/forms/Forms.h"
#include "toolkit/forms/WindowManager.h"
#include "toolkit/forms/dialogs/FileChooserForm.h"

TModalResult ModalResultOf(TMsgDlgBtn Button) {
  static const TModalResult results[] = {mrYes, mrNo, mrOk, mrCancel, mrAbort, mrRetry,
                                         mrIgnore, mrAll, mrNoToAll, mrYesToAll, mrNone};
  return results[Button];
}

std::string ButtonCaption(TMsgDlgBtn Button) {
  static const char* captions[] = {"&Yes", "&No", "OK", "Cancel", "&Abort", "&Retry",
                                   "&Ignore", "&All", "N&o to All", "Yes to &All", "&Help"};
  return captions[Button];
}

std::string MsgDlgCaption(TMsgDlgType Type) {
  static const char* captions[] = {"Warning", "Error", "Information", "Confirm", ""};
  return captions[Type];
}

namespace {

std::string captionOfResult(TModalResult r) {
  for (int b = mbYes; b <= mbYesToAll; ++b)
    if (ModalResultOf(static_cast<TMsgDlgBtn>(b)) == r) return StripHotkey(ButtonCaption(static_cast<TMsgDlgBtn>(b)));
  return "?";
}

// Without a display nobody could answer: the default button answers (and the
// question goes to stderr). With one, the visible message box and file
// chooser forms take over, so no program has to install them itself.
class TBuiltInPresenter : public IDialogPresenter {
public:
  TModalResult ShowMessageBox(const TMessageBoxRequest& r) override {
    if (onScreen()) return VisibleDialogPresenter().ShowMessageBox(r);
    TModalResult fallback = r.DefaultButton ? r.DefaultButton : (r.Buttons.empty() ? mrOk : r.Buttons.front());
    std::fprintf(stderr, "%s: %s [%s]\n", r.Caption.c_str(), r.Text.c_str(), captionOfResult(fallback).c_str());
    return fallback;
  }

  bool ExecuteFileDialog(TFileDialogRequest& r) override {
    if (onScreen()) return VisibleDialogPresenter().ExecuteFileDialog(r);
    std::fprintf(stderr, "%s dialog: no display to choose a file on\n", r.Save ? "Save" : "Open");
    return false;
  }

private:
  static bool onScreen() { return Application && !platform::CurrentDisplay().IsHeadless(); }
};

TBuiltInPresenter g_builtIn;
IDialogPresenter* g_presenter = nullptr;

}  // namespace

void SetDialogPresenter(IDialogPresenter* Presenter) { g_presenter = Presenter; }
IDialogPresenter& DialogPresenter() { return g_presenter ? *g_presenter : g_builtIn; }

IDialogPresenter& PresenterForDialog() {
  wm::SetMouseControl(nullptr);
  return DialogPresenter();
}

namespace {

TMessageBoxRequest dialogRequest(const std::string& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons, int HelpCtx) {
  TMessageBoxRequest r;
  r.Text = Msg;
  r.Type = DlgType;
  r.Caption = DlgType == mtCustom && Application ? Application->Title() : MsgDlgCaption(DlgType);
  r.HelpCtx = HelpCtx;
  for (int b = mbYes; b <= mbHelp; ++b)
    if (Buttons.Contains(static_cast<TMsgDlgBtn>(b)) && b != mbHelp) r.Buttons.push_back(ModalResultOf(static_cast<TMsgDlgBtn>(b)));
  if (Buttons.Contains(mbOK)) r.DefaultButton = mrOk;
  else if (Buttons.Contains(mbYes)) r.DefaultButton = mrYes;
  else if (!r.Buttons.empty()) r.DefaultButton = r.Buttons.front();
  if (Buttons.Contains(mbCancel)) r.CancelButton = mrCancel;
  else if (Buttons.Contains(mbNo)) r.CancelButton = mrNo;
  else if (Buttons.Contains(mbOK)) r.CancelButton = mrOk;
  return r;
}

}  // namespace

int MessageDlg(const std::string& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons, int HelpCtx) {
  return PresenterForDialog().ShowMessageBox(dialogRequest(Msg, DlgType, Buttons, HelpCtx));
}

int MessageDlgPos(const std::string& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons, int HelpCtx, int, int) {
  return MessageDlg(Msg, DlgType, Buttons, HelpCtx);
}

void ShowMessage(const std::string& Msg) { MessageDlg(Msg, mtCustom, {mbOK}, 0); }

TMessageBoxRequest MessageBoxRequest(const std::string& Text, const std::string& Caption, UINT Flags) {
  TMessageBoxRequest r;
  r.Text = Text;
  r.Caption = Caption;
  switch (Flags & MB_TYPEMASK) {
    case MB_OKCANCEL: r.Buttons = {mrOk, mrCancel}; break;
    case MB_ABORTRETRYIGNORE: r.Buttons = {mrAbort, mrRetry, mrIgnore}; break;
    case MB_YESNOCANCEL: r.Buttons = {mrYes, mrNo, mrCancel}; break;
    case MB_YESNO: r.Buttons = {mrYes, mrNo}; break;
    case MB_RETRYCANCEL: r.Buttons = {mrRetry, mrCancel}; break;
    default: r.Buttons = {mrOk}; break;
  }
  size_t def = (Flags & MB_DEFMASK) >> 8;
  r.DefaultButton = r.Buttons[def < r.Buttons.size() ? def : 0];
  for (TModalResult b : r.Buttons)
    if (b == mrCancel) r.CancelButton = mrCancel;
  if (r.Buttons.size() == 1) r.CancelButton = mrOk;
  switch (Flags & MB_ICONMASK) {
    case MB_ICONERROR: r.Type = mtError; break;
    case MB_ICONQUESTION: r.Type = mtConfirmation; break;
    case MB_ICONWARNING: r.Type = mtWarning; break;
    case MB_ICONINFORMATION: r.Type = mtInformation; break;
    default: r.Type = mtCustom; break;
  }
  return r;
}

int ShowMessageBox(const std::string& Text, const std::string& Caption, UINT Flags) {
  // Modal results and the message box's ID numbers are the same numbers.
  return PresenterForDialog().ShowMessageBox(MessageBoxRequest(Text, Caption, Flags));
}
