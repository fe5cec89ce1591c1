// Where the results stand in the history box, so that a double-click on a result line can
// take the result back into the input box. The program is the only one that writes the
// history, and only at its end, so the places stay true.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

class HistoryResults {
  public:
    // The line "expression=result" of a successful calculation stands from first up to end
    // (its line break) in the history text.
    void Add(std::size_t first, std::size_t end, const std::string& result);

    // The result whose line holds the character at index, ready to insert: as shown, which
    // the parser reads back (hexadecimal, binary and character results too), or in
    // parentheses when it is not a single number, so that a complex result keeps its value
    // inside a longer expression. False for any other line: the expression of a failed
    // calculation, an error text.
    bool At(std::size_t index, std::string* text) const;

  private:
    struct Line {
        std::size_t first;
        std::size_t end;
        std::string insertable;
    };
    std::vector<Line> lines_; // in history order
};
