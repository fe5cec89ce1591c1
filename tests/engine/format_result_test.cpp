#include "engine/format_result.h"

#include <cmath>
#include <limits>

#include <gtest/gtest.h>

TEST(NumberText, SixteenSignificantDigitsInTheGeneralForm) {
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Case {
        double x;
        const char* text;
    } cases[] = {
        {3.0, "3"},
        {-2.0, "-2"},
        {0.0, "0"},
        {-0.0, "0"},
        {3.5, "3.5"},
        {0.1, "0.1"},
        {1.0 / 3.0, "0.3333333333333333"},
        {3.141592653589793, "3.141592653589793"},
        {2.718281828459045, "2.718281828459045"},
        {1e15, "1000000000000000"},
        {1e16, "1e+16"},
        {1.5e300, "1.5e+300"},
        {1e-5, "1e-05"},
        {0.0001, "0.0001"},
        {1.2246467991473532e-16, "1.224646799147353e-16"},
        {2147483647.0, "2147483647"},
        {inf, "inf"},
        {-inf, "-inf"},
        {nan, "nan"},
        {-nan, "nan"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(NumberText(c.x), c.text);
    }
}

TEST(FormatResult, IntegerInEveryDisplayMode) {
    struct Case {
        int32_t n;
        DisplayMode mode;
        std::string text;
    } cases[] = {
        {255, DisplayMode::Decimal, "255"},
        {255, DisplayMode::Hexadecimal, "0xFF"},
        {255, DisplayMode::Binary, "0b11111111"},
        {255, DisplayMode::Character, "'\xFF'"},
        {-1, DisplayMode::Decimal, "-1"},
        {-1, DisplayMode::Hexadecimal, "0xFFFFFFFF"},
        {-1, DisplayMode::Binary, "0b" + std::string(32, '1')},
        {0, DisplayMode::Decimal, "0"},
        {0, DisplayMode::Hexadecimal, "0x0"},
        {0, DisplayMode::Binary, "0b0"},
        {INT32_MIN, DisplayMode::Decimal, "-2147483648"},
        {INT32_MIN, DisplayMode::Hexadecimal, "0x80000000"},
        {INT32_MIN, DisplayMode::Binary, "0b1" + std::string(31, '0')},
        {65, DisplayMode::Character, "'A'"},
        {321, DisplayMode::Character, "'A'"},
        {-191, DisplayMode::Character, "'A'"},
        {0, DisplayMode::Character, "'\\0'"},
        {256, DisplayMode::Character, "'\\0'"},
        {7, DisplayMode::Character, "'\\a'"},
        {10, DisplayMode::Character, "'\\n'"},
        {13, DisplayMode::Character, "'\\r'"},
        {14, DisplayMode::Character, "'\x0E'"},
        {39, DisplayMode::Character, "'''"},
        {92, DisplayMode::Character, "'\\\\'"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FormatResult(MakeInteger(c.n), c.mode), c.text)
            << c.n << " in mode " << static_cast<int>(c.mode);
    }
}

TEST(FormatResult, OnlyIntegralDoublesOf32BitsTakeTheDisplayMode) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    for (DisplayMode mode : {DisplayMode::Decimal, DisplayMode::Hexadecimal, DisplayMode::Binary,
                             DisplayMode::Character}) {
        EXPECT_EQ(FormatResult(MakeDouble(1.5), mode), "1.5");
        EXPECT_EQ(FormatResult(MakeDouble(-2147483648.5), mode), "-2147483648.5");
        EXPECT_EQ(FormatResult(MakeDouble(-2147483649.0), mode), "-2147483649");
        EXPECT_EQ(FormatResult(MakeDouble(4294967296.0), mode), "4294967296");
        EXPECT_EQ(FormatResult(MakeDouble(nan), mode), "nan");
        EXPECT_EQ(FormatResult(MakeComplex(1, -2), mode), "1 - 2 i");
        EXPECT_EQ(FormatResult(MakeComplex(255, 0), mode), "255 + 0 i");
    }
    EXPECT_EQ(FormatResult(MakeDouble(255.0), DisplayMode::Decimal), "255");
    EXPECT_EQ(FormatResult(MakeDouble(-2147483648.0), DisplayMode::Hexadecimal), "0x80000000");
    EXPECT_EQ(FormatResult(MakeDouble(4294967295.0), DisplayMode::Hexadecimal), "0xFFFFFFFF");
    EXPECT_EQ(FormatResult(MakeDouble(-1.0), DisplayMode::Binary),
              std::string(34, '1').replace(0, 2, "0b"));
    EXPECT_EQ(FormatResult(MakeDouble(321.0), DisplayMode::Character), "'A'");
}

TEST(FormatResult, ComplexSignOfTheImaginaryPart) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(FormatResult(MakeComplex(1, 0), DisplayMode::Decimal), "1 + 0 i");
    EXPECT_EQ(FormatResult(MakeComplex(-1, -0.0), DisplayMode::Decimal), "-1 + 0 i");
    EXPECT_EQ(FormatResult(MakeComplex(0, 1), DisplayMode::Decimal), "0 + 1 i");
    EXPECT_EQ(FormatResult(MakeComplex(2.2, -0.4), DisplayMode::Decimal), "2.2 - 0.4 i");
    EXPECT_EQ(FormatResult(MakeComplex(nan, nan), DisplayMode::Decimal), "nan + nan i");
    EXPECT_EQ(FormatResult(MakeComplex(inf, -inf), DisplayMode::Decimal), "inf - inf i");
}
