// HTML text with real fonts and both looks of its embedded controls; saves a
// picture of a few rendered cells for a person to look at.
#include <gtest/gtest.h>

#include "grid/foundation/EsgHTMLE.h"
#include "grid/foundation/ExtXPVS.h"
#include "platform/kernel/Modules.h"
#include "platform/theme/Theme.h"
#include "toolkit/rtl/Exceptions.h"
#include "toolkit/graphics/Bitmap.h"
#include "toolkit/graphics/Canvas.h"
#include "toolkit/graphics/codecs/PngCodec.h"
#include "toolkit/rtl/FileUtils.h"

namespace {

const char* kCells[] = {
    "Plain text in a cell",
    "<B>Bold</B>, <I>italic</I>, <U>underlined</U> and <S>struck</S>",
    "<FONT color=\"clred\">red</FONT> <FONT color=\"#008000\" bgcolor=\"#FFFF00\">green on yellow</FONT>",
    "Visit <A href=\"https://example.invalid\">our site</A> &amp; more",
    "H<SUB>2</SUB>O and E=mc<SUP>2</SUP>, <E>speling</E>",
    "<P align=\"center\">centred</P>",
    "Name: <CONTROL TYPE=\"EDIT\" ID=\"n\" VALUE=\"Anna\" WIDTH=\"80\"> "
    "<CONTROL TYPE=\"CHECK\" ID=\"c\" VALUE=\"TRUE\" WIDTH=\"16\"> ok "
    "<CONTROL TYPE=\"BUTTON\" ID=\"b\" VALUE=\"Go\" WIDTH=\"50\">",
    "<UL><LI>first<LI>second</UL>",
};

class HTMLLooks : public ::testing::Test {
protected:
  HTMLLooks() {
    RegisterThemeModule();
    BindThemeLibrary();
  }
  ~HTMLLooks() override {
    ReleaseThemeLibrary();
    SetThemeActive(true);
  }
};

TEST_F(HTMLLooks, BindingFindsTheThemeEntriesByName) {
  const TThemeBinding& b = ExtXPVSBinding();
  EXPECT_TRUE(b.Loaded);
  EXPECT_NE(b.OpenThemeData, nullptr);
  EXPECT_NE(b.DrawThemeBackground, nullptr);
  for (void* slot : b.Slots) EXPECT_NE(slot, nullptr);
  BindThemeLibrary();  // a second call changes nothing
  EXPECT_TRUE(ExtXPVSBinding().Loaded);
  TThemeBinding never;
  ReleaseThemeLibrary(never);  // never loaded: nothing to do
  EXPECT_FALSE(never.Loaded);
  // The copies are independent: releasing one leaves the other bound.
  TThemeBinding other;
  BindThemeLibrary(other);
  EXPECT_TRUE(other.Loaded);
  ReleaseThemeLibrary(other);
  EXPECT_FALSE(other.Loaded);
  EXPECT_TRUE(ExtXPVSBinding().Loaded);
}

int PartialThemeEntry() { return 0; }

// A theme library that lacks an entry point stops the start with the
// module's name; no library at all is no error.
TEST_F(HTMLLooks, AMissingEntryPointIsReportedWithTheModule) {
  platform::RegisterEntryPoint("partialtheme", "OpenThemeData", &PartialThemeEntry);
  TThemeBinding partial{"ATXPVS"};
  try {
    BindThemeLibrary(partial, "partialtheme.dll");
    ADD_FAILURE() << "no error";
  } catch (const EAssertionFailed& e) {
    EXPECT_NE(std::string(e.what()).find("ATXPVS"), std::string::npos) << e.what();
    EXPECT_NE(std::string(e.what()).find("CloseThemeData"), std::string::npos) << e.what();
  }
  EXPECT_FALSE(partial.Loaded);
  EXPECT_EQ(partial.Slots[0], nullptr);
  platform::UnregisterModule("partialtheme");
  TThemeBinding none;
  EXPECT_NO_THROW(BindThemeLibrary(none, "nosuchtheme.dll"));
  EXPECT_FALSE(none.Loaded);
}

TEST_F(HTMLLooks, ControlsThemedAndClassicCloseTheirThemeData) {
  for (bool active : {true, false}) {
    SetThemeActive(active);
    EXPECT_EQ(ThemedLookActive(), active);
    TBitmap bmp(200, 40);
    bmp.Canvas()->Brush()->SetColor(clWhite);
    bmp.Canvas()->FillRect(TRect(0, 0, 200, 40));
    THTMLTextCall call;
    DrawHTMLText(bmp.Canvas(), kCells[6], TRect(0, 0, 200, 40), call);
    EXPECT_EQ(OpenThemeCount(), 0) << active;
    // The edit frame: blue-grey when themed, grey in the classic look.
    const TColor frame = active ? RGB(127, 157, 185) : RGB(128, 128, 128);
    int n = 0;
    for (int x = 0; x < 200; ++x)
      for (int y = 0; y < 40; ++y) n += bmp.Canvas()->Pixels(x, y) == frame;
    EXPECT_GT(n, 50) << active;
  }
}

TEST_F(HTMLLooks, RenderedCellsPicture) {
  const int w = 420, h = 36;
  const int count = int(std::size(kCells));
  TBitmap bmp(w, h * count);
  TCanvas* c = bmp.Canvas();
  c->Font()->SetName("DejaVu Sans");
  c->Font()->SetHeight(-12);
  c->Font()->SetColor(clBlack);
  for (int i = 0; i < count; ++i) {
    const TRect cell(0, i * h, w, (i + 1) * h);
    c->Brush()->SetColor(i % 2 ? RGB(245, 245, 250) : clWhite);
    c->FillRect(cell);
    THTMLTextCall call;
    DrawHTMLText(c, kCells[i], TRect(cell.Left + 4, cell.Top + 2, cell.Right - 4, cell.Bottom - 2), call);
    EXPECT_GT(call.MaxWidth, 0) << kCells[i];
  }
  const std::string path = testing::TempDir() + "/html_cells.png";
  WriteFileAtomic(path, EncodePng(bmp.GetPixelImage()));
  EXPECT_FALSE(ReadFileBytes(path).empty());
  // What the picture must show: red text and a yellow background in the
  // colour cell only, underlined blue link text in the link cell.
  auto pixelsIn = [&](int cell, auto&& wanted) {
    int n = 0;
    for (int y = cell * h; y < (cell + 1) * h; ++y)
      for (int x = 0; x < w; ++x) n += wanted(ColorToRGB(c->Pixels(x, y)));
    return n;
  };
  auto red = [](TColor p) { return GetRValue(p) > 200 && GetGValue(p) < 80 && GetBValue(p) < 80; };
  auto yellow = [](TColor p) { return p == RGB(255, 255, 0); };
  auto blue = [](TColor p) { return GetBValue(p) > 150 && GetRValue(p) < 80 && GetGValue(p) < 80; };
  EXPECT_GT(pixelsIn(2, red), 10);
  EXPECT_GT(pixelsIn(2, yellow), 200);
  EXPECT_EQ(pixelsIn(0, red) + pixelsIn(0, yellow) + pixelsIn(0, blue), 0);
  EXPECT_GT(pixelsIn(3, blue), 20);
}

}  // namespace
