#include "platform/process/RecordingLauncher.h"

#include "platform/kernel/Clock.h"
#include "platform/kernel/Events.h"

namespace platform {

uint32_t FakeProcess::ExitCode() {
  std::lock_guard lock(mutex_);
  return ended_ ? exitCode_ : STILL_ACTIVE;
}

int FakeProcess::TermSignal() {
  std::lock_guard lock(mutex_);
  return signal_;
}

bool FakeProcess::Wait(uint32_t timeoutMs) {
  {
    std::lock_guard lock(mutex_);
    if (ended_) return true;
  }
  if (timeoutMs != INFINITE && timeoutMs != 0) CurrentClock().Sleep(timeoutMs);
  std::lock_guard lock(mutex_);
  return ended_;
}

void FakeProcess::Finish(uint32_t exitCode) {
  std::lock_guard lock(mutex_);
  ended_ = true;
  exitCode_ = exitCode;
}

void FakeProcess::Kill(int Signal) {
  std::lock_guard lock(mutex_);
  ended_ = true;
  signal_ = Signal;
  exitCode_ = 128 + static_cast<uint32_t>(Signal);
}

StartResult RecordingProcessLauncher::Start(const ProcessStart& start) {
  std::shared_ptr<FakeProcess> process;
  {
    std::lock_guard lock(mutex_);
    process = std::make_shared<FakeProcess>(nextId_++);
  }
  StartResult result;
  if (OnStart) {
    result = OnStart(start, process);
  } else {
    process->Finish(0);
    result = {process, ""};
  }
  std::lock_guard lock(mutex_);
  started_.push_back({start, process});
  return result;
}

std::vector<RecordingProcessLauncher::Started> RecordingProcessLauncher::StartedPrograms() const {
  std::lock_guard lock(mutex_);
  return started_;
}

void RecordingProcessLauncher::Clear() {
  std::lock_guard lock(mutex_);
  started_.clear();
}

}  // namespace platform
