#pragma once
// Starting another program and following it: a handle that reads the exit
// code (STILL_ACTIVE while it runs) and waits with a time-out.
//
// Programs are given by full path and started directly with an argument
// vector (never through a shell, never composed into one text and split
// again, so a quote or blank in a path reaches the program as it is). The launcher in force is replaceable: tests and the test
// driver install a RecordingProcessLauncher (RecordingLauncher.h).

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

constexpr uint32_t STILL_ACTIVE = 259;

namespace platform {

struct ProcessStart {
  std::filesystem::path program;  // full path of the executable
  std::vector<std::string> arguments;  // after the program's own name, each reaching it unchanged
  bool showWindow = true;         // recorded; a program's window is its own business here
};

class Process {
public:
  virtual ~Process() = default;
  // STILL_ACTIVE while the program runs; afterwards its exit status, or
  // 128 + the signal number when a signal ended it.
  virtual uint32_t ExitCode() = 0;
  // The signal that ended the program; 0 while it runs or when it exited by
  // itself (so that an exit status of 130 is not taken for signal 2).
  virtual int TermSignal() = 0;
  // True once the program has ended; false when timeoutMs passed first
  // (measured on the current clock; INFINITE waits for the end).
  virtual bool Wait(uint32_t timeoutMs) = 0;
  virtual int Id() const = 0;  // the process id (fakes number their processes)
};

struct StartResult {
  std::shared_ptr<Process> process;  // null on failure
  std::string failure;               // why not, for messages and logs; the caller names the program
  explicit operator bool() const { return process != nullptr; }
};

class ProcessLauncher {
public:
  virtual ~ProcessLauncher() = default;
  virtual StartResult Start(const ProcessStart& start) = 0;
};

// The launcher in force: the real one unless a test installed another (not owned; nullptr restores).
ProcessLauncher& CurrentProcessLauncher();
// The real launcher, whatever is installed (for backends that are replaced as a whole, like the link opener).
ProcessLauncher& RealProcessLauncher();
void SetProcessLauncher(ProcessLauncher* launcher);

// Shorthand for CurrentProcessLauncher().Start(...).
StartResult StartProgram(const std::filesystem::path& program, const std::vector<std::string>& arguments,
                         bool showWindow);

}  // namespace platform
