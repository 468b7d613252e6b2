#include "toolkit/forms/dialogs/FileChooserForm.h"

#include <filesystem>

#include "platform/display/DisplayHost.h"

#include "toolkit/forms/dialogs/MessageBoxForm.h"
#include "toolkit/forms/std/Button.h"
#include "toolkit/forms/std/ComboBox.h"
#include "toolkit/forms/std/Edit.h"
#include "toolkit/forms/std/Label.h"
#include "toolkit/forms/std/ListBox.h"
#include "toolkit/rtl/FileUtils.h"

namespace fs = std::filesystem;

namespace {

std::string StartFolder(const TFileDialogRequest& r) {
  if (!r.FileName.empty()) {
    std::string dir = ExtractFileDir(r.FileName);
    if (!dir.empty() && DirectoryExists(dir)) return ExpandFileName(dir);
  }
  if (!r.InitialDir.empty() && DirectoryExists(r.InitialDir)) return ExpandFileName(r.InitialDir);
  std::error_code ec;
  return fs::current_path(ec).string();
}

bool HasWildcard(const std::string& s) { return s.find_first_of("*?") != std::string::npos; }

}  // namespace

TFileChooserForm::TFileChooserForm(TComponent* AOwner, TFileDialogRequest& Request)
    : TForm(AOwner), request_(Request), filters_(ParseFileFilter(Request.Filter)) {
  SetCaption(Request.Title.empty() ? (Request.Save ? "Save As" : "Open") : Request.Title);
  SetBorderStyle(bsDialog);
  SetBorderIcons({biSystemMenu});
  SetPosition(poScreenCenter);
  SetClientSize(520, 340);
  build();
  name_->SetText(ExtractFileName(Request.FileName));
  Navigate(StartFolder(Request));
  SetActiveControl(name_);
}

void TFileChooserForm::build() {
  auto label = [this](const std::string& text, int x, int y) {
    auto* l = new TLabel(this);
    l->SetParent(this);
    l->SetCaption(text);
    l->SetLeft(x);
    l->SetTop(y);
    return l;
  };
  label("Look in:", 12, 14);
  folderLabel_ = label("", 80, 14);
  folderLabel_->SetAutoSize(false);
  folderLabel_->SetBounds(80, 14, 340, 17);
  up_ = new TButton(this);
  up_->SetParent(this);
  up_->SetCaption("&Up");
  up_->SetBounds(433, 10, 75, 25);
  up_->OnClick = [this](TObject*) { Navigate(fs::path(folder_).parent_path().string()); };

  folders_ = new TListBox(this);
  folders_->SetParent(this);
  folders_->SetBounds(12, 44, 180, 200);
  folders_->OnDblClick = [this](TObject*) {
    int i = folders_->ItemIndex();
    if (i < 0) return;
    std::string name = folders_->Items()->Get(i);
    Navigate(name == ".." ? fs::path(folder_).parent_path().string() : (fs::path(folder_) / name).string());
  };
  files_ = new TListBox(this);
  files_->SetParent(this);
  files_->SetBounds(200, 44, 308, 200);
  files_->SetMultiSelect(request_.Options.Contains(ofAllowMultiSelect));
  files_->OnClick = [this](TObject*) {
    // Several chosen files show as "a" "b" in the name edit.
    std::string names;
    int chosen = 0;
    for (int i = 0; i < files_->Count(); ++i) {
      if (!files_->Selected(i)) continue;
      names += (chosen++ ? " \"" : "\"") + files_->Items()->Get(i) + "\"";
    }
    if (chosen == 1) names = names.substr(1, names.size() - 2);
    if (chosen > 0) name_->SetText(names);
  };
  files_->OnDblClick = [this](TObject*) {
    if (files_->ItemIndex() >= 0 && Accept()) SetModalResult(mrOk);
  };

  label("File &name:", 12, 258);
  name_ = new TEdit(this);
  name_->SetParent(this);
  name_->SetBounds(110, 254, 310, 21);
  label("Files of &type:", 12, 290);
  types_ = new TComboBox(this);
  types_->SetParent(this);
  types_->SetStyle(csDropDownList);
  types_->SetBounds(110, 286, 310, 21);
  for (const TFileFilter& f : filters_) types_->Items()->Add(f.Name);
  if (!filters_.empty()) types_->SetItemIndex(std::clamp(request_.FilterIndex, 1, static_cast<int>(filters_.size())) - 1);
  types_->OnChange = [this](TObject*) {
    typedPattern_.clear();
    refreshFiles();
  };

  ok_ = new TButton(this);
  ok_->SetParent(this);
  ok_->SetCaption(request_.Save ? "&Save" : "&Open");
  ok_->SetDefault(true);
  ok_->SetBounds(433, 252, 75, 25);
  ok_->OnClick = [this](TObject*) {
    if (Accept()) SetModalResult(mrOk);
  };
  cancel_ = new TButton(this);
  cancel_->SetParent(this);
  cancel_->SetCaption("Cancel");
  cancel_->SetCancel(true);
  cancel_->SetModalResult(mrCancel);
  cancel_->SetBounds(433, 284, 75, 25);
  int order = 0;
  for (TWinControl* c : std::initializer_list<TWinControl*>{name_, types_, ok_, cancel_, folders_, files_, up_})
    c->SetTabOrder(order++);
}

const TFileFilter* TFileChooserForm::currentFilter() const {
  int i = types_->ItemIndex();
  return i >= 0 && i < static_cast<int>(filters_.size()) ? &filters_[i] : nullptr;
}

void TFileChooserForm::Navigate(const std::string& Folder) {
  if (Folder.empty() || !DirectoryExists(Folder)) return;
  folder_ = Folder;
  folderLabel_->SetCaption(folder_);
  folders_->Items()->BeginUpdate();
  folders_->Items()->Clear();
  if (fs::path(folder_).has_parent_path() && fs::path(folder_).parent_path() != fs::path(folder_))
    folders_->Items()->Add("..");
  for (const std::string& name : ListFolder(folder_, "*", fekFolders))
    if (name.empty() || name[0] != '.') folders_->Items()->Add(name);
  folders_->Items()->EndUpdate();
  refreshFiles();
}

void TFileChooserForm::refreshFiles() {
  files_->Items()->BeginUpdate();
  files_->Items()->Clear();
  TFileFilter typed{"", {typedPattern_}};
  const TFileFilter* filter = !typedPattern_.empty() ? &typed : currentFilter();
  for (const std::string& name : ListFolder(folder_, "*", fekFiles)) {
    if (name.empty() || name[0] == '.') continue;
    if (filter == nullptr || MatchesFileFilter(name, *filter)) files_->Items()->Add(name);
  }
  files_->Items()->EndUpdate();
}

bool TFileChooserForm::Accept() {
  std::string name = name_->Text();
  while (!name.empty() && name.back() == ' ') name.pop_back();
  while (!name.empty() && name.front() == ' ') name.erase(0, 1);
  if (name.empty()) return false;
  if (request_.Options.Contains(ofAllowMultiSelect) && name.front() == '"') return acceptMany(name);
  if (HasWildcard(name)) {
    typedPattern_ = name;
    refreshFiles();
    return false;
  }
  fs::path p = fs::path(name).is_absolute() ? fs::path(name) : fs::path(folder_) / name;
  std::string path = p.lexically_normal().string();
  if (DirectoryExists(path)) {
    Navigate(path);
    name_->SetText("");
    return false;
  }
  path = WithDefaultExt(path, request_.DefaultExt);
  bool pathMustExist = request_.Options.Contains(ofPathMustExist) || request_.Options.Contains(ofFileMustExist);
  if (pathMustExist && !DirectoryExists(ExtractFileDir(path))) {
    MessageDlg(path + "\nThe path does not exist.\nCheck the path and try again.", mtWarning, {mbOK});
    return false;
  }
  if (!request_.Save && request_.Options.Contains(ofFileMustExist) && !FileExists(path)) {
    MessageDlg(path + "\nFile not found.\nCheck the file name and try again.", mtWarning, {mbOK});
    return false;
  }
  if (request_.Save && request_.Options.Contains(ofOverwritePrompt) && FileExists(path) &&
      MessageDlg(path + " already exists.\nDo you want to replace it?", mtWarning, {mbYes, mbNo}) != mrYes)
    return false;
  request_.FileName = path;
  request_.Files = {path};
  if (types_->ItemIndex() >= 0) request_.FilterIndex = types_->ItemIndex() + 1;
  return true;
}

// '"a.txt" "b.txt"': every name must be an existing file of the folder.
bool TFileChooserForm::acceptMany(const std::string& names) {
  std::vector<std::string> paths;
  for (size_t i = names.find('"'); i != std::string::npos; i = names.find('"', i)) {
    size_t end = names.find('"', i + 1);
    if (end == std::string::npos) break;
    std::string path = (fs::path(folder_) / names.substr(i + 1, end - i - 1)).lexically_normal().string();
    if (!FileExists(path)) {
      MessageDlg(path + "\nFile not found.\nCheck the file name and try again.", mtWarning, {mbOK});
      return false;
    }
    paths.push_back(path);
    i = end + 1;
  }
  if (paths.empty()) return false;
  request_.Files = paths;
  request_.FileName = paths.front();
  if (types_->ItemIndex() >= 0) request_.FilterIndex = types_->ItemIndex() + 1;
  return true;
}

bool ExecuteFileChooser(TFileDialogRequest& Request) {
  TFileChooserForm form(nullptr, Request);
  return form.ShowModal() == mrOk;
}

// Without a screen nobody could answer a window: the default button answers.
TModalResult TVisibleDialogPresenter::ShowMessageBox(const TMessageBoxRequest& Request) {
  if (platform::CurrentDisplay().IsHeadless()) {
    if (Request.DefaultButton != mrNone) return Request.DefaultButton;
    return Request.Buttons.empty() ? mrOk : Request.Buttons.front();
  }
  return ShowMessageBoxForm(Request);
}

bool TVisibleDialogPresenter::ExecuteFileDialog(TFileDialogRequest& Request) {
  if (platform::CurrentDisplay().IsHeadless()) return false;
  return ExecuteFileChooser(Request);
}

TVisibleDialogPresenter& VisibleDialogPresenter() {
  static TVisibleDialogPresenter presenter;
  return presenter;
}
