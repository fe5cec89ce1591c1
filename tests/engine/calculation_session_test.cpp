// The calculation session: what the window shows and keeps of each calculation, and what it
// brings back from the kept ones, without a window.
#include "engine/calculation_session.h"

#include <string>
#include <vector>

#include "engine/value_text.h"
#include "tests/engine/engine_texts.h"

namespace {

constexpr EvalFlags kFloating = EvalFlag::Floating | EvalFlag::Radians;
constexpr EvalFlags kInteger = EvalFlag::Radians;

class CalculationSessionTest : public EngineTextsTest {
  protected:
    std::string Calculate(const std::string& typed, EvalFlags flags = kFloating,
                          char separator = '\0') {
        return session_.Calculate(typed, flags, separator, &calculation_);
    }
    std::string ShownAt(std::size_t index, bool decimalComma = false) const {
        std::string shown;
        return session_.Results().TextAt(index, decimalComma, &shown) ? shown : "-";
    }
    std::string Older(const std::string& typed = "", bool decimalComma = false) {
        std::string text;
        return session_.Recall().Older(typed, decimalComma, &text) ? text : "-";
    }

    CalculationSession session_;
    KeptCalculation calculation_;
};

TEST_F(CalculationSessionTest, CalculationsGoOnFromAnsAndStandInTheHistoryWithTheirResults) {
    EXPECT_EQ(Calculate("1+2"), "1+2=3\r\n");
    EXPECT_EQ(calculation_.expression, "1+2");
    EXPECT_EQ(calculation_.output, "3");
    EXPECT_TRUE(calculation_.succeeded);
    EXPECT_EQ(calculation_.value, ExactValueText(MakeDouble(3)));
    // After the line's 7 characters; the operator first goes on from ans, spaces dropped.
    EXPECT_EQ(Calculate("  *2"), "ans*2=6\r\n");
    EXPECT_EQ(calculation_.expression, "ans*2");
    EXPECT_EQ(Calculate("(3+4i)/(1+2i)"), "(3+4i)/(1+2i)=2.2 - 0.4 i\r\n");
    EXPECT_EQ(ShownAt(0), "3");
    EXPECT_EQ(ShownAt(5), "3") << "up to its line break";
    EXPECT_EQ(ShownAt(6), "-");
    EXPECT_EQ(ShownAt(7), "6");
    EXPECT_EQ(ShownAt(16), "2.2 - 0.4 i");
    std::string text;
    ASSERT_TRUE(session_.Results().At(16, false, &text));
    EXPECT_EQ(text, "(2.2 - 0.4 i)");
    ASSERT_TRUE(session_.Results().Newest(false, &text));
    EXPECT_EQ(text, "2.2 - 0.4 i");
    // Recall brings back what was typed.
    EXPECT_EQ(Older("draft"), "(3+4i)/(1+2i)");
    EXPECT_EQ(Older(), "  *2");
}

TEST_F(CalculationSessionTest, AFailureTakesTwoLinesAndKeepsAns) {
    Calculate("6*7", kInteger);
    EXPECT_EQ(Calculate("*1/0", kInteger), "ans*1/0=\r\nDiv zero\r\n");
    EXPECT_FALSE(calculation_.succeeded);
    EXPECT_EQ(calculation_.output, "Div zero");
    EXPECT_EQ(calculation_.value, "");
    EXPECT_EQ(ShownAt(8), "-");
    EXPECT_EQ(Calculate("ans", kInteger), "ans=42\r\n");
    EXPECT_EQ(ShownAt(28), "42");
}

TEST_F(CalculationSessionTest, ControlCharactersShowAsBlanksOfTheSameLength) {
    EXPECT_EQ(Calculate("1\x01"), "1 =\r\n1Parsing failed\r\n");
    EXPECT_EQ(calculation_.expression, "1\x01") << "kept as typed";
    EXPECT_EQ(session_.Note("cannot\x7fsave"), "cannot save\r\n");
    EXPECT_EQ(Calculate("'\\t'"), "'\\t'=9\r\n");
    EXPECT_EQ(ShownAt(22 + 13), "9");
}

TEST_F(CalculationSessionTest, AnswersLeaveTheHistoryAndTheRecallAlone) {
    EXPECT_EQ(session_.Answer("2+2", kFloating).output, "4");
    EXPECT_EQ(session_.Answer("*10", kFloating).expression, "ans*10");
    EXPECT_EQ(session_.Answer("", kFloating).output, "Parsing failed");
    EXPECT_EQ(session_.Answer("ans", kFloating).output, "40");
    EXPECT_EQ(Older(), "-");
    EXPECT_EQ(ShownAt(0), "-");
    EXPECT_EQ(Calculate("1"), "1=1\r\n");
    EXPECT_EQ(ShownAt(0), "1") << "the history begins with its first line";
}

TEST_F(CalculationSessionTest, KeptCalculationsComeBackWithTheNewestResultAsAns) {
    const std::vector<KeptCalculation> kept = {
        {"1+1", "2", true, ExactValueText(MakeInteger(2)), "", false},
        {"0.1*3", "0.3", true, ExactValueText(MakeDouble(0.1 * 3)), "", false},
        {"1/0", "Div zero", false, "", "", false},
        {"sqrt(\x02)", "sqrt(Parsing failed", false, "", "", false},
    };
    EXPECT_EQ(session_.Restore(kept), "1+1=2\r\n0.1*3=0.3\r\n1/0=\r\nDiv zero\r\nsqrt( )=\r\n"
                                      "sqrt(Parsing failed\r\n");
    EXPECT_EQ(ShownAt(5), "2");
    EXPECT_EQ(ShownAt(12), "0.3");
    EXPECT_EQ(ShownAt(24), "-");
    // The exact value, not the one shown.
    EXPECT_EQ(Calculate("ans-0.3"), "ans-0.3=5.551115123125783e-17\r\n");
    EXPECT_EQ(Older(), "ans-0.3");
    EXPECT_EQ(Older(), "sqrt(\x02)");
    EXPECT_EQ(Older(), "1/0");
}

// Read only once the file could be read, they come before this start's, whose ans stays.
TEST_F(CalculationSessionTest, KeptCalculationsReadLateComeFirst) {
    Calculate("5");
    EXPECT_EQ(session_.Restore({{"1+1", "2", true, ExactValueText(MakeInteger(2)), "", false}}),
              "1+1=2\r\n");
    EXPECT_EQ(ShownAt(0), "2");
    EXPECT_EQ(ShownAt(8), "5");
    EXPECT_EQ(session_.Answer("ans", kFloating).output, "5");
    EXPECT_EQ(Older(), "5");
    EXPECT_EQ(Older(), "1+1");
}

TEST_F(CalculationSessionTest, AKeptValueThatCannotBeReadLeavesAns) {
    Calculate("5");
    session_.Restore(
        {{"7", "7", true, "i:seven", "", false}, {"1/0", "Div zero", false, "", "", false}});
    EXPECT_EQ(session_.Answer("ans", kFloating).output, "5");
    session_.Restore({});
    EXPECT_EQ(session_.Answer("ans", kFloating).output, "5");
}

TEST_F(CalculationSessionTest, ClearingForgetsTheHistoryAndTheRecallButNotAns) {
    Calculate("6*7");
    Calculate("1+");
    session_.Clear();
    EXPECT_EQ(ShownAt(0), "-");
    EXPECT_EQ(Older(), "-");
    EXPECT_EQ(Calculate("ans"), "ans=42\r\n");
    EXPECT_EQ(ShownAt(4), "42");
}

} // namespace
