#include "app/ULinks.h"

#include "base/UFixedTexts.h"
#include "platform/shell/OpenLink.h"
#include "toolkit/forms/Dialogs.h"

bool Open_Link(const std::string& Link) {
  platform::LinkResult result = platform::OpenLink(Link);
  if (!result) MessageDlg(Link_Not_Opened_Text(Link, result.failure.empty() ? Unknown_Reason_Text() : result.failure),
                          mtError, {mbOK});
  return result.opened;
}
