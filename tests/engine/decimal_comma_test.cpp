// Numbers with a decimal comma or a point, read and written; the digits of shown results
// grouped; what is reused and recalled in the mark in use.
#include "engine/calculation_session.h"
#include "engine/decimal_marks.h"
#include "tests/engine/evaluate_test_support.h"

namespace {

constexpr EvalFlags kComma = kFloatingRadians | EvalFlag::DecimalComma;

class DecimalCommaTest : public EvaluateTest {};

TEST_F(DecimalCommaTest, NumbersReadAndWrittenInEitherMode) {
    const struct {
        const char* typed;
        const char* comma; // "!" marks an error text
        const char* point;
    } cases[] = {
        {"1,5+1", "2,5", "!1Parsing failed"},
        {",5*3", "1,5", "!Parsing failed"},
        {"2,5e3", "2500", "!2Parsing failed"},
        {"1,5i", "0 + 1,5 i", "!1Parsing failed"},
        {"1,5-2,5i", "1,5 - 2,5 i", "!1Parsing failed"},
        {"1,5e20", "1,5e+20", "!1Parsing failed"},
        {"1 , 5", "1,5", "!1Parsing failed"},
        {"1.5+1", "2,5", "2.5"},
        {"255,x", "0xFF", "0xFF"},
        {"1,5*2,x", "0x3", "!1Parsing failed"},
        {"1.5,x", "1,5", "1.5"},
        {"1,e5", "!1Parsing failed", "!1Parsing failed"},
        {"1,5,5", "!1,5Parsing failed", "!1Parsing failed"},
        {"1.000,5", "!Mixed marks", "!1.000Parsing failed"},
        {"1,000.5", "!Mixed marks", "!1Parsing failed"},
        {"1.,5", "!Mixed marks", "!1.Parsing failed"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Calculate(c.typed, kComma), c.comma) << c.typed;
        EXPECT_EQ(Calculate(c.typed, kFloatingRadians), c.point) << c.typed;
    }
}

TEST(DecimalMarks, GroupsOnlyTheIntegerDigitsOfDecimalNumbers) {
    EXPECT_EQ(GroupedDigits("-1234567.125", ','), "-1,234,567.125");
    EXPECT_EQ(GroupedDigits("123456 - 7890,5 i", ' '), "123 456 - 7 890,5 i");
    for (const char* kept : {"123", "1.234567890123457e+20", "0xFFFFFF", "0b1111", "'1'", "-inf"}) {
        EXPECT_EQ(GroupedDigits(kept, ' '), kept);
    }
    EXPECT_EQ(GroupedDigits("1234567", '\0'), "1234567");
}

TEST_F(DecimalCommaTest, ShownGroupedReusedAndRecalledInTheMarkInUse) {
    CalculationSession session;
    KeptCalculation calculation;
    EXPECT_EQ(session.Calculate("1234,5*2+'.'", kComma, '.', &calculation),
              "1234,5*2+'.'=2.515\r\n");
    EXPECT_EQ(calculation.output, "2515");
    std::string text;
    ASSERT_TRUE(session.Results().At(3, false, &text));
    EXPECT_EQ(text, "2515");
    session.Calculate("1,5-2,5i", kComma, '.', &calculation);
    ASSERT_TRUE(session.Results().Newest(false, &text));
    EXPECT_EQ(text, "1.5 - 2.5 i");

    // After a restart the kept lines show as they were, and come back in the mark in use.
    CalculationSession next;
    KeptCalculation kept;
    const std::string record = HistoryRecord(calculation);
    ASSERT_TRUE(ReadHistoryRecord(record.substr(0, record.size() - 2), &kept));
    EXPECT_EQ(next.Restore({kept}), "1,5-2,5i=1,5 - 2,5 i\r\n");
    ASSERT_TRUE(next.Recall().Older("", false, &text));
    EXPECT_EQ(text, "1.5-2.5i");
    ASSERT_TRUE(session.Recall().Older("", true, &text));
    EXPECT_EQ(text, "1,5-2,5i");
    ASSERT_TRUE(session.Recall().Older("", false, &text));
    EXPECT_EQ(text, "1234.5*2+'.'");
}

} // namespace
