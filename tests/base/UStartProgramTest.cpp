#include "base/UStartProgram.h"

#include <gtest/gtest.h>

#include "platform/kernel/Clock.h"
#include "platform/process/RecordingLauncher.h"

using platform::FakeProcess;
using platform::ProcessStart;
using platform::StartResult;

class UStartProgramTest : public testing::Test {
protected:
  void SetUp() override {
    platform::SetClock(&clock);
    platform::SetProcessLauncher(&launcher);
  }
  void TearDown() override {
    platform::SetProcessLauncher(nullptr);
    platform::SetClock(nullptr);
  }
  // Every start succeeds with a process that runs until the test ends it.
  void Keep_Running() {
    launcher.OnStart = [this](const ProcessStart&, std::shared_ptr<FakeProcess> p) {
      running = p;
      return StartResult{p, {}};
    };
  }

  platform::VirtualClock clock;
  platform::RecordingProcessLauncher launcher;
  std::shared_ptr<FakeProcess> running;
};

TEST_F(UStartProgramTest, QuickProgram) {
  TProgramResult r = Start_Program("/opt/cfg/tool", {"a", "b c"}, false);
  EXPECT_TRUE(r.Ok());
  EXPECT_EQ(r.Message(), "");
  ASSERT_EQ(launcher.StartedPrograms().size(), 1u);
  auto started = launcher.StartedPrograms()[0];
  EXPECT_EQ(started.request.program, "/opt/cfg/tool");
  EXPECT_TRUE(started.request.showWindow);
  EXPECT_EQ(started.request.arguments, (std::vector<std::string>{"a", "b c"}));
  EXPECT_EQ(clock.TickCount(), 0u);  // ended at the first poll
}

TEST_F(UStartProgramTest, HiddenWindow) {
  Start_Program("/opt/cfg/tool", {}, true);
  EXPECT_FALSE(launcher.StartedPrograms()[0].request.showWindow);
}

TEST_F(UStartProgramTest, SlowProgramIsWaitedFor) {
  Keep_Running();
  int polls = 0;
  TProgramResult r = Start_Program("/opt/cfg/tool", {}, false, [&] {
    ++polls;
    if (clock.TickCount() >= 5000) running->Finish(0);
  });
  EXPECT_TRUE(r.Ok()) << r.Message();
  EXPECT_EQ(clock.TickCount(), 5000u);
  EXPECT_EQ(polls, 500);
}

TEST_F(UStartProgramTest, NonZeroExitIsReported) {
  Keep_Running();
  TProgramResult r = Start_Program("/opt/cfg/tool", {}, false, [&] { running->Finish(1); });
  EXPECT_EQ(r.Outcome, poFailed);
  EXPECT_EQ(r.Exit_Code, 1u);
  EXPECT_EQ(r.Message(), "The program /opt/cfg/tool ended with the exit code 1");
}

// A signal is named as such, not as exit code 128 + N; an exit code of 137
// stays an exit code.
TEST_F(UStartProgramTest, SignalIsReportedAsSignal) {
  Keep_Running();
  TProgramResult r = Start_Program("/opt/cfg/tool", {}, false, [&] { running->Kill(9); });
  EXPECT_EQ(r.Outcome, poFailed);
  EXPECT_EQ(r.Signal, 9);
  EXPECT_EQ(r.Message(), "The program /opt/cfg/tool ended by signal 9");
  r = Start_Program("/opt/cfg/tool", {}, false, [&] { running->Finish(137); });
  EXPECT_EQ(r.Message(), "The program /opt/cfg/tool ended with the exit code 137");
}

TEST_F(UStartProgramTest, ProgramThatNeverEndsTimesOut) {
  Keep_Running();
  TProgramResult r = Start_Program("/opt/cfg/tool", {}, false);
  EXPECT_EQ(r.Outcome, poTimedOut);
  EXPECT_EQ(clock.TickCount(), 150000u);
  EXPECT_EQ(r.Message(), "The program /opt/cfg/tool is still running after 150 seconds");
  // The program is handed back, to be watched until it ends.
  ASSERT_TRUE(r.Process);
  EXPECT_FALSE(Program_Has_Ended(r));
  running->Finish(0);
  EXPECT_TRUE(Program_Has_Ended(r));
  EXPECT_TRUE(r.Ok());
  EXPECT_FALSE(r.Process);
}

TEST_F(UStartProgramTest, MissingProgramIsReported) {
  launcher.OnStart = [](const ProcessStart&, std::shared_ptr<FakeProcess>) {
    return StartResult{nullptr, "no such file"};
  };
  TProgramResult r = Start_Program("/opt/cfg/missing", {}, false);
  EXPECT_EQ(r.Outcome, poNotStarted);
  EXPECT_EQ(r.Message(), "The program /opt/cfg/missing could not be started: no such file");
  EXPECT_EQ(clock.TickCount(), 0u);
}
