#include "app/UStartProgram.h"

#include "app/UFixedTexts.h"

#include "platform/kernel/Clock.h"
#include "platform/process/Process.h"
#include "toolkit/rtl/SysUtils.h"

std::string TProgramResult::Message() const {
  switch (Outcome) {
    case poEnded: return {};
    case poNotStarted: return Program_Not_Started_Text(Program, Failure);
    case poFailed: return Program_Failed_Text(Program, Exit_Code);
    case poTimedOut: return Program_Timed_Out_Text(Program, Program_Wait_Limit_ms / 1000);
  }
  return {};
}

TProgramResult Start_Program(const std::string& NomeSW, const std::string& Parameter, bool tipo,
                             const std::function<void()>& Between_Polls) {
  TProgramResult r;
  r.Program = NomeSW;
  platform::StartResult started = platform::StartProgram(NomeSW, Parameter, !tipo);
  if (!started) {
    r.Failure = started.failure.empty() ? Unknown_Reason_Text() : started.failure;
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
