#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

// The number notations of the coastline file and of the edit fields. Both
// readers are independent of the locale (the decimal separator is always "."),
// accept nothing but the whole text and allocate nothing.
namespace umbrix {

// An integer: after any number of leading blanks (code 32 only), either an
// optional sign and decimal digits whose value lies within int32_t, or one of
// the prefixes $, x, X, 0x, 0X (no sign before it) and hexadecimal digits whose
// value fits in 32 bits, taken as a signed pattern ($FFFFFFFF is -1). Nothing
// may follow the digits. Empty when the text is not such an integer.
std::optional<int32_t> GanzzahlLesen(std::string_view Text);

// A decimal real: an optional sign, digits with an optional "." (the digits
// before or after it may be missing, not both), and an optional exponent of
// e or E, an optional sign and at least one digit. The value is the nearest
// double; one too small for the double range becomes zero of its sign. Empty
// when the text is not such a number or its magnitude exceeds the double range.
std::optional<double> DezimalzahlLesen(std::string_view Text);

} // namespace umbrix
