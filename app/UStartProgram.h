#pragma once
// Starting an external program (the device updater) and waiting, for a
// bounded time, until it has ended. The outcome is reported: a program that
// could not be started, one that ended with a non-zero exit code and one
// still running after 150 seconds are each an error for the caller to show.

#include <cstdint>
#include <functional>
#include <string>

inline constexpr uint32_t Program_Wait_Limit_ms = 150000;
inline constexpr uint32_t Program_Poll_ms = 10;

enum TProgramOutcome { poEnded, poNotStarted, poFailed, poTimedOut };

struct TProgramResult {
  TProgramOutcome Outcome = poNotStarted;
  uint32_t Exit_Code = 0;  // for poEnded and poFailed
  std::string Program;
  std::string Failure;     // why it could not be started
  bool Ok() const { return Outcome == poEnded; }
  // The error box's text; empty when Ok().
  std::string Message() const;
};

// Starts NomeSW with the command line Parameter (split into arguments by the
// platform's quoting rules, never through a shell), its window hidden when
// tipo is true, and polls it every 10 ms for at most 150 seconds. Between
// polls Between_Polls runs (the window layer repaints there and takes no
// input).
TProgramResult Start_Program(const std::string& NomeSW, const std::string& Parameter, bool tipo,
                             const std::function<void()>& Between_Polls = {});
