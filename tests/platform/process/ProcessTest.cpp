#include "platform/kernel/Clock.h"
#include "platform/kernel/Events.h"
#include "platform/process/Process.h"
#include "platform/support/TempFolder.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <future>
#include <sys/stat.h>
#include <unistd.h>

using platform::StartProgram;
using testsupport::TempFolder;

namespace {

class RealProcess : public testing::Test {
protected:
  // A shell script of our own, made executable.
  std::filesystem::path Script(const std::string& name, const std::string& body) {
    auto path = folder_.Write(name, "#!/bin/sh\n" + body);
    chmod(path.c_str(), 0755);
    return path;
  }

  // A FIFO a script blocks on until the test opens it for writing.
  std::filesystem::path Gate() {
    auto path = folder_ / "gate";
    EXPECT_EQ(mkfifo(path.c_str(), 0600), 0);
    gates_.push_back(path);
    return path;
  }

  // Releases a script still blocked on its gate when a test failed half-way.
  ~RealProcess() override {
    for (const auto& gate : gates_) {
      int fd = open(gate.c_str(), O_WRONLY | O_NONBLOCK);
      if (fd >= 0) close(fd);
    }
  }

  TempFolder folder_;
  std::vector<std::filesystem::path> gates_;
};

TEST_F(RealProcess, ArgumentsArriveUnchangedAndExitCodeIsRead) {
  std::filesystem::create_directory(folder_ / "my folder");
  auto out = folder_ / "args.txt";
  auto script = Script("my folder/echo args.sh", "for a in \"$@\"; do printf '[%s]\\n' \"$a\"; done > '" +
                                                     out.string() + "'\nexit 7\n");
  auto started = StartProgram(script, {"COM3", "a b", "x\"y", "", "C:\\q\" \\"}, true);
  ASSERT_TRUE(started) << started.failure;
  EXPECT_TRUE(started.process->Wait(INFINITE));
  EXPECT_EQ(started.process->ExitCode(), 7u);
  EXPECT_EQ(TempFolder::Read(out), "[COM3]\n[a b]\n[x\"y]\n[]\n[C:\\q\" \\]\n");
}

TEST_F(RealProcess, StillActiveWhileRunning) {
  auto fifo = Gate();
  auto script = Script("wait.sh", "read line < '" + fifo.string() + "'\nexit 3\n");
  auto started = StartProgram(script, {}, false);
  ASSERT_TRUE(started) << started.failure;
  EXPECT_EQ(started.process->ExitCode(), STILL_ACTIVE);
  EXPECT_FALSE(started.process->Wait(0));
  EXPECT_FALSE(started.process->Wait(1));
  int fd = open(fifo.c_str(), O_WRONLY);  // opens once the script reads
  ASSERT_GE(fd, 0);
  ASSERT_EQ(write(fd, "go\n", 3), 3);
  close(fd);
  EXPECT_TRUE(started.process->Wait(INFINITE));
  EXPECT_EQ(started.process->ExitCode(), 3u);
  EXPECT_TRUE(started.process->Wait(0));  // asking again keeps the result
  EXPECT_EQ(started.process->ExitCode(), 3u);
}

TEST_F(RealProcess, TimeOutIsMeasuredOnTheCurrentClock) {
  platform::VirtualClock clock;
  platform::SetClock(&clock);
  auto fifo = Gate();
  auto started = StartProgram(Script("wait.sh", "read line < '" + fifo.string() + "'\nexit 0\n"), {}, true);
  ASSERT_TRUE(started);
  auto waiter = std::async(std::launch::async, [&] { return started.process->Wait(150000); });
  while (platform::WaitingThreads() < 1) std::this_thread::yield();  // the time-out has started
  clock.Advance(150000);
  EXPECT_FALSE(waiter.get());
  platform::SetClock(nullptr);
  int fd = open(fifo.c_str(), O_WRONLY);
  close(fd);
  EXPECT_TRUE(started.process->Wait(INFINITE));
  EXPECT_EQ(started.process->ExitCode(), 0u);
}

TEST_F(RealProcess, ChildGetsOnlyTheStandardDescriptors) {
  int fd = open(folder_.Path().c_str(), O_RDONLY | O_DIRECTORY);  // inheritable: no close-on-exec
  ASSERT_GE(fd, 0);
  auto out = folder_ / "fds.txt";
  auto script = Script("fds.sh", "[ -e /proc/$$/fd/" + std::to_string(fd) + " ] && echo open > '" + out.string() +
                                     "' || echo closed > '" + out.string() + "'\n");
  auto started = StartProgram(script, {}, true);
  close(fd);
  ASSERT_TRUE(started) << started.failure;
  EXPECT_TRUE(started.process->Wait(INFINITE));
  EXPECT_EQ(TempFolder::Read(out), "closed\n");
}

TEST_F(RealProcess, SignalEndsWith128PlusSignal) {
  auto started = StartProgram(Script("kill.sh", "kill -9 $$\n"), {}, true);
  ASSERT_TRUE(started);
  EXPECT_TRUE(started.process->Wait(INFINITE));
  EXPECT_EQ(started.process->ExitCode(), 128u + 9u);
  EXPECT_EQ(started.process->TermSignal(), 9);
}

// The same status from an ordinary exit is no signal.
TEST_F(RealProcess, ExitStatusAboveOneHundredTwentyEightIsNoSignal) {
  auto started = StartProgram(Script("exit.sh", "exit 137\n"), {}, true);
  ASSERT_TRUE(started);
  EXPECT_TRUE(started.process->Wait(INFINITE));
  EXPECT_EQ(started.process->ExitCode(), 137u);
  EXPECT_EQ(started.process->TermSignal(), 0);
}

struct FailureCase {
  const char* name;
  std::function<std::filesystem::path(TempFolder&)> make;
  const char* reasonPart;
};

class ProcessStartFails : public RealProcess, public testing::WithParamInterface<FailureCase> {};

TEST_P(ProcessStartFails, WithAReasonInsteadOfACrash) {
  auto started = StartProgram(GetParam().make(folder_), {"a", "b"}, true);
  EXPECT_FALSE(started);
  EXPECT_EQ(started.process, nullptr);
  EXPECT_NE(started.failure.find(GetParam().reasonPart), std::string::npos) << started.failure;
}

INSTANTIATE_TEST_SUITE_P(
    Programs, ProcessStartFails,
    testing::Values(
        FailureCase{"notExecutable", [](TempFolder& f) { return f.Write("plain.sh", "#!/bin/sh\nexit 0\n"); },
                    "not executable"},
        FailureCase{"missing", [](TempFolder& f) { return f / "none"; }, "No such file"},
        FailureCase{"folder", [](TempFolder& f) { return f.Path(); }, "not a file"},
        FailureCase{"relative", [](TempFolder&) { return std::filesystem::path("bin/sh"); }, "not a full path"},
        FailureCase{"notAProgram",
                    [](TempFolder& f) {
                      auto p = f.Write("data.exe", "MZ\x90\x00 this is no program");
                      chmod(p.c_str(), 0755);
                      return p;
                    },
                    "cannot start"}),
    [](const testing::TestParamInfo<FailureCase>& info) { return info.param.name; });

}  // namespace
