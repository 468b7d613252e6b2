#include "platform/kernel/Events.h"
#include "platform/registry/Registry.h"
#include "platform/registry/RegistryFixture.h"
#include "platform/registry/RegistryWatch.h"

#include <gtest/gtest.h>

#include <future>

namespace {

void Write(const std::string& key, const std::string& name) {
  TRegistry reg;
  ASSERT_TRUE(reg.OpenKey(key, true));
  reg.WriteInteger(name, 1);
}

class RegistryWatchTest : public testsupport::RegistryFixture {
protected:
  RegistryWatchTest() {
    TRegistry reg;
    reg.CreateKey("Software\\Office\\Common\\General");
  }

  // Counts the callbacks of a watch on Software\Office\Common.
  std::unique_ptr<platform::RegistryWatch> Watch(bool subtree, uint32_t filter, int& count) {
    return platform::WatchRegistryKey(HKEY_CURRENT_USER, "software\\office\\common", subtree, filter, nullptr,
                                      [&count] { ++count; });
  }

};

struct WatchCase {
  const char* name;
  bool subtree;
  uint32_t filter;
  std::function<void()> change;
  int expected;
};

class WatchedChanges : public RegistryWatchTest, public testing::WithParamInterface<WatchCase> {};

TEST_P(WatchedChanges, ReachTheWatchWhenTheyMatch) {
  int count = 0;
  auto watch = Watch(GetParam().subtree, GetParam().filter, count);
  ASSERT_NE(watch, nullptr);
  GetParam().change();
  EXPECT_EQ(count, GetParam().expected);
}

const uint32_t kValues = REG_NOTIFY_CHANGE_LAST_SET, kNames = REG_NOTIFY_CHANGE_NAME;

INSTANTIATE_TEST_SUITE_P(
    Cases, WatchedChanges,
    testing::Values(
        WatchCase{"valueInKey", false, kValues, [] { Write("Software\\Office\\Common", "Theme"); }, 1},
        WatchCase{"valueBelowWithoutSubtree", false, kValues,
                  [] { Write("Software\\Office\\Common\\General", "X"); }, 0},
        WatchCase{"valueBelowWithSubtree", true, kValues,
                  [] { Write("Software\\Office\\Common\\General", "X"); }, 1},
        WatchCase{"valueElsewhere", true, 0, [] { Write("Software\\Office", "X"); }, 0},
        WatchCase{"subkeyAddedNeedsNameFilter", false, kValues,
                  [] { TRegistry().CreateKey("Software\\Office\\Common\\New"); }, 0},
        WatchCase{"subkeyAdded", false, kNames, [] { TRegistry().CreateKey("Software\\Office\\Common\\New"); }, 1},
        WatchCase{"zeroFilterMeansAll", false, 0, [] { TRegistry().CreateKey("Software\\Office\\Common\\New"); }, 1},
        WatchCase{"watchedKeyDeleted", false, kValues, [] { TRegistry().DeleteKey("Software\\Office"); }, 1},
        WatchCase{"valueDeleted", false, kValues,
                  [] {
                    Write("Software\\Office\\Common", "Theme");
                    TRegistry reg;
                    reg.OpenKey("Software\\Office\\Common", false);
                    reg.DeleteValue("Theme");
                  },
                  2},
        WatchCase{"otherRoot", true, 0,
                  [] {
                    TRegistry reg;
                    reg.SetRootKey(HKEY_LOCAL_MACHINE);
                    reg.OpenKey("Software\\Office\\Common", true);
                    reg.WriteInteger("Theme", 1);
                  },
                  0}),
    [](const testing::TestParamInfo<WatchCase>& info) { return info.param.name; });

TEST_F(RegistryWatchTest, MissingKeyCannotBeWatched) {
  EXPECT_EQ(platform::WatchRegistryKey(HKEY_CURRENT_USER, "Software\\Nothing", true, 0, nullptr), nullptr);
}

TEST_F(RegistryWatchTest, EndedWatchHearsNothing) {
  int count = 0;
  auto watch = Watch(true, 0, count);
  watch.reset();
  Write("Software\\Office\\Common", "Theme");
  EXPECT_EQ(count, 0);
}

TEST_F(RegistryWatchTest, CallbackMayReadTheRegistry) {
  int seen = -1;
  auto watch = platform::WatchRegistryKey(HKEY_CURRENT_USER, "Software\\Office\\Common", false, 0, nullptr, [&seen] {
    TRegistry reg;
    reg.OpenKeyReadOnly("Software\\Office\\Common");
    seen = reg.ReadInteger("Theme");
  });
  Write("Software\\Office\\Common", "Theme");
  EXPECT_EQ(seen, 1);
}

// The monitor-thread pattern: a thread blocks on the event and wakes for each change.
TEST_F(RegistryWatchTest, WaitingThreadWakesOnAChange) {
  auto event = platform::CreateEvent(true, false, "RegMonitorChange");
  auto watch = platform::WatchRegistryKey(HKEY_CURRENT_USER, "Software\\Office\\Common", true,
                                          REG_NOTIFY_CHANGE_LAST_SET, event);
  auto monitor = std::async(std::launch::async, [&] {
    uint32_t result = event->Wait(INFINITE);
    event->Reset();
    TRegistry reg;
    reg.OpenKeyReadOnly("Software\\Office\\Common\\General");
    return std::make_pair(result, reg.ReadInteger("Theme"));
  });
  Write("Software\\Office\\Common\\General", "Theme");
  auto [result, theme] = monitor.get();
  EXPECT_EQ(result, WAIT_OBJECT_0);
  EXPECT_EQ(theme, 1);
  EXPECT_FALSE(event->IsSet());
}

}  // namespace
