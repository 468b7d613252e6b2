#pragma once
// A launcher that starts nothing: it records every request (for the test
// driver's record of programs started) and hands out fake processes whose end
// the test decides.

#include "platform/process/Process.h"

#include <functional>
#include <mutex>

namespace platform {

class FakeProcess : public Process {
public:
  explicit FakeProcess(int id) : id_(id) {}
  uint32_t ExitCode() override;
  int TermSignal() override;
  // Ends at once when finished. Otherwise the time-out passes on the current
  // clock (a virtual clock simply advances) and the result is false;
  // INFINITE on a process nobody finishes returns false instead of hanging.
  bool Wait(uint32_t timeoutMs) override;
  int Id() const override { return id_; }

  void Finish(uint32_t exitCode);
  // Ends as a program that Signal killed.
  void Kill(int Signal);

private:
  const int id_;
  std::mutex mutex_;
  bool ended_ = false;
  uint32_t exitCode_ = STILL_ACTIVE;
  int signal_ = 0;
};

class RecordingProcessLauncher : public ProcessLauncher {
public:
  struct Started {
    ProcessStart request;
    std::shared_ptr<FakeProcess> process;
  };

  StartResult Start(const ProcessStart& start) override;

  // Decides the outcome of each start; by default every start succeeds with
  // a process that has already ended with exit code 0. Return a failure
  // (null process) to make a start fail; the request is recorded either way.
  std::function<StartResult(const ProcessStart&, std::shared_ptr<FakeProcess>)> OnStart;

  std::vector<Started> StartedPrograms() const;
  void Clear();

private:
  mutable std::mutex mutex_;
  std::vector<Started> started_;
  int nextId_ = 1000;
};

}  // namespace platform
