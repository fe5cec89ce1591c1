#include "engine/literal_actions.h"

#include <cmath>
#include <cstdlib>
#include <string_view>

#include "engine/angles.h"
#include "engine/exponential.h"
#include "engine/integer_math.h"

namespace {

constexpr uint64_t kLargest32Bits = 0xFFFFFFFF;
// Up to this an integer is exact in a double, whatever its base.
constexpr uint64_t kLargestExactInDouble = uint64_t{1} << 53;

// c is a digit of the literal's base, as the grammar matched it.
int32_t DigitValue(char c) {
    if (c <= '9') {
        return c - '0';
    }
    return c >= 'a' ? c - 'a' + 10 : c - 'A' + 10;
}

// The value of the digits (of the base only, as the grammar matched them) while it stays
// at most limit; false once it exceeds it.
bool ConvertDigits(const char* begin, const char* end, uint64_t base, uint64_t limit,
                   uint64_t* value) {
    uint64_t n = 0;
    for (const char* p = begin; p != end; ++p) {
        n = n * base + static_cast<uint64_t>(DigitValue(*p));
        if (n > limit) {
            return false;
        }
    }
    *value = n;
    return true;
}

// The double nearest the value of digits of bitsPerDigit bits each (hexadecimal or binary),
// however many: the leading 60 or more significant bits, with a sticky bit for any nonzero
// bit beyond, round once to the double, then the power of two is applied exactly.
double NearestOfPowerOfTwoDigits(const char* begin, const char* end, int bitsPerDigit) {
    uint64_t top = 0;
    int beyond = 0;
    bool sticky = false;
    for (const char* p = begin; p != end; ++p) {
        const auto digit = static_cast<uint64_t>(DigitValue(*p));
        if ((top >> (64 - bitsPerDigit)) == 0) {
            top = (top << bitsPerDigit) | digit;
        } else {
            beyond += bitsPerDigit;
            sticky = sticky || digit != 0;
        }
    }
    return std::ldexp(static_cast<double>(top | (sticky ? 1u : 0u)), beyond);
}

// strtod's nearest double of the matched text, through a terminated copy in which "d" and
// "D", which also mark an exponent, are written "e", and a decimal comma is a point. False
// only when memory runs out.
bool ConvertText(const char* begin, const char* end, double* x) {
    const std::size_t length = static_cast<std::size_t>(end - begin);
    char local[64];
    char* text = length < sizeof local ? local : static_cast<char*>(std::malloc(length + 1));
    if (text == nullptr) {
        return false;
    }
    for (std::size_t k = 0; k < length; ++k) {
        const char c = begin[k];
        text[k] = c == 'd' || c == 'D' ? 'e' : c == ',' ? '.' : c;
    }
    text[length] = '\0';
    *x = std::strtod(text, nullptr);
    if (text != local) {
        std::free(text);
    }
    return true;
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

// With a decimal comma, the literal from begin to end goes on with the other decimal mark:
// "1.000,5" or "1,000.5", which a reader of either mark could take for a thousand. A comma
// after a literal with a point is the display suffix's unless a digit follows it.
bool MixesMarks(const char* begin, const char* end, EvalFlags flags) {
    if ((flags & EvalFlag::DecimalComma) == 0) {
        return false;
    }
    const std::string_view literal(begin, static_cast<std::size_t>(end - begin));
    if (literal.find(',') != std::string_view::npos) {
        return *end == '.';
    }
    return literal.find('.') != std::string_view::npos && end[0] == ',' && end[1] >= '0' &&
           end[1] <= '9';
}

bool Append(ParseState* state, const Value& value) {
    return AppendLiteral(&state->program, value);
}

} // namespace

bool IntegerLiteralAction(int32_t radix, const ParserSnapshot& before, ParseState* state) {
    *state->progressMark = state->cur;
    const bool floating = (state->flags & EvalFlag::Floating) != 0;
    if (radix == Radix::Character) {
        const int32_t code = CharacterCode(before.cur);
        return Append(state, floating ? MakeDouble(code) : MakeInteger(code));
    }
    const char* digits = radix == Radix::Decimal ? before.cur : before.cur + 2; // "0x", "0b"
    const uint64_t base = radix == Radix::Hexadecimal ? 16 : radix == Radix::Binary ? 2 : 10;
    uint64_t n = 0;
    if (ConvertDigits(digits, state->cur, base, floating ? kLargestExactInDouble : kLargest32Bits,
                      &n)) {
        // At most 2^53 in floating mode: through the signed conversion, the one instruction.
        return Append(state, floating ? MakeDouble(static_cast<double>(static_cast<int64_t>(n)))
                                      : MakeInteger(IntegerFromBits(static_cast<uint32_t>(n))));
    }
    if (!floating) {
        state->halt = Refusal::NumberTooLarge;
        return false;
    }
    double x = 0.0;
    if (radix == Radix::Decimal) {
        if (!ConvertText(digits, state->cur, &x)) {
            return false;
        }
    } else {
        x = NearestOfPowerOfTwoDigits(digits, state->cur, radix == Radix::Hexadecimal ? 4 : 1);
    }
    return Append(state, MakeDouble(x));
}

bool FloatLiteralAction(int32_t, const ParserSnapshot& before, ParseState* state) {
    *state->progressMark = state->cur;
    if (MixesMarks(before.cur, state->cur, state->flags)) {
        state->halt = Refusal::MixedMarks;
        return false;
    }
    double x = 0.0;
    return ConvertText(before.cur, state->cur, &x) && Append(state, MakeDouble(x));
}

bool ConstantAction(int32_t constant, const ParserSnapshot&, ParseState* state) {
    *state->progressMark = state->cur;
    switch (constant) {
    case ConstantIndex::Pi:
        return Append(state, MakeDouble(kPi));
    case ConstantIndex::E:
        return Append(state, MakeDouble(kConstantE));
    case ConstantIndex::I:
        return Append(state, MakeComplex(0.0, 1.0));
    default:
        return Append(state, *state->answer);
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
