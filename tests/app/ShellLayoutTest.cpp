// The windows laid out with the real fonts: every text fits its place and no
// two controls side by side overlap.
#include <sstream>

#include "app/UVersionCheck.h"
#include "tests/app/ShellFixture.h"
#include "toolkit/forms/std/GraphicControls.h"
#include "toolkit/graphics/Bitmap.h"
#include "toolkit/graphics/TextMetrics.h"

namespace {

class ShellLayoutTest : public TShellFixture {
protected:
  void SetUp() override {
    TShellFixture::SetUp();
    SetFixedTextMetrics(false);
  }
  void TearDown() override {
    SetFixedTextMetrics(true);
    TShellFixture::TearDown();
  }
};

std::string Describe(const TControl* c) {
  std::ostringstream s;
  s << c->ClassName() << " \"" << c->Caption() << "\" at " << c->Left() << "," << c->Top() << " " << c->Width()
    << "x" << c->Height();
  return s.str();
}

// A button's caption fits the width its glyph leaves.
int Caption_Room(const TLbButton* b) {
  int cw = b->NumGlyphs() > 0 ? b->Glyph()->Width() / b->NumGlyphs() : 0;
  return cw == 0 ? b->Width() - 8 : b->Width() - cw - 12;
}

int Text_Width(const TControl* c) {
  TBitmap bmp(1, 1);
  bmp.Canvas()->Font()->Assign(c->Font());
  return bmp.Canvas()->TextWidth(StripHotkey(c->Caption()));
}

// Problems found among Parent's visible children, and below them.
void Check_Layout(const TWinControl* Parent, std::vector<std::string>& Problems) {
  std::vector<const TControl*> shown;
  for (int i = 0; i < Parent->ControlCount(); ++i) {
    const TControl* c = Parent->Controls(i);
    if (!c->Visible() || dynamic_cast<const TShape*>(c) != nullptr) continue;
    shown.push_back(c);
    TRect r = c->BoundsRect();
    if (c->Align() == alNone && (r.Right > Parent->ClientWidth() || r.Bottom > Parent->ClientHeight()))
      Problems.push_back(Describe(c) + " leaves " + Describe(Parent));
    if (auto* b = dynamic_cast<const TLbButton*>(c); b && !b->Caption().empty() && Text_Width(b) > Caption_Room(b))
      Problems.push_back(Describe(c) + " caption does not fit");
    if (auto* w = dynamic_cast<const TWinControl*>(c)) Check_Layout(w, Problems);
  }
  for (size_t i = 0; i < shown.size(); ++i)
    for (size_t j = i + 1; j < shown.size(); ++j) {
      TRect a = shown[i]->BoundsRect(), b = shown[j]->BoundsRect();
      bool overlap = a.Left < b.Right && b.Left < a.Right && a.Top < b.Bottom && b.Top < a.Bottom;
      if (overlap) Problems.push_back(Describe(shown[i]) + " overlaps " + Describe(shown[j]));
    }
}

std::vector<std::string> Layout_Problems(const TWinControl* Form) {
  std::vector<std::string> problems;
  Check_Layout(Form, problems);
  return problems;
}

using Problems = std::vector<std::string>;

TEST_F(ShellLayoutTest, MainWindowTextsFitAndNothingOverlaps) {
  Start();
  EXPECT_EQ(Layout_Problems(main), Problems{});
  New_Project("A project with a rather long name that goes on and on beyond the frame");
  EXPECT_EQ(Layout_Problems(main), Problems{});
  EXPECT_LE(main->L_Name_Conf_L2->BoundsRect().Right, main->Shape2->BoundsRect().Right);
  main->LL_Update->SetCaption(Download_Link_Anchor(Lang_Text(23)));
  main->LL_Update->SetVisible(true);
  EXPECT_EQ(Layout_Problems(main), Problems{});
  Driver.Screenshot(main, "main-window-real-fonts.png");
}

TEST_F(ShellLayoutTest, DialogTextsFitAndNothingOverlaps) {
  for (const char* name : {"Deutsch", "English", "Italiano", "Portugu\xC3\xAAs"})
    dir.Write(std::string("LANGUAGE/") + name + ".lng", "");
  Start();
  Driver.InModal([this] {
    EXPECT_EQ(Layout_Problems(FNew_Project), Problems{});
    Driver.Screenshot(FNew_Project, "new-project-real-fonts.png");
    Click(FNew_Project->Btn_Cancel);
  });
  Click(main->Btn_New);
  Driver.InModal([this] {
    EXPECT_EQ(Layout_Problems(FOpenConf), Problems{});
    Click(FOpenConf->Btn_Cancel);
  });
  Click(main->Btn_Open);
  Driver.InModal([this] {
    auto* o = FSoftOptions;
    EXPECT_EQ(Layout_Problems(o), Problems{});
    Driver.Screenshot(o, "options-real-fonts.png");
    o->PC_Options->SetActivePage(o->TS_Con_Options);
    Tick(o->CB_En_Con);
    Tick(o->CB_Update);
    Click(o->Btn_Check_Update);
    EXPECT_EQ(Layout_Problems(o), Problems{});
    Driver.Screenshot(o, "options-connection-real-fonts.png");
    Click(o->Btn_Cancel);
  });
  Click(main->Btn_Opz);
  Driver.InModal([this] {
    EXPECT_EQ(Layout_Problems(FAbout), Problems{});
    Driver.Screenshot(FAbout, "about-real-fonts.png");
    Click(FAbout->LbButton1);
  });
  Click(main->Btn_Info);
}

}  // namespace
