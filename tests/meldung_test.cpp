#include "app/meldung.h"

#include <gtest/gtest.h>

namespace umbrix {
namespace {

TEST(Meldung, PunktNachDemLetztenZeichen) {
    struct Fall {
        const char* Nachricht;
        const char* Text;
    };
    for (const Fall f : {
             Fall{"Invalid argument to date encode", "Invalid argument to date encode."},
             {"List index out of bounds (0)", "List index out of bounds (0)"},
             {"Schon zu Ende.", "Schon zu Ende."},
             {"...", "..."},
             {"", ""},
             {"Strich-", "Strich-"},              // '-' sorts before '.'
             {"Schrägstrich/", "Schrägstrich/."}, // '/' is the first byte after '.'
             {"Datei 1", "Datei 1."},
             {"Umlaut ü", "Umlaut ü."}, // UTF-8 bytes sort high, taken unsigned
         }) {
        EXPECT_EQ(Meldungstext(f.Nachricht), f.Text) << f.Nachricht;
    }
}

} // namespace
} // namespace umbrix
