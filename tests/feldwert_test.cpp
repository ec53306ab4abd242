#include "app/feldwert.h"

#include <gtest/gtest.h>

namespace umbrix {
namespace {

TEST(FeldWert, WertDesFeldtextsOderNull) {
    struct Fall {
        std::string_view Text;
        int32_t Wert;
    };
    for (const Fall f : {Fall{"17", 17},
                         {"  8", 8},
                         {"-1", -1},
                         {"+23", 23},
                         {"$FFFFFFFF", -1},
                         {"0x1E", 30},
                         {"2147483647", INT32_MAX},
                         // not integers: 0
                         {"", 0},
                         {"12 ", 0},
                         {"1a", 0},
                         {"12.5", 0},
                         {"2147483648", 0},
                         {"-$1", 0},
                         {"\t5", 0}}) {
        EXPECT_EQ(FeldWert(f.Text), f.Wert) << '"' << f.Text << '"';
    }
}

} // namespace
} // namespace umbrix
