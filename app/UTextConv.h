#pragma once
// The one number conversion of the configurator (cells, edit boxes, section
// files, language files) and the small text helpers that go with it.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Leading blanks skipped, an optional sign, then decimal digits, or
// hexadecimal digits after "$", "x"/"X" or "0x"/"0X"; nothing may follow.
// Decimal values must fit in 32 signed bits; hexadecimal ones in 32 bits
// (taken as the signed value of that bit pattern). No value otherwise.
std::optional<int32_t> Str_To_Int(std::string_view Text);
int32_t Str_To_Int_Def(std::string_view Text, int32_t Fallback);

// Blanks and control characters (everything up to the space) removed at
// both ends.
std::string Trim_Text(std::string_view Text);
// Only the letters a to z change; other bytes (UTF-8 included) stay.
std::string Upper_Ascii(std::string_view Text);
// Equal when they differ only in the letter case of a to z.
bool Same_Text(std::string_view A, std::string_view B);
// Ordering that ignores the letter case of a to z; ties break on the bytes so
// that the order is total.
bool Less_Text(std::string_view A, std::string_view B);
