// Why the engine refuses to answer an expression with a number.
#pragma once

#include <cstdint>

enum class Refusal : uint8_t {
    None,           // no refusal: the operation was accepted
    ParsingFailed,  // the text is no expression (also a program the parser never produces)
    DivZero,        // integer division by zero
    ModuloComplex,  // modulo with a complex operand
    ModZero,        // modulo by zero
    NumberTooLarge, // an integer literal beyond 32 bits in integer mode
    Undefined,      // a function where it has no value: the tangent of 90 degrees
    OutOfMemory,    // the expression needs more memory than there is
    MixedMarks,     // a number written with both a decimal point and a decimal comma
};

// The text that shows the refusal: its key's text in the loaded language. Running out of
// memory is not a fault of the expression and has no key: it is "Out of memory".
const char* RefusalText(Refusal refusal);
