#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string>

#include "tests/engine/parse_test_support.h"

namespace {

// The one literal of a text that must compile to exactly that literal.
Value LiteralOf(const std::string& typed, EvalFlags flags) {
    const std::string text = typed + "=";
    TokenProgram program;
    std::string failure;
    Value value = MakeInteger(-12345);
    if (!ParseExpression(text.c_str(), flags, MakeInteger(0), &program, &failure)) {
        ADD_FAILURE() << typed << ": " << failure;
        return value;
    }
    EXPECT_EQ(program.literals.count, 1) << typed;
    EXPECT_EQ(program.ops.count, 1) << typed;
    if (program.literals.count == 1) {
        value = LiteralAt(program, 0);
    }
    TokenProgramFree(&program);
    return value;
}

uint64_t Bits(double x) {
    uint64_t bits;
    std::memcpy(&bits, &x, sizeof bits);
    return bits;
}

// A literal of at most 32 bits: its two's-complement reading in integer mode, its full
// value in floating mode.
struct IntegerCase {
    std::string typed;
    int32_t value;
    double full;
};

const IntegerCase kIntegers[] = {
    {"0", 0, 0},
    {"7", 7, 7},
    {"010", 10, 10},
    {"2147483647", 2147483647, 2147483647.0},
    {"2147483648", INT32_MIN, 2147483648.0},
    {"4294967295", -1, 4294967295.0},
    {"000004294967295", -1, 4294967295.0},
    {"0x1e", 30, 30},
    {"0xff", 255, 255},
    {"0xFF", 255, 255},
    {"0x7FFFFFFF", 2147483647, 2147483647.0},
    {"0x80000000", INT32_MIN, 2147483648.0},
    {"0xFFFFFFFF", -1, 4294967295.0},
    {"0x" + std::string(40, '0') + "1", 1, 1.0},
    {"0b101", 5, 5},
    {"0b" + std::string(31, '1'), 2147483647, 2147483647.0},
    {"0b1" + std::string(31, '0'), INT32_MIN, 2147483648.0},
    {"0b" + std::string(32, '1'), -1, 4294967295.0},
    {"'a'", 97, 97},
    {"'A'", 65, 65},
    {"'0'", 48, 48},
    {"'''", 39, 39},
    {"'\x7f'", 127, 127},
    {"'\x01'", 1, 1},
    {"'\\a'", 7, 7},
    {"'\\b'", 8, 8},
    {"'\\t'", 9, 9},
    {"'\\n'", 10, 10},
    {"'\\v'", 11, 11},
    {"'\\f'", 12, 12},
    {"'\\r'", 13, 13},
    {"'\\\"'", 34, 34},
    {"'\\''", 39, 39},
    {"'\\\\'", 92, 92},
    {"'\\0'", 0, 0},
    {"'\\q'", 0, 0},
    {"'\\N'", 0, 0},
};

TEST(ParseLiteral, IntegersInIntegerMode) {
    for (const IntegerCase& c : kIntegers) {
        const Value v = LiteralOf(c.typed, 0);
        EXPECT_EQ(v.kind, ValueKind::Integer) << c.typed;
        EXPECT_EQ(v.number.integer, c.value) << c.typed;
    }
}

TEST(ParseLiteral, IntegersInFloatingModeAreTheirFullValue) {
    for (const IntegerCase& c : kIntegers) {
        const Value v = LiteralOf(c.typed, EvalFlag::Floating | EvalFlag::Radians);
        EXPECT_EQ(v.kind, ValueKind::Double) << c.typed;
        EXPECT_EQ(v.number.real, c.full) << c.typed;
    }
}

// Beyond 32 bits: the nearest double in floating mode, a refusal in integer mode.
TEST(ParseLiteral, IntegersBeyond32Bits) {
    const struct {
        std::string typed;
        double nearest;
    } cases[] = {
        {"4294967296", 4294967296.0},
        {"0x100000000", 4294967296.0},
        {"0b1" + std::string(32, '0'), 4294967296.0},
        {"0xFFFFFFFFFF", 1099511627775.0},
        {"99999999999999999999", 1e20},
        {"9007199254740993", 9007199254740992.0}, // the tie rounds to even
        {"0x20000000000001", 9007199254740992.0},
        {"0x20000000000003", 9007199254740996.0},
        {"0x200000000000010000000001", 0x200000000000020000000000p0}, // sticky beyond 64 bits
        {"0x" + std::string(300, 'f'), std::numeric_limits<double>::infinity()},
        {std::string(400, '9'), std::numeric_limits<double>::infinity()},
        {"18446744073709551617", 18446744073709551616.0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(LiteralOf(c.typed, EvalFlag::Floating).number.real, c.nearest) << c.typed;
        TokenProgram program;
        std::string failure;
        EXPECT_FALSE(
            ParseExpression((c.typed + "+1=").c_str(), 0, MakeInteger(0), &program, &failure));
        EXPECT_EQ(failure, "String not found") << c.typed; // no texts loaded: the lookup's
    }
    EXPECT_EQ(LiteralOf("3000000000.0", 0).number.real, 3000000000.0);
}

TEST(ParseLiteral, FloatingLiteralsAreDoublesInEitherMode) {
    const double inf = std::numeric_limits<double>::infinity();
    const struct {
        std::string typed;
        double value;
    } cases[] = {
        {"7.0", 7.0},
        {"2.5", 2.5},
        {"1.", 1.0},
        {".5", 0.5},
        {".5e1", 5.0},
        {"5.e2", 500.0},
        {"2e3", 2000.0},
        {"1.5E-2", 0.015},
        {"1.5E+3", 1500.0},
        {"1D2", 100.0},
        {"1d3", 1000.0},
        {"1d-1", 0.1},
        {"0.1", 0.1},
        {"1e999", inf},
        {"1e-999", 0.0},
        {"4.9406564584124654e-324", 4.9406564584124654e-324},
        {"1.7976931348623157e308", 1.7976931348623157e308},
        {"0." + std::string(100, '0') + "1", 1e-101},
        {std::string(80, '1') + ".0", 1.1111111111111111e79},
    };
    for (const auto& c : cases) {
        for (EvalFlags flags : {EvalFlags(0), EvalFlag::Floating}) {
            const Value v = LiteralOf(c.typed, flags);
            EXPECT_EQ(v.kind, ValueKind::Double) << c.typed;
            EXPECT_EQ(Bits(v.number.real), Bits(c.value)) << c.typed;
        }
    }
}

TEST(ParseLiteral, ConstantsHaveTheirKindsInEitherMode) {
    for (EvalFlags flags : {EvalFlags(0), EvalFlag::Floating}) {
        const Value pi = LiteralOf("pi", flags);
        EXPECT_EQ(pi.kind, ValueKind::Double);
        EXPECT_EQ(Bits(pi.number.real), 0x400921FB54442D18u);
        const Value e = LiteralOf("e", flags);
        EXPECT_EQ(e.kind, ValueKind::Double);
        EXPECT_EQ(Bits(e.number.real), 0x4005BF0A8B145769u);
        const Value i = LiteralOf("i", flags);
        EXPECT_EQ(i.kind, ValueKind::Complex);
        EXPECT_EQ(Bits(i.number.real), 0u);
        EXPECT_EQ(Bits(i.imag), 0x3FF0000000000000u);
    }
}

} // namespace
