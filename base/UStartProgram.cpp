#include "base/UStartProgram.h"

#include "base/UFixedTexts.h"

#include "platform/kernel/Clock.h"
#include "platform/process/Process.h"
#include "toolkit/rtl/SysUtils.h"

std::string TProgramResult::Message() const {
  switch (Outcome) {
    case poEnded: return {};
    case poNotStarted: return Program_Not_Started_Text(Program, Failure);
    case poFailed: return Signal != 0 ? Program_Signal_Text(Program, Signal) : Program_Failed_Text(Program, Exit_Code);
    case poTimedOut: return Program_Timed_Out_Text(Program, Program_Wait_Limit_ms / 1000);
  }
  return {};
}

bool Program_Has_Ended(TProgramResult& Result) {
  if (!Result.Process) return true;
  uint32_t code = Result.Process->ExitCode();
  if (code == STILL_ACTIVE) return false;
  Result.Signal = Result.Process->TermSignal();
  Result.Outcome = code == 0 && Result.Signal == 0 ? poEnded : poFailed;
  Result.Exit_Code = code;
  Result.Process.reset();
  return true;
}

TProgramResult Start_Program(const std::string& NomeSW, const std::vector<std::string>& Parameter, bool tipo,
                             const std::function<void()>& Between_Polls) {
  TProgramResult r;
  r.Program = NomeSW;
  platform::StartResult started = platform::StartProgram(NomeSW, Parameter, !tipo);
  if (!started) {
    r.Failure = started.failure.empty() ? Unknown_Reason_Text() : started.failure;
    return r;
  }
  r.Process = started.process;
  r.Outcome = poTimedOut;
  const uint32_t start = GetTickCount();
  for (;;) {
    if (Program_Has_Ended(r)) return r;
    if (GetTickCount() - start >= Program_Wait_Limit_ms) return r;
    r.Process->Wait(Program_Poll_ms);
    if (Between_Polls) Between_Polls();
  }
}
