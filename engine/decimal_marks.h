// Numbers as the user writes them: a text of one decimal mark in the other, and a result's
// digits grouped for reading.
#pragma once

#include <string>
#include <string_view>

// A result text, written with either mark, as it reads back with the decimal comma or the
// point: in a result every point or comma is a decimal mark, but in a character result.
std::string ResultWithMark(std::string_view result, bool decimalComma);

// An expression typed with one decimal mark, meaning the same with the other: only a mark
// followed by a digit (spaces aside) is a decimal one; a comma before a letter is the
// display suffix's, and a character literal holds no mark followed by a digit.
std::string ExpressionWithMark(std::string_view expression, bool fromComma, bool toComma);

// The result with separator between the groups of three digits of the integer part of each
// of its decimal numbers; separator 0 leaves it as it is. Only the digits at a number's start
// form such a run longer than one: not a fraction, an exponent, 0x or 0b, or a character.
std::string GroupedDigits(std::string_view result, char separator);
