#pragma once
// Message boxes and file dialogs. Every one goes through one presenter: the
// visible message-box and file-chooser forms plug in as the presenter, and the
// test driver installs a scripted one, so modal questions can be answered in tests.

#include <string>
#include <vector>

#include "toolkit/forms/Controls.h"

enum TMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };
enum TMsgDlgBtn { mbYes, mbNo, mbOK, mbCancel, mbAbort, mbRetry, mbIgnore, mbAll, mbNoToAll, mbYesToAll, mbHelp };
using TMsgDlgButtons = TSet<TMsgDlgBtn>;
inline const TMsgDlgButtons mbYesNoCancel{mbYes, mbNo, mbCancel};
inline const TMsgDlgButtons mbYesAllNoAllCancel{mbYes, mbYesToAll, mbNo, mbNoToAll, mbCancel};
inline const TMsgDlgButtons mbOKCancel{mbOK, mbCancel};
inline const TMsgDlgButtons mbAbortRetryIgnore{mbAbort, mbRetry, mbIgnore};
inline const TMsgDlgButtons mbAbortIgnore{mbAbort, mbIgnore};

// The modal result a button gives, and its caption ("&Yes", "OK", ...).
TModalResult ModalResultOf(TMsgDlgBtn Button);
std::string ButtonCaption(TMsgDlgBtn Button);
// The box's caption for a type when none is given ("Error", "Warning", ...).
std::string MsgDlgCaption(TMsgDlgType Type);

struct TMessageBoxRequest {
  std::string Text;
  std::string Caption;
  TMsgDlgType Type = mtCustom;         // the icon: mtCustom means none
  std::vector<TModalResult> Buttons;   // in the order shown
  TModalResult DefaultButton = mrNone; // the one Enter presses
  TModalResult CancelButton = mrNone;  // the one Esc and the close box give
  int HelpCtx = 0;
};

enum TOpenOption {
  ofReadOnly, ofOverwritePrompt, ofHideReadOnly, ofNoChangeDir, ofShowHelp, ofNoValidate,
  ofAllowMultiSelect, ofExtensionDifferent, ofPathMustExist, ofFileMustExist, ofCreatePrompt,
  ofShareAware, ofNoReadOnlyReturn, ofNoTestFileCreate, ofNoNetworkButton, ofNoLongNames,
  ofOldStyleDialog, ofNoDereferenceLinks, ofEnableIncludeNotify, ofEnableSizing, ofDontAddToRecent,
  ofForceShowHidden
};
using TOpenOptions = TSet<TOpenOption>;

struct TFileDialogRequest {
  bool Save = false;
  std::string Title;
  std::string InitialDir;
  std::string FileName;      // proposal in, choice out
  std::vector<std::string> Files;  // all chosen files with ofAllowMultiSelect
  std::string Filter;        // "Text files (*.txt)|*.txt|All files|*.*"
  int FilterIndex = 1;       // 1-based, in and out
  std::string DefaultExt;    // without the dot
  TOpenOptions Options;
};

class IDialogPresenter {
public:
  virtual ~IDialogPresenter() = default;
  // Returns the modal result of the button chosen (mrCancel for the close box).
  virtual TModalResult ShowMessageBox(const TMessageBoxRequest& Request) = 0;
  // True with Request.FileName (and Files) set when the user chose a file.
  virtual bool ExecuteFileDialog(TFileDialogRequest& Request) = 0;
};

// The presenter in force (not owned); nullptr restores the built-in one, which
// shows the visible forms (VisibleDialogPresenter) on a display and answers the
// default button without one.
void SetDialogPresenter(IDialogPresenter* Presenter);
IDialogPresenter& DialogPresenter();
// The presenter in force, for a dialog shown now. A dialog takes the input
// from the windows beneath it, so the control under the pointer is left first:
// a hot button that opened it is drawn normal when it closes, until the
// pointer moves again.
IDialogPresenter& PresenterForDialog();

int MessageDlg(const std::string& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons, int HelpCtx = 0);
int MessageDlgPos(const std::string& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons, int HelpCtx, int X, int Y);
void ShowMessage(const std::string& Msg);
// The framework's MessageBox: MB_ flags in, ID numbers out.
int ShowMessageBox(const std::string& Text, const std::string& Caption, UINT Flags);
// The request a MessageBox call with these flags makes (exposed for the presenters' tests).
TMessageBoxRequest MessageBoxRequest(const std::string& Text, const std::string& Caption, UINT Flags);
