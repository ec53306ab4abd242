#pragma once

#include <cstdint>
#include <string_view>

namespace umbrix {

// The integer value of an edit field's text, 0 when the text is not a valid
// integer: leading blanks, then an optional sign and decimal digits within the
// 32-bit range, or a hexadecimal number ($, x, X, 0x, 0X and up to 32 bits,
// taken as a signed pattern). Nothing may follow the digits.
int32_t FeldWert(std::string_view Text);

} // namespace umbrix
