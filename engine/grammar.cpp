#include "engine/grammar.h"

#include <utility>

#include "engine/function_table.h"
#include "engine/literal_actions.h"

namespace {

RangeMatch Digit() {
    return RangeMatch('0', '9');
}

// The decimal mark: a point, and with a decimal comma a comma followed by a digit as well;
// any other comma is the display suffix's.
class DecimalMark {
  public:
    bool parse(ParseState* state) const {
        const char c = *state->cur;
        const bool comma = c == ',' && (state->flags & EvalFlag::DecimalComma) != 0 &&
                           state->cur[1] >= '0' && state->cur[1] <= '9';
        if (c != '.' && !comma) {
            return false;
        }
        ++state->cur;
        return true;
    }
};

// A number directly followed by a constant is multiplied by it.
auto ImplicitConstant(const Rule& constant) {
    return Optional(
        ActionParser(RuleRef(constant), static_cast<int32_t>(Opcode::Multiply), OpcodeAction));
}

auto NamedConstant(const char* name, int32_t index) {
    return Branch(name[0], ActionParser(TextMatch(name), index, ConstantAction));
}

auto Call(const char* name, Opcode opcode, const Rule& group) {
    return Branch(name[0], ActionParser(Sequence(TextMatch(name), RuleRef(group)),
                                        static_cast<int32_t>(opcode), OpcodeAction));
}

// Every function of the table, tried in its order.
template <std::size_t... K> auto FunctionCalls(const Rule& group, std::index_sequence<K...>) {
    return FirstCharChoice(Call(kFunctions[K].name, FunctionOpcode(K), group)...);
}

// The operator character, then the right operand, then the operator's opcode.
auto Operation(char op, const Rule& operand, Opcode opcode) {
    return ActionParser(Sequence(CharMatch(op), RuleRef(operand)), static_cast<int32_t>(opcode),
                        OpcodeAction);
}

auto Display(char letter, DisplayMode mode) {
    return ActionParser(CharMatch(letter), static_cast<int32_t>(mode), DisplayAction);
}

// The rules refer to one another by address, so they are assigned in place.
void GrammarBuild(Grammar* g) {
    g->Constant = FirstCharChoice(
        NamedConstant("pi", ConstantIndex::Pi), NamedConstant("e", ConstantIndex::E),
        NamedConstant("i", ConstantIndex::I), NamedConstant("ans", ConstantIndex::Answer));
    g->CharLiteral = ActionParser(
        Sequence(CharMatch('\''), OptionalCharMatch('\\'), RangeMatch(1, 127), CharMatch('\'')),
        Radix::Character, IntegerLiteralAction);
    g->DecLiteral = Sequence(ActionParser(OneOrMore(Digit()), Radix::Decimal, IntegerLiteralAction),
                             ImplicitConstant(g->Constant));
    g->ExponentMark = Choice(CharMatch('e'), CharMatch('E'), CharMatch('d'), CharMatch('D'));
    g->Sign = Choice(CharMatch('-'), CharMatch('+'));
    g->ExponentPart =
        Sequence(RuleRef(g->ExponentMark), Optional(RuleRef(g->Sign)), OneOrMore(Digit()));
    g->PointFraction =
        Sequence(DecimalMark(), ZeroOrMore(Digit()), Optional(RuleRef(g->ExponentPart)));
    g->ScaledFraction =
        Sequence(Optional(DecimalMark()), ZeroOrMore(Digit()), RuleRef(g->ExponentPart));
    // A floating literal holds at least one mantissa digit: "e+1" is e plus 1, and a lone
    // "." or ".e5" is no number.
    g->FloatLiteral = Sequence(
        ActionParser(
            Choice(Sequence(OneOrMore(Digit()),
                            Choice(RuleRef(g->ScaledFraction), RuleRef(g->PointFraction))),
                   Sequence(DecimalMark(), OneOrMore(Digit()), Optional(RuleRef(g->ExponentPart)))),
            0, FloatLiteralAction),
        ImplicitConstant(g->Constant));
    g->BinLiteral =
        Sequence(ActionParser(Sequence(TextMatch("0b"), OneOrMore(RangeMatch('0', '1'))),
                              Radix::Binary, IntegerLiteralAction),
                 ImplicitConstant(g->Constant));
    g->HexLiteral =
        Sequence(ActionParser(Sequence(TextMatch("0x"),
                                       OneOrMore(Choice(RangeMatch('0', '9'), RangeMatch('a', 'f'),
                                                        RangeMatch('A', 'F')))),
                              Radix::Hexadecimal, IntegerLiteralAction),
                 ImplicitConstant(g->Constant));
    g->Literal = Choice(RuleRef(g->HexLiteral), RuleRef(g->BinLiteral), RuleRef(g->FloatLiteral),
                        RuleRef(g->DecLiteral), RuleRef(g->Constant), RuleRef(g->CharLiteral));
    g->Group = Sequence(CharMatch('('), RuleRef(g->Expression), CharMatch(')'));
    g->FunctionCall = FunctionCalls(g->Group, std::make_index_sequence<kFunctionCount>());
    g->Factor = NestingLimit(Choice(RuleRef(g->FunctionCall), RuleRef(g->Literal),
                                    RuleRef(g->Group), Operation('+', g->Factor, Opcode::Plus),
                                    Operation('-', g->Factor, Opcode::Negate)),
                             kMaxNesting);
    g->Exponentiation =
        Sequence(RuleRef(g->Factor), ZeroOrMore(Operation('^', g->Factor, Opcode::Power)));
    g->Term = Sequence(RuleRef(g->Exponentiation),
                       ZeroOrMore(Choice(Operation('*', g->Exponentiation, Opcode::Multiply),
                                         Operation('/', g->Exponentiation, Opcode::Divide),
                                         Operation('%', g->Exponentiation, Opcode::Modulo))));
    g->Expression =
        Sequence(RuleRef(g->Term), ZeroOrMore(Choice(Operation('+', g->Term, Opcode::Add),
                                                     Operation('-', g->Term, Opcode::Subtract))));
    g->DisplaySuffix = Sequence(CharMatch(','), Choice(Display('x', DisplayMode::Hexadecimal),
                                                       Display('b', DisplayMode::Binary),
                                                       Display('c', DisplayMode::Character)));
    g->Statement =
        Sequence(RuleRef(g->Expression), Optional(RuleRef(g->DisplaySuffix)), CharMatch('='));
}

// Owns the one grammar, whose rules are assigned as it is constructed.
struct BuiltGrammar {
    BuiltGrammar() { GrammarBuild(&rules); }
    Grammar rules;
};

} // namespace

const Grammar& SharedGrammar() {
    static const BuiltGrammar grammar;
    return grammar.rules;
}
