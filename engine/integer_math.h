// 32-bit two's-complement arithmetic of the expression language: every result wraps modulo
// 2^32 and no operation can trap, not even the most negative integer divided by -1.
#pragma once

#include <cstdint>

// The two's-complement reading of a 32-bit pattern, without an implementation-defined cast.
int32_t IntegerFromBits(uint32_t bits);

int32_t IntegerSum(int32_t a, int32_t b);
int32_t IntegerDifference(int32_t a, int32_t b);
int32_t IntegerProduct(int32_t a, int32_t b);
int32_t IntegerNegation(int32_t a);
// The most negative integer stays itself.
int32_t IntegerAbsolute(int32_t a);

// Truncated toward zero; b must not be 0. INT32_MIN / -1 wraps to INT32_MIN.
int32_t IntegerQuotient(int32_t a, int32_t b);
// Sign of a; b must not be 0. INT32_MIN % -1 is 0.
int32_t IntegerRemainder(int32_t a, int32_t b);

// a to the power n as an integer: the wrapping product of n copies of a for n >= 1, 1 for
// n = 0 (also 0^0), and for n < 0 the truncated quotient 1 / a^|n|. False only for 0 to a
// negative power, which divides by zero.
bool IntegerPower(int32_t a, int32_t n, int32_t* result);
