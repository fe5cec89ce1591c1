// Evaluate end to end: the functions, the angle unit and the refused operations.
#include <cmath>

#include "tests/engine/evaluate_test_support.h"

TEST_F(EvaluateTest, AngleUnitOfTheTrigonometricFunctions) {
    // Results that are exact whatever the mathematical library.
    const UnitCase cases[] = {
        {"sin(0)", "0", "0"},
        {"cos(0)", "1", "1"},
        {"asin(1)", "90", "1.570796326794897"},
        {"asin(-1)", "-90", "-1.570796326794897"},
        {"acos(0)", "90", "1.570796326794897"},
        {"acos(1)", "0", "0"},
        {"atan(1)", "45", "0.7853981633974483"},
        {"atan(0)", "0", "0"},
        {"rad(180)", "3.141592653589793", "3.141592653589793"},
        {"rad(90)", "1.570796326794897", "1.570796326794897"},
        {"deg(pi)", "180", "180"},
        {"deg(pi/2)", "90", "90"},
        {"deg(rad(45))", "45", "45"},
        {"asin(2)", "nan", "nan"},
    };
    for (const UnitCase& c : cases) {
        ExpectUnits(c);
    }
}

TEST_F(EvaluateTest, AnglesNearTheZerosAreNotRounded) {
    for (EvalFlags mode : {kIntegerDegrees, kFloatingDegrees}) {
        // sin(180 degrees) and sin(pi) are about 1.2246e-16, not 0, with the same digits in
        // every build.
        EXPECT_EQ(Calculate("sin(180)", mode), "1.224646799147353e-16");
        EXPECT_EQ(Calculate("sin(pi)", mode | EvalFlag::Radians), "1.224646799147353e-16");
        // tan(90 degrees) is the quotient of sine and cosine: large, finite.
        EXPECT_EQ(Calculate("tan(90)", mode), "1.633123935319537e+16");
        EXPECT_NEAR(NumberOf(Calculate("tan(90)", mode | EvalFlag::Radians)), -1.995200412208242,
                    1e-14);
        EXPECT_NEAR(NumberOf(Calculate("cos(60)", mode)), 0.5, 1e-15);
        EXPECT_NEAR(NumberOf(Calculate("cos(60)", mode | EvalFlag::Radians)), -0.9524129804151563,
                    1e-15);
        EXPECT_NEAR(NumberOf(Calculate("sin(30)", mode)), 0.5, 1e-15);
        EXPECT_NEAR(NumberOf(Calculate("tan(45)", mode)), 1.0, 1e-15);
        EXPECT_NEAR(NumberOf(Calculate("atan(1.0/0)", mode)), 90.0, 1e-13);
    }
}

TEST_F(EvaluateTest, LogarithmsRootsAndParts) {
    const char* const cases[][2] = {
        {"log10(1000)", "3"},
        {"log2(8)", "3"},
        {"log2(1024)", "10"},
        {"ln(1)", "0"},
        {"ln(e)", "1"},
        {"sqrt(16)", "4"},
        {"sqrt(2)", "1.414213562373095"},
        {"re(5)", "5"},
        {"im(5)", "0"},
        {"im(2.5)", "0"},
        {"re(-2.5)", "-2.5"},
        {"abs(-2.5)", "2.5"},
        {"abs(-5)", "5"},
        {"abs(5)", "5"},
        {"+5", "5"},
        {"--2", "2"},
        {"+-2", "-2"},
        {"-+2", "-2"},
    };
    for (const auto& c : cases) {
        ExpectEverywhere(c[0], c[1]);
    }
    EXPECT_NEAR(NumberOf(Calculate("ln(10)", kIntegerDegrees)), 2.302585092994046, 1e-15);
    EXPECT_NEAR(NumberOf(Calculate("log10(2)", kIntegerDegrees)), 0.3010299956639812, 1e-16);
}

TEST_F(EvaluateTest, FunctionsWithoutAComplexFormAreRefused) {
    const char* const cases[][2] = {
        {"sin(i)", "!sin(complex)not implemented"},
        {"asin(i)", "!asin(complex)not implemented"},
        {"cos(i)", "!cos(complex)not implemented"},
        {"acos(i)", "!acos(complex)not implemented"},
        {"tan(i)", "!tan(complex)not implemented"},
        {"atan(i)", "!atan(complex)not implemented"},
        {"rad(i)", "!rad(complex)not implemented"},
        {"deg(i)", "!deg(complex)not implemented"},
        {"log10(i)", "!log10(complex)not implemented"},
        {"log2(i)", "!log2(complex)not implemented"},
        {"ln(i)", "!ln(complex)not implemented"},
        {"sqrt(i)", "!sqrt(complex)not implemented"},
        // A zero imaginary part is still a Complex value.
        {"sqrt(-1+0i)", "!sqrt(complex)not implemented"},
        {"sin(i*i)", "!sin(complex)not implemented"},
        {"(1+i)^2", "!Over complex"},
        {"2^i", "!Over complex"},
        {"2.5^(1+i)", "!Over complex"},
        {"i%2", "!Modulo complex"},
        {"5%(0i)", "!Modulo complex"},
    };
    for (const auto& c : cases) {
        ExpectEverywhere(c[0], c[1]);
    }
}

TEST_F(EvaluateTest, TheFirstRefusalInPostfixOrderIsReported) {
    ExpectModes({"1/0+sin(i)", "!Div zero", "!sin(complex)not implemented"});
    ExpectModes({"sin(i)+1/0", "!sin(complex)not implemented", "!sin(complex)not implemented"});
    ExpectModes({"1%0*(2^i)", "!Mod zero", "!Modulo complex"});
    ExpectModes({"2^i*(1%0)", "!Over complex", "!Over complex"});
}
