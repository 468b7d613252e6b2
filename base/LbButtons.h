#pragma once
// The fade worker of TLbButton: while it runs it hands one fade step to the
// button every 30 ms. The steps run on the user-interface thread anyway, so
// the worker is a timer of the message loop (on the virtual clock in tests)
// rather than a thread of its own; running means the timer is on, paused
// means it is off and does not tick.

#include <functional>
#include <memory>

#include "toolkit/forms/Timer.h"

inline constexpr uint32_t LbFade_Interval_ms = 30;

class TLbButtonThread {
public:
  // Created paused; Notify is the button's fade step.
  explicit TLbButtonThread(std::function<void()> Notify);
  ~TLbButtonThread();
  TLbButtonThread(const TLbButtonThread&) = delete;
  TLbButtonThread& operator=(const TLbButtonThread&) = delete;

  bool Suspended() const;
  void Resume();
  void Suspend();
  // Stops for good: no step runs after it.
  void Terminate();
  bool Terminated() const { return FTerminated; }
  // One step: calls the notification.
  void DoEvent();

private:
  std::function<void()> FNotify;
  std::unique_ptr<TTimer> FTimer;
  bool FTerminated = false;
};
