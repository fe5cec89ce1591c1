#include "engine/format_result.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>

#include "engine/integer_math.h"

std::string NumberText(double x, char decimalMark) {
    if (std::isnan(x)) {
        return "nan";
    }
    if (std::isinf(x)) {
        return x < 0 ? "-inf" : "inf";
    }
    if (x == 0.0) {
        return "0";
    }
    // to_chars is locale-free and identical in every runtime, unlike _gcvt or printf.
    char text[64];
    const auto result = std::to_chars(text, text + sizeof text, x, std::chars_format::general, 16);
    std::replace(text, result.ptr, '.', decimalMark);
    return std::string(text, result.ptr);
}

namespace {

std::string HexText(uint32_t bits) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%X", static_cast<unsigned>(bits));
    return text;
}

std::string BinaryText(uint32_t bits) {
    std::string digits;
    do {
        digits.insert(digits.begin(), static_cast<char>('0' + (bits & 1u)));
        bits >>= 1;
    } while (bits != 0);
    return "0b" + digits;
}

// Control characters that have an escape in a character literal are written as it, so a
// result stays on one history line and can be typed back; so is the backslash, which a
// literal can only hold escaped.
std::string CharacterText(uint32_t bits) {
    static const char kEscapes[] = "abtnvfr"; // codes 7..13
    const unsigned char byte = static_cast<unsigned char>(bits & 0xFFu);
    std::string text = "'";
    if (byte == 0) {
        text += "\\0";
    } else if (byte == '\\') {
        text += "\\\\";
    } else if (byte >= 7 && byte <= 13) {
        text += '\\';
        text += kEscapes[byte - 7];
    } else {
        text += static_cast<char>(byte);
    }
    return text + "'";
}

// A Double that is an integer from -2^31 to 2^32 - 1 is shown in a display mode as that
// 32-bit integer would be, so its 32-bit reading; false for any other.
bool IntegralAs32Bits(double x, int32_t* n) {
    if (!(x >= -2147483648.0 && x <= 4294967295.0) || std::trunc(x) != x) {
        return false;
    }
    *n = IntegerFromBits(static_cast<uint32_t>(static_cast<uint64_t>(static_cast<int64_t>(x))));
    return true;
}

std::string IntegerText(int32_t n, DisplayMode display) {
    const uint32_t bits = static_cast<uint32_t>(n);
    switch (display) {
    case DisplayMode::Hexadecimal:
        return HexText(bits);
    case DisplayMode::Binary:
        return BinaryText(bits);
    case DisplayMode::Character:
        return CharacterText(bits);
    case DisplayMode::Decimal:
        break;
    }
    return std::to_string(n);
}

} // namespace

std::string FormatResult(const Value& value, DisplayMode display, char decimalMark) {
    switch (value.kind) {
    case ValueKind::Complex: {
        const double im = ImagPart(value);
        const std::string re = NumberText(RealPart(value), decimalMark);
        if (im < 0) {
            return re + " - " + NumberText(-im, decimalMark) + " i";
        }
        return re + " + " + NumberText(im, decimalMark) + " i";
    }
    case ValueKind::Double: {
        int32_t n = 0;
        if (display != DisplayMode::Decimal && IntegralAs32Bits(value.number.real, &n)) {
            return IntegerText(n, display);
        }
        return NumberText(value.number.real, decimalMark);
    }
    case ValueKind::Integer:
        break;
    }
    return IntegerText(value.number.integer, display);
}
