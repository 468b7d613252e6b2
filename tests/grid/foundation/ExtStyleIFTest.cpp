#include "grid/foundation/ExtStyleIF.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "platform/registry/Registry.h"
#include "platform/theme/Theme.h"
#include "toolkit/forms/Forms.h"
#include "toolkit/graphics/ThemePainting.h"
#include "toolkit/testing/TestDriver.h"

namespace {

const char* const k14 = "Software\\Microsoft\\Office\\14.0\\Common";
const char* const k12 = "Software\\Microsoft\\Office\\12.0\\Common";

class OfficeThemes : public FormsTest {
protected:
  OfficeThemes() {
    std::string tmpl = testing::TempDir() + "/gridstyleXXXXXX";
    folder = mkdtemp(tmpl.data());
    platform::SetRegistryFile(std::filesystem::path(folder) / "registry.xml");
    RegisterThemeModule();
  }
  ~OfficeThemes() override {
    platform::SetRegistryFile({});
    std::filesystem::remove_all(folder);
    SetThemeActive(true);
  }
  void Write(const std::string& key, int theme) {
    TRegistry reg;
    reg.OpenKey(key, true);
    reg.WriteInteger("Theme", theme);
  }
  void MakeKey(const std::string& key) {
    TRegistry reg;
    reg.CreateKey(key);
  }
  std::string folder;
};

TEST_F(OfficeThemes, OfficeSettingsComeFirstThenTheColourScheme) {
  SetThemeActive(false);
  EXPECT_EQ(GetOfficeVersion(), 0);
  EXPECT_EQ(GetCurrentOfficeTheme(), ot2003Classic);
  EXPECT_EQ(ReadOfficeThemeValue(k14), -1);

  Write(k12, 2);
  EXPECT_EQ(GetCurrentOfficeTheme(), ot2007Silver);
  MakeKey(k14);  // no Theme value: falls back to 12.0
  EXPECT_EQ(GetCurrentOfficeTheme(), ot2007Silver);
  Write(k14, 3);
  EXPECT_EQ(GetCurrentOfficeTheme(), ot2010Black);
  Write(k14, 4);
  EXPECT_EQ(GetCurrentOfficeTheme(), ot2003Blue);  // no fall-back for a value that is there

  MakeKey(std::string(k12) + "\\General");
  EXPECT_EQ(GetOfficeVersion(), 1);
  MakeKey(std::string(k14) + "\\General");
  EXPECT_EQ(GetOfficeVersion(), 2);
  EXPECT_EQ(GetDefaultFontName(), "Tahoma");
}

TEST_F(OfficeThemes, ColourSchemeFromTheVisualStyle) {
  SetThemeActive(false);
  EXPECT_EQ(GetXPColorScheme(), 0);
  // The registered theme module names its colour scheme "NormalColor": the first scheme.
  SetThemeActive(true);
  EXPECT_EQ(GetXPColorScheme(), 1);
}

TEST(HandleListTest, AddDeleteValueAndHasValue) {
  THandleList list;
  HWND a = reinterpret_cast<HWND>(uintptr_t(1)), b = reinterpret_cast<HWND>(uintptr_t(2));
  list.Add(a);
  list.Add(b);
  list.DeleteValue(reinterpret_cast<HWND>(uintptr_t(9)));
  EXPECT_EQ(list.Count(), 2);
  list.DeleteValue(a);
  EXPECT_FALSE(list.HasValue(a));
  EXPECT_EQ(list.GetInteger(0), b);
  TRegMonitorThread thread;
  EXPECT_EQ(thread.Filter(), 15u);
}

TEST_F(OfficeThemes, NotifierTellsRegisteredWindowsOfChanges) {
  Write(k14, 1);
  MakeKey(std::string(k14) + "\\General");
  TForm* form = new TForm(Application);
  form->Show();
  TForm* other = new TForm(Application);
  other->Show();
  int changes = 0;
  TThemeNotifier* notifier = GetThemeNotifier(form);
  ASSERT_NE(notifier->RegMonitorThread(), nullptr);
  EXPECT_EQ(notifier->RegMonitorThread()->Key(), k14);
  EXPECT_EQ(GetThemeNotifier(form), notifier);
  notifier->OnOfficeThemeChange = [&](TObject* s) { changes += s == notifier; };
  notifier->RegisterWindow(other->Handle());
  notifier->RegisterWindow(other->Handle());  // already there: unchanged
  EXPECT_EQ(notifier->RegMonitorThread()->WindowCount(), 1);
  notifier->UnRegisterWindow(reinterpret_cast<HWND>(uintptr_t(77)));
  EXPECT_EQ(notifier->RegMonitorThread()->WindowCount(), 1);

  Write(k14, 2);
  ASSERT_TRUE(notifier->RegMonitorThread()->WaitForChanges(1, 5000));
  Driver.Advance(100);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(GetCurrentOfficeTheme(), ot2010Silver);
  delete notifier;  // stops and joins its thread
  EXPECT_EQ(ThemeNotifierInstance, nullptr);
}

TEST_F(OfficeThemes, MissingKeyEndsTheThreadAndRegistrationsDoNothing) {
  TRegMonitorThread thread;
  thread.SetKey("Software\\Nothing\\Here");
  thread.Start();
  thread.WaitForChanges(1, 5000);
  EXPECT_TRUE(thread.Ended());
  EXPECT_EQ(thread.Error(), "Unable to open registry key Software\\Nothing\\Here");
  EXPECT_FALSE(thread.RegisterWindow(reinterpret_cast<HWND>(uintptr_t(5))));
  EXPECT_EQ(thread.WindowCount(), 0);
}

}  // namespace
