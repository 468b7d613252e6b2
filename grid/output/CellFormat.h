#pragma once
// Number formats that come from settings or handlers ("%.2f", "%d pcs").
// They never reach printf: the run-time library's formatter takes them, and
// only a format with exactly one numeric conversion is applied.

#include <string>
#include <string_view>

enum TNumberFormatKind { nfkNone, nfkInteger, nfkFloat };

// The kind of the one numeric conversion of Format (d, u, x: integer; f, g,
// e, n: float); nfkNone for no conversion, several, or any other type.
TNumberFormatKind NumberFormatKind(std::string_view Format);

// Format applied to the number: the integer value for an integer
// conversion, the float value otherwise. Text is left as it is when the
// format does not fit or the formatter refuses it.
bool ApplyNumberFormat(std::string_view Format, long long IntValue, double FloatValue, std::string& Text);
