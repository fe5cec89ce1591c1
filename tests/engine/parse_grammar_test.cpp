#include <string>
#include <vector>

#include "engine/grammar.h"
#include "tests/engine/parse_test_support.h"

namespace {

struct Compiled {
    const char* typed;
    const char* literals;
    const char* ops;
    int display;
};

class ParseGrammar : public ParseTextsTest {};

TEST_F(ParseGrammar, CompilesToPostfix) {
    const Compiled cases[] = {
        {"2+3*4", "2 3 4", "lit lit lit * +", 0},
        {"(2+3)*4", "2 3 4", "lit lit + lit *", 0},
        {"-2^2", "2 2", "lit neg lit ^", 0},
        {"2pi", "2 pi", "lit lit *", 0},
        {"sin(pi/2)", "pi 2", "lit lit / sin", 0},
        {"7-2-1", "7 2 1", "lit lit - lit -", 0},
        {"255,x", "255", "lit", 1},
        {"1,b", "1", "lit", 2},
        {"65,c", "65", "lit", 3},
        {"1.5,x", "1.5", "lit", 1},
        {"2^3^2", "2 3 2", "lit lit ^ lit ^", 0},
        {"2^-1", "2 1", "lit lit neg ^", 0},
        {"2pi^2", "2 pi 2", "lit lit * lit ^", 0},
        {"1/2pi", "1 2 pi", "lit lit lit * /", 0},
        {"6/3%2", "6 3 2", "lit lit / lit %", 0},
        {"1-2*3+4", "1 2 3 4", "lit lit lit * - lit +", 0},
        {"--2", "2", "lit neg neg", 0},
        {"+-2", "2", "lit neg pos", 0},
        {"-(1)", "1", "lit neg", 0},
        {"1.0 + 1.0 i", "1.0 1.0 i", "lit lit lit * +", 0},
        {"1 + 2", "1 2", "lit lit +", 0},
        {"1 000", "1000", "lit", 0},
        {"s in(0)", "0", "lit sin", 0},
        {"2 pi", "2 pi", "lit lit *", 0},
        {"1+2=", "1 2", "lit lit +", 0},
        {"1+2=abc", "1 2", "lit lit +", 0},
        {"im(3i)", "3 i", "lit lit * im", 0},
        {"i", "i", "lit", 0},
        {"2e", "2 e", "lit lit *", 0},
        {"2e3", "2000.0", "lit", 0},
        {"2e+1", "20.0", "lit", 0},
        {"e", "e", "lit", 0},
        {"e*1", "e 1", "lit lit *", 0},
        {"e+1", "e 1", "lit lit +", 0},
        {"e-1", "e 1", "lit lit -", 0},
        {"0b1e", "1 e", "lit lit *", 0},
        {"0x1e", "30", "lit", 0},
        {"0x1Fpi", "31 pi", "lit lit *", 0},
        {"2.5i", "2.5 i", "lit lit *", 0},
        {"pi*'a'", "pi 97", "lit lit *", 0},
        {"log2(8)", "8", "lit log2", 0},
        {"log10(8)", "8", "lit log10", 0},
        {"sin(1)+asin(1)", "1 1", "lit sin lit asin +", 0},
        {"cos(1)+acos(1)", "1 1", "lit cos lit acos +", 0},
        {"tan(1)+atan(1)", "1 1", "lit tan lit atan +", 0},
        {"rad(1)+deg(1)", "1 1", "lit rad lit deg +", 0},
        {"ln(1)+sqrt(1)", "1 1", "lit ln lit sqrt +", 0},
        {"re(1)+im(1)+abs(1)", "1 1 1", "lit re lit im + lit abs +", 0},
        {"sqrt(sqrt(16))", "16", "lit sqrt sqrt", 0},
        {"0x1F", "31", "lit", 0},
    };
    for (const Compiled& c : cases) {
        SCOPED_TRACE(c.typed);
        const ParseResult r = ParseTyped(c.typed);
        ASSERT_TRUE(r.ok) << r.failure;
        EXPECT_EQ(r.literals, c.literals);
        EXPECT_EQ(r.ops, c.ops);
        EXPECT_EQ(r.display, c.display);
    }
}

TEST_F(ParseGrammar, EveryFunctionIsCalledByItsName) {
    for (const FunctionEntry& function : kFunctions) {
        const ParseResult r = ParseTyped(std::string(function.name) + "(2)");
        ASSERT_TRUE(r.ok) << r.failure;
        EXPECT_EQ(r.ops, std::string("lit ") + function.name);
        EXPECT_FALSE(ParseTyped(function.name).ok) << function.name;
    }
}

// The echo is the stripped text up to the end of the last action that ran.
TEST_F(ParseGrammar, FailureEchoesTheTextReadUpToTheProgressMark) {
    const struct {
        const char* typed;
        const char* failure;
    } cases[] = {
        {"1+2\n", "1+2Parsing failed"},
        {"1+2\r", "1+2Parsing failed"},
        {"1\t+2", "1Parsing failed"},
        {"2+*3", "2Parsing failed"},
        {"+", "Parsing failed"},
        {"", "Parsing failed"},
        {"()", "Parsing failed"},
        {"sin(2", "sin(2Parsing failed"},
        {"s in (2", "sin(2Parsing failed"},
        {"2im(3)", "2iParsing failed"},
        {"pi2", "piParsing failed"},
        {"2(3)", "2Parsing failed"},
        {"1,X", "1Parsing failed"},
        {"1,xb", "1,xParsing failed"},
        {"(1,x)", "(1Parsing failed"},
        {"log(8)", "Parsing failed"},
        {"SIN(0)", "Parsing failed"},
        {"sin 0", "Parsing failed"},
        {"0X1F", "0Parsing failed"},
        {"0x", "0Parsing failed"},
        {"0b102", "0b10Parsing failed"},
        {"0x1G", "0x1Parsing failed"},
        {"0x1p3", "0x1Parsing failed"},
        {"inf", "iParsing failed"},
        {"1+", "1Parsing failed"},
        {"1 2 + x", "12Parsing failed"},
        {".", "Parsing failed"},
        {".e5", "Parsing failed"},
        {"e5", "eParsing failed"},
        {"E5", "Parsing failed"},
        {"Pi", "Parsing failed"},
        {"2e+", "2eParsing failed"},
        {"'\\'x'", "Parsing failed"},
        {"''", "Parsing failed"},
        {"' '", "Parsing failed"},
        {"'\x80'", "Parsing failed"},
        {"(1", "(1Parsing failed"},
        {"1)", "1Parsing failed"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        const ParseResult r = ParseTyped(c.typed);
        EXPECT_FALSE(r.ok);
        EXPECT_EQ(r.failure, c.failure);
        EXPECT_EQ(r.literals, "");
        EXPECT_EQ(r.ops, "");
        EXPECT_EQ(r.display, 0);
    }
}

TEST_F(ParseGrammar, FailureTextComesFromTheKeyTable) {
    TranslationUseTable(nullptr, 0);
    EXPECT_EQ(ParseTyped("2+*3").failure, "2String not found");
}

TEST(ParseExpression, AcceptsTextWithoutTheUsersSpaces) {
    TokenProgram program;
    std::string failure = "untouched";
    ASSERT_TRUE(ParseExpression("  7 ,  c =", 0, MakeInteger(0), &program, &failure));
    EXPECT_EQ(program.display, DisplayMode::Character);
    EXPECT_EQ(failure, "untouched");
    TokenProgramFree(&program);
}

std::string Repeated(const std::string& piece, int times) {
    std::string text;
    for (int k = 0; k < times; ++k) {
        text += piece;
    }
    return text;
}

// Nested(n) parses through n + 1 factors, one inside another.
std::string NestedParentheses(int n) {
    return Repeated("(", n) + "1" + Repeated(")", n);
}

TEST_F(ParseGrammar, AThousandLevelsOfNestingParse) {
    for (const std::string& text : {NestedParentheses(1000), Repeated("-", 1000) + "1",
                                    Repeated("+(-(", 250) + "1" + Repeated(")", 500),
                                    Repeated("sqrt(", 1000) + "1" + Repeated(")", 1000)}) {
        const ParseResult r = ParseTyped(text);
        EXPECT_TRUE(r.ok) << r.failure.substr(0, 40);
    }
    EXPECT_EQ(ParseTyped(Repeated("-", 1000) + "1").opCount, 1001);
}

TEST_F(ParseGrammar, NestingIsBoundedExactly) {
    EXPECT_TRUE(ParseTyped(NestedParentheses(kMaxNesting - 1)).ok);
    EXPECT_FALSE(ParseTyped(NestedParentheses(kMaxNesting)).ok);
    EXPECT_TRUE(ParseTyped(Repeated("-", kMaxNesting - 1) + "1").ok);
    EXPECT_FALSE(ParseTyped(Repeated("-", kMaxNesting) + "1").ok);
}

TEST_F(ParseGrammar, DeepNestingFailsAsAnOrdinaryParseFailure) {
    const int deep = 100000;
    const std::string texts[] = {
        NestedParentheses(deep),
        Repeated("-", deep) + "1",
        Repeated("+", deep) + "1",
        Repeated("sin(", deep) + "1" + Repeated(")", deep),
    };
    for (const std::string& text : texts) {
        const ParseResult r = ParseTyped(text);
        EXPECT_FALSE(r.ok);
        EXPECT_EQ(r.failure, "Parsing failed");
    }
    // Actions that ran before, or instead of, the too deep branch still move the mark.
    EXPECT_EQ(ParseTyped("1+2*" + NestedParentheses(deep)).failure, "1+2Parsing failed");
    const std::string calls = Repeated("im(", deep) + "1" + Repeated(")", deep);
    EXPECT_EQ(ParseTyped(calls).failure, "iParsing failed");
}

// A function call inside a product is the costliest level. The Windows test program has
// the 1 MiB main-thread stack of the calculator.
TEST_F(ParseGrammar, DeepestNestingFitsInTheProgramsStack) {
    const int levels = kMaxNesting - 1;
    const std::string calls = Repeated("2*abs(", levels) + "1" + Repeated(")", levels);
    EXPECT_TRUE(ParseTyped(calls).ok);
    // The echo ends at the deepest literal that was allowed.
    const std::string deeper = Repeated("2*abs(", 100000) + "1" + Repeated(")", 100000);
    const ParseResult r = ParseTyped(deeper);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.failure, Repeated("2*abs(", kMaxNesting - 1) + "2Parsing failed");
}

} // namespace
