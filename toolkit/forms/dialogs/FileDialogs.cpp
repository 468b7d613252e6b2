#include "toolkit/forms/dialogs/FileDialogs.h"

#include "toolkit/forms/dialogs/FileFilter.h"

bool TOpenDialog::Execute() {
  TFileDialogRequest r;
  r.Save = IsSave();
  r.Title = title_.empty() ? (r.Save ? "Save As" : "Open") : title_;
  r.InitialDir = initialDir_;
  r.FileName = fileName_;
  r.Filter = filter_;
  r.FilterIndex = filterIndex_;
  r.DefaultExt = defaultExt_;
  r.Options = options_;
  if (OnShow) OnShow(this);
  bool ok = PresenterForDialog().ExecuteFileDialog(r);
  if (OnClose) OnClose(this);
  if (!ok) return false;
  fileName_ = WithDefaultExt(r.FileName, defaultExt_);
  files_ = r.Files.empty() ? std::vector<std::string>{fileName_} : r.Files;
  filterIndex_ = r.FilterIndex;
  return true;
}
