#include "engine/literal_actions.h"

#include <cstdlib>

namespace {

constexpr uint64_t kIntegerMax = 2147483647;

int32_t DigitValue(char c) {
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return c - '0';
}

// The digits are of the base only (the grammar matched them); saturates at 2147483647.
int32_t ConvertDigits(const char* begin, const char* end, uint64_t base) {
    uint64_t value = 0;
    for (const char* p = begin; p != end && value <= kIntegerMax; ++p) {
        value = value * base + static_cast<uint64_t>(DigitValue(*p));
    }
    return static_cast<int32_t>(value > kIntegerMax ? kIntegerMax : value);
}

int32_t EscapeCode(char c) {
    switch (c) {
    case 'a':
        return 7;
    case 'b':
        return 8;
    case 't':
        return 9;
    case 'n':
        return 10;
    case 'v':
        return 11;
    case 'f':
        return 12;
    case 'r':
        return 13;
    case '"':
        return 34;
    case '\'':
        return 39;
    case '\\':
        return 92;
    default:
        return 0;
    }
}

// The text is 'c' or '\c'; the grammar allows only codes 1 to 127 for c.
int32_t CharacterCode(const char* text) {
    if (text[1] != '\\') {
        return text[1];
    }
    return EscapeCode(text[2]);
}

bool Append(ParseState* state, const Value& value) {
    return AppendLiteral(&state->program, value);
}

} // namespace

bool IntegerLiteralAction(int32_t radix, const ParserSnapshot& before, ParseState* state) {
    *state->progressMark = state->cur;
    int32_t n = 0;
    switch (radix) {
    case Radix::Hexadecimal:
        n = ConvertDigits(before.cur + 2, state->cur, 16);
        break;
    case Radix::Binary:
        n = ConvertDigits(before.cur + 2, state->cur, 2);
        break;
    case Radix::Character:
        n = CharacterCode(before.cur);
        break;
    default:
        n = ConvertDigits(before.cur, state->cur, 10);
        break;
    }
    const bool floating = (state->flags & EvalFlag::Floating) != 0;
    return Append(state, floating ? MakeDouble(n) : MakeInteger(n));
}

bool FloatLiteralAction(int32_t, const ParserSnapshot& before, ParseState* state) {
    *state->progressMark = state->cur;
    // strtod needs a terminated copy, with the exponent marked the way it knows.
    const std::size_t length = static_cast<std::size_t>(state->cur - before.cur);
    char local[64];
    char* text = length < sizeof local ? local : static_cast<char*>(std::malloc(length + 1));
    if (text == nullptr) {
        return false;
    }
    for (std::size_t k = 0; k < length; ++k) {
        const char c = before.cur[k];
        text[k] = c == 'd' || c == 'D' ? 'e' : c;
    }
    text[length] = '\0';
    const double x = std::strtod(text, nullptr);
    if (text != local) {
        std::free(text);
    }
    return Append(state, MakeDouble(x));
}

bool ConstantAction(int32_t constant, const ParserSnapshot&, ParseState* state) {
    *state->progressMark = state->cur;
    switch (constant) {
    case ConstantIndex::Pi:
        return Append(state, MakeDouble(3.141592653589793));
    case ConstantIndex::E:
        return Append(state, MakeDouble(2.718281828459045));
    default:
        return Append(state, MakeComplex(0.0, 1.0));
    }
}

bool OpcodeAction(int32_t opcode, const ParserSnapshot&, ParseState* state) {
    *state->progressMark = state->cur;
    return AppendOpcode(&state->program, static_cast<Opcode>(opcode));
}

bool DisplayAction(int32_t display, const ParserSnapshot&, ParseState* state) {
    *state->progressMark = state->cur;
    state->program.display = static_cast<DisplayMode>(display);
    return true;
}
