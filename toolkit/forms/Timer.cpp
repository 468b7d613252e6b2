#include "toolkit/forms/Timer.h"

#include "toolkit/forms/WinApi.h"

TTimer::TTimer(TComponent* AOwner) : TComponent(AOwner) {}

TTimer::~TTimer() {
  if (id_) KillTimer(nullptr, id_);
}

void TTimer::update() {
  if (id_) KillTimer(nullptr, id_);
  id_ = 0;
  if (enabled_ && interval_ > 0 && onTimer_) id_ = SetTimer(nullptr, 0, interval_, [this](uintptr_t) { Timer(); });
}

void TTimer::SetEnabled(bool v) {
  // Switching on a timer that runs already keeps its schedule.
  if (enabled_ == v) return;
  enabled_ = v;
  update();
}

void TTimer::SetInterval(uint32_t v) {
  if (interval_ == v) return;
  interval_ = v;
  update();
}

void TTimer::SetOnTimer(TNotifyEvent v) {
  bool wasSet = static_cast<bool>(onTimer_);
  onTimer_ = std::move(v);
  if (wasSet != static_cast<bool>(onTimer_)) update();
}

void TTimer::Timer() {
  if (onTimer_) onTimer_(this);
}
