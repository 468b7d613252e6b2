#pragma once
// The value of one spreadsheet cell as a workbook holds it.

#include <string>

namespace platform::office {

struct SheetValue {
  enum Kind { Empty, Text, Number, Boolean, Error };
  Kind kind = Empty;
  std::string text;   // Text; the error's code ("#DIV/0!") for Error
  double number = 0;  // Number; 1 or 0 for Boolean
  bool isDate = false;  // a Number shown with a date or time format (serial days since 1899-12-30)
};

}  // namespace platform::office
