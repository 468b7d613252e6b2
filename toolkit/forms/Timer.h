#pragma once
// TTimer: fires OnTimer every Interval milliseconds while Enabled and OnTimer
// is set. Turning on a timer that already runs leaves its schedule alone;
// changing the interval starts the count again.

#include <cstdint>

#include "toolkit/rtl/Classes.h"

class TTimer : public TComponent {
public:
  explicit TTimer(TComponent* AOwner);
  ~TTimer() override;
  std::string ClassName() const override { return "TTimer"; }

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool v);
  uint32_t Interval() const { return interval_; }
  void SetInterval(uint32_t v);
  const TNotifyEvent& OnTimer() const { return onTimer_; }
  void SetOnTimer(TNotifyEvent v);

protected:
  virtual void Timer();

private:
  void update();
  bool enabled_ = true;
  uint32_t interval_ = 1000;
  TNotifyEvent onTimer_;
  uintptr_t id_ = 0;
};
