// What the test driver offers beyond input: records of links, programs and
// the clipboard, accelerators, context menus, and characters beyond ASCII.

#include "platform/clipboard/Clipboard.h"
#include "platform/kernel/Modules.h"
#include "platform/process/Process.h"
#include "platform/registry/Registry.h"
#include "platform/theme/Theme.h"
#include "platform/shell/OpenLink.h"
#include "DemoFormFixture.h"
#include "toolkit/forms/WinApi.h"
#include "toolkit/testing/TestDriver.h"

namespace {

class DriverTest : public DemoFormFixture {};

TEST_F(DriverTest, LinksAndProgramsAreRecordedNotOpened) {
  EXPECT_TRUE(platform::OpenLink("https://example.org/download"));
  auto started = platform::StartProgram("/opt/updater", {"COM3", "1", "FW", "NO"}, true);
  EXPECT_EQ(Driver.LinksOpened(), (std::vector<std::string>{"https://example.org/download"}));
  ASSERT_EQ(Driver.ProgramsStarted().size(), 1u);
  EXPECT_EQ(Driver.ProgramsStarted()[0].request.program, "/opt/updater");
}

TEST_F(DriverTest, ClipboardTextReachesTheDisplayAndComesBack) {
  ASSERT_TRUE(platform::TheClipboard().SetText("row 1\tvalue"));
  EXPECT_EQ(Driver.Host().ClipboardText(false), "row 1\tvalue");
  Driver.Host().SetClipboardText("from another program", false);
  EXPECT_EQ(platform::TheClipboard().Text(), "from another program");
}

TEST_F(DriverTest, AltAndALetterReachTheControlWithThatAccelerator) {
  class TAccel : public TLoggingBox {
  public:
    using TLoggingBox::TLoggingBox;
    int Hits = 0;

  protected:
    void CMDialogChar(TCMDialogChar& m) override {
      if (IsAccel(m.CharCode, Caption())) {
        ++Hits;
        m.Result = 1;
      }
    }
  };
  auto* a = new TAccel(Form, Log, "Accel", clBtnFace);
  a->SetCaption("&Save");
  a->SetBounds(10, 200, 80, 25);
  a->SetParent(Form);
  Driver.PressKey('S', {ssAlt});
  EXPECT_EQ(a->Hits, 1);
  // Without Alt, a control that takes characters keeps the letter.
  Form->First->DlgCode = DLGC_WANTCHARS;
  Driver.PressKey('S');
  EXPECT_EQ(a->Hits, 1);
  // One that does not take characters lets the letter act as the accelerator.
  Form->First->DlgCode = 0;
  Driver.PressKey('S');
  EXPECT_EQ(a->Hits, 2);
}

TEST_F(DriverTest, RightClickAsksForTheContextMenu) {
  TPoint at;
  bool asked = false;
  Form->Third->OnContextPopup = [&](TObject*, TPoint p, bool& handled) {
    asked = true;
    at = p;
    handled = true;
  };
  Driver.RightClick(Form->Third, 7, 8);
  EXPECT_TRUE(asked);
  EXPECT_EQ(at, (TPoint{7, 8}));
}

TEST_F(DriverTest, CharactersBeyondAsciiArriveAsCodePoints) {
  class TCharSink : public TLoggingBox {
  public:
    using TLoggingBox::TLoggingBox;
    std::vector<uint32_t> Chars;

  protected:
    void WMChar(TWMKey& m) override {
      Chars.push_back(m.CharCode);
      TLoggingBox::WMChar(m);
    }
  };
  auto* sink = new TCharSink(Form, Log, "Sink", clWindow);
  sink->SetBounds(10, 200, 80, 25);
  sink->SetParent(Form);
  sink->DlgCode = DLGC_WANTCHARS;
  Driver.Focus(sink);
  Driver.Type("ä€1");
  EXPECT_EQ(sink->Chars, (std::vector<uint32_t>{0xE4, 0x20AC, '1'}));
}

TEST_F(DriverTest, ScreenKnowsItsFontsAndResolution) {
  EXPECT_EQ(Screen->PixelsPerInch(), 96);
  const auto& fonts = Screen->Fonts();
  EXPECT_NE(std::find(fonts.begin(), fonts.end(), "DejaVu Sans"), fonts.end());
  EXPECT_EQ(Screen->MonitorCount(), 1);
  EXPECT_EQ(Screen->Monitors(0)->WorkareaRect(), Screen->WorkAreaRect());
}

TEST_F(DriverTest, StateDoesNotLeakFromOneTestToTheNext) {
  // Whatever earlier tests did, a fresh driver starts from nothing.
  EXPECT_EQ(GetCapture(), nullptr);
  EXPECT_EQ(Driver.Clock().TickCount(), 0u);
  EXPECT_EQ(Driver.Beeps(), 0);
  EXPECT_TRUE(Driver.MessageBoxes().empty());
  EXPECT_EQ(Screen->FormCount(), 1);
}

// Run twice in one process (--gtest_repeat=2) this also shows that what one
// test leaves behind is gone for the next.
TEST_F(DriverTest, EachTestHasItsOwnRegistryAndStartsWithThemesOn) {
  EXPECT_EQ(platform::RegistryFile(), Driver.RegistryFile());
  EXPECT_EQ(Driver.RegistryFile().string().rfind(::testing::TempDir(), 0), 0u) << Driver.RegistryFile();
  TRegistry reg;
  EXPECT_FALSE(reg.KeyExists("Software\\Quelix\\DriverTest"));
  ASSERT_TRUE(reg.OpenKey("Software\\Quelix\\DriverTest", true));
  reg.WriteInteger("Written", 1);
  EXPECT_TRUE(std::filesystem::exists(Driver.RegistryFile()));

  EXPECT_TRUE(IsThemeActive());
  Driver.SetThemesActive(false);
  EXPECT_FALSE(IsThemeActive());
}

TEST_F(DriverTest, TheThemeModuleIsThere) {
  HMODULE theme = LoadLibrary("uxtheme");
  ASSERT_TRUE(theme);
  EXPECT_NE(GetProcAddress(theme, "DrawThemeBackground"), nullptr);
  FreeLibrary(theme);
}

}  // namespace
