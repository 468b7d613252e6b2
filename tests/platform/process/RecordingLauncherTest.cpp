#include "platform/kernel/Clock.h"
#include "platform/kernel/Events.h"
#include "platform/process/RecordingLauncher.h"

#include <gtest/gtest.h>

namespace {

using platform::FakeProcess;
using platform::ProcessStart;
using platform::RecordingProcessLauncher;
using platform::StartResult;

class Recording : public testing::Test {
protected:
  Recording() { platform::SetProcessLauncher(&launcher_); }
  ~Recording() override { platform::SetProcessLauncher(nullptr); }
  RecordingProcessLauncher launcher_;
};

TEST_F(Recording, RecordsProgramArgumentsAndWindowFlag) {
  auto started = platform::StartProgram("/opt/q/CAN_21070_Update.exe", {"COM1", "2", "FW", "NO", "/p/a b.bin"}, true);
  ASSERT_TRUE(started);
  EXPECT_EQ(started.process->ExitCode(), 0u);
  platform::StartProgram("/bin/other", {}, false);
  auto records = launcher_.StartedPrograms();
  ASSERT_EQ(records.size(), 2u);
  EXPECT_EQ(records[0].request.program, "/opt/q/CAN_21070_Update.exe");
  EXPECT_TRUE(records[0].request.showWindow);
  EXPECT_EQ(records[0].request.arguments, (std::vector<std::string>{"COM1", "2", "FW", "NO", "/p/a b.bin"}));
  EXPECT_FALSE(records[1].request.showWindow);
  launcher_.Clear();
  EXPECT_TRUE(launcher_.StartedPrograms().empty());
}

TEST_F(Recording, ScriptedProcessRunsUntilFinished) {
  platform::VirtualClock clock;
  platform::SetClock(&clock);
  launcher_.OnStart = [](const ProcessStart&, std::shared_ptr<FakeProcess> p) { return StartResult{p, ""}; };
  auto started = platform::StartProgram("/x", {}, true);
  auto process = launcher_.StartedPrograms().at(0).process;
  EXPECT_EQ(started.process->ExitCode(), STILL_ACTIVE);
  EXPECT_FALSE(started.process->Wait(10));
  EXPECT_EQ(GetTickCount(), 10u);  // the wait let virtual time pass
  EXPECT_FALSE(started.process->Wait(INFINITE));  // nobody will finish it: no hang
  process->Finish(4);
  EXPECT_TRUE(started.process->Wait(10));
  EXPECT_EQ(started.process->ExitCode(), 4u);
  platform::SetClock(nullptr);
}

TEST_F(Recording, ScriptedFailureIsRecordedToo) {
  launcher_.OnStart = [](const ProcessStart&, std::shared_ptr<FakeProcess>) { return StartResult{nullptr, "denied"}; };
  auto started = platform::StartProgram("/x", {"a"}, true);
  EXPECT_FALSE(started);
  EXPECT_EQ(started.failure, "denied");
  EXPECT_EQ(launcher_.StartedPrograms().size(), 1u);
}

}  // namespace
