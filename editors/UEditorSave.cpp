#include "editors/UEditorSave.h"

#include "base/UFixedTexts.h"
#include "platform/xml/XmlDocument.h"
#include "toolkit/forms/Dialogs.h"

bool Replace_Section_File(bool Load_Incomplete, const std::string& File_Name, const std::function<void()>& Save) {
  if (Load_Incomplete && MessageDlg(Incomplete_File_Question(File_Name), mtConfirmation, {mbYes, mbNo}) != mrYes)
    return false;
  try {
    Save();
  } catch (const platform::XmlError& e) {
    MessageDlg(e.what(), mtError, {mbOK});
    return false;
  }
  return true;
}
