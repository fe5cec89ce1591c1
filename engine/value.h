// The numbers of the expression language and the codes that pass between the window,
// the parser and the evaluator.
#pragma once

#include <cstdint>

enum class ValueKind : int32_t { Integer = 0, Double = 1, Complex = 2 };

// One number: copied by value, never shared. For Complex, number.real is the real part.
struct Value {
    ValueKind kind;
    union {
        int32_t integer;
        double real;
    } number;
    double imag;
};

Value MakeInteger(int32_t n);
Value MakeDouble(double x);
Value MakeComplex(double re, double im);

double AsDouble(const Value& v);
double RealPart(const Value& v);
double ImagPart(const Value& v);

// Options handed from the window with each request.
using EvalFlags = uint8_t;
namespace EvalFlag {
constexpr EvalFlags Floating = 1; // integer literals become Double values
constexpr EvalFlags Radians = 2;  // angles in radians; degrees when clear
// Numbers are read and written with a decimal comma; a point is read as well.
constexpr EvalFlags DecimalComma = 4;
} // namespace EvalFlag

// How an Integer result is written; set by the ",x" ",b" ",c" suffix.
enum class DisplayMode : int32_t { Decimal = 0, Hexadecimal = 1, Binary = 2, Character = 3 };

// Operation codes: the literal, the two signs and the operators of two operands, then the
// functions, each at its place in the function table, so that a new function renumbers
// nothing.
enum class Opcode : int32_t {
    PushLiteral = 0,
    Plus = 1,
    Negate = 2,
    Add = 3,
    Subtract = 4,
    Multiply = 5,
    Divide = 6,
    Modulo = 7,
    Power = 8,
    FirstFunction = 9, // the function table's first entry; the others follow it
};
