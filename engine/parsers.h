// Parser combinators. Small parser values are composed by value into expression trees; a
// Rule owns one heap-allocated parser holding such a tree, and other parsers reach a rule
// through its slot, so a rule may be referred to before it is assigned, or by itself.
// Every parser that fails leaves the state as it found it (the progress mark aside).
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <tuple>
#include <utility>

#include "engine/parse_state.h"

class Parser {
  public:
    virtual ~Parser() = default;
    virtual bool parse(ParseState* state) const = 0;
};

class Rule {
  public:
    Rule() = default;
    Rule(const Rule&) = delete;
    Rule& operator=(const Rule&) = delete;

    // Replaces the slot's parser with one that runs a copy of expression.
    template <class Expression> void operator=(Expression expression) {
        parser_ = std::make_unique<RuleParser<Expression>>(std::move(expression));
    }

    bool parse(ParseState* state) const { return parser_->parse(state); }

  private:
    template <class Expression> class RuleParser final : public Parser {
      public:
        explicit RuleParser(Expression expression) : expression_(std::move(expression)) {}
        bool parse(ParseState* state) const override { return expression_.parse(state); }

      private:
        Expression expression_;
    };

    std::unique_ptr<Parser> parser_;
};

class CharMatch {
  public:
    explicit CharMatch(char c) : c_(c) {}
    bool parse(ParseState* state) const {
        if (*state->cur != c_) {
            return false;
        }
        ++state->cur;
        return true;
    }

  private:
    char c_;
};

class OptionalCharMatch {
  public:
    explicit OptionalCharMatch(char c) : c_(c) {}
    bool parse(ParseState* state) const {
        if (*state->cur == c_) {
            ++state->cur;
        }
        return true;
    }

  private:
    char c_;
};

// Compares as signed 8-bit values, so a range up to 127 excludes the codes 128 to 255.
class RangeMatch {
  public:
    RangeMatch(int lo, int hi)
        : lo_(static_cast<signed char>(lo)), hi_(static_cast<signed char>(hi)) {}
    bool parse(ParseState* state) const {
        const signed char c = static_cast<signed char>(*state->cur);
        if (c < lo_ || c > hi_) {
            return false;
        }
        ++state->cur;
        return true;
    }

  private:
    signed char lo_;
    signed char hi_;
};

class TextMatch {
  public:
    explicit TextMatch(const char* text) : text_(text) {}
    bool parse(ParseState* state) const {
        const char* in = state->cur;
        for (const char* t = text_; *t != '\0'; ++t, ++in) {
            if (*in != *t) {
                return false;
            }
        }
        state->cur = in;
        return true;
    }

  private:
    const char* text_;
};

class RuleRef {
  public:
    explicit RuleRef(const Rule& rule) : rule_(&rule) {}
    bool parse(ParseState* state) const { return rule_->parse(state); }

  private:
    const Rule* rule_;
};

template <class... Parts> class Sequence {
  public:
    explicit Sequence(Parts... parts) : parts_(std::move(parts)...) {}
    bool parse(ParseState* state) const {
        const ParserSnapshot before = TakeSnapshot(*state);
        const bool matched = std::apply(
            [state](const Parts&... part) { return (part.parse(state) && ...); }, parts_);
        if (!matched) {
            RestoreSnapshot(state, before);
        }
        return matched;
    }

  private:
    std::tuple<Parts...> parts_;
};

// Ordered choice: B is tried only when A failed, and A's failure left the state unchanged.
template <class A, class B> class Alternative {
  public:
    Alternative(A a, B b) : a_(std::move(a)), b_(std::move(b)) {}
    bool parse(ParseState* state) const { return a_.parse(state) || b_.parse(state); }

  private:
    A a_;
    B b_;
};

// Ordered choice over more than two parts, as nested alternatives.
template <class A, class B> Alternative<A, B> Choice(A a, B b) {
    return Alternative<A, B>(std::move(a), std::move(b));
}
template <class A, class B, class C, class... Rest> auto Choice(A a, B b, C c, Rest... rest) {
    return Choice(std::move(a), Choice(std::move(b), std::move(c), std::move(rest)...));
}

// A part of a FirstCharChoice, which can match only where the input begins with first.
template <class Part> struct FirstCharBranch {
    char first;
    Part part;
};

template <class Part> FirstCharBranch<Part> Branch(char first, Part part) {
    return {first, std::move(part)};
}

// Ordered choice over branches of one kind. Only the branches whose first character is the
// one at cur are tried, in their order; any other would fail there without running an
// action, so the result and the progress mark are those of trying every branch in turn.
template <class Part, std::size_t N> class FirstCharChoice {
  public:
    template <class... More>
    explicit FirstCharChoice(FirstCharBranch<Part> branch, More... more)
        : branches_{std::move(branch), std::move(more)...} {}
    bool parse(ParseState* state) const {
        const char c = *state->cur;
        for (const FirstCharBranch<Part>& branch : branches_) {
            if (branch.first == c && branch.part.parse(state)) {
                return true;
            }
        }
        return false;
    }

  private:
    std::array<FirstCharBranch<Part>, N> branches_;
};

template <class Part, class... More>
FirstCharChoice(FirstCharBranch<Part>, More...) -> FirstCharChoice<Part, 1 + sizeof...(More)>;

template <class Part> class Optional {
  public:
    explicit Optional(Part part) : part_(std::move(part)) {}
    bool parse(ParseState* state) const {
        part_.parse(state);
        return true;
    }

  private:
    Part part_;
};

// Every part the grammar repeats consumes input when it succeeds, so the loop ends.
template <class Part> class ZeroOrMore {
  public:
    explicit ZeroOrMore(Part part) : part_(std::move(part)) {}
    bool parse(ParseState* state) const {
        while (part_.parse(state)) {
        }
        return true;
    }

  private:
    Part part_;
};

template <class Part> class OneOrMore {
  public:
    explicit OneOrMore(Part part) : part_(std::move(part)) {}
    bool parse(ParseState* state) const {
        if (!part_.parse(state)) {
            return false;
        }
        while (part_.parse(state)) {
        }
        return true;
    }

  private:
    Part part_;
};

// Called after the subject matched the text from before.cur up to state->cur. False when
// memory ran out while appending to the program, or when the action refuses what it
// matched, having set the state's halt.
using ActionRoutine = bool (*)(int32_t data, const ParserSnapshot& before, ParseState* state);

// Runs the action when the subject matched. An action that fails fails the parser and halts
// the state (out of memory, unless it gave its own refusal), after which no further action
// runs and the parse fails.
template <class Subject> class ActionParser {
  public:
    ActionParser(Subject subject, int32_t data, ActionRoutine action)
        : subject_(std::move(subject)), data_(data), action_(action) {}
    bool parse(ParseState* state) const {
        if (state->halt != Refusal::None) {
            return false;
        }
        const ParserSnapshot before = TakeSnapshot(*state);
        if (!subject_.parse(state)) {
            return false;
        }
        if (action_(data_, before, state)) {
            return true;
        }
        if (state->halt == Refusal::None) {
            state->halt = Refusal::OutOfMemory;
        }
        RestoreSnapshot(state, before);
        return false;
    }

  private:
    Subject subject_;
    int32_t data_;
    ActionRoutine action_;
};

// Bounds how deeply the part may be nested inside itself, so that deep nesting fails the
// parse instead of exhausting the stack.
template <class Part> class NestingLimit {
  public:
    NestingLimit(Part part, int32_t limit) : part_(std::move(part)), limit_(limit) {}
    bool parse(ParseState* state) const {
        if (state->depth >= limit_) {
            return false;
        }
        ++state->depth;
        const bool matched = part_.parse(state);
        --state->depth;
        return matched;
    }

  private:
    Part part_;
    int32_t limit_;
};
