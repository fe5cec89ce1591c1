// What a calculation does, apart from the window: an input that begins with an operator goes
// on from ans, the engine answers with the result and its exact value, and the history gets
// its lines, with the place of each result, while the recall list gets the expression. The
// calculations kept from earlier starts come back the same way. The window shows the texts
// it is given; abacon-eval takes only the answers.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "engine/expression_recall.h"
#include "engine/history_results.h"
#include "engine/value.h"
#include "support/history_records.h"

class CalculationSession {
  public:
    // typed calculated with flags: "ans" in front of an input whose first character other than
    // a space is "*", "/", "%" or "^" ("*2" is "ans*2"), and the "=" the grammar ends with. A
    // result becomes ans. With a groupSeparator other than 0 the result is also shown with
    // its digits grouped by it; its output, the text to reuse, has none.
    KeptCalculation Answer(const std::string& typed, EvalFlags flags, char groupSeparator = '\0');

    // Answer, written into the history: the expression joins the recall list as typed, and the
    // lines to append at the end of the history come back, the calculation in *calculation.
    std::string Calculate(const std::string& typed, EvalFlags flags, char groupSeparator,
                          KeptCalculation* calculation);
    // A line of the program's own at the end of the history, such as a problem with the file
    // of kept calculations.
    std::string Note(const std::string& line);
    // The kept calculations, oldest first, each shown as it was, at the start of the history
    // in one text, before what this start has shown if the file could not be read at once;
    // their expressions come before this start's in the recall list, and their newest result
    // is ans unless this start has a result of its own.
    std::string Restore(const std::vector<KeptCalculation>& kept);
    // Forgets the history and the recall list; ans stays.
    void Clear();

    ExpressionRecall& Recall() { return recall_; }
    const HistoryResults& Results() const { return results_; }

  private:
    // The calculation's lines as the history shows them, its result's place noted.
    std::string Show(const KeptCalculation& calculation);
    std::string Append(std::string text);

    Value answer_ = MakeInteger(0);
    bool answered_ = false; // by a calculation of this start
    ExpressionRecall recall_;
    HistoryResults results_;
    std::size_t length_ = 0; // of the history text
};
