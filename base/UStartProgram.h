#pragma once
// Starting an external program (the device updater) and waiting, for a
// bounded time, until it has ended. The outcome is reported: a program that
// could not be started, one that ended with a non-zero exit code or by a
// signal, and one still running after 150 seconds are each an error for the
// caller to show. A program still running is handed back, so that the caller
// can watch it end.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace platform {
class Process;
}

inline constexpr uint32_t Program_Wait_Limit_ms = 150000;
inline constexpr uint32_t Program_Poll_ms = 10;

enum TProgramOutcome { poEnded, poNotStarted, poFailed, poTimedOut };

struct TProgramResult {
  TProgramOutcome Outcome = poNotStarted;
  uint32_t Exit_Code = 0;  // for poEnded and poFailed
  int Signal = 0;          // for poFailed: the signal that ended it, 0 when it exited
  std::string Program;
  std::string Failure;     // why it could not be started
  std::shared_ptr<platform::Process> Process;  // the program while it runs (poTimedOut)
  bool Ok() const { return Outcome == poEnded; }
  // The error box's text; empty when Ok().
  std::string Message() const;
};

// For a program handed back still running: true, with the outcome filled in
// and the handle let go, once it has ended; false while it runs.
bool Program_Has_Ended(TProgramResult& Result);

// Starts NomeSW with the arguments Parameter (each reaching the program as it
// is, never through a shell), its window hidden when tipo is true, and polls it every 10 ms for at most 150 seconds. Between
// polls Between_Polls runs (the window layer repaints there and takes no
// input).
TProgramResult Start_Program(const std::string& NomeSW, const std::vector<std::string>& Parameter, bool tipo,
                             const std::function<void()>& Between_Polls = {});
