// A filter from standard input to standard output, one answer line for each input line, for
// a program that another program may drive one line at a time.
#pragma once

#include <functional>
#include <string>

using LineAnswer = std::function<bool(const std::string& line, std::string* answer)>;

// Reads standard input as bytes, on Windows too (where text mode would end it at a Ctrl-Z);
// a CR that ends a line is dropped, and the last line needs no line feed. Writes each line's
// answer and a line break. Output is flushed only when no more input is waiting, so a long
// input is answered in large blocks, while a program that writes one line and waits gets the
// answer at once. Takes over the standard streams: call it before any other use of them.
// False when the answer to some line was false.
bool AnswerLines(const LineAnswer& answer);
