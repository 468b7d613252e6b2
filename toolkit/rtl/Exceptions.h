#pragma once
// The framework's exception classes. Every error the toolkit raises derives
// from Exception, whose message is what the standard error box shows.

#include <stdexcept>
#include <string>

class Exception : public std::exception {
public:
  explicit Exception(std::string message) : message_(std::move(message)) {}
  const std::string& Message() const { return message_; }
  void SetMessage(std::string m) { message_ = std::move(m); }
  const char* what() const noexcept override { return message_.c_str(); }

private:
  std::string message_;
};

#define QUELIX_EXCEPTION(Name, Base) \
  class Name : public Base {         \
  public:                            \
    using Base::Base;                \
  };

QUELIX_EXCEPTION(EConvertError, Exception)
QUELIX_EXCEPTION(EListError, Exception)
QUELIX_EXCEPTION(EStringListError, EListError)
QUELIX_EXCEPTION(EInvalidOperation, Exception)
QUELIX_EXCEPTION(EInvalidCast, Exception)
QUELIX_EXCEPTION(EStreamError, Exception)
QUELIX_EXCEPTION(EReadError, EStreamError)
QUELIX_EXCEPTION(EWriteError, EStreamError)
QUELIX_EXCEPTION(EFOpenError, EStreamError)
QUELIX_EXCEPTION(EFCreateError, EStreamError)
QUELIX_EXCEPTION(EResNotFound, Exception)
QUELIX_EXCEPTION(EOutOfResources, Exception)
QUELIX_EXCEPTION(EAssertionFailed, Exception)
QUELIX_EXCEPTION(EInOutError, Exception)
QUELIX_EXCEPTION(EInvalidGraphic, Exception)
QUELIX_EXCEPTION(EInvalidGraphicOperation, Exception)

// The silent exception: it unwinds like any other, but the application's
// handler shows no error box for it.
QUELIX_EXCEPTION(EAbort, Exception)
[[noreturn]] inline void Abort() { throw EAbort("Operation aborted"); }

inline void Assert(bool Condition, const std::string& Message = "Assertion failure") {
  if (!Condition) throw EAssertionFailed(Message);
}
