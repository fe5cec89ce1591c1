// The expressions calculated since the program started, after those kept from earlier
// starts, brought back into the input box with Up and Down as a shell brings back its
// commands. An expression comes back meaning what it meant when it was typed: its decimal
// marks are those of the mark in use.
#pragma once

#include <string>
#include <vector>

class ExpressionRecall {
  public:
    // A calculated expression, typed with a decimal comma or the point, failed ones
    // included; a repeat of the newest is kept once. Ends a recall in progress.
    void Add(const std::string& expression, bool decimalComma);

    // Up: the entry before the one shown, the newest when no recall is in progress, in which
    // case typed (the input as it is) is kept for Down to bring back. False when there is no
    // older entry. An entry comes with the decimal comma or the point, as decimalComma says.
    bool Older(const std::string& typed, bool decimalComma, std::string* text);
    // Down: the entry after the one shown, or past the newest what was typed before the
    // recall began, as it was. False when no recall is in progress.
    bool Newer(bool decimalComma, std::string* text);
    // The entries of earlier before these (a repeat across the two kept once); ends a recall.
    void Prepend(const ExpressionRecall& earlier);
    // Forgets the recall in progress (and what was typed before it).
    void Cancel();
    // Forgets every entry, as when the history is cleared.
    void Clear();

  private:
    bool Recalling() const { return shown_ < entries_.size(); }

    struct Entry {
        std::string expression;
        bool decimalComma;
        bool SameAs(const Entry& other) const {
            return expression == other.expression && decimalComma == other.decimalComma;
        }
    };
    std::string Shown(bool decimalComma) const;

    std::vector<Entry> entries_;
    std::size_t shown_ = 0; // index of the entry shown; entries_.size() when none is
    std::string typed_;
};
