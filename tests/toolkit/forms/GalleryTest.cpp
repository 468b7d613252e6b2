// A form with one of each standard control, saved as a picture for a person
// to look at (QUELIX_SCREENSHOT_DIR chooses where).

#include "toolkit/forms/std/Button.h"
#include "toolkit/forms/std/ComboBox.h"
#include "toolkit/forms/std/Containers.h"
#include "toolkit/forms/std/Edit.h"
#include "toolkit/forms/std/Label.h"
#include "toolkit/forms/std/ListBox.h"
#include "toolkit/forms/std/MaskEdit.h"
#include "toolkit/forms/std/Memo.h"

#include "ControlFixture.h"

namespace {

class GalleryTest : public ControlFixture {};

TEST_F(GalleryTest, OneOfEach) {
  form_->SetCaption("Gallery");
  form_->SetBounds(0, 0, 640, 480);
  auto* l = Make<TLabel>(12, 12);
  l->SetCaption("&Name:");
  auto* e = Make<TEdit>(80, 8, 160);
  e->SetText("Converter 1");
  l->SetFocusControl(e);
  auto* m = Make<TMaskEdit>(80, 36, 160);
  m->SetEditMask("!99/99/0000;1;_");
  m->SetText("10/12/2026");
  auto* combo = Make<TComboBox>(80, 64, 160);
  for (const char* s : {"125 kbit/s", "250 kbit/s", "500 kbit/s"}) combo->Items()->Add(s);
  combo->SetItemIndex(1);
  auto* pick = Make<TComboBox>(80, 92, 160);
  pick->SetStyle(csDropDownList);
  for (const char* s : {"J1939", "PROFIBUS DP"}) pick->Items()->Add(s);
  pick->SetItemIndex(0);
  auto* cb = Make<TCheckBox>(260, 10, 140);
  cb->SetCaption("&Enabled");
  cb->SetChecked(true);
  auto* cb2 = Make<TCheckBox>(260, 32, 140);
  cb2->SetCaption("Grayed");
  cb2->SetAllowGrayed(true);
  cb2->SetState(cbGrayed);
  auto* rb = Make<TRadioButton>(260, 54, 140);
  rb->SetCaption("Master");
  rb->SetChecked(true);
  auto* rb2 = Make<TRadioButton>(260, 76, 140);
  rb2->SetCaption("Slave");
  auto* list = Make<TListBox>(12, 124, 140, 110);
  for (int i = 1; i <= 12; ++i) list->Items()->Add("Module " + std::to_string(i));
  list->SetItemIndex(2);
  auto* memo = Make<TMemo>(160, 124, 220, 110);
  memo->Lines()->Add("A memo with a few lines");
  memo->Lines()->Add("of text, wrapped at its width when they are too long to fit.");
  auto* group = Make<TGroupBox>(400, 8, 220, 110);
  group->SetCaption("Group");
  auto* radio = Make<TRadioGroup>(400, 124, 220, 110);
  radio->SetCaption("Baud rate");
  radio->SetColumns(2);
  for (const char* s : {"9600", "19200", "38400", "57600"}) radio->Items()->Add(s);
  radio->SetItemIndex(1);
  auto* panel = Make<TPanel>(12, 244, 368, 41);
  panel->SetCaption("Panel");
  auto* bevel = Make<TBevel>(12, 294, 368, 2);
  bevel->SetShape(bsTopLine);
  auto* shape = Make<TShape>(400, 244, 60, 40);
  shape->SetShape(stEllipse);
  shape->Brush()->SetColor(clSkyBlue);
  auto* link = Make<TLinkLabel>(470, 250);
  link->SetCaption("See <a href=\"https://example.org\">the manual</a>");
  auto* ok = Make<TButton>(460, 420);
  ok->SetCaption("OK");
  ok->SetDefault(true);
  auto* cancel = Make<TButton>(545, 420);
  cancel->SetCaption("Cancel");
  auto* off = Make<TButton>(375, 420);
  off->SetCaption("Disabled");
  off->SetEnabled(false);
  Driver.Focus(e);
  Pump();
  std::string path = Driver.Screenshot(form_, "gallery.png");
  EXPECT_FALSE(path.empty());
}

}  // namespace
