#pragma once
// Builds a form with one of each standard control. The gallery test saves a
// picture of it; a person can also open it on a real display.

#include <string>

#include "toolkit/forms/Buttons.h"
#include "toolkit/forms/CheckLst.h"
#include "toolkit/forms/ComCtrls.h"
#include "toolkit/forms/ExtCtrls.h"
#include "toolkit/forms/Forms.h"
#include "toolkit/forms/Mask.h"
#include "toolkit/forms/StdCtrls.h"
#include "toolkit/forms/models/DateTimeFields.h"

template <typename T>
T* GalleryAdd(TWinControl* parent, int x, int y, int w = 0, int h = 0) {
  T* c = new T(parent);
  c->SetParent(parent);
  c->SetBounds(x, y, w > 0 ? w : c->Width(), h > 0 ? h : c->Height());
  return c;
}

inline TEdit* BuildGallery(TForm* form) {
  form->SetCaption("Gallery");
  form->SetBounds(40, 40, 880, 520);
  auto* l = GalleryAdd<TLabel>(form, 12, 12);
  l->SetCaption("&Name:");
  auto* e = GalleryAdd<TEdit>(form, 90, 8, 160);
  e->SetText("Converter 1");
  l->SetFocusControl(e);
  GalleryAdd<TLabel>(form, 12, 40)->SetCaption("Date:");
  auto* m = GalleryAdd<TMaskEdit>(form, 90, 36, 160);
  m->SetEditMask("!99/99/0000;1;_");
  m->SetText("10/12/2026");
  GalleryAdd<TLabel>(form, 12, 68)->SetCaption("Baud rate:");
  auto* combo = GalleryAdd<TComboBox>(form, 90, 64, 160);
  for (const char* s : {"125 kbit/s", "250 kbit/s", "500 kbit/s"}) combo->Items()->Add(s);
  combo->SetItemIndex(1);
  GalleryAdd<TLabel>(form, 12, 96)->SetCaption("Protocol:");
  auto* pick = GalleryAdd<TComboBox>(form, 90, 92, 160);
  pick->SetStyle(csDropDownList);
  for (const char* s : {"J1939", "PROFIBUS DP"}) pick->Items()->Add(s);
  pick->SetItemIndex(0);
  auto* cb = GalleryAdd<TCheckBox>(form, 270, 10, 140);
  cb->SetCaption("&Enabled");
  cb->SetChecked(true);
  auto* cb2 = GalleryAdd<TCheckBox>(form, 270, 32, 140);
  cb2->SetCaption("Grayed");
  cb2->SetAllowGrayed(true);
  cb2->SetState(cbGrayed);
  auto* rb = GalleryAdd<TRadioButton>(form, 270, 54, 140);
  rb->SetCaption("Master");
  rb->SetChecked(true);
  GalleryAdd<TRadioButton>(form, 270, 76, 140)->SetCaption("Slave");
  auto* list = GalleryAdd<TListBox>(form, 12, 124, 140, 110);
  for (int i = 1; i <= 12; ++i) list->Items()->Add("Module " + std::to_string(i));
  list->SetItemIndex(2);
  auto* memo = GalleryAdd<TMemo>(form, 160, 124, 230, 110);
  memo->Lines()->Add("A memo with a few lines");
  memo->Lines()->Add("of text, wrapped at its width when they are too long to fit.");
  auto* group = GalleryAdd<TGroupBox>(form, 410, 8, 190, 110);
  group->SetCaption("Group");
  auto* inGroup = GalleryAdd<TCheckListBox>(group, 10, 22, 170, 76);
  for (const char* s : {"CAN", "PROFIBUS", "Log"}) inGroup->Items()->Add(s);
  inGroup->SetChecked(0, true);
  auto* radio = GalleryAdd<TRadioGroup>(form, 410, 124, 190, 110);
  radio->SetCaption("Speed");
  radio->SetColumns(2);
  for (const char* s : {"9600", "19200", "38400", "57600"}) radio->Items()->Add(s);
  radio->SetItemIndex(1);
  auto* panel = GalleryAdd<TPanel>(form, 12, 244, 378, 41);
  panel->SetCaption("Panel");
  auto* bevel = GalleryAdd<TBevel>(form, 12, 294, 378, 2);
  bevel->SetShape(bsTopLine);
  auto* shape = GalleryAdd<TShape>(form, 410, 244, 60, 40);
  shape->SetShape(stEllipse);
  shape->Brush()->SetColor(clSkyBlue);
  auto* link = GalleryAdd<TLinkLabel>(form, 480, 256);
  link->SetCaption("See <a href=\"https://example.org\">the manual</a>");
  auto* sb = GalleryAdd<TScrollBar>(form, 12, 306, 200);
  sb->SetParams(30, 0, 100);
  auto* track = GalleryAdd<TTrackBar>(form, 220, 300, 170, 40);
  track->SetPosition(4);
  auto* progress = GalleryAdd<TProgressBar>(form, 12, 332, 200, 17);
  progress->SetPosition(60);
  auto* spinEdit = GalleryAdd<TEdit>(form, 410, 300, 60);
  auto* updown = GalleryAdd<TUpDown>(form, 470, 300);
  updown->SetAssociate(spinEdit);
  updown->SetPosition(5);
  auto* dtp = GalleryAdd<TDateTimePicker>(form, 500, 300, 110);
  TDateTimeParts p;
  p.Year = 2026; p.Month = 12; p.Day = 10;
  dtp->SetDateTime(JoinDateTime(p));
  auto* speed = GalleryAdd<TSpeedButton>(form, 410, 330, 60, 24);
  speed->SetCaption("Speed");
  speed->SetGroupIndex(1);
  speed->SetDown(true);
  auto* flat = GalleryAdd<TSpeedButton>(form, 474, 330, 60, 24);
  flat->SetCaption("Flat");
  flat->SetFlat(true);
  auto* pages = GalleryAdd<TPageControl>(form, 12, 360, 378, 110);
  for (const char* c : {"General", "Bus", "Log"}) {
    auto* sheet = new TTabSheet(form);
    sheet->SetPageControl(pages);
    sheet->SetCaption(c);
  }
  GalleryAdd<TLabel>(pages->Pages(0), 10, 12)->SetCaption("Controls on the first page");
  auto* rich = GalleryAdd<TRichEdit>(form, 410, 360, 190, 110);
  rich->SetText("{\\rtf1{\\fonttbl{\\f0 DejaVu Sans;}}{\\colortbl ;\\red200\\green0\\blue0;}\\f0\\fs20 "
                "Rich {\\b bold} and {\\i italic}\\par {\\cf1 red} text\\par\\qc centred}");
  auto* cal = GalleryAdd<TMonthCalendar>(form, 615, 8);
  cal->SetDate(JoinDateTime(p));
  auto* ok = GalleryAdd<TButton>(form, 680, 450);
  ok->SetCaption("OK");
  ok->SetDefault(true);
  auto* cancel = GalleryAdd<TButton>(form, 765, 450);
  cancel->SetCaption("Cancel");
  auto* off = GalleryAdd<TButton>(form, 765, 410);
  off->SetCaption("Disabled");
  off->SetEnabled(false);
  return e;
}
