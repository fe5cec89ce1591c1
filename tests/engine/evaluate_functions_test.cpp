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

TEST_F(EvaluateTest, DegreesAreExact) {
    // sin(-1e22) is sin(80) (mpmath: float(sinpi(mpf(-1e22) / 180))).
    const char* const cases[][2] = {
        {"sin(30)", "0.5"},
        {"cos(60)", "0.5"},
        {"tan(45)", "1"},
        {"cos(120)", "-0.5"},
        {"sin(180)", "0"},
        {"cos(90)", "0"},
        {"tan(-135)", "1"},
        {"sin(-1e22)", "0.984807753012208"},
        {"cos(1e300)", "1"},
        {"asin(0.5)", "30"},
        {"acos(-1)", "180"},
        {"atan(1)", "45"},
        {"acos(0.5)", "60"},
        {"tan(90)", "!Undefined"},
        {"tan(1.266637395197961e16)", "!Undefined"}, // 90 times an odd number
        {"tan(1e308*10)", "nan"},
        // A complex angle's real part is reduced in degrees too (mpmath: float(coth(pi/2))).
        {"sin(30+0i)", "0.5 + 0 i"},
        {"sin(180+1i)", "0 - 0.01745417862959511 i"},
        {"tan(90+0i)", "!Undefined"},
        {"tan(-90+90i)", "0 + 1.090331410727368 i"},
    };
    for (EvalFlags mode : {kIntegerDegrees, kFloatingDegrees}) {
        for (const auto& c : cases) {
            EXPECT_EQ(Calculate(c[0], mode), c[1]) << c[0];
        }
    }
    // In radians nothing is special: the sine of the double nearest pi is not 0.
    EXPECT_EQ(Calculate("sin(pi)", kFloatingRadians), "1.224646799147353e-16");
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

TEST_F(EvaluateTest, ComplexArgumentsHavePrincipalValues) {
    const char* const cases[][2] = {
        // A zero imaginary part is still a Complex value, and so is the result.
        {"sqrt(-4+0i)", "0 + 2 i"},
        {"sqrt(-(4+0i))", "0 - 2 i"}, // the other side of the cut
        {"ln(-1+0i)", "0 + 3.141592653589793 i"},
        {"log10(100+0i)", "2 + 0 i"},
        {"log2(8+0i)", "3 + 0 i"},
        {"re(sqrt(-1+0i))", "0"},
        {"rad(180+180i)", "3.141592653589793 + 3.141592653589793 i"},
        {"deg(pi*i)", "0 + 180 i"},
        // Integral exponents exact where the products are, and on the axes for any size.
        {"(1+i)^2", "0 + 2 i"},
        {"i^(2^31)", "1 + 0 i"},
        {"(2i)^3", "0 - 8 i"},
        {"(1+2i)^3", "-11 - 2 i"},
        {"(1+i)^-1", "0.5 - 0.5 i"},
        {"(0i)^0", "1 + 0 i"},
        {"i^i", "0.2078795763507619 + 0 i"},
        {"i%2", "!Modulo complex"},
        {"5%(0i)", "!Modulo complex"},
    };
    for (const auto& c : cases) {
        ExpectEverywhere(c[0], c[1]);
    }
    // Degrees scale both parts of the angle, or of the inverse function's result.
    ExpectUnits({"sin(90+0i)", "1 + 0 i", "0.8939966636005579 + 0 i"});
    ExpectUnits({"atan(1+0i)", "45 + 0 i", "0.7853981633974483 + 0 i"});
    ExpectUnits({"acos(2+0i)", "0 - 75.45612929021688 i", "0 - 1.316957896924817 i"});
}

TEST_F(EvaluateTest, TheFirstRefusalInPostfixOrderIsReported) {
    ExpectModes({"1/0+i%2", "!Div zero", "!Modulo complex"});
    ExpectModes({"i%2+1/0", "!Modulo complex", "!Modulo complex"});
    ExpectModes({"1%0*(i%2)", "!Mod zero", "!Mod zero"});
}
