#include "engine/token_program.h"
#include "engine/value.h"
#include "engine/value_text.h"

#include <cmath>
#include <limits>

#include <gtest/gtest.h>

TEST(Value, SizeMatchesTheRecordLayout) {
    EXPECT_EQ(sizeof(Value), 24u);
}

TEST(Value, AccessorsOfEveryKind) {
    EXPECT_EQ(AsDouble(MakeInteger(-4)), -4.0);
    EXPECT_EQ(RealPart(MakeInteger(-4)), -4.0);
    EXPECT_EQ(ImagPart(MakeInteger(-4)), 0.0);
    EXPECT_EQ(AsDouble(MakeDouble(1.5)), 1.5);
    EXPECT_EQ(ImagPart(MakeDouble(1.5)), 0.0);
    const Value c = MakeComplex(1.5, -2.5);
    EXPECT_EQ(c.kind, ValueKind::Complex);
    EXPECT_EQ(AsDouble(c), 1.5);
    EXPECT_EQ(RealPart(c), 1.5);
    EXPECT_EQ(ImagPart(c), -2.5);
}

TEST(TokenProgram, LiteralsAndOpcodesStayPaired) {
    TokenProgram p;
    TokenProgramInit(&p);
    EXPECT_EQ(p.display, DisplayMode::Decimal);
    ASSERT_TRUE(AppendLiteral(&p, MakeInteger(2)));
    ASSERT_TRUE(AppendLiteral(&p, MakeInteger(3)));
    ASSERT_TRUE(AppendOpcode(&p, Opcode::Add));
    ASSERT_EQ(p.literals.count, 2);
    ASSERT_EQ(p.ops.count, 3);
    EXPECT_EQ(LiteralAt(p, 1).number.integer, 3);
    EXPECT_EQ(OpcodeAt(p, 0), Opcode::PushLiteral);
    EXPECT_EQ(OpcodeAt(p, 2), Opcode::Add);
    TokenProgramFree(&p);
    EXPECT_EQ(p.literals.data, nullptr);
}

TEST(ValueStack, PushPopInStackOrder) {
    ValueStack s;
    ValueStackInit(&s);
    ASSERT_TRUE(ValueStackPush(&s, MakeInteger(1)));
    ASSERT_TRUE(ValueStackPush(&s, MakeDouble(2.0)));
    Value v;
    ASSERT_TRUE(ValueStackPop(&s, &v));
    EXPECT_EQ(v.kind, ValueKind::Double);
    ASSERT_TRUE(ValueStackPop(&s, &v));
    EXPECT_EQ(v.number.integer, 1);
    EXPECT_FALSE(ValueStackPop(&s, &v));
    ValueStackFree(&s);
}

TEST(ValueText, ReadsBackTheSameBits) {
    const Value values[] = {MakeInteger(INT32_MIN),
                            MakeInteger(42),
                            MakeDouble(-0.0),
                            MakeDouble(0.1),
                            MakeDouble(std::numeric_limits<double>::denorm_min()),
                            MakeDouble(std::numeric_limits<double>::quiet_NaN()),
                            MakeComplex(-std::numeric_limits<double>::infinity(), 2.2)};
    for (const Value& value : values) {
        const std::string text = ExactValueText(value);
        Value read = MakeInteger(7);
        ASSERT_TRUE(ReadExactValue(text, &read)) << text;
        EXPECT_EQ(read.kind, value.kind) << text;
        EXPECT_EQ(ExactValueText(read), text);
    }
    for (const char* junk : {"", "i:", "i:1x", "i:99999999999", "d:3FF", "d:3FF000000000000G",
                             "c:3FF0000000000000", "x:1"}) {
        Value read = MakeInteger(7);
        EXPECT_FALSE(ReadExactValue(junk, &read)) << junk;
        EXPECT_EQ(read.number.integer, 7) << junk;
    }
}
