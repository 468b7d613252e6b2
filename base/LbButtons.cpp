#include "base/LbButtons.h"

TLbButtonThread::TLbButtonThread(std::function<void()> Notify) : FNotify(std::move(Notify)) {
  FTimer = std::make_unique<TTimer>(nullptr);
  FTimer->SetEnabled(false);
  FTimer->SetInterval(LbFade_Interval_ms);
  FTimer->SetOnTimer([this](TObject*) { DoEvent(); });
}

TLbButtonThread::~TLbButtonThread() { Terminate(); }

bool TLbButtonThread::Suspended() const { return !FTimer->Enabled(); }

void TLbButtonThread::Resume() {
  if (!FTerminated) FTimer->SetEnabled(true);
}

void TLbButtonThread::Suspend() { FTimer->SetEnabled(false); }

void TLbButtonThread::Terminate() {
  FTerminated = true;
  FTimer->SetEnabled(false);
}

void TLbButtonThread::DoEvent() {
  if (!FTerminated && FNotify) FNotify();
}
