#pragma once
// The visible file chooser: the current folder, its sub-folders, the files
// that match the chosen filter, a name edit and OK/Cancel. Typing a folder
// name enters it; typing a pattern filters by it.

#include <string>
#include <vector>

#include "toolkit/forms/Dialogs.h"
#include "toolkit/forms/Forms.h"
#include "toolkit/forms/dialogs/FileFilter.h"

class TButton;
class TComboBox;
class TEdit;
class TLabel;
class TListBox;

class TFileChooserForm : public TForm {
public:
  TFileChooserForm(TComponent* AOwner, TFileDialogRequest& Request);
  std::string ClassName() const override { return "TFileChooserForm"; }

  const std::string& Folder() const { return folder_; }
  void Navigate(const std::string& Folder);
  // What OK does; false when the chooser stays open.
  bool Accept();

  TListBox* FolderList() const { return folders_; }
  TListBox* FileList() const { return files_; }
  TEdit* NameEdit() const { return name_; }
  TComboBox* TypeCombo() const { return types_; }
  TButton* OkButton() const { return ok_; }
  TButton* CancelButton() const { return cancel_; }

private:
  void build();
  void refreshFiles();
  bool acceptMany(const std::string& names);
  const TFileFilter* currentFilter() const;
  TFileDialogRequest& request_;
  std::vector<TFileFilter> filters_;
  std::string folder_;
  std::string typedPattern_;
  TLabel* folderLabel_ = nullptr;
  TListBox* folders_ = nullptr;
  TListBox* files_ = nullptr;
  TEdit* name_ = nullptr;
  TComboBox* types_ = nullptr;
  TButton* ok_ = nullptr;
  TButton* cancel_ = nullptr;
  TButton* up_ = nullptr;
};

bool ExecuteFileChooser(TFileDialogRequest& Request);

// The presenter that shows the visible message box and file chooser forms
// (on a headless display it answers with the default button, like the built-in one).
class TVisibleDialogPresenter : public IDialogPresenter {
public:
  TModalResult ShowMessageBox(const TMessageBoxRequest& Request) override;
  bool ExecuteFileDialog(TFileDialogRequest& Request) override;
};
TVisibleDialogPresenter& VisibleDialogPresenter();
