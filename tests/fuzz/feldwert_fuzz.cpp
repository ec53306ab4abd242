// FeldWert on any text: never throws, and the value of a valid decimal text
// prints back to the same digits.
#include "app/feldwert.h"

#include <charconv>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Daten, size_t Groesse) {
    const std::string_view Text(reinterpret_cast<const char*>(Daten), Groesse);
    const int32_t Wert = umbrix::FeldWert(Text);

    // A plain decimal text (digits, optional minus, no leading zeros or
    // blanks) of a value within range must give that value back.
    std::string_view Ziffern = Text;
    if (!Ziffern.empty() && Ziffern.front() == '-') {
        Ziffern.remove_prefix(1);
    }
    const bool Schlicht = !Ziffern.empty() && Ziffern.size() <= 10 &&
                          Ziffern.find_first_not_of("0123456789") == std::string_view::npos &&
                          (Ziffern.front() != '0' || Ziffern.size() == 1);
    if (Schlicht) {
        int64_t Erwartet = 0;
        std::from_chars(Text.data(), Text.data() + Text.size(), Erwartet);
        if (Erwartet >= INT32_MIN && Erwartet <= INT32_MAX && Wert != Erwartet) {
            std::abort();
        }
    }
    return 0;
}
