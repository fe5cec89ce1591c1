// Numbers with a decimal comma or a point, read and written, and the digits of shown results
// grouped; what is reused reads back in the mark in use.
#include "engine/calculation_session.h"
#include "engine/decimal_marks.h"
#include "tests/engine/evaluate_test_support.h"

namespace {

constexpr EvalFlags kComma = kFloatingRadians | EvalFlag::DecimalComma;

struct MarkCase {
    const char* typed;
    const char* comma; // with the decimal comma; "!" marks an error text
    const char* point; // with the point
};

class DecimalCommaTest : public EvaluateTest {};

TEST_F(DecimalCommaTest, NumbersReadAndWrittenInEitherMode) {
    const MarkCase cases[] = {
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
        {"1.5*2,b", "0b11", "0b11"},
        {"1.5,x", "1,5", "1.5"},
        {"1,x", "0x1", "0x1"},
        {"1,e5", "!1Parsing failed", "!1Parsing failed"},
        {"1,5,5", "!1,5Parsing failed", "!1Parsing failed"},
        {"','", "44", "44"},
        {"1.000,5", "!Mixed marks", "!1.000Parsing failed"},
        {"1,000.5", "!Mixed marks", "!1Parsing failed"},
        {"1.,5", "!Mixed marks", "!1.Parsing failed"},
        {"2+.5,5", "!Mixed marks", "!2+.5Parsing failed"},
    };
    for (const MarkCase& c : cases) {
        EXPECT_EQ(Calculate(c.typed, kComma), c.comma) << c.typed;
        EXPECT_EQ(Calculate(c.typed, kFloatingRadians), c.point) << c.typed;
    }
}

TEST(DecimalMarks, GroupsOnlyTheIntegerDigitsOfDecimalNumbers) {
    const struct {
        const char* result;
        char separator;
        const char* grouped;
    } cases[] = {
        {"1234567", ' ', "1 234 567"},
        {"-1234567.125", ',', "-1,234,567.125"},
        {"1234,56789", '.', "1.234,56789"},
        {"123456 - 7890 i", ' ', "123 456 - 7 890 i"},
        {"1.234567890123457e+20", ' ', "1.234567890123457e+20"},
        {"123", ' ', "123"},
        {"0xFFFFFFFF", ' ', "0xFFFFFFFF"},
        {"0b11111111", ' ', "0b11111111"},
        {"'1'", ' ', "'1'"},
        {"-inf", ' ', "-inf"},
        {"1234567", '\0', "1234567"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(GroupedDigits(c.result, c.separator), c.grouped) << c.result;
    }
}

TEST(DecimalMarks, TextsOfOneMarkInTheOther) {
    EXPECT_EQ(ResultWithMark("2.5 - 1.5 i", true), "2,5 - 1,5 i");
    EXPECT_EQ(ResultWithMark("2,5", false), "2.5");
    EXPECT_EQ(ResultWithMark("','", false), "','");
    EXPECT_EQ(ExpressionWithMark("1,5*2,x+, 5", true, false), "1.5*2,x+. 5");
    EXPECT_EQ(ExpressionWithMark("1.5+.5e3,b+'.'", false, true), "1,5+,5e3,b+'.'");
    EXPECT_EQ(ExpressionWithMark("1,5", true, true), "1,5");
}

TEST_F(DecimalCommaTest, TheSessionShowsGroupedDigitsAndReusesTheValueInTheMarkInUse) {
    CalculationSession session;
    KeptCalculation calculation;
    EXPECT_EQ(session.Calculate("1234567,5", kComma, '.', &calculation),
              "1234567,5=1.234.567,5\r\n");
    EXPECT_EQ(calculation.output, "1234567,5");
    EXPECT_EQ(calculation.shown, "1.234.567,5");
    EXPECT_TRUE(calculation.decimalComma);
    std::string text;
    ASSERT_TRUE(session.Results().Newest(true, &text));
    EXPECT_EQ(text, "1234567,5");
    ASSERT_TRUE(session.Results().At(3, false, &text));
    EXPECT_EQ(text, "1234567.5");
    ASSERT_TRUE(session.Recall().Older("", false, &text));
    EXPECT_EQ(text, "1234567.5") << "recalled in the mark in use";

    // Kept lines show as they were; ans is the exact value.
    CalculationSession next;
    KeptCalculation kept;
    ASSERT_TRUE(ReadHistoryRecord(
        HistoryRecord(calculation).substr(0, HistoryRecord(calculation).size() - 2), &kept));
    EXPECT_EQ(next.Restore({kept}), "1234567,5=1.234.567,5\r\n");
    EXPECT_EQ(next.Answer("ans*2", kFloatingRadians).output, "2469135");
    ASSERT_TRUE(next.Recall().Older("", false, &text));
    EXPECT_EQ(text, "1234567.5");
}

} // namespace
