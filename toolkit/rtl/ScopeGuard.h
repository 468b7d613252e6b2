#pragma once
// Runs a function when a scope ends, however it is left: the undo of a
// temporary change (a counter, a state flag, a detached event, a suspended
// setting) without a hand-written catch block.
//
//   ++updating_;
//   auto done = MakeScopeGuard([&] { --updating_; });
//
// On a normal exit the undo runs as the scope's last statement would, and an
// exception it raises goes to the caller (an undo such as EndUpdate or Hide
// may run event handlers). While an exception unwinds the scope, that first
// exception is the one the caller hears of: an exception from the undo is
// then dropped instead of ending the program.

#include <exception>
#include <utility>

template <typename F>
class TScopeGuard {
public:
  explicit TScopeGuard(F Fn) : fn_(std::move(Fn)) {}
  ~TScopeGuard() noexcept(false) {
    if (!active_) return;
    if (std::uncaught_exceptions() == unwinding_) {
      fn_();
      return;
    }
    try {
      fn_();
    } catch (...) {
      // The exception already on its way out is the cause; keep it.
    }
  }
  TScopeGuard(const TScopeGuard&) = delete;
  TScopeGuard& operator=(const TScopeGuard&) = delete;
  // The scope ended as planned: nothing to undo.
  void Dismiss() { active_ = false; }

private:
  F fn_;
  int unwinding_ = std::uncaught_exceptions();
  bool active_ = true;
};

// Guaranteed copy elision makes the guard live exactly in the caller's scope.
template <typename F>
[[nodiscard]] TScopeGuard<F> MakeScopeGuard(F Fn) {
  return TScopeGuard<F>(std::move(Fn));
}
