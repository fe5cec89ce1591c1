#include <cstdlib>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "engine/literal_actions.h"
#include "engine/parsers.h"

namespace {

// A state over one text, with its own progress mark.
class Parse : public ::testing::Test {
  protected:
    void Start(const char* text, EvalFlags flags = 0) {
        if (text_ != nullptr) {
            TokenProgramFree(&state_.program);
        }
        text_ = text;
        ParseStateInit(&state_, flags, text, &mark_);
    }
    void TearDown() override {
        if (text_ != nullptr) {
            TokenProgramFree(&state_.program);
        }
    }

    int Position() const { return static_cast<int>(state_.cur - text_); }
    int Mark() const { return static_cast<int>(mark_ - text_); }
    std::vector<int> Ops() const {
        std::vector<int> ops;
        for (int32_t k = 0; k < state_.program.ops.count; ++k) {
            ops.push_back(static_cast<int>(OpcodeAt(state_.program, k)));
        }
        return ops;
    }
    std::vector<int> Literals() const {
        std::vector<int> literals;
        for (int32_t k = 0; k < state_.program.literals.count; ++k) {
            literals.push_back(LiteralAt(state_.program, k).number.integer);
        }
        return literals;
    }

    const char* text_ = nullptr;
    const char* mark_ = nullptr;
    ParseState state_{};
};

auto Op(char c, int32_t opcode) {
    return ActionParser(CharMatch(c), opcode, OpcodeAction);
}
auto Number(char c) {
    return ActionParser(CharMatch(c), Radix::Decimal, IntegerLiteralAction);
}

TEST_F(Parse, InitialisationSetsTheMarkToTheStart) {
    const char* stale = "x";
    mark_ = stale;
    Start("12=", EvalFlag::Radians);
    EXPECT_EQ(Position(), 0);
    EXPECT_EQ(Mark(), 0);
    EXPECT_EQ(state_.flags, EvalFlag::Radians);
    EXPECT_EQ(state_.program.display, DisplayMode::Decimal);
    EXPECT_EQ(state_.program.literals.count, 0);
    EXPECT_EQ(state_.program.ops.count, 0);
    EXPECT_EQ(state_.depth, 0);
}

TEST_F(Parse, RestoreTruncatesTheQueuesAndResetsTheFields) {
    Start("12");
    ASSERT_TRUE(AppendLiteral(&state_.program, MakeInteger(1)));
    const ParserSnapshot before = TakeSnapshot(state_);
    ++state_.cur;
    ASSERT_TRUE(AppendLiteral(&state_.program, MakeInteger(2)));
    ASSERT_TRUE(AppendOpcode(&state_.program, Opcode::Add));
    state_.program.display = DisplayMode::Binary;
    state_.flags = EvalFlag::Floating;
    RestoreSnapshot(&state_, before);
    EXPECT_EQ(Position(), 0);
    EXPECT_EQ(Literals(), std::vector<int>{1});
    EXPECT_EQ(Ops(), std::vector<int>{0});
    EXPECT_EQ(state_.program.display, DisplayMode::Decimal);
    EXPECT_EQ(state_.flags, 0);
}

TEST_F(Parse, CharacterMatchers) {
    Start("ab");
    EXPECT_FALSE(CharMatch('b').parse(&state_));
    EXPECT_EQ(Position(), 0);
    EXPECT_TRUE(CharMatch('a').parse(&state_));
    EXPECT_EQ(Position(), 1);
    EXPECT_TRUE(OptionalCharMatch('x').parse(&state_));
    EXPECT_EQ(Position(), 1);
    EXPECT_TRUE(OptionalCharMatch('b').parse(&state_));
    EXPECT_EQ(Position(), 2);
    EXPECT_FALSE(RangeMatch(1, 127).parse(&state_)); // the terminating NUL
    EXPECT_EQ(Position(), 2);
}

TEST_F(Parse, RangeComparesSignedBytes) {
    for (const char* text : {"\x80", "\xff", "\xe9"}) {
        Start(text);
        EXPECT_FALSE(RangeMatch(1, 127).parse(&state_));
        EXPECT_EQ(Position(), 0);
    }
    Start("\x7f");
    EXPECT_TRUE(RangeMatch(1, 127).parse(&state_));
    Start("\xe9");
    EXPECT_TRUE(RangeMatch(-128, -1).parse(&state_));
}

TEST_F(Parse, TextMatchTakesAllOrNothing) {
    Start("pix");
    EXPECT_FALSE(TextMatch("pie").parse(&state_));
    EXPECT_EQ(Position(), 0);
    EXPECT_FALSE(TextMatch("pixel").parse(&state_)); // stops at the end of the input
    EXPECT_EQ(Position(), 0);
    EXPECT_TRUE(TextMatch("pi").parse(&state_));
    EXPECT_EQ(Position(), 2);
}

TEST_F(Parse, Repetitions) {
    Start("aaab");
    EXPECT_TRUE(ZeroOrMore(CharMatch('b')).parse(&state_));
    EXPECT_EQ(Position(), 0);
    EXPECT_FALSE(OneOrMore(CharMatch('b')).parse(&state_));
    EXPECT_TRUE(OneOrMore(CharMatch('a')).parse(&state_));
    EXPECT_EQ(Position(), 3);
    EXPECT_TRUE(Optional(CharMatch('a')).parse(&state_));
    EXPECT_EQ(Position(), 3);
}

TEST_F(Parse, AbandonedBranchLeavesTheQueuesExactlyAsBefore) {
    Start("1+2*");
    ASSERT_TRUE(AppendLiteral(&state_.program, MakeInteger(9)));
    ASSERT_TRUE(AppendOpcode(&state_.program, Opcode::Negate));
    // The first branch appends two literals and an opcode, then fails on its last part.
    const auto first = Sequence(Number('1'), Op('+', 19), Number('2'), CharMatch('/'));
    const auto second = Sequence(Number('1'), CharMatch('+'));
    EXPECT_TRUE(Alternative(first, second).parse(&state_));
    EXPECT_EQ(Position(), 2);
    EXPECT_EQ(Literals(), (std::vector<int>{9, 1}));
    EXPECT_EQ(Ops(), (std::vector<int>{0, 2, 0}));
    EXPECT_EQ(Mark(), 1); // the second branch's literal ran last
}

TEST_F(Parse, ProgressMarkSurvivesBacktracking) {
    Start("12(");
    const auto attempt = Sequence(Number('1'), Number('2'), CharMatch(')'));
    EXPECT_FALSE(attempt.parse(&state_));
    EXPECT_EQ(Position(), 0);
    EXPECT_TRUE(Literals().empty());
    EXPECT_TRUE(Ops().empty());
    EXPECT_EQ(Mark(), 2);
    // A later failure that runs no action does not move it.
    EXPECT_FALSE(Choice(CharMatch('x'), TextMatch("12)")).parse(&state_));
    EXPECT_EQ(Mark(), 2);
}

TEST_F(Parse, FirstCharChoiceTriesTheBranchesOfTheNextCharacterInOrder) {
    const auto word = [](const char* text, int32_t opcode) {
        return Branch(text[0], ActionParser(TextMatch(text), opcode, OpcodeAction));
    };
    const auto choice = FirstCharChoice(word("ab", 1), word("b", 2), word("a", 3), word("a", 4));
    Start("ac");
    EXPECT_TRUE(choice.parse(&state_));
    EXPECT_EQ(Ops(), std::vector<int>{3});
    EXPECT_FALSE(choice.parse(&state_));
    EXPECT_EQ(Position(), 1);
}

TEST_F(Parse, DisplayModeIsUndoneWithItsBranch) {
    Start(",x!");
    const auto suffix =
        Sequence(CharMatch(','), ActionParser(CharMatch('x'), 1, DisplayAction), CharMatch('='));
    EXPECT_FALSE(suffix.parse(&state_));
    EXPECT_EQ(state_.program.display, DisplayMode::Decimal);
    EXPECT_EQ(Mark(), 2);
}

TEST_F(Parse, ActionSeesTheMatchedTextAndRunsOnlyOnSuccess) {
    Start("123+");
    EXPECT_FALSE(ActionParser(CharMatch('+'), 0, IntegerLiteralAction).parse(&state_));
    EXPECT_EQ(Mark(), 0);
    EXPECT_TRUE(
        ActionParser(OneOrMore(RangeMatch('0', '9')), 0, IntegerLiteralAction).parse(&state_));
    EXPECT_EQ(Literals(), std::vector<int>{123});
    EXPECT_EQ(Mark(), 3);
}

TEST_F(Parse, RulesAreReachedThroughTheirSlots) {
    Rule nested;
    Rule letter;
    // nested := "(" nested ")" | letter, with letter assigned afterwards.
    nested = Choice(Sequence(CharMatch('('), RuleRef(nested), CharMatch(')')), RuleRef(letter));
    letter = Number('7');
    Start("((7))");
    EXPECT_TRUE(RuleRef(nested).parse(&state_));
    EXPECT_EQ(Position(), 5);
    EXPECT_EQ(Literals(), std::vector<int>{7});
    Start("((7)");
    EXPECT_FALSE(nested.parse(&state_));
    EXPECT_EQ(Position(), 0);
    EXPECT_TRUE(Literals().empty());
}

TEST_F(Parse, NestingLimitCountsOpenLevels) {
    Rule nested;
    nested = NestingLimit(
        Choice(Sequence(CharMatch('('), RuleRef(nested), CharMatch(')')), CharMatch('x')), 3);
    Start("((x))");
    EXPECT_TRUE(nested.parse(&state_));
    EXPECT_EQ(state_.depth, 0);
    Start("(((x)))");
    EXPECT_FALSE(nested.parse(&state_));
    EXPECT_EQ(Position(), 0);
    EXPECT_EQ(state_.depth, 0);
}

void* NoMemory(void*, std::size_t) {
    return nullptr;
}

TEST_F(Parse, AnActionThatCannotAppendFailsAndStopsFurtherActions) {
    Start("12");
    state_.program.ops.reallocate = NoMemory;
    const auto number = Sequence(Number('1'), Number('2'));
    EXPECT_FALSE(number.parse(&state_));
    EXPECT_EQ(state_.halt, Refusal::OutOfMemory);
    EXPECT_EQ(Position(), 0);
    EXPECT_TRUE(Literals().empty());
    EXPECT_TRUE(Ops().empty());
    state_.program.ops.reallocate = std::realloc;
    EXPECT_FALSE(Number('1').parse(&state_));
    EXPECT_EQ(Position(), 0);
}

} // namespace
