// Evaluate end to end: parse failures, the texts in use, and what the caller gets back.
#include <cstring>

#include "tests/engine/evaluate_test_support.h"

TEST_F(EvaluateTest, TextsThatDoNotParseEchoWhatWasRead) {
    const char* const cases[][2] = {
        {"1+*2", "!1Parsing failed"},      {"2+*3", "!2Parsing failed"},
        {"+", "!Parsing failed"},          {"", "!Parsing failed"},
        {"sin(2", "!sin(2Parsing failed"}, {"1 + 2\n", "!1+2Parsing failed"},
        {"log(8)", "!Parsing failed"},     {"2(3)", "!2Parsing failed"},
    };
    for (const auto& c : cases) {
        ExpectEverywhere(c[0], c[1]);
    }
    // What follows the first "=" is not examined, nor evaluated.
    ExpectEverywhere("1+2=abc", "3");
    ExpectEverywhere("1+2=1/0", "3");
}

TEST_F(EvaluateTest, TheOutputIsReplacedNotAppended) {
    std::string output = "left over";
    Value answer = MakeInteger(0);
    EXPECT_TRUE(Evaluate("6*7=", 0, &answer, &output));
    EXPECT_EQ(output, "42");
    output = "left over";
    EXPECT_FALSE(Evaluate("1/0=", 0, &answer, &output));
    EXPECT_EQ(output, "Div zero");
    output = "left over";
    EXPECT_FALSE(Evaluate("1+=", 0, &answer, &output));
    EXPECT_EQ(output, "1Parsing failed");
}

TEST(EvaluateWithoutTexts, LookupsThatFindNothingAreShown) {
    EXPECT_EQ(Calculate("1/0", 0), "!String not found");
    EXPECT_EQ(Calculate("4294967296", 0), "!String not found");
    EXPECT_EQ(Calculate("1+", 0), "!1String not found");
    EXPECT_EQ(Calculate("1+2", 0), "3");
}

TEST(EvaluateWithLongTexts, TranslatedTextsOfAnyLengthAreWhole) {
    std::string longText(100000, 'x');
    longText += "!";
    TranslationKey* keys = ApplicationKeys();
    for (int32_t id = 0; id < kTranslationKeyCount; ++id) {
        keys[id].text = &longText[0];
    }
    TranslationUseTable(keys, kTranslationKeyCount);
    EXPECT_EQ(Calculate("0x100000000", 0), "!" + longText);
    EXPECT_EQ(Calculate("1%0", 0), "!" + longText);
    EXPECT_EQ(Calculate("1)", 0), "!1" + longText);
    for (int32_t id = 0; id < kTranslationKeyCount; ++id) {
        keys[id].text = nullptr;
    }
    TranslationUseTable(nullptr, 0);
}

TEST_F(EvaluateTest, LongExpressionsEvaluate) {
    std::string sum = "0";
    for (int k = 0; k < 2000; ++k) {
        sum += "+1";
    }
    ExpectModes({sum.c_str(), "2000", "2000"});
}
