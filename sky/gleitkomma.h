#pragma once

#include <cstdint>

namespace umbrix {

// Checked real arithmetic. Intermediates are long double (64-bit significand);
// values that are stored are rounded to double. An invalid operation (NaN) or
// an overflow of the double range is an error, never a silent NaN or infinity.

// Rounds an extended value to the double it is stored in. Throws Fehler with
// UngueltigeOperation for NaN and Ueberlauf when a finite value leaves the
// double range; an infinite operand passes through, as in the hardware.
double AlsDouble(long double Wert);

// round(v): nearest integer, ties to even. Throws Fehler with
// UngueltigeOperation when v is NaN or the result leaves the int64 range.
int64_t Runden(long double Wert);

} // namespace umbrix
