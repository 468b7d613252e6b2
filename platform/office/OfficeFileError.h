#pragma once
// Raised by the office file services for a document they cannot read or
// write; the message says what is wrong in words a user can act on.

#include <stdexcept>

namespace platform::office {

class OfficeFileError : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

}  // namespace platform::office
