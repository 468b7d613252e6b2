// The real launcher: posix_spawn with an argument vector, no shell.

#include "platform/kernel/Clock.h"
#include "platform/kernel/Events.h"
#include "platform/process/Process.h"

#include <atomic>
#include <cerrno>
#include <cstring>
#include <mutex>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace platform {
namespace {

constexpr uint32_t kPollMs = 5;

class PosixProcess : public Process {
public:
  explicit PosixProcess(pid_t pid) : pid_(pid) {}

  // A child still running when its handle goes is reaped in the background,
  // so that it does not stay behind as a zombie.
  ~PosixProcess() override {
    if (Poll(false)) return;
    pid_t pid = pid_;
    std::thread([pid] {
      int status;
      while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
      }
    }).detach();
  }

  uint32_t ExitCode() override {
    Poll(false);
    std::lock_guard lock(mutex_);
    return ended_ ? exitCode_ : STILL_ACTIVE;
  }

  int TermSignal() override {
    Poll(false);
    std::lock_guard lock(mutex_);
    return signal_;
  }

  bool Wait(uint32_t timeoutMs) override {
    if (timeoutMs == INFINITE) return Poll(true);
    const uint32_t start = CurrentClock().TickCount();
    if (Poll(false)) return true;
    ScopedWaiting waiting;
    for (;;) {
      if (Poll(false)) return true;
      uint32_t elapsed = CurrentClock().TickCount() - start;
      if (elapsed >= timeoutMs) return false;
      // Real time passes here even under a virtual clock: the child runs in real time.
      std::this_thread::sleep_for(std::chrono::milliseconds(std::min(kPollMs, timeoutMs - elapsed)));
    }
  }

  int Id() const override { return pid_; }

private:
  // Collects the exit status once; true when the child has ended.
  bool Poll(bool block) {
    std::lock_guard lock(mutex_);
    if (ended_) return true;
    int status = 0;
    pid_t got;
    do {
      got = waitpid(pid_, &status, block ? 0 : WNOHANG);
    } while (got < 0 && errno == EINTR);
    if (got == 0) return false;
    ended_ = true;
    if (got < 0) exitCode_ = 1;  // not our child any more: nothing better to report
    else if (WIFEXITED(status)) exitCode_ = static_cast<uint32_t>(WEXITSTATUS(status));
    else if (WIFSIGNALED(status)) {
      signal_ = WTERMSIG(status);
      exitCode_ = 128 + static_cast<uint32_t>(signal_);
    }
    return true;
  }

  const pid_t pid_;
  std::mutex mutex_;
  bool ended_ = false;
  uint32_t exitCode_ = STILL_ACTIVE;
  int signal_ = 0;
};

// A clear reason before spawning, so that the common mistakes read well. The
// reasons leave the program out: the caller's message names it.
std::string CheckProgram(const std::filesystem::path& program) {
  if (!program.is_absolute()) return "not a full path";
  struct stat st {};
  if (stat(program.c_str(), &st) != 0) return std::strerror(errno);
  if (!S_ISREG(st.st_mode)) return "not a file";
  if (access(program.c_str(), X_OK) != 0) return "not executable";
  return "";
}

class PosixLauncher : public ProcessLauncher {
public:
  StartResult Start(const ProcessStart& start) override {
    if (std::string problem = CheckProgram(start.program); !problem.empty()) return {nullptr, problem};
    std::vector<std::string> args = start.arguments;
    args.insert(args.begin(), start.program.string());
    std::vector<char*> argv;
    for (std::string& arg : args) argv.push_back(arg.data());
    argv.push_back(nullptr);
    // The child gets standard input, output and error only: our display
    // connection, sockets and files are not its business.
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addclosefrom_np(&actions, 3);
    pid_t pid = 0;
    int rc = posix_spawn(&pid, start.program.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (rc != 0) return {nullptr, std::string("cannot start: ") + std::strerror(rc)};
    return {std::make_shared<PosixProcess>(pid), ""};
  }
};

PosixLauncher g_posix;
std::atomic<ProcessLauncher*> g_launcher = nullptr;

}  // namespace

ProcessLauncher& CurrentProcessLauncher() {
  ProcessLauncher* launcher = g_launcher.load();
  return launcher ? *launcher : g_posix;
}

ProcessLauncher& RealProcessLauncher() { return g_posix; }

void SetProcessLauncher(ProcessLauncher* launcher) { g_launcher = launcher; }

StartResult StartProgram(const std::filesystem::path& program, const std::vector<std::string>& arguments,
                         bool showWindow) {
  return CurrentProcessLauncher().Start({program, arguments, showWindow});
}

}  // namespace platform
