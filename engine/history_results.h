// Where the results stand in the history box, so that a double-click on a result line can
// take the result back into the input box. The program is the only one that writes the
// history, at its end, or at its start the kept calculations of earlier starts, and empties
// it only together with these places, so they stay true.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

class HistoryResults {
  public:
    // The line "expression=result" of a successful calculation stands from first up to end
    // (its line break) in the history text; result is written without grouped digits.
    void Add(std::size_t first, std::size_t end, const std::string& result);

    // The result whose line holds the character at index, ready to insert: as the parser
    // reads it back with the decimal comma or the point (hexadecimal, binary and character
    // results too), in parentheses when it is not a single number, so that a complex result
    // keeps its value inside a longer expression. False for any other line: the expression of
    // a failed calculation, an error text.
    bool At(std::size_t index, bool decimalComma, std::string* text) const;
    // The result on the line that holds the character at index, to copy: without grouped
    // digits, with the decimal comma or the point; false as for At.
    bool TextAt(std::size_t index, bool decimalComma, std::string* text) const;
    // The result of the newest successful calculation, as TextAt; false when there is none.
    bool Newest(bool decimalComma, std::string* text) const;
    // The lines of earlier, length characters of text put before the history.
    void Prepend(const HistoryResults& earlier, std::size_t length);
    // Forgets every line, as when the history is cleared.
    void Clear();

  private:
    struct Line {
        std::size_t first;
        std::size_t end;
        std::string result;
    };
    std::vector<Line> lines_; // in history order
};
