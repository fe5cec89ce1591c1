// Evaluate end to end: operators, the kind rule, wrapping and the integer power.
#include "tests/engine/evaluate_test_support.h"

TEST_F(EvaluateTest, IntegerAndFloatingMode) {
    const ModeCase cases[] = {
        {"2+3*4", "14", "14"},
        {"(2+3)*4", "20", "20"},
        {"7-2-1", "4", "4"},
        {"7/2", "3", "3.5"},
        {"-7/2", "-3", "-3.5"},
        {"7/-2", "-3", "-3.5"},
        {"7%2", "1", "1"},
        {"-7%2", "-1", "-1"},
        {"7%-2", "1", "1"},
        {"-7%-2", "-1", "-1"},
        {"5.5%2", "1.5", "1.5"},
        {"-5.5%2", "-1.5", "-1.5"},
        {"1e300%7", "1", "1"}, // exact, however far apart the operands are
        {"1/3", "0", "0.3333333333333333"},
        {"1/0", "!Div zero", "inf"},
        {"-1/0", "!Div zero", "-inf"},
        {"0/0", "!Div zero", "nan"},
        {"1%0", "!Mod zero", "!Mod zero"},
        {"7.0/2", "3.5", "3.5"},
        {"1.0/0", "inf", "inf"},
        {"5.0%0", "!Mod zero", "!Mod zero"},
        {"5%-0.0", "!Mod zero", "!Mod zero"},
        {"5%2.0", "1", "1"},
        {"0x10+0b11", "19", "19"},
        {"'a'", "97", "97"},
        {"1 000 + 2", "1002", "1002"},
    };
    for (const ModeCase& c : cases) {
        ExpectModes(c);
    }
}

TEST_F(EvaluateTest, IntegersWrapModulo2To32) {
    const ModeCase cases[] = {
        {"2147483647+1", "-2147483648", "2147483648"},
        {"-2147483647-1", "-2147483648", "-2147483648"},
        {"-2147483647-2", "2147483647", "-2147483649"},
        {"65536*65536", "0", "4294967296"},
        {"65536*32768", "-2147483648", "2147483648"},
        {"-(-2147483647-1)", "-2147483648", "2147483648"},
        {"abs(-2147483647-1)", "-2147483648", "2147483648"},
        // The quotient that does not fit wraps; the remainder is 0; nothing traps.
        {"(-2147483647-1)/-1", "-2147483648", "2147483648"},
        {"(-2147483647-1)%-1", "0", "0"},
        {"(-2147483647-1)/1", "-2147483648", "-2147483648"},
    };
    for (const ModeCase& c : cases) {
        ExpectModes(c);
    }
}

TEST_F(EvaluateTest, PowerOfIntegersAndDoubles) {
    const ModeCase cases[] = {
        {"2^10", "1024", "1024"},
        {"2^0", "1", "1"},
        {"0^0", "1", "1"},
        {"(-5)^0", "1", "1"},
        {"2^1", "2", "2"},
        {"-3^3", "-27", "-27"},
        {"-2^2", "4", "4"},    // unary minus binds tighter
        {"2^3^2", "64", "64"}, // left associative
        {"5^-1", "0", "0.2"},  // the truncated quotient, not the base
        {"2^-2", "0", "0.25"},
        {"1^-5", "1", "1"},
        {"-1^-3", "-1", "-1"},
        {"-1^-2", "1", "1"},
        {"0^-1", "!Div zero", "inf"},
        {"0^-2", "!Div zero", "inf"},
        {"2^31", "-2147483648", "2147483648"},
        {"2^32", "0", "4294967296"},
        {"3^21", "1870418611", "10460353203"},
        {"7^2147483647", "-1227133513", "inf"},
        {"2^2000000000", "0", "inf"},
        {"2^0.5", "1.414213562373095", "1.414213562373095"},
        {"2.5^2", "6.25", "6.25"},
        {"4^0.5", "2", "2"},
        {"(-8)^(1.0/3)", "nan", "nan"},
    };
    for (const ModeCase& c : cases) {
        ExpectModes(c);
    }
}

TEST_F(EvaluateTest, ComplexArithmetic) {
    const char* const cases[][2] = {
        {"i*i", "-1 + 0 i"},
        {"i", "0 + 1 i"},
        {"1.0 + 1.0 i", "1 + 1 i"},
        {"4i", "0 + 4 i"},
        {"(1+2i)+3", "4 + 2 i"},
        {"3-(1+2i)", "2 - 2 i"},
        {"(1+2i)*(3+4i)", "-5 + 10 i"},
        {"(3+4i)/(1+2i)", "2.2 - 0.4 i"},
        {"1/i", "0 - 1 i"},
        {"10/(3+0i)", "3.333333333333333 + 0 i"},
        {"-(1+2i)", "-1 - 2 i"},
        {"+(1+2i)", "1 + 2 i"},
        {"abs(3+4i)", "5"},
        {"abs(-3-4i)", "5"},
        {"re(3+4i)", "3"},
        {"im(3+4i)", "4"},
        {"im(3-4i)", "-4"},
        {"(1+i)/0", "nan + nan i"},
        {"(1+i)/(0i)", "nan + nan i"},
        // No middle step overflows or underflows where the result does not.
        {"abs(1e200+1e200i)", "1.414213562373095e+200"},
        {"abs(3e-200+4e-200i)", "5e-200"},
        {"1/(1e200+1e200i)", "5e-201 - 5e-201 i"},
        {"(1e-200+1e-200i)/(1e-200+1e-200i)", "1 + 0 i"},
        {"(1e300+1e300i)*(1e10+1e10i)", "0 + inf i"},
        {"(1+2i)-(1+2i)", "0 + 0 i"},   // stays Complex with a zero imaginary part
        {"(1+2i)-(1+2i),x", "0 + 0 i"}, // the display suffix leaves it alone
        {"2pi*i", "0 + 6.283185307179586 i"},
    };
    for (const auto& c : cases) {
        ExpectEverywhere(c[0], c[1]);
    }
}

TEST_F(EvaluateTest, DisplaySuffixShowsIntegersAndIntegralDoubles) {
    const ModeCase cases[] = {
        {"255,x", "0xFF", "0xFF"},
        {"255,b", "0b11111111", "0b11111111"},
        {"-1,x", "0xFFFFFFFF", "0xFFFFFFFF"},
        {"-1,b", "0b11111111111111111111111111111111", "0b11111111111111111111111111111111"},
        {"0,b", "0b0", "0b0"},
        {"65,c", "'A'", "'A'"},
        {"321,c", "'A'", "'A'"},
        {"-191,c", "'A'", "'A'"},
        {"1.5,x", "1.5", "1.5"},
        {"abs(-5),x", "0x5", "0x5"},
        {"sqrt(16),x", "0x4", "0x4"}, // an integral Double
        {"2^4,b", "0b10000", "0b10000"},
        // The Doubles from -2^31 to 2^32 - 1; integers wrap there.
        {"-2147483648,x", "0x80000000", "0x80000000"},
        {"-2147483649,x", "0x7FFFFFFF", "-2147483649"},
        {"4294967295,x", "0xFFFFFFFF", "0xFFFFFFFF"},
        {"4294967295+1,x", "0x0", "4294967296"},
        {"-0.0,x", "0x0", "0x0"},
        {"1/0,x", "!Div zero", "inf"},
    };
    for (const ModeCase& c : cases) {
        ExpectModes(c);
    }
}

TEST_F(EvaluateTest, NonFiniteResultsAreResults) {
    const char* const cases[][2] = {
        {"1e308*10", "inf"},    {"-1e308*10", "-inf"}, {"1e308*10-1e308*10", "nan"},
        {"1e-320/1e10", "0"},   {"ln(0)", "-inf"},     {"log10(0)", "-inf"},
        {"log2(0)", "-inf"},    {"sqrt(-4)", "nan"},   {"ln(-1)", "nan"},
        {"log10(-1)", "nan"},   {"asin(2)", "nan"},    {"acos(-1.5)", "nan"},
        {"sqrt(1.0/0)", "inf"},
    };
    for (const auto& c : cases) {
        ExpectEverywhere(c[0], c[1]);
    }
}
