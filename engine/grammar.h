// The expression grammar: twenty rules, each a slot owning its parser.
#pragma once

#include <cstdint>

#include "engine/parsers.h"

// How many factors may be nested one inside another: every "(" and every unary sign is one
// more. A level takes at most about 640 bytes of stack in the optimised 32-bit build (some
// 4.6 KB with the sanitizers), so the deepest parse stays under 0.7 MiB of the program's
// 1 MiB stack.
constexpr int32_t kMaxNesting = 1100;

struct Grammar {
    Rule Constant;
    Rule CharLiteral;
    Rule DecLiteral;
    Rule ExponentMark;
    Rule Sign;
    Rule ExponentPart;
    Rule PointFraction;
    Rule ScaledFraction;
    Rule FloatLiteral;
    Rule BinLiteral;
    Rule HexLiteral;
    Rule Literal;
    Rule Group;
    Rule FunctionCall;
    Rule Factor;
    Rule Exponentiation;
    Rule Term;
    Rule Expression;
    Rule DisplaySuffix;
    Rule Statement;
};

// The grammar with all twenty rules assigned; Statement is the start rule. Built on first
// use, from whichever thread comes first, and only read after that, by every parse.
const Grammar& SharedGrammar();
