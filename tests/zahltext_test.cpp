#include "map/zahltext.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <string>

namespace umbrix {
namespace {

TEST(Ganzzahl, GueltigeSchreibweisen) {
    struct Fall {
        std::string_view Text;
        int32_t Wert;
    };
    for (const Fall f : {Fall{"0", 0},
                         {"-0", 0},
                         {"+5", 5},
                         {"007", 7},
                         {"2147483647", INT32_MAX},
                         {"-2147483648", INT32_MIN},
                         {"-00000000002147483648", INT32_MIN},
                         {"   42", 42},
                         {" -1", -1},
                         {"$0", 0},
                         {"0x0", 0},
                         {"x1", 1},
                         {"X1f", 31},
                         {"0XAbC", 2748},
                         {"$FFFFFFFF", -1},
                         {"$80000000", INT32_MIN},
                         {"$7fffffff", INT32_MAX},
                         {"$0000000000FFFFFFFF", -1},
                         {"  $10", 16}}) {
        EXPECT_EQ(GanzzahlLesen(f.Text), f.Wert) << '"' << f.Text << '"';
    }
}

TEST(Ganzzahl, UngueltigeSchreibweisen) {
    for (std::string_view Text :
         {"",           " ",           "   ",         "+",
          "-",          "2147483648",  "-2147483649", "99999999999999999999",
          "$100000000", "0x123456789", "-$1",         "+0x1",
          "-x1",        "$",           "0x",          "x",
          "X",          "1 ",          "1.0",         "1e3",
          "\t1",        "1,0",         "--1",         "+-1",
          "0x1g",       "00x1",        "$-1",         "0x 1",
          "12a",        "$ 1"}) {
        EXPECT_EQ(GanzzahlLesen(Text), std::nullopt) << '"' << Text << '"';
    }
}

TEST(Ganzzahl, NullZeichenZaehltAlsFremdesZeichen) {
    EXPECT_EQ(GanzzahlLesen(std::string_view("1\0", 2)), std::nullopt);
}

TEST(Dezimalzahl, GueltigeSchreibweisen) {
    struct Fall {
        std::string_view Text;
        double Wert;
    };
    for (const Fall f : {Fall{"54.5", 54.5},
                         {"-3.5", -3.5},
                         {"+10.25", 10.25},
                         {"5.", 5.0},
                         {".5", 0.5},
                         {"-.5", -0.5},
                         {"+.5e1", 5.0},
                         {"007.50", 7.5},
                         {"1e3", 1000.0},
                         {"1E+3", 1000.0},
                         {"2.5e-2", 0.025},
                         {"5.e1", 50.0},
                         {"-170.456", -170.456},
                         {"0.1", 0.1},
                         {"1e-0005", 1e-5},
                         // correct rounding where the digits exceed a 64-bit significand
                         {"9007199254740993", 9007199254740992.0},
                         {"9007199254740993.0000000001", 9007199254740994.0},
                         {"2.2250738585072011e-308", 2.2250738585072009e-308},
                         {"1.7976931348623157e308", DBL_MAX},
                         {"1.7976931348623158e308", DBL_MAX},
                         {"4.9406564584124654e-324", DBL_TRUE_MIN},
                         {"2.4703282292062328e-324", DBL_TRUE_MIN},
                         {"3e23", 3e23},
                         {"1e-23", 1e-23},
                         {"1e-310", 1e-310},
                         {"0e999999999999999999999", 0.0},
                         {"0.00000000000000000000e-999999999999999999", 0.0}}) {
        EXPECT_EQ(DezimalzahlLesen(f.Text), f.Wert) << '"' << f.Text << '"';
    }
}

TEST(Dezimalzahl, NullUndUnterlaufGebenNullMitVorzeichen) {
    const std::string Winzig = "0." + std::string(400, '0') + "1e5"; // 1e-396
    struct Fall {
        std::string_view Text;
        bool Negativ;
    };
    for (const Fall f : {Fall{"1e-400", false},
                         {"-1e-400", true},
                         {"2.4703282292062327e-324", false},
                         {"-1e-99999999999999999999999", true},
                         {Winzig, false},
                         {"-0", true},
                         {"0.0", false}}) {
        const auto Wert = DezimalzahlLesen(f.Text);
        ASSERT_TRUE(Wert.has_value()) << f.Text;
        EXPECT_EQ(*Wert, 0.0) << f.Text;
        EXPECT_EQ(std::signbit(*Wert), f.Negativ) << f.Text;
    }
}

TEST(Dezimalzahl, UeberlaufIstKeinWert) {
    const std::string Riesig = "1" + std::string(400, '0') + "e-50"; // 1e350
    for (std::string_view Text :
         {std::string_view("1e309"), std::string_view("-1e309"),
          std::string_view("1.7976931348623159e308"), std::string_view("1e99999999999999999999999"),
          std::string_view(Riesig)}) {
        EXPECT_EQ(DezimalzahlLesen(Text), std::nullopt) << Text;
    }
    const std::string Gross = "1" + std::string(300, '0') + "e-50"; // 1e250
    EXPECT_EQ(DezimalzahlLesen(Gross), 1e250);
}

TEST(Dezimalzahl, UngueltigeSchreibweisen) {
    for (std::string_view Text :
         {"",         "+",    "-",       ".",    "-.",  "+.e1",  "e5",   "1e",    "1e+",
          "1e-",      "1.5x", "12,5",    "1..2", " 1",  "1 ",    "inf",  "-inf",  "nan",
          "infinity", "0x10", "1.5e3.2", "+-1",  "--1", "1e5e5", "1e 5", "1_000", "\t1"}) {
        EXPECT_EQ(DezimalzahlLesen(Text), std::nullopt) << '"' << Text << '"';
    }
}

} // namespace
} // namespace umbrix
