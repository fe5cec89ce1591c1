#include "engine/integer_math.h"

int32_t IntegerFromBits(uint32_t bits) {
    return bits <= INT32_MAX ? static_cast<int32_t>(bits)
                             : static_cast<int32_t>(bits - 2147483648u) + INT32_MIN;
}

namespace {

uint32_t ToBits(int32_t n) {
    return static_cast<uint32_t>(n);
}

} // namespace

int32_t IntegerSum(int32_t a, int32_t b) {
    return IntegerFromBits(ToBits(a) + ToBits(b));
}

int32_t IntegerDifference(int32_t a, int32_t b) {
    return IntegerFromBits(ToBits(a) - ToBits(b));
}

int32_t IntegerProduct(int32_t a, int32_t b) {
    return IntegerFromBits(ToBits(a) * ToBits(b));
}

int32_t IntegerNegation(int32_t a) {
    return IntegerFromBits(0u - ToBits(a));
}

int32_t IntegerAbsolute(int32_t a) {
    return a < 0 ? IntegerNegation(a) : a;
}

int32_t IntegerQuotient(int32_t a, int32_t b) {
    return b == -1 ? IntegerNegation(a) : a / b;
}

int32_t IntegerRemainder(int32_t a, int32_t b) {
    return b == -1 ? 0 : a % b;
}

bool IntegerPower(int32_t a, int32_t n, int32_t* result) {
    if (n < 0) {
        // 1 / a^|n| truncated: only a base of magnitude 1 leaves something above zero.
        if (a == 0) {
            return false;
        }
        if (a == 1 || a == -1) {
            *result = (a == -1 && n % 2 != 0) ? -1 : 1;
        } else {
            *result = 0;
        }
        return true;
    }
    // Multiplication modulo 2^32 is associative, so squaring gives the repeated product.
    uint32_t base = ToBits(a);
    uint32_t product = 1;
    for (uint32_t exponent = static_cast<uint32_t>(n); exponent != 0; exponent >>= 1) {
        if ((exponent & 1u) != 0) {
            product *= base;
        }
        base *= base;
    }
    *result = IntegerFromBits(product);
    return true;
}
