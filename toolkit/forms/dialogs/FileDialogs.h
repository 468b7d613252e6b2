#pragma once
// TOpenDialog and TSaveDialog: the properties of the classic file dialogs;
// Execute asks the dialog presenter in force (the visible chooser, or the
// test driver's script).

#include <string>
#include <vector>

#include "toolkit/forms/Dialogs.h"
#include "toolkit/rtl/Classes.h"

class TOpenDialog : public TComponent {
public:
  explicit TOpenDialog(TComponent* AOwner) : TComponent(AOwner) {}
  std::string ClassName() const override { return "TOpenDialog"; }
  const std::string& FileName() const { return fileName_; }
  void SetFileName(const std::string& v) { fileName_ = v; }
  const std::vector<std::string>& Files() const { return files_; }
  const std::string& InitialDir() const { return initialDir_; }
  void SetInitialDir(const std::string& v) { initialDir_ = v; }
  const std::string& Filter() const { return filter_; }
  void SetFilter(const std::string& v) { filter_ = v; }
  int FilterIndex() const { return filterIndex_; }
  void SetFilterIndex(int v) { filterIndex_ = v; }
  const std::string& DefaultExt() const { return defaultExt_; }
  void SetDefaultExt(const std::string& v) { defaultExt_ = v; }
  const std::string& Title() const { return title_; }
  void SetTitle(const std::string& v) { title_ = v; }
  TOpenOptions Options() const { return options_; }
  void SetOptions(TOpenOptions v) { options_ = v; }
  // True with FileName (and Files, FilterIndex) set when the user chose a file.
  virtual bool Execute();
  TNotifyEvent OnShow;
  TNotifyEvent OnClose;

protected:
  virtual bool IsSave() const { return false; }

private:
  std::string fileName_;
  std::vector<std::string> files_;
  std::string initialDir_;
  std::string filter_;
  int filterIndex_ = 1;
  std::string defaultExt_;
  std::string title_;
  TOpenOptions options_{ofHideReadOnly, ofEnableSizing};
};

class TSaveDialog : public TOpenDialog {
public:
  explicit TSaveDialog(TComponent* AOwner) : TOpenDialog(AOwner) {}
  std::string ClassName() const override { return "TSaveDialog"; }

protected:
  bool IsSave() const override { return true; }
};
