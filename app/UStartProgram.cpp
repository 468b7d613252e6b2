#include "app/UStartProgram.h"

#include "platform/kernel/Clock.h"
#include "platform/process/Process.h"
#include "toolkit/rtl/SysUtils.h"

std::string TProgramResult::Message() const {
  switch (Outcome) {
    case poEnded: return {};
    case poNotStarted: return "The program " + Program + " could not be started: " + Failure;
    case poFailed: return "The program " + Program + " ended with the exit code " + IntToStr(Exit_Code);
    case poTimedOut:
      return "The program " + Program + " did not end within " + IntToStr(Program_Wait_Limit_ms / 1000) + " seconds";
  }
  return {};
}

TProgramResult Start_Program(const std::string& NomeSW, const std::string& Parameter, bool tipo,
                             const std::function<void()>& Between_Polls) {
  TProgramResult r;
  r.Program = NomeSW;
  platform::StartResult started = platform::StartProgram(NomeSW, Parameter, !tipo);
  if (!started) {
    r.Failure = started.failure.empty() ? std::string("unknown reason") : started.failure;
    return r;
  }
  const uint32_t start = GetTickCount();
  for (;;) {
    uint32_t code = started.process->ExitCode();
    if (code != STILL_ACTIVE) {
      r.Outcome = code == 0 ? poEnded : poFailed;
      r.Exit_Code = code;
      return r;
    }
    if (GetTickCount() - start >= Program_Wait_Limit_ms) {
      r.Outcome = poTimedOut;
      return r;
    }
    started.process->Wait(Program_Poll_ms);
    if (Between_Polls) Between_Polls();
  }
}
