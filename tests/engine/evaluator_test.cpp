#include "engine/evaluator.h"

#include <cmath>
#include <initializer_list>
#include <limits>
#include <string>

#include "engine/angles.h"
#include "engine/format_result.h"
#include "engine/function_table.h"
#include "tests/engine/engine_texts.h"

namespace {

// One entry of a hand-built program: a literal (pushed with its PushLiteral) or an opcode.
struct Item {
    Item(Value v) : literal(true), value(v), code(0) {}
    Item(Opcode op) : literal(false), value(MakeInteger(0)), code(static_cast<int32_t>(op)) {}
    Item(int32_t raw) : literal(false), value(MakeInteger(0)), code(raw) {}
    bool literal;
    Value value;
    int32_t code;
};

class EvaluatorTest : public EngineTextsTest {
  protected:
    void TearDown() override {
        TokenProgramFree(&program_);
        EngineTextsTest::TearDown();
    }

    void Build(std::initializer_list<Item> items) {
        TokenProgramFree(&program_);
        TokenProgramInit(&program_);
        for (const Item& item : items) {
            if (item.literal) {
                ASSERT_TRUE(AppendLiteral(&program_, item.value));
            } else {
                ASSERT_TRUE(GrowArrayInsert(&item.code, &program_.ops, sizeof item.code,
                                            program_.ops.count));
            }
        }
    }

    // Runs the program; the result text, or the error text prefixed by "!".
    std::string Run(std::initializer_list<Item> items, EvalFlags flags = 0) {
        Build(items);
        Value result;
        std::string error;
        if (!RunTokenProgram(program_, flags, &result, &error)) {
            return "!" + error;
        }
        kind_ = result.kind;
        value_ = result;
        return FormatResult(result, program_.display);
    }

    Value Result(std::initializer_list<Item> items, EvalFlags flags = 0) {
        const std::string text = Run(items, flags);
        EXPECT_NE(text[0], '!') << text;
        return value_;
    }

    TokenProgram program_ = Empty();
    ValueKind kind_ = ValueKind::Integer;
    Value value_ = MakeInteger(0);

  private:
    static TokenProgram Empty() {
        TokenProgram program;
        TokenProgramInit(&program);
        return program;
    }
};

// The opcode of the function named name.
Opcode Fn(const char* name) {
    for (int32_t k = 0; k < kFunctionCount; ++k) {
        if (std::string(kFunctions[k].name) == name) {
            return FunctionOpcode(k);
        }
    }
    ADD_FAILURE() << "no function " << name;
    return Opcode::PushLiteral;
}

// The first code after the functions', which no operation has.
const int32_t kUnknownOpcode = static_cast<int32_t>(FunctionOpcode(kFunctionCount));

const EvalFlags kDegrees = 0;
const EvalFlags kRadians = EvalFlag::Radians;

Value I(int32_t n) {
    return MakeInteger(n);
}
Value D(double x) {
    return MakeDouble(x);
}
Value C(double re, double im) {
    return MakeComplex(re, im);
}

} // namespace

TEST_F(EvaluatorTest, RunsPostfixProgramsWithoutConsumingThem) {
    EXPECT_EQ(Run({I(2), I(3), I(4), Opcode::Multiply, Opcode::Add}), "14");
    EXPECT_EQ(Run({I(7), I(2), Opcode::Subtract, I(1), Opcode::Subtract}), "4");
    EXPECT_EQ(Run({I(2), Opcode::Negate, I(2), Opcode::Power}), "4");
    // The queues are read through cursors: the program is whole afterwards and runs again.
    EXPECT_EQ(program_.ops.count, 4);
    EXPECT_EQ(program_.literals.count, 2);
    Value again;
    std::string error;
    ASSERT_TRUE(RunTokenProgram(program_, 0, &again, &error));
    EXPECT_EQ(again.number.integer, 4);
}

TEST_F(EvaluatorTest, TheKindRuleWorksAtTheHigherKind) {
    EXPECT_EQ(Result({I(7), I(2), Opcode::Divide}).kind, ValueKind::Integer);
    EXPECT_EQ(Result({I(7), D(2), Opcode::Divide}).number.real, 3.5);
    EXPECT_EQ(Result({D(7), I(2), Opcode::Divide}).number.real, 3.5);
    EXPECT_EQ(Run({I(1), C(0, 2), Opcode::Add}), "1 + 2 i");
    EXPECT_EQ(Run({C(1, 2), D(3), Opcode::Add}), "4 + 2 i");
    EXPECT_EQ(Run({I(3), C(1, 2), Opcode::Subtract}), "2 - 2 i");
    EXPECT_EQ(Run({C(0, 1), C(0, 1), Opcode::Multiply}), "-1 + 0 i");
    EXPECT_EQ(kind_, ValueKind::Complex);
    EXPECT_EQ(Run({C(3, 4), C(1, 2), Opcode::Divide}), "2.2 - 0.4 i");
    EXPECT_EQ(Run({I(1), C(0, 1), Opcode::Divide}), "0 - 1 i");
}

TEST_F(EvaluatorTest, OneOperandOperationsOfEveryKind) {
    struct Case {
        Value operand;
        Opcode op;
        const char* text;
        ValueKind kind;
    } cases[] = {
        {I(5), Opcode::Plus, "5", ValueKind::Integer},
        {D(2.5), Opcode::Plus, "2.5", ValueKind::Double},
        {C(1, 2), Opcode::Plus, "1 + 2 i", ValueKind::Complex},
        {I(5), Opcode::Negate, "-5", ValueKind::Integer},
        {I(INT32_MIN), Opcode::Negate, "-2147483648", ValueKind::Integer},
        {D(2.5), Opcode::Negate, "-2.5", ValueKind::Double},
        {C(1, 2), Opcode::Negate, "-1 - 2 i", ValueKind::Complex},
        {I(5), Fn("re"), "5", ValueKind::Double},
        {D(2.5), Fn("re"), "2.5", ValueKind::Double},
        {C(1, 2), Fn("re"), "1", ValueKind::Double},
        {I(5), Fn("im"), "0", ValueKind::Double},
        {D(2.5), Fn("im"), "0", ValueKind::Double},
        {C(1, 2), Fn("im"), "2", ValueKind::Double},
        {I(-5), Fn("abs"), "5", ValueKind::Integer},
        {I(INT32_MIN), Fn("abs"), "-2147483648", ValueKind::Integer},
        {D(-2.5), Fn("abs"), "2.5", ValueKind::Double},
        {C(3, 4), Fn("abs"), "5", ValueKind::Double},
        {I(16), Fn("sqrt"), "4", ValueKind::Double},
        {I(1000), Fn("log10"), "3", ValueKind::Double},
        {I(8), Fn("log2"), "3", ValueKind::Double},
        {D(1), Fn("ln"), "0", ValueKind::Double},
        {I(-4), Fn("sqrt"), "nan", ValueKind::Double},
        {I(0), Fn("ln"), "-inf", ValueKind::Double},
        {I(-1), Fn("log10"), "nan", ValueKind::Double},
        {I(2), Fn("asin"), "nan", ValueKind::Double},
        {D(-1.5), Fn("acos"), "nan", ValueKind::Double},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Run({c.operand, c.op}), c.text) << static_cast<int>(c.op);
        EXPECT_EQ(kind_, c.kind) << static_cast<int>(c.op);
    }
}

TEST_F(EvaluatorTest, TwoOperandIntegerOperationsWrap) {
    EXPECT_EQ(Run({I(INT32_MAX), I(1), Opcode::Add}), "-2147483648");
    EXPECT_EQ(Run({I(INT32_MIN), I(1), Opcode::Subtract}), "2147483647");
    EXPECT_EQ(Run({I(65536), I(65536), Opcode::Multiply}), "0");
    EXPECT_EQ(Run({I(-7), I(2), Opcode::Divide}), "-3");
    EXPECT_EQ(Run({I(-7), I(2), Opcode::Modulo}), "-1");
    EXPECT_EQ(Run({I(7), I(-2), Opcode::Modulo}), "1");
    EXPECT_EQ(Run({I(INT32_MIN), I(-1), Opcode::Divide}), "-2147483648");
    EXPECT_EQ(Run({I(INT32_MIN), I(-1), Opcode::Modulo}), "0");
    EXPECT_EQ(Run({I(2), I(10), Opcode::Power}), "1024");
    EXPECT_EQ(Run({I(2), I(0), Opcode::Power}), "1");
    EXPECT_EQ(Run({I(0), I(0), Opcode::Power}), "1");
    EXPECT_EQ(Run({I(-1), I(-3), Opcode::Power}), "-1");
    EXPECT_EQ(Run({I(5), I(-1), Opcode::Power}), "0");
    EXPECT_EQ(Run({I(2), I(2000000000), Opcode::Power}), "0");
    EXPECT_EQ(Run({I(2), D(0.5), Opcode::Power}), "1.414213562373095");
    EXPECT_EQ(Run({D(2.5), I(2), Opcode::Power}), "6.25");
}

TEST_F(EvaluatorTest, DoubleArithmeticHasNoZeroTest) {
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(Result({D(1), I(0), Opcode::Divide}).number.real, inf);
    EXPECT_EQ(Result({D(-1), I(0), Opcode::Divide}).number.real, -inf);
    EXPECT_TRUE(std::isnan(Result({D(0), D(0), Opcode::Divide}).number.real));
    EXPECT_EQ(Run({D(1e308), D(10), Opcode::Multiply}), "inf");
    const Value q = Result({C(1, 1), I(0), Opcode::Divide});
    EXPECT_FALSE(std::isfinite(q.number.real));
    EXPECT_FALSE(std::isfinite(q.imag));
}

TEST_F(EvaluatorTest, AnglesFollowTheUnitExceptForRadAndDeg) {
    const double pi = 3.141592653589793;
    // Degrees go into sin/cos/tan and come out of asin/acos/atan exactly where they can.
    EXPECT_EQ(Run({I(30), Fn("sin")}, kDegrees), "0.5");
    EXPECT_EQ(Result({D(pi / 6), Fn("sin")}, kRadians).number.real, 0.49999999999999994);
    EXPECT_EQ(Run({I(1), Fn("asin")}, kDegrees), "90");
    EXPECT_EQ(Result({I(1), Fn("asin")}, kRadians).number.real, pi / 2);
    EXPECT_EQ(Run({I(0), Fn("acos")}, kDegrees), "90");
    EXPECT_EQ(Run({I(1), Fn("atan")}, kDegrees), "45");
    EXPECT_EQ(Result({I(1), Fn("atan")}, kRadians).number.real, pi / 4);
    EXPECT_EQ(Run({I(-270), Fn("tan")}, kDegrees), "!Undefined");
    EXPECT_EQ(Run({D(pi / 2), Fn("tan")}, kRadians), "1.633123935319537e+16");
    for (EvalFlags flags : {kDegrees, kRadians}) {
        EXPECT_EQ(Run({I(180), Fn("rad")}, flags), "3.141592653589793");
        EXPECT_EQ(Run({D(pi), Fn("deg")}, flags), "180");
        EXPECT_EQ(Result({I(90), Fn("rad")}, flags).number.real, DegreesToRadians(90));
    }
}

TEST_F(EvaluatorTest, RefusedOperationsGiveTheirTexts) {
    EXPECT_EQ(Run({I(1), I(0), Opcode::Divide}), "!Div zero");
    EXPECT_EQ(Run({I(0), I(-1), Opcode::Power}), "!Div zero");
    EXPECT_EQ(Run({I(1), I(0), Opcode::Modulo}), "!Mod zero");
    EXPECT_EQ(Run({D(5), I(0), Opcode::Modulo}), "!Mod zero");
    EXPECT_EQ(Run({I(5), D(-0.0), Opcode::Modulo}), "!Mod zero");
    // The kind test comes before the zero test.
    EXPECT_EQ(Run({C(5, 0), I(0), Opcode::Modulo}), "!Modulo complex");
    EXPECT_EQ(Run({I(5), C(2, 0), Opcode::Modulo}), "!Modulo complex");
}

TEST_F(EvaluatorTest, EveryFunctionHasAComplexForm) {
    for (const FunctionEntry& function : kFunctions) {
        EXPECT_NE(Run({C(0.5, 0.25), Fn(function.name)}).front(), '!') << function.name;
    }
}

TEST_F(EvaluatorTest, TheFirstRefusalEndsTheRun) {
    // Without the stop, the unknown opcode after the division would be reported instead.
    EXPECT_EQ(Run({I(1), I(0), Opcode::Divide, kUnknownOpcode}), "!Div zero");
    EXPECT_EQ(Run({C(0, 1), I(2), Opcode::Modulo, I(1), I(0), Opcode::Modulo}), "!Modulo complex");
}

TEST_F(EvaluatorTest, ProgramsTheParserNeverMakesAreRefusedSafely) {
    EXPECT_EQ(Run({}), "!Parsing failed");
    EXPECT_EQ(Run({Opcode::Negate}), "!Parsing failed");
    EXPECT_EQ(Run({I(1), Opcode::Add}), "!Parsing failed");
    EXPECT_EQ(Run({I(1), -1}), "!Parsing failed");
    EXPECT_EQ(Run({I(1), kUnknownOpcode}), "!Parsing failed");
    EXPECT_EQ(Run({I(1), INT32_MIN}), "!Parsing failed");
    // A PushLiteral with no literal left behind it.
    Build({I(1)});
    const int32_t push = 0;
    ASSERT_TRUE(GrowArrayInsert(&push, &program_.ops, sizeof push, program_.ops.count));
    Value result;
    std::string error;
    EXPECT_FALSE(RunTokenProgram(program_, 0, &result, &error));
    EXPECT_EQ(error, "Parsing failed");
    // Values left below the result are ignored: the top of the stack is the result.
    EXPECT_EQ(Run({I(1), I(2)}), "2");
}

TEST_F(EvaluatorTest, EveryLiteralIsTakenInTurn) {
    // Each PushLiteral takes the next literal, also far into a long program.
    TokenProgramFree(&program_);
    TokenProgramInit(&program_);
    ASSERT_TRUE(AppendLiteral(&program_, I(0)));
    for (int k = 0; k < 3000; ++k) {
        ASSERT_TRUE(AppendLiteral(&program_, I(1)));
        ASSERT_TRUE(AppendOpcode(&program_, Opcode::Add));
    }
    Value result;
    std::string error;
    ASSERT_TRUE(RunTokenProgram(program_, 0, &result, &error));
    EXPECT_EQ(result.number.integer, 3000);
}
