#pragma once
// Runs a function when a scope ends, however it is left: the undo of a
// temporary change (a detached event, a suspended setting) without a
// hand-written catch block.

#include <utility>

template <typename F>
class TScopeGuard {
public:
  explicit TScopeGuard(F Fn) : fn_(std::move(Fn)) {}
  ~TScopeGuard() {
    if (active_) fn_();
  }
  TScopeGuard(const TScopeGuard&) = delete;
  TScopeGuard& operator=(const TScopeGuard&) = delete;
  // The scope ended as planned: nothing to undo.
  void Dismiss() { active_ = false; }

private:
  F fn_;
  bool active_ = true;
};

template <typename F>
TScopeGuard<F> MakeScopeGuard(F Fn) {
  return TScopeGuard<F>(std::move(Fn));
}
