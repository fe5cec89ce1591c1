#include "engine/value_text.h"

#include <charconv>
#include <cstdint>
#include <cstring>

namespace {

constexpr int kBitDigits = 16;

void AppendBits(double x, std::string* text) {
    uint64_t bits = 0;
    std::memcpy(&bits, &x, sizeof bits);
    char digits[kBitDigits];
    for (int i = kBitDigits - 1; i >= 0; --i) {
        digits[i] = "0123456789ABCDEF"[bits & 0xF];
        bits >>= 4;
    }
    text->append(digits, kBitDigits);
}

bool ReadBits(std::string_view text, double* x) {
    uint64_t bits = 0;
    if (text.size() != kBitDigits) {
        return false;
    }
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), bits, 16);
    if (error != std::errc() || end != text.data() + text.size()) {
        return false;
    }
    std::memcpy(x, &bits, sizeof bits);
    return true;
}

} // namespace

std::string ExactValueText(const Value& value) {
    switch (value.kind) {
    case ValueKind::Integer:
        return "i:" + std::to_string(value.number.integer);
    case ValueKind::Double: {
        std::string text = "d:";
        AppendBits(value.number.real, &text);
        return text;
    }
    case ValueKind::Complex:
    default: {
        std::string text = "c:";
        AppendBits(value.number.real, &text);
        text += ',';
        AppendBits(value.imag, &text);
        return text;
    }
    }
}

bool ReadExactValue(std::string_view text, Value* value) {
    if (text.size() < 3 || text[1] != ':') {
        return false;
    }
    const std::string_view rest = text.substr(2);
    switch (text[0]) {
    case 'i': {
        int32_t n = 0;
        const auto [end, error] = std::from_chars(rest.data(), rest.data() + rest.size(), n);
        if (error != std::errc() || end != rest.data() + rest.size()) {
            return false;
        }
        *value = MakeInteger(n);
        return true;
    }
    case 'd': {
        double x = 0.0;
        if (!ReadBits(rest, &x)) {
            return false;
        }
        *value = MakeDouble(x);
        return true;
    }
    case 'c': {
        double re = 0.0;
        double im = 0.0;
        if (rest.size() != 2 * kBitDigits + 1 || rest[kBitDigits] != ',' ||
            !ReadBits(rest.substr(0, kBitDigits), &re) ||
            !ReadBits(rest.substr(kBitDigits + 1), &im)) {
            return false;
        }
        *value = MakeComplex(re, im);
        return true;
    }
    default:
        return false;
    }
}
